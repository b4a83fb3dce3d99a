// The writer and the checker of the kill campaign (scripts/kill_campaign.sh).
//
//   save_loop seed FOLDER   writes the three files the first time
//   save_loop run FOLDER    saves them round after round, until killed
//   save_loop check FOLDER  exit 0 when every file is whole; else says which is not
//
// The saves go through the programs' own writers: the catalogue's addition
// and removal of an entry (read, change, write under its lock), the settings
// store's value writes, and the atomic replacement the editor saves with.

#include "platform/posix/FileIo.h"
#include "platform/posix/Paths.h"
#include "settings/Catalogue.h"
#include "settings/FileRegistry.h"
#include "settings/SettingNames.h"
#include "settings/StoreFormat.h"

#include <unistd.h>

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace ombrix;

constexpr std::size_t BlobSize = 20000;
constexpr int EditorLines = 4000;
constexpr std::size_t LineSize = 30; // "' round 000000001 line 00001\r\n"
constexpr std::string_view EditorHead = "NAME Kill campaign\r\nURLN Kill\r\n";
constexpr std::string_view EditorTail = "' end\r\n";

struct Files {
    explicit Files(const std::string& root) {
        folders.program = root + "/program";
        folders.data = root + "/data";
        env.home = root + "/home";
        env.xdgConfigHome = root + "/config";
        env.xdgConfigDirs = root + "/machine";
        env.xdgDataHome = root + "/share";
        editorFile = root + "/edited.nod";
    }
    platform::ProgramFolders folders;
    SettingsEnvironment env;
    std::string editorFile;
};

// What the editor writes: a definition of a fixed size whose every comment
// line carries the round, so a mixture of two saves shows.
std::string EditorText(int round) {
    std::string text(EditorHead);
    char line[64];
    for (int i = 0; i < EditorLines; ++i) {
        std::snprintf(line, sizeof line, "' round %09d line %05d\r\n", round, i);
        text += line;
    }
    text += EditorTail;
    return text;
}

bool SaveRound(const Files& files, int round) {
    // The catalogue as a running copy changes it: read, add or remove one
    // entry, save. The list moves between 10 and 40 entries.
    Catalogue catalogue(files.folders);
    catalogue.ReadCatalogue(CatalogueAtStartup);
    if ((round / 30) % 2 == 0 && catalogue.LastIndex < 39) {
        const std::string name = "Round " + std::to_string(round);
        catalogue.AppendEntry(name, "conv\\r" + std::to_string(round));
    } else if (catalogue.LastIndex >= 10) {
        catalogue.RemoveEntry(0);
    }
    bool ok = catalogue.WriteCatalogue(catalogue.LanguageFile, catalogue.Names, false).has_value();

    FileRegistry store(files.env);
    ok = store.RegWrite(Hive::CurrentUser, SettingsKey, "round", std::to_string(round)) && ok;
    ok = store.RegWrite(Hive::CurrentUser, SettingsKey, "blob",
                        std::string(BlobSize, static_cast<char>('a' + round % 26))) &&
         ok;
    return WriteFileAtomically(files.editorFile, EditorText(round)) && ok;
}

bool Seed(const Files& files) {
    EnsureFolder(files.folders.data);
    EnsureFolder(files.folders.program);
    Catalogue catalogue(files.folders);
    catalogue.LanguageFile = "eng.lng";
    catalogue.LastIndex = -1;
    for (int i = 0; i < 10; ++i)
        catalogue.AppendEntry("Seed " + std::to_string(i), "conv\\s" + std::to_string(i));
    catalogue.SaveWholeListNext();
    return catalogue.WriteCatalogue("eng.lng", catalogue.Names, false).has_value() &&
           SaveRound(files, 0);
}

// Empty when the file is whole, else what is wrong with it.
std::string CheckCatalogue(const Files& files) {
    const std::string path = files.folders.data + "/" + std::string(CatalogueFileName);
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes)
        return "catalogue missing or unreadable";
    if (bytes->empty())
        return "catalogue empty";
    const CatalogueRecords records = ParseCatalogue(*bytes);
    if (!records.complete)
        return "catalogue cut off or unparseable";
    if (records.language != "eng.lng")
        return "catalogue lost its language record";
    // Between 10 and 40, give or take what writers running together added or
    // removed at once.
    if (records.entries.size() < 8 || records.entries.size() > 42)
        return "catalogue holds " + std::to_string(records.entries.size()) + " entries";
    return {};
}

std::string CheckStore(const Files& files) {
    FileRegistry registry(files.env);
    const std::optional<std::string> bytes = ReadWholeFile(registry.StoreFile(Hive::CurrentUser));
    if (!bytes)
        return "settings store missing or unreadable";
    const ParsedStore store = ParseStore(*bytes);
    if (bytes->empty() || store.damaged || store.newer)
        return "settings store empty, cut off or unparseable";
    std::optional<std::string> round;
    std::optional<std::string> blob;
    for (const StoredValue& value : store.values) {
        if (value.name == "round")
            round = value.text;
        if (value.name == "blob")
            blob = value.text;
    }
    if (!round || round->empty() || !blob || blob->size() != BlobSize ||
        blob->find_first_not_of((*blob)[0]) != std::string::npos)
        return "settings store lost or mixed a value";
    return {};
}

std::string CheckEditorFile(const Files& files) {
    const std::optional<std::string> bytes = ReadWholeFile(files.editorFile);
    if (!bytes)
        return "edited file missing or unreadable";
    const std::string expected = EditorText(0);
    if (bytes->size() != expected.size() || !bytes->starts_with(EditorHead) ||
        !bytes->ends_with(EditorTail))
        return "edited file empty or cut off (" + std::to_string(bytes->size()) + " bytes)";
    // One save's text throughout: every line names the first line's round.
    const std::string round = bytes->substr(EditorHead.size() + 8, 9);
    for (int i = 0; i < EditorLines; ++i) {
        const std::size_t at = EditorHead.size() + static_cast<std::size_t>(i) * LineSize + 8;
        if (bytes->compare(at, 9, round) != 0)
            return "edited file mixes two saves";
    }
    return {};
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: save_loop seed|run|check FOLDER\n");
        return 2;
    }
    const std::string mode = argv[1];
    const Files files(argv[2]);
    if (mode == "seed")
        return Seed(files) ? 0 : 1;
    if (mode == "run") {
        // Starts from a round of its own, so each life writes new contents.
        for (int round = static_cast<int>(::getpid() % 100000) * 1000;; ++round)
            if (!SaveRound(files, round))
                std::fprintf(stderr, "save_loop: a save of round %d failed\n", round);
    }
    if (mode == "check") {
        int broken = 0;
        for (const std::string& problem :
             {CheckCatalogue(files), CheckStore(files), CheckEditorFile(files)}) {
            if (!problem.empty()) {
                std::printf("%s\n", problem.c_str());
                ++broken;
            }
        }
        return broken == 0 ? 0 : 1;
    }
    std::fprintf(stderr, "save_loop: unknown mode %s\n", mode.c_str());
    return 2;
}
