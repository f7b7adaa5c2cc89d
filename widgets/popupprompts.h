#pragma once
// The user prompts (functions/userprompts.h) as the widget kit's popups: the permission question and the
// status popup are PopupWnd dialogs without parent.

#include "functions/userprompts.h"

class PopupPrompts : public IUserPrompts {
public:
    // A 350 by 170 popup with the question icon, and the option as a radio button at (60, 100).
    bool AskPermission(const QString& title, const QString& text, const QString& rememberText, bool* remember) override;
    // A popup with the information icon and OK as its default button.
    std::unique_ptr<IStatusPopup> MakeStatusPopup(const QString& title, const QString& text) override;
    // OK and Cancel, the information icon, and the result list as an 11 px label at (25, 50).
    std::unique_ptr<ITestPopup> MakeTestPopup(const QString& title) override;
    // A plain dialog at least 300 wide: the problem, the offer, a row per choice with its button, and the
    // drop button.
    QString ChooseReplacement(const ReplacementChoice& choice) override;
};
