#include "platform/preference_store.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"

namespace corvane::platform {
namespace {

TEST(DefaultLanguageFor, OnlyChinesePrcAndGermanLiechtensteinHaveTheirOwnDefault) {
    const struct {
        uint16_t id;
        int32_t language;
    } cases[] = {{0x0804, 1}, {0x1407, 3}, {0x0407, 2}, {0x0807, 2}, {0x0C07, 2}, {0x0404, 2},
                 {0x0C04, 2}, {0x0409, 2}, {0x0411, 2}, {0x0000, 2}, {0xFFFF, 2}};
    for (const auto& c : cases) {
        EXPECT_EQ(DefaultLanguageFor(c.id), c.language) << std::hex << c.id;
    }
}

// Each read operation against each state of the key: result, value handed back, and whether the key was
// created.
TEST(PreferenceStore, ReadsFollowTheFallbacksOfEachValue) {
    enum class State { kMissing, kNoAccess, kValueMissing, kValueUnreadable, kStored };
    const char* names[] = {"missing", "no access", "value missing", "value unreadable", "stored"};
    const auto makeKey = [](State state, const std::string& name, uint32_t stored) {
        MemoryPreferenceKey key;
        key.exists = state != State::kMissing;
        key.openable = state != State::kNoAccess;
        if (state == State::kValueUnreadable || state == State::kStored) {
            key.numbers[name] = stored;
        }
        if (state == State::kValueUnreadable) {
            key.unreadable.insert(name);
        }
        return key;
    };
    struct Expect {
        bool ok;
        int64_t value;    // -1: untouched
        bool keyCreated;  // creation attempted
    };
    // stored values carry junk in the upper 16 bits: only the low 16 bits count
    const uint32_t stored = 0xABCD0004;
    const Expect language[] = {
        {false, -1, true}, {false, -1, true}, {true, 3, false}, {true, 3, false}, {true, 4, false}};
    const Expect model[] = {
        {false, -1, false}, {false, -1, false}, {false, 1, false}, {false, 1, false}, {true, 4, false}};
    const Expect tvMode[] = {
        {false, 0, false}, {false, 0, false}, {false, 0, false}, {false, 0, false}, {true, 4, false}};
    for (int s = 0; s < 5; ++s) {
        const State state = static_cast<State>(s);
        SCOPED_TRACE(names[s]);
        {
            MemoryPreferenceKey key = makeKey(state, std::string(kRememberedLanguage.key), stored);
            PreferenceStore store(key);
            int32_t value = 77;
            EXPECT_EQ(store.ReadLanguage(value, 3), language[s].ok);
            EXPECT_EQ(value, language[s].value < 0 ? 77 : language[s].value);
            EXPECT_EQ(key.createCalls > 0, language[s].keyCreated);
            EXPECT_TRUE(key.exists || state == State::kNoAccess) << "a missing key is created";
            EXPECT_EQ(key.writeCalls, 0) << "a read never stores a value";
        }
        {
            MemoryPreferenceKey key = makeKey(state, std::string(kRememberedModel.key), stored);
            PreferenceStore store(key);
            int32_t value = 77;
            EXPECT_EQ(store.ReadModel(value), model[s].ok);
            EXPECT_EQ(value, model[s].value < 0 ? 77 : model[s].value);
            EXPECT_EQ(key.createCalls, 0);
        }
        {
            MemoryPreferenceKey key = makeKey(state, std::string(kRememberedTvMode.key), stored);
            PreferenceStore store(key);
            uint32_t value = 77;
            EXPECT_EQ(store.ReadTvMode(value), tvMode[s].ok);
            EXPECT_EQ(value, static_cast<uint32_t>(tvMode[s].value));
            EXPECT_EQ(key.createCalls, 0);
        }
    }
}

TEST(PreferenceStore, WritesKeepTheLow16BitsAndFailWithoutAWritableKey) {
    MemoryPreferenceKey key;
    PreferenceStore store(key);
    EXPECT_TRUE(store.WriteLanguage(0x00120002));
    EXPECT_TRUE(store.WriteModel(-1));
    EXPECT_TRUE(store.WriteTvMode(0xFFFF0001u));
    EXPECT_EQ(key.numbers.at("language"), 2u);
    EXPECT_EQ(key.numbers.at("model"), 0xFFFFu);
    EXPECT_EQ(key.numbers.at("TvMode"), 1u);

    EXPECT_FALSE(store.HasCompany());
    EXPECT_TRUE(store.WriteCompany());
    EXPECT_TRUE(store.HasCompany());
    EXPECT_EQ(key.texts.at("Company"), kRememberedCompany.fallback);

    for (const char* what : {"missing", "no access", "read-only"}) {
        MemoryPreferenceKey locked;
        locked.numbers["model"] = 3;
        locked.exists = std::string(what) != "missing";
        locked.openable = std::string(what) != "no access";
        locked.writable = std::string(what) != "read-only";
        PreferenceStore lockedStore(locked);
        EXPECT_FALSE(lockedStore.WriteLanguage(2)) << what;
        EXPECT_FALSE(lockedStore.WriteModel(4)) << what;
        EXPECT_FALSE(lockedStore.WriteTvMode(1)) << what;
        EXPECT_FALSE(lockedStore.WriteCompany()) << what;
        EXPECT_EQ(locked.numbers.size(), 1u) << what;
        EXPECT_EQ(locked.numbers.at("model"), 3u) << what;
    }
}

// The folder of the last written file is an entry of its own: writing it leaves the numbers and the
// company marker as they were, and a key that cannot be written keeps the previous folder.
TEST(PreferenceStore, LastFolderIsAnEntryOfItsOwn) {
    MemoryPreferenceKey key;
    key.numbers = {{"language", 3}, {"model", 4}, {"TvMode", 1}};
    key.texts["Company"] = std::string(kRememberedCompany.fallback);
    PreferenceStore store(key);
    EXPECT_FALSE(store.ReadLastFolder().has_value());
    EXPECT_TRUE(store.WriteLastFolder("/media/alice/CAM 01"));
    EXPECT_EQ(store.ReadLastFolder(), "/media/alice/CAM 01");
    EXPECT_EQ(key.texts.at("LastFolder"), "/media/alice/CAM 01");
    EXPECT_FALSE(store.WriteLastFolder("")) << "an empty folder is no folder";
    EXPECT_EQ(store.ReadLastFolder(), "/media/alice/CAM 01");

    int32_t language = 0;
    int32_t model = 0;
    uint32_t tvMode = 0;
    EXPECT_TRUE(store.ReadLanguage(language, 2));
    EXPECT_TRUE(store.ReadModel(model));
    EXPECT_TRUE(store.ReadTvMode(tvMode));
    EXPECT_EQ(language, 3);
    EXPECT_EQ(model, 4);
    EXPECT_EQ(tvMode, 1u);
    EXPECT_TRUE(store.HasCompany());
    EXPECT_EQ(key.numbers.size(), 3u);

    key.writable = false;
    EXPECT_FALSE(store.WriteLastFolder("/home/alice"));
    EXPECT_EQ(store.ReadLastFolder(), "/media/alice/CAM 01");
    key.unreadable.insert("LastFolder");
    EXPECT_FALSE(store.ReadLastFolder().has_value());
    key.exists = false;
    EXPECT_FALSE(store.ReadLastFolder().has_value());
}

}  // namespace
}  // namespace corvane::platform
