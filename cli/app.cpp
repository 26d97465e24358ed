#include "cli/app.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>

#include "cli/import_cmd.h"
#include "cli/profile_json.h"
#include "cli/report.h"
#include "core/boxes.h"
#include "core/saved_inputs.h"
#include "pricing/engine.h"

#ifndef SAZBAR_VERSION
#define SAZBAR_VERSION "6.61"
#endif

namespace sazbar::cli {

namespace {

constexpr std::string_view kProgram = "sazbar-cli";
// A profile file larger than this is not a profile.
// A profile is a few hundred bytes; anything past a mebibyte is refused
// before it is held, so a huge file costs no memory.
constexpr std::size_t kMaxProfileFile = std::size_t{1} << 20;

constexpr std::string_view kUsage =
    "Usage: sazbar-cli [OPTIONS] PROFILE.json\n"
    "       sazbar-cli [OPTIONS] --dat sazbar.dat [--countries A,B,C,D] [--internet-calls]\n"
    "       sazbar-cli [OPTIONS] --batch [FILE|-]\n"
    "       sazbar-cli --import FILE [...]   (a call log to a profile; see --import --help)\n"
    "\n"
    "Prices one month of mobile-phone use under every Czech tariff.\n"
    "\n"
    "  PROFILE.json          a usage profile in JSON (\"-\" reads standard input)\n"
    "  --dat FILE            the saved inputs file of the window program (46 lines)\n"
    "  --countries A,B,C,D   countries (0-35) of the four international rows for --dat\n"
    "  --internet-calls      international calls over the internet\n"
    "  --batch [FILE|-]      JSON Lines in, one JSON result a line out\n"
    "  --direct-debit        pay by direct debit (\"Platba inkasem\")\n"
    "  --fixed-line          price the fixed line too (\"Vypočítat Český Telecom\")\n"
    "  --format FORMAT       table (default), json or csv\n"
    "  --hints               show every tariff's hints in the table\n"
    "  --help                show this help\n"
    "  --version             show the version\n"
    "\n"
    "Exit status: 0 done, 2 bad input, unreadable file or bad usage.\n";

std::string displayName(std::string_view path) { return path == "-" ? "<stdin>" : std::string(path); }

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

// Gives lines of a stream one at a time, in bounded memory.
class LineReader {
public:
    explicit LineReader(std::istream& in)
        : in_(in), buf_(std::make_unique_for_overwrite<char[]>(kBufferSize)) {}

    // False at the end. `tooLong` is set for a line past kMaxBatchLine, whose
    // text is dropped.
    bool next(std::string_view& line, bool& tooLong) {
        tooLong = false;
        for (;;) {
            const char* nl = static_cast<const char*>(std::memchr(buf_.get() + begin_, '\n', end_ - begin_));
            if (nl) {
                const auto at = static_cast<std::size_t>(nl - buf_.get());
                line = std::string_view(buf_.get() + begin_, at - begin_);
                begin_ = at + 1;
                return finish(line, tooLong);
            }
            if (eof_) {
                if (begin_ == end_ && !discarding_) return false;
                line = std::string_view(buf_.get() + begin_, end_ - begin_);
                begin_ = end_;
                return finish(line, tooLong);
            }
            if (end_ - begin_ >= kMaxBatchLine) {
                discarding_ = true;
                begin_ = end_ = 0;
            } else if (begin_ > 0) {
                std::memmove(buf_.get(), buf_.get() + begin_, end_ - begin_);
                end_ -= begin_;
                begin_ = 0;
            }
            const auto got = in_.rdbuf() ? in_.rdbuf()->sgetn(buf_.get() + end_,
                                                              static_cast<std::streamsize>(kBufferSize - end_))
                                         : 0;
            if (got <= 0) eof_ = true;
            else end_ += static_cast<std::size_t>(got);
        }
    }

private:
    static constexpr std::size_t kBufferSize = kMaxBatchLine + 65536;

    bool finish(std::string_view& line, bool& tooLong) {
        if (discarding_ || line.size() > kMaxBatchLine) {
            discarding_ = false;
            tooLong = true;
            line = {};
        } else if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        return true;
    }

    std::istream& in_;
    std::unique_ptr<char[]> buf_;
    std::size_t begin_ = 0, end_ = 0;
    bool eof_ = false;
    bool discarding_ = false;
};

bool blank(std::string_view s) { return s.find_first_not_of(" \t\r\n") == std::string_view::npos; }

// A batch line is one line of text: the parser's "line 1, " says nothing.
std::string withoutLineOne(std::string message) {
    const std::string_view from = "at line 1, column ";
    const auto at = message.find(from);
    if (at != std::string::npos) message.replace(at, from.size(), "at column ");
    return message;
}

struct Options {
    Format format = Format::Table;
    bool formatGiven = false;
    bool hints = false;
    RunFlags flags;
    std::optional<std::string> profile, dat, batch;
    std::optional<std::array<int, kIntlRows>> countries;
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
            else return "unknown format '" + f + "': use table, json or csv";
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
        } else if (arg == "--hints" && noValue()) {
            o.hints = true;
        } else if (arg == "--direct-debit" && noValue()) {
            o.flags.directDebit = true;
        } else if (arg == "--fixed-line" && noValue()) {
            o.flags.fixedLine = true;
        } else if (arg == "--internet-calls" && noValue()) {
            o.flags.internetCalls = true;
        } else {
            return "unknown option '" + args[i] + "'";
        }
    }
    const int inputs = (o.profile ? 1 : 0) + (o.dat ? 1 : 0) + (o.batch ? 1 : 0);
    if (inputs == 0) return "no input given";
    if (inputs > 1) return "give one of PROFILE.json, --dat or --batch";
    if (o.countries && !o.dat) return "--countries applies to --dat only";
    if (o.batch && o.formatGiven && o.format != Format::Json) return "--batch writes JSON only";
    return {};
}

