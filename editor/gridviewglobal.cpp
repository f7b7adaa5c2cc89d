#include "editor/gridviewglobal.h"

#include "config/datacfgrecords.h"
#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "runtime/ctrlview.h"

#include <QScriptEngine>

GridViewGlobal::GridViewGlobal(QWidget* parent) : GridCont(parent), m_popup(new CtrlView(this)) {
    // No message is up until one is shown.
    m_popup->SetShown(false);
    AppendView(m_popup);
}

uint GridViewGlobal::ButtonCode(const QString& button) {
    if (button == QLatin1String("Yes"))
        return CodeYes;
    if (button == QLatin1String("No"))
        return CodeNo;
    if (button == QLatin1String("Ok"))
        return CodeOk;
    if (button == QLatin1String("Cancel"))
        return CodeCancel;
    return 0;
}

void GridViewGlobal::InitPopup() {
    PROFILE_SCOPE("GridViewGlobal::InitPopup");
    m_popup->SetScale(0.5);
    DataCfg* cfg = DataCfg::Instance();
    const DataCfg::TControl control =
        cfg ? cfg->FindControl(QStringLiteral("Popup_Msg"), QStringLiteral("MVX_Popup")) : DataCfg::TControl();
    if (control.Name.isEmpty()) {
        QLOG_WARN() << "GridViewGlobal::InitPopup: control MVX_Popup:Popup_Msg not found";
    }
    m_popup->Init(control);
    m_popup->SetShown(false);
    m_popup->SetInteractionButtons(Qt::LeftButton | Qt::RightButton);
    hide();
}

bool GridViewGlobal::IsShowing() const {
    for (CtrlView* v : Views()) {
        if (v->IsShown())
            return true;
    }
    return false;
}

bool GridViewGlobal::ShowMsgPopup(const QString& title, const QString& text, const QString& buttons,
                                  const QScriptValue& callback) {
    PROFILE_SCOPE("GridViewGlobal::ShowMsgPopup");
    m_callback = callback;
    m_popup->ExecSkinFunc(m_popup->Skin().OnInit, QVariantList() << title << text << buttons);
    m_popup->SetShown(true);
    m_popup->Invalidate();
    m_popup->update();
    if (parentWidget()) {
        show();
        raise();
    }
    return true;
}

void GridViewGlobal::DoButtonClicked(const QString& button, const QString& text) {
    PROFILE_SCOPE("GridViewGlobal::DoButtonClicked");
    const uint code = ButtonCode(button);
    if (parentWidget())
        hide();
    m_popup->SetShown(false);
    m_popup->Invalidate();
    m_popup->update();

    // Dropped before the call: a callback that opens the next message box stores a new one.
    QScriptValue callback = m_callback;
    m_callback = QScriptValue(0);
    QScriptEngine* engine = callback.engine();
    if (!callback.isFunction() || !engine)
        return;
    callback.call(engine->newQObject(this), QScriptValueList() << QScriptValue(code) << QScriptValue(text));
    if (engine->hasUncaughtException()) {
        QLOG_DEBUG() << "GridViewGlobal::DoButtonClicked:" << engine->uncaughtException().toString();
        engine->clearExceptions();
    }
}
