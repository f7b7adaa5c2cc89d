#pragma once
// What the parts below the widget kit (the configuration, the data sources) need to ask or show the user.
// They may not use the widgets themselves, so they go through this interface, which program entry fills with
// the widget kit's popups (widgets/popupprompts.h). Main thread only.

#include <QString>
#include <QStringList>

#include <memory>

// A message shown while something runs; its text follows the work.
class IStatusPopup {
public:
    virtual ~IStatusPopup() = default;
    virtual QString Text() const = 0;
    // Shows the new text at once.
    virtual void SetText(const QString& text) = 0;
    // Runs the popup modally until the user closes it or Close is called.
    virtual void Exec() = 0;
    // Ends the popup (a running Exec returns).
    virtual void Close() = 0;
};

// A popup with OK (the default) and Cancel that shows how a test goes and asks to take its results.
class ITestPopup {
public:
    virtual ~ITestPopup() = default;
    // The message text.
    virtual QString Text() const = 0;
    virtual void SetText(const QString& text) = 0;
    // OK is hidden while the test runs.
    virtual bool IsOkVisible() const = 0;
    virtual void SetOkVisible(bool visible) = 0;
    // The result list below the message, one line each, then the closing question; the popup grows to fit.
    virtual QString Results() const = 0;
    virtual void SetResults(const QStringList& lines, const QString& question) = 0;
    // Runs the popup modally; true when OK ended it.
    virtual bool Exec() = 0;
    // Ends a running Exec as the button would.
    virtual void Finish(bool ok) = 0;
};

// A question that offers replacements for something that cannot be used as it is.
struct ReplacementChoice {
    QString title;
    QString problem;     // first line: what is wrong
    QString offer;       // shown above the choices when there are any
    QStringList choices; // one row each, with a button
    QString chooseText;  // the caption of each choice's button
    QString chooseTip;   // its status tip
    QString dropText;    // the button that takes none of them
    QString dropTip;
};

class IUserPrompts {
public:
    virtual ~IUserPrompts() = default;
    // A modal security question with YES and NO (NO the default and the escape button) and an unchecked
    // option labelled rememberText. True only when YES ended it; remember tells whether the option was checked.
    virtual bool AskPermission(const QString& title, const QString& text, const QString& rememberText,
                               bool* remember) = 0;
    // An information popup with an OK button, not shown yet.
    virtual std::unique_ptr<IStatusPopup> MakeStatusPopup(const QString& title, const QString& text) = 0;
    // An OK/Cancel test popup with the information icon, not shown yet.
    virtual std::unique_ptr<ITestPopup> MakeTestPopup(const QString& title) = 0;
    // Runs the replacement question modally: the chosen text, or empty when the user dropped it or closed
    // the question.
    virtual QString ChooseReplacement(const ReplacementChoice& choice) = 0;
};

namespace UserPrompts {
// Installs the prompts; null removes them.
void Install(IUserPrompts* prompts);
// The installed prompts, or null. Without any, the first caller's fallback (what happens instead of asking)
// is logged once at WARN.
IUserPrompts* Get(const QString& fallback);
} // namespace UserPrompts
