#include "editor/gridsettingsdlg.h"

#include "config/datacfg.h"
#include "config/tgrid.h"
#include "config/tusercfg.h"
#include "editor/gridview.h"
#include "editor/mtegridedit.h"
#include "editor/tabelem.h"
#include "editor/tabview.h"
#include "foundation/logger/QsLog.h"
#include "functions/plugintools.h"
#include "widgets/colpickbtn.h"
#include "widgets/ctrlalign.h"
#include "widgets/ctrlposition.h"
#include "widgets/spindrop.h"
#include "widgets/spinner.h"
#include "widgets/tabfont.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextEdit>

static void InitEditorImages() {
    Q_INIT_RESOURCE(editorimages);
}

namespace {

const int kOk = PopupWnd::OK;

const char* const kStyle =
    "#lblGridSettings, #lblTabSettings { font-family: 'Eurostile-Demi'; font-weight: 504; font-size: 11px;"
    " color: #65c3f8; }"
    "#lblGridName, #lblGridCategory, #lblPathExe, #lblIconC, #lblIconCBG, #lblIconCOVL, #lblIconPresets,"
    " #lblTabName { font-family: Arial; font-size: 11px; font-weight: bold; color: #707171; }"
    "#lblInfoGrid { border: none; background-color: transparent; padding: 0px; margin: 0px; }"
    "#lblInfoGrid, #lblReset { color: #808080; font-family: Arial; font-size: 11px; }"
    "#edtTabName0, #edtTabName1 { color: white; font-family: Arial; font-size: 11px; background-color: transparent;"
    " border: none; padding: 0px; margin: 0px; }"
    "QPushButton { font-size: 10px; }"
    "#btnBGFile, #btnExeFile0, #btnExeFile1, #btnExeFile2, #btnCFile0 { border: none; padding: 0px;"
    " background-color: none; image: url(:/images/BtnFormFileN); }"
    "#btnBGFile:hover, #btnExeFile0:hover, #btnExeFile1:hover, #btnExeFile2:hover, #btnCFile0:hover {"
    " image: url(:/images/BtnFormFileH); }"
    "#btnBGFile:pressed, #btnExeFile0:pressed, #btnExeFile1:pressed, #btnExeFile2:pressed, #btnCFile0:pressed {"
    " image: url(:/images/BtnFormFileP); }"
    "#btnBGReset, #btnExeReset0, #btnExeReset1, #btnExeReset2, #btnCReset0 { border: none; padding: 0px;"
    " background-color: none; image: url(:/images/BtnFormResetN); }"
    "#btnBGReset:hover, #btnExeReset0:hover, #btnExeReset1:hover, #btnExeReset2:hover, #btnCReset0:hover {"
    " image: url(:/images/BtnFormResetH); }"
    "#btnBGReset:pressed, #btnExeReset0:pressed, #btnExeReset1:pressed, #btnExeReset2:pressed, #btnCReset0:pressed {"
    " image: url(:/images/BtnFormResetP); }";

QString ScaleText(int percent) {
    return QString::number(percent / 100.0, 'g', 6);
}

} // namespace

