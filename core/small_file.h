// Reading a small file that the user may have replaced by anything: a link to
// a device, a FIFO, a folder or a file of gigabytes.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace sazbar {

enum class SmallFileStatus {
    Ok,
    CannotOpen,  // missing, no permission, ...; `error` holds errno
    NotRegular,  // a folder, FIFO, socket or device, also behind a link
    TooLarge,    // more than the limit; the bytes read hold its first `maxBytes`
    CannotRead,  // a read failed; `error` holds errno
};

struct SmallFile {
    SmallFileStatus status = SmallFileStatus::CannotOpen;
    int error = 0;
    std::string bytes;
};

// Reads at most `maxBytes` bytes of a regular file. Never blocks: anything
// that is not a regular file is refused before it is read (a FIFO is opened
// without waiting for a writer and then refused), and no more than
// `maxBytes` + 1 bytes are ever read.
SmallFile readSmallFile(const std::filesystem::path& path, std::size_t maxBytes);

}  // namespace sazbar
