#include "catalogue/data_pricing.h"

#include "catalogue/data_month.h"
#include "catalogue/prepared.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <optional>

#include "core/textnum.h"
#include "pricing/itemiser.h"
#include "pricing/marks.h"
#include "pricing/tariffs.h"

namespace sazbar::catalogue {

namespace {

using detail::bandService;
using detail::kIntlCells;
using detail::Month;

}  // namespace

namespace detail {

Month monthOf(const Usage& u, const RunOptions& o) {
    const Profile& p = *u.profile;
    Month m;
    constexpr Row kCallRows[] = {FixedLine, TMobile, Eurotel, Oskar, VoiceMail};
    for (int b = 0; b < kBands; ++b) {
        for (int s = CallFixed; s <= CallVoiceMail; ++s) m.q[static_cast<std::size_t>(s)][b] = p.matrix[b][kCallRows[s]];
        m.q[DataMinutes][b] = p.matrix[b][Data];
        m.q[WapMinutes][b] = p.wap[b];
    }
    m.q[SmsTMobile][0] = u.smsTm();
    m.q[SmsEurotel][0] = u.smsEt();
    m.q[SmsOskar][0] = u.smsOsk();
    m.q[Mms][0] = u.mms();
    m.q[GprsWap][0] = u.gprsWap();
    m.q[GprsInternet][0] = u.gprsNet();
    for (int r = 0; r < kIntlRows; ++r) {
        const IntlRow& row = p.intl[static_cast<std::size_t>(r)];
        const bool known = row.country >= 0 && row.country < kCountries;
        m.country[static_cast<std::size_t>(r)] = known ? row.country : -1;
        m.intl[static_cast<std::size_t>(r * 3)] = known ? row.peak : 0;
        m.intl[static_cast<std::size_t>(r * 3 + 1)] = known ? row.afternoon : 0;
        m.intl[static_cast<std::size_t>(r * 3 + 2)] = known ? row.eveningWeekend : 0;
    }
    m.internetCalls = p.internetCalls;
    m.directDebit = o.directDebit;
    return m;
}

}  // namespace detail

namespace {

using detail::monthOf;

// International rates in effect: one scheme with its zone and country rates.
struct EffectiveIntl {
    int scheme = -1;
    std::array<std::array<Amount, kIntlBands>, kZones> zone;
    std::array<std::array<Amount, kIntlBands>, kCountries> country;
    EffectiveIntl() {
        for (auto& z : zone) z.fill(kNoRate);
        for (auto& c : country) c.fill(kNoRate);
    }
    void apply(const IntlRates& r) {
        if (r.scheme >= 0) scheme = r.scheme;
        for (std::size_t z = 0; z < zone.size(); ++z)
            for (std::size_t b = 0; b < kIntlBands; ++b)
                if (r.zone[z][b] != kNoRate) zone[z][b] = r.zone[z][b];
        for (const CountryRate& c : r.countries) country[static_cast<std::size_t>(c.country)] = c.rate;
    }
    Amount rate(int countryIndex, int band) const {
        const Amount c = country[static_cast<std::size_t>(countryIndex)][static_cast<std::size_t>(band)];
        if (c != kNoRate || scheme < 0) return c;
        const int z = kZoneTable[static_cast<std::size_t>(scheme)][static_cast<std::size_t>(countryIndex)];
        return zone[static_cast<std::size_t>(z - 1)][static_cast<std::size_t>(band)];
    }
};

struct Effective {
    std::array<std::array<Amount, kBands>, kBandServices> rate;
    EffectiveIntl intl, internet;
    bool hasInternet = false;
    bool internetUnsupported = false;

