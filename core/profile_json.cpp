#include "core/profile_json.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>
#include <limits>

#include <nlohmann/json.hpp>

#include "core/visible_text.h"

namespace sazbar {

namespace {

enum class RootKey : std::uint8_t {
    None, Matrix, Wap, GprsWap, GprsNet, International, InternetCalls, DirectDebit, FixedLine, Name,
};
constexpr std::array<std::pair<std::string_view, RootKey>, 9> kRootKeys = {{
    {"matrix", RootKey::Matrix},
    {"wap", RootKey::Wap},
    {"gprs_wap_kb", RootKey::GprsWap},
    {"gprs_internet_kb", RootKey::GprsNet},
    {"international", RootKey::International},
    {"internet_calls", RootKey::InternetCalls},
    {"direct_debit", RootKey::DirectDebit},
    {"fixed_line", RootKey::FixedLine},
    {"name", RootKey::Name},
}};

enum class IntlKey : std::uint8_t { None, Country, Peak, Afternoon, EveningWeekend };
constexpr std::array<std::pair<std::string_view, IntlKey>, 4> kIntlKeys = {{
    {"country", IntlKey::Country},
    {"peak", IntlKey::Peak},
    {"afternoon", IntlKey::Afternoon},
    {"evening_weekend", IntlKey::EveningWeekend},
}};

template <typename Key, std::size_t N>
Key lookup(const std::array<std::pair<std::string_view, Key>, N>& keys, std::string_view name) {
    for (const auto& [text, key] : keys)
        if (text == name) return key;
    return Key::None;
}

// Line and column (in characters) of the byte at `offset`, both 1-based.
void place(std::string_view text, std::size_t offset, ProfileError& error) {
    offset = std::min(offset, text.size());
    const std::string_view before = text.substr(0, offset);
    error.line = 1 + static_cast<int>(std::count(before.begin(), before.end(), '\n'));
    const auto lineStart = before.rfind('\n');
    const std::string_view line = before.substr(lineStart == std::string_view::npos ? 0 : lineStart + 1);
    error.column = 1 + static_cast<int>(std::count_if(line.begin(), line.end(), [](char c) {
                       return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
                   }));
}

// ---------------------------------------------------------------------------
// The exact reader: nlohmann's SAX parser drives a walk over the fixed shape.

using json = nlohmann::json;

// A pointer into the text that also records how far the parser has read, so
// that an error found in a value can be given its line.
class TrackingIterator {
public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    TrackingIterator() = default;
    TrackingIterator(const char* p, const char** high) : p_(p), high_(high) {}
    reference operator*() const { return *p_; }
    TrackingIterator& operator++() {
        *high_ = ++p_;
        return *this;
    }
    TrackingIterator operator++(int) {
        TrackingIterator old = *this;
        ++*this;
        return old;
    }
    bool operator==(const TrackingIterator& o) const { return p_ == o.p_; }

private:
    const char* p_ = nullptr;
    const char** high_ = nullptr;
};

// What a value event carries.
enum class Kind : std::uint8_t { Integer, OutOfRange, Boolean, String, Object, Array, Other };

// Parser events walk a fixed shape; anything off the shape stops the parse
// with a message naming the field.
class ProfileHandler {
public:
    explicit ProfileHandler(ProfileDocument& out) : out_(out) {}

    bool failed() const { return error_.fault != ProfileFault::None; }
    // The error, placed at the end of what the parser had read.
    ProfileError error(std::string_view text, const char* high) && {
        // A number is known to end only once the character after it was read.
        const char* end = high;
        if (afterNumber_ && end > text.data() && end[-1] == '\n') --end;
        place(text, static_cast<std::size_t>(end - text.data()), error_);
        return std::move(error_);
    }

    ProfileFault syntaxFault = ProfileFault::None;
    std::size_t syntaxOffset = 0;
    std::string syntaxMessage;

