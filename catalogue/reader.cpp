#include "catalogue/reader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>

#include <nlohmann/json.hpp>

#include "catalogue/prepared.h"
#include "core/small_file.h"
#include "pricing/engine.h"

namespace sazbar::catalogue {

using json = nlohmann::json;

// ---------------------------------------------------------------------------
// Values

std::string Problem::text() const {
    std::string t = file;
    if (line > 0) t += ":" + std::to_string(line) + ":" + std::to_string(column);
    t += ": ";
    if (!path.empty()) t += path + ": ";
    if (severity == Severity::Warning) t += "warning: ";
    return t + message;
}

bool Catalogue::hasErrors() const { return errorCount() > 0; }

std::size_t Catalogue::errorCount() const {
    return static_cast<std::size_t>(
        std::count_if(problems.begin(), problems.end(), [](const Problem& p) { return p.severity == Severity::Error; }));
}

namespace {

// Days since 1970-01-01 of a civil date, and back (proleptic Gregorian).
Day daysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

int daysInMonth(int y, int m) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return m == 2 && leap ? 29 : kDays[m - 1];
}

}  // namespace

bool parseDate(std::string_view t, Day& out) {
    if (t.size() != 10 || t[4] != '-' || t[7] != '-') return false;
    int v[3] = {0, 0, 0};
    const int from[3] = {0, 5, 8}, len[3] = {4, 2, 2};
    for (int i = 0; i < 3; ++i)
        for (int k = 0; k < len[i]; ++k) {
            const char c = t[static_cast<std::size_t>(from[i] + k)];
            if (c < '0' || c > '9') return false;
            v[i] = v[i] * 10 + (c - '0');
        }
    if (v[0] < 1 || v[1] < 1 || v[1] > 12 || v[2] < 1 || v[2] > daysInMonth(v[0], v[1])) return false;
    out = daysFromCivil(v[0], v[1], v[2]);
    return true;
}

std::string formatDate(Day d) {
    if (d == kOpenStart || d == kOpenEnd) return "open";
    const int z = d + 719468;
    const int era = (z >= 0 ? z : z - 146096) / 146097;
    const int doe = z - era * 146097;
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int mp = (5 * doy + 2) / 153;
    const int day = doy - (153 * mp + 2) / 5 + 1;
    const int month = mp < 10 ? mp + 3 : mp - 9;
    const int year = yoe + era * 400 + (month <= 2);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", year, month, day);
    return buf;
}

bool parseAmount(std::string_view t, Amount& out) {
    const auto dot = t.find('.');
    const std::string_view whole = t.substr(0, dot);
    const std::string_view frac = dot == std::string_view::npos ? std::string_view() : t.substr(dot + 1);
    if (whole.empty() || whole.size() > 9 || (whole.size() > 1 && whole[0] == '0')) return false;
    if (dot != std::string_view::npos && (frac.empty() || frac.size() > 4)) return false;
    Amount v = 0;
    for (char c : whole) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
    }
    std::size_t digits = 0;
    for (char c : frac) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
        ++digits;
    }
    for (; digits < 4; ++digits) v *= 10;
    out = v;
    return true;
}

Unit unitOf(Service s) {
    switch (s) {
        case SmsTMobile: case SmsEurotel: case SmsOskar: case Mms: return Unit::Messages;
        case GprsWap: case GprsInternet: return Unit::Kilobytes;
        default: return Unit::Minutes;
    }
}

namespace {

// ---------------------------------------------------------------------------
// Names of the format

constexpr std::string_view kServiceNames[kServices] = {
    "calls.fixed", "calls.tmobile", "calls.eurotel", "calls.oskar", "calls.voicemail",
    "sms.tmobile", "sms.eurotel", "sms.oskar", "mms", "data", "wap", "gprs.wap", "gprs.internet", "international",
};
constexpr std::string_view kBandNames[kBands] = {"peak", "afternoon", "evening", "weekend"};
// In the order of the Scheme enum.
constexpr std::string_view kSchemeIds[kSchemes] = {
    "tm_standard", "tm_internet_call", "twist_home_internet_call", "et_standard",
    "et_netcall",  "et_go",            "oskar",                    "fixed_line",
};

bool bandService(Service s) {
    return s <= CallVoiceMail || s == DataMinutes || s == WapMinutes;
}

std::string inQuotes(std::string_view s) {
    std::string q = "\"";
    for (char c : s.substr(0, 60)) q += c;
    if (s.size() > 60) q += "…";
    return q + "\"";
}

std::string joinQuoted(const std::vector<std::string_view>& names) {
    std::string out;
    for (std::size_t i = 0; i < names.size(); ++i) out += (i ? ", " : "") + inQuotes(names[i]);
    return out;
}

// Edit distance, for "did you mean".
std::size_t distance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diag = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t up = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diag + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diag = up;
        }
    }
    return row[b.size()];
}

std::string_view nearest(std::string_view key, const std::vector<std::string_view>& known) {
    std::string_view best;
    std::size_t bestD = 3;
    if (key.size() > 80) return best;
    for (std::string_view k : known) {
        const std::size_t d = distance(key, k);
        if (d < bestD) {
            bestD = d;
            best = k;
        }
    }
    return best;
}

std::string typeName(const json& j) {
    switch (j.type()) {
        case json::value_t::null: return "null";
        case json::value_t::boolean: return "a boolean";
        case json::value_t::number_integer:
        case json::value_t::number_unsigned: return "a whole number";
        case json::value_t::number_float: return "a number";
        case json::value_t::string: return "a string";
        case json::value_t::array: return "an array";
        case json::value_t::object: return "an object";
        default: return "a value";
    }
}

// ---------------------------------------------------------------------------
// The checks of one file

struct Ctx {
    Catalogue& out;
    const std::string& file;
    const ReadOptions& options;
    bool failed = false;

    void error(const std::string& path, std::string message) {
        out.problems.push_back({Severity::Error, file, path, 0, 0, std::move(message)});
        failed = true;
    }
    void warning(const std::string& path, std::string message) {
        out.problems.push_back({Severity::Warning, file, path, 0, 0, std::move(message)});
    }
    void wrongType(const std::string& path, const json& j, std::string_view expected) {
        error(path, "expected " + std::string(expected) + ", found " + typeName(j));
    }
};

std::string member(const std::string& path, std::string_view key) {
    return path.empty() ? std::string(key) : path + "." + std::string(key);
}
std::string element(const std::string& path, std::size_t i) { return path + "[" + std::to_string(i) + "]"; }

