#include "editor/mteeditcontrol.h"

#include "config/dataexchange.h"
#include "config/tappskin.h"
#include "config/tconfig.h"
#include "config/tcontrol.h"
#include "config/tctrlset.h"
#include "config/tgrid.h"
#include "config/tlayout.h"
#include "editor/editorresources.h"
#include "editor/exchangeui.h"
#include "editor/gridview.h"
#include "editor/impexppluginpopup.h"
#include "editor/impexppopup.h"
#include "editor/macropopup.h"
#include "editor/mtebuttonelements.h"
#include "editor/mtegridedit.h"
#include "editor/openpopup.h"
#include "editor/shortcutpopup.h"
#include "editor/tilingpopup.h"
#include "editor/urlpopup.h"
#include "foundation/droppedfile.h"
#include "foundation/logger/QsLog.h"
#include "functions/pal/keynames.h"
#include "functions/pal/pal.h"
#include "functions/plugintools.h"
#include "runtime/ctrlview.h"
#include "runtime/dcconfig.h"
#include "runtime/lebase.h"
#include "widgets/btnadd2grid.h"
#include "widgets/colpickbtn.h"
#include "widgets/ctrlalign.h"
#include "widgets/ctrlposition.h"
#include "widgets/foldbtn.h"
#include "widgets/foldwidget.h"
#include "widgets/imgbtn.h"
#include "widgets/imgwidget.h"
#include "widgets/layouttools.h"
#include "widgets/popupwnd.h"
#include "widgets/qcomboboxex.h"
#include "widgets/qlabelex.h"
#include "widgets/qradiobuttonex.h"
#include "widgets/qscrollbarex.h"
#include "widgets/spinner.h"
#include "widgets/stdbtn.h"
#include "widgets/stdicnbtnnd.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QScriptEngine>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int RowPitch = 23;
constexpr int ValueX = 114;
constexpr int FormWidth = 314;

const QColor& HeaderColour() {
    static const QColor c(QStringLiteral("#65c3f7"));
    return c;
}
const QColor& LaterColour() {
    static const QColor c(QStringLiteral("#ffffff"));
    return c;
}
const QColor& LabelColour() {
    static const QColor c(QStringLiteral("#7f7f7f"));
    return c;
}

std::function<int(QDialog*)>& PopupRunner() {
    static std::function<int(QDialog*)> run;
    return run;
}

// "key=value;word;..." -> keys with their values; bare words map to an empty text.
QMap<QString, QString> SplitParams(const QString& params) {
    QMap<QString, QString> out;
    for (const QString& entry : params.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        QStringList kv = entry.split(QLatin1Char('='));
        const QString key = kv.takeFirst().trimmed();
        if (kv.isEmpty())
            out.insert(key, QString());
        else
            out.insert(key, kv.join(QLatin1Char('=')));
    }
    return out;
}

// The number N of a layout tag "<tag=N>"; -1 when the tag is absent.
int TagNumber(const QString& layout, const QString& tag) {
    const int at = layout.indexOf(tag);
    if (at < 0)
        return -1;
    const int eq = layout.indexOf(QLatin1Char('='), at);
    const int end = layout.indexOf(QLatin1Char('>'), eq);
    if (eq < 0 || end < 0)
        return -1;
    return layout.mid(eq + 1, end - eq - 1).trimmed().toInt();
}

QString DisplayValue(const DataCfg::TConfigOption& o) {
    if (o.Value == o.ValueOrg && o.Value.startsWith(QLatin1Char('@')))
        return TranslateAtName(o.Value);
    return o.Value;
}

// A drop-down option whose value is an entry's text, not its position.
bool StoresText(const DataCfg::TConfigOption& o) {
    bool number = false;
    o.Value.toInt(&number);
    return !o.Value.isEmpty() && !number;
}

QString Digits(const QString& text) {
    QString out;
    for (QChar c : text) {
        if (c.isDigit())
            out += c;
    }
    return out;
}

// The seven drop-down tags that open a parameter editor: tag word and entry text.
struct EditorTag {
    const char* word;
    const char* text;
};
const EditorTag kEditorTags[] = {
    {"imagefile", QT_TRANSLATE_NOOP("MTEEditControl", "choose file ...")},
    {"soundfile", QT_TRANSLATE_NOOP("MTEEditControl", "choose file ...")},
    {"shortcut", QT_TRANSLATE_NOOP("MTEEditControl", "Assign a shortcut ...")},
    {"startapp", QT_TRANSLATE_NOOP("MTEEditControl", "Start an application ...")},
    {"openfile", QT_TRANSLATE_NOOP("MTEEditControl", "Open any (file/document/website) ...")},
    {"openurl", QT_TRANSLATE_NOOP("MTEEditControl", "Open a website ...")},
    {"macro", QT_TRANSLATE_NOOP("MTEEditControl", "Assign a macro ...")},
};

const EditorTag* FindEditorTag(const QString& item) {
    for (const EditorTag& t : kEditorTags) {
        if (item == QLatin1Char('<') + QLatin1String(t.word) + QLatin1Char('>'))
            return &t;
    }
    return nullptr;
}

QString ImageButtonSheet(const QString& base, bool disabled) {
    QString s = QStringLiteral("QPushButton {border:none;background-image:url(:/images/%1N);}"
                               "QPushButton:hover {background-image:url(:/images/%1H);}"
                               "QPushButton:pressed {background-image:url(:/images/%1P);}")
                    .arg(base);
    if (disabled)
        s += QStringLiteral("QPushButton:disabled {background-image:url(:/images/%1D);}").arg(base);
    return s;
}

} // namespace

void MTEEditControl::SetPopupRunner(std::function<int(QDialog*)> run) {
    PopupRunner() = std::move(run);
}

int MTEEditControl::RunPopup(QDialog* popup) {
    if (PopupRunner())
        return PopupRunner()(popup);
    return popup->exec();
}

MTEEditControl::MTEEditControl(QWidget* parent) : QWidgetEx(parent) {
    InitEditorResources();
    setObjectName(QStringLiteral("MTEEditControl"));
    resize(344, 660);
    setStyleSheet(QStringLiteral("#MTEEditControl, #scaEditCont, #scaPreviewCont {color:#ffffff;border:none;"
                                 "background-color:#0a0a0a;}"
                                 "#scaEditCont, #scaPreviewCont {background-color:qlineargradient(x1:0, y1:0, "
                                 "x2:1, y2:0, stop:0 #000000, stop:0.5 #0f0f0f, stop:1 #000000);}"
                                 "QScrollArea {background:transparent;border:0px solid #303030;}"));
    BuildEditArea();
    BuildPreviewArea();
    BuildHeadings();
    BuildButtons();
    setAcceptDrops(true);
    Retranslate();
}

void MTEEditControl::BuildEditArea() {
    m_scaEdit = new QScrollArea(this);
    m_scaEdit->setObjectName(QStringLiteral("scaEdit"));
    m_scaEdit->setGeometry(1, 27, 322, 272);
    m_scaEdit->setWidgetResizable(true);
    m_scaEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scaEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_formCont = new QWidgetEx;
    m_formCont->setObjectName(QStringLiteral("scaEditCont"));
    m_formCont->setGeometry(0, 0, 322, 272);
    m_editLayout = new QVBoxLayout(m_formCont);
    m_editLayout->setObjectName(QStringLiteral("editLayout"));
    m_editLayout->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_editLayout->setSpacing(1);
    m_scaEdit->setWidget(m_formCont);
    m_scrbEditV = new QScrollBarEx(this);
    m_scrbEditV->setOrientation(Qt::Vertical);
    m_scrbEditV->setGeometry(324, 27, 19, 272);
    m_scrbEditV->LinkTo(m_scaEdit->verticalScrollBar());
}

