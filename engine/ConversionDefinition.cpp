#include "engine/ConversionDefinition.h"

#include "base/TextCase.h"

namespace ombrix {

namespace {

std::vector<std::string_view> Column(const std::vector<TextPair>& table, bool from) {
    std::vector<std::string_view> keys;
    keys.reserve(table.size());
    for (const TextPair& pair : table)
        keys.emplace_back(from ? pair.from : pair.to);
    return keys;
}

} // namespace

bool ConversionDefinition::AppendMathStep(std::string step) {
    if (mathSteps_.size() >= MaxMathSteps)
        return false;
    mathSteps_.push_back(std::move(step));
    return true;
}

bool ConversionDefinition::AppendChange(std::string from, std::string to) {
    if (changeTable_.size() >= MaxChanges)
        return false;
    changeTable_.push_back({std::move(from), std::move(to)});
    changeIndexed_ = false;
    return true;
}

bool ConversionDefinition::AppendTranslation(std::string from, std::string to) {
    if (translationTable_.size() >= MaxTranslations)
        return false;
    translationTable_.push_back({std::move(from), std::move(to)});
    translationIndexed_ = false;
    return true;
}

void ConversionDefinition::Clear() {
    *this = ConversionDefinition();
}

void ConversionDefinition::BuildIndexes() {
    if (!changeIndexed_) {
        changeFrom_.Build(Column(changeTable_, true));
        changeTo_.Build(Column(changeTable_, false));
        changeIndexed_ = true;
    }
    if (!translationIndexed_) {
        translationFrom_.Build(Column(translationTable_, true));
        translationTo_.Build(Column(translationTable_, false));
        translationIndexed_ = true;
    }
}

int ConversionDefinition::FindChange(std::string_view input, bool forward) const {
    if (!changeIndexed_)
        return ScanChange(input, forward);
    return forward ? changeFrom_.Find(input) : changeTo_.Find(input);
}

int ConversionDefinition::FindTranslation(std::string_view input, bool forward) const {
    if (!translationIndexed_)
        return ScanTranslation(input, forward);
    return forward ? translationFrom_.Find(input) : translationTo_.Find(input);
}

int ConversionDefinition::ScanChange(std::string_view input, bool forward) const {
    for (std::size_t i = 0; i < changeTable_.size(); ++i) {
        const std::string& key = forward ? changeTable_[i].from : changeTable_[i].to;
        if (input.starts_with(key))
            return static_cast<int>(i);
    }
    return -1;
}

int ConversionDefinition::ScanTranslation(std::string_view input, bool forward) const {
    for (std::size_t i = 0; i < translationTable_.size(); ++i) {
        const std::string& key = forward ? translationTable_[i].from : translationTable_[i].to;
        if (EqualsIgnoreCase1252(key, input))
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace ombrix
