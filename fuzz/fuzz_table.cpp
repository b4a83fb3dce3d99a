// Arbitrary tables through the table conversion, with a definition that the
// fuzz input also supplies: input = flags byte, definition file, NUL, table.

#include "engine/Engine.h"
#include "engine/TableConversion.h"

#include "FuzzSupport.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
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
    std::string pending;
    for (std::size_t at = 0; at < table.size(); at += piece) {
        pending += table.substr(at, piece);
        pending.erase(0, converter.Feed(pending, out));
    }
    converter.Finish(pending, out);
    if (out != whole)
        std::abort();
    return 0;
}
