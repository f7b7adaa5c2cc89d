#pragma once
// The grid canvas: one grid record laid out as running control views, ticking every 100 ms. The grid editor
// shows the grid being edited on one; every phone session builds one per tab it shows. Scripts reach the
// placed controls through the slots below and through the grid's DCGrid.

#include "config/datacfgrecords.h"
#include "editor/gridcont.h"
#include "runtime/dcgridtarget.h"

#include <QElapsedTimer>
#include <QHash>
#include <QMap>
#include <QPoint>
#include <QPointer>
#include <QScriptValue>
#include <QScriptable>

class CtrlView;
class DCGrid;
class GridViewGlobal;
class IGridEditor;
class ImgWidget;
class QScriptEngine;
class QMouseEvent;
class QMimeData;
class QTimer;

class GridView : public GridCont, public QScriptable, public IGridView, public INetGridView {
    Q_OBJECT
public:
    // A cell is this many pixels at scale 1; a grid is this many cells wide.
    static constexpr int CellSize = 160;
    static constexpr int Columns = 4;
    // Rows a grid shows at least and, unless a control reaches lower, at most.
    static constexpr int MinRows = 6;
    static constexpr int MaxGridRows = 12;
    // A control placed at or beyond this row (or left of column 0, right of the last column, above row 0) is
    // not laid out: its cell is not on any grid, and the canvas would grow without bound.
    static constexpr int MaxRows = 64;
    static constexpr int UpdateIntervalMs = 100;

    // editor: the owning grid editor; null in a phone session.
    explicit GridView(QWidget* parent = nullptr, IGridEditor* editor = nullptr);
    ~GridView() override;

    // --- Set-up by the owner ---
    void SetOverlay(GridViewGlobal* overlay) { m_overlay = overlay; }
    GridViewGlobal* Overlay() const { return m_overlay; }
    IGridEditor* Editor() const { return m_editor; }
    void SetSessionId(quint64 id) override { m_sessionId = id; }
    quint64 SessionId() const { return m_sessionId; }
    QVariantMap& NetClientInfo() { return m_clientInfo; }
    double GetScale() const { return m_scale; }

    // Editor: the deck background and the editor's scale. Always: starts the 100 ms update timer.
    void InitDeck() override;
    // Lays the grid out anew (an empty record clears the canvas).
    void SetGrid(const DataCfg::TGrid& grid);
    // Custom grids: the canvas's grid record replaces every custom record of that name in the model.
    void StoreGrid();
    // Rows := the lowest bottom of the views, at least 5; resizes the canvas.
    void UpdateRows();
    // The grid's DCGrid for the engine, made on first use and owned by the canvas.
    DCGrid* GetDCGridObject(QScriptEngine* engine);
    // Runs a grid script handler ("set:function", or a bare function of the grid's set).
    void ExecGridFunc(const QString& name);

    const DataCfg::TGrid& Grid() const { return m_grid; }
    DataCfg::TGrid& Grid() { return m_grid; }
    int GridId() const { return m_gridId; }
    int Rows() const { return m_grid.Height; }
    bool IsModified() const { return m_modified; }
    void SetModified(bool modified) { m_modified = modified; }
    uint Elapsed() const { return m_elapsed; }
    QTimer* UpdateTimer() const { return m_timer; }
    const QList<QWidget*>& EmptyCells() const { return m_emptyCells; }
    ImgWidget* DeckBackground() const { return m_deck; }

    // Per view: the index of the grid element it shows (-1 for a control added by a script, which has
    // none), and its selection in the editor. Unknown views answer -1 and false.
    int ElementIndexOf(const CtrlView* view) const;
    // The reset name of the view's grid element (the control-list entry it was placed from).
    QString ResetNameOf(const CtrlView* view) const;
    bool IsSelected(const CtrlView* view) const;
    void SetSelected(const CtrlView* view, bool selected);
    // The placed control's instance id (its control copy's record id).
    static int InstanceId(CtrlView* view);
    // Positions of the views named "set:name" (set and name must match) or "name" (any set).
    QList<int> FindControlIndices(const QString& id) const;

    // --- IGridCont ---
    IGridView* AsGridView() override { return this; }

    // --- IGridView ---
    quint64 GetClientId() const override { return m_sessionId; }
    QObject* GetDCGrid(QScriptEngine* engine) override;
    IGridViewGlobal* GetOverlay() override;

    // --- INetGridView ---
    void SetOverlay(INetOverlayView* overlay) override;
    QVariantMap& ClientMap() override { return m_clientInfo; }
    // The grid of the model with the record's key.
    void SetGrid(const NetGrid& grid) override;

