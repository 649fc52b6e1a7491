#include "platform/windows/registry_preference_key.h"

#include <gtest/gtest.h>
#include <sddl.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/preference_store.h"

namespace corvane::platform {
namespace {

// Every test works below a key of its own under HKEY_CURRENT_USER, deleted afterwards: "machine" stands
// for the local machine's key, "user" for the current user's.
class RegistryPreferenceKeyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        base_ = L"Software\\CorvaneTests\\" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                std::to_wstring(::GetTickCount64());
        machine_ = {HKEY_CURRENT_USER, base_ + L"\\machine\\App Paths\\Corvane.exe"};
        user_ = {HKEY_CURRENT_USER, base_ + L"\\user\\App Paths\\Corvane.exe"};
    }
    void TearDown() override {
        // Denied keys are opened up again first, so that they can be deleted.
        for (const std::wstring& path : denied_) {
            SetAccess(path, L"D:(A;OICI;KA;;;WD)");
        }
        EXPECT_EQ(::RegDeleteTreeW(HKEY_CURRENT_USER, base_.c_str()), ERROR_SUCCESS);
        ::RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\CorvaneTests");
    }

    static void MakeKey(const RegistryLocation& location) {
        HKEY key = nullptr;
        ASSERT_EQ(::RegCreateKeyExW(location.root, location.path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                    nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        ::RegCloseKey(key);
    }
    static void SetRaw(const RegistryLocation& location, const wchar_t* name, DWORD type, const void* data,
                       DWORD size) {
        MakeKey(location);
        ASSERT_EQ(::RegSetKeyValueW(location.root, location.path.c_str(), name, type, data, size),
                  ERROR_SUCCESS);
    }
    static void SetDword(const RegistryLocation& location, const wchar_t* name, DWORD value) {
        SetRaw(location, name, REG_DWORD, &value, sizeof(value));
    }
    struct Raw {
        DWORD type = REG_NONE;
        std::vector<BYTE> data;
    };
    static std::optional<Raw> GetRaw(const RegistryLocation& location, const wchar_t* name) {
        Raw raw;
        DWORD size = 4096;
        raw.data.resize(size);
        if (::RegGetValueW(location.root, location.path.c_str(), name, RRF_RT_ANY | RRF_NOEXPAND, &raw.type,
                           raw.data.data(), &size) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        raw.data.resize(size);
        return raw;
    }
    static std::optional<DWORD> GetDword(const RegistryLocation& location, const wchar_t* name) {
        const std::optional<Raw> raw = GetRaw(location, name);
        if (!raw || raw->type != REG_DWORD || raw->data.size() != 4) {
            return std::nullopt;
        }
        DWORD value = 0;
        std::memcpy(&value, raw->data.data(), 4);
        return value;
    }
    static bool KeyExists(const RegistryLocation& location) {
        HKEY key = nullptr;
        if (::RegOpenKeyExW(location.root, location.path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
            return false;
        }
        ::RegCloseKey(key);
        return true;
    }

    // Lets everyone only read the key at `path` (below HKEY_CURRENT_USER) and its subkeys: what an ordinary
    // user meets under the local machine.
    void DenyWriting(const std::wstring& path) {
        denied_.push_back(path);
        SetAccess(path, L"D:P(A;OICI;KR;;;WD)");
    }
    static void SetAccess(const std::wstring& path, const wchar_t* sddl) {
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        ASSERT_TRUE(::ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &descriptor,
                                                                           nullptr));
        HKEY key = nullptr;
        ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, WRITE_DAC, &key), ERROR_SUCCESS);
        EXPECT_EQ(::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor), ERROR_SUCCESS);
        ::RegCloseKey(key);
        ::LocalFree(descriptor);
    }

    RegistryPreferenceKey Key() const { return RegistryPreferenceKey(machine_, user_); }

    std::wstring base_;
    RegistryLocation machine_;
    RegistryLocation user_;
    std::vector<std::wstring> denied_;
};

TEST_F(RegistryPreferenceKeyTest, MissingKeyReadsNothingAndIsMadeUnderTheMachineByCreate) {
    RegistryPreferenceKey key = Key();
    EXPECT_FALSE(key.Open());
    EXPECT_EQ(key.ReadNumber("language"), std::nullopt);
    EXPECT_EQ(key.ReadText("Company"), std::nullopt);
    EXPECT_FALSE(key.WriteNumber("language", 2));
    EXPECT_FALSE(key.WriteText("Company", "x"));
    EXPECT_FALSE(KeyExists(machine_)) << "a write never creates the key";
    EXPECT_FALSE(KeyExists(user_));

    EXPECT_TRUE(key.Create());
    EXPECT_TRUE(KeyExists(machine_));
    EXPECT_FALSE(KeyExists(user_)) << "the machine's key could be made";
    EXPECT_TRUE(key.Open());
    EXPECT_TRUE(key.WriteNumber("language", 2));
    EXPECT_EQ(GetDword(machine_, L"language"), 2u);

    // Creating again keeps the values.
    EXPECT_TRUE(key.Create());
    EXPECT_EQ(key.ReadNumber("language"), 2u);
}

