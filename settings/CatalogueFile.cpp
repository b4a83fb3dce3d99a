#include "settings/CatalogueFile.h"

#include "platform/posix/FileIo.h"
#include "settings/QuotedFields.h"

#include <array>

namespace ombrix {

namespace {

constexpr std::size_t FieldsPerRecord = 3;

bool IsComment(std::string_view firstField) {
    return firstField.starts_with('\'');
}

constexpr std::array<BuiltinEntry, 22> Builtin{{
    {"ATS", "euro\\ATS"}, {"BEF", "euro\\BEF"},
    {"DEM", "euro\\DEM"}, {"ESP", "euro\\ESP"},
    {"FIM", "euro\\FIM"}, {"FRF", "euro\\FRF"},
    {"GRD", "euro\\GRD"}, {"IEP", "euro\\IEP"},
    {"ITL", "euro\\ITL"}, {"LUF", "euro\\LUF"},
    {"PTE", "euro\\PTE"}, {"Euro-NLG", "euro\\NLG"},
    {"BGN", "euro\\BGN"}, {"CYP", "euro\\CYP"},
    {"EEK", "euro\\EEK"}, {"HRK", "euro\\HRK"},
    {"LTL", "euro\\LTL"}, {"LVL", "euro\\LVL"},
    {"MTL", "euro\\MTL"}, {"SIT", "euro\\SIT"},
    {"SKK", "euro\\SKK"}, {"Veldmark dialling codes", "Text\\Dialcodes"},
}};

} // namespace

CatalogueRecords ParseCatalogue(std::string_view bytes) {
    CatalogueRecords records;
    QuotedFieldReader reader(bytes);
    std::vector<std::string> fields;
    for (;;) {
        const QuotedFieldReader::RecordStatus status = reader.NextRecord(fields, FieldsPerRecord);
        if (status == QuotedFieldReader::RecordStatus::End)
            break;
        if (status == QuotedFieldReader::RecordStatus::Broken)
            return records;
        if (IsComment(fields[0]))
            continue;
        if (fields[0] == LanguageRecordTag) {
            records.language = std::move(fields[1]);
            continue;
        }
        if (records.entries.size() == MaxCatalogueEntries)
            return records;
        records.entries.push_back(
            {std::move(fields[0]), std::move(fields[1]), fields[2] == DefaultMark});
    }
    records.complete = true;
    return records;
}

std::string FormatCatalogue(std::string_view language, const std::vector<CatalogueEntry>& entries) {
    std::string out = FormatRecord({LanguageRecordTag, language, ""});
    for (const CatalogueEntry& entry : entries)
        out += FormatRecord({entry.name, entry.path, entry.isDefault ? DefaultMark : ""});
    return out;
}

std::optional<std::string> ReadCatalogueLanguage(const std::string& catalogueFile) {
    const std::optional<std::string> bytes = ReadWholeFile(catalogueFile);
    if (!bytes)
        return std::nullopt;
    QuotedFieldReader reader(*bytes);
    std::vector<std::string> fields;
    for (;;) {
        const QuotedFieldReader::RecordStatus status = reader.NextRecord(fields, FieldsPerRecord);
        if (status == QuotedFieldReader::RecordStatus::End)
            return std::string();
        if (status == QuotedFieldReader::RecordStatus::Broken)
            return std::nullopt;
        if (!IsComment(fields[0]) && fields[0] == LanguageRecordTag)
            return std::move(fields[1]);
    }
}

std::span<const BuiltinEntry> BuiltinCatalogue() {
    return Builtin;
}

} // namespace ombrix
