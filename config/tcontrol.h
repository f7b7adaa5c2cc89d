#pragma once
// Control records: what a user places on a grid.

#include "config/tconfig.h"

#include <QSize>

struct DataCfg::TControl : DataCfg::TBase {
    QSize Size = QSize(-1, -1);    // smallest size in grid cells
    QSize MaxSize = QSize(-1, -1); // largest size in grid cells
    QStringList Skins;
    QStringList Functions;
    QVariantMap ExtParams;
    qint32 SkinIdx = 0;
    DataCfg::TConfig Config;

    void Read(const QVariantMap& map);
};
