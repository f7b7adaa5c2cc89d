#include "config/tgrid.h"

#include "config/cfgread.h"

#include <limits>

namespace {
// Rows a grid needs to show the element; a row number at the top of the integer range must not overflow.
int RowsFor(const DataCfg::TGridElem& e) {
    const int row = e.Position.y();
    return row < std::numeric_limits<int>::max() ? row + 1 : row;
}
} // namespace

void DataCfg::TGridElem::Read(const QVariantMap& map) {
    TNamed::Read(map);
    ResetName = CfgRead::Text(map.value(QStringLiteral("ResetName")));
    Control = CfgRead::Text(map.value(QStringLiteral("Control")));
    Position.setX(CfgRead::Text(map.value(QStringLiteral("Left"))).toInt(nullptr, 10));
    Position.setY(CfgRead::Text(map.value(QStringLiteral("Top"))).toInt(nullptr, 10));
    ExtParams = map.value(QStringLiteral("ExtParams")).toMap();
    Config = map.value(QStringLiteral("Config")).toMap();
    const auto it = map.constFind(QStringLiteral("SkinIdx"));
    if (it != map.constEnd())
        SkinIdx = it.value().toInt();
}

QVariantMap DataCfg::TGridElem::Write() const {
    QVariantMap m = TNamed::Write();
    if (!ResetName.isEmpty())
        m.insert(QStringLiteral("ResetName"), ResetName);
    if (!Control.isEmpty())
        m.insert(QStringLiteral("Control"), Control);
    m.insert(QStringLiteral("Left"), Position.x());
    m.insert(QStringLiteral("Top"), Position.y());
    if (SkinIdx != -1)
        m.insert(QStringLiteral("SkinIdx"), SkinIdx);
    if (!ExtParams.isEmpty())
        m.insert(QStringLiteral("ExtParams"), ExtParams);
    if (!Config.isEmpty())
        m.insert(QStringLiteral("Config"), Config);
    return m;
}

void DataCfg::TGrid::Read(const QVariantMap& map) {
    TBase::Read(map);
    auto text = [&map](const char* key) { return CfgRead::Text(map.value(QLatin1String(key))); };
    Title = text("Title");
    Icon = text("Icon");
    Category = text("Category");
    Background = text("Background");
    Exe0 = text("Exe0");
    Exe1 = text("Exe1");
    Exe2 = text("Exe2");
    Height = 5;
    Elements.clear();
    if (!Custom && Title.isEmpty())
        Title = Name;
    for (const QVariant& entry : map.value(QStringLiteral("Elements")).toList()) {
        Elements.append(TGridElem());
        TGridElem& e = Elements.last();
        e.Read(entry.toMap());
        Height = qMax(Height, RowsFor(e));
    }
    const auto it = map.constFind(QStringLiteral("Height"));
    if (it != map.constEnd())
        Height = it.value().toInt();
}

QVariantMap DataCfg::TGrid::Write() const {
    QVariantMap m = TBase::Write();
    auto put = [&m](const char* key, const QString& value) {
        if (!value.isEmpty())
            m.insert(QLatin1String(key), value);
    };
    put("Title", Title);
    put("Icon", Icon);
    put("IconPreview", IconPreview);
    put("Category", Category);
    put("Background", Background);
    put("Exe0", Exe0);
    // Signatures of the shipped grids were made over this form, so Exe1 and Exe2 carry Exe0's text here.
    if (!Exe1.isEmpty())
        m.insert(QStringLiteral("Exe1"), Exe0);
    if (!Exe2.isEmpty())
        m.insert(QStringLiteral("Exe2"), Exe0);
    put("Screenshot", Screenshot);
    QVariantList elements;
    for (const TGridElem& e : Elements)
        elements << e.Write();
    m.insert(QStringLiteral("Elements"), elements);
    return m;
}

QVariantMap DataCfg::TGrid::WriteStored() const {
    QVariantMap m = Write();
    m.remove(QStringLiteral("Exe1"));
    m.remove(QStringLiteral("Exe2"));
    if (!Exe1.isEmpty())
        m.insert(QStringLiteral("Exe1"), Exe1);
    if (!Exe2.isEmpty())
        m.insert(QStringLiteral("Exe2"), Exe2);
    const QString handlers[][2] = {{QStringLiteral("OnInit"), OnInit},
                                   {QStringLiteral("OnPostInit"), OnPostInit},
                                   {QStringLiteral("OnTick"), OnTick},
                                   {QStringLiteral("OnUpdate"), OnUpdate},
                                   {QStringLiteral("OnMousePress"), OnMousePress},
                                   {QStringLiteral("OnMouseMove"), OnMouseMove},
                                   {QStringLiteral("OnMouseRelease"), OnMouseRelease},
                                   {QStringLiteral("OnMouseClick"), OnMouseClick},
                                   {QStringLiteral("OnMouseDoubleClick"), OnMouseDoubleClick},
                                   {QStringLiteral("OnMouseWheel"), OnMouseWheel},
                                   {QStringLiteral("OnMessage"), OnMessage},
                                   {QStringLiteral("OnReturn"), OnReturn}};
    for (const auto& h : handlers) {
        if (!h[1].isEmpty())
            m.insert(h[0], h[1]);
    }
    // Height only when the reader would not compute the same value from the elements.
    int computed = 5;
    for (const TGridElem& e : Elements)
        computed = qMax(computed, RowsFor(e));
    if (Height != computed)
        m.insert(QStringLiteral("Height"), Height);
    return m;
}

QString DataCfg::TGrid::GetDisplayName() const {
    return Custom ? Name : Set + QLatin1Char(' ') + Name;
}
