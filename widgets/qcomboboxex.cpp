#include "widgets/qcomboboxex.h"

#include "foundation/logger/QsLog.h"

#include <QAction>
#include <QMenu>
#include <QStyle>
#include <QStylePainter>

QComboBoxEx::QComboBoxEx(QWidget* parent) : QComboBox(parent) {
    setAttribute(Qt::WA_MacShowFocusRect, false);
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::editTextChanged, this, &QComboBoxEx::OnTextChanged);
}

void QComboBoxEx::Repolish() {
    style()->unpolish(this);
    style()->polish(this);
}

void QComboBoxEx::setHovered(bool hovered) {
    m_hovered = hovered;
    Repolish();
}

void QComboBoxEx::OnTextChanged() {
    m_prevText = m_text;
    m_text = currentText();
}

void QComboBoxEx::focusInEvent(QFocusEvent* e) {
    QComboBox::focusInEvent(e);
    emit focusChanged(true);
    emit focusIn();
}

void QComboBoxEx::focusOutEvent(QFocusEvent* e) {
    QComboBox::focusOutEvent(e);
    emit focusChanged(false);
    emit focusOut();
}

void QComboBoxEx::enterEvent(QEvent* e) {
    QComboBox::enterEvent(e);
    m_hovered = underMouse();
    Repolish();
}

void QComboBoxEx::leaveEvent(QEvent* e) {
    QComboBox::leaveEvent(e);
    m_hovered = underMouse();
    Repolish();
}

QString QComboBoxEx::ShownText() const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    if (isEditable())
        return option.currentText;
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    int room = field.width();
    if (!option.currentIcon.isNull())
        room -= option.iconSize.width() + 4;
    return fontMetrics().elidedText(option.currentText, Qt::ElideRight, qMax(0, room));
}

void QComboBoxEx::paintEvent(QPaintEvent*) {
    // As the toolkit's own painting, but a name longer than a fixed-size box (a long category) ends in "..."
    // instead of being cut off in the middle of a letter.
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() < 0 && !placeholderText().isEmpty()) {
        option.palette.setBrush(QPalette::ButtonText, option.palette.placeholderText());
        option.currentText = placeholderText();
    } else {
        option.currentText = ShownText();
    }
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

QMenu* QComboBoxEx::GetMenu() {
    if (!m_menu) {
        m_menu = new QMenu(this);
        connect(m_menu, &QMenu::aboutToShow, this, &QComboBoxEx::OnMenuOpen);
        connect(m_menu, &QMenu::aboutToHide, this, &QComboBoxEx::OnMenuClose);
    }
    return m_menu;
}

void QComboBoxEx::showPopup() {
    if (m_menu)
        m_menu->popup(mapToGlobal(QPoint(0, height() - 1)));
    else
        QComboBox::showPopup();
}

void QComboBoxEx::hidePopup() {
    if (m_menu)
        m_menu->hide();
    else
        QComboBox::hidePopup();
}

void QComboBoxEx::OnMenuOpen() {
    QLOG_DEBUG() << "OnMenuOpen";
    m_menuOpen = true;
    Repolish();
    connect(m_menu, &QMenu::triggered, this, &QComboBoxEx::OnMenuAction, Qt::UniqueConnection);
    emit menuOpen();
}

void QComboBoxEx::OnMenuClose() {
    QLOG_DEBUG() << "OnMenuClose";
    m_menuOpen = false;
    // A click on an entry hides the menu before the menu reports the entry: the choice is still taken until
    // the click has been handled.
    m_takeAction = true;
    QMetaObject::invokeMethod(
        this,
        [this]() {
            if (m_menuOpen)
                return;
            m_takeAction = false;
            disconnect(m_menu, &QMenu::triggered, this, &QComboBoxEx::OnMenuAction);
        },
        Qt::QueuedConnection);
    Repolish();
    emit menuClose();
}

void QComboBoxEx::OnMenuAction(QAction* action) {
    if (!(m_menuOpen || m_takeAction) || !action || !action->shortcut().isEmpty())
        return;
    SetSingleItem(action->text());
}

void QComboBoxEx::SetSingleItem(const QString& text) {
    clear();
    addItem(text);
}

namespace {

// "12 px" -> "12": trimmed, then cut from the end until the last character is a digit.
QString NumberPart(const QString& text) {
    QString t = text.trimmed();
    while (!t.isEmpty() && !t.at(t.size() - 1).isDigit())
        t.chop(1);
    return t;
}

} // namespace

void QComboBoxEx::SelectText(const QString& text) {
    int index = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0 && numeric) {
        const QString number = NumberPart(text);
        if (!number.isEmpty()) {
            const int value = number.toInt();
            for (int i = 0; i < count(); ++i) {
                if (NumberPart(itemText(i)).toInt() <= value) {
                    index = i;
                    break;
                }
            }
        }
    }
    if (index < 0)
        index = findText(text, Qt::MatchExactly);
    if (index < 0)
        index = findText(text, Qt::MatchContains | Qt::MatchCaseSensitive);
    if (index < 0)
        index = findText(text, Qt::MatchContains);
    if (index < 0) {
        for (int i = 0; i < count(); ++i) {
            if (text.contains(itemText(i), Qt::CaseInsensitive)) {
                index = i;
                break;
            }
        }
    }
    if (index < 0)
        index = 0;

    const bool wasBlocked = blockSignals(true);
    setCurrentIndex(index);
    blockSignals(wasBlocked);
    setEditText(text);
}
