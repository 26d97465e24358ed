// Inputs of 100 MB: saved inputs files, profiles and batches. Each is read
// in bounded memory and time, and either normalised by the usual rules or
// refused with a clear message.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "child_process.h"
#include "core/saved_inputs.h"

namespace sazbar::hardening {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr std::size_t kHundredMb = std::size_t{100} << 20;
// Extra peak memory allowed for reading one of these files.
constexpr long kMemoryBudgetKb = 50 * 1024;

// head, then `fill` repeated to 100 MB, then tail; written in pieces so that
// the test itself never holds the file.
void writeBig(const fs::path& p, const std::string& head, const std::string& fill, const std::string& tail) {
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    f << head;
    std::string chunk;
    while (chunk.size() < (std::size_t{1} << 20)) chunk += fill;
    for (std::size_t written = 0; written < kHundredMb; written += chunk.size()) f << chunk;
    f << tail;
    ASSERT_TRUE(f.good());
}

struct BigDat {
    const char* name;
    std::string head, fill, tail;
    // Expected first boxes; the rest read "0" unless `allSame`.
    std::vector<std::string> first;
    bool allSame = false;
};

// Only the first kMaxSavedInputsBytes are read: what lies beyond them, the
// window never wrote, and it reaches no box.
const BigDat kBigDats[] = {
    {"one line of 100 MB nines, negative", "-", "9", "\r\n7\r\n", {"-2147483648"}},
    {"100 MB of blanks before a number", "", " \t", "42\n", {}},
    {"a number followed by 100 MB of CRs, each a line end", "-5", "\r", "\n8", {"-5"}},
    {"hex with 100 MB of leading zeros, no line end", "$", "0", "1F", {"0"}},
    {"50 million short lines", "", "1\n", "", {"1"}, true},
};

TEST(BigSavedFile, ReadInBoundedMemoryWithTheUsualRules) {
    ScratchDir dir("bigdat");
    const fs::path file = dir.path() / "big.dat";
    for (const BigDat& c : kBigDats) {
        SCOPED_TRACE(c.name);
        writeBig(file, c.head, c.fill, c.tail);
        const ChildResult r = runInChild([&] {
            BoxTexts boxes;
            if (!loadSavedInputs(file, boxes)) return 2;
            for (std::size_t i = 0; i < boxes.size(); ++i) {
                const std::string want = c.allSame ? c.first[0] : i < c.first.size() ? c.first[i] : "0";
                if (boxes[i] != want) return 1;
            }
            return 0;
        }, 120s);
        ASSERT_TRUE(r.ended) << "reading did not end";
        EXPECT_EQ(r.exitCode, 0) << "1: boxes differ, 2: not loaded";
        EXPECT_LT(r.peakRssKb, kMemoryBudgetKb);
        EXPECT_LT(r.seconds, 60.0);
    }
}

// The command line program on the same kind of input.
class BigCliInput : public ::testing::Test {
protected:
    ChildResult run(const std::vector<std::string>& args, const fs::path& in = "/dev/null") {
        std::vector<std::string> argv{SAZBAR_CLI};
        argv.insert(argv.end(), args.begin(), args.end());
        const ChildResult r = runProgram(argv, in, dir.path() / "out", dir.path() / "err", 180s);
        out = slurp(dir.path() / "out");
        err = slurp(dir.path() / "err");
        return r;
    }
    // Peak memory of the program on a small profile, for comparison.
    long baselineKb() {
        spit(dir.path() / "small.json", "{}");
        return run({"--format", "json", (dir.path() / "small.json").string()}).peakRssKb;
    }

    ScratchDir dir{"bigcli"};
    fs::path big = dir.path() / "big";
    std::string out, err;
};

TEST_F(BigCliInput, SavedFileIsRefusedWithAClearMessage) {
    // The window reads such a file in bounded memory (above); the command line
    // does not read past what a saved inputs file can hold.
    const long base = baselineKb();
    writeBig(big, "-", "9", "\r\n7\r\n");
    const ChildResult r = run({"--format", "json", "--dat", big.string()});
    ASSERT_TRUE(r.ended);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(err, "sazbar-cli: " + big.string() + ": larger than 1048576 bytes: a saved inputs file is 46 short lines\n");
    EXPECT_EQ(out, "");
    EXPECT_LT(r.peakRssKb - base, kMemoryBudgetKb);
    EXPECT_LT(r.seconds, 10.0);
}

TEST_F(BigCliInput, ProfileIsRefusedWithAClearMessage) {
    const long base = baselineKb();
    writeBig(big, "{", " ", "}");
    struct Way {
        const char* name;
        std::vector<std::string> args;
        fs::path in;
        std::string shownAs;
    };
    const Way ways[] = {
        {"named file", {big.string()}, "/dev/null", big.string()},
        {"standard input", {"-"}, big, "<stdin>"},
    };
    for (const Way& w : ways) {
        SCOPED_TRACE(w.name);
        const ChildResult r = run(w.args, w.in);
        ASSERT_TRUE(r.ended);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(err, "sazbar-cli: " + w.shownAs + ": file too large for a profile\n");
        EXPECT_EQ(out, "");
        EXPECT_LT(r.peakRssKb - base, kMemoryBudgetKb);
        EXPECT_LT(r.seconds, 60.0);
    }
}

TEST_F(BigCliInput, BatchSkipsA100MbLineAndPricesTheOthers) {
    const long base = baselineKb();
    writeBig(big, "{\"gprs_wap_kb\": 1}\n{", " ", "}\n{\"gprs_wap_kb\": 2}\n");
    const ChildResult r = run({"--batch", big.string()});
    ASSERT_TRUE(r.ended);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_LT(r.peakRssKb - base, kMemoryBudgetKb);
    const std::string bigOut = out;

    spit(dir.path() / "good.jsonl", "{\"gprs_wap_kb\": 1}\n{\"gprs_wap_kb\": 2}\n");
    ASSERT_EQ(run({"--batch", (dir.path() / "good.jsonl").string()}).exitCode, 0);
    const std::size_t firstEnd = out.find('\n');
    ASSERT_NE(firstEnd, std::string::npos);
    EXPECT_EQ(bigOut, out.substr(0, firstEnd + 1) + "{\"error\": \"" + big.string() +
                          ": line 2: longer than 1048576 bytes\"}\n" + out.substr(firstEnd + 1));
}

}  // namespace
}  // namespace sazbar::hardening
