#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "platform/preference_store.h"

namespace corvane::platform {

// Where the preferences live in the registry: a root key and the path below it.
struct RegistryLocation {
    HKEY root = nullptr;
    std::wstring path;
};

// The preferences as a registry key. The program's key belongs under the local machine, where an ordinary
// user of Windows 10 and 11 may read but not write; so the same path under the current user comes first:
// a value found there is the one that counts, and a write goes there when the machine's key cannot take
// it. Numbers are REG_DWORD, texts REG_SZ (UTF-16).
class RegistryPreferenceKey : public PreferenceKey {
  public:
    RegistryPreferenceKey(RegistryLocation machine, RegistryLocation user)
        : machine_(std::move(machine)), user_(std::move(user)) {}

    // True when either key exists and can be read.
    bool Open() override;
    // The machine's key when it can be made there, otherwise the user's.
    bool Create() override;
    // A REG_DWORD, or a REG_BINARY of at most 4 bytes (zero-extended); any other type counts as missing.
    std::optional<uint32_t> ReadNumber(const std::string& name) override;
    // A REG_SZ or REG_EXPAND_SZ (not expanded), up to its first terminating zero.
    std::optional<std::string> ReadText(const std::string& name) override;
    // False when neither key exists, or when the user's key cannot take a value the machine's key refused.
    bool WriteNumber(const std::string& name, uint32_t value) override;
    // Also false for a text with a zero character, which a REG_SZ value cannot hold.
    bool WriteText(const std::string& name, const std::string& value) override;

  private:
    bool Write(const std::string& name, DWORD type, const void* data, DWORD size);

    RegistryLocation machine_;
    RegistryLocation user_;
};

// "Software\Microsoft\Windows\CurrentVersion\App Paths\Corvane.exe" under HKEY_LOCAL_MACHINE, and the same
// path under HKEY_CURRENT_USER.
RegistryLocation MachinePreferenceLocation();
RegistryLocation UserPreferenceLocation();

}  // namespace corvane::platform
