#include "cli/breakdown_report.h"

#include <algorithm>
#include <charconv>

#include "cli/report.h"

namespace sazbar::cli {

namespace {

void padTo(std::string& out, std::string_view text, std::size_t w, bool right) {
    const std::size_t n = displayWidth(text);
    if (right && n < w) out.append(w - n, ' ');
    out += text;
    if (!right && n < w) out.append(w - n, ' ');
}

void appendInt(std::string& out, std::int64_t v) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(std::string_view(buf, static_cast<std::size_t>(r.ptr - buf)));
}

std::string quantityText(const BreakdownItem& it) {
    if (it.unit.empty()) return {};
    std::string s;
    appendInt(s, it.quantity);
    s += ' ';
    s += it.unit;
    if (it.hasRate) s += " × " + formatRate(it.rate, '.');
    return s;
}

// Who a breakdown belongs to: a compiled tariff or a data tariff.
struct Head {
    std::string_view id, op, name;
};

Head headOf(int tariff, const DataTariffs* data) {
    if (tariff >= kTariffCount) {
        const catalogue::DataTariff& t = data->tariffs[static_cast<std::size_t>(tariff - kTariffCount)];
        return {t.id, t.operatorName, t.name};
    }
    const TariffInfo& t = kTariffs[static_cast<std::size_t>(tariff)];
    return {t.id, operatorName(t.op), t.name};
}

void appendTableOne(std::string& out, const Breakdown& b, const Head& h) {
    out += h.name;
    out += " (";
    out += h.op;
    out += "): ";
    appendInt(out, b.shown);
    out += " Kč\n";
    if (b.status != BreakdownStatus::Itemised) {
        out += "  " + breakdownStatusText(b) + "\n";
    } else {
        std::size_t lw = displayWidth("Celkem"), qw = 0, aw = displayWidth(formatCents(b.total));
        for (const BreakdownItem& it : b.items) {
            lw = std::max(lw, displayWidth(it.label));
            qw = std::max(qw, displayWidth(quantityText(it)));
            aw = std::max(aw, displayWidth(formatCents(it.amount)));
        }
        const auto row = [&](std::string_view label, std::string_view qty, std::string_view amount) {
            out += "  ";
            padTo(out, label, lw, false);
            out += "  ";
            padTo(out, qty, qw, false);
            out += "  ";
            padTo(out, amount, aw, true);
            out += '\n';
        };
        for (const BreakdownItem& it : b.items) row(it.label, quantityText(it), formatCents(it.amount));
        row("Celkem", "", formatCents(b.total));
    }
    for (const BreakdownChoice& c : b.choices) {
        out += "  Volba: " + c.title + "\n";
        std::size_t ow = 0, aw = 0;
        for (const ChoiceOption& o : c.options) {
            ow = std::max(ow, displayWidth(o.label));
            aw = std::max(aw, displayWidth(formatCents(o.amount)));
        }
        for (const ChoiceOption& o : c.options) {
            out += o.taken ? "    ► " : "      ";
            padTo(out, o.label, ow, false);
            out += "  ";
            padTo(out, formatCents(o.amount), aw, true);
            out += '\n';
        }
    }
}

void appendJsonOne(std::string& out, const Breakdown& b, const Head& h) {
    appendJsonTariffHead(out, h.id, h.op, h.name);
    out += ", \"price\": ";
    appendInt(out, b.shown);
    out += ", \"status\": ";
    appendJsonString(out, breakdownStatusId(b.status));
    out += ", \"total\": ";
    appendJsonString(out, formatExact(b.total));
    if (b.status != BreakdownStatus::Itemised) {
        out += ", \"message\": ";
        appendJsonString(out, breakdownStatusText(b));
    }
    out += ", \"items\": [";
    for (std::size_t i = 0; i < b.items.size(); ++i) {
        const BreakdownItem& it = b.items[i];
        if (i) out += ", ";
        out += "{\"kind\": ";
        appendJsonString(out, itemKindId(it.kind));
        out += ", \"label\": ";
        appendJsonString(out, it.label);
        out += ", \"quantity\": ";
        if (it.unit.empty()) {
            out += "null, \"unit\": null";
        } else {
            appendInt(out, it.quantity);
            out += ", \"unit\": ";
            appendJsonString(out, it.unit);
        }
        out += ", \"rate\": ";
        if (it.hasRate) {
            appendJsonString(out, formatExact(Money::milli(it.rate)));
        } else {
            out += "null";
        }
        out += ", \"amount\": ";
        appendJsonString(out, formatExact(it.amount));
        out += '}';
    }
    out += "], \"choices\": [";
    for (std::size_t i = 0; i < b.choices.size(); ++i) {
        const BreakdownChoice& c = b.choices[i];
        if (i) out += ", ";
        out += "{\"title\": ";
        appendJsonString(out, c.title);
        out += ", \"options\": [";
        for (std::size_t j = 0; j < c.options.size(); ++j) {
            const ChoiceOption& o = c.options[j];
            if (j) out += ", ";
            out += "{\"label\": ";
            appendJsonString(out, o.label);
            out += ", \"amount\": ";
            appendJsonString(out, formatExact(o.amount));
            out += o.taken ? ", \"taken\": true}" : ", \"taken\": false}";
        }
        out += "]}";
    }
    out += "]}";
}

void appendCsvOne(std::string& out, const Breakdown& b, const Head& h) {
    const std::string_view id = h.id;
    const auto row = [&](std::string_view kind, std::string_view label, const std::string& qty, std::string_view unit,
                         const std::string& rate, const std::string& amount) {
        appendCsvField(out, id);
        out += ',';
        appendCsvField(out, kind);
        out += ',';
        appendCsvField(out, label);
        out += ',';
        out += qty;
        out += ',';
        appendCsvField(out, unit);
        out += ',';
        out += rate;
        out += ',';
        appendCsvField(out, amount);
        out += "\r\n";
    };
    for (const BreakdownItem& it : b.items) {
        std::string qty;
        if (!it.unit.empty()) appendInt(qty, it.quantity);
        row(itemKindId(it.kind), it.label, qty, it.unit, it.hasRate ? formatExact(Money::milli(it.rate)) : "",
            formatExact(it.amount));
    }
    if (b.status != BreakdownStatus::Itemised) row(breakdownStatusId(b.status), breakdownStatusText(b), "", "", "", "");
    row("total", "Celkem", "", "", "", formatExact(b.total));
}

}  // namespace

