#pragma once
// The grouping of script objects over records that carry handler names (skins, controls, layouts, grids,
// configuration blocks and options). It adds nothing of its own.

#include "runtime/dcobj.h"

class DCFuncSet : public DCObj {
    Q_OBJECT
public:
    using DCObj::DCObj;
};
