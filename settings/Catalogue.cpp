#include "settings/Catalogue.h"

#include "base/TextCase.h"
#include "platform/posix/FileIo.h"
#include "settings/DataFolder.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <optional>
#include <system_error>

namespace ombrix {

namespace {

std::string InFolder(const std::string& folder, std::string_view name) {
    return platform::ToFileSystemPath(JoinPath(folder, name));
}

// `path` is already in the file system's form, so it is not converted again.
bool Exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

// The system's word for the last failure.
std::string SystemReason() {
    return std::strerror(errno);
}

std::string FullList() {
    return "it already holds " + std::to_string(MaxCatalogueEntries) +
           " entries, the most it can hold";
}

} // namespace

Catalogue::Catalogue(platform::ProgramFolders folders, MessageSink* sink)
    : folders_(std::move(folders)), sink_(sink) {}

bool Catalogue::Refused(const std::string& why, const std::string& notAdded) {
    // Named as the user knows the folder, not in the file system's encoding.
    const std::string file = JoinPath(folders_.data, CatalogueFileName);
    const std::string lead = notAdded.empty()
                                 ? "The conversion list was not saved to " + file
                                 : notAdded + " was not added to the conversion list in " + file;
    if (sink_ && reported_.insert(file).second)
        sink_->Show({MessageIcon::Exclamation, MessageButtons::Ok, "", lead + ": " + why + "."});
    return false;
}

std::string Catalogue::CatalogueFilePath() const {
    return InFolder(folders_.data, CatalogueFileName);
}

std::string Catalogue::ProgramFolderFile() const {
    const std::string current = InFolder(folders_.program, CatalogueFileName);
    return Exists(current) ? current : InFolder(folders_.program, LegacyCatalogueFileName);
}

std::string Catalogue::ChooseFile(std::int16_t mode) const {
    if (mode == CatalogueProgramFolder)
        return ProgramFolderFile();
    for (std::string_view name : {CatalogueFileName, LegacyCatalogueFileName}) {
        const std::string inData = InFolder(folders_.data, name);
        if (Exists(inData))
            return inData;
    }
    return ProgramFolderFile();
}

void Catalogue::ClearList() {
    Names.clear();
    SelectedIndex = -1;
    pending_.clear(); // what follows is the list as read
}

bool Catalogue::Select(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= Names.size())
        return false;
    SelectedIndex = index;
    return true;
}

std::int16_t Catalogue::ReadFailed(std::int16_t mode, int remembered, const std::string& file) {
    if (file == CatalogueFilePath() && Exists(file))
        copyAsideOnSave_ = "unreadable";
    return LoadDefaultCatalogue(mode, static_cast<std::int16_t>(remembered));
}

std::int16_t Catalogue::ReadCatalogue(std::int16_t mode) {
    const int remembered = mode == CatalogueRefresh ? SelectedIndex : -1;
    ClearList();
    std::string file = ChooseFile(mode);
    std::optional<std::string> bytes = ReadWholeFile(file);
    if (!bytes && mode != CatalogueProgramFolder) {
        // One more try with the copy installed beside the program.
        const std::string fallback = ProgramFolderFile();
        if (Exists(fallback)) {
            ClearList();
            file = fallback;
            bytes = ReadWholeFile(file);
        }
    }
    if (!bytes)
        return ReadFailed(mode, remembered, file);
    CatalogueRecords records = ParseCatalogue(*bytes);
    if (!records.complete)
        return ReadFailed(mode, remembered, file);

    if (records.language)
        LanguageFile = std::move(*records.language);
    for (std::size_t i = 0; i < records.entries.size(); ++i) {
        CatalogueEntry& entry = records.entries[i];
        if (!entry.name.empty())
            Names.push_back(std::move(entry.name));
        if (!entry.path.empty())
            CatalogueFiles[i] = std::move(entry.path);
        if (entry.isDefault)
            DefaultIndex = static_cast<std::int16_t>(i);
    }
    LastIndex = static_cast<std::int16_t>(records.entries.size()) - 1;

    // An empty catalogue selects nothing, whatever the mode.
    if (LastIndex < 0) {
        copyAsideOnSave_.clear();
        return 0;
    }
    int selected = DefaultIndex;
    if (mode == CatalogueRefresh && remembered >= 0 && remembered <= LastIndex)
        selected = remembered;
    if (!Select(selected))
        return ReadFailed(mode, remembered, file);
    copyAsideOnSave_.clear();
    return static_cast<std::int16_t>(selected);
}

std::int16_t Catalogue::LoadDefaultCatalogue(std::int16_t mode, std::int16_t previousIndex) {
    ClearList();
    LanguageFile = std::string(DefaultLanguageFile);
    DefaultIndex = BuiltinDefaultIndex;
    const std::span<const BuiltinEntry> builtin = BuiltinCatalogue();
    for (std::size_t i = 0; i < builtin.size(); ++i) {
        Names.emplace_back(builtin[i].name);
        CatalogueFiles[i] = std::string(builtin[i].path);
    }
    LastIndex = static_cast<std::int16_t>(builtin.size()) - 1;
    const std::int16_t selected =
        mode == CatalogueRefresh && previousIndex >= 0 && previousIndex <= LastIndex
            ? previousIndex
            : BuiltinDefaultIndex;
    Select(selected);
    return selected;
}

