// What if the month were busier or quieter: the profile priced at a range of
// scale factors, and where along that range the cheapest tariff changes.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/profile.h"
#include "pricing/engine.h"

namespace sazbar {

// What a sweep scales.
enum class SweepGroup : std::uint8_t {
    All,       // everything below
    Calls,     // call minutes: the four networks, the voice mailbox, international
    Messages,  // SMS and MMS
    Data,      // data minutes, WAP minutes, GPRS volumes
};

// "all", "calls", "messages", "data".
std::string_view sweepGroupName(SweepGroup g);
std::optional<SweepGroup> sweepGroupFromName(std::string_view name);

// The largest factor a sweep goes to, in percent.
constexpr std::int32_t kMaxSweepPercent = 10000;

struct SweepRange {
    std::int32_t to = 300;   // largest factor, percent, 0..kMaxSweepPercent
    std::int32_t step = 1;   // percent, 1..kMaxSweepPercent
};

bool validSweepRange(const SweepRange& r);

// The factors priced: every multiple of the step up to `to`, and `to` itself;
// 100 as well when it lies in the range, so that the current month is always
// one of the points. Ascending, no repeats; empty for an invalid range.
std::vector<std::int32_t> sweepFactors(const SweepRange& r);

// count x percent / 100 in 64 bits, truncated toward zero, saturated to 32 bits.
std::int32_t scaleCount(std::int32_t count, std::int32_t percent);

// The profile with the counts of `group` scaled; countries and the
// internet-call choice stay as they are.
Profile scaleProfile(const Profile& p, SweepGroup group, std::int32_t percent);

// Tariffs as numbers: below kTariffCount an index into kTariffs; from
// kTariffCount on, the tariffs priced beside them (ExtraTariffs), in order.
class TariffSet {
public:
    void add(int tariff) {
        if (tariff < kTariffCount) m_compiled |= std::uint64_t{1} << tariff;
        else addExtra(static_cast<std::size_t>(tariff - kTariffCount));
    }
    bool contains(int tariff) const {
        if (tariff < kTariffCount) return tariff >= 0 && ((m_compiled >> tariff) & 1u);
        const auto t = static_cast<std::size_t>(tariff - kTariffCount);
        return t / 64 < m_extra.size() && ((m_extra[t / 64] >> (t % 64)) & 1u);
    }
    bool empty() const { return m_compiled == 0 && m_extra.empty(); }
    std::vector<int> members() const;  // ascending
    friend bool operator==(const TariffSet&, const TariffSet&) = default;

private:
    void addExtra(std::size_t t);

    std::uint64_t m_compiled = 0;        // bit i: kTariffs[i]
    std::vector<std::uint64_t> m_extra;  // the others, 64 to a word, without trailing zero words
};
static_assert(kTariffCount <= 64, "a TariffSet holds the compiled tariffs in one word");
inline bool contains(const TariffSet& s, int tariff) { return s.contains(tariff); }
// The tariffs of a set, ascending.
std::vector<int> tariffsOf(const TariffSet& s);
// A tariff with its operator, as in "Eurotel Start".
std::string tariffLabel(int tariff);

// Tariffs priced beside the compiled ones at every point (tariffs read from
// files). `price` prices them for the scaled profile into `out`, one result
// each, and marks the cheapest of both together, in `compiled` as well.
struct ExtraTariffs {
    std::vector<std::string> ids, labels;  // one per tariff
    bool builtin = true;  // false: the compiled tariffs are not priced at all
    std::function<void(const Profile& scaled, RunResult& compiled, std::span<TariffResult> out)> price;
};

struct SweepPoint {
    std::int32_t percent = 0;
    std::int64_t totalCallMinutes = 0;
    // Every tariff's price as the results window shows it (whole crowns);
    // 0 for a tariff not priced.
    std::vector<std::int32_t> price;
    TariffSet priced;
    TariffSet unsupported;
    TariffSet cheapest;  // the results window's red fields
};

// Consecutive points with the same cheapest tariffs. `cheapest` may hold
// several tariffs (a tie) or none (nothing priced below 999999).
struct CheapestSpan {
    std::int32_t from = 0;  // first and last factor of the span, percent
    std::int32_t to = 0;
    TariffSet cheapest;
};

// Where the cheapest tariffs change: between the point at `lastBefore` and
// the next point, at `at`.
struct BreakEven {
    std::int32_t lastBefore = 0;
    std::int32_t at = 0;
    TariffSet before;
    TariffSet after;
};

// Factors (a span of points) in which one tariff is among the cheapest.
struct TariffRange {
    int tariff = 0;
    std::int32_t from = 0;
    std::int32_t to = 0;
};

struct Sweep {
    SweepGroup group = SweepGroup::All;
    bool builtin = true;  // the compiled tariffs are priced
    std::vector<std::string> extraIds, extraLabels;  // the tariffs from kTariffCount on
    SweepRange range;
    std::vector<SweepPoint> points;     // by ascending factor
    std::vector<CheapestSpan> spans;    // cover all points, in order
    std::vector<BreakEven> breakEvens;  // one between each two spans
    std::vector<TariffRange> ranges;    // by tariff, then factor

    // The point at a factor, or nullptr when the factor is not priced.
    const SweepPoint* at(std::int32_t percent) const;
    // Every tariff number: the compiled tariffs and the extra ones.
    int tariffCount() const { return kTariffCount + static_cast<int>(extraIds.size()); }
    // A tariff's id ("t30") and label ("T-Mobile T 30").
    std::string_view id(int tariff) const;
    std::string label(int tariff) const;
};

// Prices the profile at every factor of the range; an invalid range gives a
// sweep without points.
Sweep runSweep(const Profile& profile, const RunOptions& options, SweepGroup group, const SweepRange& range = {},
               const ExtraTariffs* extra = nullptr);

// Fills the spans, break-even points and ranges from the points.
void summarise(Sweep& s);

}  // namespace sazbar
