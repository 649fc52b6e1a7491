#include "app/startup.h"

#include <gtest/gtest.h>

#include "core/models/app_settings.h"
#include "support/fake_platform.h"

namespace corvane {
namespace {

using platform::MemoryPreferenceKey;

// A remembered value: absent, present but unreadable, or a number.
constexpr int64_t kAbsent = -1;
constexpr int64_t kUnreadable = -2;

struct Prefs {
    int64_t language = kAbsent;
    int64_t model = kAbsent;
    int64_t tvMode = kAbsent;
    bool company = false;
};

enum class Access { kMissing, kNone, kReadOnly, kFull };

struct Expected {
    int32_t language;
    ModelId model;
    uint32_t tvMode;
    bool systemIsChinese;
    bool chineseEntrySelected;
};

void Put(MemoryPreferenceKey& key, const char* name, int64_t value) {
    if (value == kUnreadable) {
        key.numbers[name] = 0;
        key.unreadable.insert(name);
    } else if (value != kAbsent) {
        key.numbers[name] = static_cast<uint32_t>(value);
    }
}

int64_t Get(const MemoryPreferenceKey& key, const char* name) {
    if (key.unreadable.count(name) != 0) {
        return kUnreadable;
    }
    const auto it = key.numbers.find(name);
    return it == key.numbers.end() ? kAbsent : static_cast<int64_t>(it->second);
}

TEST(LoadStartupSettings, SystemLanguageTimesStoredPreferencesTimesStoreAccess) {
    const Prefs none;
    const Prefs complete{2, 2, 0, true};
    const struct Case {
        const char* what;
        uint16_t systemId;
        Access access;
        Prefs before;
        Expected settings;
        Prefs after;
    } cases[] = {
        {"first run, Chinese system",
         0x0804,
         Access::kMissing,
         none,
         {1, 1, 0, true, false},
         {1, 1, 0, true}},
        {"first run, German (Liechtenstein)",
         0x1407,
         Access::kMissing,
         none,
         {3, 1, 0, false, false},
         {3, 1, 0, true}},
        {"first run, German (Germany)",
         0x0407,
         Access::kMissing,
         none,
         {2, 1, 0, false, false},
         {2, 1, 0, true}},
        {"first run, Japanese", 0x0411, Access::kMissing, none, {2, 1, 0, false, false}, {2, 1, 0, true}},
        {"everything remembered",
         0x0409,
         Access::kFull,
         {6, 4, 1, true},
         {6, 4, 1, false, false},
         {6, 4, 1, true}},
        {"language missing: default used, not stored",
         0x0804,
         Access::kFull,
         {kAbsent, 3, 0, true},
         {1, 3, 0, true, false},
         {kAbsent, 3, 0, true}},
        {"language unreadable: default used, left alone",
         0x1407,
         Access::kFull,
         {kUnreadable, 2, 0, true},
         {3, 2, 0, false, false},
         {kUnreadable, 2, 0, true}},
        {"Chinese remembered on a non-Chinese system",
         0x0409,
         Access::kFull,
         {1, 3, 0, true},
         {2, 3, 0, false, true},
         {1, 3, 0, true}},
        {"Chinese remembered on a Chinese system",
         0x0804,
         Access::kFull,
         {1, 1, 0, true},
         {1, 1, 0, true, false},
         {1, 1, 0, true}},
        {"upper 16 bits ignored",
         0x0804,
         Access::kFull,
         {0x00FF0002, 0x10004, 0xABCD0001, true},
         {2, 4, 1, true, false},
         {0x00FF0002, 0x10004, 0xABCD0001, true}},
        {"upper bits hiding Chinese",
         0x0407,
         Access::kFull,
         {0x70001, 1, 0, true},
         {2, 1, 0, false, true},
         {0x70001, 1, 0, true}},
        {"language beyond the ten shows English",
         0x0409,
         Access::kFull,
         {11, 1, 0, true},
         {2, 1, 0, false, false},
         {11, 1, 0, true}},
        {"language 0 on a Chinese system shows English",
         0x0804,
         Access::kFull,
         {0, 1, 0, true},
         {2, 1, 0, true, false},
         {0, 1, 0, true}},
        {"model beyond the four is kept",
         0x0409,
         Access::kFull,
         {2, 9, 0, true},
         {2, 9, 0, false, false},
         {2, 9, 0, true}},
        {"model unreadable: 1, stored",
         0x0409,
         Access::kFull,
         {5, kUnreadable, 0, true},
         {5, 1, 0, false, false},
         {5, 1, 0, true}},
        {"model and TvMode missing: stored",
         0x0409,
         Access::kFull,
         {7, kAbsent, kAbsent, true},
         {7, 1, 0, false, false},
         {7, 1, 0, true}},
        {"TvMode unreadable: 0, stored",
         0x0409,
         Access::kFull,
         {2, 2, kUnreadable, true},
         {2, 2, 0, false, false},
         complete},
        {"company missing only", 0x0409, Access::kFull, {2, 2, 0, false}, {2, 2, 0, false, false}, complete},
        {"no access, Chinese system", 0x0804, Access::kNone, none, {1, 1, 0, true, false}, none},
        {"no access, German (Liechtenstein)",
         0x1407,
         Access::kNone,
         {9, 4, 1, true},
         {3, 1, 0, false, false},
         {9, 4, 1, true}},
        {"read-only, values kept for the run",
         0x0409,
         Access::kReadOnly,
         {9, 4, kAbsent, false},
         {9, 4, 0, false, false},
         {9, 4, kAbsent, false}},
        {"read-only, empty", 0x1407, Access::kReadOnly, none, {3, 1, 0, false, false}, none},
        {"read-only, Chinese on a non-Chinese system",
         0x0409,
         Access::kReadOnly,
         {1, kUnreadable, 3, true},
         {2, 1, 3, false, true},
         {1, kUnreadable, 3, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MemoryPreferenceKey key;
        key.exists = c.access != Access::kMissing;
        key.openable = c.access != Access::kNone;
        key.writable = c.access != Access::kReadOnly;
        Put(key, "language", c.before.language);
        Put(key, "model", c.before.model);
        Put(key, "TvMode", c.before.tvMode);
        if (c.before.company) {
            key.texts["Company"] = "earlier";
        }
        platform::PreferenceStore store(key);

        const AppSettings s = LoadStartupSettings(c.systemId, store);
        EXPECT_EQ(s.language, c.settings.language);
        EXPECT_EQ(s.model, c.settings.model);
        EXPECT_EQ(s.tvMode, c.settings.tvMode);
        EXPECT_EQ(s.systemIsChinese, c.settings.systemIsChinese);
        EXPECT_EQ(s.chineseEntrySelected, c.settings.chineseEntrySelected);

        EXPECT_EQ(Get(key, "language"), c.after.language);
        EXPECT_EQ(Get(key, "model"), c.after.model);
        EXPECT_EQ(Get(key, "TvMode"), c.after.tvMode);
        EXPECT_EQ(key.texts.count("Company") != 0, c.after.company);
        if (c.before.company) {
            EXPECT_EQ(key.texts["Company"], "earlier") << "an existing marker is never rewritten";
        }
        EXPECT_EQ(key.createCalls > 0, c.access == Access::kMissing || c.access == Access::kNone);
    }
}

}  // namespace
}  // namespace corvane
