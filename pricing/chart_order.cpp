#include "pricing/chart_order.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <limits>
#include <utility>

#if defined(__x86_64__) || defined(__SSE2__)
#include <immintrin.h>
#endif

namespace sazbar {

namespace {

constexpr std::uint32_t colourOf(Operator op) {
    switch (op) {
        case Operator::TMobile: return 0x0000FF;
        case Operator::Eurotel: return 0x008000;
        case Operator::Oskar: return 0xFF0000;
        case Operator::FixedLine: return 0xFFFF00;
    }
    return 0;
}

// The list's chart slots are a permutation of 0..48.
constexpr bool slotsArePlaces() {
    std::array<int, kChartRecords> seen{};
    for (const TariffInfo& t : kTariffs) {
        if (t.chartSlot < 0 || t.chartSlot >= kChartRecords) return false;
        ++seen[static_cast<std::size_t>(t.chartSlot)];
    }
    for (int n : seen)
        if (n != 1) return false;
    return true;
}
static_assert(kChartRecords == kTariffCount && slotsArePlaces());

// The index in kTariffs of each chart record.
constexpr std::array<int, kChartRecords> kFieldOf = [] {
    std::array<int, kChartRecords> field{};
    for (int t = 0; t < kTariffCount; ++t) field[static_cast<std::size_t>(kTariffs[static_cast<std::size_t>(t)].chartSlot)] = t;
    return field;
}();

}  // namespace

const std::array<ChartRecord, kChartRecords> kChartTable = [] {
    std::array<ChartRecord, kChartRecords> table{};
    for (const TariffInfo& t : kTariffs)
        table[static_cast<std::size_t>(t.chartSlot)] = ChartRecord{t.chartName, t.id, colourOf(t.op)};
    return table;
}();

namespace {

// Each record's rank: the number of records with a lower price, the same for equal prices.
using Ranks = std::array<std::uint8_t, kChartRecords>;

// The records being sorted, 1-based as the chart numbers them, prices and
// record numbers side by side; four slots of padding at each end let the
// scans read whole vectors.
struct SortArrays {
    static constexpr int kPad = 4;
    std::array<std::int32_t, kChartRecords + 1 + 2 * kPad> price{};
    std::array<std::uint8_t, kChartRecords + 1 + 2 * kPad> record{};
    Ranks rankOf{};  // by record
    std::int32_t& at(int n) { return price[static_cast<std::size_t>(n + kPad)]; }
    std::uint8_t& recordAt(int n) { return record[static_cast<std::size_t>(n + kPad)]; }
};

// The first n >= i with price >= pivot, the stop of `while (a[i] < pivot) ++i`.
int scanUp(SortArrays& a, int i, std::int32_t pivot) {
#if defined(__SSE2__)
    const __m128i p = _mm_set1_epi32(pivot);
    for (;; i += 4) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&a.at(i)));
        const int stop = ~_mm_movemask_ps(_mm_castsi128_ps(_mm_cmplt_epi32(v, p))) & 0xF;
        if (stop != 0) return i + __builtin_ctz(static_cast<unsigned>(stop));
    }
#else
    while (a.at(i) < pivot) ++i;
    return i;
#endif
}

// The last n <= j with price <= pivot, the stop of `while (a[j] > pivot) --j`.
int scanDown(SortArrays& a, int j, std::int32_t pivot) {
#if defined(__SSE2__)
    const __m128i p = _mm_set1_epi32(pivot);
    for (;; j -= 4) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&a.at(j - 3)));
        const int stop = ~_mm_movemask_ps(_mm_castsi128_ps(_mm_cmpgt_epi32(v, p))) & 0xF;
        if (stop != 0) return j - 3 + (31 - __builtin_clz(static_cast<unsigned>(stop)));
    }
#else
    while (a.at(j) > pivot) --j;
    return j;
#endif
}

