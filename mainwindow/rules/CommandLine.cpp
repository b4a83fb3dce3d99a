#include "mainwindow/rules/CommandLine.h"

#include "base/TextCase.h"
#include "engine/ConversionPath.h"
#include "platform/posix/Paths.h"

namespace ombrix {

namespace {

// Characters a desktop's command line gives a meaning of its own.
constexpr std::string_view Reserved = " \t\n\"'\\><~|&;$*?#()`";
// Characters that keep their meaning inside quotes unless escaped.
constexpr std::string_view EscapedInQuotes = "\"`$\\";

} // namespace

std::string StartAtLoginCommand(std::string_view programFolder, std::string_view executable) {
    std::string path = std::string(programFolder) + "/" + std::string(executable);
    if (path.find_first_of(Reserved) != std::string::npos) {
        std::string quoted = "\"";
        for (char c : path) {
            if (EscapedInQuotes.find(c) != std::string_view::npos) {
                quoted += '\\';
            }
            quoted += c;
        }
        path = quoted + "\"";
    }
    return path + " /tray";
}

bool StartsWithLanguageSwitch(std::string_view commandLine) {
    return ToLower1252(commandLine.substr(0, 4)) == "/lng";
}

bool StartsWithLanguageSwitchExact(std::string_view commandLine) {
    return commandLine.substr(0, 4) == "/lng";
}

std::string LanguageFromCommandLine(std::string_view commandLine) {
    return commandLine.size() > 5 ? std::string(commandLine.substr(5)) : std::string();
}

bool IsTraySwitch(std::string_view commandLine) {
    return commandLine == "/tray";
}

std::string WithFileFromStartFolder(const std::string& commandLine,
                                    const std::string& startFolder) {
    if (commandLine.empty() || startFolder.empty() || platform::IsAbsolutePath(commandLine)) {
        return commandLine;
    }
    std::string name = commandLine;
    const std::string here = ResolveConversionPath(name, {startFolder, ""});
    return platform::FileExists(here) ? here : commandLine;
}

} // namespace ombrix
