#include "core/presets/presets.h"

#include <array>

#include "core/l10n/language.h"
#include "core/presets/preset_table.h"

namespace corvane {
namespace {

constexpr std::string_view kChinaInChinese = "中国";
constexpr std::array<std::string_view, 2> kChineseOperatorsOfChina = {"中国移动", "中国联通"};

bool InSet(PresetSet set, int country) {
    const int countries = set == PresetSet::kGprs ? kGprsCountryCount : kMmsCountryCount;
    return country >= 0 && country < countries;
}

// The MMS list whose entry 0 is in Chinese; built once, kept for the life of the process.
const std::array<std::string_view, kMmsCountryCount>& MmsCountryNamesInChinese() {
    static const std::array<std::string_view, kMmsCountryCount> names = [] {
        auto copy = preset_table::kMmsCountryNames;
        copy[0] = kChinaInChinese;
        return copy;
    }();
    return names;
}

bool InUsedSlots(PresetSet set, int country, int operatorIndex) {
    return InSet(set, country) && operatorIndex >= 0 && operatorIndex < OperatorCount(set, country);
}

}  // namespace

std::span<const std::string_view> CountryNames(PresetSet set, int32_t language) {
    if (set == PresetSet::kGprs) {
        return preset_table::kGprsCountryNames;
    }
    if (language == kChinese) {
        return MmsCountryNamesInChinese();
    }
    return preset_table::kMmsCountryNames;
}

int OperatorCount(PresetSet set, int country) {
    if (!InSet(set, country)) {
        return 0;
    }
    const auto i = static_cast<std::size_t>(country);
    return set == PresetSet::kGprs ? preset_table::kGprsOperatorCounts[i]
                                   : preset_table::kMmsOperatorCounts[i];
}

std::vector<std::string_view> OperatorNames(PresetSet set, int country, int32_t language) {
    std::vector<std::string_view> names;
    const int count = OperatorCount(set, country);
    const auto i = static_cast<std::size_t>(country);
    for (int slot = 0; slot < count; ++slot) {
        const auto s = static_cast<std::size_t>(slot);
        if (set == PresetSet::kGprs) {
            names.push_back(preset_table::kGprsGrid[i][s].name);
        } else if (country == 0 && language == kChinese && s < kChineseOperatorsOfChina.size()) {
            names.push_back(kChineseOperatorsOfChina[s]);
        } else {
            names.push_back(preset_table::kMmsGrid[i][s].name);
        }
    }
    return names;
}

std::optional<GprsPreset> GprsPresetAt(int country, int operatorIndex) {
    if (!InUsedSlots(PresetSet::kGprs, country, operatorIndex)) {
        return std::nullopt;
    }
    return preset_table::kGprsGrid[static_cast<std::size_t>(country)][static_cast<std::size_t>(operatorIndex)]
        .columns;
}

std::optional<MmsPreset> MmsPresetAt(int country, int operatorIndex) {
    if (!InUsedSlots(PresetSet::kMms, country, operatorIndex)) {
        return std::nullopt;
    }
    return preset_table::kMmsGrid[static_cast<std::size_t>(country)][static_cast<std::size_t>(operatorIndex)]
        .columns;
}

bool PresetHasAutoSettings(PresetSet set, int country, int operatorIndex) {
    if (set == PresetSet::kMms) {
        const std::optional<MmsPreset> preset = MmsPresetAt(country, operatorIndex);
        return preset && !preset->url.empty() && !preset->apn.empty();
    }
    const std::optional<GprsPreset> preset = GprsPresetAt(country, operatorIndex);
    return preset && !preset->apn.empty();
}

}  // namespace corvane
