// The grid canvas's editing in the grid editor: selecting, dragging, deleting and placing controls.
#include "editor/gridview.h"

#include "editor/igrideditor.h"
#include "foundation/logger/QsLog.h"
#include "runtime/ctrlview.h"
#include "widgets/imgwidget.h"
#include <QAbstractButton>
#include <QMessageBox>

#include "config/tconfig.h"
#include "config/tcontrol.h"
#include "config/tgfx.h"
#include "widgets/popupwnd.h"

#include <QApplication>
#include <QCursor>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHoverEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

const char* const GridView::DragMarker = "Mervex_Control_Drag";

namespace {

bool Overlaps(int x1, int y1, int w1, int h1, int x2, int y2, int w2, int h2) {
    return x1 < x2 + w2 && x2 < x1 + w1 && y1 < y2 + h2 && y2 < y1 + h1;
}

} // namespace

int GridView::SnapToCell(int d) {
    return ((d >= 0 ? d + EditCell / 2 : d - EditCell / 2) / EditCell) * EditCell;
}

void GridView::ShowSelector(CtrlView* view, double opacity) {
    if (!view)
        return;
    auto* sel = view->findChild<ImgWidget*>(QStringLiteral("CtrlSelector"), Qt::FindDirectChildrenOnly);
    if (!sel && opacity <= 0)
        return;
    const QSize size(qMax(view->GetGridW(), 1) * EditCell, qMax(view->GetGridH(), 1) * EditCell);
    if (!sel || sel->image().size() != size) {
        DataCfg* cfg = DataCfg::Instance();
        DataCfg::TGfx gfx =
            cfg ? cfg->FindGfx(QStringLiteral("BlockSelector"), QStringLiteral("MVX_DefGfx")) : DataCfg::TGfx();
        QImage image = gfx.GetImageTiled(size.width(), size.height());
        if (image.size() != size) {
            // Without the graphic an empty frame of the right size still carries the selection state.
            image = QImage(size, QImage::Format_ARGB32);
            image.fill(Qt::transparent);
        }
        // The image widget takes its picture at construction: a new size means a new frame.
        const double was = sel ? sel->opacity() : 0.0;
        delete sel;
        sel = new ImgWidget(view, image);
        sel->setObjectName(QStringLiteral("CtrlSelector"));
        sel->setAttribute(Qt::WA_TransparentForMouseEvents);
        sel->SetOpacity(was, 0);
        sel->update();
    }
    sel->show();
    sel->raise();
    sel->SetOpacity(opacity, 200);
}

void GridView::SetAllSelectors() {
    for (CtrlView* v : Views())
        ShowSelector(v, IsSelected(v) ? 1.0 : 0.0);
}

void GridView::keyPressEvent(QKeyEvent* e) {
    GridCont::keyPressEvent(e);
    const int key = e->key() & 0xFFFFFF;
    if (key == (Qt::Key_Delete & 0xFFFFFF) || key == (Qt::Key_Backspace & 0xFFFFFF))
        RemoveCtrls(true);
}

void GridView::RemoveCtrls(bool selectedOnly) {
    if (!m_grid.Custom)
        return;
    // Elements go by their own index, highest first, so that the pairing with the views stays exact even
    // when an element earlier in the list has no view.
    QList<int> elements;
    const QList<CtrlView*> views = Views();
    for (CtrlView* v : views) {
        if (selectedOnly && !IsSelected(v))
            continue;
        const int element = ElementIndexOf(v);
        if (element >= 0)
            elements << element;
        TakeView(v);
        m_info.remove(v);
        if (m_pressed == v)
            m_pressed = nullptr;
        v->deleteLater();
        m_modified = true;
    }
    std::sort(elements.begin(), elements.end(), std::greater<int>());
    for (int element : qAsConst(elements)) {
        if (element < m_grid.Elements.size())
            m_grid.Elements.removeAt(element);
    }
    if (!selectedOnly && !m_grid.Elements.isEmpty()) {
        // Elements whose control is missing have no view; clearing the grid takes them too.
        m_grid.Elements.clear();
        m_modified = true;
    }
    const DataCfg::TGrid copy = m_grid;
    SetGrid(copy);
}

