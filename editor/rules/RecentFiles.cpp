#include "editor/rules/RecentFiles.h"

namespace ombrix {

namespace {

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

} // namespace

std::string RecentValueName(int i) {
    return "usedlast" + std::to_string(i);
}

std::string visiblefile(std::string& path) {
    path = Trimmed(path);
    if (path.size() <= 20) {
        return path;
    }
    const std::string last = path.substr(path.size() - 15);
    const auto separator = last.find_first_of("\\/");
    return path.substr(0, 3) + "..." +
           (separator == std::string::npos ? last : last.substr(separator));
}

void RecentFiles::Fill() {
    for (int i = 1; i <= RecentSlots; ++i) {
        std::string path = Stored(i);
        if (path.size() > 2) {
            Show(i, std::move(path));
        }
    }
}

void RecentFiles::Show(int slot, std::string path) {
    std::string display = visiblefile(path);
    menu_.ShowRecent(slot, "&" + std::to_string(slot) + ". " + display);
    // The item's caption from its fourth character on, trimmed.
    shown_[static_cast<std::size_t>(slot - 1)] = Trimmed(display);
}

std::string RecentFiles::Stored(int i) const {
    return registry_.RegRead(Hive::CurrentUser, SettingsKey, RecentValueName(i));
}

void RecentFiles::addnr1(const std::string& currentFile) {
    const std::string path = Trimmed(currentFile);
    registry_.RegWrite(Hive::CurrentUser, SettingsKey, RecentValueName(1), path);
    Show(1, path);
}

void RecentFiles::salastused(const std::string& currentFile) {
    std::string current = currentFile;
    const std::string d = visiblefile(current);
    const std::array<std::string, RecentSlots> stored{Stored(1), Stored(2), Stored(3)};
    if (d == Shown(2)) {
        registry_.RegWrite(Hive::CurrentUser, SettingsKey, RecentValueName(2), stored[0]);
        Show(2, stored[0]);
        addnr1(currentFile);
        return;
    }
    if (d == Shown(1)) {
        return;
    }
    for (int j = 3; j >= 2; --j) {
        const std::string& previous = stored[static_cast<std::size_t>(j - 2)];
        if (!previous.empty()) {
            registry_.RegWrite(Hive::CurrentUser, SettingsKey, RecentValueName(j), previous);
            Show(j, previous);
        }
    }
    addnr1(currentFile);
}

} // namespace ombrix
