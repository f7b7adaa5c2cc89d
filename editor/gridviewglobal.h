#pragma once
// The message overlay: a container holding one control view, the built-in message popup, that shows the
// message boxes of control scripts over a grid. The grid editor lays one over its canvas; a phone session
// keeps one without a parent and pushes its view instead of the grid's while a message is up.

#include "editor/gridcont.h"

#include <QScriptValue>

class CtrlView;

class GridViewGlobal : public GridCont, public IGridViewGlobal, public INetOverlayView {
    Q_OBJECT
public:
    // The standard-button codes the callback receives.
    static constexpr uint CodeOk = 0x400;
    static constexpr uint CodeYes = 0x4000;
    static constexpr uint CodeNo = 0x10000;
    static constexpr uint CodeCancel = 0x400000;

    explicit GridViewGlobal(QWidget* parent = nullptr);

    CtrlView* PopupView() const { return m_popup; }
    // "Yes", "No", "Ok", "Cancel" (exactly so) to their codes; 0 for any other text.
    static uint ButtonCode(const QString& button);

    // --- INetOverlayView ---
    // Binds the popup view to the control "Popup_Msg" of "MVX_Popup", hidden.
    void InitPopup() override;
    // True while a message is up.
    bool IsShowing() const override;

    // --- IGridCont ---
    IGridViewGlobal* AsMessageOverlay() override { return this; }

    // --- IGridViewGlobal ---
    bool ShowMsgPopup(const QString& title, const QString& text, const QString& buttons,
                      const QScriptValue& callback) override;
    void DoButtonClicked(const QString& button, const QString& text) override;

private:
    CtrlView* m_popup;
    QScriptValue m_callback;
};
