#include "functions/macromat.h"

#include "foundation/helpers.h"
#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "functions/macrosteps.h"
#include "functions/pal/keynames.h"
#include "functions/pal/pal.h"

#include <QDateTime>

namespace {

Macromat::StoredMacroLookup g_storedMacroLookup;

bool StartsWithCommand(const QString& step, char letter) {
    return step.size() >= 2 && step.at(0).toLower() == QLatin1Char(letter) && step.at(1) == QLatin1Char(' ');
}

bool IsPause(const QString& step) {
    return !step.isEmpty() && step.at(0).isDigit();
}

// A pause step in milliseconds; a step that is not wholly a number (or too large for one) counts as 0.
qint64 PauseMs(const QString& step) {
    bool ok = false;
    const int ms = step.toInt(&ok);
    return ok && ms > 0 ? ms : 0;
}

// The button of a mouse step's rest: the last of " r", " m", " w" that it contains, else the left one.
int MouseButtonOf(const QString& rest) {
    const QString lower = rest.toLower();
    int button = 0;
    if (lower.contains(QLatin1String(" r")))
        button = 1;
    if (lower.contains(QLatin1String(" m")))
        button = 2;
    if (lower.contains(QLatin1String(" w")))
        button = 3;
    return button;
}

} // namespace

Macromat::Macromat(QObject* parent) : MacroPlayer(parent) {}

Macromat::~Macromat() {
    // A player destroyed mid-macro must not leave keys down.
    ReleaseAll();
}

void Macromat::SetStoredMacroLookup(const StoredMacroLookup& lookup) {
    g_storedMacroLookup = lookup;
}

qint64 Macromat::Now() const {
    return m_clock ? m_clock() : QDateTime::currentMSecsSinceEpoch();
}

void Macromat::Reset() {
    m_position = 0;
    m_dueTime = 0;
    m_totalDelay = 0;
    m_repeatCount = 0;
    m_heldButtons = 0;
    m_steps.clear();
    m_heldKeys.clear();
    m_finished = false;
}

bool Macromat::IsRunning() const {
    return !m_finished && !m_steps.isEmpty();
}

QStringList Macromat::ExpandShortcut(const QString& shortcut) const {
    QList<quint32> mods;
    const quint32 key = PAL::ParseShortcut(shortcut, mods);
    if (key == 0) {
        QLOG_WARN() << "Macromat::Parse: no key in" << shortcut;
        return QStringList();
    }
    QStringList modNames;
    for (quint32 m : mods)
        modNames << KeyCodeTranslate(m);
    const QString keyName = KeyCodeTranslate(key);
    QStringList out;
    for (const QString& m : modNames)
        out << QStringLiteral("d ") + m;
    out << QStringLiteral("d ") + keyName << QStringLiteral("u ") + keyName;
    // Modifiers go up in the order they went down.
    for (const QString& m : modNames)
        out << QStringLiteral("u ") + m;
    return out;
}

void Macromat::Parse(const QString& textIn) {
    PROFILE_SCOPE("Macromat::Parse");
    QString text = textIn;
    if (g_storedMacroLookup) {
        const QString stored = g_storedMacroLookup(textIn);
        if (!stored.isNull())
            text = stored;
    }
    m_totalDelay = 0;
    m_repeatCount = 1;
    if (text.size() > kMaxTextLength) {
        QLOG_ERROR() << "Macromat::Parse: macro text too long:" << text.size() << "characters";
        m_steps.clear();
        return;
    }

    // Steps are trimmed; shortcut and text steps are replaced by their key steps in place.
    QStringList steps;
    const QStringList pieces = MacroSteps::Split(text);
    for (const QString& piece : pieces) {
        const QString step = piece.trimmed();
        if (step.isEmpty()) {
            steps << step;
        } else if (StartsWithCommand(step, 'r')) {
            const int n = step.mid(2).trimmed().toInt();
            if (n > kMaxRepeat) {
                QLOG_WARN() << "Macromat::Parse: repeat count" << n << "held to" << kMaxRepeat;
            }
            m_repeatCount = n > 0 ? qMin(n, kMaxRepeat) + 1 : 1;
            steps << step;
        } else if (StartsWithCommand(step, 'p')) {
            steps << ExpandShortcut(step.mid(2));
        } else if (StartsWithCommand(step, 't')) {
            const QString chars = step.mid(2);
            for (const QChar c : chars) {
                const quint32 code = PAL::KeyNameToCode(QString(c));
                if (((code >> 16) & 0xFF) == 0xFF || code == 0) {
                    // The layout has no key for it; pressing Shift, Ctrl and Alt for nothing would be worse.
                    // Typed text may be a password: the character itself stays out of the log.
                    QLOG_WARN() << "Macromat::Parse: no key on this layout for a character of a text step";
                    continue;
                }
                // On the user's layout: the AltGr characters need its AltGr key, where it has one.
                steps << ExpandShortcut(PAL_INT::TypingShortcut(code));
                if (steps.size() > kMaxSteps)
                    break;
            }
        } else {
            if (IsPause(step))
                m_totalDelay += PauseMs(step);
            steps << step;
        }
        if (steps.size() > kMaxSteps) {
            QLOG_ERROR() << "Macromat::Parse: macro too long: more than" << kMaxSteps << "steps";
            m_steps.clear();
            return;
        }
    }
    // Only the counts: the steps spell out what the macro types.
    QLOG_DEBUG() << "Macromat::Parse:" << m_totalDelay << m_repeatCount << steps.size() << "steps";
    m_steps = steps;
}

