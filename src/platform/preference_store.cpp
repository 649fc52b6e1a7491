#include "platform/preference_store.h"

#include "languages/languages.h"

namespace corvane::platform {

namespace {
constexpr uint32_t Low16(uint32_t value) {
    return value & 0xFFFFu;
}
}  // namespace

bool PreferenceStore::ReadLanguage(int32_t& value, int32_t defaultLanguage) {
    if (!key_.Open()) {
        key_.Create();
        return false;
    }
    const std::optional<uint32_t> stored = key_.ReadNumber(kLanguageValue);
    value = stored ? static_cast<int32_t>(Low16(*stored)) : defaultLanguage;
    return true;
}

bool PreferenceStore::WriteLanguage(int32_t value) {
    return key_.WriteNumber(kLanguageValue, Low16(static_cast<uint32_t>(value)));
}

bool PreferenceStore::ReadModel(int32_t& value) {
    if (!key_.Open()) {
        return false;
    }
    const std::optional<uint32_t> stored = key_.ReadNumber(kModelValue);
    if (!stored) {
        value = 1;
        return false;
    }
    value = static_cast<int32_t>(Low16(*stored));
    return true;
}

bool PreferenceStore::WriteModel(int32_t value) {
    return key_.WriteNumber(kModelValue, Low16(static_cast<uint32_t>(value)));
}

bool PreferenceStore::ReadTvMode(uint32_t& value) {
    const std::optional<uint32_t> stored = key_.Open() ? key_.ReadNumber(kTvModeValue) : std::nullopt;
    value = stored ? Low16(*stored) : 0;
    return stored.has_value();
}

bool PreferenceStore::WriteTvMode(uint32_t value) {
    return key_.WriteNumber(kTvModeValue, Low16(value));
}

bool PreferenceStore::HasCompany() {
    return key_.Open() && key_.ReadText(kCompanyValue).has_value();
}

bool PreferenceStore::WriteCompany() {
    return key_.WriteText(kCompanyValue, kCompanyName);
}

std::optional<std::string> PreferenceStore::ReadLastFolder() {
    std::optional<std::string> folder = key_.Open() ? key_.ReadText(kLastFolderValue) : std::nullopt;
    if (folder && folder->empty()) {
        return std::nullopt;
    }
    return folder;
}

bool PreferenceStore::WriteLastFolder(const std::string& folder) {
    return !folder.empty() && key_.WriteText(kLastFolderValue, folder);
}

int32_t DefaultLanguageFor(uint16_t systemLanguageId) {
    for (const LanguageInfo& language : kLanguages) {
        if (language.systemLanguageId != 0 && language.systemLanguageId == systemLanguageId) {
            return language.value;
        }
    }
    return kDefaultLanguage;
}

}  // namespace corvane::platform
