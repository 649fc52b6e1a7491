#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "files/file_system.h"
#include "framework/cdialog.h"
#include "framework/cwnd.h"
#include "l10n/language.h"
#include "mms/mms_file.h"
#include "mms/mms_rules.h"
#include "res/mms_templates.h"

namespace corvane {

// The MMS setup dialog of either model family (template 142 for 8620, 130 for 8520). The family decides
// the template, the send list ("QVGA" only in 8520), the domestic phone length, the ids of the remote
// control row and the success message; everything else is shared. In Auto mode the network settings
// come from the presets of the chosen country and operator when generating and are never shown; in
// Manual mode they are typed. Generating never closes the dialog; Exit ends it with IDCANCEL, and whoever
// ran it shows a fresh main window.
class CMmsSetupDlg : public CDialog {
  public:
    // Writes through the real file system.
    CMmsSetupDlg(ModelFamily family, const AppSettings& settings, platform::Platform& platform,
                 QWidget* parent = nullptr);
    // Writes through `fs`, which must outlive the dialog.
    CMmsSetupDlg(ModelFamily family, const AppSettings& settings, platform::Platform& platform,
                 FileSystem& fs, QWidget* parent = nullptr);
    ~CMmsSetupDlg() override;

    ModelFamily Family() const { return family_; }

    // Values held by the dialog, as last exchanged with the fields.
    std::string account;
    std::string outputFolder;
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

    // The folder button: the folder browser's choice, or the default folder when it gives none; then
    // the fields are refreshed.
    void ChooseOutputFolder();

  protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;      // Generate: checks, then writes setup.dat
    void OnCancel() override;  // Exit

  private:
    CMmsSetupDlg(ModelFamily family, const AppSettings& settings, platform::Platform& platform,
                 FileSystem* fs, QWidget* parent);

    void SetTexts();
    void FillModeLists(int mode);
    void FillOperators(int country);

    void OnSelchangeMmsMode();
    void OnSelchangeCountry();
    void OnSelchangeSendMode();
    void OnSelchangePhoneType();
    void OnUpdatePhone();
    void OnUpdatePhone2();
    void OnUpdateEmail();
    void OnUpdatePictures();
    void OnUpdateFolder();
    void ReadForm();

    bool Manual() const;
    bool SmsOnly() const;
    // Sets the read-only state of every edit field from the mode, the send list and the recipient
    // rules; a recipient field that closes loses its text.
    void ApplyFieldStates();
    void SetReadOnly(int id, bool readOnly);
    // The values setup.dat gets now: the list positions, the texts as held and, in Auto mode, the
    // preset of the chosen country and operator in place of the network texts.
    MmsFileValues FileValues();
    int FieldId(MmsField field) const;
    void ShowText(MmsMessage message);

    const ModelFamily family_;
    const MmsFamilyIds& ids_;
    const AppSettings& settings_;
    std::unique_ptr<FileSystem> ownFileSystem_;
    FileSystem& fs_;

    CComboBox hoursList_;
    CComboBox phoneTypeList_;
    CComboBox countryList_;
    CComboBox sendList_;
    CComboBox operatorList_;
    CComboBox apnTypeList_;
    CComboBox modeList_;
};

}  // namespace corvane
