#include "RunProcess.h"
#include "TestFolder.h"

#include "engine/decimal/Decimal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
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

template <std::size_t N> void ExpectCases(const CommandCase (&cases)[N]) {
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
        {"check: a rate one digit off",
         {"--check", fixtures + "dem-digit-off.nod"},
         "",
         1,
         fixtures +
             "dem-digit-off.nod:10: CHECK 1234567: expected \"631224.08\", got \"631256.36\"\n" +
             fixtures + "dem-digit-off.nod:12: CHECK-R 100: expected \"195.58\", got \"195.57\"\n" +
             fixtures +
             "dem-digit-off.nod:13: CHECK-R 1234567: expected \"2414583.20\", got "
             "\"2414479.72\"\n" +
             "1 file, 6 checks: 3 held, 3 failed\n",
         ""},
        {"check: no check lines",
         {"--check", dem, fixtures + "nothere"},
         "",
         1,
         dem + ": no check lines\n" + fixtures + "nothere.nod could not be opened or read.\n" +
             "2 files, 0 checks: 0 held, 0 failed; 1 without check lines; 1 could not be checked\n",
         ""},
        {"check: a file without checks passes",
         {"--check", dem},
         "",
         0,
         dem + ": no check lines\n1 file, 0 checks: 0 held, 0 failed; 1 without check lines\n",
         ""},
        {"check with another option", {"--check", dem, "-r"}, "", 2, "", "--check"},
        {"check after a definition", {dem, "--check", dem}, "", 2, "", "--check"},
        {"check without a file", {"--check"}, "", 2, "", "--check"},
    };
    ExpectCases(cases);
}

