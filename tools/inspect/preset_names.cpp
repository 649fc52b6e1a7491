#include "inspect/preset_names.h"

#include "core/l10n/language.h"
#include "core/presets/presets.h"

namespace corvane::inspect {

namespace {

corvane::PresetSet ToCore(PresetSet set) {
    return set == PresetSet::kMms ? corvane::PresetSet::kMms : corvane::PresetSet::kGprs;
}

}  // namespace

std::vector<std::string> BuiltInPresetNames::Countries(PresetSet set) const {
    std::vector<std::string> names;
    for (std::string_view name : CountryNames(ToCore(set), kEnglish)) {
        names.emplace_back(name);
    }
    return names;
}

std::vector<std::string> BuiltInPresetNames::Operators(PresetSet set, int country) const {
    std::vector<std::string> names;
    for (std::string_view name : OperatorNames(ToCore(set), country, kEnglish)) {
        names.emplace_back(name);
    }
    return names;
}

}  // namespace corvane::inspect
