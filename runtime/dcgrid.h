#pragma once
// The script face of the grid view around a control: its grid record, the phone client it serves and the
// controls placed on it.

#include "runtime/dcfuncset.h"

#include <QVariant>
#include <functional>

class DCGridTarget;

class DCGrid : public DCFuncSet {
    Q_OBJECT
public:
    // Resets a phone session's views so that the phone receives everything anew (client id; 0 does nothing).
    using ClientResetFn = std::function<void(quint64)>;

    // Made by the grid view, one per engine; parent is the grid view.
    DCGrid(DCGridTarget* grid, QScriptEngine* engine, QObject* parent);

    // The phone server installs its client reset at start-up (null removes it).
    static void SetClientResetHandler(ClientResetFn fn);

public slots:
    int getHeight() const;
    // True when the grid view serves a phone connection.
    bool isNetClient() const;
    QVariant getNetClientInfo() const;
    void resetNetClient();
    // Indices of the placed controls named "set:name" or "name", in grid order.
    QVariantList FindControls(const QString& name);
    // The control object at index for this engine; null when out of range.
    QScriptValue GetCtrl(int index);

private:
    DCGridTarget* m_grid;
};
