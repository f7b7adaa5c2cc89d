#pragma once
// Skin records: the size and ordered layouts with which a control draws itself.

#include "config/tlayout.h"

#include <QSize>

struct DataCfg::TSkin : DataCfg::TBase {
    QSize Size; // "Width", "Height"; invalid in the empty record of a failed lookup
    QList<DataCfg::TLayout> Layouts;

    // The loader sets Set first: the layouts take it.
    void Read(const QVariantMap& map);
    // Texts that the embedding layout's "Override" gives to layouts of this nested skin, by layout name.
    void ApplyOverrides(const QVariantMap& overrides);
};
