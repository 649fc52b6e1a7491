#pragma once

// What the three setup dialogs share to read their file back from the card: the decoder's family of a
// dialog, the message of a file that is not read, and the check that a preset index lies in the lists.

#include <cstdint>
#include <optional>
#include <string>

#include "core/models/models.h"
#include "core/presets/presets.h"
#include "decoder/setup_file_reader.h"

namespace corvane {

decoder::Family DecoderFamily(ModelFamily family);

// The message of a file at `path` that is not read, in the dialog's language, with the decoder's finding.
std::string ReadBackMessage(int32_t language, const std::string& path, const decoder::Finding& finding);

// A refusal when the country or operator index of an Auto-mode file has no entry in the dialog's lists
// (the lists of `set` in `language`), or nothing when both have one.
std::optional<decoder::Finding> PresetOutOfList(PresetSet set, int32_t language, int country,
                                                int operatorIndex);

}  // namespace corvane
