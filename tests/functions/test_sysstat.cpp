#include "foundation/logger/QsLog.h"
#include "functions/pal/pal.h"
#include "functions/pal/procstatsource.h"
#include "functions/pal/sysstat.h"
#include "functions/pal/sysstatthread.h"
#include "tests/common/logcapture.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>

using namespace PAL_INT;

namespace {

// /proc and /sys of the fixture folder; addresses and file-system sizes from tables.
class FixtureSource : public ProcStatSource {
public:
    struct Vfs {
        quint64 blocks, freeBlocks, availBlocks, blockSize;
    };
    explicit FixtureSource(const QString& root) : ProcStatSource(root), root(QFile::encodeName(root)) {}
    QHash<QString, quint32> ipv4;
    QSet<QString> ipv6Only;
    QHash<QString, Vfs> vfs; // by mount point

protected:
    bool InterfaceAddress(const QString& name, quint32& v4, bool& v6) override {
        v6 = ipv6Only.contains(name);
        v4 = ipv4.value(name);
        return v6 || ipv4.contains(name);
    }
    bool StatVfs(const QByteArray& path, quint64& blocks, quint64& freeBlocks, quint64& availBlocks,
                 quint64& blockSize) override {
        const QString mount = QFile::decodeName(path.mid(root.size() - 1)); // keep the leading '/'
        if (!vfs.contains(mount))
            return false;
        const Vfs v = vfs.value(mount);
        blocks = v.blocks;
        freeBlocks = v.freeBlocks;
        availBlocks = v.availBlocks;
        blockSize = v.blockSize;
        return true;
    }

private:
    QByteArray root; // ends with '/'
};

// Counts the queries and answers them with fixed figures, or fails them all.
class CountingSource : public StatSource {
public:
    int calls[5] = {};
    bool fail = false;
    bool GetMem(StatMem& m) override {
        ++calls[0];
        m.total = 100;
        m.used = 50;
        m.usedPercent = 50;
        return !fail;
    }
    bool GetCpuList(QVector<StatCpu>& cpus) override {
        ++calls[1];
        cpus = {StatCpu{1, 1, 1}};
        return !fail;
    }
    bool GetPrimaryInterface(StatNetConfig& c) override {
        ++calls[2];
        c.name = QStringLiteral("eth0");
        c.ipv4 = 0x7F000001;
        return !fail;
    }
    bool GetInterfaceCounters(const QString&, StatNetCounters& c) override {
        c.rxBytes = c.txBytes = 1;
        return !fail;
    }
    bool GetFileSystems(QVector<StatFileSystem>& list) override {
        ++calls[3];
        list = {StatFileSystem{QStringLiteral("/"), QStringLiteral("local")}};
        return !fail;
    }
    bool GetFileSystemUsage(const QString&, StatFsUsage&) override { return !fail; }
    bool GetProcList(QVector<qint64>& pids) override {
        ++calls[4];
        pids = {1};
        return !fail;
    }
    bool GetProcExe(qint64, QString&) override { return false; }
};

void CopyTree(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + file.mid(from.size());
        QDir().mkpath(QFileInfo(target).path());
        // Not QFile::copy, which syncs every file to the disk.
        QFile in(file), out(target);
        if (in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly))
            out.write(in.readAll());
    }
}

bool WriteFile(const QString& path, const QByteArray& content) {
    QFile::remove(path);
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}

// Stored figures are single-precision.
bool Close(double a, double b) {
    return qAbs(a - b) < 1e-6;
}

void NetTick() {
    PAL::GetNetRx(0);
    _UpdateNets();
}

void TickAll() {
    _UpdateRAM();
    _UpdateCPUs();
    _UpdateNets();
    _UpdateDrives();
    _UpdateProcs();
}

} // namespace

class TestSysStat : public QObject {
    Q_OBJECT

    QScopedPointer<QTemporaryDir> dir;
    QString root;
    FixtureSource* source = nullptr;
    qint64 clock = 0;

