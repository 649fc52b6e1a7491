#pragma once

// Hand-built setup files for the inspector's tests, made from the file layouts directly. The forward byte
// transform lives here, apart from the inspector's reverse one.

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "decoder/decoder.h"

namespace corvane::inspect::testfiles {

using Bytes = std::vector<uint8_t>;

inline uint8_t Scramble(uint8_t b) {
    uint8_t c = static_cast<uint8_t>(~b);
    return static_cast<uint8_t>((c << 4) | (c >> 4));
}

// Stores the CRC of bytes 0..49 at 56..57, low byte first.
inline void SealMenu(Bytes& menu) {
    uint16_t crc = decoder::Crc16(std::span<const uint8_t>(menu).first(50));
    menu[56] = static_cast<uint8_t>(crc & 0xFF);
    menu[57] = static_cast<uint8_t>(crc >> 8);
}

// A menu record with the given bytes set, framed and sealed.
inline Bytes MenuRecord(std::initializer_list<std::pair<size_t, uint8_t>> values) {
    Bytes b(60, 0);
    for (auto [offset, value] : values) {
        b[offset] = value;
    }
    b[58] = 0x0D;
    b[59] = 0x0A;
    SealMenu(b);
    return b;
}

// Recomputes the checksum record: CRC over the 660 stored bytes plus offset k.
inline void SealMessage(Bytes& file, uint16_t k) {
    uint16_t sum = static_cast<uint16_t>(decoder::Crc16(std::span<const uint8_t>(file).first(660)) + k);
    file[716] = static_cast<uint8_t>(sum & 0xFF);
    file[717] = static_cast<uint8_t>(sum >> 8);
}

// setup.dat or smtp.dat: header (plain bytes 0..49 and the mode flag), ten texts, checksum with offset k.
inline Bytes MessageFile(const std::array<uint8_t, 50>& header, uint8_t autoFlag,
                         const std::array<std::string, 10>& texts, uint16_t k) {
    Bytes file(720, 0);
    for (size_t r = 0; r < 11; ++r) {
        uint8_t* rec = file.data() + r * 60;
        std::array<uint8_t, 50> plain{};
        if (r == 0) {
            plain = header;
            rec[55] = autoFlag;
        } else {
            const std::string& t = texts[r - 1];
            for (size_t i = 0; i < t.size() && i < 50; ++i) {
                plain[i] = static_cast<uint8_t>(t[i]);
            }
            rec[57] = static_cast<uint8_t>(t.size());
        }
        for (size_t i = 0; i < 50; ++i) {
            rec[i] = Scramble(plain[i]);
        }
        rec[58] = 0x0D;
        rec[59] = 0x0A;
    }
    file[718] = 0x0D;
    file[719] = 0x0A;
    SealMessage(file, k);
    return file;
}

inline void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline Bytes ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace corvane::inspect::testfiles
