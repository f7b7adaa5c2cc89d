#include "widgets/colpickpopup.h"

#include "foundation/helpers.h"
#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "widgets/imgbtn.h"
#include "widgets/imgwidget.h"
#include "widgets/qcolorluminancepicker.h"
#include "widgets/qcolorpicker.h"
#include "widgets/qcolorshowlabel.h"
#include "widgets/qcolorwell.h"
#include "widgets/qdragdropper.h"
#include "widgets/qlabelex.h"
#include "widgets/spindrop.h"
#include "widgets/spinner.h"
#include "widgets/stdbtn.h"

#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace {
QRgb g_std[48] = {
    // Column by column: cell (row, col) is entry row + col x 6.
    0x000000, 0xFECCCC, 0xFF6565, 0xFF0000, 0x990000, 0x320000, // column 0
    0xFFFFFF, 0xFECCFE, 0xFF65FF, 0xFF00FF, 0x990099, 0x320032, // 1
    0xFF94AB, 0xE5CCFE, 0xB265FF, 0x7F00FF, 0x4C0099, 0x190032, // 2
    0xF37D73, 0xCCCCFE, 0x6565FF, 0x0000FF, 0x000099, 0x000032, // 3
    0x99506E, 0xCCFEFE, 0x65FFFF, 0x00FFFF, 0x009999, 0x003232, // 4
    0xB5BB7D, 0xCCFECC, 0x65FF65, 0x00FF00, 0x009900, 0x003200, // 5
    0xEBC07B, 0xFEFECC, 0xFFFF65, 0xFFFF00, 0x999900, 0x323200, // 6
    0x65C3F7, 0xFEE5CC, 0xFFB265, 0xFF7F00, 0x994C00, 0x321900, // 7
};
QRgb g_custom[16] = {};
bool g_stdOpaque = false;
bool g_customRead = false;
int g_captureTicks = 0;
QVariantMap* g_settings = nullptr;

const char kSpec[] = "255:0-255";
const QStringList& Presets() {
    static const QStringList presets{"0", "25", "50", "75", "100", "125", "150", "175", "200", "225", "255"};
    return presets;
}

const QString kCustomKey = QStringLiteral("CustomColors");
} // namespace

void SetColorPickerSettings(QVariantMap* settings) {
    g_settings = settings;
}

QVariantMap* ColorPickerSettings() {
    return g_settings;
}

QRgb* ColPickPopup::StandardColors() {
    return g_std;
}

QRgb* ColPickPopup::CustomColors() {
    return g_custom;
}

SpinDrop* ColPickPopup::MakeField(QWidget* parent, const QString& rangeText, QPoint at, const QString& tip,
                                  const QString& label) {
    SpinDrop* field = new SpinDrop(parent, rangeText, Presets(), QString());
    field->move(at);
    field->resize(80, 19);
    field->setStatusTip(tip);
    QLabelEx* lbl = new QLabelEx(parent, label, false, -1, Qt::white);
    lbl->setGeometry(at.x() - 15, at.y(), 15, 19);
    return field;
}

