// Conversions between box texts and numbers.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace sazbar {

// Reads a box text: leading blanks, an optional sign, an optional hex prefix
// ("$", "x", "X", "0x", "0X"), then digits. When the whole text was read the
// value carries its sign; when reading stopped at a bad character the value
// is the digits read so far, unsigned. Empty text is 0. Values beyond the
// 32-bit range saturate to it.
std::int32_t textToInt(std::string_view text) noexcept;

// Truncates toward zero to a 32-bit integer (saturating) and writes plain
// decimal, "-" for negatives, no separators.
std::string intToText(std::int64_t value);

// Clamps to the 32-bit range.
constexpr std::int32_t saturate32(std::int64_t value) noexcept {
    constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value < lo ? lo : (value > hi ? hi : value));
}

// Value of a decimal (or, when `hex`, hexadecimal) digit, or -1.
constexpr int digitValue(char c, bool hex) noexcept {
    if (c >= '0' && c <= '9') return c - '0';
    if (hex) {
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    }
    return -1;
}

}  // namespace sazbar
