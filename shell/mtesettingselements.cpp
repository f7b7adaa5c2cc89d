#include "shell/mtesettingselements.h"

#include "config/datacfg.h"
#include "config/tdatasource.h"
#include "shell/hostctrl.h"
#include "widgets/qscrollbarex.h"
#include "widgets/subnavbtn.h"

#include <QButtonGroup>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>

namespace {
const char* const kKey = "key";
const QString kProgramKey = QStringLiteral("MVX_Settings");
} // namespace

MTESettingsElements::MTESettingsElements(QWidget* parent, DataCfg* cfg, NetServer* server)
    : MainTabElem(parent), m_cfg(cfg) {
    resize(256, 662);
    m_lblSettings = new QLabel(this);
    m_lblSettings->setObjectName(QStringLiteral("lblSettings"));
    m_lblSettings->setGeometry(8, 3, 221, 21);
    m_lblSettings->setStyleSheet(
        QStringLiteral("color: #65c3f7; font-family: \"Eurostile-Demi\"; font-size: 11px; font-weight: 504;"));
    m_scaList = new QScrollArea(this);
    m_scaList->setObjectName(QStringLiteral("scaList"));
    m_scaList->setGeometry(1, 27, 234, 502);
    m_scaList->setWidgetResizable(true);
    m_scaList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scaList->setStyleSheet(QStringLiteral("#scaList { background: transparent; border: none; }"));
    auto* cont = new QWidgetEx;
    cont->setObjectName(QStringLiteral("scaListCont"));
    cont->resize(234, 502);
    cont->setStyleSheet(QStringLiteral("#scaListCont { color: white; background-color: #0a0a0a; background: "
                                       "qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #000000, stop:0.5 #0f0f0f, "
                                       "stop:1 #000000); }"));
    cont->setAutoResizeForChildren(true);
    m_scaListCont = cont;
    m_scaList->setWidget(cont);
    m_scrbListV = new QScrollBarEx(this);
    m_scrbListV->setObjectName(QStringLiteral("scrbListV"));
    m_scrbListV->setOrientation(Qt::Vertical);
    m_scrbListV->setGeometry(236, 27, 19, 502);
    m_scrbListV->LinkTo(m_scaList->verticalScrollBar());

    m_group = new QButtonGroup(this);
    m_group->setExclusive(false);
    connect(m_group, QOverload<QAbstractButton*>::of(&QButtonGroup::buttonClicked), this,
            &MTESettingsElements::OnBtnClicked);
    FindOrAddEntry(QStringLiteral("Velli-Chor"), kProgramKey)->setActive(true);

    m_host = new HostCtrl(this, server);
    m_host->move(0, 540);
    m_host->Start();
}

SubnavBtn* MTESettingsElements::Entry(const QString& key) const {
    for (QAbstractButton* b : m_group->buttons()) {
        if (b->property(kKey).toString() == key)
            return qobject_cast<SubnavBtn*>(b);
    }
    return nullptr;
}

QList<SubnavBtn*> MTESettingsElements::Entries() const {
    QList<SubnavBtn*> out;
    for (QAbstractButton* b : m_group->buttons())
        out << qobject_cast<SubnavBtn*>(b);
    return out;
}

SubnavBtn* MTESettingsElements::FindOrAddEntry(const QString& caption, const QString& key) {
    if (SubnavBtn* existing = Entry(key)) {
        existing->SetText(caption);
        return existing;
    }
    auto* button = new SubnavBtn(m_scaListCont);
    button->setMinimumWidth(m_scaList->width() - 2);
    button->SetText(caption);
    button->setProperty(kKey, key);
    button->move(1, 1);
    m_group->addButton(button);
    SortEntries();
    button->show();
    return button;
}

void MTESettingsElements::SortEntries() {
    const QList<QAbstractButton*> buttons = m_group->buttons();
    if (buttons.isEmpty())
        return;
    QStringList captions;
    for (int i = 1; i < buttons.size(); ++i)
        captions << buttons.at(i)->text() + QLatin1Char('\n') + QString::number(i);
    captions.sort();
    buttons.first()->move(1, 1);
    for (int i = 0; i < captions.size(); ++i) {
        const int index = captions.at(i).mid(captions.at(i).lastIndexOf(QLatin1Char('\n')) + 1).toInt();
        buttons.at(index)->move(1, 32 + 31 * i);
    }
}

void MTESettingsElements::Retranslate() {
    m_lblSettings->setText(tr("SETTINGS:"));
    FindOrAddEntry(tr("%1 Settings").arg(TranslateAtName(QStringLiteral("Velli-Chor™"))), kProgramKey);
    if (m_cfg) {
        for (const DataCfg::TDataSource& desc : m_cfg->DataSources()) {
            if (desc.Name.isEmpty())
                continue; // no page could be found for it
            FindOrAddEntry(tr("%1 Settings").arg(TranslateAtName(desc.Title)),
                           QStringLiteral("DataSource,") + desc.Name);
        }
    }
    SortEntries();
}

void MTESettingsElements::OnBtnClicked(QAbstractButton* button) {
    if (!button)
        return;
    const QString key = button->property(kKey).toString();
    if (!emit SelChanged(key))
        return;
    for (QAbstractButton* b : m_group->buttons()) {
        if (auto* tiled = qobject_cast<TiledBtn*>(b))
            tiled->setActive(b == button);
    }
}
