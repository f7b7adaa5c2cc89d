#include "editor/tilingpopup.h"

#include "config/tgfx.h"
#include "editor/editorresources.h"
#include "foundation/json.h"
#include "foundation/logger/QsLog.h"
#include "widgets/imgwidget.h"
#include "widgets/qcomboboxex.h"
#include "widgets/qlabelex.h"
#include "widgets/qlineeditex.h"
#include "widgets/stdbtn.h"

#include <cmath>

namespace {

const char* const kModeTexts[3] = {"3x1", "1x3", "3x3"};

// A number of a tile text as the graphic record reads it back: a value read from a text with a point is held
// negated (a fraction of the image), so a negative value, or one that is not whole, is printed negated with a
// point; whole pixels print without one. So "0.5" stays "0.5" and "1.0" stays "1.0" however often the popup
// is opened and closed (a zero fraction is zero pixels and prints "0").
QString TileNumber(double v) {
    if (!std::isfinite(v))
        return QStringLiteral("0");
    if (v >= 0 && v == std::floor(v) && v < 1e15)
        return QString::number(qint64(v));
    QString text = QString::number(-v, 'f', QLocale::FloatingPointShortest);
    if (!text.contains(QLatin1Char('.')))
        text += QLatin1String(".0");
    return text;
}

QString TileText(const DataCfg::TGfxTile& tile) {
    const QRectF& r = tile.rect;
    return QStringLiteral("%1,%2,%3,%4,%5%6")
        .arg(TileNumber(r.left()), TileNumber(r.top()), TileNumber(r.width()), TileNumber(r.height()))
        .arg(tile.StretchX ? QLatin1Char('s') : QLatin1Char('r'))
        .arg(tile.StretchY ? QLatin1Char('s') : QLatin1Char('r'));
}

} // namespace

TilingPopup::TilingPopup(QWidget* parent, const QString& value, const QString& defaultValue)
    : PopupWnd(parent), m_value(value), m_default(defaultValue) {
    InitEditorResources();
    setWindowTitle(tr("EDIT TILING"));
    resize(420, 200);
    AddButtons(OK | CANCEL, OK);

    auto* label = new QLabelEx(this, tr("Tiling:"));
    label->move(20, 42);
    m_cmb = new QComboBoxEx(this);
    for (const char* mode : kModeTexts)
        m_cmb->addItem(QLatin1String(mode));
    m_edtAll = new QLineEditEx(this);
    auto* btnDefault = new StdBtn(this);
    btnDefault->setText(tr("DEFAULT"));
    // One row: the label, the mode and the button as wide as their texts in the language, the button at the
    // right edge; the text of all tiles takes the room between.
    label->adjustSize();
    m_cmb->adjustSize();
    btnDefault->adjustSize();
    m_cmb->move(label->x() + label->width() + 6, 40);
    btnDefault->move(width() - 20 - btnDefault->width(), 40);
    const int allX = m_cmb->x() + m_cmb->width() + 5;
    m_edtAll->setGeometry(allX, 40, btnDefault->x() - 10 - allX, 20);

    m_panels[0] = MakePanel(3, {"TileIcn_L", "TileIcn_HC", "TileIcn_R"});
    m_panels[0]->move(160, 70);
    m_panels[1] = MakePanel(3, {"TileIcn_T", "TileIcn_VC", "TileIcn_B"});
    m_panels[1]->move(160, 70);
    m_panels[2] = MakePanel(9, {"TileIcn_TL", "TileIcn_TC", "TileIcn_TR", "TileIcn_CL", "TileIcn_CC", "TileIcn_CR",
                                "TileIcn_BL", "TileIcn_BC", "TileIcn_BR"});
    m_panels[2]->move(20, 70);
    m_panels[0]->hide();
    m_panels[1]->hide();

    connect(m_cmb, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &TilingPopup::OnCmb);
    connect(btnDefault, &QAbstractButton::clicked, this, &TilingPopup::OnDefault);
    connect(m_edtAll, &QLineEdit::textEdited, this, &TilingPopup::UpdateFromAll);

    LoadValue(m_value);
}

