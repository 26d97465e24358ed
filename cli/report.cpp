#include "cli/report.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <cstring>
#include <vector>

#include <nlohmann/json.hpp>

#include "pricing/chart_order.h"

namespace sazbar::cli {

namespace {

template <typename Int>
void appendInt(std::string& out, Int v) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, r.ptr);
}

void appendBool(std::string& out, bool v) { out += v ? "true" : "false"; }

// The constant start of every result object, up to the price.
const std::array<std::string, kTariffCount>& resultPrefixes() {
    static const auto prefixes = [] {
        std::array<std::string, kTariffCount> p;
        for (int i = 0; i < kTariffCount; ++i) {
            std::string& s = p[static_cast<std::size_t>(i)];
            appendJsonTariffHead(s, i);
            s += ", \"price\": ";
        }
        return p;
    }();
    return prefixes;
}

// "t30": and the like, a JSON key for each tariff.
const std::array<std::string, kTariffCount>& tariffKeys() {
    static const auto keys = [] {
        std::array<std::string, kTariffCount> k;
        for (std::size_t i = 0; i < k.size(); ++i) {
            appendJsonString(k[i], kTariffs[i].id);
            k[i] += ": ";
        }
        return k;
    }();
    return keys;
}

// Splits a hint at its line breaks, dropping empty lines.
std::vector<std::string_view> hintLines(std::string_view hint) {
    std::vector<std::string_view> lines;
    while (!hint.empty()) {
        const auto at = hint.find(kLineBreak);
        const std::string_view line = hint.substr(0, at);
        if (!line.empty()) lines.push_back(line);
        if (at == std::string_view::npos) break;
        hint.remove_prefix(at + kLineBreak.size());
    }
    return lines;
}

bool isUnsupportedLine(std::string_view line) { return line.starts_with("nepodporuje "); }

void pad(std::string& out, std::size_t n) { out.append(n, ' '); }

}  // namespace

