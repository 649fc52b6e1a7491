#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "camera/menu_file.h"
#include "camera/menu_record.h"
#include "files/file_system.h"
#include "framework/cdialog.h"
#include "framework/cwnd.h"
#include "l10n/language.h"
#include "res/camera_templates.h"

namespace corvane {

// The camera setup dialog of either model family (template 140 for 8620, 129 for 8520). The family
// decides the template, the ids of the timer 2 controls (CameraIdsOf), the image and video size lists,
// the beep and memory card cycle lists, the exchange order of the timer 2 fields and the record layout;
// everything else is shared. Generating never closes the dialog; Exit ends it with IDCANCEL, and
// whoever ran it shows a fresh main window.
class CCameraSetupDlg : public CDialog {
  public:
    // Writes through the real file system.
    CCameraSetupDlg(ModelFamily family, const AppSettings& settings, platform::Platform& platform,
                    QWidget* parent = nullptr);
    // Writes through `fs`, which must outlive the dialog.
    CCameraSetupDlg(ModelFamily family, const AppSettings& settings, platform::Platform& platform,
                    FileSystem& fs, QWidget* parent = nullptr);
    ~CCameraSetupDlg() override;

    ModelFamily Family() const { return family_; }

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
    std::string outputFolder;
    CameraClock cameraClock;

    // The folder button: the folder browser's choice, or the default folder when it gives none; then
    // the fields are refreshed.
    void ChooseOutputFolder();

    // The settings a file written now would hold: list selections, the values as last read, the clock.
    CameraMenuSettings CurrentSettings() const;

  protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;      // Generate: writes menu.dat
    void OnCancel() override;  // Exit

  private:
    CCameraSetupDlg(ModelFamily family, const AppSettings& settings, platform::Platform& platform,
                    FileSystem* fs, QWidget* parent);

    void SetTexts();
    void FillList(CComboBox& list, auto entries, int initial);

    void OnUpdateVideoLength();
    void OnUpdateInterval();
    void OnSelchangeIntervalUnit();
    // Hours and minutes/seconds fields: a value outside 0..max becomes 0.
    void OnUpdateTimeField(int32_t& value, int32_t max);
    void OnSelchangeTimeLapse();
    void OnSelchangeTimer1();
    void OnSelchangeTimer2();
    void OnSelchangeSerial();
    void OnValidate();
    void OnGetTime();
    void OnFactorySettings();

    void SetTimeLapseReadOnly(bool readOnly);
    void SetTimer1ReadOnly(bool readOnly);
    void SetTimer2ReadOnly(bool readOnly);
    void EnableSerialCharacters(bool enable);
    void CaptureClock();
    // The folder the folder field shows becomes the output folder.
    void TakeFolderFromField();
    void Write(const std::string& folder, const Record& record, MenuRecordKind kind);

    const ModelFamily family_;
    const CameraFamilyIds& ids_;
    const AppSettings& settings_;
    std::unique_ptr<FileSystem> ownFileSystem_;
    FileSystem& fs_;

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
