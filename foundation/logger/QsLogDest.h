#pragma once
// Where finished log lines go: a file rewritten at each start, or the debug output (stderr here).

#include <QFile>
#include <QString>

namespace QsLogging {

class Destination {
public:
    virtual ~Destination() = default;
    virtual void write(const QString& message) = 0;
};

// Each run may write at most maxBytes into the file: a peer on the network or a loop in a script must not fill
// the disk. When the next line would pass the limit, one notice says so and the rest of the run is left out.
class FileDestination : public Destination {
public:
    static constexpr qint64 DefaultMaxBytes = 8 * 1024 * 1024;

    explicit FileDestination(const QString& filePath, qint64 maxBytes = DefaultMaxBytes);
    ~FileDestination() override;
    void write(const QString& message) override;

private:
    QFile mFile;
    qint64 mMaxBytes;
    qint64 mWritten = 0;
    bool mFull = false;
};

class DebugOutputDestination : public Destination {
public:
    void write(const QString& message) override;
};

// The caller owns the result and removes it from the logger before deleting it.
Destination* MakeFileDestination(const QString& filePath, qint64 maxBytes = FileDestination::DefaultMaxBytes);
Destination* MakeDebugOutputDestination();

} // namespace QsLogging
