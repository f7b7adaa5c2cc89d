// vellichor-cfgdump: loads a data folder the way the program does at start-up (mainCfg.json with its
// includes and control lists, skinCfg.json, gridCfg.json with its includes and grid signatures) and prints
// a summary that depends only on the files: record counts per kind, the control lists with their sizes and
// every grid with its signed flag. Log lines go to standard error.
//
//   vellichor-cfgdump [-v] <data folder>
//   vellichor-cfgdump --signing-form <output folder> <data folder>
//
// With --signing-form it writes, for every grid, the bytes its signature covers to the output folder, named
// like the grid's signature file with ".bytes" in place of ".sig"; tools/signing/sign-grid.sh signs them.

#include "config/datacfgrecords.h"
#include "config/gridsigverifier.h"
#include "foundation/json.h"
#include "foundation/logger/QsLog.h"
#include "foundation/logger/QsLogDest.h"
#include "functions/plugintools.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

int Usage() {
    QTextStream(stderr) << "usage: vellichor-cfgdump [-v] <data folder>\n"
                           "       vellichor-cfgdump --signing-form <output folder> <data folder>\n";
    return 2;
}

void PrintSummary(DataCfg& cfg, QTextStream& out) {
    out << "config name: " << cfg.ConfigName() << '\n';
    out << "functions: " << cfg.Functions().size() << '\n';
    out << "fonts: " << cfg.Fonts().size() << '\n';
    out << "graphics: " << cfg.Gfxs().size() << '\n';
    out << "skins: " << cfg.Skins().size() << '\n';
    out << "controls: " << cfg.Controls().size() << '\n';
    out << "control lists: " << cfg.CtrlSets().size() << '\n';
    out << "scripts: " << cfg.Scripts().size() << '\n';
    out << "grids: " << cfg.Grids().size() << '\n';
    out << "application skins: " << cfg.AppSkins().size() << '\n';
    out << "data sources: " << cfg.DataSources().size() << '\n';
    out << "strings: " << cfg.Strings().size() << '\n';
    for (const DataCfg::TCtrlSet& list : cfg.CtrlSets())
        out << "control list " << list.Name << ": " << list.Elements.size() << " entries\n";
    for (const DataCfg::TGrid& grid : cfg.Grids()) {
        out << "grid " << grid.GetKey() << ": " << grid.Elements.size() << " elements, "
            << (grid.Signed ? "signed" : "unsigned") << '\n';
    }
}

bool WriteSigningForms(DataCfg& cfg, const QString& outDir) {
    if (!QDir().mkpath(outDir))
        return false;
    for (const DataCfg::TGrid& grid : cfg.Grids()) {
        QString name = GridSigVerifier::SignatureFileName(grid.GetKey());
        name.chop(4);
        QFile file(outDir + QLatin1Char('/') + name + QStringLiteral(".bytes"));
        const QByteArray bytes = JsonSerializeCompact(grid.Write());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            return false;
        QTextStream(stdout) << file.fileName() << '\n';
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    bool verbose = false;
    QString signingDir;
    while (!args.isEmpty() && args.first().startsWith(QLatin1Char('-'))) {
        const QString option = args.takeFirst();
        if (option == QLatin1String("-v")) {
            verbose = true;
        } else if (option == QLatin1String("--signing-form") && !args.isEmpty()) {
            signingDir = args.takeFirst();
        } else {
            return Usage();
        }
    }
    if (args.size() != 1)
        return Usage();
    const QString folder = QDir::cleanPath(QFileInfo(args.first()).absoluteFilePath());
    if (!QFileInfo(folder + QStringLiteral("/mainCfg.json")).isFile()) {
        QTextStream(stderr) << "vellichor-cfgdump: no mainCfg.json in " << folder << '\n';
        return 1;
    }

    // Before they are signed, every grid would report its missing signature: quiet unless asked.
    std::unique_ptr<QsLogging::Destination> log(QsLogging::MakeDebugOutputDestination());
    if (signingDir.isEmpty() || verbose)
        GetLogger().AddDestination(log.get());
    GetLogger().SetLevel(verbose ? QsLogging::TraceLevel : QsLogging::WarnLevel);

    PluginTools::SetDataPath(folder);
    int rc = 0;
    {
        DataCfg cfg;
        cfg.LoadDataFolder(folder);
        if (signingDir.isEmpty()) {
            QTextStream out(stdout);
            PrintSummary(cfg, out);
        } else if (!WriteSigningForms(cfg, signingDir)) {
            QTextStream(stderr) << "vellichor-cfgdump: cannot write to " << signingDir << '\n';
            rc = 1;
        }
    }
    GetLogger().RemoveDestination(log.get());
    return rc;
}
