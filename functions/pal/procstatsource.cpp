#include "functions/pal/procstatsource.h"

#include "foundation/logger/QsLog.h"

#include <QDir>
#include <QHostAddress>
#include <QNetworkInterface>

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace PAL_INT {

namespace {

// /proc/stat grows by a line per CPU; this leaves room for thousands of them.
constexpr qint64 kMaxStatFileSize = 4 * 1024 * 1024;
constexpr int kMaxCpuSensors = 256;

bool ToU64(const QByteArray& text, quint64& value) {
    bool ok = false;
    value = text.toULongLong(&ok);
    return ok;
}

// "Name:   1234 kB" lines of /proc/meminfo; the value in bytes.
bool MemInfoValue(const QList<QByteArray>& lines, const char* key, quint64& bytes) {
    const QByteArray wanted = QByteArray(key) + ':';
    for (const QByteArray& line : lines) {
        if (!line.startsWith(wanted))
            continue;
        const QList<QByteArray> fields = line.mid(wanted.size()).simplified().split(' ');
        quint64 value = 0;
        if (fields.isEmpty() || !ToU64(fields[0], value))
            return false;
        const bool kB = fields.size() > 1 && fields[1] == "kB";
        if (kB && value > (~quint64(0)) / 1024)
            return false;
        bytes = kB ? value * 1024 : value;
        return true;
    }
    return false;
}

// The octal escapes of mount points in /proc/mounts (\040 for a blank and the like).
QString DecodeMountField(const QByteArray& field) {
    QByteArray out;
    out.reserve(field.size());
    for (int i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const QByteArray digits = field.mid(i + 1, 3);
            bool ok = false;
            const int code = digits.toInt(&ok, 8);
            if (ok && digits.size() == 3 && code < 256) {
                out.append(char(code));
                i += 3;
                continue;
            }
        }
        out.append(field[i]);
    }
    return QString::fromUtf8(out);
}

bool ReadSmallNumber(const QByteArray& path, qint64& value) {
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    char buffer[64];
    const ssize_t n = ::read(fd, buffer, sizeof(buffer) - 1);
    ::close(fd);
    if (n <= 0)
        return false;
    bool ok = false;
    value = QByteArray(buffer, int(n)).trimmed().toLongLong(&ok);
    return ok;
}

} // namespace

ProcStatSource::ProcStatSource(const QString& root) : m_root(root) {
    if (!m_root.endsWith(QLatin1Char('/')))
        m_root += QLatin1Char('/');
}

QByteArray ProcStatSource::Path(const QString& relativePath) const {
    return QFile::encodeName(m_root + relativePath);
}

bool ProcStatSource::ReadFile(const QString& relativePath, QByteArray& content, qint64 maxSize) const {
    content.clear();
    const QByteArray path = Path(relativePath);
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        Report(relativePath, QStringLiteral("cannot open %1").arg(QString::fromLocal8Bit(path)));
        return false;
    }
    // Files of /proc report no size: read until the end, never past the bound.
    char buffer[16384];
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof(buffer));
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ok = false;
            break;
        }
        if (content.size() + n > maxSize) {
            Report(relativePath, QStringLiteral("%1 is too long").arg(QString::fromLocal8Bit(path)));
            ok = false;
            break;
        }
        content.append(buffer, int(n));
    }
    ::close(fd);
    if (!ok)
        content.clear();
    else
        Clear(relativePath);
    return ok;
}

bool ProcStatSource::GetMem(StatMem& mem) {
    QByteArray text;
    if (!ReadFile(QStringLiteral("proc/meminfo"), text))
        return false;
    const QList<QByteArray> lines = text.split('\n');
    quint64 total = 0;
    if (!MemInfoValue(lines, "MemTotal", total) || total == 0) {
        Report(QStringLiteral("meminfo"), QStringLiteral("no total memory in meminfo"));
        return false;
    }
    // What programs could still get without swapping; older kernels lack the line, then free plus caches.
    quint64 available = 0;
    if (!MemInfoValue(lines, "MemAvailable", available)) {
        quint64 memFree = 0, buffers = 0, cached = 0;
        if (!MemInfoValue(lines, "MemFree", memFree)) {
            Report(QStringLiteral("meminfo"), QStringLiteral("no free memory in meminfo"));
            return false;
        }
        MemInfoValue(lines, "Buffers", buffers);
        MemInfoValue(lines, "Cached", cached);
        available = memFree + buffers + cached;
    }
    mem.total = total;
    mem.used = available < total ? total - available : 0;
    mem.usedPercent = double(mem.used) * 100.0 / double(total);
    Clear(QStringLiteral("meminfo"));
    return true;
}

