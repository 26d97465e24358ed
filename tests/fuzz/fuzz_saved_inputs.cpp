// The saved inputs file reader: any bytes give 46 canonical boxes, the same
// as a plain line-by-line reading, and writing them out and reading again
// changes nothing.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "core/saved_inputs.h"
#include "core/textnum.h"

namespace {

[[noreturn]] void fail(const char* what, std::size_t box, const std::string& got, const std::string& want) {
    std::fprintf(stderr, "%s: box %zu is \"%s\", expected \"%s\"\n", what, box + 1, got.c_str(), want.c_str());
    std::abort();
}

// Lines end in CR LF, LF or CR; a UTF-8 byte order mark at the start is
// not part of the first line.
sazbar::BoxTexts plainReading(std::string_view file) {
    if (file.starts_with("\xEF\xBB\xBF")) file.remove_prefix(3);
    sazbar::BoxTexts boxes;
    std::size_t at = 0;
    for (std::size_t n = 0; n < boxes.size(); ++n) {
        std::string_view line;
        if (at < file.size()) {
            const std::size_t end = file.find_first_of("\r\n", at);
            line = file.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at);
            at = end == std::string_view::npos ? file.size() : end + 1;
            if (end != std::string_view::npos && file[end] == '\r' && at < file.size() && file[at] == '\n') ++at;
        }
        boxes[n] = sazbar::intToText(sazbar::textToInt(line));
    }
    return boxes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file(reinterpret_cast<const char*>(data), size);
    std::istringstream in(file);
    const sazbar::BoxTexts boxes = sazbar::readSavedInputs(in);
    const sazbar::BoxTexts plain = plainReading(file);
    for (std::size_t n = 0; n < boxes.size(); ++n) {
        const std::string canonical = sazbar::intToText(sazbar::textToInt(boxes[n]));
        if (boxes[n] != canonical) fail("not canonical", n, boxes[n], canonical);
        if (boxes[n] != plain[n]) fail("differs from a plain reading", n, boxes[n], plain[n]);
    }
    const std::string written = sazbar::savedInputsContent(boxes);
    std::istringstream again(written);
    const sazbar::BoxTexts reread = sazbar::readSavedInputs(again);
    for (std::size_t n = 0; n < boxes.size(); ++n)
        if (reread[n] != boxes[n]) fail("changed by saving and loading", n, reread[n], boxes[n]);
    if (sazbar::savedInputsContent(reread) != written) fail("second save differs", 0, "", "");
    return 0;
}
