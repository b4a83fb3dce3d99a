#include "settings/StoreFormat.h"

#include "base/TextCase.h"

#include <charconv>
#include <cstddef>
#include <map>
#include <optional>
#include <utility>

namespace ombrix {

namespace {

// One decimal count of a record's first line, ended by `end`.
std::optional<std::size_t> ReadCount(std::string_view bytes, std::size_t& pos, char end) {
    const std::size_t start = pos;
    while (pos < bytes.size() && bytes[pos] >= '0' && bytes[pos] <= '9')
        ++pos;
    if (pos == start || pos - start > 12 || pos >= bytes.size() || bytes[pos] != end)
        return std::nullopt;
    std::size_t value = 0;
    std::from_chars(bytes.data() + start, bytes.data() + pos, value);
    ++pos;
    return value;
}

using ValueIndex = std::map<std::pair<std::string, std::string>, std::size_t>;

void Remember(std::vector<StoredValue>& values, ValueIndex& index, StoredValue value) {
    auto [it, added] = index.try_emplace({ToLower1252(value.key), value.name}, values.size());
    if (added)
        values.push_back(std::move(value));
    else
        values[it->second] = std::move(value);
}

} // namespace

std::string NormalizeKeyPath(std::string_view keyPath) {
    while (!keyPath.empty() && (keyPath.back() == '\\' || keyPath.back() == '/'))
        keyPath.remove_suffix(1);
    return std::string(keyPath);
}

bool SameKeyPath(std::string_view a, std::string_view b) {
    return EqualsIgnoreCase1252(NormalizeKeyPath(a), NormalizeKeyPath(b));
}

ParsedStore ParseStore(std::string_view bytes) {
    ParsedStore store;
    ValueIndex index;
    std::size_t pos = 0;
    if (bytes.starts_with(StoreHeader)) {
        pos = StoreHeader.size();
    } else if (std::size_t at = StoreHeaderStart.size(); bytes.starts_with(StoreHeaderStart)) {
        const std::optional<std::size_t> version = ReadCount(bytes, at, '\n');
        store.newer = version && *version > 1;
        store.damaged = !store.newer;
        pos = store.newer ? at : 0;
    } else if (!bytes.empty()) {
        store.damaged = true; // try the records all the same
    }
    while (pos < bytes.size()) {
        const std::optional<std::size_t> keyLength = ReadCount(bytes, pos, ' ');
        const std::optional<std::size_t> nameLength =
            keyLength ? ReadCount(bytes, pos, ' ') : std::nullopt;
        const std::optional<std::size_t> textLength =
            nameLength ? ReadCount(bytes, pos, '\n') : std::nullopt;
        const std::size_t left = bytes.size() - pos;
        if (!textLength || *keyLength > left || *nameLength > left - *keyLength ||
            *textLength >= left - *keyLength - *nameLength ||
            bytes[pos + *keyLength + *nameLength + *textLength] != '\n') {
            store.damaged = true;
            break;
        }
        StoredValue value;
        value.key = NormalizeKeyPath(bytes.substr(pos, *keyLength));
        value.name = std::string(bytes.substr(pos + *keyLength, *nameLength));
        value.text = std::string(bytes.substr(pos + *keyLength + *nameLength, *textLength));
        pos += *keyLength + *nameLength + *textLength + 1;
        Remember(store.values, index, std::move(value));
    }
    return store;
}

std::string SerializeStore(const std::vector<StoredValue>& values) {
    std::string out(StoreHeader);
    for (const StoredValue& value : values) {
        out += std::to_string(value.key.size());
        out += ' ';
        out += std::to_string(value.name.size());
        out += ' ';
        out += std::to_string(value.text.size());
        out += '\n';
        out += value.key;
        out += value.name;
        out += value.text;
        out += '\n';
    }
    return out;
}

} // namespace ombrix
