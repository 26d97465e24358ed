#include "cli/tariffs_cmd.h"

#include "catalogue/reader.h"
#include "cli/app.h"
#include "cli/messages.h"

namespace sazbar::cli {

// examples/builtin-tariffs.json, embedded when the program is built.
extern const unsigned char kBuiltinTariffs[];
extern const std::size_t kBuiltinTariffsSize;

namespace {

constexpr std::string_view kHelp =
    "Usage: sazbar-cli --check-tariffs [--no-builtin] FILE.json...\n"
    "\n"
    "Reads tariff files (docs/tariff-format.md) and lists every problem, one a line:\n"
    "FILE: JSON.PATH: what is wrong. Files checked together may not repeat a\n"
    "tariff's id and revision, nor hold two revisions valid on the same day.\n"
    "\n"
    "  --no-builtin   the files are priced without the compiled tariffs, so their ids may repeat them\n"
    "\n"
    "Exit status: 0 no error (warnings allowed), 2 an error in a file or bad usage.\n";

}  // namespace

bool isCheckTariffsCommand(const std::vector<std::string>& args) {
    for (const std::string& a : args) {
        if (a == "--") return false;
        if (a == "--check-tariffs") return true;
    }
    return false;
}

int runCheckTariffs(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> files;
    catalogue::ReadOptions options;
    bool positionalOnly = false;
    for (const std::string& a : args) {
        if (positionalOnly || !a.starts_with("-")) {
            files.push_back(a);
        } else if (a == "--") {
            positionalOnly = true;
        } else if (a == "--check-tariffs") {
            continue;
        } else if (a == "--no-builtin") {
            options.builtinPriced = false;
        } else if (a == "--help" || a == "-h") {
            return writeOut(out, err, kHelp);
        } else {
            err << "sazbar-cli: unknown option '" << echoed(a) << "' for --check-tariffs (try 'sazbar-cli --check-tariffs --help')\n";
            return kExitUsage;
        }
    }
    if (files.empty()) {
        err << "sazbar-cli: --check-tariffs needs one or more tariff files (try 'sazbar-cli --check-tariffs --help')\n";
        return kExitUsage;
    }
    const catalogue::Catalogue c = catalogue::loadTariffFiles(files, options);
    for (const catalogue::Problem& p : c.problems) err << "sazbar-cli: " << visible(p.text()) << '\n';
    const std::size_t errors = c.errorCount(), warnings = c.problems.size() - errors;
    const std::string summary =
        std::to_string(files.size()) + (files.size() == 1 ? " file, " : " files, ") + std::to_string(c.tariffs.size()) +
        (c.tariffs.size() == 1 ? " tariff" : " tariffs") + " usable; " + std::to_string(errors) +
        (errors == 1 ? " error, " : " errors, ") + std::to_string(warnings) + (warnings == 1 ? " warning\n" : " warnings\n");
    return writeOut(out, err, summary, errors ? kExitBadInput : kExitOk);
}

bool isPrintTariffsCommand(const std::vector<std::string>& args) {
    for (const std::string& a : args) {
        if (a == "--") return false;
        if (a == "--print-tariffs") return true;
    }
    return false;
}

int runPrintTariffs(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 2 && args[0] == "--print-tariffs" && args[1] == "builtin")
        return writeOut(out, err, std::string_view(reinterpret_cast<const char*>(kBuiltinTariffs), kBuiltinTariffsSize));
    if (args.size() == 2 && args[0] == "--print-tariffs" && !args[1].starts_with("-")) {
        err << "sazbar-cli: unknown catalogue '" << echoed(args[1]) << "' for --print-tariffs; expected builtin\n";
    } else {
        err << "sazbar-cli: --print-tariffs takes one catalogue name and nothing else: sazbar-cli --print-tariffs builtin\n";
    }
    return kExitUsage;
}

}  // namespace sazbar::cli
