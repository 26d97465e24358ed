// Box text to integer: textToInt against a slow reading of the same rule
// written out here, and against the streaming reader at every prefix.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "core/saved_inputs.h"
#include "core/textnum.h"

namespace {

// The rule step by step, keeping the digits as text so that no overflow can
// hide: blanks, sign, hex prefix, digits; the sign counts only when the whole
// text was read; the result is clamped to 32 bits.
std::int32_t reference(std::string_view t) {
    std::size_t i = 0;
    while (i < t.size() && (t[i] == ' ' || t[i] == '\t')) ++i;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
    bool hex = false;
    if (t.substr(i, 2) == "0x" || t.substr(i, 2) == "0X") {
        hex = true;
        i += 2;
    } else if (i < t.size() && (t[i] == '$' || t[i] == 'x' || t[i] == 'X')) {
        hex = true;
        i += 1;
    }
    const std::string_view allowed = hex ? "0123456789abcdefABCDEF" : "0123456789";
    std::string digits;
    while (i < t.size() && allowed.find(t[i]) != std::string_view::npos) digits += t[i++];
    const bool whole = i == t.size();

    // Without leading zeros, more than 10 decimal or 8 hex digits is beyond 2^31.
    const std::size_t first = digits.find_first_not_of('0');
    const std::string significant = first == std::string::npos ? "" : digits.substr(first);
    long double magnitude = 0;
    if (significant.size() > (hex ? 8u : 10u)) {
        magnitude = 1e30L;
    } else {
        for (char c : significant) {
            const int d = c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
            magnitude = magnitude * (hex ? 16 : 10) + d;
        }
    }
    const long double value = whole && negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

[[noreturn]] void fail(const char* what, std::string_view text, long a, long b) {
    std::fprintf(stderr, "%s: \"", what);
    for (unsigned char c : text) std::fprintf(stderr, c >= 0x20 && c < 0x7f ? "%c" : "\\x%02x", c);
    std::fprintf(stderr, "\" gives %ld, expected %ld\n", a, b);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::int32_t got = sazbar::textToInt(text);
    const std::int32_t want = reference(text);
    if (got != want) fail("textToInt", text, got, want);

    // The streaming reader must give textToInt of every prefix fed so far.
    sazbar::StreamingTextToInt streaming;
    if (streaming.value() != 0) fail("streaming, empty", "", streaming.value(), 0);
    for (std::size_t n = 1; n <= size; ++n) {
        streaming.feed(text[n - 1]);
        const std::int32_t prefix = n == size ? want : reference(text.substr(0, n));
        if (streaming.value() != prefix) fail("streaming", text.substr(0, n), streaming.value(), prefix);
    }

    // The written form is canonical: it reads back to the same number and
    // writes again to the same text.
    const std::string canonical = sazbar::intToText(got);
    if (sazbar::textToInt(canonical) != got) fail("intToText round trip", canonical, sazbar::textToInt(canonical), got);
    if (sazbar::intToText(sazbar::textToInt(canonical)) != canonical) fail("canonical text changed", canonical, 0, 0);
    return 0;
}