TEST_F(RegistryPreferenceKeyTest, StoresNumbersAsDwordsAndTextsAsUtf16Strings) {
    MakeKey(machine_);
    RegistryPreferenceKey key = Key();
    EXPECT_TRUE(key.WriteNumber("TvMode", 0x12345678u));
    EXPECT_TRUE(key.WriteText("LastFolder", "E:\\Kamera 相机\\Größe"));
    EXPECT_TRUE(key.WriteText("Company", ""));

    EXPECT_EQ(GetDword(machine_, L"TvMode"), 0x12345678u);
    const std::optional<Raw> folder = GetRaw(machine_, L"LastFolder");
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->type, static_cast<DWORD>(REG_SZ));
    const std::wstring expected = L"E:\\Kamera \u76F8\u673A\\Gr\u00F6\u00DFe";
    ASSERT_EQ(folder->data.size(), (expected.size() + 1) * sizeof(wchar_t))
        << "UTF-16 with its terminating zero";
    EXPECT_EQ(std::memcmp(folder->data.data(), expected.c_str(), folder->data.size()), 0);

    EXPECT_EQ(key.ReadNumber("TvMode"), 0x12345678u);
    EXPECT_EQ(key.ReadText("LastFolder"), "E:\\Kamera 相机\\Größe");
    EXPECT_EQ(key.ReadText("Company"), "") << "an empty text is present";
    EXPECT_EQ(key.ReadText("Missing"), std::nullopt);

    EXPECT_FALSE(key.WriteText("LastFolder", std::string("E:\\a\0b", 6))) << "a REG_SZ ends at a zero";
    EXPECT_EQ(key.ReadText("LastFolder"), "E:\\Kamera 相机\\Größe") << "the previous value stays";
}

TEST_F(RegistryPreferenceKeyTest, ReadOnlyMachineKeyFallsBackToTheUsersKey) {
    SetDword(machine_, L"language", 3);
    SetDword(machine_, L"model", 2);
    DenyWriting(machine_.path);
    RegistryPreferenceKey key = Key();
    {
        // The premise: the machine's key cannot be written.
        HKEY denied = nullptr;
        ASSERT_EQ(::RegOpenKeyExW(machine_.root, machine_.path.c_str(), 0, KEY_SET_VALUE, &denied),
                  ERROR_ACCESS_DENIED);
    }
    EXPECT_TRUE(key.Open());
    EXPECT_EQ(key.ReadNumber("language"), 3u) << "read from the machine while the user has none";

    EXPECT_TRUE(key.WriteNumber("language", 5));
    EXPECT_TRUE(key.WriteText("LastFolder", "F:\\"));
    EXPECT_EQ(GetDword(user_, L"language"), 5u);
    EXPECT_EQ(GetDword(machine_, L"language"), 3u);
    EXPECT_EQ(key.ReadNumber("language"), 5u) << "the user's value counts";
    EXPECT_EQ(key.ReadNumber("model"), 2u) << "values the user has not written still come from the machine";
    EXPECT_EQ(key.ReadText("LastFolder"), "F:\\");

    // A fresh key object, as at the next start: the choice is kept.
    RegistryPreferenceKey next = Key();
    PreferenceStore store(next);
    int32_t language = 0;
    EXPECT_TRUE(store.ReadLanguage(language, 2));
    EXPECT_EQ(language, 5);
}

