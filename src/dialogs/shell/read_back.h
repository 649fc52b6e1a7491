#pragma once

// What the three setup dialogs share to read their file back from the card: reading it through the
// dialog's file system, the decoder's family of a dialog, the message of a file that is not read, and the
// check that a preset index lies in the lists.

#include <cstdint>
#include <optional>
#include <string>

#include "core/files/file_system.h"
#include "core/models/models.h"
#include "core/presets/presets.h"
#include "decoder/setup_file_reader.h"

namespace corvane {

decoder::Family DecoderFamily(ModelFamily family);

// The file at `path` read through `fs` as the decoder reads a file from disk itself (the same limit and
// the same refusals), so that a test's file system can make the read fail.
decoder::LoadedFile LoadSetupFile(FileSystem& fs, const std::string& path);

// The message of a file at `path` that is not read, in the dialog's language, with the decoder's finding.
std::string ReadBackMessage(int32_t language, const std::string& path, const decoder::Finding& finding);

// A refusal when the country or operator index of an Auto-mode file has no entry in the dialog's lists
// (the lists of `set` in `language`), or nothing when both have one.
std::optional<decoder::Finding> PresetOutOfList(PresetSet set, int32_t language, int country,
                                                int operatorIndex);

}  // namespace corvane
