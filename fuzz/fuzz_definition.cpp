// Feeds arbitrary bytes to the definition loader as a file: load, validate
// and title reading must never crash, and the table lookups must answer as
// a plain scan does.

#include "base/Registry.h"
#include "engine/ConversionLoader.h"
#include "engine/ConversionPath.h"

#include "FuzzSupport.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace {

class NullRegistry : public ombrix::Registry {
public:
    std::string RegRead(ombrix::Hive, std::string_view, std::string_view) const override {
        return {};
    }
    bool RegWrite(ombrix::Hive, std::string_view, std::string_view, std::string_view) override {
        return true;
    }
    bool RegDelete(ombrix::Hive, std::string_view, std::string_view) override { return true; }
};

void CheckLookups(const ombrix::ConversionDefinition& def, std::string_view input) {
    for (bool forward : {true, false}) {
        if (def.FindChange(input, forward) != def.ScanChange(input, forward) ||
            def.FindTranslation(input, forward) != def.ScanTranslation(input, forward))
            __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path folder = ombrix::fuzzing::ScratchFolder("definition");
    const std::filesystem::path file = folder / "f.nod";
    ombrix::fuzzing::WriteInput(file, {reinterpret_cast<const char*>(data), size});

    ombrix::fuzzing::OkSink sink;
    NullRegistry registry;
    ombrix::MessageTexts texts;
    const ombrix::LoaderContext ctx{sink, texts, &registry, {folder.string(), folder.string()}};
    ombrix::ConversionDefinition def;
    for (std::int16_t mode : {ombrix::LoadMode, ombrix::ValidateMode}) {
        std::string path = "f";
        ombrix::LoadConversion(def, path, mode, ctx);
    }
    std::string titlePath = "f";
    ombrix::ReadConversionTitle(titlePath, ctx.folders);

    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckLookups(def, bytes.substr(0, 16));
    for (const ombrix::TextPair& pair : def.ChangeTable())
        CheckLookups(def, pair.to + "x");
    for (const ombrix::TextPair& pair : def.TranslationTable())
        CheckLookups(def, pair.from);
    std::error_code ec;
    std::filesystem::remove(file, ec);
    return 0;
}
