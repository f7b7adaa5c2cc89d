#include "editor/macropopup.h"

#include "editor/editorresources.h"
#include "editor/macroscript.h"
#include "editor/qlvdrop.h"
#include "foundation/helpers.h"
#include "foundation/logger/QsLog.h"
#include "functions/macrosteps.h"
#include "functions/pal/keynames.h"
#include "functions/pal/pal.h"
#include "widgets/qcomboboxex.h"
#include "widgets/qlabelex.h"
#include "widgets/qlineeditex.h"
#include "widgets/stdbtn.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDropEvent>
#include <QIntValidator>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStandardItemModel>

namespace {

const char* const kLabelStyle =
    "QLabel {border: 1px solid #303030; color: #707070; font-size:10px; background: qlineargradient(x1: 0, y1: 0, "
    "x2: 0, y2: 1, stop: 0 #060606, stop: 1.0 #161616); } ";
const char* const kFrameStyle = "QWidget {border: 1px solid #303030; } ";
const char* const kCheckStyle = "QCheckBox {border: none; color: #707070; font-size:10px; background:none; } ";
const char* const kListStyle = "QListView {border: 1px solid #303030;} ";

// Rows of the macro list sort by the user's locale.
class QStandardItemSort : public QStandardItem {
public:
    using QStandardItem::QStandardItem;
    bool operator<(const QStandardItem& other) const override {
        return QString::localeAwareCompare(text(), other.text()) < 0;
    }
};

MacroPopup::NameAsker& NameAskerHook() {
    static MacroPopup::NameAsker asker;
    return asker;
}

MacroPopup::Asker& YesNoHook() {
    static MacroPopup::Asker asker;
    return asker;
}

bool AskYesNo(QWidget* parent, const QString& text) {
    if (YesNoHook())
        return YesNoHook()(parent, text);
    return MsgBoxQuestion(parent, MacroPopup::tr("ATTENTION"), text, PopupWnd::YES | PopupWnd::NO, PopupWnd::NO) ==
           PopupWnd::YES;
}

bool AskSetName(QWidget* parent, QString* name) {
    if (NameAskerHook())
        return NameAskerHook()(parent, name);
    auto* popup = new PopupWnd(parent);
    popup->setWindowTitle(MacroPopup::tr("ATTENTION"));
    popup->text = MacroPopup::tr("Please enter a name for the macro set:");
    popup->AddButtons(PopupWnd::OK | PopupWnd::CANCEL, PopupWnd::CANCEL);
    popup->adjustSize();
    popup->resize(popup->width(), popup->height() + 30);
    auto* edit = new QLineEditEx(popup);
    edit->setGeometry((popup->width() - 200) / 2, 100, 200, 20);
    edit->setFocus();
    const bool ok = popup->exec() == PopupWnd::OK;
    *name = edit->text();
    return ok;
}

QLabelEx* SectionLabel(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* label = new QLabelEx(parent, text);
    label->setStyleSheet(QLatin1String(kLabelStyle));
    label->setGeometry(geometry);
    return label;
}

QWidget* Frame(QWidget* parent, const QRect& geometry) {
    auto* frame = new QWidget(parent);
    frame->setStyleSheet(QLatin1String(kFrameStyle));
    frame->setGeometry(geometry);
    return frame;
}

QString MouseStepText(const QString& step) {
    const QStringList words = step.mid(2).simplified().split(QLatin1Char(' '));
    const QString action = words.value(0);
    const QString button = words.value(1);
    QString text;
    if (button == QLatin1String("l"))
        text = MacroPopup::tr("Left");
    else if (button == QLatin1String("r"))
        text = MacroPopup::tr("Right");
    else if (button == QLatin1String("m"))
        text = MacroPopup::tr("Middle");
    else
        text = MacroPopup::tr("Wheel");
    // A button goes up when released and down when pressed; the wheel turns up or down. Many languages say
    // these differently, so each has its own text.
    const bool wheel = button != QLatin1String("l") && button != QLatin1String("r") && button != QLatin1String("m");
    if (action == QLatin1String("u"))
        text += wheel ? MacroPopup::tr(" Up", "wheel turned up") : MacroPopup::tr(" Up", "mouse button released");
    else if (action == QLatin1String("d"))
        text += wheel ? MacroPopup::tr(" Down", "wheel turned down") : MacroPopup::tr(" Down", "mouse button pressed");
    else if (action == QLatin1String("p"))
        text += MacroPopup::tr(" Click");
    return text;
}

// Icons are made once: a long script shows many rows, and it is shown again at every recorded key.
const QIcon& StepIcon(const char* name) {
    static QHash<const char*, QIcon> icons;
    auto it = icons.find(name);
    if (it == icons.end())
        it = icons.insert(name, QIcon(QLatin1String(":/images/") + QLatin1String(name)));
    return it.value();
}

bool IsDelay(const QString& step, qint64* ms = nullptr) {
    bool ok = false;
    const qint64 n = step.toLongLong(&ok);
    if (ms)
        *ms = n;
    return ok && n != 0;
}

} // namespace

