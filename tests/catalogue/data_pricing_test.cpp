#include "catalogue/data_pricing.h"

#include <gtest/gtest.h>


#include "../pricing/test_profiles.h"
#include "catalogue/reader.h"

namespace sazbar::catalogue {
namespace {

using test::P;

DataTariff readOne(const std::string& text) {
    Catalogue c;
    readTariffText(text, "t.json", c, {.builtinPriced = false});
    EXPECT_FALSE(c.hasErrors()) << (c.problems.empty() ? "" : c.problems[0].text());
    return c.tariffs.empty() ? DataTariff{} : c.tariffs[0];
}

// The reference's small example (docs/tariff-format.md), with a credit and a
// minimum spend added where a test needs them.
const std::string kMini = R"({"format": "sazbar-tariffs/1", "tariffs": [{
  "id": "mini-100", "operator": "Example", "name": "Mini 100", "fee": "199",
  "source": {"title": "t", "document": "d"},
  "rates": {"calls": {"fixed": "5.5", "tmobile": "5.5", "eurotel": ["6", "6", "3", "3"], "oskar": "6", "voicemail": "1.19"},
            "sms": "2.5", "mms": "9.9", "data": "3", "wap": "3", "gprs": {"wap": "0.5", "internet": "0.1"},
            "international": {"scheme": "et_go", "zones": {"1": "18", "2": "29.5", "3": "59"}}},
  "allowances": [{"id": "free", "minutes": 100, "covers": ["calls"], "consume": "proportional"}],
  "groups": [{"id": "sms", "name": "SMS package"}],
  "addons": [{"id": "sms100", "name": "100 SMS", "group": "sms", "hint": "+ SMS 100", "fee": "150",
              "allowances": [{"id": "sms100", "messages": 100, "covers": ["sms"]}]}]}]})";

TEST(DataPricing, KnownAnswersOfTheReferenceExample) {
    const DataTariff t = readOne(kMini);
    const struct {
        const char* name;
        Profile p;
        std::int32_t price;
        const char* hint;
    } rows[] = {
        // 100 x 5.5 + 100 x 3 = 850 at (200 - 100) / 200; 30 SMS x 2.5 = 75 < 150; fee 199.
        {"reference", P().calls(TMobile, 100).calls(Eurotel, 0, 0, 100).sms(30), 699, ""},
        // 60 SMS: 150 either way, the first option ("none") keeps the tie.
        {"tie", P().calls(TMobile, 100).calls(Eurotel, 0, 0, 100).sms(20, 20, 20), 774, ""},
        // 90 SMS: 225 against the package's 150.
        {"package", P().calls(TMobile, 100).calls(Eurotel, 0, 0, 100).sms(90), 774, "+ SMS 100"},
        // 99 minutes: within the allowance; 1.19 x 0 paid; empty month: the fee.
        {"within", P().calls(VoiceMail, 99), 199, ""},
        // 3 minutes to Slovensko (GO zone 1, 18) and 2 to Německo (zone 2, 29.5): 113 + fee.
        {"abroad", P().intl(0, 0, 3).intl(1, 1, 0, 0, 2), 312, ""},
    };
    for (const auto& r : rows) {
        const DataResult d = priceDataTariff(t, r.p);
        EXPECT_TRUE(d.priced && !d.unsupported) << r.name;
        EXPECT_EQ(d.price, r.price) << r.name;
        EXPECT_EQ(d.hint, r.hint) << r.name;
    }
}

TEST(DataPricing, ConsumptionRulesDiffer) {
    // 50 peak minutes to T-Mobile at 5.5 and 50 evening to Eurotel at 3, 50 free.
    const Profile p = P().calls(TMobile, 50).calls(Eurotel, 0, 0, 50);
    const struct {
        const char* allowance;
        const char* price;  // exact total
    } rows[] = {
        // 425 x (100 - 50) / 100 = 212.5, + 199
        {R"("covers": ["calls.tmobile", "calls.eurotel"], "consume": "proportional")", "411.50"},
        // the 50 T-Mobile minutes (5.5) free: 50 x 3 + 199
        {R"("covers": ["calls.eurotel", "calls.tmobile"], "consume": "most_expensive_first")", "349.00"},
        // the 50 Eurotel minutes free, as listed first: 50 x 5.5 + 199
        {R"("covers": ["calls.eurotel", "calls.tmobile"], "consume": "in_order")", "474.00"},
    };
    const std::string from = R"("minutes": 100, "covers": ["calls"], "consume": "proportional")";
    for (const auto& r : rows) {
        std::string text = kMini;
        text.replace(text.find(from), from.size(), std::string(R"("minutes": 50, )") + r.allowance);
        const DataResult d = priceDataTariff(readOne(text), p);
        EXPECT_EQ(formatExact(d.total), r.price) << r.allowance;
    }
    // Proportional shares stay exact: 1 minute free of 3 at 5.5 leaves 11 of 16.5.
    std::string third = kMini;
    third.replace(third.find("\"minutes\": 100"), 14, "\"minutes\": 1");
    const DataResult d = priceDataTariff(readOne(third), P().calls(TMobile, 3));
    EXPECT_EQ(formatExact(d.total), "210.00");
}

