#pragma once

#include <optional>
#include <string>

#include "platform/preference_store.h"

namespace corvane::platform {

// The preferences as an INI file: the file stands for the key (missing file = key missing), its
// "name=value" lines for the values. Unknown and malformed lines are kept untouched on every write, and a
// write replaces the file in one step, so a failed or interrupted write never loses the other values.
class IniPreferenceKey : public PreferenceKey {
  public:
    explicit IniPreferenceKey(std::string path) : path_(std::move(path)) {}

    bool Open() override;
    bool Create() override;
    std::optional<uint32_t> ReadNumber(const std::string& name) override;
    std::optional<std::string> ReadText(const std::string& name) override;
    bool WriteNumber(const std::string& name, uint32_t value) override;
    bool WriteText(const std::string& name, const std::string& value) override;
    void HoldWrites() override;
    bool ReleaseWrites() override;

    const std::string& path() const { return path_; }

  private:
    std::optional<std::string> Load() const;
    bool Store(const std::string& name, const std::string& value);
    bool Replace(const std::string& text);

    std::string path_;
    bool holding_ = false;
    std::optional<std::string> held_;  // the file's text with the held writes
};

// "Corvane/Corvane.conf" in $XDG_CONFIG_HOME when that is an absolute path, else in $HOME/.config.
// Empty when neither is set.
std::string PreferenceFilePath();

}  // namespace corvane::platform