    void apply(const Rates& r) {
        for (std::size_t s = 0; s < rate.size(); ++s)
            for (std::size_t b = 0; b < kBands; ++b)
                if (r.perBand[s][b] != kNoRate) rate[s][b] = r.perBand[s][b];
        intl.apply(r.intl);
        internet.apply(r.intlInternet);
        hasInternet |= r.intlInternet.scheme >= 0;
        internetUnsupported = (internetUnsupported && r.intlInternet.scheme < 0) || r.internetCallsUnsupported;
    }
};

using detail::kInternetCallsBit;

// Charges of the month at the rates in effect, before allowances.
struct Charges {
    std::array<std::array<i128, kBands>, kBandServices> cell{};
    std::array<Amount, kIntlCells> intlRate{};
    std::array<i128, kIntlCells> intl{};
    std::uint16_t missing = 0;  // bit per Service in use without a rate
};

Charges chargesOf(const Month& m, const Effective& e) {
    Charges c;
    for (std::size_t s = 0; s < kBandServices; ++s)
        for (std::size_t b = 0; b < kBands; ++b) {
            const std::int64_t q = m.q[s][b];
            if (q == 0) continue;
            const Amount r = e.rate[s][b];
            if (r == kNoRate) c.missing = static_cast<std::uint16_t>(c.missing | (1u << s));
            else c.cell[s][b] = i128{q} * r;
        }
    if (m.internetCalls && e.internetUnsupported) c.missing = static_cast<std::uint16_t>(c.missing | (1u << kInternetCallsBit));
    const EffectiveIntl& part = m.internetCalls && e.hasInternet ? e.internet : e.intl;
    for (int i = 0; i < kIntlCells; ++i) {
        const std::int64_t q = m.intl[static_cast<std::size_t>(i)];
        if (q == 0) continue;
        const Amount r = part.rate(m.country[static_cast<std::size_t>(i / 3)], i % 3);
        c.intlRate[static_cast<std::size_t>(i)] = r;
        if (r == kNoRate) c.missing = static_cast<std::uint16_t>(c.missing | (1u << International));
        else c.intl[static_cast<std::size_t>(i)] = i128{q} * r;
    }
    return c;
}

// A covered cell: a service and band, or (International) an international cell.
struct Cell {
    Service s;
    int b;
};

template <class F>
void forCovered(const Allowance& a, F&& f) {
    for (Service s : a.covers) {
        if (s == International) {
            for (int i = 0; i < kIntlCells; ++i) f(Cell{s, i});
        } else if (bandService(s)) {
            for (int b = 0; b < kBands; ++b)
                if (a.bands & (1u << b)) f(Cell{s, b});
        } else {
            f(Cell{s, 0});
        }
    }
}

i128 chargeOf(const Charges& ch, Cell c) {
    return c.s == International ? ch.intl[static_cast<std::size_t>(c.b)] : ch.cell[c.s][static_cast<std::size_t>(c.b)];
}
std::int64_t quantityOf(const Month& m, Cell c) {
    return c.s == International ? m.intl[static_cast<std::size_t>(c.b)] : m.q[c.s][static_cast<std::size_t>(c.b)];
}
Amount rateOf(const Charges& ch, const Effective& e, Cell c) {
    const Amount r = c.s == International ? ch.intlRate[static_cast<std::size_t>(c.b)] : e.rate[c.s][static_cast<std::size_t>(c.b)];
    return r == kNoRate ? 0 : r;
}

// Units (or crowns) of an allowance that is not spread in proportion, taken
// from the cells it covers one after another: calls cut(cell, amount taken off
// its charge) and returns the units left.
template <class F>
i128 takeUnits(const Allowance& a, std::int64_t amount, const Month& m, const Charges& ch, const Effective& e, F&& cut) {
    std::vector<Cell> cells;
    forCovered(a, [&](Cell c) { cells.push_back(c); });
    if (a.consume == Consume::MostExpensiveFirst)
        std::stable_sort(cells.begin(), cells.end(), [&](Cell x, Cell y) { return rateOf(ch, e, x) > rateOf(ch, e, y); });
    i128 left = amount;
    for (Cell c : cells) {
        if (left <= 0) break;
        i128 take;
        if (a.unit == Unit::Crowns) {
            take = std::clamp<i128>(chargeOf(ch, c), 0, left);
            left -= take;
        } else {
            const i128 units = std::clamp<i128>(quantityOf(m, c), 0, left);
            left -= units;
            take = units * rateOf(ch, e, c);
        }
        cut(c, take);
    }
    return left;
}

// What one allowance alone takes off the charges it covers.
Money cutOf(const Allowance& a, const Month& m, const Charges& ch, const Effective& e) {
    if (a.consume == Consume::Proportional && a.unit != Unit::Crowns) {
        std::int64_t covered = 0;
        i128 cost = 0;
        forCovered(a, [&](Cell c) {
            covered += quantityOf(m, c);
            cost += chargeOf(ch, c);
        });
        const Share share = paidShare(covered, a.amount);
        return moneyDifference(toMoney(cost), Money::scaled(cost, Share{share.num, share.den * 10}));
    }
    i128 total = 0;
    takeUnits(a, a.amount, m, ch, e, [&](Cell, i128 take) { total += take; });
    return toMoney(total);
}

constexpr std::string_view kIntlBandLabel[kIntlBands] = {"špička", "odpoledne", "večer a víkend"};

struct ServiceLabel {
    ItemKind kind;
    std::string_view label, unit;
};
constexpr ServiceLabel kLabels[kBandServices] = {
    {ItemKind::Call, "Volání na pevnou linku", "min"},  {ItemKind::Call, "Volání do sítě T-Mobile", "min"},
    {ItemKind::Call, "Volání do sítě Eurotel", "min"},  {ItemKind::Call, "Volání do sítě Oskar", "min"},
    {ItemKind::Call, "Hlasová schránka", "min"},        {ItemKind::Message, "SMS do sítě T-Mobile", "SMS"},
    {ItemKind::Message, "SMS do sítě Eurotel", "SMS"},  {ItemKind::Message, "SMS do sítě Oskar", "SMS"},
    {ItemKind::Message, "MMS", "MMS"},                  {ItemKind::Data, "Data (CSD)", "min"},
    {ItemKind::Data, "WAP", "min"},                     {ItemKind::Data, "GPRS WAP", "kB"},
    {ItemKind::Data, "GPRS internet", "kB"},
};

// q x rate as an item: with its rate where the rate fits the thousandths of
// the breakdown, else as an amount.
template <class S, class... P>
void rateItem(S& s, ItemKind kind, std::int64_t q, std::string_view unit, Amount rate, const P&... label) {
    if constexpr (S::on) {
        if (q == 0) return;
        if (rate % 10 == 0) s.item(kind, q, unit, rate / 10, label...);
        else s.lump(kind, toMoney(i128{q} * rate), label..., " (", Num{q}, " ", unit, ")");
    }
}

// The add-ons taken: one entry per group, -1 for none.
using Combination = std::vector<int>;

struct Priced {
    Money total;
    std::uint16_t missing = 0;
};

class Pricer {
public:
    Pricer(const DataTariff& t, const Month& m) : m_t(t), m_month(m) {}

