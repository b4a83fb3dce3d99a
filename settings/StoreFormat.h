#pragma once
// The on-disk form of one hive of the settings store: a header line, then one
// record per value. Each record is a line of three decimal byte counts (key
// path, value name, text) followed by exactly those bytes and a line feed,
// so any byte, line breaks included, survives unchanged.

#include <string>
#include <string_view>
#include <vector>

namespace ombrix {

struct StoredValue {
    std::string key;  // the key path without trailing separators
    std::string name; // exact case
    std::string text;
};

struct ParsedStore {
    std::vector<StoredValue> values;
    bool damaged = false; // something had to be dropped to read the rest
    // Written by a later version: read as far as its records are of this
    // form, and never to be replaced by what this version would write.
    bool newer = false;
};

inline constexpr std::string_view StoreHeader = "QUAVOMAT-SETTINGS 1\n";
inline constexpr std::string_view StoreHeaderStart = "QUAVOMAT-SETTINGS ";

// Reads as many values as the bytes hold intact; a value repeated later in
// the file replaces the earlier one.
ParsedStore ParseStore(std::string_view bytes);
std::string SerializeStore(const std::vector<StoredValue>& values);

// The key path as stored: trailing "\" (or "/") removed, so the two spellings
// of a key meet. Key paths compare without regard to letter case, as
// registry keys do; value names compare exactly.
std::string NormalizeKeyPath(std::string_view keyPath);
bool SameKeyPath(std::string_view a, std::string_view b);

} // namespace ombrix