// The chart's quicksort on records lo..hi as written, on plain arrays: the
// source of the tables below.
constexpr void plainQuicksort(std::int32_t* price, std::uint8_t* slot, int lo, int hi) {
    int i = lo, j = hi;
    const std::int32_t pivot = price[(lo + hi) / 2];
    do {
        while (price[i] < pivot) ++i;
        while (price[j] > pivot) --j;
        if (i <= j) {
            std::swap(price[i], price[j]);
            std::swap(slot[i], slot[j]);
            ++i;
            --j;
        }
    } while (i <= j);
    if (i < hi) plainQuicksort(price, slot, i, hi);
    if (lo < j) plainQuicksort(price, slot, lo, j);
}

// Ranges of two to four records, more than half of the sort's calls, are put
// in order by a table. The quicksort's outcome on a range depends only on how
// its prices compare, so the pattern of comparisons (a digit 0, 1 or 2 for
// below, equal or above per pair) picks the outcome, which the plain sort gives
// for some prices of each pattern.
constexpr int pairsOf(int n) { return n * (n - 1) / 2; }

template <int N>
constexpr int patternIndex(const std::int32_t* price) {
    int index = 0;
    for (int i = 0; i < N; ++i)
        for (int j = i + 1; j < N; ++j) index = 3 * index + (price[i] > price[j]) - (price[i] < price[j]) + 1;
    return index;
}

constexpr int power3(int e) { return e == 0 ? 1 : 3 * power3(e - 1); }

// For each pattern, the record slots in their sorted order, two bits each.
template <int N>
constexpr std::array<std::uint8_t, power3(pairsOf(N))> makeSmallOrders() {
    std::array<std::uint8_t, power3(pairsOf(N))> orders{};
    int total = 1;
    for (int k = 0; k < N; ++k) total *= N;
    for (int code = 0; code < total; ++code) {  // every price list with values 0..N-1
        std::int32_t price[N]{};
        std::uint8_t slot[N]{};
        for (int k = 0, c = code; k < N; ++k, c /= N) {
            price[k] = c % N;
            slot[k] = static_cast<std::uint8_t>(k);
        }
        const int pattern = patternIndex<N>(price);
        plainQuicksort(price, slot, 0, N - 1);
        std::uint8_t packed = 0;
        for (int k = 0; k < N; ++k) packed = static_cast<std::uint8_t>(packed | slot[k] << (2 * k));
        orders[static_cast<std::size_t>(pattern)] = packed;
    }
    return orders;
}

template <int N>
inline constexpr auto kSmallOrders = makeSmallOrders<N>();

template <int N>
void sortSmall(SortArrays& a, int lo) {
    std::int32_t price[N];
    std::uint8_t record[N];
    for (int k = 0; k < N; ++k) {
        price[k] = a.at(lo + k);
        record[k] = a.recordAt(lo + k);
    }
    const unsigned order = kSmallOrders<N>[static_cast<std::size_t>(patternIndex<N>(price))];
    for (int k = 0; k < N; ++k) {
        const unsigned from = order >> (2 * k) & 3;
        a.at(lo + k) = price[from];
        a.recordAt(lo + k) = record[from];
    }
}

// The ranks present in records lo..hi, as bits.
std::uint64_t ranksIn(SortArrays& a, int lo, int hi) {
    std::uint64_t seen = 0;
    for (int k = lo; k <= hi; ++k) seen |= std::uint64_t{1} << a.rankOf[a.recordAt(k)];
    return seen;
}

// Records lo..hi with all prices different, in ascending order: the order the
// quicksort leaves them in. `ranks` holds their ranks.
void placeByRank(SortArrays& a, int lo, int hi, std::uint64_t ranks) {
    std::array<std::int32_t, kChartRecords> priceOfRank;
    std::array<std::uint8_t, kChartRecords> recordOfRank;
    for (int k = lo; k <= hi; ++k) {
        const std::uint8_t record = a.recordAt(k), rank = a.rankOf[record];
        priceOfRank[rank] = a.at(k);
        recordOfRank[rank] = record;
    }
    for (int k = lo; ranks != 0; ranks &= ranks - 1, ++k) {
        const int rank = std::countr_zero(ranks);
        a.at(k) = priceOfRank[static_cast<std::size_t>(rank)];
        a.recordAt(k) = recordOfRank[static_cast<std::size_t>(rank)];
    }
}

void quicksort(SortArrays& a, int lo, int hi, bool lookForDistinct);

// Ranges with at most this many repeated ranks are searched for parts whose prices all differ.
constexpr int kRepeatsWorthSearching = 2;

