// The tariff file reader: any bytes give problems or tariffs, never both an
// error and a usable tariff; every problem says where and what; every tariff
// read holds only amounts the format allows, and reading is repeatable. Every
// tariff read prices a quiet and a busy month, its items adding up exactly.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "catalogue/data_pricing.h"
#include "catalogue/reader.h"

namespace {

using namespace sazbar::catalogue;

[[noreturn]] void fail(const char* what, const std::string& detail = {}) {
    std::fprintf(stderr, "%s\n%s\n", what, detail.c_str());
    std::abort();
}

bool allowed(Amount a) { return a == kNoRate || (a >= 0 && a <= kMaxAmount); }

void checkRates(const Rates& r) {
    for (const auto& s : r.perBand)
        for (Amount a : s)
            if (!allowed(a)) fail("rate outside the format's amounts");
    for (const IntlRates* i : {&r.intl, &r.intlInternet}) {
        if (i->scheme < -1 || i->scheme >= sazbar::kSchemes) fail("scheme out of range");
        for (const auto& z : i->zone)
            for (Amount a : z)
                if (!allowed(a)) fail("zone rate outside the format's amounts");
        for (const CountryRate& c : i->countries)
            if (c.country < 0 || c.country >= sazbar::kCountries) fail("country out of range");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Catalogue c;
    readTariffText(text, "fuzz.json", c);
    for (const Problem& p : c.problems) {
        if (p.message.empty()) fail("problem without a message");
        if (p.file != "fuzz.json") fail("problem without its file");
        if (p.line < 0 || static_cast<std::size_t>(p.line) > size + 1) fail("line outside the text", p.text());
    }
    if (c.hasErrors() && !c.tariffs.empty()) fail("tariffs kept from a file with an error");
    for (const DataTariff& t : c.tariffs) {
        if (t.id.empty() || t.name.empty() || t.operatorName.empty()) fail("tariff without id, name or operator");
        if (t.validTo < t.validFrom) fail("validity ends before it starts");
        if (!allowed(t.fee) || !allowed(t.fixedAmount) || !allowed(t.minimum.amount) || !allowed(t.directDebit.discount))
            fail("amount outside the format's amounts");
        checkRates(t.rates);
        std::size_t combinations = 1;
        for (const AddonGroup& g : t.groups) {
            combinations *= g.addons.size() + (g.without == Without::Never ? 0 : 1);
            for (int a : g.addons)
                if (a < 0 || static_cast<std::size_t>(a) >= t.addons.size()) fail("group names a missing add-on");
        }
        if (combinations > kMaxCombinations) fail("more combinations than allowed");
        for (const Addon& a : t.addons) {
            if (a.group < 0 || static_cast<std::size_t>(a.group) >= t.groups.size()) fail("add-on without its group");
            checkRates(a.rates);
        }
    }
    sazbar::Profile busy;
    for (auto& band : busy.matrix) band.fill(70);
    busy.wap = {30, 20, 10, 5};
    busy.gprsWap = 4000;
    busy.gprsNet = 25000;
    busy.intl[0] = {0, 12, 5, 9};
    busy.intl[2] = {33, 3, 0, 4};
    for (std::size_t i = 0; i < c.tariffs.size() && i < 8; ++i)
        for (const sazbar::Profile& month : {sazbar::Profile{}, busy}) {
            for (bool debit : {false, true}) {
                const DataResult r = priceDataTariff(c.tariffs[i], month, {.directDebit = debit});
                sazbar::Breakdown b;
                itemiseDataTariff(c.tariffs[i], month, {.directDebit = debit}, b);
                if (!(b.total == r.total) || b.shown != r.price) fail("breakdown and price differ", c.tariffs[i].id);
                if (!(b.itemSum() == b.total)) fail("items do not add up to the price", c.tariffs[i].id);
            }
        }
    Catalogue again;
    readTariffText(text, "fuzz.json", again);
    if (again.problems.size() != c.problems.size() || again.tariffs.size() != c.tariffs.size())
        fail("reading the same text twice differs");
    return 0;
}
