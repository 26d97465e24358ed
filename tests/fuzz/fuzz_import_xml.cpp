// Android backup reader: the bytes as a file, and as the elements of a call
// backup and of a message backup.
#include <cstddef>
#include <cstdint>
#include <string>

#include "import_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    sazbar::import::fuzz::check(bytes);
    sazbar::import::fuzz::check("<calls>\n" + bytes + "\n</calls>\n");
    sazbar::import::fuzz::check("<?xml version='1.0' encoding='UTF-8'?>\n<smses>" + bytes + "</smses>");
    return 0;
}