ColPickPopup::ColPickPopup(QWidget* parent) : PopupWnd(parent) {
    if (!g_stdOpaque) {
        for (QRgb& c : g_std)
            c |= 0xFF000000u;
        g_stdOpaque = true;
    }
    if (!g_customRead) {
        g_customRead = true;
        if (g_settings) {
            const QVariantList list = g_settings->value(kCustomKey).toList();
            for (int i = 0; i < 16 && i < list.size(); ++i)
                g_custom[i] = ColorFromText(list.at(i).toString()).rgba();
        }
    }

    // The title only: the colour well takes the place where a popup's message text is drawn.
    setWindowTitle(QCoreApplication::translate("QColorDialog", "Select Color"));
    AddButtons(OK | CANCEL, OK);
    resize(540, 400);

    m_stdWell = new QColorWell(this, 6, 8, g_std);
    m_stdWell->move(20, 40);
    m_stdWell->resize(m_stdWell->sizeHint());
    m_cstWell = new QColorWell(this, 2, 8, g_custom);
    m_cstWell->move(20, 233);
    m_cstWell->resize(m_cstWell->sizeHint());
    m_cstWell->setAcceptDrops(true);

    m_addCustom = new StdBtn(this, 1);
    m_addCustom->setText(tr("Set Custom Color"));
    m_addCustom->move(20, m_cstWell->y() - 22);
    m_addCustom->adjustSize();

    m_dropperBtn = new ImgBtn(this);
    m_dropperBtn->SetImage(QStringLiteral("BtnMag"));
    m_dropperBtn->setCheckable(true);
    m_dropperBtn->move(223, m_addCustom->y());
    m_dropperBtn->setStatusTip(tr("Drag'n Pick Color from Screen (Right Click won't hide Main Window)"));

    m_hex = new QLineEdit(this);
    m_hex->setGeometry(172, m_cstWell->y() + 83, 70, 19);

    m_picker = new QColorPicker(this);
    m_picker->move(270, 40);
    m_picker->setStatusTip(tr("Hue/Saturation"));
    const QRect field = m_picker->geometry();
    const QString barStyle =
        QStringLiteral("QWidget { color: #65c3f7;background: transparent;border: 1px solid #323232; }");
    m_lumBar = new QColorLuminancePicker(this);
    m_lumBar->setGeometry(field.x() + field.width() + 10, field.y(), 20, field.height());
    m_lumBar->setStatusTip(tr("Luminance"));
    m_lumBar->setStyleSheet(barStyle);
    m_alphaBar = new QColorLuminancePicker(this);
    m_alphaBar->setGeometry(field.x(), field.y() + field.height() + 4, 160, 20);
    m_alphaBar->setStatusTip(tr("Opacity"));
    m_alphaBar->setStyleSheet(barStyle);
    m_swatch = new QColorShowLabel(this);
    m_swatch->setGeometry(field.x(), field.y() + 230, 65, 65);
    m_swatch->setStatusTip(tr("Resulting Color"));

    m_fields[Alpha] =
        MakeField(this, QLatin1String(kSpec), m_alphaBar->pos() + QPoint(180, 0), tr("Opacity"), QStringLiteral("A:"));
    QWidget* box = new QWidget(this);
    box->setGeometry(field.x() + 70, m_swatch->y(), 200, 100);
    m_fields[Red] = MakeField(box, QLatin1String(kSpec), QPoint(110, 0), tr("Red"), QStringLiteral("R:"));
    m_fields[Green] = MakeField(box, QLatin1String(kSpec), QPoint(110, 23), tr("Green"), QStringLiteral("G:"));
    m_fields[Blue] = MakeField(box, QLatin1String(kSpec), QPoint(110, 46), tr("Blue"), QStringLiteral("B:"));
    m_fields[Hue] = MakeField(box, QStringLiteral("0:0-359"), QPoint(15, 0), tr("Hue"), QStringLiteral("H:"));
    m_fields[Sat] = MakeField(box, QLatin1String(kSpec), QPoint(15, 23), tr("Saturation"), QStringLiteral("S:"));
    m_fields[Val] = MakeField(box, QLatin1String(kSpec), QPoint(15, 46), tr("Brightness"), QStringLiteral("V:"));

    m_dropperTimer = new QTimer(this);
    m_dropperTimer->setInterval(25);

    connect(m_stdWell, &QWellArray::selected, this, &ColPickPopup::OnWellSelectStd);
    connect(m_cstWell, &QWellArray::selected, this, &ColPickPopup::OnWellSelectCst);
    connect(m_cstWell, &QWellArray::changed, this, &ColPickPopup::OnDroppedCst);
    connect(m_addCustom, &QPushButton::clicked, this, &ColPickPopup::OnAddCustomColor);
    connect(m_dropperBtn, &QPushButtonEx::mousepressed, this, &ColPickPopup::OnDropper);
    connect(m_dropperTimer, &QTimer::timeout, this, &ColPickPopup::OnTimerDropper);
    connect(m_hex, &QLineEdit::textChanged, this, &ColPickPopup::OnText);
    connect(m_picker, &QColorPicker::newCol, this, &ColPickPopup::OnPicker);
    connect(m_lumBar, &QColorLuminancePicker::newHsv, this, &ColPickPopup::OnLuminance);
    connect(m_alphaBar, &QColorLuminancePicker::newHsv, this, &ColPickPopup::OnAlpha);
    connect(m_swatch, &QColorShowLabel::colorDropped, this, &ColPickPopup::OnDropped);
    for (int i : {Red, Green, Blue, Alpha})
        connect(m_fields[i], &SpinDrop::changed, this, &ColPickPopup::OnChangedRGB);
    for (int i : {Hue, Sat, Val})
        connect(m_fields[i], &SpinDrop::changed, this, &ColPickPopup::OnChangedHSV);

    SetCurrentColor(Qt::white);
}

