#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include <nlohmann/json.hpp>

#include "cli/app.h"
#include "tests/cli/run_cli.h"
#include "pricing/engine.h"

namespace sazbar::cli {
namespace {

using test_support::Outcome;
using test_support::run;

// An exact rational read from "12.345" or "-p/q", reduced.
struct Ratio {
    __int128 n = 0, d = 1;
};

__int128 gcd(__int128 a, __int128 b) {
    if (a < 0) a = -a;
    while (b != 0) {
        const __int128 t = a % b;
        a = b;
        b = t;
    }
    return a == 0 ? 1 : a;
}

Ratio reduced(__int128 n, __int128 d) {
    const __int128 g = gcd(n, d);
    return {n / g, d / g};
}

Ratio parse(const std::string& s) {
    const bool neg = !s.empty() && s[0] == '-';
    __int128 n = 0, d = 1;
    bool frac = false, slash = false;
    __int128 q = 0;
    for (std::size_t i = neg ? 1 : 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '.') {
            frac = true;
        } else if (c == '/') {
            slash = true;
        } else if (slash) {
            q = q * 10 + (c - '0');
        } else {
            n = n * 10 + (c - '0');
            if (frac) d *= 10;
        }
    }
    if (slash) d = q;
    return reduced(neg ? -n : n, d);
}

Ratio add(Ratio a, Ratio b) { return reduced(a.n * b.d + b.n * a.d, a.d * b.d); }

const std::string kProfile = R"({"matrix": [[20, 45, 30, 15, 40, 3, 4], [10, 30, 20, 200, 25, 2, 0],
    [5, 25, 15, 10, 30, 1, 0], [5, 120, 10, 5, 12, 1, 0]], "wap": [10, 0, 0, 30],
    "gprs_wap_kb": 1200, "gprs_internet_kb": 30000,
    "international": [{"country": 1, "peak": 10, "afternoon": 5, "evening_weekend": 15}]})";

TEST(CliBreakdown, UsageErrors) {
    const std::vector<std::string> bad[] = {
        {"--breakdown"},
        {"--breakdown", "t30,nothing", "-"},
        {"--breakdown", "", "-"},
        {"--breakdown", "t30", "--batch"},
        {"--breakdown", "all", "--sweep", "calls", "-"},
    };
    for (const auto& args : bad) {
        const Outcome o = run(args);
        EXPECT_EQ(o.status, kExitUsage) << ::testing::PrintToString(args);
        EXPECT_TRUE(o.out.empty());
        EXPECT_NE(o.err.find("(try 'sazbar-cli --help')"), std::string::npos) << o.err;
    }
}

// Every tariff's items in JSON add up exactly to its total, which truncates to
// the price of the normal run; CSV and the table carry the same items.
TEST(CliBreakdown, AllItemsAddUpInEveryFormat) {
    for (const char* debit : {"--fixed-line", "--direct-debit"}) {
        SCOPED_TRACE(debit);
        const Outcome normal = run({"--format", "json", debit, "-"}, kProfile);
        const Outcome json = run({"--breakdown", "all", "--format", "json", debit, "-"}, kProfile);
        const Outcome csv = run({"--breakdown", "all", "--format", "csv", debit, "-"}, kProfile);
        const Outcome table = run({"--breakdown", "all", debit, "-"}, kProfile);
        ASSERT_EQ(json.status, 0) << json.err;
        ASSERT_EQ(csv.status, 0) << csv.err;
        ASSERT_EQ(table.status, 0) << table.err;
        const auto results = nlohmann::json::parse(normal.out)["results"];
        const auto breakdowns = nlohmann::json::parse(json.out)["breakdowns"];
        ASSERT_EQ(breakdowns.size(), static_cast<std::size_t>(kTariffCount));
        std::size_t items = 0;
        for (std::size_t i = 0; i < breakdowns.size(); ++i) {
            const auto& b = breakdowns[i];
            SCOPED_TRACE(b["id"].get<std::string>());
            EXPECT_EQ(b["id"], results[i]["id"]);
            EXPECT_EQ(b["price"], results[i]["price"]);
            EXPECT_EQ(b["status"], "itemised");
            Ratio sum;
            for (const auto& it : b["items"]) {
                const Ratio a = parse(it["amount"].get<std::string>());
                if (!it["rate"].is_null()) {
                    const Ratio r = parse(it["rate"].get<std::string>());
                    const Ratio q{it["quantity"].get<std::int64_t>(), 1};
                    EXPECT_TRUE(a.n * r.d == r.n * q.n * a.d) << it.dump();
                }
                sum = add(sum, a);
                ++items;
            }
            const Ratio total = parse(b["total"].get<std::string>());
            EXPECT_TRUE(sum.n == total.n && sum.d == total.d) << b["total"];
            EXPECT_EQ(static_cast<std::int64_t>(total.n / total.d), b["price"].get<std::int64_t>());
            for (const auto& c : b["choices"]) {
                int taken = 0;
                for (const auto& o : c["options"]) taken += o["taken"].get<bool>();
                EXPECT_EQ(taken, 1) << c.dump();
            }
            EXPECT_NE(table.out.find(results[i]["name"].get<std::string>() + " ("), std::string::npos);
        }
        // A header, one row per item and a total row per tariff.
        EXPECT_EQ(static_cast<std::size_t>(std::count(csv.out.begin(), csv.out.end(), '\n')),
                  1 + items + static_cast<std::size_t>(kTariffCount));
    }
}

TEST(CliBreakdown, NamedTariffsInOrderAndLimits) {
    const Outcome o = run({"--breakdown", "gold,t30,gold", "--format", "json", "-"}, kProfile);
    ASSERT_EQ(o.status, 0) << o.err;
    const auto b = nlohmann::json::parse(o.out)["breakdowns"];
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[0]["id"], "gold");
    EXPECT_EQ(b[1]["id"], "t30");

    const Outcome big = run({"--breakdown", "individual_wapmi", "--format", "json", "-"},
                            R"({"matrix": [[1000000, 0, 0, 0, 0, 0, 0], [0,0,0,0,0,0,0], [0,0,0,0,0,0,0], [0,0,0,0,0,0,0]]})");
    ASSERT_EQ(big.status, 0) << big.err;
    const auto none = nlohmann::json::parse(big.out)["breakdowns"][0];
    EXPECT_EQ(none["status"], "no_configuration");
    EXPECT_EQ(none["price"], 999999);
    EXPECT_TRUE(none["items"].empty());
}

}  // namespace
}  // namespace sazbar::cli