    QString File(const QString& relative) const { return root + relative; }
    // The next refresh of every category is due.
    void Later(qint64 ms = 10000) { clock += ms; }
    void AskAll() {
        PAL::GetRAMTotal();
        PAL::GetCPUCount();
        PAL::GetNetRx(0);
        PAL::GetDriveCount();
    }

private slots:
    void init() {
        dir.reset(new QTemporaryDir);
        QVERIFY(dir->isValid());
        root = dir->path() + QLatin1Char('/');
        CopyTree(QStringLiteral(MERVEX_TEST_SOURCE_DIR "/fixtures/sysstat"), dir->path());
        source = new FixtureSource(root);
        source->ipv4.insert(QStringLiteral("eth0"), 0xC0A80105); // 192.168.1.5
        source->vfs.insert(QStringLiteral("/"), {1000000, 400000, 350000, 4096});
        source->vfs.insert(QStringLiteral("/boot/efi"), {130000, 129000, 129000, 4096});
        source->vfs.insert(QStringLiteral("/mnt/my disk"), {2000, 3000, 0, 512}); // a nonsense free count
        source->vfs.insert(QStringLiteral("/srv/share"), {0, 0, 0, 4096});
        ResetSysStats();
        SetStatSource(source);
        clock = 1700000000000;
        SetStatClock([this] { return clock; });
    }

    void cleanup() {
        SetStatSource(nullptr);
        SetStatClock(nullptr);
        ResetSysStats();
    }

    // ---- Memory ----

    void memory_data() {
        QTest::addColumn<QByteArray>("meminfo");
        QTest::addColumn<quint64>("total"); // 0: the first figures stay
        QTest::addColumn<quint64>("used");
        QTest::newRow("available memory")
            << QByteArray("MemTotal: 1000 kB\nMemFree: 100 kB\nMemAvailable: 250 kB\n") << 1024000ull << 768000ull;
        QTest::newRow("older kernel: free plus caches")
            << QByteArray("MemTotal: 1000 kB\nMemFree: 100 kB\nBuffers: 50 kB\nCached: 100 kB\n") << 1024000ull
            << 768000ull;
        QTest::newRow("more available than total")
            << QByteArray("MemTotal: 1000 kB\nMemAvailable: 2000 kB\n") << 1024000ull << 0ull;
        QTest::newRow("truncated before the total") << QByteArray("MemFr") << 0ull << 0ull;
        QTest::newRow("garbage number") << QByteArray("MemTotal: lots kB\nMemAvailable: 5 kB\n") << 0ull << 0ull;
        QTest::newRow("zero total") << QByteArray("MemTotal: 0 kB\nMemAvailable: 0 kB\n") << 0ull << 0ull;
        QTest::newRow("overflowing total") << QByteArray("MemTotal: 99999999999999999999 kB\n") << 0ull << 0ull;
        QTest::newRow("empty file") << QByteArray() << 0ull << 0ull;
    }
    void memory() {
        QFETCH(QByteArray, meminfo);
        QFETCH(quint64, total);
        QFETCH(quint64, used);
        _UpdateRAM(); // the fixture: 8192000 kB, 2048000 kB available
        const quint64 fixtureTotal = 8192000ull * 1024;
        QCOMPARE(PAL::GetRAMTotal(), fixtureTotal);
        QCOMPARE(PAL::GetRAMUsed(), 6144000ull * 1024);
        QCOMPARE(PAL::GetRAMUsage(), 0.75);

        QVERIFY(WriteFile(File("proc/meminfo"), meminfo));
        Later();
        _UpdateRAM();
        if (total == 0) {
            QCOMPARE(PAL::GetRAMTotal(), fixtureTotal);
            QCOMPARE(PAL::GetRAMUsage(), 0.75);
            return;
        }
        QCOMPARE(PAL::GetRAMTotal(), total);
        QCOMPARE(PAL::GetRAMUsed(), used);
        QCOMPARE(PAL::GetRAMUsage(), double(used) / double(total));
    }

    void missingMemInfoLogsWithPrefix() {
        QVERIFY(QFile::rename(File("proc/meminfo"), File("proc/meminfo.away")));
        LogCapture log;
        // Retried at every wanted tick, logged once.
        for (int i = 0; i < 3; ++i) {
            PAL::GetRAMTotal();
            _UpdateRAM();
        }
        QCOMPARE(PAL::GetRAMTotal(), 0ull);
        QCOMPARE(log.Lines().size(), 1);
        QVERIFY2(log.Lines()[0].contains(QLatin1String("DEBUG")) &&
                     log.Lines()[0].contains(QLatin1String(" Sigar: cannot open ")),
                 qPrintable(log.Lines()[0]));
        // Once it worked again, a new failure is logged again.
        QVERIFY(QFile::rename(File("proc/meminfo.away"), File("proc/meminfo")));
        _UpdateRAM();
        QVERIFY(PAL::GetRAMTotal() > 0);
        QVERIFY(QFile::remove(File("proc/meminfo")));
        Later();
        _UpdateRAM();
        QCOMPARE(log.Lines().size(), 2);
    }

