#pragma once
// Converting a whole table of tab-separated cells, as it comes from a
// spreadsheet through the clipboard, cell by cell with the current conversion.

#include "engine/Engine.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace ombrix {

// How a cell of a formula conversion is treated.
enum class CellStatus : std::int16_t { Keep = 0, Convert = 1, Header = 2 };

struct CellClassification {
    CellStatus status = CellStatus::Keep;
    std::string_view text; // the part of the cell to convert, or the cell itself
};

// Finds the number in a cell such as "12,50 EUR"; text cells are kept, and
// text in the first row (rowsDone == 0) marks a header that is dropped. The
// text returned lies inside `cell`.
CellClassification Incontrol(std::string_view cell, int rowsDone);

// Whether unit symbols may be attached to converted values: only a
// conversion whose first unit has a symbol (Symbol1 or Symbol3) offers it.
bool SymbolsCanBeAttached(const ConversionDefinition& definition);

struct TableConversionResult {
    std::string text;
    int failedCells = 0;
};

// Converts a table that arrives in pieces, so a large one never has to be
// held whole. The pieces may split the table anywhere; the output is the same
// as for the table in one piece. The user's decimal separator is asked once,
// when the converter is made, and holds for the whole table.
class TableConverter {
public:
    // `attachSymbols` asks for the unit symbols around every converted value;
    // they come only when SymbolsCanBeAttached.
    TableConverter(Engine& engine, Direction direction, bool attachSymbols);

    // Converts every complete row of `text` onto `out` and returns how many
    // bytes that took; the caller passes the rest again with more text.
    std::size_t Feed(std::string_view text, std::string& out);
    // Converts the last row, which has no line ending of its own; it gets the
    // line ending the table uses.
    void Finish(std::string_view lastRow, std::string& out);
    // Converts a whole table that `read` delivers in pieces, handing the
    // converted text to `write` piece by piece. `read` fills the buffer it is
    // given and answers how many bytes, 0 at the end, or nothing when reading
    // failed: then the unfinished last row is dropped and the answer is false.
    bool ConvertStream(const std::function<std::optional<std::size_t>(char*, std::size_t)>& read,
                       const std::function<void(std::string_view)>& write);
    int FailedCells() const { return failedCells_; }

private:
    void ConvertRow(std::string_view row, std::string_view lineEnding, std::string& out);
    void ConvertCell(std::string_view cell, std::string& out);

    Engine& engine_;
    NumberText::SeparatorPin pin_;
    Direction direction_;
    bool attachSymbols_;
    bool formula_;
    int rowsDone_ = 0;
    int failedCells_ = 0;
    bool sawLineFeed_ = false;
    bool sawCarriageReturnLineFeed_ = false;
    std::string cell_; // the cell handed to the engine, reused
};

// Converts every cell of `table` in `direction`; with `attachSymbols` the unit
// symbols are put around each converted value when SymbolsCanBeAttached. The engine's error box is
// shown once per failing cell, which is left empty.
TableConversionResult ConvertTable(Engine& engine, std::string_view table, Direction direction,
                                   bool attachSymbols);

} // namespace ombrix
