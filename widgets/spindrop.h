#pragma once
// A Spinner on the left of an editable combo box of preset values (each with a unit suffix); either half changes
// the value and both stay in step. The spinner's value is the field's value.

#include "widgets/qwidgetex.h"

#include <QStringList>

class QComboBoxEx;
class Spinner;

class SpinDrop : public QWidgetEx {
    Q_OBJECT

public:
    SpinDrop(QWidget* parent, const QString& rangeText, const QStringList& items, const QString& suffix);

    void SetValue(int value);
    int Value() const;
    Spinner* GetSpinner() const { return m_spinner; }
    QComboBoxEx* GetCombo() const { return m_combo; }

signals:
    void changed(int value);

public slots:
    void OnSpinDrop();

private:
    void FillItems();

    Spinner* m_spinner;
    QComboBoxEx* m_combo;
    QString m_suffix;
    QStringList m_items;
};
