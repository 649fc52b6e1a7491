#include "dialogs/camera/camera_setup_dlg.h"

#include <cstdio>

#include "core/camera/menu_file.h"
#include "core/l10n/camera_texts.h"
#include "core/l10n/read_back_texts.h"
#include "core/models/app_settings.h"
#include "dialogs/shell/dialog_checks.h"
#include "framework/data_exchange.h"
#include "platform/platform.h"

namespace corvane {
namespace {

// Initial list selections, the same in every language.
constexpr int kInitialIntervalUnit = static_cast<int>(kIntervalUnitMinutes);
constexpr int kOff = 0;        // off/on lists
constexpr int kOn = 1;         // off/on lists
constexpr int kOnFirst = 0;    // time stamp and time lapse lists: on is index 0
constexpr int kOffSecond = 1;  // time stamp and time lapse lists: off is index 1

uint32_t Selection(const CComboBox& list) {
    return static_cast<uint32_t>(list.GetCurSel());
}

}  // namespace

std::string FormatCameraClock(const CameraClock& c, int dateFormat) {
    char text[64];
    switch (dateFormat) {
        case 1:
            std::snprintf(text, sizeof text, "%02d/%02d/%04d %02d:%02d:%02d", c.month, c.day, c.year, c.hour,
                          c.minute, c.second);
            break;
        case 2:
            std::snprintf(text, sizeof text, "%02d/%02d/%04d %02d:%02d:%02d", c.day, c.month, c.year, c.hour,
                          c.minute, c.second);
            break;
        default:
            std::snprintf(text, sizeof text, "%d/%02d/%02d %02d:%02d:%02d", c.year, c.month, c.day, c.hour,
                          c.minute, c.second);
            break;
    }
    return text;
}

CCameraSetupDlg::CCameraSetupDlg(ModelFamily family, const AppSettings& settings,
                                 platform::Platform& platform, FileSystem& fs)
    : CSetupDialog(CameraDialogTemplate(family), family, settings, platform, fs,
                   {IDC_OUTPUT_FOLDER, IDC_FOLDER_BUTTON, kFolderTypingLimit}, kMenuFileName),
      ids_(CameraIdsOf(family)) {
    CaptureClock();
    clockText = FormatCameraClock(cameraClock, 0);

    using D = CCameraSetupDlg;
    SetMessageMap<D>({
        {IDC_VIDEO_LENGTH, Notification::kEditChange, &D::OnUpdateVideoLength},
        {IDC_INTERVAL, Notification::kEditChange, &D::OnUpdateInterval},
        {IDC_INTERVAL_UNIT, Notification::kSelChange, &D::OnSelchangeIntervalUnit},
        {IDC_CAMERA_MODE, Notification::kSelChange, &D::ReadFields},
        {IDC_IMAGE_SIZE, Notification::kSelChange, &D::ReadFields},
        {IDC_TIME_LAPSE, Notification::kSelChange, &D::OnSelchangeTimeLapse},
        {IDC_TIMER1, Notification::kSelChange, &D::OnSelchangeTimer1},
        {ids_.timer2, Notification::kSelChange, &D::OnSelchangeTimer2},
        {IDC_SERIAL, Notification::kSelChange, &D::OnSelchangeSerial},
        {IDC_GET_TIME, Notification::kClicked, &D::OnGetTime},
        {IDC_DATE_FORMAT, Notification::kSelChange, &D::OnGetTime},
        {IDC_FACTORY_SETTINGS, Notification::kClicked, &D::OnFactorySettings},
        {IDC_READ_FILE, Notification::kClicked, &D::OnReadFile},
    });
    // The timer fields are named by their row, Start or Stop, and the heading above them, so that a screen
    // reader tells the four hour and four minute fields apart.
    const bool is8620 = family == ModelFamily::k8620;
    const int timer1 = IDC_TIMER1_LABEL;
    const int timer2 = ids_.timer2Label;
    SetAccessibleNameSources({
        {IDC_TIMER1_START_HOUR, {timer1, IDC_TIMER1_START_LABEL, 1118}},
        {IDC_TIMER1_START_MINUTE, {timer1, IDC_TIMER1_START_LABEL, 1122}},
        {IDC_TIMER1_STOP_HOUR, {timer1, IDC_TIMER1_STOP_LABEL, is8620 ? 1119 : 1120}},
        {IDC_TIMER1_STOP_MINUTE, {timer1, IDC_TIMER1_STOP_LABEL, 1123}},
        {ids_.timer2StartHour, {timer2, IDC_TIMER2_START_LABEL, is8620 ? 1121 : 1119}},
        {ids_.timer2StartMinute, {timer2, IDC_TIMER2_START_LABEL, is8620 ? 1125 : 1124}},
        {ids_.timer2StopHour, {timer2, IDC_TIMER2_STOP_LABEL, is8620 ? 1120 : 1121}},
        {ids_.timer2StopMinute, {timer2, IDC_TIMER2_STOP_LABEL, is8620 ? 1124 : 1125}},
    });
    const std::pair<int, int32_t*> hours[] = {
        {IDC_TIMER1_START_HOUR, &timer1StartHour}, {IDC_TIMER1_STOP_HOUR, &timer1StopHour},
        {IDC_TIME_LAPSE_HOUR, &timeLapseHour},     {ids_.timer2StartHour, &timer2StartHour},
        {ids_.timer2StopHour, &timer2StopHour},
    };
    for (const auto& [id, value] : hours) {
        AddHandler(id, Notification::kEditChange, [this, value = value] { OnUpdateTimeField(*value, 23); });
    }
    const std::pair<int, int32_t*> minutes[] = {
        {IDC_TIMER1_START_MINUTE, &timer1StartMinute}, {IDC_TIMER1_STOP_MINUTE, &timer1StopMinute},
        {IDC_TIME_LAPSE_MINUTE, &timeLapseMinute},     {IDC_TIME_LAPSE_SECOND, &timeLapseSecond},
        {ids_.timer2StartMinute, &timer2StartMinute},  {ids_.timer2StopMinute, &timer2StopMinute},
    };
    for (const auto& [id, value] : minutes) {
        AddHandler(id, Notification::kEditChange, [this, value = value] { OnUpdateTimeField(*value, 59); });
    }
}

void CCameraSetupDlg::DoDataExchange(CDataExchange& dx) {
    CSetupDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_CAMERA_MODE, cameraModeList_);
    DDX_Control(dx, IDC_IMAGE_SIZE, imageSizeList_);
    DDX_Control(dx, IDC_VIDEO_SIZE, videoSizeList_);
    DDX_Control(dx, IDC_PICTURE_COUNT, pictureCountList_);
    DDX_Control(dx, IDC_TIME_STAMP, timeStampList_);
    DDX_Control(dx, IDC_SENSE_LEVEL, senseLevelList_);
    DDX_Control(dx, IDC_SIDE_PIR, sidePirList_);
    DDX_Control(dx, IDC_INTERVAL_UNIT, intervalUnitList_);
    DDX_Control(dx, IDC_TIMER1, timer1List_);
    DDX_Control(dx, ids_.timer2, timer2List_);
    DDX_Control(dx, IDC_SERIAL, serialList_);
    for (int i = 0; i < 4; ++i) {
        DDX_Control(dx, IDC_SERIAL_CHAR1 + i, serialCharLists_[static_cast<std::size_t>(i)]);
    }
    DDX_Control(dx, IDC_TIME_LAPSE, timeLapseList_);
    DDX_Control(dx, IDC_DATE_FORMAT, dateFormatList_);
    if (family_ == ModelFamily::k8620) {
        DDX_Control(dx, ids_.beep, beepList_);
        DDX_Control(dx, ids_.sdCycle, sdCycleList_);
    }

