#include "functions/pal/sysstat.h"

#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "functions/pal/pal.h"
#include "functions/pal/procstatsource.h"
#include "functions/pal/sysstatthread.h"

#include <QDateTime>
#include <QHostAddress>
#include <QMutex>
#include <QReadWriteLock>
#include <QStringList>

#include <algorithm>
#include <atomic>
#include <memory>

namespace {

using namespace PAL_INT;

enum Category { CatRam = 0, CatCpu, CatNet, CatDrive, CatProc, CatCount };

struct CpuRecord {
    quint64 idle = 0, user = 0, sys = 0;
    float usage = 0;
    float performance = 1.0f;
    int clock = 0;
    int temperature = 0;
};

struct DriveRecord {
    QString name;
    QString type;
    quint64 sizeMB = 0;
    quint64 usedMB = 0;
    float usedFraction = 0;
};

constexpr quint64 kNoCounter = ~quint64(0);

struct Stats {
    std::atomic<int> demand[CatCount];
    // Written by the updaters only.
    qint64 lastRefresh[CatCount] = {};

    std::atomic<quint64> ramTotal{0};
    std::atomic<quint64> ramUsed{0};
    std::atomic<double> ramUsage{0};

    QReadWriteLock cpuLock;
    std::atomic<int> cpuCount{0};
    CpuRecord cpus[kMaxStatCpus];

    QReadWriteLock netLock;
    quint32 hostAddress = 0xFFFFFFFFu;
    QString netInterface;
    quint64 prevRx = kNoCounter, prevTx = kNoCounter;
    quint64 historyRx[kNetHistorySize] = {};
    quint64 historyTx[kNetHistorySize] = {};
    int historyHead = 0; // slot of entry 0, the newest

    QReadWriteLock driveLock;
    int driveCount = 0;
    DriveRecord drives[kMaxStatDrives];

    QReadWriteLock procLock;
    int procCount = 0;
    QStringList programs;

    Stats() { Reset(); }