bool GridView::AddCtrl(const DataCfg::TControl& c, int col, int row, const QString& resetName) {
    if (c.Name.isEmpty() || !m_grid.Custom)
        return false;
    const int width = c.Size.width();
    const int height = c.Size.height();
    const int rows = m_grid.Height;
    if (rows < 1 || width < 1 || height < 1 || width > Columns)
        return false;
    col = qMax(col, 0);
    row = qMax(row, 0);
    for (int i = 0; i < rows; ++i) {
        const int f = (row + i) % rows;
        for (int j = 0; j <= Columns - width; ++j) {
            const int g = (col + j) % (Columns + 1 - width);
            bool free = true;
            for (CtrlView* v : Views()) {
                if (Overlaps(g, f, width, height, v->GetGridX(), v->GetGridY(), v->GetGridW(), v->GetGridH())) {
                    free = false;
                    break;
                }
            }
            if (!free)
                continue;
            QLOG_DEBUG() << "OnAdd2Grid:" << resetName << c.Name << g << f;
            DataCfg::TGridElem e;
            e.NewId();
            e.ResetName = resetName;
            e.Control = c.Set + QLatin1Char(':') + c.Name;
            e.Position = QPoint(g, f);
            e.Config = c.Config.GetValues();
            e.ExtParams = c.ExtParams;
            e.SkinIdx = c.SkinIdx;
            m_grid.Elements.append(e);
            const DataCfg::TGrid copy = m_grid;
            SetGrid(copy);
            m_modified = true;
            return true;
        }
    }
    return false;
}

bool GridView::CanResizeCtrl(const DataCfg::TControl& c, int width, int height) const {
    if (c.Name.isEmpty() || !m_grid.Custom)
        return true;
    const CtrlView* target = nullptr;
    for (CtrlView* v : Views()) {
        if (v->Control().id == c.id) {
            target = v;
            break;
        }
    }
    if (!target)
        return true;
    const int x = target->GetGridX();
    const int y = target->GetGridY();
    if (width < 1 || height < 1 || x + width > Columns || y + height > m_grid.Height)
        return false;
    for (CtrlView* v : Views()) {
        if (v != target && Overlaps(x, y, width, height, v->GetGridX(), v->GetGridY(), v->GetGridW(), v->GetGridH()))
            return false;
    }
    return true;
}

void GridView::ApplyCtrlCfg(const DataCfg::TControl& c) {
    if (c.Name.isEmpty() || !m_grid.Custom)
        return;
    for (CtrlView* v : Views()) {
        if (v->Control().id != c.id)
            continue;
        const int element = ElementIndexOf(v);
        if (element >= 0 && element < m_grid.Elements.size())
            m_grid.Elements[element].Config = c.Config.GetValues();
        v->Init(c);
        ShowSelector(v, IsSelected(v) ? 1.0 : 0.0);
        m_modified = true;
        return;
    }
}

void GridView::dragEnterEvent(QDragEnterEvent* e) {
    if (e->mimeData() && e->mimeData()->text() == QLatin1String(DragMarker) && qobject_cast<CtrlView*>(e->source()))
        e->acceptProposedAction();
}

void GridView::dropEvent(QDropEvent* e) {
    if (DropControl(e->source(), e->mimeData(), e->pos()))
        e->acceptProposedAction();
}

