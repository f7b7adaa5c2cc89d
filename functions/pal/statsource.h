#pragma once
// Where the statistics thread gets its figures: one query per kind, each answering false when the system
// would not tell, so that the previous figures stay. ProcStatSource reads Linux's /proc and /sys; tests hand
// the thread a source of their own or a ProcStatSource over a folder of fixture files.

#include <QString>
#include <QVector>

namespace PAL_INT {

struct StatMem {
    quint64 total = 0;      // bytes
    quint64 used = 0;       // bytes
    double usedPercent = 0; // 0 to 100
};

// Cumulative CPU times since boot (any unit, only differences are used).
struct StatCpu {
    quint64 idle = 0;
    quint64 user = 0;
    quint64 sys = 0;
};

struct StatNetConfig {
    QString name;
    quint32 ipv4 = 0;  // host byte order
    bool ipv6 = false; // the interface's address is an IPv6 one
};

struct StatNetCounters {
    quint64 rxBytes = 0;
    quint64 txBytes = 0;
};

struct StatFileSystem {
    QString dirName;  // mount point
    QString typeName; // "local", "remote" or "cdrom"
};

struct StatFsUsage {
    quint64 totalKB = 0;
    quint64 usedKB = 0;
    double usePercent = 0; // a fraction, 0 to 1
};

class StatSource {
public:
    virtual ~StatSource() = default;

    virtual bool GetMem(StatMem& mem) = 0;
    virtual bool GetCpuList(QVector<StatCpu>& cpus) = 0;
    // The interface that carries the default route.
    virtual bool GetPrimaryInterface(StatNetConfig& config) = 0;
    virtual bool GetInterfaceCounters(const QString& name, StatNetCounters& counters) = 0;
    virtual bool GetFileSystems(QVector<StatFileSystem>& fileSystems) = 0;
    virtual bool GetFileSystemUsage(const QString& dirName, StatFsUsage& usage) = 0;
    virtual bool GetProcList(QVector<qint64>& pids) = 0;
    virtual bool GetProcExe(qint64 pid, QString& path) = 0;

    // CPU sensors. Each fills what it can of the first count entries and leaves the rest: clocks in MHz,
    // performance as a fraction of the highest clock, temperatures in degrees.
    virtual void GetCpuClocks(int count, int* clocks, float* fractions) {}
    virtual void GetCpuTemperatures(int count, float* temperatures) {}
};

// Levels of the statistics back-end's own log lines.
enum StatLogLevel { StatLogFatal = 0, StatLogError, StatLogWarn, StatLogInfo, StatLogDebug, StatLogTrace };

// Writes a back-end line as "Sigar:" and the message, at the matching level; unknown levels are dropped.
void StatLog(int level, const QString& message);

} // namespace PAL_INT
