#include "cli/import_cmd.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

#include "cli/app.h"
#include "cli/messages.h"
#include "cli/report.h"
#include "core/profile_json.h"
#include "import/readers.h"
#include "pricing/engine.h"

namespace sazbar::cli {

namespace {

using namespace sazbar::import;

constexpr std::string_view kProgram = "sazbar-cli";
constexpr std::size_t kMaxRulesFile = std::size_t{1} << 20;

constexpr std::string_view kImportUsage =
    "Usage: sazbar-cli --import FILE [--import FILE ...] [OPTIONS]\n"
    "\n"
    "Reads a call log into one month of use: an itemised bill in CSV or an\n"
    "Android backup of calls (<calls>) or messages (<smses>). Prints the usage\n"
    "profile as JSON (the input of sazbar-cli) and, on standard error, what was\n"
    "counted and what was not. Phone numbers are never written anywhere.\n"
    "\n"
    "  --import FILE      a log to read (\"-\" reads standard input); give several\n"
    "                     to add them up, as the call and message backups\n"
    "  --month YYYY-MM    only this calendar month of the log, as it is\n"
    "                     (otherwise the whole log, scaled to 30 days)\n"
    "  --by-month         one profile per calendar month, as JSON Lines for --batch\n"
    "  --per-second       sum the seconds of each box (default: each call rounded\n"
    "                     up to started minutes)\n"
    "  --rules FILE       classification rules instead of the built-in ones\n"
    "  --print-rules      print the built-in rules, to edit a copy\n"
    "  --price            price the profile at once (with --format, --hints,\n"
    "                     --direct-debit, --fixed-line)\n"
    "\n"
    "Exit status: 0 done, 2 a file is not a call log, lines were refused, or bad usage.\n";

struct ImportOptionsCli {
    std::vector<std::string> files;
    std::optional<YearMonth> month;
    bool byMonth = false, perSecond = false, price = false, hints = false, printRules = false;
    bool directDebit = false, fixedLine = false;
    std::optional<std::string> rules;
    Format format = Format::Table;
};

std::string displayName(std::string_view path) { return path == "-" ? "<stdin>" : echoed(path, true); }

// Empty, or what is wrong with the value of --month.
std::string parseMonth(std::string_view s, YearMonth& m) {
    if (s.size() != 7 || s[4] != '-') return "--month needs a month as YYYY-MM";
    for (std::size_t i : {0u, 1u, 2u, 3u, 5u, 6u})
        if (s[i] < '0' || s[i] > '9') return "--month needs a month as YYYY-MM";
    m.year = std::stoi(std::string(s.substr(0, 4)));
    m.month = std::stoi(std::string(s.substr(5, 2)));
    if (m.month < 1 || m.month > 12) return "--month: the month must be from 01 to 12";
    if (m.year < kFirstLogYear || m.year > kLastLogYear)
        return "--month: the year must be from " + std::to_string(kFirstLogYear) + " to " + std::to_string(kLastLogYear);
    return {};
}

std::string monthText(const YearMonth& m) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d", m.year, m.month);
    return buf;
}

// The months as runs ("2026-01 to 2026-04, 2026-07"), no more than a few
// of them: a log over thousands of months still gives a short line.
std::string monthRuns(const std::vector<YearMonth>& months) {
    constexpr std::size_t kShownRuns = 6;
    std::vector<std::pair<YearMonth, YearMonth>> runs;
    for (const YearMonth& m : months) {
        if (!runs.empty() && runs.back().second.key() + 1 == m.key()) runs.back().second = m;
        else runs.push_back({m, m});
    }
    std::string s;
    const auto add = [&](const std::pair<YearMonth, YearMonth>& run) {
        if (!s.empty()) s += ", ";
        s += monthText(run.first);
        const int more = run.second.key() - run.first.key();
        if (more > 0) s += (more == 1 ? ", " : " to ") + monthText(run.second);
    };
    if (runs.size() <= kShownRuns) {
        for (const auto& run : runs) add(run);
        return s;
    }
    for (std::size_t i = 0; i + 1 < kShownRuns; ++i) add(runs[i]);
    s += ", …";
    add(runs.back());
    return s + " (" + std::to_string(months.size()) + " months)";
}

std::string dayText(std::int64_t days) {
    int y, m, d;
    civilFromDays(days, y, m, d);
    return std::to_string(d) + ". " + std::to_string(m) + ". " + std::to_string(y);
}

std::string parseImportArgs(const std::vector<std::string>& args, ImportOptionsCli& o) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        std::optional<std::string> inlineValue;
        if (arg.starts_with("--")) {
            if (const auto eq = arg.find('='); eq != std::string::npos) {
                inlineValue = arg.substr(eq + 1);
                arg.resize(eq);
            }
        }
        auto value = [&](std::string& v) {
            if (inlineValue) v = *inlineValue;
            else if (i + 1 < args.size()) v = args[++i];
            else return false;
            return true;
        };
        const bool flag = !inlineValue;
        std::string v;
        if (arg == "--import") {
            if (!value(v)) return "--import needs a file";
            o.files.push_back(v);
        } else if (arg == "--month") {
            YearMonth m;
            if (!value(v)) return "--month needs a month as YYYY-MM";
            if (std::string problem = parseMonth(v, m); !problem.empty()) return problem;
            o.month = m;
        } else if (arg == "--rules") {
            if (!value(v)) return "--rules needs a file";
            o.rules = v;
        } else if (arg == "--format") {
            if (!value(v)) return "--format needs a value: table, json or csv";
            if (v == "table") o.format = Format::Table;
            else if (v == "json") o.format = Format::Json;
            else if (v == "csv") o.format = Format::Csv;
            else return "unknown format '" + echoed(v) + "': use table, json or csv";
        } else if (arg == "--by-month" && flag) {
            o.byMonth = true;
        } else if (arg == "--per-second" && flag) {
            o.perSecond = true;
        } else if (arg == "--price" && flag) {
            o.price = true;
        } else if (arg == "--hints" && flag) {
            o.hints = true;
        } else if (arg == "--direct-debit" && flag) {
            o.directDebit = true;
        } else if (arg == "--fixed-line" && flag) {
            o.fixedLine = true;
        } else if (arg == "--print-rules" && flag) {
            o.printRules = true;
        } else {
            return "unknown option for --import: '" + echoed(args[i]) + "'";
        }
    }
    if (o.byMonth && o.month) return "give --month or --by-month, not both";
    if (o.byMonth && o.price) return "--by-month writes profiles; price them with sazbar-cli --batch";
    return {};
}