    // The dialog's own range checks (localised message), in the order the camera expects them read.
    const int32_t language = settings_.language;
    DDX_Text(dx, IDC_VIDEO_LENGTH, videoLength);
    DDV_IntRange(dx, videoLength, 1, 60, language);
    DDX_Text(dx, IDC_INTERVAL, interval);
    DDV_IntRange(dx, interval, 0, 60, language);
    DDX_Text(dx, IDC_TIME_LAPSE_MINUTE, timeLapseMinute);
    DDV_IntRange(dx, timeLapseMinute, 0, 59, language);
    DDX_Text(dx, IDC_TIME_LAPSE_SECOND, timeLapseSecond);
    DDV_IntRange(dx, timeLapseSecond, 0, 59, language);
    DDX_Text(dx, IDC_TIME_LAPSE_HOUR, timeLapseHour);
    DDV_IntRange(dx, timeLapseHour, 0, 23, language);
    DDX_Text(dx, IDC_TIMER1_STOP_MINUTE, timer1StopMinute);
    DDV_IntRange(dx, timer1StopMinute, 0, 59, language);
    DDX_Text(dx, IDC_TIMER1_STOP_HOUR, timer1StopHour);
    DDV_IntRange(dx, timer1StopHour, 0, 23, language);
    DDX_Text(dx, IDC_TIMER1_START_HOUR, timer1StartHour);
    DDV_IntRange(dx, timer1StartHour, 0, 23, language);
    DDX_Text(dx, IDC_TIMER1_START_MINUTE, timer1StartMinute);
    DDV_IntRange(dx, timer1StartMinute, 0, 59, language);
    DDX_Text(dx, IDC_CLOCK_TEXT, clockText);
    DDX_Text(dx, IDC_OUTPUT_FOLDER, outputFolder);
    DDV_MaxCharacters(dx, outputFolder, kFolderTypingLimit);