bool parseBreakdownList(std::string_view list, std::vector<int>& tariffs, std::string& bad, const DataTariffs* data) {
    tariffs.clear();
    const bool builtin = !data || data->builtin;
    const int dataCount = data ? static_cast<int>(data->tariffs.size()) : 0;
    if (list == "all") {
        for (int i = 0; builtin && i < kTariffCount; ++i) tariffs.push_back(i);
        for (int i = 0; i < dataCount; ++i) tariffs.push_back(kTariffCount + i);
        return true;
    }
    for (;;) {
        const auto comma = list.find(',');
        const std::string_view id = list.substr(0, comma);
        int i = builtin ? tariffIndex(id) : -1;
        for (int d = 0; i < 0 && d < dataCount; ++d)
            if (data->tariffs[static_cast<std::size_t>(d)].id == id) i = kTariffCount + d;
        if (i < 0) {
            bad = std::string(id);
            return false;
        }
        if (std::find(tariffs.begin(), tariffs.end(), i) == tariffs.end()) tariffs.push_back(i);
        if (comma == std::string_view::npos) return true;
        list.remove_prefix(comma + 1);
    }
}

void appendBreakdowns(std::string& out, const Profile& profile, const RunOptions& options,
                      const std::vector<int>& tariffs, Format format, const DataTariffs* data) {
    Breakdown b;
    if (format == Format::Json) out += "{\"breakdowns\": [";
    if (format == Format::Csv) out += "id,kind,label,quantity,unit,rate,amount\r\n";
    for (std::size_t i = 0; i < tariffs.size(); ++i) {
        const int t = tariffs[i];
        if (t >= kTariffCount)
            catalogue::itemiseDataTariff(data->tariffs[static_cast<std::size_t>(t - kTariffCount)], profile, options, b);
        else
            priceBreakdown(profile, options, t, b);
        const Head h = headOf(t, data);
        switch (format) {
            case Format::Table:
                if (i) out += '\n';
                appendTableOne(out, b, h);
                break;
            case Format::Json:
                if (i) out += ", ";
                appendJsonOne(out, b, h);
                break;
            case Format::Csv: appendCsvOne(out, b, h); break;
        }
    }
    if (format == Format::Json) out += "]}\n";
}

}  // namespace sazbar::cli
