#include "shell/mervexwnd.h"

#include <QAbstractButton>

#include "config/datacfgrecords.h"
#include "foundation/droppedfile.h"
#include "foundation/globals.h"
#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "functions/funcmgr.h"
#include "functions/pal/pal.h"
#include "functions/plugintools.h"
#include "runtime/dcgrid.h"
#include "runtime/webimagecache.h"
#include "server/netserver.h"
#include "shell/autoupdate.h"
#include "shell/autoupdatedialog.h"
#include "shell/imaintabhooks.h"
#include "shell/languageswitcher.h"
#include "shell/startoptions.h"
#include "shell/webhosts.h"
#include "widgets/colpickpopup.h"
#include "widgets/imgwidget.h"
#include "widgets/langbtn.h"
#include "widgets/langselector.h"
#include "widgets/loggerwnd.h"
#include "widgets/mainctrlbtn.h"
#include "widgets/popupwnd.h"
#include "widgets/qlabelex.h"
#include "widgets/qmenuex.h"
#include "widgets/tiledbtn.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMimeData>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusTipEvent>
#include <QTimer>
#include <QUrl>

namespace {
MervexWnd* g_wnd = nullptr;

const char* const kTabCaptions[] = {
    QT_TRANSLATE_NOOP("MervexWnd", "CREATE"), QT_TRANSLATE_NOOP("MervexWnd", "SETTINGS"),
    QT_TRANSLATE_NOOP("MervexWnd", "SUPPORT"), QT_TRANSLATE_NOOP("MervexWnd", "BROWSE")};
const char* const kTabTips[] = {
    QT_TRANSLATE_NOOP("MervexWnd", "Create grids and Controls"), QT_TRANSLATE_NOOP("MervexWnd", "Velli-Chor settings"),
    QT_TRANSLATE_NOOP("MervexWnd", "Velli-Chor support"), QT_TRANSLATE_NOOP("MervexWnd", "Show Easy Mode")};

QString WithSlash(const QString& path) {
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

bool IsDataFolder(const QString& folder) {
    return !folder.isEmpty() && QFileInfo(folder + QStringLiteral("/mainCfg.json")).isFile();
}

QPushButton* ImageButton(QWidget* parent, const QString& name, const QRect& rect, const QString& normal,
                         const QString& hover, const QString& pressed) {
    QPushButton* b = new QPushButton(parent);
    b->setObjectName(name);
    b->setGeometry(rect);
    b->setFocusPolicy(Qt::NoFocus);
    QString style = QStringLiteral("QPushButton { border: none; background: transparent; image: url(%1); }"
                                   "QPushButton:hover { image: url(%2); }")
                        .arg(normal, hover);
    if (!pressed.isEmpty())
        style += QStringLiteral("QPushButton:pressed { image: url(%1); }").arg(pressed);
    b->setStyleSheet(style);
    return b;
}

TiledBtn* WindowButton(QWidget* parent, const QString& name, const QRect& rect, const QString& images, int padLeft,
                       int padRight) {
    TiledBtn* b = new TiledBtn(parent);
    b->setObjectName(name);
    b->setGeometry(rect);
    b->imageNames = QStringList() << images;
    b->padTop = 4;
    b->padLeft = padLeft;
    b->padRight = padRight;
    b->ApplyImages();
    return b;
}
} // namespace

// Resources of a static library are registered by hand, outside any namespace.
static void InitShellResources() {
    Q_INIT_RESOURCE(shellimages);
}

MervexWnd* MervexWnd::Instance() {
    return g_wnd;
}

MervexWnd::MervexWnd(IMainTabHooks& hooks, const ProgramContext& parts, const Folders& folders, QWidget* parent)
    : QWidgetEx(parent, Qt::FramelessWindowHint | Qt::WindowSystemMenuHint), m_cfg(parts.cfg), m_server(parts.server),
      m_webImages(parts.webImages), m_hooks(&hooks), m_arguments(folders.arguments) {
    PROFILE_SCOPE("MervexWnd::MervexWnd");
    g_wnd = this;
    InitShellResources();

    BuildForm();

    QAction* quit = new QAction(this);
    quit->setShortcuts(QList<QKeySequence>()
                       << QKeySequence(Qt::CTRL + Qt::Key_Q) << QKeySequence(Qt::ALT + Qt::Key_F4));
    connect(quit, &QAction::triggered, this, &MervexWnd::close);
    addAction(quit);

    connect(m_btnClose, &QPushButton::clicked, this, &QWidget::hide);
    connect(m_btnMini, &QPushButton::clicked, this, &QWidget::showMinimized);
    connect(m_lblBuildVer, &QLabelEx::OnDoubleClick, this, &MervexWnd::ShowLogger);
    connect(m_tabButtons[TabCreate], &QPushButton::clicked, this, &MervexWnd::showMainWindow);
    connect(m_tabButtons[TabSettings], &QPushButton::clicked, this, &MervexWnd::showSettingsWindow);
    connect(m_tabButtons[TabSupport], &QPushButton::clicked, this, &MervexWnd::showSupportWindow);
    connect(m_tabButtons[TabBrowse], &QPushButton::clicked, this, &MervexWnd::showEasyWindow);

    m_serviceStrip = new ImgWidget(this, QStringLiteral(":/images/WndBGService"));
    m_serviceStrip->move(4, 622);
    m_serviceStrip->lower();

    // Placeholders keep the tab switching whole until the real tabs are installed.
    for (int i = 0; i < MainTabCount; ++i) {
        m_tabs[i] = new QWidget(this);
        m_tabs[i]->setGeometry(MainTabRect());
        m_tabs[i]->hide();
    }

    m_marker = new ImgWidget(this, QStringLiteral(":/images/BtnMainCtrlAct"));
    m_marker->move(0, 0);
    m_markerAnimation = new QPropertyAnimation(m_marker, "pos", this);
    m_markerAnimation->setDuration(400);
    m_markerAnimation->setEasingCurve(QEasingCurve::InOutQuad);

    // The language panel opens upwards from the language button.
    m_langPanel = new LangSelector(this);
    m_langPanel->setObjectName(QStringLiteral("langPanel"));
    m_langPanel->move(m_btnLang->x(), m_btnLang->y() - m_langPanel->height() + 1);
    m_langPanel->hide();
    connect(m_langPanel, &LangSelector::LanguageClicked, this, &MervexWnd::LanguageClicked);
    connect(m_btnLang, &QPushButton::clicked, this, &MervexWnd::on_btnLang_clicked);
    m_languages = new LanguageSwitcher(this);
    // A custom translation compiles in the background; its texts apply once it loaded.
    connect(m_languages, &LanguageSwitcher::CustomTranslationLoaded, this, [this] { Retranslate(); });

    connect(m_btnOk, &QPushButton::clicked, this, &MervexWnd::OnClickOk);
    connect(m_btnApply, &QPushButton::clicked, this, &MervexWnd::OnClickApply);
    connect(m_btnCancel, &QPushButton::clicked, this, &MervexWnd::OnClickCancel);

    FixFolders(folders);

    connect(qApp, &QApplication::focusChanged, this, &MervexWnd::OnFocusChanged);
    // The update check runs once per start; a newer release opens the update dialog.
    m_autoUpdate = new AutoUpdate(this);
    connect(m_autoUpdate, &AutoUpdate::webLauncherVersionRead, this, &MervexWnd::newVellichorVersionReady);
    m_autoUpdate->CheckVersion();
    hide();
    QTimer::singleShot(0, this, &MervexWnd::DeferredInit0);

    m_blackBar = new QLabel(this);
    m_blackBar->setGeometry(4, 600, 3, 150);
    m_blackBar->setStyleSheet(QStringLiteral("background-color:black"));
    Retranslate();
}

MervexWnd::~MervexWnd() {
    // The child windows are deleted after this destructor, and one that had the focus moves it: the application's
    // notice must not reach a window that is no longer one.
    disconnect(qApp, &QApplication::focusChanged, this, &MervexWnd::OnFocusChanged);
    if (g_wnd == this)
        g_wnd = nullptr;
}

void MervexWnd::BuildForm() {
    setObjectName(QStringLiteral("MervexWnd"));
    resize(1024, 787);
    setMinimumSize(1024, 787);
    setStyleSheet(QStringLiteral(
        "#MervexWnd { background-image: url(:/images/WndBGMain); background-repeat: no-repeat; }"
        "#btnOk, #btnApply, #btnCancel { border: none; color: #f0f0f0; font-family: \"Eurostile LT Std\";"
        " font-weight: 700; font-size: 10px; padding-top: 4px; }"));

    m_btnClose =
        ImageButton(this, QStringLiteral("btnClose"), QRect(994, 4, 25, 23), QStringLiteral(":/images/BtnWndCloseN"),
                    QStringLiteral(":/images/BtnWndCloseH"), QStringLiteral(":/images/BtnWndCloseD"));
    m_btnMini =
        ImageButton(this, QStringLiteral("btnMini"), QRect(973, 5, 21, 22), QStringLiteral(":/images/BtnWndMiniN"),
                    QStringLiteral(":/images/BtnWndMiniH"), QStringLiteral(":/images/BtnWndMiniD"));
    m_btnLang = new LangBtn(this);
    m_btnLang->setObjectName(QStringLiteral("btnLang"));
    m_btnLang->setGeometry(13, 757, 32, 17);
    m_btnLang->setFocusPolicy(Qt::NoFocus);

    m_lblToolTip = new QLabel(this);
    m_lblToolTip->setObjectName(QStringLiteral("lblToolTip"));
    m_lblToolTip->setGeometry(50, 758, 500, 16);
    m_lblToolTip->setStyleSheet(QStringLiteral("font-family: Arial; font-size: 9pt; color: #5a5a5a;"));

    m_lblTitle = new QLabel(this);
    m_lblTitle->setObjectName(QStringLiteral("lblTitle"));
    m_lblTitle->setGeometry(36, 12, 462, 16);
    m_lblTitle->setStyleSheet(QStringLiteral("color: white; font-size: 11px;"));
    m_lblTitle->setText(QStringLiteral("MERVEX\u2122 VELLI-CHOR\u2122 LAUNCHER"));

    const char* const names[] = {"btnMCMain", "btnMCSettings", "btnMCSupport", "btnMCEasy"};
    const int xs[] = {460, 540, 620, 380};
    for (int i = 0; i < MainTabCount; ++i) {
        m_tabButtons[i] = new MainCtrlBtn(this);
        m_tabButtons[i]->setObjectName(QLatin1String(names[i]));
        m_tabButtons[i]->setGeometry(xs[i], 55, 80, 29);
    }

    m_lblBuildVer = new QLabelEx(this, QString(), false, 9, QColor(0x47, 0x47, 0x47));
    m_lblBuildVer->setObjectName(QStringLiteral("lblBuildVer"));
    m_lblBuildVer->setGeometry(945, 67, 70, 12);
    m_lblBuildVer->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_lblBuildVer->hide();
    m_dragOrigin.setX(-1);

    m_btnOk = WindowButton(this, QStringLiteral("btnOk"), QRect(779, 750, 66, 30), QStringLiteral(":/images/BtnWndOk"),
                           16, 12);
    m_btnApply = WindowButton(this, QStringLiteral("btnApply"), QRect(845, 750, 82, 30),
                              QStringLiteral(":/images/BtnWndApply"), 12, 12);
    m_btnCancel = WindowButton(this, QStringLiteral("btnCancel"), QRect(927, 750, 90, 30),
                               QStringLiteral(":/images/BtnWndCancel"), 12, 10);
}

QString MervexWnd::FindDataFolder(const QString& workingDir, const QString& programDir,
                                  const QStringList& installedDirs) {
    const QString fromEnv = QString::fromLocal8Bit(qgetenv("MERVEX_DATA_DIR"));
    if (!fromEnv.isEmpty())
        return IsDataFolder(fromEnv) ? WithSlash(QDir(fromEnv).absolutePath()) : QString();
    QStringList candidates;
    for (const QString& base : {workingDir, programDir})
        if (!base.isEmpty())
            candidates << base + QStringLiteral("/Data");
    candidates << installedDirs;
    for (const QString& folder : candidates)
        if (!folder.isEmpty() && IsDataFolder(folder))
            return WithSlash(QDir(folder).absolutePath());
    return QString();
}

QStringList MervexWnd::InstalledDataFolders(const QString& programDir) {
    // Both come from the build's install settings (shell/CMakeLists.txt).
    return {QDir::cleanPath(programDir + QStringLiteral("/" MERVEX_DATA_FROM_PROGRAM)),
            QStringLiteral(MERVEX_INSTALLED_DATA_DIR)};
}

QString MervexWnd::MigrateUserFolder(const QString& home, const QString& documents) {
    const QString oldFolder = home + QStringLiteral("/MERVEX/Velli-Chor/");
    QDir().rename(home + QStringLiteral("/MERVEX/Vellichor"), home + QStringLiteral("/MERVEX/Velli-Chor"));
    if (documents.isEmpty())
        return oldFolder;
    const QString newFolder = QDir(documents).absolutePath() + QStringLiteral("/MERVEX/Velli-Chor/");
    if (QDir(oldFolder) == QDir(newFolder) || !QFileInfo(oldFolder).isDir())
        return newFolder;
    QLOG_DEBUG() << "Moving User Path from:" << oldFolder << "to:" << newFolder;
    QDir().mkpath(newFolder + QStringLiteral("CustomGrids"));
    for (const QString& sub : {QString(), QStringLiteral("CustomGrids/")}) {
        const QDir from(oldFolder + sub);
        for (const QFileInfo& f : from.entryInfoList(QDir::Files | QDir::Hidden))
            QDir().rename(f.absoluteFilePath(), newFolder + sub + f.fileName());
    }
    // Each only goes when it is empty now.
    QDir().rmdir(home + QStringLiteral("/MERVEX/Velli-Chor/CustomGrids"));
    QDir().rmdir(home + QStringLiteral("/MERVEX/Velli-Chor"));
    QDir().rmdir(home + QStringLiteral("/MERVEX"));
    return newFolder;
}

void MervexWnd::FixFolders(const Folders& folders) {
    const QString programDir = QCoreApplication::applicationDirPath();
    m_dataPath = folders.data.isEmpty()
                     ? FindDataFolder(QDir::currentPath(), programDir, InstalledDataFolders(programDir))
                     : WithSlash(folders.data);
    if (m_dataPath.isEmpty() || !IsDataFolder(m_dataPath)) {
        const QString tried = m_dataPath.isEmpty() ? QDir::currentPath() + QStringLiteral("/Data/") : m_dataPath;
        QLOG_FATAL() << "MervexWnd::MervexWnd: Invalid Data Directory:" << tried;
        MsgBoxWarning(nullptr, tr("ERROR"), tr("Invalid Data Directory:") + QLatin1Char(' ') + tried, PopupWnd::OK,
                      PopupWnd::OK);
        ::exit(1);
    }
    if (!folders.user.isEmpty()) {
        m_userPath = WithSlash(folders.user);
    } else {
        const QString fromEnv = QString::fromLocal8Bit(qgetenv("MERVEX_USER_DIR"));
        m_userPath = !fromEnv.isEmpty()
                         ? WithSlash(QDir(fromEnv).absolutePath())
                         : MigrateUserFolder(QDir::homePath(),
                                             QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    }
    m_tempPath = PluginTools::GetTempPath();
    m_customGridPath = m_userPath + QStringLiteral("CustomGrids/");
}

void MervexWnd::SetTab(MainTabKind kind, QWidget* tab) {
    if (!tab || tab == m_tabs[kind])
        return;
    const bool shown = m_tabs[kind]->isVisible();
    delete m_tabs[kind];
    m_tabs[kind] = tab;
    tab->setParent(this);
    tab->setGeometry(MainTabRect());
    tab->setVisible(shown);
    m_marker->raise();
}

// ---------------------------------------------------------------------------------------------------------------
// Deferred start-up

void MervexWnd::DeferredInit0() {
    PROFILE_SCOPE("MervexWnd::DeferredInit0");
    QLOG_INFO() << "MervexWnd::DeferredInit0: loading the configuration from" << m_dataPath;
    m_cfg->LoadDataFolder(m_dataPath);
    QDir().mkpath(m_userPath);
    QDir().mkpath(m_tempPath);
    QDir().mkpath(m_customGridPath);
    m_cfg->LoadUserCfg(m_userPath + QStringLiteral("userCfg.json"));
    m_userCfgLoaded = true;
    QString language = m_cfg->UserCfg().CfgBase.value(QStringLiteral("Language")).toString();
    if (language.isEmpty())
        language = QLocale::system().name();
    // The "C" locale of a system without a language setting reads as English, which the texts are written in.
    if (language == QLatin1String("C") || language == QLatin1String("POSIX"))
        language = QStringLiteral("en_US");
    if (!LanguageOverride().isEmpty())
        language = LanguageOverride();
    SwitchLanguage(language);
    QTimer::singleShot(0, this, &MervexWnd::DeferredInit1);
}

void MervexWnd::DeferredInit1() {
    PROFILE_SCOPE("MervexWnd::DeferredInit1");
    setAcceptDrops(true);
    m_cfg->LoadPluginFolder(m_userPath + QStringLiteral("Plugins/"));
    m_cfg->LoadCustomGrids();
    m_hooks->FillTabs();
    showEasyWindow();
    CreateTrayIcon();

    // Plug-in libraries only now. Those the user allowed load at once; a question about another waits until
    // the start is done, so that a program started with nobody at the screen still serves its phones.
    if (m_cfg->LoadDynamicLibraries(false))
        m_cfg->SaveUserCfg();
    m_webImages->StartMaintenanceTimer();
    if (m_server->Open())
        QLOG_INFO() << "MervexWnd::DeferredInit1: phone server listening on" << m_server->TcpPort()
                    << m_server->UdpPort();
    else
        QLOG_WARN() << "MervexWnd::DeferredInit1: phone server did not open";

    QVariantMap& settings = m_cfg->UserCfg().CfgBase;
    if (!settings.value(QStringLiteral("FirstHelpShown")).toBool()) {
        settings.insert(QStringLiteral("FirstHelpShown"), true);
        CreateInitialCustomTab();
        if (m_tabs[TabCreate]->isVisible() && !m_hooks->HasHelpGuide())
            m_hooks->ShowHelpGuide();
        // The window stays hidden while the add-device popup asks for the first phone.
        hide();
        m_firstPairing = m_hooks->RunFirstStartPairing();
    }

    if (!m_firstPairing)
        ShowStarted();
    // Every argument that is no option is a file to open: a package is imported, anything else is refused as a
    // drop of it would be. The program's own path is no such argument.
    const QStringList args = m_arguments.isEmpty() ? QCoreApplication::arguments() : m_arguments;
    for (int i = 1; i < args.size(); ++i)
        if (StartOptions::Kind(args[i]) == StartOptions::UnknownOption)
            QLOG_WARN() << "MervexWnd::DeferredInit1: unknown option ignored:" << args[i];
    for (const QString& path : StartOptions::Parse(args).files)
        ImportFile(path);
    m_started = true;
    QLOG_INFO() << "MervexWnd::DeferredInit1: start-up finished";
    QTimer::singleShot(0, this, [this] {
        if (!m_quitting && m_cfg->LoadDynamicLibraries())
            m_cfg->SaveUserCfg();
    });
    emit StartupFinished();
}

void MervexWnd::ShowStarted() {
    if (QCoreApplication::arguments().contains(QStringLiteral("/m")))
        QTimer::singleShot(0, this, &QWidget::showMinimized);
    else
        show();
}

void MervexWnd::FirstStartPairingEnded() {
    if (!m_firstPairing)
        return;
    m_firstPairing = false;
    ShowStarted();
}

void MervexWnd::CreateInitialCustomTab() {
    PROFILE_SCOPE("MervexWnd::CreateInitialCustomTab");
    const QString name = QStringLiteral("Custom Grid 1");
    if (m_cfg->FindGrid(name, CustomGridSet).Set == CustomGridSet)
        return;
    int tabs = m_hooks->GridTabCount();
    if (tabs < 0)
        tabs = m_cfg->UserCfg().Tabs.size();
    if (tabs > 47)
        return;
    DataCfg::TGrid grid;
    grid.NewId();
    grid.Name = name;
    grid.Set = CustomGridSet;
    grid.Custom = true;
    grid.File = m_customGridPath + name + QStringLiteral(".json");
    grid.Icon = QStringLiteral("TabIconCustom");
    grid.Title = QStringLiteral("CUSTOM\nGRID #1");
    m_cfg->Grids().append(grid);
    const QString error = m_cfg->SaveCustomGrid(QString(), name);
    if (!error.isEmpty()) {
        QLOG_ERROR() << "MervexWnd::CreateInitialCustomTab:" << error;
    }
    if (!m_hooks->AddInitialCustomTab(grid.GetKey())) {
        DataCfg::TNamed tab;
        tab.NewId();
        tab.Name = grid.GetKey();
        m_cfg->UserCfg().Tabs.append(tab);
    }
    // The browse tab was filled before the grid existed.
    m_hooks->RefillGridBrowser();
}

void MervexWnd::SwitchLanguage(const QString& code) {
    m_language = code;
    m_languages->SetDataPath(m_dataPath);
    m_languages->Switch(code);
    Retranslate();
    setLocale(QLocale(code));
}

void MervexWnd::Retranslate() {
    setWindowTitle(tr("MERVEX Velli Chor"));
    m_btnClose->setStatusTip(tr("Hide"));
    m_btnMini->setStatusTip(tr("Minimize"));
    m_btnLang->setStatusTip(tr("Change Language"));
    if (!m_language.isEmpty()) {
        m_btnLang->SetFlag(m_language.left(2));
        // A language the panel does not offer has no flag and reads the program's own English texts: the
        // button shows that flag rather than an empty face.
        if (!m_btnLang->HasFlag())
            m_btnLang->SetFlag(QStringLiteral("en"));
    }
    for (int i = 0; i < MainTabCount; ++i) {
        m_tabButtons[i]->setStatusTip(tr(kTabTips[i]));
        m_tabButtons[i]->SetText(tr(kTabCaptions[i]));
    }
    m_btnOk->setStatusTip(tr("Save settings and minimize Velli-Chor Launcher"));
    m_btnApply->setStatusTip(tr("Save settings"));
    m_btnCancel->setStatusTip(tr("Discard changed settings and minimize launcher to system tray"));
    m_btnOk->SetText(tr("OK"));
    m_btnApply->SetText(tr("APPLY"));
    m_btnCancel->SetText(tr("CANCEL"));
    m_lblToolTip->clear();
    if (m_actHide) {
        m_actHide->setText(tr("Hide"));
        m_actShow->setText(tr("Show"));
        m_actQuit->setText(tr("Quit"));
    }
    if (m_trayIcon)
        m_trayIcon->setToolTip(windowTitle());
    if (m_titleText.isEmpty())
        m_titleText = m_lblTitle->text();
    m_lblTitle->setText(m_titleText + QStringLiteral("  |  V") + MervexGlobals::Version());
    m_lblBuildVer->setText(MervexGlobals::BuildText().trimmed());

    // Tab buttons side by side from BROWSE on, each as wide as its caption wants.
    QWidget* order[] = {m_tabButtons[TabBrowse], m_tabButtons[TabCreate], m_tabButtons[TabSettings],
                        m_tabButtons[TabSupport]};
    int x = order[0]->x();
    for (QWidget* b : order) {
        b->setGeometry(x, b->y(), b->sizeHint().width(), b->height());
        x += b->width();
    }
    // OK, APPLY, CANCEL fitted and kept together at CANCEL's right edge.
    int right = m_btnCancel->geometry().right() + 1;
    for (TiledBtn* b : {m_btnCancel, m_btnApply, m_btnOk}) {
        const int w = b->sizeHint().width();
        b->setGeometry(right - w, b->y(), w, b->height());
        right -= w;
    }
}

// ---------------------------------------------------------------------------------------------------------------
// Tabs

void MervexWnd::SwitchTo(MainTabKind kind) {
    for (QWidget* tab : m_tabs)
        tab->setVisible(false);
    if (m_hooks->HasHelpGuide())
        m_hooks->CloseHelpGuide();
    const bool service = kind == TabCreate || kind == TabSettings;
    m_serviceStrip->setVisible(service);
    m_blackBar->setVisible(!service);
    m_tabs[kind]->setVisible(true);
    m_currentTab = kind;
    MoveMarker(m_tabButtons[kind]);
}

void MervexWnd::showMainWindow() {
    if (m_hooks->HasHelpGuide())
        m_hooks->CloseHelpGuide();
    if (m_currentTab == TabSettings && !m_hooks->SettingsMayLeave())
        return;
    m_hooks->MoveGridEditorTo(m_tabs[TabCreate]);
    SwitchTo(TabCreate);
}

void MervexWnd::showSettingsWindow() {
    m_hooks->RefreshSettings();
    SwitchTo(TabSettings);
}

void MervexWnd::showSupportWindow() {
    if (m_hooks->HasHelpGuide())
        m_hooks->CloseHelpGuide();
    if (m_currentTab == TabSettings && !m_hooks->SettingsMayLeave())
        return;
    if (!m_hooks->SupportTestPassed()) {
        m_hooks->StartSupportTest();
        return;
    }
    m_hooks->RefreshSupport();
    SwitchTo(TabSupport);
}

void MervexWnd::showEasyWindow() {
    m_hooks->MoveGridEditorTo(m_tabs[TabBrowse]);
    SwitchTo(TabBrowse);
}

void MervexWnd::OnSupportOk() {
    QLOG_DEBUG() << "OnSupportOk";
    showSupportWindow();
    m_hooks->ClearSupportTest();
}

void MervexWnd::LanguageClicked(const QString& code) {
    m_langPanel->hide();
    // Written to disk with the user configuration (OK, APPLY or the program's end).
    m_cfg->UserCfg().CfgBase.insert(QStringLiteral("Language"), code);
    SwitchLanguage(code);
}

void MervexWnd::on_btnLang_clicked() {
    m_langPanel->setVisible(!m_langPanel->isVisible());
    if (m_langPanel->isVisible())
        m_langPanel->raise();
}

void MervexWnd::newVellichorVersionReady(bool received) {
    Q_UNUSED(received);
    if (!m_autoUpdate->OffersUpdate() || m_updateDialog)
        return;
    QLOG_INFO() << "MervexWnd: a newer release is offered:" << m_autoUpdate->GetVersion();
    m_updateDialog = new AutoUpdateDialog(m_autoUpdate, this);
    connect(m_updateDialog, &AutoUpdateDialog::closeVellichor, this, &MervexWnd::close);
    m_updateDialog->show();
}

AutoUpdateDialog* MervexWnd::UpdateDialog() const {
    return m_updateDialog;
}

void MervexWnd::slotCloseAutoUpdateDialog() {
    if (!m_updateDialog)
        return;
    m_updateDialog->close();
    m_updateDialog->deleteLater();
}

void MervexWnd::OnSupportError() {
    QLOG_DEBUG() << "OnSupportError";
    MsgBoxInfo(this, tr("NO INTERNET CONNECTION"),
               tr("Please make sure you are connected to the internet before using this function."), PopupWnd::OK,
               PopupWnd::OK);
    m_hooks->ClearSupportTest();
}

void MervexWnd::MoveMarker(QWidget* button) {
    for (int i : {TabCreate, TabSettings, TabSupport, TabBrowse})
        m_tabButtons[i]->setActive(false);
    if (TiledBtn* b = qobject_cast<TiledBtn*>(button))
        b->setActive(true);
    const QPoint target(button->x() + button->width() / 2 - m_marker->width() / 2, button->y() + button->height() - 7);
    if (m_marker->x() == 0)
        m_marker->move(target);
    m_marker->raise();
    m_markerAnimation->stop();
    m_markerAnimation->setStartValue(m_marker->pos());
    m_markerAnimation->setEndValue(target);
    m_markerAnimation->start();
}

// ---------------------------------------------------------------------------------------------------------------
// Tray

void MervexWnd::CreateTrayIcon() {
    if (m_trayIcon)
        return;
    m_trayMenu = nullptr;
    m_actHide = m_actShow = m_actQuit = nullptr;
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        m_actHide = new QAction(this);
        connect(m_actHide, &QAction::triggered, this, &QWidget::hide);
        m_actShow = new QAction(this);
        connect(m_actShow, &QAction::triggered, this, &MervexWnd::ShowNormal);
        m_actQuit = new QAction(this);
        m_actQuit->setShortcuts(QList<QKeySequence>()
                                << QKeySequence(Qt::CTRL + Qt::Key_Q) << QKeySequence(Qt::ALT + Qt::Key_F4));
        connect(m_actQuit, &QAction::triggered, this, &MervexWnd::close);
        m_trayMenu = new QMenuEx(this);
        m_trayMenu->setTitle(QStringLiteral("tray"));
        m_trayMenu->addAction(m_actHide);
        m_trayMenu->addAction(m_actShow);
        m_trayMenu->addSeparator();
        m_trayMenu->addAction(m_actQuit);
        m_trayIcon = new QSystemTrayIcon(this);
        m_trayIcon->setContextMenu(m_trayMenu);
        m_trayIcon->setIcon(QIcon(QStringLiteral(":/icons/TrayIconNormal")));
        m_trayIcon->setToolTip(windowTitle());
        m_trayIcon->show();
        connect(m_trayIcon, &QSystemTrayIcon::activated, this, &MervexWnd::TrayIconActivated);
    }
    Retranslate();
}

void MervexWnd::TrayIconActivated(QSystemTrayIcon::ActivationReason reason) {
    if (reason != QSystemTrayIcon::Trigger)
        return;
    if (isVisible() && !isMinimized())
        hide();
    else
        ShowNormal();
}

void MervexWnd::ShowNormal() {
    showNormal();
    raise();
    activateWindow();
    setWindowState(Qt::WindowActive);
}

// ---------------------------------------------------------------------------------------------------------------
// Events

bool MervexWnd::event(QEvent* e) {
    if (e->type() == QEvent::StatusTip) {
        m_lblToolTip->setText(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    if (e->type() == QEvent::Show && isMinimized())
        showNormal();
    return QWidgetEx::event(e);
}

void MervexWnd::changeEvent(QEvent* e) {
    if (e->type() == QEvent::WindowStateChange && isMinimized() && m_trayIcon && m_trayIcon->isVisible())
        QTimer::singleShot(0, this, &QWidget::hide);
    QWidgetEx::changeEvent(e);
}

void MervexWnd::closeEvent(QCloseEvent* e) {
    // The close sequence asked already. Any other close (the window manager's) asks now and, accepted, only
    // hides the window: the program goes on in the tray.
    if (!m_quitting && !prepclose())
        e->ignore();
    else
        QWidgetEx::closeEvent(e);
}

void MervexWnd::keyPressEvent(QKeyEvent* e) {
    QWidgetEx::keyPressEvent(e);
    if (e->key() == Qt::Key_NumberSign)
        m_lblBuildVer->show();
}

void MervexWnd::keyReleaseEvent(QKeyEvent* e) {
    QWidgetEx::keyReleaseEvent(e);
    if (e->key() == Qt::Key_NumberSign)
        m_lblBuildVer->hide();
    if (e->key() == Qt::Key_Escape || e->key() == Qt::Key_F1) {
        if (m_hooks->HasHelpGuide())
            m_hooks->CloseHelpGuide();
        else if (e->key() == Qt::Key_F1)
            ShowHelpGuideOvl();
    }
}

void MervexWnd::mousePressEvent(QMouseEvent* e) {
    m_dragOrigin.setX(-1);
    if (e->button() == Qt::LeftButton) {
        m_dragOrigin = e->globalPos() - frameGeometry().topLeft();
        e->accept();
        setFocus();
    }
}

void MervexWnd::mouseMoveEvent(QMouseEvent* e) {
    if (m_dragOrigin.x() >= 0 && (e->buttons() & Qt::LeftButton))
        move(e->globalPos() - m_dragOrigin);
}

void MervexWnd::mouseReleaseEvent(QMouseEvent* e) {
    Q_UNUSED(e);
    m_dragOrigin.setX(-1);
}

void MervexWnd::dragEnterEvent(QDragEnterEvent* e) {
    // Any file is taken: one that is no package is refused with a message on the drop, not by a cursor alone.
    if (!DroppedFilePath(e->mimeData()).isEmpty())
        e->acceptProposedAction();
}

void MervexWnd::dropEvent(QDropEvent* e) {
    const QString path = DroppedFilePath(e->mimeData());
    if (path.isEmpty()) {
        e->ignore();
        return;
    }
    e->acceptProposedAction();
    // The import may ask questions: not while the drag source waits for the drop to end.
    QTimer::singleShot(0, this, [this, path] {
        if (ImportFile(path))
            m_hooks->RefillGridBrowser();
    });
}

bool MervexWnd::ImportFile(const QString& path) {
    QString problem;
    if (!IsPackagePath(path))
        problem = tr("%1 is not a grid, control or plug-in package.");
    else if (!QFileInfo(path).isFile())
        problem = tr("%1 was not found.");
    else if (!m_hooks->ImportPackage(path)) {
        // The importer has told the user why, or the user cancelled: no second box.
        QLOG_INFO() << "MervexWnd::ImportFile: nothing imported from" << path;
        return false;
    }
    if (problem.isEmpty())
        return true;
    problem = problem.arg(QDir::toNativeSeparators(path));
    QLOG_WARN() << "MervexWnd::ImportFile:" << problem;
    m_lastRefusal = problem;
    // Told without waiting: a drop, a second start or the start-up must not stall on the answer.
    MsgBoxShow(this, 3, tr("IMPORT"), problem, PopupWnd::OK, PopupWnd::OK)
        ->setObjectName(QStringLiteral("ImportRefused"));
    return false;
}

void MervexWnd::ShowHelpGuideOvl() {
    if (m_tabs[TabCreate]->isVisible() && !m_hooks->HasHelpGuide())
        m_hooks->ShowHelpGuide();
}

void MervexWnd::ShowLogger() {
    if (m_logWnd)
        return;
    m_logWnd = new LoggerWnd(this);
    connect(m_logWnd, &LoggerWnd::Closed, this, &MervexWnd::OnLoggerClosed);
    m_logWnd->show();
}

void MervexWnd::OnLoggerClosed() {
    // A closed window would otherwise stay a log destination, collecting every line while hidden.
    if (m_logWnd)
        m_logWnd->deleteLater();
    m_logWnd = nullptr;
}

void MervexWnd::OnFocusChanged(QWidget* old, QWidget* now) {
    Q_UNUSED(old);
    Q_UNUSED(now);
}

void MervexWnd::OnAppMessageReceived(const QString& message) {
    QLOG_DEBUG() << "OnAppMessageReceived:" << message;
    if (!message.startsWith(QLatin1String("arg: ")))
        return;
    const QString path = message.mid(5).trimmed();
    // The other start's own path, its options and the code after its "-lang" are no files to open.
    const bool languageCode = m_argIsLanguageCode && StartOptions::IsLanguageCode(message.mid(5));
    m_argIsLanguageCode = false;
    if (languageCode)
        return;
    const QFileInfo file(path);
    if (file.isFile() && file.isExecutable() && !IsPackagePath(path))
        return;
    switch (StartOptions::Kind(path)) {
    case StartOptions::LanguageOption:
        m_argIsLanguageCode = true;
        return;
    case StartOptions::LogOption:
    case StartOptions::Option:
        return;
    case StartOptions::UnknownOption:
        QLOG_WARN() << "MervexWnd::OnAppMessageReceived: unknown option of another start ignored:" << path;
        return;
    case StartOptions::File:
        break;
    }
    if (ImportFile(path))
        m_hooks->RefillGridBrowser();
}

// ---------------------------------------------------------------------------------------------------------------
// OK, APPLY, CANCEL and the close sequence

void MervexWnd::OnClickOk() {
    QLOG_DEBUG() << "OnClickOk";
    OnClickApply();
    hide();
}

void MervexWnd::OnClickApply() {
    QLOG_DEBUG() << "OnClickApply";
    m_hooks->ApplyTabs();
    m_hooks->SaveSettings();
    const QString error = m_cfg->SaveUserCfg();
    if (!error.isEmpty()) {
        QLOG_ERROR() << "MervexWnd::OnClickApply:" << error;
    }
}

void MervexWnd::OnClickCancel() {
    QLOG_DEBUG() << "OnClickCancel";
    m_hooks->RevertGrid();
    m_hooks->RevertSettings();
    hide();
}

bool MervexWnd::prepclose() {
    PROFILE_SCOPE("MervexWnd::prepclose");
    if (m_unasked) {
        for (const QString& kept : m_hooks->KeepUnsavedChanges())
            QLOG_WARN() << "MervexWnd::prepclose: ending without asking:" << kept;
    } else {
        if (!m_hooks->GridEditorMayClose())
            return false;
        if (!m_hooks->SettingsMayLeave())
            return false;
    }
    SaveDataSourceSettings();
    m_hooks->StoreTreeState();
    QLOG_INFO() << "MervexWnd::prepclose: done";
    return true;
}

bool MervexWnd::SaveAtExit() {
    if (!IsUserCfgLoaded()) {
        QLOG_INFO() << "MervexWnd::SaveAtExit: the user configuration was not loaded; the file is left as it is";
        return true;
    }
    const QString error = m_cfg->SaveUserCfg();
    if (error.isEmpty()) {
        QLOG_INFO() << "MervexWnd::SaveAtExit: user configuration saved";
        return true;
    }
    QLOG_ERROR() << "MervexWnd::SaveAtExit: the user configuration was not saved:" << error;
    // Nobody is there to read a box after a signal or a headless run; the log holds it.
    if (!m_unasked)
        MsgBox(nullptr, 3, tr("ERROR"), tr("Your settings could not be saved:\n%1").arg(error), PopupWnd::OK,
               PopupWnd::OK);
    return false;
}

void MervexWnd::CloseUnasked(const QString& why) {
    if (m_quitting) {
        QLOG_INFO() << "MervexWnd::CloseUnasked:" << why << "- the program is ending already";
        return;
    }
    QLOG_INFO() << "MervexWnd::CloseUnasked:" << why << "- ending without questions";
    m_unasked = true;
    if (!close())
        QLOG_ERROR() << "MervexWnd::CloseUnasked: the window did not close";
}

bool MervexWnd::close() {
    if (!m_quitting && !prepclose())
        return false;
    m_quitting = true;
    // The function providers and data sources serve until the event loop has ended (the composition root
    // takes them down): a close that leaves the program running must keep every one of them.
    QApplication::setQuitOnLastWindowClosed(true);
    const bool closed = QWidget::close();
    // Another top-level window (a log window, a popup) must not keep the program running.
    if (closed)
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    return closed;
}
