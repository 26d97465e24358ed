#include "core/visible_text.h"

#include <cstdint>

namespace sazbar {

std::size_t utf8Sequence(std::string_view s, char32_t& cp) {
    const auto b0 = static_cast<unsigned char>(s[0]);
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    }
    std::size_t n;
    char32_t min;
    if ((b0 & 0xE0) == 0xC0) n = 2, cp = b0 & 0x1F, min = 0x80;
    else if ((b0 & 0xF0) == 0xE0) n = 3, cp = b0 & 0x0F, min = 0x800;
    else if ((b0 & 0xF8) == 0xF0) n = 4, cp = b0 & 0x07, min = 0x10000;
    else return 0;
    if (s.size() < n) return 0;
    for (std::size_t i = 1; i < n; ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

namespace {

// Characters that show nothing, or look like a plain space, on a terminal.
bool invisible(char32_t cp) {
    return cp < 0x20 || (cp >= 0x7F && cp <= 0xA0) || cp == 0xAD || cp == 0x34F || cp == 0x61C ||
           cp == 0x115F || cp == 0x1160 || cp == 0x180E || (cp >= 0x2000 && cp <= 0x200F) ||
           (cp >= 0x2028 && cp <= 0x202F) || (cp >= 0x205F && cp <= 0x206F) || cp == 0x3000 || cp == 0x3164 ||
           (cp >= 0xFE00 && cp <= 0xFE0F) || cp == 0xFEFF || cp == 0xFFA0 || (cp >= 0xFFF0 && cp <= 0xFFFB) ||
           (cp >= 0xE0000 && cp <= 0xE0FFF);
}

constexpr char kHex[] = "0123456789abcdef";

}  // namespace

std::string visible(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        char32_t cp = 0;
        const std::size_t n = utf8Sequence(text, cp);
        if (n == 0) {
            const auto b = static_cast<unsigned char>(text[0]);
            out += "\\x";
            out += kHex[b >> 4];
            out += kHex[b & 15];
            text.remove_prefix(1);
            continue;
        }
        if (!invisible(cp)) {
            out.append(text.data(), n);
        } else if (cp == '\n') {
            out += "\\n";
        } else if (cp == '\r') {
            out += "\\r";
        } else if (cp == '\t') {
            out += "\\t";
        } else if (cp < 0x80) {
            out += "\\x";
            out += kHex[cp >> 4];
            out += kHex[cp & 15];
        } else {
            std::string digits;
            for (char32_t v = cp; v; v >>= 4) digits.insert(digits.begin(), kHex[v & 15]);
            while (digits.size() < 4) digits.insert(digits.begin(), '0');
            out += "\\u{" + digits + "}";
        }
        text.remove_prefix(n);
    }
    return out;
}

std::string shortened(std::string_view text, std::size_t max, bool keepEnd) {
    // Characters start at every byte that does not continue a sequence.
    auto starts = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; };
    std::size_t chars = 0;
    for (char c : text) chars += starts(c);
    if (chars <= max) return std::string(text);
    const std::size_t keep = max > 0 ? max - 1 : 0;
    std::size_t seen = 0;
    if (keepEnd) {
        std::size_t at = text.size();
        while (at > 0 && seen < keep) seen += starts(text[--at]);
        return "…" + std::string(text.substr(at));
    }
    std::size_t at = 0;
    while (at < text.size() && (seen < keep || !starts(text[at]))) seen += starts(text[at++]);
    return std::string(text.substr(0, at)) + "…";
}

std::string echoed(std::string_view text, bool keepEnd) { return visible(shortened(text, kQuotedChars, keepEnd)); }

}  // namespace sazbar