bool ProcStatSource::GetCpuList(QVector<StatCpu>& cpus) {
    QByteArray text;
    if (!ReadFile(QStringLiteral("proc/stat"), text, kMaxStatFileSize))
        return false;
    QVector<StatCpu> list;
    for (const QByteArray& raw : text.split('\n')) {
        // Only the per-CPU lines ("cpu0 ..."), not the sum line ("cpu ...").
        if (raw.size() < 4 || !raw.startsWith("cpu") || raw[3] < '0' || raw[3] > '9')
            continue;
        const QList<QByteArray> fields = raw.simplified().split(' ');
        // cpuN user nice system idle [iowait irq softirq steal ...]
        quint64 v[8] = {};
        if (fields.size() < 5) {
            Report(QStringLiteral("stat"), QStringLiteral("short line in /proc/stat"));
            return false;
        }
        for (int i = 0; i < 8 && i + 1 < fields.size(); ++i) {
            if (!ToU64(fields[i + 1], v[i])) {
                Report(QStringLiteral("stat"), QStringLiteral("bad number in /proc/stat"));
                return false;
            }
        }
        // Niced time is user time and interrupt time system time; time waiting for the disk is idle.
        StatCpu cpu;
        cpu.user = v[0] + v[1];
        cpu.sys = v[2] + v[5] + v[6];
        cpu.idle = v[3] + v[4];
        list.append(cpu);
    }
    if (list.isEmpty()) {
        Report(QStringLiteral("stat"), QStringLiteral("no CPUs in /proc/stat"));
        return false;
    }
    cpus = list;
    Clear(QStringLiteral("stat"));
    return true;
}

bool ProcStatSource::GetPrimaryInterface(StatNetConfig& config) {
    QByteArray text;
    QString best;
    if (ReadFile(QStringLiteral("proc/net/route"), text)) {
        // Iface Destination Gateway Flags RefCnt Use Metric ...: the default route with the lowest metric.
        quint64 bestMetric = ~quint64(0);
        const QList<QByteArray> lines = text.split('\n');
        for (int i = 1; i < lines.size(); ++i) {
            const QList<QByteArray> f = lines[i].simplified().split(' ');
            if (f.size() < 7 || f[1] != "00000000")
                continue;
            bool ok = false;
            const uint flags = f[3].toUInt(&ok, 16);
            quint64 metric = 0;
            if (!ok || !(flags & 1) || !ToU64(f[6], metric))
                continue;
            if (metric < bestMetric) {
                bestMetric = metric;
                best = QString::fromLocal8Bit(f[0]);
            }
        }
    }
    if (best.isEmpty()) {
        // No default route: the first interface other than loopback that has counters.
        if (ReadFile(QStringLiteral("proc/net/dev"), text)) {
            for (const QByteArray& line : text.split('\n')) {
                const int colon = line.indexOf(':');
                const QByteArray name = colon > 0 ? line.left(colon).trimmed() : QByteArray();
                if (!name.isEmpty() && name != "lo") {
                    best = QString::fromLocal8Bit(name);
                    break;
                }
            }
        }
    }
    if (best.isEmpty()) {
        Report(QStringLiteral("net"), QStringLiteral("no network interface"));
        return false;
    }
    config.name = best;
    config.ipv4 = 0;
    config.ipv6 = false;
    InterfaceAddress(best, config.ipv4, config.ipv6);
    return true;
}

bool ProcStatSource::InterfaceAddress(const QString& name, quint32& ipv4, bool& ipv6) {
    const QNetworkInterface nif = QNetworkInterface::interfaceFromName(name);
    bool sawIpv6 = false;
    for (const QNetworkAddressEntry& entry : nif.addressEntries()) {
        const QHostAddress address = entry.ip();
        if (address.protocol() == QAbstractSocket::IPv4Protocol) {
            ipv4 = address.toIPv4Address();
            ipv6 = false;
            return true;
        }
        if (address.protocol() == QAbstractSocket::IPv6Protocol)
            sawIpv6 = true;
    }
    ipv6 = sawIpv6;
    return sawIpv6;
}

bool ProcStatSource::GetInterfaceCounters(const QString& name, StatNetCounters& counters) {
    QByteArray text;
    if (!ReadFile(QStringLiteral("proc/net/dev"), text))
        return false;
    const QByteArray wanted = name.toLocal8Bit();
    for (const QByteArray& line : text.split('\n')) {
        const int colon = line.indexOf(':');
        if (colon <= 0 || line.left(colon).trimmed() != wanted)
            continue;
        // Receive: bytes packets errs drop fifo frame compressed multicast; transmit: bytes ...
        const QList<QByteArray> f = line.mid(colon + 1).simplified().split(' ');
        quint64 rx = 0, tx = 0;
        if (f.size() < 16 || !ToU64(f[0], rx) || !ToU64(f[8], tx)) {
            Report(QStringLiteral("net"), QStringLiteral("bad line for %1 in /proc/net/dev").arg(name));
            return false;
        }
        counters.rxBytes = rx;
        counters.txBytes = tx;
        Clear(QStringLiteral("net"));
        return true;
    }
    Report(QStringLiteral("net"), QStringLiteral("no interface %1 in /proc/net/dev").arg(name));
    return false;
}