    // nlohmann SAX interface.
    bool null() { return other(Kind::Other); }
    bool boolean(bool v) { return other(Kind::Boolean, v); }
    bool number_integer(std::int64_t v) {
        const bool fits = v >= std::numeric_limits<std::int32_t>::min() && v <= std::numeric_limits<std::int32_t>::max();
        return number(fits ? Kind::Integer : Kind::OutOfRange, v);
    }
    bool number_unsigned(std::uint64_t v) {
        const bool fits = v <= static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max());
        return number(fits ? Kind::Integer : Kind::OutOfRange, fits ? static_cast<std::int64_t>(v) : 0);
    }
    bool number_float(double, const std::string& text) {
        // Integers too long for 64 bits arrive here too.
        const bool integral =
            !text.empty() && text.find_first_not_of("0123456789", text.front() == '-' ? 1 : 0) == std::string::npos;
        return number(integral ? Kind::OutOfRange : Kind::Other, 0);
    }
    bool string(std::string& s) {
        if (where_ == Where::Root && rootKey_ == RootKey::Name) out_.name = std::move(s);
        return other(Kind::String);
    }
    bool binary(json::binary_t&) { return other(Kind::Other); }
    bool start_object(std::size_t) { return other(Kind::Object); }
    bool start_array(std::size_t) { return other(Kind::Array); }
    bool key(std::string& name);
    bool end_object();
    bool end_array();
    bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception& e) {
        // A number beyond the range of a double is an out-of-range value of
        // its field, not a syntax error.
        constexpr int kNumberOverflow = 406;
        if (e.id == kNumberOverflow && !number(Kind::OutOfRange, 0)) return false;
        std::string_view what = e.what();
        // Drop the "[json.exception.parse_error.101] " tag.
        if (!what.empty() && what.front() == '[') {
            const auto close = what.find("] ");
            if (close != std::string_view::npos) what.remove_prefix(close + 2);
        }
        syntaxMessage = shortenLastRead(what);
        // The parser counts the character it stopped at, or the end of the text.
        syntaxOffset = position > 0 ? position - 1 : 0;
        syntaxFault = classify(what);
        return false;
    }

private:
    enum class Where : std::uint8_t { Start, Root, Matrix, MatrixRow, Wap, Intl, IntlRow, End };

    bool number(Kind kind, std::int64_t v) {
        afterNumber_ = true;
        return value(kind, v);
    }
    bool other(Kind kind, std::int64_t v = 0) {
        afterNumber_ = false;
        return value(kind, v);
    }
    bool value(Kind kind, std::int64_t v = 0);
    // `field` gives the field's name, built only for an error message.
    template <typename Field>
    bool integer(Kind kind, std::int64_t v, std::int32_t& target, const Field& field) {
        if (kind == Kind::OutOfRange) return fail(ProfileFault::OutOfRange, field(), "outside the 32-bit range");
        if (kind != Kind::Integer) return fail(ProfileFault::NotAnInteger, field(), "expected an integer");
        // A count of a month's use is never negative; it would price as a refund.
        if (v < 0) return fail(ProfileFault::Negative, field(), "negative: expected 0 or more");
        target = static_cast<std::int32_t>(v);
        return true;
    }
    bool fail(ProfileFault fault, std::string field, std::string_view problem) {
        error_.fault = fault;
        error_.message = field.empty() ? std::string(problem) : field + ": " + std::string(problem);
        error_.field = std::move(field);
        return false;
    }
    // Entries of "matrix" and "wap" also say their band and row.
    bool failIn(int band, int row, ProfileFault fault, std::string field, std::string_view problem) {
        error_.band = band;
        error_.row = row;
        return fail(fault, std::move(field), problem);
    }
    // A key can be any text: the path shows its start, made visible; the
    // message quotes it.
    bool unknown(const std::string& parent, const std::string& name) {
        const std::string shown = visible(shortened(name));
        fail(ProfileFault::UnknownKey, parent + '"' + shown + '"', "unknown key");
        error_.field = parent + shown;
        return false;
    }
    std::string rowField() const { return "international[" + std::to_string(count_) + "]"; }
    // The parser quotes the text it read before the error ("last read:
    // '...'"), which can be a whole long string or number: its end is kept.
    static std::string shortenLastRead(std::string_view what) {
        constexpr std::string_view from = "; last read: '";
        const auto start = what.find(from);
        if (start == std::string_view::npos) return std::string(what);
        const auto begin = start + from.size();
        auto end = what.rfind("'; expected ");
        if (end == std::string_view::npos || end < begin) end = what.size() - 1;
        if (end < begin) return std::string(what);
        return std::string(what.substr(0, begin)) + shortened(what.substr(begin, end - begin), kQuotedChars, true) +
               std::string(what.substr(end));
    }
    // The parser's words ("syntax error while parsing object - unexpected
    // ','; expected string literal") as a fault; the end of the text is
    // told apart later.
    static ProfileFault classify(std::string_view what) {
        const auto dash = what.find(" - ");
        const std::string_view problem = dash == std::string_view::npos ? what : what.substr(dash + 3);
        if (problem.starts_with("invalid string: ill-formed UTF-8")) return ProfileFault::BadUtf8;
        if (problem.starts_with("invalid string: missing closing quote")) return ProfileFault::EndInString;
        if (problem.starts_with("invalid string")) return ProfileFault::BadString;
        if (problem.starts_with("invalid number")) return ProfileFault::BadNumber;
        if (problem.starts_with("unexpected end of input")) return ProfileFault::EndEarly;
        if (problem.find("expected end of input") != std::string_view::npos) return ProfileFault::TextAfterEnd;
        if (problem.starts_with("unexpected")) return ProfileFault::Misplaced;
        return ProfileFault::BadCharacter;
    }

