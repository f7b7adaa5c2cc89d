#include "widgets/popupprompts.h"

#include "widgets/popupwnd.h"

#include <QPointer>
#include <QRadioButton>

namespace {

class PopupStatus : public IStatusPopup {
public:
    PopupStatus(const QString& title, const QString& text) : m_popup(new PopupWnd) {
        m_popup->text = text;
        m_popup->setWindowTitle(title);
        m_popup->SetIcon(1);
        m_popup->AddButtons(PopupWnd::OK, PopupWnd::OK);
    }
    // Closing only schedules the popup's deletion; it goes now, with its owner.
    ~PopupStatus() override { delete m_popup.data(); }

    QString Text() const override { return m_popup ? m_popup->GetText() : QString(); }
    void SetText(const QString& text) override {
        if (!m_popup)
            return;
        m_popup->text = text;
        m_popup->update();
        m_popup->repaint();
    }
    void Exec() override {
        if (m_popup)
            m_popup->exec();
    }
    void Close() override {
        if (m_popup)
            m_popup->done(0);
    }

private:
    QPointer<PopupWnd> m_popup;
};

} // namespace

bool PopupPrompts::AskPermission(const QString& title, const QString& text, const QString& rememberText,
                                 bool* remember) {
    QPointer<PopupWnd> popup = new PopupWnd(nullptr);
    popup->setWindowTitle(title);
    popup->text = text;
    popup->SetIcon(4);
    popup->AddButtons(PopupWnd::YES | PopupWnd::NO, PopupWnd::NO);
    popup->resize(350, 170);
    QRadioButton* radio = new QRadioButton(rememberText, popup);
    radio->move(60, 100);
    radio->setAutoExclusive(false);
    radio->setChecked(false);
    const int answer = popup->exec();
    const bool yes = answer == PopupWnd::YES;
    // The radio button goes with its popup.
    *remember = popup && radio->isChecked();
    if (popup)
        popup->deleteLater();
    return yes;
}

std::unique_ptr<IStatusPopup> PopupPrompts::MakeStatusPopup(const QString& title, const QString& text) {
    return std::make_unique<PopupStatus>(title, text);
}
