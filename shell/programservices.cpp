#include "programservices.h"

#include <QAbstractButton>

#include "builtindatasources.h"
#include "cryptstring.h"
#include "dcscriptobjectfactory.h"
#include "funcmgrregistry.h"
#include "pal.h"
#include "popupgfxbackground.h"
#include "popupwnd.h" // after QAbstractButton, which its guarded pointers need whole

namespace {
FuncMgrRegistry& Registry() {
    static FuncMgrRegistry registry;
    return registry;
}
} // namespace

void InstallProgramServices() {
    // Secrets in the configuration are keyed to this machine.
    SetCryptMachineIdProvider(&PAL::GetMachineId);
    // Control views hand their scripts the script objects from here on.
    DCScriptObjectFactory::Install();
    FuncRegistry::SetInstance(&Registry());
    // The data-source list is built on first use, after the user configuration has loaded.
    RegisterBuiltInDataSources();
    PopupWnd::SetBackgroundFactory(&PopupGfxBackground::Make);
}

void RemoveProgramServices() {
    FuncRegistry::SetInstance(nullptr);
}