QWidget* TilingPopup::MakePanel(int tileCount, const QStringList& icons) {
    auto* panel = new QWidget(this);
    const bool grid = tileCount == 9;
    panel->resize(grid ? 380 : 120, 60);
    for (int i = 0; i < tileCount; ++i) {
        const int col = grid ? i % 3 : 0;
        const int row = grid ? i / 3 : i;
        auto* icon = new ImgWidget(panel, QStringLiteral(":/images/") + icons.value(i));
        icon->move(col * 130, row * 20);
        auto* edit = new QLineEditEx(panel);
        edit->setObjectName(QString::number(i));
        edit->setGeometry(20 + col * 130, row * 20, 100, 20);
        connect(edit, &QLineEdit::textEdited, this, &TilingPopup::UpdateEdtAll);
    }
    return panel;
}

QList<QLineEdit*> TilingPopup::TileEdits(int mode) const {
    QList<QLineEdit*> edits;
    if (mode < 0 || mode > 2)
        return edits;
    const int count = mode == 2 ? 9 : 3;
    for (int i = 0; i < count; ++i)
        edits << m_panels[mode]->findChild<QLineEdit*>(QString::number(i), Qt::FindDirectChildrenOnly);
    return edits;
}

QWidget* TilingPopup::Panel(int mode) const {
    return mode >= 0 && mode <= 2 ? m_panels[mode] : nullptr;
}

void TilingPopup::LoadValue(const QString& value) {
    if (m_loading)
        return;
    m_loading = true;
    QString error;
    QVariantMap map = JsonParseText(value, error).toMap();
    if (!error.isEmpty())
        QLOG_DEBUG() << "TilingPopup::LoadValue: read what parses of" << value << error;
    DataCfg::TGfx gfx;
    gfx.ParseTiling(map, QStringLiteral("none"));

    const int mode = gfx.Tiling - 1;
    // Rows outside the three modes leave the combo without a current row.
    m_cmb->blockSignals(true);
    m_cmb->setCurrentIndex(mode >= 0 && mode <= 2 ? mode : -1);
    m_cmb->blockSignals(false);
    for (int m = 0; m < 3; ++m) {
        const QList<QLineEdit*> edits = TileEdits(m);
        for (int i = 0; i < edits.size(); ++i)
            edits[i]->setText(i < gfx.Tiles.size() ? TileText(gfx.Tiles.at(i)) : QString());
    }
    m_loading = false;
    OnCmb(m_cmb->currentIndex());
}

QString TilingPopup::ComposeValue() const {
    QVariantMap map;
    if (m_mode >= 0 && m_mode <= 2) {
        QVariantList tiles;
        for (QLineEdit* edit : TileEdits(m_mode))
            tiles << edit->text();
        map.insert(QStringLiteral("Tiling"), QLatin1String(kModeTexts[m_mode]));
        map.insert(QStringLiteral("Tiles"), tiles);
    }
    return QString::fromUtf8(JsonSerializeCompact(map));
}

void TilingPopup::OnCmb(int row) {
    m_mode = row;
    for (int m = 0; m < 3; ++m)
        m_panels[m]->setVisible(m == row);
    UpdateEdtAll();
}

void TilingPopup::OnDefault() {
    LoadValue(m_default);
}

void TilingPopup::UpdateEdtAll() {
    QString text = ComposeValue();
    if (text.startsWith(QLatin1Char('{')))
        text.remove(0, 1);
    if (text.endsWith(QLatin1Char('}')))
        text.chop(1);
    m_edtAll->setText(text);
}

void TilingPopup::UpdateFromAll() {
    QString text = m_edtAll->text().trimmed();
    if (!text.startsWith(QLatin1Char('{')))
        text.prepend(QLatin1Char('{'));
    if (!text.endsWith(QLatin1Char('}')))
        text.append(QLatin1Char('}'));
    // Keep what the user is typing: reloading rewrites the edit only through the panels' texts.
    const QString typed = m_edtAll->text();
    LoadValue(text);
    m_edtAll->setText(typed);
}

void TilingPopup::done(int result) {
    if (result == OK)
        m_value = ComposeValue();
    PopupWnd::done(result);
}
