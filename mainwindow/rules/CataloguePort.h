#pragma once
// What the main window asks of the shared in-memory catalogue and its file.
// It holds at most MaxCatalogueEntries entries.

#include "settings/CatalogueFile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ombrix {

class CataloguePort {
public:
    virtual ~CataloguePort() = default;
    // The display names, one per entry (the items of the conversion list).
    virtual std::vector<std::string> Names() const = 0;
    virtual std::string File(std::int16_t index) const = 0;
    // -1 when the catalogue is empty.
    virtual std::int16_t LastIndex() const = 0;
    virtual std::int16_t DefaultIndex() const = 0;
    virtual void SetDefaultIndex(std::int16_t index) = 0;
    virtual std::string LanguageFile() const = 0;
    virtual void SetLanguageFile(const std::string& file) = 0;

    // Later entries move up by one; the last slot is emptied.
    virtual void RemoveEntry(std::int16_t index) = 0;
    // Adds a last entry; false when the catalogue is full.
    virtual bool AppendEntry(const std::string& name, const std::string& file) = 0;

    // Reads the catalogue file (mode 0 at start-up, 1 to refresh, keeping the
    // list's current selection when it still exists); the index to select.
    virtual std::int16_t ReadCatalogue(std::int16_t mode, std::int16_t currentSelection) = 0;
    // Writes the data folder's catalogue file; false when it could not be written.
    // With relative, `language` is recorded relative to the data folder and
    // `written` receives the name as recorded.
    virtual bool SaveCatalogue(const std::string& language, bool relative,
                               std::string& written) = 0;
    // The next save first keeps the file as it is under a new name.
    virtual void KeepCopyOnNextSave() = 0;
};

} // namespace ombrix