int fail(std::ostream& err, const std::string& name, const std::string& message) {
    err << kProgram << ": " << visible(name + ": " + message) << '\n';
    return kExitBadInput;
}

// What was counted; `months` (of the whole log) are listed when there are several.
void writeSummary(std::ostream& err, const Summary& s, const std::vector<YearMonth>& months = {}) {
    std::ostringstream o;
    if (s.events == 0) {
        o << "Nothing was found in the log.\n";
        err << o.str();
        return;
    }
    o << "Period: " << dayText(s.firstDay) << " to " << dayText(s.lastDay);
    if (s.month) o << " (month " << monthText(*s.month) << ", " << s.days << " days, as it is)\n";
    else if (s.scaled) o << ", " << s.days << " days, scaled to 30 days\n";
    else o << ", 30 days\n";
    o << "Events read: " << s.events << ", outgoing and chargeable: " << s.counted << '\n';
    for (int k = 0; k < kSkipKinds; ++k)
        if (s.skipped[k]) o << "Skipped: " << s.skipped[k] << ' ' << skipName(static_cast<Skip>(k)) << '\n';
    for (int k = 0; k < kNoBoxKinds; ++k)
        if (s.noBox[k])
            o << "Counted, but no box for it: " << s.noBox[k] << ' ' << noBoxName(static_cast<NoBox>(k)) << '\n';
    for (const Unclassified& u : s.unclassified)
        o << "Unclassified (nezařazeno): " << u.count << " events, " << u.minutes
          << " min: " << unfitName(u.unfit, u.detail) << '\n';
    for (const CountryMinutes& c : s.countriesLeftOut)
        o << "Left out, only four international rows: " << kCountryNames[static_cast<std::size_t>(c.country)] << ", "
          << c.minutes << " min\n";
    if (s.clamped) o << "Cut to the largest box value: " << s.clamped << " boxes\n";
    if (s.stray)
        o << "Warning: " << s.stray->events << (s.stray->events == 1 ? " event (" : " events (")
          << dayText(s.stray->firstDay)
          << (s.stray->lastDay == s.stray->firstDay ? std::string() : " to " + dayText(s.stray->lastDay))
          << (s.stray->events == 1 ? ") lies " : ") lie ") << s.stray->gapDays
          << " days from the others: a mistyped year?\n";
    if (s.refused) o << "Refused: " << s.refused << " lines or elements\n";
    if (months.size() > 1 && !s.month)
        o << "Months in the log: " << monthRuns(months) << " (one alone with --month, each with --by-month)\n";
    err << o.str();
}

}  // namespace

