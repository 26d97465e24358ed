// Runs the built sazbar-cli program.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
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
        "--help", "--version", "--print-rules", "--import --help", "--check-tariffs --help", "--print-tariffs builtin",
        "--import " + bill, "--import " + bill + " --price", "--import " + bill + " --by-month",
    };
    for (const std::string& args : modes) {
        const Outcome o = runProgram(args, "{}\n", "/dev/full");
        EXPECT_EQ(o.status, 2) << args;
        EXPECT_TRUE(o.err.ends_with("sazbar-cli: <stdout>: cannot write: No space left on device\n")) << args << o.err;
    }
}

}  // namespace

namespace {

const std::string kTariffFile = kExamples + "/tariffs/example.json";

// The results of one JSON run by id.
std::map<std::string, nlohmann::json> resultsById(const std::string& json) {
    std::map<std::string, nlohmann::json> byId;
    const auto parsed = nlohmann::json::parse(json);
    for (const auto& r : parsed["results"]) byId[r["id"].get<std::string>()] = r;
    return byId;
}

}  // namespace

// The example file holds compiled tariffs as data under ids of their own:
// priced beside the compiled ones they must agree, marks included.
TEST(EndToEndTariffs, DataTwinsPriceAsTheCompiledTariffs) {
    const std::pair<const char*, const char*> twins[] = {
        {"example-t30", "t30"}, {"example-naplno50", "naplno50"}, {"example-telefon-standard", "telecom"}};
    const std::string profiles[] = {
        "{}",
        "{\"matrix\": [[3,1,0,0,2,4,0],[0,0,0,0,0,0,0],[0,0,0,0,0,0,0],[0,0,0,0,0,0,0]]}",
        "{\"matrix\": [[90,200,60,300,5,150,20],[40,80,20,90,0,60,5],[0,0,0,0,0,0,0],[10,10,10,10,0,0,0]],"
        " \"wap\": [30, 0, 0, 0], \"gprs_internet_kb\": 5000, \"direct_debit\": true}",
        slurp(kExamples + "/profile.json"),
    };
    for (const std::string& profile : profiles)
        for (const char* flags : {"", "--fixed-line --direct-debit"}) {
            const Outcome o = runProgram(std::string(flags) + " --format json --tariffs '" + kTariffFile + "' -", profile);
            ASSERT_EQ(o.status, 0) << o.err;
            const auto byId = resultsById(o.out);
            EXPECT_EQ(byId.size(), 52u);
            bool anyCheapest = false;
            for (const auto& [id, r] : byId) anyCheapest |= r["cheapest"].get<bool>();
            EXPECT_TRUE(anyCheapest) << profile;
            for (const auto& [data, compiled] : twins)
                for (const char* key : {"price", "unsupported", "cheapest"})
                    EXPECT_EQ(byId.at(data)[key], byId.at(compiled)[key]) << data << ' ' << key << ' ' << flags << profile;
        }
}

