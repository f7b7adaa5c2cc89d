#pragma once
// The script face of one option of a control view's configuration. It names the option and looks it up in
// the view's control copy on every call, so it stays safe when the view rebuilds its control or is gone
// (then it answers empty values).

#include "runtime/dcfuncset.h"

#include <QPointer>
#include <QStringList>

class DCViewTarget;

class DCConfigOption : public DCFuncSet {
    Q_OBJECT
    Q_PROPERTY(QStringList items READ getItems WRITE setItems)
    Q_PROPERTY(QString value READ getValue WRITE setValue)
public:
    DCConfigOption(DCViewTarget* view, const QString& optionName, QScriptEngine* engine);

    DataCfg::TBase* Record() const override;

public slots:
    QStringList getItems() const;
    void setItems(const QStringList& items);
    QString getValue() const;
    void setValue(const QString& value);
    // The value as read from the file.
    QString getValueOrg() const;

protected:
    // The option is looked up by name: follow a rename made through setName.
    void OnRenamed(const QString& name) override;

private:
    DataCfg::TConfigOption* Option() const;

    DCViewTarget* m_view;
    QPointer<QObject> m_viewObject;
    QString m_optionName;
};
