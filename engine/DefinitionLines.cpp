#include "engine/DefinitionLines.h"

#include "platform/posix/Paths.h"

#include <filesystem>
#include <system_error>

namespace ombrix {

namespace {
constexpr std::size_t ChunkBytes = 64 * 1024;
}

bool DefinitionLines::Open(std::string_view path) {
    file_.reset();
    buffer_.clear();
    position_ = 0;
    totalRead_ = 0;
    skipLineFeed_ = false;
    failed_ = false;

    const std::filesystem::path name(platform::ToFileSystemPath(path));
    std::error_code ec;
    // A folder or a device would open but is no definition file.
    if (!std::filesystem::is_regular_file(name, ec) || ec)
        return false;
    const std::uintmax_t size = std::filesystem::file_size(name, ec);
    if (ec || size > MaxFileBytes)
        return false;
    file_.reset(std::fopen(name.c_str(), "rb"));
    return file_ != nullptr;
}

bool DefinitionLines::Refill() {
    if (!file_ || failed_)
        return false;
    buffer_.resize(ChunkBytes);
    const std::size_t got = std::fread(buffer_.data(), 1, ChunkBytes, file_.get());
    buffer_.resize(got);
    position_ = 0;
    totalRead_ += got;
    // The file may have grown since it was opened.
    if (std::ferror(file_.get()) || totalRead_ > MaxFileBytes)
        failed_ = true;
    return got > 0 && !failed_;
}

DefinitionLines::Status DefinitionLines::Next(std::string& line) {
    line.clear();
    for (;;) {
        if (position_ == buffer_.size() && !Refill())
            break;
        if (skipLineFeed_) {
            skipLineFeed_ = false;
            if (buffer_[position_] == '\n') {
                ++position_;
                continue;
            }
        }
        const std::size_t end = buffer_.find_first_of("\r\n", position_);
        const std::size_t stop = end == std::string::npos ? buffer_.size() : end;
        if (line.size() + (stop - position_) > MaxLineBytes) {
            failed_ = true;
            return Status::Unreadable;
        }
        line.append(buffer_, position_, stop - position_);
        if (end != std::string::npos) {
            position_ = end + 1;
            skipLineFeed_ = buffer_[end] == '\r';
            return Status::Line;
        }
        position_ = buffer_.size();
    }
    if (failed_)
        return Status::Unreadable;
    // A last line without its line end still counts, but nothing follows
    // the final line end.
    return line.empty() ? Status::End : Status::Line;
}

} // namespace ombrix
