#pragma once
// Converting a whole table of tab-separated cells, as it comes from a
// spreadsheet through the clipboard, cell by cell with the current conversion.

#include "engine/Engine.h"

#include <cstdint>
#include <string>

namespace ombrix {

// How a cell of a formula conversion is treated.
enum class CellStatus : std::int16_t { Keep = 0, Convert = 1, Header = 2 };

struct CellClassification {
    CellStatus status = CellStatus::Keep;
    std::string text; // the part of the cell to convert, or the cell itself
};

// Finds the number in a cell such as "12,50 EUR"; text cells are kept, and
// text in the first row (rowsDone == 0) marks a header that is dropped.
CellClassification Incontrol(const std::string& cell, int rowsDone);

struct TableConversionResult {
    std::string text;
    int failedCells = 0;
};

// Converts every cell of `table` in `direction`; with `attachSymbols` the unit
// symbols are put around each converted value. The engine's error box is shown
// once per failing cell, which is left empty.
TableConversionResult ConvertTable(Engine& engine, std::string table, Direction direction,
                                   bool attachSymbols);

} // namespace ombrix
