#include "config/tlayout.h"

#include "config/cfgread.h"
#include "config/tgfx.h"
#include "foundation/helpers.h"

DataCfg::TMapIdx::TMapIdx(int a, int b) : first(qBound(-1, a, 63)), second(qBound(0, b, 63)) {}

DataCfg::TMapIdx::TMapIdx(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('.'));
    const int a = parts.value(0).toInt(nullptr, 10);
    const int b = parts.size() > 1 ? parts[1].toInt(nullptr, 10) : 0;
    first = qBound(-1, a, 63);
    second = qBound(0, b, 63);
}

void DataCfg::TLayoutMask::Parse(const QVariantMap& map) {
    const double pi = 3.141592653589793;
    type = EnumFromText(QStringLiteral("MaskType"), QStringLiteral("MT_"),
                        CfgRead::Text(map.value(QStringLiteral("Type"))));
    start = CfgRead::Real(map.value(QStringLiteral("Start"))) * pi / 180.0;
    end = CfgRead::Real(map.value(QStringLiteral("End"))) * pi / 180.0;
    if (start == 0.0 && end == 0.0) {
        switch (type) {
        case DataCfg::MT_Horizontal:
            start = 0.0;
            end = 1.0;
            break;
        case DataCfg::MT_Vertical:
            start = 1.0;
            end = 0.0;
            break;
        case DataCfg::MT_Radial:
            start = 0.0;
            end = static_cast<double>(static_cast<float>(2.0 * pi));
            break;
        default:
            break;
        }
    }
    input = qMax(0, map.value(QStringLiteral("Input")).toInt());
}

void DataCfg::TLayout::Read(const QVariantMap& map) {
    TBase::Read(map);
    auto text = [&map](const char* key) { return CfgRead::Text(map.value(QLatin1String(key))); };
    Type = EnumFromText(QStringLiteral("LayoutType"), QStringLiteral("LT_"), text("Type"));
    ControlClass = EnumFromText(QStringLiteral("ControlClass"), QStringLiteral("CC_"), text("Control"));
    BaseSize = map.value(QStringLiteral("BaseSize")).toInt();
    if (BaseSize == 0)
        BaseSize = 160;
    if (map.contains(QStringLiteral("Color")))
        Color = ColorFromText(text("Color"));
    if (map.contains(QStringLiteral("ColorP")))
        ColorP = ColorFromText(text("ColorP"));
    Gfx = text("Gfx");
    GfxA = text("GfxA");
    GfxP = text("GfxP");
    GfxM = text("GfxM");
    MouseMask = text("MouseMask");
    Skin = text("Skin");
    Text = text("Text");
    Font = text("Font");
    Config = text("Config");
    FontSize = 12;

    auto setBit = [this](quint32 bit, bool on) { State = on ? (State | bit) : (State & ~bit); };
    setBit(SB_MouseEnabled, !GfxP.isEmpty() || !OnMousePress.isEmpty() || !OnMouseMove.isEmpty() ||
                                !OnMouseRelease.isEmpty() || !OnMouseClick.isEmpty() || !OnMouseDoubleClick.isEmpty() ||
                                !MouseMask.isEmpty());
    auto boolKey = [&](const char* key, quint32 bit) {
        const auto it = map.constFind(QLatin1String(key));
        if (it != map.constEnd())
            setBit(bit, it.value().toBool());
    };
    auto intKey = [&](const char* key, qint32& field) {
        const auto it = map.constFind(QLatin1String(key));
        if (it != map.constEnd())
            field = it.value().toInt();
    };
    boolKey("MouseEnabled", SB_MouseEnabled);
    boolKey("Visible", SB_Visible);
    boolKey("Toggle", SB_Toggle);
    intKey("MouseEvtMinAlpha", MouseEvtMinAlpha);
    {
        const auto it = map.constFind(QStringLiteral("Opacity"));
        if (it != map.constEnd())
            Opacity = CfgRead::Real(it.value());
    }
    boolKey("WordWrap", SB_WordWrap);
    boolKey("TextStroke", SB_TextStroke);
    boolKey("TextUnderline", SB_TextUnderline);
    boolKey("Scrollable", SB_Scrollable);
    boolKey("PressedOvl", SB_PressedOvl);
    boolKey("Rasterize", SB_Rasterize);
    intKey("ExtendHitTest", ExtendHitTest);
    boolKey("MouseRepeat", SB_MouseRepeat);
    intKey("MouseMoveDelay", MouseMoveDelay);

    const int comma = Font.indexOf(QLatin1Char(','));
    if (comma >= 0) {
        FontSize = Font.mid(comma + 1).toInt(nullptr, 10);
        Font = Font.left(comma);
    }

    Align = EnumFromText(QStringLiteral("LayoutAlign"), QStringLiteral("LA_"), text("Align"));
    TextAlign = EnumFromText(QStringLiteral("LayoutAlign"), QStringLiteral("LA_"), text("TextAlign"));

    Rect = QRectF(CfgRead::Coord(text("Left")), CfgRead::Coord(text("Top")), CfgRead::Coord(text("Width")),
                  CfgRead::Coord(text("Height")));

    const QVariant mask = map.value(QStringLiteral("Mask"));
    if (mask.userType() == QMetaType::QVariantMap && !mask.toMap().isEmpty())
        Mask.Parse(mask.toMap());

    ParseMapping(text("Mapping"));
    ExtParams = map.value(QStringLiteral("ExtParams")).toMap();
    Override = map.value(QStringLiteral("Override")).toMap();
}

void DataCfg::TLayout::ParseMapping(const QString& text) {
    if (text.isEmpty()) {
        Mapping.clear();
        return;
    }
    const QString arrow = QStringLiteral("->");
    for (const QString& part : text.split(QLatin1Char(','))) {
        const QStringList ends = part.split(arrow);
        Mapping.insert(TMapIdx(ends.value(0)), TMapIdx(ends.value(1)));
    }
}

QRect DataCfg::TLayout::GetRect(int W, int H) {
    if (Rect.width() == 0 && Type == DataCfg::LT_Gfx) {
        const QString name = !Gfx.isEmpty() ? Gfx : (!GfxP.isEmpty() ? GfxP : GfxA);
        QRect size;
        if (DataCfg* cfg = DataCfg::Instance())
            size = cfg->FindGfx(name, Set, true).GetSize();
        // Stored here, so the next call on this record does not look the graphic up again.
        Rect.setWidth(size.width());
        Rect.setHeight(size.height());
    }
    const double l = Rect.left(), t = Rect.top(), w = Rect.width(), h = Rect.height();
    const double w2 = w >= 0 ? w : w * -W;
    const double h2 = h >= 0 ? h : h * -H;
    const double t2 = t >= 0 ? t : t * -H;
    const double l2 = l >= 0 ? l : l * -W;
    return QRect(CfgRead::TruncInt(l2), CfgRead::TruncInt(t2), CfgRead::TruncInt(w2), CfgRead::TruncInt(h2));
}
