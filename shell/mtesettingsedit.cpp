#include "shell/mtesettingsedit.h"

#include "config/tdatasource.h"
#include "config/tgfx.h"
#include "config/tusercfg.h"
#include "editor/macropopup.h"
#include "editor/openpopup.h"
#include "editor/shortcutpopup.h"
#include "editor/urlpopup.h"
#include "foundation/cryptstring.h"
#include "functions/funcmgr.h"
#include "functions/loadimagecached.h"
#include "functions/plugintools.h"
#include "server/netserver.h"
#include "shell/accountui.h"
#include "shell/pairingui.h"
#include "widgets/imgwidget.h"
#include "widgets/layouttools.h"
#include "widgets/popupwnd.h"
#include "widgets/qcomboboxex.h"
#include "widgets/qhorizontalline.h"
#include "widgets/qlabelex.h"
#include "widgets/qlineeditex.h"
#include "widgets/qscrollbarex.h"
#include "widgets/stdbtn.h"

#include "foundation/logger/QsLog.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QScriptValue>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QString kProgramPage = QStringLiteral("MVX_Settings");
const QString kSourcePrefix = QStringLiteral("DataSource");
const char* const kKey = "key";
const QString kAdded = QStringLiteral("added");

MTESettingsEdit::FileChooser& FileChooserSlot() {
    static MTESettingsEdit::FileChooser chooser;
    return chooser;
}

QString ValueText(const QVariant& v) {
    if (v.userType() == CryptStringTypeId())
        return v.value<CryptString>().ToString();
    return v.toString();
}

// A stored text list; a single text stands for a one-entry list so that it is not lost.
QVariantList StoredList(const QVariant& v) {
    if (v.type() == QVariant::List)
        return v.toList();
    if (v.type() == QVariant::StringList) {
        QVariantList out;
        for (const QString& s : v.toStringList())
            out << s;
        return out;
    }
    const QString text = ValueText(v);
    return text.isEmpty() ? QVariantList() : QVariantList{v};
}

int IndexOfKey(const QString& key) {
    const int comma = key.indexOf(QLatin1Char(','));
    return comma < 0 ? -1 : key.mid(comma + 1).toInt();
}

// The icon mirrored and faded downwards, as under a glass shelf.
QImage Reflection(const QImage& source, int alphaStart, int alphaStep) {
    QImage img = source.convertToFormat(QImage::Format_ARGB32).mirrored(false, true);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int a = qAlpha(line[x]);
            if (a > 0)
                line[x] =
                    qRgba(qRed(line[x]), qGreen(line[x]), qBlue(line[x]), qMax(0, a - alphaStart - alphaStep * y));
        }
    }
    return img;
}
} // namespace

MTESettingsEdit::MTESettingsEdit(QWidget* parent, DataCfg* cfg, NetServer* server)
    : MainTabElem(parent), m_cfg(cfg), m_server(server) {
    setObjectName(QStringLiteral("MTESettingsEdit"));
    resize(747, 659);
    setStyleSheet(
        // The text colour is given to the pane's text widgets themselves: style sheets do not pass it on.
        QStringLiteral("#MTESettingsEdit { color: white; background: #0d0d0d url(:/images/WndSettingsEditBG); }"
                       "#MTESettingsEdit QLabel, #MTESettingsEdit QCheckBox, #MTESettingsEdit QRadioButton,"
                       " #MTESettingsEdit QGroupBox { color: white; }"
                       "#scaEditCont { background: #0d0d0d; }"
                       "#scaEdit { background: transparent; border: 0px; }"));
    m_lblEdit = new QLabel(this);
    m_lblEdit->setObjectName(QStringLiteral("lblEdit"));
    m_lblEdit->setGeometry(8, 3, 200, 21);
    m_lblEdit->setStyleSheet(
        QStringLiteral("color: #65c3f7; font-family: \"Eurostile-Demi\"; font-weight: 504; font-size: 10pt;"));
    m_scaEdit = new QScrollArea(this);
    m_scaEdit->setObjectName(QStringLiteral("scaEdit"));
    m_scaEdit->setGeometry(1, 58, 725, 600);
    m_scaEdit->setWidgetResizable(true);
    m_scaEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scaEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_editCont = new QWidgetEx;
    m_editCont->setObjectName(QStringLiteral("scaEditCont"));
    m_editCont->resize(725, 600);
    m_editCont->setMaximumWidth(725);
    m_editLayout = new QVBoxLayout(m_editCont);
    m_editLayout->setObjectName(QStringLiteral("editLayout"));
    m_scaEdit->setWidget(m_editCont);
    m_scrbEditV = new QScrollBarEx(this);
    m_scrbEditV->setObjectName(QStringLiteral("scrbEditV"));
    m_scrbEditV->setOrientation(Qt::Vertical);
    m_scrbEditV->setGeometry(727, 27, 19, 631);
    m_scrbEditV->LinkTo(m_scaEdit->verticalScrollBar());
    m_lblTitle = new QLabel(this);
    m_lblTitle->setObjectName(QStringLiteral("lblTitle"));
    m_lblTitle->setGeometry(10, 32, 706, 21);
    m_lblTitle->setStyleSheet(QStringLiteral("font-weight: bold;"));

    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, static_cast<void (MTESettingsEdit::*)()>(&MTESettingsEdit::OnUpdate));
    m_pairing = new PairingUI(this, cfg, server);
    m_account = new AccountUI(this, cfg);
    connect(m_pairing, &PairingUI::UpdateUI, this, &MTESettingsEdit::OnPairingUpdate);
    setWindowTitle(tr("Form"));
    m_lblEdit->setText(tr("EDIT SETTINGS:"));
}

