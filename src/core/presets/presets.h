#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace corvane {

// The two independent operator preset sets. An operator index of one set means nothing in the other.
enum class PresetSet { kGprs, kMms };

inline constexpr int kOperatorSlots = 10;
inline constexpr int kGprsCountryCount = 41;
inline constexpr int kMmsCountryCount = 42;

// Data-access columns, used by the e-mail dialog. Empty columns are "", never absent.
struct GprsPreset {
    std::string_view apn = "";
    std::string_view account = "";
    std::string_view password = "";
};

// MMS columns, used by the MMS dialog.
struct MmsPreset {
    std::string_view url = "";
    std::string_view apn = "";
    std::string_view gateway = "";
    std::string_view port = "";
    std::string_view account = "";
    std::string_view password = "";
};

// One used slot: the operator's display name and the columns of its set.
template <typename Columns>
struct OperatorPreset {
    std::string_view name = "";
    Columns columns{};
};

// Takes a set and a LanguageId; returns the set's country list in index order (41 data-access names,
// 42 MMS names). The MMS list starts with "中国" when `language` is Chinese (1) and "China" otherwise;
// the data-access list ignores the language. The strings live as long as the program.
std::span<const std::string_view> CountryNames(PresetSet set, int32_t language);

// Takes a set and a country index; returns the number of used operator slots (1 to 9). Refuses a
// country outside the set by returning 0.
int OperatorCount(PresetSet set, int country);

// Takes a set, a country index and a LanguageId; returns the display names of the used slots in slot
// order. For the MMS set, country 0 is named in Chinese when `language` is 1. Refuses a country outside
// the set by returning an empty list.
std::vector<std::string_view> OperatorNames(PresetSet set, int country, int32_t language);

// Takes a data-access country and operator index; returns that row's columns. Refuses an index outside
// the set or past the country's used slots by returning nothing.
std::optional<GprsPreset> GprsPresetAt(int country, int operatorIndex);

// Takes an MMS country and operator index; returns that row's columns. Refuses an index outside the
// set or past the country's used slots by returning nothing.
std::optional<MmsPreset> MmsPresetAt(int country, int operatorIndex);

// Takes a set, a country index and an operator index; tells whether that operator's preset holds what
// Auto mode writes for it: for the MMS set (setup.dat) the MMS centre (url) and the access point (apn),
// for the data-access set (smtp.dat) the access point. A gateway, account or password may be empty
// (some operators publish none). Returns false for an index outside the set or its used slots.
bool PresetHasAutoSettings(PresetSet set, int country, int operatorIndex);

}  // namespace corvane