// Sorts records lo..hi, lo < hi. Only ranges that hold equal prices need the
// quicksort itself; usually a single pair of tariffs costs the same, and
// every range without both of them is placed by rank. Within a range of more
// than two repeated prices the search for such ranges stops, as they are rare
// there.
void sortRange(SortArrays& a, int lo, int hi, bool lookForDistinct) {
    switch (hi - lo + 1) {
        case 2: sortSmall<2>(a, lo); return;
        case 3: sortSmall<3>(a, lo); return;
        case 4: sortSmall<4>(a, lo); return;
        default: break;
    }
    if (lookForDistinct) {
        const std::uint64_t ranks = ranksIn(a, lo, hi);
        const int repeated = hi - lo + 1 - std::popcount(ranks);
        if (repeated == 0) {
            placeByRank(a, lo, hi, ranks);
            return;
        }
        lookForDistinct = repeated <= kRepeatsWorthSearching;
    }
    quicksort(a, lo, hi, lookForDistinct);
}

// The chart's quicksort on records lo..hi. The scans stop where the plain
// loops stop, so equal prices come out in the same order.
void quicksort(SortArrays& a, int lo, int hi, bool lookForDistinct) {
    int i = lo, j = hi;
    const std::int32_t pivot = a.at((lo + hi) / 2);
    do {
        i = scanUp(a, i, pivot);
        j = scanDown(a, j, pivot);
        if (i <= j) {
            std::swap(a.at(i), a.at(j));
            std::swap(a.recordAt(i), a.recordAt(j));
            ++i;
            --j;
        }
    } while (i <= j);
    if (i < hi) sortRange(a, i, hi, lookForDistinct);
    if (lo < j) sortRange(a, lo, j, lookForDistinct);
}

// The ascending order when no two prices are equal, found without
// data-dependent branches: a record's place among the shown records is the
// number of shown records with a lower price, and its rank among all records
// the number of records with a lower price. The result is the number of
// repeated ranks: not 0 when two prices are equal (two records share a rank),
// where only the quicksort knows the order. A hidden record goes to the last
// slot, which only a chart of all 49 records uses, and then none is hidden.
using Input = std::array<ChartInput, kChartRecords>;
constexpr std::uint64_t kAllRanks = (std::uint64_t{1} << kChartRecords) - 1;

// The number of records that share their rank with an earlier one, from the
// ranks taken: 0 when all prices differ.
constexpr int repeatedRanks(std::uint64_t taken) { return kChartRecords - std::popcount(taken); }

// Shown records as bits, and the prices padded to 64 with a value no price is above.
struct Prices {
    alignas(64) std::array<std::int32_t, 64> price;
    std::uint64_t shown = 0;
    explicit Prices(const Input& in) {
        for (int n = 0; n < kChartRecords; ++n) {
            price[n] = in[n].price;
            shown |= std::uint64_t{!in[n].hidden} << n;
        }
        std::fill(price.begin() + kChartRecords, price.end(), std::numeric_limits<std::int32_t>::max());
    }
};

// Puts record n at its place; the number of repeated ranks.
int placeAll(const Prices& p, const std::array<std::uint64_t, kChartRecords>& below, ChartOrder& out, Ranks& rank) {
    std::uint64_t taken = 0;
    for (int n = 0; n < kChartRecords; ++n) {
        rank[n] = static_cast<std::uint8_t>(__builtin_popcountll(below[n]));
        taken |= std::uint64_t{1} << rank[n];
        const int place = (p.shown >> n & 1) != 0 ? __builtin_popcountll(below[n] & p.shown) : kChartRecords - 1;
        out.records[static_cast<std::size_t>(place)] = static_cast<std::uint8_t>(n);
    }
    out.count = __builtin_popcountll(p.shown);
    return repeatedRanks(taken);
}

int orderPlain(const Input& in, ChartOrder& out, Ranks& rank) {
    const Prices p(in);
    std::array<std::uint64_t, kChartRecords> below{};
    for (int n = 0; n < kChartRecords; ++n)
        for (int m = 0; m < kChartRecords; ++m) below[n] |= std::uint64_t{p.price[m] < p.price[n]} << m;
    return placeAll(p, below, out, rank);
}

