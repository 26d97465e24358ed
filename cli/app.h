// sazbar-cli: prices usage profiles from the command line.
#pragma once

#include <cstddef>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
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

// Writes `text` to `out` and flushes it. Returns `status` when everything got
// out; otherwise names the failed write on `err` and returns kExitBadInput.
int writeOut(std::ostream& out, std::ostream& err, std::string_view text, int status = kExitOk);
// The same after writes of one's own (errno cleared before them): flushes
// `out` unless a write failed already.
int checkOut(std::ostream& out, std::ostream& err, int status = kExitOk);

// The whole program; `args` without the program name. Returns the exit status.
int runCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace sazbar::cli
