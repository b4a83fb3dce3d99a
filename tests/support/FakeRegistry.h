#pragma once
// The settings store in memory. Key paths compare without trailing "\\", as
// the file store's do.

#include "base/Registry.h"

#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace ombrix::testing {

class FakeRegistry : public Registry {
public:
    using Key = std::pair<Hive, std::string>;
    std::map<std::pair<Key, std::string>, std::string> values;
    int writes = 0; // RegWrite calls

    static std::string Normal(std::string_view key) {
        std::string k(key);
        while (!k.empty() && k.back() == '\\') {
            k.pop_back();
        }
        return k;
    }
    void Set(Hive hive, std::string_view name, std::string text,
             std::string_view key = SettingsKey) {
        values[{{hive, Normal(key)}, std::string(name)}] = std::move(text);
    }
    std::string Get(std::string_view name, std::string_view key = SettingsKey) const {
        return RegRead(Hive::CurrentUser, key, name);
    }
    bool Has(std::string_view name) const {
        return values.count({{Hive::CurrentUser, Normal(SettingsKey)}, std::string(name)}) > 0;
    }
    std::string RegRead(Hive hive, std::string_view key, std::string_view name) const override {
        auto it = values.find({{hive, Normal(key)}, std::string(name)});
        return it == values.end() ? std::string() : it->second;
    }
    bool RegWrite(Hive hive, std::string_view key, std::string_view name,
                  std::string_view text) override {
        values[{{hive, Normal(key)}, std::string(name)}] = std::string(text);
        ++writes;
        return true;
    }
    bool RegDelete(Hive hive, std::string_view key, std::string_view name) override {
        return values.erase({{hive, Normal(key)}, std::string(name)}) > 0;
    }
};

} // namespace ombrix::testing
