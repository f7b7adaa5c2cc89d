#include "widgets/popupwnd.h"

#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "widgets/imgwidget.h"
#include "widgets/ninetileimage.h"
#include "widgets/stdbtn.h"
#include "widgets/widgetresources.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>

namespace {

PopupBackgroundFactory& BackgroundFactory() {
    static PopupBackgroundFactory factory;
    return factory;
}

// One background record for every popup of the process, made by the first one and never freed.
IPopupBackground* SharedBackground() {
    static IPopupBackground* background = [] {
        const QString image = QStringLiteral(":/images/WndPopupBG");
        QList<QRectF> tiles;
        const int rows[][2] = {{0, 60}, {60, 30}, {90, 60}};
        for (const auto& row : rows)
            for (int x = 0; x < 96; x += 32)
                tiles << QRectF(x, row[0], 32, row[1]);
        if (BackgroundFactory())
            if (IPopupBackground* made = BackgroundFactory()(image, tiles))
                return made;
        return static_cast<IPopupBackground*>(new NineTileImage(image, tiles));
    }();
    return background;
}

struct StdButtonInfo {
    int value;
    const char* caption;
    QDialogButtonBox::ButtonRole role;
};

const StdButtonInfo kStdButtons[] = {
    {PopupWnd::OK, QT_TRANSLATE_NOOP("PopupWnd", "OK"), QDialogButtonBox::AcceptRole},
    {PopupWnd::YES, QT_TRANSLATE_NOOP("PopupWnd", "YES"), QDialogButtonBox::AcceptRole},
    {PopupWnd::NO, QT_TRANSLATE_NOOP("PopupWnd", "NO"), QDialogButtonBox::RejectRole},
    {PopupWnd::CLOSE, QT_TRANSLATE_NOOP("PopupWnd", "CLOSE"), QDialogButtonBox::AcceptRole},
    {PopupWnd::CANCEL, QT_TRANSLATE_NOOP("PopupWnd", "CANCEL"), QDialogButtonBox::RejectRole},
    {PopupWnd::APPLY, QT_TRANSLATE_NOOP("PopupWnd", "APPLY"), QDialogButtonBox::ApplyRole},
    {PopupWnd::RESET, QT_TRANSLATE_NOOP("PopupWnd", "RESET"), QDialogButtonBox::ResetRole},
};

const char* const kIconImages[] = {
    ":/images/MBIcon_Info",   ":/images/MBIcon_X",       ":/images/MBIcon_Exclamation", ":/images/MBIcon_Question",
    ":/images/MBIcon_Config", ":/images/MBIcon_Config2", ":/images/MBIcon_Ref",         ":/images/MBIcon_Shortcut",
};

QFont MessageFont() {
    QFont f(QStringLiteral("Arial"), 11, QFont::Bold);
    f.setPixelSize(12);
    return f;
}

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;

} // namespace

void PopupWnd::SetBackgroundFactory(PopupBackgroundFactory factory) {
    BackgroundFactory() = std::move(factory);
}

PopupWnd::PopupWnd(QWidget* parent) : QDialog(parent, Qt::FramelessWindowHint | Qt::WindowSystemMenuHint) {
    InitWidgetResources();
    titleFont = QFont(QStringLiteral("Eurostile LT Std Bold"), 12, QFont::Bold);
    titleFont.setPixelSize(11);
    m_background = SharedBackground();

    setStyleSheet(QStringLiteral("QPushButton {font-size:10px;} QRadioButton {border: 0px solid "
                                 "#303030;background-color:transparent;}"));

    m_buttonBox = new QDialogButtonBox(this);
    m_buttonBox->setObjectName(QStringLiteral("qt_msgbox_buttonbox"));
    m_buttonBox->setCenterButtons(style()->styleHint(QStyle::SH_MessageBox_CenterButtons, nullptr, this) != 0);
    m_buttonBox->show();
    connect(m_buttonBox, &QDialogButtonBox::clicked, this, &PopupWnd::OnButtonClicked);

    setAttribute(Qt::WA_TranslucentBackground);

    m_closeBtn = new QPushButtonEx(this);
    connect(m_closeBtn, &QPushButton::clicked, this, &QWidget::close);
    m_closeBtn->setStatusTip(tr("Close"));
    m_closeBtn->resize(25, 23);
    m_closeBtn->setStyleSheet(QStringLiteral(
        "QPushButton {background-image: url(:/images/BtnWndCloseN);background-color:transparent;border:none;}"
        "QPushButton:hover {background-image: url(:/images/BtnWndCloseH);}"
        "QPushButton:pressed {background-image: url(:/images/BtnWndCloseD);}"));

    resize(350, 160);
    setFocus();
    m_statusTipTarget = QApplication::activeWindow();
}

