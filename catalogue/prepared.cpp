#include "catalogue/prepared.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace sazbar::catalogue {

namespace {

using detail::bandService;
using detail::kIntlCells;
using detail::Month;

// Cells: service s in band b is s * 4 + b; international cell i (row by row,
// three bands each) is kBandCells + i.
constexpr int kBandCells = kBandServices * kBands;
constexpr int kCells = kBandCells + kIntlCells;
// Limits of the fast path's fixed scratch space; the reader's limits keep
// every tariff within them.
constexpr int kMaxGroups = 96;
constexpr int kMaxOptions = 256;
constexpr int kMaxShapes = 256;
constexpr int kMaxLinear = 64;

constexpr Service serviceOf(int cell) { return cell < kBandCells ? static_cast<Service>(cell / kBands) : International; }
constexpr std::uint16_t bitOf(int cell) { return static_cast<std::uint16_t>(1u << serviceOf(cell)); }

// The cells an allowance covers, in the order it takes them (a service
// listed twice is taken twice, as the full search does).
std::vector<std::uint8_t> coveredCells(const Allowance& a) {
    std::vector<std::uint8_t> out;
    for (Service s : a.covers) {
        if (s == International) {
            for (int i = 0; i < kIntlCells; ++i) out.push_back(static_cast<std::uint8_t>(kBandCells + i));
        } else if (bandService(s)) {
            for (int b = 0; b < kBands; ++b)
                if (a.bands & (1u << b)) out.push_back(static_cast<std::uint8_t>(s * kBands + b));
        } else {
            out.push_back(static_cast<std::uint8_t>(s * kBands));
        }
    }
    return out;
}

bool setsIntl(const IntlRates& r) {
    if (r.scheme >= 0 || !r.countries.empty()) return true;
    for (const auto& z : r.zone)
        for (Amount x : z)
            if (x != kNoRate) return true;
    return false;
}
bool setsIntl(const Rates& r) { return setsIntl(r.intl) || setsIntl(r.intlInternet) || r.internetCallsUnsupported; }

// Allowances in effect together that are one pool.
struct Shape {
    // The pool's kind: unit, covers, bands and consume (the prepared form
    // holds no pointer into the tariff, which may be copied or moved).
    Allowance kind;
    std::array<Amount, 2> base{};  // in effect without add-ons: without, with direct debit
    std::array<bool, 2> inBase{};
    bool fromAddons = false;
    bool proportional = false;  // spread in proportion (not credit)
    std::vector<std::uint8_t> cells;
    std::uint64_t mask = 0;  // the cells, as bits
    bool repeats = false;    // a cell is listed twice
};

// An add-on as a layer over the tariff's rates.
struct Layer {
    std::vector<std::pair<std::uint8_t, Amount>> rates;  // band cells it sets
    bool intl = false;                                     // sets international rates
    std::vector<std::pair<int, Amount>> adds;              // (shape, amount) of its allowances
    std::vector<std::vector<std::uint8_t>> allowanceCells; // per allowance, for its own cost
};

// Groups that add independent terms to the price, with the cells and pools
// whose terms depend on them. Piece 0 holds what no group changes.
struct Piece {
    std::vector<int> groups;  // in the tariff's order
    std::uint64_t cells = 0;  // bit per cell it holds
    // Per cell: slot in `linear` of the tariff's proportional pool covering it, or -1.
    std::array<std::int8_t, kCells> linearSlot;
    bool intl = false;        // holds the international cells
    std::vector<int> pools;   // shapes whose amount or cells' rates its groups change
    std::vector<int> linear;  // pools spread in proportion at a share fixed for the month (index into Plan::linear)
};

struct Plan {
    bool fast = true;
    std::vector<Piece> pieces;
    std::vector<int> linear;  // every such shape
};

}  // namespace

