#pragma once
// Where a test may keep files: a folder under the system's temp folder named
// after the running test and process, so suites run in parallel never meet.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <string_view>

namespace ombrix::testing {

// The path only; the caller creates and removes the folder.
inline std::filesystem::path TestFolderPath(std::string_view prefix) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(prefix) + std::to_string(::getpid()) + "_" +
                       info->test_suite_name() + "_" + info->name();
    for (char& c : name) {
        if (c == '/')
            c = '_'; // parameterized names hold slashes
    }
    return std::filesystem::temp_directory_path() / name;
}

} // namespace ombrix::testing
