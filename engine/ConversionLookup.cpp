#include "engine/ConversionLookup.h"

#include "base/TextCase.h"

#include <algorithm>
#include <numeric>

namespace ombrix {

void PrefixIndex::Clear() {
    keys_.clear();
    parent_.clear();
    jump_.clear();
    best_.clear();
}

void PrefixIndex::Build(const std::vector<std::string_view>& keys) {
    Clear();
    std::vector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    // Stable, so among equal keys the first entry in file order leads.
    std::stable_sort(order.begin(), order.end(),
                     [&keys](int a, int b) { return keys[a] < keys[b]; });

    std::vector<int> first;
    for (std::size_t i = 0; i < order.size(); ++i) {
        std::string_view key = keys[order[i]];
        if (!keys_.empty() && keys_.back() == key)
            continue;
        keys_.emplace_back(key);
        first.push_back(order[i]);
    }

    const std::size_t count = keys_.size();
    parent_.assign(count, -1);
    jump_.assign(count, -1);
    best_.assign(count, -1);
    std::vector<int> depth(count, 0);
    auto depthOf = [&depth](int node) { return node < 0 ? 0 : depth[node]; };
    auto jumpOf = [this](int node) { return node < 0 ? -1 : jump_[node]; };

    // In sorted order every key's prefixes come before it and everything
    // between a prefix and the key starts with that prefix, so a stack of the
    // current chain finds each key's parent.
    std::vector<int> chain;
    for (std::size_t i = 0; i < count; ++i) {
        const std::string& key = keys_[i];
        while (!chain.empty() && !key.starts_with(keys_[chain.back()]))
            chain.pop_back();
        const int node = static_cast<int>(i);
        const int parent = chain.empty() ? -1 : chain.back();
        parent_[i] = parent;
        depth[i] = depthOf(parent) + 1;
        best_[i] = parent < 0 ? first[i] : std::min(first[i], best_[parent]);
        const int up = jumpOf(parent);
        const int upUp = jumpOf(up);
        if (parent >= 0 && depthOf(parent) - depthOf(up) == depthOf(up) - depthOf(upUp))
            jump_[i] = upUp;
        else
            jump_[i] = parent;
        chain.push_back(node);
    }
}

int PrefixIndex::Find(std::string_view text) const {
    // Every key that is a prefix of the text lies on the chain of the largest
    // key not after the text, no longer than their common beginning.
    auto it = std::upper_bound(keys_.begin(), keys_.end(), text,
                               [](std::string_view t, const std::string& k) { return t < k; });
    if (it == keys_.begin())
        return -1;
    int node = static_cast<int>(it - keys_.begin()) - 1;
    const std::string& nearest = keys_[node];
    std::size_t common = 0;
    while (common < nearest.size() && common < text.size() && nearest[common] == text[common])
        ++common;
    while (node >= 0 && keys_[node].size() > common) {
        const int skip = jump_[node];
        node = (skip >= 0 && keys_[skip].size() > common) ? skip : parent_[node];
    }
    return node < 0 ? -1 : best_[node];
}

void CaselessIndex::Clear() {
    first_.clear();
}

void CaselessIndex::Build(const std::vector<std::string_view>& keys) {
    Clear();
    first_.reserve(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        first_.emplace(ToUpper1252(keys[i]), static_cast<int>(i));
}

int CaselessIndex::Find(std::string_view text) const {
    auto it = first_.find(ToUpper1252(text));
    return it == first_.end() ? -1 : it->second;
}

} // namespace ombrix
