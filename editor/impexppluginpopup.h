#pragma once
// The first step of a package import: reads the package and, when its information marks a plug-in, asks the
// user and installs the plug-in into a folder of its own below the user folder's "Plugins/", then lets the
// configuration decide on its libraries. A package that is no plug-in goes back to the caller.

#include "config/tctrlset.h"
#include "config/tgrid.h"
#include "widgets/popupwnd.h"

#include <QStringList>

class ImpExpPluginPopUp : public PopupWnd {
    Q_OBJECT
public:
    ImpExpPluginPopUp(int mode, QWidget* parent, const QString& path);
    ~ImpExpPluginPopUp() override;

    // The user picks the package. Empty: nothing more to do; else the package path (no plug-in).
    static QString ImportPlugin(int mode, QWidget* parent, const QString& path);
    // Installs the given package; installed tells whether a plug-in was installed.
    static QString ImportPluginFile(const QString& path, QWidget* parent = nullptr, bool* installed = nullptr);
    QString RunImport(const QString& path);

    // The folder a plug-in of that name goes to, or empty when the name gives no usable folder name.
    static QString PluginFolder(const QString& name);

private:
    // Asks whether to install the plug-in the package's information describes; true for YES.
    bool AskInstall(const QVariantMap& info);

    DataCfg::TCtrlSet m_controls;
    QList<DataCfg::TGrid> m_grids;
    QString m_path;
    bool m_installed = false;
};

// Copies the folder tree (files and folders, no symbolic links); answers the files that could not be copied.
QStringList CopyFolder(const QString& target, const QString& source);
