#pragma once
// Every description record of the configuration model.

#include "config/datacfg.h"
#include "config/tappskin.h"
#include "config/tconfig.h"
#include "config/tcontrol.h"
#include "config/tctrlset.h"
#include "config/tdatasource.h"
#include "config/tfunction.h"
#include "config/tgfx.h"
#include "config/tgrid.h"
#include "config/tlayout.h"
#include "config/tnamed.h"
#include "config/trsc.h"
#include "config/tscript.h"
#include "config/tskin.h"
#include "config/tusercfg.h"
