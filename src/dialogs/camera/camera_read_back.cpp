// The camera dialog's read button: menu.dat back into the lists and fields.

#include "core/files/write_sequence.h"
#include "decoder/setup_file_reader.h"
#include "dialogs/camera/camera_setup_dlg.h"
#include "dialogs/shell/read_back.h"

namespace corvane {

std::optional<decoder::Finding> CCameraSetupDlg::ReadFile(const std::string& path) {
    const decoder::Reading<decoder::MenuSettings> reading =
        decoder::ReadMenuSettingsFile(LoadSetupFile(fs_, path), DecoderFamily(family_));
    if (reading.refusal) {
        return reading.refusal;
    }
    ApplyMenuSettings(*reading.settings);
    return std::nullopt;
}

// Selections set here call no handler, so the read-only states are set as the handlers would, and the
// clock is captured as the get-time button does. The language and TV mode of the file are not taken: the
// dialog writes the program's.
void CCameraSetupDlg::ApplyMenuSettings(const decoder::MenuSettings& s) {
    cameraModeList_.SetCurSel(s.cameraMode);
    imageSizeList_.SetCurSel(s.imageSize);
    videoSizeList_.SetCurSel(s.videoSize);
    pictureCountList_.SetCurSel(s.pictureCount);
    timeStampList_.SetCurSel(s.timeStamp);
    senseLevelList_.SetCurSel(s.senseLevel);
    sidePirList_.SetCurSel(s.sidePir);
    intervalUnitList_.SetCurSel(s.intervalUnit);
    timer1List_.SetCurSel(s.timer1.enabled);
    timer2List_.SetCurSel(s.timer2.enabled);
    serialList_.SetCurSel(s.serialEnabled);
    for (std::size_t i = 0; i < serialCharLists_.size(); ++i) {
        serialCharLists_[i].SetCurSel(s.serialChars[i]);
    }
    timeLapseList_.SetCurSel(s.timeLapse);
    if (family_ == ModelFamily::k8620) {
        beepList_.SetCurSel(s.beep);
        sdCycleList_.SetCurSel(s.sdCycle);
    }

    videoLength = s.videoLength;
    interval = s.interval;
    timeLapseHour = s.timeLapseHour;
    timeLapseMinute = s.timeLapseMinute;
    timeLapseSecond = s.timeLapseSecond;
    timer1StartHour = s.timer1.startHour;
    timer1StartMinute = s.timer1.startMinute;
    timer1StopHour = s.timer1.stopHour;
    timer1StopMinute = s.timer1.stopMinute;
    timer2StartHour = s.timer2.startHour;
    timer2StartMinute = s.timer2.startMinute;
    timer2StopHour = s.timer2.stopHour;
    timer2StopMinute = s.timer2.stopMinute;

    SetTimeLapseReadOnly(s.timeLapse == 1);
    SetTimer1ReadOnly(s.timer1.enabled == 0);
    SetTimer2ReadOnly(s.timer2.enabled == 0);
    EnableSerialCharacters(s.serialEnabled == 1);

    CaptureClock();
    clockText = FormatCameraClock(cameraClock, dateFormatList_.GetCurSel());
    UpdateData(false);
}

}  // namespace corvane
