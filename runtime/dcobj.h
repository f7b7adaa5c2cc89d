#pragma once
// The base of the objects that control scripts see: a record with a name, a set and handler names, the
// engine the object belongs to, and a value that scripts may keep on it. Every public slot and property is
// callable from scripts; failures answer null, 0 or false, never a script exception.

#include "config/datacfg.h"

#include <QObject>
#include <QScriptValue>

class QScriptEngine;

class DCObj : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString name READ getName WRITE setName)
    Q_PROPERTY(QString nameSpace READ getNameSpace WRITE setNameSpace)
    Q_PROPERTY(QScriptValue data READ getData WRITE setData)
public:
    // record is not owned; null for an object whose record is gone.
    DCObj(DataCfg::TBase* record, QScriptEngine* engine, QObject* parent = nullptr);

    QScriptEngine* Engine() const { return m_engine; }
    // The record the object exposes now; null when there is none (any longer).
    virtual DataCfg::TBase* Record() const { return m_record; }
    // The object as a value of its engine, without ownership (its owner deletes it).
    QScriptValue GetScriptValue();
    // A new object handed to a script that owns it from then on (its garbage collector deletes it).
    static QScriptValue ToScriptOwned(QScriptEngine* engine, QObject* object);

public slots:
    void setName(const QString& name);
    QString getName() const;
    void setNameSpace(const QString& set);
    QString getNameSpace() const;
    void setData(const QScriptValue& data) { m_data = data; }
    QScriptValue getData() const { return m_data; }
    // A new platform-query object.
    QScriptValue getPAL();
    // A new empty image of this engine.
    QScriptValue newImage();
    // The strings-table entry "<record's set>:<name>", translated when it begins with '@'; empty when missing.
    QString GetString(const QString& name) const;

protected:
    // Called after setName changed the record's name.
    virtual void OnRenamed(const QString& name) {}

    DataCfg::TBase* m_record;
    QScriptEngine* m_engine;
    QScriptValue m_data;
};