    // ---- CPUs ----

    void cpuUsageBetweenTwoSamples() {
        _UpdateCPUs();
        QCOMPARE(PAL::GetCPUCount(), 2);
        // The first refresh measures from boot.
        QCOMPARE(PAL::GetCPUUsage(0), double(float(1.0 - 3600.0 / 5000.0)));
        QCOMPARE(PAL::GetCPUUsage(1), double(float(1.0 - 4100.0 / 4900.0)));

        QVERIFY(WriteFile(File("proc/stat"), [this] {
            QFile f(File("proc/stat.2"));
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }()));
        Later();
        _UpdateCPUs();
        QVERIFY(Close(PAL::GetCPUUsage(0), 0.6));  // idle 200 of 500
        QVERIFY(Close(PAL::GetCPUUsage(1), 0.25)); // idle 300 of 400: niced time counts as busy, disk waits as idle
        QVERIFY(Close(PAL::GetCPUUsage(-1), 0.425));
        QCOMPARE(PAL::GetCPUUsage(2), 0.0);
        QCOMPARE(PAL::GetCPUUsage(1000), 0.0);

        QCOMPARE(PAL::GetCPUFrequency(0), 2400);
        QCOMPARE(PAL::GetCPUFrequency(1), 3200);
        QCOMPARE(PAL::GetCPUFrequency(-1), 2800);
        QCOMPARE(PAL::GetCPUMaxFrequency(0), 0.75);
        QCOMPARE(PAL::GetCPUMaxFrequency(-1), 0.875);
        // Processor sensors fill the CPUs in input order; other chips are not looked at.
        QCOMPARE(PAL::GetCPUTemperature(0), 47);
        QCOMPARE(PAL::GetCPUTemperature(1), 45);
        QCOMPARE(PAL::GetCPUTemperature(-1), 46);
        QCOMPARE(PAL::GetCPUTemperature(2), 0);
    }

    void cpuWithoutSensors() {
        QVERIFY(QDir(File("sys")).removeRecursively());
        _UpdateCPUs();
        QCOMPARE(PAL::GetCPUCount(), 2);
        QCOMPARE(PAL::GetCPUFrequency(-1), 0);
        QCOMPARE(PAL::GetCPUMaxFrequency(-1), 1.0);
        QCOMPARE(PAL::GetCPUTemperature(0), 0);
    }

    void cpuBadInput_data() {
        QTest::addColumn<QByteArray>("stat");
        QTest::addColumn<double>("usage0"); // -1: the first figures stay
        QTest::newRow("truncated line") << QByteArray("cpu  1 2 3 4\ncpu0 1200 0 500 3800 0 0 0 0\ncpu1 60") << -1.0;
        QTest::newRow("garbage number") << QByteArray("cpu0 1200 x 500 3800\n") << -1.0;
        QTest::newRow("no per-CPU lines") << QByteArray("cpu  1 2 3 4\nintr 5\n") << -1.0;
        QTest::newRow("binary garbage") << QByteArray("\x01\xff\0cpu9\0\0", 9) << -1.0;
        QTest::newRow("counters went back") << QByteArray("cpu0 10 0 10 10\ncpu1 10 0 10 10\n") << 0.0;
        QTest::newRow("only idle went back") << QByteArray("cpu0 1100 0 400 10\ncpu1 500 100 200 4100\n") << 1.0;
    }
    void cpuBadInput() {
        QFETCH(QByteArray, stat);
        QFETCH(double, usage0);
        _UpdateCPUs();
        const double first = PAL::GetCPUUsage(0);
        QVERIFY(WriteFile(File("proc/stat"), stat));
        Later();
        _UpdateCPUs();
        QCOMPARE(PAL::GetCPUCount(), 2);
        QVERIFY(Close(PAL::GetCPUUsage(0), usage0 < 0 ? first : usage0));
        QVERIFY(PAL::GetCPUUsage(-1) >= 0.0 && PAL::GetCPUUsage(-1) <= 1.0);
    }

