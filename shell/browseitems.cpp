#include "shell/browseitems.h"

#include "config/tappskin.h"
#include "functions/loadimagecached.h"

#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace {
const char* const kIconBackground = ":/images/ic_in_layers_bg";

QImage ScaledTo(const QImage& image, const QSize& size) {
    return image.isNull() ? image : image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

// A picture of the program's resources at a size (none: its own), decoded and scaled once and then shared by every
// tile and row that shows it: a browse tab of a thousand grids would otherwise decode and scale each of its frames a
// thousand times (copies share their pixels).
QImage Resource(const QString& path, const QSize& size = QSize()) {
    static QHash<QString, QImage> cache;
    const QString key = QStringLiteral("%1|%2x%3").arg(path).arg(size.width()).arg(size.height());
    const auto hit = cache.constFind(key);
    if (hit != cache.cend())
        return hit.value();
    const QImage image = size.isValid() ? ScaledTo(QImage(path), size) : QImage(path);
    cache.insert(key, image);
    return image;
}
} // namespace

// ---------------------------------------------------------------------------------------------------------
// WidgetButton

WidgetButton::WidgetButton(QWidget* parent) : QWidget(parent) {}

void WidgetButton::SetSize(const QSize& size) {
    const float f = float(size.width()) / float(buttonSize.width());
    buttonSize = size;
    iconSize = QSize(int(float(iconSize.width()) * f), int(float(iconSize.height()) * f));
}

void WidgetButton::UpdateImages() {
    background = Resource(backgroundPath, buttonSize);
    resize(background.size());
    setMinimumSize(background.size());
    borderOverlay = Resource(QStringLiteral(":/images/icon_border_overlay"), buttonSize);
    glossOverlay = Resource(QStringLiteral(":/images/icon_gloss_overlay"), buttonSize);
}

void WidgetButton::SetIcon(const QString& text) {
    QString name = text.section(QLatin1Char('|'), 0, 0);
    if (name.isEmpty())
        name = QStringLiteral("TabIconCustom");
    QImage image;
    if (appSkin && appSkin->Entries.contains(name))
        image = appSkin->GetEntry(name).GetImage();
    else
        image = LoadImageCached(name, true);
    icon = ScaledTo(image, iconSize);
    update();
}

void WidgetButton::paintEvent(QPaintEvent*) {
    if (background.isNull())
        return;
    QPainter p(this);
    p.drawImage(0, 0, background);
    p.drawImage((buttonSize.width() - icon.width()) / 2, (buttonSize.height() - icon.height()) / 2, icon);
    p.drawImage(0, 0, borderOverlay);
    p.drawImage(0, 0, glossOverlay);
    if (installed) {
        if (installedMark.isNull())
            installedMark = Resource(QStringLiteral(":/images/tab-installed"));
        p.drawImage(61, 7, installedMark);
    }
}

// ---------------------------------------------------------------------------------------------------------
// AbstractBrowseItem

AbstractBrowseItem::AbstractBrowseItem(const QString& name, QWidget* parent) : QWidget(parent), name(name) {
    nameLabel = new QLabel(this);
    nameLabel->setObjectName(QStringLiteral("nameLabel"));
    iconButton = new WidgetButton(this);
    iconButton->setObjectName(QStringLiteral("iconButton"));
    connect(this, &AbstractBrowseItem::mouseClickEvent, this, &AbstractBrowseItem::onSelectNewGrid);
}

AbstractBrowseItem::~AbstractBrowseItem() {
    delete iconButton;
}

void AbstractBrowseItem::SetSelected(bool) {}

void AbstractBrowseItem::onSelectNewGrid() {}

void AbstractBrowseItem::SetIcon(const QString& text) {
    if (!text.isEmpty()) {
        iconButton->SetIcon(text);
    } else if (!iconButton->icon.isNull()) {
        // A tile taken over from a grid with an icon, now showing one without.
        iconButton->icon = QImage();
        iconButton->update();
    }
}

void AbstractBrowseItem::SetInstalled(bool) {}

void AbstractBrowseItem::SetAppSkin(const DataCfg::TAppSkin* skin) {
    iconButton->appSkin = skin;
}

void AbstractBrowseItem::mousePressEvent(QMouseEvent* e) {
    pressPos = e->pos();
    pressed = true;
}

// ---------------------------------------------------------------------------------------------------------
// Tiles

