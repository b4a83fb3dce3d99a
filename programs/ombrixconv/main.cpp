// Command-line front end to the conversion engine: converts values or a
// tab-separated table, validates a conversion definition file, or runs the
// check lines of definition files.

#include "base/TextCase.h"
#include "engine/DefinitionChecks.h"
#include "engine/Engine.h"
#include "engine/TableConversion.h"
#include "platform/posix/LocaleSeparator.h"
#include "platform/posix/Paths.h"
#include "settings/Catalogue.h"
#include "settings/DataFolder.h"
#include "settings/LanguageFile.h"
#include "settings/SettingsEnvironment.h"

#include <CLI/CLI.hpp>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

// Messages go to stderr, in the terminal's UTF-8 since they name files;
// a command line has nobody to answer a question. An empty message (a
// definition without ERRRES) is no message: the caller says what failed.
class StderrSink : public ombrix::MessageSink {
public:
    ombrix::MessageAnswer Show(const ombrix::Message& message) override {
        if (!message.text.empty()) {
            std::cerr << ombrix::platform::CodePageToUtf8(message.text) << '\n';
            ++shown;
        }
        return message.buttons == ombrix::MessageButtons::Ok ? ombrix::MessageAnswer::Ok
                                                             : ombrix::MessageAnswer::Cancel;
    }
    int shown = 0;
};

// Whether standard input was closed when the program started. The standard
// descriptors are then opened on /dev/null, so no file the program opens
// takes their number and is read as input or written as output.
bool stdinWasClosed = false;

void KeepStandardDescriptors() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        if (fd == 0)
            stdinWasClosed = true;
        const int opened = ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        if (opened >= 0 && opened != fd) {
            ::dup2(opened, fd);
            ::close(opened);
        }
    }
}

// Reports a failed write to standard output once; the caller stops there.
int OutputFailed() {
    const int error = errno;
    std::cerr << "ombrixconv: standard output could not be written ("
              << std::strerror(error != 0 ? error : EIO) << ")\n";
    return 1;
}

// Whether everything written so far reached standard output.
bool OutputWritten() {
    errno = 0;
    std::cout.flush();
    return std::cout && std::fflush(stdout) == 0 && !std::ferror(stdout);
}

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
    std::vector<std::string> checkFiles;
};

// A name from the command line or the file system as the engine takes it;
// a name the program cannot store is reported instead of being looked up
// as another name.
std::optional<std::string> Stored(const std::string& native) {
    ombrix::platform::CodePageText stored = ombrix::platform::FromFileSystemPath(native);
    if (stored.Ok())
        return std::move(stored.text);
    std::cerr << "ombrixconv: " << ombrix::platform::RefusedFileNameMessage(native, stored) << '\n';
    return std::nullopt;
}

// A file in the current folder wins; then a catalogue entry of that display
// name (letter case ignored); otherwise the name is left to the engine, which
// resolves it as the catalogue does. `name` is as the user typed it; the
// result is a stored name, nullopt when the name cannot be one.
std::optional<std::string> LocateDefinition(const std::string& name,
                                            const ombrix::Catalogue& catalogue) {
    for (const std::string& candidate : {name, name + ".nod"}) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(candidate, ec))
            return Stored(std::filesystem::absolute(candidate, ec).string());
    }
    const std::optional<std::string> stored = Stored(name);
    if (!stored)
        return std::nullopt;
    for (std::size_t i = 0; i < catalogue.Names.size(); ++i) {
        if (ombrix::EqualsIgnoreCase1252(catalogue.Names[i], *stored))
            return catalogue.CatalogueFiles[i];
    }
    return stored;
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

int ConvertValues(ombrix::Engine& engine, const Options& options, StderrSink& sink) {
    const ombrix::Direction direction = options.reverse ? ombrix::Reverse : ombrix::Forward;
    bool anyFailed = false;
    // False once a line could not be written: the rest is not converted.
    auto convert = [&](std::string value) {
        engine.Numbers.GroupingSeen = false;
        const int shownBefore = sink.shown;
        std::string result = engine.EvaluateConversion(value, direction);
        if (!result.empty() && result.front() == ' ')
            result.erase(0, 1);
        if (engine.LastConversionFailed()) {
            anyFailed = true;
            if (sink.shown == shownBefore)
                std::cerr << "ombrixconv: \"" << ombrix::platform::CodePageToUtf8(value)
                          << "\" could not be converted (the definition gives no error text)\n";
        }
        errno = 0;
        std::cout << result << '\n';
        return static_cast<bool>(std::cout);
    };
    if (!options.values.empty()) {
        for (const std::string& value : options.values) {
            if (!convert(value))
                return OutputFailed();
        }
    } else {
        if (stdinWasClosed) {
            std::cerr << "ombrixconv: standard input could not be read (it is closed)\n";
            return 1;
        }
        // Output is written by the writes themselves, so a failure is seen
        // (with its reason) where it happens, not in a read's flush.
        std::cin.tie(nullptr);
        std::string line;
        while (std::getline(std::cin, line)) {
            if (!convert(WithoutCarriageReturn(line)))
                return OutputFailed();
        }
        if (std::ferror(stdin)) {
            std::cerr << "ombrixconv: standard input could not be read (" << std::strerror(errno)
                      << ")\n";
            return 1;
        }
    }
    if (!OutputWritten())
        return OutputFailed();
    return anyFailed ? 1 : 0;
}

