#include "cli/app.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>

#include "catalogue/reader.h"
#include "cli/breakdown_report.h"
#include "cli/data_tariffs.h"
#include "cli/import_cmd.h"
#include "cli/messages.h"
#include "cli/report.h"
#include "cli/sweep_cmd.h"
#include "cli/tariffs_cmd.h"
#include "core/boxes.h"
#include "core/profile_json.h"
#include "core/saved_inputs.h"
#include "pricing/engine.h"

#ifndef SAZBAR_VERSION
#define SAZBAR_VERSION "6.61"
#endif

namespace sazbar::cli {

namespace {

constexpr std::string_view kProgram = "sazbar-cli";

constexpr std::string_view kUsage =
    "Usage: sazbar-cli [OPTIONS] PROFILE.json\n"
    "       sazbar-cli [OPTIONS] --dat sazbar.dat [--countries A,B,C,D] [--internet-calls]\n"
    "       sazbar-cli [OPTIONS] --batch [FILE|-] [--jobs N] [--columns A,B,...]\n"
    "       sazbar-cli --import FILE [...]   (a call log to a profile; see --import --help)\n"
    "       sazbar-cli --check-tariffs FILE.json...   (tariff files; see --check-tariffs --help)\n"
    "       sazbar-cli --print-tariffs builtin   (the compiled tariffs as a tariff file)\n"
    "\n"
    "Prices one month of mobile-phone use under every Czech tariff.\n"
    "\n"
    "  PROFILE.json          a usage profile in JSON, at most 1 MiB (\"-\" reads standard input)\n"
    "  --dat FILE|-          the saved inputs file of the window program (46 lines)\n"
    "  --countries A,B,C,D   countries (0-35) of the four international rows for --dat\n"
    "  --internet-calls      international calls over the internet\n"
    "  --batch [FILE|-]      JSON Lines in (lines of at most 1 MiB), one result a line out\n"
    "  --jobs N              threads pricing a batch (default: the number of cores)\n"
    "  --columns A,B,...     fields of each batch line: line, total_call_minutes, cheapest,\n"
    "                        cheapest_price, prices, error and tariff ids (default: all\n"
    "                        in CSV, the full result in JSON)\n"
    "  --direct-debit        pay by direct debit (\"Platba inkasem\")\n"
    "  --fixed-line          price the fixed line too (\"Vypočítat Český Telecom\")\n"
    "  --format FORMAT       table (default), json or csv; json (default) or csv with --batch\n"
    "  --hints               show every tariff's hints in the table\n"
    "  --tariffs PATH        also price the tariffs of a tariff file, or of every *.json\n"
    "                        in a folder (repeatable; see docs/tariff-format.md)\n"
    "  --no-builtin          price the tariffs of --tariffs alone\n"
    "  --on YYYY-MM-DD       price the revisions of --tariffs valid that day (default: today)\n"
    "  --breakdown ID,...|all  the items of the named tariffs' prices instead of the\n"
    "                        results (table, json or csv; amounts exact in json and csv)\n"
    "  --sweep GROUP         price the profile scaled from 0 to 300 % (calls, messages,\n"
    "                        data or all) and show where the cheapest tariff changes\n"
    "  --to PERCENT          largest factor of --sweep (default 300, at most 10000)\n"
    "  --step PERCENT        step of --sweep (default 1)\n"
    "  --help                show this help\n"
    "  --version             show the version\n"
    "\n"
    "Exit status: 0 done, 2 bad input, unreadable file, failed write or bad usage.\n";

std::string displayName(std::string_view path) { return path == "-" ? "<stdin>" : echoed(path, true); }

// Opens a file for reading, or gives the reason why not.
std::unique_ptr<std::ifstream> openInput(const std::string& path, std::string& reason) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        reason = "cannot read: is a directory";
        return nullptr;
    }
    auto f = std::make_unique<std::ifstream>(path, std::ios::binary);
    if (!*f) {
        reason = std::string("cannot open: ") + std::strerror(errno);
        return nullptr;
    }
    return f;
}

// Reads a whole stream, up to `limit` bytes.
bool readAll(std::istream& in, std::string& text, std::size_t limit, std::string& reason) {
    std::array<char, 65536> buf;
    text.clear();
    while (in) {
        in.read(buf.data(), buf.size());
        const auto got = static_cast<std::size_t>(in.gcount());
        if (text.size() + got > limit) {
            reason = "file too large for a profile";
            return false;
        }
        text.append(buf.data(), got);
    }
    if (in.bad()) {
        reason = "cannot read";
        return false;
    }
    return true;
}

