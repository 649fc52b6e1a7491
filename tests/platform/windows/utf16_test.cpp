#include "platform/windows/utf16.h"

#include <gtest/gtest.h>

#include <string>

namespace corvane::platform {
namespace {

TEST(Utf16, RoundTripsEveryPlaneAndLanguage) {
    const std::string texts[] = {
        "",
        "menu.dat",
        "相机设置",                 // Chinese
        "カメラ設定フォルダー",     // Japanese
        "Ünïcödé ß",                // Latin beyond ASCII
        "\xF0\x9F\x93\xB7 camera",  // outside the basic plane: a surrogate pair in UTF-16
    };
    for (const std::string& text : texts) {
        EXPECT_EQ(FromWide(ToWide(text)), text) << text;
    }
    EXPECT_EQ(ToWide("相机"), std::wstring(L"\x76F8\x673A"));
    EXPECT_EQ(ToWide("\xF0\x9F\x93\xB7"), std::wstring(L"\xD83D\xDCF7"));
}

TEST(Utf16, InvalidSequencesBecomeReplacementCharactersNotNothing) {
    // A cut-off sequence and a lone continuation byte between valid text.
    const std::wstring wide = ToWide(
        "a\xE7\x9B"
        "b\x80"
        "c");
    EXPECT_EQ(wide.front(), L'a');
    EXPECT_EQ(wide.back(), L'c');
    EXPECT_NE(wide.find(L'\xFFFD'), std::wstring::npos);
    // An unpaired surrogate.
    EXPECT_EQ(FromWide(std::wstring(L"x\xD800y")), "x\xEF\xBF\xBDy");
}

}  // namespace
}  // namespace corvane::platform
