#include "widgets/popupprompts.h"

#include "widgets/popupwnd.h"
#include "widgets/qlabelex.h"
#include "widgets/stdbtn.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QVBoxLayout>

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
        // An error with its reason may need more lines than the popup has.
        m_popup->FitText();
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

class PopupTest : public ITestPopup {
public:
    explicit PopupTest(const QString& title) : m_popup(new PopupWnd) {
        m_popup->setWindowTitle(title);
        m_popup->SetIcon(1);
        m_popup->AddButtons(PopupWnd::OK | PopupWnd::CANCEL, PopupWnd::OK);
        m_label = new QLabelEx(m_popup, QString(), false, 11, QColor(QStringLiteral("#47a8dd")));
        m_label->move(25, 50);
    }
    ~PopupTest() override { delete m_popup.data(); }

    QString Text() const override { return m_popup ? m_popup->GetText() : QString(); }
    void SetText(const QString& text) override {
        if (!m_popup)
            return;
        m_popup->text = text;
        m_popup->update();
    }
    bool IsOkVisible() const override {
        QAbstractButton* ok = OkButton();
        return ok && !ok->isHidden();
    }
    void SetOkVisible(bool visible) override {
        if (QAbstractButton* ok = OkButton())
            ok->setVisible(visible);
    }
    QString Results() const override { return m_label ? m_label->text() : QString(); }
    void SetResults(const QStringList& lines, const QString& question) override {
        if (!m_popup || !m_label)
            return;
        QString text;
        for (const QString& line : lines)
            text += line + QLatin1Char('\n');
        m_label->setText(text + question);
        const int n = lines.size();
        m_popup->resize(400, 12 * n + 160);
        // A line too long for the popup (a failure with its reason) wraps, and the popup grows to hold it.
        m_label->setWordWrap(true);
        const int width = m_popup->width() - 50;
        const int height = qMax(12 * n + 60, m_label->heightForWidth(width));
        m_label->resize(width, height);
        m_popup->resize(400, height + 100);
    }
    bool Exec() override { return m_popup && m_popup->exec() == PopupWnd::OK; }
    void Finish(bool ok) override {
        if (m_popup)
            m_popup->done(ok ? PopupWnd::OK : PopupWnd::CANCEL);
    }

private:
    QAbstractButton* OkButton() const {
        if (!m_popup)
            return nullptr;
        const QList<QAbstractButton*> buttons = m_popup->buttonBox()->buttons();
        for (QAbstractButton* b : buttons) {
            if (m_popup->ButtonValue(b) == PopupWnd::OK)
                return b;
        }
        return nullptr;
    }

    QPointer<PopupWnd> m_popup;
    QPointer<QLabelEx> m_label;
};

} // namespace

QString PopupPrompts::ChooseReplacement(const ReplacementChoice& choice) {
    QDialog dialog;
    dialog.setWindowFlags(dialog.windowFlags() & ~Qt::WindowContextHelpButtonHint);
    dialog.setMinimumWidth(300);
    dialog.setWindowTitle(choice.title);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(choice.problem, &dialog));
    if (!choice.choices.isEmpty())
        layout->addWidget(new QLabel(choice.offer, &dialog));
    QString chosen;
    for (const QString& text : choice.choices) {
        auto* row = new QHBoxLayout;
        auto* select = new StdBtn(&dialog);
        select->setText(choice.chooseText);
        select->setStatusTip(choice.chooseTip);
        select->valueText = text;
        QObject::connect(select, &QAbstractButton::clicked, &dialog, [&dialog, &chosen, select]() {
            chosen = select->valueText;
            dialog.accept();
        });
        row->addWidget(select);
        row->addWidget(new QLabel(text, &dialog), 1);
        layout->addLayout(row);
    }
    auto* drop = new StdBtn(&dialog);
    drop->setText(choice.dropText);
    drop->setStatusTip(choice.dropTip);
    drop->valueText = QStringLiteral("Rem");
    QObject::connect(drop, &QAbstractButton::clicked, &dialog, &QDialog::reject);
    layout->addWidget(drop);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return chosen;
}

std::unique_ptr<ITestPopup> PopupPrompts::MakeTestPopup(const QString& title) {
    return std::make_unique<PopupTest>(title);
}

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
