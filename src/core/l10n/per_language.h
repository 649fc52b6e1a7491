#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "core/l10n/language.h"

namespace corvane {

template <typename T, typename Slots = std::make_index_sequence<static_cast<std::size_t>(kLanguageCount)>>
class PerLanguage;

// One value per language of the catalogue, in catalogue order. Its constructor takes exactly one entry per
// language, so a table row that misses a language does not compile (a plain std::array would quietly
// leave the missing entries empty).
template <typename T, std::size_t... Slot>
class PerLanguage<T, std::index_sequence<Slot...>> {
    template <std::size_t>
    using Entry = T;

  public:
    constexpr PerLanguage(Entry<Slot>... entries) : entries_{entries...} {}

    // The entry of `language`; values outside the catalogue give the default language's entry.
    constexpr const T& In(int32_t language) const {
        return entries_[static_cast<std::size_t>(DisplayLanguage(language) - 1)];
    }

  private:
    std::array<T, sizeof...(Slot)> entries_;
};

}  // namespace corvane