std::size_t displayWidth(std::string_view s) {
    return static_cast<std::size_t>(
        std::count_if(s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

void appendCsvField(std::string& out, std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += field;
        return;
    }
    out += '"';
    for (char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

namespace {

// Writes into space reserved up front at the end of a string; the hot path
// of batch output, free of per-piece capacity checks.
class RawWriter {
public:
    RawWriter(std::string& out, std::size_t bound) : m_out(out) {
        const std::size_t start = out.size();
        out.resize(start + bound);
        m_p = out.data() + start;
    }
    ~RawWriter() {
        assert(m_p <= m_out.data() + m_out.size() && "write past the reserved bound");
        m_out.resize(static_cast<std::size_t>(m_p - m_out.data()));
    }
    RawWriter(const RawWriter&) = delete;
    RawWriter& operator=(const RawWriter&) = delete;

    // Space a quoted, escaped string can take.
    static std::size_t stringBound(std::size_t bytes) { return 6 * bytes + 2; }
    static std::size_t stringBound(std::string_view s) { return stringBound(s.size()); }

    void raw(std::string_view s) {
        std::memcpy(m_p, s.data(), s.size());
        m_p += s.size();
    }
    void integer(std::int64_t v) { m_p = std::to_chars(m_p, m_p + 24, v).ptr; }
    void boolean(bool v) { raw(v ? std::string_view("true") : std::string_view("false")); }
    void string(std::string_view s) {
        *m_p++ = '"';
        escaped(s);
        *m_p++ = '"';
    }
    // A hint as one string, piece by piece.
    void string(const Hint& h) {
        *m_p++ = '"';
        h.forEachPiece([this](std::string_view s) { escaped(s); });
        *m_p++ = '"';
    }

private:
    void escaped(std::string_view s) {
        static constexpr char kHex[] = "0123456789abcdef";
        const char* q = s.data();
        const char* const end = q + s.size();
        while (q < end) {
            // Eight plain bytes at a time; a word with a byte to escape goes
            // byte by byte. Fixed-size copies compile to single moves.
            if (end - q >= 8) {
                std::uint64_t word;
                std::memcpy(&word, q, 8);
                if (!needsEscape(word)) {
                    std::memcpy(m_p, &word, 8);
                    m_p += 8;
                    q += 8;
                    continue;
                }
            }
            const auto c = static_cast<unsigned char>(*q++);
            if (c >= 0x20 && c != '"' && c != '\\') {
                *m_p++ = static_cast<char>(c);
                continue;
            }
            *m_p++ = '\\';
            switch (c) {
                case '"': *m_p++ = '"'; break;
                case '\\': *m_p++ = '\\'; break;
                case '\n': *m_p++ = 'n'; break;
                case '\r': *m_p++ = 'r'; break;
                case '\t': *m_p++ = 't'; break;
                case '\b': *m_p++ = 'b'; break;
                case '\f': *m_p++ = 'f'; break;
                default:
                    *m_p++ = 'u';
                    *m_p++ = '0';
                    *m_p++ = '0';
                    *m_p++ = kHex[c >> 4];
                    *m_p++ = kHex[c & 15];
            }
        }
    }

    // True when a byte of the word is a control character, '"' or '\\'.
    static bool needsEscape(std::uint64_t w) {
        constexpr std::uint64_t ones = 0x0101010101010101ull, highs = 0x8080808080808080ull;
        auto hasZero = [](std::uint64_t x) { return (x - ones) & ~x & highs; };
        const std::uint64_t below0x20 = (w - ones * 0x20) & ~w & highs;
        return (below0x20 | hasZero(w ^ (ones * '"')) | hasZero(w ^ (ones * '\\'))) != 0;
    }

    std::string& m_out;
    char* m_p;
};

}  // namespace

void appendJsonString(std::string& out, std::string_view text) {
    RawWriter w(out, RawWriter::stringBound(text));
    w.string(text);
}

void appendJsonTariffHead(std::string& out, std::string_view id, std::string_view op, std::string_view name) {
    out += "{\"id\": ";
    appendJsonString(out, id);
    out += ", \"operator\": ";
    appendJsonString(out, op);
    out += ", \"name\": ";
    appendJsonString(out, name);
}

void appendJsonTariffHead(std::string& out, int tariff) {
    const TariffInfo& t = kTariffs[static_cast<std::size_t>(tariff)];
    appendJsonTariffHead(out, t.id, operatorName(t.op), t.name);
}

void appendJson(std::string& out, const RunResult& result, bool fixedLine, const DataPart* data) {
    const bool builtin = !data || data->tariffs->builtin;
    const auto& prefixes = resultPrefixes();
    ChartOrder order = chartOrder(chartInput(result, fixedLine));
    if (!builtin) order.count = 0;
    // Fixed parts of a result object after its prefix, with the longest number.
    constexpr std::size_t kPerResult = 96;
    std::size_t bound = 128;
    for (std::size_t i = 0; i < result.fields.size(); ++i) {
        const TariffResult& f = result.fields[i];
        bound += prefixes[i].size() + kPerResult + RawWriter::stringBound(f.text()) + RawWriter::stringBound(f.hint.size());
    }
    static const auto chartIds = [] {
        std::array<std::string, kChartRecords> ids;
        for (std::size_t i = 0; i < ids.size(); ++i) appendJsonString(ids[i], kChartTable[i].id);
        return ids;
    }();
    for (int i = 0; i < order.count; ++i) bound += chartIds[order.records[static_cast<std::size_t>(i)]].size() + 2;

    if (data) {
        for (std::size_t i = 0; i < data->results.size(); ++i) {
            const catalogue::DataTariff& t = data->tariffs->tariffs[i];
            const catalogue::DataResult& r = data->results[i];
            bound += 128 + RawWriter::stringBound(t.id) + RawWriter::stringBound(t.operatorName) +
                     RawWriter::stringBound(t.name) + RawWriter::stringBound(r.hint);
        }
        bound += 64;
    }
    RawWriter w(out, bound);
    w.raw("{\"total_call_minutes\": ");
    w.integer(result.totalCallMinutes);
    w.raw(", \"results\": [");
    for (std::size_t i = 0; builtin && i < result.fields.size(); ++i) {
        const TariffResult& f = result.fields[i];
        if (i) w.raw(", ");
        w.raw(prefixes[i]);
        if (f.priced)
            w.integer(f.price);
        else
            w.raw("null");
        w.raw(", \"text\": ");
        w.string(f.text());
        w.raw(", \"hint\": ");
        w.string(f.hint);
        w.raw(", \"unsupported\": ");
        w.boolean(f.unsupported);
        w.raw(", \"cheapest\": ");
        w.boolean(f.cheapest);
        w.raw("}");
    }
    if (data) {
        for (std::size_t i = 0; i < data->results.size(); ++i) {
            const catalogue::DataTariff& t = data->tariffs->tariffs[i];
            const catalogue::DataResult& r = data->results[i];
            if (builtin || i) w.raw(", ");
            w.raw("{\"id\": ");
            w.string(t.id);
            w.raw(", \"operator\": ");
            w.string(t.operatorName);
            w.raw(", \"name\": ");
            w.string(t.name);
            w.raw(", \"price\": ");
            if (r.priced)
                w.integer(r.price);
            else
                w.raw("null");
            w.raw(", \"text\": ");
            w.string(r.priced ? std::to_string(r.price) : std::string("xx"));
            w.raw(", \"hint\": ");
            w.string(r.hint);
            w.raw(", \"unsupported\": ");
            w.boolean(r.unsupported);
            w.raw(", \"cheapest\": ");
            w.boolean(r.cheapest);
            w.raw("}");
        }
    }
    w.raw("], \"chart\": [");
    for (int i = 0; i < order.count; ++i) {
        if (i) w.raw(", ");
        w.raw(chartIds[order.records[static_cast<std::size_t>(i)]]);
    }
    w.raw("]");
    if (data) {
        w.raw(", \"tariffs_on\": ");
        w.string(data->tariffs->onText);
        w.raw(", \"tariffs_not_valid\": ");
        w.integer(static_cast<std::int64_t>(data->tariffs->notValid));
    }
    w.raw("}");
}

namespace {

// A message as a JSON string, safe for any bytes in it (it may quote file
// names or keys holding any bytes).
void appendJsonMessage(std::string& out, std::string_view message) {
    out += nlohmann::json(std::string(message)).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace

void appendJsonError(std::string& out, std::string_view message) {
    out += "{\"error\": ";
    appendJsonMessage(out, message);
    out += '}';
}

namespace {

void appendCsvRecord(std::string& out, std::string_view id, std::string_view op, std::string_view name, bool priced,
                     std::int32_t price, bool unsupported, bool cheapest, std::string_view hintText) {
    appendCsvField(out, id);
    out += ',';
    appendCsvField(out, op);
    out += ',';
    appendCsvField(out, name);
    out += ',';
    if (priced) appendInt(out, price);
    out += ',';
    if (priced) appendInt(out, price);
    else out += "xx";
    out += ',';
    appendBool(out, unsupported);
    out += ',';
    appendBool(out, cheapest);
    out += ',';
    std::string hint;
    for (std::string_view l : hintLines(hintText)) (hint.empty() ? hint : hint += " | ") += l;
    appendCsvField(out, hint);
    out += "\r\n";
}

}  // namespace

void appendCsv(std::string& out, const RunResult& result, bool fixedLine, const DataPart* data) {
    out += "id,operator,name,price,text,unsupported,cheapest,hint\r\n";
    for (std::size_t i = 0; (!data || data->tariffs->builtin) && i < result.fields.size(); ++i) {
        const TariffInfo& t = kTariffs[i];
        if (t.op == Operator::FixedLine && !fixedLine) continue;
        const TariffResult& f = result.fields[i];
        appendCsvRecord(out, t.id, operatorName(t.op), t.name, f.priced, f.price, f.unsupported, f.cheapest, f.hint.str());
    }
    if (!data) return;
    for (std::size_t i = 0; i < data->results.size(); ++i) {
        const catalogue::DataTariff& t = data->tariffs->tariffs[i];
        const catalogue::DataResult& r = data->results[i];
        appendCsvRecord(out, t.id, t.operatorName, t.name, r.priced, r.price, r.unsupported, r.cheapest, r.hint);
    }
}

namespace {

constexpr std::pair<std::string_view, int> kNamedColumns[] = {
    {"line", kColumnLine},
    {"total_call_minutes", kColumnTotal},
    {"cheapest", kColumnCheapest},
    {"cheapest_price", kColumnCheapestPrice},
    {"error", kColumnError},
    {"prices", kColumnPrices},
};

// The data tariff a column stands for, or nullptr for any other column.
const catalogue::DataTariff* dataTariffOf(int column, const DataTariffs* data) {
    if (column < kTariffCount || !data) return nullptr;
    return &data->tariffs[static_cast<std::size_t>(column - kTariffCount)];
}

std::string_view columnName(int column, const DataTariffs* data) {
    if (const catalogue::DataTariff* t = dataTariffOf(column, data)) return t->id;
    if (column >= 0) return kTariffs[static_cast<std::size_t>(column)].id;
    for (const auto& [name, c] : kNamedColumns)
        if (c == column) return name;
    return {};
}

// Every tariff's column in order: the compiled ones (the fixed line's with
// `fixedLine`) unless left out, then the data tariffs.
void appendTariffColumns(std::vector<int>& columns, bool fixedLine, const DataTariffs* data) {
    if (!data || data->builtin)
        for (int i = 0; i < kTariffCount; ++i)
            if (fixedLine || kTariffs[static_cast<std::size_t>(i)].op != Operator::FixedLine) columns.push_back(i);
    if (data)
        for (std::size_t i = 0; i < data->tariffs.size(); ++i) columns.push_back(kTariffCount + static_cast<int>(i));
}

// The price of a tariff's column: false when it is not priced.
bool columnPrice(int column, const RunResult& result, const DataPart* data, std::int32_t& price) {
    if (column >= kTariffCount) {
        const catalogue::DataResult& r = data->results[static_cast<std::size_t>(column - kTariffCount)];
        price = r.price;
        return r.priced;
    }
    const TariffResult& f = result.fields[static_cast<std::size_t>(column)];
    price = f.price;
    return f.priced;
}

// The ids of the cheapest tariffs, compiled first, and the price they share.
template <typename Each>
void forEachCheapest(const RunResult& result, const DataPart* data, Each each) {
    for (std::size_t t = 0; t < result.fields.size(); ++t)
        if (result.fields[t].cheapest) each(kTariffs[t].id, result.fields[t].price);
    if (data)
        for (std::size_t t = 0; t < data->results.size(); ++t)
            if (data->results[t].cheapest) each(std::string_view(data->tariffs->tariffs[t].id), data->results[t].price);
}

}  // namespace

std::vector<int> defaultBatchColumns(bool fixedLine, const DataTariffs* data) {
    std::vector<int> columns{kColumnLine, kColumnTotal, kColumnCheapest, kColumnCheapestPrice};
    appendTariffColumns(columns, fixedLine, data);
    columns.push_back(kColumnError);
    return columns;
}

std::vector<int> withPricesExpanded(const std::vector<int>& columns, bool fixedLine, const DataTariffs* data) {
    std::vector<int> out;
    for (int c : columns) {
        if (c == kColumnPrices) appendTariffColumns(out, fixedLine, data);
        else out.push_back(c);
    }
    return out;
}

bool parseBatchColumns(std::string_view list, std::vector<int>& columns, std::string& bad, const DataTariffs* data) {
    columns.clear();
    for (;;) {
        const auto comma = list.find(',');
        const std::string_view name = list.substr(0, comma);
        int column = !data || data->builtin ? tariffIndex(name) : -1;
        bool known = column >= 0;
        if (data && !known)
            for (std::size_t i = 0; i < data->tariffs.size() && !known; ++i)
                if (data->tariffs[i].id == name) column = kTariffCount + static_cast<int>(i), known = true;
        for (const auto& [text, c] : kNamedColumns)
            if (text == name) column = c, known = true;
        if (!known) {
            bad = std::string(name);
            return false;
        }
        columns.push_back(column);
        if (comma == std::string_view::npos) return true;
        list.remove_prefix(comma + 1);
    }
}

void appendCsvHeader(std::string& out, const std::vector<int>& columns, const DataTariffs* data) {
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i) out += ',';
        if (dataTariffOf(columns[i], data)) appendCsvField(out, columnName(columns[i], data));
        else out += columnName(columns[i], data);
    }
    out += "\r\n";
}

void appendCsvRow(std::string& out, std::size_t line, const RunResult& result, const std::vector<int>& columns,
                  const DataPart* data) {
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i) out += ',';
        const int c = columns[i];
        if (c >= 0) {
            std::int32_t price = 0;
            if (columnPrice(c, result, data, price)) appendInt(out, price);
            continue;
        }
        switch (c) {
            case kColumnLine: appendInt(out, line); break;
            case kColumnTotal: appendInt(out, result.totalCallMinutes); break;
            case kColumnCheapest: {
                std::string ids;
                forEachCheapest(result, data, [&](std::string_view id, std::int32_t) {
                    if (!ids.empty()) ids += ' ';
                    ids += id;
                });
                appendCsvField(out, ids);
                break;
            }
            case kColumnCheapestPrice: {
                bool first = true;
                forEachCheapest(result, data, [&](std::string_view, std::int32_t price) {
                    if (first) appendInt(out, price);
                    first = false;
                });
                break;
            }
            default: break;  // no error
        }
    }
    out += "\r\n";
}

void appendCsvErrorRow(std::string& out, std::size_t line, std::string_view message, const std::vector<int>& columns) {
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i) out += ',';
        if (columns[i] == kColumnLine) appendInt(out, line);
        else if (columns[i] == kColumnError) appendCsvField(out, message);
    }
    out += "\r\n";
}