void MacroPopup::SetAskers(const NameAsker& name, const Asker& yesNo) {
    NameAskerHook() = name;
    YesNoHook() = yesNo;
}

QString MacroPopup::CompactScript(const QString& script) {
    return MacroScript::Compact(script);
}

MacroPopup::MacroPopup(QWidget* parent, const QString& value) : PopupWnd(parent), m_openedName(value.trimmed()) {
    InitEditorResources();
    setWindowTitle(tr("MACRO MANAGER"));
    resize(715, 480);
    AddButtons(OK | CANCEL, OK);

    new QLabelEx(this, tr("MACRO SELECT"));
    findChildren<QLabelEx*>().last()->move(17, 48);
    new QLabelEx(this, tr("MACRO BASIC EDITOR"));
    findChildren<QLabelEx*>().last()->move(223, 48);

    m_cmbSet = new QComboBoxEx(this);
    m_cmbSet->setGeometry(17, 72, 194, 21);
    m_cmbSet->setMaxVisibleItems(36);

    m_lstMacros = new QListView(this);
    m_lstMacros->setGeometry(17, 92, 194, 328);
    m_lstMacros->setStyleSheet(QLatin1String(kListStyle));
    auto* line = new QWidget(this);
    line->setStyleSheet(QStringLiteral("QWidget {border-top: 1px solid #303030;} "));
    line->setGeometry(17, 92 + 328 - 1, 194, 1);
    m_lstMacros->installEventFilter(this);

    m_btnNew = new StdBtn(this, 1);
    m_btnNew->setText(tr("+ NEW"));
    m_btnNew->setStatusTip(tr("Add new Macro"));
    m_btnNew->move(16, height() - 33);
    m_btnDel = new StdBtn(this, 1);
    m_btnDel->setText(tr("DELETE"));
    m_btnDel->setStatusTip(tr("Remove Macro"));
    m_btnDel->move(m_btnNew->x() + m_btnNew->width() + 6, height() - 33);

    SectionLabel(this, tr("KEY PRESS SEQUENCE"), QRect(223, 72, 239, 21));
    m_lstSteps = new QLVDrop(this);
    m_lstSteps->setGeometry(223, 92, 239, 328);
    m_lstSteps->setStyleSheet(QLatin1String(kListStyle));
    m_lstSteps->setDragDropMode(QAbstractItemView::InternalMove);
    m_lstSteps->setContextMenuPolicy(Qt::CustomContextMenu);
    m_lstSteps->SetDropFilter(this);
    m_lstSteps->installEventFilter(this);

    SectionLabel(this, tr("RECORD OPTIONS"), QRect(474, 72, 223, 21));
    QWidget* recFrame = Frame(this, QRect(474, 92, 223, 61));
    m_btnRecord = new StdBtn(recFrame, 1);
    m_btnRecord->setText(tr("START RECORD"));
    m_btnRecord->setCheckable(true);
    m_btnRecord->setIcon(QIcon(QStringLiteral(":/images/LEDGray")));
    m_btnRecord->move(10, 10);
    m_chkDelays = new QCheckBox(tr("RECORD DELAYS"), recFrame);
    m_chkDelays->setStyleSheet(QLatin1String(kCheckStyle));
    m_chkDelays->move(10, 35);

    SectionLabel(this, tr("MACRO OPTIONS"), QRect(474, 152, 223, 21));
    QWidget* optFrame = Frame(this, QRect(474, 172, 223, 61));
    m_chkRepeat = new QCheckBox(tr("REPEAT THE MACRO"), optFrame);
    m_chkRepeat->setStyleSheet(QLatin1String(kCheckStyle));
    m_chkRepeat->move(10, 10);
    m_edtLoops = new QLineEditEx(optFrame);
    m_edtLoops->setGeometry(30, 30, 35, 20);
    m_edtLoops->setValidator(new QIntValidator(1, 255, m_edtLoops));
    m_edtLoops->setText(QStringLiteral("1"));
    auto* loops = new QLabelEx(optFrame, tr("NUMBER OF LOOPS (1-255)"));
    loops->setStyleSheet(QStringLiteral("QLabel {border: none; color: #707070; font-size:10px; } "));
    loops->setGeometry(72, 29, 223, 21);

    SectionLabel(this, tr("MACRO CODE"), QRect(474, 232, 223, 21));
    Frame(this, QRect(474, 252, 223, 168));
    m_txtScript = new QPlainTextEdit(this);
    m_txtScript->setGeometry(484, 262, 203, 148);

    if (DataCfg* cfg = DataCfg::Instance())
        m_macros = cfg->UserCfg().Macros;

    connect(m_cmbSet, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &MacroPopup::OnCmbCategoryChanged);
    connect(m_lstSteps, &QWidget::customContextMenuRequested, this, &MacroPopup::OnListContextMenuRequested);
    connect(m_txtScript, &QPlainTextEdit::textChanged, this, &MacroPopup::OnScriptEdited);
    connect(m_chkRepeat, &QCheckBox::stateChanged, this, &MacroPopup::OnRepeatChanged);
    connect(m_edtLoops, &QLineEdit::textEdited, this, &MacroPopup::OnRepeatChanged);
    connect(m_btnRecord, &QAbstractButton::clicked, this, &MacroPopup::OnBtnRecord);
    connect(m_btnNew, &QAbstractButton::clicked, this, &MacroPopup::OnBtnNew);
    connect(m_btnDel, &QAbstractButton::clicked, this, &MacroPopup::OnBtnDel);

    FillCategories();
}