struct PreparedTariff {
    bool fast = true;  // false: every month by the full search
    bool discount = false;  // a direct-debit discount: months paid by direct debit by the full search
    std::vector<Shape> shapes;
    std::vector<Layer> layers;  // per add-on
    std::array<Amount, kBandCells> rate;  // the tariff's
    std::array<Plan, 2> plans;  // without, with direct debit
    // International rates of the tariff alone by country and band: the ordinary
    // ones, and those with calls through the internet.
    std::array<std::array<std::array<Amount, kIntlBands>, kCountries>, 2> intl;
    bool internetUnsupported = false;
    // Own-cost groups: the services their options set rates for.
    std::vector<std::uint16_t> ownServices;
    std::vector<bool> ownIntl;
};

namespace {

// The international rate of a country in a band with the layers' rates
// (the tariff's first), as EffectiveIntl in the full search resolves it.
Amount intlRate(const Rates* const* layers, int n, int country, int band, bool internetCalls) {
    bool hasInternet = false;
    for (int i = 0; i < n; ++i) hasInternet |= layers[i]->intlInternet.scheme >= 0;
    const bool internet = internetCalls && hasInternet;
    int scheme = -1;
    Amount own = kNoRate;
    for (int i = 0; i < n; ++i) {
        const IntlRates& r = internet ? layers[i]->intlInternet : layers[i]->intl;
        if (r.scheme >= 0) scheme = r.scheme;
        for (const CountryRate& c : r.countries)
            if (c.country == country) own = c.rate[static_cast<std::size_t>(band)];
    }
    if (own != kNoRate || scheme < 0) return own;
    const int z = kZoneTable[static_cast<std::size_t>(scheme)][static_cast<std::size_t>(country)] - 1;
    Amount zone = kNoRate;
    for (int i = 0; i < n; ++i) {
        const IntlRates& r = internet ? layers[i]->intlInternet : layers[i]->intl;
        const Amount x = r.zone[static_cast<std::size_t>(z)][static_cast<std::size_t>(band)];
        if (x != kNoRate) zone = x;
    }
    return zone;
}

bool internetUnsupported(const Rates* const* layers, int n) {
    bool u = false;
    for (int i = 0; i < n; ++i) u = (u && layers[i]->intlInternet.scheme < 0) || layers[i]->internetCallsUnsupported;
    return u;
}

struct UnionFind {
    std::vector<int> up;
    explicit UnionFind(std::size_t n) : up(n) { std::iota(up.begin(), up.end(), 0); }
    int find(int x) {
        while (up[static_cast<std::size_t>(x)] != x) x = up[static_cast<std::size_t>(x)] = up[static_cast<std::size_t>(up[static_cast<std::size_t>(x)])];
        return x;
    }
    void join(int a, int b) { up[static_cast<std::size_t>(find(a))] = find(b); }
};

Plan planFor(const DataTariff& t, const PreparedTariff& p, int dd) {
    Plan plan;
    const int groups = static_cast<int>(t.groups.size());
    const int cellNodes = kBandCells + 1;  // the international cells are one node
    const int shapes = static_cast<int>(p.shapes.size());
    auto cellNode = [&](int cell) { return groups + std::min(cell, kBandCells); };
    auto shapeNode = [&](int s) { return groups + cellNodes + s; };
    UnionFind uf(static_cast<std::size_t>(groups + cellNodes + shapes));

    auto active = [&](const Shape& s) { return s.inBase[static_cast<std::size_t>(dd)] || s.fromAddons; };
    auto linear = [&](const Shape& s) { return s.proportional && !s.fromAddons && s.inBase[static_cast<std::size_t>(dd)]; };

    for (std::size_t a = 0; a < t.addons.size(); ++a) {
        const Addon& addon = t.addons[a];
        const Layer& l = p.layers[a];
        for (const auto& [cell, rate] : l.rates) uf.join(addon.group, cellNode(cell));
        if (l.intl) uf.join(addon.group, cellNode(kBandCells));
        for (const auto& [shape, amount] : l.adds) uf.join(addon.group, shapeNode(shape));
        if (addon.required >= 0) uf.join(addon.group, t.addons[static_cast<std::size_t>(addon.required)].group);
    }
    // Which shapes cover a cell; a proportional pool of the tariff shares no cell.
    std::array<int, kCells> linearOf;
    linearOf.fill(-1);
    std::array<int, kCells> covering{};
    for (int s = 0; s < shapes; ++s) {
        const Shape& shape = p.shapes[static_cast<std::size_t>(s)];
        if (!active(shape)) continue;
        std::vector<std::uint8_t> cells = shape.cells;
        std::sort(cells.begin(), cells.end());
        cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
        for (std::uint8_t c : cells) ++covering[c];
        if (linear(shape)) {
            plan.linear.push_back(s);
            for (std::uint8_t c : cells) linearOf[c] = static_cast<int>(plan.linear.size() - 1);
        } else {
            for (std::uint8_t c : cells) uf.join(shapeNode(s), cellNode(c));
        }
    }
    for (int c = 0; c < kCells; ++c)
        if (linearOf[static_cast<std::size_t>(c)] >= 0 && covering[static_cast<std::size_t>(c)] > 1) plan.fast = false;
    if (plan.linear.size() > kMaxLinear) plan.fast = false;

    // Piece of every node: 0 unless a group is in its part.
    std::vector<int> pieceOfRoot(uf.up.size(), 0);
    plan.pieces.emplace_back();
    plan.pieces.back().linearSlot.fill(-1);
    for (int g = 0; g < groups; ++g) {
        int& piece = pieceOfRoot[static_cast<std::size_t>(uf.find(g))];
        if (piece == 0) {
            piece = static_cast<int>(plan.pieces.size());
            plan.pieces.emplace_back();
            plan.pieces.back().linearSlot.fill(-1);
        }
        plan.pieces[static_cast<std::size_t>(piece)].groups.push_back(g);
    }
    auto pieceOf = [&](int node) -> Piece& { return plan.pieces[static_cast<std::size_t>(pieceOfRoot[static_cast<std::size_t>(uf.find(node))])]; };
    auto slot = [](Piece& piece, int linear) {
        const auto it = std::find(piece.linear.begin(), piece.linear.end(), linear);
        if (it != piece.linear.end()) return static_cast<std::int8_t>(it - piece.linear.begin());
        piece.linear.push_back(linear);
        return static_cast<std::int8_t>(piece.linear.size() - 1);
    };
    for (int c = 0; c < kCells; ++c) {
        Piece& piece = pieceOf(cellNode(c));
        const int lin = linearOf[static_cast<std::size_t>(c)];
        piece.cells |= std::uint64_t{1} << c;
        piece.linearSlot[static_cast<std::size_t>(c)] = lin < 0 ? std::int8_t{-1} : slot(piece, lin);
        if (c >= kBandCells) piece.intl = true;
    }
    for (int s = 0; s < shapes; ++s)
        if (active(p.shapes[static_cast<std::size_t>(s)]) && !linear(p.shapes[static_cast<std::size_t>(s)])) pieceOf(shapeNode(s)).pools.push_back(s);
    return plan;
}

}  // namespace

