#pragma once

// Throw-away folders and the bytes of files, for writer and dialog tests. Plain C++ on every system
// (support/tmpfs_mount.h has the Linux mounts).

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "platform/utf8_path.h"

namespace corvane::testing {

using platform::PathFromUtf8;
using platform::Utf8FromPath;

// A fresh empty folder, removed with its contents at the end of the test.
class TempFolder {
  public:
    TempFolder() {
        // A new name of our own: create_directory is false when the name was taken, by a folder or not.
        std::random_device seed;
        std::mt19937_64 random(seed());
        std::error_code error;
        const std::filesystem::path base = std::filesystem::temp_directory_path(error);
        for (int attempt = 0; !error && attempt < 100; ++attempt) {
            const std::filesystem::path candidate =
                base / ("corvane-test-" + std::to_string(random() % 1000000000));
            if (std::filesystem::create_directory(candidate, error) && !error) {
                // For this user only, as mkdtemp makes it.
                std::filesystem::permissions(candidate, std::filesystem::perms::owner_all,
                                             std::filesystem::perm_options::replace, error);
                path_ = Utf8FromPath(candidate);
                return;
            }
            error.clear();
        }
    }
    ~TempFolder() {
        std::error_code ignored;
        if (!path_.empty()) {
            std::filesystem::remove_all(PathFromUtf8(path_), ignored);
        }
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

// Names in `folder`, sorted.
inline std::vector<std::string> NamesIn(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(PathFromUtf8(folder), error)) {
        names.push_back(Utf8FromPath(entry.path().filename()));
    }
    std::sort(names.begin(), names.end());
    return names;
}

using Bytes = std::vector<uint8_t>;

// The bytes of a record or any other byte container.
template <class Container>
Bytes ToBytes(const Container& bytes) {
    return {bytes.begin(), bytes.end()};
}

// `count` bytes of `bytes` (a file's or a record's) from `from` on.
template <class Container>
Bytes Slice(const Container& bytes, std::size_t from, std::size_t count) {
    return {bytes.begin() + static_cast<std::ptrdiff_t>(from),
            bytes.begin() + static_cast<std::ptrdiff_t>(from + count)};
}

// The bytes of the file at `path`; none when it cannot be read.
inline Bytes ReadBytes(const std::string& path) {
    std::ifstream in(PathFromUtf8(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The golden file `name` of the test data folder.
inline Bytes Golden(const std::string& name) {
    return ReadBytes(std::string(CORVANE_TEST_DATA_DIR) + "/" + name);
}

inline bool WriteBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(PathFromUtf8(path), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

}  // namespace corvane::testing
