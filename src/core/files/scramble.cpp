#include "core/files/scramble.h"

namespace corvane {

Record ScrambleRecord(const Record& plain) {
    Record out = plain;
    for (std::size_t i = record_offset::kPayload; i < record_offset::kPayloadEnd; ++i) {
        out[i] = ScrambleByte(plain[i]);
    }
    return out;
}

Record CrcRecord(uint16_t crc, uint16_t k) {
    Record record = NewRecord();
    StoreLe16(record, record_offset::kCrcLow, static_cast<uint16_t>((crc + k) & 0xFFFF));
    return record;
}

}  // namespace corvane