void appendJsonColumns(std::string& out, std::size_t line, const RunResult& result, const std::vector<int>& columns,
                       const DataPart* data) {
    const auto& keys = tariffKeys();
    const bool builtin = !data || data->tariffs->builtin;
    // Every column at its longest: all tariffs' ids and prices for "prices"
    // and "cheapest", a key and a number for the others.
    std::size_t dataBound = 0;
    if (data)
        for (const catalogue::DataTariff& t : data->tariffs->tariffs) dataBound += RawWriter::stringBound(t.id) + 24;
    std::size_t bound = 2;
    for (int c : columns)
        bound += c == kColumnPrices || c == kColumnCheapest ? 20 + kTariffCount * 48 + dataBound
                 : c >= kTariffCount ? RawWriter::stringBound(data->tariffs->tariffs[static_cast<std::size_t>(c - kTariffCount)].id) + 32
                                     : 64;
    RawWriter w(out, bound);
    const auto key = [&](int c) {
        if (c < kTariffCount) return w.raw(keys[static_cast<std::size_t>(c)]);
        w.string(data->tariffs->tariffs[static_cast<std::size_t>(c - kTariffCount)].id);
        w.raw(": ");
    };
    const auto price = [&](int c) {
        std::int32_t p = 0;
        columnPrice(c, result, data, p) ? w.integer(p) : w.raw("null");
    };
    w.raw("{");
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i) w.raw(", ");
        const int c = columns[i];
        if (c >= 0) {
            key(c);
            price(c);
            continue;
        }
        switch (c) {
            case kColumnLine:
                w.raw("\"line\": ");
                w.integer(static_cast<std::int64_t>(line));
                break;
            case kColumnTotal:
                w.raw("\"total_call_minutes\": ");
                w.integer(result.totalCallMinutes);
                break;
            case kColumnCheapest: {
                w.raw("\"cheapest\": [");
                bool first = true;
                forEachCheapest(result, data, [&](std::string_view id, std::int32_t) {
                    if (!first) w.raw(", ");
                    w.string(id);
                    first = false;
                });
                w.raw("]");
                break;
            }
            case kColumnCheapestPrice: {
                w.raw("\"cheapest_price\": ");
                bool none = true;
                forEachCheapest(result, data, [&](std::string_view, std::int32_t p) {
                    if (none) w.integer(p);
                    none = false;
                });
                if (none) w.raw("null");
                break;
            }
            case kColumnPrices: {
                w.raw("\"prices\": {");
                bool first = true;
                const auto one = [&](int t) {
                    if (!first) w.raw(", ");
                    first = false;
                    key(t);
                    price(t);
                };
                for (int t = 0; builtin && t < kTariffCount; ++t) one(t);
                if (data)
                    for (std::size_t t = 0; t < data->results.size(); ++t) one(kTariffCount + static_cast<int>(t));
                w.raw("}");
                break;
            }
            default: w.raw("\"error\": null"); break;
        }
    }
    w.raw("}");
}

