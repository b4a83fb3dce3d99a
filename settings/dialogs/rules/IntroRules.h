#pragma once
// The intro dialog without the window: its caption, its check box for the
// intro option, and what it does to the other windows while it is open.

#include "settings/dialogs/rules/DialogHosts.h"

#include <string>

namespace ombrix {

class IntroRules {
public:
    explicit IntroRules(IntroHost& host) : host_(host) {}

    // The other windows step aside while the dialog is open.
    void Opened();
    void Closed();
    // The caption the language file gave the dialog, then the conversion's name.
    std::string Caption(const std::string& languageCaption) const {
        return languageCaption + host_.ConversionName();
    }
    // The intro text with its single carriage returns as line ends.
    std::string Text() const;
    void Check1_Click(bool checked) { host_.SetIntroEnabled(checked); }

private:
    IntroHost& host_;
};

} // namespace ombrix
