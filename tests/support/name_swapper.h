#pragma once

// Puts a regular file and a fifo under one name in turn, as fast as it can, for tests of readers that
// must never wait on whatever stands under a name at the moment they open it.

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <thread>

#include "support/test_folders.h"

namespace corvane::testing {

class FifoSwapper {
  public:
    // Starts at once; `path` always has something under it (each swap is one rename).
    FifoSwapper(std::string path, Bytes bytes) : path_(std::move(path)), bytes_(std::move(bytes)) {
        WriteBytes(path_, bytes_);
        thread_ = std::thread([this] { Run(); });
    }
    ~FifoSwapper() {
        stop_ = true;
        thread_.join();
    }
    FifoSwapper(const FifoSwapper&) = delete;
    FifoSwapper& operator=(const FifoSwapper&) = delete;

    long swaps() const { return swaps_; }

  private:
    // Exchanges the two names in one step where the file system can (each exchange flips what stands
    // under the name); elsewhere a new fifo and a new file are renamed over it in turn.
    void Run() {
        const std::string spare = path_ + ".spare";
        const bool exchange =
            ::mkfifo(spare.c_str(), 0644) == 0 &&
            ::renameat2(AT_FDCWD, spare.c_str(), AT_FDCWD, path_.c_str(), RENAME_EXCHANGE) == 0;
        const std::string file = path_ + ".file";
        const std::string fifo = path_ + ".fifo";
        while (!stop_) {
            if (exchange) {
                ::renameat2(AT_FDCWD, spare.c_str(), AT_FDCWD, path_.c_str(), RENAME_EXCHANGE);
            } else {
                if (::mkfifo(fifo.c_str(), 0644) == 0) {
                    std::rename(fifo.c_str(), path_.c_str());
                }
                if (WriteBytes(file, bytes_)) {
                    std::rename(file.c_str(), path_.c_str());
                }
            }
            ++swaps_;
        }
    }

    std::string path_;
    Bytes bytes_;
    std::atomic<bool> stop_{false};
    std::atomic<long> swaps_{0};
    std::thread thread_;
};

}  // namespace corvane::testing