    Effective effective(const Combination& c) const {
        Effective e;
        for (auto& r : e.rate) r.fill(kNoRate);
        e.apply(m_t.rates);
        for (int a : c)
            if (a >= 0) e.apply(m_t.addons[static_cast<std::size_t>(a)].rates);
        return e;
    }

    template <class S>
    Priced price(const Combination& combo, S& s) const {
        const Effective e = effective(combo);
        const Charges ch = chargesOf(m_month, e);
        if constexpr (S::on) itemiseCharges(ch, e, s);

        // Allowances in effect, merged into pools.
        std::vector<std::pair<const Allowance*, std::int64_t>> pools;
        auto add = [&](const std::vector<Allowance>& list) {
            for (const Allowance& a : list) {
                auto it = std::find_if(pools.begin(), pools.end(), [&](const auto& p) { return samePool(*p.first, a); });
                if (it == pools.end()) pools.emplace_back(&a, a.amount);
                else it->second += a.amount;
            }
        };
        add(m_t.allowances);
        if (m_month.directDebit) add(m_t.directDebit.allowances);
        for (int a : combo)
            if (a >= 0) add(m_t.addons[static_cast<std::size_t>(a)].allowances);

        // What each cell pays after its allowance: its charge less `cut`, or
        // (in a proportional pool) its charge at the pool's share.
        std::array<std::array<i128, kBands>, kBandServices> cut{};
        std::array<i128, kIntlCells> intlCut{};
        std::array<std::array<int, kBands>, kBandServices> poolOf;
        for (auto& p : poolOf) p.fill(-1);
        std::array<int, kIntlCells> intlPoolOf;
        intlPoolOf.fill(-1);
        std::vector<Share> shares(pools.size(), kWholeShare);

        auto charge = [&](Cell c) { return chargeOf(ch, c); };
        Money pooled;
        i128 rest = 0;  // charges outside proportional pools, less their cuts
        for (std::size_t s = 0; s < kBandServices; ++s)
            for (std::size_t b = 0; b < kBands; ++b) rest += ch.cell[s][b];
        for (i128 v : ch.intl) rest += v;

        for (std::size_t p = 0; p < pools.size(); ++p) {
            const Allowance& a = *pools[p].first;
            const std::int64_t amount = pools[p].second;
            if (a.consume == Consume::Proportional && a.unit != Unit::Crowns) {
                std::int64_t covered = 0;
                i128 cost = 0;
                forCovered(a, [&](Cell c) {
                    covered += quantityOf(m_month, c);
                    cost += charge(c);
                    if (c.s == International) intlPoolOf[static_cast<std::size_t>(c.b)] = static_cast<int>(p);
                    else poolOf[c.s][static_cast<std::size_t>(c.b)] = static_cast<int>(p);
                });
                const Share share = paidShare(covered, amount);
                shares[p] = share;
                const Money paid = Money::scaled(cost, Share{share.num, share.den * 10});
                pooled += paid;
                rest -= cost;
                if constexpr (S::on) {
                    const std::int64_t used = covered < amount ? std::max<std::int64_t>(covered, 0) : amount;
                    s.lump(ItemKind::Discount, moneyDifference(paid, toMoney(cost)), unitLabel(a.unit), " \"", a.id,
                           "\" (", Num{used}, " z ", Num{std::max<std::int64_t>(covered, 0)}, ")");
                }
                continue;
            }
            // Units (or crowns) taken from the cells one after another.
            i128 total = 0;
            const i128 left = takeUnits(a, amount, m_month, ch, e, [&](Cell c, i128 take) {
                (c.s == International ? intlCut[static_cast<std::size_t>(c.b)] : cut[c.s][static_cast<std::size_t>(c.b)]) += take;
                total += take;
            });
            rest -= total;
            if constexpr (S::on) {
                if (a.unit == Unit::Crowns) s.lump(ItemKind::Discount, toMoney(-total), "Kredit \"", a.id, "\"");
                else s.lump(ItemKind::Discount, toMoney(-total), unitLabel(a.unit), " \"", a.id, "\" (", Num{static_cast<std::int64_t>(amount - left)}, ")");
            }
        }

        i128 fees = m_t.fee + m_t.fixedAmount;
        if constexpr (S::on) {
            s.lump(ItemKind::Fee, toMoney(m_t.fee), "Měsíční poplatek");
            s.lump(ItemKind::Surcharge, toMoney(m_t.fixedAmount), "Pevná částka");
        }
        for (int a : combo) {
            if (a < 0) continue;
            const Addon& addon = m_t.addons[static_cast<std::size_t>(a)];
            fees += addon.fee;
            if constexpr (S::on) s.lump(ItemKind::Package, toMoney(addon.fee), addon.name);
        }
        Money total = pooled + toMoney(rest + fees);

        if (m_t.minimum.amount > 0) {
            // What counts toward the minimum, after allowances.
            i128 counted = m_t.minimum.countsFees ? fees : 0;
            std::vector<i128> pooledCounted(pools.size(), 0);
            auto count = [&](Cell c) {
                const int p = c.s == International ? intlPoolOf[static_cast<std::size_t>(c.b)] : poolOf[c.s][static_cast<std::size_t>(c.b)];
                if (p >= 0) {
                    pooledCounted[static_cast<std::size_t>(p)] += charge(c);
                } else {
                    counted += charge(c) - (c.s == International ? intlCut[static_cast<std::size_t>(c.b)] : cut[c.s][static_cast<std::size_t>(c.b)]);
                }
            };
            for (Service sv : m_t.minimum.counts) {
                if (sv == International) {
                    for (int i = 0; i < kIntlCells; ++i) count(Cell{sv, i});
                } else {
                    for (int b = 0; b < kBands; ++b) count(Cell{sv, b});
                }
            }
            Money countedMoney = toMoney(counted);
            for (std::size_t p = 0; p < pools.size(); ++p)
                if (pooledCounted[p] != 0) countedMoney += Money::scaled(pooledCounted[p], Share{shares[p].num, shares[p].den * 10});
            const Money minimum = toMoney(m_t.minimum.amount);
            if (countedMoney < minimum) {
                const Money topUp = moneyDifference(minimum, countedMoney);
                total += topUp;
                if constexpr (S::on) s.lump(ItemKind::Minimum, topUp, "Doplatek do minimálního měsíčního plnění");
            }
        }
        if (m_month.directDebit && m_t.directDebit.discount > 0) {
            const Money discount = toMoney(m_t.directDebit.discount);
            const Money off = total < discount ? (Money() < total ? total : Money()) : discount;
            total = moneyDifference(total, off);
            if constexpr (S::on) s.lump(ItemKind::Discount, moneyDifference(Money(), off), "Sleva za platbu inkasem");
        }
        return {total, ch.missing};
    }