std::shared_ptr<const PreparedTariff> prepareTariff(const DataTariff& t) {
    auto p = std::make_shared<PreparedTariff>();
    p->fast = t.minimum.amount == 0 && t.groups.size() <= kMaxGroups && t.addons.size() + t.groups.size() <= kMaxOptions;
    p->discount = t.directDebit.discount > 0;
    for (const Addon& a : t.addons)
        if (a.group < 0 || a.group >= static_cast<int>(t.groups.size()) || a.required >= static_cast<int>(t.addons.size())) p->fast = false;
    if (!p->fast) return p;

    auto shapeOf = [&](const Allowance& a) {
        for (std::size_t s = 0; s < p->shapes.size(); ++s)
            if (samePool(p->shapes[s].kind, a)) return static_cast<int>(s);
        Shape s;
        s.kind.unit = a.unit;
        s.kind.covers = a.covers;
        s.kind.bands = a.bands;
        s.kind.consume = a.consume;
        s.proportional = a.consume == Consume::Proportional && a.unit != Unit::Crowns;
        s.cells = coveredCells(a);
        for (std::uint8_t c : s.cells) {
            s.repeats |= (s.mask >> c) & 1;
            s.mask |= std::uint64_t{1} << c;
        }
        p->shapes.push_back(std::move(s));
        return static_cast<int>(p->shapes.size() - 1);
    };
    for (const Allowance& a : t.allowances) {
        Shape& s = p->shapes[static_cast<std::size_t>(shapeOf(a))];
        for (int dd : {0, 1}) {
            s.base[static_cast<std::size_t>(dd)] += a.amount;
            s.inBase[static_cast<std::size_t>(dd)] = true;
        }
    }
    for (const Allowance& a : t.directDebit.allowances) {
        Shape& s = p->shapes[static_cast<std::size_t>(shapeOf(a))];
        s.base[1] += a.amount;
        s.inBase[1] = true;
    }
    for (int c = 0; c < kBandCells; ++c) p->rate[static_cast<std::size_t>(c)] = t.rates.perBand[static_cast<std::size_t>(c / kBands)][static_cast<std::size_t>(c % kBands)];
    p->layers.resize(t.addons.size());
    for (std::size_t i = 0; i < t.addons.size(); ++i) {
        const Addon& a = t.addons[i];
        Layer& l = p->layers[i];
        for (int c = 0; c < kBandCells; ++c) {
            const Amount r = a.rates.perBand[static_cast<std::size_t>(c / kBands)][static_cast<std::size_t>(c % kBands)];
            if (r != kNoRate) l.rates.emplace_back(static_cast<std::uint8_t>(c), r);
        }
        l.intl = setsIntl(a.rates);
        for (const Allowance& al : a.allowances) {
            const int s = shapeOf(al);
            p->shapes[static_cast<std::size_t>(s)].fromAddons = true;
            l.adds.emplace_back(s, al.amount);
            l.allowanceCells.push_back(coveredCells(al));
        }
    }
    if (p->shapes.size() > kMaxShapes) {
        p->fast = false;
        return p;
    }
    for (int dd : {0, 1}) p->plans[static_cast<std::size_t>(dd)] = planFor(t, *p, dd);

    const Rates* base[] = {&t.rates};
    for (int internet : {0, 1})
        for (int c = 0; c < kCountries; ++c)
            for (int b = 0; b < kIntlBands; ++b)
                p->intl[static_cast<std::size_t>(internet)][static_cast<std::size_t>(c)][static_cast<std::size_t>(b)] = intlRate(base, 1, c, b, internet != 0);
    p->internetUnsupported = internetUnsupported(base, 1);

    p->ownServices.assign(t.groups.size(), 0);
    p->ownIntl.assign(t.groups.size(), false);
    for (std::size_t g = 0; g < t.groups.size(); ++g)
        for (int a : t.groups[g].addons) {
            const Layer& l = p->layers[static_cast<std::size_t>(a)];
            for (const auto& [cell, rate] : l.rates) p->ownServices[g] = static_cast<std::uint16_t>(p->ownServices[g] | bitOf(cell));
            // As the full search reads it: any international rate (not the internet-call refusal alone).
            const Rates& r = t.addons[static_cast<std::size_t>(a)].rates;
            if (setsIntl(r.intl) || r.intlInternet.scheme >= 0) p->ownIntl[g] = true;
        }
    return p;
}