    ProfileDocument& out_;
    bool afterNumber_ = false;
    Where where_ = Where::Start;
    RootKey rootKey_ = RootKey::None;
    IntlKey intlKey_ = IntlKey::None;
    std::uint32_t rootSeen_ = 0;
    std::uint32_t intlSeen_ = 0;
    int count_ = 0;   // rows of the current array so far
    int column_ = 0;  // cells of the current matrix row so far
    ProfileError error_;
};

bool ProfileHandler::value(Kind kind, std::int64_t v) {
    Profile& p = out_.profile;
    switch (where_) {
        case Where::Start:
            if (kind != Kind::Object) return fail(ProfileFault::NotAnObject, "", "expected a JSON object");
            where_ = Where::Root;
            return true;
        case Where::Root: {
            const RootKey key = rootKey_;
            rootKey_ = RootKey::None;
            auto flag = [&](bool& target, const char* name) {
                if (kind != Kind::Boolean) return fail(ProfileFault::NotABoolean, name, "expected true or false");
                target = v != 0;
                return true;
            };
            switch (key) {
                case RootKey::Matrix:
                    if (kind != Kind::Array)
                        return fail(ProfileFault::WrongShape, "matrix", "expected an array of 4 arrays of 7 integers");
                    where_ = Where::Matrix;
                    count_ = 0;
                    return true;
                case RootKey::Wap:
                    if (kind != Kind::Array) return fail(ProfileFault::WrongShape, "wap", "expected an array of 4 integers");
                    where_ = Where::Wap;
                    count_ = 0;
                    return true;
                case RootKey::International:
                    if (kind != Kind::Array)
                        return fail(ProfileFault::WrongShape, "international", "expected an array of up to 4 objects");
                    where_ = Where::Intl;
                    count_ = 0;
                    return true;
                case RootKey::GprsWap: return integer(kind, v, p.gprsWap, [] { return "gprs_wap_kb"; });
                case RootKey::GprsNet: return integer(kind, v, p.gprsNet, [] { return "gprs_internet_kb"; });
                case RootKey::InternetCalls: return flag(p.internetCalls, "internet_calls");
                case RootKey::DirectDebit: return flag(out_.directDebit, "direct_debit");
                case RootKey::FixedLine: return flag(out_.fixedLine, "fixed_line");
                case RootKey::Name:
                    if (kind != Kind::String) return fail(ProfileFault::NotAText, "name", "expected a text");
                    return true;
                case RootKey::None: break;
            }
            return fail(ProfileFault::Misplaced, "", "expected a key");  // the parser never gets here
        }
        case Where::Matrix:
            if (count_ >= kBands) return fail(ProfileFault::WrongShape, "matrix", "expected 4 rows, got more");
            if (kind != Kind::Array)
                return failIn(count_, -1, ProfileFault::WrongShape, "matrix[" + std::to_string(count_) + "]",
                              "expected an array of 7 integers");
            where_ = Where::MatrixRow;
            column_ = 0;
            return true;
        case Where::MatrixRow: {
            auto row = [&] { return "matrix[" + std::to_string(count_) + "]"; };
            if (column_ >= kRows)
                return failIn(count_, -1, ProfileFault::WrongShape, row(), "expected 7 integers, got more");
            const int c = column_++;
            if (integer(kind, v, p.matrix[count_][c], [&] { return row() + "[" + std::to_string(c) + "]"; }))
                return true;
            error_.band = count_;
            error_.row = c;
            return false;
        }
        case Where::Wap:
            if (count_ >= kBands) return fail(ProfileFault::WrongShape, "wap", "expected 4 integers, got more");
            ++count_;
            if (integer(kind, v, p.wap[count_ - 1], [&] { return "wap[" + std::to_string(count_ - 1) + "]"; }))
                return true;
            error_.band = count_ - 1;
            return false;
        case Where::Intl:
            if (count_ >= kIntlRows) return fail(ProfileFault::WrongShape, "international", "expected at most 4 rows");
            if (kind != Kind::Object) return fail(ProfileFault::WrongShape, rowField(), "expected an object");
            where_ = Where::IntlRow;
            intlSeen_ = 0;
            return true;
        case Where::IntlRow: {
            IntlRow& row = p.intl[count_];
            const IntlKey key = intlKey_;
            intlKey_ = IntlKey::None;
            switch (key) {
                case IntlKey::Country: {
                    const auto field = [&] { return rowField() + ".country"; };
                    constexpr std::string_view range = "expected a country index from 0 to 35";
                    if (kind == Kind::Integer && v < 0) return fail(ProfileFault::BadCountry, field(), range);
                    if (!integer(kind, v, row.country, field)) return false;
                    if (row.country >= kCountries) return fail(ProfileFault::BadCountry, field(), range);
                    return true;
                }
                case IntlKey::Peak: return integer(kind, v, row.peak, [&] { return rowField() + ".peak"; });
                case IntlKey::Afternoon: return integer(kind, v, row.afternoon, [&] { return rowField() + ".afternoon"; });
                case IntlKey::EveningWeekend:
                    return integer(kind, v, row.eveningWeekend, [&] { return rowField() + ".evening_weekend"; });
                case IntlKey::None: break;
            }
            return fail(ProfileFault::Misplaced, rowField(), "expected a key");
        }
        case Where::End: break;
    }
    return fail(ProfileFault::TextAfterEnd, "", "unexpected value");  // strict parsing ends at the root object
}

