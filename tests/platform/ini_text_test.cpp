#include "platform/ini_text.h"

#include <gtest/gtest.h>

namespace corvane::platform {
namespace {

TEST(ParseStoredNumber, AcceptsOnlyDecimalDigitsWithin32Bits) {
    const struct {
        const char* text;
        std::optional<uint32_t> value;
    } cases[] = {
        {"0", 0u},
        {"7", 7u},
        {"0002", 2u},
        {"65538", 65538u},
        {"4294967295", 0xFFFFFFFFu},
        {"4294967296", std::nullopt},
        {"99999999999999999999999", std::nullopt},
        {"", std::nullopt},
        {"-1", std::nullopt},
        {"+2", std::nullopt},
        {"0x10", std::nullopt},
        {"2 3", std::nullopt},
        {"1e3", std::nullopt},
        {"two", std::nullopt},
        {"3\xff", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseStoredNumber(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(FindIniValue, FindsTheLastEntryAndSkipsEverythingElse) {
    const struct {
        const char* text;
        const char* name;
        std::optional<std::string> value;
    } cases[] = {
        {"language=3\nmodel=2\n", "model", "2"},
        {"[General]\r\nlanguage = 3 \r\nmodel=2\r\n", "language", "3"},
        {"model=1\nmodel=4\n", "model", "4"},
        {"; model=4\n# model=4\n[model=4]\n", "model", std::nullopt},
        {"models=4\nmodel2=4\n", "model", std::nullopt},
        {"model\n", "model", std::nullopt},
        {"model=", "model", ""},
        {"language=1\nmod", "model", std::nullopt},
        {"language=1\nmodel=3", "model", "3"},
        {"Company=A=B Co.\n", "Company", "A=B Co."},
        {"\x01\x02\xff\n\nmodel=2\n\x7f", "model", "2"},
        {"", "model", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindIniValue(c.text, c.name), c.value) << '"' << c.text << "\" " << c.name;
    }
}

TEST(SetIniValue, ReplacesOrAppendsOneEntryAndKeepsEveryOtherByte) {
    const struct {
        const char* before;
        const char* after;
    } cases[] = {
        {"", "model=4\n"},
        {"language=2\n", "language=2\nmodel=4\n"},
        {"language=2", "language=2\nmodel=4\n"},
        {"language=1\nmod", "language=1\nmod\nmodel=4\n"},
        {"model=1\nlanguage=2\n", "model=4\nlanguage=2\n"},
        {"[General]\r\nmodel = 1\r\nTvMode=0\r\n", "[General]\r\nmodel=4\r\nTvMode=0\r\n"},
        {"model=1\ngarbage \x7f\nmodel=2\n", "model=4\ngarbage \x7f\n"},
        {"; model=1\nlanguage=2\n", "; model=1\nlanguage=2\nmodel=4\n"},
        {"model=1", "model=4"},
    };
    for (const auto& c : cases) {
        const std::string after = SetIniValue(c.before, "model", "4");
        EXPECT_EQ(after, c.after) << '"' << c.before << '"';
        EXPECT_EQ(FindIniValue(after, "model"), "4");
    }
}

}  // namespace
}  // namespace corvane::platform
