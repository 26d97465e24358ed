#include "import/readers.h"

#include <expat.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

namespace sazbar::import {

namespace {

constexpr std::size_t kChunk = 64 * 1024;

// Bytes of the file, chunk by chunk.
class Source {
public:
    explicit Source(std::istream& in) : in_(&in) {}
    explicit Source(std::string_view bytes) : bytes_(bytes) {}

    // Up to `size` bytes into `buf`; 0 at the end.
    std::size_t read(char* buf, std::size_t size) {
        if (in_) {
            if (!in_->rdbuf()) return 0;
            const auto got = in_->rdbuf()->sgetn(buf, static_cast<std::streamsize>(size));
            return got > 0 ? static_cast<std::size_t>(got) : 0;
        }
        const std::size_t n = std::min(size, bytes_.size());
        std::memcpy(buf, bytes_.data(), n);
        bytes_.remove_prefix(n);
        return n;
    }

private:
    std::istream* in_ = nullptr;
    std::string_view bytes_;
};

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

bool allDigits(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A non-negative decimal of at most 18 digits.
bool readUnsigned(std::string_view s, std::int64_t& v) {
    if (!allDigits(s) || s.size() > 18) return false;
    v = 0;
    for (char c : s) v = v * 10 + (c - '0');
    return true;
}

bool readInt(std::string_view s, int& v) {
    std::int64_t w;
    if (!readUnsigned(s, w) || w > 100000) return false;
    v = static_cast<int>(w);
    return true;
}

// ---- CSV -------------------------------------------------------------------

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

// "d. m. yyyy" (blanks optional) or "yyyy-mm-dd".
bool readDate(std::string_view s, LocalTime& t) {
    s = trim(s);
    if (s.size() == 10 && s[4] == '-' && s[7] == '-')
        return readInt(s.substr(0, 4), t.year) && readInt(s.substr(5, 2), t.month) &&
               readInt(s.substr(8, 2), t.day) && validDate(t.year, t.month, t.day);
    const auto d1 = s.find('.');
    if (d1 == std::string_view::npos) return false;
    const auto d2 = s.find('.', d1 + 1);
    if (d2 == std::string_view::npos) return false;
    const std::string_view y = trim(s.substr(d2 + 1));
    return readInt(trim(s.substr(0, d1)), t.day) && readInt(trim(s.substr(d1 + 1, d2 - d1 - 1)), t.month) &&
           y.size() == 4 && readInt(y, t.year) && validDate(t.year, t.month, t.day);
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
    CsvReader(Importer& importer) : importer_(importer) {}

    // One line without its line end; false when the header makes the file
    // no call log (`refusal` set).
    bool line(std::string_view text, bool tooLong, std::string& refusal) {
        ++number_;
        if (number_ == 1) return header(text, refusal);
        if (tooLong) return refuse(IssueKind::TooLong, "longer than " + std::to_string(kMaxCsvLine) + " bytes");
        if (trim(text).empty()) return true;
        if (!splitFields(text, sep_, fields_)) return refuse(IssueKind::Quote, "a quote is not closed");
        if (fields_.size() != columns_)
            return refuse(IssueKind::FieldCount, "expected " + std::to_string(columns_) + " fields, got " + std::to_string(fields_.size()));
        Event e;
        auto field = [&](Column c) -> std::string_view { return fields_[index_[c]]; };
        if (!readDate(field(ColDate), e.start)) return refuse(IssueKind::Date, "date: expected d. m. yyyy or yyyy-mm-dd");
        if (!readTime(field(ColTime), e.start)) return refuse(IssueKind::Time, "time: expected H:MM or H:MM:SS");
        if (!readDirection(lower(trim(field(ColDirection))), e.direction)) return refuse(IssueKind::Direction, "direction: expected out, in or missed");
        if (!readKind(lower(trim(field(ColType))), e.kind)) return refuse(IssueKind::Type, "type: expected call, sms, mms, data or wap");
        const std::string_view duration = trim(field(ColDuration));
        if (!duration.empty() && (!readUnsigned(duration, e.seconds) || e.seconds > 31LL * 86400))
            return refuse(IssueKind::Duration, "duration: expected whole seconds, at most 31 days");
        if (!readVolume(field(ColVolume), e.kilobytes)) return refuse(IssueKind::Volume, "volume_kb: expected kilobytes");
        e.number = field(ColNumber);
        importer_.add(e);
        return true;
    }

private:
    bool header(std::string_view text, std::string& refusal) {
        if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
        sep_ = text.find(';') != std::string_view::npos ? ';' : ',';
        index_.fill(kNone);
        std::vector<std::string> names;
        const bool ok = splitFields(text, sep_, names);
        for (std::size_t i = 0; ok && i < names.size(); ++i) {
            const int c = columnOf(trim(names[i]));
            if (c >= 0 && index_[c] == kNone) index_[c] = i;
        }
        columns_ = names.size();
        if (!ok || std::count(index_.begin(), index_.end(), kNone) != 0) {
            refusal = "not a call log: the first line is not the header of an itemised bill "
                      "(date, time, direction, number, duration, type, volume_kb)";
            return false;
        }
        return true;
    }

    bool refuse(IssueKind kind, const std::string& why) {
        importer_.refuse(number_, kind, why);
        return true;
    }

    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    Importer& importer_;
    std::int64_t number_ = 0;
    char sep_ = ',';
    std::size_t columns_ = 0;
    std::array<std::size_t, kColumns> index_{};
    std::vector<std::string> fields_;
};

ReadOutcome readCsv(std::string_view first, Source& src, Importer& importer) {
    ReadOutcome out{true, LogFormat::Csv, {}};
    CsvReader reader(importer);
    std::string line;
    bool tooLong = false;
    auto emit = [&]() {
        std::string_view l = line;
        if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
        const bool ok = reader.line(tooLong ? std::string_view{} : l, tooLong, out.refusal);
        line.clear();
        tooLong = false;
        return ok;
    };
    auto feed = [&](std::string_view chunk) {
        while (!chunk.empty()) {
            const auto nl = chunk.find('\n');
            const std::string_view part = chunk.substr(0, nl);
            if (!tooLong) {
                if (line.size() + part.size() > kMaxCsvLine) {
                    tooLong = true;
                    line.clear();
                } else {
                    line.append(part);
                }
            }
            if (nl == std::string_view::npos) return true;
            chunk.remove_prefix(nl + 1);
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

// ---- XML -------------------------------------------------------------------

// Allocations of one parser, counted, so that no input can make it hold more
// than kMaxXmlMemory.
struct Budget {
    std::size_t used = 0;
};
thread_local Budget* tBudget = nullptr;

void* budgetMalloc(std::size_t size) {
    if (!tBudget || tBudget->used + size > kMaxXmlMemory) return nullptr;
    auto* p = static_cast<std::size_t*>(std::malloc(size + sizeof(std::max_align_t)));
    if (!p) return nullptr;
    *p = size;
    tBudget->used += size;
    return reinterpret_cast<char*>(p) + sizeof(std::max_align_t);
}
void budgetFree(void* ptr) {
    if (!ptr) return;
    auto* p = reinterpret_cast<std::size_t*>(static_cast<char*>(ptr) - sizeof(std::max_align_t));
    tBudget->used -= *p;
    std::free(p);
}
void* budgetRealloc(void* ptr, std::size_t size) {
    if (!ptr) return budgetMalloc(size);
    auto* p = reinterpret_cast<std::size_t*>(static_cast<char*>(ptr) - sizeof(std::max_align_t));
    const std::size_t old = *p;
    if (size > old && tBudget->used + (size - old) > kMaxXmlMemory) return nullptr;
    auto* q = static_cast<std::size_t*>(std::realloc(p, size + sizeof(std::max_align_t)));
    if (!q) return nullptr;
    tBudget->used = tBudget->used - old + size;
    *q = size;
    return reinterpret_cast<char*>(q) + sizeof(std::max_align_t);
}

class XmlReader {
public:
    XmlReader(Importer& importer) : importer_(importer) {
        previous_ = tBudget;
        tBudget = &budget_;
        static const XML_Memory_Handling_Suite kSuite = {budgetMalloc, budgetRealloc, budgetFree};
        parser_ = XML_ParserCreate_MM("UTF-8", &kSuite, nullptr);
        if (!parser_) return;
        XML_SetUserData(parser_, this);
        XML_SetElementHandler(parser_, &XmlReader::start, &XmlReader::end);
        // Android backups have no document type. Declaring one (and with it
        // entities, internal or external) is refused before any is expanded.
        XML_SetStartDoctypeDeclHandler(parser_, &XmlReader::doctype);
        XML_SetEntityDeclHandler(parser_, &XmlReader::entity);
        XML_SetParamEntityParsing(parser_, XML_PARAM_ENTITY_PARSING_NEVER);
    }
    ~XmlReader() {
        if (parser_) XML_ParserFree(parser_);
        tBudget = previous_;
    }
    XmlReader(const XmlReader&) = delete;
    XmlReader& operator=(const XmlReader&) = delete;

    ReadOutcome run(std::string_view first, Source& src) {
        ReadOutcome out{false, LogFormat::Unknown, {}};
        if (!parser_) {
            out.refusal = "cannot read: out of memory";
            return out;
        }
        bool done = !parse(first, false);
        std::unique_ptr<char[]> buf(new char[kChunk]);
        while (!done) {
            const std::size_t got = src.read(buf.get(), kChunk);
            done = !parse({buf.get(), got}, got == 0) || got == 0;
        }
        out.format = format_;
        if (!refusal_.empty()) {
            out.refusal = refusal_;
            return out;
        }
        if (error_ != XML_ERROR_NONE) {
            const std::string what = error_ == XML_ERROR_NO_MEMORY
                                         ? "an element larger than " + std::to_string(kMaxXmlMemory >> 20) + " MiB"
                                         : std::string("XML error: ") + XML_ErrorString(error_);
            if (format_ == LogFormat::Unknown) {
                out.refusal = "not a call log: no <calls> or <smses> backup (line " + std::to_string(errorLine_) +
                              ": " + what + ")";
                return out;
            }
            importer_.refuse(errorLine_, error_ == XML_ERROR_NO_MEMORY ? IssueKind::XmlTooLarge : IssueKind::XmlError, what + "; the rest of the file was not read");
        }
        if (format_ == LogFormat::Unknown) {
            out.refusal = "not a call log: no <calls> or <smses> backup";
            return out;
        }
        out.ok = true;
        return out;
    }

private:
    // False once the parse has ended (error, refusal or the end of the text).
    bool parse(std::string_view bytes, bool last) {
        if (XML_Parse(parser_, bytes.data(), static_cast<int>(bytes.size()), last) == XML_STATUS_ERROR) {
            if (refusal_.empty()) {
                error_ = XML_GetErrorCode(parser_);
                errorLine_ = static_cast<std::int64_t>(XML_GetCurrentLineNumber(parser_));
            }
            return false;
        }
        return !last;
    }

    std::int64_t line() const { return static_cast<std::int64_t>(XML_GetCurrentLineNumber(parser_)); }

    void stop(std::string refusal) {
        refusal_ = std::move(refusal);
        XML_StopParser(parser_, XML_FALSE);
    }

    static void doctype(void* self, const XML_Char*, const XML_Char*, const XML_Char*, int) {
        static_cast<XmlReader*>(self)->stop("not a call log: document type declarations are not accepted");
    }
    static void entity(void* self, const XML_Char*, int, const XML_Char*, int, const XML_Char*, const XML_Char*,
                       const XML_Char*, const XML_Char*) {
        static_cast<XmlReader*>(self)->stop("not a call log: entity declarations are not accepted");
    }
    static void end(void* self, const XML_Char*) { --static_cast<XmlReader*>(self)->depth_; }
    static void start(void* self, const XML_Char* name, const XML_Char** atts) {
        static_cast<XmlReader*>(self)->element(name, atts);
    }

    // The attributes an element is read by; empty and not `found` when missing.
    struct Attributes {
        std::string_view number, duration, date, type, address, msgBox;
        bool hasNumber = false, hasDuration = false, hasDate = false, hasType = false, hasAddress = false,
             hasMsgBox = false;
    };
    static Attributes attributes(const XML_Char** atts) {
        Attributes a;
        for (; atts[0]; atts += 2) {
            const std::string_view name = atts[0];
            const std::string_view value = atts[1];
            switch (name.empty() ? '\0' : name[0]) {
                case 'n': if (name == "number") { a.number = value; a.hasNumber = true; } break;
                case 'd':
                    if (name == "duration") { a.duration = value; a.hasDuration = true; }
                    else if (name == "date") { a.date = value; a.hasDate = true; }
                    break;
                case 't': if (name == "type") { a.type = value; a.hasType = true; } break;
                case 'a': if (name == "address") { a.address = value; a.hasAddress = true; } break;
                case 'm': if (name == "msg_box") { a.msgBox = value; a.hasMsgBox = true; } break;
                default: break;
            }
        }
        return a;
    }

    void element(std::string_view name, const XML_Char** atts) {
        ++depth_;
        if (depth_ == 1) {
            if (name == "calls") format_ = LogFormat::AndroidCalls;
            else if (name == "smses") format_ = LogFormat::AndroidMessages;
            else stop("not a call log: the backup starts with <" + std::string(name.substr(0, 40)) +
                      ">, not <calls> or <smses>");
            return;
        }
        if (depth_ != 2) return;
        const bool call = format_ == LogFormat::AndroidCalls && name == "call";
        const bool sms = format_ == LogFormat::AndroidMessages && name == "sms";
        const bool mms = format_ == LogFormat::AndroidMessages && name == "mms";
        if (!call && !sms && !mms) return;
        const std::string_view tag = call ? "<call>: " : sms ? "<sms>: " : "<mms>: ";

        Event e;
        e.kind = call ? Kind::Call : sms ? Kind::Sms : Kind::Mms;
        const Attributes a = attributes(atts);
        std::int64_t ms = 0;
        if (!a.hasDate || !readUnsigned(a.date, ms) || !pragueTime(ms, e.start) || e.start.year < 1990 ||
            e.start.year > 2100)
            return refuse(IssueKind::BackupDate, std::string(tag) + "date: expected milliseconds since 1970, from 1990 to 2100");
        int type = 0;
        if (!(mms ? a.hasMsgBox : a.hasType) || !readInt(mms ? a.msgBox : a.type, type))
            return refuse(IssueKind::BackupType, std::string(tag) + (mms ? "msg_box" : "type") + ": expected a number");
        if (call) {
            if (!a.hasDuration || !readUnsigned(a.duration, e.seconds) || e.seconds > 31LL * 86400)
                return refuse(IssueKind::BackupDuration, std::string(tag) + "duration: expected whole seconds, at most 31 days");
            // 1 incoming, 2 outgoing, 3 missed, 4 voicemail, 5 rejected, 6 blocked.
            e.direction = type == 2   ? Direction::Outgoing
                          : type == 1 ? Direction::Incoming
                          : (type == 3 || type == 5 || type == 6) ? Direction::Missed
                                                                  : Direction::Other;
            e.number = a.number;
        } else {
            // Message boxes: 1 received, 2 sent, 3 draft, 4 outbox, 5 failed, 6 queued.
            e.direction = type == 2 ? Direction::Outgoing
                          : type == 1 ? Direction::Incoming
                          : (type >= 3 && type <= 6) ? Direction::Unsent
                                                     : Direction::Other;
            e.number = a.address;
        }
        importer_.add(e);
    }

    void refuse(IssueKind kind, const std::string& why) { importer_.refuse(line(), kind, why); }

    Importer& importer_;
    Budget budget_;
    Budget* previous_ = nullptr;
    XML_Parser parser_ = nullptr;
    int depth_ = 0;
    LogFormat format_ = LogFormat::Unknown;
    std::string refusal_;
    XML_Error error_ = XML_ERROR_NONE;
    std::int64_t errorLine_ = 0;
};

ReadOutcome read(Source& src, Importer& importer) {
    // Enough of the start to tell the formats apart.
    std::string first(4096, '\0');
    std::size_t have = 0;
    while (have < first.size()) {
        const std::size_t got = src.read(first.data() + have, first.size() - have);
        if (!got) break;
        have += got;
    }
    first.resize(have);
    std::string_view head = first;
    if (head.starts_with("\xEF\xBB\xBF")) head.remove_prefix(3);
    head.remove_prefix(std::min(head.find_first_not_of(" \t\r\n"), head.size()));
    if (head.empty()) return {false, LogFormat::Unknown, "not a call log: the file is empty"};
    if (first.find('\0') != std::string::npos)
        return {false, LogFormat::Unknown, "not a call log: a binary file"};
    if (head.front() == '<') return XmlReader(importer).run(first, src);
    return readCsv(first, src, importer);
}

}  // namespace

ReadOutcome readLog(std::istream& in, Importer& importer) {
    Source src(in);
    return read(src, importer);
}

ReadOutcome readLog(std::string_view bytes, Importer& importer) {
    Source src(bytes);
    return read(src, importer);
}

std::string_view formatName(LogFormat f) {
    switch (f) {
        case LogFormat::Csv: return "itemised bill (CSV)";
        case LogFormat::AndroidCalls: return "Android call log backup";
        case LogFormat::AndroidMessages: return "Android message backup";
        case LogFormat::Unknown: break;
    }
    return "unknown";
}

}  // namespace sazbar::import
