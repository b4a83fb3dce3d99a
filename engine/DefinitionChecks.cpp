#include "engine/DefinitionChecks.h"

#include "base/MessageSink.h"
#include "engine/ConversionLoader.h"
#include "engine/ConversionPath.h"
#include "engine/DefinitionLines.h"

#include <utility>

namespace ombrix {

namespace {

// Keeps the last message instead of showing it: a check reports the
// conversion's error text as what it got.
class KeepingSink : public MessageSink {
public:
    MessageAnswer Show(const Message& message) override {
        last = message.text;
        return MessageAnswer::Ok;
    }
    std::string last;
};

} // namespace

std::optional<CheckLine> ParseCheckLine(std::string_view line, int lineNumber) {
    CheckLine check;
    check.lineNumber = lineNumber;
    check.text = line;
    std::string_view rest;
    if (line.starts_with(CheckReversePrefix)) {
        check.direction = Reverse;
        rest = line.substr(CheckReversePrefix.size());
    } else if (line.starts_with(CheckForwardPrefix)) {
        check.direction = Forward;
        rest = line.substr(CheckForwardPrefix.size());
    } else {
        return std::nullopt;
    }
    const std::size_t split = rest.find(CheckSeparator);
    if (split == std::string_view::npos) {
        check.wellFormed = false;
        return check;
    }
    check.value = rest.substr(0, split);
    check.expected = rest.substr(split + CheckSeparator.size());
    return check;
}

int FileCheckReport::Failed() const {
    int failed = 0;
    for (const CheckResult& result : results)
        failed += result.held ? 0 : 1;
    return failed;
}

FileCheckReport CheckDefinitionFile(std::string path, const platform::ProgramFolders& folders,
                                    const MessageTexts& texts) {
    FileCheckReport report;
    std::string resolvedName = path;
    report.path = ResolveConversionPath(resolvedName, folders);

    KeepingSink sink;
    // The user's decimal separator is "." for every check, whatever the
    // locale of the machine that runs them.
    Engine engine(EngineServices{[] { return std::string("."); }, sink, texts, nullptr, folders});
    if (!engine.LoadConversion(path, LoadMode)) {
        report.problem = sink.last;
        return report;
    }

    std::vector<CheckLine> checks;
    DefinitionLines lines;
    if (!lines.Open(report.path)) {
        report.problem = "the file could not be read again for its check lines";
        return report;
    }
    std::string line;
    int lineNumber = 0;
    for (;;) {
        const DefinitionLines::Status status = lines.Next(line);
        if (status == DefinitionLines::Status::End)
            break;
        if (status == DefinitionLines::Status::Unreadable) {
            report.problem = "the file could not be read to its end for its check lines";
            return report;
        }
        ++lineNumber;
        if (std::optional<CheckLine> check = ParseCheckLine(line, lineNumber))
            checks.push_back(std::move(*check));
    }
    lines.Close();
    report.loaded = true;

    engine.Numbers.SetDecimalPlaces(-1);
    engine.Numbers.DigitGrouping = false;
    for (CheckLine& check : checks) {
        CheckResult result;
        if (check.wellFormed) {
            engine.Numbers.GroupingSeen = false;
            sink.last.clear();
            std::string input = check.value;
            result.got = engine.EvaluateConversion(input, check.direction);
            if (result.got.starts_with(' '))
                result.got.erase(0, 1);
            if (engine.LastConversionFailed())
                result.error = sink.last;
            result.held = !engine.LastConversionFailed() && result.got == check.expected;
        }
        result.check = std::move(check);
        report.results.push_back(std::move(result));
    }
    return report;
}

} // namespace ombrix
