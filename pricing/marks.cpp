#include "pricing/marks.h"

#include <string>


namespace sazbar {

// "naplnorozjezd" walks right after "naplno500": leaving it out would mark
// another tariff cheapest while "Rozjezd naplno" costs less.
const std::array<std::string_view, 44> kCheapestWalk = {
    "t30",        "t80",          "t250",        "t600",         "twist_sms",  "twist_standard",
    "twist_extra", "hit30",       "hit80",       "hit250",       "hit600",     "tarif20p20",
    "student",    "twist_home",   "internet",    "internethit",  "sms",        "bronz",
    "silver",     "gold",         "platinum",    "diamant",      "sms_max",    "bronz_max",
    "silver_max", "gold_max",     "platinum_max", "diamant_max", "start",      "quatrogo",
    "fungo",      "originalgo",   "individual_wapmi", "pohoda",  "naplno50",   "naplno150",
    "naplno300",  "naplno500",    "naplnorozjezd", "odepis",     "mezinami",   "oskarta",
    "nazisk",     "najistotu",
};

namespace {

// The Tip tariffs carry calls and SMS only.
constexpr int kTipTariffs[] = {35, 36, 37};

bool anyAboveZero(const std::array<std::int32_t, kBands>& v) {
    for (std::int32_t x : v)
        if (x > 0) return true;
    return false;
}

}  // namespace

void markUnsupported(const Profile& p, RunResult& r) {
    for (TariffResult& f : r.fields) f.unsupported = false;
    std::array<std::int32_t, kBands> data{};
    for (int b = 0; b < kBands; ++b) data[b] = p.matrix[b][Data];
    const bool checks[] = {anyAboveZero(data), anyAboveZero(p.wap), p.matrix[kMms][Messages] > 0,
                           p.gprsWap > 0 || p.gprsNet > 0};
    static constexpr std::string_view lines[] = {"nepodporuje datové přenosy", "nepodporuje WAP",
                                                 "nepodporuje MMS", "nepodporuje GPRS"};
    // Each check's line goes in front of the hint, so the last check's line
    // ends up first. The data line never reaches the fixed line.
    char buf[160];
    std::size_t n = 0, telecomLength = 0;
    for (int c = 3; c >= 0; --c) {
        if (!checks[c]) continue;
        for (std::string_view part : {lines[c], kLineBreak}) {
            part.copy(buf + n, part.size());
            n += part.size();
        }
        if (c > 0) telecomLength = n;
    }
    if (n > 0) {
        for (int t : kTipTariffs) {
            TariffResult& f = r.fields[static_cast<std::size_t>(t)];
            f.unsupported = true;
            f.hint.insert(0, buf, n);
        }
    }
    TariffResult& tel = r.fields[kTelecomIndex];
    if (telecomLength > 0) {
        tel.unsupported = true;
        tel.hint.insert(0, buf, telecomLength);
    }
    if (p.internetCalls) tel.unsupported = true;
}

void markCheapest(RunResult& r) {
    static const auto walk = [] {
        std::array<int, kCheapestWalk.size()> idx{};
        for (std::size_t i = 0; i < idx.size(); ++i) idx[i] = tariffIndex(kCheapestWalk[i]);
        return idx;
    }();
    for (TariffResult& f : r.fields) f.cheapest = false;
    // The prices are read back from the field texts, as the window shows them.
    std::array<std::int32_t, kCheapestWalk.size()> value{};
    std::int32_t minimum = 999999;
    for (std::size_t i = 0; i < walk.size(); ++i) {
        const TariffResult& f = r.fields[static_cast<std::size_t>(walk[i])];
        if (!f.priced || f.unsupported) continue;
        value[i] = f.shownValue();
        if (value[i] < minimum) minimum = value[i];
    }
    for (std::size_t i = 0; i < walk.size(); ++i) {
        TariffResult& f = r.fields[static_cast<std::size_t>(walk[i])];
        if (f.priced && !f.unsupported && value[i] == minimum) f.cheapest = true;
    }
}

}  // namespace sazbar