    void cpuCountCapped() {
        QByteArray stat;
        for (int i = 0; i < 20; ++i)
            stat += QByteArray("cpu") + QByteArray::number(i) + " 1 0 1 2\n";
        QVERIFY(WriteFile(File("proc/stat"), stat));
        _UpdateCPUs();
        QCOMPARE(PAL::GetCPUCount(), 16);
        QCOMPARE(PAL::GetCPUUsage(15), 0.5);
        QCOMPARE(PAL::GetCPUUsage(16), 0.0);
    }

    // ---- Networks ----

    void networkRates() {
        QCOMPARE(PAL::GetHostAddress(), QHostAddress(QStringLiteral("255.255.255.255")));
        NetTick();
        QCOMPARE(PAL::GetHostAddress(), QHostAddress(QStringLiteral("192.168.1.5"))); // the lower metric wins
        QCOMPARE(PAL::GetNetRx(0), 0ull); // nothing to compare the first counters with
        QVERIFY(QFile::remove(File("proc/net/dev")) && QFile::rename(File("proc/net/dev.2"), File("proc/net/dev")));
        Later(1010);
        NetTick();
        QCOMPARE(PAL::GetNetRx(0), 250000ull);
        QCOMPARE(PAL::GetNetTx(0), 30000ull);
        QCOMPARE(PAL::GetNetRx(-5), 250000ull);
        QCOMPARE(PAL::GetNetRx(1), 0ull);
        // The figures of the first interval move down the history.
        Later(1010);
        NetTick();
        QCOMPARE(PAL::GetNetRx(0), 0ull);
        QCOMPARE(PAL::GetNetRx(1), 250000ull);
        QCOMPARE(PAL::GetNetTx(1), 30000ull);
        for (int i = 0; i < 510; ++i) {
            Later(1010);
            NetTick();
        }
        QCOMPARE(PAL::GetNetRx(511), 250000ull); // the oldest entry
        QCOMPARE(PAL::GetNetRx(100000), 250000ull);
        Later(1010);
        NetTick();
        QCOMPARE(PAL::GetNetRx(511), 0ull); // and now it fell out
    }

    void networkTroubles_data() {
        QTest::addColumn<QByteArray>("dev");
        QTest::addColumn<QByteArray>("route");
        QTest::addColumn<bool>("newEntry");
        QTest::addColumn<quint64>("rx");
        const QByteArray route("Iface Destination Gateway Flags RefCnt Use Metric\neth0 00000000 0 0003 0 0 100\n");
        const QByteArray header("Inter-|\n face |\n");
        QTest::newRow("interface gone") << header + "lo: 1 0 0 0 0 0 0 0 1 0 0 0 0 0 0 0\n" << route << false << 0ull;
        QTest::newRow("truncated line") << header + "eth0: 1300000 3000 0" << route << false << 0ull;
        QTest::newRow("garbage counter") << header + "eth0: x 0 0 0 0 0 0 0 1 0 0 0 0 0 0 0\n"
                                         << route << false << 0ull;
        QTest::newRow("counters restarted") << header + "eth0: 10 0 0 0 0 0 0 0 500000 0 0 0 0 0 0 0\n"
                                            << route << true << 0ull;
        QTest::newRow("default route moved to another interface")
            << header + "wlan0: 99999 0 0 0 0 0 0 0 5 0 0 0 0 0 0 0\n"
            << QByteArray("Iface Destination Gateway Flags RefCnt Use Metric\nwlan0 00000000 0 0003 0 0 5\n") << true
            << 0ull;
        QTest::newRow("no default route: first interface but loopback")
            << header + "lo: 1 0 0 0 0 0 0 0 1 0 0 0 0 0 0 0\neth0: 1250100 0 0 0 0 0 0 0 200000 0 0 0 0 0 0 0\n"
            << QByteArray("garbage") << true << 100ull;
        QTest::newRow("no interfaces at all") << header << QByteArray() << false << 0ull;
    }
    void networkTroubles() {
        QFETCH(QByteArray, dev);
        QFETCH(QByteArray, route);
        QFETCH(bool, newEntry);
        QFETCH(quint64, rx);
        NetTick();
        QVERIFY(QFile::remove(File("proc/net/dev")) && QFile::rename(File("proc/net/dev.2"), File("proc/net/dev")));
        Later(1000);
        NetTick();
        QCOMPARE(PAL::GetNetRx(0), 250000ull);

        QVERIFY(WriteFile(File("proc/net/dev"), dev));
        QVERIFY(WriteFile(File("proc/net/route"), route));
        Later(1000);
        NetTick();
        QCOMPARE(PAL::GetNetRx(newEntry ? 1 : 0), 250000ull);
        if (newEntry)
            QCOMPARE(PAL::GetNetRx(0), rx);
        else // the refresh time stays, so the next tick tries again at once
            QCOMPARE(PAL::GetNetRx(1), 0ull);
        QCOMPARE(PAL::GetHostAddress().protocol(), QAbstractSocket::IPv4Protocol);
    }

