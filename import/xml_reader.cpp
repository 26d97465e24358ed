// The XML backups of Android backup apps (<calls>, <smses>), read as a
// stream with expat under a memory budget.
#include <expat.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "import/reader_common.h"

namespace sazbar::import::detail {

namespace {

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

// Android backup apps write a character beyond U+FFFF (an emoji) as two
// character references to its UTF-16 surrogates ("&#55357;&#56846;"), which
// XML forbids and expat refuses. Between the file and expat, this turns such a
// pair into one reference to the character, and a surrogate without its pair
// into U+FFFD. A reference has no line end, so line numbers stay; the output
// is never longer than the input, and at most one reference is held.
class SurrogateRefs {
public:
    // Appends `in`, mended, to `out`.
    void feed(std::string_view in, std::string& out) {
        std::size_t i = 0;
        while (i < in.size()) {
            if (m_pending.empty()) {
                if (m_high && in[i] != '&') lone(out);
                const std::size_t amp = std::min(in.find('&', i), in.size());
                out.append(in.substr(i, amp - i));
                if (amp == in.size()) return;
                m_pending = '&';
                i = amp + 1;
            } else if (step(in[i], out)) {
                ++i;
            }  // else the byte starts over in plain text
        }
    }
    // True when `in` passes unchanged: nothing held, no reference in it and
    // none begun at its end.
    bool passes(std::string_view in) const {
        return m_pending.empty() && !m_high && (in.empty() || in.back() != '&') &&
               in.find("&#") == std::string_view::npos;
    }
    // At the end of the file.
    void finish(std::string& out) {
        if (m_high) lone(out);
        out += m_pending;
        m_pending.clear();
    }

private:
    static constexpr std::size_t kMaxRef = 12;  // "&#x" and up to 9 digits

    // One byte after "&..."; false when it ends a text that is no reference
    // (given out as it was), the byte itself not taken.
    bool step(char c, std::string& out) {
        const bool hex = m_pending.size() > 2 && (m_pending[2] == 'x' || m_pending[2] == 'X');
        const bool digit = (c >= '0' && c <= '9') ||
                           (hex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
        if (m_pending.size() == 1) {
            if (c == '#') return m_pending += c, true;
        } else if (m_pending.size() == 2 && (c == 'x' || c == 'X' || digit)) {
            return m_pending += c, true;
        } else if (m_pending.size() > 2 && digit && m_pending.size() < kMaxRef) {
            return m_pending += c, true;
        } else if (m_pending.size() > 2 && c == ';' && !(hex && m_pending.size() == 3)) {
            reference(out);
            return true;
        }
        if (m_high) lone(out);
        out += m_pending;
        m_pending.clear();
        return false;
    }

    // A whole reference "&#...", its ';' just read.
    void reference(std::string& out) {
        const bool hex = m_pending[2] == 'x' || m_pending[2] == 'X';
        const std::uint64_t v = std::strtoull(m_pending.c_str() + (hex ? 3 : 2), nullptr, hex ? 16 : 10);
        if (v >= 0xD800 && v <= 0xDBFF) {
            if (m_high) lone(out);
            m_high = static_cast<std::uint32_t>(v);
        } else if (v >= 0xDC00 && v <= 0xDFFF) {
            if (m_high) {
                out += "&#" + std::to_string(0x10000 + ((m_high - 0xD800) << 10) + (v - 0xDC00)) + ';';
                m_high = 0;
            } else {
                out += "&#65533;";
            }
        } else {
            if (m_high) lone(out);
            out += m_pending;
            out += ';';
        }
        m_pending.clear();
    }

    void lone(std::string& out) {
        out += "&#65533;";
        m_high = 0;
    }

    std::string m_pending;     // "&", "&#", "&#x", then digits
    std::uint32_t m_high = 0;  // a high surrogate waiting for its low one
};

class XmlReader {
public:
    XmlReader(Importer& importer) : m_importer(importer) {
        m_previous = tBudget;
        tBudget = &m_budget;
        static const XML_Memory_Handling_Suite kSuite = {budgetMalloc, budgetRealloc, budgetFree};
        // No encoding given: the file's declaration is honoured (expat reads
        // UTF-8, UTF-16, ISO-8859-1 and US-ASCII); none declared is UTF-8.
        m_parser = XML_ParserCreate_MM(nullptr, &kSuite, nullptr);
        if (!m_parser) return;
        XML_SetUserData(m_parser, this);
        XML_SetElementHandler(m_parser, &XmlReader::start, &XmlReader::end);
        // Android backups have no document type. Declaring one (and with it
        // entities, internal or external) is refused before any is expanded.
        XML_SetStartDoctypeDeclHandler(m_parser, &XmlReader::doctype);
        XML_SetEntityDeclHandler(m_parser, &XmlReader::entity);
        XML_SetParamEntityParsing(m_parser, XML_PARAM_ENTITY_PARSING_NEVER);
        XML_SetUnknownEncodingHandler(m_parser, &XmlReader::unknownEncoding, this);
    }
    ~XmlReader() {
        if (m_parser) XML_ParserFree(m_parser);
        tBudget = m_previous;
    }
    XmlReader(const XmlReader&) = delete;
    XmlReader& operator=(const XmlReader&) = delete;

