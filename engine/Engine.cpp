#include "engine/Engine.h"

#include "engine/ConversionLoader.h"
#include "engine/NumberPattern.h"
#include "engine/PlainFormula.h"

#include <utility>

namespace ombrix {

namespace {

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// Applies one formula step to x; the operator is read backwards in reverse.
DecimalResult applyStep(char op, const Decimal& x, const Decimal& operand, bool forward) {
    switch (op) {
    case '/':
        return forward ? x.div(operand) : x.mul(operand);
    case '*':
        return forward ? x.mul(operand) : x.div(operand);
    case '+':
        return forward ? x.add(operand) : x.sub(operand);
    case '-':
        return forward ? x.sub(operand) : x.add(operand);
    default:
        return {Decimal(), DecimalStatus::NotANumber};
    }
}

bool isKnownOperator(char op) {
    return op == '/' || op == '*' || op == '+' || op == '-';
}

} // namespace

Engine::Engine(EngineServices services)
    : Numbers(services.separators), services_(std::move(services)) {}

bool Engine::LoadConversion(std::string& path, std::int16_t mode) {
    LoaderContext context{services_.sink, services_.texts, services_.registry, services_.folders};
    return ombrix::LoadConversion(Definition, path, mode, context);
}

void Engine::ShowConversionError() {
    lastConversionFailed_ = true;
    Message message;
    message.icon = MessageIcon::Critical;
    message.buttons = MessageButtons::Ok;
    message.title = services_.texts.Get(100);
    message.text = Definition.ErrorText;
    services_.sink.Show(message);
}

std::string Engine::EvaluateConversion(std::string& input, Direction direction) {
    lastConversionFailed_ = false;
    if (!Definition.MathSteps().empty() && !Definition.MathSteps().front().empty()) {
        if (std::optional<std::string> plain = EvaluatePlainFormula(input, direction))
            return std::move(*plain);
        std::string result = EvaluateFormula(input, direction);
        if (!Definition.ResultFormat.empty() && !result.empty()) {
            std::string shown = result;
            // A result the display rules cannot read back is still a valid result.
            if (std::optional<std::string> display =
                    Numbers.FormatForDisplay(shown, Definition.ResultFormat))
                result = std::move(*display);
        }
        return result;
    }
    if (!Definition.ChangeTable().empty() && !Definition.ChangeTable().front().from.empty())
        return EvaluateChangeTable(input, direction);
    if (!Definition.TranslationTable().empty() &&
        !Definition.TranslationTable().front().from.empty())
        return EvaluateTranslation(input, direction);
    return std::string();
}

std::optional<Decimal> Engine::RunSteps(const Decimal& start, Direction direction) {
    const bool forward = direction == Forward;
    const std::vector<std::string>& steps = Definition.MathSteps();
    const std::vector<DecimalResult>& operands = formulaOperands_.For(steps, Numbers);
    Decimal x = start;
    Decimal r; // a step that reads r before any step set it reads 0
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const std::size_t index = forward ? i : steps.size() - 1 - i;
        const std::string& step = steps[index];
        const DecimalResult& operand = operands[index];
        if (!operand.ok())
            return std::nullopt;
        const char op = step.size() > 4 ? step[4] : '\0';
        if (isKnownOperator(op)) {
            DecimalResult next = applyStep(op, x, operand.value, forward);
            if (!next.ok())
                return std::nullopt;
            r = next.value;
        }
        if (Definition.StepFormat.empty()) {
            x = r;
        } else {
            // The step format rounds every intermediate result.
            DecimalResult rounded = Numbers.ToNumber(
                FormatWithPattern(r, Definition.StepFormat, Numbers.NotationSeparator()));
            if (!rounded.ok())
                return std::nullopt;
            x = rounded.value;
        }
    }
    return r;
}

std::optional<std::string> Engine::EvaluatePlainFormula(const std::string& input,
                                                        Direction direction) {
    const std::string d = Numbers.GetLocaleSeparators();
    if ((d != "." && d != ",") || Numbers.FixedDecimals || Numbers.DigitGrouping ||
        Numbers.GroupingSeen || !IsPlainDecimalsPattern(Definition.ResultFormat) ||
        !IsPlainNumber(input, d.front()))
        return std::nullopt;
    // What normalising the input would have concluded about the notation.
    Numbers.PointDecimal = d == ".";
    const DecimalResult start = Decimal::parse(input, d);
    std::optional<Decimal> r;
    if (start.ok())
        r = RunSteps(start.value, direction);
    if (!r) {
        ShowConversionError();
        return std::string();
    }
    std::string text = FormatWithPattern(*r, Definition.ResultFormat, d);
    // The display rules put the minus behind the number.
    if (text.front() == '-') {
        text.erase(0, 1);
        text += '-';
    }
    return text;
}

std::string Engine::EvaluateFormula(std::string& input, Direction direction) {
    auto fail = [this] {
        ShowConversionError();
        return std::string();
    };
    std::string text = Numbers.NormalizeInput(input);
    if (!Definition.ResultFormat.empty())
        text = Numbers.StripGrouping(text);
    DecimalResult start = Numbers.ToNumber(Numbers.ToLocaleDecimal(text));
    if (!start.ok())
        return fail();

    std::optional<Decimal> r = RunSteps(start.value, direction);
    if (!r)
        return fail();
    // FormatResult writes the separators of the input's notation, so the
    // result needs no localizing: swapping its first "." would turn a grouping
    // FORMAT's separator into the decimal one.
    return NumberText::ApplyLeadingZero(Numbers.FormatResult(*r, Definition.ResultFormat));
}

std::string Engine::EvaluateChangeTable(std::string& input, Direction direction) {
    const std::string& prefixFrom = Definition.PrefixFrom;
    const std::string& prefixTo = Definition.PrefixTo;
    std::string text = input;
    bool prefixReplaced = false;
    if (startsWith(text, prefixFrom)) {
        text = prefixTo + text.substr(prefixFrom.size());
        prefixReplaced = true;
    }
    int match = -1;
    if (direction == Forward || direction == Reverse)
        match = Definition.FindChange(text, direction == Forward);
    if (match < 0) {
        ShowConversionError();
        return std::string();
    }
    const TextPair& entry = Definition.ChangeTable()[std::size_t(match)];
    const std::string& found = direction == Forward ? entry.from : entry.to;
    const std::string& replacement = direction == Forward ? entry.to : entry.from;
    std::string result = replacement + text.substr(found.size());
    if (prefixReplaced && startsWith(result, prefixTo))
        result = prefixFrom + result.substr(prefixTo.size());
    return result;
}

std::string Engine::EvaluateTranslation(std::string& input, Direction direction) {
    const bool forward = direction == Forward;
    int match = Definition.FindTranslation(input, forward);
    if (match < 0) {
        ShowConversionError();
        return std::string();
    }
    const TextPair& entry = Definition.TranslationTable()[std::size_t(match)];
    return forward ? entry.to : entry.from;
}

} // namespace ombrix