// Batch lines, breakdowns and sweeps name data tariffs by id beside the compiled ones.
TEST(EndToEndTariffs, BatchBreakdownAndSweepOfDataTwins) {
    const std::string tariffs = " --tariffs '" + kTariffFile + "' ";
    const std::string batch = " --batch '" + kExamples + "/batch.jsonl'";
    const Outcome csv = runProgram("--format csv" + tariffs + batch);
    ASSERT_EQ(csv.status, 0) << csv.err;
    std::istringstream rows(csv.out);
    std::string line;
    std::vector<std::string> header;
    std::size_t checked = 0;
    const auto split = [](const std::string& l) {
        std::vector<std::string> f;
        std::stringstream in(l.substr(0, l.find('\r')));
        for (std::string x; std::getline(in, x, ',');) f.push_back(x);
        return f;
    };
    while (std::getline(rows, line)) {
        const auto f = split(line);
        if (header.empty()) {
            header = f;
            continue;
        }
        const auto at = [&](const char* id) { return f.at(std::find(header.begin(), header.end(), id) - header.begin()); };
        for (const auto& [data, compiled] : {std::pair{"example-t30", "t30"}, {"example-naplno50", "naplno50"}}) {
            EXPECT_EQ(at(data), at(compiled)) << line;
            const std::string cheapest = " " + at("cheapest") + " ";
            EXPECT_EQ(cheapest.find(std::string(" ") + data + " ") != std::string::npos,
                      cheapest.find(std::string(" ") + compiled + " ") != std::string::npos) << line;
        }
        ++checked;
    }
    EXPECT_GT(checked, 2u);
    EXPECT_EQ(header.back(), "error");
    EXPECT_EQ(header.end()[-2], "example-telefon-standard");

    const auto alone = runProgram("--no-builtin --columns cheapest,prices" + tariffs + batch);
    ASSERT_EQ(alone.status, 0) << alone.err;
    const auto first = nlohmann::json::parse(alone.out.substr(0, alone.out.find('\n')));
    EXPECT_EQ(first["prices"].size(), 3u);
    EXPECT_EQ(runProgram("--no-builtin --columns t30" + tariffs + batch).status, 2);

    const std::string profile = " '" + kExamples + "/profile.json'";
    const auto b = nlohmann::json::parse(
        runProgram("--format json --breakdown naplno50,example-naplno50,example-t30,t30" + tariffs + profile).out);
    ASSERT_EQ(b["breakdowns"].size(), 4u);
    EXPECT_EQ(b["breakdowns"][1]["id"], "example-naplno50");
    EXPECT_EQ(b["breakdowns"][0]["price"], b["breakdowns"][1]["price"]);
    EXPECT_EQ(b["breakdowns"][2]["price"], b["breakdowns"][3]["price"]);
    const auto all = nlohmann::json::parse(runProgram("--no-builtin --format json --breakdown all" + tariffs + profile).out);
    EXPECT_EQ(all["breakdowns"].size(), 3u);
    EXPECT_EQ(runProgram("--no-builtin --breakdown t30" + tariffs + profile).status, 2);

    // A sweep prices the twins at every point alike and names them in every span.
    const auto sweep = nlohmann::json::parse(runProgram("--format json --sweep all --to 400 --step 5" + tariffs + profile).out);
    for (const auto& pt : sweep["points"])
        for (const auto& [data, compiled] : {std::pair{"example-t30", "t30"}, {"example-naplno50", "naplno50"}})
            EXPECT_EQ(pt["prices"][data], pt["prices"][compiled]) << pt["percent"];
    const auto has = [](const nlohmann::json& ids, const char* id) { return std::find(ids.begin(), ids.end(), id) != ids.end(); };
    for (const auto& span : sweep["cheapest_spans"])
        EXPECT_EQ(has(span["tariffs"], "example-naplno50"), has(span["tariffs"], "naplno50")) << span;
    const auto sweepAlone = nlohmann::json::parse(runProgram("--no-builtin --format json --sweep calls" + tariffs + profile).out);
    EXPECT_EQ(sweepAlone["points"][0]["prices"].size(), 3u);
}