bool ProfileHandler::key(std::string& name) {
    afterNumber_ = false;
    if (where_ == Where::Root) {
        rootKey_ = lookup(kRootKeys, name);
        if (rootKey_ == RootKey::None) return unknown("", name);
        const auto bit = 1u << static_cast<unsigned>(rootKey_);
        if (rootSeen_ & bit) return fail(ProfileFault::DuplicateKey, name, "duplicate key");
        rootSeen_ |= bit;
        return true;
    }
    intlKey_ = lookup(kIntlKeys, name);
    if (intlKey_ == IntlKey::None) return unknown(rowField() + ".", name);
    const auto bit = 1u << static_cast<unsigned>(intlKey_);
    if (intlSeen_ & bit) return fail(ProfileFault::DuplicateKey, rowField() + "." + name, "duplicate key");
    intlSeen_ |= bit;
    return true;
}

bool ProfileHandler::end_object() {
    afterNumber_ = false;
    if (where_ == Where::IntlRow) {
        where_ = Where::Intl;
        ++count_;
    } else {
        where_ = Where::End;
    }
    return true;
}

bool ProfileHandler::end_array() {
    afterNumber_ = false;
    switch (where_) {
        case Where::MatrixRow:
            if (column_ != kRows)
                return failIn(count_, -1, ProfileFault::WrongShape, "matrix[" + std::to_string(count_) + "]",
                              "expected 7 integers, got " + std::to_string(column_));
            where_ = Where::Matrix;
            ++count_;
            return true;
        case Where::Matrix:
            if (count_ != kBands)
                return fail(ProfileFault::WrongShape, "matrix", "expected 4 rows, got " + std::to_string(count_));
            break;
        case Where::Wap:
            if (count_ != kBands)
                return fail(ProfileFault::WrongShape, "wap", "expected 4 integers, got " + std::to_string(count_));
            break;
        default: break;
    }
    where_ = Where::Root;
    return true;
}

