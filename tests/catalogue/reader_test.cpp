#include "catalogue/reader.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include <nlohmann/json.hpp>

namespace sazbar::catalogue {
namespace {

using json = nlohmann::json;

// A small valid file: one tariff with an allowance, a group and an add-on.
json baseFile() {
    return json::parse(R"({
      "format": "sazbar-tariffs/1",
      "tariffs": [{
        "id": "mini", "operator": "Example", "name": "Mini", "valid_from": "2004-01-01",
        "source": {"title": "Price list", "url": "https://example.org/mini.pdf"},
        "fee": "199",
        "rates": {"calls": {"fixed": "5.5", "tmobile": ["6", "6", "3", "3"], "eurotel": "6", "oskar": "6", "voicemail": "0"},
                  "sms": "2.5", "international": {"scheme": "et_go", "zones": {"1": "18"}}},
        "allowances": [{"id": "free", "minutes": 100, "covers": ["calls"]}],
        "groups": [{"id": "sms", "name": "SMS"}],
        "addons": [{"id": "sms100", "name": "100 SMS", "group": "sms", "fee": "150",
                    "allowances": [{"id": "sms100", "messages": 100, "covers": ["sms"]}]}]
      }]})");
}

Catalogue read(const std::string& text, ReadOptions options = {}) {
    Catalogue c;
    readTariffText(text, "f.json", c, options);
    finishCatalogue(c);
    return c;
}

// The problems' texts, one a line, for failure messages.
std::string listed(const Catalogue& c) {
    std::string s;
    for (const Problem& p : c.problems) s += p.text() + "\n";
    return s;
}

TEST(TariffReader, ReadsAValidFileExactly) {
    const Catalogue c = read(baseFile().dump());
    ASSERT_TRUE(c.problems.empty()) << listed(c);
    ASSERT_EQ(c.tariffs.size(), 1u);
    const DataTariff& t = c.tariffs[0];
    EXPECT_EQ(t.fee, 1'990'000);
    EXPECT_EQ(t.rates.perBand[CallTMobile][Evening], 30'000);
    EXPECT_EQ(t.rates.perBand[CallFixed][Weekend], 55'000);
    EXPECT_EQ(t.rates.perBand[SmsOskar][Peak], 25'000);
    EXPECT_EQ(t.rates.perBand[Mms][Peak], kNoRate);
    EXPECT_EQ(t.rates.intl.scheme, EtGo);
    EXPECT_EQ(t.rates.intl.zone[0][2], 180'000);
    ASSERT_EQ(t.groups.size(), 1u);
    EXPECT_EQ(t.groups[0].addons, std::vector<int>{0});
    EXPECT_EQ(t.allowances[0].covers.size(), 5u);
}

TEST(TariffReader, AmountsAreExactDecimals) {
    const struct {
        const char* text;
        Amount value;  // -1: refused
    } rows[] = {{"0", 0}, {"226.1", 2'261'000}, {"0.0035", 35}, {"999999999.9999", kMaxAmount},
                {"1.23456", -1}, {"01", -1}, {"1.", -1}, {".5", -1}, {"1e3", -1}, {"-1", -1}, {"1 000", -1},
                {"1000000000", -1}, {"", -1}};
    for (const auto& r : rows) {
        Amount a = -1;
        const bool ok = parseAmount(r.text, a);
        EXPECT_EQ(ok, r.value >= 0) << r.text;
        if (ok) {
            EXPECT_EQ(a, r.value) << r.text;
        }
    }
}

TEST(TariffReader, DatesAreCalendarDays) {
    Day a = 0, b = 0;
    ASSERT_TRUE(parseDate("2004-02-29", a));
    ASSERT_TRUE(parseDate("2004-03-01", b));
    EXPECT_EQ(b - a, 1);
    EXPECT_EQ(formatDate(a), "2004-02-29");
    for (const char* bad : {"2003-02-29", "1900-02-29", "2004-13-01", "2004-1-01", "2004-04-31", "20040101"})
        EXPECT_FALSE(parseDate(bad, a)) << bad;
    EXPECT_TRUE(parseDate("2000-02-29", a));
}

// One fault planted in the valid file, and where it must be reported.
struct Fault {
    const char* name;
    std::function<void(json&)> plant;
    const char* path;     // the problem's JSON path
    const char* message;  // a part of its message
    Severity severity = Severity::Error;
};

json& tariff(json& f) { return f["tariffs"][0]; }

const Fault kFaults[] = {
    {"unknown key", [](json& f) { tariff(f)["fee "] = "1"; }, "tariffs[0].fee ", "did you mean \"fee\""},
    {"unknown nested key", [](json& f) { tariff(f)["rates"]["calls"]["dayOfWeek"] = "1"; },
     "tariffs[0].rates.calls.dayOfWeek", "unknown key"},
    {"amount as number", [](json& f) { tariff(f)["fee"] = 199.5; }, "tariffs[0].fee", "amounts are strings"},
    {"five decimals", [](json& f) { tariff(f)["rates"]["sms"] = "2.50001"; }, "tariffs[0].rates.sms", "more than 4 decimals"},
    {"negative amount", [](json& f) { tariff(f)["addons"][0]["fee"] = "-5"; }, "tariffs[0].addons[0].fee", "negative"},
    {"wrong type", [](json& f) { tariff(f)["name"] = 5; }, "tariffs[0].name", "expected a text"},
    {"missing id", [](json& f) { tariff(f).erase("id"); }, "tariffs[0].id", "missing"},
    {"three band rates", [](json& f) { tariff(f)["rates"]["data"] = json::array({"1", "2", "3"}); },
     "tariffs[0].rates.data", "expected 4 amounts"},
    {"add-on rate", [](json& f) { tariff(f)["addons"][0]["rates"] = json::parse(R"({"sms": 2})"); },
     "tariffs[0].addons[0].rates.sms", "amounts are strings"},
    {"unknown group", [](json& f) { tariff(f)["addons"][0]["group"] = "smz"; }, "tariffs[0].addons[0].group",
     "no group \"smz\""},
    {"unknown zone", [](json& f) { tariff(f)["rates"]["international"]["zones"]["9"] = "1"; },
     "tariffs[0].rates.international.zones.9", "unknown key"},
    {"unknown country", [](json& f) { tariff(f)["rates"]["international"]["countries"]["Slovensco"] = "1"; },
     "tariffs[0].rates.international.countries.Slovensco", "did you mean \"Slovensko\""},
    {"unknown scheme", [](json& f) { tariff(f)["rates"]["international"]["scheme"] = "et_gogo"; },
     "tariffs[0].rates.international.scheme", "\"et_go\""},
    {"zones without scheme", [](json& f) { tariff(f)["rates"]["international"].erase("scheme"); },
     "tariffs[0].rates.international.scheme", "need the zone scheme"},
    {"zone of no country", [](json& f) { tariff(f)["rates"]["international"]["zones"]["4"] = "1"; },
     "tariffs[0].rates.international.zones.4", "no country is in zone 4", Severity::Warning},
    {"unknown service", [](json& f) { tariff(f)["allowances"][0]["covers"] = json::array({"calls.tmobil"}); },
     "tariffs[0].allowances[0].covers[0]", "did you mean \"calls.tmobile\""},
    {"covers nothing", [](json& f) { tariff(f)["allowances"][0]["covers"] = json::array(); },
     "tariffs[0].allowances[0].covers", "at least one service"},
    {"unit cannot cover", [](json& f) { tariff(f)["allowances"][0]["covers"] = json::array({"calls", "mms"}); },
     "tariffs[0].allowances[0].covers", "cannot cover \"mms\""},
    {"two amounts", [](json& f) { tariff(f)["allowances"][0]["kb"] = 5; }, "tariffs[0].allowances[0]", "more than one amount"},
    {"overlapping allowances",
     [](json& f) { tariff(f)["addons"][0]["allowances"][0] = json::parse(R"({"id": "m", "minutes": 5, "covers": ["calls.fixed"]})"); },
     "tariffs[0].addons[0].allowances[0]", "covers what allowance \"free\""},
    {"pooled allowances pass",
     [](json& f) { tariff(f)["addons"][0]["allowances"][0] = json::parse(R"({"id": "m", "minutes": 5, "covers": ["calls"]})"); },
     "", ""},
    {"duplicate allowance id", [](json& f) { tariff(f)["addons"][0]["allowances"][0]["id"] = "free"; },
     "tariffs[0].addons[0].allowances[0].id", "duplicate allowance id"},
    {"duplicate add-on id", [](json& f) { tariff(f)["addons"].push_back(tariff(f)["addons"][0]); },
     "tariffs[0].addons[1].id", "duplicate add-on id"},
    {"valid_to before valid_from", [](json& f) { tariff(f)["valid_to"] = "2003-12-31"; }, "tariffs[0].valid_to",
     "before valid_from 2004-01-01"},
    {"not a date", [](json& f) { tariff(f)["valid_to"] = "2004-02-30"; }, "tariffs[0].valid_to", "not a date"},
    {"compiled id", [](json& f) { tariff(f)["id"] = "t30"; }, "tariffs[0].id", "id of a compiled tariff"},
    {"bad id", [](json& f) { tariff(f)["id"] = "mini tariff"; }, "tariffs[0].id", "is not an id"},
    {"no source", [](json& f) { tariff(f).erase("source"); }, "tariffs[0]", "no source", Severity::Warning},
    {"source without link", [](json& f) { tariff(f)["source"].erase("url"); }, "tariffs[0].source",
     "neither a URL nor a document", Severity::Warning},
    {"wrong format", [](json& f) { f["format"] = "sazbar-tariffs/2"; }, "format", "expected \"sazbar-tariffs/1\""},
    {"internet calls as a word", [](json& f) { tariff(f)["rates"]["international"]["internet_calls"] = "none"; },
     "tariffs[0].rates.international.internet_calls", "or \"unsupported\""},
    {"cheapest mark as text", [](json& f) { tariff(f)["cheapest_mark"] = "no"; }, "tariffs[0].cheapest_mark", "true or false"},
    {"no tariffs", [](json& f) { f["tariffs"] = json::array(); }, "tariffs", "at least one tariff"},
    {"group never empty", [](json& f) { tariff(f)["groups"].push_back(json::parse(R"({"id": "g", "without": "never"})")); },
     "tariffs[0].groups[1].id", "has none"},
    {"offered never", [](json& f) { tariff(f)["addons"][0]["offered"] = json::parse(R"({"usage": ["sms"], "at_least": 5, "at_most": 4})"); },
     "tariffs[0].addons[0].offered.at_most", "never be offered"},
    {"count too large", [](json& f) { tariff(f)["allowances"][0]["minutes"] = 3000000000LL; },
     "tariffs[0].allowances[0].minutes", "from 0 to 2147483647"},
    {"control character", [](json& f) { tariff(f)["name"] = "Mi\nni"; }, "tariffs[0].name", "control character"},
    {"too many combinations",
     [](json& f) {
         for (int g = 0; g < 13; ++g) {
             const std::string id = "g" + std::to_string(g);
             tariff(f)["groups"].push_back({{"id", id}});
             tariff(f)["addons"].push_back({{"id", "a" + id}, {"name", "A"}, {"group", id}});
         }
     },
     "tariffs[0].groups", "more than 4096 combinations"},
};

TEST(TariffReader, NamesThePathOfEveryPlantedFault) {
    for (const Fault& f : kFaults) {
        json file = baseFile();
        f.plant(file);
        const Catalogue c = read(file.dump());
        if (std::string(f.path).empty()) {
            EXPECT_TRUE(c.problems.empty()) << f.name << "\n" << listed(c);
            continue;
        }
        const auto hit = std::find_if(c.problems.begin(), c.problems.end(), [&](const Problem& p) {
            return p.path == f.path && p.message.find(f.message) != std::string::npos && p.severity == f.severity;
        });
        EXPECT_NE(hit, c.problems.end()) << f.name << "\n" << listed(c);
        // An error keeps every tariff of the file from being priced; a warning does not.
        EXPECT_EQ(c.tariffs.empty(), f.severity == Severity::Error) << f.name;
    }
}

TEST(TariffReader, ParseErrorsGiveLineAndColumn) {
    const struct {
        std::string text;
        int line, column;
        const char* message;
    } rows[] = {
        {"{\n  \"format\": \"sazbar-tariffs/1\",\n  \"tariffs\": [tru]\n}", 3, 18, "invalid literal"},
        {"{\"format\": \"x\", \"format\": \"y\"}", 1, 17, "key \"format\" given twice in one object (format)"},
        {"{\"tariffs\": [{\"id\": \"a\",\n \"id\": \"b\"}]}", 2, 2, "(tariffs[0].id)"},
        {std::string(40, '[') + std::string(40, ']'), 1, 33, "nested deeper than 32 levels"},
        {"{\"format\": \"\xC3\x28\"}", 1, 14, "UTF-8"},
        {"", 1, 1, "unexpected end of input"},
    };
    for (const auto& r : rows) {
        const Catalogue c = read(r.text);
        ASSERT_FALSE(c.problems.empty()) << r.text;
        const Problem& p = c.problems[0];
        EXPECT_EQ(p.line, r.line) << r.text << "\n" << listed(c);
        EXPECT_EQ(p.column, r.column) << r.text << "\n" << listed(c);
        EXPECT_NE(p.message.find(r.message), std::string::npos) << listed(c);
    }
}

TEST(TariffReader, ChecksRevisionsAcrossFiles) {
    json a = baseFile(), b = baseFile();
    tariff(a)["valid_to"] = "2004-06-30";
    tariff(b)["revision"] = 2;
    tariff(b)["valid_from"] = "2004-07-01";
    Catalogue c;
    readTariffText(a.dump(), "a.json", c);
    readTariffText(b.dump(), "b.json", c);
    finishCatalogue(c);
    EXPECT_TRUE(c.problems.empty()) << listed(c);
    EXPECT_EQ(c.tariffs.size(), 2u);

    tariff(b)["valid_from"] = "2004-06-30";  // one day in common
    Catalogue overlap;
    readTariffText(a.dump(), "a.json", overlap);
    readTariffText(b.dump(), "b.json", overlap);
    finishCatalogue(overlap);
    ASSERT_EQ(overlap.problems.size(), 1u) << listed(overlap);
    EXPECT_EQ(overlap.problems[0].file, "b.json");
    EXPECT_EQ(overlap.problems[0].path, "tariffs[0].valid_from");
    EXPECT_NE(overlap.problems[0].message.find("both valid on 2004-06-30"), std::string::npos) << listed(overlap);
    ASSERT_EQ(overlap.tariffs.size(), 1u);  // a.json's tariff stays usable
    EXPECT_EQ(overlap.tariffs[0].file, "a.json");

    Catalogue twice;
    readTariffText(a.dump(), "a.json", twice);
    readTariffText(a.dump(), "c.json", twice);
    finishCatalogue(twice);
    ASSERT_EQ(twice.problems.size(), 1u);
    EXPECT_NE(twice.problems[0].message.find("given twice; also at a.json tariffs[0]"), std::string::npos) << listed(twice);
}

TEST(TariffReader, CompiledIdsAreFreeWithoutTheCompiledTariffs) {
    json f = baseFile();
    tariff(f)["id"] = "gold";
    EXPECT_TRUE(read(f.dump(), {.builtinPriced = true}).hasErrors());
    EXPECT_FALSE(read(f.dump(), {.builtinPriced = false}).hasErrors());
}

TEST(TariffReader, BoundsHostileFiles) {
    // Over the size limit: refused before parsing.
    Catalogue big = read(std::string(kMaxFileBytes + 1, ' '));
    ASSERT_EQ(big.problems.size(), 1u);
    EXPECT_NE(big.problems[0].message.find("at most 16 MiB"), std::string::npos);
    // A huge number where an amount or a count belongs.
    json f = baseFile();
    std::string text = f.dump();
    const auto at = text.find("\"minutes\":100");
    ASSERT_NE(at, std::string::npos);
    text.replace(at + 10, 3, "1" + std::string(400, '0'));
    const Catalogue huge = read(text);
    EXPECT_TRUE(huge.hasErrors());
    EXPECT_TRUE(huge.tariffs.empty());
    // Many tariffs read one by one.
    json many = baseFile();
    const json one = json::parse(R"({"operator": "O", "name": "N", "fee": "99", "source": {"title": "t", "url": "u"},
                                     "rates": {"calls": {"fixed": "1", "tmobile": "2"}, "sms": "2.5"}})");
    for (int i = 1; i < 10000; ++i) {
        json t = one;
        t["id"] = "mini" + std::to_string(i);
        many["tariffs"].push_back(std::move(t));
    }
    const Catalogue c = read(many.dump());
    EXPECT_FALSE(c.hasErrors()) << (c.problems.empty() ? "" : c.problems[0].text());
    EXPECT_EQ(c.tariffs.size(), 10000u);
}

// What a tariff folder may hold besides files: each is refused unread, at once.
TEST(TariffReader, RefusesFilesThatAreNotSmallRegularFiles) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "sazbar_hostile_tariff_files";
    fs::remove_all(dir);
    fs::create_directories(dir / "folder.json");
    std::ofstream(dir / "huge.json").close();
    fs::resize_file(dir / "huge.json", std::uintmax_t{100} << 20);  // 100 MB, sparse
    ASSERT_EQ(mkfifo((dir / "fifo.json").c_str(), 0600), 0);
    const std::pair<const char*, const char*> rows[] = {
        {"huge.json", "at most 16 MiB"}, {"fifo.json", "not a regular file"}, {"folder.json", "not a regular file"},
        {"missing.json", "cannot open"}};
    for (const auto& [name, message] : rows) {
        Catalogue c;
        readTariffFile((dir / name).string(), c);
        ASSERT_EQ(c.problems.size(), 1u) << name;
        EXPECT_NE(c.problems[0].message.find(message), std::string::npos) << c.problems[0].text();
        EXPECT_TRUE(c.tariffs.empty());
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace sazbar::catalogue
