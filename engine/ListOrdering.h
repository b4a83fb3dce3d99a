#pragma once
// Sorting the list of installed conversions by name, each name keeping its
// conversion file and the marked default entry staying on its conversion.

#include <string>
#include <string_view>
#include <vector>

namespace ombrix {

// 1 when `a` sorts before `b`, 2 when after, 0 when equal; both compared in
// upper case by their Windows-1252 codes, a text that ends first sorting first.
int CompareNames(std::string_view a, std::string_view b);

// Sorts table[0..last] in place: every pair i < j is exchanged when entry i
// sorts after entry j. Equal names are never exchanged directly.
void ExchangeSort(std::vector<std::string>& table, int last);

// The catalogue as the options dialog shows it: name i belongs to path i.
struct CatalogueList {
    std::vector<std::string> names;
    std::vector<std::string> paths;
    int defaultIndex = -1; // the marked default entry, -1 for none
    std::string text;      // the list's current text: the default entry's name
};

// Sorts names, paths and the default index together. Names that compare
// equal (the same letters in any case) keep their order, and every entry,
// an exact duplicate name included, keeps its own path.
void SortCatalogueList(CatalogueList& list);

} // namespace ombrix
