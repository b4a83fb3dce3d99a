#include "mainwindow/rules/CommandLine.h"

#include "mainwindow/rules/Text1252.h"

namespace ombrix {

bool StartsWithLanguageSwitch(std::string_view commandLine) {
    return LowerCase1252(commandLine.substr(0, 4)) == "/lng";
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