    // Timer 2 uses the framework's range check; the two families read its start fields in opposite order.
    DDX_Text(dx, ids_.timer2StopMinute, timer2StopMinute);
    DDV_MinMaxInt(dx, timer2StopMinute, 0, 59);
    DDX_Text(dx, ids_.timer2StopHour, timer2StopHour);
    DDV_MinMaxInt(dx, timer2StopHour, 0, 23);
    if (family_ == ModelFamily::k8620) {
        DDX_Text(dx, ids_.timer2StartHour, timer2StartHour);
        DDV_MinMaxInt(dx, timer2StartHour, 0, 23);
        DDX_Text(dx, ids_.timer2StartMinute, timer2StartMinute);
        DDV_MinMaxInt(dx, timer2StartMinute, 0, 59);
    } else {
        DDX_Text(dx, ids_.timer2StartMinute, timer2StartMinute);
        DDV_MinMaxInt(dx, timer2StartMinute, 0, 59);
        DDX_Text(dx, ids_.timer2StartHour, timer2StartHour);
        DDV_MinMaxInt(dx, timer2StartHour, 0, 23);
    }
}

bool CCameraSetupDlg::OnInitDialog() {
    CSetupDialog::OnInitDialog();
    SetTimeLapseReadOnly(true);
    SetTimer1ReadOnly(true);
    SetTimer2ReadOnly(true);
    EnableSerialCharacters(false);
    SetTexts();
    return true;
}

void CCameraSetupDlg::FillList(CComboBox& list, std::span<const std::string_view> entries, int initial) {
    list.AddStrings(entries);
    list.SetCurSel(initial);
}

