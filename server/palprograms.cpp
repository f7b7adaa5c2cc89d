#include "server/palprograms.h"

#include "functions/pal/pal.h"

QStringList PalPrograms::GetProcesses() {
    return PAL::GetProcesses();
}

QString PalPrograms::ResolveProgramPath(const QString& path) {
    // A grid names its programs as the user picked them: an absolute path, a bare name found on PATH, or a
    // desktop entry. Running programs are known by their real file, which is what the resolver gives.
    return PAL::ResolveProgramPath(path);
}
