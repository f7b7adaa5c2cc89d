#include "editor/exchangerenderer.h"

#include "config/tappskin.h"
#include "config/tcontrol.h"
#include "config/tgrid.h"
#include "editor/igrideditor.h"
#include "foundation/helpers.h"
#include "foundation/imgroutines.h"
#include "foundation/profiler.h"
#include "runtime/ctrlview.h"

#include <QFileInfo>
#include <QPainter>
#include <QPixmap>

#include <memory>

namespace {
const int Cell = CtrlView::CellSize;

// The empty deck: cell outlines over a dark ground, for when the skin has no deck picture.
QImage PlainDeck() {
    QImage image(ExchangeRendererImpl::CanvasWidth, ExchangeRendererImpl::CanvasHeight, QImage::Format_ARGB32);
    image.fill(QColor(0x16, 0x16, 0x16));
    QPainter p(&image);
    p.setPen(QColor(0x30, 0x30, 0x30));
    for (int x = 0; x < image.width(); x += Cell)
        for (int y = 0; y < image.height(); y += Cell)
            p.drawRect(x, y, Cell - 1, Cell - 1);
    return image;
}

QImage Render(const DataCfg::TControl& control) {
    auto view = std::make_unique<CtrlView>();
    view->Init(control);
    QPixmap pixmap(view->size());
    if (pixmap.isNull())
        return QImage();
    pixmap.fill(Qt::transparent);
    view->render(&pixmap, QPoint(0, 0), QRegion(view->rect()), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return pixmap.toImage();
}
} // namespace

QImage ExchangeRendererImpl::RenderControl(const DataCfg::TControl& control) {
    PROFILE_SCOPE("ExchangeRendererImpl::RenderControl");
    return Render(control);
}

QImage ExchangeRendererImpl::RenderGrid(const DataCfg::TGrid& grid, const QString& background) {
    PROFILE_SCOPE("ExchangeRendererImpl::RenderGrid");
    QImage canvas(CanvasWidth, CanvasHeight, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    if (background.isEmpty()) {
        QImage deck = m_editor ? m_editor->AppSkin().GetDeckBG(QString(), CanvasWidth, 1800) : QImage();
        painter.drawImage(0, 0, deck.isNull() ? PlainDeck() : deck);
    } else {
        painter.drawImage(0, 0, QImage(background));
    }
    DataCfg* cfg = DataCfg::Instance();
    for (const DataCfg::TGridElem& elem : grid.Elements) {
        DataCfg::TControl control = cfg ? cfg->FindControl(elem.Control) : DataCfg::TControl();
        control.Config.SetValues(elem.Config);
        const QImage image = Render(control);
        painter.drawImage(elem.Position.x() * Cell, elem.Position.y() * Cell, image);
    }
    painter.end();
    return canvas;
}

QImage ExchangeRendererImpl::MakeGridIconImage(const QString& iconText, const QString& folder) {
    PROFILE_SCOPE("ExchangeRendererImpl::MakeGridIconImage");
    const QStringList parts = iconText.split(QLatin1Char('|'));
    const QString colour = parts.size() > 2 ? parts[2].trimmed() : QString();
    QImage image = m_editor ? m_editor->AppSkin().GetTabIcon(iconText, true) : QImage();
    if (image.isNull())
        image = QImage(folder + QFileInfo(parts.value(0)).fileName());
    if (image.isNull())
        return image;
    if (!colour.isEmpty()) {
        image = image.convertToFormat(QImage::Format_ARGB32);
        ImgRoutines::Colorize(image, ColorFromText(colour));
    }
    if (image.width() > MaxIconWidth)
        image = image.scaled(MaxIconWidth, image.height(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}
