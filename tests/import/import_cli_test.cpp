// sazbar-cli --import: the examples, the summary, refused files and lines.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/app.h"
#include "core/profile_json.h"

namespace sazbar::cli {
namespace {

struct CliRun {
    int status;
    std::string out, err;
};

CliRun run(std::vector<std::string> args, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = runCli(args, in, out, err);
    return {status, out.str(), err.str()};
}

std::string example(const char* name) { return std::string(SAZBAR_EXAMPLES) + "/" + name; }

std::string temp(const std::string& name, const std::string& text) {
    const auto path = std::filesystem::temp_directory_path() / ("sazbar_import_" + name);
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
}

TEST(ImportCli, BillAndBackupGiveTheSameProfileAndNoNumbers) {
    const CliRun bill = run({"--import", example("bill.csv")});
    const CliRun backup = run({"--import", example("android-calls.xml"), "--import", example("android-sms.xml")});
    ASSERT_EQ(bill.status, 0) << bill.err;
    ASSERT_EQ(backup.status, 0) << backup.err;
    EXPECT_EQ(bill.out, backup.out);
    EXPECT_EQ(bill.err, backup.err);
    ProfileDocument input;
    ProfileError error;
    ASSERT_TRUE(readProfile(bill.out, input, error)) << error.message;
    EXPECT_GT(totalCallMinutes(input.profile), 0);
    EXPECT_NE(bill.err.find("Unclassified (nezařazeno): 2 events"), std::string::npos) << bill.err;
    EXPECT_NE(bill.err.find("Left out, only four international rows: Rakousko"), std::string::npos);

    // No number of the logs, in any of its spellings, comes out.
    std::ifstream csv(example("bill.csv"));
    std::string line;
    std::getline(csv, line);
    while (std::getline(csv, line)) {
        std::vector<std::string> fields;
        std::istringstream cells(line);
        for (std::string f; std::getline(cells, f, ';');) fields.push_back(f);
        ASSERT_GE(fields.size(), 4u);
        std::string digits;
        for (char c : fields[3])
            if (c >= '0' && c <= '9') digits += c;
        if (digits.size() < 6) continue;  // short numbers: too short to tell from counts
        const std::string tail = digits.substr(digits.size() - 6);
        for (const CliRun* r : {&bill, &backup}) {
            EXPECT_EQ(r->out.find(tail), std::string::npos) << tail;
            EXPECT_EQ(r->err.find(tail), std::string::npos) << tail;
        }
    }

    const CliRun priced = run({"--import", example("bill.csv"), "--price", "--format", "json"});
    EXPECT_EQ(priced.status, 0);
    EXPECT_TRUE(priced.out.starts_with("{\"total_call_minutes\": ")) << priced.out;
}

TEST(ImportCli, RefusalsLinesMonthsAndUsage) {
    const std::string header = "date,time,direction,number,duration,type,volume_kb\n";
    const std::string bad = temp("bad.csv", header + "1. 4. 2026,10:00,out,222000001,60,call,\n" +
                                                "1. 4. 2026,25:00,out,222000001,60,call,\n" +
                                                "3. 5. 2026,10:00,out,222000001,60,call,\n");
    const std::string notLog = temp("letter.txt", "Dear customer,\nhello\n");
    const std::string stray = temp("stray.csv", header + "1. 4. 2026,10:00,out,222000001,60,call,\n" +
                                                    "2. 4. 2026,10:00,out,222000001,60,call,\n" +
                                                    "1. 4. 2099,10:00,out,222000001,60,call,\n");
    const struct {
        std::vector<std::string> args;
        int status;
        const char* err;  // a part of standard error
        int outLines;
    } cases[] = {
        {{"--import", notLog}, 2, "letter.txt: not a call log: the first line is not the header", 0},
        {{"--import", "/nonexistent/log.csv"}, 2, "log.csv: cannot open: ", 0},
        {{"--import", bad}, 2, "bad.csv: line 3: time: expected H:MM or H:MM:SS\n", 1},
        {{"--import", bad, "--month", "2026-05"}, 2, "(month 2026-05, 31 days, as it is)", 1},
        {{"--import", bad, "--month", "2026-07"}, 2, "the log has no events in 2026-07 (months: 2026-04, 2026-05)", 0},
        {{"--import", bad, "--by-month"}, 2, "== 2026-05 ==", 2},
        {{"--import", bad, "--by-month", "--month", "2026-04"}, 2, "give --month or --by-month, not both", 0},
        {{"--import", bad, "--month", "May"}, 2, "--month needs a month as YYYY-MM", 0},
        {{"--import", bad, "--month", "1899-12"}, 2, "--month: the year must be from 1990 to 2100", 0},
        {{"--import", bad, "--month", "2026-13"}, 2, "--month: the month must be from 01 to 12", 0},
        {{"--import", bad, "--rules", std::filesystem::temp_directory_path().string()}, 2,
         ": cannot read: is a directory", 0},
        {{"--import", stray}, 0, "Warning: 1 event (1. 4. 2099) lies 26662 days from the others: a mistyped year?", 1},
        {{"--import", bad, "--frobnicate"}, 2, "unknown option for --import: '--frobnicate'", 0},
        {{"--import", "-"}, 2, "<stdin>: not a call log: the file is empty", 0},
        {{"--import", bad, "--rules", notLog}, 2, "letter.txt: line 1: unknown rule 'Dear'", 0},
    };
    for (const auto& c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args[1] << " " << r.err;
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), c.outLines) << r.out;
        std::istringstream lines(r.out);
        for (std::string line; std::getline(lines, line);) {
            ProfileDocument input;
            ProfileError error;
            EXPECT_TRUE(readProfile(line, input, error)) << line;
        }
    }
    // The profiles of --by-month are batch input.
    const std::string months = temp("months.jsonl", run({"--import", bad, "--by-month"}).out);
    const CliRun batch = run({"--batch", months});
    EXPECT_EQ(batch.status, 0) << batch.err;
    EXPECT_EQ(std::count(batch.out.begin(), batch.out.end(), '\n'), 2);

