#pragma once
// Where finished log lines go: a file rewritten at each start, or the debug output (stderr here).

#include <QFile>
#include <QString>
#include <QTextStream>

namespace QsLogging {

class Destination {
public:
    virtual ~Destination() = default;
    virtual void write(const QString& message) = 0;
};

class FileDestination : public Destination {
public:
    explicit FileDestination(const QString& filePath);
    ~FileDestination() override;
    void write(const QString& message) override;

private:
    QFile mFile;
    QTextStream mOutputStream;
};

class DebugOutputDestination : public Destination {
public:
    void write(const QString& message) override;
};

// The caller owns the result and removes it from the logger before deleting it.
Destination* MakeFileDestination(const QString& filePath);
Destination* MakeDebugOutputDestination();

} // namespace QsLogging
