#pragma once
// What a control view reads of the grid that holds it. The grid views (GridCont, GridView and the message
// overlay GridViewGlobal) belong to the editors, above this library; they implement these interfaces and
// hand a view its container when they take it in (CtrlView::SetContainer). Tests fill them with fakes.

#include <QScriptValue>
#include <QString>

class QObject;
class QScriptEngine;

// GridCont: the scrollable container of a grid.
class IGridView;
class IGridViewGlobal;

class IGridCont {
public:
    virtual ~IGridCont() = default;
    // The grid's height-B value.
    virtual double GetHeightB() const = 0;
    // The grid view this container is, or null (the message overlay is none).
    virtual IGridView* AsGridView() { return nullptr; }
    // The message overlay this container is, or null.
    virtual IGridViewGlobal* AsMessageOverlay() { return nullptr; }
};

// GridView: a grid of control views in the editor or, one per shown tab, for a phone session.
class IGridView {
public:
    virtual ~IGridView() = default;
    // The phone client the grid serves; 0 for a grid on the PC.
    virtual quint64 GetClientId() const = 0;
    // The grid's DCGrid for the engine, made on first request and owned by the grid.
    virtual QObject* GetDCGrid(QScriptEngine* engine) = 0;
    // The session's message overlay; null when there is none.
    virtual IGridViewGlobal* GetOverlay() = 0;
};

// GridViewGlobal: the overlay grid that shows script message boxes on the phone as a popup control.
class IGridViewGlobal {
public:
    virtual ~IGridViewGlobal() = default;
    // Stores the callback, runs the popup control's skin OnInit with title, text and buttons, shows it.
    virtual bool ShowMsgPopup(const QString& title, const QString& text, const QString& buttons,
                              const QScriptValue& callback) = 0;
    // Maps "Yes", "No", "Ok", "Cancel" to the standard-button code, hides the popup, calls the callback.
    virtual void DoButtonClicked(const QString& button, const QString& text) = 0;
};
