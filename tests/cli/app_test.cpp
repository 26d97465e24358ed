#include "cli/app.h"

#include <gtest/gtest.h>

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

struct Outcome {
    int status;
    std::string out, err;
};

Outcome run(std::vector<std::string> args, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = runCli(args, in, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> v;
    std::istringstream s(text);
    for (std::string l; std::getline(s, l);) v.push_back(l);
    return v;
}

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("sazbar_cli_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
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
        {"--batch", "--format", "csv"},
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
            case 4: damaged += v + std::string(n == 4 ? 10u << 20 : 0, 'z') + "\r\n"; break;  // a 10 MB line
            default: damaged += v + "\r\n";
        }
    }
    damaged += "999\r\nextra lines\r\n";
    const std::string a = file("clean.dat", clean), b = file("damaged.dat", damaged);
    const Outcome o1 = run({"--format", "json", "--dat", a}), o2 = run({"--format", "json", "--dat", b});
    EXPECT_EQ(o1.status, kExitOk);
    EXPECT_EQ(o2.status, kExitOk);
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
}

}  // namespace
}  // namespace sazbar::cli
