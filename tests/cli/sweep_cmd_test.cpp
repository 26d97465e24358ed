#include "cli/sweep_cmd.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

#include "cli/app.h"
#include "tests/cli/run_cli.h"
#include "core/profile_json.h"

namespace sazbar::cli {
namespace {

using test_support::Outcome;
using test_support::run;

const std::string kExample = SAZBAR_EXAMPLES "/profile.json";

Profile exampleProfile() {
    std::ifstream f(kExample);
    std::stringstream text;
    text << f.rdbuf();
    ProfileDocument input;
    ProfileError error;
    EXPECT_TRUE(readProfile(text.str(), input, error));
    return input.profile;
}

TEST(SweepCli, JsonHasEveryPointAndTheEnginesBreakEvenPoints) {
    const Profile p = exampleProfile();
    for (const char* group : {"calls", "messages", "data", "all"}) {
        const Outcome o = run({"--sweep", group, "--format", "json", "--fixed-line", kExample});
        ASSERT_EQ(o.status, kExitOk) << o.err;
        const auto j = nlohmann::json::parse(o.out);
        const Sweep s = runSweep(p, {false, true}, *sweepGroupFromName(group));
        ASSERT_EQ(j["points"].size(), 301u);
        ASSERT_EQ(j["break_even"].size(), s.breakEvens.size()) << group;
        for (std::size_t i = 0; i < s.breakEvens.size(); ++i) {
            EXPECT_EQ(j["break_even"][i]["percent"], s.breakEvens[i].at);
            EXPECT_EQ(j["break_even"][i]["last_before"], s.breakEvens[i].lastBefore);
            EXPECT_EQ(j["break_even"][i]["after"].size(), tariffsOf(s.breakEvens[i].after).size());
        }
        // At 100 % the prices are those of the normal run.
        const auto normal = nlohmann::json::parse(run({"--format", "json", "--fixed-line", kExample}).out);
        const auto& at100 = j["points"][100];
        EXPECT_EQ(at100["percent"], 100);
        for (const auto& r : normal["results"]) {
            EXPECT_EQ(at100["prices"][r["id"].get<std::string>()], r["price"]) << r["id"];
            const auto& cheapest = at100["cheapest"];
            EXPECT_EQ(std::find(cheapest.begin(), cheapest.end(), r["id"]) != cheapest.end(), r["cheapest"].get<bool>());
        }
    }
}

TEST(SweepCli, CsvHasARowPerPointAndAColumnPerTariff) {
    const Outcome o = run({"--sweep", "all", "--to", "100", "--step", "30", "--format", "csv", kExample});
    ASSERT_EQ(o.status, kExitOk) << o.err;
    std::istringstream in(o.out);
    std::vector<std::string> rows;
    for (std::string l; std::getline(in, l);) rows.push_back(l);
    ASSERT_EQ(rows.size(), 6u);  // header, 0, 30, 60, 90, 100
    EXPECT_TRUE(rows[0].starts_with("percent,total_call_minutes,t30,t80,"));
    EXPECT_TRUE(rows[5].starts_with("100,"));
    // The factor, the minutes, the tariffs, the cheapest and the unsupported ones.
    for (const std::string& r : rows) EXPECT_EQ(std::count(r.begin(), r.end(), ','), 3 + kTariffCount) << r;
}

TEST(SweepCli, TableListsTheSpansOfTheCheapestTariff) {
    const Outcome o = run({"--sweep", "calls", kExample});
    ASSERT_EQ(o.status, kExitOk) << o.err;
    const Sweep s = runSweep(exampleProfile(), {}, SweepGroup::Calls);
    ASSERT_GT(s.spans.size(), 2u);
    for (const CheapestSpan& c : s.spans) {
        const std::string line = std::to_string(c.from) + "–" + std::to_string(c.to) + " %: " +
                                 tariffLabel(tariffsOf(c.cheapest).front());
        EXPECT_NE(o.out.find(line), std::string::npos) << line;
    }
    EXPECT_NE(o.out.find("Zlomové body"), std::string::npos);
}

TEST(SweepCli, BadSweepOptionsAreUsageErrors) {
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"--sweep", "minutes", kExample}, "--sweep needs calls, messages, data or all"},
        {{"--sweep", "all", "--to", "10001", kExample}, "--to needs a whole percent from 0 to 10000"},
        {{"--sweep", "all", "--to", "-5", kExample}, "--to needs a whole percent"},
        {{"--sweep", "all", "--step", "0", kExample}, "--step needs a whole percent from 1"},
        {{"--sweep", "all", "--step", "2x", kExample}, "--step needs a whole percent from 1"},
        {{"--to", "100", kExample}, "--to and --step apply to --sweep only"},
        {{"--sweep", "all", "--batch"}, "--sweep takes one profile, not --batch"},
    };
    for (const auto& c : cases) {
        const Outcome o = run(c.args);
        EXPECT_EQ(o.status, kExitUsage) << c.message;
        EXPECT_NE(o.err.find(c.message), std::string::npos) << o.err;
        EXPECT_TRUE(o.out.empty());
    }
}

}  // namespace
}  // namespace sazbar::cli
