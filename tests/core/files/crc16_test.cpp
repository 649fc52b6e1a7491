#include "core/files/crc16.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace corvane {
namespace {

// Slow reference: one bit at a time, MSB first, poly 0x1021.
uint16_t BitwiseCrc16(uint16_t crc, const std::vector<uint8_t>& data) {
    for (uint8_t byte : data) {
        crc = static_cast<uint16_t>(crc ^ (byte << 8));
        for (int bit = 0; bit < 8; ++bit) {
            crc = static_cast<uint16_t>((crc & 0x8000) ? (crc << 1) ^ 0x1021 : crc << 1);
        }
    }
    return crc;
}

std::vector<uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

std::vector<uint8_t> RandomBytes(std::mt19937& rng, std::size_t size) {
    std::uniform_int_distribution<int> byte(0, 255);
    std::vector<uint8_t> data(size);
    for (auto& b : data) {
        b = static_cast<uint8_t>(byte(rng));
    }
    return data;
}

struct KnownCrc {
    const char* name;
    std::vector<uint8_t> data;
    uint16_t expected;
};

TEST(Crc16Update, KnownValues) {
    std::vector<uint8_t> factoryPayload(50, 0x00);
    factoryPayload[0] = factoryPayload[1] = factoryPayload[2] = factoryPayload[3] = 0xFF;
    const std::vector<KnownCrc> cases = {
        {"empty range keeps the start value", {}, 0x0000},
        {"catalogue check", Bytes("123456789"), 0x31C3},
        {"abc", Bytes("abc"), 0x9DD6},
        {"table entry 1", {0x01}, 0x1021},
        {"table entry 255", {0xFF}, 0x1EF0},
        {"50 zero bytes", std::vector<uint8_t>(50, 0x00), 0x0000},
        {"factory payload", factoryPayload, 0x8890},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Crc16Update(0, c.data), c.expected) << c.name;
        EXPECT_EQ(Crc16Update(0, c.data.data(), static_cast<std::ptrdiff_t>(c.data.size())), c.expected)
            << c.name;
    }
}

TEST(Crc16Update, NonPositiveLengthReturnsRunningValueWithoutReading) {
    for (std::ptrdiff_t length : {0, -1, -60}) {
        for (uint16_t start : {0x0000, 0x1234, 0xFFFF}) {
            EXPECT_EQ(Crc16Update(start, nullptr, length), start) << length;
        }
    }
}

TEST(Crc16Update, TableMatchesBitwiseReferenceOnRandomData) {
    std::mt19937 rng(20240611);
    std::uniform_int_distribution<int> start(0, 0xFFFF);
    for (std::size_t size : {1u, 2u, 7u, 50u, 60u, 255u, 660u, 4096u}) {
        for (int round = 0; round < 20; ++round) {
            const auto data = RandomBytes(rng, size);
            const auto init = static_cast<uint16_t>(start(rng));
            ASSERT_EQ(Crc16Update(init, data), BitwiseCrc16(init, data)) << "size " << size;
        }
    }
}

TEST(Crc16Update, ChunkedEqualsOneShot) {
    std::mt19937 rng(7);
    for (int round = 0; round < 200; ++round) {
        const auto data = RandomBytes(rng, 660);
        const uint16_t oneShot = Crc16Update(0, data);
        uint16_t running = 0;
        std::size_t pos = 0;
        while (pos < data.size()) {
            std::uniform_int_distribution<std::size_t> chunk(0, std::min<std::size_t>(61, data.size() - pos));
            const std::size_t n = chunk(rng);
            running = Crc16Update(running, data.data() + pos, static_cast<std::ptrdiff_t>(n));
            pos += n;
        }
        ASSERT_EQ(running, oneShot);
    }
    // The catalogue check value, split into the 60-byte reads the writers use and an odd remainder.
    const auto check = Bytes("123456789");
    EXPECT_EQ(Crc16Update(Crc16Update(0, check.data(), 4), check.data() + 4, 5), 0x31C3);
}

}  // namespace
}  // namespace corvane
