#include "shell/pairingui.h"

#include "config/datacfg.h"
#include "config/tusercfg.h"
#include "functions/loadimagecached.h"
#include "server/netserver.h"
#include "shell/adddevicepopup.h"
#include "widgets/imgwidget.h"
#include "widgets/popupwnd.h"
#include "widgets/qradiobuttonex.h"
#include "widgets/stdbtn.h"

#include "foundation/logger/QsLog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {
// Add-device popups open now; pairing mode is on while there is one.
int g_pairingPopups = 0;

const int kColumnPairWidth = 504;
// The image a status lamp shows now.
const char* const kLampImage = "lampImage";
// The narrowest the two middle columns may be made; the selector column is narrower still.
const int kMinSectionWidth = 80;

QWidget* CellWidget(QWidget* child) {
    auto* w = new QWidget;
    w->setMinimumSize(14, 14);
    auto* l = new QHBoxLayout(w);
    l->setContentsMargins(6, 0, 0, 0);
    l->addWidget(child);
    return w;
}
} // namespace

PairingUI::PairingUI(QWidget* parent, DataCfg* cfg, NetServer* server)
    : QObject(parent), m_parent(parent), m_cfg(cfg), m_server(server) {}

bool PairingUI::IsPairingMode() {
    return g_pairingPopups > 0;
}

int PairingUI::RunPairing(QDialog* popup) {
    // Counted, not switched: another add-device popup open meanwhile keeps the mode on until it ends too.
    ++g_pairingPopups;
    const int result = popup->exec();
    --g_pairingPopups;
    return result;
}

void PairingUI::BuildDevicesBox(QWidget* container) {
    auto* outer = qobject_cast<QVBoxLayout*>(container ? container->layout() : nullptr);
    if (!outer)
        return;
    outer->addWidget(MakeDevicesBox());
}

bool PairingUI::RebuildDevicesBox() {
    QWidget* old = m_box;
    QWidget* container = old ? old->parentWidget() : nullptr;
    auto* outer = qobject_cast<QVBoxLayout*>(container ? container->layout() : nullptr);
    const int at = outer ? outer->indexOf(old) : -1;
    if (at < 0)
        return false;
    // Only the box is replaced: the rest of the page keeps its widgets and whatever the user typed there.
    QWidget* fresh = MakeDevicesBox();
    outer->insertWidget(at, fresh);
    outer->removeWidget(old);
    old->hide();
    old->deleteLater();
    return true;
}