QListView* MacroPopup::MacroList() const {
    return m_lstMacros;
}

QListView* MacroPopup::StepList() const {
    return m_lstSteps;
}

bool MacroPopup::IsRecording() const {
    return m_btnRecord->isChecked();
}

QString MacroPopup::GetMacroName() const {
    return m_chosen.isEmpty() ? m_script : m_chosen;
}

qint64 MacroPopup::Now() const {
    return m_clock ? m_clock() : QDateTime::currentMSecsSinceEpoch();
}

// ---- Macro sets and macros ----

void MacroPopup::FillCategories() {
    const QStringList opened = m_openedName.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    const QString wanted = opened.value(0);
    QStringList names;
    for (const DataCfg::TMacro& m : m_macros)
        if (!names.contains(m.Category))
            names << m.Category;
    SortLocaleAware(names);
    m_setNames = names;

    m_cmbSet->blockSignals(true);
    m_cmbSet->clear();
    m_cmbSet->addItems(names);
    m_cmbSet->insertSeparator(m_cmbSet->count());
    m_cmbSet->addItem(QIcon(QStringLiteral(":/images/IcnTextPlus")), tr("Add Macro Set"), QStringLiteral("add_set"));
    m_cmbSet->addItem(QIcon(QStringLiteral(":/images/IcnTextX")), tr("Delete Macro Set"), QStringLiteral("del_set"));
    m_cmbSet->setCurrentIndex(-1);
    m_cmbSet->blockSignals(false);
    const int row = names.indexOf(wanted);
    m_cmbSet->setCurrentIndex(row >= 0 ? row : 0);
}

