#pragma once
// The script face of a configuration block. It has no slots of its own.

#include "runtime/dcfuncset.h"

class DCConfig : public DCFuncSet {
    Q_OBJECT
public:
    using DCFuncSet::DCFuncSet;
};
