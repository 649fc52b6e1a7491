#pragma once

// The one shape of every text table: a row per text with its words in the ten languages, and a pair per
// message (messages exist in Chinese and English only).

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/l10n/language.h"
#include "core/l10n/per_language.h"

namespace corvane {

// One text in every language of the catalogue, in its order: Chinese, English, German, Finnish, Italian,
// French, Hungarian, Slovenian, Czech, Japanese. A language without its own word repeats another's.
using TextRow = PerLanguage<std::string_view>;

// The row's text for any language value; values outside the catalogue give the English text.
constexpr std::string_view TextIn(const TextRow& row, int32_t language) {
    return row.In(language);
}

// The row's texts of the entries of a list, in index order, for any language value.
template <std::size_t N>
constexpr std::array<std::string_view, N> EntriesIn(const std::array<TextRow, N>& entries, int32_t language) {
    std::array<std::string_view, N> texts{};
    for (std::size_t i = 0; i < N; ++i) {
        texts[i] = TextIn(entries[i], language);
    }
    return texts;
}

struct MessagePair {
    std::string_view english;
    std::string_view chinese;
};

// The message's Chinese text for language 1, its English text otherwise.
constexpr std::string_view MessageIn(const MessagePair& pair, int32_t language) {
    return MessagesInChinese(language) ? pair.chinese : pair.english;
}

}  // namespace corvane
