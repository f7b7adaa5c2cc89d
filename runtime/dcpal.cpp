#include "dcpal.h"

#include "pal.h"

QString DCPal::GetDescForFile(const QString& path) {
    return PAL::GetProgramDescription(path);
}
