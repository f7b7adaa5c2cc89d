#pragma once
// The right-hand pane of the settings tab: one page at a time, chosen by a page key ("MVX_Settings" for the
// program's own settings, "DataSource,<name>" for a data source's form built from its description). The
// widgets are a working copy: Save writes them into the stored settings and saves the user configuration,
// Revert rebuilds the page from the stored values, and leaving a modified page asks first.

#include "config/datacfg.h"
#include "config/tconfig.h"
#include "server/netserver.h"
#include "shell/maintab.h"

#include <QImage>
#include <QMap>
#include <QPointer>
#include <QVariant>

#include <functional>

class AccountUI;
class IIncomingDataSource;
class ImgWidget;
class PairingUI;
class QComboBoxEx;
class QBoxLayout;
class QLabel;
class QScrollArea;
class QScrollBarEx;
class QTimer;
class QVBoxLayout;

class MTESettingsEdit : public MainTabElem {
    Q_OBJECT
public:
    // A text list holds at most this many entries (indices 0 to MaxListEntries - 1).
    static constexpr int MaxListEntries = 128;

    MTESettingsEdit(QWidget* parent, DataCfg* cfg, NetServer* server);

    QString PageKey() const { return m_page; }
    void SetPageKey(const QString& key) { m_page = key; }
    bool IsModified() const { return m_modified; }
    // Before the page is left: true when it may be left (saved, discarded or unchanged).
    bool MayLeave();
    // Nobody can be asked: unsaved changes are saved as YES to "SAVE CHANGES?" saves them. True when there were.
    bool KeepChangesUnasked();
    // OK and APPLY of the main window, and Yes in the question.
    void Save();
    // CANCEL of the main window: drops the edits and shows the stored values again.
    void Cancel();

    QTimer* UpdateTimer() const { return m_timer; }
    PairingUI* Pairing() const { return m_pairing; }
    AccountUI* Account() const { return m_account; }
    QLabel* TitleLabel() const { return m_lblTitle; }
    QVBoxLayout* EditLayout() const { return m_editLayout; }
    QWidget* EditContainer() const { return m_editCont; }
    // The widget that carries a setting's value (for a text-list entry: "name,index").
    QWidget* ValueWidget(const QString& key) const { return m_values.value(key); }
    QStringList ValueKeys() const { return m_values.keys(); }
    IIncomingDataSource* CurrentSource() const { return m_source; }

    // Program settings page: the media players offered, in this order.
    static QStringList MediaPlayers();
    // The big title of a page's header picture, drawn on a transparent picture with room for accents above the
    // capitals and for descenders below them.
    static QImage HeaderTitle(const QString& title);
    // "#name(...)" with a non-empty name.
    static bool IsFunctionText(const QString& text);
    // The stretch factor of "<stretch=N>" in a layout text; 0 without one.
    static int StretchOf(const QString& layout);

    void Retranslate() override;

    // The file dialog of the image and sound pickers: (parent, title, start folder, filter) to the chosen path,
    // empty when cancelled. Tests put their own in place of the toolkit's dialog; null restores it.
    using FileChooser = std::function<QString(QWidget*, const QString&, const QString&, const QString&)>;
    static void SetFileChooser(const FileChooser& chooser);
    // Where the file dialog of a picker starts, given the box's last text.
    static QString FileStartFolder(const QString& lastText, bool image);

protected:
    // The function labels are refreshed while the page is shown only.
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

public slots:
    void OnUpdate(const QString& key);
    void OnBtnStringListDel();
    void OnBtnStringListAdd();
    void OnModified();
    void OnUpdate();
    void OnPairingUpdate();
    void OnDropIdx();
    void OnBtnConfigClicked();
    void OnReturnPressed();
    QVariant GetSettingsValue(const QString& name);
    QVariant SrcGetValue(const QString& name, const QVariantList& args);
    void Revert();
    // The form takes the data source's current value of one setting (a test's result, say) and keeps the other
    // edits; the page counts as modified, so that APPLY stores what it shows.
    void RevertValue(const QString& name);

private:
    void ClearPage();
    void BuildProgramPage();
    void BuildSourceForm(const DataCfg::TDataSource& desc, const QVariantMap& settings);
    // The value widgets of a data source's form, for the option with its shown value; each is a form value.
    QWidget* MakeSourceEdit(const DataCfg::TConfigOption& opt, const QString& shown);
    QWidget* MakeSourceCheck(const DataCfg::TConfigOption& opt, const QString& shown);
    // A drop-down of the option's items; action markers ("<macro>", ...) make it editable, with the action's
    // text as the item.
    QWidget* MakeSourceDrop(const DataCfg::TConfigOption& opt, const QString& shown);
    void AddHeaderImage(const QString& iconRef, const QString& title);
    static constexpr int kTitleAbove = 12, kTitleLine = 22, kTitleBelow = 10;
    void WriteProgramSettings();
    // The form's values written over the given settings map.
    void FormToSettings(QVariantMap& settings);
    // The entries of a text list: rows added on this page first, then the others, each by index.
    QVariantList ListEntries(const QString& name) const;
    QString EvalFunctionText(const QString& text);
    void ExecConfigFunc(QString name);
    // Finds the description and live source of a "DataSource,<name>" key.
    IIncomingDataSource* FindSource(const QString& key, DataCfg::TDataSource* desc);
    // Runs the parameter popup of a drop-down action; the box text it gives, empty when cancelled or empty.
    QString RunActionPopup(const QString& action);
    // The picked value (or the text before the pick) becomes the box's text.
    void ShowPicked(QComboBoxEx* combo, const QString& text);
    QWidget* AddListRow(const QString& name, int index, const QString& text, QBoxLayout* container, int position);

    DataCfg* m_cfg;
    QPointer<NetServer> m_server;
    QString m_page;
    bool m_modified = false;
    IIncomingDataSource* m_source = nullptr;
    DataCfg::TConfig m_work;
    QString m_workSet;
    QMap<QString, QWidget*> m_values;
    QMap<QString, QBoxLayout*> m_lists;
    QMap<QObject*, QString> m_funcLabels;
    // Stored entries beyond the shown ones are kept and written back after them.
    QMap<QString, QVariantList> m_listTails;
    // Stored values a form could not show (a drop index out of range) are written back unchanged.
    QTimer* m_timer = nullptr;
    PairingUI* m_pairing = nullptr;
    AccountUI* m_account = nullptr;
    QLabel* m_lblEdit = nullptr;
    QLabel* m_lblTitle = nullptr;
    QScrollArea* m_scaEdit = nullptr;
    QWidget* m_editCont = nullptr;
    QVBoxLayout* m_editLayout = nullptr;
    QScrollBarEx* m_scrbEditV = nullptr;
};
