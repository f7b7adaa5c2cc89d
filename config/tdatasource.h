#pragma once
// Data-source descriptions: icon, title and configuration block of a source.

#include "config/tconfig.h"

struct DataCfg::TDataSource : DataCfg::TNamed {
    QString Icon;
    QString Title;
    DataCfg::TConfig Config;

    void Read(const QVariantMap& map);
    QVariantMap Write() const;
};
