#include "import/rules.h"

#include <algorithm>
#include <charconv>

#include "import/calendar.h"

namespace sazbar::import {

namespace {

constexpr std::array<std::string_view, kBands> kBandNames = {"Špička", "Odpoledne", "Večer", "Víkend"};
constexpr std::string_view kUnclassified = "nezařazeno";

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// Splits off the first word of `s`.
std::string_view word(std::string_view& s) {
    s = trim(s);
    const auto end = s.find_first_of(" \t");
    const std::string_view w = s.substr(0, end);
    s = end == std::string_view::npos ? std::string_view{} : trim(s.substr(end));
    return w;
}

bool digits(std::string_view s) {
    return !s.empty() && s.size() <= 15 && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool integer(std::string_view s, int& v) {
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    return r.ec == std::errc() && r.ptr == s.data() + s.size();
}

// The longest prefix of `number` among `rules`, or nullptr.
const Rules::Prefix* longest(const std::vector<Rules::Prefix>& rules, std::string_view number) {
    const Rules::Prefix* best = nullptr;
    for (const Rules::Prefix& r : rules)
        if (!number.empty() && r.digits[0] == number[0] && number.starts_with(r.digits) && (!best || r.digits.size() > best->digits.size())) best = &r;
    return best;
}

// Length of an international calling code from its first digits (ITU-T E.164):
// 1 and 7 alone, a fixed set of two-digit codes, three digits otherwise.
int codeLength(std::string_view d) {
    if (d.empty()) return 0;
    if (d[0] == '1' || d[0] == '7') return 1;
    if (d.size() < 2) return static_cast<int>(d.size());
    static constexpr std::string_view kTwo[] = {"20", "27", "30", "31", "32", "33", "34", "36", "39", "40", "41",
                                                "43", "44", "45", "46", "47", "48", "49", "51", "52", "53", "54",
                                                "55", "56", "57", "58", "60", "61", "62", "63", "64", "65", "66",
                                                "81", "82", "84", "86", "90", "91", "92", "93", "94", "95", "98"};
    for (std::string_view t : kTwo)
        if (d.starts_with(t)) return 2;
    return std::min<int>(3, static_cast<int>(d.size()));
}

int leadingCode(std::string_view d) {
    int v = 0;
    integer(d.substr(0, static_cast<std::size_t>(codeLength(d))), v);
    return v;
}

}  // namespace

std::string_view bandName(Band b) { return kBandNames[b]; }

std::string_view destName(Dest d) {
    switch (d) {
        case Dest::FixedLine: return "Pevná linka";
        case Dest::TMobile: return "T-Mobile";
        case Dest::Eurotel: return "Eurotel";
        case Dest::Oskar: return "Oskar";
        case Dest::VoiceMail: return "Hlasová schránka";
        case Dest::Foreign: return "zahraničí";
        case Dest::Unclassified: break;
    }
    return kUnclassified;
}

Classified Rules::classify(std::string_view number) const {
    // Digits only, without the usual separators; "+" only in front.
    char buf[32];
    std::size_t n = 0;
    bool plus = false, any = false;
    for (char c : number) {
        if (c == ' ' || c == '-' || c == '(' || c == ')' || c == '/' || c == '.' || c == '\t') continue;
        any = true;
        if (c == '+' && n == 0 && !plus) {
            plus = true;
        } else if (c >= '0' && c <= '9' && n < sizeof buf) {
            buf[n++] = c;
        } else {
            return {Dest::Unclassified, -1, Unfit::NotANumber, 0};
        }
    }
    // Withheld numbers come as "-1", "-2" or an empty text.
    if (!any || n == 0 || (number.size() <= 2 && number.starts_with('-')))
        return {Dest::Unclassified, -1, Unfit::NoNumber, 0};
    std::string_view d(buf, n);
    bool foreign = plus;
    if (!plus && d.starts_with("00")) {
        foreign = true;
        d.remove_prefix(2);
    }
    if (foreign) {
        if (d.starts_with("420")) {
            d.remove_prefix(3);
        } else {
            if (d.empty()) return {Dest::Unclassified, -1, Unfit::NotANumber, 0};
            const Prefix* p = longest(countries, d);
            if (!p) return {Dest::Unclassified, -1, Unfit::CountryCode, leadingCode(d)};
            if (p->target < 0) return {Dest::Unclassified, -1, Unfit::CountryExcluded, leadingCode(d)};
            return {Dest::Foreign, p->target, Unfit::None, 0};
        }
    }
    if (!foreign && std::find(voicemail.begin(), voicemail.end(), d) != voicemail.end())
        return {Dest::VoiceMail, -1, Unfit::None, 0};
    if (static_cast<int>(d.size()) != nationalLength)
        return {Dest::Unclassified, -1, Unfit::DomesticLength, static_cast<int>(d.size())};
    if (d[0] == '0' || d[0] == '1') return {Dest::Unclassified, -1, Unfit::DomesticForm, 0};
    if (const Prefix* p = longest(networks, d)) return {static_cast<Dest>(p->target), -1, Unfit::None, 0};
    return {Dest::FixedLine, -1, Unfit::None, 0};
}

bool Rules::holiday(int year, int month, int day) const {
    if (holidays.empty()) return false;
    const std::int64_t days = daysFromCivil(year, month, day);
    for (const Holiday& h : holidays) {
        if (h.fromYear && year < h.fromYear) continue;
        if (h.easter ? days == easterSunday(year) + h.offset : (h.month == month && h.day == day)) return true;
    }
    return false;
}

bool Rules::offDay(int year, int month, int day) const {
    return weekday(daysFromCivil(year, month, day)) >= 5 || holiday(year, month, day);
}

Band Rules::band(int year, int month, int day, int hour, int minute) const {
    return offDay(year, month, day) ? Weekend : weekdayBand(hour, minute);
}

Band Rules::weekdayBand(int hour, int minute) const {
    const int at = hour * 60 + minute;
    Band b = Evening;
    for (const auto& [from, band] : weekdayBands)
        if (at >= from) b = band;
    return b;
}

bool parseRules(std::string_view text, Rules& out, std::string& error) {
    Rules r;
    r.networks.clear();
    int line = 0;
    auto fail = [&](const std::string& what) {
        error = "line " + std::to_string(line) + ": " + what;
        return false;
    };
    while (!text.empty()) {
        ++line;
        const auto nl = text.find('\n');
        std::string_view s = text.substr(0, nl);
        text.remove_prefix(nl == std::string_view::npos ? text.size() : nl + 1);
        if (const auto hash = s.find('#'); hash != std::string_view::npos) s = s.substr(0, hash);
        const std::string_view key = word(s);
        if (key.empty()) continue;
        if (key == "national-length") {
            if (!integer(s, r.nationalLength) || r.nationalLength < 3 || r.nationalLength > 15)
                return fail("national-length needs a number of digits from 3 to 15");
        } else if (key == "mobile") {
            const std::string_view prefix = word(s);
            static constexpr std::pair<std::string_view, Dest> kNets[] = {
                {"T-Mobile", Dest::TMobile}, {"Eurotel", Dest::Eurotel}, {"Oskar", Dest::Oskar},
                {"Pevná linka", Dest::FixedLine}};
            const auto it = std::find_if(std::begin(kNets), std::end(kNets), [&](auto& p) { return p.first == s; });
            if (!digits(prefix) || it == std::end(kNets))
                return fail("mobile needs a prefix of digits and T-Mobile, Eurotel, Oskar or Pevná linka");
            r.networks.push_back({std::string(prefix), static_cast<int>(it->second)});
        } else if (key == "voicemail") {
            if (!digits(s)) return fail("voicemail needs a number of digits");
            r.voicemail.emplace_back(s);
        } else if (key == "country") {
            const std::string_view code = word(s);
            int index = -2;
            if (s == kUnclassified) index = -1;
            for (int i = 0; i < kCountries; ++i)
                if (kCountryNames[static_cast<std::size_t>(i)] == s) index = i;
            if (!digits(code) || code.size() > 6 || index == -2)
                return fail("country needs a calling code and a country of the list or \"nezařazeno\"");
            r.countries.push_back({std::string(code), index});
        } else if (key == "weekday") {
            const std::string_view at = word(s);
            int h = -1, m = -1;
            const auto colon = at.find(':');
            const auto band = std::find(kBandNames.begin(), kBandNames.begin() + Weekend, s);
            if (colon == std::string_view::npos || !integer(at.substr(0, colon), h) ||
                !integer(at.substr(colon + 1), m) || at.size() - colon != 3 || h < 0 || h > 23 || m < 0 || m > 59 ||
                band == kBandNames.begin() + Weekend)
                return fail("weekday needs a time HH:MM and Špička, Odpoledne or Večer");
            const int from = h * 60 + m;
            if (!r.weekdayBands.empty() && from <= r.weekdayBands.back().first) return fail("weekday times must rise");
            if (r.weekdayBands.empty() && from != 0) return fail("the first weekday time must be 00:00");
            r.weekdayBands.push_back({from, static_cast<Band>(band - kBandNames.begin())});
        } else if (key == "holiday") {
            const std::string_view date = word(s);
            Rules::Holiday h;
            if (date.starts_with("easter")) {
                std::string_view off = date.substr(6);
                if (off.starts_with('+')) off.remove_prefix(1);
                h.easter = true;
                if (!off.empty() && (!integer(off, h.offset) || h.offset < -60 || h.offset > 60))
                    return fail("holiday easter needs an offset of days, as in easter-2 or easter+1");
            } else if (date.size() != 5 || date[2] != '-' || !integer(date.substr(0, 2), h.month) ||
                       !integer(date.substr(3), h.day) || !validDate(2000, h.month, h.day)) {
                return fail("holiday needs a date MM-DD or easter+N");
            }
            if (!s.empty()) {
                if (word(s) != "from" || !integer(s, h.fromYear) || h.fromYear < 1900 || h.fromYear > 9999)
                    return fail("holiday: after the date only \"from YEAR\"");
            }
            r.holidays.push_back(h);
        } else {
            return fail("unknown rule '" + std::string(key.substr(0, 40)) + "'");
        }
    }
    if (r.weekdayBands.empty()) r.weekdayBands = {{0, Evening}};
    out = std::move(r);
    return true;
}

const Rules& defaultRules() {
    static const Rules rules = [] {
        Rules r;
        std::string error;
        parseRules(defaultRulesText(), r, error);
        return r;
    }();
    return rules;
}

}  // namespace sazbar::import
