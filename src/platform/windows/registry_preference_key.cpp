#include "platform/windows/registry_preference_key.h"

#include <cstring>
#include <vector>

#include "platform/windows/utf16.h"

namespace corvane::platform {

namespace {

constexpr wchar_t kKeyPath[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Corvane.exe";

// A preference is a few bytes; a value far larger is not one of ours.
constexpr DWORD kMaxValueSize = 1024 * 1024;

// Closes the key when it goes out of scope.
class OpenKey {
  public:
    OpenKey() = default;
    ~OpenKey() {
        if (key_ != nullptr) {
            ::RegCloseKey(key_);
        }
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    HKEY* Out() { return &key_; }
    HKEY get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

LONG OpenLocation(const RegistryLocation& location, REGSAM access, OpenKey& key) {
    return ::RegOpenKeyExW(location.root, location.path.c_str(), 0, access, key.Out());
}

bool IsMissing(LONG status) {
    return status == ERROR_FILE_NOT_FOUND || status == ERROR_PATH_NOT_FOUND;
}

struct Value {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

// The value `name` of the key at `location`; nothing when the key or the value is missing, or the value
// cannot be read.
std::optional<Value> Query(const RegistryLocation& location, const std::wstring& name) {
    OpenKey key;
    if (OpenLocation(location, KEY_QUERY_VALUE, key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    Value value;
    DWORD size = 0;
    LONG status = ::RegQueryValueExW(key.get(), name.c_str(), nullptr, &value.type, nullptr, &size);
    // The value may grow between the two calls: ask again with the new size.
    for (int attempt = 0; status == ERROR_SUCCESS && attempt < 3; ++attempt) {
        if (size > kMaxValueSize) {
            return std::nullopt;
        }
        value.data.resize(size);
        status = ::RegQueryValueExW(key.get(), name.c_str(), nullptr, &value.type, value.data.data(), &size);
        if (status == ERROR_SUCCESS) {
            value.data.resize(size);
            return value;
        }
        if (status == ERROR_MORE_DATA) {
            status = ERROR_SUCCESS;
        }
    }
    return std::nullopt;
}

bool HasValue(HKEY key, const std::wstring& name) {
    return ::RegQueryValueExW(key, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

}  // namespace

RegistryLocation MachinePreferenceLocation() {
    return {HKEY_LOCAL_MACHINE, kKeyPath};
}

RegistryLocation UserPreferenceLocation() {
    return {HKEY_CURRENT_USER, kKeyPath};
}

bool RegistryPreferenceKey::Open() {
    OpenKey user;
    if (OpenLocation(user_, KEY_QUERY_VALUE, user) == ERROR_SUCCESS) {
        return true;
    }
    OpenKey machine;
    return OpenLocation(machine_, KEY_QUERY_VALUE, machine) == ERROR_SUCCESS;
}

bool RegistryPreferenceKey::Create() {
    for (const RegistryLocation* location : {&machine_, &user_}) {
        OpenKey key;
        if (::RegCreateKeyExW(location->root, location->path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_QUERY_VALUE, nullptr, key.Out(), nullptr) == ERROR_SUCCESS) {
            return true;
        }
    }
    return false;
}

namespace {

// The user's value when the user's key has one (it stands above the machine's), else the machine's.
std::optional<Value> QueryPreference(const RegistryLocation& user, const RegistryLocation& machine,
                                     const std::string& name) {
    const std::wstring wideName = ToWide(name);
    std::optional<Value> value = Query(user, wideName);
    return value ? value : Query(machine, wideName);
}

}  // namespace

std::optional<uint32_t> RegistryPreferenceKey::ReadNumber(const std::string& name) {
    const std::optional<Value> value = QueryPreference(user_, machine_, name);
    if (!value || (value->type != REG_DWORD && value->type != REG_BINARY) || value->data.size() > 4) {
        return std::nullopt;
    }
    uint8_t bytes[4] = {};
    std::memcpy(bytes, value->data.data(), value->data.size());
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

std::optional<std::string> RegistryPreferenceKey::ReadText(const std::string& name) {
    const std::optional<Value> value = QueryPreference(user_, machine_, name);
    if (!value || (value->type != REG_SZ && value->type != REG_EXPAND_SZ)) {
        return std::nullopt;
    }
    std::wstring text(value->data.size() / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), value->data.data(), text.size() * sizeof(wchar_t));
    // Stored with or without its terminating zero, or padded with zeros.
    text.resize(std::wcslen(text.c_str()));
    return FromWide(text);
}

bool RegistryPreferenceKey::WriteNumber(const std::string& name, uint32_t value) {
    const DWORD dword = value;
    return Write(name, REG_DWORD, &dword, sizeof(dword));
}

bool RegistryPreferenceKey::WriteText(const std::string& name, const std::string& value) {
    if (value.find('\0') != std::string::npos) {
        return false;
    }
    const std::wstring text = ToWide(value);
    if (!value.empty() && text.empty()) {
        return false;
    }
    return Write(name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

bool RegistryPreferenceKey::Write(const std::string& name, DWORD type, const void* data, DWORD size) {
    const std::wstring wideName = ToWide(name);
    const auto* bytes = static_cast<const BYTE*>(data);
    OpenKey machine;
    const LONG machineStatus = OpenLocation(machine_, KEY_SET_VALUE, machine);
    if (machineStatus == ERROR_SUCCESS &&
        ::RegSetValueExW(machine.get(), wideName.c_str(), 0, type, bytes, size) == ERROR_SUCCESS) {
        // A value of the same name in the user's key would hide the one just written: it gets it too.
        OpenKey user;
        if (OpenLocation(user_, KEY_QUERY_VALUE | KEY_SET_VALUE, user) != ERROR_SUCCESS ||
            !HasValue(user.get(), wideName)) {
            return true;
        }
        return ::RegSetValueExW(user.get(), wideName.c_str(), 0, type, bytes, size) == ERROR_SUCCESS;
    }
    OpenKey user;
    if (OpenLocation(user_, KEY_SET_VALUE, user) != ERROR_SUCCESS) {
        // The machine's key refused: the user's key is made for it. Neither key there: the key is missing.
        if (IsMissing(machineStatus) ||
            ::RegCreateKeyExW(user_.root, user_.path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_SET_VALUE, nullptr, user.Out(), nullptr) != ERROR_SUCCESS) {
            return false;
        }
    }
    return ::RegSetValueExW(user.get(), wideName.c_str(), 0, type, bytes, size) == ERROR_SUCCESS;
}

}  // namespace corvane::platform