    void ipv6PrimaryAddress() {
        source->ipv4.clear();
        source->ipv6Only.insert(QStringLiteral("eth0"));
        _UpdateNets();
        QCOMPARE(PAL::GetHostAddress(), QHostAddress(QStringLiteral("0.0.0.0")));
    }

    // ---- Drives ----

    void drives_data() {
        QTest::addColumn<QString>("drive");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("type");
        QTest::addColumn<quint64>("sizeMB");
        QTest::addColumn<quint64>("usedMB");
        QTest::addColumn<double>("fraction");
        const double rootFraction = double(float(600000.0 / 950000.0));
        QTest::newRow("by mount point") << "/"
                                        << "/"
                                        << "local" << 3906ull << 2343ull << rootFraction;
        QTest::newRow("by number") << "0"
                                   << "/"
                                   << "local" << 3906ull << 2343ull << rootFraction;
        QTest::newRow("second drive") << "1"
                                      << "/boot/efi"
                                      << "local" << 507ull << 3ull << double(float(1000.0 / 130000.0));
        QTest::newRow("escaped blank, nonsense free count") << "/mnt/my disk"
                                                            << "/mnt/my disk"
                                                            << "local" << 0ull << 0ull << 0.0;
        QTest::newRow("remote, empty") << "3"
                                       << "/srv/share"
                                       << "remote" << 0ull << 0ull << 0.0;
        QTest::newRow("cannot be asked") << "/media/cd"
                                         << "/media/cd"
                                         << "cdrom" << 0ull << 0ull << 0.0;
        QTest::newRow("number beyond the count") << "5"
                                                 << "5"
                                                 << "" << 0ull << 0ull << 0.0;
        QTest::newRow("negative number") << "-1"
                                         << "-1"
                                         << "" << 0ull << 0ull << 0.0;
        QTest::newRow("unknown name") << "/nowhere"
                                      << "/nowhere"
                                      << "" << 0ull << 0ull << 0.0;
        QTest::newRow("drive letter") << "c:"
                                      << "C:\\"
                                      << "" << 0ull << 0ull << 0.0;
        QTest::newRow("pseudo file systems are no drives") << "/proc"
                                                           << "/proc"
                                                           << "" << 0ull << 0ull << 0.0;
    }
    void drives() {
        QFETCH(QString, drive);
        QFETCH(QString, name);
        QFETCH(QString, type);
        QFETCH(quint64, sizeMB);
        QFETCH(quint64, usedMB);
        QFETCH(double, fraction);
        _UpdateDrives();
        QCOMPARE(PAL::GetDriveCount(), 5);
        QCOMPARE(PAL::GetDriveName(drive), name);
        QCOMPARE(PAL::GetDriveType(drive), type);
        QCOMPARE(PAL::GetDriveSize(drive), sizeMB);
        QCOMPARE(PAL::GetDriveUsed(drive), usedMB);
        QCOMPARE(PAL::GetDriveUsedPrc(drive), fraction);
    }