// Definition files of the test's own, written byte for byte.
class OmbrixconvDefinitions : public ::testing::Test {
protected:
    OmbrixconvDefinitions() {
        folder = testing::TestFolderPath("ombrixconv_");
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    ~OmbrixconvDefinitions() override { std::filesystem::remove_all(folder); }

    std::string Write(const std::string& name, const std::string& bytes) {
        const std::string path = (folder / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    std::filesystem::path folder;
};

TEST_F(OmbrixconvDefinitions, NumbersSymbolsValidationAndLineEnds) {
    const std::string grouped = Write("grouped.nod", "MATH     * 1\r\nFORMAT #,##0\r\n");
    const std::string padded = Write("padded.nod", "MATH     * 1\r\nFORMAT 0,00\r\n");
    const std::string plain = Write("plain.nod", "MATH     * 1\r\nFORMAT 0.00\r\n");
    const std::string euro =
        Write("euro.nod", "MATH     * 2\r\nSYMB2 EUR\r\nSYMB4 E\r\nERRRES Not an amount\r\n");
    const std::string linux = Write("linux.nod", "NAME T\nMATH     * 2\nFORMAT 0.00\n");
    std::string maths;
    for (int i = 0; i < 22; ++i)
        maths += "MATH     * 1\r\n";
    const CommandCase cases[] = {
        {"grouping FORMAT",
         {"--decimal-separator=.", grouped, "1234.5", "2500", "-1234.5"},
         "",
         0,
         "1,235.00\n2,500.00\n1,235.00-\n",
         ""},
        {"grouping FORMAT in a table",
         {"--decimal-separator=.", "--table", grouped},
         "1234.5\t2500\r\n",
         0,
         "1,235.00\t2,500.00\r\n",
         ""},
        {"padded FORMAT", {"--decimal-separator=.", padded, "1234.5"}, "", 0, "1,235.00\n", ""},
        {"grouping FORMAT, comma user",
         {"--decimal-separator=,", grouped, "1234,5"},
         "",
         0,
         "1.235,000\n",
         ""},
        {"decimal comma for a point user",
         {"--decimal-separator=.", plain, "2,5", "0,5", "1234,56", "1,234"},
         "",
         0,
         "2,50\n0,50\n1234,56\n1,234.00\n",
         ""},
        {"no symbols for the first unit",
         {"--decimal-separator=.", "--table", "--symbols", euro},
         "5\r\n",
         0,
         "10\r\n",
         ""},
        {"line feeds end lines", {"--decimal-separator=.", linux, "5"}, "", 0, "10.00\n", ""},
        {"validate ok with line feeds", {"--validate", linux}, "", 0, "", ""},
        {"validate a change line without its comma",
         {"--validate", Write("chg.nod", "NAME x\r\nCHG 020\r\n")},
         "",
         1,
         "",
         "chg.nod could not be opened or read."},
        {"validate a translation without its comma",
         {"--validate", Write("trans.nod", "TRANS [a]\r\n")},
         "",
         1,
         "",
         "trans.nod could not be opened or read."},
        {"validate a symbol code out of range",
         {"--validate", Write("symba.nod", "SYMBA1 300\r\n")},
         "",
         1,
         "",
         "symba.nod could not be opened or read."},
        {"validate 22 steps",
         {"--validate", Write("maths.nod", maths)},
         "",
         1,
         "",
         "maths.nod could not be opened or read."},
    };
    ExpectCases(cases);
}

// Names as the file system spells them (UTF-8) reach the engine, which keeps
// names in Windows-1252; a name it cannot keep is refused by name.
TEST_F(OmbrixconvDefinitions, TakesFileNamesOutsideAscii) {
    std::filesystem::create_directories(folder / "jos\xc3\xa9");
    const std::string euro = Write("jos\xc3\xa9/\xe2\x82\xac.nod", "MATH     * 2\r\n");
    const std::string odd = Write("\xc5\x91.nod", "MATH     * 2\r\n");
    const std::string checked =
        Write("jos\xc3\xa9/checked.nod", "MATH     * 2\r\n'CHECK 2 = 4\r\n'CHECK 3 = 7\r\n");
    const CommandCase cases[] = {
        {"folder with e acute, name with the euro sign", {euro, "21"}, "", 0, "42\n", ""},
        {"without the extension", {euro.substr(0, euro.size() - 4), "1"}, "", 0, "2\n", ""},
        {"validated", {"--validate", euro}, "", 0, "", ""},
        {"a character Windows-1252 cannot hold",
         {odd, "1"},
         "",
         1,
         "",
         "it holds the character \"\xc5\x91\" (U+0151)"},
        {"a folder of checks, named as the file system names it",
         {"--check", (folder / "jos\xc3\xa9").string()},
         "",
         1,
         checked + ":3: CHECK 3: expected \"7\", got \"6\"\n" + euro +
             ": no check lines\n2 files, 2 checks: 1 held, 1 failed; 1 without check lines\n",
         ""},
        {"a check of a name the program cannot keep",
         {"--check", odd},
         "",
         1,
         "1 file, 0 checks: 0 held, 0 failed; 1 could not be checked\n",
         "U+0151"},
    };
    ExpectCases(cases);
}

// What would convert to nothing, or fail without a word, ends with status 1
// and says why.
TEST_F(OmbrixconvDefinitions, FailsLoudlyWhereNothingCanBeConverted) {
    const std::string dem = fixtures + "dem.nod";
    const std::string empty = Write("empty.nod", "");
    const std::string garbage = Write("garbage.nod", "\x01\x02 hello\r\nnot a line\r\n\xff\xfe");
    const std::string silent = Write("silent.nod", "MATH     * 2\r\n");
    // Standard input taken away from the program by the shell.
    auto shell = [](const std::string& redirection) {
        return std::vector<std::string>{"-c", "exec \"$0\" \"$@\" " + redirection, program};
    };
    auto join = [](std::vector<std::string> a, const std::vector<std::string>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    struct ShellCase {
        const char* what;
        std::string command;
        std::vector<std::string> arguments;
        int exitCode;
        std::string out;
        std::string errContains;
    };
    const ShellCase cases[] = {
        {"empty definition", program, {empty, "5"}, 1, "", "defines no conversion"},
        {"garbage definition", program, {garbage, "5"}, 1, "", "defines no conversion"},
        {"garbage definition, values from stdin",
         program,
         {garbage},
         1,
         "",
         "defines no conversion"},
        {"empty definition as a table",
         program,
         {"--table", empty},
         1,
         "",
         "defines no conversion"},
        {"empty definition validated",
         program,
         {"--validate", empty},
         1,
         "",
         "defines no conversion"},
        {"no ERRRES: the value is named",
         program,
         {silent, "abc", "1"},
         1,
         "\n2\n",
         "\"abc\" could not be converted"},
        {"stdin a folder", "/bin/sh", join(shell("< /"), {dem}), 1, "",
         "standard input could not be read"},
        {"stdin closed", "/bin/sh", join(shell("<&-"), {dem}), 1, "",
         "standard input could not be read"},
        {"stdin closed, table", "/bin/sh", join(shell("<&-"), {"--table", dem}), 1, "",
         "the table could not be read"},
        {"stdin a folder, table", "/bin/sh", join(shell("< /"), {"--table", dem}), 1, "",
         "the table could not be read"},
        {"stdin closed, values given", "/bin/sh",
         join(shell("<&-"), {"--decimal-separator=.", dem, "100"}), 0, "51.13\n", ""},
    };
    for (const ShellCase& c : cases) {
        testing::ProcessResult r = testing::RunProcess(c.command, c.arguments, "");
        EXPECT_EQ(r.exitCode, c.exitCode) << c.what << ": " << r.err;
        EXPECT_EQ(r.out, c.out) << c.what;
        if (c.errContains.empty()) {
            EXPECT_EQ(r.err, "") << c.what;
        } else {
            EXPECT_NE(r.err.find(c.errContains), std::string::npos) << c.what << ": " << r.err;
            EXPECT_EQ(r.err.find("\n\n"), std::string::npos) << c.what << ": no empty line";
        }
    }
}

// With SIGPIPE ignored a reader that goes away shows as a failed write: the
// conversion stops there. Every other value fails, so what reaches stderr
// counts the values converted; an endless input ends only if the program stops.
TEST(Ombrixconv, StopsAtTheFirstFailedWrite) {
    const std::string script = "trap '' PIPE\n"
                               "yes \"$(printf '100\\nx')\" | \"$0\" --decimal-separator=. \"$1\" "
                               "2>\"$2\" | head -n 1\n"
                               "status=(\"${PIPESTATUS[@]}\")\n"
                               "echo \"${status[1]}\"\n";
    const std::filesystem::path err = testing::TestFolderPath("ombrixconv_pipe_");
    testing::ProcessResult r = testing::RunProcess(
        "/usr/bin/timeout",
        {"20", "/bin/bash", "-c", script, program, fixtures + "dem.nod", err.string()}, "");
    std::ifstream in(err, std::ios::binary);
    const std::string messages((std::istreambuf_iterator<char>(in)), {});
    std::filesystem::remove(err);
    ASSERT_EQ(r.exitCode, 0) << "the program kept converting until the timeout";
    EXPECT_EQ(r.out, "51.13\n1\n") << "the first line, then the program's status";
    EXPECT_NE(messages.find("standard output could not be written"), std::string::npos);
    // The pipe holds 64 KiB, about ten thousand pairs of lines.
    EXPECT_LT(std::count(messages.begin(), messages.end(), '\n'), 50000);
}

TEST(Ombrixconv, TableLargerThanAReadBlockConvertsEveryRow) {
    // Rows cross the 64 KiB blocks the table is read in; the last has no line end.
    std::string table;
    std::string expected;
    for (int row = 0; row < 30000; ++row) {
        table += "100\t200\r\n";
        expected += "51.13\t102.26\r\n";
    }
    table += "100";
    expected += "51.13\r\n";
    testing::ProcessResult r = testing::RunProcess(
        program, {"--decimal-separator=.", "--table", fixtures + "dem.nod"}, table);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(r.out == expected) << r.out.size() << " bytes instead of " << expected.size();
}

// A fresh user: empty configuration and data folders of the test's own.
class OmbrixconvInstalled : public ::testing::Test {
protected:
    OmbrixconvInstalled() {
        home = testing::TestFolderPath("ombrixconv_");
        std::filesystem::remove_all(home);
        std::filesystem::create_directories(home);
        environment = {"HOME=" + home.string(), "XDG_CONFIG_HOME=" + (home / "config").string(),
                       "XDG_DATA_HOME=" + (home / "data").string(),
                       "XDG_CONFIG_DIRS=" + (home / "machine").string()};
    }
    ~OmbrixconvInstalled() override { std::filesystem::remove_all(home); }

    testing::ProcessResult Run(const std::vector<std::string>& arguments) {
        return testing::RunProcess(program, arguments, "", environment);
    }

    std::filesystem::path home;
    std::vector<std::string> environment;
};

TEST_F(OmbrixconvInstalled, ListsTheBuiltInCatalogueWithTheGuilderAsDefault) {
    testing::ProcessResult r = Run({"--list"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = r.out.find('\n', start)) != std::string::npos;
         start = end + 1)
        lines.push_back(r.out.substr(start, end - start));
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(lines[0], "0\tATS\teuro\\ATS");
    EXPECT_EQ(lines[11], "11\tEuro-NLG\teuro\\NLG\tdefault");
    EXPECT_EQ(lines[21].substr(0, 3), "21\t");
    int defaults = 0;
    for (const std::string& line : lines)
        defaults += line.ends_with("\tdefault") ? 1 : 0;
    EXPECT_EQ(defaults, 1);
    EXPECT_FALSE(std::filesystem::exists(home / "data")) << "listing writes nothing";
}

TEST_F(OmbrixconvInstalled, TakesACatalogueNameAndTheLanguageFilesTexts) {
    testing::ProcessResult r = Run({"--decimal-separator=.", "euro-nlg", "100"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "45.38\n");
    testing::ProcessResult missing = Run({"no-such-conversion", "1"});
    EXPECT_EQ(missing.exitCode, 1);
    // Text 101 of the shipped English language file.
    EXPECT_NE(missing.err.find("no-such-conversion.nod could not be opened or read."),
              std::string::npos)
        << missing.err;
}

TEST_F(OmbrixconvInstalled, EveryShippedDefinitionValidates) {
    int checked = 0;
    for (const char* folder : {"euro", "Text", "Units", "Triangulation"}) {
        for (const auto& entry :
             std::filesystem::directory_iterator(std::filesystem::path(OMBRIX_BIN_DIR) / folder)) {
            testing::ProcessResult r = Run({"--validate", entry.path().string()});
            EXPECT_EQ(r.exitCode, 0) << entry.path() << r.err;
            EXPECT_EQ(r.out + r.err, "") << entry.path();
            ++checked;
        }
    }
    EXPECT_EQ(checked, 64);
}

// The smallest number of check lines each shipped folder's files carry.
struct CheckedFolder {
    const char* folder;
    int forward;
    int reverse;
};

TEST_F(OmbrixconvInstalled, EveryShippedDefinitionCarriesChecksThatHold) {
    const std::filesystem::path bin(OMBRIX_BIN_DIR);
    const CheckedFolder folders[] = {
        {"euro", 3, 3}, {"Text", 3, 2}, {"Units", 2, 2}, {"Triangulation", 3, 3}};
    std::vector<std::string> arguments = {"--check"};
    for (const CheckedFolder& f : folders) {
        arguments.push_back((bin / f.folder).string());
        for (const auto& entry : std::filesystem::directory_iterator(bin / f.folder)) {
            std::ifstream in(entry.path(), std::ios::binary);
            int forward = 0, reverse = 0;
            for (std::string line; std::getline(in, line);) {
                forward += line.starts_with("'CHECK ") ? 1 : 0;
                reverse += line.starts_with("'CHECK-R ") ? 1 : 0;
            }
            EXPECT_GE(forward, f.forward) << entry.path();
            EXPECT_GE(reverse, f.reverse) << entry.path();
        }
    }
    testing::ProcessResult r = Run(arguments);
    EXPECT_EQ(r.exitCode, 0) << r.out;
    EXPECT_EQ(r.err, "");
    // Nothing but the summary: no failure, no file without checks.
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << r.out;
    EXPECT_TRUE(r.out.starts_with("64 files, ")) << r.out;
    EXPECT_TRUE(r.out.ends_with(" 0 failed\n")) << r.out;
}

TEST_F(OmbrixconvInstalled, FindsTheUnitLibraryAndTheCatalogueByName) {
    testing::ProcessResult units =
        Run({"--decimal-separator=.", "Units/celsius-fahrenheit", "100"});
    EXPECT_EQ(units.exitCode, 0) << units.err;
    EXPECT_EQ(units.out, "212.00\n");
    testing::ProcessResult checked = Run({"--check", "euro-nlg", "Units/mile-kilometre"});
    EXPECT_EQ(checked.exitCode, 0) << checked.out;
    EXPECT_EQ(checked.out, "2 files, 11 checks: 11 held, 0 failed\n");
}

struct Rate {
    const char* code;
    const char* unitsPerEuro;
};

TEST_F(OmbrixconvInstalled, EuroConversionsFollowTheFixedRates) {
    const Rate rates[] = {
        {"ATS", "13.7603"}, {"BEF", "40.3399"},  {"DEM", "1.95583"},  {"ESP", "166.386"},
        {"FIM", "5.94573"}, {"FRF", "6.55957"},  {"GRD", "340.750"},  {"IEP", "0.787564"},
        {"ITL", "1936.27"}, {"LUF", "40.3399"},  {"PTE", "200.482"},  {"NLG", "2.20371"},
        {"BGN", "1.95583"}, {"CYP", "0.585274"}, {"EEK", "15.6466"},  {"HRK", "7.53450"},
        {"LTL", "3.45280"}, {"LVL", "0.702804"}, {"MTL", "0.429300"}, {"SIT", "239.640"},
        {"SKK", "30.1260"},
    };
    const std::vector<std::string> amounts = {"1", "100", "123456.78"};
    auto expected = [](const std::string& amount, const char* rate, bool toEuro) {
        Decimal a = Decimal::parse(amount, ".").value;
        Decimal r = Decimal::parse(rate, ".").value;
        Decimal exact = toEuro ? a.div(r).value : a.mul(r).value;
        std::string text = exact.roundedAwayFromZero(2).toString(".");
        if (text.find('.') == std::string::npos)
            text += ".";
        while (text.size() - text.find('.') < 3)
            text += "0";
        return text;
    };
    for (const Rate& rate : rates) {
        const std::string file = std::string(OMBRIX_BIN_DIR) + "/euro/" + rate.code + ".nod";
        std::string toEuro, fromEuro;
        for (const std::string& amount : amounts) {
            toEuro += expected(amount, rate.unitsPerEuro, true) + "\n";
            fromEuro += expected(amount, rate.unitsPerEuro, false) + "\n";
        }
        std::vector<std::string> forward = {"--decimal-separator=.", file};
        std::vector<std::string> reverse = {"--decimal-separator=.", "-r", file};
        forward.insert(forward.end(), amounts.begin(), amounts.end());
        reverse.insert(reverse.end(), amounts.begin(), amounts.end());
        EXPECT_EQ(Run(forward).out, toEuro) << rate.code;
        EXPECT_EQ(Run(reverse).out, fromEuro) << rate.code;
    }
}

TEST(Ombrixconv, HelpExitsWithZero) {
    testing::ProcessResult r = testing::RunProcess(program, {"--help"}, "");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("--reverse"), std::string::npos);
}

} // namespace
} // namespace ombrix
