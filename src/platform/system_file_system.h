#pragma once

#include <memory>

#include "core/files/file_system.h"

namespace corvane::platform {

// The file system of this operating system (linux/ or windows/).
std::unique_ptr<FileSystem> MakeSystemFileSystem();

}  // namespace corvane::platform
