#include "functions/pal/lightcontrol.h"

#include "foundation/logger/QsLog.h"
#include "functions/pal/pal.h"
#include "functions/pal/windowmessagebus.h"
#include "functions/plugintools.h"

#include <memory>

namespace PAL_INT {

const char* const LightControlLink::kDiscoverName = "WM_MERVEX_BEACON_LIGHT_CONTROL_API_DISCOVER";
const char* const LightControlLink::kAttachName = "WM_MERVEX_BEACON_LIGHT_CONTROL_API_ATTACH";
const char* const LightControlLink::kRequestName = "WM_MERVEX_BEACON_LIGHT_CONTROL_API";

namespace {
std::unique_ptr<LightControlLink>& LinkHolder() {
    static std::unique_ptr<LightControlLink> link;
    return link;
}
} // namespace

LightControlLink::~LightControlLink() {
    if (m_registered)
        PluginTools::RemWindowMessageProxy(this);
}

quintptr LightControlLink::EncodeRequest(int a, int b, int c) {
    // Shifted as unsigned so a negative value cannot overflow; the 32-bit result widens as a signed value.
    const quint32 packed = (quint32(a) << 16) | (quint32(b) << 8) | quint32(c);
    return quintptr(qintptr(qint32(packed)));
}

bool LightControlLink::PostRequest() {
    return WindowMessageBus::Instance().PostMessage(m_device, m_request, EncodeRequest(m_a, m_b, m_c), qintptr(m_d));
}

bool LightControlLink::SetColors(int a, int b, int c, uint d) {
    m_a = a;
    m_b = b;
    m_c = c;
    m_d = d;

    WindowMessageBus& bus = WindowMessageBus::Instance();
    if (m_attach && m_device && bus.IsWindow(m_device))
        return PostRequest();
    // The device window is gone (or was never known): look for the device software again.
    m_device = 0;
    if (!m_registered) {
        PluginTools::AddWindowMessageProxy(this);
        m_registered = true;
    }
    const quintptr mainWindow = PluginTools::GetMainWindowHandle();
    m_discover = bus.RegisterMessage(QLatin1String(kDiscoverName));
    m_attach = bus.RegisterMessage(QLatin1String(kAttachName));
    m_request = bus.RegisterMessage(QLatin1String(kRequestName));
    bus.PostMessage(WindowMessageBus::kBroadcast, m_discover, mainWindow, 0);
    return false;
}

bool LightControlLink::winEvent(const WindowMessage* message, long* result) {
    if (!message || !m_attach || message->message != m_attach || message->lParam != 1)
        return false;
    m_device = message->wParam;
    if (m_device && !PostRequest()) {
        QLOG_DEBUG() << "LightControlLink::winEvent: request not delivered to window" << m_device;
    }
    return true;
}

LightControlLink& TheLightControlLink() {
    std::unique_ptr<LightControlLink>& link = LinkHolder();
    if (!link)
        link.reset(new LightControlLink);
    return *link;
}

void ResetLightControlLink() {
    LinkHolder().reset();
}

} // namespace PAL_INT

bool PAL::Tarn_SetColors(int a, int b, int c, uint d) {
    return PAL_INT::TheLightControlLink().SetColors(a, b, c, d);
}
