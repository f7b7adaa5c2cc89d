#pragma once
// Application skins: named images for the surfaces the phone shows around the grids (tab background,
// active-tab overlay, deck background, tab icons).

#include "tnamed.h"

#include <QHash>

struct DataCfg::TAppSkin : DataCfg::TNamed {
    QString Dir;                     // folder of the skin's image files
    QString Parent;                  // skin whose entries this one starts from
    QHash<QString, QString> Entries; // entry name -> graphic key or file

    // Entries start from the first skin's, then the parent's, then the map's own keys.
    void Read(const QVariantMap& map, const QString& folder);
    // Entry names that begin with "TabIcon", sorted.
    QStringList GetTabIconNames() const;
};
