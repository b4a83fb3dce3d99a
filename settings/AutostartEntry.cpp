#include "settings/AutostartEntry.h"

namespace ombrix {

namespace {

std::string Escape(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\t')
            out += "\\t";
        else if (c == '%')
            out += "%%"; // a lone one starts a field code the desktop replaces
        else if (c == ' ' && (i == 0 || i + 1 == text.size()))
            out += "\\s"; // blanks at either end would be taken for layout
        else
            out += c;
    }
    return out;
}

std::string Unescape(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        switch (text[++i]) {
        case 's':
            out += ' ';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        default:
            out += text[i];
        }
    }
    return out;
}

// An Exec value's "%%" stands for one "%".
std::string WithoutDoubledPercent(std::string text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == '%')
            ++i;
    }
    return out;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::string MakeAutostartEntry(std::string_view command) {
    std::string out = "[Desktop Entry]\n"
                      "Type=Application\n"
                      "Name=Quavomat\n"
                      "Comment=Starts Quavomat in the notification area at login\n"
                      "Exec=";
    out += Escape(command);
    out += "\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
    return out;
}

std::optional<std::string> AutostartCommand(std::string_view entry) {
    std::optional<std::string> command;
    bool inMainGroup = false;
    while (!entry.empty()) {
        const std::size_t end = entry.find('\n');
        std::string_view line = entry.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        entry.remove_prefix(end == std::string_view::npos ? entry.size() : end + 1);
        if (Trim(line).starts_with('[')) {
            inMainGroup = Trim(line) == "[Desktop Entry]";
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inMainGroup || equals == std::string_view::npos)
            continue;
        const std::string_view key = Trim(line.substr(0, equals));
        // Only the value's own leading blanks are layout; an escaped one stays.
        std::string_view value = line.substr(equals + 1);
        while (!value.empty() && (value.front() == ' ' || value.front() == '\t'))
            value.remove_prefix(1);
        if (key == "Exec" && !command)
            command = WithoutDoubledPercent(Unescape(value));
        else if ((key == "Hidden" && Trim(value) == "true") ||
                 (key == "X-GNOME-Autostart-enabled" && Trim(value) == "false"))
            return std::nullopt;
    }
    return command;
}

} // namespace ombrix