    void Reset() {
        for (int i = 0; i < CatCount; ++i)
            demand[i] = 1;
        std::fill(std::begin(lastRefresh), std::end(lastRefresh), 0);
        ramTotal = 0;
        ramUsed = 0;
        ramUsage = 0;
        {
            QWriteLocker lock(&cpuLock);
            cpuCount = 0;
            std::fill(std::begin(cpus), std::end(cpus), CpuRecord());
        }
        {
            QWriteLocker lock(&netLock);
            hostAddress = 0xFFFFFFFFu;
            netInterface.clear();
            prevRx = prevTx = kNoCounter;
            std::fill(std::begin(historyRx), std::end(historyRx), 0);
            std::fill(std::begin(historyTx), std::end(historyTx), 0);
            historyHead = 0;
        }
        {
            QWriteLocker lock(&driveLock);
            driveCount = 0;
            std::fill(std::begin(drives), std::end(drives), DriveRecord());
        }
        {
            QWriteLocker lock(&procLock);
            procCount = 0;
            programs.clear();
        }
    }
};

Stats& S() {
    static Stats stats;
    return stats;
}

QMutex g_sourceMutex;
std::unique_ptr<StatSource> g_source;
std::function<qint64()> g_clock;
// Set once a CPU getter has waited in vain for the first refresh, so that later calls answer at once.
std::atomic<bool> g_cpuWaitExpired{false};

StatSource* Source() {
    QMutexLocker lock(&g_sourceMutex);
    if (!g_source)
        g_source.reset(new ProcStatSource());
    return g_source.get();
}

qint64 Now() {
    return g_clock ? g_clock() : QDateTime::currentMSecsSinceEpoch();
}

// Counts the demand down (a negative counter means always) and tells whether the category is due.
bool Due(int category, qint64 interval, qint64& now) {
    Stats& s = S();
    int d = s.demand[category].load();
    if (d == 0)
        return false;
    while (d > 0 && !s.demand[category].compare_exchange_weak(d, d - 1)) {
    }
    if (d == 0) // a racing count-down got there first
        return false;
    now = Now();
    const qint64 last = s.lastRefresh[category];
    // A clock set back must not stop the refreshes until it has caught up again.
    return now - last >= interval || now < last;
}

void Demand(int category, int value) {
    // A getter after a quiet spell wakes the thread, which sleeps longer than a tick while nobody asks.
    if (S().demand[category].exchange(value) == 0)
        WakeSysStatThread();
}

quint64 Delta(quint64 now, quint64 before) {
    // A counter that went back (a restarted interface, a CPU brought back) tells nothing about the interval.
    return now >= before ? now - before : 0;
}

float Clamp01(double v) {
    return float(v < 0 ? 0 : (v > 1 ? 1 : v));
}

void WaitForFirstCpuRefresh() {
    Demand(CatCpu, 2);
    if (S().cpuCount.load() >= 1 || g_cpuWaitExpired.load())
        return;
    PROFILE_SCOPE("idle");
    for (int i = 0; i < 100 && S().cpuCount.load() < 1 && SysStatThreadRunning(); ++i)
        QThread::msleep(10);
    if (S().cpuCount.load() < 1)
        g_cpuWaitExpired = true;
}

// One CPU figure: the CPU's own, the average for a negative index, 0 beyond the count.
template <class T, class Get> T CpuFigure(int cpu, Get get, bool integerAverage) {
    WaitForFirstCpuRefresh();
    Stats& s = S();
    QReadLocker lock(&s.cpuLock);
    const int count = s.cpuCount.load();
    if (count < 1 || cpu >= count)
        return T(0);
    if (cpu >= 0)
        return T(get(s.cpus[cpu]));
    if (integerAverage) {
        qint64 sum = 0;
        for (int i = 0; i < count; ++i)
            sum += qint64(get(s.cpus[i]));
        return T(sum / count);
    }
    double sum = 0;
    for (int i = 0; i < count; ++i)
        sum += double(get(s.cpus[i]));
    return T(sum / count);
}

int NetIndex(int index) {
    return std::max(0, std::min(index, kNetHistorySize - 1));
}

// The drive a text names: a root name ("/", "/home", "C:" turned into "C:\"), else its number; -1 if none.
int FindDrive(QString& text) {
    if (text.endsWith(QLatin1Char(':')))
        text = text.toUpper() + QLatin1Char('\\');
    const int n = text.toInt();
    const bool number = n != 0 || text == QLatin1String("0");
    Stats& s = S();
    for (int i = 0; i < s.driveCount; ++i) {
        if (s.drives[i].name == text)
            return i;
    }
    return number && n >= 0 && n < s.driveCount ? n : -1;
}

// A copy of the record of the drive a text names (see FindDrive); false if none. normalised, when given, gets the
// text as FindDrive leaves it.
bool LookUpDrive(const QString& drive, DriveRecord& record, QString* normalised = nullptr) {
    Demand(CatDrive, 2);
    QString text = drive;
    Stats& s = S();
    QReadLocker lock(&s.driveLock);
    const int i = FindDrive(text);
    if (normalised)
        *normalised = text;
    if (i < 0)
        return false;
    record = s.drives[i];
    return true;
}

} // namespace

