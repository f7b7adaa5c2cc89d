#include "editor/shortcutpopup.h"

#include "editor/editorresources.h"
#include "foundation/logger/QsLog.h"
#include "functions/pal/keynames.h"
#include "functions/pal/pal.h"
#include "widgets/imgwidget.h"
#include "widgets/qlabelex.h"
#include "widgets/qlineeditex.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QKeyEvent>
#include <QTimer>

ShortcutPopup::ShortcutPopup(QWidget* parent) : PopupWnd(parent) {
    InitEditorResources();
    setWindowTitle(tr("ASSIGN A SHORTCUT"));
    text = tr("Assign a shortcut key");
    SetIcon(8);
    resize(460, 200);
    AddButtons(OK | CANCEL, OK);

    auto* hint = new QLabelEx(this, tr("Please enter your shortcut here ..."));
    hint->move(25, 85);

    m_chkNone = new QCheckBox(tr("None"), this);
    m_chkNone->move(25, 110);
    m_chkNone->setChecked(true);
    m_chkShift = new QCheckBox(tr("Shift"), this);
    m_chkCtrl = new QCheckBox(tr("Ctrl"), this);
    m_chkWin = new QCheckBox(tr("Win"), this);
    m_chkAlt = new QCheckBox(tr("Alt"), this);
    QCheckBox* before = m_chkNone;
    for (QCheckBox* box : {m_chkShift, m_chkCtrl, m_chkWin, m_chkAlt}) {
        box->move(before->x() + before->sizeHint().width() + 10, 110);
        before = box;
    }
    auto* plus = new ImgWidget(this, QStringLiteral(":/images/ShortcutPlus"));
    plus->move(m_chkAlt->x() + m_chkAlt->sizeHint().width() + 5, 106);

    auto* single = new QLabelEx(this, tr("(Single key)"));
    single->adjustSize();
    single->move(width() - 20 - single->width(), 110);

    m_edtKey = new QLineEditEx(this);
    m_edtKey->setAlignment(Qt::AlignCenter);
    const int left = plus->x() + plus->width() + 5;
    m_edtKey->setGeometry(left, 108, qMax(0, single->x() - 10 - left), 19);
    m_edtKey->installEventFilter(this);
    m_edtKey->setFocus();
    // The key field keeps the focus while the popup is open. A button or box that took it on a click would
    // lose its pressed state when the field takes it back, and the click (OK included) would come to nothing.
    for (QAbstractButton* button : findChildren<QAbstractButton*>())
        button->setFocusPolicy(Qt::NoFocus);

    connect(m_chkNone, &QCheckBox::clicked, this, &ShortcutPopup::OnChkNone);
    connect(m_chkShift, &QCheckBox::clicked, this, &ShortcutPopup::OnChkShift);
    connect(m_chkCtrl, &QCheckBox::clicked, this, &ShortcutPopup::OnChkCtrl);
    connect(m_chkWin, &QCheckBox::clicked, this, &ShortcutPopup::OnChkWin);
    connect(m_chkAlt, &QCheckBox::clicked, this, &ShortcutPopup::OnChkAlt);
}

ShortcutPopup::~ShortcutPopup() {
    PAL::SetKeyboardCapture(false);
}

QString ShortcutPopup::GetShortcut() const {
    return m_edtKey->text();
}

QCheckBox* ShortcutPopup::CheckBox(const QString& name) const {
    if (name == QLatin1String("None"))
        return m_chkNone;
    if (name == QLatin1String("Shift"))
        return m_chkShift;
    if (name == QLatin1String("Ctrl"))
        return m_chkCtrl;
    if (name == QLatin1String("Win"))
        return m_chkWin;
    if (name == QLatin1String("Alt"))
        return m_chkAlt;
    return nullptr;
}

bool ShortcutPopup::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_edtKey || m_finished)
        return PopupWnd::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        PAL::SetKeyboardCapture(true);
        break;
    case QEvent::FocusOut:
        // The capture must stay on while the popup is open: take the focus back.
        QTimer::singleShot(0, this, [this] {
            if (!m_finished)
                m_edtKey->setFocus();
        });
        break;
    case QEvent::KeyPress: {
        auto* e = static_cast<QKeyEvent*>(event);
        KeyPressed(e->nativeVirtualKey(), e->nativeScanCode(), e->nativeModifiers());
        return true;
    }
    case QEvent::KeyRelease:
        return true;
    default:
        break;
    }
    return PopupWnd::eventFilter(watched, event);
}