namespace detail {

namespace {

// The month as cells, and the scratch of one pricing: nothing is allocated.
struct Work {
    Work(const DataTariff& tariff, const PreparedTariff& prepared, const Month& month)
        : t(tariff), p(prepared), m(month), dd(month.directDebit ? 1 : 0) {}
    const DataTariff& t;
    const PreparedTariff& p;
    const Month& m;
    int dd;
    std::array<std::int64_t, kCells> q;
    std::uint64_t used = 0;  // bit per cell in use
    std::array<Share, kMaxLinear> share;  // per shape of Plan::linear
    std::array<std::int64_t, kMaxShapes> covered;  // use of the cells of each shape
    // One piece's evaluation.
    std::array<Amount, kCells> rate;
    std::array<i128, kCells> charge;
    std::array<std::int64_t, kMaxShapes> amount;

    int country(int cell) const { return m.country[static_cast<std::size_t>((cell - kBandCells) / kIntlBands)]; }
};

struct Value {
    Money total;
    std::uint16_t missing = 0;
};

// What a pool not spread at a fixed share takes off its cells, as the full search's takeUnits.
i128 takeOff(Work& w, const Allowance& a, const std::vector<std::uint8_t>& cells, i128 left) {
    std::array<std::uint8_t, kCells * 2> order;
    std::size_t n = 0;
    for (std::uint8_t c : cells) {
        if (w.q[c] == 0) continue;  // takes nothing and leaves what is left
        if (n == order.size()) break;
        order[n++] = c;
    }
    if (a.consume == Consume::MostExpensiveFirst)
        std::stable_sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(n),
                         [&](std::uint8_t x, std::uint8_t y) { return w.rate[x] > w.rate[y]; });
    i128 total = 0;
    for (std::size_t i = 0; i < n && left > 0; ++i) {
        const std::uint8_t c = order[i];
        i128 take;
        if (a.unit == Unit::Crowns) {
            take = std::clamp<i128>(w.charge[c], 0, left);
            left -= take;
        } else {
            const i128 units = std::clamp<i128>(w.q[c], 0, left);
            left -= units;
            take = units * w.rate[c];
        }
        total += take;
    }
    return total;
}

// The terms of one piece with the given add-ons of its groups taken.
Value evaluate(Work& w, const Piece& piece, const int* taken) {
    const std::size_t n = piece.groups.size();
    i128 plain = 0;
    const std::uint64_t cells = piece.cells & w.used;
    for (std::uint64_t b = cells & ((std::uint64_t{1} << kBandCells) - 1); b; b &= b - 1) {
        const int c = __builtin_ctzll(b);
        w.rate[static_cast<std::size_t>(c)] = w.p.rate[static_cast<std::size_t>(c)];
    }
    for (std::size_t k = 0; k < n; ++k) {
        if (taken[k] < 0) continue;
        plain += w.t.addons[static_cast<std::size_t>(taken[k])].fee;
        for (const auto& [cell, rate] : w.p.layers[static_cast<std::size_t>(taken[k])].rates) w.rate[cell] = rate;
    }
    Value v;
    if (piece.intl) {
        std::array<const Rates*, kMaxGroups + 1> layers;
        int layerCount = 0;
        layers[static_cast<std::size_t>(layerCount++)] = &w.t.rates;
        for (std::size_t k = 0; k < n; ++k)
            if (taken[k] >= 0 && w.p.layers[static_cast<std::size_t>(taken[k])].intl)
                layers[static_cast<std::size_t>(layerCount++)] = &w.t.addons[static_cast<std::size_t>(taken[k])].rates;
        const bool internet = w.m.internetCalls;
        if (internet && (layerCount == 1 ? w.p.internetUnsupported : internetUnsupported(layers.data(), layerCount)))
            v.missing = static_cast<std::uint16_t>(v.missing | (1u << kInternetCallsBit));
        for (int c = kBandCells; c < kCells; ++c) {
            if (w.q[static_cast<std::size_t>(c)] == 0) continue;
            const int band = (c - kBandCells) % kIntlBands;
            w.rate[static_cast<std::size_t>(c)] =
                layerCount == 1 ? w.p.intl[internet][static_cast<std::size_t>(w.country(c))][static_cast<std::size_t>(band)]
                                : intlRate(layers.data(), layerCount, w.country(c), band, internet);
        }
    }
    std::array<i128, kMaxLinear> linearCost;
    for (std::size_t s = 0; s < piece.linear.size(); ++s) linearCost[s] = 0;
    for (std::uint64_t b = cells; b; b &= b - 1) {
        const std::size_t c = static_cast<std::size_t>(__builtin_ctzll(b));
        i128& ch = w.charge[c];
        Amount& r = w.rate[c];
        if (r == kNoRate) {
            v.missing = static_cast<std::uint16_t>(v.missing | bitOf(static_cast<int>(c)));
            r = 0;  // rated 0 by the allowances, as the full search does
            ch = 0;
            continue;
        }
        ch = i128{w.q[c]} * r;
        plain += ch;
        if (piece.linearSlot[c] >= 0) linearCost[static_cast<std::size_t>(piece.linearSlot[c])] += ch;
    }
    for (std::size_t s = 0; s < piece.linear.size(); ++s) {
        const i128 cost = linearCost[s];
        if (cost == 0) continue;
        const Share sh = w.share[static_cast<std::size_t>(piece.linear[s])];
        plain -= cost;
        v.total += Money::scaled(cost, Share{sh.num, sh.den * 10});
    }
    if (!piece.pools.empty()) {
        for (int s : piece.pools) w.amount[static_cast<std::size_t>(s)] = w.p.shapes[static_cast<std::size_t>(s)].base[static_cast<std::size_t>(w.dd)];
        for (std::size_t k = 0; k < n; ++k)
            if (taken[k] >= 0)
                for (const auto& [shape, a] : w.p.layers[static_cast<std::size_t>(taken[k])].adds) w.amount[static_cast<std::size_t>(shape)] += a;
        for (int s : piece.pools) {
            const Shape& shape = w.p.shapes[static_cast<std::size_t>(s)];
            const std::int64_t amount = w.amount[static_cast<std::size_t>(s)];
            if (shape.proportional) {
                i128 cost = 0;
                if (shape.repeats) {
                    for (std::uint8_t c : shape.cells)
                        if (w.q[c] != 0) cost += w.charge[c];
                } else {
                    for (std::uint64_t b = shape.mask & w.used; b; b &= b - 1) cost += w.charge[static_cast<std::size_t>(__builtin_ctzll(b))];
                }
                const Share sh = paidShare(w.covered[static_cast<std::size_t>(s)], amount);
                plain -= cost;
                v.total += Money::scaled(cost, Share{sh.num, sh.den * 10});
            } else {
                plain -= takeOff(w, shape.kind, shape.cells, amount);
            }
        }
    }
    v.total += toMoney(plain);
    return v;
}

// An own-cost group's option, as the full search's Pricer::ownCost.
std::optional<Money> ownCost(Work& w, int group, int option) {
    const std::uint16_t services = w.p.ownServices[static_cast<std::size_t>(group)];
    const bool intl = w.p.ownIntl[static_cast<std::size_t>(group)];
    const Rates* layers[] = {&w.t.rates, option >= 0 ? &w.t.addons[static_cast<std::size_t>(option)].rates : nullptr};
    const int layerCount = option >= 0 ? 2 : 1;
    i128 sum = option >= 0 ? w.t.addons[static_cast<std::size_t>(option)].fee : 0;
    for (int c = 0; c < kCells; ++c) {
        const bool counted = c < kBandCells ? (services & bitOf(c)) != 0 : intl;
        if (!counted) continue;
        w.charge[static_cast<std::size_t>(c)] = 0;
        w.rate[static_cast<std::size_t>(c)] = 0;
        const std::int64_t q = w.q[static_cast<std::size_t>(c)];
        if (q == 0) continue;
        Amount r;
        if (c < kBandCells) {
            r = w.t.rates.perBand[static_cast<std::size_t>(c / kBands)][static_cast<std::size_t>(c % kBands)];
            if (option >= 0)
                for (const auto& [cell, x] : w.p.layers[static_cast<std::size_t>(option)].rates)
                    if (cell == c) r = x;
        } else {
            r = intlRate(layers, layerCount, w.country(c), (c - kBandCells) % kIntlBands, w.m.internetCalls);
        }
        if (r == kNoRate) return std::nullopt;
        w.rate[static_cast<std::size_t>(c)] = r;
        w.charge[static_cast<std::size_t>(c)] = i128{q} * r;
        sum += w.charge[static_cast<std::size_t>(c)];
    }
    Money cost = toMoney(sum);
    if (option < 0) return cost;
    const Addon& addon = w.t.addons[static_cast<std::size_t>(option)];
    const Layer& l = w.p.layers[static_cast<std::size_t>(option)];
    for (std::size_t i = 0; i < addon.allowances.size(); ++i) {
        const Allowance& a = addon.allowances[i];
        const bool inGroup = std::all_of(a.covers.begin(), a.covers.end(), [&](Service s) {
            return s == International ? intl : (services & (1u << s)) != 0;
        });
        if (!inGroup) continue;
        const std::vector<std::uint8_t>& cells = l.allowanceCells[i];
        if (a.consume == Consume::Proportional && a.unit != Unit::Crowns) {
            std::int64_t covered = 0;
            i128 c = 0;
            for (std::uint8_t x : cells) {
                covered += w.q[x];
                c += w.charge[x];
            }
            const Share sh = paidShare(covered, a.amount);
            cost = moneyDifference(cost, moneyDifference(toMoney(c), Money::scaled(c, Share{sh.num, sh.den * 10})));
        } else {
            cost = moneyDifference(cost, toMoney(takeOff(w, a, cells, a.amount)));
        }
    }
    return cost;
}

}  // namespace