GridSettingsDlg::GridSettingsDlg(MTEGridEdit* editor) : PopupWnd(editor), m_editor(editor) {
    InitEditorImages();
    BuildForm();
    Background();
    resize(621, 375);
    AddButtons(OK | CANCEL, 0);
    setWindowTitle(tr("ADD GRID / EDIT GRID SETTINGS"));
    Field("edtTabName0")->setAlignment(Qt::AlignCenter);
    Field("edtTabName1")->setAlignment(Qt::AlignCenter);

    connect(Field("edtTabName0"), &QLineEdit::textEdited, this, &GridSettingsDlg::OnChangedTabName);
    connect(Field("edtTabName1"), &QLineEdit::textEdited, this, &GridSettingsDlg::OnChangedTabName);
    for (const char* name : {"btnExeFile0", "btnExeFile1", "btnExeFile2"})
        connect(findChild<QPushButton*>(QLatin1String(name)), &QPushButton::clicked, this,
                &GridSettingsDlg::OnClickedExeFile);
    for (const char* name : {"btnExeReset0", "btnExeReset1", "btnExeReset2", "btnCReset0", "btnBGReset"})
        connect(findChild<QPushButton*>(QLatin1String(name)), &QPushButton::clicked, this,
                &GridSettingsDlg::OnClickedReset);
    connect(findChild<QPushButton*>(QStringLiteral("btnCFile0")), &QPushButton::clicked, this,
            &GridSettingsDlg::OnClickedCFile);
    connect(findChild<QPushButton*>(QStringLiteral("btnBGFile")), &QPushButton::clicked, this,
            &GridSettingsDlg::OnClickedBGFile);
    connect(Field("edtCol"), &QLineEdit::textEdited, this,
            QOverload<const QString&>::of(&GridSettingsDlg::OnColChanged));
    connect(Field("edtGridName"), &QLineEdit::textEdited, this, &GridSettingsDlg::OnNameChanged);

    // The pickers stand below the icon field, 22 px apart; the margin pad to the right of the alignment.
    m_size = new SpinDrop(this, QStringLiteral("100:1-500"),
                          {QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("25"), QStringLiteral("50"),
                           QStringLiteral("75"), QStringLiteral("100")},
                          QStringLiteral("%"));
    m_size->setObjectName(QStringLiteral("spdIconSize"));
    m_size->move(422, 87);
    m_color = new ColPickBtn(this);
    m_color->setObjectName(QStringLiteral("btnColPick"));
    m_color->move(422, 109);
    m_align = new CtrlAlign(this);
    m_align->setObjectName(QStringLiteral("ctrlAlign"));
    m_align->move(422, 131);
    m_margin = new CtrlPosition(this);
    m_margin->setObjectName(QStringLiteral("ctrlMargin"));
    m_margin->move(555, 131);
    connect(m_color, &ColPickBtn::changed, this, QOverload<quint32>::of(&GridSettingsDlg::OnColChanged));

    Fill();

    const DataCfg::TGrid& grid = m_editor->Canvas()->Grid();
    m_preview = new TabElem(this, m_editor);
    m_preview->setObjectName(QStringLiteral("tabPreview"));
    m_preview->Init(grid);
    m_preview->SetType(TabElem::None);
    m_preview->move(519, 186);

    connect(m_size, &SpinDrop::changed, this, &GridSettingsDlg::OnSizeChanged);
    connect(Field("edtAlign"), &QLineEdit::textEdited, this,
            QOverload<const QString&>::of(&GridSettingsDlg::OnChangedAlign));
    connect(m_align, &CtrlAlign::changed, this, QOverload<>::of(&GridSettingsDlg::OnChangedAlign));
    connect(m_margin, &CtrlPosition::changed, this, QOverload<>::of(&GridSettingsDlg::OnChangedAlign));
    OnChangedAlign(Field("edtAlign")->text());
}

GridSettingsDlg::~GridSettingsDlg() = default;

int GridSettingsDlg::Run(MTEGridEdit* editor) {
    return (new GridSettingsDlg(editor))->exec();
}

const QImage& GridSettingsDlg::Background() {
    static const QImage image(QStringLiteral(":/images/WndBGGridSettings"));
    return image;
}

void GridSettingsDlg::BuildForm() {
    setObjectName(QStringLiteral("GridSettingsDlg"));
    auto label = [this](const char* name, const QRect& r, const QString& text) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(r);
        return l;
    };
    auto edit = [this](const char* name, const QRect& r) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        e->setGeometry(r);
        return e;
    };
    auto button = [this](const char* name, const QRect& r) {
        auto* b = new QPushButton(this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(r);
        b->setFocusPolicy(Qt::NoFocus);
        b->setCursor(Qt::PointingHandCursor);
        return b;
    };
    label("lblGridSettings", QRect(16, 42, 271, 21), tr("GRID SETTINGS"));
    label("lblGridName", QRect(20, 63, 81, 21), tr("Grid Name:"));
    edit("edtGridName", QRect(105, 63, 185, 19));
    label("lblGridCategory", QRect(20, 102, 231, 21), tr("Grid Background (640x960px):"));
    edit("edtBG", QRect(20, 125, 220, 19));
    button("btnBGFile", QRect(243, 125, 22, 19))->setToolTip(tr("Select Background"));
    button("btnBGReset", QRect(267, 125, 22, 19));
    label("lblPathExe", QRect(20, 160, 211, 21), tr("Grid Auto-Switch:"));
    for (int i = 0; i < 3; ++i) {
        const int y = 185 + 21 * i;
        edit(qPrintable(QStringLiteral("edtExe%1").arg(i)), QRect(20, y, 220, 19));
        button(qPrintable(QStringLiteral("btnExeFile%1").arg(i)), QRect(243, y, 22, 19));
        button(qPrintable(QStringLiteral("btnExeReset%1").arg(i)), QRect(267, y, 22, 19));
    }
    auto* info = new QTextEdit(this);
    info->setObjectName(QStringLiteral("lblInfoGrid"));
    info->setGeometry(16, 251, 291, 81);
    info->setReadOnly(true);
    info->setFocusPolicy(Qt::NoFocus);
    info->setFrameShape(QFrame::NoFrame);
    info->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    info->setHtml(QStringLiteral("<span style=\"font-family:Arial; font-size:11px; color:#808080;\"><b>%1</b>%2</span>")
                      .arg(tr("Info:"), tr(" Assign up to 3 paths to executables of games or applications that you "
                                           "want this grid to be assigned to. When starting your game/application, "
                                           "the Velli-Chor App will automatically switch to the corresponding "
                                           "grid/tab.")
                                            .toHtmlEscaped()));
    label("lblTabSettings", QRect(329, 42, 500, 21), tr("TAB SETTINGS"));
    label("lblIconC", QRect(333, 65, 91, 21), tr("Tab Icon:"));
    edit("edtCI", QRect(422, 65, 131, 20));
    button("btnCFile0", QRect(556, 65, 22, 19))->setToolTip(tr("Select Icon"));
    button("btnCReset0", QRect(580, 65, 22, 19));
    label("lblIconCBG", QRect(333, 87, 91, 21), tr("Icon Size:"));
    label("lblIconCOVL", QRect(333, 109, 91, 21), tr("Colorize:"));
    edit("edtCol", QRect(444, 109, 109, 20));
    label("lblIconPresets", QRect(333, 131, 91, 21), tr("Align/Margin:"));
    // The alignment picker of the widget kit is 60 px wide: the alignment text starts to its right.
    edit("edtAlign", QRect(486, 131, 67, 20));
    label("lblTabName", QRect(333, 185, 81, 21), tr("Tab Name:"));
    edit("edtTabName0", QRect(331, 201, 84, 20));
    edit("edtTabName1", QRect(331, 218, 84, 20));
    label("lblReset", QRect(485, 295, 121, 20), tr("X = reset to default"));
    setStyleSheet(QLatin1String(kStyle));
}

