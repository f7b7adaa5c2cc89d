#pragma once
// What the screenshot tests share: where their pictures go, the language they run in, and the texts a widget
// tree clips or shows past its window's edge.

#include "widgets/btnadd2grid.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QDebug>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QStringList>
#include <QTextDocument>
#include <QWidget>

namespace Screenshots {

// MERVEX_SCREEN_DIR when set, else the temporary folder.
inline QString Folder() {
    const QString dir = qEnvironmentVariable("MERVEX_SCREEN_DIR");
    return dir.isEmpty() ? QDir::tempPath() : dir;
}

// The language a screenshot test shows the program in: MERVEX_SCREEN_LANGUAGE (CTest runs the review tests once
// per offered language), else the system's, as the program picks it.
inline QString Language() {
    const QString code = qEnvironmentVariable("MERVEX_SCREEN_LANGUAGE");
    return code.isEmpty() ? QLocale::system().name().left(2) : code;
}

// Saves a grab of the widget as <name>.png in Folder() (<name>_<code>.png in another language than English)
// and says where.
inline bool Save(QWidget* w, const QString& name) {
    const QString suffix = Language() == QLatin1String("en") ? QString() : QLatin1Char('_') + Language();
    const QString path = Folder() + QLatin1Char('/') + name + suffix + QStringLiteral(".png");
    const bool ok = w->grab().save(path, "PNG");
    qInfo().noquote() << "screenshot:" << path;
    return ok;
}

// Visible texts wider (any of their lines) or taller than the room their widget gives them, and visible buttons
// that reach past the edge of their window, where a longer text beside them pushed them.
inline QStringList ClippedTexts(QWidget* top) {
    QStringList clipped;
    for (QAbstractButton* w : top->findChildren<QAbstractButton*>()) {
        if (!w->isVisibleTo(top))
            continue;
        // What lies in a scroll area moves into view with it.
        bool scrolled = false;
        for (QWidget* p = w->parentWidget(); p && !p->isWindow() && !scrolled; p = p->parentWidget())
            scrolled = qobject_cast<QAbstractScrollArea*>(p) != nullptr;
        const QRect inWindow(w->mapTo(w->window(), QPoint(0, 0)), w->size());
        if (!scrolled && !w->window()->rect().contains(inWindow))
            clipped << w->objectName() + QStringLiteral(" (past the window's edge)");
    }
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
    // The add-to-grid button draws its two lines itself: a small first line, a large second one, beside its icon.
    for (BtnAdd2Grid* b : top->findChildren<BtnAdd2Grid*>()) {
        if (!b->isVisibleTo(top) || b->twoLineText.isEmpty())
            continue;
        QFont f = b->font();
        f.setPixelSize(10);
        for (const QString& line : b->twoLineText.split(QLatin1Char('\n'))) {
            if (QFontMetrics(f).horizontalAdvance(line) > b->width() - 32)
                clipped << b->objectName() + QStringLiteral(": ") + line;
            f.setPixelSize(20);
        }
    }
    return clipped;
}

} // namespace Screenshots
