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
    priceTMobile(u, out.fields);
    priceEurotel(u, out.fields);
    priceOskar(u, options, out.fields);
    priceFixedLine(u, out.fields);
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