// A text that stops at `offset` because it ended: what it ended in.
ProfileFault endFault(std::string_view text, ProfileFault fault) {
    if (fault == ProfileFault::EndInString) return fault;
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) return ProfileFault::Empty;
    // The last characters, as far as a number could reach back.
    std::size_t start = text.size();
    while (start > 0 && std::strchr("0123456789.eE+-", text[start - 1]) && text[start - 1] != '\0') --start;
    if (start < text.size() && (text[start] == '-' || (text[start] >= '0' && text[start] <= '9')))
        return ProfileFault::EndInNumber;
    return ProfileFault::EndEarly;
}

// ---------------------------------------------------------------------------
// The fast reader.

// A strict scanner for the common case of a plain profile, several times
// faster than the general parser. Every function returns false to give up.
class QuickReader {
public:
    QuickReader(std::string_view text, ProfileDocument& out) : p_(text.data()), end_(text.data() + text.size()), out_(out) {}

    bool read() {
        if (!object(kRootKeys, [this](RootKey k) { return member(k); })) return false;
        skipBlanks();
        return p_ == end_;
    }

private:
    void skipBlanks() {
        while (p_ < end_ && (*p_ == ' ' || *p_ == '\t' || *p_ == '\n' || *p_ == '\r')) ++p_;
    }
    // Takes `c` when it comes next.
    bool expect(char c) {
        skipBlanks();
        if (p_ == end_ || *p_ != c) return false;
        ++p_;
        return true;
    }
    bool key(std::string_view& name) {
        if (!expect('"')) return false;
        const char* start = p_;
        while (p_ < end_ && *p_ != '"') {
            // Escapes, control characters and non-ASCII are left to the library.
            const auto c = static_cast<unsigned char>(*p_);
            if (c == '\\' || c < 0x20 || c >= 0x80) return false;
            ++p_;
        }
        if (p_ == end_) return false;
        name = std::string_view(start, static_cast<std::size_t>(p_ - start));
        ++p_;
        return true;
    }

    static bool digit(char c) { return c >= '0' && c <= '9'; }

    bool integer(std::int32_t& v) {
        skipBlanks();
        // Negative numbers are refused; the full reader names the field.
        if (p_ == end_ || !digit(*p_)) return false;
        if (*p_ == '0' && p_ + 1 < end_ && digit(p_[1])) return false;  // leading zero: invalid JSON
        std::uint64_t m = 0;
        int digits = 0;
        for (; p_ < end_ && digit(*p_); ++p_) {
            if (++digits > 10) return false;
            m = m * 10 + static_cast<std::uint64_t>(*p_ - '0');
        }
        if (p_ < end_ && (*p_ == '.' || *p_ == 'e' || *p_ == 'E')) return false;
        if (m > 2147483647u) return false;
        v = static_cast<std::int32_t>(m);
        return true;
    }

    bool boolean(bool& v) {
        skipBlanks();
        const auto rest = static_cast<std::size_t>(end_ - p_);
        if (rest >= 4 && std::memcmp(p_, "true", 4) == 0) {
            v = true;
            p_ += 4;
            return true;
        }
        if (rest >= 5 && std::memcmp(p_, "false", 5) == 0) {
            v = false;
            p_ += 5;
            return true;
        }
        return false;
    }

    template <std::size_t N>
    bool integers(std::array<std::int32_t, N>& v) {
        if (!expect('[')) return false;
        for (std::size_t i = 0; i < N; ++i)
            if ((i && !expect(',')) || !integer(v[i])) return false;
        return expect(']');
    }

