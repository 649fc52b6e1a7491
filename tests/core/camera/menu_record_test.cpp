#include "core/camera/menu_record.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/models/models.h"
#include "support/test_folders.h"

namespace corvane {
namespace {

using namespace corvane::testing;

// Slow reference for the stored CRC: bit by bit, MSB first, poly 0x1021, start 0.
uint16_t ReferenceCrc(const Record& record) {
    uint16_t crc = 0;
    for (std::size_t i = 0; i < 50; ++i) {
        crc = static_cast<uint16_t>(crc ^ (record[i] << 8));
        for (int bit = 0; bit < 8; ++bit) {
            crc = static_cast<uint16_t>((crc & 0x8000) ? (crc << 1) ^ 0x1021 : crc << 1);
        }
    }
    return crc;
}

// The dialog's defaults of the worked examples, clock 2013-06-15 08:30:00.
CameraMenuSettings ExampleDefaults(ModelFamily family) {
    CameraMenuSettings s;
    s.videoSize = family == ModelFamily::k8620 ? 1 : 0;
    s.videoLength = 10;
    s.interval = 1;
    s.intervalUnit = kIntervalUnitMinutes;
    s.sidePir = 1;
    s.timeLapse = 1;
    s.beep = 1;
    s.cameraClock = {2013, 6, 15, 8, 30, 0};
    return s;
}

TEST(BuildMenuRecord, WorkedExamplesMatchGoldenFiles) {
    struct Case {
        ModelFamily family;
        const char* golden;
        uint16_t crc;
    };
    for (const Case& c : {Case{ModelFamily::k8620, "menu_8620_defaults.dat", 0x9A01},
                          Case{ModelFamily::k8520, "menu_8520_defaults.dat", 0xAEFF}}) {
        const Record record = BuildMenuRecord(ExampleDefaults(c.family), c.family, kEnglish, 0);
        const Bytes golden = Golden(c.golden);
        ASSERT_EQ(golden.size(), 60u) << c.golden;
        EXPECT_EQ(ToBytes(record), golden) << c.golden;
        EXPECT_EQ(record[56] | (record[57] << 8), c.crc) << c.golden;
    }
}

TEST(BuildFactoryRecord, IsFixedBytes) {
    const Bytes golden = Golden("menu_factory.dat");
    ASSERT_EQ(golden.size(), 60u);
    EXPECT_EQ(ToBytes(BuildFactoryRecord()), golden);
    Bytes written(4, 0xFF);
    written.resize(56, 0x00);
    for (uint8_t b : {0x90, 0x88, 0x0D, 0x0A}) {
        written.push_back(b);
    }
    EXPECT_EQ(golden, written);
}

// One setting changed from the 8620 example, and the byte it must give.
struct ByteCase {
    const char* name;
    void (*change)(CameraMenuSettings&);
    int32_t fileLanguage;
    uint32_t tvMode;
    std::size_t offset;
    uint8_t expected;
};

TEST(BuildMenuRecord, EncodesEachSetting) {
    const ByteCase cases[] = {
        {"interval 0 seconds", [](CameraMenuSettings& s) { s.interval = 0, s.intervalUnit = 0; }, 2, 0, 6,
         0x80},
        {"interval 60 seconds", [](CameraMenuSettings& s) { s.interval = 60, s.intervalUnit = 0; }, 2, 0, 6,
         0xBC},
        {"interval 60 minutes", [](CameraMenuSettings& s) { s.interval = 60, s.intervalUnit = 1; }, 2, 0, 6,
         0x3C},
        {"interval 0 minutes", [](CameraMenuSettings& s) { s.interval = 0, s.intervalUnit = 1; }, 2, 0, 6,
         0x00},
        {"video 1 second", [](CameraMenuSettings& s) { s.videoLength = 1; }, 2, 0, 4, 0},
        {"video 60 seconds", [](CameraMenuSettings& s) { s.videoLength = 60; }, 2, 0, 4, 59},
        {"camera mode photo and video", [](CameraMenuSettings& s) { s.cameraMode = 2; }, 2, 0, 0, 2},
        {"image size", [](CameraMenuSettings& s) { s.imageSize = 2; }, 2, 0, 1, 2},
        {"three pictures", [](CameraMenuSettings& s) { s.pictureCount = 2; }, 2, 0, 3, 2},
        {"time stamp off", [](CameraMenuSettings& s) { s.timeStamp = 1; }, 2, 0, 5, 1},
        {"sensor off", [](CameraMenuSettings& s) { s.senseLevel = 3; }, 2, 0, 7, 3},
        {"timer 1 on", [](CameraMenuSettings& s) { s.timer1Enabled = 1; }, 2, 0, 8, 1},
        {"side sensor off", [](CameraMenuSettings& s) { s.sidePir = 0; }, 2, 0, 9, 0},
        {"time lapse on", [](CameraMenuSettings& s) { s.timeLapse = 0; }, 2, 0, 10, 0},
        {"time lapse hour", [](CameraMenuSettings& s) { s.timeLapseHour = 23; }, 2, 0, 11, 23},
        {"time lapse minute", [](CameraMenuSettings& s) { s.timeLapseMinute = 59; }, 2, 0, 12, 59},
        {"time lapse second", [](CameraMenuSettings& s) { s.timeLapseSecond = 58; }, 2, 0, 13, 58},
        {"clock 2031", [](CameraMenuSettings& s) { s.cameraClock.year = 2031; }, 2, 0, 14, 21},
        {"clock 2010", [](CameraMenuSettings& s) { s.cameraClock.year = 2010; }, 2, 0, 14, 0},
        {"uncaptured clock 2035 limited", [](CameraMenuSettings& s) { s.cameraClock.year = 2035; }, 2, 0, 14,
         21},
        {"uncaptured clock 2005 limited", [](CameraMenuSettings& s) { s.cameraClock.year = 2005; }, 2, 0, 14,
         0},
        {"captured clock 2035",
         [](CameraMenuSettings& s) {
             s.cameraClock = CaptureCameraClock({2035, 1, 2, 3, 4, 5});
         },
         2, 0, 14, 21},
        {"captured clock 2005",
         [](CameraMenuSettings& s) {
             s.cameraClock = CaptureCameraClock({2005, 1, 2, 3, 4, 5});
         },
         2, 0, 14, 1},
        {"clock month", [](CameraMenuSettings& s) { s.cameraClock.month = 12; }, 2, 0, 15, 12},
        {"clock day", [](CameraMenuSettings& s) { s.cameraClock.day = 31; }, 2, 0, 16, 31},
        {"clock hour", [](CameraMenuSettings& s) { s.cameraClock.hour = 23; }, 2, 0, 17, 23},
        {"clock minute", [](CameraMenuSettings& s) { s.cameraClock.minute = 59; }, 2, 0, 18, 59},
        {"clock second", [](CameraMenuSettings& s) { s.cameraClock.second = 59; }, 2, 0, 19, 59},
        {"timer 1 start hour", [](CameraMenuSettings& s) { s.timer1StartHour = 21; }, 2, 0, 20, 21},
        {"timer 1 start minute", [](CameraMenuSettings& s) { s.timer1StartMinute = 22; }, 2, 0, 21, 22},
        {"timer 1 stop hour", [](CameraMenuSettings& s) { s.timer1StopHour = 23; }, 2, 0, 22, 23},
        {"timer 1 stop minute", [](CameraMenuSettings& s) { s.timer1StopMinute = 24; }, 2, 0, 23, 24},
        {"serial on", [](CameraMenuSettings& s) { s.serialEnabled = 1; }, 2, 0, 24, 1},
        {"serial char 1 Z", [](CameraMenuSettings& s) { s.serialChar1 = 35; }, 2, 0, 25, 35},
        {"serial char 2 A", [](CameraMenuSettings& s) { s.serialChar2 = 10; }, 2, 0, 26, 10},
        {"serial char 3 9", [](CameraMenuSettings& s) { s.serialChar3 = 9; }, 2, 0, 27, 9},
        {"serial char 4", [](CameraMenuSettings& s) { s.serialChar4 = 17; }, 2, 0, 28, 17},
        {"file language Chinese", [](CameraMenuSettings&) {}, 1, 0, 29, 1},
        {"file language Japanese", [](CameraMenuSettings&) {}, 10, 0, 29, 10},
        {"tv mode low byte", [](CameraMenuSettings&) {}, 2, 0x1234, 30, 0x34},
        {"value above 255 keeps its low 8 bits", [](CameraMenuSettings& s) { s.timeLapseHour = 300; }, 2, 0,
         11, 44},
    };
    const Record base = BuildMenuRecord(ExampleDefaults(ModelFamily::k8620), ModelFamily::k8620, 2, 0);
    for (const ByteCase& c : cases) {
        CameraMenuSettings s = ExampleDefaults(ModelFamily::k8620);
        c.change(s);
        const Record record = BuildMenuRecord(s, ModelFamily::k8620, c.fileLanguage, c.tvMode);
        EXPECT_EQ(record[c.offset], c.expected) << c.name;
        for (std::size_t i = 0; i < 56; ++i) {
            if (i != c.offset && (c.offset != 14 || i < 14 || i > 19)) {
                EXPECT_EQ(record[i], base[i]) << c.name << ": byte " << i;
            }
        }
        EXPECT_EQ(record[56] | (record[57] << 8), ReferenceCrc(record)) << c.name;
        EXPECT_EQ(record[58], 0x0D) << c.name;
        EXPECT_EQ(record[59], 0x0A) << c.name;
    }
}

TEST(BuildMenuRecord, FamiliesPlaceBeepCycleAndSecondTimer) {
    CameraMenuSettings s = ExampleDefaults(ModelFamily::k8620);
    s.beep = 0xB1;
    s.sdCycle = 0xB2;
    s.timer2Enabled = 0xB3;
    s.timer2StartHour = 0xB4;
    s.timer2StartMinute = 0xB5;
    s.timer2StopHour = 0xB6;
    s.timer2StopMinute = 0xB7;
    struct Case {
        ModelFamily family;
        std::vector<uint8_t> bytes31To37;
    };
    for (const Case& c : {Case{ModelFamily::k8620, {0xB1, 0xB2, 0xB3, 0xB4, 0xB5, 0xB6, 0xB7}},
                          Case{ModelFamily::k8520, {0xB3, 0xB4, 0xB5, 0xB6, 0xB7, 0x00, 0x00}}}) {
        const Record record = BuildMenuRecord(s, c.family, 2, 0);
        EXPECT_EQ(Bytes(record.begin() + 31, record.begin() + 38), c.bytes31To37);
        for (std::size_t i = 38; i < 56; ++i) {
            EXPECT_EQ(record[i], 0x00) << i;
        }
    }
}

TEST(BuildMenuRecord, CrcCoversBytes0To49Only) {
    std::mt19937 rng(3101);
    std::uniform_int_distribution<uint32_t> any(0, 0x1FF);
    for (int round = 0; round < 200; ++round) {
        CameraMenuSettings s;
        for (uint32_t* field : {&s.cameraMode,
                                &s.imageSize,
                                &s.videoSize,
                                &s.pictureCount,
                                &s.videoLength,
                                &s.timeStamp,
                                &s.interval,
                                &s.intervalUnit,
                                &s.senseLevel,
                                &s.timer1Enabled,
                                &s.sidePir,
                                &s.timeLapse,
                                &s.timeLapseHour,
                                &s.timeLapseMinute,
                                &s.timeLapseSecond,
                                &s.timer1StartHour,
                                &s.timer1StartMinute,
                                &s.timer1StopHour,
                                &s.timer1StopMinute,
                                &s.serialEnabled,
                                &s.serialChar1,
                                &s.serialChar2,
                                &s.serialChar3,
                                &s.serialChar4,
                                &s.beep,
                                &s.sdCycle,
                                &s.timer2Enabled,
                                &s.timer2StartHour,
                                &s.timer2StartMinute,
                                &s.timer2StopHour,
                                &s.timer2StopMinute}) {
            *field = any(rng);
        }
        s.cameraClock = {2000 + static_cast<int>(any(rng) % 50), 1, 2, 3, 4, 5};
        const ModelFamily family = round % 2 ? ModelFamily::k8620 : ModelFamily::k8520;
        const Record record = BuildMenuRecord(s, family, static_cast<int32_t>(any(rng)), any(rng));
        for (std::size_t i = 50; i < 56; ++i) {
            ASSERT_EQ(record[i], 0x00) << i;
        }
        ASSERT_EQ(record[56] | (record[57] << 8), ReferenceCrc(record));
    }
}

TEST(BuildMenuRecord, ACaptureAtAnotherTimeChangesOnlyTheClockAndCrc) {
    CameraMenuSettings s = ExampleDefaults(ModelFamily::k8620);
    const Record first = BuildMenuRecord(s, ModelFamily::k8620, 2, 0);
    s.cameraClock = CaptureCameraClock({2024, 2, 29, 23, 59, 58});
    const Record second = BuildMenuRecord(s, ModelFamily::k8620, 2, 0);
    std::set<std::size_t> changed;
    for (std::size_t i = 0; i < 60; ++i) {
        if (first[i] != second[i]) {
            changed.insert(i);
        }
    }
    EXPECT_EQ(changed, (std::set<std::size_t>{14, 15, 16, 17, 18, 19, 56, 57}));
    EXPECT_EQ(ToBytes(BuildMenuRecord(s, ModelFamily::k8620, 2, 0)), ToBytes(second));
}

TEST(CaptureCameraClock, LimitsTheYear) {
    struct Case {
        int year;
        int captured;
    };
    for (const Case& c : {Case{2035, 2031}, Case{2032, 2031}, Case{2031, 2031}, Case{2024, 2024},
                          Case{2010, 2010}, Case{2009, 2011}, Case{2005, 2011}, Case{1970, 2011}}) {
        const CameraClock clock = CaptureCameraClock({c.year, 7, 14, 9, 41, 27});
        EXPECT_EQ(clock, (CameraClock{c.captured, 7, 14, 9, 41, 27})) << c.year;
    }
}

}  // namespace
}  // namespace corvane
