#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/files/file_system.h"

namespace corvane::platform {

// The file system of this operating system (linux/ or windows/).
std::unique_ptr<FileSystem> MakeSystemFileSystem();

// ReadWholeFile of both systems' file systems: ReadRegularFile (never through a link, never more than
// `limit` bytes) in the file system's terms.
FileSystem::WholeFile ReadWholeRegularFile(const std::string& path, std::uintmax_t limit);

}  // namespace corvane::platform
