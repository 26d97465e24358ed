#include "import/readers.h"

#include <string>

#include "import/reader_common.h"

namespace sazbar::import {

namespace {

using detail::Source;

// True when most of `head` is no text: more than one byte in four a control
// byte (other than tab, line ends and form feed) or outside valid UTF-8. Text
// with a stray NUL, or in a one-byte code page, stays text.
bool mostlyBinary(std::string_view head) {
    std::size_t bad = 0;
    for (std::size_t i = 0; i < head.size();) {
        const auto c = static_cast<unsigned char>(head[i]);
        if (c < 0x80) {
            if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f') || c == 0x7F) ++bad;
            ++i;
            continue;
        }
        const std::size_t len = c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
        std::size_t j = 1;
        while (len && j < len && i + j < head.size() && (static_cast<unsigned char>(head[i + j]) & 0xC0) == 0x80) ++j;
        if (len && (j == len || i + j == head.size())) {  // whole, or cut by the end of the head
            i += j;
        } else {
            ++bad;
            ++i;
        }
    }
    return bad * 4 > head.size();
}

ReadOutcome read(Source& src, Importer& importer) {
    // Enough of the start to tell the formats apart.
    std::string first(4096, '\0');
    std::size_t have = 0;
    while (have < first.size()) {
        const std::size_t got = src.read(first.data() + have, first.size() - have);
        if (!got) break;
        have += got;
    }
    first.resize(have);
    std::string_view head = first;
    if (head.starts_with("\xEF\xBB\xBF")) head.remove_prefix(3);
    head.remove_prefix(std::min(head.find_first_not_of(" \t\r\n"), head.size()));
    ReadOutcome refused;
    if (head.empty()) {
        refused.refusal = "not a call log: the file is empty";
        return refused;
    }
    if (mostlyBinary(first)) {
        refused.refusal = "not a call log: a binary file";
        return refused;
    }
    if (head.front() == '<') return detail::readXml(first, src, importer);
    return detail::readCsv(first, src, importer);
}

}  // namespace

ReadOutcome readLog(std::istream& in, Importer& importer) {
    Source src(in);
    return read(src, importer);
}

ReadOutcome readLog(std::string_view bytes, Importer& importer) {
    Source src(bytes);
    return read(src, importer);
}

std::string_view formatName(LogFormat f) {
    switch (f) {
        case LogFormat::Csv: return "itemised bill (CSV)";
        case LogFormat::AndroidCalls: return "Android call log backup";
        case LogFormat::AndroidMessages: return "Android message backup";
        case LogFormat::Unknown: break;
    }
    return "unknown";
}

}  // namespace sazbar::import
