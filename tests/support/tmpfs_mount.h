#pragma once

// Small tmpfs mounts for a test's lifetime, to meet a read-only or a full medium. Linux only.

#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "support/test_folders.h"

namespace corvane::testing {

// A tmpfs mounted over a fresh folder for the test's lifetime. Needs root and a system that allows
// mounting; otherwise `mounted()` is false and `reason()` says why, for GTEST_SKIP.
class TmpfsMount {
  public:
    explicit TmpfsMount(const std::string& options) {
        if (folder_.path().empty()) {
            reason_ = "no temporary folder";
            return;
        }
        if (::geteuid() != 0) {
            reason_ = "mounting a tmpfs needs root";
            return;
        }
        if (::mount("tmpfs", folder_.path().c_str(), "tmpfs", 0, options.c_str()) != 0) {
            reason_ = std::string("mounting a tmpfs failed: ") + std::strerror(errno);
            return;
        }
        mounted_ = true;
    }
    ~TmpfsMount() {
        if (mounted_) {
            ::umount2(folder_.path().c_str(), MNT_DETACH);
        }
    }
    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;

    bool mounted() const { return mounted_; }
    const std::string& reason() const { return reason_; }
    const std::string& path() const { return folder_.path(); }

    // Makes the mount read-only; false (with `reason()`) when that failed.
    bool MakeReadOnly() {
        if (::mount("tmpfs", folder_.path().c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
            reason_ = std::string("remounting read-only failed: ") + std::strerror(errno);
            return false;
        }
        return true;
    }

    // Fills the medium with a file `name` until nothing more fits; returns the bytes it holds.
    std::size_t Fill(const std::string& name) {
        std::FILE* file = std::fopen((path() + "/" + name).c_str(), "wb");
        if (file == nullptr) {
            return 0;
        }
        std::setvbuf(file, nullptr, _IONBF, 0);
        std::size_t total = 0;
        const std::vector<char> block(4096, 'x');
        for (std::size_t chunk : {std::size_t{4096}, std::size_t{1}}) {
            while (std::fwrite(block.data(), 1, chunk, file) == chunk) {
                total += chunk;
            }
            std::clearerr(file);
        }
        std::fclose(file);
        return total;
    }

  private:
    TempFolder folder_;
    bool mounted_ = false;
    std::string reason_;
};

}  // namespace corvane::testing
