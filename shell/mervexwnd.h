#pragma once
// The single main window. It is handed what the whole program shares (configuration model, phone server,
// image caches: the composition root builds them), fixes the data, user, temporary and custom-grid folders,
// and defers the heavy start-up to two zero-time steps, which load the configuration and open the server. It
// switches between the four main tabs, lives in the tray and runs the close sequence that every way of
// quitting goes through.

#include "shell/programcontext.h"
#include "widgets/qwidgetex.h"

#include <QPointer>
#include <QSystemTrayIcon>

#include <memory>

class AutoUpdate;
class AutoUpdateDialog;
class DataCfg;
class IMainTabHooks;
class ImgWidget;
class LangBtn;
class LangSelector;
class LanguageSwitcher;
class LoggerWnd;
class MainCtrlBtn;
class NetServer;
class PopupWnd;
class QLabel;
class QLabelEx;
class QMenuEx;
class QPropertyAnimation;
class QPushButton;
class QTimer;
class TiledBtn;
class WebImageCache;

class MervexWnd : public QWidgetEx {
    Q_OBJECT
public:
    enum MainTabKind { TabCreate = 0, TabSettings, TabSupport, TabBrowse, MainTabCount };
    // Where every main tab sits in the window.
    static QRect MainTabRect() { return QRect(7, 89, 1014, 660); }

    // Folders the window uses in place of the defaults (tests); empty members keep the default rule.
    struct Folders {
        QString data;
        QString user;
        // The command line the start-up opens files from; empty: the process's own. A test process's arguments
        // name its test functions, not files for the program.
        QStringList arguments;
    };

    // The tabs' answers are the program's (ProgramTabHooks) or a test's; they and the parts outlive the window.
    MervexWnd(IMainTabHooks& hooks, const ProgramContext& parts, const Folders& folders = Folders(),
              QWidget* parent = nullptr);
    ~MervexWnd() override;

    // The one main window of the process; null before it was built and after it was destroyed.
    static MervexWnd* Instance();

    // Folders, each ending in '/'.
    QString GetDataPath() const { return m_dataPath; }
    QString GetUserPath() const { return m_userPath; }
    QString GetTempPath() const { return m_tempPath; }
    QString GetCustomGridPath() const { return m_customGridPath; }

    // The data folder: MERVEX_DATA_DIR when set, else "Data/" of the working folder, else "Data/" beside
    // the program, else the first of installedDirs; a folder counts only when it holds "mainCfg.json".
    // Empty when none does.
    static QString FindDataFolder(const QString& workingDir, const QString& programDir,
                                  const QStringList& installedDirs = QStringList());
    // Where `cmake --install` puts the data folder: first found from the program's folder (so an installed
    // tree may move as a whole), then at the path the build was configured for.
    static QStringList InstalledDataFolders(const QString& programDir);
    // Moves an old home-based user folder below the Documents folder; answers the user folder to use.
    static QString MigrateUserFolder(const QString& home, const QString& documents);

    DataCfg* Cfg() const { return m_cfg; }
    NetServer* Server() const { return m_server; }

    // The tabs: a placeholder until the tab itself is installed (the window takes ownership).
    QWidget* Tab(MainTabKind kind) const { return m_tabs[kind]; }
    void SetTab(MainTabKind kind, QWidget* tab);
    IMainTabHooks* TabHooks() const { return m_hooks; }
    // The tab shown last, -1 before the first switch.
    int CurrentTab() const { return m_currentTab; }

    // Whether the deferred start-up has loaded the user configuration (only then is it saved at the end).
    bool IsUserCfgLoaded() const { return m_userCfgLoaded; }
    bool IsStarted() const { return m_started; }
    // The language chosen last (the code as given, e.g. "de" or "en_US").
    QString CurrentLanguage() const { return m_language; }
    // Installs the toolkit's, the program's and the configuration's translations of code and sets the texts
    // again (a custom translation source in the working folder is compiled in the background).
    void SwitchLanguage(const QString& code);
    LanguageSwitcher* Languages() const { return m_languages; }
    LangBtn* LanguageButton() const { return m_btnLang; }
    LangSelector* LanguagePanel() const { return m_langPanel; }
    // The update controller (made and asked at construction) and the update dialog while it is open.
    AutoUpdate* UpdateController() const { return m_autoUpdate; }
    AutoUpdateDialog* UpdateDialog() const;

    QSize sizeHint() const override { return QSize(880, 660); }
    void Retranslate() override;

    // Widgets of the form, for the tabs and the tests.
    QLabel* ToolTipLabel() const { return m_lblToolTip; }
    QLabelEx* BuildLabel() const { return m_lblBuildVer; }
    ImgWidget* TabMarker() const { return m_marker; }
    MainCtrlBtn* TabButton(MainTabKind kind) const { return m_tabButtons[kind]; }
    QSystemTrayIcon* TrayIcon() const { return m_trayIcon; }

signals:
    // Both deferred start-up steps have run.
    void StartupFinished();

public slots:
    void DeferredInit0();
    void DeferredInit1();
    void CreateInitialCustomTab();
    // The first start's add-device popup ended (a phone paired, or SKIP): the window shows as a start shows it.
    void FirstStartPairingEnded();

