#pragma once
// A live data feed that control scripts read by the source's name: a store of entries fetched on demand.

#include "functions/ipluginbase.h"

#include <QMap>

class IIncomingDataSource : public IPluginBase {
    Q_OBJECT
public:
    explicit IIncomingDataSource(QObject* parent = nullptr) : IPluginBase(parent) {}

    // The entries, oldest first: key = the entry's time in milliseconds (see the sources for the low digits),
    // value = the entry map ("title", "text", "link", "id", "time", "icon"). Empty while inactive.
    virtual QMap<qint64, QVariantMap> GetEntries() = 0;
    virtual bool IsActive() = 0;
};

#define IIncomingDataSource_iid "org.mervex.vellichor.IIncomingDataSource"
Q_DECLARE_INTERFACE(IIncomingDataSource, IIncomingDataSource_iid)
