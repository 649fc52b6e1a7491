#pragma once

// UTF-8 <-> UTF-16 at the seam to the W functions. Invalid UTF-8 becomes U+FFFD, as Windows converts it.

#include <string>
#include <string_view>

namespace corvane::win32 {

std::wstring ToWide(std::string_view utf8);
std::string FromWide(std::wstring_view utf16);

}  // namespace corvane::win32
