#include "editor/exchangeui.h"

#include "config/tcontrol.h"
#include "config/tctrlset.h"
#include "config/tgrid.h"
#include "editor/gridview.h"
#include "editor/mtegridedit.h"
#include "foundation/logger/QsLog.h"
#include "widgets/popupwnd.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>

namespace {
ExchangeUi::FileFn g_openFile;
ExchangeUi::FileFn g_saveFile;
ExchangeUi::AskFn g_ask;
} // namespace

void ExchangeUi::SetOpenFileAsker(FileFn ask) {
    g_openFile = std::move(ask);
}

void ExchangeUi::SetSaveFileAsker(FileFn ask) {
    g_saveFile = std::move(ask);
}

void ExchangeUi::SetAsker(AskFn ask) {
    g_ask = std::move(ask);
}

QString ExchangeUi::PackageFilter() {
    return QStringLiteral("*.") + GridPackageExt() + QStringLiteral(" *.") + CtrlPackageExt();
}

QString ExchangeUi::WithExtension(const QString& path, const QString& ext) {
    if (path.isEmpty() || path.endsWith(QLatin1Char('.') + ext, Qt::CaseInsensitive))
        return path;
    return path + QLatin1Char('.') + ext;
}

QString ExchangeUi::OpenFile(QWidget* parent, const QString& caption, const QString& folder, const QString& filter) {
    if (g_openFile)
        return g_openFile(parent, caption, folder, filter);
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString ExchangeUi::SaveFile(QWidget* parent, const QString& caption, const QString& folder, const QString& filter) {
    if (g_saveFile)
        return g_saveFile(parent, caption, folder, filter);
    // The dialog adds the filter's extension to a bare name itself, so it asks before replacing that file.
    QFileDialog dialog(parent, caption, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (filter.startsWith(QLatin1String("*.")) && !filter.contains(QLatin1Char(' ')))
        dialog.setDefaultSuffix(filter.mid(2));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

int ExchangeUi::Ask(QWidget* parent, int icon, const QString& title, const QString& text, int buttons) {
    if (g_ask)
        return g_ask(parent, icon, title, text, buttons);
    return MsgBox(parent, icon, title, text, buttons, 0);
}

QString ExchangeUi::SafeFileName(const QString& name) {
    QString out;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || QStringLiteral("/\\:*?\"<>|").contains(c))
            continue;
        out += c;
    }
    out = out.trimmed();
    while (out.startsWith(QLatin1Char('.')))
        out.remove(0, 1);
    out = out.left(100).trimmed();
    return out;
}

QString ExchangeUi::GridBaseName(const QString& name) {
    const int bar = name.lastIndexOf(QLatin1Char('_'));
    if (bar <= 0)
        return name;
    for (int i = bar + 1; i < name.size(); ++i)
        if (!name.at(i).isDigit())
            return name;
    return name.left(bar);
}

QString ExchangeUi::FreeCustomGridName(const QString& name) {
    DataCfg* cfg = DataCfg::Instance();
    const QString base = GridBaseName(name);
    for (int i = 0; i < 1024; ++i) {
        const QString candidate = i > 0 ? base + QStringLiteral("_%1").arg(i) : base;
        if ((!cfg || cfg->FindGrid(candidate, CustomGridSet).Name.isEmpty()) &&
            !QFileInfo::exists(DataCfg::CustomGridPath() + candidate + QStringLiteral(".json")))
            return candidate;
    }
    return QString();
}

QString ExchangeUi::FreeCustomGridTitle(const QString& title) {
    QStringList captions;
    if (DataCfg* cfg = DataCfg::Instance()) {
        for (const DataCfg::TGrid& g : cfg->Grids()) {
            if (g.Custom)
                captions << (g.Title.isEmpty() ? g.GetDisplayName() : g.Title);
        }
    }
    if (!captions.contains(title))
        return title;
    const QString base = GridBaseName(title);
    for (int i = 1; i < 1024; ++i) {
        const QString candidate = base + QStringLiteral("_%1").arg(i);
        if (!captions.contains(candidate))
            return candidate;
    }
    return title;
}

QString ExchangeUi::AddImportedGrid(DataCfg::TGrid grid, MTEGridEdit* editor, bool addTab, QString* problem) {
    DataCfg* cfg = DataCfg::Instance();
    auto fail = [problem](const QString& why) {
        QLOG_ERROR() << "Import:" << why;
        if (problem)
            *problem = why;
        return QString();
    };
    if (!cfg)
        return fail(QStringLiteral("no configuration"));
    // The package names the grid; here it only names a file inside the custom-grid folder.
    QString safe = SafeFileName(grid.Name);
    if (safe.isEmpty())
        safe = QStringLiteral("Imported Grid");
    const QString name = FreeCustomGridName(safe);
    if (name.isEmpty())
        return fail(QCoreApplication::translate("ExchangeUi", "No free name for the grid: ") + grid.Name);
    const QString folder =
        editor && !editor->CustomGridPath().isEmpty() ? editor->CustomGridPath() : DataCfg::CustomGridPath();
    QDir().mkpath(folder);
    grid.Title = grid.Title.isEmpty() ? QString() : FreeCustomGridTitle(grid.Title);
    grid.Name = name;
    grid.NewId();
    grid.Custom = true;
    grid.Set = CustomGridSet;
    grid.File = folder + name + QStringLiteral(".json");
    grid.SavedFile.clear();
    // The configuration writes only grids it holds: the grid goes in for the write and stays only when written.
    cfg->Grids().append(grid);
    const QString error = cfg->SaveCustomGrid(QString(), name);
    if (!error.isEmpty()) {
        for (int i = cfg->Grids().size() - 1; i >= 0; --i) {
            if (cfg->Grids().at(i).Custom && cfg->Grids().at(i).Name == name) {
                cfg->Grids().removeAt(i);
                break;
            }
        }
        return fail(QCoreApplication::translate("ExchangeUi", "The grid %1 was not written: %2").arg(name, error));
    }
    if (editor) {
        editor->SetGridRecord(cfg->FindGrid(name, CustomGridSet));
        editor->Canvas()->SetModified(false);
        if (addTab)
            editor->OnBtnAdd();
        editor->UpdateGridCmb();
    }
    return name;
}

DataCfg::TCtrlRef ExchangeUi::MyControlEntry(const QString& category, const QString& name,
                                             const DataCfg::TControl& control) {
    DataCfg::TCtrlRef entry;
    entry.Name = name;
    entry.Category = category;
    entry.Control = control.Set.isEmpty() ? control.Name : control.Set + QLatin1Char(':') + control.Name;
    entry.Config = control.Config.GetValues();
    return entry;
}

QString ExchangeUi::SaveToMyControls(const QList<DataCfg::TCtrlRef>& entries) {
    DataCfg* cfg = DataCfg::Instance();
    if (!cfg)
        return QStringLiteral("no configuration");
    DataCfg::TCtrlSet& mine = cfg->GetMyControlsSet();
    const QList<DataCfg::TCtrlRef> before = mine.Elements;
    for (const DataCfg::TCtrlRef& in : entries) {
        int at = -1;
        for (int k = 0; k < mine.Elements.size() && at < 0; ++k) {
            if (mine.Elements[k].Name == in.Name && mine.Elements[k].Category == in.Category)
                at = k;
        }
        if (at < 0) {
            mine.Elements.append(DataCfg::TCtrlRef());
            at = mine.Elements.size() - 1;
        }
        // A replaced entry keeps what else it had (its screenshot).
        DataCfg::TCtrlRef& entry = mine.Elements[at];
        entry.Name = in.Name;
        entry.Category = in.Category;
        entry.Control = in.Control;
        entry.Config = in.Config;
    }
    const QString error = cfg->SaveUserCfg();
    if (!error.isEmpty()) {
        QLOG_ERROR() << "My Controls: the user configuration was not written:" << error;
        mine.Elements = before;
    }
    return error;
}
