#include "mainwindow/rules/CommandLine.h"

#include "engine/TextCase.h"

namespace ombrix {

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

} // namespace ombrix
