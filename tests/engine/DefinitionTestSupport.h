#pragma once
// Test doubles and temporary folders for the definition loader tests.

#include "base/MessageSink.h"
#include "base/Registry.h"
#include "platform/posix/Paths.h"

#include "FakeRegistry.h"
#include "RecordingSink.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace ombrix::testing {

// A fresh program folder and data folder under the system's temp folder,
// removed again at the end of the test.
class TempFolders {
public:
    TempFolders() {
        root_ = TestFolderPath("ombrix_");
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
