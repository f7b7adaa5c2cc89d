#pragma once
// Every description record of the configuration model.

#include "datacfg.h"
#include "tappskin.h"
#include "tconfig.h"
#include "tcontrol.h"
#include "tctrlset.h"
#include "tdatasource.h"
#include "tfunction.h"
#include "tgfx.h"
#include "tgrid.h"
#include "tlayout.h"
#include "tnamed.h"
#include "tscript.h"
#include "trsc.h"
#include "tskin.h"
#include "tusercfg.h"
