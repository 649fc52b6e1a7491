#pragma once

// corvane-write: writes the files a settings file holds into a folder, or onto card after card.

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "write/write_environment.h"

namespace corvane::write {

inline constexpr int kExitOk = 0;
inline constexpr int kExitWriteFailed = 1;
inline constexpr int kExitBadInput = 2;

std::string UsageText();

// The whole program: args without the program name. Messages go to out, usage errors and refused settings
// files to err. Exit status: 0 written, 1 a write failed (with --each-card: a card failed), 2 a bad command
// line or settings file.
int RunWrite(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             WriteEnvironment& env, std::string_view version);

}  // namespace corvane::write
