#pragma once
// The two plain requests of the phone ("GetInfo", "GetRsc") and the reply writer.

#include <QByteArray>
#include <QMap>
#include <QString>

class QIODevice;

// What the replies need from the rest of the program; the server fills it in (tests use a fake).
class IHttpInfoSource {
public:
    virtual ~IHttpInfoSource() = default;
    virtual QString ComputerName() const = 0; // as stored when the server opened
    virtual QString OsName() const = 0;       // asked anew for every reply
    virtual QString MachineId() const = 0;    // as stored when the server opened
    // Image or sound bytes for a content id at a scale in [0.125, 1]; empty when unknown.
    virtual QByteArray GetRscData(quint64 id, double scale) const = 0;
};

class HttpReply {
public:
    // Bodies up to this size are never compressed.
    static constexpr int GzipThreshold = 256;

    // Body for "GetInfo" or "GetRsc"; empty for any other path.
    static QByteArray HandleHttpGet(const QString& path, const QMap<QString, QString>& query,
                                    const IHttpInfoSource& source);
    // The scale a "GetRsc" query asks for ("sc" wins over the divisor "is"), held in [0.125, 1].
    static double RscScale(const QMap<QString, QString>& query);
    // The "GetInfo" line (also the discovery answer's values): name, OS name with '_' for blanks, id.
    static QString InfoText(const IHttpInfoSource& source);
    static QString InfoText(const QString& computerName, QString osName, const QString& machineId);
    // One complete "200 OK" reply; bodies over GzipThreshold go gzip-compressed when that is smaller.
    static QByteArray BuildHttpResponse(const QByteArray& body);
    // Writes BuildHttpResponse in one write; nothing when the device is null or not open.
    static void WriteHttpResponse(QIODevice* device, const QByteArray& body);
};
