#include "RunProcess.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ombrix {
namespace {

const std::string program = std::string(OMBRIX_BIN_DIR) + "/ombrixconv";
const std::string fixtures = std::string(OMBRIX_FIXTURES) + "/programs/";

struct CommandCase {
    const char* what;
    std::vector<std::string> arguments;
    std::string input;
    int exitCode;
    std::string out;
    std::string errContains; // "" expects nothing on stderr
};

TEST(Ombrixconv, ConvertsReportsAndExitsAsDocumented) {
    const std::string dem = fixtures + "dem.nod";
    const std::string areas = fixtures + "areas.nod";
    const CommandCase cases[] = {
        {"values", {"--decimal-separator=.", dem, "100", "195.583"}, "", 0, "51.13\n100.00\n", ""},
        {"reverse with comma",
         {"--decimal-separator=,", "-r", dem, "51,13"},
         "",
         0,
         "100,00\n",
         ""},
        {"stdin values", {"--decimal-separator=.", dem}, "100\r\n200\n", 0, "51.13\n102.26\n", ""},
        {"grouping",
         {"--decimal-separator=,", "--grouping", dem, "1.000.000"},
         "",
         0,
         "511.291,88\n",
         ""},
        {"fixed decimals",
         {"--decimal-separator=.", "--decimals=3", dem, "1"},
         "",
         0,
         "0.511\n",
         ""},
        {"failing value",
         {"--decimal-separator=.", dem, "abc", "1"},
         "",
         1,
         "\n0.51\n",
         "Not an amount"},
        {"substitution", {areas, "+920 123", "030 5"}, "", 0, "+910 123\n0301 5\n", ""},
        {"table",
         {"--decimal-separator=.", "--table", dem},
         "Amount\tTotal\r\n100\tn/a\r\n",
         0,
         "51.13\tn/a\r\n",
         ""},
        {"table symbols",
         {"--decimal-separator=.", "--table", "--symbols", "-r", dem},
         "5\r\n",
         0,
         "DM 9.78\r\n",
         ""},
        {"table failing cell",
         {"--table", areas},
         "020\t999\r\n",
         1,
         "010\t\r\n",
         "Unknown area code"},
        {"validate ok", {"--validate", dem}, "", 0, "", ""},
        {"validate bad line", {"--validate", fixtures + "broken.nod"}, "", 1, "", " MATH     * 2"},
        {"missing file", {fixtures + "nothere", "1"}, "", 1, "", "nothere.nod"},
        {"no definition", {}, "", 2, "", "DEFINITION"},
        {"unknown option", {"--bogus", dem}, "", 2, "", "bogus"},
        {"bad separator", {"--decimal-separator=;", dem}, "", 2, "", "decimal-separator"},
        {"decimals out of range", {"--decimals=12", dem}, "", 2, "", "decimals"},
        {"symbols without table", {"--symbols", dem, "1"}, "", 2, "", "--table"},
    };
    for (const CommandCase& c : cases) {
        testing::ProcessResult r = testing::RunProcess(program, c.arguments, c.input);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.what;
        EXPECT_EQ(r.out, c.out) << c.what;
        if (c.errContains.empty()) {
            EXPECT_EQ(r.err, "") << c.what;
        } else {
            EXPECT_NE(r.err.find(c.errContains), std::string::npos) << c.what << ": " << r.err;
        }
    }
}

TEST(Ombrixconv, HelpExitsWithZero) {
    testing::ProcessResult r = testing::RunProcess(program, {"--help"}, "");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("--reverse"), std::string::npos);
}

} // namespace
} // namespace ombrix