void appendJsonColumnsError(std::string& out, std::size_t line, std::string_view message,
                            const std::vector<int>& columns) {
    out += '{';
    if (std::find(columns.begin(), columns.end(), kColumnLine) != columns.end()) {
        out += "\"line\": ";
        appendInt(out, line);
        out += ", ";
    }
    out += "\"error\": ";
    appendJsonMessage(out, message);
    out += '}';
}

namespace {

struct TableLine {
    std::string_view name;
    std::string price;
    bool unsupported, cheapest;
    std::string_view hint;
};

void appendTableLine(std::string& out, const TableLine& l, std::size_t nameWidth, std::size_t priceWidth, bool hints) {
    out += "  ";
    out += l.name;
    pad(out, nameWidth - displayWidth(l.name) + 2 + priceWidth - displayWidth(l.price));
    out += l.price;
    out += " Kč";
    const std::vector<std::string_view> lines = hintLines(l.hint);
    if (l.cheapest) out += "  ◄ nejlevnější";
    if (l.unsupported) {
        std::string reasons;
        for (std::string_view h : lines)
            if (isUnsupportedLine(h)) (reasons.empty() ? reasons : reasons += ", ") += h;
        out += "  ✗ ";
        // Only the internet-call choice marks a field without a hint line.
        out += reasons.empty() ? "nepodporuje volání přes internet" : reasons;
    }
    out += '\n';
    if (!hints) return;
    for (std::string_view h : lines) {
        if (l.unsupported && isUnsupportedLine(h)) continue;  // already on the price line
        pad(out, 6);
        out += h;
        out += '\n';
    }
}

std::string priceText(const catalogue::DataResult& r) { return r.priced ? std::to_string(r.price) : std::string("xx"); }

}  // namespace