void CCameraSetupDlg::SetTexts() {
    const CameraTexts texts = CameraDialogTexts(settings_.language, family_);
    const CameraListTexts& lists = texts.lists;

    FillList(cameraModeList_, lists.cameraMode, 0);
    FillList(imageSizeList_, ImageSizeEntries(family_), 0);
    FillList(videoSizeList_, VideoSizeEntries(family_), family_ == ModelFamily::k8620 ? 1 : 0);
    FillList(pictureCountList_, lists.pictureCount, 0);
    FillList(timeStampList_, lists.timeStamp, kOnFirst);
    FillList(senseLevelList_, lists.senseLevel, 0);
    FillList(sidePirList_, lists.offOn, kOn);
    FillList(intervalUnitList_, lists.intervalUnit, kInitialIntervalUnit);
    FillList(timer1List_, lists.offOn, kOff);
    FillList(timer2List_, lists.offOn, kOff);
    FillList(serialList_, lists.offOn, kOff);
    for (CComboBox& list : serialCharLists_) {
        FillList(list, SerialCharacterEntries(), 0);
    }
    FillList(timeLapseList_, lists.timeLapse, kOffSecond);
    FillList(dateFormatList_, lists.dateFormat, 0);
    if (family_ == ModelFamily::k8620) {
        FillList(beepList_, lists.offOn, kOn);
        FillList(sdCycleList_, lists.offOn, kOff);
    }

    const CameraCaptions& c = texts.captions;
    const std::pair<int, std::string_view> captions[] = {
        {IDC_CAMERA_MODE_LABEL, c.cameraMode},
        {IDC_IMAGE_SIZE_LABEL, c.imageSize},
        {IDC_VIDEO_SIZE_LABEL, c.videoSize},
        {IDC_PICTURE_COUNT_LABEL, c.pictureCount},
        {IDC_TIME_STAMP_LABEL, c.timeStamp},
        {IDC_SENSE_LEVEL_LABEL, c.senseLevel},
        {IDC_SIDE_PIR_LABEL, c.sidePir},
        {IDC_VIDEO_LENGTH_LABEL, c.videoLength},
        {IDC_INTERVAL_LABEL, c.interval},
        {IDC_DATE_FORMAT_LABEL, c.dateFormat},
        {IDC_SET_CLOCK_LABEL, c.setClock},
        {IDC_GET_TIME, c.getTime},
        {IDC_TIMER1_LABEL, c.timer1},
        {ids_.timer2Label, c.timer2},
        {IDC_TIMER1_START_LABEL, c.timer1Start},
        {IDC_TIMER1_STOP_LABEL, c.timer1Stop},
        {IDC_SERIAL_LABEL, c.serialNumber},
        {IDC_TIME_LAPSE_LABEL, c.timeLapse},
        {IDC_FOLDER_BUTTON, c.folderButton},
        {IDC_READ_FILE, ReadBackButtonCaption(settings_.language)},
        {IDOK, c.generate},
        {IDC_FACTORY_SETTINGS, c.factoryDefaults},
        {IDCANCEL, c.exit},
        // Japanese only; the others keep the template's "Start:", "Stop:", "Hour", "Min", "Sec"
        {IDC_TIMER2_START_LABEL, c.timer2Start},
        {IDC_TIMER2_STOP_LABEL, c.timer2Stop},
        {IDC_TIME_LAPSE_SECOND_LABEL, c.secondLabel},
    };
    for (const auto& [id, text] : captions) {
        if (!text.empty()) {
            SetDlgItemText(id, std::string(text));
        }
    }
    if (!c.hourLabel.empty()) {
        for (int id : kHourLabelIds) {
            SetDlgItemText(id, std::string(c.hourLabel));
        }
    }
    if (!c.minuteLabel.empty()) {
        for (int id : kMinuteLabelIds) {
            SetDlgItemText(id, std::string(c.minuteLabel));
        }
    }
}

