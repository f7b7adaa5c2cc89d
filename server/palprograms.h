#pragma once
// The phone server's view of the machine's programs: the running programs from the statistics thread and
// stored program paths made comparable with them by the platform's program-path resolver.

#include "server/netservices.h"

class PalPrograms : public INetPrograms {
public:
    QStringList GetProcesses() override;
    QString ResolveProgramPath(const QString& path) override;
};
