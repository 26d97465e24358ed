#include "pricing/breakdown.h"

#include <cstdint>
#include <string>

#include "pricing/itemiser.h"

namespace sazbar {

std::string_view itemKindId(ItemKind k) {
    switch (k) {
        case ItemKind::Call: return "call";
        case ItemKind::Message: return "message";
        case ItemKind::Data: return "data";
        case ItemKind::International: return "international";
        case ItemKind::Fee: return "fee";
        case ItemKind::Package: return "package";
        case ItemKind::Discount: return "discount";
        case ItemKind::Minimum: return "minimum";
        case ItemKind::Surcharge: return "surcharge";
    }
    return "";
}

std::string_view itemKindLabel(ItemKind k) {
    switch (k) {
        case ItemKind::Call: return "Volání";
        case ItemKind::Message: return "Zprávy";
        case ItemKind::Data: return "Data";
        case ItemKind::International: return "Zahraničí";
        case ItemKind::Fee: return "Poplatky";
        case ItemKind::Package: return "Balíčky";
        case ItemKind::Discount: return "Slevy a volné jednotky";
        case ItemKind::Minimum: return "Minimální plnění";
        case ItemKind::Surcharge: return "Příplatky";
    }
    return "";
}

std::string_view breakdownStatusId(BreakdownStatus s) {
    switch (s) {
        case BreakdownStatus::Itemised: return "itemised";
        case BreakdownStatus::Saturated: return "saturated";
        case BreakdownStatus::NoConfiguration: return "no_configuration";
    }
    return "";
}

std::string breakdownStatusText(const Breakdown& b) {
    switch (b.status) {
        case BreakdownStatus::Itemised: return {};
        case BreakdownStatus::Saturated:
            return "Cena je mimo rozsah výsledkového pole, pole ukazuje " + std::to_string(b.shown) +
                   " Kč. Položky se nerozepisují.";
        case BreakdownStatus::NoConfiguration:
            return "Žádná konfigurace tarifu není levnější než 999999 Kč, pole ukazuje 999999 Kč. Položky se "
                   "nerozepisují.";
    }
    return {};
}

Money Breakdown::itemSum() const {
    Money sum;
    for (const BreakdownItem& it : items) sum += it.amount;
    return sum;
}

Money Breakdown::kindSum(ItemKind k) const {
    Money sum;
    for (const BreakdownItem& it : items)
        if (it.kind == k) sum += it.amount;
    return sum;
}

void priceBreakdown(const Profile& profile, const RunOptions& options, int tariffIndex, Breakdown& out) {
    out.tariff = tariffIndex;
    out.status = BreakdownStatus::Itemised;
    out.total = Money();
    out.shown = 0;
    out.hint.clear();
    if (tariffIndex < 0 || tariffIndex >= kTariffCount) {
        out.items.clear();
        out.choices.clear();
        return;
    }
    const Usage u = aggregate(profile);
    TariffResult field;
    field.hint.clear();
    Itemiser k{out, u};
    switch (kTariffs[static_cast<std::size_t>(tariffIndex)].op) {
        case Operator::TMobile: itemiseTMobile(u, tariffIndex, field, k); break;
        case Operator::Eurotel: itemiseEurotel(u, tariffIndex, field, k); break;
        case Operator::Oskar: itemiseOskar(u, options, tariffIndex, field, k); break;
        case Operator::FixedLine: itemiseFixedLine(u, field, k); break;
    }
    k.finish();
    out.shown = field.price;
    field.hint.appendTo(out.hint);  // out.hint was cleared above
    const Money cap = Money::milli(999999_kc);
    if (out.total == cap && !(out.itemSum() < cap)) {
        // Individual without a configuration below the search's start value.
        out.status = BreakdownStatus::NoConfiguration;
        out.items.clear();
    } else if (out.total.truncCrowns() != field.price) {
        out.status = BreakdownStatus::Saturated;
        out.items.clear();
    }
}

Breakdown priceBreakdown(const Profile& profile, const RunOptions& options, int tariffIndex) {
    Breakdown b;
    priceBreakdown(profile, options, tariffIndex, b);
    return b;
}

Money moneyDifference(const Money& a, const Money& b) {
    // -b = -(m fd + fn) / fd thousandths.
    Money r = a;
    if (b.onGrid()) return r + (-b.millis());
    if (b.fracDen() <= INT64_MAX) {
        r += Money::scaled(-(b.millis() * b.fracDen() + b.fracNum()), Share{1, static_cast<std::int64_t>(b.fracDen())});
        return r;
    }
    return r + (-b.millis() - 1);
}

namespace {

std::string digits(i128 v) {
    // Written backwards; digit by digit so the most negative value needs no
    // special case.
    char buf[48];
    char* p = buf + sizeof buf;
    const bool neg = v < 0;
    do {
        const int d = static_cast<int>(v % 10);
        *--p = static_cast<char>('0' + (d < 0 ? -d : d));
        v /= 10;
    } while (v != 0);
    if (neg) *--p = '-';
    return std::string(p, buf + sizeof buf);
}

std::string padded(i128 v, std::size_t width) {
    std::string s = digits(v);
    if (s.size() < width) s = std::string(width - s.size(), '0').append(s);
    return s;
}

// The value rounded half away from zero to whole haléře.
i128 roundedHalere(const Money& m) {
    const i128 milli = m.millis();
    i128 q = milli / 10, r = milli % 10;
    if (r < 0) {
        r += 10;
        --q;
    }
    const bool frac = !m.onGrid();
    // value = 10 q + r + f (milli), 0 <= r + f < 10
    if (r > 5 || (r == 5 && frac)) return q + 1;
    if (r == 5 && !frac) return q >= 0 ? q + 1 : q;
    return q;
}

std::string withDecimals(i128 whole, int decimals, i128 frac, bool negative, char mark, bool group) {
    std::string w = digits(whole);
    if (group && w.size() > 3) {
        std::string g;
        const std::size_t n = w.size();
        for (std::size_t i = 0; i < n; ++i) {
            if (i > 0 && (n - i) % 3 == 0) g += "\u00a0";
            g += w[i];
        }
        w = g;
    }
    std::string s = negative ? "-" : "";
    s.append(w).append(1, mark).append(padded(frac, static_cast<std::size_t>(decimals)));
    return s;
}

std::string halere(const Money& m, char mark, bool group) {
    const i128 h = roundedHalere(m);
    const i128 a = h < 0 ? -h : h;
    return withDecimals(a / 100, 2, a % 100, h < 0, mark, group);
}

// The number of decimals of m when it has at most `most`, else -1.
int decimalsUpTo(const Money& m, int most) {
    i128 fn = m.fracNum(), fd = m.fracDen();
    int places = 3;
    if (fn != 0) {
        const i128 g = gcd128(fn, fd);
        fd /= g;
        // fd = 2^a 5^b: max(a, b) more places.
        int twos = 0, fives = 0;
        while (fd % 2 == 0) fd /= 2, ++twos;
        while (fd % 5 == 0) fd /= 5, ++fives;
        if (fd != 1) return -1;
        places += twos > fives ? twos : fives;
    } else {
        i128 v = m.millis();
        while (places > 0 && v % 10 == 0) v /= 10, --places;
    }
    return places <= most ? places : -1;
}

Money haleruOf(const Money& m) { return Money::milli(roundedHalere(m) * 10); }

}  // namespace

Money shownAmount(const Money& m, bool* rounded) {
    const bool exact = decimalsUpTo(m, ShownAmounts::kShownDecimals) >= 0;
    if (rounded) *rounded = !exact;
    return exact ? m : haleruOf(m);
}

ShownAmounts shownAmounts(const Breakdown& b) {
    ShownAmounts s;
    s.total = shownAmount(b.total);
    s.items.resize(b.items.size());
    s.rounded.assign(b.items.size(), false);
    Money sum;
    for (std::size_t i = 0; i < b.items.size(); ++i) {
        bool r = false;
        s.items[i] = shownAmount(b.items[i].amount, &r);
        s.rounded[i] = r;
        if (r) s.carrier = static_cast<int>(i);
        sum += s.items[i];
    }
    if (b.items.empty() || sum == s.total) {
        s.carrier = -1;
        return s;
    }
    // The last rounded item carries what the roundings leave; with none
    // rounded (the items' exact sum never differs then) the last item would.
    if (s.carrier < 0) s.carrier = static_cast<int>(b.items.size()) - 1;
    const auto c = static_cast<std::size_t>(s.carrier);
    s.items[c] = moneyDifference(s.total, moneyDifference(sum, s.items[c]));
    s.rounded[c] = true;
    return s;
}

Money ShownAmounts::kindSum(const Breakdown& b, ItemKind k) const {
    Money sum;
    for (std::size_t i = 0; i < b.items.size() && i < items.size(); ++i)
        if (b.items[i].kind == k) sum += items[i];
    return sum;
}

std::string formatHalere(const Money& m) { return halere(m, ',', true); }
std::string formatCents(const Money& m) { return halere(m, '.', false); }

std::string formatRate(std::int64_t milli, char decimalMark) {
    const std::int64_t a = milli < 0 ? -milli : milli;
    if (a % 10 == 0) return withDecimals(a / 1000, 2, (a % 1000) / 10, milli < 0, decimalMark, false);
    return withDecimals(a / 1000, 3, a % 1000, milli < 0, decimalMark, false);
}

std::string formatExact(const Money& m) {
    // |value| = whole + fn / fd thousandths.
    const bool negative = m.millis() < 0;
    i128 whole = m.millis(), fn = m.fracNum(), fd = m.fracDen();
    if (fn != 0) {
        const i128 g = gcd128(fn, fd);
        fn /= g;
        fd /= g;
    }
    if (negative) {
        whole = -whole;
        if (fn != 0) {
            whole -= 1;
            fn = fd - fn;
        }
    }
    i128 rest = fd;
    while (rest % 2 == 0) rest /= 2;
    while (rest % 5 == 0) rest /= 5;
    if (rest != 1) {
        // Not a terminating decimal: the reduced fraction of crowns.
        i128 p = whole * fd + fn, q = fd * 1000;
        const i128 g = gcd128(p, q);
        p /= g;
        q /= g;
        std::string s = negative ? "-" : "";
        s.append(digits(p)).append("/").append(digits(q));
        return s;
    }
    // Thousandths, then the digits of fn / fd.
    std::string f = padded(whole % 1000, 3);
    while (fn != 0) {
        fn *= 10;
        f += static_cast<char>('0' + static_cast<int>(fn / fd));
        fn %= fd;
    }
    while (f.size() > 2 && f.back() == '0') f.pop_back();
    std::string s = negative && (whole != 0 || f != "00") ? "-" : "";
    s.append(digits(whole / 1000)).append(".").append(f);
    return s;
}

}  // namespace sazbar
