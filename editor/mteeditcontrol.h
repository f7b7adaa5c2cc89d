#pragma once
// The control editor panel of the controls tab: a form generated from the selected control's configuration
// description, a zoomable live preview that can be dragged onto the grid editor's canvas, and the buttons
// that save the control into the user's own list, reset, export and import it and add it to the grid.

#include "config/datacfgrecords.h"
#include "widgets/qwidgetex.h"

#include <QElapsedTimer>
#include <QMap>
#include <QPointer>
#include <QVariant>

#include <functional>

class CtrlView;
class ImgWidget;
class MTEButtonElements;
class MTEGridEdit;
class QBoxLayout;
class QComboBoxEx;
class QDialog;
class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QMimeData;
class QPushButton;
class QScrollArea;
class QScrollBarEx;
class QScriptEngine;
class QTimer;
class QVBoxLayout;
class QWidgetEx;

class MTEEditControl : public QWidgetEx {
    Q_OBJECT
public:
    // Button codes of the popups.
    static constexpr int Ok = 0x400;

    explicit MTEEditControl(QWidget* parent = nullptr);
    ~MTEEditControl() override;

    // The panels this one works with; the controls tab sets them once.
    void SetGridEditor(MTEGridEdit* editor) { m_gridEdit = editor; }
    void SetControlList(MTEButtonElements* list) { m_list = list; }
    // The preview clock, the apply check and the deck background; once at start-up.
    void InitTimers();
    void Retranslate() override;

    const DataCfg::TControl& WorkingControl() const { return m_control; }
    // The control record of the preview (what the grid editor adds and applies).
    DataCfg::TControl PreviewControl() const;
    QString ListName() const { return m_listName; }
    QString Category() const { return m_category; }
    QString EntryName() const { return m_entryName; }
    QString Title() const { return m_title; }
    CtrlView* Preview() const { return m_preview; }
    ImgWidget* DeckBackground() const { return m_deck; }
    QObject* OptionWidget(const QString& name) const { return m_widgets.value(name); }
    QStringList OptionWidgetNames() const { return m_widgets.keys(); }
    bool ApplyPending() const { return m_applyPending; }
    QPushButton* Button(const char* objectName) const;
    // What a drag of the preview carries: the marker the grid canvas takes (the control comes from here).
    static QMimeData* MakeDragData();
    QComboBoxEx* ZoomBox() const { return m_cmbZoom; }
    QWidget* FormContainer() const { return m_formCont; }

    // --- Seams to the desktop (unset: the system's dialogs) ---
    using FileFn = std::function<QString(const QString& caption, const QString& start, const QString& filter)>;
    void SetOpenFileAsker(FileFn ask) { m_openFile = std::move(ask); }
    void SetFolderAsker(FileFn ask) { m_openFolder = std::move(ask); }
    void SetSaveFileAsker(FileFn ask) { m_saveFile = std::move(ask); }
    // Message boxes: icon (3 warning), title, text, buttons -> the button code.
    using AskFn = std::function<int(int icon, const QString& title, const QString& text, int buttons)>;
    void SetAskHandler(AskFn ask) { m_ask = std::move(ask); }
    // "Save Custom Control As ...": category and name in and out; false when cancelled.
    using NameFn = std::function<bool(QString& category, QString& name)>;
    void SetSaveAsAsker(NameFn ask) { m_saveAs = std::move(ask); }
    // Every parameter popup is run through this (modal) and its value read afterwards. Unset: exec().
    static void SetPopupRunner(std::function<int(QDialog*)> run);

signals:
    void Add2Grid();
    void ApplyCfg();
    // The user's own control list changed (save, import): the control list refills.
    void ControlsSaved();

public slots:
    void OnSelControl(CtrlView* view);
    void OnSelControl(const QString& id);
    void OnSelControl(DataCfg::TControl& control);
    void OnSelControl(DataCfg::TControl& control, const QString& entryName);
    void OnCmbZoomChanged(const QString& text);
    void InitBG();
    void OnUpdate();

    // Form edits.
    void OnApplyCfg();
    void CheckApplyCfg();
    void OnDropIdx();
    void OnSpinDrop();
    void OnSelectFile();
    void OnSelectFolder();
    void OnRecordShortcut();
    void OnBtnConfigClicked();