void MacroPopup::OnCmbCategoryChanged(int row) {
    if (row < 0)
        return;
    const QString action = m_cmbSet->itemData(row).toString();
    if (action.isEmpty()) {
        m_set = m_cmbSet->itemText(row);
        if (!m_macroModel) {
            m_macroModel = new QStandardItemModel(this);
            m_lstMacros->setModel(m_macroModel);
            connect(m_macroModel, &QStandardItemModel::itemChanged, this, &MacroPopup::OnMacrosItemChanged);
            connect(m_lstMacros->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                    QOverload<const QItemSelection&, const QItemSelection&>::of(&MacroPopup::OnListMacrosChanged));
        }
        m_macroModel->blockSignals(true);
        m_macroModel->clear();
        m_macroModel->blockSignals(false);
        m_lstMacros->reset();
        const QString wanted = m_openedName.split(QLatin1Char('/'), Qt::SkipEmptyParts).value(1);
        QStandardItem* wantedItem = nullptr;
        for (int i = 0; i < m_macros.size(); ++i) {
            if (m_macros.at(i).Category != m_set)
                continue;
            auto* item = new QStandardItemSort(m_macros.at(i).Name);
            item->setData(i, IndexRole);
            m_macroModel->blockSignals(true);
            m_macroModel->appendRow(item);
            m_macroModel->blockSignals(false);
            if (!wantedItem && !wanted.isEmpty() && item->text() == wanted)
                wantedItem = item;
        }
        m_macroModel->sort(0, Qt::AscendingOrder);
        m_lstMacros->reset();
        if (wantedItem) {
            SelectMacroRow(wantedItem->row());
            m_lstMacros->setFocus();
        }
        return;
    }
    if (action == QLatin1String("add_set")) {
        QString name;
        if (AskSetName(this, &name) && !name.isEmpty()) {
            DataCfg::TMacro m;
            m.Name = tr("New Macro");
            m.Category = name;
            m_macros.append(m);
            m_set = name;
            m_openedName = name + QLatin1Char('/') + tr("New Macro");
            FillCategories();
        }
    } else if (action == QLatin1String("del_set")) {
        if (AskYesNo(this, tr("Do you really want to delete the macro set?\nThis will delete all macros grouped in "
                              "this macro set."))) {
            for (int i = m_macros.size() - 1; i >= 0; --i)
                if (m_macros.at(i).Category == m_set)
                    m_macros.removeAt(i);
            FillCategories();
        }
    }
    const int setRow = m_cmbSet->findText(m_set);
    m_cmbSet->setCurrentIndex(setRow >= 0 && m_cmbSet->itemData(setRow).toString().isEmpty() ? setRow : 0);
}

void MacroPopup::SelectMacroRow(int row) {
    if (!m_macroModel || row < 0 || row >= m_macroModel->rowCount())
        return;
    const QModelIndex index = m_macroModel->index(row, 0);
    m_lstMacros->selectionModel()->blockSignals(true);
    m_lstMacros->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
    m_lstMacros->selectionModel()->blockSignals(false);
    OnListMacrosChanged(index);
}

void MacroPopup::OnListMacrosChanged(const QModelIndex& index) {
    if (!index.isValid())
        return;
    m_lstMacros->selectionModel()->blockSignals(true);
    m_lstMacros->setCurrentIndex(index);
    m_lstMacros->selectionModel()->blockSignals(false);
    const int record = index.data(IndexRole).toInt();
    if (record < 0 || record >= m_macros.size())
        return;
    m_script = m_macros.at(record).Data;
    FillSequence(m_script);
    m_chosen = m_set + QLatin1Char('/') + m_macros.at(record).Name;
}

