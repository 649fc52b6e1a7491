#pragma once

// Puts a regular file and a fifo under one name in turn, as fast as it can, for tests of readers that
// must never wait on whatever stands under a name at the moment they open it.

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
    void Run() {
        const std::string file = path_ + ".file";
        const std::string fifo = path_ + ".fifo";
        while (!stop_) {
            if (::mkfifo(fifo.c_str(), 0644) == 0) {
                std::rename(fifo.c_str(), path_.c_str());
            }
            if (WriteBytes(file, bytes_)) {
                std::rename(file.c_str(), path_.c_str());
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
