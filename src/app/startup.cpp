#include "app/startup.h"
#include "core/models/app_settings.h"

namespace corvane {

AppSettings LoadStartupSettings(uint16_t systemLanguageId, platform::PreferenceStore& store) {
    AppSettings settings;
    settings.systemIsChinese = systemLanguageId == 0x0804;

    const int32_t defaultLanguage = DefaultLanguageFor(systemLanguageId);
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

    const auto modelFallback = static_cast<int32_t>(kRememberedModel.fallback);
    int32_t model = modelFallback;
    if (!store.ReadModel(model)) {
        store.WriteModel(modelFallback);
        model = modelFallback;
    }
    settings.model = model;

    uint32_t tvMode = kRememberedTvMode.fallback;
    if (!store.ReadTvMode(tvMode)) {
        store.WriteTvMode(kRememberedTvMode.fallback);
        tvMode = kRememberedTvMode.fallback;
    }
    settings.tvMode = tvMode;

    if (!store.HasCompany()) {
        store.WriteCompany();
    }
    return settings;
}

}  // namespace corvane
