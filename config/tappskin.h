#pragma once
// Application skins: named images for the surfaces the phone shows around the grids (tab background,
// active-tab overlay, deck background, tab icons).

#include "config/tgfx.h"

#include <QHash>

struct DataCfg::TAppSkin : DataCfg::TNamed {
    QString Dir;                     // folder of the skin's image files
    QString Parent;                  // skin whose entries this one starts from
    QHash<QString, QString> Entries; // entry name -> graphic key or file

    // Entries start from the first skin's, then the parent's, then the map's own keys.
    void Read(const QVariantMap& map, const QString& folder);
    // The graphic of an entry: a graphic record of that key, else a file under Dir ("/..." in the data folder).
    // Empty when the entry is missing or its file does not load.
    DataCfg::TGfx GetEntry(const QString& name) const;
    // The images of "TabBG" and "TabAOvl"; with id given, registered for the phone (GfxCache::Register).
    QImage GetTabBG(quint64* id = nullptr) const;
    QImage GetTabAOvl(quint64* id = nullptr) const;
    // A deck background (an entry, else an image file) scaled to width and repeated down to height.
    QImage GetDeckBG(const QString& name, int width, int height, quint64* id = nullptr) const;
    // A tab icon from "name|scale|colour|placement" on a 160 by 140 canvas; desaturated unless active.
    QImage GetTabIcon(const QString& iconText, bool active, quint64* id = nullptr, bool raw = false) const;
    // Entry names that begin with "TabIcon", sorted.
    QStringList GetTabIconNames() const;
};