// An object whose keys are checked against the known ones.
class Obj {
public:
    Obj(Ctx& c, const json& j, std::string path, std::vector<std::string_view> known, std::string_view what)
        : c_(c), j_(j), path_(std::move(path)) {
        if (!j.is_object()) {
            c.wrongType(path_, j, what);
            ok = false;
            return;
        }
        for (auto it = j.begin(); it != j.end(); ++it) {
            if (std::find(known.begin(), known.end(), it.key()) != known.end()) continue;
            std::string msg = "unknown key " + inQuotes(it.key());
            if (const std::string_view near = nearest(it.key(), known); !near.empty())
                msg += "; did you mean " + inQuotes(near) + "?";
            else if (known.size() <= 16)
                msg += "; expected one of " + joinQuoted(known);
            c.error(member(path_, it.key()), msg);
        }
    }
    bool ok = true;

    const json* get(std::string_view key) const {
        if (!ok) return nullptr;
        const auto it = j_.find(key);
        return it == j_.end() ? nullptr : &*it;
    }
    const json* need(std::string_view key, std::string_view expected) const {
        const json* v = get(key);
        if (!v && ok) c_.error(member(path_, key), "missing; expected " + std::string(expected));
        return v;
    }
    std::string at(std::string_view key) const { return member(path_, key); }
    const std::string& path() const { return path_; }

private:
    Ctx& c_;
    const json& j_;
    std::string path_;
};

constexpr std::string_view kAmountForm = "an amount as a string: digits with at most 4 decimals, such as \"7.14\"";

bool readAmount(Ctx& c, const json& j, const std::string& path, Amount& out) {
    if (!j.is_string()) {
        if (j.is_number()) c.error(path, "expected an amount as a string, such as \"7.14\": amounts are strings, never numbers");
        else c.wrongType(path, j, kAmountForm);
        return false;
    }
    const std::string& s = j.get_ref<const std::string&>();
    std::string_view t = s;
    const bool negative = t.starts_with('-');
    if (negative) t.remove_prefix(1);
    if (!parseAmount(t, out)) {
        const auto dot = t.find('.');
        if (dot != std::string_view::npos && t.size() - dot - 1 > 4 &&
            parseAmount(t.substr(0, dot + 5), out))
            c.error(path, inQuotes(s) + " has more than 4 decimals");
        else if (t.find_first_not_of("0123456789.") == std::string_view::npos && t.substr(0, t.find('.')).size() > 9)
            c.error(path, inQuotes(s) + " is above the largest amount, 999999999.9999");
        else
            c.error(path, inQuotes(s) + " is not " + std::string(kAmountForm));
        return false;
    }
    if (negative) {
        c.error(path, inQuotes(s) + " is negative; amounts are 0 or more");
        return false;
    }
    return true;
}

bool readCount(Ctx& c, const json& j, const std::string& path, std::int64_t& out, std::int64_t min = 0,
               std::int64_t max = 2147483647) {
    const std::string range = "a whole number from " + std::to_string(min) + " to " + std::to_string(max);
    if (j.is_number_unsigned()) {
        const auto v = j.get<std::uint64_t>();
        if (v > static_cast<std::uint64_t>(max)) {
            c.error(path, "expected " + range + ", found " + j.dump());
            return false;
        }
        out = static_cast<std::int64_t>(v);
    } else if (j.is_number_integer()) {
        out = j.get<std::int64_t>();
    } else {
        c.wrongType(path, j, range);
        return false;
    }
    if (out < min || out > max) {
        c.error(path, "expected " + range + ", found " + std::to_string(out));
        return false;
    }
    return true;
}

std::size_t utf8Length(std::string_view s) {
    return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char ch) { return (ch & 0xC0) != 0x80; }));
}

bool readText(Ctx& c, const json& j, const std::string& path, std::string& out, std::size_t max = kMaxText) {
    if (!j.is_string()) {
        c.wrongType(path, j, "a text (string)");
        return false;
    }
    const std::string& s = j.get_ref<const std::string&>();
    if (s.empty()) {
        c.error(path, "empty; expected a text");
        return false;
    }
    if (utf8Length(s) > max) {
        c.error(path, "longer than " + std::to_string(max) + " characters");
        return false;
    }
    if (std::any_of(s.begin(), s.end(), [](char ch) { return static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F; })) {
        c.error(path, "holds a control character; expected a text on one line");
        return false;
    }
    out = s;
    return true;
}

bool validId(std::string_view s) {
    if (s.empty() || s.size() > 64 || s[0] == '-' || s[0] == '.') return false;
    return std::all_of(s.begin(), s.end(), [](char ch) {
        return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_' ||
               ch == '-' || ch == '.';
    });
}

bool readId(Ctx& c, const json& j, const std::string& path, std::string& out) {
    if (!j.is_string()) {
        c.wrongType(path, j, "an id (string)");
        return false;
    }
    const std::string& s = j.get_ref<const std::string&>();
    if (!validId(s)) {
        c.error(path, inQuotes(s) + " is not an id: 1 to 64 letters a-z A-Z, digits, \"_\", \"-\", \".\", not starting with \"-\" or \".\"");
        return false;
    }
    out = s;
    return true;
}

bool readDate(Ctx& c, const json& j, const std::string& path, Day& out) {
    if (!j.is_string()) {
        c.wrongType(path, j, "a date \"YYYY-MM-DD\"");
        return false;
    }
    if (!parseDate(j.get_ref<const std::string&>(), out)) {
        c.error(path, inQuotes(j.get_ref<const std::string&>()) + " is not a date \"YYYY-MM-DD\" of the calendar");
        return false;
    }
    return true;
}

// Index of a string value among `names`, or -1 (reported).
int readEnum(Ctx& c, const json& j, const std::string& path, const std::vector<std::string_view>& names) {
    if (j.is_string()) {
        const std::string& s = j.get_ref<const std::string&>();
        for (std::size_t i = 0; i < names.size(); ++i)
            if (names[i] == s) return static_cast<int>(i);
        std::string msg = inQuotes(s) + " is not known; expected one of " + joinQuoted(names);
        if (const std::string_view near = nearest(s, names); !near.empty()) msg = inQuotes(s) + " is not known; did you mean " + inQuotes(near) + "?";
        c.error(path, msg);
        return -1;
    }
    c.wrongType(path, j, "one of " + joinQuoted(names));
    return -1;
}

