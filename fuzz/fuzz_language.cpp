// Feeds arbitrary bytes to the language loader as a language file, for every
// window number: loading must never crash, must show exactly one message when
// it fails and none when it succeeds, and may only hand out texts of the
// asked window's table.

#include "settings/LanguageFile.h"

#include "FuzzSupport.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace {

class CountingSink : public ombrix::MessageSink {
public:
    ombrix::MessageAnswer Show(const ombrix::Message& message) override {
        ++shown;
        if (message.text != "test.lng is not found" || message.title != "ERROR !!!")
            __builtin_trap();
        return ombrix::MessageAnswer::Ok;
    }
    int shown = 0;
};

bool InTable(std::int16_t window, const ombrix::WindowText& text) {
    for (const ombrix::WindowTextEntry& entry : ombrix::WindowTextTable(window)) {
        if (entry.target == text.target && entry.owner == text.owner &&
            entry.property == text.property)
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path folder = ombrix::fuzzing::ScratchFolder("language");
    ombrix::fuzzing::WriteInput(folder / "test.lng", {reinterpret_cast<const char*>(data), size});

    ombrix::MessageTexts texts;
    ombrix::LinkTargets targets;
    for (std::int16_t window = 0; window <= 9; ++window) {
        CountingSink sink;
        const ombrix::LanguageContext ctx{{folder.string(), folder.string()}, sink, texts, targets};
        const ombrix::LanguageLoad load = ombrix::LoadLanguage("test.lng", window, ctx);
        if (sink.shown != (load.ok ? 0 : 1))
            __builtin_trap();
        for (const ombrix::WindowText& text : load.texts) {
            if (!InTable(window, text))
                __builtin_trap();
        }
    }
    return 0;
}
