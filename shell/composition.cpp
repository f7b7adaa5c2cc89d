#include "shell/composition.h"

#include "config/datacfg.h"
#include "config/tusercfg.h"
#include "editor/netgridsprovider.h"
#include "foundation/logger/QsLog.h"
#include "functions/funcmgr.h"
#include "functions/plugintools.h"
#include "functions/trustedroots.h"
#include "runtime/dcgrid.h"
#include "runtime/imgdatamgr.h"
#include "runtime/webimagecache.h"
#include "server/earlysockets.h"
#include "server/netruntimeadapters.h"
#include "server/netserver.h"
#include "server/palprograms.h"
#include "shell/pairingdecision.h"
#include "shell/programlook.h"
#include "shell/programservices.h"
#include "shell/programtabhooks.h"
#include "widgets/colpickpopup.h"

#include <QPointer>

Composition::Composition(const MervexWnd::Folders& folders) {
    // Fonts and style sheet before any widget measures a text.
    ProgramLook::Install();
    // Services below the window first: the registries, factories and questions every part reaches.
    InstallProgramServices();
    DataCfg::InstallStoredMacroLookup();
    // The authorities the environment names; the update check at window construction needs them (tests trust
    // their own authority this way). The data folder is not known yet.
    TrustedRoots::Install(false);

    // The shared parts, each handed what it uses: the configuration model, the phone server on its
    // endpoints, the image registry the phone loads images from and the web image cache.
    m_cfg = std::make_unique<DataCfg>();
    m_server = std::make_unique<NetServer>();
    QHostAddress bind;
    quint16 tcp = 0, udp = 0;
    if (!EarlySockets::Endpoints(bind, tcp, udp))
        QLOG_WARN() << "Composition: MERVEX_SERVER_ADDRESS is no address, the loopback address used";
    m_server->SetEndpoints(bind, tcp, udp);
    m_images = std::make_unique<ImgDataMgr>();
    m_webImages = std::make_unique<WebImageCache>();
    m_netImages = std::make_unique<NetImagesAdapter>(m_images.get());
    m_netPrograms = std::make_unique<PalPrograms>();
    // The phone's tab list is the configuration's user tabs; its views are the editor's grid canvases.
    m_netGrids = std::make_unique<NetGridsProvider>();
    m_parts.cfg = m_cfg.get();
    m_parts.server = m_server.get();
    m_parts.images = m_images.get();
    m_parts.webImages = m_webImages.get();
    m_parts.grids = m_netGrids.get();

    // The pairing decision reads the devices of the configuration and asks the tabs about pairing mode.
    m_tabHooks = std::make_unique<ProgramTabHooks>();
    m_pairing = std::make_unique<PairingDecision>(*m_cfg, *m_server, *m_tabHooks);
    m_server->SetPairing(m_pairing.get());
    m_server->SetGrids(m_netGrids.get());
    m_server->SetImages(m_netImages.get());
    m_server->SetPrograms(m_netPrograms.get());

    m_window = new MervexWnd(*m_tabHooks, m_parts, folders);
    QPointer<MervexWnd> window = m_window;
    m_pairing->SetLanguageReader([window] { return window ? window->CurrentLanguage() : QString(); });
    // What the window fixed at construction, made known to the parts below it before the tabs are built:
    // the browse tab reads the custom-grid folder at once.
    PluginTools::SetDataPath(m_window->GetDataPath());
    PluginTools::SetUserPath(m_window->GetUserPath());
    // With the data folder known, its authorities join for every connection made from here on.
    TrustedRoots::Install();
    m_tabHooks->Attach(m_window, m_parts);

    // The data sources take their stored settings from here, and the close sequence stores them back.
    SetDataSourceSettingsMap(&m_cfg->UserCfg().CfgSrc);
    SetColorPickerSettings(&m_cfg->UserCfg().CfgBase);
    // A grid script's reset reaches the phone session it runs for.
    QPointer<NetServer> server = m_server.get();
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
    // The phone sessions end before the grids they show go with the window.
    m_server->Close();
    m_server->SetPairing(nullptr);
    m_server->SetGrids(nullptr);
    m_server->SetImages(nullptr);
    m_server->SetPrograms(nullptr);
    delete m_window;
    m_window = nullptr;
    // The rest in the reverse order of their making.
    m_pairing.reset();
    m_tabHooks.reset();
    m_parts = ProgramContext();
    m_netGrids.reset();
    m_netPrograms.reset();
    m_netImages.reset();
    m_webImages.reset();
    m_images.reset();
    m_server.reset();
    m_cfg.reset();
    DataCfg::RemoveStoredMacroLookup();
    RemoveProgramServices();
    QLOG_INFO() << "Composition: program taken down";
}
