#include "pricing/sweep.h"

#include <algorithm>
#include <limits>

namespace sazbar {

namespace {

constexpr std::string_view kGroupNames[] = {"all", "calls", "messages", "data"};

bool scales(SweepGroup group, SweepGroup part) { return group == SweepGroup::All || group == part; }

}  // namespace

std::string_view sweepGroupName(SweepGroup g) { return kGroupNames[static_cast<std::size_t>(g)]; }

std::optional<SweepGroup> sweepGroupFromName(std::string_view name) {
    for (std::size_t i = 0; i < std::size(kGroupNames); ++i)
        if (kGroupNames[i] == name) return static_cast<SweepGroup>(i);
    return std::nullopt;
}

bool validSweepRange(const SweepRange& r) {
    return r.to >= 0 && r.to <= kMaxSweepPercent && r.step >= 1 && r.step <= kMaxSweepPercent;
}

std::vector<std::int32_t> sweepFactors(const SweepRange& r) {
    std::vector<std::int32_t> f;
    if (!validSweepRange(r)) return f;
    f.reserve(static_cast<std::size_t>(r.to / r.step) + 3);
    for (std::int32_t x = 0; x <= r.to; x += r.step) f.push_back(x);
    if (f.back() != r.to) f.push_back(r.to);
    const auto at100 = std::lower_bound(f.begin(), f.end(), 100);
    if (r.to >= 100 && *at100 != 100) f.insert(at100, 100);
    return f;
}

std::int32_t scaleCount(std::int32_t count, std::int32_t percent) {
    const std::int64_t v = std::int64_t{count} * percent / 100;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

Profile scaleProfile(const Profile& p, SweepGroup group, std::int32_t percent) {
    Profile s = p;
    auto scale = [percent](std::int32_t& c) { c = scaleCount(c, percent); };
    for (auto& band : s.matrix) {
        if (scales(group, SweepGroup::Calls))
            for (Row r : {FixedLine, TMobile, Eurotel, Oskar, VoiceMail}) scale(band[r]);
        if (scales(group, SweepGroup::Messages)) scale(band[Messages]);
        if (scales(group, SweepGroup::Data)) scale(band[Data]);
    }
    if (scales(group, SweepGroup::Calls)) {
        for (IntlRow& row : s.intl) {
            scale(row.peak);
            scale(row.afternoon);
            scale(row.eveningWeekend);
        }
    }
    if (scales(group, SweepGroup::Data)) {
        for (auto& w : s.wap) scale(w);
        scale(s.gprsWap);
        scale(s.gprsNet);
    }
    return s;
}

void TariffSet::addExtra(std::size_t t) {
    if (m_extra.size() <= t / 64) m_extra.resize(t / 64 + 1);
    m_extra[t / 64] |= std::uint64_t{1} << (t % 64);
}

std::vector<int> TariffSet::members() const {
    std::vector<int> out;
    for (int i = 0; i < kTariffCount; ++i)
        if ((m_compiled >> i) & 1u) out.push_back(i);
    for (std::size_t w = 0; w < m_extra.size(); ++w)
        for (int b = 0; b < 64; ++b)
            if ((m_extra[w] >> b) & 1u) out.push_back(kTariffCount + static_cast<int>(w * 64) + b);
    return out;
}

std::vector<int> tariffsOf(const TariffSet& s) { return s.members(); }

std::string tariffLabel(int tariff) {
    const TariffInfo& t = kTariffs[static_cast<std::size_t>(tariff)];
    std::string s(operatorName(t.op));
    s += ' ';
    s += t.name;
    return s;
}

const SweepPoint* Sweep::at(std::int32_t percent) const {
    const auto it = std::lower_bound(points.begin(), points.end(), percent,
                                     [](const SweepPoint& p, std::int32_t f) { return p.percent < f; });
    return it != points.end() && it->percent == percent ? &*it : nullptr;
}

std::string_view Sweep::id(int tariff) const {
    if (tariff < kTariffCount) return kTariffs[static_cast<std::size_t>(tariff)].id;
    return extraIds[static_cast<std::size_t>(tariff - kTariffCount)];
}

std::string Sweep::label(int tariff) const {
    if (tariff < kTariffCount) return tariffLabel(tariff);
    return extraLabels[static_cast<std::size_t>(tariff - kTariffCount)];
}

Sweep runSweep(const Profile& profile, const RunOptions& options, SweepGroup group, const SweepRange& range,
               const ExtraTariffs* extra) {
    Sweep s;
    s.group = group;
    s.range = range;
    if (extra) {
        s.builtin = extra->builtin;
        s.extraIds = extra->ids;
        s.extraLabels = extra->labels;
    }
    const std::vector<std::int32_t> factors = sweepFactors(range);
    s.points.resize(factors.size());
    RunResult result;
    std::vector<TariffResult> extraResults(s.extraIds.size());
    const auto take = [](SweepPoint& pt, int t, const TariffResult& f) {
        pt.price[static_cast<std::size_t>(t)] = f.shownValue();
        if (f.priced) pt.priced.add(t);
        if (f.unsupported) pt.unsupported.add(t);
        if (f.cheapest) pt.cheapest.add(t);
    };
    for (std::size_t k = 0; k < factors.size(); ++k) {
        SweepPoint& pt = s.points[k];
        pt.percent = factors[k];
        pt.price.assign(static_cast<std::size_t>(s.tariffCount()), 0);
        const Profile scaled = scaleProfile(profile, group, pt.percent);
        runPricing(scaled, options, result);
        if (extra) {
            if (!extra->builtin)
                for (TariffResult& f : result.fields) f = TariffResult{};
            extra->price(scaled, result, extraResults);
        }
        pt.totalCallMinutes = result.totalCallMinutes;
        for (int i = 0; i < kTariffCount; ++i) take(pt, i, result.fields[static_cast<std::size_t>(i)]);
        for (std::size_t i = 0; i < extraResults.size(); ++i)
            take(pt, kTariffCount + static_cast<int>(i), extraResults[i]);
    }
    summarise(s);
    return s;
}

void summarise(Sweep& s) {
    s.spans.clear();
    s.breakEvens.clear();
    s.ranges.clear();
    for (const SweepPoint& pt : s.points) {
        if (!s.spans.empty() && s.spans.back().cheapest == pt.cheapest) {
            s.spans.back().to = pt.percent;
            continue;
        }
        if (!s.spans.empty())
            s.breakEvens.push_back({s.spans.back().to, pt.percent, s.spans.back().cheapest, pt.cheapest});
        s.spans.push_back({pt.percent, pt.percent, pt.cheapest});
    }
    // A tariff's range runs on across spans that all hold it.
    for (int t = 0; t < s.tariffCount(); ++t) {
        bool open = false;
        for (const CheapestSpan& span : s.spans) {
            if (!contains(span.cheapest, t)) {
                open = false;
            } else if (open) {
                s.ranges.back().to = span.to;
            } else {
                s.ranges.push_back({t, span.from, span.to});
                open = true;
            }
        }
    }
}

}  // namespace sazbar
