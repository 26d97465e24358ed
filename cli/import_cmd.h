// sazbar-cli --import: a call log or an itemised bill into a usage profile.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/profile.h"

namespace sazbar::cli {

// True when the arguments ask for an import (an "--import" before any "--").
bool isImportCommand(const std::vector<std::string>& args);

// The import command; `args` without the program name. Returns the exit status.
int runImport(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace sazbar::cli
