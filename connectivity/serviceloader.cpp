#include "connectivity/serviceloader.h"

#include <cstdlib>
#include <dlfcn.h>
#include <mutex>
#include <string>

namespace Quorl::ZYN::API {

static std::string ModulePath() {
    if (const char* env = getenv("ZYN_SERVICE_MODULE"))
        if (*env)
            return env;
    Dl_info info{};
    std::string dir = ".";
    if (dladdr(reinterpret_cast<void*>(&ModulePath), &info) && info.dli_fname) {
        std::string self = info.dli_fname;
        std::string::size_type slash = self.rfind('/');
        if (slash != std::string::npos)
            dir = self.substr(0, slash);
    }
    return dir + "/libzynservice_stub.so";
}

int32_t CreateServiceObject(const char* className, std::shared_ptr<ZYNService::Object>* out) {
    static std::mutex mutex;
    static ZYNService::CreateFunction create = nullptr;
    out->reset();
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!create) {
            // Kept loaded for the life of the process, as the objects it made may outlive any one set-up.
            void* module = dlopen(ModulePath().c_str(), RTLD_NOW | RTLD_LOCAL);
            if (module)
                create = reinterpret_cast<ZYNService::CreateFunction>(dlsym(module, ZYNService::CreateSymbol));
        }
    }
    if (!create)
        return ZYNService::CLASS_NOT_REGISTERED;
    int32_t hr = create(className, out);
    if (hr >= 0 && !*out)
        return ZYNService::E_FAIL;
    return hr;
}

} // namespace Quorl::ZYN::API