QString ProcStatSource::FileSystemClass(const QString& type) {
    static const QStringList local = {
        QStringLiteral("ext2"),   QStringLiteral("ext3"),     QStringLiteral("ext4"),     QStringLiteral("xfs"),
        QStringLiteral("btrfs"),  QStringLiteral("jfs"),      QStringLiteral("reiserfs"), QStringLiteral("vfat"),
        QStringLiteral("exfat"),  QStringLiteral("ntfs"),     QStringLiteral("ntfs3"),    QStringLiteral("fuseblk"),
        QStringLiteral("f2fs"),   QStringLiteral("zfs"),      QStringLiteral("hfs"),      QStringLiteral("hfsplus"),
        QStringLiteral("nilfs2"), QStringLiteral("bcachefs"), QStringLiteral("overlay")};
    static const QStringList remote = {
        QStringLiteral("nfs"),   QStringLiteral("nfs4"),       QStringLiteral("cifs"), QStringLiteral("smb3"),
        QStringLiteral("smbfs"), QStringLiteral("fuse.sshfs"), QStringLiteral("ceph"), QStringLiteral("glusterfs"),
        QStringLiteral("afs"),   QStringLiteral("9p")};
    if (local.contains(type))
        return QStringLiteral("local");
    if (remote.contains(type))
        return QStringLiteral("remote");
    if (type == QLatin1String("iso9660") || type == QLatin1String("udf"))
        return QStringLiteral("cdrom");
    return QString();
}

bool ProcStatSource::GetFileSystems(QVector<StatFileSystem>& fileSystems) {
    QByteArray text;
    if (!ReadFile(QStringLiteral("proc/self/mounts"), text, kMaxStatFileSize))
        return false;
    QVector<StatFileSystem> list;
    for (const QByteArray& line : text.split('\n')) {
        const QList<QByteArray> f = line.split(' ');
        if (f.size() < 3 || f[1].isEmpty())
            continue;
        const QString kind = FileSystemClass(QString::fromLatin1(f[2]));
        if (kind.isEmpty())
            continue;
        const QString dir = DecodeMountField(f[1]);
        // A folder mounted over again shows the later mount, in the place of the first.
        auto same = std::find_if(list.begin(), list.end(), [&](const StatFileSystem& fs) { return fs.dirName == dir; });
        if (same != list.end()) {
            same->typeName = kind;
            continue;
        }
        list.append(StatFileSystem{dir, kind});
    }
    fileSystems = list;
    return true;
}

StatFsUsage ProcStatSource::UsageFromBlocks(quint64 blocks, quint64 freeBlocks, quint64 availBlocks,
                                            quint64 blockSize) {
    StatFsUsage usage;
    if (freeBlocks > blocks)
        freeBlocks = blocks;
    const quint64 used = blocks - freeBlocks;
    const quint64 kB = blockSize / 1024;
    const double perKB = double(blockSize) / 1024.0;
    usage.totalKB = kB ? blocks * kB : quint64(double(blocks) * perKB);
    usage.usedKB = kB ? used * kB : quint64(double(used) * perKB);
    const double denominator = double(used) + double(availBlocks);
    usage.usePercent = denominator > 0 ? double(used) / denominator : 0.0;
    return usage;
}

bool ProcStatSource::StatVfs(const QByteArray& path, quint64& blocks, quint64& freeBlocks, quint64& availBlocks,
                             quint64& blockSize) {
    struct statvfs st;
    if (::statvfs(path.constData(), &st) != 0)
        return false;
    blocks = st.f_blocks;
    freeBlocks = st.f_bfree;
    availBlocks = st.f_bavail;
    blockSize = st.f_frsize ? st.f_frsize : st.f_bsize;
    return true;
}

bool ProcStatSource::GetFileSystemUsage(const QString& dirName, StatFsUsage& usage) {
    QString relative = dirName;
    while (relative.startsWith(QLatin1Char('/')))
        relative.remove(0, 1);
    quint64 blocks = 0, freeBlocks = 0, availBlocks = 0, blockSize = 0;
    if (!StatVfs(Path(relative), blocks, freeBlocks, availBlocks, blockSize)) {
        Report(QLatin1String("usage ") + dirName, QStringLiteral("cannot read the usage of %1").arg(dirName));
        return false;
    }
    usage = UsageFromBlocks(blocks, freeBlocks, availBlocks, blockSize);
    Clear(QLatin1String("usage ") + dirName);
    return true;
}

