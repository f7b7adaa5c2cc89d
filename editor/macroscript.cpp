#include "editor/macroscript.h"

#include "functions/macrosteps.h"
#include "functions/pal/keynames.h"
#include "functions/pal/pal.h"

#include <QSet>

namespace {

const QLatin1String kDown("d ");
const QLatin1String kUp("u ");
const QLatin1String kPress("p ");
const QLatin1String kText("t ");

bool IsModifierName(const QString& name) {
    static const QSet<QString> names = {
        QStringLiteral("SHIFT"), QStringLiteral("LSHIFT"), QStringLiteral("RSHIFT"), QStringLiteral("ALT"),
        QStringLiteral("LALT"),  QStringLiteral("RALT"),   QStringLiteral("CTRL"),   QStringLiteral("LCTRL"),
        QStringLiteral("RCTRL"), QStringLiteral("WIN"),    QStringLiteral("LWIN"),   QStringLiteral("RWIN"),
    };
    return names.contains(name);
}

// Splits a press step's text into key and shift; false when the press cannot become typed text.
bool TypeablePress(const QString& step, QString& key, bool& shifted) {
    const QString body = step.mid(2);
    const QStringList parts = body.split(QLatin1Char('+'));
    key = parts.last();
    shifted = false;
    if (parts.size() > 1) {
        const QString& mod = parts.first();
        if (mod.contains(QLatin1Char(',')))
            return false;
        if (mod != QLatin1String("SHIFT") && mod != QLatin1String("LSHIFT") && mod != QLatin1String("RSHIFT"))
            return false;
        shifted = true;
    }
    QString shown = key;
    if (shown == QLatin1String("SPACE"))
        shown = QStringLiteral(" ");
    else if (shown == QLatin1String("PLUS"))
        shown = QStringLiteral("+");
    return shown.size() <= 1;
}

// The character a typeable press types, as the key-name tables give it back.
QString PressText(const QString& key, bool shifted) {
    QList<quint32> modifiers;
    quint32 code = PAL::ParseShortcut(key, modifiers);
    if (shifted)
        code |= quint32(KMF_LShift) << 24;
    QString text = KeyCodeTranslate(code);
    if (text == QLatin1String("SPACE"))
        text = QStringLiteral(" ");
    else if (text == QLatin1String("PLUS"))
        text = QStringLiteral("+");
    if (!shifted)
        text = text.toLower();
    return text;
}

} // namespace

QString MacroScript::Compact(const QString& script) {
    QStringList steps = MacroSteps::Split(script);

    // Pairs: a key's down directly followed by its up is one press.
    for (int i = 1; i < steps.size(); ++i) {
        const QString& a = steps.at(i - 1);
        const QString& b = steps.at(i);
        if (a.startsWith(kDown) && b.startsWith(kUp) && a.mid(2) == b.mid(2)) {
            steps[i - 1] = kPress + a.mid(2);
            steps.removeAt(i);
        }
    }

    // Modifier triples: a press framed by a modifier's down and up.
    for (int k = 1; k + 1 < steps.size(); ++k) {
        const QString& a = steps.at(k - 1);
        const QString& p = steps.at(k);
        const QString& b = steps.at(k + 1);
        if (!a.startsWith(kDown) || !b.startsWith(kUp) || !p.startsWith(kPress) || a.mid(2) != b.mid(2))
            continue;
        const QString mod = a.mid(2).trimmed().toUpper();
        if (!IsModifierName(mod))
            continue;
        steps[k - 1] = kPress + mod + QLatin1Char('+') + p.mid(2);
        steps.erase(steps.begin() + k, steps.begin() + k + 2);
    }

    // Text runs: a press of a typeable key joins the text (or typeable press) before it.
    for (int j = 0; j + 1 < steps.size(); ++j) {
        const QString& a = steps.at(j);
        const QString& b = steps.at(j + 1);
        const bool aText = a.startsWith(kText);
        if (!(aText || a.startsWith(kPress)) || !b.startsWith(kPress))
            continue;
        QString aKey, bKey;
        bool aShift = false, bShift = false;
        if (!aText && !TypeablePress(a, aKey, aShift))
            continue;
        if (!TypeablePress(b, bKey, bShift))
            continue;
        const QString first = aText ? a.mid(2) : PressText(aKey, aShift);
        steps[j] = kText + first + PressText(bKey, bShift);
        steps.removeAt(j + 1);
    }

    return MacroSteps::Join(steps);
}
