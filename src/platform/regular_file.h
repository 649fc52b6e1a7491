#pragma once

// Reading a whole small file from disk for the readers (the decoder's file loading, corvane-inspect),
// safely against whatever stands under its name. Plain C++ on the system's calls; it links nothing, so the
// decoder can use it without the core's writers.

#include <cstdint>
#include <string>
#include <vector>

namespace corvane::platform {

struct RegularFile {
    enum class Outcome {
        kRead,        // `bytes` hold the file
        kMissing,     // nothing has that name
        kNotRegular,  // a link, folder, fifo, device ...: never read
        kTooLong,     // more than the limit: `size` says how long, nothing is read
        kFailed,      // it does not open or read: `reason` gives the system's words
    };
    Outcome outcome = Outcome::kFailed;
    std::vector<uint8_t> bytes;
    std::uintmax_t size = 0;  // the size the open file had
    int error = 0;            // for kFailed: the errno value
    std::string reason;       // for kFailed: the system's reason in words, e.g. "Permission denied"
};

// Opens `path` first, without waiting (a fifo or device cannot hold the caller) and without following a
// link, and then looks at what was opened: only a regular file is read, at most `limit` bytes and one
// more, so that a file growing meanwhile still shows a wrong size. Nothing checked by name beforehand, so
// nothing can be swapped in between.
RegularFile ReadRegularFile(const std::string& path, std::uintmax_t limit);

}  // namespace corvane::platform
