#pragma once
// Function records: a PC function of a provider, its default arguments and the outputs it returns.

#include "config/tnamed.h"

#include <QVariant>

struct DataCfg::TFuncOutput : DataCfg::TNamed {
    qint32 Type = DataCfg::OT_String;
    double RangeMin = 0.0;
    double RangeMax = 1000000.0;
    double Resolution = 0.0; // smallest change that counts as a change; 0: every change
    QVariant Value;          // last value, kept by the control runtime

    void Read(const QVariantMap& map);
};

struct DataCfg::TFunction : DataCfg::TNamed {
    QList<DataCfg::TFuncOutput> Outputs;
    QVariantList Inputs;

    void Read(const QVariantMap& map);
};
