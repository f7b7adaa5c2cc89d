#include "server/netjson.h"

#include "foundation/json.h"
#include "foundation/logger/QsLog.h"

namespace NetJson {

QByteArray Compact(const QVariant& value) {
    QString error;
    const QByteArray text = JsonSerialize(value, error, JsonCompact);
    if (!error.isEmpty()) {
        QLOG_ERROR() << "NetJson::Compact:" << error;
        return QByteArray();
    }
    return text;
}

} // namespace NetJson
