// sazbar-cli --check-tariffs: reads tariff files and lists every problem.
// sazbar-cli --print-tariffs builtin: writes the catalogue of the compiled tariffs.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace sazbar::cli {

// True when the arguments ask for a tariff check (a "--check-tariffs" before any "--").
bool isCheckTariffsCommand(const std::vector<std::string>& args);

// The check; `args` without the program name. Exit status 2 when a file has an
// error (or the arguments are wrong), 0 when there are warnings only.
int runCheckTariffs(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// True when the arguments ask to print a catalogue (a "--print-tariffs" before any "--").
bool isPrintTariffsCommand(const std::vector<std::string>& args);

// Writes the named catalogue byte for byte as the package ships it
// (examples/builtin-tariffs.json for "builtin"); exit status 2 for any other name.
int runPrintTariffs(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace sazbar::cli