void MTEEditControl::BuildPreviewArea() {
    m_scaPreview = new QScrollArea(this);
    m_scaPreview->setObjectName(QStringLiteral("scaPreview"));
    m_scaPreview->setGeometry(2, 331, 320, 240);
    m_scaPreview->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_scaPreview->setWidgetResizable(false);
    m_scaPreview->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scaPreview->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* corner = new QWidgetEx;
    corner->setStyleSheet(QStringLiteral("QWidget {background-color:black;image:url(:/images/ScrCorner);}"));
    m_scaPreview->setCornerWidget(corner);
    m_previewCont = new QWidgetEx;
    m_previewCont->setObjectName(QStringLiteral("scaPreviewCont"));
    m_previewCont->setGeometry(0, 0, 320, 240);
    m_previewCont->setMinimumSize(m_scaPreview->size());
    m_scaPreview->setWidget(m_previewCont);
    m_deck = new ImgWidget(m_previewCont, QImage());
    m_deck->setObjectName(QStringLiteral("PreviewDeck"));
    m_cmbZoom = new QComboBoxEx(this);
    m_cmbZoom->setObjectName(QStringLiteral("cmbZoom"));
    m_cmbZoom->setGeometry(280, 306, 60, 19);
    m_cmbZoom->setEditable(true);
    m_cmbZoom->setInsertPolicy(QComboBox::NoInsert);
    m_cmbZoom->numeric = true;
    m_cmbZoom->addItems({QStringLiteral("200%"), QStringLiteral("150%"), QStringLiteral("100%"), QStringLiteral("75%"),
                         QStringLiteral("50%")});
    m_scrbPreviewV = new QScrollBarEx(this);
    m_scrbPreviewV->setOrientation(Qt::Vertical);
    m_scrbPreviewV->setGeometry(324, 330, 19, 244);
    m_scrbPreviewV->LinkTo(m_scaPreview->verticalScrollBar());
    m_scrbPreviewH = new QScrollBarEx(this);
    m_scrbPreviewH->setOrientation(Qt::Horizontal);
    m_scrbPreviewH->setGeometry(1, 573, 325, 19);
    m_scrbPreviewH->LinkTo(m_scaPreview->horizontalScrollBar());
}

void MTEEditControl::BuildHeadings() {
    const QString labelSheet = QStringLiteral("QLabel {\n    font-family:\"Eurostile-Demi\";\n\tfont-weight:504;\n"
                                              "\tfont-size:10;\n\tcolor:#65c3f7;\n}");
    m_lblControls = new QLabel(this);
    m_lblControls->setObjectName(QStringLiteral("lblControls"));
    m_lblControls->setGeometry(8, 3, 200, 21);
    m_lblControls->setStyleSheet(labelSheet);
    m_lblPreview = new QLabel(this);
    m_lblPreview->setObjectName(QStringLiteral("lblPreview"));
    m_lblPreview->setGeometry(8, 307, 200, 21);
    m_lblPreview->setStyleSheet(labelSheet);
}