namespace PAL_INT {

void _UpdateRAM() {
    PROFILE_SCOPE("PAL_INT::_UpdateRAM");
    qint64 now = 0;
    if (!Due(CatRam, kRamInterval, now))
        return;
    StatMem mem;
    if (!Source()->GetMem(mem))
        return;
    Stats& s = S();
    s.ramTotal = mem.total;
    s.ramUsed = std::min(mem.used, mem.total);
    s.ramUsage = double(Clamp01(mem.usedPercent / 100.0));
    s.lastRefresh[CatRam] = now;
}

void _UpdateCPUs() {
    PROFILE_SCOPE("PAL_INT::_UpdateCPUs");
    qint64 now = 0;
    if (!Due(CatCpu, kCpuInterval, now))
        return;
    QVector<StatCpu> list;
    if (!Source()->GetCpuList(list))
        return;
    int clocks[kMaxStatCpus] = {};
    float performance[kMaxStatCpus];
    std::fill(std::begin(performance), std::end(performance), 1.0f);
    float temperatures[kMaxStatCpus] = {};
    PAL__GetCPUFrequency(kMaxStatCpus, clocks, performance);
    PAL__GetCPUTemp(kMaxStatCpus, temperatures);

    Stats& s = S();
    QWriteLocker lock(&s.cpuLock);
    const int count = std::min(int(list.size()), kMaxStatCpus);
    for (int i = 0; i < count; ++i) {
        CpuRecord& r = s.cpus[i];
        const StatCpu& c = list[i];
        const quint64 idle = Delta(c.idle, r.idle);
        const quint64 user = Delta(c.user, r.user);
        const quint64 sys = Delta(c.sys, r.sys);
        r.idle = c.idle;
        r.user = c.user;
        r.sys = c.sys;
        const double total = double(idle) + double(user) + double(sys);
        r.usage = total > 0 ? Clamp01(1.0 - double(idle) / total) : 0.0f;
        r.performance = performance[i];
        r.clock = std::max(0, clocks[i]);
        r.temperature = int(temperatures[i]);
    }
    s.cpuCount = count;
    lock.unlock();
    s.lastRefresh[CatCpu] = now;
}

void _UpdateNets() {
    PROFILE_SCOPE("PAL_INT::_UpdateNets");
    qint64 now = 0;
    if (!Due(CatNet, kNetInterval, now))
        return;
    StatSource* source = Source();
    StatNetConfig config;
    if (!source->GetPrimaryInterface(config))
        return;
    Stats& s = S();
    {
        QWriteLocker lock(&s.netLock);
        s.hostAddress = config.ipv6 ? 0 : config.ipv4;
    }
    StatNetCounters counters;
    if (!source->GetInterfaceCounters(config.name, counters))
        return;
    {
        QWriteLocker lock(&s.netLock);
        s.historyHead = (s.historyHead + kNetHistorySize - 1) % kNetHistorySize;
        // Counters of another interface than last time say nothing about this interval.
        const bool first = s.prevRx == kNoCounter || config.name != s.netInterface;
        s.historyRx[s.historyHead] = first ? 0 : Delta(counters.rxBytes, s.prevRx);
        s.historyTx[s.historyHead] = first ? 0 : Delta(counters.txBytes, s.prevTx);
        s.prevRx = counters.rxBytes;
        s.prevTx = counters.txBytes;
        s.netInterface = config.name;
    }
    s.lastRefresh[CatNet] = now;
}

void _UpdateDrives() {
    PROFILE_SCOPE("PAL_INT::_UpdateDrives");
    qint64 now = 0;
    if (!Due(CatDrive, kDriveInterval, now))
        return;
    StatSource* source = Source();
    QVector<StatFileSystem> list;
    if (!source->GetFileSystems(list))
        return;
    const int count = std::min(int(list.size()), kMaxStatDrives);
    DriveRecord fresh[kMaxStatDrives];
    for (int i = 0; i < count; ++i) {
        StatFsUsage usage; // zero when the file system cannot be asked
        source->GetFileSystemUsage(list[i].dirName, usage);
        fresh[i].name = list[i].dirName;
        fresh[i].type = list[i].typeName;
        fresh[i].sizeMB = usage.totalKB >> 10;
        fresh[i].usedMB = usage.usedKB >> 10;
        fresh[i].usedFraction = float(usage.usePercent);
    }
    Stats& s = S();
    {
        QWriteLocker lock(&s.driveLock);
        for (int i = 0; i < count; ++i)
            s.drives[i] = fresh[i];
        s.driveCount = count;
    }
    s.lastRefresh[CatDrive] = now;
}

void _UpdateProcs() {
    PROFILE_SCOPE("PAL_INT::_UpdateProcs");
    qint64 now = 0;
    if (!Due(CatProc, kProcInterval, now))
        return;
    StatSource* source = Source();
    QVector<qint64> pids;
    if (!source->GetProcList(pids))
        return;
    QStringList programs;
    for (qint64 pid : pids) {
        QString path;
        if (source->GetProcExe(pid, path))
            programs.append(path.replace(QLatin1Char('\\'), QLatin1Char('/')));
    }
    Stats& s = S();
    {
        QWriteLocker lock(&s.procLock);
        s.procCount = int(pids.size());
        s.programs = programs;
    }
    s.lastRefresh[CatProc] = now;
}

void PAL__GetCPUFrequency(int count, int* clocks, float* fractions) {
    Source()->GetCpuClocks(count, clocks, fractions);
}

void PAL__GetCPUTemp(int count, float* temperatures) {
    Source()->GetCpuTemperatures(count, temperatures);
}

void SetStatSource(StatSource* source) {
    QMutexLocker lock(&g_sourceMutex);
    g_source.reset(source);
}

void SetStatClock(const std::function<qint64()>& clock) {
    g_clock = clock;
}

void ResetSysStats() {
    S().Reset();
    g_cpuWaitExpired = false;
}

qint64 MsUntilNextStatTick() {
    Stats& s = S();
    for (int i = 0; i < CatCount; ++i)
        if (s.demand[i].load() != 0)
            return kStatTickMs;
    return kStatIdleSleepMs;
}

int StatDemand(int category) {
    return category >= 0 && category < CatCount ? S().demand[category].load() : 0;
}

} // namespace PAL_INT

