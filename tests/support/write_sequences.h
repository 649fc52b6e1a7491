#pragma once

// The three write sequences (menu.dat, and the message files setup.dat and smtp.dat) as the writer tests
// drive them on every system, with the bytes each must leave.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/files/record.h"
#include "core/files/write_sequence.h"
#include "support/test_folders.h"

namespace corvane::testing {

// The records that tests/data/make_message_goldens.py scrambles into the golden files.
inline std::array<Record, 11> PatternRecords() {
    std::array<Record, 11> records{};
    for (std::size_t i = 0; i < records.size(); ++i) {
        records[i] = NewRecord();
        for (std::size_t j = 0; j < 50; ++j) {
            records[i][j] = static_cast<uint8_t>((i * 50 + j * 7 + 3) & 0xFF);
        }
        records[i][57] = static_cast<uint8_t>(i + 1);
    }
    return records;
}

inline Record MenuLikeRecord() {
    Record record = NewRecord();
    for (std::size_t i = 0; i < 50; ++i) {
        record[i] = static_cast<uint8_t>(i + 1);
    }
    record[56] = 0x12;
    record[57] = 0x34;
    return record;
}

// One write sequence as the tests drive it.
struct Sequence {
    const char* name;
    std::string finalName;
    std::function<WriteResult(FileSystem&, const std::string&)> run;
    std::function<Bytes()> expected;
};

inline std::vector<Sequence> Sequences() {
    return {
        {"menu.dat", "menu.dat",
         [](FileSystem& fs, const std::string& folder) {
             return WriteRecordFile(fs, folder, "menu.dat", MenuLikeRecord());
         },
         [] { return ToBytes(MenuLikeRecord()); }},
        {"setup.dat, k 18", "setup.dat",
         [](FileSystem& fs, const std::string& folder) {
             return WriteMessageFile(fs, folder, "setup.dat", PatternRecords(), 18);
         },
         [] { return Golden("message_file_k18.dat"); }},
        {"smtp.dat, k 15", "smtp.dat",
         [](FileSystem& fs, const std::string& folder) {
             return WriteMessageFile(fs, folder, "smtp.dat", PatternRecords(), 15);
         },
         [] { return Golden("message_file_k15.dat"); }},
    };
}

// What a previous run left as the final file.
inline Bytes PreviousFile(std::size_t size) {
    return Bytes(size, 0x5A);
}

}  // namespace corvane::testing
