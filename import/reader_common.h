// What the CSV and the XML reader share: the bytes of the file chunk by
// chunk, and the reading of plain numbers. Internal to import/.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <istream>
#include <string_view>

#include "import/readers.h"

namespace sazbar::import::detail {

constexpr std::size_t kChunk = 64 * 1024;

// Bytes of the file, chunk by chunk.
class Source {
public:
    explicit Source(std::istream& in) : m_in(&in) {}
    explicit Source(std::string_view bytes) : m_bytes(bytes) {}

    // Up to `size` bytes into `buf`; 0 at the end.
    std::size_t read(char* buf, std::size_t size) {
        if (m_in) {
            if (!m_in->rdbuf()) return 0;
            const auto got = m_in->rdbuf()->sgetn(buf, static_cast<std::streamsize>(size));
            return got > 0 ? static_cast<std::size_t>(got) : 0;
        }
        const std::size_t n = std::min(size, m_bytes.size());
        std::memcpy(buf, m_bytes.data(), n);
        m_bytes.remove_prefix(n);
        return n;
    }

private:
    std::istream* m_in = nullptr;
    std::string_view m_bytes;
};

inline std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

inline bool allDigits(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A non-negative decimal of at most 18 digits.
inline bool readUnsigned(std::string_view s, std::int64_t& v) {
    if (!allDigits(s) || s.size() > 18) return false;
    v = 0;
    for (char c : s) v = v * 10 + (c - '0');
    return true;
}

inline bool readInt(std::string_view s, int& v) {
    std::int64_t w;
    if (!readUnsigned(s, w) || w > 100000) return false;
    v = static_cast<int>(w);
    return true;
}

// The readers proper; `first` is what the caller already took from `src`.
ReadOutcome readCsv(std::string_view first, Source& src, Importer& importer);
ReadOutcome readXml(std::string_view first, Source& src, Importer& importer);

}  // namespace sazbar::import::detail
