#pragma once

#include <cstdint>
#include <string>

#include "core/mms/mms_file.h"
#include "core/mms/mms_rules.h"
#include "core/models/app_settings.h"
#include "dialogs/res/mms_templates.h"
#include "dialogs/shell/setup_dialog.h"

namespace corvane::decoder {
struct MmsSettings;
}

namespace corvane {

// The MMS setup dialog of either model family (template 142 for 8620, 130 for 8520). The family decides
// the template, the send list ("QVGA" only in 8520), the domestic phone length, the ids of the remote
// control row and the success message; everything else is shared. In Auto mode the network settings
// come from the presets of the chosen country and operator when generating and are never shown; in
// Manual mode they are typed.
class CMmsSetupDlg : public CSetupDialog {
  public:
    // Writes through `fs`; settings, platform and file system must outlive the dialog.
    CMmsSetupDlg(ModelFamily family, const AppSettings& settings, platform::Platform& platform,
                 FileSystem& fs);

    // Values held by the dialog, as last exchanged with the fields.
    std::string account;
    std::string url;
    std::string apn;
    std::string password;
    std::string gateway;
    std::string port;
    std::string phone;
    std::string phone2;
    std::string phone3;
    std::string email;
    int32_t picturesPerDay = 0;
    bool phoneIsInternational = false;
    // Country and operator stored in the file: the last looked-up preset, or Manual's 0x80 and 0.
    uint8_t mmsCountryCode = 0;
    uint8_t mmsOperatorCode = 0;

  protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnGenerate() override;  // checks, then writes setup.dat
    // The read button: setup.dat sets the mode, lists and fields as the file holds them, with the
    // read-only states the dialog's rules give (in Auto mode the network fields stay empty: the preset is
    // taken when generating).
    std::optional<decoder::Finding> ReadFile(const std::string& path) override;
    // The dialog's section of a settings file (see CSetupDialog).
    bool PutSettings(settings::SettingsFile& file) override;
    std::optional<std::string> TakeSettings(const settings::SettingsFile& file) override;

  private:
    void SetTexts();
    void FillModeLists(bool manual);

    void OnSelchangeMode();
    void OnSelchangeCountry();
    void OnSelchangeSendMode();
    void OnSelchangePhoneType();
    void OnUpdatePhone();
    void OnUpdatePhone2();
    void OnUpdateEmail();

    bool Manual() const;
    bool SmsOnly() const;
    // Sets the read-only state of every edit field from the mode, the send list and the recipient
    // rules; a recipient field that closes loses its text. With `lockRecipients` the second and third
    // recipient fields become read-only and keep their texts, until the phone number or e-mail address
    // is changed again.
    void ApplyFieldStates(bool lockRecipients = false);
    // The values setup.dat gets now: the list positions, the texts as held and, in Auto mode, the
    // preset of the chosen country and operator in place of the network texts.
    MmsFileValues FileValues();
    int FieldId(MmsField field) const;
    void ShowText(MmsMessage message);
    // Settings read back or opened into the fields, or why not (nothing changed).
    std::optional<decoder::Finding> TakeMmsSettings(const decoder::MmsSettings& settings);
    void ApplyMmsSettings(const decoder::MmsSettings& settings);

    const MmsFamilyIds& ids_;
    int listsMode_ = -1;  // the mode the country, operator and APN-type lists were last filled for

    CComboBox hoursList_;
    CComboBox phoneTypeList_;
    CComboBox countryList_;
    CComboBox sendList_;
    CComboBox operatorList_;
    CComboBox apnTypeList_;
    CComboBox modeList_;
};

}  // namespace corvane
