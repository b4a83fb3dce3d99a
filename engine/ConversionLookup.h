#pragma once
// Lookup indexes over the key column of a conversion table. Both answer the
// same question as a scan of the table in file order ("the first entry
// whose key ...") without visiting every entry, so a table of tens of
// thousands of lines costs about the length of the looked-up text.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ombrix {

// First entry whose key is a prefix of the text (case-sensitive; the empty
// key is a prefix of every text).
class PrefixIndex {
public:
    // keys[i] is the key of table entry i.
    void Build(const std::vector<std::string_view>& keys);
    void Clear();
    // The smallest entry index whose key begins `text`, or -1.
    int Find(std::string_view text) const;

private:
    // One node per distinct key, sorted by key. The keys that are prefixes of
    // one another form chains; parent_ is the longest shorter key that is a
    // prefix of this one, jump_ a skip pointer up that chain for logarithmic
    // climbs, and best_ the smallest entry index on the chain up to the node.
    std::vector<std::string> keys_;
    std::vector<int> parent_;
    std::vector<int> jump_;
    std::vector<int> best_;
};

// First entry whose key equals the text, ignoring Windows-1252 letter case.
class CaselessIndex {
public:
    void Build(const std::vector<std::string_view>& keys);
    void Clear();
    int Find(std::string_view text) const;

private:
    std::unordered_map<std::string, int> first_; // upper-cased key -> first entry
};

} // namespace ombrix
