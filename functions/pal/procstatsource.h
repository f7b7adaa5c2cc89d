#pragma once
// The statistics back-end of Linux: /proc and /sys below a root folder ("/" in the program; a fixture
// folder in tests).

#include "functions/pal/statsource.h"

#include <QByteArray>
#include <QHash>

namespace PAL_INT {

class ProcStatSource : public StatSource {
public:
    explicit ProcStatSource(const QString& root = QStringLiteral("/"));

    bool GetMem(StatMem& mem) override;
    bool GetCpuList(QVector<StatCpu>& cpus) override;
    bool GetPrimaryInterface(StatNetConfig& config) override;
    bool GetInterfaceCounters(const QString& name, StatNetCounters& counters) override;
    bool GetFileSystems(QVector<StatFileSystem>& fileSystems) override;
    bool GetFileSystemUsage(const QString& dirName, StatFsUsage& usage) override;
    bool GetProcList(QVector<qint64>& pids) override;
    bool GetProcExe(qint64 pid, QString& path) override;
    void GetCpuClocks(int count, int* clocks, float* fractions) override;
    void GetCpuTemperatures(int count, float* temperatures) override;

    // The file-system class of a mount's type: "local", "remote", "cdrom", or empty for the kinds that are
    // not drives (proc, tmpfs, cgroup...).
    static QString FileSystemClass(const QString& type);
    // Usage from statvfs figures, as df reckons it: used = blocks - free; the fraction over used + available.
    static StatFsUsage UsageFromBlocks(quint64 blocks, quint64 freeBlocks, quint64 availBlocks, quint64 blockSize);

protected:
    // The address of an interface; false when it has none. Reads the live system; tests replace it.
    virtual bool InterfaceAddress(const QString& name, quint32& ipv4, bool& ipv6);
    // statvfs of a mount point (below the root); tests replace it.
    virtual bool StatVfs(const QByteArray& path, quint64& blocks, quint64& freeBlocks, quint64& availBlocks,
                         quint64& blockSize);

    // The whole of a small system file, at most maxSize bytes; false when it cannot be read or is longer.
    bool ReadFile(const QString& relativePath, QByteArray& content, qint64 maxSize = 256 * 1024) const;
    QByteArray Path(const QString& relativePath) const;

private:
    // A failure is logged once, and again only after its query worked in between: the thread retries a failed
    // query at every tick.
    void Report(const QString& key, const QString& message) const;
    void Clear(const QString& key) const;

    QString m_root; // ends with '/'
    mutable QHash<QString, QString> m_reported;
};

} // namespace PAL_INT
