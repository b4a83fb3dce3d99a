#pragma once
// The current conversion: what one conversion definition file describes.
// The three lists are filled strictly in file order (entry 0 is the first
// such line) and only through the Append functions, which refuse an entry
// beyond the list's capacity. The table lookups answer "the first entry in
// file order that matches" through indexes built by BuildIndexes; until it
// runs after a change they fall back to a plain scan, so an answer is never
// stale.

#include "engine/ConversionLookup.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ombrix {

struct TextPair {
    std::string from;
    std::string to;
};

class ConversionDefinition {
public:
    static constexpr std::size_t MaxMathSteps = 21;
    static constexpr std::size_t MaxChanges = 25566;
    static constexpr std::size_t MaxTranslations = 25566;

    std::string Name;
    std::string Input1;
    std::string Input2;
    std::string Symbol1;   // first unit, written before a value
    std::string Symbol2;   // second unit, written before a value
    std::string Symbol3;   // first unit, written after a value
    std::string Symbol4;   // second unit, written after a value
    std::string IntroText; // lines joined by a single carriage return
    std::string ResultFormat;
    std::string StepFormat;
    std::string PrefixFrom;
    std::string PrefixTo;
    std::string ErrorText;

    const std::vector<std::string>& MathSteps() const { return mathSteps_; }
    const std::vector<TextPair>& ChangeTable() const { return changeTable_; }
    const std::vector<TextPair>& TranslationTable() const { return translationTable_; }

    // Each returns false, storing nothing, when the list is full.
    bool AppendMathStep(std::string step);
    bool AppendChange(std::string from, std::string to);
    bool AppendTranslation(std::string from, std::string to);

    // Every field and list emptied.
    void Clear();
    // Makes the lookups use fresh indexes of the current tables.
    void BuildIndexes();

    // Index of the first ChangeTable entry whose from text (forward) or to
    // text (reverse) begins `input`, case-sensitive; an empty text begins
    // everything. -1 when none does.
    int FindChange(std::string_view input, bool forward) const;
    // Index of the first TranslationTable entry whose from text (forward) or
    // to text (reverse) equals `input` ignoring Windows-1252 letter case; -1
    // when none does.
    int FindTranslation(std::string_view input, bool forward) const;
    // The same answers by walking the table in file order.
    int ScanChange(std::string_view input, bool forward) const;
    int ScanTranslation(std::string_view input, bool forward) const;

    std::string GetConversionName() const { return Name; }
    std::string GetInput1Label() const { return Input1; }
    std::string GetInput2Label() const { return Input2; }
    std::string GetSymbol1() const { return Symbol1; }
    std::string GetSymbol2() const { return Symbol2; }
    std::string GetSymbol3() const { return Symbol3; }
    std::string GetSymbol4() const { return Symbol4; }
    std::string GetIntroText() const { return IntroText; }
    bool HasChangeTable() const { return !changeTable_.empty(); }

private:
    std::vector<std::string> mathSteps_;
    std::vector<TextPair> changeTable_;
    std::vector<TextPair> translationTable_;

    bool changeIndexed_ = true;
    bool translationIndexed_ = true;
    PrefixIndex changeFrom_;
    PrefixIndex changeTo_;
    CaselessIndex translationFrom_;
    CaselessIndex translationTo_;
};

} // namespace ombrix
