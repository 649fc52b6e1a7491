#include <gtest/gtest.h>

#include <cstdint>

#include "core/files/record.h"
#include "core/files/scramble.h"

namespace corvane {
namespace {

TEST(Record, NewRecordIsZeroWithClosingCrLf) {
    const Record record = NewRecord();
    for (std::size_t i = 0; i < 58; ++i) {
        EXPECT_EQ(record[i], 0x00) << i;
    }
    EXPECT_EQ(record[58], 0x0D);
    EXPECT_EQ(record[59], 0x0A);
}

TEST(Record, StoreLe16PutsLowByteFirst) {
    Record record = NewRecord();
    StoreLe16(record, record_offset::kCrcLow, 0x9A01);
    EXPECT_EQ(record[56], 0x01);
    EXPECT_EQ(record[57], 0x9A);
    EXPECT_EQ(record[55], 0x00);
    EXPECT_EQ(record[58], 0x0D);
}

TEST(ScrambleByte, KnownValues) {
    struct Case {
        uint8_t plain;
        uint8_t stored;
    };
    for (const Case& c : {Case{0x00, 0xFF}, Case{0xFF, 0x00}, Case{0x41, 0xEB}, Case{0x0F, 0x0F},
                          Case{0x12, 0xDE}, Case{0x30, 0xFC}, Case{0xA5, 0xA5}}) {
        EXPECT_EQ(ScrambleByte(c.plain), c.stored) << int{c.plain};
    }
}

TEST(ScrambleByte, IsItsOwnInverseAndAPermutation) {
    bool seen[256] = {};
    for (int b = 0; b < 256; ++b) {
        const uint8_t s = ScrambleByte(static_cast<uint8_t>(b));
        EXPECT_EQ(ScrambleByte(s), b);
        EXPECT_FALSE(seen[s]) << b;
        seen[s] = true;
    }
}

TEST(ScrambleRecord, ScramblesPayloadAndKeepsBytes50To59) {
    Record plain = NewRecord();
    for (std::size_t i = 0; i < 50; ++i) {
        plain[i] = static_cast<uint8_t>(0x41 + i);
    }
    plain[50] = 0x00;
    plain[55] = 0x7F;
    plain[57] = 23;  // text length byte
    const Record stored = ScrambleRecord(plain);
    EXPECT_EQ(stored[0], 0xEB);
    for (std::size_t i = 0; i < 50; ++i) {
        EXPECT_EQ(stored[i], ScrambleByte(plain[i])) << i;
    }
    for (std::size_t i = 50; i < 60; ++i) {
        EXPECT_EQ(stored[i], plain[i]) << i;
    }
    // An all-zero payload is stored as 0xFF.
    const Record empty = ScrambleRecord(NewRecord());
    EXPECT_EQ(empty[49], 0xFF);
    EXPECT_EQ(empty[50], 0x00);
}

TEST(CrcRecord, StoresCrcPlusKModulo65536) {
    struct Case {
        uint16_t crc;
        uint16_t k;
        uint8_t low;
        uint8_t high;
    };
    const Case cases[] = {
        {0x1234, 0, 0x34, 0x12},                            // setup.dat without offset
        {0x1234, 18, 0x46, 0x12},                           // setup.dat with offset 18
        {0x1234, 15, 0x43, 0x12},                           // smtp.dat
        {0xFFF0, 15, 0xFF, 0xFF},                           // just below the wrap
        {0xFFF1, 15, 0x00, 0x00},                           // wraps to zero
        {0xFFFF, 15, 0x0E, 0x00},                           // wraps to a small value
        {0xFFFA, 18, 0x0C, 0x00}, {0x00FF, 1, 0x00, 0x01},  // carry into the high byte
    };
    for (const Case& c : cases) {
        const Record record = CrcRecord(c.crc, c.k);
        for (std::size_t i = 0; i < 56; ++i) {
            ASSERT_EQ(record[i], 0x00) << i;
        }
        EXPECT_EQ(record[56], c.low) << std::hex << c.crc << "+" << c.k;
        EXPECT_EQ(record[57], c.high) << std::hex << c.crc << "+" << c.k;
        EXPECT_EQ(record[58], 0x0D);
        EXPECT_EQ(record[59], 0x0A);
    }
}

}  // namespace
}  // namespace corvane
