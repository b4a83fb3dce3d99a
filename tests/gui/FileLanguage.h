#pragma once
// Applies a language file's texts to the open windows, as the program does.

#include "guikit/WindowTexts.h"
#include "guikit/rules/WindowLanguage.h"
#include "settings/LanguageFile.h"

#include <string>

namespace ombrix::testing {

class FileLanguage : public WindowLanguage {
public:
    FileLanguage(std::string file, MessageSink& sink, MessageTexts& texts)
        : file_(std::move(file)), sink_(sink), texts_(texts) {}
    bool ApplyTexts(std::int16_t window) override {
        const LanguageLoad load =
            LoadLanguage(file_, window, {{OMBRIX_DATA_DIR, ""}, sink_, texts_, links_});
        ApplyToOpenWindows(load.texts);
        return load.ok;
    }

private:
    std::string file_;
    MessageSink& sink_;
    MessageTexts& texts_;
    LinkTargets links_;
};

} // namespace ombrix::testing
