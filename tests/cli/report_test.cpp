#include "cli/report.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <nlohmann/json.hpp>

#include "pricing/chart_order.h"

namespace sazbar::cli {
namespace {

using ordered = nlohmann::ordered_json;

Profile gprsProfile() {
    Profile p;
    p.matrix[Peak][TMobile] = 60;
    p.matrix[Evening][FixedLine] = 20;
    p.matrix[kMms][Messages] = 2;
    p.gprsNet = 300;
    return p;
}

// A result the engine could give, with fields set by hand where a test needs them.
RunResult handResult() {
    RunResult r = runPricing(gprsProfile());
    r.fields[0].hint.assign("GPRS Basic, \"Plus\"\n\rPříplatek Víkend+");
    r.fields[1] = TariffResult{};  // not priced: text "xx"
    return r;
}

TEST(JsonResult, HasTheKeysInOrderAndTheEngineValues) {
    const RunResult r = runPricing(gprsProfile(), {false, true});
    std::string out;
    appendJson(out, r, true);
    EXPECT_EQ(out.find('\n'), std::string::npos);
    const ordered j = ordered::parse(out);
    std::vector<std::string> keys;
    for (const auto& [k, v] : j.items()) keys.push_back(k);
    EXPECT_EQ(keys, (std::vector<std::string>{"total_call_minutes", "results", "chart"}));
    EXPECT_EQ(j["total_call_minutes"], 80);
    ASSERT_EQ(j["results"].size(), std::size_t{kTariffCount});
    for (std::size_t i = 0; i < kTariffCount; ++i) {
        const ordered& e = j["results"][i];
        keys.clear();
        for (const auto& [k, v] : e.items()) keys.push_back(k);
        EXPECT_EQ(keys, (std::vector<std::string>{"id", "operator", "name", "price", "text", "hint", "unsupported",
                                                  "cheapest"}));
        EXPECT_EQ(e["id"], kTariffs[i].id);
        EXPECT_EQ(e["operator"], operatorName(kTariffs[i].op));
        EXPECT_EQ(e["name"], kTariffs[i].name);
        EXPECT_EQ(e["price"], r.fields[i].price);
        EXPECT_EQ(e["text"], r.fields[i].text());
        EXPECT_EQ(e["hint"], r.fields[i].hint.str());
        EXPECT_EQ(e["unsupported"], r.fields[i].unsupported);
        EXPECT_EQ(e["cheapest"], r.fields[i].cheapest);
    }
    const ChartOrder order = chartOrder(chartInput(r, true));
    ASSERT_EQ(j["chart"].size(), static_cast<std::size_t>(order.count));
    for (int i = 0; i < order.count; ++i) EXPECT_EQ(j["chart"][i], kChartTable[order.records[i]].id);
}

TEST(JsonResult, ChartsTheFixedLineOnlyWhenShown) {
    const RunResult r = runPricing(Profile{}, {false, true});
    for (bool shown : {false, true}) {
        std::string out;
        appendJson(out, r, shown);
        const auto chart = ordered::parse(out)["chart"];
        EXPECT_EQ(std::find(chart.begin(), chart.end(), "telecom") != chart.end(), shown);
    }
}

TEST(JsonResult, WritesUnpricedAsNullAndKeepsTextsExact) {
    std::string out;
    appendJson(out, handResult(), false);
    // UTF-8 stays UTF-8; the hint's line breaks are escaped as they are.
    EXPECT_NE(out.find("\"name\": \"Mezi námi\""), std::string::npos);
    EXPECT_NE(out.find(R"("hint": "GPRS Basic, \"Plus\"\n\rPříplatek Víkend+")"), std::string::npos);
    EXPECT_NE(out.find(R"("name": "T 80", "price": null, "text": "xx", "hint": "")"), std::string::npos);
    const ordered j = ordered::parse(out);
    EXPECT_TRUE(j["results"][1]["price"].is_null());
    EXPECT_EQ(j["results"][0]["hint"], "GPRS Basic, \"Plus\"\n\rPříplatek Víkend+");
}

TEST(JsonString, EscapesWhatJsonRequires) {
    const std::pair<std::string, std::string> cases[] = {
        {"", R"("")"},
        {"plain text that is longer than a word", R"("plain text that is longer than a word")"},
        {"a\"b\\c", R"("a\"b\\c")"},
        {"\n\r\t\b\f", R"("\n\r\t\b\f")"},
        {std::string("\x01\x1f\0", 3), R"("\u0001\u001f\u0000")"},
        {"0123456\"89abcdef\\", R"("0123456\"89abcdef\\")"},
        {"Český Telecom \x7f", "\"Český Telecom \x7f\""},
    };
    for (const auto& [text, json] : cases) {
        std::string out = "x";
        appendJsonString(out, text);
        EXPECT_EQ(out, "x" + json);
        EXPECT_EQ(nlohmann::json::parse(json), text);
    }
}

TEST(JsonError, IsValidJsonForAnyBytes) {
    std::string out;
    appendJsonError(out, "bad\xff name: \"x\"\n");
    const auto j = nlohmann::json::parse(out);
    EXPECT_EQ(j.size(), 1u);
    EXPECT_EQ(j["error"], "bad\xef\xbf\xbd name: \"x\"\n");
}

// Splits RFC 4180 text into records of fields; line breaks belong in quotes.
std::vector<std::vector<std::string>> parseCsv(const std::string& text) {
    std::vector<std::vector<std::string>> records(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        std::string& field = records.back().back();
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') field += text[++i];
            else if (c == '"') quoted = false;
            else field += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            records.back().emplace_back();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
            records.emplace_back(1);
        } else if (c == '\r' || c == '\n') {
            ADD_FAILURE() << "line break outside quotes at " << i;
            field += c;
        } else {
            field += c;
        }
    }
    if (records.back().size() == 1 && records.back()[0].empty()) records.pop_back();
    return records;
}

TEST(CsvResult, QuotesFieldsAndJoinsHintLines) {
    const RunResult r = handResult();
    for (bool fixedLine : {false, true}) {
        std::string out;
        appendCsv(out, r, fixedLine);
        EXPECT_TRUE(out.starts_with("id,operator,name,price,text,unsupported,cheapest,hint\r\n"));
        EXPECT_NE(out.find(",\"GPRS Basic, \"\"Plus\"\" | Příplatek Víkend+\"\r\n"), std::string::npos);
        // Line feeds only end records.
        EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), std::count(out.begin(), out.end(), '\r'));
        const auto records = parseCsv(out);
        // The fixed line's record only when it is priced, as on the results window.
        const std::size_t rows = fixedLine ? kTariffCount : kTariffCount - 1;
        ASSERT_EQ(records.size(), rows + 1);
        for (std::size_t i = 0; i < rows; ++i) {
            const auto& rec = records[i + 1];
            ASSERT_EQ(rec.size(), 8u) << i;
            EXPECT_EQ(rec[0], kTariffs[i].id);
            EXPECT_EQ(rec[1], operatorName(kTariffs[i].op));
            EXPECT_EQ(rec[2], kTariffs[i].name);
            EXPECT_EQ(rec[3], r.fields[i].priced ? std::to_string(r.fields[i].price) : "");
            EXPECT_EQ(rec[4], r.fields[i].text());
            EXPECT_EQ(rec[5], r.fields[i].unsupported ? "true" : "false");
            EXPECT_EQ(rec[6], r.fields[i].cheapest ? "true" : "false");
            std::string hint, rest = r.fields[i].hint.str() + "\n\r";
            for (std::size_t at; (at = rest.find("\n\r")) != std::string::npos; rest.erase(0, at + 2))
                if (at > 0) (hint.empty() ? hint : hint += " | ") += rest.substr(0, at);
            EXPECT_EQ(rec[7], hint) << i;
        }
    }
}

