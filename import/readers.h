// Readers of call logs: the itemised bill as CSV (our own format, see
// docs/import.md) and the XML backups of Android backup apps (<calls>,
// <smses>). Both stream: memory stays bounded whatever the file's size.
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "import/importer.h"

namespace sazbar::import {

enum class LogFormat : std::uint8_t { Unknown, Csv, AndroidCalls, AndroidMessages };

struct ReadOutcome {
    // False when the file is not a call log at all; `refusal` says why and
    // nothing was added to the importer.
    bool ok = false;
    LogFormat format = LogFormat::Unknown;
    std::string refusal;
    // A CSV header that names some columns but not all: the missing ones
    // (English names, as in kCsvColumns), also listed in `refusal`.
    std::vector<std::string_view> missingColumns;
};

// The columns of the itemised bill, by their English and their Czech name.
struct CsvColumnName {
    std::string_view english, czech;
};
inline constexpr CsvColumnName kCsvColumns[] = {
    {"date", "datum"},     {"time", "čas"},  {"direction", "směr"},    {"number", "číslo"},
    {"duration", "trvání"}, {"type", "typ"}, {"volume_kb", "objem_kb"},
};

// Years an event of a log may fall in; a date outside is a typo, refused with
// its line, not a log stretched over centuries.
constexpr int kFirstLogYear = 1990;
constexpr int kLastLogYear = 2100;

// Longest CSV line read; a longer one is refused.
constexpr std::size_t kMaxCsvLine = 64 * 1024;
// Most memory the XML parser may hold at once: a single element larger than
// this stops the reading with an issue.
constexpr std::size_t kMaxXmlMemory = 32u << 20;

// Reads a log of any of the formats, told apart by the first bytes.
// Malformed lines and elements are refused one by one (Importer::refuse).
ReadOutcome readLog(std::istream& in, Importer& importer);
ReadOutcome readLog(std::string_view bytes, Importer& importer);

std::string_view formatName(LogFormat f);

}  // namespace sazbar::import
