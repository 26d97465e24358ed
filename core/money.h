// Exact money arithmetic for tariff prices.
//
// Every rate and fee of a tariff has at most three decimals, so an amount is
// held as a whole number of thousandths of a crown ("milli"). The one place
// where prices leave that grid is a paid share such as (T - F) / T; an amount
// scaled by it keeps the exact remainder as a fraction, so comparisons and the
// final truncation to whole crowns are those of the exact value: no rounding
// noise can cost a crown or flip a tie.
#pragma once

#include <cstdint>
#include <limits>

namespace sazbar {

using i128 = __int128;

// Greatest common divisor of |a| and |b| (0 when both are 0).
i128 gcd128(i128 a, i128 b);

namespace detail {
consteval std::int64_t parseMilli(const char* s) {
    std::int64_t whole = 0;
    std::int64_t frac = 0;
    int fracDigits = 0;
    bool inFrac = false;
    for (; *s; ++s) {
        if (*s == '.') {
            inFrac = true;
        } else if (*s == '\'') {
            continue;
        } else if (*s < '0' || *s > '9') {
            throw "rate literal must be plain decimal";
        } else if (inFrac) {
            if (++fracDigits > 3) throw "rates have at most three decimals";
            frac = frac * 10 + (*s - '0');
        } else {
            whole = whole * 10 + (*s - '0');
        }
    }
    for (; fracDigits < 3; ++fracDigits) frac *= 10;
    return whole * 1000 + frac;
}
}  // namespace detail

namespace detail {
template <char... C>
consteval std::int64_t parseMilliChars() {
    constexpr char text[] = {C..., '\0'};
    return parseMilli(text);
}
// A constant, so every literal is parsed (and checked) while compiling, even
// inside templates and in unoptimised builds.
template <char... C>
inline constexpr std::int64_t kMilli = parseMilliChars<C...>();
}  // namespace detail

// A rate or fee in thousandths of a crown, written as a decimal: 4.76_kc == 4760.
template <char... C>
constexpr std::int64_t operator""_kc() {
    return detail::kMilli<C...>;
}

// A share num / den with den > 0, such as the paid share of a tariff's calls.
struct Share {
    std::int64_t num = 1;
    std::int64_t den = 1;
};

inline constexpr Share kWholeShare{1, 1};
inline constexpr Share kNoShare{0, 1};

// (total - included) / total when total >= included, else 0. A total of 0 or
// less never divides.
constexpr Share paidShare(std::int64_t total, std::int64_t included) {
    // Selects rather than branches: the share's case varies from run to run.
    const bool paid = (total >= included) & (total > 0);
    return Share{paid ? total - included : 0, paid ? total : 1};
}

class Money {
public:
    constexpr Money() = default;

    // m thousandths of a crown.
    static constexpr Money milli(i128 m) {
        Money r;
        r.m_millis = m;
        return r;
    }

    // milli * share, exactly.
    static Money scaled(i128 milli, Share s) {
        if (s.den == 1) return Money::milli(milli * s.num);
        // Ordinary amounts: the product and its floor division in 64 bits.
        std::int64_t n;
        if (milli == static_cast<std::int64_t>(milli) &&
            !__builtin_mul_overflow(static_cast<std::int64_t>(milli), s.num, &n)) {
            std::int64_t q = n / s.den, rem = n % s.den;
            if (rem < 0) {
                rem += s.den;
                --q;
            }
            Money r;
            r.m_millis = q;
            r.m_fn = rem;
            r.m_fd = rem != 0 ? s.den : 1;
            return r;
        }
        return scaledFraction(milli, s);
    }

    Money& operator+=(const Money& o) {
        m_millis += o.m_millis;
        return o.m_fn == 0 ? *this : addFraction(o);
    }
    Money& operator+=(i128 milli) {
        m_millis += milli;
        return *this;
    }
    friend Money operator+(Money a, const Money& b) { return a += b; }
    friend Money operator+(Money a, i128 milli) { return a += milli; }

    // -1, 0, 1 as a is below, equal to or above b.
    static int compare(const Money& a, const Money& b) {
        if (a.m_millis != b.m_millis) return a.m_millis < b.m_millis ? -1 : 1;
        if (a.m_fn == b.m_fn && a.m_fd == b.m_fd) return 0;
        return compareFractions(a, b);
    }
    friend bool operator<(const Money& a, const Money& b) { return compare(a, b) < 0; }
    friend bool operator>(const Money& a, const Money& b) { return compare(a, b) > 0; }
    friend bool operator<=(const Money& a, const Money& b) { return compare(a, b) <= 0; }
    friend bool operator>=(const Money& a, const Money& b) { return compare(a, b) >= 0; }
    friend bool operator==(const Money& a, const Money& b) { return compare(a, b) == 0; }

    // Whole crowns, truncated toward zero, saturated to 64 bits.
    std::int64_t truncCrowns() const {
        // A value in [m, m + 1) thousandths with m >= 0 truncates as m does.
        if (static_cast<unsigned __int128>(m_millis) <= std::numeric_limits<std::int64_t>::max()) return static_cast<std::int64_t>(m_millis) / 1000;
        return truncCrownsSlow();
    }

    // (Money::scaled(milli, s) + rest).truncCrowns() without forming the
    // amount: a value of at least 0 truncates as its whole thousandths do.
    static std::int64_t truncCrownsOfScaled(i128 milli, Share s, i128 rest) {
        std::int64_t n, whole;
        if (milli == static_cast<std::int64_t>(milli) && rest == static_cast<std::int64_t>(rest) &&
            !__builtin_mul_overflow(static_cast<std::int64_t>(milli), s.num, &n) && n >= 0 &&
            !__builtin_add_overflow(s.den == 1 ? n : n / s.den, static_cast<std::int64_t>(rest), &whole) && whole >= 0)
            return whole / 1000;
        return (scaled(milli, s) + rest).truncCrowns();
    }

    // (a + b).truncCrowns() without reducing the fraction of the sum: only
    // whether the two fractions carry a thousandth matters.
    static std::int64_t truncCrownsOfSum(const Money& a, const Money& b);

    // Whole thousandths below the value, and the exact remainder fraction
    // num/den in [0, 1) of a thousandth.
    i128 millis() const { return m_millis; }
    i128 fracNum() const { return m_fn; }
    i128 fracDen() const { return m_fd; }
    bool onGrid() const { return m_fn == 0; }
    // Approximate value in crowns, for display and tests only.
    double approx() const;

private:
    // The out-of-line parts: scaling by a share of den > 1, adding a fraction to the held amount (m_millis already
    // summed), ordering two amounts of equal millis, and truncating amounts
    // that are negative or beyond 64 bits.
    static Money scaledFraction(i128 milli, Share s);
    Money& addFraction(const Money& o);
    static int compareFractions(const Money& a, const Money& b);
    std::int64_t truncCrownsSlow() const;

    i128 m_millis = 0;
    i128 m_fn = 0;  // 0 <= m_fn < m_fd
    i128 m_fd = 1;
};

}  // namespace sazbar
