#pragma once
// Base of every popup dialog and engine of the program-wide message box: a frameless, translucent dialog
// painted from one nine-tile background, with a close button, an optional icon, an upper-cased title, a
// message text and a row of buttons along the bottom. A click on a row button ends the dialog with that
// button's value. Popups can be dragged anywhere on their surface.

#include "widgets/ipopupbackground.h"

#include <QAbstractButton> // whole: the guarded button pointers need it
#include <QDialog>
#include <QDialogButtonBox>
#include <QFont>
#include <QMap>
#include <QPointer>

class ImgWidget;
class QPushButtonEx;

class PopupWnd : public QDialog {
    Q_OBJECT
    Q_PROPERTY(QString text READ GetText)

public:
    // The standard buttons; the values are the toolkit's standard-button numbers.
    enum StdButton {
        OK = 0x400,
        YES = 0x4000,
        NO = 0x10000,
        CLOSE = 0x200000,
        CANCEL = 0x400000,
        APPLY = 0x2000000,
        RESET = 0x4000000,
    };

    explicit PopupWnd(QWidget* parent = nullptr);

    // Icon types 1 to 8 (info, x, exclamation, question, config, config 2, ref, shortcut); others: none.
    void SetIcon(int type);
    // Grows the popup so that the whole message text shows (it never shrinks).
    void FitText();
    // One button for a standard value; an unknown value gets the toolkit's own button (and no entry).
    QAbstractButton* AddStdButton(int value);
    // The buttons of every standard bit in mask, then the escape button (CANCEL, else NO, else CLOSE).
    // The default value does not change behaviour: Return follows the dialog's default push button.
    void AddButtons(int mask, int defaultValue);
    // A caller-made button; it has no value of its own.
    void AddButton(QAbstractButton* button, QDialogButtonBox::ButtonRole role);

    QString GetText() const { return text; }
    QDialogButtonBox* buttonBox() const { return m_buttonBox; }
    QPushButtonEx* closeButton() const { return m_closeBtn; }
    ImgWidget* icon() const { return m_icon; }
    // The button whose click is being handled; set only while done runs for a click.
    QAbstractButton* currentButton() const { return m_currentButton; }
    QAbstractButton* lastClickedButton() const { return m_lastClicked; }
    QAbstractButton* escapeButton() const { return m_escapeButton; }
    QAbstractButton* noButton() const { return m_noButton; }
    // The value a button ends the dialog with: its standard value, else the button box's standard button.
    int ButtonValue(QAbstractButton* button) const;

    // Re-sets translated texts after a language change; nothing here.
    virtual void Retranslate() {}

    // Installed by the configuration model at start-up; used when the first popup is built.
    static void SetBackgroundFactory(PopupBackgroundFactory factory);

    // The message text; callers that change it call update().
    QString text;
    Qt::Alignment titleAlignment = Qt::AlignHCenter;
    int textHeight = 46;
    QFont titleFont;

public slots:
    void OnButtonClicked(QAbstractButton* button);
    // Ends the dialog and schedules the popup's deletion.
    void done(int result) override;

protected:
    bool event(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void DoLayout();

    QPushButtonEx* m_closeBtn = nullptr;
    QPoint m_dragAnchor{-1, -1};
    ImgWidget* m_icon = nullptr;
    IPopupBackground* m_background = nullptr;
    QPointer<QWidget> m_statusTipTarget;
    QMap<QAbstractButton*, int> m_buttonValues;
    QDialogButtonBox* m_buttonBox = nullptr;
    QPointer<QAbstractButton> m_currentButton;
    QPointer<QAbstractButton> m_lastClicked;
    QPointer<QAbstractButton> m_escapeButton;
    QPointer<QAbstractButton> m_noButton;
};

// Shows a modal message box and answers the value of the button that ended it; closed without a click it
// answers its escape button's value (0 without one).
// The same box shown without waiting for an answer; it deletes itself when closed.
PopupWnd* MsgBoxShow(QWidget* parent, int iconType, const QString& title, const QString& text, int buttons,
                     int defaultValue);
int MsgBox(QWidget* parent, int iconType, const QString& title, const QString& text, int buttons, int defaultValue);
int MsgBoxQuestion(QWidget* parent, const QString& title, const QString& text, int buttons, int defaultValue);
int MsgBoxInfo(QWidget* parent, const QString& title, const QString& text, int buttons, int defaultValue);
int MsgBoxWarning(QWidget* parent, const QString& title, const QString& text, int buttons, int defaultValue);

// Moves popup to the centre of window, kept inside the screen that holds the window.
void CenterOverWindow(QWidget* window, QWidget* popup);
