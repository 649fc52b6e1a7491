#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/camera/menu_file.h"
#include "core/camera/menu_record.h"
#include "core/models/app_settings.h"
#include "dialogs/res/camera_templates.h"
#include "dialogs/shell/setup_dialog.h"

namespace corvane::decoder {
struct MenuSettings;
}

namespace corvane {

// The camera setup dialog of either model family (template 140 for 8620, 129 for 8520). The family
// decides the template, the ids of the timer 2 controls (CameraIdsOf), the image and video size lists,
// the beep and memory card cycle lists, the exchange order of the timer 2 fields and the record layout;
// everything else is shared.
class CCameraSetupDlg : public CSetupDialog {
  public:
    // Writes through `fs`; settings, platform and file system must outlive the dialog.
    CCameraSetupDlg(ModelFamily family, const AppSettings& settings, platform::Platform& platform,
                    FileSystem& fs);

    // Values held by the dialog, as last exchanged with the fields.
    int32_t videoLength = 10;
    int32_t interval = 1;
    int32_t timeLapseHour = 0;
    int32_t timeLapseMinute = 0;
    int32_t timeLapseSecond = 0;
    int32_t timer1StartHour = 0;
    int32_t timer1StartMinute = 0;
    int32_t timer1StopHour = 0;
    int32_t timer1StopMinute = 0;
    int32_t timer2StartHour = 0;
    int32_t timer2StartMinute = 0;
    int32_t timer2StopHour = 0;
    int32_t timer2StopMinute = 0;
    std::string clockText;
    CameraClock cameraClock;

    // The settings a file written now would hold: list selections, the values as last read, the clock.
    CameraMenuSettings CurrentSettings() const;

  protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnGenerate() override;  // writes menu.dat
    // The read button: menu.dat sets every list and field as the file holds them, with the read-only
    // states that follow; the clock is the time of reading.
    std::optional<decoder::Finding> ReadFile(const std::string& path) override;
    // The dialog's section of a settings file (see CSetupDialog).
    bool PutSettings(settings::SettingsFile& file) override;
    std::optional<std::string> TakeSettings(const settings::SettingsFile& file) override;

  private:
    void SetTexts();
    void FillList(CComboBox& list, std::span<const std::string_view> entries, int initial);

    void OnUpdateVideoLength();
    void OnUpdateInterval();
    void OnSelchangeIntervalUnit();
    // Hours and minutes/seconds fields: a value outside 0..max becomes 0.
    void OnUpdateTimeField(int32_t& value, int32_t max);
    void OnSelchangeTimeLapse();
    void OnSelchangeTimer1();
    void OnSelchangeTimer2();
    void OnSelchangeSerial();
    void OnGetTime();
    void OnFactorySettings();

    void SetTimeLapseReadOnly(bool readOnly);
    void SetTimer1ReadOnly(bool readOnly);
    void SetTimer2ReadOnly(bool readOnly);
    void EnableSerialCharacters(bool enable);
    void CaptureClock();
    void Write(const std::string& folder, const Record& record, MenuRecordKind kind);
    void ApplyMenuSettings(const decoder::MenuSettings& settings);

    const CameraFamilyIds& ids_;

    CComboBox cameraModeList_;
    CComboBox imageSizeList_;
    CComboBox videoSizeList_;
    CComboBox pictureCountList_;
    CComboBox timeStampList_;
    CComboBox senseLevelList_;
    CComboBox sidePirList_;
    CComboBox intervalUnitList_;
    CComboBox timer1List_;
    CComboBox timer2List_;
    CComboBox serialList_;
    std::array<CComboBox, 4> serialCharLists_;
    CComboBox timeLapseList_;
    CComboBox dateFormatList_;
    CComboBox beepList_;     // 8620 only
    CComboBox sdCycleList_;  // 8620 only
};

// Formats the camera clock for the clock field: date format 0 "2013/06/15 08:30:00", 1 "06/15/2013 ...",
// 2 "15/06/2013 ..."; any other index gives format 0.
std::string FormatCameraClock(const CameraClock& clock, int dateFormat);

}  // namespace corvane