bool pricePrepared(const PreparedTariff& p, const DataTariff& t, const Month& m, DataResult& out) {
    const int dd = m.directDebit ? 1 : 0;
    const Plan& plan = p.plans[static_cast<std::size_t>(dd)];
    if (!p.fast || !plan.fast || (m.directDebit && p.discount)) return false;
    Work w(t, p, m);
    for (std::size_t s = 0; s < kBandServices; ++s)
        for (std::size_t b = 0; b < kBands; ++b) {
            const std::int64_t q = m.q[s][b];
            w.q[s * kBands + b] = q;
            if (q != 0) w.used |= std::uint64_t{1} << (s * kBands + b);
        }
    for (std::size_t i = 0; i < kIntlCells; ++i) {
        const std::int64_t q = m.intl[i];
        w.q[kBandCells + i] = q;
        if (q != 0) w.used |= std::uint64_t{1} << (kBandCells + i);
    }
    for (std::size_t s = 0; s < p.shapes.size(); ++s) {
        const Shape& shape = p.shapes[s];
        if (!shape.proportional) continue;
        std::int64_t covered = 0;
        if (shape.repeats) {
            for (std::uint8_t c : shape.cells) covered += w.q[c];
        } else {
            for (std::uint64_t bits = shape.mask & w.used; bits; bits &= bits - 1) covered += w.q[static_cast<std::size_t>(__builtin_ctzll(bits))];
        }
        w.covered[s] = covered;
    }
    for (std::size_t s = 0; s < plan.linear.size(); ++s) {
        const Shape& shape = p.shapes[static_cast<std::size_t>(plan.linear[s])];
        std::int64_t covered = 0;
        for (std::uint8_t c : shape.cells) covered += w.q[c];
        w.share[s] = paidShare(covered, shape.base[static_cast<std::size_t>(dd)]);
    }

    // Each group's options this month, in the order they are compared.
    const std::size_t groups = t.groups.size();
    std::array<int, kMaxOptions + kMaxGroups> options;
    std::array<int, kMaxGroups + 1> first;
    std::size_t used = 0;
    for (std::size_t g = 0; g < groups; ++g) {
        const AddonGroup& group = t.groups[g];
        first[g] = static_cast<int>(used);
        if (group.without == Without::First) options[used++] = -1;
        for (int a : group.addons) {
            const Offer& offer = t.addons[static_cast<std::size_t>(a)].offer;
            if (!offer.usage.empty()) {
                const std::int64_t use = m.use(offer.usage, offer.bands);
                if (use < offer.atLeast || use > offer.atMost) continue;
            }
            options[used++] = a;
        }
        if (group.without == Without::Last || used == static_cast<std::size_t>(first[g])) options[used++] = -1;
        // Own-cost groups are settled first, each option by its own cost.
        if (group.compare == Compare::OwnCost && used - static_cast<std::size_t>(first[g]) >= 2) {
            std::optional<Money> best;
            int bestOption = options[static_cast<std::size_t>(first[g])];
            for (std::size_t i = static_cast<std::size_t>(first[g]); i < used; ++i) {
                const std::optional<Money> cost = ownCost(w, static_cast<int>(g), options[i]);
                if (cost && (!best || *cost < *best)) {
                    best = cost;
                    bestOption = options[i];
                }
            }
            used = static_cast<std::size_t>(first[g]);
            options[used++] = bestOption;
        }
    }
    first[groups] = static_cast<int>(used);

    // Every piece on its own: its cheapest supported options, and its
    // cheapest options at all for a month no combination supports.
    std::array<int, kMaxGroups> bestSupported, bestAny;
    Money supportedTotal = toMoney(i128{t.fee} + t.fixedAmount), anyTotal = supportedTotal;
    std::uint16_t anyMissing = 0;
    bool supported = true;
    for (const Piece& piece : plan.pieces) {
        const std::size_t n = piece.groups.size();
        std::array<std::size_t, kMaxGroups> at;
        std::fill_n(at.begin(), n, 0);
        std::array<int, kMaxGroups> taken, sup, any;
        Value bestSup, bestAll;
        bool foundSup = false, foundAll = false;
        for (;;) {
            bool ok = true;
            for (std::size_t k = 0; k < n; ++k)
                taken[k] = options[static_cast<std::size_t>(first[static_cast<std::size_t>(piece.groups[k])]) + at[k]];
            for (std::size_t k = 0; k < n && ok; ++k) {
                const int need = taken[k] < 0 ? -1 : t.addons[static_cast<std::size_t>(taken[k])].required;
                if (need < 0) continue;
                const int g = t.addons[static_cast<std::size_t>(need)].group;
                ok = false;
                for (std::size_t j = 0; j < n; ++j) ok |= piece.groups[j] == g && taken[j] == need;
            }
            if (ok) {
                const Value v = evaluate(w, piece, taken.data());
                if (!foundAll || v.total < bestAll.total) {
                    bestAll = v;
                    foundAll = true;
                    std::copy_n(taken.begin(), n, any.begin());
                }
                if (v.missing == 0 && (!foundSup || v.total < bestSup.total)) {
                    bestSup = v;
                    foundSup = true;
                    std::copy_n(taken.begin(), n, sup.begin());
                }
            }
            std::size_t k = n;
            while (k > 0) {
                const int g = piece.groups[k - 1];
                if (++at[k - 1] < static_cast<std::size_t>(first[static_cast<std::size_t>(g) + 1] - first[static_cast<std::size_t>(g)])) break;
                at[--k] = 0;
            }
            if (k == 0) break;
        }
        if (!foundAll) return false;  // cannot happen: "none" or an option of every group is always allowed
        supported = supported && foundSup;
        if (foundSup) supportedTotal += bestSup.total;
        anyTotal += bestAll.total;
        anyMissing = static_cast<std::uint16_t>(anyMissing | bestAll.missing);
        for (std::size_t k = 0; k < n; ++k) {
            bestSupported[static_cast<std::size_t>(piece.groups[k])] = foundSup ? sup[k] : -1;
            bestAny[static_cast<std::size_t>(piece.groups[k])] = any[k];
        }
    }
    if (supported) finishResult(t, supportedTotal, 0, false, std::span<const int>(bestSupported.data(), groups), out);
    else finishResult(t, anyTotal, anyMissing, true, std::span<const int>(bestAny.data(), groups), out);
    return true;
}

}  // namespace detail

}  // namespace sazbar::catalogue
