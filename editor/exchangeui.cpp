#include "editor/exchangeui.h"

#include "config/tgrid.h"
#include "editor/gridview.h"
#include "editor/mtegridedit.h"
#include "foundation/logger/QsLog.h"
#include "widgets/popupwnd.h"

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

QString ExchangeUi::OpenFile(QWidget* parent, const QString& caption, const QString& folder, const QString& filter) {
    if (g_openFile)
        return g_openFile(parent, caption, folder, filter);
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString ExchangeUi::SaveFile(QWidget* parent, const QString& caption, const QString& folder, const QString& filter) {
    if (g_saveFile)
        return g_saveFile(parent, caption, folder, filter);
    return QFileDialog::getSaveFileName(parent, caption, folder, filter);
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

QString ExchangeUi::AddImportedGrid(DataCfg::TGrid grid, MTEGridEdit* editor, bool addTab) {
    DataCfg* cfg = DataCfg::Instance();
    if (!cfg)
        return QString();
    // The package names the grid; here it only names a file inside the custom-grid folder.
    QString safe = SafeFileName(grid.Name);
    if (safe.isEmpty())
        safe = QStringLiteral("Imported Grid");
    const QString name = FreeCustomGridName(safe);
    if (name.isEmpty())
        return QString();
    const QString folder =
        editor && !editor->CustomGridPath().isEmpty() ? editor->CustomGridPath() : DataCfg::CustomGridPath();
    QDir().mkpath(folder);
    grid.Name = name;
    grid.NewId();
    grid.Custom = true;
    grid.Set = CustomGridSet;
    grid.File = folder + name + QStringLiteral(".json");
    grid.SavedFile.clear();
    cfg->Grids().append(grid);
    if (editor) {
        // Written below, so the canvas holds nothing unsaved.
        editor->SetGridRecord(grid);
        editor->Canvas()->SetModified(false);
        if (addTab)
            editor->OnBtnAdd();
    }
    const QString error = cfg->SaveCustomGrid(QString(), name);
    if (!error.isEmpty())
        QLOG_ERROR() << "Import: the grid file was not written:" << name << error;
    if (editor)
        editor->UpdateGridCmb();
    return name;
}
