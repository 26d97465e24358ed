#include "import/readers.h"

#include <string>

#include "import/reader_common.h"

namespace sazbar::import {

namespace {

using detail::Source;

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
    if (head.empty()) return {false, LogFormat::Unknown, "not a call log: the file is empty"};
    if (first.find('\0') != std::string::npos)
        return {false, LogFormat::Unknown, "not a call log: a binary file"};
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
