#pragma once

#include <cstdint>
#include <string>

namespace corvane {

// Takes a LanguageId (Chinese for 1, English otherwise), the folder field's limit in characters and the
// folder the field keeps; returns the message shown when a longer folder was typed, pasted or chosen.
std::string FolderTooLongMessage(int32_t language, int limit, const std::string& keptFolder);

// Takes a LanguageId (Chinese for 1, English otherwise) and the folder as typed; returns the message shown
// when a folder that is not a full path was typed (nothing is written or read there).
std::string FolderNotAbsoluteMessage(int32_t language, const std::string& typedFolder);

}  // namespace corvane
