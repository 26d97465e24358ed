// The calculator's outputs: a readable table, JSON and CSV.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/data_tariffs.h"
#include "pricing/engine.h"

namespace sazbar::cli {

enum class Format { Table, Json, Csv };

// Appends `text` as a quoted JSON string. The text must be valid UTF-8, which
// passes through unescaped.
void appendJsonString(std::string& out, std::string_view text);

// The start of a tariff's JSON object, the same in every output:
// {"id": "t30", "operator": "T-Mobile", "name": "T 30"
void appendJsonTariffHead(std::string& out, int tariff);
void appendJsonTariffHead(std::string& out, std::string_view id, std::string_view op, std::string_view name);

// One result as a single JSON line (without the line end):
// {"total_call_minutes": N, "results": [...], "chart": [...]}.
// `fixedLine` says whether the fixed-line tariff is shown, and so charted.
// `data` adds the data tariffs' results after the compiled ones (alone without
// the compiled tariffs, and then with an empty chart), and "tariffs_on" and
// "tariffs_not_valid".
void appendJson(std::string& out, const RunResult& result, bool fixedLine, const DataPart* data = nullptr);

// {"error": "..."}, safe for any bytes in the message.
void appendJsonError(std::string& out, std::string_view message);

// Header and one CSV record per tariff, CR LF line ends, RFC 4180 quoting;
// hint lines are joined by " | ". The fixed line's record only with
// `fixedLine`, as on the results window; it is never marked cheapest.
// `data` adds a record per data tariff after the compiled ones.
void appendCsv(std::string& out, const RunResult& result, bool fixedLine, const DataPart* data = nullptr);

// Columns of batch lines (CSV, or JSON with chosen columns): a tariff's index
// in kTariffs, kTariffCount + the index of a data tariff, or one of these.
enum BatchColumn : int {
    kColumnLine = -1,           // "line": the input line number
    kColumnTotal = -2,          // "total_call_minutes"
    kColumnCheapest = -3,       // "cheapest": ids of the cheapest tariffs, separated by spaces
    kColumnCheapestPrice = -4,  // "cheapest_price"
    kColumnError = -5,          // "error": why the line was not priced
    kColumnPrices = -6,         // "prices": every tariff's price (CSV: a column each)
};
// The tariffs of a batch: the compiled ones (unless `data` leaves them out)
// and the data tariffs of `data`, if any.
// line, total_call_minutes, cheapest, cheapest_price, every tariff's price
// (the fixed line's with `fixedLine`), error.
std::vector<int> defaultBatchColumns(bool fixedLine, const DataTariffs* data = nullptr);
// The tariffs "prices" stands for in CSV: all, the fixed line with `fixedLine`.
std::vector<int> withPricesExpanded(const std::vector<int>& columns, bool fixedLine,
                                    const DataTariffs* data = nullptr);
// Reads "line,cheapest,t30,gold"; false with the unknown name in `bad`.
bool parseBatchColumns(std::string_view list, std::vector<int>& columns, std::string& bad,
                       const DataTariffs* data = nullptr);
// One CSV field, quoted (with doubled quotes) when it holds a comma, a quote or a line break.
void appendCsvField(std::string& out, std::string_view field);
// Characters on screen of UTF-8 text: bytes that do not continue a sequence.
std::size_t displayWidth(std::string_view s);
void appendCsvHeader(std::string& out, const std::vector<int>& columns, const DataTariffs* data = nullptr);
void appendCsvRow(std::string& out, std::size_t line, const RunResult& result, const std::vector<int>& columns,
                  const DataPart* data = nullptr);
void appendCsvErrorRow(std::string& out, std::size_t line, std::string_view message, const std::vector<int>& columns);
// A batch result as a JSON line of the chosen columns (without the line end):
// {"line": 7, "cheapest": ["t30"], "prices": {"t30": 1163, ...}}; a tariff
// not priced is null, and so is "error".
void appendJsonColumns(std::string& out, std::size_t line, const RunResult& result, const std::vector<int>& columns,
                       const DataPart* data = nullptr);
// A line that was not priced: its "line" when chosen, and always "error".
void appendJsonColumnsError(std::string& out, std::size_t line, std::string_view message,
                            const std::vector<int>& columns);

// The results grouped by operator; `hints` adds every tariff's hint lines.
// `data` adds the data tariffs, grouped by operator after the compiled ones,
// and a last line counting the tariffs left out as not valid.
void appendTable(std::string& out, const RunResult& result, bool fixedLine, bool hints, const DataPart* data = nullptr);

}  // namespace sazbar::cli
