#include "cli/report.h"

#include <algorithm>
#include <array>
#include <charconv>
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
            const TariffInfo& t = kTariffs[static_cast<std::size_t>(i)];
            std::string& s = p[static_cast<std::size_t>(i)];
            s = "{\"id\": ";
            appendJsonString(s, t.id);
            s += ", \"operator\": ";
            appendJsonString(s, operatorName(t.op));
            s += ", \"name\": ";
            appendJsonString(s, t.name);
            s += ", \"price\": ";
        }
        return p;
    }();
    return prefixes;
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

// Characters on screen of UTF-8 text: bytes that do not continue a sequence.
std::size_t displayWidth(std::string_view s) {
    return static_cast<std::size_t>(
        std::count_if(s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

void pad(std::string& out, std::size_t n) { out.append(n, ' '); }

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

}  // namespace

void appendJsonString(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c != '"' && c != '\\') continue;
        out.append(text.data() + start, i - start);
        start = i + 1;
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            case '\b': out += "\\b"; break;
            case '\f': out += "\\f"; break;
            default:
                out += "\\u00";
                out += kHex[c >> 4];
                out += kHex[c & 15];
        }
    }
    out.append(text.data() + start, text.size() - start);
    out += '"';
}

void appendJson(std::string& out, const RunResult& result, bool fixedLine) {
    const auto& prefixes = resultPrefixes();
    out += "{\"total_call_minutes\": ";
    appendInt(out, result.totalCallMinutes);
    out += ", \"results\": [";
    for (std::size_t i = 0; i < result.fields.size(); ++i) {
        const TariffResult& f = result.fields[i];
        if (i) out += ", ";
        out += prefixes[i];
        if (f.priced)
            appendInt(out, f.price);
        else
            out += "null";
        out += ", \"text\": ";
        appendJsonString(out, f.text);
        out += ", \"hint\": ";
        appendJsonString(out, f.hint);
        out += ", \"unsupported\": ";
        appendBool(out, f.unsupported);
        out += ", \"cheapest\": ";
        appendBool(out, f.cheapest);
        out += '}';
    }
    out += "], \"chart\": [";
    const ChartOrder order = chartOrder(chartInput(result, fixedLine));
    for (int i = 0; i < order.count; ++i) {
        if (i) out += ", ";
        appendJsonString(out, kChartTable[order.records[static_cast<std::size_t>(i)]].id);
    }
    out += "]}";
}

void appendJsonError(std::string& out, std::string_view message) {
    // Messages may quote file names or keys holding any bytes.
    out += "{\"error\": ";
    out += nlohmann::json(std::string(message)).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    out += '}';
}

void appendCsv(std::string& out, const RunResult& result) {
    out += "id,operator,name,price,unsupported,cheapest,hint\r\n";
    for (std::size_t i = 0; i < result.fields.size(); ++i) {
        const TariffInfo& t = kTariffs[i];
        const TariffResult& f = result.fields[i];
        appendCsvField(out, t.id);
        out += ',';
        appendCsvField(out, operatorName(t.op));
        out += ',';
        appendCsvField(out, t.name);
        out += ',';
        if (f.priced) appendInt(out, f.price);
        out += ',';
        appendBool(out, f.unsupported);
        out += ',';
        appendBool(out, f.cheapest);
        out += ',';
        appendCsvField(out, f.hint);
        out += "\r\n";
    }
}

void appendTable(std::string& out, const RunResult& result, bool fixedLine, bool hints) {
    std::size_t nameWidth = 0;
    for (const TariffInfo& t : kTariffs) nameWidth = std::max(nameWidth, displayWidth(t.name));
    std::size_t priceWidth = 0;
    for (const TariffResult& f : result.fields) priceWidth = std::max(priceWidth, displayWidth(f.text));

    out += "Celkem za měsíc: ";
    appendInt(out, result.totalCallMinutes);
    out += " minut\n";
    const Operator groups[] = {Operator::TMobile, Operator::Eurotel, Operator::Oskar, Operator::FixedLine};
    for (Operator op : groups) {
        if (op == Operator::FixedLine && !fixedLine) continue;
        out += '\n';
        out += operatorName(op);
        out += '\n';
        for (std::size_t i = 0; i < result.fields.size(); ++i) {
            const TariffInfo& t = kTariffs[i];
            if (t.op != op) continue;
            const TariffResult& f = result.fields[i];
            out += "  ";
            out += t.name;
            pad(out, nameWidth - displayWidth(t.name) + 2 + priceWidth - displayWidth(f.text));
            out += f.text;
            out += " Kč";
            const std::vector<std::string_view> lines = hintLines(f.hint);
            if (f.cheapest) out += "  ◄ nejlevnější";
            if (f.unsupported) {
                std::string reasons;
                for (std::string_view l : lines)
                    if (isUnsupportedLine(l)) (reasons.empty() ? reasons : reasons += ", ") += l;
                out += "  ✗ ";
                // Only the internet-call choice marks a field without a hint line.
                out += reasons.empty() ? "nepodporuje volání přes internet" : reasons;
            }
            out += '\n';
            if (!hints) continue;
            for (std::string_view l : lines) {
                if (f.unsupported && isUnsupportedLine(l)) continue;  // already on the price line
                pad(out, 6);
                out += l;
                out += '\n';
            }
        }
    }
}

}  // namespace sazbar::cli
