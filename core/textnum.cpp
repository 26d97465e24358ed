#include "core/textnum.h"

#include <limits>

namespace sazbar {

std::int32_t textToInt(std::string_view text) noexcept {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < n && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < n && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    const std::uint64_t base = hex ? 16 : 10;
    // Magnitudes past 2^31 are clamped as they are read; the sign is applied last.
    constexpr std::uint64_t cap = std::uint64_t{1} << 31;
    std::uint64_t magnitude = 0;
    for (; i < n; ++i) {
        const int d = digitValue(text[i], hex);
        if (d < 0) break;
        magnitude = magnitude * base + static_cast<std::uint64_t>(d);
        if (magnitude > cap) magnitude = cap;
    }
    const bool complete = i == n;
    std::int64_t value = static_cast<std::int64_t>(magnitude);
    if (complete && negative) value = -value;
    return saturate32(value);
}

std::string intToText(std::int64_t value) {
    return std::to_string(saturate32(value));
}

}  // namespace sazbar