QGroupBox* PairingUI::MakeDevicesBox() {
    auto* box = new QGroupBox(tr("Registered Devices"));
    box->setObjectName(QStringLiteral("devicesBox"));
    m_box = box;
    auto* boxLayout = new QVBoxLayout(box);

    m_table = new QTableWidget(box);
    m_table->setColumnCount(4);
    m_table->setHorizontalHeaderLabels(QStringList() << QString() << tr("Name") << tr("Description") << tr("Status"));
    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionsMovable(false);
    header->setSectionsClickable(false);
    header->setMinimumSectionSize(31);
    header->setCascadingSectionResizes(true);
    header->setSectionResizeMode(0, QHeaderView::Fixed);
    header->setSectionResizeMode(1, QHeaderView::Interactive);
    header->setSectionResizeMode(2, QHeaderView::Fixed);
    header->setSectionResizeMode(3, QHeaderView::Fixed);
    header->resizeSection(0, 31);
    header->resizeSection(1, 252);
    header->resizeSection(2, 252);
    header->resizeSection(3, 154);
    header->setFixedWidth(689);
    header->setFixedHeight(24);
    m_table->setFixedWidth(689);
    m_table->setFrameShape(QFrame::NoFrame);
    m_table->verticalHeader()->setMinimumSectionSize(24);
    m_table->verticalHeader()->setDefaultSectionSize(24);
    m_table->verticalHeader()->hide();
    // Light text on the page's dark ground, as the rest of the page.
    m_table->setStyleSheet(
        QStringLiteral("QTableWidget { background-color: #141414; color: #f0f0f0; }"
                       "QHeaderView::section { background-color: #202020; color: #c8c8c8; border: none;"
                       " border-right: 1px solid #303030; padding-left: 4px; }"));
    m_table->setShowGrid(false);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setFocusPolicy(Qt::NoFocus);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_group = new QButtonGroup(m_table);
    m_group->setExclusive(true);
    m_filling = true;
    const QList<DataCfg::TDevice> devices = m_cfg ? m_cfg->UserCfg().Devices : QList<DataCfg::TDevice>();
    m_table->setRowCount(devices.size());
    for (int row = 0; row < devices.size(); ++row) {
        const DataCfg::TDevice& dev = devices[row];
        auto* radio = new QRadioButtonEx;
        radio->setProperty("key", dev.Token);
        m_group->addButton(radio);
        if (row == 0)
            radio->setChecked(true);
        QWidget* c0 = CellWidget(radio);
        static_cast<QHBoxLayout*>(c0->layout())->setAlignment(radio, Qt::AlignHCenter);
        m_table->setCellWidget(row, 0, c0);
        m_table->setCellWidget(row, 1, CellWidget(new QLabel(dev.Name)));
        m_table->setItem(row, 2, new QTableWidgetItem(dev.Desc));
        auto* lamp = new ImgWidget(nullptr, QStringLiteral(":/images/LEDGray"));
        lamp->setObjectName(QStringLiteral("lamp"));
        lamp->setProperty(kLampImage, lamp->imagePath());
        lamp->setFixedSize(19, 19);
        lamp->setStyleSheet(QStringLiteral("QWidget {margin:10px;}"));
        QWidget* c3 = CellWidget(lamp);
        auto* status = new QLabel;
        status->setObjectName(QStringLiteral("status"));
        c3->layout()->addWidget(status);
        static_cast<QHBoxLayout*>(c3->layout())->addStretch();
        m_table->setCellWidget(row, 3, c3);
        m_table->setRowHeight(row, 24);
    }
    m_table->setFixedHeight(25 * devices.size() + 28);
    m_filling = false;
    boxLayout->addWidget(m_table);

    auto* row = new QHBoxLayout;
    auto makeBtn = [&](const QString& text, const QString& tip, const char* slot) {
        auto* b = new StdBtn(box, 0);
        b->SetText(text);
        b->setStatusTip(tip);
        connect(b, SIGNAL(clicked()), this, slot);
        row->addWidget(b);
        return b;
    };
    m_btnActivate = makeBtn(tr("ACTIVATE"), tr("Activate Device"), SLOT(OnDevClickActivate()));
    m_btnDeactivate = makeBtn(tr("DEACTIVATE"), tr("Deactivate Device"), SLOT(OnDevClickDeactivate()));
    StdBtn* del = makeBtn(tr("DELETE DEVICE"), tr("Delete Device"), SLOT(OnDevClickDelete()));
    del->setObjectName(QStringLiteral("btnDelete"));
    row->addStretch();
    StdBtn* add = makeBtn(tr("+ ADD NEW DEVICE"), tr("Enters Pairing Mode"), SLOT(OnDevClickAdd()));
    add->setObjectName(QStringLiteral("btnAdd"));
    boxLayout->addLayout(row);

    auto* timer = new QTimer(m_table);
    timer->setInterval(1000);
    connect(timer, &QTimer::timeout, this, &PairingUI::OnTableDevUpdate);
    timer->start();
    connect(m_table, &QTableWidget::cellClicked, this, &PairingUI::OnTableDevClicked);
    connect(m_table, &QTableWidget::cellChanged, this, &PairingUI::OnTableDevEdited);
    connect(header, &QHeaderView::sectionResized, this, &PairingUI::OnTableDevResize);
    return box;
}

QString PairingUI::RowKey(int row) const {
    if (!m_table)
        return QString();
    QWidget* cell = m_table->cellWidget(row, 0);
    auto* radio = cell ? cell->findChild<QRadioButtonEx*>() : nullptr;
    return radio ? radio->property("key").toString() : QString();
}

QString PairingUI::RowLamp(int row) const {
    QWidget* cell = m_table ? m_table->cellWidget(row, 3) : nullptr;
    auto* lamp = cell ? cell->findChild<ImgWidget*>(QStringLiteral("lamp")) : nullptr;
    return lamp ? lamp->property(kLampImage).toString() : QString();
}

QString PairingUI::RowStatus(int row) const {
    QWidget* cell = m_table ? m_table->cellWidget(row, 3) : nullptr;
    auto* status = cell ? cell->findChild<QLabel*>(QStringLiteral("status")) : nullptr;
    return status ? status->text() : QString();
}

QString PairingUI::SelectedDevice() const {
    if (!m_table)
        return QString();
    for (int row = 0; row < m_table->rowCount(); ++row) {
        QWidget* cell = m_table->cellWidget(row, 0);
        auto* radio = cell ? cell->findChild<QRadioButtonEx*>() : nullptr;
        if (radio && radio->isChecked())
            return radio->property("key").toString();
    }
    return QString();
}

void PairingUI::SaveDevices() {
    if (!m_cfg)
        return;
    const QString error = m_cfg->SaveUserCfg();
    if (!error.isEmpty())
        QLOG_WARN() << "PairingUI::SaveDevices: user configuration not saved:" << error;
}

