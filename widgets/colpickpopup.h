#pragma once
// The program's colour picker: standard and custom colour wells, a hue/saturation field with luminance and
// opacity bars, value fields, a colour text field and a screen dropper. Every change shows at once.

#include <QAbstractButton>

#include "widgets/popupwnd.h"

#include <QColor>
#include <QImage>
#include <QPointer>
#include <QVariantMap>

class ImgBtn;
class ImgWidget;
class QColorLuminancePicker;
class QColorPicker;
class QColorShowLabel;
class QColorWell;
class QLineEdit;
class QMouseEvent;
class QTimer;
class SpinDrop;
class StdBtn;

// The user settings map that holds "CustomColors"; the shell hands in the user configuration's map at start-up.
// Without one the custom colours live for the process only.
void SetColorPickerSettings(QVariantMap* settings);
QVariantMap* ColorPickerSettings();

class ColPickPopup : public PopupWnd {
    Q_OBJECT
    Q_PROPERTY(QColor currentColor READ currentColor WRITE SetCurrentColor NOTIFY currentColorChanged)

public:
    explicit ColPickPopup(QWidget* parent = nullptr);
    ~ColPickPopup() override;

    QColor currentColor() const { return m_current; }
    void SetCurrentColor(const QColor& color);
    void SetFirstEdit(bool on) { m_firstEdit = on; }
    bool FirstEdit() const { return m_firstEdit; }
    int CurrentCustomIndex() const { return m_customIndex; }

    // The process-wide tables behind the wells (48 standard, 16 custom).
    static QRgb* StandardColors();
    static QRgb* CustomColors();

    // Children, for the owner's tests and tools.
    QColorWell* StandardWell() const { return m_stdWell; }
    QColorWell* CustomWell() const { return m_cstWell; }
    QColorPicker* Picker() const { return m_picker; }
    QColorLuminancePicker* LuminanceBar() const { return m_lumBar; }
    QColorLuminancePicker* OpacityBar() const { return m_alphaBar; }
    QLineEdit* HexField() const { return m_hex; }
    StdBtn* CustomButton() const { return m_addCustom; }
    ImgBtn* DropperButton() const { return m_dropperBtn; }
    SpinDrop* Field(int index) const { return m_fields[index]; }
    enum FieldIndex { Red, Green, Blue, Alpha, Hue, Sat, Val, FieldCount };

signals:
    void currentColorChanged(const QColor& color);

public slots:
    void OnWellSelectStd(int row, int col);
    void OnWellSelectCst(int row, int col);
    void OnDroppedCst(int index, QRgb rgb);
    void OnAddCustomColor();
    void OnDropper(QMouseEvent* event);
    void OnTimerDropper();
    void OnText(const QString& text);
    void OnPicker(int hue, int sat);
    void OnLuminance(int h, int s, int v);
    void OnAlpha(int h, int s, int v);
    void OnDropped(QRgb rgb);
    void OnChangedRGB();
    void OnChangedHSV();

private:
    SpinDrop* MakeField(QWidget* parent, const QString& rangeText, QPoint at, const QString& tip, const QString& label);

    QColor m_current;
    bool m_updating = false;
    bool m_customChanged = false;
    bool m_firstEdit = false;
    int m_customIndex = 0;
    QImage m_desktop;
    QTimer* m_dropperTimer = nullptr;
    QPointer<ImgWidget> m_magnifier;

    QColorWell* m_stdWell = nullptr;
    QColorWell* m_cstWell = nullptr;
    StdBtn* m_addCustom = nullptr;
    ImgBtn* m_dropperBtn = nullptr;
    QLineEdit* m_hex = nullptr;
    QColorPicker* m_picker = nullptr;
    QColorLuminancePicker* m_lumBar = nullptr;
    QColorLuminancePicker* m_alphaBar = nullptr;
    QColorShowLabel* m_swatch = nullptr;
    SpinDrop* m_fields[FieldCount] = {};
};
