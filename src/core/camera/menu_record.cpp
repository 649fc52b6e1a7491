#include "core/camera/menu_record.h"

#include <algorithm>

#include "core/files/crc16.h"
#include "core/models/models.h"

namespace corvane {
namespace {

uint8_t Low8(uint32_t value) {
    return static_cast<uint8_t>(value & 0xFF);
}

uint8_t Low8(int value) {
    return static_cast<uint8_t>(static_cast<unsigned>(value) & 0xFF);
}

// CRC-16 over bytes 0..49 into 56..57; bytes 50..55 stay outside the CRC.
void Seal(Record& record) {
    const uint16_t crc =
        Crc16Update(0, record.data() + record_offset::kPayload, static_cast<std::ptrdiff_t>(kPayloadSize));
    StoreLe16(record, record_offset::kCrcLow, crc);
}

}  // namespace

CameraMenuRecord BuildMenuRecord(const CameraMenuSettings& s, ModelFamily family, int32_t fileLanguage,
                                 uint32_t tvMode) {
    namespace o = menu_offset;
    Record r = NewRecord();
    r[o::kCameraMode] = Low8(s.cameraMode);
    r[o::kImageSize] = Low8(s.imageSize);
    r[o::kVideoSize] = Low8(s.videoSize);
    r[o::kPictureCount] = Low8(s.pictureCount);
    r[o::kVideoLength] = Low8(s.videoLength - 1);
    r[o::kTimeStamp] = Low8(s.timeStamp);
    r[o::kInterval] = Low8(s.intervalUnit == kIntervalUnitSeconds ? s.interval + 128 : s.interval);
    r[o::kSenseLevel] = Low8(s.senseLevel);
    r[o::kTimer1Enabled] = Low8(s.timer1Enabled);
    r[o::kSidePir] = Low8(s.sidePir);
    r[o::kTimeLapse] = Low8(s.timeLapse);
    r[o::kTimeLapseHour] = Low8(s.timeLapseHour);
    r[o::kTimeLapseMinute] = Low8(s.timeLapseMinute);
    r[o::kTimeLapseSecond] = Low8(s.timeLapseSecond);

    const int year = std::clamp(s.cameraClock.year, kClockBaseYear, kClockLastYear);
    r[o::kClockYear] = Low8(year - kClockBaseYear);
    r[o::kClockMonth] = Low8(s.cameraClock.month);
    r[o::kClockDay] = Low8(s.cameraClock.day);
    r[o::kClockHour] = Low8(s.cameraClock.hour);
    r[o::kClockMinute] = Low8(s.cameraClock.minute);
    r[o::kClockSecond] = Low8(s.cameraClock.second);

    r[o::kTimer1StartHour] = Low8(s.timer1StartHour);
    r[o::kTimer1StartMinute] = Low8(s.timer1StartMinute);
    r[o::kTimer1StopHour] = Low8(s.timer1StopHour);
    r[o::kTimer1StopMinute] = Low8(s.timer1StopMinute);
    r[o::kSerialEnabled] = Low8(s.serialEnabled);
    r[o::kSerialChar1] = Low8(s.serialChar1);
    r[o::kSerialChar1 + 1] = Low8(s.serialChar2);
    r[o::kSerialChar1 + 2] = Low8(s.serialChar3);
    r[o::kSerialChar1 + 3] = Low8(s.serialChar4);
    r[o::kFileLanguage] = Low8(static_cast<uint32_t>(fileLanguage));
    r[o::kTvMode] = Low8(tvMode);

    std::size_t timer2;
    if (family == ModelFamily::k8620) {
        r[o::k8620Beep] = Low8(s.beep);
        r[o::k8620SdCycle] = Low8(s.sdCycle);
        r[o::k8620Timer2Enabled] = Low8(s.timer2Enabled);
        timer2 = o::k8620Timer2StartHour;
    } else {
        r[o::k8520Timer2Enabled] = Low8(s.timer2Enabled);
        timer2 = o::k8520Timer2StartHour;
    }
    r[timer2] = Low8(s.timer2StartHour);
    r[timer2 + 1] = Low8(s.timer2StartMinute);
    r[timer2 + 2] = Low8(s.timer2StopHour);
    r[timer2 + 3] = Low8(s.timer2StopMinute);

    Seal(r);
    return r;
}

CameraMenuRecord BuildFactoryRecord() {
    Record r = NewRecord();
    r[0] = r[1] = r[2] = r[3] = 0xFF;
    Seal(r);
    return r;
}

CameraClock CaptureCameraClock(const CameraClock& localNow) {
    CameraClock clock = localNow;
    if (clock.year > kClockLastYear) {
        clock.year = kClockLastYear;
    } else if (clock.year < kClockBaseYear) {
        clock.year = 2011;  // the camera's own reset year, not the oldest it can hold
    }
    return clock;
}

}  // namespace corvane
