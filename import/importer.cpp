#include "import/importer.h"

#include <algorithm>
#include <limits>

namespace sazbar::import {

namespace {

int intlBand(Band b) { return b == Peak ? 0 : b == Afternoon ? 1 : 2; }

}  // namespace

void Importer::Month::add(const Month& o) {
    firstDay = std::min(firstDay, o.firstDay);
    lastDay = std::max(lastDay, o.lastDay);
    events += o.events;
    counted += o.counted;
    for (int b = 0; b < kBands; ++b) {
        for (int r = 0; r < kRows; ++r) matrix[b][r].add(o.matrix[b][r]);
        wap[b].add(o.wap[b]);
    }
    for (int i = 0; i < 4; ++i) messages[i] += o.messages[i];
    gprsWap += o.gprsWap;
    gprsNet += o.gprsNet;
    for (int c = 0; c < kCountries; ++c)
        for (int b = 0; b < kIntlBands; ++b) intl[c][b].add(o.intl[c][b]);
    for (const auto& [key, t] : o.unclassified) unclassified[key].add(t);
    for (int i = 0; i < kSkipKinds; ++i) skipped[i] += o.skipped[i];
    for (int i = 0; i < kNoBoxKinds; ++i) noBox[i] += o.noBox[i];
}

void Importer::refuse(std::int64_t line, IssueKind kind, std::string message) {
    ++m_refused;
    if (m_issues.size() < kMaxIssues) m_issues.push_back({line, kind, std::move(message)});
}

void Importer::add(const Event& e) {
    const std::int64_t day = daysFromCivil(e.start.year, e.start.month, e.start.day);
    const int key = YearMonth{e.start.year, e.start.month}.key();
    if (key != m_lastMonthKey) {
        m_lastSpan = &m_spans[key];  // std::map keeps its elements in place
        m_lastMonthKey = key;
        m_lastMonth = nullptr;
        m_lastKept = false;
        if (m_scope.kind == ImportScope::EachMonth)
            m_lastMonth = &m_months[key];  // std::map keeps its elements in place
        else
            m_lastKept = m_scope.kind == ImportScope::WholeLog || key == m_scope.month.key();
    }
    ++m_events;
    m_lastSpan->firstDay = std::min(m_lastSpan->firstDay, day);
    m_lastSpan->lastDay = std::max(m_lastSpan->lastDay, day);
    ++m_lastSpan->events;
    // m_kept is found anew each time: a moved importer has its own.
    Month* const target = m_lastKept ? &m_kept : m_lastMonth;
    if (!target) return;
    Month& m = *target;
    m.firstDay = std::min(m.firstDay, day);
    m.lastDay = std::max(m.lastDay, day);
    ++m.events;

    const bool message = e.kind == Kind::Sms || e.kind == Kind::Mms;
    auto skip = [&](Skip s) { ++m.skipped[static_cast<int>(s)]; };
    if (e.direction != Direction::Outgoing) {
        switch (e.direction) {
            case Direction::Incoming: return skip(message ? Skip::Received : Skip::IncomingCall);
            case Direction::Missed: return skip(message ? Skip::Received : Skip::MissedCall);
            case Direction::Unsent: return skip(message ? Skip::Unsent : Skip::Unanswered);
            default: return skip(message ? Skip::Unsent : Skip::OtherCall);
        }
    }
    const std::int64_t seconds = std::max<std::int64_t>(e.seconds, 0);
    const bool volume = e.kilobytes > 0;
    if (!message && seconds == 0 && !volume) return skip(Skip::Unanswered);

    if (day != m_lastDay) {
        m_lastDay = day;
        m_lastOff = m_rules.offDay(e.start.year, e.start.month, e.start.day);
    }
    const Band band = m_lastOff ? Weekend : m_rules.weekdayBand(e.start.hour, e.start.minute);
    switch (e.kind) {
        case Kind::Call: {
            const Classified c = m_rules.classify(e.number);
            switch (c.dest) {
                case Dest::FixedLine:
                case Dest::TMobile:
                case Dest::Eurotel:
                case Dest::Oskar: m.matrix[band][static_cast<int>(c.dest)].add(seconds); break;
                case Dest::VoiceMail: m.matrix[band][VoiceMail].add(seconds); break;
                case Dest::Foreign: m.intl[c.country][intlBand(band)].add(seconds); break;
                case Dest::Unclassified: m.unclassified[{c.unfit, c.detail}].add(seconds); break;
            }
            break;
        }
        case Kind::Sms: {
            const Classified c = m_rules.classify(e.number);
            switch (c.dest) {
                case Dest::TMobile: ++m.messages[kSmsToTMobile]; break;
                case Dest::Eurotel: ++m.messages[kSmsToEurotel]; break;
                case Dest::Oskar: ++m.messages[kSmsToOskar]; break;
                case Dest::FixedLine:
                case Dest::VoiceMail: ++m.noBox[static_cast<int>(NoBox::SmsFixedLine)]; break;
                case Dest::Foreign: ++m.noBox[static_cast<int>(NoBox::SmsForeign)]; break;
                case Dest::Unclassified: m.unclassified[{c.unfit, c.detail}].add(0); break;
            }
            break;
        }
        case Kind::Mms: ++m.messages[kMms]; break;
        case Kind::Data:
            if (volume) m.gprsNet += e.kilobytes;
            else m.matrix[band][Data].add(seconds);
            break;
        case Kind::Wap:
            if (volume) m.gprsWap += e.kilobytes;
            else m.wap[band].add(seconds);
            break;
    }
    ++m.counted;
}

std::optional<Stray> Importer::stray() const {
    // The widest gap between two months that hold events splits the log.
    std::int64_t gap = 0, before = 0, seen = 0;
    const Span* left = nullptr;  // the month before the widest gap
    const Span* right = nullptr;
    const Span* previous = nullptr;
    for (const auto& [key, m] : m_spans) {
        if (previous && m.firstDay - previous->lastDay > gap) {
            gap = m.firstDay - previous->lastDay;
            left = previous;
            right = &m;
            before = seen;
        }
        seen += m.events;
        previous = &m;
    }
    if (gap <= kStrayGapDays) return std::nullopt;
    const std::int64_t after = seen - before;
    if (before <= after) return Stray{before, m_spans.begin()->second.firstDay, left->lastDay, gap};
    return Stray{after, right->firstDay, m_spans.rbegin()->second.lastDay, gap};
}

std::vector<YearMonth> Importer::months() const {
    std::vector<YearMonth> out;
    out.reserve(m_spans.size());
    for (const auto& [key, span] : m_spans) out.push_back({key / 12, key % 12 + 1});
    return out;
}

ImportResult Importer::result(const ImportOptions& options) const {
    ImportResult r;
    Summary& s = r.summary;
    s.month = options.month;
    s.refused = m_refused;
    s.issues = m_issues;

    // One month is looked up, never searched for: asking for every month in
    // turn stays linear in the months.
    Month sum;
    const Month* counts = &m_kept;
    switch (m_scope.kind) {
        case ImportScope::EachMonth:
            if (options.month) {
                const auto it = m_months.find(options.month->key());
                counts = it == m_months.end() ? &sum : &it->second;
            } else {
                for (const auto& [key, m] : m_months) sum.add(m);
                counts = &sum;
            }
            break;
        case ImportScope::WholeLog:
            if (options.month) counts = &sum;
            break;
        case ImportScope::OneMonth:
            if (!options.month || options.month->key() != m_scope.month.key()) counts = &sum;
            break;
    }
    const Month& total = *counts;
    if (total.events == 0) return r;  // nothing in the log, or not that month

    s.firstDay = total.firstDay;
    s.lastDay = total.lastDay;
    s.events = total.events;
    s.counted = total.counted;
    s.skipped = total.skipped;
    s.noBox = total.noBox;
    std::int64_t days = total.lastDay - total.firstDay + 1;
    if (options.month) {
        days = daysInMonth(options.month->year, options.month->month);
    } else {
        s.scaled = days != kMonthDays;
    }
    s.days = days;
    if (!options.month) s.stray = stray();

    const bool perSecond = options.perSecond;
    auto box = [&](std::int64_t v) -> std::int32_t {
        if (s.scaled) v = (2 * v * kMonthDays + days) / (2 * days);  // rounded half up
        if (v > std::numeric_limits<std::int32_t>::max()) {
            ++s.clamped;
            return std::numeric_limits<std::int32_t>::max();
        }
        return static_cast<std::int32_t>(v);
    };
    Profile& p = r.profile;
    for (int b = 0; b < kBands; ++b) {
        for (int row : {FixedLine, TMobile, Eurotel, Oskar, VoiceMail, Data})
            p.matrix[b][row] = box(total.matrix[b][row].value(perSecond));
        p.matrix[b][Messages] = box(total.messages[b]);
        p.wap[b] = box(total.wap[b].value(perSecond));
    }
    p.gprsWap = box(total.gprsWap);
    p.gprsNet = box(total.gprsNet);

    // The four countries with the most minutes fill the international rows.
    std::vector<CountryMinutes> countries;
    for (int c = 0; c < kCountries; ++c) {
        std::int64_t minutes = 0, calls = 0;
        for (const Tally& t : total.intl[c]) {
            minutes += t.value(perSecond);
            calls += t.count;
        }
        if (calls) countries.push_back({c, minutes});
    }
    std::stable_sort(countries.begin(), countries.end(),
                     [](const CountryMinutes& a, const CountryMinutes& b) { return a.minutes > b.minutes; });
    std::array<bool, kCountries> used{};
    for (std::size_t i = 0; i < countries.size(); ++i) {
        if (i >= static_cast<std::size_t>(kIntlRows)) {
            s.countriesLeftOut.push_back(countries[i]);
            continue;
        }
        const int c = countries[i].country;
        IntlRow& row = p.intl[i];
        row.country = c;
        row.peak = box(total.intl[c][0].value(perSecond));
        row.afternoon = box(total.intl[c][1].value(perSecond));
        row.eveningWeekend = box(total.intl[c][2].value(perSecond));
        used[c] = true;
    }
    // Rows left empty keep distinct countries, the first ones not yet shown.
    int next = 0;
    for (std::size_t i = countries.size(); i < static_cast<std::size_t>(kIntlRows); ++i) {
        while (used[next]) ++next;
        p.intl[i] = {next, 0, 0, 0};
        used[next] = true;
    }

    for (const auto& [key, t] : total.unclassified)
        s.unclassified.push_back({key.first, key.second, t.count, t.value(perSecond)});
    return r;
}

std::string_view skipName(Skip s) {
    switch (s) {
        case Skip::IncomingCall: return "incoming calls";
        case Skip::MissedCall: return "missed, rejected or blocked calls";
        case Skip::Unanswered: return "calls not connected (0 s)";
        case Skip::Received: return "received messages";
        case Skip::Unsent: return "messages not sent (drafts, outbox, failed)";
        case Skip::OtherCall: return "other call records";
    }
    return "";
}

std::string_view noBoxName(NoBox n) {
    return n == NoBox::SmsFixedLine ? "SMS to the fixed line or a voice mailbox" : "SMS abroad";
}

std::string unfitName(Unfit u, int detail) {
    switch (u) {
        case Unfit::None: break;
        case Unfit::NoNumber: return "no number (withheld or empty)";
        case Unfit::NotANumber: return "not a phone number";
        case Unfit::DomesticLength: return "domestic number of " + std::to_string(detail) + " digits";
        case Unfit::DomesticForm: return "domestic number starting with 0 or 1";
        case Unfit::CountryCode: return "country code +" + std::to_string(detail) + " not in the country list";
        case Unfit::CountryExcluded: return "country code +" + std::to_string(detail) + " not classified";
    }
    return "";
}

}  // namespace sazbar::import
