#include <cstddef>
#include <cstdint>

#include "decoder/decoder.h"
#include "inspect/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::span<const uint8_t> bytes(data, size);
    bool sound = corvane::decoder::DecodeMmsFile(bytes).faults.empty();
    corvane::inspect::fuzz::ReportBoth(corvane::inspect::FileKind::kMms, bytes, sound);
    corvane::inspect::fuzz::ReadForBothFamilies(&corvane::decoder::ReadMmsSettings, bytes, sound);
    return 0;
}
