#include "engine/ConversionLoader.h"

#include "base/Registry.h"
#include "base/TextCase.h"
#include "engine/ConversionPath.h"
#include "engine/DefinitionLines.h"
#include "engine/DefinitionValues.h"

#include <array>
#include <string_view>

namespace ombrix {

namespace {

enum class Keyword {
    Chg,
    Name,
    Urln,
    End,
    Ldnr,
    Date,
    Trans,
    Symb1,
    Symba1,
    Symba2,
    Symba3,
    Symba4,
    Symb2,
    Symb3,
    Symb4,
    Input1,
    Input2,
    Math,
    Result,
    Resfou,
    Errres,
    Phcode,
    Indoprint,
    Indoend,
    Format,
    Tformat,
};

struct KeywordEntry {
    std::string_view text;
    Keyword keyword;
};

// Tested in this order; the first keyword that begins the line wins.
constexpr std::array<KeywordEntry, 26> Keywords{{
    {"CHG", Keyword::Chg},       {"NAME", Keyword::Name},           {"URLN", Keyword::Urln},
    {"END", Keyword::End},       {"LDNR", Keyword::Ldnr},           {"DATE", Keyword::Date},
    {"TRANS", Keyword::Trans},   {"SYMB1", Keyword::Symb1},         {"SYMBA1", Keyword::Symba1},
    {"SYMBA2", Keyword::Symba2}, {"SYMBA3", Keyword::Symba3},       {"SYMBA4", Keyword::Symba4},
    {"SYMB2", Keyword::Symb2},   {"SYMB3", Keyword::Symb3},         {"SYMB4", Keyword::Symb4},
    {"INPUT1", Keyword::Input1}, {"INPUT2", Keyword::Input2},       {"MATH", Keyword::Math},
    {"RESULT", Keyword::Result}, {"RESFOU", Keyword::Resfou},       {"ERRRES", Keyword::Errres},
    {"PHCODE", Keyword::Phcode}, {"INDOPRINT", Keyword::Indoprint}, {"INDOEND", Keyword::Indoend},
    {"FORMAT", Keyword::Format}, {"TFORMAT", Keyword::Tformat},
}};

// The symbol a SYMB or SYMBA line sets.
std::string* SymbolOf(ConversionDefinition& def, Keyword keyword) {
    switch (keyword) {
    case Keyword::Symb1:
    case Keyword::Symba1:
        return &def.Symbol1;
    case Keyword::Symb2:
    case Keyword::Symba2:
        return &def.Symbol2;
    case Keyword::Symb3:
    case Keyword::Symba3:
        return &def.Symbol3;
    case Keyword::Symb4:
    case Keyword::Symba4:
        return &def.Symbol4;
    default:
        return nullptr;
    }
}

// The keyword of a line and its value, which starts one separator character
// after the keyword and is kept exactly as it stands.
struct ParsedLine {
    const KeywordEntry* entry = nullptr;
    std::string_view value;
};

ParsedLine Classify(std::string_view line) {
    for (const KeywordEntry& entry : Keywords) {
        if (StartsWithIgnoreCase1252(line, entry.text)) {
            const std::size_t column = entry.text.size() + 1;
            return {&entry, line.size() > column ? line.substr(column) : std::string_view()};
        }
    }
    return {};
}

enum class Outcome { Done, Unrecognised, Failed };

class Loader {
public:
    Loader(ConversionDefinition& def, const LoaderContext& ctx) : def_(def), ctx_(ctx) {}

