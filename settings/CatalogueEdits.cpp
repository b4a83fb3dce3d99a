#include "settings/CatalogueEdits.h"

#include "base/TextCase.h"
#include "platform/posix/Paths.h"

#include <algorithm>

namespace ombrix {

std::int16_t DefaultAfterRemoval(std::int16_t removed, std::int16_t defaultIndex) {
    if (removed < defaultIndex) {
        return static_cast<std::int16_t>(defaultIndex - 1);
    }
    if (removed == defaultIndex) {
        return removed == 0 ? std::int16_t{0} : static_cast<std::int16_t>(removed - 1);
    }
    return defaultIndex;
}

std::string StoredConversionPath(std::string path, const std::string& dataFolder) {
    if (!dataFolder.empty() && path.size() > dataFolder.size() &&
        path.compare(0, dataFolder.size(), dataFolder) == 0) {
        const char next = path[dataFolder.size()];
        if (next == platform::NativeSeparator || next == '\\') {
            path.erase(0, dataFolder.size() + 1);
        }
    }
    if (EndsWithIgnoreCase1252(path, "NOD")) {
        path.erase(path.size() - std::min<std::size_t>(4, path.size()));
    }
    return path;
}

} // namespace ombrix
