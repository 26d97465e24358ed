// Batch mode: JSON Lines profiles in, one result per line out, in input order.
#pragma once

#include <cstddef>
#include <istream>
#include <ostream>
#include <string_view>
#include <vector>

#include "cli/report.h"

namespace sazbar::cli {

// Longest batch line read, without its line end; longer lines are skipped
// and reported.
constexpr std::size_t kMaxBatchLine = std::size_t{1} << 20;

// Switches that apply to every priced profile; OR-ed with the profile's own.
struct RunFlags {
    bool directDebit = false;
    bool fixedLine = false;
    bool internetCalls = false;
};

struct BatchOptions {
    Format format = Format::Json;  // Json or Csv
    std::vector<int> columns;      // columns (see report.h); empty: all in CSV, the full result in JSON
    unsigned jobs = 1;             // threads that price
    const DataTariffs* data = nullptr;  // data tariffs priced beside (or instead of) the compiled ones
};

struct BatchSummary {
    std::size_t lines = 0;
    std::size_t errors = 0;
    // errno of the first failed write to the output, or -1 for a failure
    // without one; 0 when every write succeeded.
    int writeError = 0;
};

// Prices a stream of JSON Lines profiles: one JSON result line (or CSV row)
// out per line in, in input order; a bad line gives {"error": "..."} (a row
// with the error column) and a line on `err` naming `name` and the line.
// Reads and writes in bounded memory; with several jobs, chunks of lines are
// priced side by side and written in order.
BatchSummary runBatch(std::istream& in, std::ostream& out, std::ostream& err, std::string_view name,
                      const RunFlags& flags, const BatchOptions& options = {});

// The cores this process may run on.
unsigned availableCores();

}  // namespace sazbar::cli
