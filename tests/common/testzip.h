#pragma once
// Small zip archives for tests, written straight through QuaZip: the entries in the order given, their names
// stored as given (UTF-8), however hostile.

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

using ZipEntries = QList<QPair<QString, QByteArray>>;

inline bool MakeZip(const QString& path, const ZipEntries& entries) {
    QuaZip zip(path);
    zip.setFileNameCodec("UTF-8");
    if (!zip.open(QuaZip::mdCreate))
        return false;
    QuaZipFile out(&zip);
    for (const auto& e : entries) {
        if (!out.open(QIODevice::WriteOnly, QuaZipNewInfo(e.first)))
            return false;
        out.write(e.second);
        out.close();
    }
    zip.close();
    return zip.getZipError() == 0;
}
