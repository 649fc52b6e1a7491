#include "platform/text_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace corvane::platform {

int ReplaceTextFile(const std::string& path, std::string_view bytes, bool ownerOnly) {
    const std::string temporary = path + ".tmp";
    // A temporary file of an earlier, interrupted save is a regular file of ours; anything else is refused
    // by O_EXCL below.
    ::unlink(temporary.c_str());
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          ownerOnly ? 0600 : 0666);
    if (fd < 0) {
        return errno;
    }
    int error = 0;
    for (size_t done = 0; done < bytes.size() && error == 0;) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno != EINTR) {
            error = errno;
        } else if (n > 0) {
            done += static_cast<size_t>(n);
        }
    }
    if (error == 0 && ::fsync(fd) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
    }
    return error;
}

}  // namespace corvane::platform
