#pragma once
// The "MACRO MANAGER" popup: edits the user configuration's macros (grouped into macro sets by their
// category), shows the selected macro's script as a list of steps and as text, inserts, edits, reorders and
// deletes steps, and records key strokes from the PC keyboard. The result is a macro reference
// ("Set/Name") or, when no macro was chosen, the script text itself.

#include "config/datacfg.h"
#include "widgets/popupwnd.h"

#include "config/tusercfg.h"
#include <QAbstractButton>

#include <QItemSelection>
#include <QList>
#include <QModelIndex>
#include <QStringList>

class QCheckBox;
class QComboBoxEx;
class QLineEdit;
class QListView;
class QLVDrop;
class QMenu;
class QPlainTextEdit;
class QStandardItem;
class QStandardItemModel;
class StdBtn;

class MacroPopup : public PopupWnd {
    Q_OBJECT

public:
    // Item data role of the list rows: the record index (macro list) or the step index (step list).
    static constexpr int IndexRole = Qt::UserRole + 1;
    // A recording stops growing at this script length: each key event compacts and shows the whole script.
    static constexpr int MaxRecordedLength = 8 * 1024;

    MacroPopup(QWidget* parent, const QString& value);

    // The chosen reference when a macro was selected, else the current script.
    QString GetMacroName() const;
    static QString CompactScript(const QString& script);

    // State the tests and the control editor look at.
    QString CurrentScript() const { return m_script; }
    QString CurrentSet() const { return m_set; }
    QList<DataCfg::TMacro> WorkingMacros() const { return m_macros; }
    QStringList SetNames() const { return m_setNames; }
    QStringList Steps() const { return m_steps; }
    bool IsRecording() const;
    QComboBoxEx* SetCombo() const { return m_cmbSet; }
    QListView* MacroList() const;
    QListView* StepList() const;
    QStandardItemModel* MacroModel() const { return m_macroModel; }
    QStandardItemModel* StepModel() const { return m_stepModel; }
    QCheckBox* RecordDelaysBox() const { return m_chkDelays; }
    QCheckBox* RepeatBox() const { return m_chkRepeat; }
    QLineEdit* LoopsEdit() const { return m_edtLoops; }
    QPlainTextEdit* ScriptBox() const { return m_txtScript; }
    StdBtn* RecordButton() const { return m_btnRecord; }

    // Milliseconds since the epoch for the delay rule; tests set their own clock.
    using Clock = std::function<qint64()>;
    void SetClock(const Clock& clock) { m_clock = clock; }
    // The set-name and yes/no questions; tests answer them in place of the modal boxes. Null restores them.
    using NameAsker = std::function<bool(QWidget*, QString*)>;
    using Asker = std::function<bool(QWidget*, const QString&)>;
    static void SetAskers(const NameAsker& name, const Asker& yesNo);

    bool eventFilter(QObject* watched, QEvent* event) override;

public slots:
    void FillCategories();
    void OnCmbCategoryChanged(int row);
    void OnListMacrosChanged(const QModelIndex& index);
    void OnListMacrosChanged(const QItemSelection& selected, const QItemSelection& deselected);
    void FillSequence(const QString& script);
    void OnSequenceItemChanged(QStandardItem* item);
    void OnMacrosItemChanged(QStandardItem* item);
    void OnListContextMenuRequested(const QPoint& pos);
    void OnScriptEdited();
    void OnRepeatChanged();
    void OnRecBef() {}
    void OnRecAft() {}
    void OnInsDelay();
    void OnEditSeqItem();
    void OnDeleteSeqItem();
    void OnInsMouseLDown();
    void OnInsMouseMDown();
    void OnInsMouseRDown();
    void OnInsMouseLUp();
    void OnInsMouseMUp();
    void OnInsMouseRUp();
    void OnInsMouseLClick();
    void OnInsMouseMClick();
    void OnInsMouseRClick();
    void OnInsMouseWDown();
    void OnInsMouseWUp();
    void OnBtnRecord();
    void OnBtnCompact() {}
    void OnBtnNew();
    void OnBtnDel();
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;

private:
    int CurrentStepIndex() const;
    int CurrentMacroIndex() const;
    void InsertStep(const QString& step);
    void ShowSteps();
    void SelectMacroRow(int row);
    void ApplyDelayRule();
    void RecordKey(QKeyEvent* e, bool down);
    void SetRecording(bool on);
    qint64 Now() const;

    QString m_openedName;
    QList<DataCfg::TMacro> m_macros;
    QStringList m_setNames;
    QString m_set;
    QString m_script;
    QStringList m_steps;
    QString m_chosen;
    qint64 m_lastEventTime = -1;
    bool m_filling = false;
    Clock m_clock;

    QComboBoxEx* m_cmbSet = nullptr;
    QListView* m_lstMacros = nullptr;
    QLVDrop* m_lstSteps = nullptr;
    QStandardItemModel* m_macroModel = nullptr;
    QStandardItemModel* m_stepModel = nullptr;
    StdBtn* m_btnNew = nullptr;
    StdBtn* m_btnDel = nullptr;
    StdBtn* m_btnRecord = nullptr;
    QCheckBox* m_chkDelays = nullptr;
    QCheckBox* m_chkRepeat = nullptr;
    QLineEdit* m_edtLoops = nullptr;
    QPlainTextEdit* m_txtScript = nullptr;
    QMenu* m_menu = nullptr;
};
