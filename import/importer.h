// Turns the events of a call log into one month of use: counts what is
// chargeable, skips the rest with a reason, and keeps nothing but counts
// (never a phone number).
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/profile.h"
#include "import/calendar.h"
#include "import/rules.h"

namespace sazbar::import {

enum class Direction : std::uint8_t { Outgoing, Incoming, Missed, Unsent, Other };
enum class Kind : std::uint8_t { Call, Sms, Mms, Data, Wap };

struct Event {
    LocalTime start;
    Direction direction = Direction::Outgoing;
    Kind kind = Kind::Call;
    std::string_view number;  // classified at once, never kept
    std::int64_t seconds = 0;
    std::int64_t kilobytes = -1;  // data volume; -1 when none was given
};

// Events not counted.
enum class Skip : std::uint8_t {
    IncomingCall,    // "příchozí hovory"
    MissedCall,      // missed, rejected or blocked
    Unanswered,      // outgoing with no connected time
    Received,        // received messages
    Unsent,          // drafts, outbox, failed messages
    OtherCall,       // other call types of a backup
};
constexpr int kSkipKinds = 6;

// Counted events the profile has no box for.
enum class NoBox : std::uint8_t {
    SmsFixedLine,  // SMS to the fixed line or a voice mailbox
    SmsForeign,    // SMS abroad
};
constexpr int kNoBoxKinds = 2;

// What is wrong with a refused line or element.
enum class IssueKind : std::uint8_t {
    TooLong, Quote, FieldCount, Date, Time, Direction, Type, Duration, Volume, DateRange, Binary,  // CSV
    BackupDate, BackupType, BackupDuration, XmlError, XmlTooLarge,               // XML
};

struct Issue {
    std::int64_t line = 0;
    IssueKind kind = IssueKind::XmlError;
    std::string message;  // English, names the field; never holds a number
};

struct YearMonth {
    int year = 0, month = 0;
    auto operator<=>(const YearMonth&) const = default;
    int key() const { return year * 12 + month - 1; }
};

// What an importer keeps counts of: each month apart, so that any month or
// the whole log can be asked for afterwards (memory grows with the months of
// the log), or only the whole log, or only one month (a fixed, small amount
// of memory however many months the log spans).
struct ImportScope {
    enum Kind : std::uint8_t { EachMonth, WholeLog, OneMonth } kind = EachMonth;
    YearMonth month{};  // with OneMonth

    static ImportScope wholeLog() { return {WholeLog, {}}; }
    static ImportScope oneMonth(YearMonth m) { return {OneMonth, m}; }
};

struct ImportOptions {
    bool perSecond = false;             // sum seconds, round each box up once
    std::optional<YearMonth> month;     // only this calendar month, not scaled
};

struct Unclassified {
    Unfit unfit = Unfit::None;
    int detail = 0;
    std::int64_t count = 0;
    std::int64_t minutes = 0;
};

struct CountryMinutes {
    int country = 0;
    std::int64_t minutes = 0;
};

// Events that lie far from all the others (a mistyped year, most likely).
struct Stray {
    std::int64_t events = 0;
    std::int64_t firstDay = 0, lastDay = 0;  // of these events
    std::int64_t gapDays = 0;                // between them and the others
};

struct Summary {
    // The days of the log (or of the chosen month) that the counts cover.
    std::int64_t firstDay = 0, lastDay = 0;  // days since 1970-01-01
    std::int64_t days = 0;
    bool scaled = false;  // counts multiplied by 30 / days
    std::optional<YearMonth> month;

    std::int64_t events = 0;   // events read
    std::int64_t counted = 0;  // outgoing and chargeable: in a box, unclassified or without a box
    std::array<std::int64_t, kSkipKinds> skipped{};
    std::array<std::int64_t, kNoBoxKinds> noBox{};
    std::vector<Unclassified> unclassified;
    std::vector<CountryMinutes> countriesLeftOut;  // beyond the four rows
    std::int64_t refused = 0;   // lines or elements refused
    std::vector<Issue> issues;  // the first kMaxIssues of them
    std::int64_t clamped = 0;   // boxes cut to the 32-bit range
    // The whole log only: when its events fall into two groups more than
    // kStrayGapDays apart, the smaller group (the period still spans both).
    std::optional<Stray> stray;
};

struct ImportResult {
    Profile profile;
    Summary summary;
};

class Importer {
public:
    static constexpr std::size_t kMaxIssues = 100;
    static constexpr int kMonthDays = 30;
    static constexpr std::int64_t kStrayGapDays = 366;