struct Options {
    Format format = Format::Table;
    bool formatGiven = false;
    bool hints = false;
    RunFlags flags;
    std::optional<std::string> profile, dat, batch;
    std::optional<std::array<int, kIntlRows>> countries;
    std::optional<unsigned> jobs;
    std::optional<std::string> columnList, breakdownList;  // read once the data tariffs are known
    std::optional<std::vector<int>> columns;
    std::optional<std::vector<int>> breakdown;
    SweepArgs sweep;
    std::vector<std::string> tariffs;  // --tariffs, in order
    bool noBuiltin = false;
    std::optional<catalogue::Day> on;
    DataTariffs data;  // loaded once from `tariffs`
};

bool parseCountries(std::string_view text, std::array<int, kIntlRows>& out) {
    for (int i = 0; i < kIntlRows; ++i) {
        const auto comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        if ((comma == std::string_view::npos) != (i == kIntlRows - 1)) return false;
        int v = -1;
        const auto r = std::from_chars(item.data(), item.data() + item.size(), v);
        if (r.ec != std::errc() || r.ptr != item.data() + item.size() || v < 0 || v >= kCountries) return false;
        out[static_cast<std::size_t>(i)] = v;
        text.remove_prefix(comma == std::string_view::npos ? text.size() : comma + 1);
    }
    return true;
}

// Parses the arguments; an empty result means go on, otherwise the text to
// report as a usage error.
std::string readTariffLists(Options& o, const DataTariffs* data);

std::string parseArgs(const std::vector<std::string>& args, Options& o) {
    bool positionalOnly = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        std::optional<std::string> inlineValue;
        if (!positionalOnly && arg.starts_with("--")) {
            const auto eq = arg.find('=');
            if (eq != std::string::npos) {
                inlineValue = arg.substr(eq + 1);
                arg.resize(eq);
            }
        }
        auto value = [&](std::string& out) -> bool {
            if (inlineValue) {
                out = *inlineValue;
                return true;
            }
            if (i + 1 >= args.size()) return false;
            out = args[++i];
            return true;
        };
        auto noValue = [&]() { return !inlineValue; };
        if (positionalOnly || arg == "-" || !arg.starts_with("-")) {
            if (o.profile) return "more than one profile file given";
            o.profile = arg;
        } else if (arg == "--") {
            positionalOnly = true;
        } else if (arg == "--format") {
            std::string f;
            if (!value(f)) return "--format needs a value: table, json or csv";
            if (f == "table") o.format = Format::Table;
            else if (f == "json") o.format = Format::Json;
            else if (f == "csv") o.format = Format::Csv;
            else return "unknown format '" + echoed(f) + "': use table, json or csv";
            o.formatGiven = true;
        } else if (arg == "--dat") {
            std::string f;
            if (!value(f)) return "--dat needs a file";
            o.dat = f;
        } else if (arg == "--countries") {
            std::string c;
            std::array<int, kIntlRows> countries{};
            if (!value(c) || !parseCountries(c, countries))
                return "--countries needs four country indexes from 0 to 35, as in 0,1,2,3";
            o.countries = countries;
        } else if (arg == "--batch") {
            if (inlineValue) {
                o.batch = *inlineValue;
            } else if (i + 1 < args.size() && (args[i + 1] == "-" || !args[i + 1].starts_with("-"))) {
                o.batch = args[++i];
            } else {
                o.batch = "-";
            }
        } else if (arg == "--jobs") {
            std::string n;
            unsigned v = 0;
            if (!value(n)) return "--jobs needs a number of threads";
            const auto r = std::from_chars(n.data(), n.data() + n.size(), v);
            if (r.ec != std::errc() || r.ptr != n.data() + n.size() || v < 1 || v > 1024)
                return "--jobs needs a number of threads from 1 to 1024";
            o.jobs = v;
        } else if (arg == "--columns") {
            std::string list;
            if (!value(list)) return "--columns needs a list of columns";
            o.columnList = std::move(list);
        } else if (arg == "--breakdown") {
            std::string list;
            if (!value(list)) return "--breakdown needs tariff ids or all";
            o.breakdownList = std::move(list);
        } else if (arg == "--tariffs") {
            std::string path;
            if (!value(path) || path.empty()) return "--tariffs needs a tariff file or folder";
            o.tariffs.push_back(path);
        } else if (arg == "--on") {
            std::string d;
            catalogue::Day day = 0;
            if (!value(d) || !catalogue::parseDate(d, day)) return "--on needs a date YYYY-MM-DD";
            o.on = day;
        } else if (arg == "--no-builtin" && noValue()) {
            o.noBuiltin = true;
        } else if (arg == "--hints" && noValue()) {
            o.hints = true;
        } else if (arg == "--direct-debit" && noValue()) {
            o.flags.directDebit = true;
        } else if (arg == "--fixed-line" && noValue()) {
            o.flags.fixedLine = true;
        } else if (arg == "--internet-calls" && noValue()) {
            o.flags.internetCalls = true;
        } else if (std::string problem; parseSweepOption(arg, value, o.sweep, problem)) {
            if (!problem.empty()) return problem;
        } else {
            return "unknown option '" + echoed(args[i]) + "'";
        }
    }
    const int inputs = (o.profile ? 1 : 0) + (o.dat ? 1 : 0) + (o.batch ? 1 : 0);
    if (inputs == 0) return "no input given";
    if (inputs > 1) return "give one of PROFILE.json, --dat or --batch";
    if (o.countries && !o.dat) return "--countries applies to --dat only";
    if (o.batch && o.format == Format::Table) {
        if (o.formatGiven) return "--batch writes JSON or CSV";
        o.format = Format::Json;
    }
    if (o.jobs && !o.batch) return "--jobs applies to --batch only";
    if (o.columnList && !o.batch) return "--columns applies to --batch only";
    if (o.breakdownList && o.batch) return "--breakdown applies to one profile, not to --batch";
    if (o.breakdownList && o.sweep.group) return "give one of --breakdown and --sweep";
    if (o.tariffs.empty() && (o.noBuiltin || o.on)) return "--no-builtin and --on apply to --tariffs only";
    if (const std::string problem = checkSweepArgs(o.sweep, o.batch.has_value()); !problem.empty()) return problem;
    // Tariff ids name data tariffs too, once they are loaded.
    return o.tariffs.empty() ? readTariffLists(o, nullptr) : std::string();
}

