#pragma once
// Test doubles and temporary folders for the definition loader tests.

#include "engine/MessageSink.h"
#include "platform/Paths.h"
#include "settings/Registry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
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

// A fresh program folder and data folder under the system's temp folder,
// removed again at the end of the test.
class TempFolders {
public:
    TempFolders() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "_" + info->name();
        for (char& c : name) {
            if (c == '/')
                c = '_';
        }
        root_ = std::filesystem::temp_directory_path() / ("ombrix_" + name);
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_ / "program");
        std::filesystem::create_directories(root_ / "data");
        folders.program = (root_ / "program").string();
        folders.data = (root_ / "data").string();
    }
    ~TempFolders() {
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }
    TempFolders(const TempFolders&) = delete;
    TempFolders& operator=(const TempFolders&) = delete;

    // Writes `bytes` to `relative` (stored "\" separators allowed) under `folder`.
    static std::string Write(const std::string& folder, const std::string& relative,
                             const std::string& bytes) {
        const std::filesystem::path file =
            std::filesystem::path(folder) / platform::ToFileSystemPath(relative);
        std::filesystem::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file.string();
    }

    platform::ProgramFolders folders;

private:
    std::filesystem::path root_;
};

} // namespace ombrix::testing