    void driveListChanges() {
        _UpdateDrives();
        QByteArray mounts("/dev/sda2 / ext4 rw 0 0\n/dev/sdc1 /media/stick exfat rw 0 0\n/dev/sda3 / xfs rw 0 0\n");
        for (int i = 0; i < 20; ++i)
            mounts += "/dev/x /m" + QByteArray::number(i) + " ext4 rw 0 0\n";
        mounts += "/dev/bad";
        QVERIFY(WriteFile(File("proc/self/mounts"), mounts));
        Later();
        PAL::GetDriveCount();
        _UpdateDrives();
        QCOMPARE(PAL::GetDriveCount(), 16);
        QCOMPARE(PAL::GetDriveName(QStringLiteral("1")), QStringLiteral("/media/stick"));
        QCOMPARE(PAL::GetDriveName(QStringLiteral("2")), QStringLiteral("/m0")); // "/" counted once
        QCOMPARE(PAL::GetDriveName(QStringLiteral("15")), QStringLiteral("/m13"));

        QFile::remove(File("proc/self/mounts"));
        Later();
        PAL::GetDriveCount();
        _UpdateDrives();
        QCOMPARE(PAL::GetDriveCount(), 16); // unreadable: the list stays
    }

    void usageFromBlocks_data() {
        QTest::addColumn<quint64>("blocks");
        QTest::addColumn<quint64>("freeBlocks");
        QTest::addColumn<quint64>("availBlocks");
        QTest::addColumn<quint64>("blockSize");
        QTest::addColumn<quint64>("totalKB");
        QTest::addColumn<quint64>("usedKB");
        QTest::addColumn<double>("fraction");
        QTest::newRow("reserved blocks count as not available")
            << 100ull << 40ull << 30ull << 4096ull << 400ull << 240ull << 60.0 / 90.0;
        QTest::newRow("small blocks") << 100ull << 50ull << 50ull << 512ull << 50ull << 25ull << 0.5;
        QTest::newRow("empty") << 0ull << 0ull << 0ull << 4096ull << 0ull << 0ull << 0.0;
        QTest::newRow("more free than blocks") << 10ull << 20ull << 20ull << 1024ull << 10ull << 0ull << 0.0;
    }
    void usageFromBlocks() {
        QFETCH(quint64, blocks);
        QFETCH(quint64, freeBlocks);
        QFETCH(quint64, availBlocks);
        QFETCH(quint64, blockSize);
        const StatFsUsage u = ProcStatSource::UsageFromBlocks(blocks, freeBlocks, availBlocks, blockSize);
        QTEST(u.totalKB, "totalKB");
        QTEST(u.usedKB, "usedKB");
        QTEST(u.usePercent, "fraction");
    }

    // ---- Processes ----

    void processes() {
        const auto addProcess = [this](const QString& pid, const QString& exe) {
            QVERIFY(QDir().mkpath(File("proc/" + pid)));
            if (!exe.isEmpty())
                QVERIFY(QFile::link(exe, File("proc/" + pid + "/exe")));
        };
        addProcess("1", "/usr/bin/fake init");
        addProcess("250", "/opt/odd\\name");
        addProcess("7", QString()); // a kernel thread, or one that went away while being listed
        addProcess("12abc", "/not/a/process");
        QVERIFY(QFile::link(File("proc/1"), File("proc/self-link")));
        _UpdateProcs();
        QCOMPARE(PAL::GetProcessCount(), 3);
        QStringList programs = PAL::GetProcesses();
        programs.sort();
        QCOMPARE(programs, QStringList({"/opt/odd/name", "/usr/bin/fake init"}));

        // A process that ended leaves the list at the next refresh; an unreadable folder keeps the old list.
        QVERIFY(QDir(File("proc/250")).removeRecursively());
        clock += 1233;
        _UpdateProcs();
        QCOMPARE(PAL::GetProcessCount(), 3);
        clock += 1;
        _UpdateProcs();
        QCOMPARE(PAL::GetProcessCount(), 2);
        QCOMPARE(PAL::GetProcesses(), QStringList({"/usr/bin/fake init"}));
        QVERIFY(QDir(File("proc")).removeRecursively());
        Later();
        _UpdateProcs();
        QCOMPARE(PAL::GetProcessCount(), 2);
    }

    // ---- Demand and intervals ----