bool isImportCommand(const std::vector<std::string>& args) {
    for (const std::string& a : args) {
        if (a == "--") return false;
        if (a == "--import" || a.starts_with("--import=") || a == "--print-rules") return true;
    }
    return false;
}

int runImport(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") return writeOut(out, err, kImportUsage);
    ImportOptionsCli o;
    if (const std::string problem = parseImportArgs(args, o); !problem.empty()) {
        err << kProgram << ": " << problem << " (try 'sazbar-cli --import --help')\n";
        return kExitUsage;
    }
    if (o.printRules) return writeOut(out, err, defaultRulesText(), o.files.empty() ? kExitOk : kExitUsage);

    Rules rules = defaultRules();
    if (o.rules) {
        const std::string name = displayName(*o.rules);
        std::error_code ec;
        if (std::filesystem::is_directory(*o.rules, ec)) return fail(err, name, "cannot read: is a directory");
        std::ifstream f(*o.rules, std::ios::binary);
        if (!f) return fail(err, name, std::string("cannot open: ") + std::strerror(errno));
        std::string text;
        char buf[65536];
        while (f.read(buf, sizeof buf) || f.gcount() > 0) {
            text.append(buf, static_cast<std::size_t>(f.gcount()));
            if (text.size() > kMaxRulesFile) return fail(err, name, "file too large for rules");
        }
        std::string error;
        if (!parseRules(text, rules, error)) return fail(err, name, error);
    }

    // Only what will be written is counted: the months apart for --by-month,
    // otherwise the one month or the whole log in a fixed amount of memory.
    const ImportScope scope = o.byMonth ? ImportScope{}
                              : o.month ? ImportScope::oneMonth(*o.month)
                                        : ImportScope::wholeLog();
    Importer importer(rules, scope);
    std::size_t shown = 0;
    for (const std::string& path : o.files) {
        const std::string name = displayName(path);
        ReadOutcome outcome;
        if (path == "-") {
            outcome = readLog(in, importer);
        } else {
            std::error_code ec;
            if (std::filesystem::is_directory(path, ec)) return fail(err, name, "cannot read: is a directory");
            std::ifstream f(path, std::ios::binary);
            if (!f) return fail(err, name, std::string("cannot open: ") + std::strerror(errno));
            outcome = readLog(f, importer);
            if (f.bad()) return fail(err, name, "cannot read");
        }
        if (!outcome.ok) return fail(err, name, outcome.refusal);
        for (; shown < importer.issues().size(); ++shown) {
            const Issue& issue = importer.issues()[shown];
            err << kProgram << ": " << name << ": line " << issue.line << ": " << issue.message << '\n';
        }
    }
    if (importer.refused() > static_cast<std::int64_t>(shown))
        err << kProgram << ": " << importer.refused() - static_cast<std::int64_t>(shown)
            << " more lines or elements refused\n";

    const int status = importer.refused() ? kExitBadInput : kExitOk;
    const std::vector<YearMonth> months = importer.months();
    std::string text;
    if (o.byMonth) {
        // Each month is written as soon as it is counted.
        for (const YearMonth& m : months) {
            const ImportResult r = importer.result({.perSecond = o.perSecond, .month = m});
            err << "== " << monthText(m) << " ==\n";
            writeSummary(err, r.summary);
            text.clear();
            appendProfileJson(text, {r.profile, false, false, {}}, ProfileLayout::Line);
            text += '\n';
            errno = 0;
            out.write(text.data(), static_cast<std::streamsize>(text.size()));
            if (!out) break;
        }
        return checkOut(out, err, status);
    }
    if (o.month && std::find(months.begin(), months.end(), *o.month) == months.end())
        return fail(err, o.files.empty() ? "--month" : displayName(o.files.front()),
                    "the log has no events in " + monthText(*o.month) +
                        (months.empty() ? std::string() : " (months: " + monthRuns(months) + ")"));
    const ImportResult r = importer.result({.perSecond = o.perSecond, .month = o.month});
    writeSummary(err, r.summary, months);
    if (o.price) {
        RunResult result;
        runPricing(r.profile, {o.directDebit, o.fixedLine}, result);
        switch (o.format) {
            case Format::Table: appendTable(text, result, o.fixedLine, o.hints); break;
            case Format::Json:
                appendJson(text, result, o.fixedLine);
                text += '\n';
                break;
            case Format::Csv: appendCsv(text, result, o.fixedLine); break;
        }
    } else {
        appendProfileJson(text, {r.profile, false, false, {}}, ProfileLayout::Line);
        text += '\n';
    }
    return writeOut(out, err, text, status);
}

}  // namespace sazbar::cli
