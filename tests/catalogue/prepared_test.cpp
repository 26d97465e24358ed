// The prepared form prices every tariff as the full search over every
// combination of add-ons does: the shipped catalogues and random tariffs, on
// random months with and without direct debit.
#include "catalogue/prepared.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <iostream>
#include <random>

#include "catalogue/reader.h"

namespace sazbar::catalogue {
namespace {

using nlohmann::json;

// Months of every size, small counts often, so that offer bounds, included
// amounts and break-even points are crossed.
Profile randomMonth(std::mt19937& rng) {
    auto upTo = [&](int max) { return static_cast<std::int32_t>(rng() % static_cast<unsigned>(max + 1)); };
    const int scale = std::array{5, 40, 300}[rng() % 3];
    Profile p;
    for (auto& band : p.matrix)
        for (auto& cell : band) cell = rng() % 2 ? 0 : upTo(scale);
    for (auto& w : p.wap) w = rng() % 3 ? 0 : upTo(scale);
    p.gprsWap = rng() % 2 ? 0 : upTo(scale * 20);
    p.gprsNet = rng() % 2 ? 0 : upTo(scale * 200);
    for (auto& row : p.intl) row = {upTo(kCountries), rng() % 2 ? 0 : upTo(scale / 5), upTo(3), upTo(3)};
    p.internetCalls = rng() % 3 == 0;
    return p;
}

// A random tariff: rates a month may lack, allowances of every kind, groups
// whose add-ons share rates, pools and requirements or nothing at all.
json randomTariff(std::mt19937& rng, int n) {
    auto pick = [&](int k) { return static_cast<int>(rng() % static_cast<unsigned>(k)); };
    auto amount = [&] { return std::to_string(pick(4) == 0 ? 0 : pick(2) ? pick(10) : pick(900)) + "." + std::to_string(pick(100)); };
    auto bandRate = [&]() -> json { return pick(3) ? json(amount()) : json::array({amount(), amount(), amount(), "0"}); };
    auto rates = [&](int keep) {  // each rate with chance keep / 4
        json r = json::object();
        for (const char* net : {"fixed", "tmobile", "eurotel", "oskar", "voicemail"})
            if (pick(4) < keep) r["calls"][net] = bandRate();
        if (pick(4) < keep) r["sms"] = amount();
        for (const char* s : {"mms", "data", "wap"})
            if (pick(4) < keep) r[s] = s == std::string("mms") ? json(amount()) : bandRate();
        if (pick(4) < keep) r["gprs"] = {{"wap", amount()}, {"internet", "0.0" + std::to_string(pick(10))}};
        if (pick(4) < keep) {
            r["international"] = {{"scheme", std::array{"tm_standard", "et_go", "oskar", "fixed_line"}[pick(4)]},
                                  {"zones", {{"1", amount()}, {"2", amount()}, {"3", amount()}}}};
            if (pick(2)) r["international"]["countries"] = {{"Slovensko", amount()}};
            if (pick(3) == 0) r["international"]["internet_calls"] = pick(2) ? json("unsupported") : json({{"scheme", "tm_internet_call"}, {"zones", {{"1", amount()}}}});
        }
        return r;
    };
    // Allowances of one tariff pool where their kind repeats.
    const char* consume[] = {"proportional", "most_expensive_first", "in_order"};
    const json kinds[] = {
        {{"minutes", 0}, {"covers", {"calls"}}, {"consume", consume[pick(3)]}},
        {{"minutes", 0}, {"covers", {"calls.tmobile", "calls.oskar"}}, {"bands", {"weekend"}}, {"consume", consume[pick(3)]}},
        {{"messages", 0}, {"covers", {"sms", "mms"}}, {"consume", consume[pick(3)]}},
        {{"kb", 0}, {"covers", {"gprs"}}, {"consume", consume[pick(3)]}},
        {{"credit", "0"}, {"covers", {"mms", "international"}}},
        {{"minutes", 0}, {"covers", {"international", "data", "wap"}}, {"consume", consume[pick(3)]}},
    };
    int ids = 0;
    auto allowances = [&](int count) {
        json list = json::array();
        for (int i = 0; i < count; ++i) {
            json a = kinds[pick(6)];
            a["id"] = "a" + std::to_string(ids++);
            if (a.contains("credit")) a["credit"] = amount();
            for (const char* unit : {"minutes", "messages", "kb"})
                if (a.contains(unit)) a[unit] = pick(3) ? pick(60) : pick(3000);
            list.push_back(a);
        }
        return list;
    };
    json t = {{"id", "r" + std::to_string(n)}, {"operator", "R"}, {"name", "R"}, {"source", {{"title", "t"}, {"document", "d"}}},
              {"fee", amount()}, {"rates", rates(3)}, {"allowances", allowances(pick(3))}};
    if (pick(3) == 0) t["direct_debit"]["allowances"] = allowances(1);
    if (pick(8) == 0) t["direct_debit"]["discount"] = amount();
    if (pick(8) == 0) t["minimum_spend"] = {{"amount", amount()}, {"counts", {"calls", "fees"}}};
    const int groups = pick(5);
    json addons = json::array();
    std::vector<std::pair<std::string, bool>> requirable;  // add-on id, its group takes none
    for (int g = 0; g < groups; ++g) {
        const std::string gid = "g" + std::to_string(g);
        const bool never = pick(4) == 0, own = !never && pick(4) == 0;
        t["groups"].push_back({{"id", gid}, {"without", never ? "never" : pick(2) ? "first" : "last"}, {"compare", own ? "own_cost" : "price"}});
        const int options = 1 + pick(3);
        for (int o = 0; o < options; ++o) {
            json a = {{"id", gid + "o" + std::to_string(o)}, {"name", "x"}, {"group", gid}, {"hint", gid + "o" + std::to_string(o)},
                      {"fee", amount()}, {"rates", rates(1)}, {"allowances", allowances(pick(2))}};
            if (pick(3) == 0) a["offered"] = {{"usage", {pick(2) ? "calls.tmobile" : "gprs"}}, {pick(2) ? "at_least" : "at_most", pick(2) ? pick(40) : pick(4000)}};
            if (!own && !never && !requirable.empty() && pick(4) == 0) a["requires"] = requirable[static_cast<std::size_t>(pick(static_cast<int>(requirable.size())))].first;
            addons.push_back(a);
        }
        for (int o = 0; o < options; ++o) requirable.emplace_back(gid + "o" + std::to_string(o), !never);
    }
    if (!addons.empty()) t["addons"] = addons;
    return t;
}

TEST(PreparedTariff, PricesAsTheFullSearch) {
    std::mt19937 rng(26);
    Catalogue c;
    for (const char* f : {"/builtin-tariffs.json", "/tariffs/example.json"}) readTariffFile(std::string(SAZBAR_EXAMPLES) + f, c, {.builtinPriced = false});
    ASSERT_FALSE(c.hasErrors());
    const std::size_t shipped = c.tariffs.size();
    int rejected = 0;
    for (int n = 0; static_cast<int>(c.tariffs.size() - shipped) < 200; ++n) {
        Catalogue one;
        readTariffText(json{{"format", "sazbar-tariffs/1"}, {"tariffs", {randomTariff(rng, n)}}}.dump(), "r.json", one, {.builtinPriced = false});
        if (one.hasErrors()) {
            const auto error = std::find_if(one.problems.begin(), one.problems.end(), [](const Problem& q) { return q.severity == Severity::Error; });
            ASSERT_LT(++rejected, 600) << error->text();  // the generator mostly writes valid tariffs
            continue;
        }
        c.tariffs.push_back(std::move(one.tariffs[0]));
    }
    std::size_t fast = 0, full = 0;
    for (int k = 0; k < 150; ++k) {
        const Profile p = randomMonth(rng);
        const Usage u = aggregate(p);
        for (bool debit : {false, true}) {
            const RunOptions o{.directDebit = debit};
            const detail::Month m = detail::monthOf(u, o);
            for (std::size_t i = 0; i < c.tariffs.size(); ++i) {
                const DataTariff& t = c.tariffs[i];
                ASSERT_TRUE(t.prepared);
                DataResult want, got;
                priceDataTariffFully(t, u, o, want);
                if (!detail::pricePrepared(*t.prepared, t, m, got)) {
                    // Only a minimum spend or a direct-debit discount leaves a tariff to the full search.
                    ASSERT_TRUE(t.minimum.amount > 0 || (debit && t.directDebit.discount > 0)) << t.id;
                    ++full;
                    continue;
                }
                ++fast;
                const auto where = [&] { return t.id + " month " + std::to_string(k) + (debit ? " direct debit" : ""); };
                ASSERT_EQ(got.total, want.total) << where() << ": " << formatExact(got.total) << " vs " << formatExact(want.total);
                ASSERT_EQ(got.price, want.price) << where();
                ASSERT_EQ(got.unsupported, want.unsupported) << where();
                ASSERT_EQ(got.hint, want.hint) << where();
                ASSERT_EQ(got.taken, want.taken) << where();
            }
        }
    }
    EXPECT_GT(fast, 3 * full);
    std::cout << fast << " prices by the prepared form, " << full << " by the full search only; " << rejected
              << " random tariffs rejected by the reader\n";
}

}  // namespace
}  // namespace sazbar::catalogue
