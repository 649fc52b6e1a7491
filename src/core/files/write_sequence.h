#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/files/file_system.h"
#include "core/files/record.h"

namespace corvane {

// Name of the plain working copy of the message files, in the output folder while they are written.
inline constexpr char kScratchFileName[] = "mms.dat";

// Why a file could not be written.
struct WriteFailure {
    enum class Cause {
        kSystemError,           // an operation failed with `error`
        kTargetWriteProtected,  // the existing file has no write permission bit; it is left as it is
        kNameInTheWay,          // `path`, the temporary name, is a link or other item this program never
                                // makes; it is left as it is
    };
    std::string target;     // the file that was being generated, e.g. "/media/card/menu.dat"
    std::string path;       // the file or folder the failing operation was on (may be a temporary)
    std::string operation;  // "status", "open", "write", "read", "seek", "flush", "sync", "close",
                            // "rename", "remove", "sync folder", or "free space" (checked beforehand)
    int error = 0;          // errno value
    Cause cause = Cause::kSystemError;
    std::string reason = {};  // the system's words for `error` when the file system gave them
};

struct WriteResult {
    bool ok = false;                      // true only when the data is on the medium under its name
    std::optional<WriteFailure> failure;  // set exactly when !ok
};

// The path of `name` in `folder`: folder + "/" + name, the folder exactly as held (a folder ending
// in "/" gives "//", which the file system accepts; an empty folder gives "/name"). Any length.
std::string PathInFolder(const std::string& folder, const std::string& name);

// Writes one record as the whole file `name` in `folder` (menu.dat). Takes the file system, the folder
// as held by the dialog, the file name and the 60 bytes. An existing `name` without any write
// permission bit is refused and left as it is. Temporary files of `name` that interrupted writes left
// (`name.XXXXXXXX.tmp`, or `name.tmp` of earlier versions) are removed first unless another writer holds
// their lock; a link or anything else of such a name is refused and left alone, never written through.
// The bytes go to a temporary file of this write's own in the same folder (`name.XXXXXXXX.tmp`, eight
// random hex digits), created new and locked until it has the final name, so that writers working in
// one folder at once never take each other's files. It is flushed, synced and closed, then renamed over
// `name`; then the folder is synced. Every step is checked.
// Returns ok only when all of that succeeded. On a failure before the rename, the previous file `name`
// is untouched and the temporary file is removed; on a failure of the final folder sync, `name` holds
// either the previous or the complete new file, and the result is a failure.
WriteResult WriteRecordFile(FileSystem& fs, const std::string& folder, const std::string& name,
                            const Record& record);

// The 720 bytes of a message file (setup.dat, smtp.dat) made from its 11 plain records: each record
// scrambled (bytes 0-49), then CrcRecord(CRC-16 of those 660 bytes, k).
std::array<uint8_t, 12 * kRecordSize> MessageFileBytes(const std::array<Record, 11>& plainRecords,
                                                       uint16_t k);

// Writes a message file (setup.dat, smtp.dat) from its 11 plain records. The bytes are prepared in
// memory (MessageFileBytes): no file ever holds the texts unscrambled. They are written like
// WriteRecordFile writes its record, and a scratch file mms.dat that an earlier program left in the
// folder is removed before the rename. Returns ok only when all of that succeeded. On a failure before
// the rename the folder is as it was, except that a temporary file of an earlier run may be gone; on a
// failure of the final folder sync the final file is either the previous or the complete new one.
WriteResult WriteMessageFile(FileSystem& fs, const std::string& folder, const std::string& finalName,
                             const std::array<Record, 11>& plainRecords, uint16_t k);

// The message for a failed write: names the file being generated and the system's reason, or says that
// the file is write-protected, or names the item in the way of the temporary file. Chinese when
// `language` is 1, English for any other value.
std::string DescribeWriteFailure(const WriteFailure& failure, int32_t language);

}  // namespace corvane
