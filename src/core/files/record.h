#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace corvane {

// Every generated file is a sequence of these fixed 60-byte records.
inline constexpr std::size_t kRecordSize = 60;
using Record = std::array<uint8_t, kRecordSize>;

// Offsets inside a record.
namespace record_offset {
// Bytes [kPayload, kPayloadEnd) carry the file-specific payload; text is stored without terminator.
inline constexpr std::size_t kPayload = 0;
inline constexpr std::size_t kPayloadEnd = 50;
// menu.dat keeps its CRC-16 here, low byte first; the closing checksum record of the message files
// keeps its checksum value at the same two bytes.
inline constexpr std::size_t kCrcLow = 56;
inline constexpr std::size_t kCrcHigh = 57;
// Text records of the message files store the text length here.
inline constexpr std::size_t kTextLength = 57;
inline constexpr std::size_t kCarriageReturn = 58;
inline constexpr std::size_t kLineFeed = 59;
}  // namespace record_offset

inline constexpr std::size_t kPayloadSize = record_offset::kPayloadEnd - record_offset::kPayload;

// Returns a record with every byte zero except the closing 0x0D 0x0A at bytes 58-59.
Record NewRecord();

// Stores a 16-bit value at `offset` (low byte) and `offset + 1` (high byte). Refuses nothing: the caller
// passes an offset of at most 58.
void StoreLe16(Record& record, std::size_t offset, uint16_t value);

}  // namespace corvane
