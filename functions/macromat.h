#pragma once
// The macro player. A macro is a text of steps separated by ';' ("\;" keeps a ';' inside a step and "\\" is a
// backslash, see MacroSteps):
//   d KEY / u KEY      key down / up
//   p SHORTCUT         press and release a shortcut ("LCTRL,LSHIFT+F5")
//   t TEXT             type the text, key by key
//   m ACTION BUTTON    mouse: "m d r" presses the right button, "m u r" releases it, "m p m" clicks the
//                      middle one; "w" is the wheel, anything else the left button
//   r N                play the macro N + 1 times
//   500                pause in milliseconds
// or "Macro:" and the name of a stored macro, whose text is then played.
//
// Playing is cooperative: the owner calls Process at every tick; the player sends what is due, stops at the
// next pause and keeps its place. Keys and buttons still held when the macro ends, is stopped or is destroyed
// are released.

#include "functions/funcregistry.h"

#include <QStringList>

#include <functional>

class Macromat : public MacroPlayer {
    Q_OBJECT
public:
    explicit Macromat(QObject* parent = nullptr);
    ~Macromat() override;

    // Empties the steps and held keys and sets position, due time, total delay, repeat count and held
    // buttons to 0.
    void Reset() override;
    // Prepares the steps of a macro text; the caller resets the player first.
    void Parse(const QString& text) override;
    // Plays what is due. Always false: IsRunning tells whether the macro goes on.
    bool Process() override;
    // Releases every held mouse button (in bit order), then every held key (in the order pressed).
    void ReleaseAll() override;
    // 0 to 1 by the pauses still to come.
    double GetProgress() const override;
    // From Parse until the last pass has ended (a trailing pause included).
    bool IsRunning() const override;

    // The text of a stored macro for a text naming one ("Macro:Category/Name"), else a null text. Filled by
    // the configuration model, which lives above this library; without it no stored macro is found.
    using StoredMacroLookup = std::function<QString(const QString& text)>;
    static void SetStoredMacroLookup(const StoredMacroLookup& lookup);

    // Milliseconds since the epoch; tests set their own clock.
    using Clock = std::function<qint64()>;
    void SetClock(const Clock& clock) { m_clock = clock; }

    // Bounds of one macro: repeat count, expanded steps, and steps played in one Process call (the rest
    // plays at the next tick, so a long macro never holds up the main thread).
    static constexpr int kMaxRepeat = 9999;
    static constexpr int kMaxSteps = 100000;
    static constexpr int kMaxStepsPerProcess = 4096;
    static constexpr int kMaxTextLength = 1 << 20;

    QStringList Steps() const { return m_steps; }
    qint64 DueTime() const { return m_dueTime; }
    int Position() const { return m_position; }
    qint64 TotalDelay() const { return m_totalDelay; }
    int RepeatCount() const { return m_repeatCount; }
    QStringList HeldKeys() const { return m_heldKeys; }
    int HeldButtons() const { return m_heldButtons; }

private:
    qint64 Now() const;
    QStringList ExpandShortcut(const QString& shortcut) const;
    void PlayMouse(const QString& rest);

    QStringList m_steps;
    qint64 m_dueTime = 0;
    int m_position = 0;
    qint64 m_totalDelay = 0; // 64 bits: many long pauses must not wrap
    int m_repeatCount = 0;
    QStringList m_heldKeys;
    int m_heldButtons = 0; // bit 0 left, 1 right, 2 middle, 3 wheel
    bool m_finished = false;
    Clock m_clock;
};
