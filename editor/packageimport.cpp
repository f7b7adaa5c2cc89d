#include "editor/packageimport.h"

#include "config/dataexchange.h"
#include "config/tctrlset.h"
#include "config/tgrid.h"
#include "editor/exchangeui.h"
#include "editor/impexppluginpopup.h"
#include "editor/impexppopup.h"
#include "editor/mtegridedit.h"
#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "functions/plugintools.h"

#include <QCoreApplication>
#include <QDir>

namespace {
PackageImport::ControlFn g_controlHandler;

QString Tr(const char* text) {
    return QCoreApplication::translate("PackageImport", text);
}

// Without the control editor the control lands in the user's own list, where the control panel shows it.
bool AddToMyControls(const QString& entryName, const DataCfg::TControl& control, QWidget* parent) {
    const QString name = entryName.isEmpty() ? control.Name : entryName;
    const QString error = ExchangeUi::SaveToMyControls({ExchangeUi::MyControlEntry(QString(), name, control)});
    if (!error.isEmpty()) {
        ExchangeUi::Ask(parent, 3, Tr("Error"), error, PopupWnd::OK);
        return false;
    }
    ExchangeUi::Ask(parent, 1, Tr("Control imported"),
                    Tr("The control '%1' was added to your own controls.").arg(TranslateAtName(name)), PopupWnd::OK);
    return true;
}
} // namespace

void PackageImport::SetControlHandler(ControlFn handler) {
    g_controlHandler = std::move(handler);
}

bool PackageImport::ImportFile(const QString& path, QWidget* parent, MTEGridEdit* editor) {
    PROFILE_SCOPE("PackageImport::ImportFile");
    QLOG_INFO() << "PackageImport: importing" << path;
    if (editor && !editor->DoModifiedWarning())
        return false;
    const QString user = PluginTools::GetUserPath();
    QDir().mkpath(user + QStringLiteral("Exchange/"));
    QDir().mkpath(user + QStringLiteral("Import/rsc/"));
    const QString rsc = user + QStringLiteral("Import/rsc/");
    const int kind = DetectExchangeKind(path);
    switch (kind) {
    case EK_Control: {
        QString entryName;
        DataCfg::TControl control;
        if (!ImportControl(entryName, control, path, rsc)) {
            ExchangeUi::Ask(parent, 3, Tr("Error"), Tr("Can't import File: ") + path, PopupWnd::OK);
            return false;
        }
        if (!g_controlHandler)
            return AddToMyControls(entryName, control, parent);
        g_controlHandler(entryName, control);
        return true;
    }
    case EK_Grid: {
        DataCfg::TGrid grid;
        if (!ImportGrid(grid, path, rsc)) {
            ExchangeUi::Ask(parent, 3, Tr("Error"), Tr("Can't import File: ") + path, PopupWnd::OK);
            return false;
        }
        QString problem;
        if (ExchangeUi::AddImportedGrid(grid, editor, false, &problem).isEmpty()) {
            ExchangeUi::Ask(parent, 3, Tr("Error"), problem, PopupWnd::OK);
            return false;
        }
        return true;
    }
    case EK_Package:
    case EK_Plugin: {
        // A package may carry a plug-in; what is no plug-in comes back for the package popup.
        bool installed = false;
        const QString package = ImpExpPluginPopUp::ImportPluginFile(path, parent, &installed);
        if (package.isEmpty())
            return installed;
        return ImpExpPopup::Exec(true, parent, package, editor) != PopupWnd::CANCEL;
    }
    default:
        ExchangeUi::Ask(parent, 3, Tr("Error"), Tr("Invalid File: ") + path, PopupWnd::OK);
        return false;
    }
}