void PopupWnd::DoLayout() {
    m_closeBtn->move(width() - m_closeBtn->width() - 3, 3);
    m_buttonBox->resize(width(), 45);
    m_buttonBox->move(0, height() - 45);
    if (m_icon)
        m_icon->move(width() - 60, 50);
}

void PopupWnd::SetIcon(int type) {
    if (m_icon) {
        m_icon->deleteLater();
        m_icon = nullptr;
    }
    if (type >= 1 && type <= 8)
        m_icon = new ImgWidget(this, QString::fromLatin1(kIconImages[type - 1]));
    DoLayout();
}

QAbstractButton* PopupWnd::AddStdButton(int value) {
    for (const StdButtonInfo& info : kStdButtons) {
        if (info.value != value)
            continue;
        auto* btn = new StdBtn(m_buttonBox, 0);
        btn->SetText(tr(info.caption));
        btn->padLeft = 10;
        btn->padRight = 10;
        btn->update();
        m_buttonBox->addButton(btn, info.role);
        if (value == NO)
            m_noButton = btn;
        m_buttonValues.insert(btn, value);
        return btn;
    }
    return m_buttonBox->addButton(QDialogButtonBox::StandardButton(value));
}

void PopupWnd::AddButtons(int mask, int defaultValue) {
    Q_UNUSED(defaultValue);
    for (quint32 bit = 0x400; bit <= 0x8000000; bit <<= 1)
        if (quint32(mask) & bit)
            AddStdButton(int(bit));

    if (m_escapeButton)
        return;
    for (int value : {int(CANCEL), int(NO), int(CLOSE)}) {
        if (QAbstractButton* btn = m_buttonValues.key(value, nullptr)) {
            m_escapeButton = btn;
            return;
        }
    }
}

void PopupWnd::AddButton(QAbstractButton* button, QDialogButtonBox::ButtonRole role) {
    m_buttonBox->addButton(button, role);
}

int PopupWnd::ButtonValue(QAbstractButton* button) const {
    if (!button)
        return 0;
    const int value = m_buttonValues.value(button, 0);
    if (value != 0)
        return value;
    return int(m_buttonBox->standardButton(button));
}

void PopupWnd::OnButtonClicked(QAbstractButton* button) {
    m_currentButton = button;
    m_lastClicked = button;
    done(ButtonValue(button));
    m_currentButton = nullptr;
}

void PopupWnd::done(int result) {
    QDialog::done(result);
    deleteLater();
}

bool PopupWnd::event(QEvent* e) {
    PROFILE_SCOPE("PopupWnd::event");
    if (e->type() == QEvent::StatusTip) {
        if (!m_statusTipTarget)
            return false;
        return QCoreApplication::sendEvent(m_statusTipTarget, e);
    }
    return QDialog::event(e);
}

void PopupWnd::mousePressEvent(QMouseEvent* e) {
    PROFILE_SCOPE("PopupWnd::mousePressEvent");
    m_dragAnchor = QPoint(-1, -1);
    if (e->button() == Qt::LeftButton) {
        m_dragAnchor = e->globalPos() - frameGeometry().topLeft();
        e->accept();
        setFocus();
    }
}

void PopupWnd::mouseMoveEvent(QMouseEvent* e) {
    PROFILE_SCOPE("PopupWnd::mouseMoveEvent");
    if (m_dragAnchor.x() >= 0 && (e->buttons() & Qt::LeftButton)) {
        move(e->globalPos() - m_dragAnchor);
        e->accept();
    }
}

void PopupWnd::mouseReleaseEvent(QMouseEvent*) {
    PROFILE_SCOPE("PopupWnd::mouseReleaseEvent");
    m_dragAnchor = QPoint(-1, -1);
}

void PopupWnd::keyPressEvent(QKeyEvent* e) {
    // The dialog's own keys first: Escape rejects, Return and Enter press the default button.
    QPointer<PopupWnd> self(this);
    QDialog::keyPressEvent(e);
    if (!self)
        return;
    if (e->key() == Qt::Key_N && e->modifiers() == Qt::NoModifier && m_noButton)
        m_noButton->click();
}

void PopupWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_background->GetImageTiled(width(), height()));

    QPalette pal = palette();
    pal.setColor(QPalette::ButtonText, painter.pen().color());
    painter.setFont(titleFont);
    style()->drawItemText(&painter, QRect(34, 0, width() - 68, 36), int(titleAlignment | Qt::AlignVCenter), pal, true,
                          windowTitle().toUpper(), QPalette::ButtonText);

    painter.setFont(MessageFont());
    painter.setPen(QColor(QStringLiteral("#47a8dd")));
    painter.drawText(QRect(25, 50, width() - 96, textHeight), kTextFlags, text);
}

void PopupWnd::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    DoLayout();
}

void PopupWnd::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // A popup must always be closable by a click.
    if (m_buttonBox->buttons().isEmpty())
        AddStdButton(OK);
    QWidget* window = parentWidget();
    while (window && !window->isWindow())
        window = window->parentWidget();
    if (window)
        CenterOverWindow(window, this);
}

void PopupWnd::changeEvent(QEvent* e) {
    // A popup is a window of its own: the main window's locale does not reach it, the new translations do.
    if (e->type() == QEvent::LocaleChange || e->type() == QEvent::LanguageChange)
        Retranslate();
    QDialog::changeEvent(e);
}

// ---------------------------------------------------------------------------------------------------------------

void CenterOverWindow(QWidget* window, QWidget* popup) {
    if (!window || !popup)
        return;
    const QRect w = window->frameGeometry();
    const QRect p = popup->frameGeometry();
    int x = w.x() + (w.width() - p.width()) / 2;
    int y = w.y() + (w.height() - p.height()) / 2;
    QScreen* screen = window->screen();
    if (screen) {
        const QRect s = screen->geometry();
        if (x < s.left())
            x = s.left();
        else if (x + p.width() > s.right())
            x = s.right() - p.width();
        if (y < s.top())
            y = s.top();
        else if (y + p.height() > s.bottom())
            y = s.bottom() - p.height();
    }
    popup->move(x, y);
}

void PopupWnd::FitText() {
    const QRect measured =
        QFontMetrics(MessageFont()).boundingRect(QRect(0, 0, width() - 96, textHeight), kTextFlags, text);
    if (measured.height() > textHeight) {
        resize(width(), height() + measured.height() - textHeight);
        textHeight = measured.height();
    }
}

namespace {
PopupWnd* MakeMsgBox(QWidget* parent, int iconType, const QString& title, const QString& text, int buttons,
                     int defaultValue) {
    auto* box = new PopupWnd(parent);
    box->setWindowTitle(title);
    box->text = text;
    box->SetIcon(iconType);
    box->AddButtons(buttons, defaultValue);

    box->FitText();
    return box;
}
} // namespace

PopupWnd* MsgBoxShow(QWidget* parent, int iconType, const QString& title, const QString& text, int buttons,
                     int defaultValue) {
    QLOG_DEBUG() << "MsgBoxShow:" << title << text;
    PopupWnd* box = MakeMsgBox(parent, iconType, title, text, buttons, defaultValue);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
    return box;
}

int MsgBox(QWidget* parent, int iconType, const QString& title, const QString& text, int buttons, int defaultValue) {
    QLOG_DEBUG() << "MsgBox:" << title << text;

    // Held through a guard: the box deletes itself when it ends, and its parent may go while it is open.
    QPointer<PopupWnd> box = MakeMsgBox(parent, iconType, title, text, buttons, defaultValue);

    const int rc = box->exec();
    int result = PopupWnd::CANCEL;
    if (box && rc != -1) {
        QAbstractButton* button = box->lastClickedButton();
        if (!button)
            button = box->escapeButton();
        result = box->ButtonValue(button);
    }
    delete box.data();
    return result;
}

int MsgBoxQuestion(QWidget* parent, const QString& title, const QString& text, int buttons, int defaultValue) {
    return MsgBox(parent, 4, title, text, buttons, defaultValue);
}

int MsgBoxInfo(QWidget* parent, const QString& title, const QString& text, int buttons, int defaultValue) {
    return MsgBox(parent, 1, title, text, buttons, defaultValue);
}

int MsgBoxWarning(QWidget* parent, const QString& title, const QString& text, int buttons, int defaultValue) {
    return MsgBox(parent, 3, title, text, buttons, defaultValue);
}
