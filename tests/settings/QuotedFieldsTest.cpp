#include "settings/QuotedFields.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ombrix {
namespace {

using Records = std::vector<std::vector<std::string>>;
using RecordStatus = QuotedFieldReader::RecordStatus;

struct ReadCase {
    std::string name;
    std::string bytes;
    Records records;   // the complete records, in order
    RecordStatus last; // how the reading ends
};

class QuotedFieldsRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(QuotedFieldsRead, GivesTheRecordsAndTheEnd) {
    const ReadCase& c = GetParam();
    QuotedFieldReader reader(c.bytes);
    Records got;
    std::vector<std::string> fields;
    RecordStatus status;
    while ((status = reader.NextRecord(fields, 3)) == RecordStatus::Record)
        got.push_back(fields);
    EXPECT_EQ(got, c.records);
    EXPECT_EQ(status, c.last);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QuotedFieldsRead,
    ::testing::Values(
        ReadCase{"Quoted", "\"a\",\"b\",\"c\"\r\n", {{"a", "b", "c"}}, RecordStatus::End},
        ReadCase{"BareSkipsLeadingBlanksOnly", "  a,  b ,c", {{"a", "b ", "c"}}, RecordStatus::End},
        ReadCase{"CommaInsideQuotes", "\"x,y\",b,c", {{"x,y", "b", "c"}}, RecordStatus::End},
        ReadCase{"TextAfterClosingQuoteSkipped",
                 "\"a\"junk,b,c\"z\"\r\n",
                 {{"a", "b", "c\"z\""}},
                 RecordStatus::End},
        ReadCase{"LineEndSeparatesFields",
                 "a,b\r\nc\r\nd,e,f\r\n",
                 {{"a", "b", "c"}, {"d", "e", "f"}},
                 RecordStatus::End},
        ReadCase{"BlankLinesBetweenRecords",
                 "a,b,c\r\n\r\n  \r\nd,e,f\r\n\r\n",
                 {{"a", "b", "c"}, {"d", "e", "f"}},
                 RecordStatus::End},
        ReadCase{"CommaBeforeLineEndGivesEmptyField",
                 "a,b,\r\nd,e,f",
                 {{"a", "b", ""}, {"d", "e", "f"}},
                 RecordStatus::End},
        ReadCase{"CommaAtTheVeryEnd", "a,b,", {{"a", "b", ""}}, RecordStatus::End},
        ReadCase{"EmptyQuotedAndBare", "\"\",,\"\"", {{"", "", ""}}, RecordStatus::End},
        ReadCase{"LoneLineFeedAndCarriageReturn", "a\nb\rc", {{"a", "b", "c"}}, RecordStatus::End},
        ReadCase{"QuotedFieldsEndingInLoneLineFeeds",
                 "\"a\",\"b\",\"c\"\n\"d\",\"e\",\"f\"\n",
                 {{"a", "b", "c"}, {"d", "e", "f"}},
                 RecordStatus::End},
        ReadCase{"MixedLineEnds",
                 "\"a\",\"b\"\n\"c\"\r\n\"d\",\"e\",\"f\"\r\"g\",h,i\n",
                 {{"a", "b", "c"}, {"d", "e", "f"}, {"g", "h", "i"}},
                 RecordStatus::End},
        ReadCase{"UnclosedQuoteEndsAtItsLineEnd",
                 "\"a\nb,\"c\r\n\"d\"\r\n",
                 {{"a", "b", "c"}},
                 RecordStatus::Broken},
        ReadCase{"ShortLastRecord", "a,b,c\r\nd,e\r\n", {{"a", "b", "c"}}, RecordStatus::Broken},
        ReadCase{"UnclosedQuote", "a,\"b,c\r\n", {}, RecordStatus::Broken},
        ReadCase{"Empty", "", {}, RecordStatus::End},
        ReadCase{"OnlyLineEnds", "\r\n\r\n", {}, RecordStatus::End}),
    [](const auto& testCase) { return testCase.param.name; });

TEST(QuotedFieldsWrite, RecordsReadBackAsWritten) {
    const std::vector<std::vector<std::string>> cases = {
        {"[lang]", "eng.lng", ""},
        {"a, b", "  leading blanks", "trailing  "},
        {"two lines", "\x80 euro", "*"},
        {"", "", ""},
    };
    for (const auto& fields : cases) {
        const std::string bytes = FormatRecord({fields[0], fields[1], fields[2]});
        EXPECT_TRUE(bytes.ends_with("\r\n"));
        QuotedFieldReader reader(bytes);
        std::vector<std::string> got;
        ASSERT_EQ(reader.NextRecord(got, 3), RecordStatus::Record);
        EXPECT_EQ(got, fields);
        EXPECT_EQ(reader.NextRecord(got, 3), RecordStatus::End);
    }
}

TEST(QuotedFieldsWrite, QuotesAndLineEndsCannotBreakTheFieldsThatFollow) {
    const std::string bytes = FormatRecord({"say \"hi\",x", "two\r\nlines\n", "*"});
    EXPECT_EQ(bytes, "\"say 'hi',x\",\"two  lines \",\"*\"\r\n");
    QuotedFieldReader reader(bytes);
    std::vector<std::string> got;
    ASSERT_EQ(reader.NextRecord(got, 3), RecordStatus::Record);
    EXPECT_EQ(got, (std::vector<std::string>{"say 'hi',x", "two  lines ", "*"}));
    EXPECT_EQ(reader.NextRecord(got, 3), RecordStatus::End);
}

} // namespace
} // namespace ombrix
