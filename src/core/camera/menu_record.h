#pragma once

#include <cstdint>

#include "core/files/record.h"
#include "core/l10n/language.h"
#include "core/models/app_settings.h"

namespace corvane {

// Offsets of the camera menu record (menu.dat). Bytes 0..30 mean the same in both families; the 8620
// family adds beep and memory-card cycle at 31..32 and so keeps its second timer two bytes later.
namespace menu_offset {
inline constexpr std::size_t kCameraMode = 0;
inline constexpr std::size_t kImageSize = 1;
inline constexpr std::size_t kVideoSize = 2;
inline constexpr std::size_t kPictureCount = 3;
inline constexpr std::size_t kVideoLength = 4;
inline constexpr std::size_t kTimeStamp = 5;
inline constexpr std::size_t kInterval = 6;
inline constexpr std::size_t kSenseLevel = 7;
inline constexpr std::size_t kTimer1Enabled = 8;
inline constexpr std::size_t kSidePir = 9;
inline constexpr std::size_t kTimeLapse = 10;
inline constexpr std::size_t kTimeLapseHour = 11;
inline constexpr std::size_t kTimeLapseMinute = 12;
inline constexpr std::size_t kTimeLapseSecond = 13;
inline constexpr std::size_t kClockYear = 14;
inline constexpr std::size_t kClockMonth = 15;
inline constexpr std::size_t kClockDay = 16;
inline constexpr std::size_t kClockHour = 17;
inline constexpr std::size_t kClockMinute = 18;
inline constexpr std::size_t kClockSecond = 19;
inline constexpr std::size_t kTimer1StartHour = 20;
inline constexpr std::size_t kTimer1StartMinute = 21;
inline constexpr std::size_t kTimer1StopHour = 22;
inline constexpr std::size_t kTimer1StopMinute = 23;
inline constexpr std::size_t kSerialEnabled = 24;
inline constexpr std::size_t kSerialChar1 = 25;  // .. kSerialChar1 + 3
inline constexpr std::size_t kFileLanguage = 29;
inline constexpr std::size_t kTvMode = 30;
// 8620 family
inline constexpr std::size_t k8620Beep = 31;
inline constexpr std::size_t k8620SdCycle = 32;
inline constexpr std::size_t k8620Timer2Enabled = 33;
inline constexpr std::size_t k8620Timer2StartHour = 34;  // start hour, start minute, stop hour, stop minute
// 8520 family
inline constexpr std::size_t k8520Timer2Enabled = 31;
inline constexpr std::size_t k8520Timer2StartHour = 32;  // start hour, start minute, stop hour, stop minute
}  // namespace menu_offset

// The one record of menu.dat, in the common 60-byte frame.
using CameraMenuRecord = Record;

// Interval unit list of the camera dialog: index 0 seconds, index 1 minutes.
inline constexpr uint32_t kIntervalUnitSeconds = 0;
inline constexpr uint32_t kIntervalUnitMinutes = 1;

// Oldest and newest year the camera clock can hold; the record stores year - kClockBaseYear.
inline constexpr int kClockBaseYear = 2010;
inline constexpr int kClockLastYear = 2031;

// Local wall-clock time as the camera dialog captured it (milliseconds dropped).
struct CameraClock {
    int year = 2011;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    friend bool operator==(const CameraClock&, const CameraClock&) = default;
};

// The values the camera dialog edits. Indexes are positions in the dialog's choice lists; every value
// is stored as its low 8 bits.
struct CameraMenuSettings {
    uint32_t cameraMode = 0;    // 0 photo, 1 video, 2 photo and video
    uint32_t imageSize = 0;     // list index; meaning depends on the family
    uint32_t videoSize = 0;     // list index; meaning depends on the family
    uint32_t pictureCount = 0;  // 0 one picture .. 2 three pictures
    uint32_t videoLength = 1;   // seconds, 1..60
    uint32_t timeStamp = 0;     // 0 on, 1 off
    uint32_t interval = 0;      // 0..60 in intervalUnit
    uint32_t intervalUnit = kIntervalUnitSeconds;
    uint32_t senseLevel = 0;  // 0 normal, 1 high, 2 low, 3 off
    uint32_t timer1Enabled = 0;
    uint32_t sidePir = 0;
    uint32_t timeLapse = 0;  // 0 on, 1 off
    uint32_t timeLapseHour = 0;
    uint32_t timeLapseMinute = 0;
    uint32_t timeLapseSecond = 0;
    uint32_t timer1StartHour = 0;
    uint32_t timer1StartMinute = 0;
    uint32_t timer1StopHour = 0;
    uint32_t timer1StopMinute = 0;
    uint32_t serialEnabled = 0;
    uint32_t serialChar1 = 0;  // 0..35: "0".."9", "A".."Z"
    uint32_t serialChar2 = 0;
    uint32_t serialChar3 = 0;
    uint32_t serialChar4 = 0;
    uint32_t beep = 0;     // 8620 family only
    uint32_t sdCycle = 0;  // 8620 family only
    uint32_t timer2Enabled = 0;
    uint32_t timer2StartHour = 0;
    uint32_t timer2StartMinute = 0;
    uint32_t timer2StopHour = 0;
    uint32_t timer2StopMinute = 0;
    CameraClock cameraClock;  // the captured clock, not the time of writing
};

// Takes the dialog's settings, the dialog's model family, the FileLanguage value and AppSettings'
// tvMode; returns the 60-byte menu record with its CRC-16 over bytes 0..49 at 56..57 (low byte first)
// and 0x0D 0x0A at 58..59. Checks no ranges: each value is stored as its low 8 bits; the clock year is
// limited to 2010..2031 first.
CameraMenuRecord BuildMenuRecord(const CameraMenuSettings& settings, ModelFamily family, int32_t fileLanguage,
                                 uint32_t tvMode);

// Returns the factory-settings record, the same for both families: FF FF FF FF, 52 zero bytes,
// 90 88 0D 0A.
CameraMenuRecord BuildFactoryRecord();

// Takes the local time and returns the camera clock: a year above 2031 becomes 2031, a year below 2010
// becomes 2011; the other fields are kept.
CameraClock CaptureCameraClock(const CameraClock& localNow);

}  // namespace corvane
