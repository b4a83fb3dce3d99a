#include "mainwindow/rules/CatalogueAdapter.h"

namespace ombrix {

std::string CatalogueAdapter::File(std::int16_t index) const {
    return index >= 0 && static_cast<std::size_t>(index) < MaxCatalogueEntries
               ? c_.CatalogueFiles[static_cast<std::size_t>(index)]
               : std::string();
}

std::int16_t CatalogueAdapter::ReadCatalogue(std::int16_t mode, std::int16_t currentSelection) {
    c_.SelectedIndex = currentSelection;
    return c_.ReadCatalogue(mode);
}

bool CatalogueAdapter::SaveCatalogue(const std::string& language, bool relative,
                                     std::string& written) {
    const std::optional<std::string> recorded = c_.WriteCatalogue(language, c_.Names, relative);
    if (!recorded) {
        return false;
    }
    written = *recorded;
    return true;
}

} // namespace ombrix
