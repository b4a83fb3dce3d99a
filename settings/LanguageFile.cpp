#include "settings/LanguageFile.h"

#include "base/TextCase.h"
#include "platform/posix/FileIo.h"
#include "settings/CatalogueFile.h"
#include "settings/QuotedFields.h"

#include <charconv>
#include <map>
#include <optional>
#include <tuple>

namespace ombrix {

namespace {

constexpr std::string_view ByteOrderMark = "\xFF\xFE";
constexpr std::string_view EndRecord = "end";
constexpr int BlockRecordLimit = 10;
// What the records of one joined message may add up to; a file that holds
// more is hostile or broken, and the rest would only fill memory.
constexpr std::size_t JoinedMessageLimit = 16 * 1024;

bool IsAbsoluteName(std::string_view name) {
    return name.starts_with('/') || name.starts_with("\\\\") ||
           (name.size() >= 3 && name.substr(1, 2) == ":\\");
}

std::string InFolder(const std::string& folder, std::string_view name) {
    std::string path = folder;
    path += platform::NativeSeparator;
    path += name;
    return path;
}

// A whole 16-bit number, blanks around it allowed.
std::optional<std::int16_t> ParseIndex(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    const bool plus = text.starts_with('+');
    if (plus)
        text.remove_prefix(1);
    if (text.empty() || (plus && text.starts_with('-')))
        return std::nullopt;
    std::int16_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

class LanguageReader {
public:
    // A byte-order mark at the start of the file goes before the first field
    // is read, so that a quoted first field is read as a quoted field.
    LanguageReader(std::string_view bytes, std::int16_t window, const LanguageContext& ctx)
        : reader_(bytes.starts_with(ByteOrderMark) ? bytes.substr(ByteOrderMark.size()) : bytes),
          window_(window), windowText_(std::to_string(window)), ctx_(ctx) {}

    bool Read(std::vector<WindowText>& out) {
        saveQuestion_.clear();
        const bool ok = ReadRecords(out);
        ctx_.texts.Set(SaveQuestionMessage, std::move(saveQuestion_));
        return ok;
    }

private:
    bool ReadRecords(std::vector<WindowText>& out) {
        std::vector<std::string> record;
        for (;;) {
            std::string windowField;
            const QuotedFieldReader::Status status = reader_.NextField(windowField);
            if (status == QuotedFieldReader::Status::End)
                return true;
            if (status == QuotedFieldReader::Status::Broken)
                return false;
            if (windowField == EndRecord)
                return true;
            if (reader_.NextRecord(record, 3) != QuotedFieldReader::RecordStatus::Record)
                return false;
            const std::optional<std::int16_t> index = ParseIndex(record[0]);
            if (!index)
                return false;
            std::string& extra = record[2];
            if (extra.starts_with(AppFolderTag))
                extra.replace(0, AppFolderTag.size(), ctx_.folders.program);
            if (windowField == "0" && IsStoredMessageNumber(*index)) {
                StoreMessage(*index, std::move(record[1]));
                continue;
            }
            if (windowField == windowText_ && !Apply(*index, record[1], extra, out))
                return false;
        }
    }

    // The save question's records are joined in place (joining by copies
    // takes quadratic time on a hostile file), up to the bound.
    void StoreMessage(int number, std::string text) {
        if (number != SaveQuestionMessage) {
            ctx_.texts.Set(number, std::move(text));
            return;
        }
        const std::size_t joint = saveQuestionStarted_ ? 2 : 0;
        if (saveQuestion_.size() + joint + text.size() > JoinedMessageLimit)
            return;
        if (saveQuestionStarted_)
            saveQuestion_ += "\r\n";
        saveQuestion_ += text;
        saveQuestionStarted_ = true;
    }

    bool Apply(std::int16_t index, const std::string& text, const std::string& extra,
               std::vector<WindowText>& out) {
        for (const WindowTextEntry& entry : WindowTextTable(window_)) {
            if (entry.index != index)
                continue;
            std::string value;
            switch (entry.field) {
            case RecordField::Text:
                value = text;
                break;
            case RecordField::TextAndBlank:
                value = text + " ";
                break;
            case RecordField::Extra:
                value = extra;
                break;
            case RecordField::Block: {
                std::optional<std::string> block;
                if (!ReadBlock(text, extra, block))
                    return false;
                if (!block)
                    continue; // no "end" among the records: the text stays
                value = std::move(*block);
                break;
            }
            }
            if (entry.property == TextProperty::Target)
                StoreTarget(entry.target, value);
            // A later record for the same property replaces the earlier one,
            // so a file of repeats cannot grow the list past the table.
            const auto [at, added] =
                seen_.try_emplace({entry.owner, entry.target, entry.property}, out.size());
            if (!added) {
                out[at->second].text = std::move(value);
                continue;
            }
            out.push_back({std::string(entry.owner), std::string(entry.target), entry.property,
                           std::move(value)});
        }
        return true;
    }

    // The about box's lines: "begin", "line" records and "end", read straight
    // from the file. False when the file ends inside them.
    bool ReadBlock(std::string text, std::string extra, std::optional<std::string>& block) {
        std::string lines;
        std::vector<std::string> record;
        for (int looked = 0; looked < BlockRecordLimit; ++looked) {
            if (text == "begin") {
                lines = extra;
            } else if (text == "line") {
                lines += '\r';
                lines += extra;
            } else if (text == "end") {
                block = lines + '\r' + extra;
                return true;
            }
            if (reader_.NextRecord(record, 4) != QuotedFieldReader::RecordStatus::Record)
                return false;
            text = std::move(record[2]);
            extra = std::move(record[3]);
        }
        return true;
    }

    void StoreTarget(std::string_view name, const std::string& value) {
        if (name == BugReportTargetName)
            ctx_.targets.BugReportTarget = value;
        else if (name == WebLinkTargetName)
            ctx_.targets.WebLinkTarget = value;
        else if (name == HelpTargetName)
            ctx_.targets.HelpTarget = value;
        else if (name == DonateTargetName)
            ctx_.targets.DonateTarget = value;
    }

    QuotedFieldReader reader_;
    std::int16_t window_;
    std::string windowText_;
    const LanguageContext& ctx_;
    bool saveQuestionStarted_ = false;
    std::string saveQuestion_;
    // Where each property's text already is in the list.
    std::map<std::tuple<std::string_view, std::string_view, TextProperty>, std::size_t> seen_;
};

} // namespace

std::string FindLanguageFile(std::string_view name, const platform::ProgramFolders& folders) {
    if (!folders.program.empty() && StartsWithIgnoreCase1252(name, folders.program))
        return std::string(name);
    if (IsAbsoluteName(name))
        return std::string(name);
    std::string path = InFolder(folders.program, name);
    if (platform::FileExists(path))
        return path;
    if (folders.data.find_first_not_of(' ') != std::string::npos) {
        const std::string inData = InFolder(folders.data, name);
        if (platform::FileExists(inData))
            return inData;
    }
    return InFolder(folders.program, DefaultLanguageFile);
}

LanguageLoad LoadLanguage(std::string_view name, std::int16_t window, const LanguageContext& ctx) {
    LanguageLoad load;
    const std::string path = platform::ToFileSystemPath(FindLanguageFile(name, ctx.folders));
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (bytes) {
        LanguageReader reader(*bytes, window, ctx);
        load.ok = reader.Read(load.texts);
    }
    if (!load.ok) {
        load.texts.clear();
        ctx.sink.Show({MessageIcon::Critical, MessageButtons::Ok, std::string(LanguageErrorTitle),
                       std::string(name) + std::string(LanguageErrorSuffix)});
    }
    return load;
}

} // namespace ombrix