    // An own-cost group's option: its fee and the charges of the services the
    // group's options set rates for, before allowances; missing: not allowed.
    std::optional<Money> ownCost(const AddonGroup& g, int option) const {
        std::uint16_t services = 0;
        bool intl = false;
        for (int a : g.addons) {
            const Rates& r = m_t.addons[static_cast<std::size_t>(a)].rates;
            for (std::size_t s = 0; s < kBandServices; ++s)
                for (Amount x : r.perBand[s])
                    if (x != kNoRate) services = static_cast<std::uint16_t>(services | (1u << s));
            intl |= r.intl.scheme >= 0 || r.intlInternet.scheme >= 0 || !r.intl.countries.empty() ||
                    std::any_of(r.intl.zone.begin(), r.intl.zone.end(), [](const auto& z) { return z[0] != kNoRate || z[1] != kNoRate || z[2] != kNoRate; });
        }
        Combination c{option};
        const Effective e = effective(c);
        const Charges ch = chargesOf(m_month, e);
        i128 sum = option >= 0 ? m_t.addons[static_cast<std::size_t>(option)].fee : 0;
        for (std::size_t s = 0; s < kBandServices; ++s) {
            if (!(services & (1u << s))) continue;
            if (ch.missing & (1u << s)) return std::nullopt;
            for (i128 v : ch.cell[s]) sum += v;
        }
        if (intl) {
            if (ch.missing & (1u << International)) return std::nullopt;
            for (i128 v : ch.intl) sum += v;
        }
        // The option's own allowances on those services, each on its own.
        Money cost = toMoney(sum);
        if (option < 0) return cost;
        for (const Allowance& a : m_t.addons[static_cast<std::size_t>(option)].allowances) {
            const bool inGroup = std::all_of(a.covers.begin(), a.covers.end(), [&](Service s) {
                return s == International ? intl : (services & (1u << s)) != 0;
            });
            if (inGroup) cost = moneyDifference(cost, cutOf(a, m_month, ch, e));
        }
        return cost;
    }

private:
    static std::string_view unitLabel(Unit u) {
        switch (u) {
            case Unit::Minutes: return "Volné minuty";
            case Unit::Messages: return "Volné zprávy";
            case Unit::Kilobytes: return "Volné kB";
            case Unit::Crowns: return "Kredit";
        }
        return "";
    }