// The shipped catalogue of the compiled tariffs, priced alone from the command
// line, gives every tariff it holds the compiled price and unsupported mark.
TEST(EndToEndTariffs, ShippedCatalogueAlonePricesAsTheCompiledTariffs) {
    const fs::path lines = fs::temp_directory_path() / "sazbar_cli_e2e_builtin.jsonl";
    {
        std::ofstream out(lines);
        std::mt19937 rng(2003);
        const auto n = [&](int most) { return std::uniform_int_distribution<int>(0, most)(rng); };
        for (int i = 0; i < 300; ++i) {
            nlohmann::json p;
            for (int b = 0; b < 4; ++b) {
                nlohmann::json row = nlohmann::json::array();
                for (int c = 0; c < 7; ++c) row.push_back(n(i % 3 ? 60 : 400) * (n(3) > 0));
                p["matrix"].push_back(row);
            }
            p["wap"] = {n(50) * (n(2) == 0), 0, n(20), 0};
            p["gprs_wap_kb"] = n(3) ? 0 : n(30000);
            p["gprs_internet_kb"] = n(3) ? 0 : n(30000);
            p["international"] = {{{"country", n(20)}, {"peak", n(30)}, {"afternoon", 0}, {"evening_weekend", n(10)}}};
            p["direct_debit"] = n(1) == 1;
            p["internet_calls"] = n(5) == 0;
            out << p.dump() << '\n';
        }
    }
    const std::string batch = " --batch '" + lines.string() + "'";
    const Outcome compiled = runProgram("--fixed-line" + batch);
    const Outcome data = runProgram("--fixed-line --no-builtin --tariffs '" + kExamples + "/builtin-tariffs.json'" + batch);
    fs::remove(lines);
    ASSERT_EQ(compiled.status, 0) << compiled.err;
    ASSERT_EQ(data.status, 0) << data.err;
    std::istringstream a(compiled.out), b(data.out);
    std::size_t compared = 0;
    for (std::string la, lb; std::getline(a, la) && std::getline(b, lb);) {
        const auto byId = resultsById(la);
        for (const auto& [id, r] : resultsById(lb)) {
            ASSERT_TRUE(byId.contains(id)) << id;
            for (const char* key : {"price", "unsupported"}) EXPECT_EQ(r[key], byId.at(id)[key]) << id << ' ' << key << la;
            ++compared;
        }
    }
    EXPECT_EQ(compared, 300u * 46u);
}

TEST(EndToEndTariffs, NoBuiltinValidityAndRefusedFiles) {
    const std::string profile = "'" + kExamples + "/profile.json'";
    const std::string tariffs = " --tariffs '" + kExamples + "/tariffs' ";  // a folder
    const auto alone = resultsById(runProgram("--no-builtin --format json" + tariffs + profile).out);
    EXPECT_EQ(alone.size(), 3u);
    EXPECT_TRUE(alone.contains("example-t30"));
    // The cheapest of the file alone, but not beside the cheaper compiled 300 naplno.
    EXPECT_TRUE(alone.at("example-naplno50")["cheapest"].get<bool>());
    EXPECT_FALSE(resultsById(runProgram("--format json" + tariffs + profile).out).at("example-naplno50")["cheapest"].get<bool>());
    const Outcome csv = runProgram("--no-builtin --format csv" + tariffs + profile);
    EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 4);

    // Before the revisions' first day every one is left out, and the table counts them.
    const Outcome before = runProgram("--on 2002-12-31" + tariffs + profile);
    EXPECT_EQ(before.status, 0) << before.err;
    EXPECT_EQ(before.out.find("(ceník ze souboru)"), std::string::npos);
    EXPECT_TRUE(before.out.ends_with("ke dni 2002-12-31 neplatí: 3\n")) << before.out;
    const Outcome first = runProgram("--on 2003-01-01" + tariffs + profile);
    EXPECT_TRUE(first.out.ends_with("neplatí: 0\n")) << first.out;
    const auto dated = nlohmann::json::parse(runProgram("--format json --on 2002-12-31" + tariffs + profile).out);
    EXPECT_EQ(dated["results"].size(), 49u);
    EXPECT_EQ(dated["tariffs_not_valid"], 3);

    const fs::path bad = fs::temp_directory_path() / "sazbar_cli_e2e_bad_tariffs.json";
    std::ofstream(bad) << "{\"format\": \"sazbar-tariffs/1\", \"tariffs\": [{\"id\": \"x\", \"fee \": \"1\"}]}";
    for (const std::string& args : {"--tariffs '" + bad.string() + "' " + profile,
                                    "--tariffs '" + kTariffFile + "' --tariffs '" + bad.string() + "' --format json " + profile}) {
        const Outcome o = runProgram(args);
        EXPECT_EQ(o.status, 2) << args;
        EXPECT_TRUE(o.out.empty());
        EXPECT_TRUE(o.err.starts_with("sazbar-cli: " + bad.string() + ": tariffs[0]")) << o.err;
        EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1) << o.err;
    }
    fs::remove(bad);
    for (const char* usage : {"--no-builtin", "--on 2003-01-01", "--on 2003-02-30 --tariffs x"})
        EXPECT_EQ(runProgram(std::string(usage) + " " + profile).status, 2) << usage;
}
