#include "settings/dialogs/rules/IntroRules.h"

namespace ombrix {

void IntroRules::Opened() {
    if (host_.AlwaysOnTop()) {
        host_.SetMainWindowTopmost(false);
        if (host_.WizardOpen()) {
            host_.Wizard().SetTopmost(false);
            host_.Wizard().SetEnabled(false);
        }
        if (host_.CalculatorOpen()) {
            host_.Calculator().SetTopmost(false);
            host_.Calculator().SetEnabled(false);
        }
    }
    host_.SetMainWindowEnabled(false);
}

void IntroRules::Closed() {
    host_.SetMainWindowEnabled(true);
    if (host_.WizardOpen()) {
        host_.Wizard().SetEnabled(true);
    }
    if (!host_.AlwaysOnTop()) {
        return;
    }
    host_.SetMainWindowTopmost(true);
    if (host_.WizardOpen()) {
        host_.Wizard().SetTopmost(true);
        host_.Wizard().SetEnabled(true);
    }
    if (host_.CalculatorOpen()) {
        host_.Calculator().SetTopmost(true);
        host_.Calculator().SetEnabled(true);
    }
}

std::string IntroRules::Text() const {
    std::string text = host_.IntroText();
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            lines += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            lines += text[i];
        }
    }
    return lines;
}

} // namespace ombrix