bool Macromat::Process() {
    PROFILE_SCOPE("Macromat::Process");
    if (m_finished || m_steps.isEmpty())
        return false;
    if (m_dueTime > Now())
        return false; // pausing
    int budget = kMaxStepsPerProcess;
    for (;;) {
        if (m_position < 0 || m_position >= m_steps.size()) {
            // End of a pass, also when it ended in a pause that is now over.
            --m_repeatCount;
            if (m_repeatCount > 0) {
                m_position = 0;
                continue;
            }
            ReleaseAll();
            m_finished = true;
            return false;
        }
        if (budget-- <= 0)
            return false; // the rest at the next tick
        const QString step = m_steps.at(m_position).trimmed();
        ++m_position;
        if (step.isEmpty())
            continue;
        if (IsPause(step)) {
            m_dueTime = Now() + PauseMs(step);
            return false;
        }
        if (StartsWithCommand(step, 'd') || StartsWithCommand(step, 'u')) {
            const QString key = step.mid(2);
            const bool down = step.at(0).toLower() == QLatin1Char('d');
            if (down) {
                if (!m_heldKeys.contains(key))
                    m_heldKeys.append(key);
            } else {
                m_heldKeys.removeOne(key);
            }
            PAL::SendKey(key, down);
        } else if (StartsWithCommand(step, 'm')) {
            PlayMouse(step.mid(2));
        } else if (StartsWithCommand(step, 'r')) {
            // Read by Parse.
        } else {
            QLOG_WARN() << "Macromat::Process: Invalid Macro Command:" << step;
        }
    }
}

void Macromat::PlayMouse(const QString& rest) {
    const int button = MouseButtonOf(rest);
    // The action letter counts only with a blank after it: "m u" presses the left button.
    const QChar action = rest.size() >= 2 && rest.at(1) == QLatin1Char(' ') ? rest.at(0).toLower() : QChar();
    const int bit = 1 << button;
    if (action == QLatin1Char('u')) {
        m_heldButtons &= ~bit;
        PAL::SendMouseButton(button, true);
    } else if (action == QLatin1Char('p')) {
        PAL::SendMouseButton(button, false);
        PAL::SendMouseButton(button, true);
    } else {
        m_heldButtons |= bit;
        PAL::SendMouseButton(button, false);
    }
}

double Macromat::GetProgress() const {
    if (m_position <= 0)
        return 0;
    const qint64 now = Now();
    // A pass that ends in a pause is not done until that pause is over.
    if (m_position >= m_steps.size() && m_dueTime <= now)
        return 1;
    qint64 remaining = 0;
    for (int i = m_position; i < m_steps.size(); ++i) {
        const QString step = m_steps.at(i).trimmed();
        if (IsPause(step))
            remaining += PauseMs(step);
    }
    if (m_dueTime > now)
        remaining += m_dueTime - now;
    if (remaining <= 0)
        return 1;
    if (remaining >= m_totalDelay)
        return 0;
    return float(m_totalDelay - remaining) / float(m_totalDelay);
}

void Macromat::ReleaseAll() {
    for (int button = 0; button < 4; ++button) {
        if (m_heldButtons & (1 << button)) {
            PAL::SendMouseButton(button, true);
            m_heldButtons &= ~(1 << button);
        }
    }
    m_heldButtons = 0;
    const QStringList keys = m_heldKeys;
    m_heldKeys.clear();
    for (const QString& key : keys)
        PAL::SendKey(key, false);
}
