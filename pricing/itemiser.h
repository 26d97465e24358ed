// The item sinks of the tariff pricing code. Every tariff is priced by one
// function template: with NoItems (the normal run) the item calls compile to
// nothing; with Itemiser the same code records the items of its price and the
// alternatives of every choice it makes, so price and items cannot drift apart.
#pragma once

#include <cassert>
#include <charconv>
#include <cstdint>
#include <string_view>

#include "pricing/breakdown.h"
#include "pricing/tariff_common.h"

namespace sazbar {

// A number inside a label, formatted only when items are recorded.
struct Num {
    std::int64_t v;
};

// Band and network names of labels.
inline constexpr std::string_view kBandLabel[4] = {"Špička", "Odpoledne", "Večer", "Víkend"};
inline constexpr std::string_view kNetworkLabel[4] = {"Volání na pevnou linku", "Volání do sítě T-Mobile",
                                                      "Volání do sítě Eurotel", "Volání do sítě Oskar"};

struct NoItems {
    static constexpr bool on = false;
    template <class... P>
    void item(ItemKind, i128, std::string_view, std::int64_t, const P&...) {}
    template <class... P>
    void lump(ItemKind, const Money&, const P&...) {}
    template <class... P>
    void choice(const P&...) {}
    template <class... P>
    void option(const Money&, bool, const P&...) {}
    void total(const Money&) {}
};

// Records into a Breakdown whose items, choices and labels are reused from
// its previous use, so a window or a benchmark pricing the same breakdown
// again allocates nothing once the strings have grown.
struct Itemiser {
    static constexpr bool on = true;
    Breakdown& bd;
    const Usage& u;
    std::size_t items = 0, choices = 0;

    Itemiser(Breakdown& b, const Usage& usage) : bd(b), u(usage) {}
    // Drops what the previous use left beyond this one's items and choices.
    void finish() {
        bd.items.resize(items);
        bd.choices.resize(choices);
    }

    // quantity x rate; nothing for a quantity of 0.
    template <class... P>
    void item(ItemKind k, i128 qty, std::string_view unit, std::int64_t rate, const P&... label) {
        if (qty == 0) return;
        BreakdownItem& it = nextItem();
        it.kind = k;
        it.quantity = static_cast<std::int64_t>(qty);
        it.unit = unit;
        it.rate = rate;
        it.hasRate = true;
        it.amount = Money::milli(qty * rate);
        (put(it.label, it.key, label), ...);
    }
    // An amount without quantity; nothing for 0.
    template <class... P>
    void lump(ItemKind k, const Money& amount, const P&... label) {
        if (amount == Money()) return;
        BreakdownItem& it = nextItem();
        it.kind = k;
        it.quantity = 0;
        it.unit = {};
        it.rate = 0;
        it.hasRate = false;
        it.amount = amount;
        (put(it.label, it.key, label), ...);
    }
    template <class... P>
    void choice(const P&... title) {
        if (choices == bd.choices.size()) bd.choices.emplace_back();
        BreakdownChoice& c = bd.choices[choices++];
        c.title.clear();
        c.options.clear();
        clearKey(c.key);
        (put(c.title, c.key, title), ...);
    }
    // An alternative of the last choice.
    template <class... P>
    void option(const Money& amount, bool taken, const P&... label) {
        ChoiceOption& o = bd.choices[choices - 1].options.emplace_back();
        o.amount = amount;
        o.taken = taken;
        (put(o.label, o.key, label), ...);
    }
    void total(const Money& m) { bd.total = m; }

private:
    BreakdownItem& nextItem() {
        if (items == bd.items.size()) bd.items.emplace_back();
        BreakdownItem& it = bd.items[items++];
        it.label.clear();
        clearKey(it.key);
        return it;
    }
    static void clearKey(LabelKey& k) {
        k.pattern.clear();
        k.count = 0;
    }
    static void put(std::string& s, LabelKey& k, std::string_view part) {
        s += part;
        k.pattern += part;
    }
    static void put(std::string& s, LabelKey& k, const char* part) { put(s, k, std::string_view(part)); }
    static void put(std::string& s, LabelKey& k, Num n) {
        char buf[24];
        const auto r = std::to_chars(buf, buf + sizeof buf, n.v);
        s.append(std::string_view(buf, static_cast<std::size_t>(r.ptr - buf)));
        assert(k.count < LabelKey::kNumbers);
        if (k.count < LabelKey::kNumbers) {
            k.numbers[static_cast<std::size_t>(k.count++)] = n.v;
            k.pattern += '%';
            k.pattern += static_cast<char>('0' + k.count);
        }
    }
};

inline Money milliMoney(i128 m) { return Money::milli(m); }

// The free-minutes item of a paid share: calls x share - calls (0 or less).
template <class S>
void freeMinutes(S& s, i128 calls, Share share, std::int64_t included, std::int64_t total, std::string_view what) {
    if constexpr (S::on) {
        if (share.num == share.den) return;
        const std::int64_t used = total < included ? (total > 0 ? total : 0) : included;
        s.lump(ItemKind::Discount, Money::scaled(calls, share) + (-calls), what, " (", Num{used}, " z ",
               Num{total > 0 ? total : 0}, ")");
    }
}

// Writes the price and hands it to the sink as the tariff's exact total.
template <class S>
void finishPrice(S& s, TariffResult& out, const Money& price) {
    writePrice(out, price);
    s.total(price);
}

// The same for a price of calls x share + rest, which the normal run
// truncates without forming the exact amount.
template <class S>
void finishPrice(S& s, TariffResult& out, i128 calls, Share share, i128 rest) {
    if constexpr (S::on) {
        finishPrice(s, out, Money::scaled(calls, share) + rest);
    } else {
        writeCrowns(out, Money::truncCrownsOfScaled(calls, share, rest));
    }
}

// The same for a price of two parts that both carry a fraction: the normal
// run truncates their sum without adding the fractions.
template <class S>
void finishPrice(S& s, TariffResult& out, const Money& part, const Money& other) {
    if constexpr (S::on) {
        finishPrice(s, out, part + other);
    } else {
        writeCrowns(out, Money::truncCrownsOfSum(part, other));
    }
}

// Pricing of one tariff (index into kTariffs) with items.
void itemiseTMobile(const Usage& u, int tariff, TariffResult& out, Itemiser& s);
void itemiseEurotel(const Usage& u, int tariff, TariffResult& out, Itemiser& s);
void itemiseOskar(const Usage& u, const RunOptions& options, int tariff, TariffResult& out, Itemiser& s);
void itemiseFixedLine(const Usage& u, TariffResult& out, Itemiser& s);

}  // namespace sazbar
