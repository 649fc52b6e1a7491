#pragma once

// Shared by the fuzz targets: a small name table, so that indexes both inside and outside it are reached.

#include <cstdlib>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "decoder/setup_file_reader.h"
#include "inspect/report.h"

namespace corvane::inspect::fuzz {

class SmallNames : public PresetNames {
  public:
    std::vector<std::string> Countries(PresetSet) const override {
        return {"China", "Deutschland", "Cyprus"};
    }
    std::vector<std::string> Operators(PresetSet, int country) const override {
        if (country == 1) {
            return {"Vodafone", "T-Mobile", "E-Plus", "O2"};
        }
        return {"Only"};
    }
};

// Reports the bytes as the given kind, with and without names and secrets; a report must end in a newline
// and a sound verdict must agree with the decoder's own.
inline void ReportBoth(FileKind kind, std::span<const uint8_t> bytes, bool decoderSound) {
    static const SmallNames names;
    for (int variant = 0; variant < 2; ++variant) {
        std::ostringstream out;
        ReportOptions options;
        options.showSecrets = variant == 1;
        options.names = variant == 1 ? &names : nullptr;
        bool sound = ReportFile("fuzz.dat", kind, bytes, options, out);
        std::string text = out.str();
        if (text.empty() || text.back() != '\n') {
            std::abort();
        }
        // Names can only add faults, never take one away.
        if (sound && !decoderSound) {
            std::abort();
        }
        if (!options.names && sound != decoderSound) {
            std::abort();
        }
    }
    (void)KindFromContent(bytes);
}

// Reads the bytes as a setup dialog of each family does: exactly one of settings and refusal, and settings
// only from a file the decoder finds sound.
template <typename Settings>
void ReadForBothFamilies(decoder::Reading<Settings> (*read)(std::span<const uint8_t>, decoder::Family),
                         std::span<const uint8_t> bytes, bool decoderSound) {
    for (decoder::Family family : {decoder::Family::k8520, decoder::Family::k8620}) {
        const decoder::Reading<Settings> reading = read(bytes, family);
        if (reading.settings.has_value() == reading.refusal.has_value()) {
            std::abort();
        }
        if (reading.settings && !decoderSound) {
            std::abort();
        }
        if (reading.refusal && reading.refusal->what.empty()) {
            std::abort();
        }
    }
}

}  // namespace corvane::inspect::fuzz
