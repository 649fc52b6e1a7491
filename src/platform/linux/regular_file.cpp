#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace corvane::platform {
namespace {

void Fail(RegularFile& file, int error) {
    file.error = error;
    file.reason = std::generic_category().message(error);
}

// Closes the descriptor on every way out.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }

  private:
    int fd_;
};

}  // namespace

RegularFile ReadRegularFile(const std::string& path, std::uintmax_t limit) {
    RegularFile file;
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        const int error = errno;
        if (error == ENOENT) {
            file.outcome = RegularFile::Outcome::kMissing;
        } else if (error == ELOOP) {
            file.outcome = RegularFile::Outcome::kNotRegular;
        } else {
            Fail(file, error);
        }
        return file;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        Fail(file, errno);
        return file;
    }
    if (!S_ISREG(info.st_mode)) {
        file.outcome = RegularFile::Outcome::kNotRegular;
        return file;
    }
    file.size = static_cast<std::uintmax_t>(info.st_size);
    if (file.size > limit) {
        file.outcome = RegularFile::Outcome::kTooLong;
        return file;
    }
    file.bytes.resize(static_cast<std::size_t>(file.size) + 1);
    std::size_t filled = 0;
    while (filled < file.bytes.size()) {
        const ssize_t count = ::read(fd.get(), file.bytes.data() + filled, file.bytes.size() - filled);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            Fail(file, errno);
            file.bytes.clear();
            return file;
        }
        if (count == 0) {
            break;
        }
        filled += static_cast<std::size_t>(count);
    }
    file.bytes.resize(filled);
    file.outcome = RegularFile::Outcome::kRead;
    return file;
}

}  // namespace corvane::platform
