#include "engine/ListOrdering.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ombrix {
namespace {

using Names = std::vector<std::string>;

TEST(ListOrdering, CompareNames) {
    struct Case {
        std::string a;
        std::string b;
        int expected;
    };
    const Case cases[] = {
        {"abc", "ABD", 1},
        {"ABD", "abc", 2},
        {"ab", "abc", 1},
        {"abc", "ab", 2},
        {"alpha", "Zeta", 1},
        {"Zeta", "alpha", 2},
        {"Euro", "eURO", 0},
        {"", "", 0},
        {"", "a", 1},
        // By code as an unsigned byte: É (0xC9) after Z, é equal to É.
        {"Z", "\xC9", 1},
        {"\xE9t\xE9", "\xC9T\xC9", 0},
        {"\xFF", "\x9F", 0},
        {"[", "a", 2}, // "[" (0x5B) sorts after "A" (0x41)
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.a + " / " + c.b);
        EXPECT_EQ(CompareNames(c.a, c.b), c.expected);
    }
}

TEST(ListOrdering, ExchangeSortSortsUpToTheLastIndex) {
    Names table{"delta", "Bravo", "alpha", "charlie", "zulu", "echo"};
    ExchangeSort(table, 3);
    EXPECT_EQ(table, (Names{"alpha", "Bravo", "charlie", "delta", "zulu", "echo"}));
    Names empty;
    ExchangeSort(empty, -1);
    EXPECT_TRUE(empty.empty());
    Names shortTable{"b", "a"};
    ExchangeSort(shortTable, 10);
    EXPECT_EQ(shortTable, (Names{"a", "b"}));
}

struct SortCase {
    const char* what;
    Names names;
    Names paths;
    int defaultIndex;
    Names sortedNames;
    Names sortedPaths;
    int sortedDefault;
};

TEST(ListOrdering, SortCatalogueList) {
    const SortCase cases[] = {
        {"each name keeps its path and the mark",
         {"b", "c", "a", "d"},
         {"b.nod", "c.nod", "a.nod", "d.nod"},
         2,
         {"a", "b", "c", "d"},
         {"a.nod", "b.nod", "c.nod", "d.nod"},
         0},
        {"names equal but for case keep their order",
         {"B", "b", "a"},
         {"1", "2", "3"},
         1,
         {"a", "B", "b"},
         {"3", "1", "2"},
         2},
        {"exact duplicates each keep their own path",
         {"x", "a", "x", "a"},
         {"x1", "a1", "x2", "a2"},
         2,
         {"a", "a", "x", "x"},
         {"a1", "a2", "x1", "x2"},
         3},
        {"empty names sort first and lose nothing",
         {"b", "", "a"},
         {"pb", "pe", "pa"},
         0,
         {"", "a", "b"},
         {"pe", "pa", "pb"},
         2},
        {"no mark", {"b", "a"}, {"pb", "pa"}, -1, {"a", "b"}, {"pa", "pb"}, -1},
        {"unused path slots stay",
         {"b", "a"},
         {"pb", "pa", "", "spare"},
         0,
         {"a", "b"},
         {"pa", "pb", "", "spare"},
         1},
        {"empty list", {}, {}, -1, {}, {}, -1},
    };
    for (const SortCase& c : cases) {
        SCOPED_TRACE(c.what);
        CatalogueList list{c.names, c.paths, c.defaultIndex, "stale"};
        SortCatalogueList(list);
        EXPECT_EQ(list.names, c.sortedNames);
        EXPECT_EQ(list.paths, c.sortedPaths);
        EXPECT_EQ(list.defaultIndex, c.sortedDefault);
        EXPECT_EQ(list.text, c.sortedDefault >= 0 ? c.sortedNames[c.sortedDefault] : "");
    }
}

// Without ties the catalogue sort gives exactly the exchange sort's order.
TEST(ListOrdering, CatalogueSortAgreesWithExchangeSortOnDistinctNames) {
    Names names{"Pound",
                "euro",
                "Dollar",
                "\xC9"
                "cu",
                "yen",
                "Franc",
                "zloty",
                "Krona"};
    Names exchanged = names;
    ExchangeSort(exchanged, static_cast<int>(exchanged.size()) - 1);
    CatalogueList list{names, names, 0, ""};
    SortCatalogueList(list);
    EXPECT_EQ(list.names, exchanged);
    EXPECT_EQ(list.paths, exchanged);
    EXPECT_EQ(list.text, "Pound");
}

} // namespace
} // namespace ombrix
