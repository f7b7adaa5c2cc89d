#include "netjson.h"

#include <QJsonDocument>

namespace NetJson {

QByteArray Compact(const QVariant& value)
{
    return QJsonDocument::fromVariant(value).toJson(QJsonDocument::Compact);
}

} // namespace NetJson