// A rate for all N bands, or an array of N.
template <std::size_t N>
bool readBandRate(Ctx& c, const json& j, const std::string& path, std::array<Amount, N>& out, std::string_view bands) {
    if (j.is_array()) {
        if (j.size() != N) {
            c.error(path, "expected " + std::to_string(N) + " amounts (" + std::string(bands) + "), found " +
                              std::to_string(j.size()));
            return false;
        }
        bool ok = true;
        for (std::size_t i = 0; i < N; ++i) ok &= readAmount(c, j[i], element(path, i), out[i]);
        return ok;
    }
    if (j.is_string()) {
        Amount a = 0;
        if (!readAmount(c, j, path, a)) return false;
        out.fill(a);
        return true;
    }
    c.wrongType(path, j, std::string(kAmountForm) + ", or an array of " + std::to_string(N) + " (" + std::string(bands) + ")");
    return false;
}

constexpr std::string_view kFourBands = "peak, afternoon, evening, weekend";
constexpr std::string_view kThreeBands = "peak, afternoon, evening with weekend";

// Services, with the shorthands "calls", "sms" and "gprs".
bool readServices(Ctx& c, const json& j, const std::string& path, std::vector<Service>& out, bool allowFees = false,
                  bool* fees = nullptr) {
    std::vector<std::string_view> names(std::begin(kServiceNames), std::end(kServiceNames));
    names.insert(names.end(), {"calls", "sms", "gprs"});
    if (allowFees) names.push_back("fees");
    if (!j.is_array()) {
        c.wrongType(path, j, "an array of services such as [\"calls\", \"sms.oskar\"]");
        return false;
    }
    if (j.empty()) {
        c.error(path, "empty; expected at least one service");
        return false;
    }
    bool ok = true;
    for (std::size_t i = 0; i < j.size(); ++i) {
        const int k = readEnum(c, j[i], element(path, i), names);
        if (k < 0) {
            ok = false;
            continue;
        }
        std::vector<Service> add;
        if (k < kServices) add.push_back(static_cast<Service>(k));
        else if (names[static_cast<std::size_t>(k)] == "calls") add = {CallFixed, CallTMobile, CallEurotel, CallOskar, CallVoiceMail};
        else if (names[static_cast<std::size_t>(k)] == "sms") add = {SmsTMobile, SmsEurotel, SmsOskar};
        else if (names[static_cast<std::size_t>(k)] == "gprs") add = {GprsWap, GprsInternet};
        else if (fees) {
            if (*fees) c.error(element(path, i), "lists \"fees\" twice");
            *fees = true;
        }
        for (Service s : add) {
            if (std::find(out.begin(), out.end(), s) != out.end()) {
                c.error(element(path, i), "lists " + inQuotes(kServiceNames[s]) + " twice");
                ok = false;
            } else {
                out.push_back(s);
            }
        }
    }
    return ok;
}

bool readBands(Ctx& c, const json& j, const std::string& path, std::uint8_t& mask) {
    if (!j.is_array() || j.empty()) {
        if (j.is_array()) c.error(path, "empty; expected at least one of " + joinQuoted({std::begin(kBandNames), std::end(kBandNames)}));
        else c.wrongType(path, j, "an array of time bands such as [\"evening\", \"weekend\"]");
        return false;
    }
    mask = 0;
    bool ok = true;
    for (std::size_t i = 0; i < j.size(); ++i) {
        const int b = readEnum(c, j[i], element(path, i), {std::begin(kBandNames), std::end(kBandNames)});
        if (b < 0) {
            ok = false;
        } else if (mask & (1u << b)) {
            c.error(element(path, i), "lists " + inQuotes(kBandNames[b]) + " twice");
            ok = false;
        } else {
            mask = static_cast<std::uint8_t>(mask | (1u << b));
        }
    }
    return ok;
}

std::vector<std::string_view> countryNames() { return {kCountryNames.begin(), kCountryNames.end()}; }

void readIntlPart(Ctx& c, const Obj& o, IntlRates& out) {
    if (const json* s = o.get("scheme")) out.scheme = readEnum(c, *s, o.at("scheme"), {std::begin(kSchemeIds), std::end(kSchemeIds)});
    const json* zones = o.get("zones");
    const json* countries = o.get("countries");
    if ((zones || countries) && !o.get("scheme"))
        c.error(o.at("scheme"), "missing; rates by zone or country need the zone scheme they belong to");
    if (zones) {
        Obj z(c, *zones, o.at("zones"), {"1", "2", "3", "4", "5", "6", "7", "8"}, "an object of rates by zone \"1\" to \"8\"");
        for (int zone = 1; z.ok && zone <= kZones; ++zone) {
            const std::string key = std::to_string(zone);
            const json* r = z.get(key);
            if (!r) continue;
            readBandRate(c, *r, z.at(key), out.zone[static_cast<std::size_t>(zone - 1)], kThreeBands);
            if (out.scheme >= 0) {
                const auto& table = kZoneTable[static_cast<std::size_t>(out.scheme)];
                if (std::find(table.begin(), table.end(), zone) == table.end())
                    c.warning(z.at(key), "no country is in zone " + key + " of " + inQuotes(kSchemeIds[out.scheme]) +
                                              "; the rate is never used");
            }
        }
    }
    if (countries) {
        const auto names = countryNames();
        Obj k(c, *countries, o.at("countries"), names, "an object of rates by country name");
        for (std::size_t i = 0; k.ok && i < names.size(); ++i) {
            const json* r = k.get(names[i]);
            if (!r) continue;
            CountryRate cr{static_cast<int>(i), {}};
            if (readBandRate(c, *r, k.at(names[i]), cr.rate, kThreeBands)) out.countries.push_back(cr);
        }
    }
}

