#include "runtime/dcpal.h"

#include "functions/pal/pal.h"

QString DCPal::GetDescForFile(const QString& path) {
    return PAL::GetProgramDescription(path);
}
