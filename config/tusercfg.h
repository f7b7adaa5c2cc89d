#pragma once
// The user configuration record: settings, tab list, paired phones, macros, library decisions and fold states.

#include "config/trsc.h"

#include <QStringList>

class QPluginLoader;

struct DataCfg::TDevice : DataCfg::TNamed {
    QString Token; // the device's identifier
    QString Desc;  // the user's label
    bool Active = false;
};

struct DataCfg::TMacro : DataCfg::TNamed {
    QString Category;
    QString Data; // the steps in macro notation
};

struct DataCfg::TDynLib : DataCfg::TRsc {
    bool Requested = false; // a plug-in asked for it in this run; never written
    QString Plugin;
    QString CheckSum;
    qint32 Permission = DataCfg::LP_None;
    QPluginLoader* Loader = nullptr; // run time only; never written
};

// The fold state of one control list in the control panel.
struct DataCfg::TCtrlSetState : DataCfg::TNamed {
    QStringList Expanded;
    QStringList Collapsed;
};

struct DataCfg::TUserCfg : DataCfg::TNamed {
    QString File;
    QVariantMap CfgBase;
    QVariantMap CfgSrc;
    QVariantMap CfgCtrls;
    QVariantMap CfgScripts;
    QList<DataCfg::TNamed> Tabs; // grid keys in tab order
    QList<DataCfg::TDevice> Devices;
    QList<DataCfg::TMacro> Macros;
    QList<DataCfg::TDynLib> DynamicLibraries;
    QList<DataCfg::TCtrlSetState> CtrlSets;
    qint32 Version = 0;

    // Lists are appended to; read once into a fresh record.
    void Read(const QVariantMap& map);
    // Always format version 1.
    QVariantMap Write();

    bool FindDevice(const QString& name, const QString& token, bool* active) const;
    void AddDevice(const QString& name, const QString& token, const QString& label);
    void RemoveDevice(const QString& token);
    void SetDeviceLabel(const QString& token, const QString& label);
    DataCfg::TDevice GetDevice(const QString& token) const;
    void SetDeviceActive(const QString& token, bool active);
    int FindDynLib(const QString& path) const;
};
