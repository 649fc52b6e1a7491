#include "core/files/record.h"

namespace corvane {

Record NewRecord() {
    Record record{};
    record[record_offset::kCarriageReturn] = 0x0D;
    record[record_offset::kLineFeed] = 0x0A;
    return record;
}

void StoreLe16(Record& record, std::size_t offset, uint16_t value) {
    record.at(offset) = static_cast<uint8_t>(value & 0xFF);
    record.at(offset + 1) = static_cast<uint8_t>(value >> 8);
}

}  // namespace corvane
