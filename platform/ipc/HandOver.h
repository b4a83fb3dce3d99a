#pragma once
// The message by which a second copy hands its command line to the running
// copy: a four-byte length (most significant byte first) and that many bytes.
// The length is bounded, so a receiver never holds more than the bound.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ombrix {

inline constexpr std::size_t HandOverLimit = 32 * 1024;
// The running copy's one-byte answer once it has executed the command line.
inline constexpr char HandOverDone = 'K';

// Empty when the text is longer than the bound.
std::optional<std::string> EncodeHandOver(std::string_view text);

class HandOverDecoder {
public:
    enum class State { NeedMore, Complete, Invalid };

    // Takes bytes as they arrive. Bytes past the announced length, or any
    // bytes after Complete or Invalid, are not looked at.
    State Feed(std::string_view bytes);
    State Current() const { return state_; }
    // How many more bytes the message needs (0 once Complete or Invalid).
    std::size_t Needed() const;
    const std::string& Text() const { return text_; }

private:
    State state_ = State::NeedMore;
    std::string header_;
    std::size_t length_ = 0;
    std::string text_;
};

} // namespace ombrix
