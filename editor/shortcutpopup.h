#pragma once
// The "ASSIGN A SHORTCUT" popup: the user presses a key combination, captured below the usual key handling
// (Windows and Alt keys included); the popup shows its modifiers as check boxes and its key in a line edit
// and gives back the shortcut text the key sender plays ("LSHIFT,LCTRL+S", "CTRL,ALT+S", "F5").

#include "widgets/popupwnd.h"

#include <QAbstractButton>

class QCheckBox;
class QLineEdit;

class ShortcutPopup : public PopupWnd {
    Q_OBJECT

public:
    explicit ShortcutPopup(QWidget* parent);
    ~ShortcutPopup() override;

    // The key line edit's text; after OK the whole shortcut text.
    QString GetShortcut() const;
    QLineEdit* KeyEdit() const { return m_edtKey; }
    QCheckBox* CheckBox(const QString& name) const; // "None", "Shift", "Ctrl", "Win" or "Alt"

    bool eventFilter(QObject* watched, QEvent* event) override;

public slots:
    void OnChkNone();
    void OnChkShift();
    void OnChkCtrl();
    void OnChkWin();
    void OnChkAlt();
    void done(int result) override;

private:
    void OnModifierBox();
    QString ModifiersFromBoxes() const;
    void KeyPressed(quint32 nativeVk, quint32 nativeScan, quint32 nativeModifiers);

    QString m_modifiers;
    bool m_boxesChanged = false;
    bool m_finished = false;
    QLineEdit* m_edtKey = nullptr;
    QCheckBox* m_chkNone = nullptr;
    QCheckBox* m_chkShift = nullptr;
    QCheckBox* m_chkCtrl = nullptr;
    QCheckBox* m_chkWin = nullptr;
    QCheckBox* m_chkAlt = nullptr;
};