void appendTable(std::string& out, const RunResult& result, bool fixedLine, bool hints, const DataPart* data) {
    const bool builtin = !data || data->tariffs->builtin;
    std::size_t nameWidth = 0, priceWidth = 0;
    if (builtin) {
        for (const TariffInfo& t : kTariffs) nameWidth = std::max(nameWidth, displayWidth(t.name));
        for (const TariffResult& f : result.fields) priceWidth = std::max(priceWidth, displayWidth(f.text()));
    }
    if (data)
        for (std::size_t i = 0; i < data->results.size(); ++i) {
            nameWidth = std::max(nameWidth, displayWidth(data->tariffs->tariffs[i].name));
            priceWidth = std::max(priceWidth, displayWidth(priceText(data->results[i])));
        }

    out += "Celkem za měsíc: ";
    appendInt(out, result.totalCallMinutes);
    out += " minut\n";
    const Operator groups[] = {Operator::TMobile, Operator::Eurotel, Operator::Oskar, Operator::FixedLine};
    for (Operator op : groups) {
        if (!builtin || (op == Operator::FixedLine && !fixedLine)) continue;
        out += '\n';
        out += operatorName(op);
        out += '\n';
        for (std::size_t i = 0; i < result.fields.size(); ++i) {
            const TariffInfo& t = kTariffs[i];
            if (t.op != op) continue;
            const TariffResult& f = result.fields[i];
            const std::string hintText = f.hint.str();
            appendTableLine(out, {t.name, f.text(), f.unsupported, f.cheapest, hintText}, nameWidth, priceWidth, hints);
        }
    }
    if (!data) return;
    // The data tariffs by operator, in the order the operators first appear.
    const auto& tariffs = data->tariffs->tariffs;
    std::vector<bool> shown(tariffs.size());
    for (std::size_t first = 0; first < tariffs.size(); ++first) {
        if (shown[first]) continue;
        out += '\n';
        out += tariffs[first].operatorName;
        out += " (ceník ze souboru)\n";
        for (std::size_t i = first; i < tariffs.size(); ++i) {
            if (shown[i] || tariffs[i].operatorName != tariffs[first].operatorName) continue;
            shown[i] = true;
            const catalogue::DataResult& r = data->results[i];
            appendTableLine(out, {tariffs[i].name, priceText(r), r.unsupported, r.cheapest, r.hint}, nameWidth, priceWidth,
                            hints);
        }
    }
    out += "\nVynecháno tarifů ze souborů, které ke dni ";
    out += data->tariffs->onText;
    out += " neplatí: ";
    appendInt(out, data->tariffs->notValid);
    out += '\n';
}

}  // namespace sazbar::cli