void readRates(Ctx& c, const json& j, const std::string& path, Rates& out) {
    Obj o(c, j, path, {"calls", "sms", "mms", "data", "wap", "gprs", "international"}, "an object of rates");
    if (!o.ok) return;
    if (const json* calls = o.get("calls")) {
        static const std::vector<std::string_view> keys = {"fixed", "tmobile", "eurotel", "oskar", "voicemail"};
        Obj co(c, *calls, o.at("calls"), keys, "an object of call rates by destination");
        for (std::size_t i = 0; co.ok && i < keys.size(); ++i)
            if (const json* r = co.get(keys[i])) readBandRate(c, *r, co.at(keys[i]), out.perBand[CallFixed + i], kFourBands);
    }
    if (const json* sms = o.get("sms")) {
        if (sms->is_object()) {
            static const std::vector<std::string_view> keys = {"tmobile", "eurotel", "oskar"};
            Obj so(c, *sms, o.at("sms"), keys, "an object of SMS rates by network");
            for (std::size_t i = 0; so.ok && i < keys.size(); ++i) {
                Amount a = 0;
                if (const json* r = so.get(keys[i]); r && readAmount(c, *r, so.at(keys[i]), a)) out.perBand[SmsTMobile + i].fill(a);
            }
        } else if (sms->is_string() || sms->is_number()) {
            Amount a = 0;
            if (readAmount(c, *sms, o.at("sms"), a))
                for (int s = SmsTMobile; s <= SmsOskar; ++s) out.perBand[static_cast<std::size_t>(s)].fill(a);
        } else {
            c.wrongType(o.at("sms"), *sms, std::string(kAmountForm) + " for every network, or an object by network");
        }
    }
    if (const json* mms = o.get("mms")) {
        Amount a = 0;
        if (readAmount(c, *mms, o.at("mms"), a)) out.perBand[Mms].fill(a);
    }
    if (const json* data = o.get("data")) readBandRate(c, *data, o.at("data"), out.perBand[DataMinutes], kFourBands);
    if (const json* wap = o.get("wap")) readBandRate(c, *wap, o.at("wap"), out.perBand[WapMinutes], kFourBands);
    if (const json* gprs = o.get("gprs")) {
        Obj go(c, *gprs, o.at("gprs"), {"wap", "internet"}, "an object of GPRS rates per kB");
        Amount a = 0;
        if (const json* r = go.get("wap"); r && readAmount(c, *r, go.at("wap"), a)) out.perBand[GprsWap].fill(a);
        if (const json* r = go.get("internet"); r && readAmount(c, *r, go.at("internet"), a)) out.perBand[GprsInternet].fill(a);
    }
    if (const json* intl = o.get("international")) {
        Obj io(c, *intl, o.at("international"), {"scheme", "zones", "countries", "internet_calls"}, "an object of international rates");
        if (io.ok) {
            readIntlPart(c, io, out.intl);
            if (const json* ic = io.get("internet_calls"); ic && ic->is_string()) {
                if (ic->get_ref<const std::string&>() == "unsupported") out.internetCallsUnsupported = true;
                else c.error(io.at("internet_calls"), "expected an object of international rates or \"unsupported\"");
            } else if (ic) {
                Obj icObj(c, *ic, io.at("internet_calls"), {"scheme", "zones", "countries"}, "an object of international rates");
                if (icObj.ok) {
                    readIntlPart(c, icObj, out.intlInternet);
                    if (!icObj.get("scheme")) c.error(icObj.at("scheme"), "missing; expected the zone scheme of internet calls");
                }
            }
        }
    }
}

bool readAllowance(Ctx& c, const json& j, const std::string& path, Allowance& out) {
    Obj o(c, j, path, {"id", "minutes", "messages", "kb", "credit", "covers", "bands", "consume"}, "an allowance object");
    if (!o.ok) return false;
    bool ok = true;
    if (const json* id = o.need("id", "an id")) ok &= readId(c, *id, o.at("id"), out.id);
    else ok = false;
    static constexpr std::string_view kAmounts[] = {"minutes", "messages", "kb", "credit"};
    int given = 0;
    for (int k = 0; k < 4; ++k) {
        const json* v = o.get(kAmounts[k]);
        if (!v) continue;
        ++given;
        out.unit = static_cast<Unit>(k);
        if (k == 3) ok &= readAmount(c, *v, o.at(kAmounts[k]), out.amount);
        else ok &= readCount(c, *v, o.at(kAmounts[k]), out.amount);
    }
    if (given != 1) {
        c.error(path, given == 0 ? "no amount; expected one of \"minutes\", \"messages\", \"kb\" or \"credit\""
                                 : "more than one amount; expected one of \"minutes\", \"messages\", \"kb\" or \"credit\"");
        ok = false;
    }
    if (const json* covers = o.need("covers", "the services the allowance covers, such as [\"calls\"]")) {
        if (readServices(c, *covers, o.at("covers"), out.covers) && given == 1 && out.unit != Unit::Crowns) {
            for (std::size_t i = 0; i < out.covers.size(); ++i) {
                const Service s = out.covers[i];
                const Unit u = s == International ? Unit::Minutes : unitOf(s);
                if (u != out.unit) {
                    static constexpr std::string_view kUnitNames[] = {"minutes", "messages", "kB", "crowns"};
                    c.error(o.at("covers"), "an allowance of " + std::string(kUnitNames[static_cast<int>(out.unit)]) +
                                                " cannot cover " + inQuotes(kServiceNames[s]) + ", which is counted in " +
                                                std::string(kUnitNames[static_cast<int>(u)]));
                    ok = false;
                    break;
                }
            }
        }
    } else {
        ok = false;
    }
    if (const json* bands = o.get("bands")) {
        ok &= readBands(c, *bands, o.at("bands"), out.bands);
        if (!out.covers.empty() && std::none_of(out.covers.begin(), out.covers.end(), bandService))
            c.error(o.at("bands"), "the services covered have no time bands; bands apply to calls, data and wap");
    }
    if (const json* consume = o.get("consume")) {
        const int k = readEnum(c, *consume, o.at("consume"), {"proportional", "most_expensive_first", "in_order"});
        if (k >= 0) out.consume = static_cast<Consume>(k);
        else ok = false;
    }
    if (ok && out.amount == 0) c.warning(o.at(kAmounts[static_cast<int>(out.unit)]), "0 includes nothing");
    return ok;
}

void readAllowances(Ctx& c, const json& j, const std::string& path, std::vector<Allowance>& out) {
    if (!j.is_array()) {
        c.wrongType(path, j, "an array of allowances");
        return;
    }
    if (j.size() > kMaxAllowances) {
        c.error(path, std::to_string(j.size()) + " allowances; at most " + std::to_string(kMaxAllowances));
        return;
    }
    for (std::size_t i = 0; i < j.size(); ++i) {
        Allowance a;
        if (readAllowance(c, j[i], element(path, i), a)) out.push_back(std::move(a));
    }
}

// Where an allowance came from, for the overlap check.
struct Placed {
    const Allowance* a;
    std::string path;
    int group;  // -1: the tariff or direct debit; else the add-on's group
    int addon;  // -1: the tariff or direct debit
};

bool overlap(const Allowance& a, const Allowance& b) {
    for (Service s : a.covers) {
        if (std::find(b.covers.begin(), b.covers.end(), s) == b.covers.end()) continue;
        if (!bandService(s) || (a.bands & b.bands)) return true;
    }
    return false;
}