TEST(DataPricing, UnsupportedServicesAreNamedAndNeverCheapest) {
    std::string text = kMini;
    text.replace(text.find("\"mms\": \"9.9\", "), 14, "");
    const DataTariff t = readOne(text);
    const Profile p = P().mms(2).sms(1);
    DataResult d = priceDataTariff(t, p);
    EXPECT_TRUE(d.unsupported);
    EXPECT_EQ(d.hint, "nepodporuje MMS\n\r");
    EXPECT_EQ(d.price, 201);  // what it does price: 2.5 + 199
    // A price below every compiled one is still not marked.
    RunResult compiled = runPricing(p);
    d.price = 0;
    DataResult list[] = {d};
    markCheapestTogether(compiled, list);
    EXPECT_FALSE(list[0].cheapest);
    EXPECT_TRUE(std::any_of(compiled.fields.begin(), compiled.fields.end(), [](const TariffResult& f) { return f.cheapest; }));
    list[0].unsupported = false;
    markCheapestTogether(compiled, list);
    EXPECT_TRUE(list[0].cheapest);
    EXPECT_TRUE(std::none_of(compiled.fields.begin(), compiled.fields.end(), [](const TariffResult& f) { return f.cheapest; }));
}

TEST(DataPricing, MinimumSpendDirectDebitAndCredit) {
    std::string text = kMini;
    text.replace(text.find("\"fee\": \"199\","), 13,
                 R"("fee": "0", "minimum_spend": {"amount": "300", "counts": ["calls", "sms"]},
                    "direct_debit": {"discount": "50"},)");
    const DataTariff t = readOne(text);
    // 150 minutes: 825 at 50/150 = 275 < 300, topped up to 300.
    EXPECT_EQ(priceDataTariff(t, P().calls(TMobile, 150)).price, 300);
    // 200 minutes: 1100 / 2 = 550 above the minimum; direct debit takes 50 off.
    EXPECT_EQ(priceDataTariff(t, P().calls(TMobile, 200)).price, 550);
    EXPECT_EQ(priceDataTariff(t, P().calls(TMobile, 200), {.directDebit = true}).price, 500);
    // With direct debit a credit of 100 crowns for MMS (9.9 each): 20 MMS cost 198, 98 paid; 10 cost 99, none paid.
    std::string credit = kMini;
    credit.replace(credit.find("\"groups\""), 0, R"("direct_debit": {"allowances": [{"id": "c", "credit": "100", "covers": ["mms"]}]}, )");
    const DataTariff ct = readOne(credit);
    EXPECT_EQ(priceDataTariff(ct, P().mms(20), {.directDebit = true}).price, 297);
    EXPECT_EQ(priceDataTariff(ct, P().mms(10), {.directDebit = true}).price, 199);
    EXPECT_EQ(priceDataTariff(ct, P().mms(10)).price, 298);
}

TEST(DataPricing, BreakdownItemsAddUpAndListTheAlternatives) {
    Catalogue c;
    readTariffFile(SAZBAR_EXAMPLES "/tariffs/example.json", c);
    ASSERT_EQ(c.tariffs.size(), 3u);
    const Profile month = P().calls(TMobile, 20, 10, 5, 40).calls(Eurotel, 7).sms(12).gprs(300, 15000).intl(0, 0, 4);
    Breakdown b;
    itemiseDataTariff(c.tariffs[0], month, {}, b);
    const DataResult d = priceDataTariff(c.tariffs[0], month);
    EXPECT_EQ(b.total, d.total);
    EXPECT_EQ(b.itemSum(), b.total);
    EXPECT_EQ(b.shown, d.price);
    EXPECT_EQ(b.hint, "GPRS Email&PDA\n\rPříplatek Víkend+");
    ASSERT_EQ(b.choices.size(), 2u);
    EXPECT_EQ(b.choices[0].options.size(), 4u);  // the four GPRS packages, none of them left out
    EXPECT_EQ(std::count_if(b.choices[0].options.begin(), b.choices[0].options.end(), [](const ChoiceOption& o) { return o.taken; }), 1);
    // Every package's amount is the whole price with that package.
    for (const ChoiceOption& o : b.choices[0].options) EXPECT_EQ(o.taken, o.amount == b.total) << o.label;
}

}  // namespace
}  // namespace sazbar::catalogue