    // --- Editing (grid editor, custom grids only) ---
    // The drag marker of a control dragged out of the control editor.
    static const char* const DragMarker;
    // Cell size of the editor (160 x 0.5): all editing arithmetic is in these pixels.
    static constexpr int EditCell = 80;
    // The view's "CtrlSelector" frame, made on first need, faded to the opacity over 200 ms.
    void ShowSelector(CtrlView* view, double opacity);
    // Removes the selected views (or all) with their grid elements and lays the grid out again.
    void RemoveCtrls(bool selectedOnly);
    // Places a copy of the control at the first free cell from (column, row) on; false when none was free.
    // resetName: the control-list entry it came from (kept in the grid element).
    bool AddCtrl(const DataCfg::TControl& control, int column, int row, const QString& resetName = QString());
    // The same for the user's add and drop: a grid that takes no control, or has no free place for it, says so.
    bool AddCtrlOrTell(const DataCfg::TControl& control, int column, int row, const QString& resetName);
    // Whether the grid takes controls (a custom grid); when not, the user is told.
    bool TakesControls();
    // A warning box over the editor.
    void Warn(const QString& text);
    // Whether the placed control with the record's id may take the new size.
    bool CanResizeCtrl(const DataCfg::TControl& control, int width, int height) const;
    // The edited configuration of a placed control goes into its grid element and its view.
    void ApplyCtrlCfg(const DataCfg::TControl& control);
    // A drop of the drag marker from a control view at the canvas position; false when nothing was taken.
    bool DropControl(QObject* source, const QMimeData* mime, const QPoint& pos);
    bool IsDragging() const { return m_dragging; }
    CtrlView* PressedView() const { return m_pressed; }

signals:
    void SelectCtrl(CtrlView* view);

public slots:
    void OnUpdate();
    // Empty-cell hover of the editor.
    void OnEnterAnim();
    void OnEnterLeave();
    int NumControls() const { return ViewCount(); }
    // The view's DCControl for the calling script's engine; the number 0 when out of range.
    QScriptValue GetCtrl(int index);
    void MoveCtrl(int index, int x, int y);
    // Places a copy of the control (by "set:name") at the cell; answers its new instance id, 0 when the
    // control is unknown. The view has no grid element: it is not stored with the grid.
    uint AddControl(int x, int y, const QString& id, const QVariantMap& params);
    uint AddControl(int x, int y, const QString& id);
    void RemControl(uint id);
    int FindControl(uint id) const;
    QVariantList FindControls(const QString& id) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The editor's canvas ticks only while it is shown; shown again, the time it was away passes in one step.
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

    // Milliseconds counted by the update timer. Unsigned, so that a program running for weeks wraps to 0
    // (the control views count the same way) instead of overflowing.
    uint m_elapsed = 0;

private:
    // Advances the clock by the step and ticks the grid and its controls.
    void Tick(uint stepMs);

    struct ViewInfo {
        int element = -1;
        QString resetName;
        bool selected = false;
    };
    // DCGrid's face of the canvas, kept apart because its FindControls answers a list of ints.
    class DCTarget : public DCGridTarget {
    public:
        explicit DCTarget(GridView* grid) : m_grid(grid) {}
        DataCfg::TGrid& GridRecord() override { return m_grid->m_grid; }
        quint64 GetClientId() const override { return m_grid->m_sessionId; }
        QVariant GetClientInfo() const override { return m_grid->m_clientInfo; }
        QList<int> FindControls(const QString& name) override { return m_grid->FindControlIndices(name); }
        QScriptValue GetCtrl(QScriptEngine* engine, int index) override;

    private:
        GridView* m_grid;
    };

    bool PressOnView(CtrlView* view, QMouseEvent* e);
    void MoveOnView(CtrlView* view, QMouseEvent* e);
    void ReleaseOnView(CtrlView* view, QMouseEvent* e);
    // Bounding box of the selected views in cells; false when none is selected.
    bool SelectionBox(int& minX, int& minY, int& maxX, int& maxY) const;
    // The drag offset kept so that the selection stays inside the canvas.
    QPoint ClampDrag(QPoint d) const;
    void HoverDeleteButton();
    void SetAllSelectors();
    static int SnapToCell(int d);

    // The canvas size for the row count.
    QSize CanvasSize(int rows) const;
    QPoint CellPos(int column, int row) const;
    static bool CellOnGrid(int column, int row);
    void ClearScriptObjects();
    // Takes down what shows the grid: its script objects, views and empty cells.
    void ClearGrid();
    // A hidden view of the grid's element `element` showing `c`, at the element's cell.
    CtrlView* AddElementView(int element, const DataCfg::TControl& c, bool selected);
    void MakeEmptyCells();
    void UpdateDeckBackground(int rows);

    GridViewGlobal* m_overlay = nullptr;
    IGridEditor* m_editor = nullptr;
    ImgWidget* m_deck = nullptr;
    bool m_modified = false;
    quint64 m_sessionId = 0;
    QVariantMap m_clientInfo;
    double m_scale = 0.5;
    DataCfg::TGrid m_grid;
    QList<QWidget*> m_emptyCells;
    QTimer* m_timer = nullptr;
    // Since when the editor's canvas is hidden and its timer stopped; invalid while it ticks.
    QElapsedTimer m_hiddenSince;
    int m_gridId = -1;
    QMap<QScriptEngine*, DCGrid*> m_scriptObjects;
    QHash<const CtrlView*, ViewInfo> m_info;
    DCTarget m_dcTarget;

    // The view pressed in the editor; a relayout forgets it.
    CtrlView* m_pressed = nullptr;
    QPointer<QWidget> m_hoveredDelete;
    QPoint m_pressInView;
    QPoint m_pressInCanvas;
    bool m_multiSelect = false;
    bool m_dragging = false;
};