QLineEdit* GridSettingsDlg::Field(const char* objectName) const {
    return findChild<QLineEdit*>(QLatin1String(objectName));
}

void GridSettingsDlg::Fill() {
    const DataCfg::TGrid& grid = m_editor->Canvas()->Grid();
    m_startName = grid.Name;
    Field("edtGridName")->setText(grid.Name);
    Field("edtBG")->setText(grid.Background);
    const QStringList title = grid.Title.split(QLatin1Char('\n'));
    Field("edtTabName0")->setText(title.value(0));
    Field("edtTabName1")->setText(title.value(1));
    Field("edtExe0")->setText(grid.Exe0);
    Field("edtExe1")->setText(grid.Exe1);
    Field("edtExe2")->setText(grid.Exe2);

    const QStringList icon = grid.Icon.split(QLatin1Char('|'));
    Field("edtCI")->setText(icon.value(0));
    // A text that is no number reads as 0 and ends at the smallest size.
    const double scale = icon.size() > 1 ? icon.at(1).toDouble() : 0.5;
    m_size->SetValue(qBound(1, int(scale * 100), 500));
    Field("edtCol")->setText(icon.value(2));
    m_color->SetColor(icon.value(2));
    Field("edtAlign")->setText(icon.size() > 3 ? icon.at(3) : QStringLiteral("CC: 0,-28"));
}

QString GridSettingsDlg::IconText() const {
    return Field("edtCI")->text() + QLatin1Char('|') + ScaleText(m_size->Value()) + QLatin1Char('|') +
           Field("edtCol")->text() + QLatin1Char('|') + Field("edtAlign")->text();
}

QString GridSettingsDlg::CleanName(const QString& name) {
    QString clean = name;
    for (const QChar c : QStringLiteral("/\\:*?\"><|"))
        clean.remove(c);
    return clean;
}

// ---------------------------------------------------------------------------------------------------------
// Preview

void GridSettingsDlg::OnUpdateIcon() {
    if (!m_preview)
        return;
    m_preview->SetIcon(IconText());
    m_preview->SetActive(false);
    m_preview->SetActive(true);
}

void GridSettingsDlg::OnSizeChanged(int) {
    OnUpdateIcon();
}

void GridSettingsDlg::OnColChanged(quint32) {
    Field("edtCol")->setText(m_color->GetColor());
    OnUpdateIcon();
}

void GridSettingsDlg::OnColChanged(const QString& text) {
    m_color->SetColor(text);
    OnUpdateIcon();
}

void GridSettingsDlg::OnChangedTabName() {
    const QString line2 = Field("edtTabName1")->text();
    QString caption = Field("edtTabName0")->text();
    if (!line2.isEmpty())
        caption += QLatin1Char('\n') + line2;
    m_preview->SetCaption(caption);
    m_preview->SetActive(false);
    m_preview->SetActive(true);
}

