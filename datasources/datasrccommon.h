#pragma once
// Rules every data source shares: the entry key of a timed item and the reading of boolean settings.

#include <QString>
#include <QVariantMap>

namespace DataSrcCommon {

// The string hash of the toolkit generation whose values the stored entry keys were made with; Qt 5 seeds its
// own per process, which would give an item a different key at each start.
uint StableStringHash(const QString& text);

// The entry key of an item: its time in milliseconds cut to the whole second, plus 0-999 from the hash of the
// key text (the item's id), so items of the same second rarely collide. 0 when the time is 0.
qint64 EntryKey(qint64 timeMs, const QString& keyText);

// A boolean setting is true only when the key is present and its text is neither "0" nor "false".
bool SettingIsTrue(const QVariantMap& settings, const QString& key);

} // namespace DataSrcCommon
