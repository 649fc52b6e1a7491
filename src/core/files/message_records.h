#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/files/record.h"
#include "core/files/write_sequence.h"

// What the two message files (setup.dat, smtp.dat) share above the record frame: the text record,
// the refusal of a value that does not fit its record, and the writers' result.
namespace corvane {

// Position of "Off" in the SMS remote-control list (after the hours 0..24), and the value both files store
// for it.
inline constexpr int kRemoteControlOff = 25;

// Offset of the mode flag (1 Auto, 0 Manual) in both message-file headers.
inline constexpr std::size_t kMessageHeaderModeFlag = 55;

// Longest text a text record holds: the scrambled payload, bytes 0-49. Longer texts would reach the
// bytes the camera reads unscrambled, so they are refused rather than cut.
inline constexpr std::size_t kMaxRecordTextBytes = kPayloadSize;

// Takes a text as its bytes (no conversion, no terminator); returns the plain text record: the bytes
// from offset 0, zeros up to 56, the byte length at 57, 0x0D 0x0A. Refuses a text longer than
// kMaxRecordTextBytes by returning nothing.
std::optional<Record> MessageTextRecord(std::string_view text);

// A value that a writer refused before touching any file.
struct RefusedValue {
    enum class Kind { kTextTooLong, kOutOfRange };
    Kind kind = Kind::kTextTooLong;
    std::string target;  // the file that was to be generated
    std::string field;   // the value's name, e.g. "url"
    int64_t value = 0;   // the text's length in bytes, or the number given
    int64_t min = 0;     // the allowed range; for texts 0 to kMaxRecordTextBytes
    int64_t max = 0;
};

// The 11 plain records of a message file, or the first value that does not fit its record.
struct MessageRecords {
    std::array<Record, 11> plain{};
    std::optional<RefusedValue> refused;
};

// Outcome of writing setup.dat or smtp.dat. `completed` is true only when the final file is complete
// under its name and no scratch file mms.dat is left; otherwise exactly one of the two reasons is set.
struct MessageFileResult {
    bool completed = false;
    std::optional<RefusedValue> refused;       // nothing was written
    std::optional<WriteFailure> writeFailure;  // the previous final file is kept
};

// Takes a refused value and a LanguageId; returns the message naming the file, the value and its
// limit, in Chinese for language 1 and in English otherwise.
std::string DescribeRefusedValue(const RefusedValue& refused, int32_t language);

// Takes a result that is not completed and a LanguageId; returns its message (the refusal or the write
// failure). Returns "" for a completed result.
std::string DescribeMessageFileFailure(const MessageFileResult& result, int32_t language);

// Runs the shared write sequence for records built by one of the message files; refused records are
// passed through without touching the file system.
MessageFileResult WriteMessageRecords(FileSystem& fs, const std::string& outputFolder,
                                      const std::string& finalName, const MessageRecords& records,
                                      uint16_t k);

}  // namespace corvane