void GridSettingsDlg::OnNameChanged(const QString&) {
    QString line1 = Field("edtGridName")->text();
    QString line2;
    const QFontMetrics fm(TabCaptionFont());
    static const QRegularExpression blank(QStringLiteral("\\s"));
    while (fm.horizontalAdvance(line1) >= 150) {
        const int at = line1.lastIndexOf(blank);
        if (at < 0)
            break;
        line2 = line1.mid(at + 1) + QLatin1Char(' ') + line2;
        line1 = line1.left(at);
    }
    Field("edtTabName0")->setText(line1);
    Field("edtTabName1")->setText(line2);
    OnChangedTabName();
}

void GridSettingsDlg::OnChangedAlign(const QString& text) {
    const QString t = text.trimmed();
    const QChar h = t.size() > 0 ? t.at(0).toUpper() : QChar();
    const QChar v = t.size() > 1 ? t.at(1).toUpper() : QChar();
    quint32 bits = 0;
    if (h == QLatin1Char('R'))
        bits = 4;
    else if (h == QLatin1Char('C'))
        bits = 2;
    else if (h == QLatin1Char('L'))
        bits = 1;
    if (v == QLatin1Char('T'))
        bits |= 8;
    else if (v == QLatin1Char('C'))
        bits |= 0x10;
    else if (v == QLatin1Char('B'))
        bits |= 0x20;
    if (bits) {
        m_align->value = bits;
        m_align->update();
    }
    const int blank = t.indexOf(QLatin1Char(' '));
    if (blank >= 0) {
        m_margin->SetValue(t.mid(blank + 1).trimmed());
        m_margin->update();
    }
    OnUpdateIcon();
}

void GridSettingsDlg::OnChangedAlign() {
    const quint32 bits = m_align->value;
    const QChar h = bits & 1 ? QLatin1Char('L') : bits & 4 ? QLatin1Char('R') : QLatin1Char('C');
    const QChar v = bits & 8 ? QLatin1Char('T') : bits & 0x20 ? QLatin1Char('B') : QLatin1Char('C');
    Field("edtAlign")
        ->setText(QStringLiteral("%1%2: %3,%4").arg(h).arg(v).arg(m_margin->value.x()).arg(m_margin->value.y()));
    OnUpdateIcon();
}

// ---------------------------------------------------------------------------------------------------------
// Files

QString GridSettingsDlg::PickFile(const QString& caption, const QString& start, const QString& filter) {
    if (pickFile)
        return pickFile(caption, start, filter);
    return QFileDialog::getOpenFileName(this, caption, start, filter);
}

QString GridSettingsDlg::ImageStartFolder(const QString& text) {
    // A data-folder path, a path of the machine, or else the data folder's icons.
    if (text.startsWith(QLatin1Char('/')))
        return PluginTools::ResolvePath(text);
    if (text.contains(QLatin1Char('/')) || text.contains(QLatin1Char('\\')))
        return QDir(text).absolutePath();
    return PluginTools::ResolvePath(QStringLiteral("Icons"));
}

void GridSettingsDlg::OnClickedBGFile() {
    QLineEdit* field = Field("edtBG");
    const QString start = ImageStartFolder(field->text());
    const QString chosen = PickFile(tr("Select Background"), start, QStringLiteral("*.png *.jpg"));
    if (!chosen.isEmpty())
        field->setText(QFileInfo(chosen).absoluteFilePath());
}

void GridSettingsDlg::OnClickedCFile() {
    if (sender() && sender()->objectName() != QLatin1String("btnCFile0"))
        return;
    QLineEdit* field = Field("edtCI");
    const QString start = ImageStartFolder(field->text());
    const QString chosen = PickFile(tr("Select Icon"), start, QStringLiteral("*.png *.jpg"));
    if (chosen.isEmpty())
        return;
    field->setText(QFileInfo(chosen).absoluteFilePath());
    OnUpdateIcon();
}

void GridSettingsDlg::OnClickedExeFile() {
    const QString name = sender() ? sender()->objectName() : QString();
    if (!name.startsWith(QLatin1String("btnExeFile")))
        return;
    QLineEdit* field = Field(qPrintable(QStringLiteral("edtExe") + name.right(1)));
    if (!field)
        return;
    // Programs here carry no extension of their own: every file may be one.
    const QString chosen = PickFile(tr("Select Executable"), QDir(field->text()).absolutePath(), QString());
    if (!chosen.isEmpty())
        field->setText(chosen);
}