    explicit Importer(const Rules& rules = defaultRules(), ImportScope scope = {}) : m_rules(rules), m_scope(scope) {}
    // Moving keeps the months in place (and the pointer to the last one valid).
    Importer(Importer&&) = default;
    Importer(const Importer&) = delete;

    void add(const Event& e);
    void refuse(std::int64_t line, IssueKind kind, std::string message);

    // The months of the log, in order; known in every scope.
    std::vector<YearMonth> months() const;
    bool empty() const { return m_events == 0; }
    std::int64_t events() const { return m_events; }
    std::int64_t refused() const { return m_refused; }
    const std::vector<Issue>& issues() const { return m_issues; }

    // The profile and its account; `options.month` must be one of months().
    // Counts the scope did not keep (another month, or the whole log of a
    // one-month importer) come out empty, as a month not in the log.
    ImportResult result(const ImportOptions& options = {}) const;

private:
    struct Tally {
        std::int64_t count = 0, seconds = 0, minutes = 0;
        void add(std::int64_t s) {
            ++count;
            seconds += s;
            minutes += (s + 59) / 60;
        }
        void add(const Tally& o) {
            count += o.count;
            seconds += o.seconds;
            minutes += o.minutes;
        }
        std::int64_t value(bool perSecond) const { return perSecond ? (seconds + 59) / 60 : minutes; }
    };
    struct Month {
        std::int64_t firstDay = std::numeric_limits<std::int64_t>::max();
        std::int64_t lastDay = std::numeric_limits<std::int64_t>::min();
        std::int64_t events = 0, counted = 0;
        std::array<std::array<Tally, kRows>, kBands> matrix{};
        std::array<Tally, kBands> wap{};
        std::array<std::int64_t, 4> messages{};  // SMS to T-Mobile, Eurotel, Oskar; MMS
        std::int64_t gprsWap = 0, gprsNet = 0;
        std::array<std::array<Tally, kIntlBands>, kCountries> intl{};
        std::map<std::pair<Unfit, int>, Tally> unclassified;
        std::array<std::int64_t, kSkipKinds> skipped{};
        std::array<std::int64_t, kNoBoxKinds> noBox{};
        void add(const Month& o);
    };
    // When each month of the log lies, and how many events it holds: kept in
    // every scope (the readers' year window bounds it to 1332 months).
    struct Span {
        std::int64_t firstDay = std::numeric_limits<std::int64_t>::max();
        std::int64_t lastDay = std::numeric_limits<std::int64_t>::min();
        std::int64_t events = 0;
    };
    std::optional<Stray> stray() const;

    const Rules& m_rules;
    ImportScope m_scope;
    std::map<int, Month> m_months;  // by YearMonth::key(), with EachMonth
    Month m_kept;                   // the whole log or the one month
    std::map<int, Span> m_spans;  // by YearMonth::key(), in every scope
    std::int64_t m_events = 0;
    std::int64_t m_refused = 0;
    // Logs come in date order: the day before is mostly the day again.
    std::int64_t m_lastDay = std::numeric_limits<std::int64_t>::min();
    bool m_lastOff = false;
    Month* m_lastMonth = nullptr;  // in m_months; nullptr for m_kept or for a month not kept
    Span* m_lastSpan = nullptr;    // in m_spans
    bool m_lastKept = false;
    int m_lastMonthKey = -1;
    std::vector<Issue> m_issues;
};

// English names for the summary of the command line.
std::string_view skipName(Skip s);
std::string_view noBoxName(NoBox n);
std::string unfitName(Unfit u, int detail);

}  // namespace sazbar::import
