#pragma once
// The link to the device software that sets the lights of the maker's mouse. That program owns a window
// which accepts light requests by registered messages; the link finds it with a broadcast handshake
// (discover, answered by attach naming its window) and posts the requests to it.

#include "functions/iwindowmessageproxy.h"

#include <QtGlobal>

namespace PAL_INT {

class LightControlLink : public IWindowMessageProxy {
public:
    static const char* const kDiscoverName;
    static const char* const kAttachName;
    static const char* const kRequestName;

    ~LightControlLink() override;

    // See PAL::Tarn_SetColors.
    bool SetColors(int a, int b, int c, uint d);
    // Consumes the attach message (lParam 1, the device window in wParam) and posts the last request.
    bool winEvent(const WindowMessage* message, long* result) override;

    // The request's wParam: a in bits 16 and up, b in bits 8 and up, c below, combined without masking as
    // the device software expects (so b or c above 255 overlaps its neighbour).
    static quintptr EncodeRequest(int a, int b, int c);

private:
    bool PostRequest();

    quint32 m_discover = 0;
    quint32 m_attach = 0;
    quint32 m_request = 0;
    quintptr m_device = 0;
    bool m_registered = false;
    int m_a = 0;
    int m_b = 0;
    int m_c = 0;
    uint m_d = 0;
};

// The process-wide link, created on first use.
LightControlLink& TheLightControlLink();
// Drops the link (unregistering it); the next use starts unlinked. For tests.
void ResetLightControlLink();

} // namespace PAL_INT
