#include "core/files/crc16.h"

#include <array>

namespace corvane {
namespace {

// Entry i is the CRC of the single byte i.
constexpr std::array<uint16_t, 256> MakeTable() {
    std::array<uint16_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        unsigned crc = i << 8;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 0x8000) ? (crc << 1) ^ 0x1021 : crc << 1;
        }
        table[i] = static_cast<uint16_t>(crc & 0xFFFF);
    }
    return table;
}

constexpr std::array<uint16_t, 256> kTable = MakeTable();
static_assert(kTable[1] == 0x1021);

}  // namespace

uint16_t Crc16Update(uint16_t crc, const uint8_t* data, std::ptrdiff_t length) {
    for (std::ptrdiff_t i = 0; i < length; ++i) {
        const unsigned index = (data[i] ^ (crc >> 8)) & 0xFF;
        crc = static_cast<uint16_t>((crc << 8) ^ kTable[index]);
    }
    return crc;
}

uint16_t Crc16Update(uint16_t crc, std::span<const uint8_t> data) {
    return Crc16Update(crc, data.data(), static_cast<std::ptrdiff_t>(data.size()));
}

}  // namespace corvane