void GridView::Warn(const QString& text) {
    const QString title = tr("WARNING");
    if (m_editor)
        m_editor->AskUser(1, title, text, QMessageBox::Ok);
    else
        MsgBoxInfo(this, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool GridView::TakesControls() {
    if (!m_grid.Custom)
        Warn(tr("Controls can only be added to custom Grids."));
    return m_grid.Custom;
}

bool GridView::AddCtrlOrTell(const DataCfg::TControl& control, int column, int row, const QString& resetName) {
    if (!TakesControls() || control.Name.isEmpty())
        return false;
    if (AddCtrl(control, column, row, resetName))
        return true;
    Warn(tr("There is no free place for this Control on the Grid."));
    return false;
}

bool GridView::DropControl(QObject* source, const QMimeData* mime, const QPoint& pos) {
    if (!TakesControls())
        return false;
    auto* view = qobject_cast<CtrlView*>(source);
    if (!mime || mime->text() != QLatin1String(DragMarker) || !view)
        return false;
    AddCtrlOrTell(view->Control(), pos.x() / EditCell, pos.y() / EditCell, ResetNameOf(view));
    return true;
}

// ---------------------------------------------------------------------------------------------------------
// Selection and moving

bool GridView::eventFilter(QObject* watched, QEvent* event) {
    auto* view = qobject_cast<CtrlView*>(watched);
    if (view && view->IsOfferingPress())
        return GridCont::eventFilter(watched, event);
    if (view && !Views().contains(view))
        view = nullptr;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (view)
            return PressOnView(view, static_cast<QMouseEvent*>(event));
        if (m_emptyCells.contains(qobject_cast<QWidget*>(watched))) {
            for (CtrlView* v : Views()) {
                SetSelected(v, false);
                v->SetOpacity(1.0, 250);
                ShowSelector(v, 0);
            }
        }
        break;
    case QEvent::MouseMove:
        if (m_pressed && view)
            MoveOnView(view, static_cast<QMouseEvent*>(event));
        break;
    case QEvent::MouseButtonRelease:
        if (m_pressed && view)
            ReleaseOnView(view, static_cast<QMouseEvent*>(event));
        break;
    default:
        break;
    }
    return GridCont::eventFilter(watched, event);
}

bool GridView::PressOnView(CtrlView* v, QMouseEvent* e) {
    setFocus();
    // A control may use the button itself; a press it takes is consumed here so that it does not reach the
    // control a second time.
    if (e->modifiers() == Qt::NoModifier && !m_pressed && v->OfferPress(e))
        return true;
    m_multiSelect = (e->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier)) || IsSelected(v);
    if (!m_multiSelect) {
        for (CtrlView* other : Views())
            SetSelected(other, false);
        SetSelected(v, true);
    }
    m_dragging = false;
    SetAllSelectors();
    for (CtrlView* other : Views()) {
        if (IsSelected(other))
            other->raise();
    }
    m_pressInView = e->pos();
    m_pressInCanvas = v->mapTo(this, e->pos());
    m_pressed = v;
    e->accept();
    emit SelectCtrl(v);
    return true;
}

void GridView::HoverDeleteButton() {
    QWidget* under = QApplication::widgetAt(QCursor::pos());
    if (under && under->objectName() == QLatin1String("btnDelete")) {
        const QPoint pos = under->mapFromGlobal(QCursor::pos());
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(under, &enter);
        QHoverEvent hover(QEvent::HoverEnter, pos, QPoint(-1, -1));
        QCoreApplication::sendEvent(under, &hover);
        m_hoveredDelete = under;
    } else if (m_hoveredDelete) {
        QWidget* was = m_hoveredDelete;
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(was, &leave);
        QHoverEvent hover(QEvent::HoverLeave, QPoint(-1, -1), was->mapFromGlobal(QCursor::pos()));
        QCoreApplication::sendEvent(was, &hover);
        m_hoveredDelete = nullptr;
    }
}

bool GridView::SelectionBox(int& minX, int& minY, int& maxX, int& maxY) const {
    minX = minY = 1000;
    maxX = maxY = 0;
    bool any = false;
    for (CtrlView* v : Views()) {
        if (!IsSelected(v))
            continue;
        any = true;
        minX = qMin(minX, v->GetGridX());
        minY = qMin(minY, v->GetGridY());
        maxX = qMax(maxX, v->GetGridX() + v->GetGridW());
        maxY = qMax(maxY, v->GetGridY() + v->GetGridH());
    }
    return any;
}

