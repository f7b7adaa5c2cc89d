#include "datasources/datasrccommon.h"

namespace DataSrcCommon {

uint StableStringHash(const QString& text) {
    uint h = 0;
    for (const QChar c : text) {
        h = (h << 4) + c.unicode();
        h ^= (h & 0xf0000000u) >> 23;
        h &= 0x0fffffffu;
    }
    return h;
}

qint64 EntryKey(qint64 timeMs, const QString& keyText) {
    if (timeMs == 0)
        return 0;
    const qint64 base = (timeMs / 1000) * 1000;
    const uint h = StableStringHash(keyText);
    const qint64 d = qint64(((h >> 16) ^ (h & 0xFFFFu)) % 1000u);
    return base + d;
}

bool SettingIsTrue(const QVariantMap& settings, const QString& key) {
    const auto it = settings.constFind(key);
    if (it == settings.constEnd())
        return false;
    const QString text = it.value().toString();
    return text != QLatin1String("0") && text != QLatin1String("false");
}

} // namespace DataSrcCommon