int report(std::ostream& err, const std::string& name, const std::string& message) {
    err << kProgram << ": " << name << ": " << message << '\n';
    return kExitBadInput;
}

int priceAndPrint(const Profile& profile, const RunFlags& flags, const Options& o, std::ostream& out) {
    RunResult result;
    runPricing(profile, {flags.directDebit, flags.fixedLine}, result);
    std::string text;
    switch (o.format) {
        case Format::Table: appendTable(text, result, flags.fixedLine, o.hints); break;
        case Format::Json:
            appendJson(text, result, flags.fixedLine);
            text += '\n';
            break;
        case Format::Csv: appendCsv(text, result); break;
    }
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    return out ? kExitOk : kExitBadInput;
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
    ProfileInput input;
    ProfileError error;
    if (!parseProfile(text, input, error))
        return report(err, name, error.line > 0 ? "line " + std::to_string(error.line) + ": " + error.message
                                                : error.message);
    RunFlags flags = o.flags;
    flags.directDebit |= input.directDebit;
    flags.fixedLine |= input.fixedLine;
    input.profile.internetCalls |= flags.internetCalls;
    return priceAndPrint(input.profile, flags, o, out);
}

int runDat(const Options& o, std::ostream& out, std::ostream& err) {
    const std::string name = displayName(*o.dat);
    std::string reason;
    auto file = openInput(*o.dat, reason);
    if (!file) return report(err, name, reason);
    const BoxTexts boxes = readSavedInputs(*file);
    if (file->bad()) return report(err, name, "cannot read");
    const Profile profile =
        profileFromBoxes(boxes, o.countries.value_or(std::array<int, kIntlRows>{0, 1, 2, 3}), o.flags.internetCalls);
    return priceAndPrint(profile, o.flags, o, out);
}

}  // namespace

BatchSummary runBatch(std::istream& in, std::ostream& out, std::ostream& err, std::string_view name,
                      const RunFlags& flags) {
    constexpr std::size_t kFlushAt = std::size_t{1} << 20;
    BatchSummary summary;
    LineReader reader(in);
    ProfileInput input;
    ProfileError error;
    RunResult result;
    std::string buffer;
    buffer.reserve(kFlushAt + 16384);
    std::string_view line;
    bool tooLong = false;
    while (reader.next(line, tooLong)) {
        ++summary.lines;
        std::string problem;
        if (tooLong) {
            problem = "longer than " + std::to_string(kMaxBatchLine) + " bytes";
        } else if (blank(line)) {
            problem = "empty line";
        } else if (!parseProfile(line, input, error)) {
            problem = withoutLineOne(std::move(error.message));
        }
        if (problem.empty()) {
            input.profile.internetCalls |= flags.internetCalls;
            const bool fixedLine = flags.fixedLine || input.fixedLine;
            runPricing(input.profile, {flags.directDebit || input.directDebit, fixedLine}, result);
            appendJson(buffer, result, fixedLine);
        } else {
            ++summary.errors;
            const std::string message = std::string(name) + ": line " + std::to_string(summary.lines) + ": " + problem;
            err << kProgram << ": " << message << '\n';
            appendJsonError(buffer, message);
        }
        buffer += '\n';
        if (buffer.size() >= kFlushAt) {
            out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
            buffer.clear();
        }
    }
    out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    out.flush();
    return summary;
}

int runCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
    if (isImportCommand(args)) return runImport(args, in, out, err);
    for (const std::string& a : args) {
        if (a == "--") break;
        if (a == "--help" || a == "-h") {
            out << kUsage;
            return kExitOk;
        }
        if (a == "--version") {
            out << kProgram << ' ' << SAZBAR_VERSION << '\n';
            return kExitOk;
        }
    }
    Options o;
    if (const std::string problem = parseArgs(args, o); !problem.empty()) {
        err << kProgram << ": " << problem << " (try 'sazbar-cli --help')\n";
        return kExitUsage;
    }
    if (o.dat) return runDat(o, out, err);
    if (o.profile) return runProfile(o, in, out, err);

    const std::string name = displayName(*o.batch);
    std::unique_ptr<std::ifstream> file;
    if (*o.batch != "-") {
        std::string reason;
        file = openInput(*o.batch, reason);
        if (!file) return report(err, name, reason);
    }
    const BatchSummary s = runBatch(file ? *file : in, out, err, name, o.flags);
    if (file && file->bad()) return report(err, name, "cannot read");
    if (!out) return kExitBadInput;
    return s.errors ? kExitBadInput : kExitOk;
}

}  // namespace sazbar::cli
