#include "platform/preference_store.h"

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
    const std::optional<uint32_t> stored = key_.ReadNumber(std::string(kRememberedLanguage.key));
    value = stored ? static_cast<int32_t>(Low16(*stored)) : defaultLanguage;
    return true;
}

bool PreferenceStore::WriteLanguage(int32_t value) {
    return key_.WriteNumber(std::string(kRememberedLanguage.key), Low16(static_cast<uint32_t>(value)));
}

bool PreferenceStore::ReadModel(int32_t& value) {
    if (!key_.Open()) {
        return false;
    }
    const std::optional<uint32_t> stored = key_.ReadNumber(std::string(kRememberedModel.key));
    if (!stored) {
        value = static_cast<int32_t>(kRememberedModel.fallback);
        return false;
    }
    value = static_cast<int32_t>(Low16(*stored));
    return true;
}

bool PreferenceStore::WriteModel(int32_t value) {
    return key_.WriteNumber(std::string(kRememberedModel.key), Low16(static_cast<uint32_t>(value)));
}

bool PreferenceStore::ReadTvMode(uint32_t& value) {
    const std::optional<uint32_t> stored =
        key_.Open() ? key_.ReadNumber(std::string(kRememberedTvMode.key)) : std::nullopt;
    value = stored ? Low16(*stored) : kRememberedTvMode.fallback;
    return stored.has_value();
}

bool PreferenceStore::WriteTvMode(uint32_t value) {
    return key_.WriteNumber(std::string(kRememberedTvMode.key), Low16(value));
}

bool PreferenceStore::HasCompany() {
    return key_.Open() && key_.ReadText(std::string(kRememberedCompany.key)).has_value();
}

bool PreferenceStore::WriteCompany() {
    return key_.WriteText(std::string(kRememberedCompany.key), std::string(kRememberedCompany.fallback));
}

std::optional<std::string> PreferenceStore::ReadLastFolder() {
    std::optional<std::string> folder =
        key_.Open() ? key_.ReadText(std::string(kRememberedLastFolder.key)) : std::nullopt;
    if (folder && folder->empty()) {
        return std::nullopt;
    }
    return folder;
}

bool PreferenceStore::WriteLastFolder(const std::string& folder) {
    return !folder.empty() && key_.WriteText(std::string(kRememberedLastFolder.key), folder);
}

}  // namespace corvane::platform
