#pragma once
// Platform queries for control scripts. Stateless; scripts get a new one from any script object's getPAL.

#include <QObject>
#include <QString>

class DCPal : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

public slots:
    // The description text of a program file; empty when there is none.
    QString GetDescForFile(const QString& path);
};