// ---- Getters ----

quint64 PAL::GetRAMTotal() {
    Demand(CatRam, 2);
    return S().ramTotal.load();
}

quint64 PAL::GetRAMUsed() {
    Demand(CatRam, 2);
    return S().ramUsed.load();
}

double PAL::GetRAMUsage() {
    Demand(CatRam, 2);
    return S().ramUsage.load();
}

int PAL::GetCPUCount() {
    WaitForFirstCpuRefresh();
    return std::max(0, S().cpuCount.load());
}

double PAL::GetCPUUsage(int cpu) {
    return Clamp01(CpuFigure<double>(
        cpu, [](const CpuRecord& r) { return r.usage; }, false));
}

double PAL::GetCPUMaxFrequency(int cpu) {
    return Clamp01(CpuFigure<double>(
        cpu, [](const CpuRecord& r) { return r.performance; }, false));
}

int PAL::GetCPUFrequency(int cpu) {
    return CpuFigure<int>(
        cpu, [](const CpuRecord& r) { return r.clock; }, true);
}

int PAL::GetCPUTemperature(int cpu) {
    return CpuFigure<int>(
        cpu, [](const CpuRecord& r) { return r.temperature; }, true);
}

quint64 PAL::GetNetRx(int index) {
    Demand(CatNet, 2);
    Stats& s = S();
    QReadLocker lock(&s.netLock);
    return s.historyRx[(s.historyHead + NetIndex(index)) % kNetHistorySize];
}

quint64 PAL::GetNetTx(int index) {
    Demand(CatNet, 2);
    Stats& s = S();
    QReadLocker lock(&s.netLock);
    return s.historyTx[(s.historyHead + NetIndex(index)) % kNetHistorySize];
}

QHostAddress PAL::GetHostAddress() {
    Demand(CatNet, 1);
    Stats& s = S();
    QReadLocker lock(&s.netLock);
    return QHostAddress(s.hostAddress);
}

int PAL::GetProcessCount() {
    Demand(CatProc, 2);
    Stats& s = S();
    QReadLocker lock(&s.procLock);
    return s.procCount;
}

QStringList PAL::GetProcesses() {
    Demand(CatProc, 2);
    Stats& s = S();
    QReadLocker lock(&s.procLock);
    return s.programs;
}

int PAL::GetDriveCount() {
    Demand(CatDrive, 2);
    Stats& s = S();
    QReadLocker lock(&s.driveLock);
    return s.driveCount;
}

QString PAL::GetDriveName(const QString& drive) {
    DriveRecord record;
    QString text;
    return LookUpDrive(drive, record, &text) ? record.name : text;
}

quint64 PAL::GetDriveSize(const QString& drive) {
    DriveRecord record;
    return LookUpDrive(drive, record) ? record.sizeMB : 0;
}

quint64 PAL::GetDriveUsed(const QString& drive) {
    DriveRecord record;
    return LookUpDrive(drive, record) ? record.usedMB : 0;
}

double PAL::GetDriveUsedPrc(const QString& drive) {
    DriveRecord record;
    return LookUpDrive(drive, record) ? double(record.usedFraction) : 0.0;
}

QString PAL::GetDriveType(const QString& drive) {
    DriveRecord record;
    return LookUpDrive(drive, record) ? record.type : QString();
}