void ShortcutPopup::KeyPressed(quint32 nativeVk, quint32 nativeScan, quint32 nativeModifiers) {
    quint32 code = ((nativeVk | (nativeModifiers << 8)) << 16) | (nativeScan & 0xFFFF);
    if (PAL::GetKeyState(QStringLiteral("LWIN")))
        code |= quint32(KMF_LWin) << 24;
    if (PAL::GetKeyState(QStringLiteral("RWIN")))
        code |= quint32(KMF_RWin) << 24;
    QList<quint32> modifierCodes;
    quint32 key = 0;
    const QString shortcut = PAL_INT::CapturedShortcut(code, &modifierCodes, &key);
    QLOG_DEBUG() << "ShortcutPopup::KeyPressed: KP:" << nativeVk << nativeScan << nativeModifiers << modifierCodes
                 << shortcut;

    m_modifiers.clear();
    m_chkNone->setChecked(modifierCodes.isEmpty());
    for (QCheckBox* box : {m_chkShift, m_chkCtrl, m_chkWin, m_chkAlt})
        box->setChecked(false);
    for (quint32 modifier : modifierCodes) {
        const QString name = KeyCodeTranslate(modifier);
        if (name.contains(QLatin1String("SHIFT")))
            m_chkShift->setChecked(true);
        if (name.contains(QLatin1String("CTRL")))
            m_chkCtrl->setChecked(true);
        if (name.contains(QLatin1String("WIN")))
            m_chkWin->setChecked(true);
        if (name.contains(QLatin1String("ALT")))
            m_chkAlt->setChecked(true);
        if (!m_modifiers.isEmpty())
            m_modifiers += QLatin1Char(',');
        m_modifiers += name;
    }
    m_edtKey->setText(KeyCodeTranslate(key));
    m_boxesChanged = false;
}

QString ShortcutPopup::ModifiersFromBoxes() const {
    QStringList names;
    if (m_chkShift->isChecked())
        names << QStringLiteral("SHIFT");
    if (m_chkCtrl->isChecked())
        names << QStringLiteral("CTRL");
    if (m_chkWin->isChecked())
        names << QStringLiteral("WIN");
    if (m_chkAlt->isChecked())
        names << QStringLiteral("ALT");
    return names.join(QLatin1Char(','));
}

void ShortcutPopup::OnModifierBox() {
    m_boxesChanged = true;
    if (m_chkShift->isChecked() || m_chkCtrl->isChecked() || m_chkWin->isChecked() || m_chkAlt->isChecked()) {
        m_chkNone->setChecked(false);
        m_modifiers = ModifiersFromBoxes();
    } else {
        m_chkNone->setChecked(true);
    }
}

void ShortcutPopup::OnChkShift() {
    OnModifierBox();
}

void ShortcutPopup::OnChkCtrl() {
    OnModifierBox();
}

void ShortcutPopup::OnChkWin() {
    OnModifierBox();
}

void ShortcutPopup::OnChkAlt() {
    OnModifierBox();
}

void ShortcutPopup::OnChkNone() {
    for (QCheckBox* box : {m_chkShift, m_chkCtrl, m_chkWin, m_chkAlt})
        box->setChecked(false);
    if (!m_chkNone->isChecked()) {
        const QStringList parts = m_modifiers.split(QLatin1Char(','));
        for (const QString& part : parts) {
            if (part.contains(QLatin1String("SHIFT")))
                m_chkShift->setChecked(true);
            if (part.contains(QLatin1String("CTRL")))
                m_chkCtrl->setChecked(true);
            if (part.contains(QLatin1String("WIN")))
                m_chkWin->setChecked(true);
            if (part.contains(QLatin1String("ALT")))
                m_chkAlt->setChecked(true);
        }
    }
    m_boxesChanged = true;
}

void ShortcutPopup::done(int result) {
    m_finished = true;
    PAL::SetKeyboardCapture(false);
    if (result == OK) {
        if (m_boxesChanged)
            m_modifiers = ModifiersFromBoxes();
        QString value = m_modifiers;
        if (!value.isEmpty())
            value += QLatin1Char('+');
        value += m_edtKey->text();
        m_edtKey->setText(value);
    }
    PopupWnd::done(result);
}
