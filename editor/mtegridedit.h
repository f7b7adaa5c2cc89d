#pragma once
// The grid editor tab: one grid on a half-size canvas, the grid menu with all grids, the phone tab bar, the
// custom-grid files (new, save, save as, clear, delete) and the "SAVE CHANGES?" questions that guard
// unsaved edits. The control editor feeds it controls; the grid settings dialog edits the shown record.

#include "config/datacfgrecords.h"
#include "editor/igrideditor.h"
#include "widgets/qwidgetex.h"

#include <functional>

class GridView;
class GridViewGlobal;
class ImgWidget;
class QAction;
class QComboBoxEx;
class QLabel;
class QMenu;
class QPushButton;
class QScrollBarEx;
class TabView;
class TouchScrollArea;

class MTEGridEdit : public QWidgetEx, public IGridEditor {
    Q_OBJECT
public:
    // The phone shows view indices 0..47.
    static constexpr int MaxTabs = 48;
    // The phone's settings tab, always the last entry of the tab list.
    static const char* const AppSettingsTab;

    explicit MTEGridEdit(QWidget* parent = nullptr);
    ~MTEGridEdit() override;

    // --- IGridEditor ---
    double GetScale() const override { return m_scale; }
    QImage LoadScaledGfx(const QString& entry) override;
    const DataCfg::TAppSkin& AppSkin() const override { return *m_appSkin; }
    int AskUser(int icon, const QString& title, const QString& text, int buttons) override;

    // The composed tab icon of a grid, scaled like LoadScaledGfx.
    QImage GetGfxImage(const QString& icon, bool active);
    void SetGridRecord(const DataCfg::TGrid& grid);
    // After every configuration (re)load.
    void ReloadCfg();
    void Retranslate() override;
    void UpdateButtons();
    void RemoveTabOfKey(const QString& key);
    void RefreshTabs();
    void RevertGrid();
    void ApplyTabs();

    int ChangeCount() const { return m_changeCount; }
    bool TabsModified() const { return m_tabsModified; }
    const QStringList& GridKeys() const { return m_gridKeys; }
    GridView* Canvas() const { return m_canvas; }
    GridViewGlobal* Overlay() const { return m_overlay; }
    TabView* Tabs() const { return m_tabs; }
    QMenu* GridMenu() const { return m_menu; }
    QComboBoxEx* GridCombo() const { return m_cmbGrids; }
    QPushButton* Button(const char* objectName) const;

