#pragma once
// The display tests run with the toolkit's GL integration off: no window of the program draws with GL, and a
// GL driver brings its own leaks, which differ between machines. Each of them asks at its end whether one
// was loaded all the same.

#include <QFile>
#include <QList>
#include <QString>

// The path of a GL driver module (Mesa's DRI drivers) mapped into this process, or empty.
inline QString LoadedGlDriver() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return QStringLiteral("(cannot read /proc/self/maps)");
    // Read to the end: the file's size says 0, so it has no "end" to test for before.
    const QList<QByteArray> lines = maps.readAll().split('\n');
    for (const QByteArray& line : lines) {
        const int path = line.indexOf('/');
        if (path >= 0 && (line.contains("/dri/") || line.contains("_dri.so")))
            return QString::fromLocal8Bit(line.mid(path).trimmed());
    }
    return QString();
}