void MTEEditControl::BuildButtons() {
    auto imageButton = [this](const char* name, const QString& image, int x) {
        auto* b = new QPushButton(this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(x, 602, 48, 48);
        b->setStyleSheet(ImageButtonSheet(image, true));
        return b;
    };
    QPushButton* save = imageButton("btnSave", QStringLiteral("BtnCtrlSave"), 8);
    QPushButton* saveAs = imageButton("btnSaveAs", QStringLiteral("BtnCtrlSaveAs"), 56);
    QPushButton* exportBtn = imageButton("btnExport", QStringLiteral("BtnCtrlExp"), 104);
    QPushButton* importBtn = imageButton("btnImport", QStringLiteral("BtnCtrlImp"), 152);
    auto* add = new BtnAdd2Grid(this);
    add->setObjectName(QStringLiteral("btnAdd2Grid"));
    add->setGeometry(205, 603, 132, 47);
    add->setStyleSheet(
        ImageButtonSheet(QStringLiteral("BtnAdd2Grid"), false) +
        QStringLiteral("QWidget {\n\tborder:none;\n\tcolor:#f0f0f0;\n\tpadding-right:32px;\n"
                       "\tfont-family:\"Eurostile LT Std Bold\";\n\tfont-weight:600;\n\tfont-size:8;\n}"));
    auto* reset = new StdBtn(this, 0);
    reset->setObjectName(QStringLiteral("btnReset"));
    reset->setGeometry(288, 2, 50, 23);

    connect(m_cmbZoom, &QComboBox::editTextChanged, this, &MTEEditControl::OnCmbZoomChanged);
    connect(add, &QPushButton::clicked, this, &MTEEditControl::Add2Grid);
    connect(reset, &QPushButton::clicked, this, &MTEEditControl::OnReset);
    connect(save, &QPushButton::clicked, this, &MTEEditControl::OnSave);
    connect(saveAs, &QPushButton::clicked, this, &MTEEditControl::OnSaveAs);
    connect(exportBtn, &QPushButton::clicked, this, &MTEEditControl::OnExport);
    connect(importBtn, &QPushButton::clicked, this, [this] { OnImport(QString()); });
}

MTEEditControl::~MTEEditControl() = default;

QPushButton* MTEEditControl::Button(const char* objectName) const {
    return findChild<QPushButton*>(QLatin1String(objectName));
}

void MTEEditControl::Retranslate() {
    setWindowTitle(tr("Form"));
    m_lblControls->setText(tr("CONTROL EDITOR:"));
    m_lblPreview->setText(tr("CONTROL PREVIEW:"));
    const struct {
        const char* name;
        QString tip;
    } tips[] = {
        {"btnSave", tr("Save current Control Config")},
        {"btnSaveAs", tr("Save current Control Config")},
        {"btnExport", tr("Export Control including Custom Images")},
        {"btnImport", tr("Import Control or Grid")},
    };
    for (const auto& t : tips) {
        Button(t.name)->setStatusTip(t.tip);
        Button(t.name)->setToolTip(t.tip);
    }
    auto* add = findChild<BtnAdd2Grid*>(QStringLiteral("btnAdd2Grid"));
    add->SetText(tr("ADD TO\nGRID"));
    add->setStatusTip(tr("Add control to grid"));
    QPushButton* reset = Button("btnReset");
    reset->setText(tr("Reset"));
    reset->setStatusTip(tr("Apply current config to Control"));
    FitWidthToSizeHint(reset, 2);
    // The form of the control being edited shows its option titles in the new language, with what was typed.
    if (!m_control.Name.isEmpty() && m_preview) {
        StoreWidgetValues(false);
        m_title = TranslatePath(m_listName + QLatin1Char('/') + m_category + QLatin1Char('/') + m_entryName);
        RebuildForm();
    }
}

void MTEEditControl::InitTimers() {
    if (m_updateTimer)
        return;
    m_updateTimer = new QTimer(this);
    connect(m_updateTimer, &QTimer::timeout, this, &MTEEditControl::OnUpdate);
    m_updateTimer->setInterval(100);
    if (isVisible())
        m_updateTimer->start();
    else
        m_hiddenSince.start();
    // Edits reach the preview and the grid about every 10 ms; the timer runs only while an edit waits, so an
    // idle editor does not wake the program a hundred times a second.
    m_applyTimer = new QTimer(this);
    m_applyTimer->setInterval(10);
    connect(m_applyTimer, &QTimer::timeout, this, &MTEEditControl::CheckApplyCfg);
    m_applyPending = false;
    QTimer::singleShot(1, this, &MTEEditControl::InitBG);
}

DataCfg::TControl MTEEditControl::PreviewControl() const {
    return m_preview ? m_preview->Control() : m_control;
}

// ---------------------------------------------------------------------------------------------------------
// Selection and preview

void MTEEditControl::OnSelControl(CtrlView* view) {
    if (!view)
        return;
    QLOG_DEBUG() << "OnSelControl:" << view->Control().GetKey();
    QString entry = view->Control().Name;
    if (auto* grid = qobject_cast<GridView*>(view->parentWidget())) {
        const QString resetName = grid->ResetNameOf(view);
        if (!resetName.isEmpty())
            entry = resetName;
    }
    Select(view->Control(), entry, Origin::Other);
}

void MTEEditControl::OnSelControl(const QString& id) {
    QLOG_DEBUG() << "OnSelControl:" << id;
    DataCfg* cfg = DataCfg::Instance();
    if (!cfg)
        return;
    const DataCfg::TControl c = cfg->FindControl(id);
    if (c.Name.isEmpty()) {
        QLOG_WARN() << "Can't find Control:" << id;
        return;
    }
    const bool fromTree = m_list && sender() == m_list;
    Select(c, fromTree ? m_list->CurrentEntryName() : c.Name, fromTree ? Origin::Tree : Origin::Other);
}

void MTEEditControl::OnSelControl(DataCfg::TControl& control) {
    Select(control, control.Name, Origin::Other);
}

void MTEEditControl::OnSelControl(DataCfg::TControl& control, const QString& entryName) {
    Select(control, entryName, Origin::Other);
}

void MTEEditControl::Select(const DataCfg::TControl& control, const QString& entryName, Origin origin) {
    // A list entry or grid element whose control the configuration lacks (a removed plug-in): the edited
    // control, its form and its preview stay as they are, so nothing typed there is lost or saved elsewhere.
    if (control.Name.isEmpty()) {
        QLOG_WARN() << "Can't find Control:" << entryName;
        return;
    }
    m_control = control;
    m_title = TranslateAtName(m_control.Name);
    DataCfg* cfg = DataCfg::Instance();
    if (origin == Origin::Tree && m_list) {
        m_listName = m_list->CurrentSetName();
        m_category = m_list->CurrentCategory();
        m_entryName = m_list->CurrentEntryName();
        m_control.Config.SetValues(m_list->CurrentSettings());
    } else {
        if (m_list)
            m_list->Deselect();
        int index = -1;
        const DataCfg::TCtrlSet set = cfg ? cfg->FindCtrlSetOfControl(entryName, &index, false) : DataCfg::TCtrlSet();
        if (index >= 0) {
            QLOG_DEBUG() << "iCElIdx: " << index;
            m_listName = set.Name;
            m_category = set.Elements.at(index).Category;
            m_entryName = set.Elements.at(index).Name;
            if (origin == Origin::Reset)
                m_control.Config.SetValues(set.Elements.at(index).Config);
        } else if (!entryName.isEmpty()) {
            // A control of the user's own list, or one placed on a grid from it, keeps its entry name.
            m_entryName = entryName;
        }
    }
    m_title = TranslatePath(m_listName + QLatin1Char('/') + m_category + QLatin1Char('/') + m_entryName);
    RebuildPreview(true);
    RebuildForm();
}

void MTEEditControl::RebuildPreview(bool fit) {
    if (!m_preview) {
        m_preview = new CtrlView(m_previewCont);
        m_preview->setObjectName(QStringLiteral("PreviewView"));
        m_preview->SetScale(0.5);
        m_preview->installEventFilter(this);
        m_preview->setStatusTip(tr("Right Mouse Button to interact, Left Mouse Button to Drag'n Drop to Grid"));
    }
    const int fullW = qMax(m_control.Size.width(), 1) * 160;
    const int fullH = qMax(m_control.Size.height(), 1) * 160;
    double s = 0.5;
    const QSize area = m_scaPreview->size();
    if (area.width() < fullW && double(area.width()) / fullW < 0.5)
        s = double(area.width()) / fullW;
    if (area.height() < fullH && s > double(area.height()) / fullH)
        s = double(area.height()) / fullH;
    if (!fit)
        s = m_preview->GetScale();
    m_preview->SetScale(s);
    const QString zoom = QString::number(int(s * 200 + 0.5)) + QLatin1Char('%');
    {
        const QSignalBlocker block(m_cmbZoom);
        m_cmbZoom->SelectText(zoom);
        m_cmbZoom->setEditText(zoom);
    }
    m_previewCont->resize(QSize(int(fullW * s), int(fullH * s)).expandedTo(m_scaPreview->size()));
    m_preview->hide();
    m_preview->move(0, 0);
    m_preview->Init(m_control);
    m_preview->show();
    OnCmbZoomChanged(m_cmbZoom->currentText());
}

void MTEEditControl::OnCmbZoomChanged(const QString& text) {
    const int percent = qBound(50, Digits(text).toInt(), 200);
    const double scale = percent / 200.0;
    if (!m_preview)
        return;
    const QSize size(int(qMax(m_control.Size.width(), 1) * 160 * scale),
                     int(qMax(m_control.Size.height(), 1) * 160 * scale));
    m_preview->resize(size);
    m_preview->SetScale(scale);
    InitBG();
    m_preview->update();
    m_previewCont->resize(size.expandedTo(m_scaPreview->size()));
}

void MTEEditControl::InitBG() {
    if (!m_preview)
        return;
    const QSize target = m_preview->size().expandedTo(QSize(320, 240));
    QImage image;
    if (m_gridEdit)
        image = m_gridEdit->AppSkin().GetDeckBG(QString(), target.width(), target.height());
    if (image.width() > 0 && image.height() > target.height())
        image = image.scaled(target, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (image != m_deck->image()) {
        delete m_deck;
        m_deck = new ImgWidget(m_previewCont, image);
        m_deck->setObjectName(QStringLiteral("PreviewDeck"));
        m_deck->lower();
        m_deck->show();
        m_deck->update();
    }
}

void MTEEditControl::showEvent(QShowEvent* e) {
    QWidgetEx::showEvent(e);
    if (!m_updateTimer || m_updateTimer->isActive() || !m_hiddenSince.isValid())
        return;
    // Whole steps of the timer, at least one, at most an hour: a preview tick that fell due meanwhile runs
    // once, so the preview is current at once.
    const int interval = m_updateTimer->interval();
    const qint64 away = qBound<qint64>(interval, m_hiddenSince.elapsed(), 3600000);
    const uint step = uint(away / interval * interval);
    m_hiddenSince.invalidate();
    m_updateTimer->start();
    QTimer::singleShot(0, this, [this, step] { Tick(step); });
}

void MTEEditControl::hideEvent(QHideEvent* e) {
    QWidgetEx::hideEvent(e);
    // Nobody sees the preview: it does not wake the program ten times a second.
    if (m_updateTimer && m_updateTimer->isActive()) {
        m_updateTimer->stop();
        m_hiddenSince.start();
    }
}

void MTEEditControl::OnUpdate() {
    Tick(uint(m_updateTimer ? m_updateTimer->interval() : 100));
}

void MTEEditControl::Tick(uint stepMs) {
    const uint previous = m_clock;
    m_clock += stepMs;
    if (m_preview) {
        m_preview->OnTick(previous, m_clock);
        m_preview->OnCheckUpdate();
    }
}

QObject* MTEEditControl::ControlScriptObject(QScriptEngine* engine) {
    // The preview keeps one per engine and rebinds it to the control it shows.
    return m_preview ? m_preview->GetDCControl(engine) : nullptr;
}

// ---------------------------------------------------------------------------------------------------------
// The form

// The form's layout rules, in one place: the options stand in groups (one fold widget each, split by "<hr>"
// in an option's layout; every group after the first folds under its first title). An option with a title
// starts a row: the title on the left, its values from ValueX on; an option without one joins the open row
// until a "<br>". Values in a row stand 4 pixels apart; "<stretch=N>" and "<center>" place a value,
// "<addstretch=N>" fills the row after it.
class MTEEditControl::Form {
public:
    Form(QWidget* container, QVBoxLayout* column, int width)
        : m_container(container), m_column(column), m_width(width) {
        NewGroup();
    }

    // Opens the option's row (a new one when it has a title or none is open) and its place in it.
    void Begin(const DataCfg::TConfigOption& o) {
        m_stretch = TagNumber(o.Layout, QStringLiteral("<stretch"));
        m_align = o.Layout.contains(QLatin1String("<center>")) ? Qt::AlignHCenter | Qt::AlignVCenter : Qt::Alignment();
        if (!o.Title.isEmpty() || !m_row) {
            ++m_rowIndex;
            if (!o.Title.isEmpty())
                AddTitle(TranslateAtName(o.Title));
            m_area = new QWidgetEx(m_fold);
            m_area->setGeometry(ValueX, m_rowIndex * RowPitch, 200, 21);
            m_row = new QHBoxLayout(m_area);
            m_row->setContentsMargins(0, 0, 0, 0);
            m_row->setSpacing(0);
            m_area->show();
            if (m_foldButton && m_rowIndex > 0)
                m_foldHasContent = true;
        }
        if (m_row->count() > 0)
            m_row->addSpacing(4);
    }
    // Where the option's value widgets live.
    QWidget* Area() const { return m_area; }
    // A value widget placed by the option's layout tags; stretch as given there, else the kind's own.
    void Add(QWidget* w, int defaultStretch) {
        m_row->addWidget(w, m_stretch >= 0 ? m_stretch : defaultStretch, m_align);
    }
    // A widget beside the value (a button, a radio choice): its own size.
    void AddBeside(QWidget* w) { m_row->addWidget(w, 0); }
    void AddGap(int pixels) { m_row->addSpacing(pixels); }
    // A value several rows high.
    void Grow(int lines) {
        m_area->resize(m_area->width(), lines * 21);
        m_rowIndex += lines - 1;
    }
    // Closes the option: what its layout asks after it.
    void End(const DataCfg::TConfigOption& o) {
        const int addStretch = TagNumber(o.Layout, QStringLiteral("<addstretch"));
        if (addStretch >= 0)
            m_row->addStretch(addStretch);
        m_fold->setFixedSize(m_width, m_rowIndex * RowPitch + 21);
        if (o.Layout.contains(QLatin1String("<hr>"))) {
            auto* line = new QFrame(m_container);
            line->setFrameShape(QFrame::HLine);
            line->setFixedSize(FormWidth, 5);
            line->setLineWidth(2);
            CloseGroup();
            m_column->addWidget(line);
            ++m_groups;
            NewGroup();
        } else if (o.Layout.contains(QLatin1String("<br>"))) {
            m_row = nullptr;
        }
    }
    void Finish() {
        if (m_rowIndex < 0)
            m_fold->hide();
        else
            CloseGroup();
    }

private:
    void NewGroup() {
        m_fold = new FoldWidget(m_container);
        m_fold->resize(m_width, 21);
        m_column->addWidget(m_fold);
        m_rowIndex = -1;
        m_row = nullptr;
        m_area = nullptr;
        m_foldButton = nullptr;
        m_foldHasContent = false;
    }
    void AddTitle(const QString& title) {
        QLabel* label;
        if (m_rowIndex == 0 && m_groups > 0) {
            m_foldButton = new FoldBtn(m_fold, title, true, -1, HeaderColour());
            m_foldButton->foldable = true;
            label = m_foldButton;
        } else {
            const bool header = m_groups == 0 || m_rowIndex == 0;
            label = new QLabelEx(m_fold, title, true, -1, header ? HeaderColour() : LaterColour());
        }
        label->setGeometry(4, m_rowIndex * RowPitch, 110, 21);
        label->show();
    }
    void CloseGroup() {
        m_fold->SetHeights(21, -1);
        if (m_foldButton)
            QObject::connect(m_foldButton, &FoldBtn::expanded, m_fold, qOverload<bool>(&FoldWidget::doexpand));
        m_fold->doexpand(!(m_foldButton && m_foldHasContent), false);
    }

    QWidget* m_container;
    QVBoxLayout* m_column;
    int m_width;
    int m_groups = 0;
    FoldWidget* m_fold = nullptr;
    int m_rowIndex = -1;
    QHBoxLayout* m_row = nullptr;
    QWidgetEx* m_area = nullptr;
    FoldBtn* m_foldButton = nullptr;
    bool m_foldHasContent = false;
    int m_stretch = -1;
    Qt::Alignment m_align;
};

void MTEEditControl::RebuildForm() {
    DataCfg::TConfig& config = m_control.Config;
    config.ExpandSubConfigs();
    RunConfigFunc(config.OnInit, QString());

    m_editLayout->setContentsMargins(4, 4, 4, 4);
    ClearLayout(m_editLayout);
    m_widgets.clear();
    m_editLayout->addSpacing(4);
    AddLayoutTexts();

    using Builder = bool (MTEEditControl::*)(const DataCfg::TConfigOption&, int, Form&);
    static const QMap<int, Builder> builders = {
        {DataCfg::CO_Label, &MTEEditControl::AddLabelOption},
        {DataCfg::CO_Text, &MTEEditControl::AddTextOption},
        {DataCfg::CO_Check, &MTEEditControl::AddCheckOption},
        {DataCfg::CO_Radio, &MTEEditControl::AddRadioOption},
        {DataCfg::CO_Drop, &MTEEditControl::AddDropOption},
        {DataCfg::CO_File, &MTEEditControl::AddPickerOption},
        {DataCfg::CO_Folder, &MTEEditControl::AddPickerOption},
        {DataCfg::CO_Shortcut, &MTEEditControl::AddPickerOption},
        {DataCfg::CO_Button, &MTEEditControl::AddButtonOption},
        {DataCfg::CO_Spinner, &MTEEditControl::AddSpinnerOption},
        {DataCfg::CO_SpinDrop, &MTEEditControl::AddSpinDropOption},
        {DataCfg::CO_Align, &MTEEditControl::AddAlignOption},
        {DataCfg::CO_Position, &MTEEditControl::AddPositionOption},
        {DataCfg::CO_ColorPicker, &MTEEditControl::AddColourOption},
    };
    Form form(m_formCont, m_editLayout, m_scaEdit->width());
    const QList<DataCfg::TConfigOption> options = config.GetOptions();
    for (int index = 0; index < options.size(); ++index) {
        const DataCfg::TConfigOption& o = options.at(index);
        if (o.IsHidden || o.Name.startsWith(QLatin1String("LE_txt/")) || o.Type == DataCfg::CO_None)
            continue;
        form.Begin(o);
        const Builder build = builders.value(o.Type, nullptr);
        // An option that could not be built leaves the row open and the group as it is.
        if (build && !(this->*build)(o, index, form))
            continue;
        form.End(o);
    }
    form.Finish();

    auto* closing = new QFrame(m_formCont);
    closing->setFixedSize(300, 22);
    m_editLayout->addWidget(closing);
    if (!config.Description.isEmpty()) {
        m_editLayout->addWidget(new QLabelEx(m_formCont, tr("Functions/description:"), true, -1, HeaderColour()));
        m_editLayout->addWidget(new QLabelEx(m_formCont));
        auto* description = new QLabelEx(m_formCont, TranslateAtName(config.Description), false, -1, LaterColour());
        description->setWordWrap(true);
        m_editLayout->addWidget(description);
    }
}

void MTEEditControl::AddLayoutTexts() {
    // Texts of layout elements that the control lets the user write.
    if (!m_preview)
        return;
    for (LEBase* element : m_preview->Elements()) {
        const DataCfg::TLayout& layout = element->Layout();
        if (layout.Config.isEmpty() || layout.Name.isEmpty())
            continue;
        auto* row = new QHBoxLayout;
        m_editLayout->addLayout(row);
        row->addWidget(
            new QLabelEx(m_formCont, TranslateAtName(layout.Name) + QStringLiteral(": "), true, -1, HeaderColour()));
        if (layout.Config == QLatin1String("Text")) {
            // The element shows the stored text option when there is one.
            const DataCfg::TConfigOption* stored = m_control.Config.FindOption(QStringLiteral("LE_txt/") + layout.Name);
            auto* edit = new QLineEdit(stored ? stored->Value : layout.Text, m_formCont);
            row->addWidget(edit);
            m_widgets.insert(QStringLiteral("LE_txt/") + layout.Name, edit);
            connect(edit, &QLineEdit::textEdited, this, &MTEEditControl::OnApplyCfg);
        }
    }
}

bool MTEEditControl::AddLabelOption(const DataCfg::TConfigOption& o, int, Form& form) {
    const bool bold = o.Layout.contains(QLatin1String("<b>"));
    form.Add(new QLabelEx(form.Area(), TranslateAtName(o.Text), bold, -1, LabelColour()), 0);
    return true;
}

bool MTEEditControl::AddTextOption(const DataCfg::TConfigOption& o, int, Form& form) {
    const QMap<QString, QString> params = SplitParams(o.Params);
    const int lines = params.contains(QStringLiteral("multiline"))
                          ? qBound(1, params.value(QStringLiteral("multiline")).toInt(), 16)
                          : 1;
    if (lines > 1) {
        auto* edit = new QTextEdit(form.Area());
        edit->setPlainText(o.Value);
        edit->setMaximumHeight(lines * 21);
        form.Grow(lines);
        form.Add(edit, 1);
        m_widgets.insert(o.Name, edit);
        connect(edit, &QTextEdit::textChanged, this, &MTEEditControl::OnApplyCfg);
        return true;
    }
    auto* edit = new QLineEdit(o.Value, form.Area());
    edit->setMaximumHeight(19);
    form.Add(edit, 1);
    m_widgets.insert(o.Name, edit);
    connect(edit, &QLineEdit::textEdited, this, &MTEEditControl::OnApplyCfg);
    return true;
}

bool MTEEditControl::AddCheckOption(const DataCfg::TConfigOption& o, int, Form& form) {
    auto* box = new QCheckBox(TranslateAtName(o.Text), form.Area());
    if (o.Value == QLatin1String("true") || o.Value == QLatin1String("2"))
        box->setCheckState(Qt::Checked);
    else if (o.Value == QLatin1String("1"))
        box->setCheckState(Qt::PartiallyChecked);
    form.Add(box, 0);
    m_widgets.insert(o.Name, box);
    connect(box, &QCheckBox::stateChanged, this, &MTEEditControl::OnApplyCfg);
    return true;
}

bool MTEEditControl::AddRadioOption(const DataCfg::TConfigOption& o, int, Form& form) {
    auto* group = new QButtonGroup(form.Area());
    group->setExclusive(true);
    for (int i = 0; i < o.Items.size(); ++i) {
        auto* radio = new QRadioButtonEx(form.Area());
        radio->setText(TranslateAtName(o.Items.at(i)));
        radio->setChecked(QString::number(i) == o.Value);
        group->addButton(radio, i);
        form.AddBeside(radio);
    }
    m_widgets.insert(o.Name, group);
    connect(group, &QButtonGroup::idClicked, this, &MTEEditControl::OnApplyCfg);
    return true;
}

bool MTEEditControl::AddDropOption(const DataCfg::TConfigOption& o, int, Form& form) {
    const QMap<QString, QString> params = SplitParams(o.Params);
    auto* box = new QComboBoxEx(form.Area());
    box->setMaximumHeight(19);
    box->setObjectName(o.Name);
    box->setInsertPolicy(QComboBox::NoInsert);
    bool editable = params.contains(QStringLiteral("editable"));
    for (const QString& item : o.Items) {
        if (item == QLatin1String("<hr>")) {
            box->insertSeparator(box->count());
        } else if (const EditorTag* tag = FindEditorTag(item)) {
            box->addItem(tr(tag->text), QLatin1String(tag->word));
            editable = true;
        } else {
            box->addItem(TranslateAtName(item));
        }
    }
    box->setEditable(editable);
    // Lists that store the entry itself (an icon name) rather than its position keep it as text.
    if (StoresText(o))
        box->setCurrentIndex(box->findText(TranslateAtName(o.Value)));
    else
        box->setCurrentIndex(o.Value.toInt());
    form.Add(box, 0);
    m_widgets.insert(o.Name, box);
    if (editable || params.contains(QStringLiteral("verbatim")))
        SetConfigValue(o.Name, DisplayValue(o));
    connect(box, qOverload<int>(&QComboBox::currentIndexChanged), this, &MTEEditControl::OnDropIdx);
    connect(box, &QComboBox::editTextChanged, this, &MTEEditControl::OnApplyCfg);
    return true;
}

bool MTEEditControl::AddPickerOption(const DataCfg::TConfigOption& o, int index, Form& form) {
    // A text field with the button that fills it: a file, a folder or a recorded shortcut.
    auto* edit = new QLineEdit(o.Value, form.Area());
    edit->setMaximumHeight(19);
    form.Add(edit, 1);
    form.AddGap(2);
    auto* button = new StdBtn(form.Area(), 1);
    form.AddBeside(button);
    m_widgets.insert(o.Name, edit);
    connect(edit, &QLineEdit::textChanged, this, &MTEEditControl::OnApplyCfg);
    if (o.Type == DataCfg::CO_Shortcut) {
        button->setObjectName(QStringLiteral("ShortcutRecord"));
        button->setText(tr("Record"));
        button->setStatusTip(tr("Record Shortcut by pressing Keys"));
        button->setProperty("optionName", o.Name);
        button->installEventFilter(this);
        connect(button, &QPushButton::clicked, this, &MTEEditControl::OnRecordShortcut);
    } else {
        const bool file = o.Type == DataCfg::CO_File;
        button->setText(file ? tr("File") : tr("Folder"));
        button->setStatusTip(file ? tr("Select File") : tr("Select Folder"));
        button->setProperty("optionIndex", index);
        connect(button, &QPushButton::clicked, this,
                file ? &MTEEditControl::OnSelectFile : &MTEEditControl::OnSelectFolder);
    }
    return true;
}

bool MTEEditControl::AddButtonOption(const DataCfg::TConfigOption& o, int, Form& form) {
    const QMap<QString, QString> params = SplitParams(o.Params);
    const QString type = params.value(QStringLiteral("type"));
    QPushButton* button = nullptr;
    if (type == QLatin1String("image")) {
        auto* b = new ImgBtn(form.Area());
        b->SetImage(params.value(QStringLiteral("image")));
        b->setCheckable(params.contains(QStringLiteral("toggle")));
        b->setChecked(o.Value == QLatin1String("1") || o.Value == QLatin1String("true"));
        button = b;
    } else if (type == QLatin1String("text")) {
        button = new StdBtn(form.Area(), 1);
        button->setText(TranslateAtName(o.Text));
    } else if (type == QLatin1String("icon")) {
        button = new StdIcnBtnND(form.Area(), params.value(QStringLiteral("icon")));
        button->setText(TranslateAtName(o.Text));
    } else {
        QLOG_WARN() << "Invalid Config Button type=" << type;
        return false;
    }
    button->setStatusTip(params.value(QStringLiteral("tooltip")));
    button->setProperty("optionName", o.Name);
    form.Add(button, 0);
    m_widgets.insert(o.Name, button);
    connect(button, &QPushButton::clicked, this, &MTEEditControl::OnBtnConfigClicked);
    return true;
}

bool MTEEditControl::AddSpinnerOption(const DataCfg::TConfigOption& o, int, Form& form) {
    auto* spin = new Spinner(form.Area());
    spin->setMaximumHeight(19);
    spin->SetSpec(SplitParams(o.Params).value(QStringLiteral("range")));
    if (!o.Value.isEmpty())
        spin->SetValue(o.Value.toInt());
    form.Add(spin, 1);
    m_widgets.insert(o.Name, spin);
    connect(spin, &Spinner::changed, this, &MTEEditControl::OnApplyCfg);
    return true;
}

bool MTEEditControl::AddSpinDropOption(const DataCfg::TConfigOption& o, int, Form& form) {
    // A spinner and a drop-down of common values that follow each other.
    const QMap<QString, QString> params = SplitParams(o.Params);
    const QString suffix = params.value(QStringLiteral("suffix"));
    auto* spin = new Spinner(form.Area());
    spin->setObjectName(o.Name);
    spin->setMaximumHeight(19);
    spin->setProperty("suffix", suffix);
    spin->SetSpec(params.value(QStringLiteral("range")));
    if (!o.Value.isEmpty())
        spin->SetValue(o.Value.toInt());
    form.Add(spin, 1);
    form.AddGap(2);
    auto* box = new QComboBoxEx(form.Area());
    box->setObjectName(o.Name);
    box->setEditable(true);
    box->numeric = params.contains(QStringLiteral("range"));
    box->setMaximumHeight(19);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    int longest = 0;
    for (const QString& item : o.Items) {
        const QString text = TranslateAtName(item) + suffix;
        box->addItem(text);
        longest = qMax(longest, text.size());
    }
    box->setMinimumContentsLength(longest + 1);
    form.Add(box, 0);
    m_widgets.insert(o.Name, spin);
    m_widgets.insert(o.Name + QLatin1Char('#'), box);
    SetConfigValue(o.Name + QLatin1Char('#'), QString::number(spin->value) + suffix);
    connect(spin, &Spinner::changed, this, &MTEEditControl::OnSpinDrop);
    connect(box, qOverload<int>(&QComboBox::currentIndexChanged), this, &MTEEditControl::OnSpinDrop);
    connect(box, &QComboBox::editTextChanged, this, &MTEEditControl::OnSpinDrop);
    connect(box, &QComboBoxEx::focusOut, this, &MTEEditControl::OnSpinDrop);
    return true;
}

bool MTEEditControl::AddAlignOption(const DataCfg::TConfigOption& o, int, Form& form) {
    auto* w = new CtrlAlign(form.Area());
    if (!o.Value.isEmpty())
        w->value = o.Value.toUInt();
    form.Add(w, 1);
    m_widgets.insert(o.Name, w);
    connect(w, &CtrlAlign::changed, this, &MTEEditControl::OnApplyCfg);
    return true;
}

bool MTEEditControl::AddPositionOption(const DataCfg::TConfigOption& o, int, Form& form) {
    auto* w = new CtrlPosition(form.Area());
    if (!o.Value.isEmpty())
        w->SetValue(o.Value);
    form.Add(w, 1);
    m_widgets.insert(o.Name, w);
    connect(w, &CtrlPosition::changed, this, &MTEEditControl::OnApplyCfg);
    return true;
}

bool MTEEditControl::AddColourOption(const DataCfg::TConfigOption& o, int, Form& form) {
    auto* w = new ColPickBtn(form.Area());
    if (!o.Value.isEmpty())
        w->SetColor(o.Value);
    form.Add(w, 1);
    m_widgets.insert(o.Name, w);
    connect(w, &ColPickBtn::changed, this, &MTEEditControl::OnApplyCfg);
    return true;
}

void MTEEditControl::RunConfigFunc(const QString& handlers, const QString& argument) {
    if (handlers.contains(QLatin1Char(';'))) {
        for (const QString& part : handlers.split(QLatin1Char(';')))
            RunConfigFunc(part, argument);
        return;
    }
    QString name = handlers.trimmed();
    DataCfg* cfg = DataCfg::Instance();
    if (name.isEmpty() || !cfg)
        return;
    if (!name.contains(QLatin1Char(':')))
        name = m_control.Set + QLatin1Char(':') + name;
    QScriptEngine* engine = cfg->GetScriptEngine(name);
    if (!engine) {
        QLOG_WARN() << "Config Function not found:" << name;
        return;
    }
    QScriptValueList args;
    QObject* control = ControlScriptObject(engine);
    args << (control ? engine->newQObject(control) : QScriptValue());
    auto* dcConfig = new DCConfig(&m_control.Config, engine);
    args << engine->newQObject(dcConfig, QScriptEngine::ScriptOwnership);
    args << QScriptValue(argument);
    cfg->ExecScriptfunc(this, name, args);
}

void MTEEditControl::RunControlFunc(const QString& handler) {
    QString name = handler.trimmed();
    DataCfg* cfg = DataCfg::Instance();
    if (name.isEmpty() || !cfg)
        return;
    if (!name.contains(QLatin1Char(':')))
        name = m_control.Set + QLatin1Char(':') + name;
    QScriptEngine* engine = cfg->GetScriptEngine(name);
    if (!engine) {
        QLOG_WARN() << "Control Function not found:" << name;
        return;
    }
    QObject* control = ControlScriptObject(engine);
    cfg->ExecScriptfunc(this, name, {control ? engine->newQObject(control) : QScriptValue()});
}

void MTEEditControl::OnApplyCfg() {
    m_applyPending = true;
    if (m_applyTimer && !m_applyTimer->isActive())
        m_applyTimer->start();
}

void MTEEditControl::StoreWidgetValues(bool appendMissing) {
    for (auto it = m_widgets.cbegin(); it != m_widgets.cend(); ++it) {
        if (it.key().endsWith(QLatin1Char('#')))
            continue;
        DataCfg::TConfigOption* option = m_control.Config.FindOption(it.key());
        if (!option) {
            if (!appendMissing)
                continue;
            DataCfg::TConfigOption added;
            added.Name = it.key();
            m_control.Config.Options.append(added);
            option = m_control.Config.FindOption(it.key());
        }
        option->Value = GetConfigValue(it.key()).toString();
    }
}

void MTEEditControl::CheckApplyCfg() {
    if (!m_applyPending) {
        if (m_applyTimer)
            m_applyTimer->stop();
        return;
    }
    // A hidden editor's update timer rests: the preview's pending change is taken here instead of waiting for
    // the editor to be shown.
    if (m_preview && m_preview->IsUpdatePending() && m_updateTimer && !m_updateTimer->isActive())
        m_preview->OnCheckUpdate();
    if (!m_preview || m_preview->IsUpdatePending())
        return;
    StoreWidgetValues(true);
    RunConfigFunc(m_control.Config.OnUpdate, QString());
    StoreWidgetValues(false);
    RebuildPreview(false);
    emit ApplyCfg();
    m_applyPending = false;
    if (m_applyTimer)
        m_applyTimer->stop();
}

// ---------------------------------------------------------------------------------------------------------
// Values

QVariant MTEEditControl::GetConfigValue(const QString& name) {
    QObject* w = m_widgets.value(name);
    if (!w)
        return 0;
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    if (auto* e = qobject_cast<QTextEdit*>(w))
        return e->toPlainText();
    if (auto* a = qobject_cast<CtrlAlign*>(w))
        return QString::number(a->value);
    if (auto* p = qobject_cast<CtrlPosition*>(w))
        return QStringLiteral("%1,%2").arg(p->value.x()).arg(p->value.y());
    if (auto* c = qobject_cast<ColPickBtn*>(w))
        return c->GetColor();
    if (auto* s = qobject_cast<Spinner*>(w))
        return s->value;
    if (auto* c = qobject_cast<QCheckBox*>(w))
        return int(c->checkState());
    if (auto* b = qobject_cast<QAbstractButton*>(w); b && b->isCheckable())
        return b->isChecked();
    if (auto* box = qobject_cast<QComboBox*>(w)) {
        const DataCfg::TConfigOption* o = m_control.Config.FindOption(name);
        if ((o && o->Params.contains(QLatin1String("verbatim"))) || box->isEditable() || (o && StoresText(*o)))
            return o && StoresText(*o) && box->currentIndex() >= 0 && !box->isEditable()
                       ? o->Items.value(box->currentIndex(), box->currentText())
                       : box->currentText();
        return box->currentIndex();
    }
    if (auto* g = qobject_cast<QButtonGroup*>(w))
        return g->checkedId();
    const DataCfg::TConfigOption* o = m_control.Config.FindOption(name);
    return o ? o->Value : QString();
}

void MTEEditControl::SetConfigValue(const QString& name, const QString& value) {
    QObject* w = m_widgets.value(name);
    if (!w)
        return;
    DataCfg::TConfigOption* o = m_control.Config.FindOption(name);
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        const int cursor = e->cursorPosition();
        if (value.startsWith(QLatin1String("::ins::")))
            e->insert(value.mid(7));
        else
            e->setText(value);
        e->setCursorPosition(cursor);
        if (o)
            o->Value = e->text();
    } else if (auto* t = qobject_cast<QTextEdit*>(w)) {
        t->setPlainText(value);
    } else if (auto* a = qobject_cast<CtrlAlign*>(w)) {
        a->value = value.toUInt();
        a->update();
    } else if (auto* p = qobject_cast<CtrlPosition*>(w)) {
        p->SetValue(value);
    } else if (auto* c = qobject_cast<ColPickBtn*>(w)) {
        c->SetColor(value);
        if (o)
            o->Value = c->GetColor();
    } else if (auto* s = qobject_cast<Spinner*>(w)) {
        s->SetValue(s->Clamp(value.toInt()));
    } else if (qobject_cast<QCheckBox*>(w) ||
               (qobject_cast<QAbstractButton*>(w) && static_cast<QAbstractButton*>(w)->isCheckable())) {
        if (o)
            o->Value = value;
    } else if (auto* box = qobject_cast<QComboBoxEx*>(w)) {
        if ((o && o->Params.contains(QLatin1String("verbatim"))) || box->isEditable())
            box->SelectText(value);
        else
            box->setCurrentIndex(value.toInt());
    } else if (auto* box = qobject_cast<QComboBox*>(w)) {
        box->setCurrentIndex(value.toInt());
    } else if (o) {
        o->Value = value;
    }
}

bool MTEEditControl::HasConfigFocus(const QString& name) {
    auto* w = qobject_cast<QWidget*>(m_widgets.value(name));
    return w && w->hasFocus();
}

QString MTEEditControl::AskOpenFile(const QString& caption, const QString& start, const QString& filter) {
    if (m_openFile)
        return m_openFile(caption, start, filter);
    return QFileDialog::getOpenFileName(this, caption, start, filter);
}

QString MTEEditControl::AskFolder(const QString& caption, const QString& start) {
    if (m_openFolder)
        return m_openFolder(caption, start, QString());
    return QFileDialog::getExistingDirectory(this, caption, start, QFileDialog::ShowDirsOnly);
}

int MTEEditControl::Ask(int icon, const QString& title, const QString& text, int buttons) {
    if (m_ask)
        return m_ask(icon, title, text, buttons);
    return MsgBox(this, icon, title, text, buttons, buttons);
}

void MTEEditControl::OnDropIdx() {
    auto* box = qobject_cast<QComboBoxEx*>(sender());
    if (!box || box->currentIndex() < 0)
        return;
    const QString tag = box->itemData(box->currentIndex()).toString();
    const QString previous = box->previousEditText();
    auto restore = [box](const QString& text) {
        box->setCurrentIndex(-1);
        box->setEditText(text);
    };
    auto startFolder = [&previous](const char* folder) {
        if (previous.contains(QLatin1Char(':')))
            return PluginTools::ResolvePath(QFileInfo(previous).absoluteFilePath());
        return PluginTools::ResolvePath(PluginTools::GetDataPath() + QLatin1String(folder));
    };
    if (tag == QLatin1String("imagefile") || tag == QLatin1String("soundfile")) {
        const bool image = tag == QLatin1String("imagefile");
        const QString file = AskOpenFile(
            image ? tr("Select Image") : tr("Select Sound"), startFolder(image ? "Icons/" : "Sound/"),
            image ? tr("Image Files (*.png *.jpg *.exe *.dll *.ico)") : tr("Sound Files (*.wav *.ogg *.mp3)"));
        if (!file.isEmpty()) {
            const QString relative = PluginTools::RelativePath(file);
            QLOG_DEBUG() << "OnSelectFile:" << relative;
            restore(relative);
        } else {
            restore(previous);
        }
    } else if (tag == QLatin1String("shortcut") || tag == QLatin1String("startapp") ||
               tag == QLatin1String("openfile") || tag == QLatin1String("openurl")) {
        QString value;
        QString prefix;
        int result = 0;
        if (tag == QLatin1String("shortcut")) {
            auto* popup = new ShortcutPopup(this);
            result = RunPopup(popup);
            value = popup->GetShortcut();
            prefix = QStringLiteral("Shortcut: ");
            delete popup;
        } else if (tag == QLatin1String("openurl")) {
            auto* popup = new UrlPopup(this);
            result = RunPopup(popup);
            value = popup->GetUrl();
            prefix = QStringLiteral("Execute: ");
            delete popup;
        } else {
            auto* popup = new OpenPopup(this, tag == QLatin1String("startapp"));
            result = RunPopup(popup);
            value = popup->GetPath();
            prefix = QStringLiteral("Execute: ");
            delete popup;
        }
        restore(result == Ok && !value.isEmpty() ? prefix + value : previous);
    } else if (tag == QLatin1String("macro")) {
        QString current = previous;
        if (current.startsWith(QLatin1String("Macro:")))
            current.remove(0, 6);
        auto* popup = new MacroPopup(this, current.trimmed());
        const int result = RunPopup(popup);
        const QString name = popup->GetMacroName();
        delete popup;
        restore(result == Ok && !name.isEmpty() ? QStringLiteral("Macro: ") + name : previous);
    }
    OnApplyCfg();
}

void MTEEditControl::OnSpinDrop() {
    const QString name = sender() ? sender()->objectName() : QString();
    auto* spin = qobject_cast<Spinner*>(m_widgets.value(name));
    auto* box = qobject_cast<QComboBoxEx*>(m_widgets.value(name + QLatin1Char('#')));
    if (!m_control.Config.FindOption(name) || !spin || !box)
        return;
    const bool spinBlocked = spin->blockSignals(true);
    const bool boxBlocked = box->blockSignals(true);
    const int cursor = box->lineEdit() ? box->lineEdit()->cursorPosition() : 0;
    const QString suffix = spin->property("suffix").toString();
    if (sender() == spin) {
        box->SelectText(QString::number(spin->value) + suffix);
    } else {
        const QString typed = Digits(box->currentText());
        const int value = spin->Clamp(typed.toInt());
        spin->SetValue(value);
        box->setEditText((box->hasFocus() ? typed : QString::number(value)) + suffix);
    }
    if (box->lineEdit())
        box->lineEdit()->setCursorPosition(cursor);
    OnApplyCfg();
    spin->blockSignals(spinBlocked);
    box->blockSignals(boxBlocked);
}

void MTEEditControl::OnSelectFile() {
    const int index = sender() ? sender()->property("optionIndex").toInt() : -1;
    const QList<DataCfg::TConfigOption> options = m_control.Config.Options;
    if (index < 0 || index >= options.size())
        return;
    const DataCfg::TConfigOption& o = options.at(index);
    auto* edit = qobject_cast<QLineEdit*>(m_widgets.value(o.Name));
    if (!edit)
        return;
    const QString caption = o.Items.size() > 0 ? TranslateAtName(o.Items.at(0)) : tr("Select File");
    const QString filter = o.Items.size() > 1 ? TranslateAtName(o.Items.at(1)) : tr("Any (*.*)");
    const QString current = edit->text().trimmed();
    const QString start =
        PluginTools::ResolvePath(current.isEmpty() ? PluginTools::GetDataPath() + QStringLiteral("Icons/")
                                                   : QFileInfo(current).absoluteFilePath());
    const QString file = AskOpenFile(caption, start, filter);
    if (file.isEmpty())
        return;
    const QString relative = PluginTools::RelativePath(file);
    QLOG_DEBUG() << "OnSelectFile:" << relative;
    edit->setText(relative);
    RunControlFunc(m_control.OnUpdate);
}

void MTEEditControl::OnSelectFolder() {
    const int index = sender() ? sender()->property("optionIndex").toInt() : -1;
    const QList<DataCfg::TConfigOption> options = m_control.Config.Options;
    if (index < 0 || index >= options.size())
        return;
    const DataCfg::TConfigOption& o = options.at(index);
    auto* edit = qobject_cast<QLineEdit*>(m_widgets.value(o.Name));
    if (!edit)
        return;
    const QString caption = o.Items.size() > 0 ? TranslateAtName(o.Items.at(0)) : tr("Select Folder");
    const QString current = edit->text().trimmed();
    const QString start = current.isEmpty() ? PluginTools::GetDataPath() + QStringLiteral("Icons/")
                                            : QFileInfo(current).absoluteFilePath();
    const QString folder = AskFolder(caption, start);
    if (folder.isEmpty())
        return;
    QLOG_DEBUG() << "OnSelectFolder:" << folder;
    edit->setText(folder);
    RunControlFunc(m_control.OnUpdate);
}

void MTEEditControl::OnRecordShortcut() {
    auto* button = qobject_cast<QPushButton*>(sender());
    if (!button)
        return;
    button->setFocus();
    button->setDown(true);
}

void MTEEditControl::OnBtnConfigClicked() {
    const QString name = sender() ? sender()->property("optionName").toString() : QString();
    DataCfg::TConfigOption* o = m_control.Config.FindOption(name);
    if (!m_widgets.contains(name) || !o)
        return;
    if (!o->OnMouseClick.isEmpty())
        RunConfigFunc(o->OnMouseClick, name);
    OnApplyCfg();
}

QString MTEEditControl::DoSelectFile(const QString& caption, const QString& filter, const QString& value) {
    const QString current = TranslateAtName(value).trimmed();
    const QString start =
        PluginTools::ResolvePath(current.isEmpty() ? PluginTools::GetDataPath() + QStringLiteral("Icons/")
                                                   : QFileInfo(current).absoluteFilePath());
    const QString file = AskOpenFile(TranslateAtName(caption), start, TranslateAtName(filter));
    return file.isEmpty() ? value : PluginTools::RelativePath(file);
}

QString MTEEditControl::DoSelectFolder(const QString& caption, const QString& value) {
    const QString current = TranslateAtName(value).trimmed();
    const QString start = current.isEmpty() ? PluginTools::GetDataPath() + QStringLiteral("Icons/")
                                            : QFileInfo(current).absoluteFilePath();
    const QString folder = AskFolder(TranslateAtName(caption), start);
    return folder.isEmpty() ? value : folder;
}

QString MTEEditControl::DoShortcutPopup(const QString& value) {
    auto* popup = new ShortcutPopup(this);
    const int result = RunPopup(popup);
    const QString shortcut = popup->GetShortcut();
    delete popup;
    return result == Ok && !shortcut.isEmpty() ? shortcut : value;
}

QString MTEEditControl::DoMacroPopup(const QString& value) {
    QLOG_DEBUG() << "DoMacroPopup:" << value;
    auto* popup = new MacroPopup(this, value);
    const int result = RunPopup(popup);
    const QString name = popup->GetMacroName();
    delete popup;
    return result == Ok && !name.isEmpty() ? name : value;
}

QString MTEEditControl::TilingDialog(const QString& value, const QString& defaultValue) {
    auto* popup = new TilingPopup(this, value, defaultValue);
    RunPopup(popup);
    const QString tiling = popup->GetValue();
    delete popup;
    return tiling;
}

bool MTEEditControl::ValidateSize(int width, int height) {
    const bool ok = !m_gridEdit || m_gridEdit->Canvas()->CanResizeCtrl(m_control, width, height);
    if (!ok)
        PAL::PlayWarningSound(false);
    return ok;
}

// ---------------------------------------------------------------------------------------------------------
// Storage and exchange

void MTEEditControl::OnSave() {
    DataCfg* cfg = DataCfg::Instance();
    if (m_control.Name.isEmpty() || !cfg)
        return;
    const DataCfg::TCtrlSet set = cfg->FindCtrlSet(m_listName);
    if (set.UserList && !m_listName.isEmpty())
        DoSave();
    else
        OnSaveAs();
}

void MTEEditControl::DoSave() {
    DataCfg* cfg = DataCfg::Instance();
    if (!cfg || m_control.Name.isEmpty() || m_category.isEmpty() || m_entryName.isEmpty())
        return;
    StoreWidgetValues(false);
    const QString error =
        ExchangeUi::SaveToMyControls({ExchangeUi::MyControlEntry(m_category, m_entryName, m_control)});
    if (!error.isEmpty()) {
        // Nothing was saved: the form keeps the edit, so the user can save again once the file can be written.
        Ask(3, tr("Error"), tr("The control was not saved: ") + error, QMessageBox::Ok);
        return;
    }
    m_listName = cfg->GetMyControlsSet().Name;
    emit ControlsSaved();
}

void MTEEditControl::OnSaveAs() {
    if (m_control.Name.isEmpty())
        return;
    QString category = TranslatePath(m_category);
    QString name = TranslateAtName(m_entryName);
    bool accepted = false;
    if (m_saveAs) {
        accepted = m_saveAs(category, name);
    } else {
        QDialog dialog(this, windowFlags() & ~Qt::WindowContextHelpButtonHint);
        dialog.setWindowFlags(dialog.windowFlags() & ~Qt::WindowContextHelpButtonHint);
        dialog.setMinimumWidth(300);
        dialog.setWindowTitle(tr("Save Custom Control As ..."));
        auto* layout = new QVBoxLayout(&dialog);
        auto* categoryRow = new QHBoxLayout;
        categoryRow->addWidget(new QLabel(tr("Category:")));
        auto* categoryEdit = new QLineEdit(category);
        categoryRow->addWidget(categoryEdit);
        auto* nameRow = new QHBoxLayout;
        nameRow->addWidget(new QLabel(tr("Name:")));
        auto* nameEdit = new QLineEdit(name);
        nameRow->addWidget(nameEdit);
        auto* buttons = new QHBoxLayout;
        auto* ok = new QPushButton(tr("Ok"));
        auto* cancel = new QPushButton(tr("Cancel"));
        buttons->addWidget(ok);
        buttons->addWidget(cancel);
        connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
        connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
        layout->addLayout(categoryRow);
        layout->addLayout(nameRow);
        layout->addLayout(buttons);
        accepted = dialog.exec() == QDialog::Accepted;
        category = categoryEdit->text();
        name = nameEdit->text();
    }
    if (!accepted)
        return;
    // An entry of the list needs both: a blank one is refused aloud rather than not saved without a word.
    if (category.trimmed().isEmpty() || name.trimmed().isEmpty()) {
        Ask(3, tr("Error"), tr("The control was not saved: it needs a category and a name."), QMessageBox::Ok);
        return;
    }
    m_category = category.trimmed();
    m_entryName = name.trimmed();
    DoSave();
}

void MTEEditControl::OnReset() {
    DataCfg* cfg = DataCfg::Instance();
    if (!cfg)
        return;
    const DataCfg::TControl c = cfg->FindControl(m_control.Name, m_control.Set);
    Select(c, m_entryName, Origin::Reset);
}

void MTEEditControl::OnExport() {
    const QString folder = PluginTools::GetUserPath() + QStringLiteral("Exchange/");
    QDir().mkpath(folder);
    const QString filter = QStringLiteral("*.") + CtrlPackageExt;
    const QString chosen = m_saveFile ? m_saveFile(tr("Export Control as ..."), folder, filter)
                                      : ExchangeUi::SaveFile(this, tr("Export Control as ..."), folder, filter);
    const QString path = ExchangeUi::WithExtension(chosen, CtrlPackageExt);
    if (path.isEmpty())
        return;
    StoreWidgetValues(false);
    QStringList leftOut;
    if (!ExportControl(m_entryName, m_control, path, &leftOut))
        Ask(3, tr("Error"), tr("Can't write File: ") + path, QMessageBox::Ok);
    else if (!leftOut.isEmpty())
        Ask(1, tr("WARNING"),
            tr("Not packed, outside the data and user folders:") + QLatin1Char('\n') + leftOut.join(QLatin1Char('\n')),
            QMessageBox::Ok);
}

void MTEEditControl::OnImport() {
    OnImport(QString());
}

void MTEEditControl::OnImport(const QString& given) {
    if (m_gridEdit && !m_gridEdit->DoModifiedWarning())
        return;
    const QString exchange = PluginTools::GetUserPath() + QStringLiteral("Exchange/");
    const QString import = PluginTools::GetUserPath() + QStringLiteral("Import/");
    QDir().mkpath(exchange);
    QDir().mkpath(import + QStringLiteral("rsc/"));
    QString path = given;
    if (path.isEmpty()) {
        path = AskOpenFile(tr("Import Control ..."), exchange, ExchangeUi::PackageFilter());
        if (path.isEmpty())
            return;
    }
    switch (DetectExchangeKind(path)) {
    case EK_Control: {
        // Into a copy: a failed import leaves the edited control as it was.
        QString entry;
        DataCfg::TControl imported;
        if (!ImportControl(entry, imported, path, import + QStringLiteral("rsc/"))) {
            Ask(3, tr("Error"), tr("Can't import File: ") + path, QMessageBox::Ok);
            return;
        }
        Select(imported, entry, Origin::Other);
        break;
    }
    case EK_Grid: {
        DataCfg::TGrid grid;
        if (!ImportGrid(grid, path, import + QStringLiteral("rsc/"))) {
            Ask(3, tr("Error"), tr("Can't import File: ") + path, QMessageBox::Ok);
            return;
        }
        QString problem;
        if (ExchangeUi::AddImportedGrid(grid, m_gridEdit, false, &problem).isEmpty())
            Ask(3, tr("Error"), problem, QMessageBox::Ok);
        break;
    }
    case EK_Package:
        ImpExpPopup::Exec(true, this, path, m_gridEdit);
        if (ImpExpPopup::ControlsImported && m_list) {
            if (DataCfg* cfg = DataCfg::Instance()) {
                m_list->UpdateCtrlsCmb();
                m_list->OnCmbCategoryChanged(cfg->GetMyControlsSet().Name);
            }
        }
        break;
    case EK_Plugin:
        ImpExpPluginPopUp::ImportPluginFile(path, this);
        break;
    default:
        Ask(3, tr("Error"), tr("Invalid File: ") + path, QMessageBox::Ok);
        break;
    }
}

// ---------------------------------------------------------------------------------------------------------
// Drag and drop

bool MTEEditControl::eventFilter(QObject* watched, QEvent* event) {
    if (watched->objectName() == QLatin1String("ShortcutRecord")) {
        switch (event->type()) {
        case QEvent::FocusIn:
            // While the Record button has the focus every key is recorded, in this program's key numbering,
            // and none of them runs a shortcut of the window.
            PAL::SetKeyboardCapture(true);
            break;
        case QEvent::FocusOut:
            PAL::SetKeyboardCapture(false);
            if (auto* button = qobject_cast<QPushButton*>(watched))
                button->setDown(false);
            break;
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            const QString option = watched->property("optionName").toString();
            if (auto* edit = qobject_cast<QLineEdit*>(m_widgets.value(option))) {
                const quint32 code = ((key->nativeVirtualKey() | (key->nativeModifiers() << 8)) << 16) |
                                     (key->nativeScanCode() & 0xFFFF);
                // The shortcut popup's rule, so both ways of recording store the same text.
                edit->setText(PAL_INT::CapturedShortcut(code));
            }
            return true;
        }
        case QEvent::KeyRelease:
            return true; // a released Space or Enter must not press the button
        default:
            break;
        }
    }
    if (m_preview && watched == m_preview && !m_preview->IsOfferingPress()) {
        if (event->type() == QEvent::MouseButtonPress) {
            auto* e = static_cast<QMouseEvent*>(event);
            m_dragOrigin = QPoint(-1000, 0);
            // The preview's own interaction comes first; a press it does not take starts a drag.
            if (m_preview->OfferPress(e))
                return true;
            m_dragOrigin = e->pos();
            e->accept();
            return true;
        }
        if (event->type() == QEvent::MouseMove && m_dragOrigin.x() >= 0) {
            auto* e = static_cast<QMouseEvent*>(event);
            if ((m_dragOrigin - e->pos()).manhattanLength() > QApplication::startDragDistance()) {
                e->accept();
                auto* drag = new QDrag(m_preview);
                drag->setMimeData(MakeDragData());
                drag->setPixmap(m_preview->grab());
                drag->setHotSpot(m_dragOrigin);
                m_dragOrigin = QPoint(-1000, 0);
                drag->exec(Qt::CopyAction | Qt::MoveAction);
            }
            return true;
        }
    }
    return QWidgetEx::eventFilter(watched, event);
}

