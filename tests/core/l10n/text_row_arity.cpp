// Compiled by the tests, never linked: a text row with an entry for every language compiles, and the same
// row with one language missing (SHORT_ROW) must not.
#include "core/l10n/text_row.h"

namespace corvane {

#ifdef SHORT_ROW
constexpr TextRow kRow = {"一", "one", "eins", "yksi", "uno", "un", "egy", "ena", "jedna"};
#else
constexpr TextRow kRow = {"一", "one", "eins", "yksi", "uno", "un", "egy", "ena", "jedna", "いち"};
#endif

static_assert(TextIn(kRow, kEnglish) == "one");

}  // namespace corvane