int ConvertTableFromStdin(ombrix::Engine& engine, const Options& options, StderrSink& sink) {
    if (stdinWasClosed) {
        std::cerr << "ombrixconv: the table could not be read (standard input is closed)\n";
        return 1;
    }
    ombrix::TableConverter converter(engine, options.reverse ? ombrix::Reverse : ombrix::Forward,
                                     options.symbols);
    const int shownBefore = sink.shown;
    // Block by block, so a table of any size needs only a block's memory; a
    // failed write ends the reading, so the rest is not converted.
    bool writeFailed = false;
    const bool read = converter.ConvertStream(
        [&writeFailed](char* buffer, std::size_t size) -> std::optional<std::size_t> {
            if (writeFailed)
                return 0;
            const std::size_t n = std::fread(buffer, 1, size, stdin);
            if (n == 0 && std::ferror(stdin))
                return std::nullopt;
            return n;
        },
        [&writeFailed](std::string_view text) {
            if (!writeFailed && std::fwrite(text.data(), 1, text.size(), stdout) != text.size())
                writeFailed = true;
        });
    if (writeFailed || std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::cerr << "ombrixconv: the converted table could not be written ("
                  << std::strerror(errno != 0 ? errno : EIO) << ")\n";
        return 1;
    }
    if (!read) {
        std::cerr << "ombrixconv: the table could not be read\n";
        return 1;
    }
    if (converter.FailedCells() > 0 && sink.shown == shownBefore)
        std::cerr << "ombrixconv: " << converter.FailedCells()
                  << " cell(s) could not be converted (the definition gives no error text)\n";
    return converter.FailedCells() > 0 ? 1 : 0;
}

// A definition that loads but has nothing to convert with: no MATH, CHG or
// TRANS line (an empty file, or one of lines the loader passes over).
bool DefinesAConversion(const ombrix::ConversionDefinition& definition) {
    return !definition.MathSteps().empty() || definition.HasChangeTable() ||
           !definition.TranslationTable().empty();
}

struct FileToCheck {
    std::string shown;                 // as the user named it or as found in a named folder; empty:
                                       // as the loader resolves it
    std::optional<std::string> loaded; // what the loader gets; none for a name
                                       // the program cannot store (reported)
};

// The definition files an argument of --check names: every .nod file under a
// folder, in path order; otherwise the one file, found as DEFINITION is.
std::vector<FileToCheck> FilesToCheck(const std::string& argument,
                                      const ombrix::Catalogue& catalogue) {
    std::error_code ec;
    if (!std::filesystem::is_directory(argument, ec)) {
        for (const std::string& candidate : {argument, argument + ".nod"}) {
            if (std::filesystem::is_regular_file(candidate, ec))
                return {{candidate, Stored(std::filesystem::absolute(candidate, ec).string())}};
        }
        // A catalogue name or a name in the program folder: shown as resolved.
        std::optional<std::string> located = LocateDefinition(argument, catalogue);
        return {{located ? std::string() : argument, std::move(located)}};
    }
    std::vector<FileToCheck> files;
    std::filesystem::recursive_directory_iterator it(argument, ec);
    for (const std::filesystem::recursive_directory_iterator end; !ec && it != end;
         it.increment(ec)) {
        if (it->is_regular_file(ec) &&
            ombrix::EndsWithIgnoreCase1252(it->path().filename().string(), ".nod"))
            files.push_back(
                {it->path().string(), Stored(std::filesystem::absolute(it->path(), ec).string())});
    }
    if (ec)
        files.push_back({argument, Stored(argument)}); // reported as a file that cannot be read
    std::sort(files.begin(), files.end(),
              [](const FileToCheck& a, const FileToCheck& b) { return a.shown < b.shown; });
    return files;
}

