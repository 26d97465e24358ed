#include "cli/sweep_cmd.h"

#include <algorithm>
#include <charconv>

#include <nlohmann/json.hpp>

#include "catalogue/data_sweep.h"
#include "cli/app.h"

namespace sazbar::cli {

namespace {

bool parsePercent(const std::string& text, std::int32_t low, std::int32_t& out) {
    std::int32_t v = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
    if (r.ec != std::errc() || r.ptr != text.data() + text.size() || v < low || v > kMaxSweepPercent) return false;
    out = v;
    return true;
}

std::string percentText(std::int32_t from, std::int32_t to) {
    std::string s = std::to_string(from);
    if (to != from) s += "–" + std::to_string(to);
    return s + " %";
}

// Characters on screen of UTF-8 text.
std::size_t shownWidth(std::string_view s) {
    std::size_t n = 0;
    for (char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

std::string labels(const Sweep& s, const TariffSet& set) {
    if (set.empty()) return "žádný tarif";
    std::string text;
    for (int t : tariffsOf(set)) {
        if (!text.empty()) text += ", ";
        text += s.label(t);
    }
    return text;
}

nlohmann::ordered_json ids(const Sweep& s, const TariffSet& set) {
    nlohmann::ordered_json a = nlohmann::ordered_json::array();
    for (int t : tariffsOf(set)) a.push_back(std::string(s.id(t)));
    return a;
}

std::string idList(const Sweep& s, const TariffSet& set) {
    std::string text;
    for (int t : tariffsOf(set)) {
        if (!text.empty()) text += ' ';
        text += s.id(t);
    }
    return text;
}

// The tariffs a sweep prices, in the order of its columns.
std::vector<int> columnsOf(const Sweep& s) {
    std::vector<int> t;
    for (int i = s.builtin ? 0 : kTariffCount; i < s.tariffCount(); ++i) t.push_back(i);
    return t;
}

}  // namespace

bool parseSweepOption(std::string_view arg, const std::function<bool(std::string&)>& value, SweepArgs& s,
                      std::string& problem) {
    std::string v;
    if (arg == "--sweep") {
        const std::optional<SweepGroup> g = value(v) ? sweepGroupFromName(v) : std::nullopt;
        if (!g) problem = "--sweep needs calls, messages, data or all";
        s.group = g;
    } else if (arg == "--to") {
        if (!value(v) || !parsePercent(v, 0, s.range.to))
            problem = "--to needs a whole percent from 0 to " + std::to_string(kMaxSweepPercent);
        s.rangeGiven = true;
    } else if (arg == "--step") {
        if (!value(v) || !parsePercent(v, 1, s.range.step))
            problem = "--step needs a whole percent from 1 to " + std::to_string(kMaxSweepPercent);
        s.rangeGiven = true;
    } else {
        return false;
    }
    return true;
}

std::string checkSweepArgs(const SweepArgs& s, bool batch) {
    if (s.rangeGiven && !s.group) return "--to and --step apply to --sweep only";
    if (s.group && batch) return "--sweep takes one profile, not --batch";
    return {};
}

void appendSweepJson(std::string& out, const Sweep& s) {
    using Json = nlohmann::ordered_json;
    Json j;
    j["group"] = std::string(sweepGroupName(s.group));
    j["to"] = s.range.to;
    j["step"] = s.range.step;
    const std::vector<int> columns = columnsOf(s);
    Json& points = j["points"] = Json::array();
    for (const SweepPoint& pt : s.points) {
        Json p;
        p["percent"] = pt.percent;
        p["total_call_minutes"] = pt.totalCallMinutes;
        Json& prices = p["prices"] = Json::object();
        for (int i : columns)
            prices[std::string(s.id(i))] = contains(pt.priced, i) ? Json(pt.price[static_cast<std::size_t>(i)]) : Json(nullptr);
        p["unsupported"] = ids(s, pt.unsupported);
        p["cheapest"] = ids(s, pt.cheapest);
        points.push_back(std::move(p));
    }
    Json& spans = j["cheapest_spans"] = Json::array();
    for (const CheapestSpan& c : s.spans) spans.push_back({{"from", c.from}, {"to", c.to}, {"tariffs", ids(s, c.cheapest)}});
    Json& breakEvens = j["break_even"] = Json::array();
    for (const BreakEven& b : s.breakEvens)
        breakEvens.push_back(
            {{"percent", b.at}, {"last_before", b.lastBefore}, {"before", ids(s, b.before)}, {"after", ids(s, b.after)}});
    Json& ranges = j["ranges"] = Json::array();
    for (const TariffRange& r : s.ranges)
        ranges.push_back({{"id", std::string(s.id(r.tariff))}, {"from", r.from}, {"to", r.to}});
    out += j.dump();
    out += '\n';
}

void appendSweepCsv(std::string& out, const Sweep& s) {
    const std::vector<int> columns = columnsOf(s);
    out += "percent,total_call_minutes";
    for (int t : columns) {
        out += ',';
        appendCsvField(out, s.id(t));
    }
    out += ",cheapest,unsupported\r\n";
    for (const SweepPoint& pt : s.points) {
        out += std::to_string(pt.percent);
        out += ',';
        out += std::to_string(pt.totalCallMinutes);
        for (int i : columns) {
            out += ',';
            if (contains(pt.priced, i)) out += std::to_string(pt.price[static_cast<std::size_t>(i)]);
        }
        out += ',';
        appendCsvField(out, idList(s, pt.cheapest));
        out += ',';
        appendCsvField(out, idList(s, pt.unsupported));
        out += "\r\n";
    }
}

void appendSweepTable(std::string& out, const Sweep& s) {
    static constexpr std::string_view kWhat[] = {"vše", "volání", "zprávy", "data"};
    out += "Co kdyby: ";
    out += kWhat[static_cast<std::size_t>(s.group)];
    out += " od 0 do " + std::to_string(s.range.to) + " %, krok " + std::to_string(s.range.step) + " %\n";
    out += "\nNejlevnější tarif\n";
    std::size_t width = 0;
    for (const CheapestSpan& c : s.spans) width = std::max(width, shownWidth(percentText(c.from, c.to)));
    for (const CheapestSpan& c : s.spans) {
        const std::string when = percentText(c.from, c.to);
        out += "  ";
        out.append(width - shownWidth(when), ' ');
        out += when + ": " + labels(s, c.cheapest) + '\n';
    }
    out += "\nZlomové body\n";
    if (s.breakEvens.empty()) out += "  žádné: nejlevnější tarif se v celém rozsahu nemění\n";
    for (const BreakEven& b : s.breakEvens) {
        const std::string when = percentText(b.at, b.at);
        out += "  ";
        out.append(width - shownWidth(when), ' ');
        out += when + ": " + labels(s, b.before) + " → " + labels(s, b.after) + '\n';
    }
}

int printSweep(const Profile& profile, const RunOptions& options, Format format, const SweepArgs& a,
               std::ostream& out, const DataTariffs* data) {
    const SweepGroup group = a.group.value_or(SweepGroup::All);
    std::vector<const catalogue::DataTariff*> tariffs;
    if (data)
        for (const catalogue::DataTariff& t : data->tariffs) tariffs.push_back(&t);
    const Sweep s = data ? catalogue::runSweep(profile, options, group, a.range, tariffs, data->builtin)
                         : runSweep(profile, options, group, a.range);
    std::string text;
    switch (format) {
        case Format::Table: appendSweepTable(text, s); break;
        case Format::Json: appendSweepJson(text, s); break;
        case Format::Csv: appendSweepCsv(text, s); break;
    }
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    return out ? kExitOk : kExitBadInput;
}

}  // namespace sazbar::cli