void MacroPopup::OnListMacrosChanged(const QItemSelection& selected, const QItemSelection&) {
    const QModelIndexList indexes = selected.indexes();
    if (!indexes.isEmpty())
        OnListMacrosChanged(indexes.first());
}

int MacroPopup::CurrentMacroIndex() const {
    if (!m_macroModel)
        return -1;
    const QModelIndex index = m_lstMacros->currentIndex();
    if (!index.isValid())
        return -1;
    const int record = index.data(IndexRole).toInt();
    return record >= 0 && record < m_macros.size() ? record : -1;
}

void MacroPopup::OnMacrosItemChanged(QStandardItem* item) {
    const int record = item->data(IndexRole).toInt();
    if (record < 0 || record >= m_macros.size())
        return;
    QString name = item->text();
    if (name.isEmpty())
        name = QStringLiteral("???");
    m_macros[record].Name = name;
    if (item->text() != name) {
        m_macroModel->blockSignals(true);
        item->setText(name);
        m_macroModel->blockSignals(false);
    }
    OnListMacrosChanged(item->index());
}

void MacroPopup::OnBtnNew() {
    QString name = tr("New Macro");
    auto taken = [this](const QString& n) {
        for (const DataCfg::TMacro& m : m_macros)
            if (m.Category == m_set && m.Name == n)
                return true;
        return false;
    };
    for (int i = 1; taken(name) && i <= 999; ++i)
        name = tr("New Macro %1").arg(i, 0, 10);
    DataCfg::TMacro m;
    m.id = -1;
    m.Name = name;
    m.Category = m_set;
    m_macros.append(m);
    if (!m_macroModel)
        return;
    auto* item = new QStandardItemSort(name);
    item->setData(m_macros.size() - 1, IndexRole);
    m_macroModel->blockSignals(true);
    m_macroModel->appendRow(item);
    m_macroModel->blockSignals(false);
    SelectMacroRow(item->row());
    m_lstMacros->edit(item->index());
}

void MacroPopup::OnBtnDel() {
    const int record = CurrentMacroIndex();
    if (record < 0)
        return;
    if (!AskYesNo(this, tr("Do you really want to delete the selected macro?")))
        return;
    m_openedName = m_set;
    m_macros.removeAt(record);
    m_chosen.clear();
    FillCategories();
}

// ---- Steps ----

void MacroPopup::FillSequence(const QString& script) {
    if (m_filling)
        return;
    m_filling = true;
    if (!m_txtScript->hasFocus()) {
        m_txtScript->blockSignals(true);
        m_txtScript->setPlainText(script);
        m_txtScript->blockSignals(false);
    }
    if (!m_stepModel) {
        m_stepModel = new QStandardItemModel(this);
        m_lstSteps->setModel(m_stepModel);
        connect(m_stepModel, &QStandardItemModel::itemChanged, this, &MacroPopup::OnSequenceItemChanged);
    }
    m_stepModel->blockSignals(true);
    m_stepModel->clear();
    m_edtLoops->setText(QStringLiteral("1"));
    m_chkRepeat->blockSignals(true);
    m_chkRepeat->setChecked(false);

    m_steps.clear();
    for (const QString& step : MacroSteps::Split(script))
        m_steps << step.trimmed();
    for (int i = 0; i < m_steps.size(); ++i) {
        const QString& step = m_steps.at(i);
        if (step.isEmpty())
            continue;
        const QChar kind = step.at(0);
        QStandardItem* item = nullptr;
        if (kind == QLatin1Char('r')) {
            const int n = step.mid(2).trimmed().toInt();
            m_edtLoops->setText(QString::number(qAbs(n)));
            m_chkRepeat->setChecked(n > 0);
            continue;
        }
        if (kind == QLatin1Char('d') || kind == QLatin1Char('u') || kind == QLatin1Char('p') ||
            kind == QLatin1Char('t')) {
            const char* icon = kind == QLatin1Char('d')   ? "MCIcon_Dn"
                               : kind == QLatin1Char('u') ? "MCIcon_Up"
                               : kind == QLatin1Char('p') ? "MCIcon_Press"
                                                          : "MCIcon_Text";
            item = new QStandardItem(StepIcon(icon), step.mid(2));
        } else if (kind == QLatin1Char('m')) {
            const bool up = step.mid(2).trimmed().startsWith(QLatin1Char('u'));
            item = new QStandardItem(StepIcon(up ? "MCIcon_MouseUp" : "MCIcon_MouseDn"), MouseStepText(step));
        } else if (IsDelay(step)) {
            item = new QStandardItem(StepIcon("MCIcon_Delay"), step + tr(" ms"));
        } else {
            item = new QStandardItem(step);
        }
        item->setData(i, IndexRole);
        item->setDropEnabled(false);
        m_stepModel->appendRow(item);
    }
    m_chkRepeat->blockSignals(false);
    m_stepModel->blockSignals(false);
    m_lstSteps->reset();

    const int record = CurrentMacroIndex();
    if (record >= 0)
        m_macros[record].Data = m_script;
    m_filling = false;
}

