#include "engine/TableConversion.h"

namespace ombrix {

namespace {

bool isFormula(const ConversionDefinition& definition) {
    return !definition.MathSteps().empty() && !definition.MathSteps().front().empty();
}

} // namespace

CellClassification Incontrol(std::string_view cell, int rowsDone) {
    std::size_t numberChars = 0;
    int innerSpaces = 0;
    std::size_t leadingSpacesEnd = 0; // 1-based position of the last leading space
    for (std::size_t p = 1; p <= cell.size(); ++p) {
        const char c = cell[p - 1];
        if (c >= '0' && c <= '9') {
            if (innerSpaces == 1)
                return {CellStatus::Convert, cell.substr(p - 2)};
            ++numberChars;
        } else if (c == ' ') {
            if (p == 1 || p == leadingSpacesEnd + 1)
                leadingSpacesEnd = p;
            else
                ++innerSpaces;
        } else if (c == '.') {
            if (numberChars > 0 && innerSpaces == 0)
                ++numberChars;
        } else if (c == ',' || c == '-') {
            ++numberChars;
        }
    }
    const std::size_t rest = cell.size() - numberChars;
    if (rest > 0 && innerSpaces > 0)
        return {CellStatus::Convert, cell.substr(0, numberChars)};
    if (rest != 0)
        return {rowsDone == 0 ? CellStatus::Header : CellStatus::Keep, cell};
    if (!cell.empty())
        return {CellStatus::Convert, cell};
    return {CellStatus::Keep, std::string_view()};
}

bool SymbolsCanBeAttached(const ConversionDefinition& definition) {
    return !definition.Symbol1.empty() || !definition.Symbol3.empty();
}

TableConverter::TableConverter(Engine& engine, Direction direction, bool attachSymbols)
    : engine_(engine), pin_(engine.Numbers), direction_(direction),
      attachSymbols_(attachSymbols && SymbolsCanBeAttached(engine.Definition)),
      formula_(isFormula(engine.Definition)) {}

std::size_t TableConverter::Feed(std::string_view text, std::string& out) {
    std::size_t rowStart = 0;
    for (std::size_t end = text.find('\n'); end != std::string_view::npos;
         end = text.find('\n', rowStart)) {
        sawLineFeed_ = true;
        // A carriage return before the line feed belongs to the line ending.
        const bool carriageReturn = end > rowStart && text[end - 1] == '\r';
        sawCarriageReturnLineFeed_ |= carriageReturn;
        const std::size_t rowEnd = carriageReturn ? end - 1 : end;
        ConvertRow(text.substr(rowStart, rowEnd - rowStart), text.substr(rowEnd, end + 1 - rowEnd),
                   out);
        rowStart = end + 1;
    }
    return rowStart;
}

void TableConverter::Finish(std::string_view lastRow, std::string& out) {
    if (lastRow.empty())
        return;
    // The last row gets the line ending the table already uses.
    std::string row(lastRow);
    row += sawLineFeed_ && !sawCarriageReturnLineFeed_ ? "\n" : "\r\n";
    Feed(row, out);
}

bool TableConverter::ConvertStream(
    const std::function<std::optional<std::size_t>(char*, std::size_t)>& read,
    const std::function<void(std::string_view)>& write) {
    // Rows that run past a piece wait in `pending` for the rest of their text.
    std::string pending;
    std::string out;
    char buffer[1 << 16];
    for (;;) {
        const std::optional<std::size_t> n = read(buffer, sizeof buffer);
        if (!n)
            return false;
        if (*n == 0)
            break;
        pending.append(buffer, *n);
        pending.erase(0, Feed(pending, out));
        write(out);
        out.clear();
    }
    Finish(pending, out);
    write(out);
    return true;
}

void TableConverter::ConvertRow(std::string_view row, std::string_view lineEnding,
                                std::string& out) {
    std::size_t cellStart = 0;
    CellStatus status = CellStatus::Keep;
    for (std::size_t tab = row.find('\t'); tab != std::string_view::npos;
         tab = row.find('\t', tab + 1)) {
        if (formula_ && status == CellStatus::Header)
            continue; // the header cell runs on across this tab
        std::string_view cell = row.substr(cellStart, tab - cellStart);
        if (formula_) {
            const CellClassification c = Incontrol(cell, rowsDone_);
            status = c.status;
            if (status == CellStatus::Header)
                continue;
            cell = c.text;
            if (status == CellStatus::Keep) {
                out += cell;
                out += '\t';
                cellStart = tab + 1;
                continue;
            }
        }
        ConvertCell(cell, out);
        out += '\t';
        cellStart = tab + 1;
    }
    std::string_view cell = row.substr(cellStart);
    if (formula_) {
        const CellClassification c = Incontrol(cell, rowsDone_);
        ++rowsDone_;
        if (c.status == CellStatus::Header)
            return; // the header row and its line ending are dropped
        cell = c.text;
        if (c.status == CellStatus::Keep) {
            out += cell;
            out += lineEnding;
            return;
        }
    }
    ConvertCell(cell, out);
    out += lineEnding;
}

void TableConverter::ConvertCell(std::string_view cell, std::string& out) {
    cell_.assign(cell);
    std::string converted = engine_.EvaluateConversion(cell_, direction_);
    if (engine_.LastConversionFailed())
        ++failedCells_;
    engine_.Numbers.GroupingSeen = false;
    std::string_view shown = converted;
    if (!shown.empty() && shown.front() == ' ')
        shown.remove_prefix(1);
    if (!attachSymbols_) {
        out += shown;
        return;
    }
    const ConversionDefinition& definition = engine_.Definition;
    const bool forward = direction_ == Forward;
    const std::string& before = forward ? definition.Symbol2 : definition.Symbol1;
    const std::string& after = forward ? definition.Symbol4 : definition.Symbol3;
    if (!before.empty()) {
        out += before;
        out += ' ';
    }
    out += shown;
    if (!after.empty()) {
        out += ' ';
        out += after;
    }
}

TableConversionResult ConvertTable(Engine& engine, std::string_view table, Direction direction,
                                   bool attachSymbols) {
    TableConversionResult result;
    TableConverter converter(engine, direction, attachSymbols);
    // Converted cells are about as long as the cells they replace.
    result.text.reserve(table.size() + table.size() / 4);
    const std::size_t used = converter.Feed(table, result.text);
    converter.Finish(table.substr(used), result.text);
    result.failedCells = converter.FailedCells();
    return result;
}

} // namespace ombrix
