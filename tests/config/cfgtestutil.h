#pragma once
// Helpers of the configuration-model tests: JSON fixtures as maps and a log recorder.

#include "foundation/logger/QsLog.h"
#include "tests/common/logcapture.h"

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
