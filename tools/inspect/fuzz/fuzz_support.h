#pragma once

// Shared by the fuzz targets: a small name table, so that indexes both inside and outside it are reached.

#include <cstdlib>
#include <span>
#include <sstream>
#include <string>
#include <vector>

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

}  // namespace corvane::inspect::fuzz
