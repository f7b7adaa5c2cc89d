#pragma once
// Configuration blocks: the user-settable options of a control or a data source.

#include "config/tnamed.h"

#include <QStringList>

struct DataCfg::TConfigOption : DataCfg::TBase {
    qint32 Type = DataCfg::CO_None;
    QString TypeText; // "Type" as written: kinds the enum does not name ("Function", "...Function") live here
    QStringList Items;
    QString Title;
    QString Text; // label; for CO_SubConfig "subcfg_name:unique_prefix"
    QString Value;
    QString ValueOrg; // as read from the file
    QString Layout;
    QString Params;
    bool Encrypt = false;
    bool IsHidden = false;

    void Read(const QVariantMap& map);
};

struct DataCfg::TConfig : DataCfg::TBase {
    bool Expanded = false;
    QString Description;
    QList<DataCfg::TConfigOption> Options;
    QStringList Hidden;

    // Options merge by name into those already present (an inherited block keeps its order).
    void Read(const QVariantMap& map);
    // Points into Options; valid until the list changes.
    DataCfg::TConfigOption* FindOption(const QString& name);
    QVariantMap GetValues() const;
    void SetValues(const QVariantMap& values);
    QList<DataCfg::TConfigOption> GetOptions();
    // Replaces visible CO_SubConfig options by the options of the controls they name; once per block.
    void ExpandSubConfigs();
};