void GridSettingsDlg::OnClickedReset() {
    const QString name = sender() ? sender()->objectName() : QString();
    const char* field = nullptr;
    if (name == QLatin1String("btnCReset0"))
        field = "edtCI";
    else if (name == QLatin1String("btnBGReset"))
        field = "edtBG";
    else if (name == QLatin1String("btnExeReset0"))
        field = "edtExe0";
    else if (name == QLatin1String("btnExeReset1"))
        field = "edtExe1";
    else if (name == QLatin1String("btnExeReset2"))
        field = "edtExe2";
    if (!field)
        return;
    Field(field)->clear();
    OnUpdateIcon();
}

// ---------------------------------------------------------------------------------------------------------
// Events

void GridSettingsDlg::keyPressEvent(QKeyEvent* e) {
    const bool plain = (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const int key = e->key();
    if (plain && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Up || key == Qt::Key_Down)) {
        QLineEdit* line0 = Field("edtTabName0");
        QLineEdit* line1 = Field("edtTabName1");
        if (line0->hasFocus() || line1->hasFocus()) {
            (line0->hasFocus() ? line1 : line0)->setFocus();
            e->accept();
            return;
        }
    }
    PopupWnd::keyPressEvent(e);
}

void GridSettingsDlg::paintEvent(QPaintEvent* e) {
    PopupWnd::paintEvent(e);
    QPainter p(this);
    p.drawImage(5, 30, Background());
}

void GridSettingsDlg::done(int result) {
    if (result == kOk && !Store())
        return;
    PopupWnd::done(result);
}

bool GridSettingsDlg::Store() {
    QLOG_DEBUG() << "ok:" << kOk;
    const QString name = CleanName(Field("edtGridName")->text());
    if (name.isEmpty()) {
        m_editor->AskUser(3, tr("Error"), tr("Grid Name must not be empty!"), kOk);
        return false;
    }
    DataCfg* cfg = DataCfg::Instance();
    DataCfg::TGrid grid = m_editor->Canvas()->Grid();
    if (name != m_startName) {
        if (cfg && !cfg->FindGrid(name, CustomGridSet).Name.isEmpty()) {
            m_editor->AskUser(3, tr("Error"), tr("Grid %1 already exists!").arg(name), kOk);
            return false;
        }
        const QString oldPath = grid.File;
        const QString newPath = QFileInfo(oldPath).absolutePath() + QLatin1Char('/') + name + QStringLiteral(".json");
        // A file that stayed under its old name would come back as a second grid at the next start, and the
        // renamed record would then have no file: the grid keeps its old name and path instead.
        if (QFileInfo::exists(oldPath)) {
            if (!MoveJsonFileKeepBackup(oldPath, newPath)) {
                QLOG_WARN() << "GridSettingsDlg: rename failed:" << oldPath << "->" << newPath;
                m_editor->AskUser(3, tr("Error"), tr("The grid file could not be renamed: %1").arg(oldPath), kOk);
                return false;
            }
            grid.SavedFile = newPath;
        }
        grid.File = newPath;
        if (cfg) {
            for (DataCfg::TGrid& g : cfg->Grids()) {
                if (g.Custom && g.Name == m_startName) {
                    g.Name = name;
                    g.File = grid.File;
                    g.SavedFile = grid.SavedFile;
                }
            }
            // The stored tab list names the grid too: its tab must not vanish at the next start.
            const QString oldKey = CustomGridSet + QLatin1Char(':') + m_startName;
            for (DataCfg::TNamed& tab : cfg->UserCfg().Tabs) {
                if (tab.Name == oldKey)
                    tab.Name = CustomGridSet + QLatin1Char(':') + name;
            }
        }
    }
    grid.Exe0 = Field("edtExe0")->text();
    grid.Exe1 = Field("edtExe1")->text();
    grid.Exe2 = Field("edtExe2")->text();
    grid.Name = name;
    const QString line2 = Field("edtTabName1")->text();
    grid.Title = Field("edtTabName0")->text();
    if (!line2.isEmpty())
        grid.Title += QLatin1Char('\n') + line2;
    grid.Background = Field("edtBG")->text();
    grid.Icon = PluginTools::RelativePath(Field("edtCI")->text()) + QLatin1Char('|') + ScaleText(m_size->Value()) +
                QLatin1Char('|') + Field("edtCol")->text() + QLatin1Char('|') + Field("edtAlign")->text();

    m_editor->SetGridRecord(grid);
    m_editor->Tabs()->UpdateCustomTab(m_startName, grid);
    // The menu reads the custom grids again from their files; only then does the model take the record, so
    // that the phone sees the new settings before the grid is saved.
    m_editor->UpdateGridCmb();
    m_editor->Canvas()->StoreGrid();
    return true;
}