void checkAllowances(Ctx& c, const std::vector<Placed>& all) {
    for (std::size_t i = 0; i < all.size(); ++i)
        for (std::size_t k = i + 1; k < all.size(); ++k) {
            const Placed &x = all[i], &y = all[k];
            // Two add-ons of one group are never taken together.
            if (x.addon >= 0 && y.addon >= 0 && x.addon != y.addon && x.group == y.group) continue;
            if (x.a->id == y.a->id && (x.addon == y.addon)) continue;  // reported as a duplicate id
            if (samePool(*x.a, *y.a) || !overlap(*x.a, *y.a)) continue;
            c.error(y.path, "covers what allowance " + inQuotes(x.a->id) + " (" + x.path +
                                ") covers, without being one pool with it (same unit, covers, bands and consume)");
        }
}

void checkIds(Ctx& c, const std::vector<std::pair<std::string_view, std::string>>& ids, std::string_view what) {
    std::map<std::string_view, const std::string*> seen;
    for (const auto& [id, path] : ids) {
        const auto [it, fresh] = seen.emplace(id, &path);
        if (!fresh) c.error(path, "duplicate " + std::string(what) + " id " + inQuotes(id) + "; also at " + *it->second);
    }
}

void readOffer(Ctx& c, const json& j, const std::string& path, Offer& out) {
    Obj o(c, j, path, {"usage", "bands", "at_least", "at_most"}, "an object with \"usage\" and \"at_least\" or \"at_most\"");
    if (!o.ok) return;
    if (const json* u = o.need("usage", "the services whose use decides, such as [\"gprs\"]")) readServices(c, *u, o.at("usage"), out.usage);
    if (const json* b = o.get("bands")) readBands(c, *b, o.at("bands"), out.bands);
    if (const json* v = o.get("at_least")) readCount(c, *v, o.at("at_least"), out.atLeast);
    if (const json* v = o.get("at_most")) readCount(c, *v, o.at("at_most"), out.atMost);
    if (!o.get("at_least") && !o.get("at_most")) c.error(path, "no bound; expected \"at_least\", \"at_most\" or both");
    if (out.atLeast > out.atMost)
        c.error(o.at("at_most"), std::to_string(out.atMost) + " is below at_least " + std::to_string(out.atLeast) +
                                     "; the add-on would never be offered");
}

