#pragma once

// UTF-8 inside the program, UTF-16 at the Windows calls: the two directions of that seam.

#include <string>
#include <string_view>

namespace corvane::platform {

// `text` (UTF-8) as UTF-16 for the W functions; an invalid sequence becomes U+FFFD.
std::wstring ToWide(std::string_view text);

// `text` (UTF-16 from a W function) as UTF-8; an unpaired surrogate becomes U+FFFD.
std::string FromWide(std::wstring_view text);

}  // namespace corvane::platform
