#include "functions/userprompts.h"

#include "foundation/logger/QsLog.h"

namespace UserPrompts {

namespace {
IUserPrompts*& Installed() {
    static IUserPrompts* prompts = nullptr;
    return prompts;
}
} // namespace

void Install(IUserPrompts* prompts) {
    Installed() = prompts;
}

IUserPrompts* Get(const QString& fallback) {
    IUserPrompts* prompts = Installed();
    static bool warned = false;
    if (!prompts && !warned) {
        warned = true;
        QLOG_WARN() << "UserPrompts: none installed, the user is not asked:" << fallback;
    }
    return prompts;
}

} // namespace UserPrompts
