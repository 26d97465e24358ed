#include "pricing/chart_order.h"

#include <algorithm>
#include <limits>
#include <utility>

#if defined(__x86_64__) || defined(__SSE2__)
#include <immintrin.h>
#endif

namespace sazbar {

namespace {
constexpr std::uint32_t kBlue = 0x0000FF, kGreen = 0x008000, kRed = 0xFF0000, kYellow = 0xFFFF00;
}

const std::array<ChartRecord, kChartRecords> kChartTable = {{
    {"T-Mobile T 30", "t30", kBlue},
    {"T-Mobile T 80 ", "t80", kBlue},
    {"T-Mobile T 250 ", "t250", kBlue},
    {"T-Mobile T 600 ", "t600", kBlue},
    {"T-Mobile T 30 + hit", "hit30", kBlue},
    {"T-Mobile T 80 + hit", "hit80", kBlue},
    {"T-Mobile T 250 + hit", "hit250", kBlue},
    {"T-Mobile T 600 + hit", "hit600", kBlue},
    {"T-Mobile Tarif 20+20", "tarif20p20", kBlue},
    {"T-Mobile Tarif Twist Standard", "twist_standard", kBlue},
    {"T-Mobile Twist SMS", "twist_sms", kBlue},
    {"T-Mobile Twist Extra", "twist_extra", kBlue},
    {"T-Mobile Twist Home", "twist_home", kBlue},
    {"T-Mobile Student", "student", kBlue},
    {"T-Mobile Internet", "internet", kBlue},
    {"T-Mobile Internet + hit", "internethit", kBlue},
    {"Eurotel SMS", "sms", kGreen},
    {"Eurotel Bronz", "bronz", kGreen},
    {"Eurotel Silver", "silver", kGreen},
    {"Eurotel Gold", "gold", kGreen},
    {"Eurotel Platinum", "platinum", kGreen},
    {"Eurotel Diamant", "diamant", kGreen},
    {"Eurotel SMS + max", "sms_max", kGreen},
    {"Eurotel Bronz + max", "bronz_max", kGreen},
    {"Eurotel Silver + max", "silver_max", kGreen},
    {"Eurotel Gold + max", "gold_max", kGreen},
    {"Eurotel Platinum + max", "platinum_max", kGreen},
    {"Eurotel Diamant + max", "diamant_max", kGreen},
    {"Eurotel Start", "start", kGreen},
    {"Eurotel Quatro GO", "quatrogo", kGreen},
    {"Eurotel Original GO", "originalgo", kGreen},
    {"Eurotel Fun GO", "fungo", kGreen},
    {"Eurotel Tip Business", "tipbusiness", kGreen},
    {"Eurotel Tip Relax", "tiprelax", kGreen},
    {"Eurotel Tip AKord", "tipakord", kGreen},
    {"Eurotel SMS/Data", "smsdata", kGreen},
    {"Eurotel Individual", "individual_wapmi", kGreen},
    {"Eurotel Pohoda", "pohoda", kGreen},
    {"Oskar 50 Naplno", "naplno50", kRed},
    {"Oskar 150 Naplno", "naplno150", kRed},
    {"Oskar 300 Naplno", "naplno300", kRed},
    {"Oskar 500 Naplno", "naplno500", kRed},
    {"Oskar Rozjezd Naplno", "naplnorozjezd", kRed},
    {"Oskar Odepiš", "odepis", kRed},
    {"Oskar Mezi námí", "mezinami", kRed},
    {"Oskar Oskarta", "oskarta", kRed},
    {"Oskar Na zisk", "nazisk", kRed},
    {"Oskar Na jistotu", "najistotu", kRed},
    {"Český telecom", "telecom", kYellow},
}};

namespace {

// The records being sorted, 1-based as the chart numbers them, prices and
// record numbers side by side; four slots of padding at each end let the
// scans read whole vectors.
struct SortArrays {
    static constexpr int kPad = 4;
    std::array<std::int32_t, kChartRecords + 1 + 2 * kPad> price{};
    std::array<std::uint8_t, kChartRecords + 1 + 2 * kPad> record{};
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

// The chart's quicksort on records lo..hi. The scans stop where the plain
// loops stop, so equal prices come out in the same order.
void quicksort(SortArrays& a, int lo, int hi) {
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
    if (i < hi) quicksort(a, i, hi);
    if (lo < j) quicksort(a, lo, j);
}

// Places in ascending order, found without data-dependent branches: each
// record's place among the shown records is the number of shown records with
// a lower price. The prices come padded to 64 with a value no price is above.
// False when two prices are equal, where only the quicksort knows the order.
struct Places {
    alignas(64) std::array<std::int32_t, 64> price;
    std::uint64_t shown = 0;  // bit n: record n is drawn
    std::array<std::uint8_t, kChartRecords> place;
};

constexpr std::uint64_t kAllRanks = (std::uint64_t{1} << kChartRecords) - 1;

// Distinct prices have distinct ranks 0..48; equal prices share one.
bool placesPlain(Places& p) {
    std::uint64_t taken = 0;
    for (int n = 0; n < kChartRecords; ++n) {
        std::uint64_t below = 0;
        for (int m = 0; m < kChartRecords; ++m) below |= std::uint64_t{p.price[m] < p.price[n]} << m;
        taken |= std::uint64_t{1} << __builtin_popcountll(below);
        p.place[n] = static_cast<std::uint8_t>(__builtin_popcountll(below & p.shown));
    }
    return taken == kAllRanks;
}

#if defined(__x86_64__)
// The same with 16 or 8 compares in one instruction, each giving a bit mask.
__attribute__((target("avx512f,avx512bw,popcnt"))) bool placesAvx512(Places& p) {
    const __m512i v0 = _mm512_load_si512(&p.price[0]), v1 = _mm512_load_si512(&p.price[16]),
                  v2 = _mm512_load_si512(&p.price[32]), v3 = _mm512_load_si512(&p.price[48]);
    std::uint64_t taken = 0;
    for (int n = 0; n < kChartRecords; ++n) {
        const __m512i x = _mm512_set1_epi32(p.price[n]);
        const __mmask32 low = _mm512_kunpackw(_mm512_cmplt_epi32_mask(v1, x), _mm512_cmplt_epi32_mask(v0, x));
        const __mmask32 high = _mm512_kunpackw(_mm512_cmplt_epi32_mask(v3, x), _mm512_cmplt_epi32_mask(v2, x));
        const std::uint64_t below = _cvtmask64_u64(_mm512_kunpackd(high, low));
        taken |= std::uint64_t{1} << __builtin_popcountll(below);
        p.place[n] = static_cast<std::uint8_t>(__builtin_popcountll(below & p.shown));
    }
    return taken == kAllRanks;
}

__attribute__((target("avx2,popcnt"))) bool placesAvx2(Places& p) {
    __m256i v[7];
    for (int k = 0; k < 7; ++k) v[k] = _mm256_load_si256(reinterpret_cast<const __m256i*>(&p.price[8 * k]));
    std::uint64_t taken = 0;
    for (int n = 0; n < kChartRecords; ++n) {
        const __m256i x = _mm256_set1_epi32(p.price[n]);
        std::uint64_t below = 0;
        for (int k = 0; k < 7; ++k)
            below |= std::uint64_t(unsigned(_mm256_movemask_ps(_mm256_castsi256_ps(_mm256_cmpgt_epi32(x, v[k]))))) << (8 * k);
        taken |= std::uint64_t{1} << __builtin_popcountll(below);
        p.place[n] = static_cast<std::uint8_t>(__builtin_popcountll(below & p.shown));
    }
    return taken == kAllRanks;
}
#endif

// The widest copy the processor runs, picked once.
bool places(Places& p) {
#if defined(__x86_64__)
    static const auto pick = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") ? &placesAvx512 : __builtin_cpu_supports("avx2") ? &placesAvx2 : &placesPlain;
    }();
    return pick(p);
#else
    return placesPlain(p);
#endif
}

}  // namespace

ChartOrder chartOrder(const std::array<ChartInput, kChartRecords>& input) {
    ChartOrder out;
    Places p;
    for (int n = 0; n < kChartRecords; ++n) {
        p.price[n] = input[n].price;
        p.shown |= std::uint64_t{!input[n].hidden} << n;
    }
    std::fill(p.price.begin() + kChartRecords, p.price.end(), std::numeric_limits<std::int32_t>::max());
    if (places(p)) {
        // With no two prices equal the quicksort's order is the ascending one.
        // A hidden record goes to the last slot, which only a chart of all 49
        // records uses, and then none is hidden.
        for (int n = 0; n < kChartRecords; ++n)
            out.records[(p.shown >> n & 1) != 0 ? p.place[n] : kChartRecords - 1] = static_cast<std::uint8_t>(n);
        out.count = __builtin_popcountll(p.shown);
        return out;
    }
    SortArrays a;
    for (int n = 1; n <= kChartRecords; ++n) {
        a.at(n) = input[n - 1].price;
        a.recordAt(n) = static_cast<std::uint8_t>(n - 1);
    }
    quicksort(a, 1, kChartRecords);
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
    static const auto fieldOf = [] {
        std::array<int, kChartRecords> idx{};
        for (int n = 0; n < kChartRecords; ++n) idx[n] = tariffIndex(kChartTable[n].id);
        return idx;
    }();
    std::array<ChartInput, kChartRecords> in;
    for (int n = 0; n < kChartRecords; ++n) {
        const TariffResult& f = result.fields[static_cast<std::size_t>(fieldOf[n])];
        in[n] = ChartInput{.price = f.shownValue(), .hidden = f.unsupported};
    }
    if (!fixedLineShown) in[kChartRecords - 1].hidden = true;
    return in;
}

}  // namespace sazbar