QMimeData* MTEEditControl::MakeDragData() {
    auto* mime = new QMimeData;
    mime->setText(QLatin1String(GridView::DragMarker));
    return mime;
}

QString MTEEditControl::MatchDroppedFile(const QMimeData* mime) const {
    const QString path = DroppedFilePath(mime);
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return QString();
    for (const DataCfg::TConfigOption& o : m_control.Config.Options) {
        if (o.Type == DataCfg::CO_Folder && info.isDir())
            return o.Name;
        if (o.Type != DataCfg::CO_File || o.Items.size() < 2 || !info.isFile())
            continue;
        const QString filter = o.Items.at(1);
        const int open = filter.indexOf(QLatin1Char('('));
        const int close = filter.indexOf(QLatin1Char(')'), open);
        if (open < 0 || close < 0)
            continue;
        for (const QString& pattern :
             filter.mid(open + 1, close - open - 1).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QRegularExpression re(
                QRegularExpression::anchoredPattern(QRegularExpression::wildcardToRegularExpression(pattern)));
            if (re.match(path).hasMatch() || re.match(info.fileName()).hasMatch()) {
                QLOG_DEBUG() << "Match:" << pattern;
                return o.Name;
            }
        }
    }
    return QString();
}

void MTEEditControl::dragEnterEvent(QDragEnterEvent* e) {
    if (!MatchDroppedFile(e->mimeData()).isEmpty())
        e->acceptProposedAction();
}

void MTEEditControl::dropEvent(QDropEvent* e) {
    const QString option = MatchDroppedFile(e->mimeData());
    auto* edit = qobject_cast<QLineEdit*>(m_widgets.value(option));
    if (!edit)
        return;
    edit->setText(DroppedFilePath(e->mimeData()));
    e->acceptProposedAction();
    RunControlFunc(m_control.OnUpdate);
}
