// Arbitrary tables through the table conversion, with a definition that the
// fuzz input also supplies: input = flags byte, definition file, NUL, table.

#include "engine/Engine.h"
#include "engine/TableConversion.h"

#include "FuzzSupport.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<ombrix::fuzzing::SplitInput> input =
        ombrix::fuzzing::Split(data, size, '\0');
    if (!input)
        return 0;
    const std::uint8_t flags = input->flags;
    static const std::string path = (ombrix::fuzzing::ScratchFolder("table") / "f.nod").string();
    ombrix::fuzzing::WriteInput(path, input->first);
    ombrix::fuzzing::OkSink sink;
    ombrix::MessageTexts texts;
    const std::string separator = (flags & 1) ? "," : ".";
    ombrix::Engine engine(
        ombrix::EngineServices{[separator] { return separator; }, sink, texts, nullptr, {}});
    engine.Numbers.DigitGrouping = (flags & 2) != 0;
    engine.Numbers.SetDecimalPlaces(std::int16_t((flags >> 3) % 14) - 1);
    std::string file = path;
    engine.LoadConversion(file, 1);
    const ombrix::Direction direction = (flags & 4) ? ombrix::Forward : ombrix::Reverse;
    const bool symbols = (flags & 0x80) != 0;
    const std::string whole = ombrix::ConvertTable(engine, input->second, direction, symbols).text;
    // Fed in pieces, the same table must convert to the same text.
    const std::string_view table = input->second;
    const std::size_t piece = 1 + (flags >> 5) % 3 * 7;
    ombrix::TableConverter converter(engine, direction, symbols);
    std::string out;
    std::size_t at = 0;
    converter.ConvertStream(
        [&](char* buffer, std::size_t size) -> std::optional<std::size_t> {
            const std::size_t n = table.copy(buffer, std::min(piece, size), at);
            at += n;
            return n;
        },
        [&out](std::string_view text) { out += text; });
    if (out != whole)
        std::abort();
    return 0;
}
