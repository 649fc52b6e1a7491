// The settings file's model: serial counting, and what a file cannot hold.

#include <gtest/gtest.h>

#include "settings/settings_file.h"
#include "settings/settings_toml.h"

namespace corvane::settings {
namespace {

TEST(Serial, CountsUpDigitsAsDigitsAndLettersAsLetters) {
    const std::pair<const char*, const char*> steps[] = {
        {"A001", "A002"}, {"A009", "A010"}, {"A099", "A100"}, {"A999", "B000"},
        {"AZ99", "BA00"}, {"000Z", "001A"}, {"0000", "0001"},
    };
    for (const auto& [from, to] : steps) {
        EXPECT_EQ(SerialAfter(from), std::optional<std::string>(to)) << from;
    }
    for (const char* last : {"9999", "Z999", "ZZZZ"}) {
        EXPECT_EQ(SerialAfter(last), std::nullopt) << last;
    }
    for (const char* bad : {"", "A01", "A0011", "a001", "A-01", "A 01"}) {
        EXPECT_FALSE(IsSerialText(bad)) << bad;
        EXPECT_EQ(SerialAfter(bad), std::nullopt) << bad;
    }
}

TEST(Serial, SetAndReadBack) {
    decoder::MenuSettings menu;
    SetSerial(menu, "Z09A");
    EXPECT_EQ(menu.serialEnabled, 1);
    EXPECT_EQ(menu.serialChars, (std::array<int, 4>{35, 0, 9, 10}));
    EXPECT_EQ(SerialText(menu), "Z09A");
}

SettingsFile ManualEmail() {
    SettingsFile file;
    file.model = 3;  // Vyn 8520MG
    file.language = kGerman;
    file.tvMode = 1;
    decoder::SmtpSettings e;
    e.manual = true;
    e.gprsApn = "web.example";
    e.gprsPassword = "gp\"w\\x";
    e.smtpServer = "smtp.example.com";
    e.smtpPort = "465";
    e.senderEmail = "cam@example.com";
    e.senderPassword = "pässwort";
    e.recipientEmail = "me@example.com";
    e.remoteControlHours = 3;
    e.smsPhone = "0171234567";
    file.email = e;
    return file;
}

TEST(SettingsText, ReadsBackAsTheSameSettings) {
    const SettingsFile file = ManualEmail();
    const auto text = SettingsText(file, true);
    ASSERT_TRUE(std::holds_alternative<std::string>(text));
    const auto parsed = ParseSettings(std::get<std::string>(text));
    ASSERT_TRUE(std::holds_alternative<SettingsFile>(parsed))
        << std::get<SettingsError>(parsed).line << ": " << std::get<SettingsError>(parsed).what << "\n"
        << std::get<std::string>(text);
    EXPECT_EQ(std::get<SettingsFile>(parsed), file);
}

// A password left out of a file stays left out when the settings are saved again, with passwords or
// without: written as "" it would read as an empty password, and the camera could not log in.
TEST(SettingsText, ALeftOutPasswordStaysLeftOut) {
    const auto full = SettingsText(ManualEmail(), true);
    ASSERT_TRUE(std::holds_alternative<std::string>(full));
    std::string text = std::get<std::string>(full);
    const std::string given = "gprs_password = \"gp\\\"w\\\\x\"\n";
    const std::string comment =
        "# gprs_password = \"...\"  (left out; corvane-inspect --export --show-secrets writes it)\n";
    ASSERT_NE(text.find(given), std::string::npos) << text;
    text.replace(text.find(given), given.size(), comment);
    const auto parsed = ParseSettings(text);
    ASSERT_TRUE(std::holds_alternative<SettingsFile>(parsed)) << std::get<SettingsError>(parsed).what;
    const SettingsFile& file = std::get<SettingsFile>(parsed);
    const std::vector<LeftOutPassword> leftOut = {{"email", "gprs_password", 7}};  // [email] is line 7
    EXPECT_EQ(file.leftOut, leftOut);
    EXPECT_EQ(file.email->gprsPassword, "");
    for (const bool withSecrets : {false, true}) {
        const auto again = SettingsText(file, withSecrets);
        ASSERT_TRUE(std::holds_alternative<std::string>(again));
        EXPECT_NE(std::get<std::string>(again).find(comment), std::string::npos)
            << std::get<std::string>(again);
        EXPECT_EQ(std::get<std::string>(again).find("\ngprs_password = "), std::string::npos)
            << std::get<std::string>(again);
    }
    const auto reread = ParseSettings(std::get<std::string>(SettingsText(file, true)));
    ASSERT_TRUE(std::holds_alternative<SettingsFile>(reread));
    EXPECT_EQ(std::get<SettingsFile>(reread).leftOut, leftOut);
}

TEST(SettingsText, ATextThatIsNotUtf8IsNamedNotWritten) {
    SettingsFile file = ManualEmail();
    file.email->recipientEmail = "me\xB2@example.com";  // a code page byte, from another program
    const auto text = SettingsText(file, true);
    ASSERT_TRUE(std::holds_alternative<SettingsError>(text));
    EXPECT_NE(std::get<SettingsError>(text).what.find("email.recipient_email"), std::string::npos);
}

}  // namespace
}  // namespace corvane::settings