    // --- Seams to the parts around the editor ---
    // Message boxes: icon (1 information, 3 warning, 4 question), title, text, buttons -> the button code.
    // Unset: the program's modal message boxes.
    using AskFn = std::function<int(int icon, const QString& title, const QString& text, int buttons)>;
    void SetAskHandler(AskFn ask) { m_ask = std::move(ask); }
    // The save-as file question (caption, start path, filter) -> the chosen path, empty when cancelled.
    using FileFn = std::function<QString(const QString& caption, const QString& start, const QString& filter)>;
    void SetSaveFileAsker(FileFn ask) { m_saveFile = std::move(ask); }
    // The grid settings dialog on the shown record -> 0x400 when confirmed. Unset: the record is taken as
    // it is (confirmed).
    void SetGridSettingsRunner(std::function<int(MTEGridEdit*)> run) { m_settings = std::move(run); }
    // The control editor's preview control and the control-list entry it came from.
    void SetControlSource(std::function<DataCfg::TControl(QString* resetName)> source) {
        m_controlSource = std::move(source);
    }
    // The folder of the custom-grid files, ending in '/'.
    void SetCustomGridPath(const QString& path) { m_customGridPath = path; }
    QString CustomGridPath() const { return m_customGridPath; }

signals:
    void comboBoxItemSelected(const QString& key);
    void TabElementAction();

public slots:
    void OnTabIndexChanged(int index);
    void OnTabAddedAt(int) {}
    void OnDeckAddedAt(int) {}
    void OnVScroll(int) {}
    void OnCmbDeckIndexChanged(int) {}
    void ShowGrid(const QString& key);
    void ReloadTabs();
    void OnCmbMenuClick();
    void UpdateGridCmb();
    void OnAdd2Grid();
    void OnApplyCfg();
    void OnBtnClear();
    void OnBtnDelete();
    void OnBtnEdit();
    void OnBtnLoad() {}
    bool OnBtnNew();
    void OnBtnSave(bool quiet);
    void OnBtnSave() { OnBtnSave(false); }
    void OnBtnSaveAs();
    void OnBtnArrL();
    void OnBtnArrR();
    void OnBtnGArrL();
    void OnBtnGArrR();
    void OnBtnHide();
    void OnBtnAdd();
    void OnBtnTabHelp();
    bool DoModifiedWarning();
    // The unsaved grid and tab list kept as SAVE and APPLY keep them, without a question or a box (nobody is
    // there to answer); one line per edit says whether it was kept.
    QStringList KeepChangesUnasked();
    bool DoModifiedWarningGrid();
    bool DoModifiedWarningTabs();
    void takeScreenshot();
    // The package popup in export mode: custom grids and the user's own controls into one package file.
    void OnExportPackage();
    // A package the user picks: a plug-in is installed, anything else opens the package popup.
    void OnImportPackage();

private:
    void BuildForm();
    // The steps of BuildForm: the panels, scroll bars, button bar and labels with their look; the canvas and
    // the script message overlay over the app area; the tab bar; the buttons' connections; the grid menu with
    // its shortcuts.
    void BuildFrame();
    void BuildCanvas();
    void BuildTabBar();
    void ConnectButtons();
    void BuildMenu();
    QPushButton* MakeButton(QWidget* parent, const char* name, const QRect& geometry);
    void ShowOnCanvas(const DataCfg::TGrid& grid);
    void UpdateArrows();
    void StepGrid(int step);
    void ErrorBox(const QString& text);
    // APPLY's part for the tab bar: its tabs become the configuration's tab list.
    void StoreTabs();

    bool m_tabsModified = false;
    int m_changeCount = 0;
    std::unique_ptr<DataCfg::TAppSkin> m_appSkin;
    double m_scale = 0.5;
    QStringList m_gridKeys;
    QString m_customGridPath;

    QWidget* m_appArea = nullptr;
    QScrollBarEx* m_scrbAppV = nullptr;
    QWidget* m_tabArea = nullptr;
    QScrollBarEx* m_scrbTabH = nullptr;
    QScrollBarEx* m_scrbTabV = nullptr;
    QWidget* m_btnBar = nullptr;
    QLabel* m_lblEditGrid = nullptr;
    QLabel* m_lblSelTab = nullptr;
    QComboBoxEx* m_cmbGrids = nullptr;
    TouchScrollArea* m_appScroll = nullptr;
    GridView* m_canvas = nullptr;
    GridViewGlobal* m_overlay = nullptr;
    ImgWidget* m_tabBarBg = nullptr;
    TouchScrollArea* m_tabScroll = nullptr;
    TabView* m_tabs = nullptr;
    QMenu* m_menu = nullptr;
    QMenu* m_menuPreset = nullptr;
    QMenu* m_menuPremium = nullptr;
    QMenu* m_menuCustom = nullptr;
    QAction* m_actNew = nullptr;
    QAction* m_actSave = nullptr;
    QAction* m_actSaveAs = nullptr;
    QAction* m_actEdit = nullptr;
    QAction* m_actClear = nullptr;
    QAction* m_actDelete = nullptr;
    QAction* m_actExport = nullptr;
    QAction* m_actImport = nullptr;

    AskFn m_ask;
    FileFn m_saveFile;
    std::function<int(MTEGridEdit*)> m_settings;
    std::function<DataCfg::TControl(QString*)> m_controlSource;
};
