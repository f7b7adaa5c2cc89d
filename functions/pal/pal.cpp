#include "functions/pal/pal.h"

#include "foundation/helpers.h"
#include "foundation/logger/QsLog.h"

#include <QFile>
#include <QMutex>
#include <QSettings>
#include <QStandardPaths>
#include <QUuid>

namespace {
// Keys the machine identifier; the phone and the stored encrypted settings depend on it staying unchanged.
const char kMachineIdKey[] = "LatchNameR";
// The system's own identity file; a generated id stands in where it is missing or blank.
const char kSystemMachineIdFile[] = "/etc/machine-id";
const char kMachineGuidValue[] = "MachineGuid";
// Identity files are one short line; anything longer is not one.
constexpr qint64 kMaxMachineIdFileSize = 1024;
} // namespace

// ---- Identity ----

QString PAL::GetMachineId() {
    // Settings may be decrypted off the main thread, so the cache is guarded.
    static QMutex mutex;
    static QString cached;
    QMutexLocker lock(&mutex);
    if (!cached.isEmpty())
        return cached;
    const QString guid =
        PAL_INT::ReadMachineGuid(QString::fromLatin1(kSystemMachineIdFile), PAL_INT::MachineGuidSettingsPath());
    if (guid.isEmpty()) {
        QLOG_WARN() << "PAL::GetMachineId: no machine identity available";
        return QString();
    }
    cached = HmacSha1Base64(guid.toUtf8(), QString::fromLatin1(kMachineIdKey));
    return cached;
}

namespace PAL_INT {

QString ReadMachineGuid(const QString& machineIdPath, const QString& settingsPath) {
    QFile file(machineIdPath);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray text = file.read(kMaxMachineIdFileSize).trimmed();
        if (!text.isEmpty())
            return QString::fromUtf8(text);
    }

    QSettings settings(settingsPath, QSettings::IniFormat);
    const QString stored = settings.value(QString::fromLatin1(kMachineGuidValue)).toString().trimmed();
    if (!stored.isEmpty() && settings.status() == QSettings::NoError)
        return stored;
    if (settings.status() != QSettings::NoError) {
        // Never replace an identity we merely failed to read: encrypted settings depend on it.
        QLOG_WARN() << "PAL_INT::ReadMachineGuid: cannot read" << settingsPath;
        return QString();
    }
    const QString generated = QUuid::createUuid().toString(QUuid::WithoutBraces);
    settings.setValue(QString::fromLatin1(kMachineGuidValue), generated);
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        // An id we cannot keep would change at the next start, so report none instead.
        QLOG_WARN() << "PAL_INT::ReadMachineGuid: cannot store a machine identity in" << settingsPath;
        return QString();
    }
    return generated;
}

QString MachineGuidSettingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/MERVEX/machine-id.ini");
}

} // namespace PAL_INT