void PairingUI::OnTableDevUpdate() {
    if (!m_table || !m_cfg)
        return;
    if (m_table->rowCount() != m_cfg->UserCfg().Devices.size()) {
        emit UpdateUI();
        return;
    }
    const QString selected = SelectedDevice();
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const QString key = RowKey(row);
        const bool connected = m_server && m_server->IsDeviceConnected(key);
        const DataCfg::TDevice dev = m_cfg->UserCfg().GetDevice(key);
        QString image = QStringLiteral(":/images/LEDGray");
        QString text = tr("Deactivated");
        if (dev.Active && connected) {
            image = QStringLiteral(":/images/LEDGreen");
            text = tr("Active (Paired)");
        } else if (dev.Active) {
            image = QStringLiteral(":/images/LEDRed");
            text = tr("Inactive (Paired)");
        }
        QWidget* cell = m_table->cellWidget(row, 3);
        if (!cell)
            continue;
        auto* lamp = cell->findChild<ImgWidget*>(QStringLiteral("lamp"));
        if (lamp && lamp->property(kLampImage).toString() != image) {
            lamp->setProperty(kLampImage, image);
            lamp->SetImage(LoadImageCached(image, true));
        }
        if (auto* status = cell->findChild<QLabel*>(QStringLiteral("status")))
            status->setText(text);
        if (key == selected && !key.isEmpty()) {
            if (m_btnActivate)
                m_btnActivate->setEnabled(!dev.Active);
            if (m_btnDeactivate)
                m_btnDeactivate->setEnabled(dev.Active);
        }
    }
}

void PairingUI::OnDevClickActivate() {
    const QString key = SelectedDevice();
    if (m_cfg && !key.isEmpty()) {
        m_cfg->UserCfg().SetDeviceActive(key, true);
        SaveDevices();
    }
    OnTableDevUpdate();
}

void PairingUI::OnDevClickDeactivate() {
    const QString key = SelectedDevice();
    if (m_cfg && !key.isEmpty()) {
        m_cfg->UserCfg().SetDeviceActive(key, false);
        SaveDevices();
        if (m_server)
            m_server->DropSessions(key);
    }
    OnTableDevUpdate();
}

void PairingUI::OnDevClickDelete() {
    const QString key = SelectedDevice();
    DataCfg::TDevice dev;
    if (m_cfg && !key.isEmpty())
        dev = m_cfg->UserCfg().GetDevice(key);
    const int answer = MsgBoxQuestion(m_parent, tr("DELETE DEVICE?"), dev.Name + QLatin1Char(' ') + dev.Desc,
                                      PopupWnd::YES | PopupWnd::NO, PopupWnd::NO);
    if (answer == PopupWnd::NO || answer == 0)
        return;
    if (key.isEmpty() || !m_cfg)
        return;
    if (m_server)
        m_server->DropSessions(key);
    m_cfg->UserCfg().RemoveDevice(key);
    SaveDevices();
    emit UpdateUI();
}

void PairingUI::OnDevClickAdd() {
    auto* popup = new AddDevicePopup(m_parent, m_cfg);
    RunPairing(popup);
}

AddDevicePopup* PairingUI::RunFirstPairing() {
    // Owned by the main window: its timer reads the configuration, which goes with the window.
    auto* popup = new AddDevicePopup(m_parent ? m_parent->window() : nullptr, m_cfg);
    popup->setObjectName(QStringLiteral("FirstPairing"));
    popup->setWindowModality(Qt::ApplicationModal);
    popup->SetSkip();
    auto* timer = new QTimer(popup);
    timer->setInterval(1000);
    connect(timer, &QTimer::timeout, popup, &AddDevicePopup::CheckClose);
    timer->start();
    // Shown without a loop of its own: the start-up goes on, and the mode ends with the popup.
    ++g_pairingPopups;
    connect(popup, &QDialog::finished, [] { --g_pairingPopups; });
    popup->show();
    popup->raise();
    popup->activateWindow();
    return popup;
}

void PairingUI::OnTableDevClicked(int row, int column) {
    Q_UNUSED(column);
    QWidget* cell = m_table ? m_table->cellWidget(row, 0) : nullptr;
    if (auto* radio = cell ? cell->findChild<QRadioButtonEx*>() : nullptr)
        radio->setChecked(true);
}

void PairingUI::OnTableDevEdited(int row, int column) {
    if (m_filling || !m_table || !m_cfg || column != 2)
        return;
    QTableWidgetItem* item = m_table->item(row, column);
    const QString key = RowKey(row);
    if (!item || key.isEmpty())
        return;
    m_cfg->UserCfg().SetDeviceLabel(key, item->text());
    SaveDevices();
}

void PairingUI::OnTableDevResize(int index, int oldSize, int newSize) {
    Q_UNUSED(index);
    Q_UNUSED(oldSize);
    Q_UNUSED(newSize);
    QTimer::singleShot(0, this, &PairingUI::OnTableDevAutosize);
}

void PairingUI::OnTableDevAutosize() {
    if (!m_table)
        return;
    QHeaderView* header = m_table->horizontalHeader();
    const int w1 = header->sectionSize(1);
    const int w2 = header->sectionSize(2);
    if (w1 + w2 == kColumnPairWidth)
        return;
    const int first = qMin(w1, kColumnPairWidth - kMinSectionWidth);
    const QSignalBlocker block(header);
    header->resizeSection(1, first);
    header->resizeSection(2, kColumnPairWidth - first);
}