    ReadOutcome run(std::string_view first, Source& src) {
        ReadOutcome out;
        if (!m_parser) {
            out.refusal = "cannot read: out of memory";
            return out;
        }
        bool done = !parse(first, false);
        std::unique_ptr<char[]> buf(new char[kChunk]);
        while (!done) {
            const std::size_t got = src.read(buf.get(), kChunk);
            done = !parse({buf.get(), got}, got == 0) || got == 0;
        }
        out.format = m_format;
        if (!m_refusal.empty()) {
            out.refusal = m_refusal;
            return out;
        }
        if (m_error != XML_ERROR_NONE) {
            const std::string what = m_error == XML_ERROR_NO_MEMORY
                                         ? "an element larger than " + std::to_string(kMaxXmlMemory >> 20) + " MiB"
                                         : std::string("XML error: ") + XML_ErrorString(m_error);
            if (m_format == LogFormat::Unknown) {
                out.refusal = "not a call log: no <calls> or <smses> backup (line " + std::to_string(m_errorLine) +
                              ": " + what + ")";
                return out;
            }
            m_importer.refuse(m_errorLine, m_error == XML_ERROR_NO_MEMORY ? IssueKind::XmlTooLarge : IssueKind::XmlError, what + "; the rest of the file was not read");
        }
        if (m_format == LogFormat::Unknown) {
            out.refusal = "not a call log: no <calls> or <smses> backup";
            return out;
        }
        out.ok = true;
        return out;
    }

private:
    // False once the parse has ended (error, refusal or the end of the text).
    bool parse(std::string_view bytes, bool last) {
        if (!m_refs.passes(bytes)) {
            m_mended.clear();
            m_refs.feed(bytes, m_mended);
            if (last) m_refs.finish(m_mended);
            bytes = m_mended;
        }
        if (XML_Parse(m_parser, bytes.data(), static_cast<int>(bytes.size()), last) == XML_STATUS_ERROR) {
            if (m_refusal.empty()) {
                m_error = XML_GetErrorCode(m_parser);
                m_errorLine = static_cast<std::int64_t>(XML_GetCurrentLineNumber(m_parser));
            }
            return false;
        }
        return !last;
    }

    std::int64_t line() const { return static_cast<std::int64_t>(XML_GetCurrentLineNumber(m_parser)); }

    void stop(std::string refusal) {
        m_refusal = std::move(refusal);
        XML_StopParser(m_parser, XML_FALSE);
    }

    static int unknownEncoding(void* self, const XML_Char* name, XML_Encoding*) {
        static_cast<XmlReader*>(self)->m_refusal =
            "not a call log: the encoding " + std::string(std::string_view(name).substr(0, 40)) +
            " is not read (only UTF-8, UTF-16, ISO-8859-1 and US-ASCII)";
        return XML_STATUS_ERROR;
    }
    static void doctype(void* self, const XML_Char*, const XML_Char*, const XML_Char*, int) {
        static_cast<XmlReader*>(self)->stop("not a call log: document type declarations are not accepted");
    }
    static void entity(void* self, const XML_Char*, int, const XML_Char*, int, const XML_Char*, const XML_Char*,
                       const XML_Char*, const XML_Char*) {
        static_cast<XmlReader*>(self)->stop("not a call log: entity declarations are not accepted");
    }
    static void end(void* self, const XML_Char*) { --static_cast<XmlReader*>(self)->m_depth; }
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
        ++m_depth;
        if (m_depth == 1) {
            if (name == "calls") m_format = LogFormat::AndroidCalls;
            else if (name == "smses") m_format = LogFormat::AndroidMessages;
            else stop("not a call log: the backup starts with <" + std::string(name.substr(0, 40)) +
                      ">, not <calls> or <smses>");
            return;
        }
        if (m_depth != 2) return;
        const bool call = m_format == LogFormat::AndroidCalls && name == "call";
        const bool sms = m_format == LogFormat::AndroidMessages && name == "sms";
        const bool mms = m_format == LogFormat::AndroidMessages && name == "mms";
        if (!call && !sms && !mms) return;
        const std::string_view tag = call ? "<call>: " : sms ? "<sms>: " : "<mms>: ";

        Event e;
        e.kind = call ? Kind::Call : sms ? Kind::Sms : Kind::Mms;
        const Attributes a = attributes(atts);
        std::int64_t ms = 0;
        if (!a.hasDate || !readUnsigned(a.date, ms) || !pragueTime(ms, e.start) || e.start.year < kFirstLogYear ||
            e.start.year > kLastLogYear)
            return refuse(IssueKind::BackupDate, std::string(tag) + "date: expected milliseconds since 1970, from " +
                                                     std::to_string(kFirstLogYear) + " to " +
                                                     std::to_string(kLastLogYear));
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
        m_importer.add(e);
    }

    void refuse(IssueKind kind, const std::string& why) { m_importer.refuse(line(), kind, why); }

    Importer& m_importer;
    Budget m_budget;
    Budget* m_previous = nullptr;
    XML_Parser m_parser = nullptr;
    int m_depth = 0;
    LogFormat m_format = LogFormat::Unknown;
    std::string m_refusal;
    SurrogateRefs m_refs;
    std::string m_mended;  // the bytes given to expat
    XML_Error m_error = XML_ERROR_NONE;
    std::int64_t m_errorLine = 0;
};
}  // namespace

ReadOutcome readXml(std::string_view first, Source& src, Importer& importer) {
    return XmlReader(importer).run(first, src);
}

}  // namespace sazbar::import::detail
