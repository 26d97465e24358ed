#include "core/small_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace sazbar {

SmallFile readSmallFile(const std::filesystem::path& path, std::size_t maxBytes) {
    SmallFile result;
    // Checked before opening, so that no device is ever opened, and again on
    // the open descriptor, in case the name was replaced in between.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        result.error = errno;
        return result;
    }
    if (!S_ISREG(st.st_mode)) {
        result.status = SmallFileStatus::NotRegular;
        return result;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        result.error = errno;
        return result;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        result.status = SmallFileStatus::NotRegular;
        return result;
    }
    // One byte beyond the limit tells a file that is too large.
    const std::size_t want = maxBytes + 1;
    result.bytes.resize(std::min<std::size_t>(want, 65536));
    std::size_t got = 0;
    for (;;) {
        if (got == result.bytes.size()) {
            if (got == want) break;
            result.bytes.resize(std::min(want, got * 2));
        }
        const ssize_t n = ::read(fd, result.bytes.data() + got, result.bytes.size() - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            result.error = errno;
            result.status = SmallFileStatus::CannotRead;
            result.bytes.clear();
            ::close(fd);
            return result;
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    result.status = got > maxBytes ? SmallFileStatus::TooLarge : SmallFileStatus::Ok;
    result.bytes.resize(std::min(got, maxBytes));
    return result;
}

}  // namespace sazbar
