#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/models/app_settings.h"
#include "core/smtp/smtp_file.h"
#include "dialogs/res/smtp_templates.h"
#include "dialogs/shell/setup_dialog.h"

namespace corvane::decoder {
struct SmtpSettings;
}

namespace corvane {

class SmtpTestMail;

// The e-mail setup dialog of either model family (template 143 for 8620, 147 for 8520). The family
// decides the template, the ids of the remote-control and phone controls (SmtpIdsOf), the SMTP status
// list (8620 only), the address limits, the extra phone check of the 8620 family, the re-read when the
// 8520 remote-control list closes without a choice, and the header layout; everything else is shared.
// Its Generate button is not the OK button; Enter in a field generates all the same.
class CSmtpSetupDlg : public CSetupDialog {
  public:
    // Writes through `fs`; settings, platform and file system must outlive the dialog.
    CSmtpSetupDlg(ModelFamily family, const AppSettings& settings, platform::Platform& platform,
                  FileSystem& fs);

    // Values held by the dialog, as last exchanged with the fields. In Auto mode the three network
    // values stay empty: the preset's are taken only for the file.
    int32_t picturesPerDay = 0;
    std::string apn;
    std::string account;
    std::string gprsPassword;
    std::string smtpServer;
    std::string smtpPort;
    std::string senderPassword;
    std::string senderAddress;
    std::string recipient;
    std::string phone;

    // What a file written now would hold: list selections and the values as last read; in Auto mode the
    // network texts of the selected operator's preset.
    SmtpFileValues CurrentValues() const;

    ~CSmtpSetupDlg() override;

  protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnGenerate() override;  // checks, then writes smtp.dat
    // The read button: smtp.dat sets the mode, lists and fields as the file holds them (in Auto mode the
    // GPRS fields stay empty and read-only: the preset is taken when generating).
    std::optional<decoder::Finding> ReadFile(const std::string& path) override;
    // The dialog's section of a settings file (see CSetupDialog).
    bool PutSettings(settings::SettingsFile& file) override;
    std::optional<std::string> TakeSettings(const settings::SettingsFile& file) override;

  private:
    void SetTexts();
    void SetNetworkFieldsReadOnly(bool readOnly);
    bool Manual() const;
    int AddressLimit() const;

    void OnSelchangeMode();
    void OnSelchangeCountry();
    // Settings read back or opened into the fields, or why not (nothing changed).
    std::optional<decoder::Finding> TakeSmtpSettings(const decoder::SmtpSettings& settings);
    void ApplySmtpSettings(const decoder::SmtpSettings& settings);

    const SmtpFamilyIds& ids_;

    CComboBox modeList_;
    CComboBox countryList_;
    CComboBox operatorList_;
    CComboBox remoteControlList_;
    CComboBox statusList_;  // 8620 only

    std::unique_ptr<SmtpTestMail> testMail_;  // server suggestions and the test e-mail
};

}  // namespace corvane