    template <class S>
    void itemiseCharges(const Charges& ch, const Effective& e, S& s) const {
        for (int sv = 0; sv < kBandServices; ++sv) {
            const ServiceLabel& l = kLabels[sv];
            for (int b = 0; b < kBands; ++b) {
                const std::int64_t q = m_month.q[static_cast<std::size_t>(sv)][static_cast<std::size_t>(b)];
                const Amount r = e.rate[static_cast<std::size_t>(sv)][static_cast<std::size_t>(b)];
                if (q == 0 || r == kNoRate) continue;
                if (bandService(static_cast<Service>(sv))) rateItem(s, l.kind, q, l.unit, r, l.label, ", ", kBandLabel[b]);
                else rateItem(s, l.kind, q, l.unit, r, l.label);
            }
        }
        for (int i = 0; i < kIntlCells; ++i) {
            const std::int64_t q = m_month.intl[static_cast<std::size_t>(i)];
            const Amount r = ch.intlRate[static_cast<std::size_t>(i)];
            if (q == 0 || r == kNoRate) continue;
            rateItem(s, ItemKind::International, q, "min", r, "Volání do zahraničí, ",
                     kCountryNames[static_cast<std::size_t>(m_month.country[static_cast<std::size_t>(i / 3)])], ", ",
                     kIntlBandLabel[i % 3]);
        }
    }

