#pragma once
// The provider of the PC functions that every installation has, reached as "DFP:<function>": statistics,
// keys, program starts, volumes, media players and the mouse's light colours. Each function reads its
// arguments by position (a missing one takes its default), calls one platform operation and answers its
// result; functions without a result answer the integer 0, as do names it does not have.

#include "functions/ifuncprovider.h"

class DefFuncProvider : public IFuncProvider {
    Q_OBJECT
public:
    explicit DefFuncProvider(QObject* parent = nullptr);

    QString GetName() override;
    QVariant GetValue(const QString& function, const QVariantList& args) override;
    // The 47 function names, from "CPU_Count" to "TARN_Color_Set".
    QStringList GetFunctionNames() override;
};
