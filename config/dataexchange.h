#pragma once
// Package archives of controls, grids, packages and plug-ins: the kind of an archive, the one staging folder
// in which archives are unpacked, and the rewriting of resource and macro references of exchanged records.
// Everything runs on the GUI thread, one exchange at a time. Failures are false and one ERROR line.

#include "config/datacfg.h"
#include "config/datacfgrecords.h"

#include <QString>
#include <QVariant>
#include <QVariantMap>

struct ExchangeContext {
    bool Export = false;
    QString StagingFolder;     // ends with '/'
    QString DestinationFolder; // import: where resource files go; empty on export
    QVariantMap Macros;        // macro key ("Category/Name") -> macro text
};

enum ExchangeKind { EK_Unrecognised = -1, EK_Missing = 0, EK_Control = 1, EK_Grid = 2, EK_Package = 3, EK_Plugin = 4 };

int DetectExchangeKind(const QString& path);
// The temp folder's "Exchange/_tmp/", emptied and created again.
QString PrepareStagingFolder();
// Copies the file into the folder under its own base name or a free "_n" one; an identical file already
// there is reused (false, name set). The name used is set whatever the result.
bool CopyFileUnique(const QString& source, const QString& folder, QString& name);
bool ExchangeResource(QString& reference, const QString& stagingFolder, const QString& destinationFolder);
bool ExchangeConfigOptions(DataCfg::TConfig& config, ExchangeContext* context);
bool ExchangeGridResources(DataCfg::TGrid& grid, ExchangeContext* context);

bool ImportControl(QString& entryName, DataCfg::TControl& control, const QString& archive,
                   const QString& destinationFolder);
bool ImportGrid(DataCfg::TGrid& grid, const QString& archive, const QString& destinationFolder);
bool ImportPackage(const QString& archive, DataCfg::TCtrlSet& controls, QList<DataCfg::TGrid>& grids,
                   QVariant& description, const QString& destinationFolder);
