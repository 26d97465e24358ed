// Reading and checking tariff files (docs/tariff-format.md): every problem is
// collected with the file, the JSON path and what is expected; a file with an
// error gives no tariffs.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/tariff.h"

namespace sazbar::catalogue {

inline constexpr std::string_view kFormat = "sazbar-tariffs/1";

// Bounds of what a file may hold; a file beyond them is refused.
constexpr std::size_t kMaxFileBytes = std::size_t{16} << 20;  // checked before reading
constexpr int kMaxDepth = 32;
constexpr std::size_t kMaxValues = 2'000'000;  // JSON values in one file
constexpr std::size_t kMaxTariffs = 100'000;
constexpr std::size_t kMaxAddons = 64;
constexpr std::size_t kMaxGroups = 16;
constexpr std::size_t kMaxAllowances = 32;
constexpr std::size_t kMaxCombinations = 4096;
constexpr std::size_t kMaxText = 200;
constexpr std::size_t kMaxLongText = 2000;
constexpr Amount kMaxAmount = 999'999'999'9999;  // 999999999.9999 crowns

enum class Severity : unsigned char { Error, Warning };

struct Problem {
    Severity severity = Severity::Error;
    std::string file;
    std::string path;     // JSON path ("tariffs[3].addons[0].rates.sms"), or empty
    int line = 0;         // with a column, for problems found while parsing
    int column = 0;
    std::string message;  // what is wrong and what is expected

    // "FILE: PATH: message", "FILE:LINE:COLUMN: message"; warnings say "warning: ".
    std::string text() const;
};

struct ReadOptions {
    // The compiled tariffs are priced too: a data tariff may not take their ids.
    bool builtinPriced = true;
};

struct Catalogue {
    std::vector<DataTariff> tariffs;
    std::vector<Problem> problems;

    bool hasErrors() const;
    std::size_t errorCount() const;
};

// Reads the text of one file into `into` (its tariffs and problems).
void readTariffText(std::string_view text, const std::string& file, Catalogue& into, const ReadOptions& options = {});
// Reads one file: refused unread when larger than kMaxFileBytes.
void readTariffFile(const std::string& path, Catalogue& into, const ReadOptions& options = {});

// Checks across the tariffs read (ids and revisions), then drops the tariffs
// of every file that has an error.
void finishCatalogue(Catalogue& c);

// Reads and checks files that are priced together.
Catalogue loadTariffFiles(const std::vector<std::string>& paths, const ReadOptions& options = {});

// "2004-03-01" for a day; parseDate is its inverse (false for no real date).
std::string formatDate(Day d);
bool parseDate(std::string_view text, Day& out);

// An amount written as digits with at most four decimals; false otherwise.
bool parseAmount(std::string_view text, Amount& out);

}  // namespace sazbar::catalogue