    // An object whose keys are all in `keys`, each at most once; `value` reads
    // the value of each.
    template <typename Key, std::size_t N, typename Value>
    bool object(const std::array<std::pair<std::string_view, Key>, N>& keys, Value value) {
        if (!expect('{')) return false;
        if (expect('}')) return true;
        std::uint32_t seen = 0;
        do {
            std::string_view name;
            if (!key(name) || !expect(':')) return false;
            const Key k = lookup(keys, name);
            const auto bit = 1u << static_cast<unsigned>(k);
            if (k == Key::None || (seen & bit)) return false;
            seen |= bit;
            if (!value(k)) return false;
        } while (expect(','));
        return expect('}');
    }

    bool intlRow(IntlRow& row) {
        return object(kIntlKeys, [&](IntlKey k) {
            switch (k) {
                case IntlKey::Country: return integer(row.country) && row.country >= 0 && row.country < kCountries;
                case IntlKey::Peak: return integer(row.peak);
                case IntlKey::Afternoon: return integer(row.afternoon);
                case IntlKey::EveningWeekend: return integer(row.eveningWeekend);
                case IntlKey::None: break;
            }
            return false;
        });
    }

    bool member(RootKey k) {
        Profile& p = out_.profile;
        switch (k) {
            case RootKey::Matrix:
                if (!expect('[')) return false;
                for (int b = 0; b < kBands; ++b)
                    if ((b && !expect(',')) || !integers(p.matrix[b])) return false;
                return expect(']');
            case RootKey::Wap: return integers(p.wap);
            case RootKey::GprsWap: return integer(p.gprsWap);
            case RootKey::GprsNet: return integer(p.gprsNet);
            case RootKey::International:
                if (!expect('[')) return false;
                if (expect(']')) return true;
                for (int r = 0;; ++r) {
                    if (r == kIntlRows || !intlRow(p.intl[r])) return false;
                    if (!expect(',')) break;
                }
                return expect(']');
            case RootKey::InternetCalls: return boolean(p.internetCalls);
            case RootKey::DirectDebit: return boolean(out_.directDebit);
            case RootKey::FixedLine: return boolean(out_.fixedLine);
            // A name can hold escapes and any letters: left to the library.
            case RootKey::Name:
            case RootKey::None: break;
        }
        return false;
    }

    const char* p_;
    const char* const end_;
    ProfileDocument& out_;
};

}  // namespace

bool ProfileReader::readFast(std::string_view text, ProfileDocument& out) {
    out = ProfileDocument{};
    return QuickReader(text, out).read();
}

bool ProfileReader::readExact(std::string_view text, ProfileDocument& out, ProfileError& error) {
    out = ProfileDocument{};
    error = ProfileError{};
    if (text.size() > kMaxProfileText) {
        error.fault = ProfileFault::TooLarge;
        error.message = "larger than " + std::to_string(kMaxProfileText) + " bytes: too large for a profile";
        return false;
    }
    // The parser takes a NUL byte for the end of the text; nothing after it
    // would be read.
    if (const void* nul = std::memchr(text.data(), '\0', text.size())) {
        const auto at = static_cast<std::size_t>(static_cast<const char*>(nul) - text.data());
        place(text, at, error);
        error.fault = ProfileFault::NulByte;
        error.message = "parse error at line " + std::to_string(error.line) + ", column " +
                        std::to_string(error.column) + ": NUL byte in the text";
        return false;
    }
    ProfileHandler handler(out);
    if (json::sax_parse(text.data(), text.data() + text.size(), &handler)) return true;
    if (!handler.failed()) {
        error.fault = handler.syntaxFault;
        if (handler.syntaxOffset >= text.size()) error.fault = endFault(text, handler.syntaxFault);
        place(text, handler.syntaxOffset, error);
        error.message = std::move(handler.syntaxMessage);
        return false;
    }
    // Tracking the position slows every character down, so it is done only
    // to place an error: the same parse stops at the same value again.
    out = ProfileDocument{};
    const char* high = text.data();
    ProfileHandler tracked(out);
    json::sax_parse(TrackingIterator(text.data(), &high), TrackingIterator(text.data() + text.size(), &high),
                    &tracked);
    error = std::move(tracked).error(text, high);
    return false;
}

