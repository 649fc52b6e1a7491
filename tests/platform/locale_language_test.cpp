#include "platform/locale_language.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace corvane::platform {
namespace {

TEST(LanguageIdFromLocaleName, MapsLanguageAndCountryWithFallbacks) {
    const struct {
        const char* locale;
        uint16_t id;
    } cases[] = {
        {"zh_CN.UTF-8", 0x0804}, {"zh_CN.GB18030", 0x0804}, {"zh_CN", 0x0804},       {"zh", 0x0804},
        {"zh_TW.UTF-8", 0x0404}, {"zh_HK.UTF-8", 0x0C04},   {"de_LI.UTF-8", 0x1407}, {"de_DE.UTF-8", 0x0407},
        {"de_DE@euro", 0x0407},  {"de_AT.UTF-8", 0x0C07},   {"de_CH", 0x0807},       {"de_BE.UTF-8", 0x0407},
        {"de", 0x0407},          {"en_US.UTF-8", 0x0409},   {"en_GB.UTF-8", 0x0809}, {"fi_FI.UTF-8", 0x040B},
        {"it_IT.UTF-8", 0x0410}, {"fr_FR.UTF-8", 0x040C},   {"fr_CA.UTF-8", 0x0C0C}, {"hu_HU.UTF-8", 0x040E},
        {"sl_SI.UTF-8", 0x0424}, {"cs_CZ.UTF-8", 0x0405},   {"ja_JP.UTF-8", 0x0411}, {"ja_JP.eucJP", 0x0411},
        {"C", 0x0409},           {"C.UTF-8", 0x0409},       {"POSIX", 0x0409},       {"", 0x0409},
        {"xx_YY.UTF-8", 0x0409}, {"sr_RS@latin", 0x0409},   {"zh-CN", 0x0804},       {"_CN", 0x0409},
        {"LI_de.UTF-8", 0x0409}, {"de_LIE", 0x0407},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LanguageIdFromLocaleName(c.locale), c.id) << '"' << c.locale << '"';
    }
}

class LocaleEnvironment : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : kNames) {
            const char* value = std::getenv(name);
            saved_[Index(name)] = value ? std::optional<std::string>(value) : std::nullopt;
            unsetenv(name);
        }
    }
    void TearDown() override {
        for (const char* name : kNames) {
            const auto& value = saved_[Index(name)];
            value ? setenv(name, value->c_str(), 1) : unsetenv(name);
        }
    }

    static constexpr const char* kNames[] = {"LC_ALL", "LC_MESSAGES", "LANG"};

  private:
    static size_t Index(const char* name) {
        for (size_t i = 0; i < 3; ++i) {
            if (std::string(kNames[i]) == name) {
                return i;
            }
        }
        return 0;
    }
    std::optional<std::string> saved_[3];
};

TEST_F(LocaleEnvironment, LcAllThenLcMessagesThenLangDecideAndEmptyOnesAreSkipped) {
    EXPECT_EQ(MessagesLocaleFromEnvironment(), "C");
    setenv("LANG", "de_LI.UTF-8", 1);
    EXPECT_EQ(MessagesLocaleFromEnvironment(), "de_LI.UTF-8");
    setenv("LC_MESSAGES", "zh_CN.UTF-8", 1);
    EXPECT_EQ(MessagesLocaleFromEnvironment(), "zh_CN.UTF-8");
    setenv("LC_ALL", "", 1);
    EXPECT_EQ(MessagesLocaleFromEnvironment(), "zh_CN.UTF-8");
    setenv("LC_ALL", "ja_JP.UTF-8", 1);
    EXPECT_EQ(MessagesLocaleFromEnvironment(), "ja_JP.UTF-8");
}

}  // namespace
}  // namespace corvane::platform
