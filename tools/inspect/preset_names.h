#pragma once

#include "inspect/report.h"

namespace corvane::inspect {

// The English country and operator names of the program's own preset tables (names only; the inspector
// reads the indexes from the file itself).
class BuiltInPresetNames final : public PresetNames {
  public:
    std::vector<std::string> Countries(PresetSet set) const override;
    std::vector<std::string> Operators(PresetSet set, int country) const override;
};

}  // namespace corvane::inspect
