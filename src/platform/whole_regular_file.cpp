#include <utility>

#include "platform/regular_file.h"
#include "platform/system_file_system.h"

namespace corvane::platform {

FileSystem::WholeFile ReadWholeRegularFile(const std::string& path, std::uintmax_t limit) {
    RegularFile read = ReadRegularFile(path, limit);
    FileSystem::WholeFile file;
    using Outcome = FileSystem::WholeFile::Outcome;
    switch (read.outcome) {
        case RegularFile::Outcome::kRead:
            file.outcome = Outcome::kRead;
            break;
        case RegularFile::Outcome::kMissing:
            file.outcome = Outcome::kMissing;
            break;
        case RegularFile::Outcome::kNotRegular:
            file.outcome = Outcome::kNotRegular;
            break;
        case RegularFile::Outcome::kTooLong:
            file.outcome = Outcome::kTooLong;
            break;
        case RegularFile::Outcome::kFailed:
            file.outcome = Outcome::kFailed;
            break;
    }
    file.bytes = std::move(read.bytes);
    file.size = read.size;
    file.error = read.error;
    return file;
}

}  // namespace corvane::platform
