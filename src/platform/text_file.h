#pragma once

#include <string>
#include <string_view>

namespace corvane::platform {

// Replaces the file `path` by `bytes` in one step: a new temporary file beside it (path + ".tmp", never
// through a link) gets the bytes and is synced, then renamed over `path`. With `ownerOnly` the file is
// created readable and writable by its owner only (it holds passwords), otherwise as the umask allows.
// Returns 0, or the errno value of the step that failed; on a failure `path` is as it was.
int ReplaceTextFile(const std::string& path, std::string_view bytes, bool ownerOnly);

}  // namespace corvane::platform