    // One line of a load: its effect on the definition.
    Outcome Load(std::string_view line) {
        if (line.starts_with('\''))
            return Outcome::Done;
        const ParsedLine parsed = Classify(line);
        if (!parsed.entry)
            return Outcome::Unrecognised;
        const std::string_view value = parsed.value;
        switch (parsed.entry->keyword) {
        case Keyword::Chg: {
            auto pair = SplitAtComma(value);
            return pair && def_.AppendChange(std::move(pair->from), std::move(pair->to))
                       ? Outcome::Done
                       : Outcome::Failed;
        }
        case Keyword::Trans: {
            auto pair = SplitDelimited(value);
            return pair && def_.AppendTranslation(std::move(pair->from), std::move(pair->to))
                       ? Outcome::Done
                       : Outcome::Failed;
        }
        case Keyword::Ldnr: {
            auto pair = SplitAtComma(value);
            if (!pair)
                return Outcome::Failed;
            def_.PrefixFrom = std::move(pair->from);
            def_.PrefixTo = std::move(pair->to);
            return Outcome::Done;
        }
        case Keyword::Math:
            return def_.AppendMathStep(std::string(value)) ? Outcome::Done : Outcome::Failed;
        case Keyword::Name:
            def_.Name = value;
            if (ctx_.registry)
                ctx_.registry->RegWrite(Hive::CurrentUser, SettingsKey, ConversionNameSetting,
                                        value);
            return Outcome::Done;
        case Keyword::Symb1:
        case Keyword::Symb2:
        case Keyword::Symb3:
        case Keyword::Symb4:
            *SymbolOf(def_, parsed.entry->keyword) = value;
            return Outcome::Done;
        case Keyword::Symba1:
        case Keyword::Symba2:
        case Keyword::Symba3:
        case Keyword::Symba4: {
            // A symbol already set by an earlier line wins over the code.
            std::string* symbol = SymbolOf(def_, parsed.entry->keyword);
            if (!symbol->empty())
                return Outcome::Unrecognised;
            auto code = ReadCharacterCode(value);
            if (!code)
                return Outcome::Failed;
            *symbol = std::string(1, *code);
            return Outcome::Done;
        }
        case Keyword::Input1:
            def_.Input1 = value;
            return Outcome::Done;
        case Keyword::Input2:
            def_.Input2 = value;
            return Outcome::Done;
        case Keyword::Errres:
            def_.ErrorText = value;
            return Outcome::Done;
        case Keyword::Phcode:
            return FitsSigned16(value) ? Outcome::Done : Outcome::Failed;
        case Keyword::Indoprint:
        case Keyword::Indoend:
            if (!def_.IntroText.empty())
                def_.IntroText += '\r';
            def_.IntroText += value;
            return Outcome::Done;
        case Keyword::Format:
            def_.ResultFormat = value;
            return Outcome::Done;
        case Keyword::Tformat:
            def_.StepFormat = value;
            return Outcome::Done;
        case Keyword::Urln:
        case Keyword::End:
        case Keyword::Date:
        case Keyword::Result:
        case Keyword::Resfou:
            return Outcome::Done;
        }
        return Outcome::Done;
    }

    // Whether a validation recognises the line. The symbols are cleared
    // before a validation, so a SYMBA line always counts.
    static bool Recognised(std::string_view line) {
        return line.empty() || line.starts_with('\'') || Classify(line).entry;
    }

    void Report(std::string text) const {
        Message message;
        message.icon = MessageIcon::Critical;
        message.buttons = MessageButtons::Ok;
        message.title = ctx_.texts.Get(100);
        message.text = std::move(text);
        ctx_.sink.Show(message);
    }

private:
    ConversionDefinition& def_;
    const LoaderContext& ctx_;
};

} // namespace

bool LoadConversion(ConversionDefinition& def, std::string& path, std::int16_t mode,
                    const LoaderContext& ctx) {
    const bool validating = mode == ValidateMode;
    if (validating) {
        def.IntroText.clear();
        def.Symbol1.clear();
        def.Symbol2.clear();
        def.Symbol3.clear();
        def.Symbol4.clear();
    } else {
        def.Clear();
    }

    Loader loader(def, ctx);
    // A validation loads the file into a definition of its own, so that it
    // fails wherever a load would, while the current conversion and the
    // settings stay untouched.
    ConversionDefinition scratch;
    const LoaderContext scratchContext{ctx.sink, ctx.texts, nullptr, ctx.folders};
    Loader checker(scratch, scratchContext);
    const std::string resolved = ResolveConversionPath(path, ctx.folders);
    DefinitionLines lines;
    bool ok = lines.Open(resolved);
    std::string line;
    while (ok) {
        const DefinitionLines::Status status = lines.Next(line);
        if (status == DefinitionLines::Status::End)
            break;
        if (status == DefinitionLines::Status::Unreadable) {
            ok = false;
            break;
        }
        if (validating && !Loader::Recognised(line)) {
            lines.Close();
            loader.Report(line + ctx.texts.Get(107));
            return false;
        }
        if ((validating ? checker : loader).Load(line) == Outcome::Failed)
            ok = false;
    }
    lines.Close();
    // Whatever was loaded before a failure stays usable.
    if (!validating)
        def.BuildIndexes();
    if (!ok)
        loader.Report(resolved + ctx.texts.Get(101));
    return ok;
}

} // namespace ombrix