void readTariff(Ctx& c, const json& j, const std::string& path, DataTariff& t) {
    Obj o(c, j, path,
          {"id", "operator", "name", "revision", "valid_from", "valid_to", "source", "color", "cheapest_mark", "fee", "fixed_amount",
           "rates", "allowances", "groups", "addons", "minimum_spend", "direct_debit"},
          "a tariff object");
    if (!o.ok) return;
    t.path = path;
    if (const json* v = o.need("id", "the tariff's id, such as \"mini-100\"")) {
        if (readId(c, *v, o.at("id"), t.id) && c.options.builtinPriced && tariffIndex(t.id) >= 0)
            c.error(o.at("id"), inQuotes(t.id) + " is the id of a compiled tariff; choose another id, or price without "
                                              "the compiled tariffs (--no-builtin)");
    }
    if (const json* v = o.need("operator", "the operator's name")) readText(c, *v, o.at("operator"), t.operatorName);
    if (const json* v = o.need("name", "the tariff's name")) readText(c, *v, o.at("name"), t.name);
    if (const json* v = o.get("revision")) readCount(c, *v, o.at("revision"), t.revision, 1);
    if (const json* v = o.get("valid_from")) readDate(c, *v, o.at("valid_from"), t.validFrom);
    if (const json* v = o.get("valid_to")) {
        if (readDate(c, *v, o.at("valid_to"), t.validTo) && t.validTo < t.validFrom)
            c.error(o.at("valid_to"), formatDate(t.validTo) + " is before valid_from " + formatDate(t.validFrom));
    }
    if (const json* v = o.get("source")) {
        Obj s(c, *v, o.at("source"), {"title", "url", "document", "retrieved"}, "an object with \"title\" and \"url\" or \"document\"");
        if (s.ok) {
            t.hasSource = true;
            if (const json* x = s.need("title", "the title of the price list")) readText(c, *x, s.at("title"), t.source.title);
            if (const json* x = s.get("url")) readText(c, *x, s.at("url"), t.source.url, kMaxLongText);
            if (const json* x = s.get("document")) readText(c, *x, s.at("document"), t.source.document, kMaxLongText);
            if (const json* x = s.get("retrieved")) {
                Day d = 0;
                if (readDate(c, *x, s.at("retrieved"), d)) t.source.retrieved = formatDate(d);
            }
            if (!s.get("url") && !s.get("document"))
                c.warning(o.at("source"), "names neither a URL nor a document; say where the prices can be checked");
        }
    } else {
        c.warning(path, "no source; say where the prices come from (\"source\": {\"title\", \"url\" or \"document\"})");
    }
    if (const json* v = o.get("color")) {
        if (!v->is_string() || v->get_ref<const std::string&>().size() != 7 || v->get_ref<const std::string&>()[0] != '#' ||
            v->get_ref<const std::string&>().find_first_not_of("0123456789abcdefABCDEF", 1) != std::string::npos)
            c.error(o.at("color"), "expected a colour \"#rrggbb\"");
        else
            t.color = v->get<std::string>();
    }
    if (const json* v = o.get("cheapest_mark")) {
        if (v->is_boolean()) t.cheapestMark = v->get<bool>();
        else c.wrongType(o.at("cheapest_mark"), *v, "true or false");
    }
    if (const json* v = o.get("fee")) readAmount(c, *v, o.at("fee"), t.fee);
    if (const json* v = o.get("fixed_amount")) readAmount(c, *v, o.at("fixed_amount"), t.fixedAmount);
    if (const json* v = o.get("rates")) readRates(c, *v, o.at("rates"), t.rates);

    std::vector<Placed> placed;
    std::vector<std::pair<std::string_view, std::string>> allowanceIds;
    if (const json* v = o.get("allowances")) readAllowances(c, *v, o.at("allowances"), t.allowances);

    std::vector<std::string> groupPaths;
    if (const json* v = o.get("groups")) {
        if (!v->is_array()) {
            c.wrongType(o.at("groups"), *v, "an array of add-on groups");
        } else if (v->size() > kMaxGroups) {
            c.error(o.at("groups"), std::to_string(v->size()) + " groups; at most " + std::to_string(kMaxGroups));
        } else {
            for (std::size_t i = 0; i < v->size(); ++i) {
                const std::string gp = element(o.at("groups"), i);
                Obj g(c, (*v)[i], gp, {"id", "name", "without", "compare"}, "a group object");
                if (!g.ok) continue;
                AddonGroup group;
                if (const json* x = g.need("id", "the group's id")) readId(c, *x, g.at("id"), group.id);
                if (const json* x = g.get("name")) readText(c, *x, g.at("name"), group.name);
                if (const json* x = g.get("without")) {
                    const int k = readEnum(c, *x, g.at("without"), {"first", "last", "never"});
                    if (k >= 0) group.without = static_cast<Without>(k);
                }
                if (const json* x = g.get("compare")) {
                    const int k = readEnum(c, *x, g.at("compare"), {"price", "own_cost"});
                    if (k >= 0) group.compare = static_cast<Compare>(k);
                }
                t.groups.push_back(std::move(group));
                groupPaths.push_back(g.at("id"));
            }
        }
    }
    {
        std::vector<std::pair<std::string_view, std::string>> ids;
        for (std::size_t i = 0; i < t.groups.size(); ++i) ids.emplace_back(t.groups[i].id, groupPaths[i]);
        checkIds(c, ids, "group");
    }

    std::vector<std::string> addonPaths;
    std::vector<bool> grouped;
    std::vector<std::string> requiredIds;  // "" where an add-on requires none
    if (const json* v = o.get("addons")) {
        if (!v->is_array()) {
            c.wrongType(o.at("addons"), *v, "an array of add-ons");
        } else if (v->size() > kMaxAddons) {
            c.error(o.at("addons"), std::to_string(v->size()) + " add-ons; at most " + std::to_string(kMaxAddons));
        } else {
            for (std::size_t i = 0; i < v->size(); ++i) {
                const std::string ap = element(o.at("addons"), i);
                Obj a(c, (*v)[i], ap, {"id", "name", "group", "requires", "hint", "fee", "rates", "allowances", "offered"},
                      "an add-on object");
                if (!a.ok) continue;
                Addon addon;
                if (const json* x = a.need("id", "the add-on's id")) readId(c, *x, a.at("id"), addon.id);
                if (const json* x = a.need("name", "the add-on's name")) readText(c, *x, a.at("name"), addon.name);
                if (const json* x = a.get("hint")) readText(c, *x, a.at("hint"), addon.hint);
                if (const json* x = a.get("fee")) readAmount(c, *x, a.at("fee"), addon.fee);
                if (const json* x = a.get("rates")) readRates(c, *x, a.at("rates"), addon.rates);
                if (const json* x = a.get("allowances")) readAllowances(c, *x, a.at("allowances"), addon.allowances);
                if (const json* x = a.get("offered")) readOffer(c, *x, a.at("offered"), addon.offer);
                std::string required;
                if (const json* x = a.get("requires")) readId(c, *x, a.at("requires"), required);
                requiredIds.push_back(required);
                grouped.push_back(a.get("group") != nullptr);
                if (const json* x = a.get("group")) {
                    std::string gid;
                    if (readId(c, *x, a.at("group"), gid)) {
                        for (std::size_t g = 0; g < t.groups.size(); ++g)
                            if (t.groups[g].id == gid) addon.group = static_cast<int>(g);
                        if (addon.group < 0) {
                            std::vector<std::string_view> names;
                            for (const auto& g : t.groups) names.push_back(g.id);
                            c.error(a.at("group"), "no group " + inQuotes(gid) + " in this tariff" +
                                                       (names.empty() ? "; it has no \"groups\"" : "; groups: " + joinQuoted(names)));
                        }
                    }
                }
                addonPaths.push_back(ap);
                t.addons.push_back(std::move(addon));
            }
        }
    }
    {
        std::vector<std::pair<std::string_view, std::string>> ids;
        for (std::size_t i = 0; i < t.addons.size(); ++i) ids.emplace_back(t.addons[i].id, addonPaths[i] + ".id");
        checkIds(c, ids, "add-on");
    }
    // An add-on without a group is a group of its own.
    for (std::size_t i = 0; i < t.addons.size(); ++i) {
        Addon& a = t.addons[i];
        if (!grouped[i]) {
            AddonGroup g;
            g.id = a.id;
            g.name = a.name;
            a.group = static_cast<int>(t.groups.size());
            t.groups.push_back(std::move(g));
        }
        if (a.group >= 0) t.groups[static_cast<std::size_t>(a.group)].addons.push_back(static_cast<int>(i));
    }
    // A required add-on: another of the tariff, in another group; the add-on
    // that requires it sits in a group that may take none and is compared by price.
    for (std::size_t i = 0; i < t.addons.size() && i < requiredIds.size(); ++i) {
        if (requiredIds[i].empty()) continue;
        Addon& a = t.addons[i];
        const std::string at = addonPaths[i] + ".requires";
        for (std::size_t k = 0; k < t.addons.size(); ++k)
            if (t.addons[k].id == requiredIds[i]) a.required = static_cast<int>(k);
        if (a.required < 0) {
            c.error(at, "no add-on " + inQuotes(requiredIds[i]) + " in this tariff");
        } else if (a.group < 0) {
            continue;
        } else if (t.addons[static_cast<std::size_t>(a.required)].group == a.group) {
            c.error(at, inQuotes(requiredIds[i]) + " is in the same group, so the two are never taken together; expected "
                        "an add-on of another group");
            a.required = -1;
        } else {
            const AddonGroup& g = t.groups[static_cast<std::size_t>(a.group)];
            if (g.without == Without::Never || g.compare == Compare::OwnCost)
                c.error(at, "an add-on that requires another belongs in a group that may take none and compares by "
                            "price (not \"without\": \"never\", not \"compare\": \"own_cost\")");
        }
    }
    std::size_t combinations = 1;
    for (std::size_t g = 0; g < t.groups.size() && g < groupPaths.size(); ++g) {
        const AddonGroup& group = t.groups[g];
        if (group.addons.empty())
            (group.without == Without::Never ? c.error(groupPaths[g], "the group must take an add-on (\"without\": \"never\") but has none")
                                             : c.warning(groupPaths[g], "no add-on belongs to this group"));
    }
    for (const AddonGroup& group : t.groups) {
        combinations *= group.addons.size() + (group.without == Without::Never ? 0 : 1);
        combinations = std::min(combinations, kMaxCombinations + 1);
    }
    if (combinations > kMaxCombinations)
        c.error(o.at("groups"), "the add-ons give more than " + std::to_string(kMaxCombinations) +
                                    " combinations to price; merge or drop groups");

    if (const json* v = o.get("minimum_spend")) {
        Obj m(c, *v, o.at("minimum_spend"), {"amount", "counts"}, "an object with \"amount\"");
        if (const json* x = m.need("amount", "the minimum monthly spend")) readAmount(c, *x, m.at("amount"), t.minimum.amount);
        if (const json* x = m.get("counts")) readServices(c, *x, m.at("counts"), t.minimum.counts, true, &t.minimum.countsFees);
        else if (m.ok) {
            for (int s = 0; s < kServices; ++s) t.minimum.counts.push_back(static_cast<Service>(s));
        }
    }
    if (const json* v = o.get("direct_debit")) {
        Obj d(c, *v, o.at("direct_debit"), {"discount", "allowances"}, "an object with \"discount\" or \"allowances\"");
        if (const json* x = d.get("discount")) readAmount(c, *x, d.at("discount"), t.directDebit.discount);
        if (const json* x = d.get("allowances")) readAllowances(c, *x, d.at("allowances"), t.directDebit.allowances);
    }

    // Allowance ids and overlaps, over the tariff, direct debit and the add-ons.
    for (std::size_t i = 0; i < t.allowances.size(); ++i) {
        placed.push_back({&t.allowances[i], element(o.at("allowances"), i), -1, -1});
    }
    for (std::size_t i = 0; i < t.directDebit.allowances.size(); ++i)
        placed.push_back({&t.directDebit.allowances[i], element(member(o.at("direct_debit"), "allowances"), i), -1, -1});
    for (std::size_t a = 0; a < t.addons.size(); ++a)
        for (std::size_t i = 0; i < t.addons[a].allowances.size(); ++i)
            placed.push_back({&t.addons[a].allowances[i], element(member(addonPaths[a], "allowances"), i),
                              t.addons[a].group, static_cast<int>(a)});
    for (const Placed& p : placed) allowanceIds.emplace_back(p.a->id, p.path + ".id");
    checkIds(c, allowanceIds, "allowance");
    checkAllowances(c, placed);
}

