#pragma once
// Helpers of the configuration-model tests: JSON fixtures as maps and a log recorder.

#include "foundation/logger/QsLog.h"
#include "foundation/logger/QsLogDest.h"

#include <QJsonDocument>
#include <QStringList>
#include <QVariantMap>

// A map from a JSON object text (single quotes stand for double quotes, to keep fixtures readable).
inline QVariantMap J(const char* json) {
    QByteArray text(json);
    text.replace('\'', '"');
    QJsonParseError err;
    const QJsonDocument doc = QJsonDocument::fromJson(text, &err);
    if (err.error != QJsonParseError::NoError)
        qFatal("bad fixture: %s", qPrintable(err.errorString()));
    return doc.toVariant().toMap();
}

// Records every log line written while it lives.
class LogRecorder : public QsLogging::Destination {
public:
    QStringList lines;
    LogRecorder() {
        GetLogger().SetLevel(QsLogging::TraceLevel);
        GetLogger().AddDestination(this);
    }
    ~LogRecorder() override { GetLogger().RemoveDestination(this); }
    void write(const QString& line) override { lines << line; }
    bool Has(const QString& part) const {
        for (const QString& l : lines) {
            if (l.contains(part))
                return true;
        }
        return false;
    }
};
