#pragma once
// Helpers of the loading tests: fixture folders copied to a temporary place, and grid signing with the
// project's signing script.

#include "config/datacfgrecords.h"
#include "config/gridsigverifier.h"
#include "foundation/json.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

inline QString FixtureDir(const char* name) {
    return QStringLiteral(MERVEX_TEST_SOURCE_DIR "/fixtures/") + QLatin1String(name);
}

// Copies every file below from into to (created as needed).
inline bool CopyTree(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = to + QLatin1Char('/') + QDir(from).relativeFilePath(src);
        QDir().mkpath(QFileInfo(dst).absolutePath());
        if (!QFile::copy(src, dst))
            return false;
    }
    return true;
}

inline QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool WriteAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// Runs a program without passing its output on; its exit code, or -1.
inline int RunQuiet(const QString& program, const QStringList& args) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return -1;
    return p.exitCode();
}

inline QString SignScript() {
    return QDir::cleanPath(QStringLiteral(MERVEX_TEST_SOURCE_DIR "/../../tools/signing/sign-grid.sh"));
}

// Signs the grid's signing form with the script into dataDir/Signatures/; an empty key means the project's.
inline bool SignGrid(const DataCfg::TGrid& grid, const QString& dataDir, const QString& privateKey = QString()) {
    QDir().mkpath(dataDir + QStringLiteral("/Signatures"));
    const QString data = dataDir + QStringLiteral("/grid.bytes");
    if (!WriteAll(data, JsonSerializeCompact(grid.Write())))
        return false;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!privateKey.isEmpty())
        env.insert(QStringLiteral("GRID_SIGNING_KEY"), privateKey);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral("bash"),
            {SignScript(), data,
             dataDir + QStringLiteral("/Signatures/") + GridSigVerifier::SignatureFileName(grid.GetKey())});
    const bool ok = p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    QFile::remove(data);
    return ok;
}
