// Bytes from another process through the hand-over decoder, fed in the
// pieces the input's first byte chooses. Whatever arrives, the decoder must
// never hold more than the bound, and a complete message must encode back to
// the bytes it was read from.

#include "platform/ipc/HandOver.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t piece = 1 + data[0] % 16;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    ombrix::HandOverDecoder decoder;
    std::size_t used = 0;
    while (used < bytes.size() && decoder.Current() == ombrix::HandOverDecoder::State::NeedMore) {
        const std::string_view next = bytes.substr(used, piece);
        decoder.Feed(next);
        used += next.size();
    }
    if (decoder.Text().size() > ombrix::HandOverLimit) {
        std::abort();
    }
    if (decoder.Current() == ombrix::HandOverDecoder::State::Complete) {
        const auto encoded = ombrix::EncodeHandOver(decoder.Text());
        if (!encoded || bytes.substr(0, encoded->size()) != *encoded) {
            std::abort();
        }
    }
    return 0;
}
