#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace corvane {

// CRC-16/XMODEM: width 16, poly 0x1021, init 0x0000, refin false, refout false, xorout 0x0000,
// check 0x31C3 (= CRC of "123456789").
//
// Takes the running value (0 to start a computation) and `length` bytes at `data`; returns the updated
// running value. A length of zero or less returns `crc` unchanged and does not touch `data`.
uint16_t Crc16Update(uint16_t crc, const uint8_t* data, std::ptrdiff_t length);

// Same over a range; an empty range returns `crc` unchanged.
uint16_t Crc16Update(uint16_t crc, std::span<const uint8_t> data);

}  // namespace corvane