BrowseGridItem::BrowseGridItem(const QString& name, QWidget* parent) : AbstractBrowseItem(name, parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    resize(136, 148);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->addWidget(iconButton);
    nameLabel->setMaximumWidth(width() - 20);
    nameLabel->setStyleSheet(QStringLiteral("color : #ffffff; font-family:'Eurostile LT Std'; font-size:13px;"));
    nameLabel->setContentsMargins(9, 0, 0, 0);
    layout->addWidget(nameLabel);
    layout->addSpacing(2);
    infoLabel = new QLabel(this);
    infoLabel->setObjectName(QStringLiteral("infoLabel"));
    infoLabel->setMaximumWidth(width() - 20);
    infoLabel->setStyleSheet(QStringLiteral("color : #ababab; font-family:'Eurostile LT Std'; font-size:9px;"));
    infoLabel->setContentsMargins(9, 0, 0, 0);
    layout->addWidget(infoLabel);
    layout->setAlignment(Qt::AlignTop);
    UpdateTexts();
    selectionImage = Resource(QStringLiteral(":/images/selector_pattern"), QSize(136, 144));
}

void BrowseGridItem::UpdateTexts() {
    // The label's font is that of its style sheet only once it is polished.
    nameLabel->ensurePolished();
    nameLabel->setText(nameLabel->fontMetrics().elidedText(name, Qt::ElideRight, width() - 30));
    iconButton->backgroundPath = QLatin1String(kIconBackground);
    iconButton->UpdateImages();
}

void BrowseGridItem::SetSelected(bool selected) {
    this->selected = selected;
    repaint();
}

void BrowseGridItem::SetInstalled(bool installed) {
    iconButton->installed = installed;
    iconButton->update();
}

void BrowseGridItem::onSelectNewGrid() {
    selected = true;
    repaint();
    emit onChangeGrid(name);
}

void BrowseGridItem::mouseReleaseEvent(QMouseEvent*) {
    if (pressed)
        emit mouseClickEvent();
}

void BrowseGridItem::paintEvent(QPaintEvent*) {
    if (!selected)
        return;
    QPainter p(this);
    p.drawImage(0, 0, selectionImage);
}

// ---------------------------------------------------------------------------------------------------------
// Rows

BrowseListItem::BrowseListItem(const QString& name, QWidget* parent) : AbstractBrowseItem(name, parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    resize(width(), 26);
    auto* layout = new QHBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(10, 0, 10, 0);
    iconButton->setFixedWidth(25);
    layout->addWidget(iconButton);
    nameLabel->setFixedWidth(390);
    nameLabel->setContentsMargins(5, 0, 0, 0);
    layout->addWidget(nameLabel);
    dateLabel = new QLabel(this);
    dateLabel->setObjectName(QStringLiteral("dateLabel"));
    dateLabel->setFixedWidth(100);
    layout->addWidget(dateLabel);
    installedLabel = new QLabel(this);
    installedLabel->setObjectName(QStringLiteral("installedLabel"));
    installedLabel->setFixedWidth(55);
    installedLabel->setContentsMargins(0, 2, 0, 0);
    layout->addWidget(installedLabel);
    selectionImage = Resource(QStringLiteral(":/images/selector_list"));
}

void BrowseListItem::UpdateTexts() {
    nameLabel->setText(name);
    nameLabel->setStyleSheet(QStringLiteral("color : #ffffff; font-family:'Eurostile Std'; font-size:11px;"));
    dateLabel->setText(date.toString(QStringLiteral("dd.MM.yyyy")));
    dateLabel->setStyleSheet(QStringLiteral("color : #ababab; font-family:'Eurostile Std'; font-size:11px;"));
    iconButton->backgroundPath = QLatin1String(kIconBackground);
    iconButton->UpdateImages();
}

void BrowseListItem::SetIconSize(int width, int height) {
    iconSize = QSize(width, height);
    iconButton->SetSize(iconSize);
}

void BrowseListItem::ShowInstalled() {
    if (installed)
        installedLabel->setPixmap(QPixmap(QStringLiteral(":/images/tab-installed")));
    else if (!installedLabel->pixmap(Qt::ReturnByValue).isNull())
        installedLabel->clear(); // a row taken over from a grid that was installed
    UpdateTexts();
}

void BrowseListItem::SetSelected(bool selected) {
    this->selected = selected;
    repaint();
}

void BrowseListItem::onSelectNewGrid() {
    selected = true;
    repaint();
    emit onChangeGrid(name);
}

void BrowseListItem::mouseReleaseEvent(QMouseEvent*) {
    emit mouseClickEvent();
}

void BrowseListItem::paintEvent(QPaintEvent*) {
    if (!selected)
        return;
    QPainter p(this);
    p.drawImage(10, 0, selectionImage);
}
