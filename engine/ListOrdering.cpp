#include "engine/ListOrdering.h"

#include "base/TextCase.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace ombrix {

int CompareNames(std::string_view a, std::string_view b) {
    for (std::size_t i = 0;; ++i) {
        if (i == a.size())
            return i == b.size() ? 0 : 1;
        if (i == b.size())
            return 2;
        const auto left = static_cast<unsigned char>(ToUpper1252(a[i]));
        const auto right = static_cast<unsigned char>(ToUpper1252(b[i]));
        if (left != right)
            return left < right ? 1 : 2;
    }
}

void ExchangeSort(std::vector<std::string>& table, int last) {
    const int end = std::min(last, static_cast<int>(table.size()) - 1);
    for (int i = 0; i <= end; ++i) {
        for (int j = i + 1; j <= end; ++j) {
            if (CompareNames(table[i], table[j]) == 2)
                std::swap(table[i], table[j]);
        }
    }
}

void SortCatalogueList(CatalogueList& list) {
    const std::size_t count = list.names.size();
    // Sorting positions rather than names keeps each entry with its own path
    // even when two names are equal; the stable sort keeps equal names in
    // their order, which an exchange of names does not promise.
    std::vector<std::size_t> order(count);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&list](std::size_t a, std::size_t b) {
        return CompareNames(list.names[a], list.names[b]) == 1;
    });

    std::vector<std::string> names(count);
    std::vector<std::string> paths(count);
    int defaultIndex = -1;
    for (std::size_t k = 0; k < count; ++k) {
        const std::size_t from = order[k];
        names[k] = std::move(list.names[from]);
        if (from < list.paths.size())
            paths[k] = std::move(list.paths[from]);
        if (static_cast<int>(from) == list.defaultIndex)
            defaultIndex = static_cast<int>(k);
    }
    // Paths beyond the names (unused catalogue slots) stay where they are.
    if (list.paths.size() < count)
        list.paths.resize(count);
    for (std::size_t k = 0; k < count; ++k)
        list.paths[k] = std::move(paths[k]);
    list.names = std::move(names);
    list.defaultIndex = defaultIndex;
    list.text = defaultIndex >= 0 ? list.names[defaultIndex] : std::string();
}

} // namespace ombrix