// ---------------------------------------------------------------------------
// Parsing: a SAX handler that builds each tariff as a small document, checks
// it and drops it, so memory stays bounded by one tariff's text.

// An iterator over the text that leaves where the parser has read to.
struct CountingIt {
    using iterator_category = std::input_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;
    const char* p;
    const char** seen;
    reference operator*() const { return *p; }
    CountingIt& operator++() {
        *seen = ++p;
        return *this;
    }
    CountingIt operator++(int) {
        CountingIt old = *this;
        ++*this;
        return old;
    }
    friend bool operator==(const CountingIt& a, const CountingIt& b) { return a.p == b.p; }
    friend bool operator!=(const CountingIt& a, const CountingIt& b) { return a.p != b.p; }
};

class Reader : public nlohmann::json_sax<json> {
public:
    Reader(Ctx& c, std::string_view text) : c_(c), text_(text), seen_(text.data()) {}

    bool run() {
        CountingIt first{text_.data(), &seen_}, last{text_.data() + text_.size(), &seen_};
        const bool ok = json::sax_parse(first, last, this);
        if (!ok) return false;
        checkTop();
        return true;
    }

    bool null() override { return value(json()); }
    bool boolean(bool v) override { return value(json(v)); }
    bool number_integer(number_integer_t v) override { return value(json(v)); }
    bool number_unsigned(number_unsigned_t v) override { return value(json(v)); }
    bool number_float(number_float_t v, const string_t&) override { return value(json(v)); }
    bool string(string_t& v) override { return value(json(std::move(v))); }
    bool binary(binary_t&) override { return value(json()); }
    bool start_object(std::size_t) override { return open(json::object()); }
    bool start_array(std::size_t) override {
        // The top-level "tariffs" array is streamed: its elements are checked one by one.
        if (frames_.size() == 1 && frames_[0].node == &root_ && root_.is_object() && frames_[0].key == "tariffs") {
            if (!count()) return false;
            root_["tariffs"] = json::array();
            tariffsSeen_ = true;
            frames_.push_back({nullptr, true, 0, "", "tariffs"});
            return true;
        }
        return open(json::array());
    }
    bool key(string_t& k) override {
        Frame& f = frames_.back();
        if (f.node->contains(k)) {
            // At the key's opening quote: the parser has read up to its closing one.
            std::size_t open = static_cast<std::size_t>(seen_ - text_.data());
            open = open >= 2 ? open - 2 : 0;
            while (open > 0) {
                std::size_t backslashes = 0;
                while (backslashes < open && text_[open - 1 - backslashes] == '\\') ++backslashes;
                if (text_[open] == '"' && backslashes % 2 == 0) break;
                --open;
            }
            at(open, "key " + inQuotes(k) + " given twice in one object" + where(member(f.path, k)));
        }
        f.key = k;
        return true;
    }
    bool end_object() override { return close(); }
    bool end_array() override {
        if (frames_.back().stream) {
            frames_.pop_back();
            return true;
        }
        return close();
    }
    bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception& ex) override {
        std::string msg = ex.what();
        // "[json.exception.parse_error.101] parse error at line 1, column 2: syntax error while parsing ..."
        if (const auto p = msg.find(": ", msg.find("column")); msg.find("column") != std::string::npos && p != std::string::npos)
            msg = msg.substr(p + 2);
        else if (const auto q = msg.find("] "); q != std::string::npos)
            msg = msg.substr(q + 2);
        at(position > 0 ? position - 1 : 0, msg);
        return false;
    }

