#include "pricing/engine.h"

#include <algorithm>

#include "core/textnum.h"
#include "pricing/marks.h"
#include "pricing/tariff_common.h"

namespace sazbar {

std::string_view operatorName(Operator op) {
    switch (op) {
        case Operator::TMobile: return "T-Mobile";
        case Operator::Eurotel: return "Eurotel";
        case Operator::Oskar: return "Oskar";
        case Operator::FixedLine: return "Český Telecom";
    }
    return "";
}

namespace {
constexpr Operator TM = Operator::TMobile;
constexpr Operator ET = Operator::Eurotel;
constexpr Operator OS = Operator::Oskar;
}  // namespace

const std::array<TariffInfo, kTariffCount> kTariffs = {{
    {"t30", TM, "T 30"},
    {"t80", TM, "T 80"},
    {"t250", TM, "T 250"},
    {"t600", TM, "T 600"},
    {"hit30", TM, "T 30 +HIT"},
    {"hit80", TM, "T 80 +HIT"},
    {"hit250", TM, "T 250 +HIT"},
    {"hit600", TM, "T 600 +HIT"},
    {"tarif20p20", TM, "Tarif 20+20"},
    {"twist_standard", TM, "Twist standard"},
    {"twist_sms", TM, "Twist SMS"},
    {"twist_extra", TM, "Twist extra"},
    {"twist_home", TM, "Twist home"},
    {"student", TM, "Student"},
    {"internet", TM, "Internet"},
    {"internethit", TM, "Internet +HIT"},
    {"sms", ET, "SMS"},
    {"sms_max", ET, "SMS max"},
    {"bronz", ET, "Bronz"},
    {"bronz_max", ET, "Bronz max"},
    {"silver", ET, "Silver"},
    {"silver_max", ET, "Silver max"},
    {"gold", ET, "Gold"},
    {"gold_max", ET, "Gold max"},
    {"platinum", ET, "Platinum"},
    {"platinum_max", ET, "Platinum max"},
    {"diamant", ET, "Diamant"},
    {"diamant_max", ET, "Diamant max"},
    {"start", ET, "Start"},
    {"pohoda", ET, "Pohoda"},
    {"individual_wapmi", ET, "Individual"},
    {"smsdata", ET, "SMS/Data"},
    {"originalgo", ET, "Original GO"},
    {"quatrogo", ET, "Quatro GO"},
    {"fungo", ET, "Fun GO"},
    {"tipbusiness", ET, "Tip Business"},
    {"tiprelax", ET, "Tip Relax"},
    {"tipakord", ET, "Tip Akord"},
    {"naplno50", OS, "50 naplno"},
    {"naplno150", OS, "150 naplno"},
    {"naplno300", OS, "300 naplno"},
    {"naplno500", OS, "500 naplno"},
    {"naplnorozjezd", OS, "Rozjezd naplno"},
    {"mezinami", OS, "Mezi námi"},
    {"odepis", OS, "Odepiš"},
    {"oskarta", OS, "Oskarta"},
    {"najistotu", OS, "Na jistotu"},
    {"nazisk", OS, "Na zisk"},
    {"telecom", Operator::FixedLine, "Telefon Standard"},
}};

int tariffIndex(std::string_view id) {
    for (int i = 0; i < kTariffCount; ++i)
        if (kTariffs[i].id == id) return i;
    return -1;
}

const TariffResult& RunResult::operator[](std::string_view id) const {
    const int i = tariffIndex(id);
    return fields.at(static_cast<std::size_t>(i < 0 ? kTariffCount : i));
}

void runPricing(const Profile& profile, const RunOptions& options, RunResult& out) {
    const Usage u = aggregate(profile);
    out.totalCallMinutes = u.totalCallMinutes;
    for (TariffResult& f : out.fields) {
        f.priced = f.unsupported = f.cheapest = false;
        f.price = 0;
        f.hint.clear();
    }
    std::span<TariffResult> all(out.fields);
    priceTMobile(u, all.subspan(kFirstTMobile, kFirstEurotel - kFirstTMobile));
    priceEurotel(u, all.subspan(kFirstEurotel, kFirstOskar - kFirstEurotel));
    priceOskar(u, options, all.subspan(kFirstOskar, kTelecomIndex - kFirstOskar));
    priceFixedLine(u, out.fields[kTelecomIndex]);
    // The run ends with the cheapest mark; the unsupported check follows and the
    // window marks the cheapest once more. Only fields that never take part in
    // the mark can become unsupported, so one mark after the check is the same.
    markUnsupported(profile, out);
    markCheapest(out);
}

RunResult runPricing(const Profile& profile, const RunOptions& options) {
    RunResult r;
    runPricing(profile, options, r);
    return r;
}

}  // namespace sazbar
