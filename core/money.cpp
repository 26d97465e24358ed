#include "core/money.h"

#include <algorithm>
#include <limits>

namespace sazbar {

namespace {

// Binary gcd: shifts and subtractions, which are cheaper and more predictable
// than a chain of divisions.
std::uint64_t gcd64(std::uint64_t a, std::uint64_t b) {
    if (a == 0) return b;
    if (b == 0) return a;
    const int shift = __builtin_ctzll(a | b);
    a >>= __builtin_ctzll(a);
    do {
        b >>= __builtin_ctzll(b);
        const std::uint64_t low = std::min(a, b);
        b = std::max(a, b) - low;
        a = low;
    } while (b != 0);
    return a << shift;
}

}  // namespace

i128 gcd128(i128 a, i128 b) {
    if (a < 0) a = -a;
    if (b < 0) b = -b;
    constexpr i128 kU64 = std::numeric_limits<std::uint64_t>::max();
    if (a <= kU64 && b <= kU64) return gcd64(static_cast<std::uint64_t>(a), static_cast<std::uint64_t>(b));
    while (b != 0) {
        const i128 t = a % b;
        a = b;
        b = t;
    }
    return a;
}

namespace {

// Floor division and its non-negative remainder, for d > 0.
void floorDiv(i128 n, i128 d, i128& q, i128& r) {
    q = n / d;
    r = n % d;
    if (r < 0) {
        r += d;
        --q;
    }
}

bool fitsInt64(i128 v) {
    return v >= std::numeric_limits<std::int64_t>::min() && v <= std::numeric_limits<std::int64_t>::max();
}

// Compares a/b with c/d for 0 <= a < b and 0 <= c < d without overflow,
// by comparing the continued-fraction expansions.
int compareProperFractions(i128 a, i128 b, i128 c, i128 d) {
    bool flipped = false;
    for (;;) {
        if (a == 0 || c == 0) {
            const int r = (a == 0 ? 0 : 1) - (c == 0 ? 0 : 1);
            return flipped ? -r : r;
        }
        // a/b vs c/d  <=>  d/c vs b/a (reciprocals, order reversed).
        const i128 q1 = b / a, r1 = b % a;
        const i128 q2 = d / c, r2 = d % c;
        flipped = !flipped;
        if (q1 != q2) {
            const int r = q1 < q2 ? -1 : 1;
            return flipped ? -r : r;
        }
        b = a;
        a = r1;
        d = c;
        c = r2;
    }
}

}  // namespace

Money Money::scaledFraction(i128 milli, Share s) {
    Money r;
    floorDiv(milli * s.num, s.den, r.m_millis, r.m_fn);
    if (r.m_fn != 0) r.m_fd = s.den;
    return r;
}

Money& Money::addFraction(const Money& o) {
    if (m_fn == 0) {
        m_fn = o.m_fn;
        m_fd = o.m_fd;
        return *this;
    }
    if (m_fd == o.m_fd) {
        m_fn += o.m_fn;
    } else {
        const i128 g = gcd128(m_fd, o.m_fd);
        const i128 lhsScale = o.m_fd / g;
        m_fn = m_fn * lhsScale + o.m_fn * (m_fd / g);
        m_fd *= lhsScale;
    }
    if (m_fn >= m_fd) {
        m_fn -= m_fd;
        ++m_millis;
    }
    if (m_fn == 0) {
        m_fd = 1;
    } else if (m_fd != o.m_fd) {
        const i128 g = gcd128(m_fn, m_fd);
        m_fn /= g;
        m_fd /= g;
    }
    return *this;
}

int Money::compareFractions(const Money& a, const Money& b) {
    if (a.m_fd == b.m_fd) return a.m_fn == b.m_fn ? 0 : (a.m_fn < b.m_fn ? -1 : 1);
    return compareProperFractions(a.m_fn, a.m_fd, b.m_fn, b.m_fd);
}

std::int64_t Money::truncCrownsOfSum(const Money& a, const Money& b) {
    constexpr i128 kSmall = i128{1} << 62;
    if (a.m_fd < kSmall && b.m_fd < kSmall) {
        // fa/da + fb/db >= 1 exactly when fa*db + fb*da >= da*db; the products stay below 2^125.
        const i128 whole = a.m_millis + b.m_millis + (a.m_fn * b.m_fd + b.m_fn * a.m_fd >= a.m_fd * b.m_fd ? 1 : 0);
        // A value in [whole, whole + 1) thousandths with whole >= 0 truncates as whole does.
        if (whole >= 0 && whole <= i128{std::numeric_limits<std::int64_t>::max()}) return static_cast<std::int64_t>(whole) / 1000;
    }
    return (a + b).truncCrowns();
}

std::int64_t Money::truncCrownsSlow() const {
    // The value lies in [m, m + 1) thousandths; it is m exactly when fn == 0.
    if (fitsInt64(m_millis) && m_millis > std::numeric_limits<std::int64_t>::min()) {
        const auto m = static_cast<std::int64_t>(m_millis);
        return (m >= 0 || m_fn == 0) ? m / 1000 : (m + 1) / 1000;
    }
    i128 crowns;
    if (m_millis >= 0 || m_fn == 0) {
        crowns = m_millis / 1000;
    } else {
        // Negative and strictly between m and m + 1: toward zero is the
        // quotient of m + 1.
        crowns = (m_millis + 1) / 1000;
    }
    if (crowns > std::numeric_limits<std::int64_t>::max()) return std::numeric_limits<std::int64_t>::max();
    if (crowns < std::numeric_limits<std::int64_t>::min()) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(crowns);
}

double Money::approx() const {
    return (static_cast<double>(m_millis) + static_cast<double>(m_fn) / static_cast<double>(m_fd)) / 1000.0;
}

}  // namespace sazbar
