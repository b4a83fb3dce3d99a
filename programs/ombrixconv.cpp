// Command-line front end to the conversion engine: converts values or a
// tab-separated table, or validates a conversion definition file.

#include "engine/Engine.h"
#include "engine/TableConversion.h"
#include "platform/LocaleSeparator.h"
#include "platform/Paths.h"

#include <CLI/CLI.hpp>

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

// Messages go to stderr; a command line has nobody to answer a question.
class StderrSink : public ombrix::MessageSink {
public:
    ombrix::MessageAnswer Show(const ombrix::Message& message) override {
        std::cerr << message.text << '\n';
        return message.buttons == ombrix::MessageButtons::Ok ? ombrix::MessageAnswer::Ok
                                                             : ombrix::MessageAnswer::Cancel;
    }
};

struct Options {
    std::string definition;
    std::vector<std::string> values;
    bool reverse = false;
    std::optional<std::string> decimalSeparator;
    std::optional<int> decimals;
    bool grouping = false;
    bool table = false;
    bool symbols = false;
    bool validate = false;
};

// A file in the current folder wins; otherwise the name is left to the
// engine, which resolves it as the catalogue does.
std::string LocateDefinition(const std::string& name) {
    for (const std::string& candidate : {name, name + ".nod"}) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(candidate, ec))
            return std::filesystem::absolute(candidate, ec).string();
    }
    return name;
}

// Used where no language file gives the loader's texts.
ombrix::MessageTexts FallbackTexts() {
    ombrix::MessageTexts texts;
    texts.Set(100, "Quavomat");
    texts.Set(101, " cannot be read as a conversion definition file.");
    texts.Set(107, " is not a line of a conversion definition file.");
    return texts;
}

std::string ReadAll(std::FILE* file) {
    std::string text;
    char buffer[1 << 16];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, n);
    return text;
}

std::string WithoutCarriageReturn(std::string line) {
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

int ConvertValues(ombrix::Engine& engine, const Options& options) {
    const ombrix::Direction direction = options.reverse ? ombrix::Reverse : ombrix::Forward;
    bool anyFailed = false;
    auto convert = [&](std::string value) {
        engine.Numbers.GroupingSeen = false;
        std::string result = engine.EvaluateConversion(value, direction);
        if (!result.empty() && result.front() == ' ')
            result.erase(0, 1);
        anyFailed |= engine.LastConversionFailed();
        std::cout << result << '\n';
    };
    if (!options.values.empty()) {
        for (const std::string& value : options.values)
            convert(value);
    } else {
        std::string line;
        while (std::getline(std::cin, line))
            convert(WithoutCarriageReturn(line));
    }
    return anyFailed ? 1 : 0;
}

int ConvertTableFromStdin(ombrix::Engine& engine, const Options& options) {
    std::string table = ReadAll(stdin);
    ombrix::TableConversionResult result = ombrix::ConvertTable(
        engine, table, options.reverse ? ombrix::Reverse : ombrix::Forward, options.symbols);
    std::fwrite(result.text.data(), 1, result.text.size(), stdout);
    return result.failedCells > 0 ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    Options options;
    CLI::App app{"Converts values with a conversion definition file.", "ombrixconv"};
    app.add_option("DEFINITION", options.definition, "conversion definition file")->required();
    app.add_option("VALUE", options.values, "values to convert (default: one per line on stdin)");
    app.add_flag("-r,--reverse", options.reverse, "convert from the second unit to the first");
    app.add_option("--decimal-separator", options.decimalSeparator,
                   "the user's decimal separator (default: from the locale)")
        ->check(CLI::IsMember({",", "."}));
    app.add_option("--decimals", options.decimals, "fixed decimals (default: off)")
        ->check(CLI::Range(0, 11));
    app.add_flag("--grouping", options.grouping, "digit grouping on");
    app.add_flag("--table", options.table, "convert a tab-separated table from stdin to stdout");
    app.add_flag("--symbols", options.symbols, "with --table: attach the unit symbols");
    app.add_flag("--validate", options.validate, "check DEFINITION instead of converting");
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help();
        return 0;
    } catch (const CLI::ParseError& error) {
        std::cerr << "ombrixconv: " << error.what() << "\n"
                  << "Run with --help for usage.\n";
        return 2;
    }
    if (options.symbols && !options.table) {
        std::cerr << "ombrixconv: --symbols goes with --table\n";
        return 2;
    }

    StderrSink sink;
    ombrix::MessageTexts texts = FallbackTexts();
    const std::string separator =
        options.decimalSeparator.value_or(ombrix::platform::MonetaryDecimalSeparator());
    ombrix::platform::ProgramFolders folders{ombrix::platform::ExecutableFolder(), ""};
    ombrix::Engine engine(
        ombrix::EngineServices{[separator] { return separator; }, sink, texts, nullptr, folders});
    engine.Numbers.SetDecimalPlaces(options.decimals ? static_cast<std::int16_t>(*options.decimals)
                                                     : std::int16_t(-1));
    engine.Numbers.DigitGrouping = options.grouping;

    std::string path = LocateDefinition(options.definition);
    if (!engine.LoadConversion(path, options.validate ? 3 : 1))
        return 1;
    if (options.validate)
        return 0;
    return options.table ? ConvertTableFromStdin(engine, options) : ConvertValues(engine, options);
}
