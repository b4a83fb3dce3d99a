#include "wizard/rules/ClipboardTable.h"

#include <algorithm>
#include <string_view>

namespace ombrix {

ClipboardTable::ClipboardTable(Engine& engine, MessageGate& errorBoxes, std::string table,
                               Direction direction, bool attachSymbols)
    : oneErrorBox_(errorBoxes), table_(std::move(table)),
      converter_(engine, direction, attachSymbols) {
    // Converted cells are about as long as the cells they replace.
    out_.reserve(table_.size() + table_.size() / 4);
}

bool ClipboardTable::Step(std::size_t bytes) {
    if (Finished()) {
        return true;
    }
    const std::string_view table(table_);
    const std::size_t end = std::min(table.size(), done_ + std::max<std::size_t>(bytes, 1));
    // Whole rows only: up to the last line feed of the piece, or past the
    // first one after it when a row is longer than the piece.
    std::size_t lineFeed = table.rfind('\n', end - 1);
    if (lineFeed == std::string_view::npos || lineFeed < done_) {
        lineFeed = table.find('\n', end);
    }
    if (lineFeed == std::string_view::npos) {
        // The last row has no line ending of its own.
        converter_.Finish(table.substr(done_), out_);
        done_ = table.size();
    } else {
        done_ += converter_.Feed(table.substr(done_, lineFeed + 1 - done_), out_);
    }
    return Finished();
}

} // namespace ombrix