bool ProfileReader::read(std::string_view text, ProfileDocument& out, ProfileError& error) {
    return readFast(text, out) || readExact(text, out, error);
}

bool readProfile(std::string_view text, ProfileDocument& out, ProfileError& error) {
    return ProfileReader::read(text, out, error);
}

// ---------------------------------------------------------------------------
// The writer.

namespace {

void appendCount(std::string& out, std::int32_t v) { out += std::to_string(std::max<std::int32_t>(v, 0)); }

template <std::size_t N>
void appendCounts(std::string& out, const std::array<std::int32_t, N>& values) {
    out += '[';
    for (std::size_t i = 0; i < N; ++i) {
        if (i) out += ", ";
        appendCount(out, values[i]);
    }
    out += ']';
}

// A JSON string: quotes, backslashes and control characters escaped, other
// characters as UTF-8; bytes that are not UTF-8 become U+FFFD.
void appendString(std::string& out, std::string_view s) {
    constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    while (!s.empty()) {
        char32_t cp = 0;
        const std::size_t n = utf8Sequence(s, cp);
        if (n == 0) {
            out += "\xEF\xBF\xBD";
            s.remove_prefix(1);
            continue;
        }
        switch (cp) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\b': out += "\\b"; break;
            case '\f': out += "\\f"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (cp < 0x20) {
                    out += "\\u00";
                    out += kHex[cp >> 4];
                    out += kHex[cp & 15];
                } else {
                    out.append(s.data(), n);
                }
        }
        s.remove_prefix(n);
    }
    out += '"';
}

void appendIntlRow(std::string& out, const IntlRow& row) {
    out += "{\"country\": " + std::to_string(std::clamp<std::int32_t>(row.country, 0, kCountries - 1));
    out += ", \"peak\": ";
    appendCount(out, row.peak);
    out += ", \"afternoon\": ";
    appendCount(out, row.afternoon);
    out += ", \"evening_weekend\": ";
    appendCount(out, row.eveningWeekend);
    out += '}';
}

const char* boolean(bool b) { return b ? "true" : "false"; }

}  // namespace

void appendProfileJson(std::string& out, const ProfileDocument& doc, ProfileLayout layout) {
    const Profile& p = doc.profile;
    if (layout == ProfileLayout::Line) {
        out += "{\"matrix\": [";
        for (int b = 0; b < kBands; ++b) {
            if (b) out += ", ";
            appendCounts(out, p.matrix[b]);
        }
        out += "], \"wap\": ";
        appendCounts(out, p.wap);
        out += ", \"gprs_wap_kb\": ";
        appendCount(out, p.gprsWap);
        out += ", \"gprs_internet_kb\": ";
        appendCount(out, p.gprsNet);
        out += ", \"international\": [";
        for (int r = 0; r < kIntlRows; ++r) {
            if (r) out += ", ";
            appendIntlRow(out, p.intl[r]);
        }
        out += "]}";
        return;
    }
    out += "{\n";
    if (!doc.name.empty()) {
        out += "  \"name\": ";
        appendString(out, doc.name);
        out += ",\n";
    }
    out += "  \"matrix\": [\n";
    for (int b = 0; b < kBands; ++b) {
        out += "    ";
        appendCounts(out, p.matrix[b]);
        out += b + 1 < kBands ? ",\n" : "\n";
    }
    out += "  ],\n  \"wap\": ";
    appendCounts(out, p.wap);
    out += ",\n  \"gprs_wap_kb\": ";
    appendCount(out, p.gprsWap);
    out += ",\n  \"gprs_internet_kb\": ";
    appendCount(out, p.gprsNet);
    out += ",\n  \"international\": [\n";
    for (int r = 0; r < kIntlRows; ++r) {
        out += "    ";
        appendIntlRow(out, p.intl[r]);
        out += r + 1 < kIntlRows ? ",\n" : "\n";
    }
    out += "  ],\n  \"internet_calls\": ";
    out += boolean(p.internetCalls);
    out += ",\n  \"direct_debit\": ";
    out += boolean(doc.directDebit);
    out += ",\n  \"fixed_line\": ";
    out += boolean(doc.fixedLine);
    out += "\n}\n";
}

}  // namespace sazbar