QStringList MTESettingsEdit::MediaPlayers() {
    return QStringList() << QStringLiteral("Winamp") << QStringLiteral("iTunes")
                         << QStringLiteral("Windows Media Player");
}

bool MTESettingsEdit::IsFunctionText(const QString& text) {
    if (!text.startsWith(QLatin1Char('#')))
        return false;
    const int open = text.indexOf(QLatin1Char('('));
    return open > 1 && text.indexOf(QLatin1Char(')'), open) > open;
}

int MTESettingsEdit::StretchOf(const QString& layout) {
    const int at = layout.indexOf(QLatin1String("<stretch"));
    if (at < 0)
        return 0;
    const int eq = layout.indexOf(QLatin1Char('='), at);
    const int end = layout.indexOf(QLatin1Char('>'), at);
    if (eq < 0 || end < eq)
        return 0;
    return qMax(0, layout.mid(eq + 1, end - eq - 1).trimmed().toInt());
}

void MTESettingsEdit::Retranslate() {
    setWindowTitle(tr("Form"));
    m_lblEdit->setText(tr("EDIT SETTINGS:"));
    // A hidden page is built again, in the language of the moment, when its tab is shown (MTSettingsCtrl::Activate):
    // the language chosen at start does not build it a second time.
    if (isVisibleTo(window()))
        Revert();
}

void MTESettingsEdit::showEvent(QShowEvent* e) {
    if (m_timer->interval() > 0)
        m_timer->start();
    MainTabElem::showEvent(e);
}

void MTESettingsEdit::hideEvent(QHideEvent* e) {
    m_timer->stop();
    MainTabElem::hideEvent(e);
}

void MTESettingsEdit::OnUpdate(const QString& key) {
    m_page = key;
    Revert();
}

void MTESettingsEdit::OnModified() {
    m_modified = true;
}

void MTESettingsEdit::OnPairingUpdate() {
    // Only the devices changed: their box is rebuilt, the page's other widgets keep any unsaved edits.
    if (m_page.isEmpty() || m_page == kProgramPage) {
        if (m_pairing->RebuildDevicesBox())
            m_pairing->OnTableDevUpdate();
    }
}

IIncomingDataSource* MTESettingsEdit::FindSource(const QString& key, DataCfg::TDataSource* desc) {
    const QStringList parts = key.split(QLatin1Char(','));
    if (parts.size() < 2 || parts.first() != kSourcePrefix || !m_cfg)
        return nullptr;
    const QString name = key.mid(kSourcePrefix.size() + 1);
    *desc = m_cfg->FindDataSource(name);
    return FindPluginByName(GetDataSourceList(), name);
}

void MTESettingsEdit::Revert() {
    if (m_modified)
        return;
    if (m_page.isEmpty() || m_page == kProgramPage) {
        m_source = nullptr;
        BuildProgramPage();
        return;
    }
    DataCfg::TDataSource desc;
    IIncomingDataSource* source = FindSource(m_page, &desc);
    if (!source) {
        // The page shown stays, and with it the source its function labels ask.
        QLOG_DEBUG() << "MTESettingsEdit::Revert: no live source for" << m_page;
        return;
    }
    m_source = source;
    BuildSourceForm(desc, source->GetSettings());
}

