#pragma once
// The "EDIT TILING" popup: the tiling mode of a control image and the source region and fill letters of each
// of its tiles. The value is a one-line JSON object {"Tiling": "3x1"|"1x3"|"3x3", "Tiles": ["l,t,w,h,ss", ...]}.

#include "widgets/popupwnd.h"

#include <QAbstractButton>

#include <QList>

class QComboBoxEx;
class QLineEdit;
class QWidget;

class TilingPopup : public PopupWnd {
    Q_OBJECT

public:
    TilingPopup(QWidget* parent, const QString& value, const QString& defaultValue);

    // The value the popup was opened with; after OK the composed one.
    QString GetValue() const { return m_value; }
    // The value the widgets compose now ("{}" when the mode is none of the three).
    QString ComposeValue() const;

    // Row of the mode combo (tiling mode minus 1), -1 for none.
    int CurrentMode() const { return m_mode; }
    // The tile edits of a mode's panel (row 0 "3x1", 1 "1x3", 2 "3x3"), in tile order.
    QList<QLineEdit*> TileEdits(int mode) const;
    QWidget* Panel(int mode) const;
    QLineEdit* AllInOneEdit() const { return m_edtAll; }

public slots:
    void OnCmb(int row);
    void OnDefault();
    void UpdateEdtAll();
    void UpdateFromAll();
    void done(int result) override;

private:
    void LoadValue(const QString& value);
    QWidget* MakePanel(int tileCount, const QStringList& icons);

    QString m_value;
    QString m_default;
    int m_mode = -1;
    bool m_loading = false;
    QComboBoxEx* m_cmb = nullptr;
    QWidget* m_panels[3] = {nullptr, nullptr, nullptr};
    QLineEdit* m_edtAll = nullptr;
};
