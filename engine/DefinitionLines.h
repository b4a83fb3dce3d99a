#pragma once
// Reads a conversion definition file line by line. A line ends at a carriage
// return followed by a line feed, at a lone line feed (files saved on Linux)
// or at a lone carriage return, so no value ever holds a line end. Every
// other byte, NUL included, is kept.
//
// Hostile files are bounded: a line longer than MaxLineBytes or a file
// larger than MaxFileBytes is reported as Unreadable, like a read error,
// so no file can make the loader hold more than a bounded amount of text.
// Genuine definition files stay far below both limits (their longest table
// holds 25566 short lines).

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace ombrix {

class DefinitionLines {
public:
    static constexpr std::size_t MaxLineBytes = 64 * 1024;
    static constexpr std::size_t MaxFileBytes = 64 * 1024 * 1024;

    enum class Status { Line, End, Unreadable };

    // Opens a stored path name (converted to the file system's form here).
    // A name that is no regular file, or a file over the size limit, fails.
    bool Open(std::string_view path);
    // The next line into `line`, or End after the last one.
    Status Next(std::string& line);
    // Lets go of the file before the caller reports on it.
    void Close() { file_.reset(); }

private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    bool Refill();

    std::unique_ptr<std::FILE, Closer> file_;
    std::string buffer_;
    std::size_t position_ = 0;
    std::size_t totalRead_ = 0;
    bool skipLineFeed_ = false; // the last line ended with a carriage return
    bool failed_ = false;
};

} // namespace ombrix
