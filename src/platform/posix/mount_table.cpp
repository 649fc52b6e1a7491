#include <fcntl.h>
#include <poll.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include "platform/mounted_volumes.h"

namespace corvane::platform {

namespace {

// The kernel signals a change of the mount table to every open descriptor of mountinfo, until it is
// opened anew.
int OpenMountInfo() {
    return ::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC);
}

}  // namespace

MountTableWatch::MountTableWatch() : fd_(OpenMountInfo()) {}

MountTableWatch::~MountTableWatch() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool MountTableWatch::Changed() const {
    if (fd_ < 0) {
        return true;
    }
    // Only a change makes the descriptor ready for POLLPRI; an error of poll counts as a change too.
    pollfd watched{fd_, POLLPRI, 0};
    return ::poll(&watched, 1, 0) != 0;
}

void MountTableWatch::Rearm() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    fd_ = OpenMountInfo();
}

bool RefreshVolumeSpace(Volume& volume) {
    struct statvfs space {};
    if (::statvfs(volume.rootPath.c_str(), &space) != 0) {
        return false;
    }
    volume.bytesTotal = static_cast<uint64_t>(space.f_blocks) * space.f_frsize;
    volume.bytesFree = static_cast<uint64_t>(space.f_bavail) * space.f_frsize;
    volume.readOnly = (space.f_flag & ST_RDONLY) != 0;
    return true;
}

}  // namespace corvane::platform
