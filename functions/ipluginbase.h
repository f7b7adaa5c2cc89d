#pragma once
// The base of every plug-in object: function providers and data sources alike. Plug-in libraries derive from
// the interfaces below and are reached by name through the registries (funcmgr.h).

#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

class IPluginBase : public QObject {
    Q_OBJECT
public:
    explicit IPluginBase(QObject* parent = nullptr) : QObject(parent) {}
    ~IPluginBase() override = default;

    // The object's name; the registries find objects by it.
    virtual QString GetName() = 0;
    // The settings stored for this object under its name; ignored unless the object keeps settings.
    virtual void SetSettings(const QVariantMap& settings) { Q_UNUSED(settings); }
    virtual QVariantMap GetSettings() { return QVariantMap(); }
    // Runs the named function; an object that has none answers an invalid variant.
    virtual QVariant GetValue(const QString& function, const QVariantList& args) {
        Q_UNUSED(function);
        Q_UNUSED(args);
        return QVariant();
    }
};
