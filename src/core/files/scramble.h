#pragma once

#include <cstdint>

#include "core/files/record.h"

namespace corvane {

// Stored form of one payload byte of the message files: the complement with its two nibbles swapped
// (0x00 -> 0xFF, 0x41 -> 0xEB). Applying it twice gives the byte back.
constexpr uint8_t ScrambleByte(uint8_t b) {
    const unsigned inverted = static_cast<uint8_t>(~b);
    return static_cast<uint8_t>(((inverted << 4) | (inverted >> 4)) & 0xFF);
}

// Takes a plain record and returns it with bytes 0-49 scrambled; bytes 50-59 are kept as they are.
Record ScrambleRecord(const Record& plain);

// Closing record of the message files: bytes 0-55 zero, (crc + k) modulo 65536 at bytes 56-57 low byte
// first, 0x0D 0x0A at 58-59. `crc` is the CRC-16 over the 660 stored bytes before it.
Record CrcRecord(uint16_t crc, uint16_t k);

}  // namespace corvane
