#pragma once
// The quoted-field text form of the catalogue and the language files: fields
// separated by commas, a line end also ending a field. A line ends at a
// carriage return and line feed, a lone line feed or a lone carriage return.
// A quoted field runs to the next double quote (commas included) or, when
// its line ends first, to that line end; anything between its closing quote
// and the next comma or line end is skipped. A bare field runs to the next
// comma or line end, leading blanks skipped. No field holds a line end.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ombrix {

class QuotedFieldReader {
public:
    enum class Status {
        Field,  // a field was read
        End,    // the text holds no further field
        Broken, // the text ends inside a quoted field
    };
    enum class RecordStatus {
        Record, // all fields of the record were read
        End,    // the text holds no further field
        Broken, // the text ends inside the record
    };

    // The reader keeps a view: `bytes` must outlive it.
    explicit QuotedFieldReader(std::string_view bytes) : bytes_(bytes) {}

    Status NextField(std::string& field);
    // Reads the next `count` fields into `fields` (replacing its contents).
    RecordStatus NextRecord(std::vector<std::string>& fields, std::size_t count);

private:
    void SkipBlanks();
    void SkipBlanksAndLineEnds();
    void ConsumeSeparator();

    std::string_view bytes_;
    std::size_t pos_ = 0;
    // After a comma a field follows even when the line ends at once; after a
    // line end, blank lines are passed over on the way to the next field.
    bool afterComma_ = false;
};

// A field as the programs write it: between double quotes. A double quote
// or a line end cannot be represented inside a field, so they are written as
// an apostrophe and a space rather than breaking the fields that follow.
std::string QuoteField(std::string_view text);

// The fields quoted, joined by commas, ended by a carriage return and line feed.
std::string FormatRecord(const std::vector<std::string_view>& fields);

} // namespace ombrix
