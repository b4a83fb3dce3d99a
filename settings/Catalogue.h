#pragma once
// The in-memory catalogue that the windows share, and the operations that
// read it from the catalogue file, write it back and put the built-in
// catalogue in its place.
//
// `Names` are the items of the main window's conversion list, item i
// belonging to entry i; the window fills its list from them and loads the
// selected entry itself. Saves replace the file atomically, and a file that
// could not be read is copied aside before a save replaces it.
//
// Another running copy of the same user may share the file. Entries added or
// removed since the catalogue was read are therefore saved as changes to the
// file as it is now, under its lock, so neither copy loses the other's
// additions; a save with no such changes writes the whole list (an explicit
// edit of the list). A save that fails says once per run why, through the
// sink when one was given, and leaves the file as it was.

#include "base/MessageSink.h"
#include "platform/posix/Paths.h"
#include "settings/CatalogueFile.h"

#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace ombrix {

// ReadCatalogue modes.
inline constexpr std::int16_t CatalogueAtStartup = 0;     // select the default entry
inline constexpr std::int16_t CatalogueRefresh = 1;       // keep the selection when it still exists
inline constexpr std::int16_t CatalogueProgramFolder = 2; // the program folder's file only

class Catalogue {
public:
    explicit Catalogue(platform::ProgramFolders folders, MessageSink* sink = nullptr);

    std::vector<std::string> Names; // the main window's conversion list
    std::array<std::string, MaxCatalogueEntries> CatalogueFiles;
    std::int16_t LastIndex = -1; // number of entries minus one
    std::int16_t DefaultIndex = 0;
    std::string LanguageFile;
    int SelectedIndex = -1; // the main list's selected item; the window keeps it current

    const platform::ProgramFolders& Folders() const { return folders_; }
    // The file every save writes: the data folder's catalogue file.
    std::string CatalogueFilePath() const;

    // Fills the catalogue from the file the mode chooses and selects an
    // entry; any failure puts the built-in catalogue in its place. Returns
    // the selected index.
    std::int16_t ReadCatalogue(std::int16_t mode);

    // Writes the language record and entries 0 to LastIndex (display names
    // from `list`) to the data folder's catalogue file. With `relative` a
    // language file inside the data folder is recorded by its bare name,
    // which becomes LanguageFile and is returned; else the result is empty.
    // A failed write returns the empty text and changes nothing.
    std::string SaveCatalogue(const std::string& languageFile, const std::vector<std::string>& list,
                              bool relative);
    // The same save for callers that must tell a failed write from an empty
    // language name: nothing when the write failed, else the language name
    // as recorded (relative or not).
    std::optional<std::string> WriteCatalogue(const std::string& languageFile,
                                              const std::vector<std::string>& list, bool relative);

    // Writes the built-in catalogue to the data folder's catalogue file with
    // the language of a "/lng" command line, else the default language file;
    // sets LanguageFile. The in-memory entries are not touched.
    bool WriteDefaultCatalogueFile(std::string_view commandLine);

    // Puts the built-in catalogue into memory and selects `previousIndex`
    // (mode CatalogueRefresh, when it is a built-in index) or the default entry.
    std::int16_t LoadDefaultCatalogue(std::int16_t mode, std::int16_t previousIndex);

    // Removes entry `index`; every later entry moves up by one. The next
    // save removes the same entry from the file as it is then.
    void RemoveEntry(std::int16_t index);
    // Adds a last entry; false, said through the sink, when the catalogue is
    // full. The next save adds the entry to the file as it is then.
    bool AppendEntry(const std::string& name, const std::string& file);
    // Forgets the additions and removals not yet saved, so the next save
    // writes the list exactly as it is in memory.
    void SaveWholeListNext() { pending_.clear(); }

    // The next save first keeps the file as it is under a new name, so
    // entries removed in this run can be had back.
    void KeepCopyOnNextSave() { copyAsideOnSave_ = "before-removal"; }

private:
    std::string ChooseFile(std::int16_t mode) const;
    std::string ProgramFolderFile() const;
    void ClearList();
    bool Select(int index);
    std::int16_t ReadFailed(std::int16_t mode, int remembered, const std::string& file);
    // Writes `entries`, or, when changes are pending and the file reads
    // whole, those changes applied to the file's entries; then `language`,
    // unless `keepFileLanguage` and the file names one (which then fills it).
    bool WriteCatalogueFile(std::string& language, std::vector<CatalogueEntry> entries,
                            bool keepFileLanguage);
    // Says once per file and run why a save failed, or why the entry named
    // `notAdded` could not be added; false for the caller.
    bool Refused(const std::string& why, const std::string& notAdded = {});

    struct PendingChange {
        bool added = false;
        std::string name;
        std::string path;
    };

    platform::ProgramFolders folders_;
    MessageSink* sink_;
    std::set<std::string> reported_;
    // Additions and removals since the catalogue was read or last saved.
    std::vector<PendingChange> pending_;
    // What the next save first copies the file aside as (empty: nothing):
    // the data folder's file that failed to read and that the built-in
    // catalogue replaced, or the list as it was before entries were removed.
    std::string copyAsideOnSave_;
};

} // namespace ombrix