CameraMenuSettings CCameraSetupDlg::CurrentSettings() const {
    CameraMenuSettings s;
    s.cameraMode = Selection(cameraModeList_);
    s.imageSize = Selection(imageSizeList_);
    s.videoSize = Selection(videoSizeList_);
    s.pictureCount = Selection(pictureCountList_);
    s.timeStamp = Selection(timeStampList_);
    s.senseLevel = Selection(senseLevelList_);
    s.timer1Enabled = Selection(timer1List_);
    s.timer2Enabled = Selection(timer2List_);
    s.sidePir = Selection(sidePirList_);
    s.timeLapse = Selection(timeLapseList_);
    s.serialEnabled = Selection(serialList_);
    s.serialChar1 = Selection(serialCharLists_[0]);
    s.serialChar2 = Selection(serialCharLists_[1]);
    s.serialChar3 = Selection(serialCharLists_[2]);
    s.serialChar4 = Selection(serialCharLists_[3]);
    s.intervalUnit = Selection(intervalUnitList_);
    if (family_ == ModelFamily::k8620) {
        s.beep = Selection(beepList_);
        s.sdCycle = Selection(sdCycleList_);
    }
    s.videoLength = static_cast<uint32_t>(videoLength);
    s.interval = static_cast<uint32_t>(interval);
    s.timeLapseHour = static_cast<uint32_t>(timeLapseHour);
    s.timeLapseMinute = static_cast<uint32_t>(timeLapseMinute);
    s.timeLapseSecond = static_cast<uint32_t>(timeLapseSecond);
    s.timer1StartHour = static_cast<uint32_t>(timer1StartHour);
    s.timer1StartMinute = static_cast<uint32_t>(timer1StartMinute);
    s.timer1StopHour = static_cast<uint32_t>(timer1StopHour);
    s.timer1StopMinute = static_cast<uint32_t>(timer1StopMinute);
    s.timer2StartHour = static_cast<uint32_t>(timer2StartHour);
    s.timer2StartMinute = static_cast<uint32_t>(timer2StartMinute);
    s.timer2StopHour = static_cast<uint32_t>(timer2StopHour);
    s.timer2StopMinute = static_cast<uint32_t>(timer2StopMinute);
    s.cameraClock = cameraClock;
    return s;
}

// A field value outside its range is replaced only by the handler of that field, after the pass (which
// has already shown the message). Values below the range (a pasted minus sign) are corrected too.
void CCameraSetupDlg::OnUpdateVideoLength() {
    UpdateData(true);
    if (videoLength < 1 || videoLength > 60) {
        videoLength = 10;
        UpdateData(false);
    }
}

void CCameraSetupDlg::OnUpdateInterval() {
    UpdateData(true);
    if (intervalUnitList_.GetCurSel() == kInitialIntervalUnit && interval == 0) {
        interval = 1;
        UpdateData(false);
    }
    if (interval < 0 || interval > 60) {
        interval = 1;
        UpdateData(false);
    }
}

void CCameraSetupDlg::OnSelchangeIntervalUnit() {
    UpdateData(true);
    if (intervalUnitList_.GetCurSel() == kInitialIntervalUnit && interval == 0) {
        interval = 1;
        UpdateData(false);
    }
}

void CCameraSetupDlg::OnUpdateTimeField(int32_t& value, int32_t max) {
    UpdateData(true);
    if (value < 0 || value > max) {
        value = 0;
        UpdateData(false);
    }
}

void CCameraSetupDlg::OnSelchangeTimeLapse() {
    UpdateData(true);
    SetTimeLapseReadOnly(timeLapseList_.GetCurSel() == kOffSecond);
    UpdateData(false);
}

void CCameraSetupDlg::OnSelchangeTimer1() {
    UpdateData(true);
    SetTimer1ReadOnly(timer1List_.GetCurSel() == kOff);
    UpdateData(false);
}

void CCameraSetupDlg::OnSelchangeTimer2() {
    UpdateData(true);
    SetTimer2ReadOnly(timer2List_.GetCurSel() == kOff);
    UpdateData(false);
}

void CCameraSetupDlg::OnSelchangeSerial() {
    UpdateData(true);
    EnableSerialCharacters(serialList_.GetCurSel() == kOn);
    UpdateData(false);
}

