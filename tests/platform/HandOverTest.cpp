#include "platform/ipc/HandOver.h"

#include <gtest/gtest.h>

namespace ombrix {
namespace {

using State = HandOverDecoder::State;

TEST(HandOver, RoundTripsWhateverTheChunking) {
    const std::string texts[] = {"", "/tmp/a b.nod", std::string(300, 'x'),
                                 std::string(HandOverLimit, '\x80'), std::string("a\0b", 3)};
    for (const std::string& text : texts) {
        const std::string message = *EncodeHandOver(text);
        for (std::size_t chunk : {std::size_t{1}, std::size_t{3}, std::size_t{4096}}) {
            HandOverDecoder decoder;
            State state = State::NeedMore;
            for (std::size_t at = 0; at < message.size(); at += chunk) {
                EXPECT_EQ(state, State::NeedMore);
                state = decoder.Feed(std::string_view(message).substr(at, chunk));
            }
            EXPECT_EQ(state, State::Complete) << text.size() << " by " << chunk;
            EXPECT_EQ(decoder.Text(), text);
        }
    }
}

TEST(HandOver, SenderRefusesTextOverTheBound) {
    EXPECT_FALSE(EncodeHandOver(std::string(HandOverLimit + 1, 'x')));
}

TEST(HandOver, ReceiverRejectsAnnouncedLengthOverTheBound) {
    const struct {
        std::string header;
        State state;
    } cases[] = {
        {std::string("\x00\x00\x80\x01", 4), State::Invalid},
        {std::string("\xff\xff\xff\xff", 4), State::Invalid},
        {std::string("\x00\x00\x80\x00", 4), State::NeedMore},
        {std::string("\x00\x00", 2), State::NeedMore},
    };
    for (const auto& c : cases) {
        HandOverDecoder decoder;
        EXPECT_EQ(decoder.Feed(c.header), c.state);
        EXPECT_TRUE(decoder.Text().empty());
    }
}

TEST(HandOver, BytesPastTheAnnouncedLengthAreNotRead) {
    HandOverDecoder decoder;
    EXPECT_EQ(decoder.Feed(std::string("\x00\x00\x00\x03"
                                       "abcdef",
                                       10)),
              State::Complete);
    EXPECT_EQ(decoder.Text(), "abc");
    EXPECT_EQ(decoder.Feed("more"), State::Complete);
    EXPECT_EQ(decoder.Text(), "abc");
}

} // namespace
} // namespace ombrix
