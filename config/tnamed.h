#pragma once
// The named head of every description record and the head of the scriptable records.

#include "config/datacfg.h"

#include <QString>
#include <QVariantMap>

struct DataCfg::TNamed {
    qint32 id = -1; // from the creation counter; -1 in a record never read or created
    QString Name;
    QString Set; // the control set (grid list, plug-in...) that defined the record; set by the loaders

    // Takes a fresh id, reports an unresolved "Inherit", reads "Name" ("Unknown" when absent).
    void Read(const QVariantMap& map);
    // {"Name": Name}, or an empty map for "Unknown".
    QVariantMap Write() const;
    // Gives the record the next id of the creation counter.
    void NewId();
    // Name alone when Set is empty, else "Set:Name".
    QString GetKey() const;

    // The process-wide creation counter: returns the current value and advances it.
    static qint32 TakeId();
};

struct DataCfg::TBase : DataCfg::TNamed {
    // Handler names: "set:function" or a bare function completed with the owner's set. Empty: no handler.
    QString OnInit;
    QString OnPostInit;
    QString OnTick;
    QString OnUpdate;
    QString OnMousePress;
    QString OnMouseMove;
    QString OnMouseRelease;
    QString OnMouseClick;
    QString OnMouseDoubleClick;
    QString OnMouseWheel;
    QString OnMessage;
    QString OnReturn;

    // The head, then the twelve handler names (absent keys clear them).
    void Read(const QVariantMap& map);
    QVariantMap Write() const { return TNamed::Write(); }
};