QPoint GridView::ClampDrag(QPoint d) const {
    int minX, minY, maxX, maxY;
    SelectionBox(minX, minY, maxX, maxY);
    d.setX(qBound(-(minX * EditCell), d.x(), width() - maxX * EditCell));
    d.setY(qBound(-(minY * EditCell), d.y(), height() - maxY * EditCell));
    return d;
}

void GridView::MoveOnView(CtrlView* v, QMouseEvent* e) {
    HoverDeleteButton();
    const QPoint pos = v->mapTo(this, e->pos());
    if (!m_dragging) {
        const QPoint dist = pos - m_pressInCanvas;
        const int start = QApplication::startDragDistance();
        if (qAbs(dist.x()) < start && qAbs(dist.y()) < start)
            return;
        m_dragging = true;
        if (m_multiSelect) {
            SetSelected(m_pressed, true);
            ShowSelector(m_pressed, 1.0);
        }
        for (CtrlView* other : Views()) {
            other->SetOpacity(IsSelected(other) ? 1.0 : 0.5, 250);
            if (IsSelected(other))
                other->raise();
        }
    }
    int minX, minY, maxX, maxY;
    if (!SelectionBox(minX, minY, maxX, maxY))
        return;
    QPoint d = ClampDrag(pos - m_pressInCanvas);
    // The selection sticks to whole cells when it comes close to one.
    const int sx = SnapToCell(d.x());
    const int sy = SnapToCell(d.y());
    if (qAbs(d.x() - sx) <= 6)
        d.setX(sx);
    if (qAbs(d.y() - sy) <= 6)
        d.setY(sy);
    for (CtrlView* other : Views()) {
        if (IsSelected(other))
            other->move(d.x() + other->GetGridX() * EditCell, d.y() + other->GetGridY() * EditCell);
    }
}

void GridView::ReleaseOnView(CtrlView* v, QMouseEvent* e) {
    CtrlView* pressed = m_pressed;
    m_pressed = nullptr;
    if (m_multiSelect && !m_dragging) {
        SetSelected(pressed, !IsSelected(pressed));
        ShowSelector(pressed, IsSelected(pressed) ? 1.0 : 0.0);
    }
    for (CtrlView* other : Views()) {
        other->SetOpacity(1.0, 250);
        ShowSelector(other, IsSelected(other) ? 1.0 : 0.0);
    }
    if (m_dragging) {
        int minX, minY, maxX, maxY;
        if (SelectionBox(minX, minY, maxX, maxY)) {
            const QPoint d = ClampDrag(v->mapTo(this, e->pos()) - m_pressInCanvas);
            const int dx = SnapToCell(d.x()) / EditCell;
            const int dy = SnapToCell(d.y()) / EditCell;
            bool allowed = true;
            for (CtrlView* s : Views()) {
                if (!IsSelected(s))
                    continue;
                for (CtrlView* o : Views()) {
                    if (!IsSelected(o) && Overlaps(s->GetGridX() + dx, s->GetGridY() + dy, s->GetGridW(), s->GetGridH(),
                                                   o->GetGridX(), o->GetGridY(), o->GetGridW(), o->GetGridH()))
                        allowed = false;
                }
            }
            if (allowed && (dx || dy)) {
                for (CtrlView* s : Views()) {
                    if (IsSelected(s))
                        s->SetGridPos(s->GetGridX() + dx, s->GetGridY() + dy);
                }
                m_modified = true;
            }
        }
    }
    m_dragging = false;
    // A refused move snaps the selection back to its cells.
    for (CtrlView* o : Views()) {
        o->move(o->GetGridX() * EditCell, o->GetGridY() * EditCell);
        const int element = ElementIndexOf(o);
        if (element >= 0 && element < m_grid.Elements.size())
            m_grid.Elements[element].Position = QPoint(o->GetGridX(), o->GetGridY());
    }
    if (m_hoveredDelete) {
        m_hoveredDelete = nullptr;
        // The relayout deletes the views, the one whose event is being filtered among them: it runs once
        // this event is done.
        QMetaObject::invokeMethod(
            this, [this] { RemoveCtrls(true); }, Qt::QueuedConnection);
    }
}