ColPickPopup::~ColPickPopup() {
    if (m_customChanged) {
        QApplication::restoreOverrideCursor();
        if (g_settings) {
            QVariantList list;
            for (QRgb c : g_custom)
                list.append(ColorToText(QColor::fromRgba(c)));
            g_settings->insert(kCustomKey, list);
        }
    }
    delete m_magnifier;
}

void ColPickPopup::SetCurrentColor(const QColor& color) {
    if (color == m_current || m_updating)
        return;
    m_updating = true;
    m_current = color;
    int h, s, v;
    color.getHsv(&h, &s, &v);
    m_fields[Hue]->SetValue(h);
    m_fields[Sat]->SetValue(s);
    m_fields[Val]->SetValue(v);
    m_fields[Red]->SetValue(color.red());
    m_fields[Green]->SetValue(color.green());
    m_fields[Blue]->SetValue(color.blue());
    m_fields[Alpha]->SetValue(color.alpha());
    m_alphaBar->setCol(0, 0, 255 - color.alpha());
    m_lumBar->setCol(h, s, v);
    m_picker->setCol(h, s);
    m_swatch->setColor(color);
    m_swatch->update();
    if (!m_hex->hasFocus()) {
        const QSignalBlocker block(m_hex);
        m_hex->setText(ColorToText(color));
    }
    emit currentColorChanged(color);
    m_updating = false;
}

void ColPickPopup::OnWellSelectStd(int row, int col) {
    const int i = row + col * 6;
    if (i < 0 || i >= 48)
        return;
    SetCurrentColor(QColor::fromRgb(g_std[i] | 0xFF000000u));
}

void ColPickPopup::OnWellSelectCst(int row, int col) {
    const int i = row + col * 2;
    if (i < 0 || i >= 16)
        return;
    SetCurrentColor(QColor::fromRgba(g_custom[i]));
    m_customIndex = i;
    m_stdWell->SelectCell(-1, -1);
    QLOG_DEBUG() << "ColPickPopup::OnWellSelectCst: column" << col << "row" << row << "index" << i;
}

void ColPickPopup::OnDroppedCst(int index, QRgb rgb) {
    if (index < 0 || index >= 16)
        return;
    m_customIndex = index;
    g_custom[index] = rgb;
    m_customChanged = true;
}

void ColPickPopup::OnAddCustomColor() {
    g_custom[m_customIndex] = m_current.rgba();
    m_cstWell->update();
    m_customChanged = true;
}

void ColPickPopup::OnPicker(int hue, int sat) {
    int v = m_current.value();
    int a = m_current.alpha();
    if (m_firstEdit && a == 0) {
        v = 255;
        a = 255;
    }
    m_firstEdit = false;
    SetCurrentColor(QColor::fromHsv(hue, sat, v, a));
}

void ColPickPopup::OnLuminance(int h, int s, int v) {
    Q_UNUSED(h);
    Q_UNUSED(s);
    int a = m_current.alpha();
    if (m_firstEdit && a == 0)
        a = 255;
    SetCurrentColor(QColor::fromHsv(m_current.hsvHue(), m_current.hsvSaturation(), v, a));
}

void ColPickPopup::OnAlpha(int h, int s, int v) {
    Q_UNUSED(h);
    Q_UNUSED(s);
    m_firstEdit = false;
    QColor c = m_current;
    c.setAlpha(qBound(0, 255 - v, 255));
    SetCurrentColor(c);
}

void ColPickPopup::OnChangedRGB() {
    if (m_updating)
        return;
    m_firstEdit = false;
    SetCurrentColor(
        QColor(m_fields[Red]->Value(), m_fields[Green]->Value(), m_fields[Blue]->Value(), m_fields[Alpha]->Value()));
}

void ColPickPopup::OnChangedHSV() {
    if (m_updating)
        return;
    SetCurrentColor(QColor::fromHsv(m_fields[Hue]->Value(), m_fields[Sat]->Value(), m_fields[Val]->Value(),
                                    m_fields[Alpha]->Value()));
}