std::string table(const RunResult& r, bool fixedLine, bool hints) {
    std::string out;
    appendTable(out, r, fixedLine, hints);
    return out;
}

// The table line of a tariff, found by its name at the start.
std::string lineOf(const std::string& text, std::string_view name) {
    const auto at = text.find("\n  " + std::string(name) + " ");
    if (at == std::string::npos) return {};
    return text.substr(at + 1, text.find('\n', at + 1) - at - 1);
}

TEST(TableResult, GroupsByOperatorAndMarks) {
    RunResult r = handResult();
    const std::string t = table(r, false, false);
    EXPECT_TRUE(t.starts_with("Celkem za měsíc: 80 minut\n"));
    const auto tm = t.find("\nT-Mobile\n"), et = t.find("\nEurotel\n"), os = t.find("\nOskar\n");
    ASSERT_NE(tm, std::string::npos);
    EXPECT_LT(tm, et);
    EXPECT_LT(et, os);
    EXPECT_EQ(t.find("Český Telecom"), std::string::npos);
    EXPECT_EQ(t.find("Telefon Standard"), std::string::npos);
    EXPECT_NE(table(r, true, false).find("\nČeský Telecom\n  Telefon Standard"), std::string::npos);

    for (std::size_t i = 0; i < kTariffCount - 1; ++i) {
        const std::string line = lineOf(t, kTariffs[i].name);
        ASSERT_FALSE(line.empty()) << kTariffs[i].name;
        EXPECT_NE(line.find(" " + r.fields[i].text() + " Kč"), std::string::npos) << line;
        EXPECT_EQ(line.find("◄ nejlevnější") != std::string::npos, r.fields[i].cheapest) << line;
        EXPECT_EQ(line.find("✗") != std::string::npos, r.fields[i].unsupported) << line;
    }
    // MMS and GPRS: the Tip tariffs say why, latest check first.
    EXPECT_NE(lineOf(t, "Tip Relax").find("✗ nepodporuje GPRS, nepodporuje MMS"), std::string::npos);
    // Prices line up on the right.
    EXPECT_EQ(lineOf(t, "T 30").find(" Kč"), lineOf(t, "Mezi námi").find(" Kč") - 1);  // "á" is two bytes
}

TEST(TableResult, HintsAreIndentedLineByLine) {
    const RunResult r = handResult();
    EXPECT_EQ(table(r, false, false).find("Příplatek"), std::string::npos);
    const std::string t = table(r, false, true);
    EXPECT_NE(t.find(lineOf(t, "T 30") + "\n      GPRS Basic, \"Plus\"\n      Příplatek Víkend+\n  T 80 "),
              std::string::npos);
    // The reasons already on the price line are not repeated below it.
    const std::string relax = lineOf(t, "Tip Relax");
    const auto after = t.find(relax) + relax.size() + 1;
    EXPECT_EQ(t.compare(after, 12, "  Tip Akord "), 0);
}

TEST(TableResult, InternetCallsMarkTheFixedLine) {
    Profile p;
    p.internetCalls = true;
    const std::string t = table(runPricing(p, {false, true}), true, false);
    EXPECT_NE(lineOf(t, "Telefon Standard").find("✗ nepodporuje volání přes internet"), std::string::npos);
}

}  // namespace
}  // namespace sazbar::cli
