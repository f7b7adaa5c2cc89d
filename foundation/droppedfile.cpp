#include "foundation/droppedfile.h"

#include <QMimeData>
#include <QString>
#include <QUrl>

QString DroppedFilePath(const QMimeData* mime) {
    if (!mime)
        return QString();
    const QString fileNameW = QStringLiteral("FileNameW");
    QString path;
    if (mime->hasFormat(fileNameW)) {
        const QByteArray raw = mime->data(fileNameW);
        path = QString::fromUtf16(reinterpret_cast<const char16_t*>(raw.constData()), raw.size() / 2);
        const int end = path.indexOf(QChar(0));
        if (end >= 0)
            path.truncate(end);
    } else if (mime->hasUrls() && !mime->urls().isEmpty()) {
        path = mime->urls().first().toLocalFile();
    }
    return path.trimmed();
}
