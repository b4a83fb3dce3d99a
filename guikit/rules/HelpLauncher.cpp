#include "guikit/rules/HelpLauncher.h"

#include "platform/posix/Paths.h"

#include <algorithm>
#include <cctype>

namespace ombrix {

namespace {

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           Lower(text.substr(text.size() - suffix.size())) == Lower(suffix);
}

} // namespace

std::string_view ProgramVersion() {
    return OMBRIX_VERSION;
}

std::string BugReportText(const std::string& bugReportTarget) {
    return bugReportTarget + " " + std::string(ProgramVersion());
}

void RunHtmlHelp(const std::string& target, const std::string& workingFolder, ShellOpener& shell) {
    shell.Open(target, workingFolder);
}

void ShowHelp(const std::string& helpTarget, const std::string& programFolder, ShellOpener& shell) {
    const std::string& t = helpTarget;
    constexpr std::string_view Marker = ".chm::";
    const std::size_t at = Lower(t).find(Marker);
    if (at != std::string::npos) {
        const std::string helpFile = t.substr(0, at + 4);
        std::string topic = t.substr(at + Marker.size());
        if (!topic.empty() && (topic.front() == '\\' || topic.front() == '/')) {
            topic.erase(0, 1);
        }
        if (platform::FileExists(helpFile)) {
            RunHtmlHelp(t, programFolder, shell);
            return;
        }
        const std::size_t slash = helpFile.rfind('\\');
        if (!topic.empty() && slash != std::string::npos) {
            // Without the help file, the topic may lie beside it as a page of its own.
            shell.Open(helpFile.substr(0, slash + 1) + topic, programFolder);
            return;
        }
    }
    if (EndsWithNoCase(t, ".chm") && platform::FileExists(t)) {
        RunHtmlHelp(t, programFolder, shell);
        return;
    }
    shell.Open(t, programFolder);
}

bool GetKeyValue(const Registry& registry, Hive root, std::string_view key,
                 std::string_view valueName, std::string& value) {
    value = registry.RegRead(root, key, valueName);
    // One terminating NUL stored with the text is not part of it.
    if (!value.empty() && value.back() == '\0') {
        value.pop_back();
    }
    return !value.empty();
}

void StartSysInfo(const Registry& registry, ProgramStarter& starter, MessageSink& sink,
                  std::string_view searchPath) {
    std::string path;
    std::string folder;
    if (!GetKeyValue(registry, Hive::LocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                     "PATH", path)) {
        path.clear();
        if (GetKeyValue(registry, Hive::LocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location",
                        "MSINFO", folder) &&
            platform::FileExists(folder + "\\MSINFO32.EXE")) {
            path = folder + "\\MSINFO32.EXE";
        }
    }
    // Linux desktops ship their own; the first one installed is taken.
    for (const char* program :
         {"kinfocenter", "gnome-system-monitor", "hardinfo2", "hardinfo", "mate-system-monitor"}) {
        if (!path.empty()) {
            break;
        }
        path = platform::FindProgramOnPath(program, searchPath);
    }
    if (path.empty() || !starter.Start(path)) {
        sink.Show({MessageIcon::None, MessageButtons::Ok, "", std::string(SysInfoUnavailable)});
    }
}

} // namespace ombrix
