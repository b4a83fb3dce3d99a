#pragma once
// The catalogue file: which conversions the main window lists, the file of
// each, the default entry and the chosen language file. Quoted fields, three
// to a record (see QuotedFields.h).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ombrix {

inline constexpr std::string_view CatalogueFileName = "ombrixgo.cfg";
inline constexpr std::string_view LegacyCatalogueFileName = "ombrixg.cfg";
inline constexpr std::size_t MaxCatalogueEntries = 256;
inline constexpr std::string_view LanguageRecordTag = "[lang]";
inline constexpr std::string_view DefaultMark = "*";
inline constexpr std::string_view DefaultLanguageFile = "eng.lng";

struct CatalogueEntry {
    std::string name; // display name; may be empty in a hand-made file
    std::string path; // conversion file without ".nod"; may be empty in a hand-made file
    bool isDefault = false;
};

struct CatalogueRecords {
    std::optional<std::string> language; // the last "[lang]" record's name
    std::vector<CatalogueEntry> entries; // in file order, comments left out
    // False when the file ends inside a record, a quoted field is never
    // closed, or there are more entries than the catalogue can hold.
    bool complete = false;
};

CatalogueRecords ParseCatalogue(std::string_view bytes);

// The file as the programs write it: the language record, then one record
// per entry, every field quoted, carriage return and line feed after each.
std::string FormatCatalogue(std::string_view language, const std::vector<CatalogueEntry>& entries);

// The language file name of the catalogue's first "[lang]" record, read the
// way the stand-alone editor needs it: the empty text when there is no such
// record, nullopt when the file cannot be read up to it.
std::optional<std::string> ReadCatalogueLanguage(const std::string& catalogueFile);

// The catalogue a fresh installation lists.
struct BuiltinEntry {
    std::string_view name;
    std::string_view path; // relative to the program folder
};
std::span<const BuiltinEntry> BuiltinCatalogue();
inline constexpr std::int16_t BuiltinDefaultIndex = 11;

} // namespace ombrix