    const CliRun rules = run({"--print-rules"});
    EXPECT_EQ(rules.status, 0);
    EXPECT_NE(rules.out.find("weekday 16:00 Odpoledne"), std::string::npos);
    EXPECT_NE(run({"--help"}).out.find("--import FILE"), std::string::npos);
}

// A log over hundreds of months: the summary names them on a short line,
// --by-month writes each month as --month does.
TEST(ImportCli, ManyMonthsKeepMessagesShort) {
    std::string csv = "date,time,direction,number,duration,type,volume_kb\n";
    for (int y = 1990; y <= 2100; ++y)
        for (int m = 1; m <= 12; m += 2) csv += "3. " + std::to_string(m) + ". " + std::to_string(y) + ",10:00,out,222000001," +
                   std::to_string(60 * (y % 7 + m)) + ",call,\n";
    const std::string log = temp("months.csv", csv);
    const CliRun whole = run({"--import", log});
    EXPECT_EQ(whole.status, 0) << whole.err;
    EXPECT_NE(whole.err.find("Months in the log: 1990-01, 1990-03, 1990-05, 1990-07, 1990-09, …, 2100-11 (666 months)"),
              std::string::npos) << whole.err;
    const CliRun missing = run({"--import", log, "--month", "2026-02"});
    EXPECT_NE(missing.err.find("(months: 1990-01, 1990-03, 1990-05, 1990-07, 1990-09, …, 2100-11 (666 months))"),
              std::string::npos) << missing.err;
    for (const CliRun* r : {&whole, &missing}) {
        std::istringstream lines(r->err);
        for (std::string line; std::getline(lines, line);) EXPECT_LT(line.size(), 160u) << line;
    }
    const CliRun each = run({"--import", log, "--by-month"});
    EXPECT_EQ(each.status, 0);
    std::vector<std::string> profiles;
    std::istringstream lines(each.out);
    for (std::string line; std::getline(lines, line);) profiles.push_back(line + '\n');
    ASSERT_EQ(profiles.size(), 666u);
    EXPECT_EQ(profiles[6], run({"--import", log, "--month", "1991-01"}).out);
    EXPECT_EQ(profiles.back(), run({"--import", log, "--month", "2100-11"}).out);
    const std::string runs = temp("runs.csv", "date,time,direction,number,duration,type,volume_kb\n"
                                              "3. 1. 2026,10:00,out,222000001,60,call,\n3. 2. 2026,10:00,out,222000001,60,call,\n"
                                              "3. 3. 2026,10:00,out,222000001,60,call,\n3. 5. 2026,10:00,out,222000001,60,call,\n");
    EXPECT_NE(run({"--import", runs}).err.find("Months in the log: 2026-01 to 2026-03, 2026-05 (one alone"),
              std::string::npos);
}

}  // namespace
}  // namespace sazbar::cli