void MTESettingsEdit::RevertValue(const QString& name) {
    DataCfg::TDataSource desc;
    IIncomingDataSource* source = FindSource(m_page, &desc);
    if (!source || source != m_source) {
        QLOG_WARN() << "MTESettingsEdit::RevertValue: no live source for" << m_page << "to take" << name << "from";
        return;
    }
    const QVariantMap current = source->GetSettings();
    QVariantMap shown = current;
    FormToSettings(shown);
    shown.insert(name, current.value(name));
    BuildSourceForm(desc, shown);
    m_modified = true;
}

bool MTESettingsEdit::MayLeave() {
    if (!m_modified)
        return true;
    const int answer =
        MsgBoxQuestion(this, tr("SAVE CHANGES?"), tr("You've modified your Config. Do you want to Save your changes?"),
                       PopupWnd::YES | PopupWnd::NO | PopupWnd::CANCEL, PopupWnd::YES);
    if (answer == PopupWnd::YES) {
        Save();
        return true;
    }
    if (answer == PopupWnd::NO) {
        m_modified = false;
        return true;
    }
    return false;
}

bool MTESettingsEdit::KeepChangesUnasked() {
    if (!m_modified)
        return false;
    Save();
    return true;
}

void MTESettingsEdit::Save() {
    m_modified = false;
    if (!m_cfg)
        return;
    const QStringList parts = m_page.split(QLatin1Char(','));
    if (m_page.isEmpty() || m_page == kProgramPage) {
        WriteProgramSettings();
    } else if (parts.size() >= 2 && parts.first() == kSourcePrefix) {
        DataCfg::TDataSource desc;
        if (IIncomingDataSource* source = FindSource(m_page, &desc)) {
            QVariantMap settings = source->GetSettings();
            FormToSettings(settings);
            source->SetSettings(settings);
            // The user configuration keeps each source's settings; refresh them before it is written.
            SaveDataSourceSettings();
        }
    } else if (parts.size() < 2) {
        return;
    }
    const QString error = m_cfg->SaveUserCfg();
    if (!error.isEmpty())
        QLOG_WARN() << "MTESettingsEdit::Save: user configuration not saved:" << error;
}

void MTESettingsEdit::Cancel() {
    m_modified = false;
    Revert();
}

void MTESettingsEdit::WriteProgramSettings() {
    QVariantMap& settings = m_cfg->UserCfg().CfgBase;
    if (auto* combo = qobject_cast<QComboBox*>(m_values.value(QStringLiteral("DefaultMediaPlayer")))) {
        const QStringList players = MediaPlayers();
        const int index = combo->currentIndex();
        if (index >= 0 && index < players.size())
            settings.insert(QStringLiteral("DefaultMediaPlayer"), players.at(index));
    }
    if (auto* check = qobject_cast<QCheckBox*>(m_values.value(QStringLiteral("ActivateBottonSounds"))))
        settings.insert(QStringLiteral("ActivateBottonSounds"), check->checkState() != Qt::Unchecked);
}

void MTESettingsEdit::ClearPage() {
    ClearLayout(m_editLayout);
    m_values.clear();
    m_lists.clear();
    m_funcLabels.clear();
    m_listTails.clear();
    const QList<QObject*> children = m_editCont->children();
    for (QObject* child : children) {
        if (child != m_editLayout)
            child->deleteLater();
    }
}

QImage MTESettingsEdit::HeaderTitle(const QString& title) {
    // The capitals stand in the kTitleLine rows; the rows above keep the accents of capitals (È, Ç, Ã, Й), the
    // rows below the descenders (Ç, Q, _), which a picture of the capitals' height alone would cut off.
    QImage text(600, kTitleAbove + kTitleLine + kTitleBelow, QImage::Format_ARGB32);
    text.fill(Qt::transparent);
    QPainter tp(&text);
    QFont font(QStringLiteral("Eurostile-Bold"));
    font.setPointSize(21);
    font.setBold(true);
    tp.setFont(font);
    tp.setPen(QColor(0x65, 0xc3, 0xf7));
    tp.drawText(QRect(0, kTitleAbove - 7, 600, text.height()), Qt::AlignLeft | Qt::AlignTop, title);
    return text;
}