TEST_F(RegistryPreferenceKeyTest, CreateFallsBackToTheUsersKeyWhenTheMachineRefuses) {
    // The machine's key cannot be made: its parent lives only in memory, so it can hold no lasting key
    // (what Windows refuses a user for lack of rights, and Wine, running everything as administrator, never
    // does).
    MakeKey({HKEY_CURRENT_USER, base_});
    HKEY parent = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, (base_ + L"\\machine").c_str(), 0, nullptr,
                                REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &parent, nullptr),
              ERROR_SUCCESS);
    ::RegCloseKey(parent);
    {
        HKEY made = nullptr;
        ASSERT_NE(::RegCreateKeyExW(machine_.root, machine_.path.c_str(), 0, nullptr, 0, KEY_QUERY_VALUE,
                                    nullptr, &made, nullptr),
                  ERROR_SUCCESS)
            << "the premise: the machine's key cannot be made";
    }
    RegistryPreferenceKey key = Key();
    EXPECT_FALSE(key.Open());

    PreferenceStore store(key);
    int32_t language = 7;
    EXPECT_FALSE(store.ReadLanguage(language, 2)) << "the first start: no key yet";
    EXPECT_EQ(language, 7);
    EXPECT_FALSE(KeyExists(machine_));
    EXPECT_TRUE(KeyExists(user_));
    EXPECT_TRUE(store.WriteLanguage(1));
    EXPECT_TRUE(store.WriteCompany());
    EXPECT_TRUE(store.ReadLanguage(language, 2));
    EXPECT_EQ(language, 1);
    EXPECT_TRUE(store.HasCompany());
}

TEST_F(RegistryPreferenceKeyTest, WritableMachineKeyAlsoUpdatesAValueTheUserKeyHolds) {
    SetDword(machine_, L"model", 1);
    SetDword(user_, L"model", 2);
    RegistryPreferenceKey key = Key();
    EXPECT_EQ(key.ReadNumber("model"), 2u) << "the user's value comes first";

    EXPECT_TRUE(key.WriteNumber("model", 4));
    EXPECT_EQ(GetDword(machine_, L"model"), 4u);
    EXPECT_EQ(GetDword(user_, L"model"), 4u) << "else the older user value would hide the choice";
    EXPECT_EQ(key.ReadNumber("model"), 4u);

    EXPECT_TRUE(key.WriteNumber("TvMode", 1));
    EXPECT_EQ(GetDword(user_, L"TvMode"), std::nullopt) << "no user value is added";
}

// How a value of another type or size than the key writes reads.
TEST_F(RegistryPreferenceKeyTest, ValuesOfOtherTypesOrSizes) {
    struct Case {
        const char* what;
        DWORD type;
        std::vector<BYTE> data;
        std::optional<uint32_t> number;
        std::optional<std::string> text;
    };
    const std::vector<BYTE> sz = {'3', 0, 0, 0};  // L"3"
    const std::vector<BYTE> unterminated = {'E', 0, ':', 0};
    const std::vector<BYTE> padded = {'A', 0, 0, 0, 0, 0, 0, 0};
    const Case cases[] = {
        {"dword", REG_DWORD, {0x07, 0x04, 0x01, 0x00}, 0x00010407u, std::nullopt},
        {"dword of 8 bytes", REG_DWORD, {1, 0, 0, 0, 0, 0, 0, 0}, std::nullopt, std::nullopt},
        {"binary of 2 bytes", REG_BINARY, {0x04, 0x08}, 0x0804u, std::nullopt},
        {"binary of 5 bytes", REG_BINARY, {1, 0, 0, 0, 0}, std::nullopt, std::nullopt},
        {"empty dword", REG_DWORD, {}, 0u, std::nullopt},
        {"qword", REG_QWORD, {1, 0, 0, 0, 0, 0, 0, 0}, std::nullopt, std::nullopt},
        {"string of a digit", REG_SZ, sz, std::nullopt, "3"},
        {"string without its zero", REG_SZ, unterminated, std::nullopt, "E:"},
        {"string padded with zeros", REG_SZ, padded, std::nullopt, "A"},
        {"expandable string", REG_EXPAND_SZ, sz, std::nullopt, "3"},
        {"multi string", REG_MULTI_SZ, padded, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetRaw(machine_, L"value", c.type, c.data.data(), static_cast<DWORD>(c.data.size()));
        RegistryPreferenceKey key = Key();
        EXPECT_EQ(key.ReadNumber("value"), c.number);
        EXPECT_EQ(key.ReadText("value"), c.text);
    }
}

TEST_F(RegistryPreferenceKeyTest, UnreadableUserValueHidesTheMachinesAndIsRepairedByAWrite) {
    SetDword(machine_, L"model", 3);
    SetRaw(user_, L"model", REG_SZ, L"3", 4);
    RegistryPreferenceKey key = Key();
    PreferenceStore store(key);
    int32_t model = 0;
    EXPECT_FALSE(store.ReadModel(model));
    EXPECT_EQ(model, 1);
    EXPECT_TRUE(store.WriteModel(1));
    EXPECT_EQ(GetDword(user_, L"model"), 1u);
    EXPECT_TRUE(store.ReadModel(model));
    EXPECT_EQ(model, 1);
}

}  // namespace
}  // namespace corvane::platform
