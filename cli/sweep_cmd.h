// sazbar-cli --sweep: one profile priced at a range of scale factors.
#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/report.h"
#include "pricing/sweep.h"

namespace sazbar::cli {

struct SweepArgs {
    std::optional<SweepGroup> group;  // set by --sweep
    SweepRange range;
    bool rangeGiven = false;  // --to or --step
};

// Takes --sweep, --to and --step. False when `arg` is none of them; true when
// it is, with `problem` set if its value is bad. `value` fetches the option's
// value and is false when there is none.
bool parseSweepOption(std::string_view arg, const std::function<bool(std::string&)>& value, SweepArgs& s,
                      std::string& problem);

// A usage problem of the sweep options with the rest of the command line, or "".
std::string checkSweepArgs(const SweepArgs& s, bool batch);

// JSON: every point's prices, the spans of the cheapest tariffs ("cheapest_spans"), the
// break-even points and each tariff's ranges; a tariff not priced is null.
void appendSweepJson(std::string& out, const Sweep& s);
// A header and one record per point: the factor, the total call minutes, one
// column per tariff, then the cheapest and the unsupported tariffs.
void appendSweepCsv(std::string& out, const Sweep& s);
// The spans of the cheapest tariff and the break-even points, for reading.
void appendSweepTable(std::string& out, const Sweep& s);

// `data` adds its tariffs to the sweep (alone without the compiled ones).
int printSweep(const Profile& profile, const RunOptions& options, Format format, const SweepArgs& s,
               std::ostream& out, const DataTariffs* data = nullptr);

}  // namespace sazbar::cli
