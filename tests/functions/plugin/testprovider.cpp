// A function provider built as a plug-in library, as outside developers build them: loaded by the registry
// test through QPluginLoader, resolving the plug-in interfaces from the program that loads it.
#include "functions/ifuncprovider.h"

#include <QtPlugin>

class TestProvider : public IFuncProvider {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID IFuncProvider_iid)
    Q_INTERFACES(IFuncProvider)
public:
    QString GetName() override { return QStringLiteral("X"); }
    QStringList GetFunctionNames() override { return {QStringLiteral("Twice")}; }
    QVariant GetValue(const QString& function, const QVariantList& args) override {
        if (function == QLatin1String("Twice"))
            return args.value(0).toInt() * 2;
        return IFuncProvider::GetValue(function, args);
    }
};

#include "testprovider.moc"
