#pragma once
// What the parts below the widget kit (the configuration, the data sources) need to ask or show the user.
// They may not use the widgets themselves, so they go through this interface, which program entry fills with
// the widget kit's popups (widgets/popupprompts.h). Main thread only.

#include <QString>

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

class IUserPrompts {
public:
    virtual ~IUserPrompts() = default;
    // A modal security question with YES and NO (NO the default and the escape button) and an unchecked
    // option labelled rememberText. True only when YES ended it; remember tells whether the option was checked.
    virtual bool AskPermission(const QString& title, const QString& text, const QString& rememberText,
                               bool* remember) = 0;
    // An information popup with an OK button, not shown yet.
    virtual std::unique_ptr<IStatusPopup> MakeStatusPopup(const QString& title, const QString& text) = 0;
};

namespace UserPrompts {
// Installs the prompts; null removes them.
void Install(IUserPrompts* prompts);
// The installed prompts, or null. Without any, the first caller's fallback (what happens instead of asking)
// is logged once at WARN.
IUserPrompts* Get(const QString& fallback);
} // namespace UserPrompts