    const DataTariff& m_t;
    const Month& m_month;
};

// Each group's options in the order they are compared: "none" at its place,
// add-ons that are not offered this month left out.
std::vector<std::vector<int>> optionsOf(const DataTariff& t, const Month& m) {
    std::vector<std::vector<int>> opts(t.groups.size());
    for (std::size_t g = 0; g < t.groups.size(); ++g) {
        const AddonGroup& group = t.groups[g];
        auto& o = opts[g];
        if (group.without == Without::First) o.push_back(-1);
        for (int a : group.addons) {
            const Offer& offer = t.addons[static_cast<std::size_t>(a)].offer;
            if (!offer.usage.empty()) {
                const std::int64_t use = m.use(offer.usage, offer.bands);
                if (use < offer.atLeast || use > offer.atMost) continue;
            }
            o.push_back(a);
        }
        if (group.without == Without::Last || o.empty()) o.push_back(-1);
    }
    return opts;
}

// Whether every add-on of a combination that requires another has it.
bool allowed(const DataTariff& t, const Combination& combo) {
    for (int a : combo) {
        const int need = a < 0 ? -1 : t.addons[static_cast<std::size_t>(a)].required;
        if (need >= 0 && std::find(combo.begin(), combo.end(), need) == combo.end()) return false;
    }
    return true;
}

struct Choice {
    Combination combo;
    Priced priced;
    bool found = false;
};

// Every combination, the first group changing slowest; the cheapest wins and
// a tie keeps the earlier. Own-cost groups are settled first.
Choice search(const DataTariff& t, const Pricer& pricer, std::vector<std::vector<int>>& opts, bool needSupport) {
    for (std::size_t g = 0; g < t.groups.size(); ++g) {
        if (t.groups[g].compare != Compare::OwnCost || opts[g].size() < 2) continue;
        std::optional<Money> best;
        int bestOption = opts[g][0];
        for (int o : opts[g]) {
            const std::optional<Money> cost = pricer.ownCost(t.groups[g], o);
            if (cost && (!best || *cost < *best)) {
                best = cost;
                bestOption = o;
            }
        }
        opts[g] = {bestOption};
    }
    Choice best;
    std::vector<std::size_t> at(opts.size(), 0);
    Combination combo(opts.size());
    NoItems none;
    for (;;) {
        for (std::size_t g = 0; g < opts.size(); ++g) combo[g] = opts[g][at[g]];
        const bool ok = allowed(t, combo);
        const Priced p = ok ? pricer.price(combo, none) : Priced{};
        if (ok && (!needSupport || p.missing == 0) && (!best.found || p.total < best.priced.total)) {
            best = {combo, p, true};
        }
        std::size_t g = opts.size();
        while (g > 0 && ++at[g - 1] == opts[g - 1].size()) at[--g] = 0;
        if (g == 0) break;
    }
    return best;
}

constexpr std::string_view kBreak = "\n\r";

// Lines of the unsupported services, first those the compiled tariffs write
// (in their order), then those only a data tariff can lack.
void unsupportedLines(std::uint16_t missing, std::string& hint) {
    static constexpr std::pair<std::uint16_t, std::string_view> kLines[] = {
        {(1u << GprsWap) | (1u << GprsInternet), "nepodporuje GPRS"},
        {1u << Mms, "nepodporuje MMS"},
        {1u << WapMinutes, "nepodporuje WAP"},
        {1u << DataMinutes, "nepodporuje datové přenosy"},
        {1u << CallFixed, "nepodporuje volání na pevnou linku"},
        {1u << CallTMobile, "nepodporuje volání do sítě T-Mobile"},
        {1u << CallEurotel, "nepodporuje volání do sítě Eurotel"},
        {1u << CallOskar, "nepodporuje volání do sítě Oskar"},
        {1u << CallVoiceMail, "nepodporuje hlasovou schránku"},
        {(1u << SmsTMobile) | (1u << SmsEurotel) | (1u << SmsOskar), "nepodporuje SMS"},
        {1u << International, "nepodporuje volání do zahraničí"},
        {1u << kInternetCallsBit, "nepodporuje volání přes internet"},
    };
    for (const auto& [bits, line] : kLines)
        if (missing & bits) {
            hint += line;
            hint += kBreak;
        }
}

template <class S>
void priceWith(const DataTariff& t, const Month& m, DataResult& out, S& s) {
    Pricer pricer(t, m);
    auto opts = optionsOf(t, m);
    Choice best = search(t, pricer, opts, true);
    out.unsupported = !best.found;
    if (!best.found) best = search(t, pricer, opts, false);
    if constexpr (S::on) {
        pricer.price(best.combo, s);
        // Every group's alternatives, the others as taken.
        auto all = optionsOf(t, m);
        NoItems none;
        for (std::size_t g = 0; g < t.groups.size(); ++g) {
            const AddonGroup& group = t.groups[g];
            if (all[g].size() < 2 && all[g][0] < 0) continue;
            s.choice(group.name.empty() ? std::string_view(group.id) : std::string_view(group.name),
                     group.compare == Compare::OwnCost ? " (porovnává se cena doplňku)" : "");
            for (int o : all[g]) {
                Combination c = best.combo;
                c[g] = o;
                if (group.compare == Compare::Price && !allowed(t, c)) continue;
                const std::optional<Money> amount =
                    group.compare == Compare::OwnCost ? pricer.ownCost(group, o) : std::optional<Money>(pricer.price(c, none).total);
                if (!amount) continue;
                s.option(*amount, o == best.combo[g],
                         o < 0 ? std::string_view("bez doplňku") : std::string_view(t.addons[static_cast<std::size_t>(o)].name));
            }
        }
        s.total(best.priced.total);
    }
    detail::finishResult(t, best.priced.total, best.priced.missing, out.unsupported, best.combo, out);
}

}  // namespace

namespace detail {

void finishResult(const DataTariff& t, const Money& total, std::uint16_t missing, bool unsupported,
                  std::span<const int> combo, DataResult& out) {
    out.priced = true;
    out.unsupported = unsupported;
    out.cheapestMark = t.cheapestMark;
    out.total = total;
    out.price = saturate32(total.truncCrowns());
    out.hint.clear();
    if (unsupported) unsupportedLines(missing, out.hint);
    bool first = true;
    out.taken.clear();
    for (int a : combo) {
        if (a < 0) continue;
        out.taken.push_back(a);
        const std::string& h = t.addons[static_cast<std::size_t>(a)].hint;
        if (h.empty()) continue;
        if (!first) out.hint += kBreak;
        out.hint += h;
        first = false;
    }
}

}  // namespace

void priceDataTariff(const DataTariff& t, const Usage& u, const RunOptions& options, DataResult& out) {
    const Month m = monthOf(u, options);
    if (t.prepared && detail::pricePrepared(*t.prepared, t, m, out)) return;
    NoItems none;
    priceWith(t, m, out, none);
}

void priceDataTariffFully(const DataTariff& t, const Usage& u, const RunOptions& options, DataResult& out) {
    const Month m = monthOf(u, options);
    NoItems none;
    priceWith(t, m, out, none);
}

DataResult priceDataTariff(const DataTariff& t, const Profile& p, const RunOptions& options) {
    DataResult r;
    priceDataTariff(t, aggregate(p), options, r);
    return r;
}

void itemiseDataTariff(const DataTariff& t, const Profile& p, const RunOptions& options, Breakdown& out) {
    const Usage u = aggregate(p);
    const Month m = monthOf(u, options);
    out.tariff = -1;
    out.status = BreakdownStatus::Itemised;
    Itemiser k{out, u};
    DataResult r;
    priceWith(t, m, r, k);
    k.finish();
    out.shown = r.price;
    out.hint = r.hint;
    if (out.total.truncCrowns() > std::numeric_limits<std::int32_t>::max()) out.status = BreakdownStatus::Saturated;
}

void markCheapestTogether(RunResult& compiled, std::span<DataResult> data) {
    auto walked = [](int t) { return kTariffs[static_cast<std::size_t>(t)].cheapestMark; };
    std::int32_t minimum = kNeverCheapest;
    for (int t = 0; t < kTariffCount; ++t) {
        const TariffResult& f = compiled.fields[static_cast<std::size_t>(t)];
        if (walked(t) && f.priced && !f.unsupported) minimum = std::min(minimum, f.price);
    }
    for (const DataResult& d : data)
        if (d.cheapestMark && d.priced && !d.unsupported) minimum = std::min(minimum, d.price);
    for (int t = 0; t < kTariffCount; ++t) {
        TariffResult& f = compiled.fields[static_cast<std::size_t>(t)];
        f.cheapest = walked(t) && f.priced && !f.unsupported && f.price == minimum && minimum < kNeverCheapest;
    }
    for (DataResult& d : data) d.cheapest = d.cheapestMark && d.priced && !d.unsupported && d.price == minimum && minimum < kNeverCheapest;
}

}  // namespace sazbar::catalogue
