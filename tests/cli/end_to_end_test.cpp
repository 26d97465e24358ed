// Runs the built sazbar-cli program.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status;
    std::string out, err;
};

std::string slurp(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

Outcome runProgram(const std::string& args, const std::string& input = {}, const std::string& output = {}) {
    // Tests may run side by side: each gets its own folder.
    const fs::path dir = fs::temp_directory_path() /
                         ("sazbar_cli_e2e_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(dir);
    std::ofstream(dir / "in", std::ios::binary) << input;
    const std::string cmd = std::string("'") + SAZBAR_CLI + "' " + args + " < '" + (dir / "in").string() + "' > '" +
                            (output.empty() ? (dir / "out").string() : output) + "' 2> '" + (dir / "err").string() + "'";
    const int raw = std::system(cmd.c_str());
    Outcome o{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(dir / "out"), slurp(dir / "err")};
    fs::remove_all(dir);
    return o;
}

const std::string kExamples = SAZBAR_EXAMPLES;

TEST(EndToEnd, PricesTheExampleProfile) {
    const Outcome table = runProgram("'" + kExamples + "/profile.json'");
    EXPECT_EQ(table.status, 0) << table.err;
    EXPECT_TRUE(table.err.empty());
    EXPECT_TRUE(table.out.starts_with("Celkem za měsíc: ")) << table.out;
    EXPECT_NE(table.out.find("◄ nejlevnější"), std::string::npos);

    const Outcome json = runProgram("--format json '" + kExamples + "/profile.json'");
    EXPECT_EQ(json.status, 0);
    const auto j = nlohmann::json::parse(json.out);
    EXPECT_EQ(j["results"].size(), 49u);
    EXPECT_GT(j["total_call_minutes"].get<int>(), 0);
}

TEST(EndToEnd, BatchExampleAndExitStatuses) {
    const Outcome batch = runProgram("--batch '" + kExamples + "/batch.jsonl'");
    EXPECT_EQ(batch.status, 0) << batch.err;
    std::istringstream lines(batch.out);
    int n = 0;
    for (std::string l; std::getline(lines, l); ++n) EXPECT_TRUE(nlohmann::json::parse(l).contains("results"));
    EXPECT_EQ(n, 5);

    const Outcome bad = runProgram("--batch -", "{}\n{\"x\": 1}\n{}\n");
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.err, "sazbar-cli: <stdin>: line 2: \"x\": unknown key\n");
    EXPECT_NE(bad.out.find("\n{\"error\": "), std::string::npos);

    EXPECT_EQ(runProgram("--version").out, "sazbar-cli 6.61\n");
    EXPECT_EQ(runProgram("--no-such-option").status, 2);
    EXPECT_EQ(runProgram("/nonexistent/profile.json").status, 2);
    EXPECT_EQ(runProgram("-", "{\"wap\": [1]}").status, 2);
}

// Every way of writing on standard output notices a full disk.
TEST(EndToEnd, AFullDiskIsNamed) {
    const std::string bill = "'" + kExamples + "/bill.csv'";
    const std::string modes[] = {
        "-", "--format json -", "--format csv -", "--hints -", "--breakdown all -", "--sweep calls -",
        "--dat -", "--batch -", "--batch - --format csv --jobs 2", "--batch - --columns line,prices",
        "--help", "--version", "--print-rules", "--import --help", "--check-tariffs --help",
        "--import " + bill, "--import " + bill + " --price", "--import " + bill + " --by-month",
    };
    for (const std::string& args : modes) {
        const Outcome o = runProgram(args, "{}\n", "/dev/full");
        EXPECT_EQ(o.status, 2) << args;
        EXPECT_TRUE(o.err.ends_with("sazbar-cli: <stdout>: cannot write: No space left on device\n")) << args << o.err;
    }
}

}  // namespace