#if defined(__x86_64__)
// Eight compares in one instruction, each lane giving a bit of the mask.
__attribute__((target("avx2,popcnt"))) int orderAvx2(const Input& in, ChartOrder& out, Ranks& rank) {
    const Prices p(in);
    __m256i v[7];
    for (int k = 0; k < 7; ++k) v[k] = _mm256_load_si256(reinterpret_cast<const __m256i*>(&p.price[8 * k]));
    std::array<std::uint64_t, kChartRecords> below;
    for (int n = 0; n < kChartRecords; ++n) {
        const __m256i x = _mm256_set1_epi32(p.price[n]);
        std::uint64_t b = 0;
        for (int k = 0; k < 7; ++k)
            b |= std::uint64_t(unsigned(_mm256_movemask_ps(_mm256_castsi256_ps(_mm256_cmpgt_epi32(x, v[k]))))) << (8 * k);
        below[n] = b;
    }
    return placeAll(p, below, out, rank);
}

// Puts record n at its place from the records with a lower price; its rank
// among all records as a bit.
__attribute__((target("popcnt"))) inline std::uint64_t placeRecord(int n, std::uint64_t below, std::uint64_t shown, ChartOrder& out,
                                                                  Ranks& rank) {
    const int at = (shown >> n & 1) != 0 ? __builtin_popcountll(below & shown) : kChartRecords - 1;
    out.records[static_cast<std::size_t>(at)] = static_cast<std::uint8_t>(n);
    rank[static_cast<std::size_t>(n)] = static_cast<std::uint8_t>(__builtin_popcountll(below));
    return std::uint64_t{1} << rank[static_cast<std::size_t>(n)];
}

// GCC 12's AVX-512 headers fill unused lanes with "undefined" values, which
// -Wuninitialized reports (GCC bug 105593).
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wuninitialized"
#endif