// Reads --columns and --breakdown against the tariffs priced.
std::string readTariffLists(Options& o, const DataTariffs* data) {
    std::string bad;
    if (o.columnList) {
        o.columns.emplace();
        if (!parseBatchColumns(*o.columnList, *o.columns, bad, data))
            return "unknown column '" + echoed(bad) +
                   "': use line, total_call_minutes, cheapest, cheapest_price, prices, error or a tariff id";
    }
    if (o.breakdownList) {
        o.breakdown.emplace();
        if (!parseBreakdownList(*o.breakdownList, *o.breakdown, bad, data))
            return "unknown tariff '" + echoed(bad) + "' in --breakdown";
    }
    return {};
}

int report(std::ostream& err, const std::string& name, const std::string& message) {
    err << kProgram << ": " << visible(name + ": " + message) << '\n';
    return kExitBadInput;
}

void warn(std::ostream& err, const std::string& name, const std::string& message) {
    err << kProgram << ": " << visible(name + ": warning: " + message) << '\n';
}

// The reason a write failed, from the errno it left.
int reportWrite(std::ostream& err, int error) {
    return report(err, "<stdout>", error > 0 ? std::string("cannot write: ") + std::strerror(error) : "cannot write");
}

}  // namespace

int checkOut(std::ostream& out, std::ostream& err, int status) {
    if (out) {
        errno = 0;
        out.flush();
    }
    return out ? status : reportWrite(err, errno ? errno : -1);
}

int writeOut(std::ostream& out, std::ostream& err, std::string_view text, int status) {
    errno = 0;
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return checkOut(out, err, status);
}

