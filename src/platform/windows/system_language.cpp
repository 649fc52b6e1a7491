#include "platform/windows/system_language.h"

#include <windows.h>

#include <string>

#include "languages/languages.h"
#include "platform/locale_language.h"
#include "platform/windows/utf16.h"

namespace corvane::platform {

uint16_t LanguageIdOfWindowsLanguage(uint16_t windowsLanguage) {
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    if (windowsLanguage == 0 ||
        ::LCIDToLocaleName(MAKELCID(windowsLanguage, SORT_DEFAULT), name, LOCALE_NAME_MAX_LENGTH, 0) == 0) {
        return LanguageIdFromLocaleName("C");
    }
    return LanguageIdFromLocaleName(FromWide(name));
}

uint16_t WindowsLanguageOfProgramLanguage(int32_t language) {
    if (!IsLanguage(language)) {
        return 0;
    }
    std::string locale(LanguageAt(language).qtLocale);
    if (locale == "en") {
        locale = "en-US";
    }
    for (char& c : locale) {
        c = c == '_' ? '-' : c;
    }
    const LCID lcid = ::LocaleNameToLCID(ToWide(locale).c_str(), 0);
    return lcid == 0 ? 0 : LANGIDFROMLCID(lcid);
}

}  // namespace corvane::platform
