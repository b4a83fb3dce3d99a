// Feeds arbitrary bytes to the catalogue reader as the data folder's catalogue
// file: reading must never crash, must leave a consistent catalogue, and a
// file that reads cleanly must read back the same after it is saved.

#include "settings/Catalogue.h"
#include "settings/CatalogueFile.h"

#include "FuzzSupport.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace {

void Check(bool condition) {
    if (!condition)
        __builtin_trap();
}

void CheckConsistent(const ombrix::Catalogue& catalogue, std::int16_t result) {
    Check(catalogue.LastIndex >= -1 && catalogue.LastIndex < 256);
    Check(catalogue.Names.size() <= static_cast<std::size_t>(catalogue.LastIndex + 1));
    if (catalogue.LastIndex >= 0) {
        Check(catalogue.SelectedIndex == result);
        Check(result >= 0 && static_cast<std::size_t>(result) < catalogue.Names.size());
    }
}

// Only texts that the writer can represent (no double quote) and entries
// that each give a list item come back unchanged.
bool RoundTrips(const ombrix::CatalogueRecords& records) {
    if (!records.complete || (records.language && records.language->find('"') != std::string::npos))
        return false;
    for (const ombrix::CatalogueEntry& entry : records.entries) {
        if (entry.name.empty() || entry.name.find('"') != std::string::npos ||
            entry.path.find('"') != std::string::npos)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path root = ombrix::fuzzing::ScratchFolder("catalogue");
    std::error_code ec;
    std::filesystem::remove_all(root / "data", ec);
    std::filesystem::create_directories(root / "data");
    std::filesystem::create_directories(root / "program");
    const ombrix::platform::ProgramFolders folders{(root / "program").string(),
                                                   (root / "data").string()};
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string file = (root / "data" / "ombrixgo.cfg").string();
    ombrix::fuzzing::WriteInput(file, bytes);

    ombrix::Catalogue catalogue(folders);
    CheckConsistent(catalogue, catalogue.ReadCatalogue(ombrix::CatalogueAtStartup));
    catalogue.SelectedIndex = static_cast<int>(size % 300) - 10;
    CheckConsistent(catalogue, catalogue.ReadCatalogue(ombrix::CatalogueRefresh));
    ombrix::ReadCatalogueLanguage(file);

    const ombrix::CatalogueRecords records = ombrix::ParseCatalogue(bytes);
    ombrix::Catalogue fresh(folders);
    fresh.ReadCatalogue(ombrix::CatalogueAtStartup);
    bool readAsWritten = RoundTrips(records) &&
                         fresh.LastIndex + 1 == static_cast<int>(records.entries.size()) &&
                         fresh.Names.size() == records.entries.size();
    for (std::size_t i = 0; readAsWritten && i < fresh.Names.size(); ++i)
        readAsWritten = fresh.Names[i] == records.entries[i].name; // not the built-in list
    if (readAsWritten) {
        fresh.SaveCatalogue(fresh.LanguageFile, fresh.Names, false);
        const std::string saved = [&] {
            std::string text;
            if (std::FILE* in = std::fopen(file.c_str(), "rb")) {
                char buffer[4096];
                std::size_t got;
                while ((got = std::fread(buffer, 1, sizeof buffer, in)) > 0)
                    text.append(buffer, got);
                std::fclose(in);
            }
            return text;
        }();
        const ombrix::CatalogueRecords again = ombrix::ParseCatalogue(saved);
        Check(again.complete);
        Check(again.language.value_or("") == records.language.value_or(""));
        Check(again.entries.size() == records.entries.size());
        for (std::size_t i = 0; i < again.entries.size(); ++i) {
            Check(again.entries[i].name == records.entries[i].name);
            Check(again.entries[i].path == records.entries[i].path);
        }
    }
    return 0;
}
