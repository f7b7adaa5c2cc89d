#pragma once
// Grid records: one page of placed controls that the phone shows as a tab.

#include "config/tnamed.h"

#include <QDateTime>
#include <QPoint>

struct DataCfg::TGridElem : DataCfg::TNamed {
    QString ResetName;
    QString Control;     // key of the placed control
    QPoint Position;     // x column, y row
    qint32 SkinIdx = -1; // -1: the control's own
    QVariantMap ExtParams;
    QVariantMap Config; // option values over the control's own

    void Read(const QVariantMap& map);
    QVariantMap Write() const;
};

struct DataCfg::TGrid : DataCfg::TBase {
    bool Custom = false; // the user's own, in its own file
    bool Signed = false;
    QString File;
    QString SavedFile;
    QString Title;
    QString Icon; // "name|scale|colour|placement"
    QString IconPreview;
    QString Background;
    QString Category;
    QString Exe0;
    QString Exe1;
    QString Exe2;
    QDateTime Date;
    QString Author;
    qint32 Height = 5; // grid rows
    QString Screenshot;
    QList<DataCfg::TGridElem> Elements;

    void Read(const QVariantMap& map);
    // The form that grid signatures cover: Exe1 and Exe2 hold Exe0's text; no Height, no handlers.
    QVariantMap Write() const;
    // The form for the grid's own file and packages: every value that reads back, as it is.
    QVariantMap WriteStored() const;
    // Name alone for a custom grid, else "Set Name".
    QString GetDisplayName() const;
};
