// Arbitrary tables through the table conversion, with a definition that the
// fuzz input also supplies: input = flags byte, definition file, NUL, table.

#include "engine/Engine.h"
#include "engine/TableConversion.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

class OkSink : public ombrix::MessageSink {
public:
    ombrix::MessageAnswer Show(const ombrix::Message&) override {
        return ombrix::MessageAnswer::Ok;
    }
};

std::string DefinitionPath() {
    return (std::filesystem::temp_directory_path() /
            ("ombrix_fuzz_table_" + std::to_string(getpid()) + ".nod"))
        .string();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::uint8_t flags = data[0];
    std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
    std::size_t split = rest.find('\0');
    std::string definition = rest.substr(0, split);
    std::string table = split == std::string::npos ? std::string() : rest.substr(split + 1);

    static const std::string path = DefinitionPath();
    if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(definition.data(), 1, definition.size(), file);
        std::fclose(file);
    }
    OkSink sink;
    ombrix::MessageTexts texts;
    const std::string separator = (flags & 1) ? "," : ".";
    ombrix::Engine engine(
        ombrix::EngineServices{[separator] { return separator; }, sink, texts, nullptr, {}});
    engine.Numbers.DigitGrouping = (flags & 2) != 0;
    engine.Numbers.SetDecimalPlaces(std::int16_t((flags >> 3) % 14) - 1);
    std::string file = path;
    engine.LoadConversion(file, 1);
    const ombrix::Direction direction = (flags & 4) ? ombrix::Forward : ombrix::Reverse;
    ombrix::ConvertTable(engine, table, direction, (flags & 0x80) != 0);
    return 0;
}
