#include "cli/app.h"
#include "tests/cli/run_cli.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

#include "cli/report.h"
#include "core/saved_inputs.h"
#include "pricing/engine.h"

namespace sazbar::cli {
namespace {

namespace fs = std::filesystem;

using test_support::Outcome;
using test_support::run;

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> v;
    std::istringstream s(text);
    for (std::string l; std::getline(s, l);) v.push_back(l);
    return v;
}

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Short enough to be named in full in messages; one per test process.
        dir_ = fs::temp_directory_path() / ("sazbar_cli_" + std::to_string(getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    // CSV records without quoted fields.
    static std::vector<std::vector<std::string>> rows(const std::string& csv) {
        std::vector<std::vector<std::string>> out;
        for (std::string line : lines(csv)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            std::vector<std::string> fields(1);
            bool quoted = false;
            for (std::size_t i = 0; i < line.size(); ++i) {
                const char c = line[i];
                if (c == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"') fields.back() += line[++i];
                else if (c == '"') quoted = !quoted;
                else if (c == ',' && !quoted) fields.emplace_back();
                else fields.back() += c;
            }
            out.push_back(fields);
        }
        return out;
    }
    std::string file(const std::string& name, const std::string& content) {
        const fs::path p = dir_ / name;
        std::ofstream(p, std::ios::binary) << content;
        return p.string();
    }
    fs::path dir_;
};

TEST(Cli, VersionHelpAndUsageErrors) {
    EXPECT_EQ(run({"--version"}).out, "sazbar-cli 6.61\n");
    const Outcome help = run({"--help"});
    EXPECT_EQ(help.status, kExitOk);
    EXPECT_TRUE(help.out.starts_with("Usage: sazbar-cli"));

    const std::vector<std::string> bad[] = {
        {},
        {"--bogus", "p.json"},
        {"--format", "xml", "p.json"},
        {"--format"},
        {"--dat"},
        {"a.json", "b.json"},
        {"a.json", "--batch"},
        {"--dat", "x.dat", "--countries", "0,1,2"},
        {"--dat", "x.dat", "--countries", "0,1,2,36"},
        {"--dat", "x.dat", "--countries", "0,1,2,3,4"},
        {"--dat", "x.dat", "--countries", "0,1,a,3"},
        {"--countries", "0,1,2,3", "a.json"},
        {"--batch", "--format", "table"},
        {"--jobs", "2", "a.json"},
        {"--batch", "--jobs", "0"},
        {"--batch", "--format", "csv", "--columns", "line,nothing"},
        {"--columns", "line", "a.json"},
        {"--hints=yes", "a.json"},
    };
    for (const auto& args : bad) {
        const Outcome o = run(args);
        EXPECT_EQ(o.status, kExitUsage) << ::testing::PrintToString(args);
        EXPECT_TRUE(o.out.empty());
        EXPECT_EQ(lines(o.err).size(), 1u) << o.err;
        EXPECT_NE(o.err.find("(try 'sazbar-cli --help')"), std::string::npos) << o.err;
    }
}

// An argument or file name quoted in a message is cut and made visible: the
// message stays one short line whatever was typed.
TEST(Cli, EchoedArgumentsAreCutAndEscaped) {
    const std::string nasty = "a\nb\x1b[31m", typed = nasty + std::string(100000, 'x') + nasty;
    const std::string bill = std::string(SAZBAR_EXAMPLES) + "/bill.csv";
    const std::vector<std::string> cases[] = {
        {"--breakdown", typed, "-"},
        {"--format", typed, "-"},
        {"--batch", "--columns", typed},
        {"--x" + typed, "-"},
        {typed},
        {"--dat", typed},
        {"--batch", typed},
        {"--import", typed},
        {"--import", bill, "--rules", typed},
        {"--import", bill, "--format", typed},
        {"--import", bill, "--x" + typed},
        {"--check-tariffs", "--x" + typed},
        {"--print-tariffs", typed},
    };
    for (const auto& args : cases) {
        const Outcome o = run(args, "{}");
        SCOPED_TRACE(o.err.substr(0, 200));
        EXPECT_EQ(o.status, 2);
        EXPECT_EQ(lines(o.err).size(), 1u);
        EXPECT_LT(o.err.size(), 200u);
        EXPECT_NE(o.err.find("a\\nb\\x1b[31m"), std::string::npos);
        EXPECT_EQ(std::count_if(o.err.begin(), o.err.end(), [](char c) { return c >= 0 && c < 0x20; }), 1);
    }
}

TEST(Cli, RefusesNegativeCountsAloneAndInBatch) {
    const struct {
        const char* profile;
        const char* field;
    } cases[] = {
        {R"({"matrix": [[0,0,0,0,0,0,0],[0,0,0,0,0,0,0],[0,0,0,-100,0,0,0],[0,0,0,0,0,0,0]]})", "matrix[2][3]"},
        {R"({"wap": [0, 0, 0, -1]})", "wap[3]"},
        {R"({"gprs_internet_kb": -20})", "gprs_internet_kb"},
        {R"({"international": [{"country": 3, "afternoon": -7}]})", "international[0].afternoon"},
    };
    for (const auto& c : cases) {
        const std::string problem = std::string(c.field) + ": negative: expected 0 or more";
        const Outcome single = run({"-"}, c.profile);
        EXPECT_EQ(single.status, kExitBadInput) << c.profile;
        EXPECT_EQ(single.err, "sazbar-cli: <stdin>: line 1: " + problem + "\n");
        EXPECT_TRUE(single.out.empty());
        const Outcome batch = run({"--batch", "-"}, std::string("{}\n") + c.profile + "\n");
        EXPECT_EQ(batch.status, kExitBadInput) << c.profile;
        const auto got = lines(batch.out);
        ASSERT_EQ(got.size(), 2u);
        EXPECT_TRUE(got[0].starts_with("{\"total_call_minutes\": 0,"));
        EXPECT_NE(got[1].find("line 2: " + problem), std::string::npos) << got[1];
    }
}

TEST_F(CliTest, ReportsBadProfilesWithFileLineAndField) {
    const std::string bad = file("profile.json", "{\n  \"matrix\": [[1,2,3,4,5,6,7],\n    [1, 2, \"x\", 4, 5, 6, 7]]\n}\n");
    Outcome o = run({bad});
    EXPECT_EQ(o.status, kExitBadInput);
    EXPECT_TRUE(o.out.empty());
    EXPECT_EQ(o.err, "sazbar-cli: " + bad + ": line 3: matrix[1][2]: expected an integer\n");

    const std::string broken = file("broken.json", "{\n  \"wap\": [1,\n}");
    o = run({broken});
    EXPECT_EQ(o.status, kExitBadInput);
    EXPECT_TRUE(o.err.starts_with("sazbar-cli: " + broken + ": parse error at line 3, column 1: syntax error"))
        << o.err;

    o = run({(dir_ / "missing.json").string()});
    EXPECT_EQ(o.status, kExitBadInput);
    EXPECT_NE(o.err.find("missing.json: cannot open"), std::string::npos);
    o = run({dir_.string()});
    EXPECT_EQ(o.status, kExitBadInput);
    EXPECT_NE(o.err.find("cannot read"), std::string::npos);

    o = run({"-"}, "{\"wap\": 1}");
    EXPECT_EQ(o.err, "sazbar-cli: <stdin>: line 1: wap: expected an array of 4 integers\n");
}

TEST_F(CliTest, FlagsAddToTheProfileSwitches) {
    const std::string calls = R"("matrix": [[10,20,30,40,5,0,0],[10,20,30,40,5,0,0],[0,0,0,0,0,0,0],[0,0,0,0,0,0,0]])";
    const std::string plain = file("plain.json", "{" + calls + "}");
    const std::string own = file("own.json", "{" + calls + R"(, "direct_debit": true, "fixed_line": true})");
    const Outcome byFlags = run({"--format", "json", "--direct-debit", "--fixed-line", plain});
    const Outcome byProfile = run({"--format", "json", own});
    const Outcome both = run({"--format", "json", "--direct-debit", own});
    EXPECT_EQ(byFlags.status, kExitOk);
    EXPECT_EQ(byFlags.out, byProfile.out);
    EXPECT_EQ(both.out, byProfile.out);

    Profile p;
    for (int b : {0, 1})
        for (int r = 0; r < 4; ++r) p.matrix[b][r] = 10 * (r + 1);
    p.matrix[0][4] = p.matrix[1][4] = 5;
    std::string expected;
    appendJson(expected, runPricing(p, {true, true}), true);
    EXPECT_EQ(byFlags.out, expected + "\n");
    std::string without;
    appendJson(without, runPricing(p, {false, false}), false);
    EXPECT_EQ(run({"--format", "json", plain}).out, without + "\n");

    EXPECT_EQ(run({plain}).out.find("Český Telecom"), std::string::npos);
    EXPECT_NE(run({own}).out.find("\nČeský Telecom\n"), std::string::npos);
}

TEST_F(CliTest, SavedInputsFileReadsLikeTheWindow) {
    // Clean and damaged files that the window reads as the same boxes.
    std::string clean;
    for (int n = 1; n <= kBoxCount; ++n) clean += std::to_string(n % 7 == 0 ? 0 : n) + "\r\n";
    std::string damaged;
    for (int n = 1; n <= kBoxCount; ++n) {
        const std::string v = std::to_string(n % 7 == 0 ? 0 : n);
        switch (n % 6) {
            case 0: damaged += "  00" + v + "\n"; break;             // blanks, leading zeros, LF only
            case 1: damaged += v + "abc\xff\xfe\r\n"; break;          // letters, invalid UTF-8
            case 2: {
                std::ostringstream hex;
                hex << std::hex << (n % 7 == 0 ? 0 : n);
                damaged += "$" + hex.str() + "\r\n";
                break;
            }
            case 3: damaged += "+" + v + "\r\n"; break;
            case 4: damaged += v + std::string(n == 4 ? 100000 : 0, 'z') + "\r\n"; break;  // a long line
            default: damaged += v + "\r\n";
        }
    }
    damaged += "999\r\nextra lines\r\n";
    const std::string a = file("clean.dat", clean), b = file("damaged.dat", damaged);
    const Outcome o1 = run({"--format", "json", "--dat", a}), o2 = run({"--format", "json", "--dat", b});
    EXPECT_EQ(o1.status, kExitOk);
    EXPECT_EQ(o2.status, kExitOk);
    EXPECT_EQ(o1.err, "");
    // The window would not have written the damaged file: the reading is the same, with warnings.
    EXPECT_EQ(o2.err, "sazbar-cli: " + b + ": warning: more than 46 lines; the rest is ignored\n"
                      "sazbar-cli: " + b + ": warning: line 1: \"1abc\\xff\\xfe\" is not a number, read as 1"
                      " (and 8 more lines)\n");
    EXPECT_TRUE(o1.out == o2.out);  // too long to print
    EXPECT_EQ(nlohmann::json::parse(o1.out)["total_call_minutes"], 1 + 2 + 3 + 4 + 6 + 8 + 9 + 10 + 11 + 13 + 15 + 16 +
                                                                       17 + 18 + 20 + 22 + 23 + 24 + 25 + 27);

    // Missing lines and negative numbers read as "0".
    const std::string shortFile = file("short.dat", "-5\r\n3");
    BoxTexts boxes;
    boxes.fill("0");
    boxes[1] = "3";
    std::string expected;
    appendJson(expected, runPricing(profileFromBoxes(boxes)), false);
    EXPECT_EQ(run({"--format", "json", "--dat", shortFile}).out, expected + "\n");

    // The countries and internet calls come from the command line.
    boxes.fill("0");
    boxes[32] = "10";  // Edit33: first row, peak
    boxes[34] = "7";   // Edit35: second row, peak
    const std::string intl = file("intl.dat", savedInputsContent(boxes));
    expected.clear();
    appendJson(expected, runPricing(profileFromBoxes(boxes, {27, 33, 2, 3}, true)), false);
    EXPECT_EQ(run({"--format=json", "--dat", intl, "--countries", "27,33,2,3", "--internet-calls"}).out,
              expected + "\n");

    const Outcome missing = run({"--dat", (dir_ / "none.dat").string()});
    EXPECT_EQ(missing.status, kExitBadInput);
    EXPECT_NE(missing.err.find("none.dat: cannot open"), std::string::npos);
}

TEST_F(CliTest, BatchKeepsGoingPastBadLines) {
    const std::string input =
        "{}\n"
        "{\"wap\": [1, 2]}\r\n"
        "\n"
        "{\"gprs_wap_kb\": 5,\r\n"
        "{\"gprs_wap_kb\": 5, \"fixed_line\": true}\r\n"
        "{\"internet_calls\": true}";  // no final line end
    const Outcome o = run({"--batch"}, input);
    EXPECT_EQ(o.status, kExitBadInput);
    const auto out = lines(o.out);
    ASSERT_EQ(out.size(), 6u);
    std::string expected;
    appendJson(expected, runPricing(Profile{}), false);
    EXPECT_EQ(out[0], expected);
    EXPECT_EQ(out[1], R"({"error": "<stdin>: line 2: wap: expected 4 integers, got 2"})");
    EXPECT_EQ(out[2], R"({"error": "<stdin>: line 3: empty line"})");
    EXPECT_TRUE(out[3].starts_with(R"({"error": "<stdin>: line 4: parse error at column 19: syntax error)")) << out[3];
    Profile p;
    p.gprsWap = 5;
    expected.clear();
    appendJson(expected, runPricing(p, {false, true}), true);
    EXPECT_EQ(out[4], expected);
    p = Profile{};
    p.internetCalls = true;
    expected.clear();
    appendJson(expected, runPricing(p), false);
    EXPECT_EQ(out[5], expected);

    const auto err = lines(o.err);
    ASSERT_EQ(err.size(), 3u);
    EXPECT_EQ(err[0], "sazbar-cli: <stdin>: line 2: wap: expected 4 integers, got 2");

    // A clean batch ends with status 0; flags apply to every line.
    const std::string good = file("good.jsonl", "{}\n{}\n");
    const Outcome ok = run({"--fixed-line", "--batch", good});
    EXPECT_EQ(ok.status, kExitOk);
    expected.clear();
    appendJson(expected, runPricing(Profile{}, {false, true}), true);
    EXPECT_EQ(ok.out, expected + "\n" + expected + "\n");
    EXPECT_EQ(run({"--batch", (dir_ / "none.jsonl").string()}).status, kExitBadInput);
}

// Inputs that were once read wrongly, and what the program now says.
TEST_F(CliTest, OddInputsAreRefusedOrNamed) {
    std::string boxes46;  // a saved inputs file as the window writes it
    for (int n = 1; n <= kBoxCount; ++n) boxes46 += std::to_string(n % 5) + "\r\n";
    std::string crOnly = boxes46, utf16 = "\xFF\xFE";
    for (std::size_t at; (at = crOnly.find("\r\n")) != std::string::npos;) crOnly.erase(at + 1, 1);
    for (char c : boxes46) (utf16 += c) += '\0';
    const std::string exact(kMaxBatchLine, ' ');
    const std::string huge(500000, '9');
    struct Case {
        const char* name;
        std::vector<std::string> args;
        std::string in;
        int status;
        std::string err;                // the whole error stream
        std::vector<std::string> same;  // arguments whose output (on the same input) the output must equal
        std::string sameIn;
    };
    const std::string F = file("f.dat", boxes46);
    const Case cases[] = {
        {"text after a NUL byte", {"-"}, std::string("{\"gprs_wap_kb\": 5}\0{\"bogus\":[[[", 31), 2,
         "sazbar-cli: <stdin>: parse error at line 1, column 19: NUL byte in the text\n", {}, {}},
        {"a NUL byte in a batch line", {"--batch"}, std::string("{}\n{}\0{\n", 8), 2,
         "sazbar-cli: <stdin>: line 2: parse error at column 3: NUL byte in the text\n", {}, {}},
        {"--dat: endless zeros", {"--dat", "/dev/zero"}, {}, 2,
         "sazbar-cli: /dev/zero: line 1: not a text file (control characters)\n", {}, {}},
        {"--dat: over 1 MiB without a line break", {"--dat", "-"}, std::string(kMaxSavedInputsFile + 1, '7'), 2,
         "sazbar-cli: <stdin>: larger than 1048576 bytes: a saved inputs file is 46 short lines\n", {}, {}},
        {"--dat: binary junk", {"--dat", "-"}, "1\r\n\x7f" "ELF\x02\x01", 2,
         "sazbar-cli: <stdin>: line 2: not a text file (control characters)\n", {}, {}},
        {"--dat: UTF-16", {"--dat", "-"}, utf16, 2,
         "sazbar-cli: <stdin>: UTF-16 text: a saved inputs file is plain text (ASCII or UTF-8)\n", {}, {}},
        {"--dat: from standard input", {"--dat", "-"}, boxes46, 0, "", {"--dat", F}, {}},
        {"--dat: UTF-8 byte order mark", {"--dat", "-"}, "\xEF\xBB\xBF" + boxes46, 0, "", {"--dat", F}, {}},
        {"--dat: CR-only line ends", {"--dat", "-"}, crOnly, 0, "", {"--dat", F}, {}},
        {"--dat: too few lines and not numbers", {"--dat", "-"}, "1\r\n2x\r\n", 0,
         "sazbar-cli: <stdin>: warning: 2 lines instead of 46; the missing boxes read as 0\n"
         "sazbar-cli: <stdin>: warning: line 2: \"2x\" is not a number, read as 2\n",
         {"--dat", "-"}, "1\r\n2\r\n"},
        {"a number beyond double range", {"-"}, "{\"gprs_wap_kb\": 1e309}", 2,
         "sazbar-cli: <stdin>: line 1: gprs_wap_kb: outside the 32-bit range\n", {}, {}},
        {"a 500,000-digit number", {"-"}, "{\"wap\": [0, -" + huge + "]}", 2,
         "sazbar-cli: <stdin>: line 1: wap[1]: outside the 32-bit range\n", {}, {}},
        {"a long literal is cut", {"-"}, "{\"gprs_wap_kb\": \"" + huge + "\n}", 2,
         "sazbar-cli: <stdin>: parse error at line 2, column 0: syntax error while parsing value - invalid "
         "string: control character U+000A (LF) must be escaped to \\u000A or \\n; last read: '…" +
             std::string(31, '9') + "<U+000A>'\n",
         {}, {}},
        {"invisible and invalid characters are escaped", {"--batch"}, "{\"\xe2\x80\xae" "x\x7f\": 1}\n\xff\n", 2,
         "sazbar-cli: <stdin>: line 1: \"\\u{202e}x\\x7f\": unknown key\n"
         "sazbar-cli: <stdin>: line 2: parse error at column 1: syntax error while parsing value - invalid "
         "literal; last read: '\\xff'\n",
         {}, {}},
        {"a batch line of exactly 1 MiB, CR LF", {"--batch"}, "{" + exact.substr(2) + "}\r\n", 0, "", {"--batch"},
         "{}\n"},
        {"a batch line of 1 MiB and a byte, CR LF", {"--batch"}, "{" + exact.substr(1) + "}\r\n", 2,
         "sazbar-cli: <stdin>: line 1: longer than 1048576 bytes\n", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome o = run(c.args, c.in);
        EXPECT_EQ(o.status, c.status);
        EXPECT_EQ(o.err, c.err);
        if (!c.same.empty()) {
            EXPECT_TRUE(o.out == run(c.same, c.sameIn.empty() ? c.in : c.sameIn).out);
        }
        if (c.status == 0) {
            EXPECT_FALSE(o.out.empty());
        }
    }
}

// The fixed line shows in CSV exactly when it is priced, and is never the cheapest.
TEST_F(CliTest, CsvShowsTheFixedLineWhenAskedFor) {
    // Calls only to the fixed line, at the weekend: the fixed line is the cheapest of all.
    const std::string p = file("p.json", R"({"matrix": [[0,0,0,0,0,0,0],[0,0,0,0,0,0,0],[0,0,0,0,0,0,0],[300,0,0,0,0,0,0]]})");
    const std::string with = run({"--format", "csv", "--fixed-line", p}).out;
    const std::string without = run({"--format", "csv", p}).out;
    Profile fixedCalls;
    fixedCalls.matrix[3][0] = 300;
    const RunResult r = runPricing(fixedCalls, {false, true});
    auto cheapestOf = [](const RunResult& res) {
        std::string ids;
        for (std::size_t t = 0; t < kTariffCount; ++t)
            if (res.fields[t].cheapest) (ids.empty() ? ids : ids += " ") += kTariffs[t].id;
        return ids;
    };
    const TariffResult& telecom = r.fields[kTelecomIndex];
    for (const TariffResult& f : r.fields)
        if (&f != &telecom && f.priced) {
            EXPECT_LT(telecom.price, f.price);
        }
    const std::string row = "telecom,Český Telecom,Telefon Standard," + telecom.text() + "," + telecom.text() + ",false,false,";
    EXPECT_NE(with.find("\r\n" + row), std::string::npos) << with;
    EXPECT_EQ(without.find("telecom,"), std::string::npos);
    EXPECT_EQ(with.substr(0, with.find("\r\ntelecom,")), without.substr(0, without.size() - 2));

    // Batch CSV: one row per profile; the fixed line's column only with --fixed-line.
    const std::string lines = "{}\n" + nlohmann::json::parse(std::ifstream(p)).dump() + "\n{\"x\": 1}\n";
    const Outcome b = run({"--batch", "-", "--format", "csv", "--jobs", "2"}, lines);
    EXPECT_EQ(b.status, kExitBadInput);
    const auto rows = this->rows(b.out);
    ASSERT_EQ(rows.size(), 4u);
    ASSERT_EQ(rows[0].size(), std::size_t{4 + kTariffCount - 1 + 1});
    EXPECT_EQ(rows[0][0], "line");
    EXPECT_EQ(rows[0][4], "t30");
    EXPECT_EQ(rows[0].back(), "error");
    for (std::size_t i = 1; i <= 2; ++i) {
        const RunResult res = runPricing(i == 2 ? fixedCalls : Profile{});
        EXPECT_EQ(rows[i][0], std::to_string(i));
        EXPECT_EQ(rows[i][1], std::to_string(res.totalCallMinutes));
        const std::string cheapest = cheapestOf(res);
        EXPECT_EQ(rows[i][2], cheapest);
        EXPECT_EQ(rows[i][3], res[cheapest.substr(0, cheapest.find(' '))].text());
        for (std::size_t t = 0; t + 1 < kTariffCount; ++t) EXPECT_EQ(rows[i][4 + t], res.fields[t].text());
        EXPECT_EQ(rows[i].back(), "");
    }
    EXPECT_EQ(rows[3][0], "3");
    EXPECT_EQ(rows[3].back(), "<stdin>: line 3: \"x\": unknown key");
    const Outcome picked = run({"--batch", "-", "--format", "csv", "--fixed-line", "--columns", "line,telecom,cheapest"}, lines);
    const RunResult empty = runPricing(Profile{}, {false, true});
    EXPECT_EQ(picked.out.substr(0, picked.out.find("\r\n", picked.out.find("\r\n") + 2)),
              "line,telecom,cheapest\r\n1," + empty.fields[kTelecomIndex].text() + "," + cheapestOf(empty));
}

// JSON lines of chosen columns say what the full line says, in the order asked.
TEST(Batch, JsonColumnsAgreeWithTheFullLine) {
    using nlohmann::ordered_json;
    const std::string input = "{\"matrix\": [[10, 200, 30, 0, 0, 0, 0], [0, 0, 0, 50, 0, 0, 0], [0, 0, 0, 0, 0, 0, 0], [0, 0, 0, 0, 0, 0, 0]]}\n"
                              "{\"x\": 1}\n{\"gprs_internet_kb\": 50000}\n{}\n";
    const std::vector<std::string> flags = {"--batch", "-", "--fixed-line"};
    std::vector<std::string> picking = flags;
    picking.insert(picking.end(), {"--columns", "line,cheapest,cheapest_price,prices,t30,error"});
    const auto full = lines(run(flags, input).out), picked = lines(run(picking, input).out);
    ASSERT_EQ(picked.size(), 4u);
    for (std::size_t i = 0; i < picked.size(); ++i) {
        SCOPED_TRACE(picked[i]);
        const auto a = ordered_json::parse(full[i]), b = ordered_json::parse(picked[i]);
        EXPECT_EQ(b["line"], i + 1);
        if (a.contains("error")) {
            EXPECT_EQ(b, ordered_json({{"line", i + 1}, {"error", a["error"]}}));
            continue;
        }
        ordered_json cheapest = ordered_json::array(), prices = ordered_json::object(), cheapestPrice;
        for (const auto& r : a["results"]) {
            prices[r["id"].get<std::string>()] = r["price"];
            if (!r["cheapest"]) continue;
            if (cheapest.empty()) cheapestPrice = r["price"];
            cheapest.push_back(r["id"]);
        }
        EXPECT_EQ(b, ordered_json({{"line", i + 1},
                                   {"cheapest", cheapest},
                                   {"cheapest_price", cheapestPrice},
                                   {"prices", prices},
                                   {"t30", prices["t30"]},
                                   {"error", nullptr}}));
    }
    // In CSV, "prices" stands for the price columns of the default.
    const std::string csvHeader = run({"--batch", "-", "--format", "csv"}, "").out;
    EXPECT_EQ(run({"--batch", "-", "--format", "csv", "--columns", "line,prices,error"}, "").out,
              "line," + csvHeader.substr(csvHeader.find("cheapest_price,") + 15));
}

TEST(Batch, SkipsLinesTooLongToHold) {
    const std::string input = "{" + std::string(kMaxBatchLine + 100, ' ') + "}\n{}\n";
    std::istringstream in(input);
    std::ostringstream out, err;
    const BatchSummary s = runBatch(in, out, err, "big.jsonl", {});
    EXPECT_EQ(s.lines, 2u);
    EXPECT_EQ(s.errors, 1u);
    const auto got = lines(out.str());
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0], R"({"error": "big.jsonl: line 1: longer than 1048576 bytes"})");
    EXPECT_TRUE(got[1].starts_with("{\"total_call_minutes\": 0,"));
}

TEST(Batch, LongLinesUnderTheLimitAndManyLinesStayInOrder) {
    std::string input;
    for (int i = 0; i < 3000; ++i)
        input += "{\"gprs_wap_kb\": " + std::to_string(i) + (i == 1500 ? std::string(200000, ' ') : "") + "}\n";
    std::istringstream in(input);
    std::ostringstream out, err;
    const BatchSummary s = runBatch(in, out, err, "x", {});
    EXPECT_EQ(s.errors, 0u);
    const auto got = lines(out.str());
    ASSERT_EQ(got.size(), 3000u);
    for (int i : {0, 1499, 1500, 1501, 2999}) {
        Profile p;
        p.gprsWap = i;
        std::string expected;
        appendJson(expected, runPricing(p), false);
        EXPECT_EQ(got[static_cast<std::size_t>(i)], expected) << i;
    }

    // Priced side by side, the results and the messages keep the input order.
    input.insert(input.find("\n", 100000) + 1, "{\"x\": 1}\n\n");
    for (Format format : {Format::Json, Format::Csv}) {
        std::string outs[2], errs[2];
        for (unsigned jobs : {1u, 3u}) {
            std::istringstream again(input);
            std::ostringstream o, e;
            const BatchSummary b = runBatch(again, o, e, "x", {}, {format, {}, jobs});
            EXPECT_EQ(b.lines, 3002u);
            EXPECT_EQ(b.errors, 2u);
            outs[jobs > 1] = o.str();
            errs[jobs > 1] = e.str();
        }
        EXPECT_TRUE(outs[0] == outs[1]);
        EXPECT_EQ(errs[0], errs[1]);
        EXPECT_EQ(lines(errs[0]).size(), 2u);
    }
}

}  // namespace
}  // namespace sazbar::cli