void PrintFailure(const ombrix::CheckResult& result, const std::string& path) {
    const ombrix::CheckLine& check = result.check;
    std::cout << path << ':' << check.lineNumber << ": ";
    if (!check.wellFormed) {
        std::cout << "a check line needs \" = \" between the value and the expected text: "
                  << check.text << '\n';
        return;
    }
    std::cout << (check.direction == ombrix::Forward ? "CHECK " : "CHECK-R ") << check.value
              << ": expected \"" << check.expected << "\", got ";
    if (!result.error.empty() || result.got.empty())
        std::cout << "no result (" << result.error << ")\n";
    else
        std::cout << '"' << result.got << "\"\n";
}

// Runs the check lines of every file named: one line per failing check, a
// note per file without any, and a summary. 1 when any check failed or any
// file could not be checked.
int RunChecks(const Options& options, const ombrix::Catalogue& catalogue,
              const ombrix::MessageTexts& texts) {
    int files = 0, checks = 0, failed = 0, unchecked = 0, withoutChecks = 0;
    for (const std::string& argument : options.checkFiles) {
        const std::vector<FileToCheck> found = FilesToCheck(argument, catalogue);
        if (found.empty()) {
            std::cout << argument << ": no definition files in this folder\n";
            ++unchecked;
        }
        for (const FileToCheck& file : found) {
            ++files;
            if (!file.loaded) {
                ++unchecked;
                continue;
            }
            const ombrix::FileCheckReport report =
                ombrix::CheckDefinitionFile(*file.loaded, catalogue.Folders(), texts);
            const std::string shown =
                file.shown.empty() ? ombrix::platform::CodePageToUtf8(report.path) : file.shown;
            if (!report.loaded) {
                std::cout << ombrix::platform::CodePageToUtf8(report.problem) << '\n';
                ++unchecked;
                continue;
            }
            if (report.results.empty()) {
                std::cout << shown << ": no check lines\n";
                ++withoutChecks;
            }
            for (const ombrix::CheckResult& result : report.results) {
                ++checks;
                if (!result.held) {
                    ++failed;
                    PrintFailure(result, shown);
                }
            }
        }
    }
    std::cout << files << (files == 1 ? " file, " : " files, ") << checks
              << (checks == 1 ? " check: " : " checks: ") << checks - failed << " held, " << failed
              << " failed";
    if (withoutChecks > 0)
        std::cout << "; " << withoutChecks << " without check lines";
    if (unchecked > 0)
        std::cout << "; " << unchecked << " could not be checked";
    std::cout << '\n';
    return failed > 0 || unchecked > 0 ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    KeepStandardDescriptors();
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
    app.add_option("--check", options.checkFiles,
                   "run the check lines ('CHECK value = expected, 'CHECK-R for the reverse "
                   "direction) of each definition FILE, or of every .nod file in a folder and "
                   "its subfolders; prints each failing check and a summary; exit 1 when a "
                   "check fails or a file cannot be loaded")
        ->type_name("FILE");
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
    if (!options.checkFiles.empty() &&
        (!options.definition.empty() || options.reverse || options.decimalSeparator ||
         options.decimals || options.grouping || options.table || options.symbols ||
         options.validate || options.list)) {
        // A check states one fixed way of converting, so nothing may change it.
        std::cerr << "ombrixconv: --check takes definition files and no other option\n"
                  << "Run with --help for usage.\n";
        return 2;
    }
    if (options.definition.empty() && !options.list && options.checkFiles.empty()) {
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
        return OutputWritten() ? 0 : OutputFailed();
    }
    LoadMessageTexts(catalogue, sink, texts);
    if (!options.checkFiles.empty()) {
        const int status = RunChecks(options, catalogue, texts);
        return OutputWritten() ? status : OutputFailed();
    }
    ombrix::Engine engine(
        ombrix::EngineServices{[separator] { return separator; }, sink, texts, nullptr, folders});
    engine.Numbers.SetDecimalPlaces(options.decimals ? static_cast<std::int16_t>(*options.decimals)
                                                     : std::int16_t(-1));
    engine.Numbers.DigitGrouping = options.grouping;

    std::optional<std::string> path = LocateDefinition(options.definition, catalogue);
    if (!path || !engine.LoadConversion(*path, options.validate ? 3 : 1))
        return 1;
    // Validating checks the lines without keeping them; what they define is
    // seen in a load of its own.
    std::string loaded = *path;
    if (options.validate && !engine.LoadConversion(loaded, 1))
        return 1;
    if (!DefinesAConversion(engine.Definition)) {
        std::cerr << "ombrixconv: " << ombrix::platform::CodePageToUtf8(*path)
                  << " defines no conversion: it has no MATH, CHG or TRANS line\n";
        return 1;
    }
    if (options.validate)
        return 0;
    return options.table ? ConvertTableFromStdin(engine, options, sink)
                         : ConvertValues(engine, options, sink);
}