void ColPickPopup::OnText(const QString& text) {
    const QColor c = ColorFromText(text);
    if (c.isValid())
        SetCurrentColor(c);
}

void ColPickPopup::OnDropped(QRgb rgb) {
    const QColor c = QColor::fromRgba(rgb);
    if (c.isValid())
        SetCurrentColor(c);
}

void ColPickPopup::OnDropper(QMouseEvent* event) {
    m_desktop = QImage();
    if (RunningDropper())
        return;
    m_dropperBtn->setChecked(!m_dropperBtn->isChecked());
    if (!m_dropperBtn->isChecked())
        return;

    hide();
    QList<QPointer<QWidget>> hidden;
    if (event && (event->buttons() & Qt::LeftButton)) {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible()) {
                hidden.append(w);
                w->hide();
            }
        }
    }

    QDragDropper* drag = new QDragDropper(this);
    drag->setMimeData(new QMimeData);
    QPixmap nothing(1, 1);
    nothing.fill(Qt::transparent);
    drag->setPixmap(nothing);
    const QPixmap cursor(QStringLiteral(":/images/CursorColDrop"));
    for (Qt::DropAction action :
         {Qt::CopyAction, Qt::MoveAction, Qt::LinkAction, Qt::TargetMoveAction, Qt::IgnoreAction})
        drag->setDragCursor(cursor, action);
    m_dropperTimer->start();
    drag->exec(Qt::CopyAction);
    // The drag is over: the timer notices the pointer cleared and tidies up.
    delete drag;

    for (const QPointer<QWidget>& w : qAsConst(hidden)) {
        if (w && w->isHidden())
            w->show();
    }
    show();
}

void ColPickPopup::OnTimerDropper() {
    PROFILE_SCOPE("ColPickPopup::OnTimerDropper");
    if (!RunningDropper()) {
        m_dropperTimer->stop();
        m_desktop = QImage();
        m_dropperBtn->setChecked(false);
        if (m_magnifier)
            m_magnifier->deleteLater();
        return;
    }
    if (g_captureTicks++ > 3 || m_desktop.isNull()) {
        PROFILE_SCOPE("ColPickPopup::OnTimerDropper.CaptureDesktop");
        QScreen* screen = QGuiApplication::primaryScreen();
        if (screen)
            m_desktop = screen->grabWindow(0).toImage();
        g_captureTicks = 0;
    }
    const QPoint cursor = QCursor::pos();
    const QPoint sample = cursor + QPoint(12, 12);
    if (m_desktop.valid(sample))
        SetCurrentColor(QColor::fromRgba(m_desktop.pixel(sample)));

    if (!m_magnifier) {
        m_magnifier = new ImgWidget(nullptr, QImage());
        m_magnifier->setWindowFlags(Qt::FramelessWindowHint | Qt::WindowSystemMenuHint);
        m_magnifier->resize(64, 64);
        m_magnifier->show();
    }
    const int w = m_magnifier->width();
    const int h = m_magnifier->height();
    QImage img = m_desktop.copy(QRect(sample - QPoint(w / 4, h / 4), QSize(w / 2, h / 2)))
                     .scaled(w, h, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    {
        QPainter p(&img);
        const QColor sampled = m_current;
        p.fillRect(0, 0, w, 8, sampled);
        p.fillRect(0, 0, 8, h, sampled);
        p.fillRect(0, h - 9, w, 8, sampled);
        p.fillRect(w - 9, 0, 8, h, sampled);
        p.setPen(Qt::black);
        p.drawRect(0, 0, w - 1, h - 1);
        p.drawRect(8, 8, w - 17, h - 17);
        const QColor hair(0, 0, 0, 128);
        p.fillRect(w / 2 - 1, 9, 3, h / 2 - 10, hair);
        p.fillRect(w / 2 - 1, h / 2 + 2, 3, h / 2 - 10, hair);
        p.fillRect(9, h / 2 - 1, w / 2 - 10, 3, hair);
        p.fillRect(w / 2 + 2, h / 2 - 1, w / 2 - 10, 3, hair);
    }
    m_magnifier->SetImage(img);
    m_magnifier->move(cursor.x() - w / 4 + 44, cursor.y() + 12 - h / 4 + 32);
}