    void demandAndIntervals_data() {
        QTest::addColumn<int>("category");
        QTest::addColumn<qint64>("interval");
        QTest::newRow("memory") << 0 << qint64(1000);
        QTest::newRow("CPUs") << 1 << qint64(1000);
        QTest::newRow("networks") << 2 << qint64(1000);
        QTest::newRow("drives") << 3 << qint64(10000);
        QTest::newRow("process list") << 4 << qint64(1234);
    }
    void demandAndIntervals() {
        QFETCH(int, category);
        QFETCH(qint64, interval);
        auto* counting = new CountingSource;
        SetStatSource(counting);
        const auto ask = [category] {
            switch (category) {
            case 0:
                PAL::GetRAMUsage();
                break;
            case 1:
                PAL::GetCPUUsage(-1);
                break;
            case 2:
                PAL::GetNetTx(3);
                break;
            case 4:
                PAL::GetProcesses();
                break;
            default:
                PAL::GetDriveUsedPrc(QStringLiteral("/"));
                break;
            }
        };
        const int& calls = counting->calls[category];

        // Each category is refreshed once after the start, then only when asked.
        QCOMPARE(StatDemand(category), 1);
        TickAll();
        QCOMPARE(calls, 1);
        QCOMPARE(StatDemand(category), 0);
        Later(interval * 5);
        TickAll();
        QCOMPARE(calls, 1);

        // A getter opens the next two ticks.
        ask();
        QCOMPARE(StatDemand(category), 2);
        TickAll();
        QCOMPARE(calls, 2);
        QCOMPARE(StatDemand(category), 1);
        clock += interval - 1;
        TickAll(); // the interval has not passed: the tick is used up all the same
        QCOMPARE(calls, 2);
        QCOMPARE(StatDemand(category), 0);
        clock += 1;
        TickAll();
        QCOMPARE(calls, 2);

        // A reader that keeps asking gets one refresh per interval.
        for (int i = 0; i < 10; ++i) {
            ask();
            TickAll();
            clock += interval / 2;
        }
        QCOMPARE(calls, 7);

        // A failed query keeps no time: the next wanted tick tries again.
        counting->fail = true;
        Later(interval);
        ask();
        TickAll();
        TickAll();
        QCOMPARE(calls, 9);

        // A clock set back does not stop the refreshes.
        counting->fail = false;
        ask();
        clock -= 3600 * 1000;
        TickAll();
        QCOMPARE(calls, 10);
    }

    void hostAddressWantsOneTick() {
        auto* counting = new CountingSource;
        SetStatSource(counting);
        TickAll();
        Later();
        QCOMPARE(PAL::GetHostAddress(), QHostAddress(QStringLiteral("127.0.0.1")));
        QCOMPARE(StatDemand(2), 1);
        TickAll();
        Later();
        TickAll();
        QCOMPARE(counting->calls[2], 2);
    }

    // Nobody asking for anything (no phone, no grid showing a figure), the thread has nothing to do: it sleeps
    // until a getter wakes it.
    void idleThreadSleepsUntilAsked() {
        auto* counting = new CountingSource;
        SetStatSource(counting);
        TickAll(); // the refresh after the start
        QCOMPARE(MsUntilNextStatTick(), kStatIdleSleepMs);
        for (int i = 0; i < 5; ++i) {
            clock += 1234;
            TickAll();
        }
        QCOMPARE(counting->calls[4], 1);
        QCOMPARE(PAL::GetProcessCount(), 1);
        QCOMPARE(MsUntilNextStatTick(), kStatTickMs);
        TickAll();
        QCOMPARE(counting->calls[4], 2);
        QVERIFY(PAL::GetProcesses().isEmpty()); // counted, but its program could not be read
    }

    // ---- Log lines of the back-end ----

