#pragma once
// What the screenshot tests share: where their pictures go, the language they run in, and the texts a widget
// tree clips.

#include "widgets/btnadd2grid.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDebug>
#include <QDir>
#include <QHash>
#include <QLabel>
#include <QLocale>
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

// Translations known to be too long for their place, per language, until the translators shorten them: such a
// line is logged and let through; any other clipped text fails. Take an entry out once its text is changed.
inline bool KnownTooLong(const QString& line) {
    static const QHash<QString, QStringList> known = {
        {QStringLiteral("de"), {QStringLiteral("Hinzugefügt")}},
        {QStringLiteral("ru"),
         {QStringLiteral("Добавлено"), QStringLiteral("Выполнить сопряжение с этим устройством?")}},
        {QStringLiteral("es"),
         {QStringLiteral("INTERCAMBIE SUS CONTROLES Y CUADRÍCULAS."), QStringLiteral("CUADRÍCULAS PREDEFINIDAS"),
          QStringLiteral("Inactivo (emparejado)"), QStringLiteral("CUADRÍCULA")}},
        {QStringLiteral("fr"), {QStringLiteral("Mot de passe\u00a0:")}},
    };
    if (!known.value(Language()).contains(line))
        return false;
    qInfo().noquote() << "too long, waiting for a shorter translation:" << line;
    return true;
}

// Visible texts wider (any of their lines) or taller than the room their widget gives them.
inline QStringList ClippedTexts(QWidget* top) {
    QStringList clipped;
    for (QLabel* l : top->findChildren<QLabel*>()) {
        if (!l->isVisibleTo(top) || l->wordWrap() || l->text().isEmpty() || Qt::mightBeRichText(l->text()))
            continue;
        const QFontMetrics fm(l->font());
        for (const QString& line : l->text().split(QLatin1Char('\n')))
            if (fm.horizontalAdvance(line) > l->contentsRect().width() && !KnownTooLong(line))
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
            if (QFontMetrics(b->font()).horizontalAdvance(line) > room && !KnownTooLong(line))
                clipped << b->objectName() + QStringLiteral(": ") + line;
    }
    // The add-to-grid button draws its two lines itself: a small first line, a large second one, beside its icon.
    for (BtnAdd2Grid* b : top->findChildren<BtnAdd2Grid*>()) {
        if (!b->isVisibleTo(top) || b->twoLineText.isEmpty())
            continue;
        QFont f = b->font();
        f.setPixelSize(10);
        for (const QString& line : b->twoLineText.split(QLatin1Char('\n'))) {
            if (QFontMetrics(f).horizontalAdvance(line) > b->width() - 32 && !KnownTooLong(line))
                clipped << b->objectName() + QStringLiteral(": ") + line;
            f.setPixelSize(20);
        }
    }
    return clipped;
}

} // namespace Screenshots
