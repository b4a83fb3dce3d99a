#include "platform/ipc/HandOver.h"

#include <algorithm>

namespace ombrix {

std::optional<std::string> EncodeHandOver(std::string_view text) {
    if (text.size() > HandOverLimit) {
        return std::nullopt;
    }
    std::string message;
    const auto length = static_cast<unsigned long>(text.size());
    for (int shift = 24; shift >= 0; shift -= 8) {
        message.push_back(static_cast<char>((length >> shift) & 0xFFu));
    }
    message.append(text);
    return message;
}

std::size_t HandOverDecoder::Needed() const {
    if (state_ != State::NeedMore) {
        return 0;
    }
    return header_.size() < 4 ? 4 - header_.size() : length_ - text_.size();
}

HandOverDecoder::State HandOverDecoder::Feed(std::string_view bytes) {
    if (state_ != State::NeedMore) {
        return state_;
    }
    if (header_.size() < 4) {
        const std::size_t take = std::min<std::size_t>(4 - header_.size(), bytes.size());
        header_.append(bytes.substr(0, take));
        bytes.remove_prefix(take);
        if (header_.size() < 4) {
            return state_;
        }
        length_ = 0;
        for (char c : header_) {
            length_ = (length_ << 8) | static_cast<unsigned char>(c);
        }
        if (length_ > HandOverLimit) {
            state_ = State::Invalid;
            return state_;
        }
        text_.reserve(length_);
    }
    const std::size_t take = std::min(length_ - text_.size(), bytes.size());
    text_.append(bytes.substr(0, take));
    if (text_.size() == length_) {
        state_ = State::Complete;
    }
    return state_;
}

} // namespace ombrix
