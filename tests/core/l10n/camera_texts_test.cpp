#include "core/l10n/camera_texts.h"
#include "core/models/models.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace corvane {
namespace {

constexpr ModelFamily kFamilies[] = {ModelFamily::k8620, ModelFamily::k8520};

// Every caption that every language sets, in one list so the checks below can walk them.
std::vector<std::string_view> CommonCaptions(const CameraCaptions& c) {
    return {c.cameraMode,   c.imageSize,   c.videoSize,       c.pictureCount, c.timeStamp,    c.senseLevel,
            c.sidePir,      c.videoLength, c.interval,        c.dateFormat,   c.setClock,     c.getTime,
            c.timer1,       c.timer2,      c.timer1Start,     c.timer1Stop,   c.serialNumber, c.timeLapse,
            c.folderButton, c.generate,    c.factoryDefaults, c.exit};
}

std::vector<std::string_view> JapaneseOnlyCaptions(const CameraCaptions& c) {
    return {c.timer2Start, c.timer2Stop, c.hourLabel, c.minuteLabel, c.secondLabel};
}

std::vector<std::string_view> AllListEntries(const CameraListTexts& l) {
    std::vector<std::string_view> all;
    auto add = [&all](const auto& list) { all.insert(all.end(), list.begin(), list.end()); };
    add(l.cameraMode);
    add(l.pictureCount);
    add(l.timeStamp);
    add(l.timeLapse);
    add(l.senseLevel);
    add(l.offOn);
    add(l.intervalUnit);
    add(l.dateFormat);
    return all;
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char ch) { return static_cast<unsigned char>(ch) < 0x80; });
}

// Spot checks of each language: three captions and one entry of every list, taken from the
// language tables (the 8620 variant).
struct LanguageRow {
    int32_t language;
    std::string_view cameraMode;       // caption
    std::string_view getTime;          // caption
    std::string_view exit;             // caption
    std::string_view modeEntry2;       // camera mode list, index 2
    std::string_view pictureEntry0;    // picture count list, index 0
    std::string_view timeStampEntry1;  // time stamp list, index 1 (off)
    std::string_view timeLapseEntry1;  // time lapse list, index 1 (off)
    std::string_view senseEntry2;      // sense level list, index 2 (low)
    std::string_view offOnEntry1;      // off/on lists, index 1 (on)
    std::string_view unitEntry0;       // interval unit list, index 0 (seconds)
    std::string_view dateEntry1;       // date format list, index 1
};

const LanguageRow kLanguageRows[] = {
    {1, "模式", "获取时间", "退出", "Camera+Video", "01 张", "关", "关", "低", "开", "秒", "月日年"},
    {2, "Mode", "Get Time", "Exit", "Camera+Video", "01 Photo", "Off", "Off", "Low", "On", "Sec", "MMDDYY"},
    {3, "Modus", "Uhrzeit anfragen", "Beenden", "Foto+Video", "01 Foto", "Aus", "Aus", "Niedring", "Ein",
     "Sek", "MMDDYY"},
    {4, "kuvaustila", "Hae aika", "poistu", "kam+Video", "01 kuvaa", "pois", "pois", "matala", "paalla", "s",
     "KKPPVV"},
    {5, "Modo", "Prel. Ora", "Indiet", "Foto e video", "01 Foto", "OFF", "OFF", "Bassa", "ON", "sec.",
     "MMDDYY"},
    {6, "Mode", "Obtenir heure", "Retour", "Photo+Video", "01 Photo", "Arret", "Arret", "Bas", "Marche",
     "Sec", "MMDDYY"},
    {7, "Mod", "Idot szerez", "Vissz.", "Camera+Video", "01 Fenykep", "Off", "Ki", "Alacsony", "Be", "mp",
     "MMDDYY"},
    {8, "Nacin", "Pridobi uro", "Nazaj", "Camera+Video", "01 Slika", "Izklop", "Izklop", "Nizko", "Vklop",
     "Sek", "MMDDYY"},
    {9, "Rezim", "Nastavit cas", "Vystup", "Foto+Video", "01 Foto", "Vypnuto", "Vypnuto", "Nizka", "Zapnuto",
     "Sec", "MMDDRR"},
    {10, "モード", "PC時間反映", "終了", "静止画+動画", "01 Photo", "オフ", "オフ", "低", "オン", "秒",
     "MMDDYY"},
};