private:
    struct Frame {
        json* node;
        bool stream;
        std::size_t index;  // elements of the streamed array so far
        std::string key;    // the object's current key
        std::string path;   // the container's JSON path
    };

    // Position of the byte at `offset` as line and column (in characters).
    void at(std::size_t offset, std::string msg) {
        offset = std::min(offset, text_.size());
        int line = 1, column = 1;
        for (std::size_t i = 0; i < offset; ++i) {
            if (text_[i] == '\n') {
                ++line;
                column = 1;
            } else if ((static_cast<unsigned char>(text_[i]) & 0xC0) != 0x80) {
                ++column;
            }
        }
        c_.out.problems.push_back({Severity::Error, c_.file, "", line, column, std::move(msg)});
        c_.failed = true;
    }
    // At the last character read.
    void error(std::string msg) {
        const auto read = static_cast<std::size_t>(seen_ - text_.data());
        at(read > 0 ? read - 1 : 0, std::move(msg));
    }
    static std::string where(const std::string& path) { return path.empty() ? "" : " (" + path + ")"; }

    // The JSON path of the next value.
    std::string nextPath() const {
        if (frames_.empty()) return "";
        const Frame& f = frames_.back();
        if (f.stream) return element(f.path, f.index);
        if (f.node->is_array()) return element(f.path, f.node->size());
        return member(f.path, f.key);
    }

    bool count() {
        if (++values_ > kMaxValues) {
            error("more than " + std::to_string(kMaxValues) + " values; a tariff file holds at most that many");
            return false;
        }
        return true;
    }

    // Puts a finished or opened value where it belongs; returns where it went.
    json* place(json v) {
        if (frames_.empty()) {
            root_ = std::move(v);
            return &root_;
        }
        Frame& f = frames_.back();
        if (f.stream) {
            if (f.index >= kMaxTariffs) {
                error("more than " + std::to_string(kMaxTariffs) + " tariffs in one file");
                return nullptr;
            }
            element_ = std::move(v);
            return &element_;
        }
        if (f.node->is_array()) {
            f.node->push_back(std::move(v));
            return &f.node->back();
        }
        json& slot = (*f.node)[f.key];
        slot = std::move(v);
        return &slot;
    }

    bool value(json v) {
        if (!count()) return false;
        const bool intoStream = !frames_.empty() && frames_.back().stream;
        if (!place(std::move(v))) return false;
        if (intoStream) finishTariff();
        return true;
    }

    bool open(json v) {
        if (!count()) return false;
        if (static_cast<int>(frames_.size()) >= kMaxDepth) {
            error("nested deeper than " + std::to_string(kMaxDepth) + " levels");
            return false;
        }
        std::string path = nextPath();
        json* node = place(std::move(v));
        if (!node) return false;
        frames_.push_back({node, false, 0, "", std::move(path)});
        return true;
    }

    bool close() {
        frames_.pop_back();
        if (!frames_.empty() && frames_.back().stream) finishTariff();
        return true;
    }

    void finishTariff() {
        Frame& f = frames_.back();
        DataTariff t;
        t.file = c_.file;
        readTariff(c_, element_, element("tariffs", f.index), t);
        if (!t.id.empty()) c_.out.tariffs.push_back(std::move(t));
        element_ = json();
        ++f.index;
        tariffCount_ = f.index;
    }

    void checkTop() {
        Obj top(c_, root_, "", {"format", "tariffs"}, "an object with \"format\" and \"tariffs\"");
        if (!top.ok) return;
        if (const json* f = top.need("format", inQuotes(kFormat))) {
            if (!f->is_string() || f->get_ref<const std::string&>() != kFormat)
                c_.error("format", (f->is_string() ? inQuotes(f->get_ref<const std::string&>()) + " is not a format this program reads"
                                                   : "expected a string") +
                                       "; expected " + inQuotes(kFormat));
        }
        if (const json* t = top.need("tariffs", "an array of tariffs")) {
            if (!tariffsSeen_) c_.wrongType("tariffs", *t, "an array of tariffs");
            else if (tariffCount_ == 0) c_.error("tariffs", "empty; expected at least one tariff");
        }
    }

    Ctx& c_;
    std::string_view text_;
    const char* seen_;
    json root_;
    json element_;
    std::vector<Frame> frames_;
    std::size_t values_ = 0;
    bool tariffsSeen_ = false;
    std::size_t tariffCount_ = 0;
};

}  // namespace

void readTariffText(std::string_view text, const std::string& file, Catalogue& into, const ReadOptions& options) {
    Ctx c{into, file, options};
    if (text.size() > kMaxFileBytes) {
        c.error("", "larger than " + std::to_string(kMaxFileBytes) + " bytes; a tariff file is at most 16 MiB");
        return;
    }
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    const std::size_t before = into.tariffs.size();
    Reader r(c, text);
    r.run();
    if (c.failed) into.tariffs.resize(before);
    for (std::size_t i = before; i < into.tariffs.size(); ++i) into.tariffs[i].prepared = prepareTariff(into.tariffs[i]);
}

void readTariffFile(const std::string& path, Catalogue& into, const ReadOptions& options) {
    Ctx c{into, path, options};
    // A folder, a FIFO or a device is refused unread, and a large file after its limit.
    const SmallFile f = readSmallFile(path, kMaxFileBytes);
    switch (f.status) {
        case SmallFileStatus::Ok: return readTariffText(f.bytes, path, into, options);
        case SmallFileStatus::CannotOpen: return c.error("", std::string("cannot open: ") + std::strerror(f.error));
        case SmallFileStatus::NotRegular: return c.error("", "cannot read: not a regular file");
        case SmallFileStatus::TooLarge:
            return c.error("", "larger than " + std::to_string(kMaxFileBytes) + " bytes; a tariff file is at most 16 MiB");
        case SmallFileStatus::CannotRead: return c.error("", std::string("cannot read: ") + std::strerror(f.error));
    }
}

void finishCatalogue(Catalogue& c) {
    // Revisions of one id, in the order read.
    std::map<std::string_view, std::vector<const DataTariff*>> byId;
    for (const DataTariff& t : c.tariffs) byId[t.id].push_back(&t);
    std::set<std::string> failedFiles;
    for (const auto& [id, list] : byId)
        for (std::size_t i = 1; i < list.size(); ++i)
            for (std::size_t k = 0; k < i; ++k) {
                const DataTariff &a = *list[k], &b = *list[i];
                const std::string other = (a.file == b.file ? "" : a.file + " ") + a.path;
                if (a.revision == b.revision) {
                    c.problems.push_back({Severity::Error, b.file, b.path + ".revision", 0, 0,
                                          "tariff " + inQuotes(b.id) + " revision " + std::to_string(b.revision) +
                                              " is given twice; also at " + other});
                } else if (a.validFrom <= b.validTo && b.validFrom <= a.validTo) {
                    const Day day = std::max(a.validFrom, b.validFrom);
                    c.problems.push_back({Severity::Error, b.file, b.path + ".valid_from", 0, 0,
                                          "revision " + std::to_string(b.revision) + " of " + inQuotes(b.id) +
                                              " and revision " + std::to_string(a.revision) + " (" + other +
                                              ") are both valid on " +
                                              (day == kOpenStart ? std::string("every day before ") + formatDate(std::min(a.validTo, b.validTo)) : formatDate(day)) +
                                              "; revisions of one tariff may not overlap"});
                } else {
                    continue;
                }
                failedFiles.insert(b.file);
                break;
            }
    for (const Problem& p : c.problems)
        if (p.severity == Severity::Error) failedFiles.insert(p.file);
    std::erase_if(c.tariffs, [&](const DataTariff& t) { return failedFiles.count(t.file) > 0; });
}

Catalogue loadTariffFiles(const std::vector<std::string>& paths, const ReadOptions& options) {
    Catalogue c;
    for (const std::string& p : paths) readTariffFile(p, c, options);
    finishCatalogue(c);
    return c;
}

}  // namespace sazbar::catalogue
