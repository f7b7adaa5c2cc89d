#pragma once
// The script face of a control view's control: the view's copy of its control record (skin index, bound
// functions, size, extension parameters, configuration options) and the view itself.

#include "runtime/dcfuncset.h"

#include <QStringList>
#include <QVariant>

class DCViewTarget;

class DCControl : public DCFuncSet {
    Q_OBJECT
    Q_PROPERTY(int skinIdx READ getSkinIdx WRITE setSkinIdx)
public:
    // Made by the view, one per engine, with the view's object as parent.
    DCControl(DCViewTarget* view, QScriptEngine* engine);

    DCViewTarget* View() const { return m_view; }

public slots:
    // Takes effect when the view is built again.
    void setSkinIdx(int index);
    int getSkinIdx() const;
    // The control's functions become the list and are bound again at once.
    void setFunctions(const QStringList& functions);
    // Smallest and largest size both take the value (grid cells).
    void setHeight(int cells);
    void setWidth(int cells);
    QVariant getExtParams() const;
    // Option name -> value text of the control's configuration.
    QVariant getConfigData() const;
    // The control view itself, with its own slots.
    QScriptValue getControlView();
    // A new option object over the named option of the view's control copy; the number 0 when none has it.
    QScriptValue getConfigOption(const QString& name);

private:
    DCViewTarget* m_view;
};
