#pragma once
// One press of the wizard's OK: the clipboard's table converted by the core
// table converter in pieces of whole rows, so the window can stay responsive
// between them and stop on request without touching the clipboard.

#include "engine/TableConversion.h"
#include "wizard/rules/MessageGate.h"

#include <cstddef>
#include <string>

namespace ombrix {

class ClipboardTable {
public:
    // While the table lives, only the first failing cell's error box is shown.
    ClipboardTable(Engine& engine, MessageGate& errorBoxes, std::string table, Direction direction,
                   bool attachSymbols);

    // Converts the rows that start in about the next `bytes` bytes (at least
    // one row); true once the whole table is converted.
    bool Step(std::size_t bytes);
    bool Finished() const { return done_ == table_.size(); }

    std::size_t Done() const { return done_; }
    std::size_t Total() const { return table_.size(); }
    const std::string& Result() const { return out_; }
    int FailedCells() const { return converter_.FailedCells(); }

private:
    MessageGate::OneMessage oneErrorBox_;
    std::string table_;
    TableConverter converter_;
    std::string out_;
    std::size_t done_ = 0;
};

} // namespace ombrix
