#pragma once
// Temporary folders and test doubles for the settings tests: every test gets
// its own program folder, data folder and XDG folders under the temp folder.

#include "base/MessageSink.h"
#include "platform/posix/Paths.h"
#include "settings/SettingsEnvironment.h"

#include "FakeRegistry.h"
#include "RecordingSink.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace ombrix::testing {

class TempTree {
public:
    TempTree() {
        root = TestFolderPath("ombrix_settings_");
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root / "program");
        std::filesystem::create_directories(root / "data");
        folders.program = (root / "program").string();
        folders.data = (root / "data").string();
        env.home = (root / "home").string();
        env.xdgConfigHome = (root / "config").string();
        env.xdgConfigDirs = (root / "machine").string() + ":/nonexistent";
        env.xdgDataHome = (root / "share").string();
    }
    ~TempTree() {
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    std::filesystem::path root;
    platform::ProgramFolders folders;
    SettingsEnvironment env;
};

// Lets writes through only up to a few bytes, as a full disk does.
class FullDisk {
public:
    FullDisk() {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        oldSignal_ = ::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old_;
        small.rlim_cur = 16;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FullDisk() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        ::signal(SIGXFSZ, oldSignal_);
    }

private:
    rlimit old_{};
    void (*oldSignal_)(int) = nullptr;
};

inline void WriteFile(const std::filesystem::path& file, const std::string& bytes) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The files of a folder whose names start with `prefix`.
inline std::vector<std::string> FilesStartingWith(const std::filesystem::path& folder,
                                                  const std::string& prefix) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(prefix))
            names.push_back(name);
    }
    return names;
}

} // namespace ombrix::testing