namespace {

int priceAndPrint(const Profile& profile, const RunFlags& flags, const Options& o, std::ostream& out,
                  std::ostream& err) {
    if (o.sweep.group) {
        errno = 0;
        const int status = printSweep(profile, {flags.directDebit, flags.fixedLine}, o.format, o.sweep, out,
                                      o.tariffs.empty() ? nullptr : &o.data);
        return checkOut(out, err, status);
    }
    RunResult result;
    std::string text;
    if (o.breakdown) {
        appendBreakdowns(text, profile, {flags.directDebit, flags.fixedLine}, *o.breakdown, o.format,
                         o.tariffs.empty() ? nullptr : &o.data);
        return writeOut(out, err, text);
    }
    runPricing(profile, {flags.directDebit, flags.fixedLine}, result);
    DataPart data;
    const DataPart* withData = nullptr;
    if (!o.tariffs.empty()) {
        priceDataTariffs(o.data, profile, {flags.directDebit, flags.fixedLine}, result, data);
        withData = &data;
    }
    switch (o.format) {
        case Format::Table: appendTable(text, result, flags.fixedLine, o.hints, withData); break;
        case Format::Json:
            appendJson(text, result, flags.fixedLine, withData);
            text += '\n';
            break;
        case Format::Csv: appendCsv(text, result, flags.fixedLine, withData); break;
    }
    return writeOut(out, err, text);
}

int runProfile(const Options& o, std::istream& stdinStream, std::ostream& out, std::ostream& err) {
    const std::string name = displayName(*o.profile);
    std::string reason, text;
    std::unique_ptr<std::ifstream> file;
    if (*o.profile != "-") {
        file = openInput(*o.profile, reason);
        if (!file) return report(err, name, reason);
    }
    if (!readAll(file ? *file : stdinStream, text, kMaxProfileFile, reason)) return report(err, name, reason);
    ProfileDocument input;
    ProfileError error;
    if (!readProfile(text, input, error))
        return report(err, name, isSyntaxFault(error.fault) ? error.message
                                                            : "line " + std::to_string(error.line) + ": " + error.message);
    RunFlags flags = o.flags;
    flags.directDebit |= input.directDebit;
    flags.fixedLine |= input.fixedLine;
    input.profile.internetCalls |= flags.internetCalls;
    return priceAndPrint(input.profile, flags, o, out, err);
}

// The window loads any file as well as it can; here a file that the window
// would not have written is refused or, when it is still read the same way,
// priced with a warning.
int runDat(const Options& o, std::istream& stdinStream, std::ostream& out, std::ostream& err) {
    const std::string name = displayName(*o.dat);
    std::string reason;
    std::unique_ptr<std::ifstream> file;
    if (*o.dat != "-") {
        file = openInput(*o.dat, reason);
        if (!file) return report(err, name, reason);
    }
    std::istream& in = file ? *file : stdinStream;
    SavedInputsReport seen;
    const BoxTexts read = readSavedInputs(in, &seen, kMaxSavedInputsFile);
    if (in.bad()) return report(err, name, "cannot read");
    if (seen.utf16) return report(err, name, "UTF-16 text: a saved inputs file is plain text (ASCII or UTF-8)");
    if (seen.controlLine)
        return report(err, name, "line " + std::to_string(seen.controlLine) + ": not a text file (control characters)");
    if (seen.tooLarge)
        return report(err, name, "larger than " + std::to_string(kMaxSavedInputsFile) +
                                     " bytes: a saved inputs file is 46 short lines");
    if (seen.lines > kBoxCount) warn(err, name, "more than 46 lines; the rest is ignored");
    else if (seen.lines < kBoxCount)
        warn(err, name, std::to_string(seen.lines) + (seen.lines == 1 ? " line" : " lines") +
                            " instead of 46; the missing boxes read as 0");
    if (seen.notNumbers)
        warn(err, name, "line " + std::to_string(seen.firstNotNumber) + ": \"" + shortened(seen.firstNotNumberText) +
                            "\" is not a number, read as " + read[static_cast<std::size_t>(seen.firstNotNumber - 1)] +
                            (seen.notNumbers > 1 ? " (and " + std::to_string(seen.notNumbers - 1) + " more lines)" : ""));
    // As the window loads it: a negative count reads as "0".
    const BoxTexts boxes = withoutNegativeCounts(read);
    const Profile profile =
        profileFromBoxes(boxes, o.countries.value_or(std::array<int, kIntlRows>{0, 1, 2, 3}), o.flags.internetCalls);
    return priceAndPrint(profile, o.flags, o, out, err);
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
    if (isImportCommand(args)) return runImport(args, in, out, err);
    if (isCheckTariffsCommand(args)) return runCheckTariffs(args, out, err);
    if (isPrintTariffsCommand(args)) return runPrintTariffs(args, out, err);
    for (const std::string& a : args) {
        if (a == "--") break;
        if (a == "--help" || a == "-h") return writeOut(out, err, kUsage);
        if (a == "--version") return writeOut(out, err, std::string(kProgram) + ' ' + SAZBAR_VERSION + '\n');
    }
    Options o;
    if (const std::string problem = parseArgs(args, o); !problem.empty()) {
        err << kProgram << ": " << problem << " (try 'sazbar-cli --help')\n";
        return kExitUsage;
    }
    if (!o.tariffs.empty()) {
        if (!loadDataTariffs(o.tariffs, !o.noBuiltin, o.on.value_or(today()), o.data, err)) return kExitBadInput;
        if (const std::string problem = readTariffLists(o, &o.data); !problem.empty()) {
            err << kProgram << ": " << problem << " (try 'sazbar-cli --help')\n";
            return kExitUsage;
        }
    }
    if (o.dat) return runDat(o, in, out, err);
    if (o.profile) return runProfile(o, in, out, err);

    const std::string name = displayName(*o.batch);
    std::unique_ptr<std::ifstream> file;
    if (*o.batch != "-") {
        std::string reason;
        file = openInput(*o.batch, reason);
        if (!file) return report(err, name, reason);
    }
    BatchOptions batch;
    batch.format = o.format;
    batch.jobs = o.jobs.value_or(availableCores());
    if (o.columns) batch.columns = *o.columns;
    if (!o.tariffs.empty()) batch.data = &o.data;
    const BatchSummary s = runBatch(file ? *file : in, out, err, name, o.flags, batch);
    if (s.writeError) return reportWrite(err, s.writeError);
    if (file && file->bad()) return report(err, name, "cannot read");
    return s.errors ? kExitBadInput : kExitOk;
}

}  // namespace sazbar::cli
