#pragma once
// Package archives of controls, grids, packages and plug-ins: the kind of an archive, the one staging folder
// in which archives are unpacked, and the rewriting of resource and macro references of exchanged records.
// Everything runs on the GUI thread, one exchange at a time. Failures are false and one ERROR line.

#include "config/datacfg.h"
#include "config/datacfgrecords.h"

#include <QImage>
#include <QString>
#include <QVariant>
#include <QVariantMap>

struct ExchangeContext {
    bool Export = false;
    QString StagingFolder;     // ends with '/'
    QString DestinationFolder; // import: where resource files go; empty on export
    QVariantMap Macros;        // macro key ("Category/Name") -> macro text
    QStringList LeftOut;       // export: files the records name that were not packed (outside the folders)
};

// Package extensions: controls and grids (grid packages may hold controls as well).
extern const QString CtrlPackageExt;
extern const QString GridPackageExt;

enum ExchangeKind { EK_Unrecognised = -1, EK_Missing = 0, EK_Control = 1, EK_Grid = 2, EK_Package = 3, EK_Plugin = 4 };

// The pictures of exported archives (control and grid screenshots, tab-icon previews) are drawn by the
// control runtime and the grid editor above this folder; program entry installs their renderer. Without one
// the archives carry no pictures (one WARN line says so).
class IExchangeRenderer {
public:
    virtual ~IExchangeRenderer() = default;
    // The control as its view draws it, on a transparent background.
    virtual QImage RenderControl(const DataCfg::TControl& control) = 0;
    // The grid on a 640 x 1600 canvas of 160-pixel cells over the background picture (empty: the skin's deck).
    virtual QImage RenderGrid(const DataCfg::TGrid& grid, const QString& background) = 0;
    // The grid's tab icon composed from its icon text; folder holds the icon file when the skin has none.
    virtual QImage MakeGridIconImage(const QString& iconText, const QString& folder) = 0;
};
namespace ExchangeRenderer {
void Install(IExchangeRenderer* renderer);
IExchangeRenderer* Get();
} // namespace ExchangeRenderer

int DetectExchangeKind(const QString& path);
// Program files (Linux executables and libraries, Windows programs) are never packed: on export a reference to
// one becomes a picture of its icon. By the file name's own extension (".exe", ".dll" in any case, ".so" and
// ".so.N"), else ELF and PE files by their first bytes.
bool IsProgramFile(const QString& path);
// Whether export may pack the file: it lies in the data or the user folder (where it really is, links followed).
bool IsPackableFile(const QString& path);
// The temp folder's "Exchange/_tmp/", emptied and created again.
QString PrepareStagingFolder();
// Copies the file into the folder under its own base name or a free "_n" one; an identical file already
// there is reused (false, name set). The name used is set whatever the result.
bool CopyFileUnique(const QString& source, const QString& folder, QString& name);
// On export a file outside the data and user folders is not packed: the reference stays, the file is logged
// and added to leftOut.
bool ExchangeResource(QString& reference, const QString& stagingFolder, const QString& destinationFolder,
                      QStringList* leftOut = nullptr);
bool ExchangeConfigOptions(DataCfg::TConfig& config, ExchangeContext* context);
bool ExchangeGridResources(DataCfg::TGrid& grid, ExchangeContext* context);

bool ImportControl(QString& entryName, DataCfg::TControl& control, const QString& archive,
                   const QString& destinationFolder);
bool ImportGrid(DataCfg::TGrid& grid, const QString& archive, const QString& destinationFolder);
// Export: the archives are assembled in the staging folder and packed into a temporary file beside the
// target, which then takes the target's place; a failure leaves no archive behind. leftOut receives the files
// the records name that were not packed, because they lie outside the data and user folders.
bool ExportControl(const QString& entryName, const DataCfg::TControl& control, const QString& archive,
                   QStringList* leftOut = nullptr);
bool ExportPackage(const QString& archive, DataCfg::TCtrlSet controls, QList<DataCfg::TGrid> grids,
                   const QVariant& description, QStringList* leftOut = nullptr);
bool RenderControlScreenshot(DataCfg::TCtrlRef& entry, const DataCfg::TControl& control, int n,
                             const ExchangeContext* context);
void RenderGridScreenshot(DataCfg::TGrid& grid, const ExchangeContext* context, int n, const QString& background);

bool ImportPackage(const QString& archive, DataCfg::TCtrlSet& controls, QList<DataCfg::TGrid>& grids,
                   QVariant& description, const QString& destinationFolder);