    void logLevels_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("written"); // empty: dropped
        QTest::newRow("fatal") << int(StatLogFatal) << "FATAL";
        QTest::newRow("error") << int(StatLogError) << "ERROR";
        QTest::newRow("warn") << int(StatLogWarn) << " WARN";
        QTest::newRow("info") << int(StatLogInfo) << " INFO";
        QTest::newRow("debug") << int(StatLogDebug) << "DEBUG";
        QTest::newRow("trace") << int(StatLogTrace) << "TRACE";
        QTest::newRow("unknown") << 6 << "";
        QTest::newRow("negative") << -1 << "";
    }
    void logLevels() {
        QFETCH(int, level);
        QFETCH(QString, written);
        LogCapture log;
        StatLog(level, QStringLiteral("disk \"x\" gone"));
        if (written.isEmpty()) {
            QVERIFY(log.Lines().isEmpty());
            return;
        }
        QCOMPARE(log.Lines().size(), 1);
        QVERIFY2(log.Lines()[0].startsWith(written), qPrintable(log.Lines()[0]));
        QVERIFY2(log.Lines()[0].trimmed().endsWith(QLatin1String(" Sigar: disk \"x\" gone")),
                 qPrintable(log.Lines()[0]));
    }

    // ---- The live system ----

    void realSystem() {
        SetStatSource(nullptr);
        SetStatClock(nullptr);
        TickAll();
        const quint64 total = PAL::GetRAMTotal();
        QVERIFY(total > 16ull * 1024 * 1024);
        QVERIFY(PAL::GetRAMUsed() <= total);
        QVERIFY(PAL::GetRAMUsage() >= 0.0 && PAL::GetRAMUsage() <= 1.0);
        const int cpus = PAL::GetCPUCount();
        QVERIFY(cpus >= 1 && cpus <= 16);
        for (int i = -1; i < cpus; ++i) {
            QVERIFY(PAL::GetCPUUsage(i) >= 0.0 && PAL::GetCPUUsage(i) <= 1.0);
            QVERIFY(PAL::GetCPUMaxFrequency(i) >= 0.0 && PAL::GetCPUMaxFrequency(i) <= 1.0);
            QVERIFY(PAL::GetCPUFrequency(i) >= 0);
        }
        const int drives = PAL::GetDriveCount();
        QVERIFY(drives >= 0 && drives <= 16);
        for (int i = 0; i < drives; ++i) {
            const QString d = QString::number(i);
            QVERIFY(PAL::GetDriveName(d).startsWith(QLatin1Char('/')));
            QVERIFY(PAL::GetDriveUsed(d) <= PAL::GetDriveSize(d));
            QVERIFY(PAL::GetDriveUsedPrc(d) >= 0.0 && PAL::GetDriveUsedPrc(d) <= 1.0);
        }
        QVERIFY(PAL::GetProcessCount() >= 1);
        const QString self = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
        QVERIFY2(PAL::GetProcesses().contains(self), qPrintable(self));
        PAL::GetHostAddress(); // may be anything here, as long as it is asked safely
        PAL::GetNetRx(0);
    }

    void noThreadNoWait() {
        // Nothing waits for a CPU refresh that no thread will make.
        QVERIFY(!SysStatThreadRunning());
        QCOMPARE(PAL::GetCPUCount(), 0);
        QCOMPARE(PAL::GetCPUUsage(-1), 0.0);
    }

    void threadRefreshes() {
        SetStatSource(new CountingSource);
        SetStatClock(nullptr);
        StartSysStatThread();
        QVERIFY(SysStatThreadRunning());
        StartSysStatThread(); // one thread only
        // The first CPU getter waits for the thread's first refresh, about a second after the start; a busy
        // machine may take longer, so keep asking.
        QTRY_COMPARE_WITH_TIMEOUT(PAL::GetCPUCount(), 1, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(PAL::GetProcessCount(), 1, 30000);
        RequestSysStatStop();
        WaitSysStatStopped();
        QVERIFY(!SysStatThreadRunning());
    }

    // Between process-list refreshes the idle thread sleeps; a getter must wake it, or its figure would wait
    // for the process list (over a second) instead of the next tick.
    void getterWakesTheSleepingThread() {
        static std::atomic<qint64> now{1000000};
        auto* counting = new CountingSource;
        SetStatSource(counting);
        SetStatClock([] { return now.load(); });
        StartSysStatThread();
        QTRY_COMPARE_WITH_TIMEOUT(PAL::GetCPUCount(), 1, 30000);
        // Let the demand run out so that the thread goes to its long sleep.
        QTRY_VERIFY(StatDemand(0) == 0 && StatDemand(1) == 0 && StatDemand(2) == 0 && StatDemand(3) == 0);
        QTest::qWait(50);
        const int before = counting->calls[0];
        now += kRamInterval; // memory due again, the process list not yet
        QElapsedTimer clock;
        clock.start();
        PAL::GetRAMTotal();
        QTRY_VERIFY_WITH_TIMEOUT(counting->calls[0] > before, 5000);
        QVERIFY2(clock.elapsed() < kProcInterval - 200, qPrintable(QString::number(clock.elapsed())));
        // The stop request wakes it too.
        clock.restart();
        RequestSysStatStop();
        WaitSysStatStopped();
        QVERIFY2(clock.elapsed() < kProcInterval - 200, qPrintable(QString::number(clock.elapsed())));
    }
};

QTEST_GUILESS_MAIN(TestSysStat)
#include "test_sysstat.moc"
