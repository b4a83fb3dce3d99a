// Command-line front end to the conversion engine: converts values or a
// tab-separated table, or validates a conversion definition file.

#include "base/TextCase.h"
#include "engine/Engine.h"
#include "engine/TableConversion.h"
#include "platform/posix/LocaleSeparator.h"
#include "platform/posix/Paths.h"
#include "settings/Catalogue.h"
#include "settings/DataFolder.h"
#include "settings/LanguageFile.h"
#include "settings/SettingsEnvironment.h"

#include <CLI/CLI.hpp>

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <utility>
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
    bool list = false;
};

// A file in the current folder wins; then a catalogue entry of that display
// name (letter case ignored); otherwise the name is left to the engine, which
// resolves it as the catalogue does.
std::string LocateDefinition(const std::string& name, const ombrix::Catalogue& catalogue) {
    for (const std::string& candidate : {name, name + ".nod"}) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(candidate, ec))
            return std::filesystem::absolute(candidate, ec).string();
    }
    for (std::size_t i = 0; i < catalogue.Names.size(); ++i) {
        if (ombrix::EqualsIgnoreCase1252(catalogue.Names[i], name))
            return catalogue.CatalogueFiles[i];
    }
    return name;
}

// The catalogue as the converter reads it at start-up: index, display name,
// stored path and the default mark, tab-separated.
void PrintCatalogue(const ombrix::Catalogue& catalogue) {
    for (std::size_t i = 0; i < catalogue.Names.size(); ++i) {
        std::cout << i << '\t' << catalogue.Names[i] << '\t' << catalogue.CatalogueFiles[i]
                  << (int(i) == catalogue.DefaultIndex ? "\tdefault" : "") << '\n';
    }
}

// The catalogue's language file gives the loader's message texts; without one
// the built-in English texts stay.
void LoadMessageTexts(const ombrix::Catalogue& catalogue, ombrix::MessageSink& sink,
                      ombrix::MessageTexts& texts) {
    const ombrix::platform::ProgramFolders& folders = catalogue.Folders();
    if (!ombrix::platform::FileExists(ombrix::FindLanguageFile(catalogue.LanguageFile, folders)))
        return;
    ombrix::LinkTargets targets;
    ombrix::LoadLanguage(catalogue.LanguageFile, 1,
                         ombrix::LanguageContext{folders, sink, texts, targets});
}

// Used where no language file gives the loader's texts.
ombrix::MessageTexts FallbackTexts() {
    ombrix::MessageTexts texts;
    texts.Set(100, "Quavomat");
    texts.Set(101, " cannot be read as a conversion definition file.");
    texts.Set(107, " is not a line of a conversion definition file.");
    return texts;
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
    ombrix::TableConverter converter(engine, options.reverse ? ombrix::Reverse : ombrix::Forward,
                                     options.symbols);
    // Block by block, so a table of any size needs only a block's memory.
    const bool read = converter.ConvertStream(
        [](char* buffer, std::size_t size) -> std::optional<std::size_t> {
            const std::size_t n = std::fread(buffer, 1, size, stdin);
            if (n == 0 && std::ferror(stdin))
                return std::nullopt;
            return n;
        },
        [](std::string_view text) { std::fwrite(text.data(), 1, text.size(), stdout); });
    if (!read) {
        std::cerr << "ombrixconv: the table could not be read\n";
        return 1;
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::cerr << "ombrixconv: the converted table could not be written\n";
        return 1;
    }
    return converter.FailedCells() > 0 ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    Options options;
    CLI::App app{"Converts values with a conversion definition file.", "ombrixconv"};
    app.add_option("DEFINITION", options.definition,
                   "conversion definition file, or a catalogue entry's name");
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
    app.add_flag("--list", options.list, "list the catalogue of conversions");
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
    if (options.definition.empty() && !options.list) {
        std::cerr << "ombrixconv: DEFINITION is required\nRun with --help for usage.\n";
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
    const std::string programFolder = ombrix::platform::ExecutableFolder();
    ombrix::platform::ProgramFolders folders{
        programFolder, ombrix::DataFolder(ombrix::ProcessSettingsEnvironment(), programFolder)};
    ombrix::Catalogue catalogue(folders);
    catalogue.ReadCatalogue(ombrix::CatalogueAtStartup);
    if (options.list) {
        PrintCatalogue(catalogue);
        return 0;
    }
    LoadMessageTexts(catalogue, sink, texts);
    ombrix::Engine engine(
        ombrix::EngineServices{[separator] { return separator; }, sink, texts, nullptr, folders});
    engine.Numbers.SetDecimalPlaces(options.decimals ? static_cast<std::int16_t>(*options.decimals)
                                                     : std::int16_t(-1));
    engine.Numbers.DigitGrouping = options.grouping;

    std::string path = LocateDefinition(options.definition, catalogue);
    if (!engine.LoadConversion(path, options.validate ? 3 : 1))
        return 1;
    if (options.validate)
        return 0;
    return options.table ? ConvertTableFromStdin(engine, options) : ConvertValues(engine, options);
}
