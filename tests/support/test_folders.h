#pragma once

// Throw-away folders, small tmpfs mounts and the bytes of files, for writer and dialog tests.

#include <sys/mount.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace corvane::testing {

// A fresh empty folder, removed with its contents at the end of the test.
class TempFolder {
  public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "corvane-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~TempFolder() {
        std::error_code ignored;
        if (!path_.empty()) {
            std::filesystem::remove_all(path_, ignored);
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
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        names.push_back(entry.path().filename().string());
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
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The golden file `name` of the test data folder.
inline Bytes Golden(const std::string& name) {
    return ReadBytes(std::string(CORVANE_TEST_DATA_DIR) + "/" + name);
}

inline bool WriteBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

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
