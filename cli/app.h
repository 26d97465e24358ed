// sazbar-cli: prices usage profiles from the command line.
#pragma once

#include <cstddef>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "cli/batch.h"

namespace sazbar::cli {

constexpr int kExitOk = 0;
constexpr int kExitBadInput = 2;
constexpr int kExitUsage = 2;

// A profile file larger than this is not a profile (a few hundred bytes).
constexpr std::size_t kMaxProfileFile = std::size_t{1} << 20;
// Nor is a saved inputs file larger than this one (46 short lines).
constexpr std::size_t kMaxSavedInputsFile = std::size_t{1} << 20;

// The whole program; `args` without the program name. Returns the exit status.
int runCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace sazbar::cli
