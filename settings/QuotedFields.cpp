#include "settings/QuotedFields.h"

namespace ombrix {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

} // namespace

void QuotedFieldReader::SkipBlanks() {
    while (pos_ < bytes_.size() && IsBlank(bytes_[pos_]))
        ++pos_;
}

void QuotedFieldReader::SkipBlanksAndLineEnds() {
    while (pos_ < bytes_.size() && (IsBlank(bytes_[pos_]) || IsLineEnd(bytes_[pos_])))
        ++pos_;
}

void QuotedFieldReader::ConsumeSeparator() {
    afterComma_ = false;
    if (pos_ >= bytes_.size())
        return;
    const char c = bytes_[pos_++];
    if (c == ',')
        afterComma_ = true;
    else if (c == '\r' && pos_ < bytes_.size() && bytes_[pos_] == '\n')
        ++pos_;
}

QuotedFieldReader::Status QuotedFieldReader::NextField(std::string& field) {
    field.clear();
    if (afterComma_)
        SkipBlanks();
    else
        SkipBlanksAndLineEnds();
    if (pos_ >= bytes_.size()) {
        if (!afterComma_)
            return Status::End;
        afterComma_ = false; // a comma at the very end leaves one empty field
        return Status::Field;
    }
    if (bytes_[pos_] == '"') {
        // A quoted field ends at its closing quote or, failing that, at the
        // end of its line: no field holds a line end.
        const std::size_t close = bytes_.find_first_of("\"\r\n", pos_ + 1);
        if (close == std::string_view::npos) {
            pos_ = bytes_.size();
            afterComma_ = false;
            return Status::Broken;
        }
        field.assign(bytes_.substr(pos_ + 1, close - pos_ - 1));
        pos_ = bytes_[close] == '"' ? close + 1 : close;
        while (pos_ < bytes_.size() && bytes_[pos_] != ',' && !IsLineEnd(bytes_[pos_]))
            ++pos_;
    } else {
        const std::size_t start = pos_;
        while (pos_ < bytes_.size() && bytes_[pos_] != ',' && !IsLineEnd(bytes_[pos_]))
            ++pos_;
        field.assign(bytes_.substr(start, pos_ - start));
    }
    ConsumeSeparator();
    return Status::Field;
}

QuotedFieldReader::RecordStatus QuotedFieldReader::NextRecord(std::vector<std::string>& fields,
                                                              std::size_t count) {
    fields.assign(count, std::string());
    for (std::size_t i = 0; i < count; ++i) {
        const Status status = NextField(fields[i]);
        if (status == Status::Broken)
            return RecordStatus::Broken;
        if (status == Status::End)
            return i == 0 ? RecordStatus::End : RecordStatus::Broken;
    }
    return RecordStatus::Record;
}

std::string QuoteField(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (char c : text) {
        if (c == '"')
            out += '\'';
        else if (IsLineEnd(c))
            out += ' ';
        else
            out += c;
    }
    out += '"';
    return out;
}

std::string FormatRecord(const std::vector<std::string_view>& fields) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        out += QuoteField(fields[i]);
    }
    out += "\r\n";
    return out;
}

} // namespace ombrix
