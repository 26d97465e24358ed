// The shipped catalogues re-express compiled tariffs: priced through the data
// path they must give the compiled prices to the crown, the same unsupported
// marks and, put in the compiled tariffs' place, the same cheapest marks.
#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <map>
#include <string_view>

#include "../../bench/varied_profiles.h"
#include "../pricing/test_profiles.h"
#include "catalogue/data_pricing.h"
#include "catalogue/reader.h"

namespace sazbar::catalogue {
namespace {

using test::P;

// Months at and beside every threshold of the re-expressed tariffs: included
// minutes, add-ons' offer bounds and break-even counts, package volumes,
// tiers. Each axis sets one quantity over a background of other use.
std::vector<Profile> thresholdMonths() {
    using Set = std::function<void(P&, int)>;
    const struct {
        Set set;
        std::vector<int> at;  // each value is also taken one below and one above
    } axes[] = {
        // included minutes (T 30 ... Diamant), Tarif 20+20's 20 + 20, Nonstop II's 60 more
        {[](P& m, int n) { m.calls(TMobile, n / 2, 0, n - n / 2); },
         {20, 30, 40, 50, 70, 80, 100, 150, 170, 200, 250, 300, 320, 500, 520, 600}},
        {[](P& m, int n) { m.calls(FixedLine, n / 3, n / 3).calls(VoiceMail, 0, 0, n - 2 * (n / 3)); }, {20, 30, 50, 80}},
        {[](P& m, int n) { m.calls(Eurotel, n, 0, 0, 5).calls(Oskar, 0, 15); }, {20, 40, 150, 300, 500}},
        // Víkend+ offered from 31, 51, 81, 251 or 501 weekend minutes to T-Mobile
        {[](P& m, int n) { m.calls(TMobile, 3, 0, 0, n); }, {8, 10, 12, 16, 21, 31, 51, 81, 251, 501}},
        // free data minutes; SMS and MMS included or in add-ons; Moje SMS at 80 SMS, Moje MMS at 10, Můj WAP at 30 and 40
        {[](P& m, int n) { m.calls(Data, n / 2, 0, n - n / 2); }, {100}},
        {[](P& m, int n) { m.sms(n); }, {30, 80, 100, 120, 150, 350}},
        {[](P& m, int n) { m.sms(n / 3, n / 3, n - 2 * (n / 3)); }, {40, 80, 100, 120, 200}},
        {[](P& m, int n) { m.mms(n); }, {3, 10}},
        {[](P& m, int n) { m.wap(n, 0, 0, 0); }, {30, 40}},
        // GPRS packages' volumes and break-even volumes, Nadlouho's bands, Naskok against Nadlouho
        {[](P& m, int n) { m.gprs(n, 0); }, {197, 496, 1000, 1394}},
        {[](P& m, int n) { m.gprs(0, n); }, {3386, 3967, 10000, 20000, 40000, 70000}},
        {[](P& m, int n) { m.gprs(n, 10000 - n); }, {1, 500}},
        // Oskar minutes: free minutes and tiers
        {[](P& m, int n) { m.calls(Oskar, n - n / 4, 0, 0, n / 4); }, {35, 40, 75, 125, 250, 300}},
    };
    std::vector<Profile> out;
    for (const auto& axis : axes)
        for (int v : axis.at)
            for (int n : {v - 1, v, v + 1}) {
                P alone, busy = P().calls(FixedLine, 12, 4).calls(Eurotel, 9).sms(5, 7, 3).intl(0, 3, 2, 1, 4);
                axis.set(alone, n);
                axis.set(busy, n);
                out.insert(out.end(), {alone, busy, P(busy).internetCalls()});
            }
    // Every country in every band, with and without internet calls.
    for (int country = 0; country < kCountries; ++country)
        for (bool internet : {false, true}) out.push_back(P().intl(1, country, 3, 5, 7).internetCalls(internet));
    return out;
}

TEST(BuiltinCatalogue, PricesAndMarksAsTheCompiledTariffs) {
    const struct {
        const char* file;
        std::size_t tariffs;
        std::map<std::string, std::string_view> compiledId;  // where the ids differ
    } files[] = {
        {"builtin-tariffs.json", 32, {}},
        {"tariffs/example.json", 3, {{"example-t30", "t30"}, {"example-naplno50", "naplno50"}, {"example-telefon-standard", "telecom"}}},
    };
    std::vector<Profile> months = thresholdMonths();
    const std::size_t thresholds = months.size();
    for (Profile& p : bench::variedProfiles(1500)) months.push_back(p);

    for (const auto& f : files) {
        Catalogue c;
        readTariffFile(std::string(SAZBAR_EXAMPLES "/") + f.file, c, {.builtinPriced = false});
        ASSERT_TRUE(c.problems.empty()) << c.problems[0].text();
        ASSERT_EQ(c.tariffs.size(), f.tariffs) << f.file;
        std::vector<int> compiled;
        for (const DataTariff& t : c.tariffs) {
            const auto renamed = f.compiledId.find(t.id);
            compiled.push_back(tariffIndex(renamed == f.compiledId.end() ? std::string_view(t.id) : renamed->second));
            ASSERT_GE(compiled.back(), 0) << t.id;
        }
        std::size_t compared = 0;
        for (std::size_t m = 0; m < months.size(); ++m)
            for (bool debit : {false, true}) {
                const RunOptions o{.directDebit = debit};
                const RunResult run = runPricing(months[m], o);
                // The data tariffs take the compiled ones' place in the cheapest mark.
                RunResult rest = run;
                std::vector<DataResult> data(c.tariffs.size());
                for (std::size_t k = 0; k < data.size(); ++k) {
                    data[k] = priceDataTariff(c.tariffs[k], months[m], o);
                    rest.fields[static_cast<std::size_t>(compiled[k])].priced = false;
                }
                markCheapestTogether(rest, data);
                for (std::size_t k = 0; k < data.size(); ++k) {
                    const TariffResult& want = run.fields[static_cast<std::size_t>(compiled[k])];
                    const auto where = [&] {
                        return c.tariffs[k].id + (m < thresholds ? " threshold month " : " varied month ") +
                               std::to_string(m < thresholds ? m : m - thresholds) + (debit ? " direct debit" : "");
                    };
                    ASSERT_EQ(data[k].price, want.price) << where();
                    ASSERT_EQ(data[k].unsupported, want.unsupported) << where();
                    ASSERT_EQ(data[k].cheapest, want.cheapest) << where();
                    ++compared;
                }
                for (std::size_t t = 0; t < rest.fields.size(); ++t) {
                    if (!rest.fields[t].priced) continue;
                    ASSERT_EQ(rest.fields[t].cheapest, run.fields[t].cheapest) << kTariffs[t].id << " month " << m;
                }
            }
        std::cout << f.file << ": " << months.size() << " months (" << thresholds << " at thresholds) x 2, "
                  << compared << " prices compared\n";
    }
}

}  // namespace
}  // namespace sazbar::catalogue
