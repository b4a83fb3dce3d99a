#pragma once
// Test doubles for the services core is given: a message sink that records,
// and a settings store held in memory.

#include "base/MessageSink.h"
#include "base/Registry.h"

#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace ombrix::testing {

// Records every message and answers Ok.
class RecordingSink : public MessageSink {
public:
    MessageAnswer Show(const Message& message) override {
        messages.push_back(message);
        return MessageAnswer::Ok;
    }
    std::vector<Message> messages;
};

class MemoryRegistry : public Registry {
public:
    std::string RegRead(Hive hive, std::string_view key, std::string_view name) const override {
        auto it = values.find({hive, std::string(key), std::string(name)});
        return it == values.end() ? std::string() : it->second;
    }
    bool RegWrite(Hive hive, std::string_view key, std::string_view name,
                  std::string_view text) override {
        values[{hive, std::string(key), std::string(name)}] = std::string(text);
        ++writes;
        return true;
    }
    bool RegDelete(Hive hive, std::string_view key, std::string_view name) override {
        return values.erase({hive, std::string(key), std::string(name)}) > 0;
    }
    std::map<std::tuple<Hive, std::string, std::string>, std::string> values;
    int writes = 0;
};

} // namespace ombrix::testing