void MacroPopup::ShowSteps() {
    m_script = MacroSteps::Join(m_steps);
    FillSequence(m_script);
}

int MacroPopup::CurrentStepIndex() const {
    const QModelIndex index = m_lstSteps->currentIndex();
    if (!index.isValid())
        return -1;
    const int step = index.data(IndexRole).toInt();
    return step >= 0 && step < m_steps.size() ? step : -1;
}

void MacroPopup::OnSequenceItemChanged(QStandardItem* item) {
    const int i = item->data(IndexRole).toInt();
    if (i < 0 || i >= m_steps.size())
        return;
    const QString edited = item->text();
    const QString step = m_steps.at(i);
    if (step.startsWith(QLatin1String("d ")) || step.startsWith(QLatin1String("u ")) ||
        step.startsWith(QLatin1String("p "))) {
        m_steps[i] = step.left(2) + KeyCodeTranslate(PAL::KeyNameToCode(edited));
    } else if (step.startsWith(QLatin1String("m "))) {
        QStringList words = edited.simplified().toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.isEmpty())
            words << QString() << QStringLiteral("up");
        const QString first = words.value(0);
        const QString second = words.value(1);
        QString action = QStringLiteral("m p ");
        if (second.startsWith(QLatin1Char('u')))
            action = QStringLiteral("m u ");
        else if (second.startsWith(QLatin1Char('d')))
            action = QStringLiteral("m d ");
        QString button = QStringLiteral("l");
        if (first.startsWith(QLatin1Char('w')))
            button = QStringLiteral("w");
        else if (first.startsWith(QLatin1Char('r')))
            button = QStringLiteral("r");
        else if (first.startsWith(QLatin1Char('m')))
            button = QStringLiteral("m");
        m_steps[i] = action + button;
    } else if (step.startsWith(QLatin1String("t "))) {
        m_steps[i] = QStringLiteral("t ") + edited;
    } else if (IsDelay(step)) {
        QString digits;
        for (QChar c : edited)
            if (c.isDigit())
                digits += c;
        m_steps[i] = digits;
    }
    ShowSteps();
}

void MacroPopup::OnEditSeqItem() {
    if (CurrentStepIndex() >= 0)
        m_lstSteps->edit(m_lstSteps->currentIndex());
}

void MacroPopup::InsertStep(const QString& step) {
    const int current = CurrentStepIndex();
    m_steps.insert(current >= 0 ? current + 1 : 0, step);
    ShowSteps();
}

