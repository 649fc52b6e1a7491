#include "platform/locale_language.h"

#include <cstdlib>

namespace corvane::platform {

namespace {

struct LocaleId {
    std::string_view language;
    std::string_view country;  // empty: the language's main identifier
    uint16_t id;
};

// clang-format off
constexpr LocaleId kLocaleIds[] = {
    {"zh", "", 0x0804}, {"zh", "CN", 0x0804}, {"zh", "TW", 0x0404}, {"zh", "HK", 0x0C04},
    {"zh", "SG", 0x1004}, {"zh", "MO", 0x1404},
    {"en", "", 0x0409}, {"en", "US", 0x0409}, {"en", "GB", 0x0809}, {"en", "AU", 0x0C09},
    {"en", "CA", 0x1009}, {"en", "NZ", 0x1409}, {"en", "IE", 0x1809}, {"en", "ZA", 0x1C09},
    {"en", "IN", 0x4009}, {"en", "SG", 0x4809}, {"en", "PH", 0x3409},
    {"de", "", 0x0407}, {"de", "DE", 0x0407}, {"de", "CH", 0x0807}, {"de", "AT", 0x0C07},
    {"de", "LU", 0x1007}, {"de", "LI", 0x1407},
    {"fi", "", 0x040B}, {"fi", "FI", 0x040B},
    {"it", "", 0x0410}, {"it", "IT", 0x0410}, {"it", "CH", 0x0810},
    {"fr", "", 0x040C}, {"fr", "FR", 0x040C}, {"fr", "BE", 0x080C}, {"fr", "CA", 0x0C0C},
    {"fr", "CH", 0x100C}, {"fr", "LU", 0x140C}, {"fr", "MC", 0x180C},
    {"hu", "", 0x040E}, {"hu", "HU", 0x040E},
    {"sl", "", 0x0424}, {"sl", "SI", 0x0424},
    {"cs", "", 0x0405}, {"cs", "CZ", 0x0405},
    {"ja", "", 0x0411}, {"ja", "JP", 0x0411},
    {"sv", "", 0x041D}, {"sv", "SE", 0x041D}, {"sv", "FI", 0x081D},
    {"es", "", 0x0C0A}, {"es", "ES", 0x0C0A}, {"es", "MX", 0x080A},
    {"pt", "", 0x0816}, {"pt", "PT", 0x0816}, {"pt", "BR", 0x0416},
    {"nl", "", 0x0413}, {"nl", "NL", 0x0413}, {"nl", "BE", 0x0813},
    {"pl", "", 0x0415}, {"pl", "PL", 0x0415},
    {"ru", "", 0x0419}, {"ru", "RU", 0x0419},
    {"da", "", 0x0406}, {"da", "DK", 0x0406},
    {"nb", "", 0x0414}, {"nb", "NO", 0x0414},
    {"sk", "", 0x041B}, {"sk", "SK", 0x041B},
    {"ko", "", 0x0412}, {"ko", "KR", 0x0412},
};
// clang-format on

constexpr uint16_t kEnglishUnitedStates = 0x0409;

}  // namespace

uint16_t LanguageIdFromLocaleName(std::string_view locale) {
    // language[_COUNTRY][.codeset][@modifier]
    const size_t end = locale.find_first_of(".@");
    const std::string_view tag = locale.substr(0, end);
    const size_t sep = tag.find_first_of("_-");
    const std::string_view language = tag.substr(0, sep);
    const std::string_view country = sep == std::string_view::npos ? std::string_view() : tag.substr(sep + 1);
    uint16_t languageOnly = kEnglishUnitedStates;
    for (const LocaleId& entry : kLocaleIds) {
        if (entry.language != language) {
            continue;
        }
        if (entry.country.empty()) {
            languageOnly = entry.id;
        } else if (entry.country == country) {
            return entry.id;
        }
    }
    return languageOnly;
}

std::string_view MessagesLocaleFromEnvironment() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && value[0] != '\0') {
            return value;
        }
    }
    return "C";
}

}  // namespace corvane::platform