bool ProcStatSource::GetProcList(QVector<qint64>& pids) {
    const QByteArray path = Path(QStringLiteral("proc"));
    DIR* dir = ::opendir(path.constData());
    if (!dir) {
        Report(QStringLiteral("proc"), QStringLiteral("cannot list the processes"));
        return false;
    }
    QVector<qint64> list;
    while (dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (*name < '1' || *name > '9')
            continue;
        qint64 pid = 0;
        bool number = true;
        for (const char* c = name; *c && number; ++c) {
            number = *c >= '0' && *c <= '9' && pid < (qint64(1) << 40);
            pid = pid * 10 + (*c - '0');
        }
        if (number)
            list.append(pid);
    }
    ::closedir(dir);
    pids = list;
    Clear(QStringLiteral("proc"));
    return true;
}

bool ProcStatSource::GetProcExe(qint64 pid, QString& path) {
    const QByteArray link = Path(QStringLiteral("proc/%1/exe").arg(pid));
    char buffer[PATH_MAX + 1];
    const ssize_t n = ::readlink(link.constData(), buffer, sizeof(buffer));
    // Kernel threads have no program; other users' processes may not be readable.
    if (n <= 0 || n >= ssize_t(sizeof(buffer)))
        return false;
    path = QFile::decodeName(QByteArray(buffer, int(n)));
    return true;
}

void ProcStatSource::GetCpuClocks(int count, int* clocks, float* fractions) {
    for (int i = 0; i < count && i < kMaxCpuSensors; ++i) {
        const QString base = QStringLiteral("sys/devices/system/cpu/cpu%1/cpufreq/").arg(i);
        qint64 current = 0, highest = 0;
        if (!ReadSmallNumber(Path(base + QLatin1String("scaling_cur_freq")), current) || current <= 0 ||
            current > 1000LL * 1000 * 1000)
            break;
        clocks[i] = int(current / 1000); // kHz
        if (ReadSmallNumber(Path(base + QLatin1String("cpuinfo_max_freq")), highest) && highest > 0)
            fractions[i] = float(double(current) / double(highest));
    }
}

void ProcStatSource::GetCpuTemperatures(int count, float* temperatures) {
    // Sensor chips of processors; their temperature inputs in index order fill the CPUs in turn.
    static const QStringList cpuChips = {QStringLiteral("coretemp"), QStringLiteral("k10temp"),
                                         QStringLiteral("zenpower"), QStringLiteral("cpu_thermal")};
    const QDir hwmon(m_root + QStringLiteral("sys/class/hwmon"));
    int filled = 0;
    const QStringList chips = hwmon.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& chip : chips) {
        QByteArray name;
        if (!ReadFile(QStringLiteral("sys/class/hwmon/%1/name").arg(chip), name, 256) ||
            !cpuChips.contains(QString::fromLatin1(name.trimmed())))
            continue;
        QList<int> indexes;
        const QStringList inputs =
            QDir(hwmon.filePath(chip)).entryList({QStringLiteral("temp*_input")}, QDir::Files | QDir::System);
        for (const QString& input : inputs) {
            bool ok = false;
            const int index = input.mid(4, input.size() - 10).toInt(&ok);
            if (ok)
                indexes.append(index);
        }
        std::sort(indexes.begin(), indexes.end());
        for (int index : indexes) {
            if (filled >= count)
                return;
            qint64 milli = 0;
            if (ReadSmallNumber(Path(QStringLiteral("sys/class/hwmon/%1/temp%2_input").arg(chip).arg(index)), milli) &&
                milli > -300000 && milli < 1000000)
                temperatures[filled++] = float(milli) / 1000.0f;
        }
    }
}

void ProcStatSource::Report(const QString& key, const QString& message) const {
    auto it = m_reported.find(key);
    if (it != m_reported.end() && *it == message)
        return;
    m_reported.insert(key, message);
    StatLog(StatLogDebug, message);
}

void ProcStatSource::Clear(const QString& key) const {
    if (!m_reported.isEmpty())
        m_reported.remove(key);
}

void StatLog(int level, const QString& message) {
    const QByteArray text = message.toUtf8();
    switch (level) {
    case StatLogFatal:
        QLOG_FATAL() << "Sigar:" << text.constData();
        break;
    case StatLogError:
        QLOG_ERROR() << "Sigar:" << text.constData();
        break;
    case StatLogWarn:
        QLOG_WARN() << "Sigar:" << text.constData();
        break;
    case StatLogInfo:
        QLOG_INFO() << "Sigar:" << text.constData();
        break;
    case StatLogDebug:
        QLOG_DEBUG() << "Sigar:" << text.constData();
        break;
    case StatLogTrace:
        QLOG_TRACE() << "Sigar:" << text.constData();
        break;
    default:
        break;
    }
}

} // namespace PAL_INT