void MacroPopup::OnInsDelay() {
    InsertStep(QStringLiteral("40"));
}
void MacroPopup::OnInsMouseLDown() {
    InsertStep(QStringLiteral("m d l"));
}
void MacroPopup::OnInsMouseMDown() {
    InsertStep(QStringLiteral("m d m"));
}
void MacroPopup::OnInsMouseRDown() {
    InsertStep(QStringLiteral("m d r"));
}
void MacroPopup::OnInsMouseLUp() {
    InsertStep(QStringLiteral("m u l"));
}
void MacroPopup::OnInsMouseMUp() {
    InsertStep(QStringLiteral("m u m"));
}
void MacroPopup::OnInsMouseRUp() {
    InsertStep(QStringLiteral("m u r"));
}
void MacroPopup::OnInsMouseLClick() {
    InsertStep(QStringLiteral("m p l"));
}
void MacroPopup::OnInsMouseMClick() {
    InsertStep(QStringLiteral("m p m"));
}
void MacroPopup::OnInsMouseRClick() {
    InsertStep(QStringLiteral("m p r"));
}
void MacroPopup::OnInsMouseWDown() {
    InsertStep(QStringLiteral("m d w"));
}
void MacroPopup::OnInsMouseWUp() {
    InsertStep(QStringLiteral("m u w"));
}

void MacroPopup::OnDeleteSeqItem() {
    const int current = CurrentStepIndex();
    if (current < 0)
        return;
    m_steps.removeAt(current);
    ShowSteps();
}

void MacroPopup::OnListContextMenuRequested(const QPoint& pos) {
    if (!m_menu) {
        const QString pad(5, QLatin1Char(' '));
        m_menu = new QMenu(this);
        m_menu->addAction(tr("Insert Delay") + pad, this, &MacroPopup::OnInsDelay);
        QMenu* mouse = m_menu->addMenu(tr("Insert Mouse Event") + pad);
        QMenu* left = mouse->addMenu(tr("Left Button") + pad);
        left->addAction(tr("Down") + pad, this, &MacroPopup::OnInsMouseLDown);
        left->addAction(tr("Up") + pad, this, &MacroPopup::OnInsMouseLUp);
        left->addAction(tr("Click") + pad, this, &MacroPopup::OnInsMouseLClick);
        QMenu* middle = mouse->addMenu(tr("Midddle Button") + pad);
        middle->addAction(tr("Down"), this, &MacroPopup::OnInsMouseMDown);
        middle->addAction(tr("Up"), this, &MacroPopup::OnInsMouseMUp);
        middle->addAction(tr("Click"), this, &MacroPopup::OnInsMouseMClick);
        QMenu* right = mouse->addMenu(tr("Right Button") + pad);
        right->addAction(tr("Down"), this, &MacroPopup::OnInsMouseRDown);
        right->addAction(tr("Up"), this, &MacroPopup::OnInsMouseRUp);
        right->addAction(tr("Click"), this, &MacroPopup::OnInsMouseRClick);
        QMenu* wheel = mouse->addMenu(tr("Wheel") + pad);
        wheel->addAction(tr("Down"), this, &MacroPopup::OnInsMouseWDown);
        wheel->addAction(tr("Up"), this, &MacroPopup::OnInsMouseWUp);
        m_menu->addAction(tr("Edit") + pad, this, &MacroPopup::OnEditSeqItem);
        m_menu->addAction(tr("Delete") + pad, this, &MacroPopup::OnDeleteSeqItem);
    }
    m_menu->popup(m_lstSteps->mapToGlobal(pos));
}

void MacroPopup::OnScriptEdited() {
    m_script = m_txtScript->toPlainText();
    FillSequence(m_script);
}

void MacroPopup::OnRepeatChanged() {
    int n = m_edtLoops->text().toInt();
    if (!m_chkRepeat->isChecked())
        n = -n;
    if (!m_steps.isEmpty() && m_steps.first().startsWith(QLatin1String("r ")))
        m_steps.removeFirst();
    if (n != -1)
        m_steps.prepend(QStringLiteral("r ") + QString::number(n));
    ShowSteps();
}