    // Values, also called by configuration scripts.
    QVariant GetConfigValue(const QString& name);
    void SetConfigValue(const QString& name, const QString& value);
    bool HasConfigFocus(const QString& name);
    QString DoSelectFile(const QString& caption, const QString& filter, const QString& value);
    QString DoSelectFolder(const QString& caption, const QString& value);
    QString DoShortcutPopup(const QString& value);
    QString DoMacroPopup(const QString& value);
    QString TilingDialog(const QString& value, const QString& defaultValue);
    bool ValidateSize(int width, int height);

    // Storage and exchange.
    void OnSave();
    void OnSaveAs();
    void DoSave();
    void OnReset();
    void OnExport();
    void OnImport();
    void OnImport(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The preview ticks only while the editor is shown; shown again, the time it was away passes in one step.
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    // Advances the preview's clock by the step and ticks the preview.
    void Tick(uint stepMs);
    // The steps of the constructor: the option form's scroll area and its scroll bar; the preview's scroll area
    // with its deck, zoom box and scroll bars; the two headings; the buttons and their connections.
    void BuildEditArea();
    void BuildPreviewArea();
    void BuildHeadings();
    void BuildButtons();

    enum class Origin { Tree, Reset, Other };
    void Select(const DataCfg::TControl& control, const QString& entryName, Origin origin);
    void RebuildPreview(bool fit);
    void RebuildForm();
    // One builder per option kind: the option's widgets into the form's open row; false when the option
    // cannot be built (the row stays open, as if it were not there).
    class Form;
    void AddLayoutTexts();
    bool AddLabelOption(const DataCfg::TConfigOption& o, int index, Form& form);
    bool AddTextOption(const DataCfg::TConfigOption& o, int index, Form& form);
    bool AddCheckOption(const DataCfg::TConfigOption& o, int index, Form& form);
    bool AddRadioOption(const DataCfg::TConfigOption& o, int index, Form& form);
    bool AddDropOption(const DataCfg::TConfigOption& o, int index, Form& form);
    bool AddPickerOption(const DataCfg::TConfigOption& o, int index, Form& form);
    bool AddButtonOption(const DataCfg::TConfigOption& o, int index, Form& form);
    bool AddSpinnerOption(const DataCfg::TConfigOption& o, int index, Form& form);
    bool AddSpinDropOption(const DataCfg::TConfigOption& o, int index, Form& form);
    bool AddAlignOption(const DataCfg::TConfigOption& o, int index, Form& form);
    bool AddPositionOption(const DataCfg::TConfigOption& o, int index, Form& form);
    bool AddColourOption(const DataCfg::TConfigOption& o, int index, Form& form);
    void StoreWidgetValues(bool appendMissing);
    void RunConfigFunc(const QString& handlers, const QString& argument);
    void RunControlFunc(const QString& handler);
    QObject* ControlScriptObject(QScriptEngine* engine);
    QString MatchDroppedFile(const QMimeData* mime) const;
    int Ask(int icon, const QString& title, const QString& text, int buttons);
    QString AskOpenFile(const QString& caption, const QString& start, const QString& filter);
    QString AskFolder(const QString& caption, const QString& start);
    static int RunPopup(QDialog* popup);

    DataCfg::TControl m_control;
    CtrlView* m_preview = nullptr;
    ImgWidget* m_deck = nullptr;
    QMap<QString, QObject*> m_widgets;
    QString m_title;
    QString m_listName;
    QString m_category;
    QString m_entryName;
    QPoint m_dragOrigin = QPoint(-1000, 0);
    QTimer* m_updateTimer = nullptr;
    QTimer* m_applyTimer = nullptr;
    bool m_applyPending = false;
    uint m_clock = 0;
    // Since when the editor is hidden and its update timer stopped; invalid while it ticks.
    QElapsedTimer m_hiddenSince;

    MTEGridEdit* m_gridEdit = nullptr;
    MTEButtonElements* m_list = nullptr;

    QScrollArea* m_scaEdit = nullptr;
    QWidgetEx* m_formCont = nullptr;
    QVBoxLayout* m_editLayout = nullptr;
    QScrollArea* m_scaPreview = nullptr;
    QWidgetEx* m_previewCont = nullptr;
    QLabel* m_lblControls = nullptr;
    QLabel* m_lblPreview = nullptr;
    QComboBoxEx* m_cmbZoom = nullptr;
    QScrollBarEx* m_scrbPreviewV = nullptr;
    QScrollBarEx* m_scrbPreviewH = nullptr;
    QScrollBarEx* m_scrbEditV = nullptr;

    FileFn m_openFile;
    FileFn m_openFolder;
    FileFn m_saveFile;
    AskFn m_ask;
    NameFn m_saveAs;
};
