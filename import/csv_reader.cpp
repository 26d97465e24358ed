// The itemised bill as CSV (see docs/import.md), read line by line.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "import/reader_common.h"

namespace sazbar::import::detail {

namespace {

// Lower case of ASCII and of the Czech capitals that start a word.
std::string lower(std::string_view s) {
    std::string out(s);
    for (std::size_t i = 0; i < out.size(); ++i) {
        char& c = out[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        const auto u = static_cast<unsigned char>(c);
        if ((u == 0xC4 || u == 0xC5) && i + 1 < out.size()) {
            // Č Ď Ě Ň Ř Š Ť Ž: the capital is the even code point before the small one.
            const auto v = static_cast<unsigned char>(out[i + 1]);
            const unsigned cp = ((u & 0x1Fu) << 6) | (v & 0x3Fu);
            if ((cp == 0x10C || cp == 0x10E || cp == 0x11A || cp == 0x147 || cp == 0x158 || cp == 0x160 ||
                 cp == 0x164 || cp == 0x17D))
                out[i + 1] = static_cast<char>(v + 1);
            ++i;
        }
    }
    return out;
}

enum Column { ColDate, ColTime, ColDirection, ColNumber, ColDuration, ColType, ColVolume, kColumns };

int columnOf(std::string_view name) {
    const std::string folded = lower(name);
    static constexpr std::pair<std::string_view, Column> kNames[] = {
        {"date", ColDate},         {"datum", ColDate},          {"time", ColTime},
        {"čas", ColTime},          {"cas", ColTime},            {"direction", ColDirection},
        {"směr", ColDirection},    {"smer", ColDirection},      {"number", ColNumber},
        {"číslo", ColNumber},      {"cislo", ColNumber},        {"duration", ColDuration},
        {"trvání", ColDuration},   {"trvani", ColDuration},     {"délka", ColDuration},
        {"type", ColType},         {"typ", ColType},            {"volume_kb", ColVolume},
        {"volume", ColVolume},     {"objem", ColVolume},        {"objem_kb", ColVolume},
    };
    for (const auto& [n, c] : kNames)
        if (folded == n) return c;
    return -1;
}

// Splits a line into fields; false on an unterminated quote.
bool splitFields(std::string_view line, char sep, std::vector<std::string>& fields) {
    fields.clear();
    std::size_t i = 0;
    for (;;) {
        std::string f;
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        if (i < line.size() && line[i] == '"') {
            ++i;
            for (;;) {
                if (i >= line.size()) return false;
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        f += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                f += line[i++];
            }
            while (i < line.size() && line[i] != sep) ++i;  // blanks after the quote
        } else {
            const std::size_t end = std::min(line.find(sep, i), line.size());
            f = trim(line.substr(i, end - i));
            i = end;
        }
        fields.push_back(std::move(f));
        if (fields.size() > 64) return true;  // the caller refuses the count
        if (i >= line.size()) return true;
        ++i;  // the separator
    }
}

enum class DateRead : std::uint8_t { Ok, Bad, OutOfRange };

// "d. m. yyyy" (blanks optional) or "yyyy-mm-dd"; a real date outside
// kFirstLogYear..kLastLogYear is OutOfRange.
DateRead readDate(std::string_view s, LocalTime& t) {
    s = trim(s);
    bool ok;
    if (s.size() == 10 && s[4] == '-' && s[7] == '-') {
        ok = readInt(s.substr(0, 4), t.year) && readInt(s.substr(5, 2), t.month) && readInt(s.substr(8, 2), t.day);
    } else {
        const auto d1 = s.find('.');
        const auto d2 = d1 == std::string_view::npos ? d1 : s.find('.', d1 + 1);
        if (d2 == std::string_view::npos) return DateRead::Bad;
        const std::string_view y = trim(s.substr(d2 + 1));
        ok = readInt(trim(s.substr(0, d1)), t.day) && readInt(trim(s.substr(d1 + 1, d2 - d1 - 1)), t.month) &&
             y.size() == 4 && readInt(y, t.year);
    }
    // Month and day are checked against a leap year in range (2000), so that
    // a 29. 2. of any year outside still reads as out of range.
    if (!ok || !validDate(2000, t.month, t.day)) return DateRead::Bad;
    if (t.year < kFirstLogYear || t.year > kLastLogYear) return DateRead::OutOfRange;
    return validDate(t.year, t.month, t.day) ? DateRead::Ok : DateRead::Bad;
}

// "H:MM" or "H:MM:SS".
bool readTime(std::string_view s, LocalTime& t) {
    s = trim(s);
    const auto c1 = s.find(':');
    if (c1 == std::string_view::npos || c1 == 0 || c1 > 2) return false;
    const auto c2 = s.find(':', c1 + 1);
    const std::string_view mm = s.substr(c1 + 1, c2 == std::string_view::npos ? std::string_view::npos : c2 - c1 - 1);
    t.second = 0;
    if (c2 != std::string_view::npos && (s.size() - c2 != 3 || !readInt(s.substr(c2 + 1), t.second))) return false;
    return readInt(s.substr(0, c1), t.hour) && mm.size() == 2 && readInt(mm, t.minute) && t.hour <= 23 &&
           t.minute <= 59 && t.second <= 59;
}

bool readDirection(std::string_view s, Direction& d) {
    static constexpr std::pair<std::string_view, Direction> kNames[] = {
        {"out", Direction::Outgoing},     {"odchozí", Direction::Outgoing}, {"odchozi", Direction::Outgoing},
        {"in", Direction::Incoming},      {"příchozí", Direction::Incoming}, {"prichozi", Direction::Incoming},
        {"missed", Direction::Missed},    {"zmeškaný", Direction::Missed},  {"zmeskany", Direction::Missed},
    };
    for (const auto& [n, v] : kNames)
        if (s == n) {
            d = v;
            return true;
        }
    return false;
}

bool readKind(std::string_view s, Kind& k) {
    static constexpr std::pair<std::string_view, Kind> kNames[] = {
        {"call", Kind::Call}, {"sms", Kind::Sms}, {"mms", Kind::Mms}, {"data", Kind::Data}, {"wap", Kind::Wap}};
    for (const auto& [n, v] : kNames)
        if (s == n) {
            k = v;
            return true;
        }
    return false;
}

// Whole kB, or a fraction with "." or "," rounded up; empty is none (-1).
bool readVolume(std::string_view s, std::int64_t& kb) {
    s = trim(s);
    if (s.empty()) {
        kb = -1;
        return true;
    }
    const auto dot = s.find_first_of(".,");
    const std::string_view whole = s.substr(0, dot);
    if (!readUnsigned(whole, kb) || kb > (std::int64_t{1} << 40)) return false;
    if (dot != std::string_view::npos) {
        const std::string_view frac = s.substr(dot + 1);
        if (!allDigits(frac)) return false;
        if (frac.find_first_not_of('0') != std::string_view::npos) ++kb;
    }
    return true;
}

class CsvReader {
public:
    CsvReader(Importer& importer) : m_importer(importer) {}

    // One line without its line end; false when the header makes the file
    // no call log (`out.refusal` set).
    bool line(std::string_view text, bool tooLong, ReadOutcome& out) {
        ++m_number;
        if (m_number == 1) return header(text, out);
        if (tooLong) return refuse(IssueKind::TooLong, "longer than " + std::to_string(kMaxCsvLine) + " bytes");
        // A NUL is no text: binary data in the middle of a log costs its line.
        if (text.find('\0') != std::string_view::npos) return refuse(IssueKind::Binary, "a NUL byte: binary data, not text");
        if (trim(text).empty()) return true;
        if (!splitFields(text, m_sep, m_fields)) return refuse(IssueKind::Quote, "a quote is not closed");
        if (m_fields.size() != m_columns)
            return refuse(IssueKind::FieldCount, "expected " + std::to_string(m_columns) + " fields, got " + std::to_string(m_fields.size()));
        Event e;
        auto field = [&](Column c) -> std::string_view { return m_fields[m_index[c]]; };
        switch (readDate(field(ColDate), e.start)) {
            case DateRead::Ok: break;
            case DateRead::Bad: return refuse(IssueKind::Date, "date: expected d. m. yyyy or yyyy-mm-dd");
            case DateRead::OutOfRange:
                return refuse(IssueKind::DateRange, "date: the year must be from " + std::to_string(kFirstLogYear) +
                                                        " to " + std::to_string(kLastLogYear));
        }
        if (!readTime(field(ColTime), e.start)) return refuse(IssueKind::Time, "time: expected H:MM or H:MM:SS");
        if (!readDirection(lower(trim(field(ColDirection))), e.direction)) return refuse(IssueKind::Direction, "direction: expected out, in or missed");
        if (!readKind(lower(trim(field(ColType))), e.kind)) return refuse(IssueKind::Type, "type: expected call, sms, mms, data or wap");
        const std::string_view duration = trim(field(ColDuration));
        if (!duration.empty() && (!readUnsigned(duration, e.seconds) || e.seconds > 31LL * 86400))
            return refuse(IssueKind::Duration, "duration: expected whole seconds, at most 31 days");
        if (!readVolume(field(ColVolume), e.kilobytes)) return refuse(IssueKind::Volume, "volume_kb: expected kilobytes");
        e.number = field(ColNumber);
        m_importer.add(e);
        return true;
    }

private:
    bool header(std::string_view text, ReadOutcome& out) {
        if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
        m_sep = text.find(';') != std::string_view::npos ? ';' : ',';
        m_index.fill(kNone);
        std::vector<std::string> names;
        const bool ok = splitFields(text, m_sep, names);
        for (std::size_t i = 0; ok && i < names.size(); ++i) {
            const int c = columnOf(trim(names[i]));
            if (c >= 0 && m_index[c] == kNone) m_index[c] = i;
        }
        m_columns = names.size();
        const auto missing = std::count(m_index.begin(), m_index.end(), kNone);
        if (missing == 0) return true;
        // Two known names make it a header with columns missing; fewer, some other text.
        if (!ok || missing > kColumns - 2) {
            out.refusal = "not a call log: the first line is not the header of an itemised bill "
                          "(date, time, direction, number, duration, type, volume_kb)";
            return false;
        }
        out.refusal = missing == 1 ? "not a call log: the header lacks the column" : "not a call log: the header lacks the columns";
        for (int c = 0; c < kColumns; ++c)
            if (m_index[c] == kNone) {
                out.refusal += std::string(out.missingColumns.empty() ? " " : ", ") +
                               std::string(kCsvColumns[c].english) + " (" + std::string(kCsvColumns[c].czech) + ")";
                out.missingColumns.push_back(kCsvColumns[c].english);
            }
        return false;
    }

    bool refuse(IssueKind kind, const std::string& why) {
        m_importer.refuse(m_number, kind, why);
        return true;
    }

    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    Importer& m_importer;
    std::int64_t m_number = 0;
    char m_sep = ',';
    std::size_t m_columns = 0;
    std::array<std::size_t, kColumns> m_index{};
    std::vector<std::string> m_fields;
};

}  // namespace

ReadOutcome readCsv(std::string_view first, Source& src, Importer& importer) {
    ReadOutcome out;
    out.format = LogFormat::Csv;
    CsvReader reader(importer);
    std::string line;
    bool tooLong = false;
    bool afterCr = false;  // a CR ended the last line: a LF right after it belongs to it
    auto emit = [&]() {
        const bool ok = reader.line(tooLong ? std::string_view{} : std::string_view(line), tooLong, out);
        line.clear();
        tooLong = false;
        return ok;
    };
    // Lines end with LF, CR LF or CR alone.
    auto feed = [&](std::string_view chunk) {
        while (!chunk.empty()) {
            if (afterCr) {
                afterCr = false;
                if (chunk.front() == '\n') {
                    chunk.remove_prefix(1);
                    continue;
                }
            }
            const auto end = chunk.find_first_of("\r\n");
            const std::string_view part = chunk.substr(0, end);
            if (!tooLong) {
                if (line.size() + part.size() > kMaxCsvLine) {
                    tooLong = true;
                    line.clear();
                } else {
                    line.append(part);
                }
            }
            if (end == std::string_view::npos) return true;
            afterCr = chunk[end] == '\r';
            chunk.remove_prefix(end + 1);
            if (!emit()) return false;
        }
        return true;
    };
    bool ok = feed(first);
    std::unique_ptr<char[]> buf(new char[kChunk]);
    while (ok) {
        const std::size_t got = src.read(buf.get(), kChunk);
        if (!got) break;
        ok = feed({buf.get(), got});
    }
    if (ok && (!line.empty() || tooLong)) ok = emit();
    out.ok = ok;
    return out;
}

}  // namespace sazbar::import::detail
