#pragma once
// What the fuzz targets share: a message sink that answers every box with OK,
// a scratch folder for the files under test, and the split of an input into
// a flags byte and two texts.

#include "base/MessageSink.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ombrix::fuzzing {

class OkSink : public MessageSink {
public:
    MessageAnswer Show(const Message&) override { return MessageAnswer::Ok; }
};

// A folder of this fuzzing process only, so parallel jobs never share files.
inline std::filesystem::path ScratchFolder(std::string_view target) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("ombrix_fuzz_" + std::string(target) + "_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    return folder;
}

// Puts the fuzzer's bytes where the reader under test looks for its file.
inline void WriteInput(const std::filesystem::path& file, std::string_view bytes) {
    if (std::FILE* out = std::fopen(file.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), out);
        std::fclose(out);
    }
}

struct SplitInput {
    std::uint8_t flags = 0;
    std::string first;  // up to the first separator
    std::string second; // after it; empty when there is none
};

// The first byte gives option flags; the rest splits at the first `separator`.
inline std::optional<SplitInput> Split(const std::uint8_t* data, std::size_t size, char separator) {
    if (size == 0)
        return std::nullopt;
    const std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t at = rest.find(separator);
    return SplitInput{data[0], rest.substr(0, at),
                      at == std::string::npos ? std::string() : rest.substr(at + 1)};
}

} // namespace ombrix::fuzzing
