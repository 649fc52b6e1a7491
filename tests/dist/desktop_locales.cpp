// Prints the desktop entry's locale of every translated language of the catalogue, one per line, for the
// metadata test.
#include <cstdio>

#include "languages/languages.h"

int main() {
    for (const corvane::LanguageInfo& language : corvane::kLanguages) {
        if (!language.desktopLocale.empty()) {
            std::printf("%.*s\n", static_cast<int>(language.desktopLocale.size()),
                        language.desktopLocale.data());
        }
    }
    return 0;
}
