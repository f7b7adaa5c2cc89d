#include "shell/programservices.h"

#include <QAbstractButton>

#include "config/datacfg.h"
#include "config/gfxcache.h"
#include "datasources/builtindatasources.h"
#include "foundation/cryptstring.h"
#include "functions/deffuncprovider.h"
#include "functions/funcmgr.h"
#include "functions/funcmgrregistry.h"
#include "functions/pal/mediaplayers.h"
#include "functions/pal/pal.h"
#include "functions/userprompts.h"
#include "runtime/dcscriptobjectfactory.h"
#include "runtime/imgdatamgrgfxstore.h"
#include "shell/popupgfxbackground.h"
#include "widgets/popupprompts.h"
#include "widgets/popupwnd.h" // after QAbstractButton, which its guarded pointers need whole

namespace {
FuncMgrRegistry& Registry() {
    static FuncMgrRegistry registry;
    return registry;
}

ImgDataMgrGfxStore& GfxStore() {
    static ImgDataMgrGfxStore store;
    return store;
}

PopupPrompts& Prompts() {
    static PopupPrompts prompts;
    return prompts;
}

bool g_funcProviderRegistered = false;
} // namespace

void InstallProgramServices() {
    // Secrets in the configuration are keyed to this machine.
    SetCryptMachineIdProvider(&PAL::GetMachineId);
    // The graphics records compose into the runtime's image registry, which serves the phone.
    GfxCache::SetStore(&GfxStore());
    // Control views hand their scripts the script objects from here on.
    DCScriptObjectFactory::Install();
    FuncRegistry::SetInstance(&Registry());
    // The data-source list is built on first use, after the user configuration has loaded.
    RegisterBuiltInDataSources();
    // The built-in function provider leads the provider list; once, as the registry keeps it until removal.
    if (!g_funcProviderRegistered) {
        g_funcProviderRegistered = true;
        RegisterBuiltInFuncProvider([]() -> IFuncProvider* { return new DefFuncProvider; });
    }
    // The media players read the user's default player from the user configuration's settings.
    PAL_INT::SetUserSettingReader([](const QString& key) {
        DataCfg* cfg = DataCfg::Instance();
        return cfg ? cfg->UserCfg().CfgBase.value(key) : QVariant();
    });
    PopupWnd::SetBackgroundFactory(&PopupGfxBackground::Make);
    // The configuration's and the data sources' questions and popups.
    UserPrompts::Install(&Prompts());
}

void RemoveProgramServices() {
    // In the reverse order of InstallProgramServices. The lists built from the factories are deleted before
    // (DeleteFuncProviders, DeleteDataSources).
    UserPrompts::Install(nullptr);
    PopupWnd::SetBackgroundFactory(nullptr);
    PAL_INT::SetUserSettingReader(nullptr);
    if (g_funcProviderRegistered) {
        g_funcProviderRegistered = false;
        ClearBuiltInFuncProviders();
    }
    UnregisterBuiltInDataSources();
    FuncRegistry::SetInstance(nullptr);
    ScriptObjectFactory::SetInstance(nullptr);
    GfxCache::SetStore(nullptr);
    SetCryptMachineIdProvider(nullptr);
}
