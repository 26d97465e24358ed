// The calculator's outputs: a readable table, JSON and CSV.
#pragma once

#include <string>
#include <string_view>

#include "pricing/engine.h"

namespace sazbar::cli {

enum class Format { Table, Json, Csv };

// Appends `text` as a quoted JSON string. The text must be valid UTF-8, which
// passes through unescaped.
void appendJsonString(std::string& out, std::string_view text);

// One result as a single JSON line (without the line end):
// {"total_call_minutes": N, "results": [...], "chart": [...]}.
// `fixedLine` says whether the fixed-line tariff is shown, and so charted.
void appendJson(std::string& out, const RunResult& result, bool fixedLine);

// {"error": "..."}, safe for any bytes in the message.
void appendJsonError(std::string& out, std::string_view message);

// Header and one CSV record per tariff, CR LF line ends, RFC 4180 quoting.
void appendCsv(std::string& out, const RunResult& result);

// The results grouped by operator; `hints` adds every tariff's hint lines.
void appendTable(std::string& out, const RunResult& result, bool fixedLine, bool hints);

}  // namespace sazbar::cli