void CCameraSetupDlg::CaptureClock() {
    const platform::LocalTime now = GetPlatform().Now();
    cameraClock =
        CaptureCameraClock(CameraClock{now.year, now.month, now.day, now.hour, now.minute, now.second});
}

void CCameraSetupDlg::OnGetTime() {
    const int dateFormat = dateFormatList_.GetCurSel();
    CaptureClock();
    clockText = FormatCameraClock(cameraClock, dateFormat);
    UpdateData(false);
}

void CCameraSetupDlg::Write(const std::string& folder, const Record& record, MenuRecordKind kind) {
    const MenuWriteOutcome outcome =
        WriteMenuFile(fs_, folder, record, kind, family_, settings_.model, settings_.language);
    if (outcome.written && outcome.message) {
        TellWritten(folder, *outcome.message);
    } else if (outcome.written) {
        RememberFolder(folder);
    } else if (outcome.message) {
        Tell(*outcome.message);
    }
}

// Both buttons read and check the whole form first: a field typed after an earlier check failed is
// read too, and a value out of range stops the write with its message. What is written is what the
// fields show.
void CCameraSetupDlg::OnGenerate() {
    if (!UpdateData(true) || !CardReadyFor(kRecordSize)) {
        return;
    }
    Write(outputFolder,
          BuildMenuRecord(CurrentSettings(), family_, FileLanguage(settings_), settings_.tvMode),
          MenuRecordKind::kNormal);
}

void CCameraSetupDlg::OnFactorySettings() {
    // A card that is gone leaves the form as it is: nothing is written.
    if (!UpdateData(true) || !CardReadyFor(kRecordSize)) {
        return;
    }
    const std::string folder = outputFolder;

    cameraModeList_.SetCurSel(0);
    imageSizeList_.SetCurSel(0);
    videoSizeList_.SetCurSel(0);
    pictureCountList_.SetCurSel(0);
    timeStampList_.SetCurSel(0);
    senseLevelList_.SetCurSel(0);
    sidePirList_.SetCurSel(kOn);
    intervalUnitList_.SetCurSel(kInitialIntervalUnit);
    timer1List_.SetCurSel(kOff);
    serialList_.SetCurSel(kOff);
    for (CComboBox& list : serialCharLists_) {
        list.SetCurSel(0);
    }
    timeLapseList_.SetCurSel(kOffSecond);

    videoLength = 10;
    timeLapseHour = timeLapseMinute = timeLapseSecond = 0;
    timer1StartHour = timer1StartMinute = timer1StopHour = timer1StopMinute = 0;

    SetTimeLapseReadOnly(true);
    SetTimer1ReadOnly(true);
    EnableSerialCharacters(false);
    UpdateData(false);

    Write(folder, BuildFactoryRecord(), MenuRecordKind::kFactory);
}

void CCameraSetupDlg::SetTimeLapseReadOnly(bool readOnly) {
    SetReadOnly({IDC_TIME_LAPSE_HOUR, IDC_TIME_LAPSE_MINUTE, IDC_TIME_LAPSE_SECOND}, readOnly);
}

void CCameraSetupDlg::SetTimer1ReadOnly(bool readOnly) {
    SetReadOnly(
        {IDC_TIMER1_START_HOUR, IDC_TIMER1_START_MINUTE, IDC_TIMER1_STOP_HOUR, IDC_TIMER1_STOP_MINUTE},
        readOnly);
}

void CCameraSetupDlg::SetTimer2ReadOnly(bool readOnly) {
    SetReadOnly({ids_.timer2StartHour, ids_.timer2StartMinute, ids_.timer2StopHour, ids_.timer2StopMinute},
                readOnly);
}

void CCameraSetupDlg::EnableSerialCharacters(bool enable) {
    for (CComboBox& list : serialCharLists_) {
        list.EnableWindow(enable);
    }
}

}  // namespace corvane