TEST(CameraTexts, EveryLanguageHasItsOwnCaptionsAndListEntries) {
    for (const LanguageRow& row : kLanguageRows) {
        SCOPED_TRACE(row.language);
        const CameraTexts texts = CameraDialogTexts(row.language, ModelFamily::k8620);
        EXPECT_EQ(texts.captions.cameraMode, row.cameraMode);
        EXPECT_EQ(texts.captions.getTime, row.getTime);
        EXPECT_EQ(texts.captions.exit, row.exit);
        EXPECT_EQ(texts.lists.cameraMode[2], row.modeEntry2);
        EXPECT_EQ(texts.lists.pictureCount[0], row.pictureEntry0);
        EXPECT_EQ(texts.lists.timeStamp[1], row.timeStampEntry1);
        EXPECT_EQ(texts.lists.timeLapse[1], row.timeLapseEntry1);
        EXPECT_EQ(texts.lists.senseLevel[2], row.senseEntry2);
        EXPECT_EQ(texts.lists.offOn[1], row.offOnEntry1);
        EXPECT_EQ(texts.lists.intervalUnit[0], row.unitEntry0);
        EXPECT_EQ(texts.lists.dateFormat[1], row.dateEntry1);
    }
}

TEST(CameraTexts, EveryTextIsSetAndLatinLanguagesHaveNoDiacritics) {
    for (int32_t language = 1; language <= kLanguageCount; ++language) {
        for (ModelFamily family : kFamilies) {
            SCOPED_TRACE(language);
            const CameraTexts texts = CameraDialogTexts(language, family);
            std::vector<std::string_view> all = CommonCaptions(texts.captions);
            const std::vector<std::string_view> entries = AllListEntries(texts.lists);
            all.insert(all.end(), entries.begin(), entries.end());
            for (std::string_view text : all) {
                EXPECT_FALSE(text.empty());
                if (language != kChinese && language != kJapanese) {
                    EXPECT_TRUE(IsAscii(text)) << text;
                }
            }
        }
    }
}

TEST(CameraTexts, OnOffListsAreTheReverseOfTheTimeLapseList) {
    // The off/on lists store off at 0, the time lapse list on at 0: the same words, swapped.
    for (int32_t language = 1; language <= kLanguageCount; ++language) {
        SCOPED_TRACE(language);
        const CameraListTexts lists = CameraDialogTexts(language, ModelFamily::k8620).lists;
        EXPECT_EQ(lists.offOn[0], lists.timeLapse[1]);
        EXPECT_EQ(lists.offOn[1], lists.timeLapse[0]);
    }
}

TEST(CameraTexts, HungarianTimeStampSaysOffWhereTimeLapseSaysKi) {
    const CameraListTexts lists = CameraDialogTexts(kHungarian, ModelFamily::k8520).lists;
    EXPECT_EQ(lists.timeStamp[0], "Be");
    EXPECT_EQ(lists.timeStamp[1], "Off");
    EXPECT_EQ(lists.timeLapse[0], "Be");
    EXPECT_EQ(lists.timeLapse[1], "Ki");
}

TEST(CameraTexts, ChineseCameraModesAreEnglishWords) {
    const CameraListTexts lists = CameraDialogTexts(kChinese, ModelFamily::k8620).lists;
    EXPECT_EQ(lists.cameraMode[0], "Camera");
    EXPECT_EQ(lists.cameraMode[1], "Video");
    EXPECT_EQ(lists.cameraMode[2], "Camera+Video");
}

