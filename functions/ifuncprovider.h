#pragma once
// A provider of PC functions that control scripts call as "provider:function".

#include "functions/ipluginbase.h"

#include <QStringList>

class IFuncProvider : public IPluginBase {
    Q_OBJECT
public:
    explicit IFuncProvider(QObject* parent = nullptr) : IPluginBase(parent) {}

    // The names that GetValue accepts.
    virtual QStringList GetFunctionNames() = 0;
};

#define IFuncProvider_iid "org.mervex.vellichor.IFuncProvider"
Q_DECLARE_INTERFACE(IFuncProvider, IFuncProvider_iid)
