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
    std::string target;     // the file that was being generated, e.g. "/media/card/menu.dat"
    std::string path;       // the file or folder the failing operation was on (may be a temporary)
    std::string operation;  // "open", "write", "read", "seek", "flush", "sync", "close", "rename",
                            // "remove" or "sync folder"
    int error = 0;          // errno value
};

struct WriteResult {
    bool ok = false;                      // true only when the data is on the medium under its name
    std::optional<WriteFailure> failure;  // set exactly when !ok
};

// The path of `name` in `folder`: folder + "/" + name, the folder exactly as held (a folder ending
// in "/" gives "//", which the file system accepts; an empty folder gives "/name"). Any length.
std::string PathInFolder(const std::string& folder, const std::string& name);

// Name under which `name` is written before it replaces the final file: name + ".tmp".
std::string TemporaryNameFor(const std::string& name);

// Writes one record as the whole file `name` in `folder` (menu.dat). Takes the file system, the folder
// as held by the dialog, the file name and the 60 bytes. The bytes go to a temporary file in the same
// folder, which is flushed, synced and closed, then renamed over `name`; then the folder is synced.
// Every step is checked. Returns ok only when all of that succeeded. On a failure before the rename,
// the previous file `name` is untouched and the temporary file is removed; on a failure of the final
// folder sync, `name` holds either the previous or the complete new file, and the result is a failure.
WriteResult WriteRecordFile(FileSystem& fs, const std::string& folder, const std::string& name,
                            const Record& record);

// Writes a message file (setup.dat, smtp.dat) from its 11 plain records, in the established order:
// the scratch file mms.dat gets record 1 ("wb"), then records 2-11 ("ab"), then, when given,
// `plainChecksumForScratch` ("ab", the MMS variant); each record is read back from the scratch file,
// scrambled (bytes 0-49) and written to the final file; the 660 stored bytes are read back for the
// CRC-16, and CrcRecord(crc, k) is appended; the scratch file is deleted. The final file is built under
// a temporary name in the same folder, flushed and synced, and renamed over `finalName` only when it is
// complete; the folder is synced last. Every step is checked. Returns ok only when all of that
// succeeded. On a failure before the rename the previous final file is untouched, and neither the
// temporary file nor mms.dat is left behind (as far as removing them still works); on a failure of the
// final folder sync the final file is either the previous or the complete new one.
WriteResult WriteMessageFile(FileSystem& fs, const std::string& folder, const std::string& finalName,
                             const std::array<Record, 11>& plainRecords,
                             const std::optional<Record>& plainChecksumForScratch, uint16_t k);

// The message for a failed write: names the file being generated and the system's reason. Chinese when
// `language` is 1, English for any other value.
std::string DescribeWriteFailure(const WriteFailure& failure, int32_t language);

}  // namespace corvane