bool Catalogue::WriteCatalogueFile(std::string& language, std::vector<CatalogueEntry> entries,
                                   bool keepFileLanguage) {
    const std::string target = CatalogueFilePath();
    const FileLock lock(target);
    if (!lock.Held())
        return Refused(lock.TimedOut() ? "another running copy keeps it locked"
                                       : "it could not be locked (" + SystemReason() + ")");
    std::string dropped; // the first addition that did not fit
    if (Exists(target)) {
        const std::optional<std::string> old = ReadWholeFile(target);
        CatalogueRecords current = old ? ParseCatalogue(*old) : CatalogueRecords{};
        const bool unreadable = !old || !current.complete;
        if (!unreadable && !pending_.empty()) {
            // Only this run's own additions and removals go onto what is
            // there now, so another copy's saves since are kept.
            entries = std::move(current.entries);
            for (const PendingChange& change : pending_) {
                if (change.added) {
                    if (entries.size() < MaxCatalogueEntries)
                        entries.push_back({change.name, change.path, false});
                    else if (dropped.empty())
                        dropped = change.name;
                    continue;
                }
                const auto it = std::find_if(entries.begin(), entries.end(), [&](const auto& e) {
                    return e.name == change.name && e.path == change.path;
                });
                if (it == entries.end())
                    continue; // the other copy removed it already
                // A removed default entry hands its mark to the entry before
                // it, or to the next one when it was the first.
                if (it->isDefault) {
                    if (it != entries.begin())
                        std::prev(it)->isDefault = true;
                    else if (std::next(it) != entries.end())
                        std::next(it)->isDefault = true;
                }
                entries.erase(it);
            }
            if (keepFileLanguage && current.language)
                language = *current.language;
        }
        const std::string tag = unreadable ? std::string("unreadable") : copyAsideOnSave_;
        if (!tag.empty() && !CopyAside(target, tag)) // never replace what could not be kept
            return Refused("the old list could not be kept aside first (" + SystemReason() + ")");
    }
    if (!ReplaceFileContents(target, FormatCatalogue(language, entries)))
        return Refused("it could not be written (" + SystemReason() + ")");
    copyAsideOnSave_.clear();
    pending_.clear();
    if (!dropped.empty())
        return Refused(FullList(), dropped);
    return true;
}

std::string Catalogue::SaveCatalogue(const std::string& languageFile,
                                     const std::vector<std::string>& list, bool relative) {
    const std::optional<std::string> recorded = WriteCatalogue(languageFile, list, relative);
    return recorded && relative ? *recorded : std::string();
}

std::optional<std::string> Catalogue::WriteCatalogue(const std::string& languageFile,
                                                     const std::vector<std::string>& list,
                                                     bool relative) {
    std::string language = languageFile;
    if (relative && !folders_.data.empty()) {
        for (char separator : {platform::NativeSeparator, '\\'}) {
            const std::string prefix = folders_.data + separator;
            if (StartsWithIgnoreCase1252(language, prefix)) {
                language.erase(0, prefix.size());
                break;
            }
        }
    }
    std::vector<CatalogueEntry> entries;
    for (int i = 0; i <= LastIndex && i < static_cast<int>(MaxCatalogueEntries); ++i) {
        const std::size_t at = static_cast<std::size_t>(i);
        entries.push_back(
            {at < list.size() ? list[at] : std::string(), CatalogueFiles[at], i == DefaultIndex});
    }
    // A save that names the language already in use leaves the file's own.
    if (!WriteCatalogueFile(language, std::move(entries), language == LanguageFile))
        return std::nullopt;
    if (relative)
        LanguageFile = language;
    return language;
}

bool Catalogue::WriteDefaultCatalogueFile(std::string_view commandLine) {
    if (StartsWithIgnoreCase1252(commandLine, "/lng"))
        LanguageFile = commandLine.size() > 5 ? std::string(commandLine.substr(5)) : std::string();
    else
        LanguageFile = std::string(DefaultLanguageFile);
    std::vector<CatalogueEntry> entries;
    const std::span<const BuiltinEntry> builtin = BuiltinCatalogue();
    for (std::size_t i = 0; i < builtin.size(); ++i)
        entries.push_back({std::string(builtin[i].name), std::string(builtin[i].path),
                           i == static_cast<std::size_t>(BuiltinDefaultIndex)});
    // The whole built-in list, whatever this run changed before.
    pending_.clear();
    return WriteCatalogueFile(LanguageFile, std::move(entries), false);
}

void Catalogue::RemoveEntry(std::int16_t index) {
    if (index < 0 || index > LastIndex)
        return;
    const std::size_t at = static_cast<std::size_t>(index);
    pending_.push_back({false, at < Names.size() ? Names[at] : std::string(), CatalogueFiles[at]});
    for (int j = index; j < LastIndex; ++j) {
        Names[j] = Names[j + 1];
        CatalogueFiles[j] = CatalogueFiles[j + 1];
    }
    Names.pop_back();
    CatalogueFiles[LastIndex].clear();
    --LastIndex;
}

bool Catalogue::AppendEntry(const std::string& name, const std::string& file) {
    if (static_cast<std::size_t>(LastIndex + 1) >= MaxCatalogueEntries)
        return Refused(FullList(), name);
    pending_.push_back({true, name, file});
    ++LastIndex;
    Names.push_back(name);
    CatalogueFiles[LastIndex] = file;
    return true;
}

} // namespace ombrix
