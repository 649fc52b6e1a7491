#include "app/startup.h"
#include "core/models/app_settings.h"

namespace corvane {

AppSettings LoadStartupSettings(uint16_t systemLanguageId, platform::PreferenceStore& store) {
    AppSettings settings;
    settings.systemIsChinese = systemLanguageId == 0x0804;

    const int32_t defaultLanguage = platform::DefaultLanguageFor(systemLanguageId);
    int32_t language = defaultLanguage;
    if (!store.ReadLanguage(language, defaultLanguage)) {
        store.WriteLanguage(defaultLanguage);
        language = defaultLanguage;
    }
    if (!settings.systemIsChinese && language == kChinese) {
        language = kEnglish;
        settings.chineseEntrySelected = true;
    }
    // Every window and file would otherwise carry a language no text table and no camera knows.
    settings.language = DisplayLanguage(language);

    int32_t model = 1;
    if (!store.ReadModel(model)) {
        store.WriteModel(1);
        model = 1;
    }
    settings.model = model;

    uint32_t tvMode = 0;
    if (!store.ReadTvMode(tvMode)) {
        store.WriteTvMode(0);
        tvMode = 0;
    }
    settings.tvMode = tvMode;

    if (!store.HasCompany()) {
        store.WriteCompany();
    }
    return settings;
}

}  // namespace corvane
