#pragma once

#include <optional>
#include <string>

#include "core/files/file_system.h"
#include "core/files/record.h"
#include "core/files/write_sequence.h"
#include "core/l10n/language.h"
#include "core/models/app_settings.h"

namespace corvane {

inline constexpr char kMenuFileName[] = "menu.dat";

// Which button asked for the file: generate (normal) or factory settings.
enum class MenuRecordKind { kNormal, kFactory };

struct MenuWriteOutcome {
    bool written = false;                 // menu.dat holds the record and is on the medium
    std::optional<std::string> message;   // what to show; empty for the rows of the table without one
    std::optional<WriteFailure> failure;  // set exactly when !written
};

// The success message for a written menu.dat: takes the kind of record, the family of the dialog that
// wrote it, AppSettings' model and language (Chinese for 1, English otherwise). Returns no message for
// a model outside 1..4 (and for models 1 and 3 in an 8620 dialog).
std::optional<std::string> MenuResultMessage(MenuRecordKind kind, ModelFamily dialogFamily, ModelId model,
                                             int32_t language);

// Writes `record` as menu.dat in `folder` (the folder as held by the dialog) through the checked
// sequence of WriteRecordFile. Returns written = true with the success message (possibly none), or
// written = false with the error message naming the file and the system's reason. Never shows anything.
MenuWriteOutcome WriteMenuFile(FileSystem& fs, const std::string& folder, const Record& record,
                               MenuRecordKind kind, ModelFamily dialogFamily, ModelId model,
                               int32_t language);

}  // namespace corvane
