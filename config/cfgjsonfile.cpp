#include "config/cfgjsonfile.h"

#include "foundation/json.h"
#include "foundation/logger/QsLog.h"

#include <QFile>
#include <QFileInfo>

namespace CfgJsonFile {

Result Read(const QString& path, QVariantMap& map, QString& error, QString* canonical) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Result::NotOpened;
    if (file.size() > kMaxBytes) {
        error = QStringLiteral("file too large: %1 bytes").arg(file.size());
        return Result::Invalid;
    }
    if (canonical)
        *canonical = QFileInfo(file).canonicalFilePath();
    const QVariant value = JsonParseText(QString::fromUtf8(file.readAll()), error);
    if (!error.isEmpty())
        return Result::Invalid;
    map = value.toMap();
    return Result::Ok;
}

bool Load(const QString& path, QVariantMap& map, QString* canonical) {
    QString error;
    switch (Read(path, map, error, canonical)) {
    case Result::NotOpened:
        return false;
    case Result::Invalid:
        QLOG_DEBUG() << error;
        return false;
    case Result::Ok:
        break;
    }
    return true;
}

} // namespace CfgJsonFile