TEST(CameraTexts, JapaneseAloneReplacesTheSmallLabels) {
    for (int32_t language = 1; language <= kLanguageCount; ++language) {
        for (ModelFamily family : kFamilies) {
            SCOPED_TRACE(language);
            const CameraCaptions captions = CameraDialogTexts(language, family).captions;
            for (std::string_view text : JapaneseOnlyCaptions(captions)) {
                EXPECT_EQ(text.empty(), language != kJapanese) << text;
            }
        }
    }
    const CameraCaptions japanese = CameraDialogTexts(kJapanese, ModelFamily::k8520).captions;
    EXPECT_EQ(japanese.timer2Start, "開始:");
    EXPECT_EQ(japanese.timer2Stop, "終了:");
    EXPECT_EQ(japanese.hourLabel, "時");
    EXPECT_EQ(japanese.minuteLabel, "分");
    EXPECT_EQ(japanese.secondLabel, "秒");
}

TEST(CameraTexts, SlovenianAloneDiffersBetweenTheFamilies) {
    for (int32_t language = 1; language <= kLanguageCount; ++language) {
        SCOPED_TRACE(language);
        const CameraTexts a = CameraDialogTexts(language, ModelFamily::k8620);
        const CameraTexts b = CameraDialogTexts(language, ModelFamily::k8520);
        EXPECT_EQ(CommonCaptions(a.captions) == CommonCaptions(b.captions), language != kSlovenian);
        EXPECT_EQ(AllListEntries(a.lists) == AllListEntries(b.lists), language != kSlovenian);
    }
    const CameraTexts s8620 = CameraDialogTexts(kSlovenian, ModelFamily::k8620);
    const CameraTexts s8520 = CameraDialogTexts(kSlovenian, ModelFamily::k8520);
    EXPECT_EQ(s8620.captions.folderButton, "Select");
    EXPECT_EQ(s8520.captions.folderButton, "Izberi");
    EXPECT_EQ(s8620.lists.intervalUnit[0], "Sek");
    EXPECT_EQ(s8620.lists.intervalUnit[1], "Min");
    EXPECT_EQ(s8520.lists.intervalUnit[0], "Sek.");
    EXPECT_EQ(s8520.lists.intervalUnit[1], "Min.");
}

TEST(CameraTexts, LanguageOutsideTheRangeShowsEnglish) {
    const CameraTexts english = CameraDialogTexts(kEnglish, ModelFamily::k8520);
    for (int32_t language : {0, -1, 11, 255, 1000000}) {
        SCOPED_TRACE(language);
        for (ModelFamily family : kFamilies) {
            const CameraTexts texts = CameraDialogTexts(language, family);
            EXPECT_EQ(CommonCaptions(texts.captions), CommonCaptions(english.captions));
            EXPECT_EQ(AllListEntries(texts.lists), AllListEntries(english.lists));
        }
    }
    EXPECT_EQ(english.captions.generate, "Generate");
    EXPECT_EQ(english.captions.factoryDefaults, "Default");
}

TEST(CameraTexts, FamilyListsAndSerialCharacters) {
    const auto join = [](std::span<const std::string_view> entries) {
        std::string out;
        for (std::string_view e : entries) {
            out += std::string(e) + ",";
        }
        return out;
    };
    EXPECT_EQ(join(ImageSizeEntries(ModelFamily::k8620)), "12MP,5MP,2MP,");
    EXPECT_EQ(join(ImageSizeEntries(ModelFamily::k8520)), "5MP,12MP,1.3MP,");
    EXPECT_EQ(join(VideoSizeEntries(ModelFamily::k8620)), "1440x1080,1280x720,640x480,");
    EXPECT_EQ(join(VideoSizeEntries(ModelFamily::k8520)), "640x480,320x240,");
    EXPECT_EQ(join(SerialCharacterEntries()),
              "0,1,2,3,4,5,6,7,8,9,A,B,C,D,E,F,G,H,I,J,K,L,M,N,O,P,Q,R,S,T,U,V,W,X,Y,Z,");
}

}  // namespace
}  // namespace corvane
