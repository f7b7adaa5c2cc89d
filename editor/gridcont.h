#pragma once
// The container of placed control views shared by the grid canvas and the message overlay: the views in
// placement order (child widgets of the container), the viewing area in cells, and what a phone session
// keeps of it (the records last sent for each view).

#include "runtime/igridview.h"
#include "server/netservices.h"
#include "widgets/qwidgetex.h"

#include <QHash>
#include <QList>
#include <QVariantMap>

class CtrlView;
class NetCtrlViewAdapter;

class GridCont : public QWidgetEx, public IGridCont, public virtual INetView {
    Q_OBJECT
public:
    explicit GridCont(QWidget* parent = nullptr);
    ~GridCont() override;

    const QList<CtrlView*>& Views() const { return m_views; }
    int ViewCount() const { return m_views.size(); }

    // The viewing area in cells (4 x 5 by default). The height is what control scripts read as height-B.
    double GetWidthCells() const { return m_width; }
    void SetWidthCells(double cells) { m_width = cells; }
    double GetHeightCells() const { return m_height; }
    void SetHeightCells(double cells) { m_height = cells; }

    // --- IGridCont ---
    double GetHeightB() const override { return m_height; }

    // --- INetView ---
    QList<INetCtrlView*> CtrlViews() const override;
    QVariantMap& KeptRecords() override { return m_kept; }
    void SetGridHeight(double cells) override { m_height = cells; }
    void DeleteLater() override { deleteLater(); }

protected:
    // The list and the phone-side adapters of the views are kept together.
    void AppendView(CtrlView* view);
    // Takes the view out of the list (not deleted); false when it is not in the list.
    bool TakeView(CtrlView* view);
    // Deletes every view now and empties the list.
    void DeleteViews();

private:
    QList<CtrlView*> m_views;
    QHash<const CtrlView*, NetCtrlViewAdapter*> m_adapters;
    QVariantMap m_kept;
    double m_width = 4.0;
    double m_height = 5.0;
};
