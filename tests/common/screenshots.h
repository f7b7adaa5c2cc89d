#pragma once
// What the screenshot tests share: where their pictures go, and the texts a widget tree clips.

#include <QAbstractButton>
#include <QCheckBox>
#include <QDebug>
#include <QDir>
#include <QLabel>
#include <QTextDocument>
#include <QWidget>

namespace Screenshots {

// MERVEX_SCREEN_DIR when set, else the temporary folder.
inline QString Folder() {
    const QString dir = qEnvironmentVariable("MERVEX_SCREEN_DIR");
    return dir.isEmpty() ? QDir::tempPath() : dir;
}

// Saves a grab of the widget as <name>.png in Folder() and says where.
inline bool Save(QWidget* w, const QString& name) {
    const QString path = Folder() + QLatin1Char('/') + name + QStringLiteral(".png");
    const bool ok = w->grab().save(path, "PNG");
    qInfo().noquote() << "screenshot:" << path;
    return ok;
}

// Visible texts wider (any of their lines) or taller than the room their widget gives them.
inline QStringList ClippedTexts(QWidget* top) {
    QStringList clipped;
    for (QLabel* l : top->findChildren<QLabel*>()) {
        if (!l->isVisibleTo(top) || l->wordWrap() || l->text().isEmpty() || Qt::mightBeRichText(l->text()))
            continue;
        const QFontMetrics fm(l->font());
        for (const QString& line : l->text().split(QLatin1Char('\n')))
            if (fm.horizontalAdvance(line) > l->contentsRect().width())
                clipped << l->objectName() + QStringLiteral(": ") + line;
        if (l->text().count(QLatin1Char('\n')) * fm.lineSpacing() + fm.height() > l->contentsRect().height())
            clipped << l->objectName() + QStringLiteral(" (height): ") + l->text();
    }
    for (QAbstractButton* b : top->findChildren<QAbstractButton*>()) {
        if (!b->isVisibleTo(top) || b->text().isEmpty())
            continue;
        // A check box's text starts after its box.
        const int room = qobject_cast<QCheckBox*>(b) ? b->width() - 20 : b->width();
        for (const QString& line : b->text().split(QLatin1Char('\n')))
            if (QFontMetrics(b->font()).horizontalAdvance(line) > room)
                clipped << b->objectName() + QStringLiteral(": ") + line;
    }
    return clipped;
}

} // namespace Screenshots
