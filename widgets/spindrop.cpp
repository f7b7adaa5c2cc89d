#include "widgets/spindrop.h"

#include "widgets/qcomboboxex.h"
#include "widgets/spinner.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace {
// A leading '@' marks a name that is translated (without the '@').
QString TranslateItem(const QString& text) {
    if (!text.startsWith(QLatin1Char('@')))
        return text;
    const QByteArray source = text.mid(1).toUtf8();
    return QCoreApplication::translate("Mervex", source.constData());
}

// The digits of a typed text as a number; no digits read as 0, more than an int holds as the largest int.
int DigitsValue(const QString& digits) {
    if (digits.isEmpty())
        return 0;
    bool ok = false;
    const int v = digits.toInt(&ok, 10);
    return ok ? v : INT_MAX;
}
} // namespace

SpinDrop::SpinDrop(QWidget* parent, const QString& rangeText, const QStringList& items, const QString& suffix)
    : QWidgetEx(parent), m_suffix(suffix), m_items(items) {
    m_spinner = new Spinner(this);
    m_spinner->setMaximumHeight(19);
    if (!rangeText.isEmpty())
        m_spinner->SetSpec(rangeText);
    m_combo = new QComboBoxEx(this);
    m_combo->setMaximumHeight(19);
    m_combo->move(m_spinner->width() + 2, 0);
    m_combo->numeric = true;
    m_combo->setEditable(true);
    m_combo->setInsertPolicy(QComboBox::NoInsert);

    connect(m_spinner, &Spinner::changed, this, &SpinDrop::OnSpinDrop);
    connect(m_combo, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &SpinDrop::OnSpinDrop);
    connect(m_combo, &QComboBox::editTextChanged, this, &SpinDrop::OnSpinDrop);
    connect(m_combo, &QComboBoxEx::focusOut, this, &SpinDrop::OnSpinDrop);
    FillItems();
}

int SpinDrop::Value() const {
    return m_spinner->value;
}

void SpinDrop::FillItems() {
    const int kept = m_spinner->value;
    m_combo->clear();
    int longest = 0;
    for (const QString& item : qAsConst(m_items)) {
        const QString shown = TranslateItem(item) + m_suffix;
        // Inserted at the top, so the list shows the items in reverse order.
        m_combo->insertItem(0, shown);
        longest = qMax(longest, shown.size());
    }
    m_combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_combo->setMinimumContentsLength(longest + 1);
    m_combo->adjustSize();
    m_spinner->SetValue(kept);
    m_combo->SelectText(QString::number(m_spinner->value) + m_suffix);
}

void SpinDrop::SetValue(int value) {
    m_spinner->SetValue(value);
    OnSpinDrop();
}

void SpinDrop::OnSpinDrop() {
    QLineEdit* edit = m_combo->lineEdit();
    const int cursor = edit ? edit->cursorPosition() : 0;
    const bool spinnerBlocked = m_spinner->blockSignals(true);
    const bool comboBlocked = m_combo->blockSignals(true);

    if (sender() == m_combo) {
        QString digits;
        for (const QChar c : m_combo->currentText()) {
            if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
                digits.append(c);
        }
        m_spinner->SetValue(DigitsValue(digits));
        // While typing, the text stays as typed (digits only); the clamped value shows once the focus leaves.
        const QString shown = m_combo->hasFocus() ? digits : QString::number(m_spinner->value);
        m_combo->SelectText(shown + m_suffix);
    } else {
        m_combo->SelectText(QString::number(m_spinner->value) + m_suffix);
    }

    if (edit)
        edit->setCursorPosition(qMin(cursor, edit->text().size()));
    emit changed(m_spinner->value);
    m_spinner->blockSignals(spinnerBlocked);
    m_combo->blockSignals(comboBlocked);
}
