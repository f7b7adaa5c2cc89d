#include "shell/composition.h"

#include "config/datacfg.h"
#include "config/tusercfg.h"
#include "foundation/logger/QsLog.h"
#include "functions/funcmgr.h"
#include "functions/plugintools.h"
#include "runtime/dcgrid.h"
#include "server/netserver.h"
#include "shell/programlook.h"
#include "shell/programservices.h"
#include "shell/programtabhooks.h"
#include "shell/webhosts.h"
#include "widgets/colpickpopup.h"

#include <QPointer>

Composition::Composition(const MervexWnd::Folders& folders) {
    // Fonts and style sheet before any widget measures a text.
    ProgramLook::Install();
    // Services below the window first: the registries, factories and questions every part reaches.
    InstallProgramServices();
    DataCfg::InstallStoredMacroLookup();
    // Tests trust their own certificate authority; the update check at window construction needs it.
    WebHosts::InstallExtraCertificates();

    m_tabHooks = std::make_unique<ProgramTabHooks>();
    m_window = new MervexWnd(*m_tabHooks, folders);
    // What the window fixed at construction, made known to the parts below it before the tabs are built:
    // the browse tab reads the custom-grid folder at once.
    PluginTools::SetDataPath(m_window->GetDataPath());
    PluginTools::SetUserPath(m_window->GetUserPath());
    m_tabHooks->Attach(m_window);

    // The data sources take their stored settings from here, and the close sequence stores them back.
    SetDataSourceSettingsMap(&m_window->Cfg()->UserCfg().CfgSrc);
    SetColorPickerSettings(&m_window->Cfg()->UserCfg().CfgBase);
    // A grid script's reset reaches the phone session it runs for.
    QPointer<NetServer> server = m_window->Server();
    DCGrid::SetClientResetHandler([server](quint64 id) {
        if (server)
            server->ClientReset(id);
    });
    QLOG_INFO() << "Composition: program built";
}

Composition::~Composition() {
    // Only once the program has ended: every close before it may have left the program running. Before the
    // window, whose settings page may be showing one of the sources.
    DeleteFuncProviders();
    DeleteDataSources();
    DCGrid::SetClientResetHandler(nullptr);
    SetColorPickerSettings(nullptr);
    SetDataSourceSettingsMap(nullptr);
    delete m_window;
    m_window = nullptr;
    m_tabHooks.reset();
    DataCfg::RemoveStoredMacroLookup();
    RemoveProgramServices();
    QLOG_INFO() << "Composition: program taken down";
}
