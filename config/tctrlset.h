#pragma once
// Control lists: the sections of the control panel, each a named list of references to controls.

#include "config/tnamed.h"

#include <QStringList>

struct DataCfg::TCtrlRef : DataCfg::TNamed {
    QString Control;  // key of the control
    QString Category; // where the panel lists it
    QString Screenshot;
    QVariantMap Config; // option values for the control when it is taken from the list

    void Read(const QVariantMap& map);
    QVariantMap Write() const;
};

struct DataCfg::TCtrlSet : DataCfg::TNamed {
    bool UserList = false; // the user's own list, "@My Controls"
    QStringList ExpandCategories;
    QStringList CollapseCategories;
    QList<DataCfg::TCtrlRef> Elements;

    // Appends the entries to those already present.
    void Read(const QVariantMap& map);
    QVariantMap Write() const;
    // Index of the first entry of that Name, or -1.
    int IndexOf(const QString& name) const;
};
