// sazbar-cli: prices usage profiles from the command line.
#pragma once

#include <cstddef>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace sazbar::cli {

constexpr int kExitOk = 0;
constexpr int kExitBadInput = 2;
constexpr int kExitUsage = 2;

// Longest batch line read; longer lines are skipped and reported.
constexpr std::size_t kMaxBatchLine = std::size_t{1} << 20;

// Switches that apply to every priced profile; OR-ed with the profile's own.
struct RunFlags {
    bool directDebit = false;
    bool fixedLine = false;
    bool internetCalls = false;
};

struct BatchSummary {
    std::size_t lines = 0;
    std::size_t errors = 0;
};

// Prices a stream of JSON Lines profiles: one JSON result line out per line
// in, in input order, {"error": "..."} for a bad line (also reported on
// `err`, naming `name` and the line). Reads and writes in bounded memory.
BatchSummary runBatch(std::istream& in, std::ostream& out, std::ostream& err, std::string_view name,
                      const RunFlags& flags);

// The whole program; `args` without the program name. Returns the exit status.
int runCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace sazbar::cli
