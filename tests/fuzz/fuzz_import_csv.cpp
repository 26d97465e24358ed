// Itemised bill reader: the bytes as a file, and as lines under a valid header.
#include <cstddef>
#include <cstdint>
#include <string>

#include "import_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    sazbar::import::fuzz::check(bytes);
    sazbar::import::fuzz::check("date;time;direction;number;duration;type;volume_kb\n" + bytes);
    return 0;
}