    void showMainWindow();
    void showSettingsWindow();
    void showSupportWindow();
    void showEasyWindow();
    void CreateTrayIcon();
    void TrayIconActivated(QSystemTrayIcon::ActivationReason reason);
    void ShowNormal();
    // The close checks: the unsaved-changes questions, then the data sources' settings and the control list's
    // tree state kept in the configuration; false when the user cancelled a question. Nothing is taken down:
    // a close may not end the program (the window closed into the tray, a session end that another program
    // cancels), which must go on working and ask again at its next close.
    bool prepclose();
    // The close sequence: prepclose, then the window closes and the event loop ends (the function providers
    // and data sources go with the composition root, after it).
    bool close();
    // The close sequence when nobody can answer (a signal: a logout, Ctrl+C, a closed terminal): no question,
    // the unsaved edits kept as their OK keeps them and logged. Once the program is ending, a further call only
    // logs that it is.
    void CloseUnasked(const QString& why);
    // After the event loop: the user configuration written back, only when it was loaded (defaults must not
    // replace the user's file). A failure is logged as an error and, when the user ended the program, shown in
    // a box; false then.
    bool SaveAtExit();
    // Whether the close sequence has begun ending the program.
    bool IsQuitting() const { return m_quitting; }
    void OnClickOk();
    void OnClickApply();
    void OnClickCancel();
    void ShowLogger();
    void OnLoggerClosed();
    void ShowHelpGuideOvl();
    void OnSupportOk();
    void OnSupportError();
    // The language panel's choice: stored as "Language" and switched to at once.
    void LanguageClicked(const QString& code);
    void on_btnLang_clicked();
    // The update check answered: a newer release opens the update dialog.
    void newVellichorVersionReady(bool received);
    void slotCloseAutoUpdateDialog();
    void OnAppMessageReceived(const QString& message);
    // Imports a package from a drop, the command line or another start; a file that is no package or is
    // missing is refused with a message (false). One the importer does not take (false) has been told there,
    // or the user cancelled.
    bool ImportFile(const QString& path);
    // The last refusal told to the user (tests).
    QString LastImportRefusal() const { return m_lastRefusal; }
    void OnFocusChanged(QWidget* old, QWidget* now);

protected:
    bool event(QEvent* e) override;
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    void BuildForm();
    void FixFolders(const Folders& folders);
    // Hides every tab, shows the given one and slides the marker under its button.
    void SwitchTo(MainTabKind kind);
    void MoveMarker(QWidget* button);
    // The end of the start-up: shown, or minimised with "/m".
    void ShowStarted();

    QPoint m_dragOrigin{-1, 0};
    QWidget* m_tabs[MainTabCount] = {};
    MainCtrlBtn* m_tabButtons[MainTabCount] = {};
    int m_currentTab = -1;
    ImgWidget* m_serviceStrip = nullptr;
    DataCfg* m_cfg = nullptr;
    NetServer* m_server = nullptr;
    WebImageCache* m_webImages = nullptr;
    QString m_dataPath;
    QString m_userPath;
    QString m_tempPath;
    QString m_customGridPath;
    QLabel* m_blackBar = nullptr;
    QSystemTrayIcon* m_trayIcon = nullptr;
    QMenuEx* m_trayMenu = nullptr;
    QAction* m_actHide = nullptr;
    QAction* m_actShow = nullptr;
    QAction* m_actQuit = nullptr;
    ImgWidget* m_marker = nullptr;
    QPropertyAnimation* m_markerAnimation = nullptr;
    // The open log window; null while closed.
    QPointer<LoggerWnd> m_logWnd;

    QPushButton* m_btnClose = nullptr;
    QPushButton* m_btnMini = nullptr;
    LangBtn* m_btnLang = nullptr;
    LangSelector* m_langPanel = nullptr;
    LanguageSwitcher* m_languages = nullptr;
    AutoUpdate* m_autoUpdate = nullptr;
    QPointer<AutoUpdateDialog> m_updateDialog;
    QLabel* m_lblToolTip = nullptr;
    QLabel* m_lblTitle = nullptr;
    QString m_titleText;
    QLabelEx* m_lblBuildVer = nullptr;
    TiledBtn* m_btnOk = nullptr;
    TiledBtn* m_btnApply = nullptr;
    TiledBtn* m_btnCancel = nullptr;

    IMainTabHooks* m_hooks;

    QString m_language;
    QString m_lastRefusal;
    bool m_userCfgLoaded = false;
    bool m_started = false;
    // The first start's add-device popup is open; the window shows when it ends.
    bool m_firstPairing = false;
    // close() passed the questions: the window's own close event does not ask them again.
    bool m_quitting = false;
    QStringList m_arguments;          // the command line the start-up opens files from (empty: the process's own)
    bool m_unasked = false;           // the close sequence runs without questions
    bool m_argIsLanguageCode = false; // another start's last argument was "-lang"
};
