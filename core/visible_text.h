// Input bytes quoted in messages: made visible and kept short.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace sazbar {

// Longest piece of input quoted in a message, in characters.
constexpr std::size_t kQuotedChars = 40;

// Length of the UTF-8 sequence at the start of `s` (not empty) and its code
// point; 0 when the bytes are not a valid, shortest-form sequence.
std::size_t utf8Sequence(std::string_view s, char32_t& cp);

// `text` safe for a terminal line: control characters, invisible Unicode
// characters (format marks, odd spaces) and bytes that are not UTF-8 are
// written as \n, \t, \xNN or \u{NNNN}; everything else stays as it is.
std::string visible(std::string_view text);

// At most `max` characters of UTF-8 text, "…" marking what was cut: the
// first characters, or with `keepEnd` the last ones.
std::string shortened(std::string_view text, std::size_t max = kQuotedChars, bool keepEnd = false);

// An argument, a file name or a piece of input as it is quoted in a message:
// shortened to kQuotedChars characters and made visible. File names keep
// their end (`keepEnd`), where the name of the file is.
std::string echoed(std::string_view text, bool keepEnd = false);

}  // namespace sazbar
