#include "engine/TableConversion.h"

#include <utility>

namespace ombrix {

namespace {

bool isFormula(const ConversionDefinition& definition) {
    return !definition.MathSteps().empty() && !definition.MathSteps().front().empty();
}

std::string withSymbols(const std::string& cell, const ConversionDefinition& definition,
                        Direction direction) {
    const bool forward = direction == Forward;
    const std::string& before = forward ? definition.Symbol2 : definition.Symbol1;
    const std::string& after = forward ? definition.Symbol4 : definition.Symbol3;
    std::string out = cell;
    if (!before.empty())
        out = before + " " + out;
    if (!after.empty())
        out += " " + after;
    return out;
}

class TableWalk {
public:
    TableWalk(Engine& engine, Direction direction, bool attachSymbols)
        : engine_(engine), direction_(direction), attachSymbols_(attachSymbols),
          formula_(isFormula(engine.Definition)) {}

    TableConversionResult Run(const std::string& table) {
        std::size_t cellStart = 0;
        CellStatus status = CellStatus::Keep;
        int rowsDone = 0;
        // Converted cells are about as long as the cells they replace.
        result_.text.reserve(table.size() + table.size() / 4);
        for (std::size_t i = 0; i < table.size(); ++i) {
            if (table[i] == '\t') {
                if (formula_ && status == CellStatus::Header)
                    continue; // the header cell runs on across this tab
                std::string cell = table.substr(cellStart, i - cellStart);
                if (formula_) {
                    CellClassification c = Incontrol(cell, rowsDone);
                    status = c.status;
                    if (status == CellStatus::Header)
                        continue;
                    cell = std::move(c.text);
                    if (status == CellStatus::Keep) {
                        result_.text += cell;
                        result_.text += '\t';
                        cellStart = i + 1;
                        continue;
                    }
                }
                result_.text += Convert(std::move(cell));
                result_.text += '\t';
                cellStart = i + 1;
            } else if (table[i] == '\n') {
                // A carriage return before the line feed belongs to the line ending.
                std::size_t cellEnd = (i > cellStart && table[i - 1] == '\r') ? i - 1 : i;
                std::string lineEnding = table.substr(cellEnd, i + 1 - cellEnd);
                std::string cell = table.substr(cellStart, cellEnd - cellStart);
                status = CellStatus::Keep;
                cellStart = i + 1;
                if (formula_) {
                    CellClassification c = Incontrol(cell, rowsDone);
                    ++rowsDone;
                    if (c.status == CellStatus::Header)
                        continue; // the header row and its line ending are dropped
                    cell = std::move(c.text);
                    if (c.status == CellStatus::Keep) {
                        result_.text += cell;
                        result_.text += lineEnding;
                        continue;
                    }
                }
                result_.text += Convert(std::move(cell));
                result_.text += lineEnding;
            }
        }
        return result_;
    }

private:
    std::string Convert(std::string cell) {
        std::string converted = engine_.EvaluateConversion(cell, direction_);
        if (engine_.LastConversionFailed())
            ++result_.failedCells;
        engine_.Numbers.GroupingSeen = false;
        if (!converted.empty() && converted.front() == ' ')
            converted.erase(0, 1);
        return attachSymbols_ ? withSymbols(converted, engine_.Definition, direction_) : converted;
    }

    Engine& engine_;
    Direction direction_;
    bool attachSymbols_;
    bool formula_;
    TableConversionResult result_;
};

} // namespace

CellClassification Incontrol(const std::string& cell, int rowsDone) {
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
    return {CellStatus::Keep, std::string()};
}

TableConversionResult ConvertTable(Engine& engine, std::string table, Direction direction,
                                   bool attachSymbols) {
    if (table.empty())
        return {};
    if (table.back() != '\n') {
        // The last row gets the line ending the table already uses.
        bool bareLineFeeds =
            table.find('\n') != std::string::npos && table.find("\r\n") == std::string::npos;
        table += bareLineFeeds ? "\n" : "\r\n";
    }
    const NumberText::SeparatorPin pin(engine.Numbers);
    return TableWalk(engine, direction, attachSymbols).Run(table);
}

} // namespace ombrix