void MTESettingsEdit::AddHeaderImage(const QString& iconRef, const QString& title) {
    QImage result = LoadImageCached(QStringLiteral(":/images/Settings-Teaser_BG"), true);
    if (result.isNull())
        result = QImage(700, 92, QImage::Format_ARGB32_Premultiplied), result.fill(Qt::transparent);
    result = result.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage icon;
    if (m_cfg) {
        DataCfg::TGfx gfx = m_cfg->FindGfx(iconRef);
        if (!gfx.Name.isEmpty())
            icon = gfx.GetImageTiled(92, 92);
    }
    if (icon.isNull()) {
        icon = LoadImageCached(iconRef, true);
        if (!icon.isNull())
            icon = icon.scaled(66, 66, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QPainter p(&result);
    if (!icon.isNull()) {
        const int e = (92 - icon.width()) / 2;
        p.drawImage(e + 5, e + 69, Reflection(icon, 8 * e, 8));
        p.drawImage(e + 5, e + 5, icon);
    }
    const QImage text = HeaderTitle(title);
    // The reflection mirrors the title down to just under its base line; descenders are drawn over it.
    p.drawImage(100, 61, Reflection(text.copy(0, 0, text.width(), kTitleAbove + kTitleLine), 215, 2));
    p.drawImage(100, 41 - kTitleAbove, text);
    p.end();
    m_editLayout->addSpacing(4);
    auto* header = new ImgWidget(m_editCont, result);
    header->setObjectName(QStringLiteral("headerImage"));
    m_editLayout->addWidget(header);
}

void MTESettingsEdit::BuildProgramPage() {
    ClearPage();
    m_lblTitle->setText(tr("%1 Settings").arg(TranslateAtName(QStringLiteral("MERVEX™ VELLI-CHOR™"))));
    m_editLayout->setContentsMargins(8, 4, 8, 4);
    AddHeaderImage(QStringLiteral(":/icons/TrayIconNormal"),
                   tr("%1 Settings").arg(QStringLiteral("VELLI_CHOR")).toUpper());

    // The account box, in its profile form.
    auto* account = new QWidget(m_editCont);
    account->setObjectName(QStringLiteral("accountBox"));
    m_editLayout->addWidget(account);
    m_account->BuildAccountBox(account, false);

    m_pairing->BuildDevicesBox(m_editCont);

    auto* group = new QGroupBox(tr("Additional Settings"), m_editCont);
    auto* groupLayout = new QVBoxLayout(group);
    auto* row1 = new QHBoxLayout;
    row1->addWidget(new QLabel(tr("Default Media Player"), group));
    auto* players = new QComboBoxEx(group);
    players->setStatusTip(tr("Choose your default media player"));
    const QStringList names = MediaPlayers();
    for (const QString& name : names)
        players->addItem(TranslateAtName(name));
    const QVariantMap& settings = m_cfg ? m_cfg->UserCfg().CfgBase : QVariantMap();
    players->setCurrentIndex(qMax(0, names.indexOf(settings.value(QStringLiteral("DefaultMediaPlayer")).toString())));
    m_values.insert(QStringLiteral("DefaultMediaPlayer"), players);
    connect(players, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &MTESettingsEdit::OnModified);
    row1->addWidget(players);
    groupLayout->addLayout(row1);
    auto* sounds = new QCheckBox(tr("Activate Button Sounds"), group);
    sounds->setStatusTip(tr("Play on touch selected button sound"));
    sounds->setChecked(settings.value(QStringLiteral("ActivateBottonSounds")).toBool());
    m_values.insert(QStringLiteral("ActivateBottonSounds"), sounds);
    connect(sounds, &QCheckBox::stateChanged, this, &MTESettingsEdit::OnModified);
    groupLayout->addWidget(sounds);
    m_editLayout->addWidget(group);

    m_editLayout->addStretch();
    const QColor grey(0x70, 0x71, 0x71);
    auto* privacy = new QLabelEx(m_editCont,
                                 tr("Data protection: We guarantee that any information you give us about your "
                                    "situation will be kept strictly confidential."),
                                 false, -1, grey);
    privacy->setWordWrap(true);
    m_editLayout->addWidget(privacy);
    m_editLayout->addWidget(new QHorizontalLine(m_editCont, 300, 4));
    m_editLayout->addWidget(
        new QLabelEx(m_editCont, tr("Published by MERVEX. Use is subject to the licence terms."), false, -1, grey));
    m_editLayout->addWidget(new QLabelEx(m_editCont, QStringLiteral(" ")));
    m_pairing->OnTableDevUpdate();
}

QString MTESettingsEdit::EvalFunctionText(const QString& text) {
    if (!IsFunctionText(text) || !m_source)
        return QString();
    const QString name = text.mid(1, text.indexOf(QLatin1Char('(')) - 1);
    return ValueText(m_source->GetValue(name, QVariantList()));
}

QWidget* MTESettingsEdit::AddListRow(const QString& name, int index, const QString& text, QBoxLayout* container,
                                     int position) {
    const QString key = name + QLatin1Char(',') + QString::number(index);
    auto* row = new QHBoxLayout;
    auto* edit = new QLineEditEx(text, m_editCont);
    edit->setProperty(kKey, key);
    auto* remove = new StdBtn(m_editCont, 0);
    remove->SetText(tr("REMOVE"));
    remove->setStatusTip(tr("Remove Entry"));
    remove->setProperty(kKey, key);
    row->addWidget(edit, 1);
    row->addWidget(remove);
    container->insertLayout(position, row);
    m_lists.insert(key, row);
    m_values.insert(key, edit);
    connect(remove, SIGNAL(clicked()), this, SLOT(OnBtnStringListDel()));
    connect(edit, &QLineEdit::textEdited, this, &MTESettingsEdit::OnModified);
    connect(edit, &QLineEdit::returnPressed, this, &MTESettingsEdit::OnReturnPressed);
    return edit;
}

QWidget* MTESettingsEdit::MakeSourceEdit(const DataCfg::TConfigOption& opt, const QString& shown) {
    auto* edit = new QLineEdit(shown, m_editCont);
    if (opt.Type == DataCfg::CO_Password)
        edit->setEchoMode(QLineEdit::Password);
    edit->setProperty(kKey, opt.Name);
    m_values.insert(opt.Name, edit);
    connect(edit, &QLineEdit::textEdited, this, &MTESettingsEdit::OnModified);
    connect(edit, &QLineEdit::returnPressed, this, &MTESettingsEdit::OnReturnPressed);
    return edit;
}

QWidget* MTESettingsEdit::MakeSourceCheck(const DataCfg::TConfigOption& opt, const QString& shown) {
    auto* check = new QCheckBox(TranslateAtName(opt.Text), m_editCont);
    check->setTristate(shown == QLatin1String("1"));
    check->setCheckState(shown == QLatin1String("true") || shown == QLatin1String("2") ? Qt::Checked
                         : shown == QLatin1String("1")                                 ? Qt::PartiallyChecked
                                                                                       : Qt::Unchecked);
    m_values.insert(opt.Name, check);
    connect(check, &QCheckBox::stateChanged, this, &MTESettingsEdit::OnModified);
    return check;
}

QWidget* MTESettingsEdit::MakeSourceDrop(const DataCfg::TConfigOption& opt, const QString& shown) {
    auto* combo = new QComboBoxEx(m_editCont);
    combo->setProperty(kKey, opt.Name);
    bool editable = false;
    static const QStringList markers = {QStringLiteral("imagefile"), QStringLiteral("soundfile"),
                                        QStringLiteral("shortcut"),  QStringLiteral("startapp"),
                                        QStringLiteral("openfile"),  QStringLiteral("openurl"),
                                        QStringLiteral("macro")};
    const QStringList texts = {tr("choose file ..."),
                               tr("choose file ..."),
                               tr("Assign a shortcut ..."),
                               tr("Start an application ..."),
                               tr("Open any (file/document/website) ..."),
                               tr("Open a website ..."),
                               tr("Assign a macro ...")};
    for (const QString& item : opt.Items) {
        if (item == QLatin1String("<hr>")) {
            combo->insertSeparator(combo->count());
            continue;
        }
        const int m = item.startsWith(QLatin1Char('<')) && item.endsWith(QLatin1Char('>'))
                          ? markers.indexOf(item.mid(1, item.size() - 2))
                          : -1;
        if (m >= 0) {
            combo->addItem(texts.at(m), markers.at(m));
            editable = true;
        } else {
            combo->addItem(TranslateAtName(item));
        }
    }
    combo->setEditable(editable);
    if (editable) {
        combo->SelectText(shown);
    } else {
        bool ok = false;
        const int index = shown.toInt(&ok);
        // An index the list does not have stays unselected and is written back unchanged.
        combo->setCurrentIndex(ok && index >= 0 && index < combo->count() ? index : -1);
    }
    m_values.insert(opt.Name, combo);
    connect(combo, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &MTESettingsEdit::OnDropIdx);
    connect(combo, &QComboBox::editTextChanged, this, &MTESettingsEdit::OnModified);
    return combo;
}

void MTESettingsEdit::BuildSourceForm(const DataCfg::TDataSource& desc, const QVariantMap& settings) {
    m_work = desc.Config;
    m_workSet = desc.Set;
    ClearPage();
    m_lblTitle->setText(TranslateAtName(m_work.Description));
    QLOG_DEBUG() << "MTESettingsEdit::BuildSourceForm:" << desc.Name;

    QBoxLayout* container = m_editLayout;
    auto* row = new QHBoxLayout;
    m_editLayout->addLayout(row);
    AddHeaderImage(MakeFullName(desc.Icon, desc.Set), tr("%1 Settings").arg(TranslateAtName(desc.Title)).toUpper());
    auto newRow = [&] {
        row = new QHBoxLayout;
        container->addLayout(row);
    };
    auto labelText = [&](const QString& text, QLabel* label) {
        if (IsFunctionText(text)) {
            m_funcLabels.insert(label, text);
            label->setText(EvalFunctionText(text));
        } else {
            label->setText(TranslateAtName(text));
        }
    };

    for (const DataCfg::TConfigOption& opt : qAsConst(m_work.Options)) {
        const int stretch = StretchOf(opt.Layout);
        if (!opt.Title.isEmpty()) {
            auto* title = new QLabelEx(m_editCont, QString(), true);
            labelText(opt.Title, title);
            row->addWidget(title);
        }
        const QVariant stored = settings.value(opt.Name);
        const QString shown = settings.contains(opt.Name) ? ValueText(stored) : opt.Value;
        switch (opt.Type) {
        case DataCfg::CO_Label: {
            auto* label = new QLabelEx(m_editCont, QString(), opt.Layout.contains(QLatin1String("<b>")));
            labelText(opt.Text, label);
            row->addWidget(label, stretch);
            break;
        }
        case DataCfg::CO_Text:
        case DataCfg::CO_Password:
            row->addWidget(MakeSourceEdit(opt, shown), stretch);
            break;
        case DataCfg::CO_Check:
            row->addWidget(MakeSourceCheck(opt, shown), stretch);
            break;
        case DataCfg::CO_Drop:
            row->addWidget(MakeSourceDrop(opt, shown), 0);
            break;
        case DataCfg::CO_Group: {
            auto* group = new QGroupBox(TranslateAtName(opt.Text), m_editCont);
            m_editLayout->addWidget(group);
            container = new QVBoxLayout(group);
            newRow();
            break;
        }
        case DataCfg::CO_TextList: {
            auto* add = new StdBtn(m_editCont, 0);
            add->SetText(tr("+ ADD"));
            add->setStatusTip(tr("Add Entry"));
            add->setProperty(kKey, opt.Name);
            connect(add, SIGNAL(clicked()), this, SLOT(OnBtnStringListAdd()));
            row->addWidget(add);
            row->addStretch();
            newRow();
            m_lists.insert(opt.Name, container);
            QVariantList entries = StoredList(stored);
            if (entries.size() > MaxListEntries)
                m_listTails.insert(opt.Name, entries.mid(MaxListEntries));
            for (int i = 0; i < qMin(int(entries.size()), MaxListEntries); ++i) {
                AddListRow(opt.Name, i, ValueText(entries.at(i)), container, container->indexOf(row));
            }
            break;
        }
        case DataCfg::CO_Button: {
            auto* button = new StdBtn(m_editCont, 0);
            button->SetText(TranslateAtName(opt.Text));
            button->setProperty(kKey, opt.Name);
            row->addWidget(button, stretch);
            m_values.insert(opt.Name, button);
            connect(button, SIGNAL(clicked()), this, SLOT(OnBtnConfigClicked()));
            break;
        }
        default:
            break;
        }
        if (opt.Layout.contains(QLatin1String("<hr>")))
            container->addWidget(new QHorizontalLine(m_editCont, 300, 4));
        if (opt.Layout.contains(QLatin1String("<br>")))
            newRow();
    }
    m_editLayout->addStretch();
}

void MTESettingsEdit::OnBtnStringListAdd() {
    const QString name = sender() ? sender()->property(kKey).toString() : QString();
    QBoxLayout* container = m_lists.value(name);
    if (!container)
        return;
    for (int i = 0; i < MaxListEntries; ++i) {
        const QString key = name + QLatin1Char(',') + QString::number(i);
        if (m_lists.contains(key))
            continue;
        // New entries go right under the add button's row.
        auto* button = qobject_cast<QWidget*>(sender());
        int position = 1;
        for (int at = 0; at < container->count(); ++at) {
            QLayout* sub = container->itemAt(at)->layout();
            if (sub && button && sub->indexOf(button) >= 0) {
                position = at + 1;
                break;
            }
        }
        QWidget* edit = AddListRow(name, i, QString(), container, position);
        edit->setObjectName(kAdded);
        m_modified = true;
        return;
    }
    if (auto* button = qobject_cast<QPushButtonEx*>(sender()))
        button->setEnabled(false);
}

void MTESettingsEdit::OnBtnStringListDel() {
    const QString key = sender() ? sender()->property(kKey).toString() : QString();
    QBoxLayout* row = m_lists.value(key);
    if (!row)
        return;
    ClearLayout(row);
    m_lists.remove(key);
    m_values.remove(key);
    m_modified = true;
    // A freed index may be taken again.
    const QString name = key.left(key.indexOf(QLatin1Char(',')));
    for (QObject* o : m_editCont->children()) {
        auto* add = qobject_cast<StdBtn*>(o);
        if (add && add->property(kKey).toString() == name)
            add->setEnabled(true);
    }
}

QVariantList MTESettingsEdit::ListEntries(const QString& name) const {
    QMap<int, QString> added;
    QMap<int, QString> others;
    for (auto it = m_values.constBegin(); it != m_values.constEnd(); ++it) {
        if (it.key().left(it.key().indexOf(QLatin1Char(','))) != name || !it.key().contains(QLatin1Char(',')))
            continue;
        auto* edit = qobject_cast<QLineEdit*>(it.value());
        if (!edit)
            continue;
        (edit->objectName() == kAdded ? added : others).insert(IndexOfKey(it.key()), edit->text());
    }
    QVariantList out;
    // The newest added entry stands at the top of the page; keep the page's order.
    QList<int> addedKeys = added.keys();
    for (int i = addedKeys.size() - 1; i >= 0; --i)
        out << QVariant::fromValue(CryptString(added.value(addedKeys.at(i))));
    for (const QString& text : others)
        out << QVariant::fromValue(CryptString(text));
    out << m_listTails.value(name);
    return out;
}

void MTESettingsEdit::FormToSettings(QVariantMap& settings) {
    for (const DataCfg::TConfigOption& opt : qAsConst(m_work.Options)) {
        QWidget* w = m_values.value(opt.Name);
        switch (opt.Type) {
        case DataCfg::CO_Text:
        case DataCfg::CO_Password:
            if (auto* edit = qobject_cast<QLineEdit*>(w)) {
                if (edit->echoMode() == QLineEdit::Normal)
                    settings.insert(opt.Name, edit->text());
                else
                    settings.insert(opt.Name, QVariant::fromValue(CryptString(edit->text())));
            }
            break;
        case DataCfg::CO_Check:
            if (auto* check = qobject_cast<QCheckBox*>(w))
                settings.insert(opt.Name, QString::number(int(check->checkState())));
            break;
        case DataCfg::CO_Drop:
            if (auto* combo = qobject_cast<QComboBox*>(w)) {
                if (combo->isEditable())
                    settings.insert(opt.Name, combo->currentText());
                else if (combo->currentIndex() >= 0)
                    settings.insert(opt.Name, QString::number(combo->currentIndex()));
            }
            break;
        case DataCfg::CO_TextList:
            if (m_lists.contains(opt.Name))
                settings.insert(opt.Name, ListEntries(opt.Name));
            break;
        default:
            break;
        }
    }
}

QVariant MTESettingsEdit::GetSettingsValue(const QString& name) {
    DataCfg::TConfigOption* opt = m_work.FindOption(name);
    if (!opt)
        return 0;
    if (opt->Type == DataCfg::CO_TextList)
        return ListEntries(name);
    QWidget* w = m_values.value(name);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(w))
        return combo->currentIndex();
    if (auto* check = qobject_cast<QCheckBox*>(w))
        return int(check->checkState());
    return 0;
}

QVariant MTESettingsEdit::SrcGetValue(const QString& name, const QVariantList& args) {
    if (!m_source)
        return 0;
    return m_source->GetValue(name, args);
}

void MTESettingsEdit::OnUpdate() {
    for (auto it = m_funcLabels.constBegin(); it != m_funcLabels.constEnd(); ++it) {
        if (auto* label = qobject_cast<QLabel*>(it.key()))
            label->setText(EvalFunctionText(it.value()));
    }
}

void MTESettingsEdit::ExecConfigFunc(QString name) {
    if (name.isEmpty() || !m_cfg)
        return;
    if (!name.contains(QLatin1Char(':')))
        name = m_workSet + QLatin1Char(':') + name;
    if (m_cfg->GetScriptEngine(name))
        m_cfg->ExecScriptfunc(this, name, QScriptValueList());
    else
        QLOG_DEBUG() << "Config Function not found:" << name;
}

void MTESettingsEdit::OnBtnConfigClicked() {
    const QString name = sender() ? sender()->property(kKey).toString() : QString();
    DataCfg::TConfigOption* opt = m_work.FindOption(name);
    if (!opt)
        return;
    if (opt->OnMouseClick.isEmpty())
        EvalFunctionText(opt->Value);
    else
        ExecConfigFunc(opt->OnMouseClick);
}

void MTESettingsEdit::OnReturnPressed() {
    QString key = sender() ? sender()->property(kKey).toString() : QString();
    key = key.left(key.indexOf(QLatin1Char(',')) < 0 ? key.size() : key.indexOf(QLatin1Char(',')));
    DataCfg::TConfigOption* opt = m_work.FindOption(key);
    if (opt && !opt->OnReturn.isEmpty())
        ExecConfigFunc(opt->OnReturn);
}

void MTESettingsEdit::SetFileChooser(const FileChooser& chooser) {
    FileChooserSlot() = chooser;
}

QString MTESettingsEdit::FileStartFolder(const QString& lastText, bool image) {
    // A path the box holds already leads back to its folder; else the data folder's pictures or sounds.
    if (lastText.contains(QLatin1Char(':')) || QFileInfo(lastText).isAbsolute())
        return QFileInfo(PluginTools::ResolvePath(lastText)).absolutePath();
    const QString data = PluginTools::GetDataPath();
    const QString folder = data + (image ? QStringLiteral("Icons/") : QStringLiteral("Sound/"));
    return QFileInfo(folder).isDir() ? folder : data;
}

QString MTESettingsEdit::RunActionPopup(const QString& action) {
    QPointer<PopupWnd> popup;
    QString prefix;
    if (action == QLatin1String("shortcut")) {
        popup = new ShortcutPopup(this);
        prefix = QStringLiteral("Shortcut: ");
    } else if (action == QLatin1String("startapp") || action == QLatin1String("openfile")) {
        popup = new OpenPopup(this, action == QLatin1String("startapp"));
        prefix = QStringLiteral("Execute: ");
    } else if (action == QLatin1String("openurl")) {
        popup = new UrlPopup(this);
        prefix = QStringLiteral("Execute: ");
    } else if (action == QLatin1String("macro")) {
        popup = new MacroPopup(this, QString());
        prefix = QStringLiteral("Macro: ");
    } else {
        QLOG_WARN() << "MTESettingsEdit::OnDropIdx: unknown action" << action;
        return QString();
    }
    // The popup deletes itself after it ended; its value is read before the event loop gets to that.
    const int result = popup->exec();
    if (result != PopupWnd::OK || !popup)
        return QString();
    QString value;
    if (auto* shortcut = qobject_cast<ShortcutPopup*>(popup))
        value = shortcut->GetShortcut();
    else if (auto* open = qobject_cast<OpenPopup*>(popup))
        value = open->GetPath();
    else if (auto* url = qobject_cast<UrlPopup*>(popup))
        value = url->GetUrl();
    else if (auto* macro = qobject_cast<MacroPopup*>(popup))
        value = macro->GetMacroName();
    return value.isEmpty() ? QString() : prefix + value;
}

void MTESettingsEdit::OnDropIdx() {
    auto* combo = qobject_cast<QComboBoxEx*>(sender());
    if (!combo)
        return;
    const QString action = combo->currentData().toString();
    const QString last = combo->previousEditText();
    if (action == QLatin1String("imagefile") || action == QLatin1String("soundfile")) {
        const bool image = action == QLatin1String("imagefile");
        const QString title = image ? tr("Select Image") : tr("Select Sound");
        const QString filter =
            image ? tr("Image Files (*.png *.jpg *.exe *.dll *.ico)") : tr("Sound Files (*.wav *.ogg *.mp3)");
        const QString start = FileStartFolder(last, image);
        const QString path = FileChooserSlot() ? FileChooserSlot()(this, title, start, filter)
                                               : QFileDialog::getOpenFileName(this, title, start, filter);
        if (!path.isEmpty())
            QLOG_DEBUG() << "OnSelectFile:" << path;
        ShowPicked(combo, path.isEmpty() ? last : path);
    } else if (!action.isEmpty()) {
        const QString value = RunActionPopup(action);
        ShowPicked(combo, value.isEmpty() ? last : value);
    }
    m_modified = true;
}

void MTESettingsEdit::ShowPicked(QComboBoxEx* combo, const QString& text) {
    {
        // No action item stays chosen, and clearing the choice is no new pick.
        const QSignalBlocker block(combo);
        combo->setCurrentIndex(-1);
    }
    // Unblocked: the box remembers this text as the one to go back to after the next pick.
    combo->setEditText(text);
}
