// sazbar-cli --check-tariffs: exit status and the lines it writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/app.h"
#include "tests/cli/run_cli.h"

namespace sazbar::cli {
namespace {

namespace fs = std::filesystem;

using test_support::Outcome;
using test_support::run;

class CheckTariffs : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("sazbar-check-" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
    std::string file(const std::string& name, const std::string& text) {
        const fs::path p = dir / name;
        std::ofstream(p, std::ios::binary) << text;
        return p.string();
    }
};

const std::string kExample = SAZBAR_EXAMPLES "/tariffs/example.json";

TEST_F(CheckTariffs, TheExampleHasNoProblem) {
    const Outcome o = run({"--check-tariffs", kExample});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(o.out, "1 file, 3 tariffs usable; 0 errors, 0 warnings\n");
}

TEST_F(CheckTariffs, ListsEveryProblemAndExitsByTheWorst) {
    const std::string head = R"({"format": "sazbar-tariffs/1", "tariffs": [{"id": "a", "operator": "O", "name": "A")";
    const std::string warnOnly = file("warn.json", head + "}]}");
    const std::string bad = file("bad.json", head + R"(, "fee ": "1", "rates": {"sms": 2.5}}]})");
    Outcome o = run({"--check-tariffs", warnOnly});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.err, "sazbar-cli: " + warnOnly + ": tariffs[0]: warning: no source; say where the prices come from "
                     "(\"source\": {\"title\", \"url\" or \"document\"})\n");
    o = run({"--check-tariffs", warnOnly, bad, (dir / "missing.json").string()});
    EXPECT_EQ(o.status, 2);
    EXPECT_NE(o.err.find(bad + ": tariffs[0].fee : unknown key \"fee \"; did you mean \"fee\"?"), std::string::npos) << o.err;
    EXPECT_NE(o.err.find(bad + ": tariffs[0].rates.sms: expected an amount"), std::string::npos) << o.err;
    EXPECT_NE(o.err.find("missing.json: cannot open"), std::string::npos) << o.err;
    EXPECT_EQ(o.out, "3 files, 1 tariff usable; 3 errors, 2 warnings\n");
}

TEST_F(CheckTariffs, RefusesBadUsage) {
    EXPECT_EQ(run({"--check-tariffs"}).status, 2);
    EXPECT_EQ(run({"--check-tariffs", "--frob", kExample}).status, 2);
    const std::string clash = file("clash.json", R"({"format": "sazbar-tariffs/1", "tariffs": [{"id": "t30",
        "operator": "T-Mobile", "name": "T 30", "source": {"title": "t", "document": "d"}}]})");
    EXPECT_EQ(run({"--check-tariffs", clash}).status, 2);
    EXPECT_EQ(run({"--check-tariffs", "--no-builtin", clash}).status, 0);
}

// The shipped catalogue of the compiled tariffs, as the program carries it.
TEST(PrintTariffs, WritesTheShippedFileByteForByte) {
    std::ifstream f(SAZBAR_EXAMPLES "/builtin-tariffs.json", std::ios::binary);
    const std::string shipped{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    ASSERT_FALSE(shipped.empty());
    const Outcome o = run({"--print-tariffs", "builtin"});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_TRUE(o.out == shipped) << "printed " << o.out.size() << " bytes, the file has " << shipped.size();
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--print-tariffs"}, {"--print-tariffs", "example"}, {"--print-tariffs", "builtin", "x.json"}, {"--print-tariffs", "--help"}}) {
        const Outcome bad = run(args);
        EXPECT_EQ(bad.status, 2) << args.size();
        EXPECT_EQ(bad.out, "");
        EXPECT_TRUE(bad.err.starts_with("sazbar-cli: ") && bad.err.find("builtin") != std::string::npos) << bad.err;
    }
}

}  // namespace
}  // namespace sazbar::cli