// Sixteen compares in one instruction. The prices and hidden flags are read
// from the input as 64-bit lanes (price in the low half, the flag in the
// byte above it), without a pass over the records.
__attribute__((target("avx512f,avx512bw,popcnt"))) int orderAvx512(const Input& in, ChartOrder& out, Ranks& rank) {
    static_assert(sizeof(ChartInput) == 8 && offsetof(ChartInput, price) == 0 && offsetof(ChartInput, hidden) == 4);
    const ChartInput* src = in.data();
    __m512i lanes[7];
    for (int k = 0; k < 6; ++k) lanes[k] = _mm512_loadu_si512(src + 8 * k);
    lanes[6] = _mm512_maskz_loadu_epi64(0x01, src + 48);
    const __m512i flagByte = _mm512_set1_epi64(std::int64_t{0xFF} << 32);
    std::uint64_t hidden = 0;
    for (int k = 0; k < 7; ++k) hidden |= std::uint64_t{_mm512_test_epi64_mask(lanes[k], flagByte)} << (8 * k);
    const std::uint64_t shown = ~hidden & kAllRanks;
    // The low halves of two vectors of eight records: sixteen prices.
    const __m512i even = _mm512_set_epi32(30, 28, 26, 24, 22, 20, 18, 16, 14, 12, 10, 8, 6, 4, 2, 0);
    const __m512i v0 = _mm512_permutex2var_epi32(lanes[0], even, lanes[1]),
                  v1 = _mm512_permutex2var_epi32(lanes[2], even, lanes[3]),
                  v2 = _mm512_permutex2var_epi32(lanes[4], even, lanes[5]),
                  v3 = _mm512_mask_permutexvar_epi32(_mm512_set1_epi32(std::numeric_limits<std::int32_t>::max()), 0x0001,
                                                     even, lanes[6]);
    std::uint64_t taken = 0;
    // Prices within 65535 of the lowest compare as 16-bit offsets from it, 32
    // in one instruction; the padding becomes the largest offset, below nothing.
    const std::int32_t lowest = _mm512_reduce_min_epi32(_mm512_min_epi32(_mm512_min_epi32(v0, v1), _mm512_min_epi32(v2, v3)));
    const std::int32_t highest = std::max(_mm512_reduce_max_epi32(_mm512_max_epi32(_mm512_max_epi32(v0, v1), v2)),
                                          _mm512_mask_reduce_max_epi32(0x0001, v3));
    if (std::int64_t{highest} - lowest <= 0xFFFF) {
        const __m512i base = _mm512_set1_epi32(lowest);
        const __m512i evenWords = _mm512_set_epi16(62, 60, 58, 56, 54, 52, 50, 48, 46, 44, 42, 40, 38, 36, 34, 32, 30, 28, 26,
                                                   24, 22, 20, 18, 16, 14, 12, 10, 8, 6, 4, 2, 0);
        const __m512i w0 = _mm512_permutex2var_epi16(_mm512_sub_epi32(v0, base), evenWords, _mm512_sub_epi32(v1, base));
        const __m512i w1 = _mm512_mask_mov_epi16(
            _mm512_permutex2var_epi16(_mm512_sub_epi32(v2, base), evenWords, _mm512_sub_epi32(v3, base)), 0xFFFE0000u,
            _mm512_set1_epi16(-1));
        for (int n = 0; n < kChartRecords; ++n) {
            const __m512i x = _mm512_set1_epi16(static_cast<std::int16_t>(src[n].price - lowest));
            taken |= placeRecord(n, _cvtmask64_u64(_mm512_kunpackd(_mm512_cmplt_epu16_mask(w1, x), _mm512_cmplt_epu16_mask(w0, x))), shown, out, rank);
        }
    } else {
        for (int n = 0; n < kChartRecords; ++n) {
            const __m512i x = _mm512_set1_epi32(src[n].price);
            const __mmask32 low = _mm512_kunpackw(_mm512_cmplt_epi32_mask(v1, x), _mm512_cmplt_epi32_mask(v0, x));
            const __mmask32 high = _mm512_kunpackw(_mm512_cmplt_epi32_mask(v3, x), _mm512_cmplt_epi32_mask(v2, x));
            taken |= placeRecord(n, _cvtmask64_u64(_mm512_kunpackd(high, low)), shown, out, rank);
        }
    }
    out.count = __builtin_popcountll(shown);
    return repeatedRanks(taken);
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif
#endif

// The widest copy the processor runs, picked once.
int orderDistinct(const Input& in, ChartOrder& out, Ranks& rank) {
#if defined(__x86_64__)
    static const auto pick = [] {
        __builtin_cpu_init();
        if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw")) return &orderAvx512;
        return __builtin_cpu_supports("avx2") ? &orderAvx2 : &orderPlain;
    }();
    return pick(in, out, rank);
#else
    return orderPlain(in, out, rank);
#endif
}

}  // namespace

ChartOrder chartOrder(const std::array<ChartInput, kChartRecords>& input) {
    ChartOrder out;
    // With no two prices equal the quicksort's order is the ascending one.
    Ranks rank;
    const int repeated = orderDistinct(input, out, rank);
    if (repeated == 0) return out;
    SortArrays a;
    a.rankOf = rank;
    for (int n = 1; n <= kChartRecords; ++n) {
        a.at(n) = input[n - 1].price;
        a.recordAt(n) = static_cast<std::uint8_t>(n - 1);
    }
    quicksort(a, 1, kChartRecords, repeated <= kRepeatsWorthSearching);
    int count = 0;
    for (int n = 1; n <= kChartRecords; ++n) {
        const std::uint8_t r = a.recordAt(n);
        out.records[static_cast<std::size_t>(count)] = r;  // kept only when shown
        count += !input[r].hidden;
    }
    out.count = count;
    return out;
}

std::array<ChartInput, kChartRecords> chartInput(const RunResult& result, bool fixedLineShown) {
    std::array<ChartInput, kChartRecords> in;
    for (int n = 0; n < kChartRecords; ++n) {
        const TariffResult& f = result.fields[static_cast<std::size_t>(kFieldOf[static_cast<std::size_t>(n)])];
        in[n] = ChartInput{.price = f.shownValue(), .hidden = f.unsupported};
    }
    if (!fixedLineShown) in[static_cast<std::size_t>(kTariffs[kTelecomIndex].chartSlot)].hidden = true;
    return in;
}

}  // namespace sazbar