bool MacroPopup::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_lstSteps && event->type() == QEvent::Drop) {
        auto* e = static_cast<QDropEvent*>(event);
        const int s = CurrentStepIndex();
        const int t = e->pos().y() / 20;
        QLOG_DEBUG() << "MacroPopup::eventFilter: Drop:" << s << t;
        if (s >= 0 && t >= 0 && t < m_steps.size()) {
            m_steps.swapItemsAt(s, t);
            ShowSteps();
            e->setDropAction(Qt::IgnoreAction);
            e->accept();
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
            if (watched == m_lstMacros) {
                OnBtnDel();
                return true;
            }
            if (watched == m_lstSteps) {
                const int removed = CurrentStepIndex();
                OnDeleteSeqItem();
                if (removed >= 0 && m_stepModel && removed < m_stepModel->rowCount())
                    m_lstSteps->setCurrentIndex(m_stepModel->index(removed, 0));
                return true;
            }
        }
    }
    return PopupWnd::eventFilter(watched, event);
}

// ---- Recording ----

void MacroPopup::SetRecording(bool on) {
    m_btnRecord->setChecked(on);
    m_btnRecord->setActive(on);
    m_btnRecord->setText(on ? tr("STOP RECORD") : tr("START RECORD"));
    m_btnRecord->setIcon(QIcon(on ? QStringLiteral(":/images/LEDRed") : QStringLiteral(":/images/LEDGray")));
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_cmbSet, m_lstMacros, m_lstSteps, m_txtScript, m_btnNew, m_btnDel})
        w->setEnabled(!on);
    if (on) {
        m_lastEventTime = -1;
        m_script.clear();
        FillSequence(m_script);
        setFocus();
    }
    PAL::SetKeyboardCapture(on);
}

void MacroPopup::OnBtnRecord() {
    SetRecording(m_btnRecord->isChecked());
}

void MacroPopup::ApplyDelayRule() {
    const qint64 now = Now();
    if (m_lastEventTime != -1 && m_chkDelays->isChecked() && now - m_lastEventTime > 0)
        m_script += QString::number(now - m_lastEventTime) + QLatin1Char(';');
    m_lastEventTime = now;
}

void MacroPopup::RecordKey(QKeyEvent* e, bool down) {
    if (m_script.size() >= MaxRecordedLength) {
        // Each release compacts the whole script: a runaway recording must not grow without end.
        QLOG_WARN() << "MacroPopup::RecordKey: recording full, key dropped:" << e->key();
        return;
    }
    if (!down)
        QLOG_DEBUG() << "MacroPopup::RecordKey: u:" << e->key();
    ApplyDelayRule();
    const quint32 code = (e->nativeVirtualKey() << 16) | (e->nativeScanCode() & 0xFFFF);
    // The semicolon and backslash keys must not end or escape their own step.
    const QString name = MacroSteps::Escape(KeyCodeTranslate(code));
    if (down) {
        if (name.isEmpty())
            return;
        m_script += QStringLiteral("d ") + name + QLatin1Char(';');
        QLOG_DEBUG() << "MacroPopup::RecordKey: d:" << e->key() << name;
        FillSequence(m_script);
        return;
    }
    if (name.isEmpty())
        return;
    m_script += QStringLiteral("u ") + name + QLatin1Char(';');
    m_script = CompactScript(m_script);
    FillSequence(m_script);
}

void MacroPopup::keyPressEvent(QKeyEvent* e) {
    if (!IsRecording()) {
        PopupWnd::keyPressEvent(e);
        return;
    }
    RecordKey(e, true);
}

void MacroPopup::keyReleaseEvent(QKeyEvent* e) {
    if (!IsRecording()) {
        PopupWnd::keyReleaseEvent(e);
        return;
    }
    RecordKey(e, false);
}

void MacroPopup::done(int result) {
    PAL::SetKeyboardCapture(false);
    if (result == OK) {
        if (DataCfg* cfg = DataCfg::Instance())
            cfg->UserCfg().Macros = m_macros;
    }
    PopupWnd::done(result);
}
