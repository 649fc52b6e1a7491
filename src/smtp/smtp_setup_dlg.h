#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "files/file_system.h"
#include "framework/cdialog.h"
#include "framework/cwnd.h"
#include "l10n/language.h"
#include "res/smtp_templates.h"
#include "smtp/smtp_file.h"

namespace corvane {

// The e-mail setup dialog of either model family (template 143 for 8620, 147 for 8520). The family
// decides the template, the ids of the remote-control and phone controls (SmtpIdsOf), the SMTP status
// list (8620 only), the address limits, the extra phone check of the 8620 family, the re-read when the
// 8520 remote-control list closes without a choice, and the header layout; everything else is shared.
// Generating never closes the dialog. Exit, Escape and the close box end it with IDCANCEL; Enter outside
// a push button takes the framework's accept path (the values pass their checks, nothing is written)
// and ends it with IDOK, after which the program ends.
class CSmtpSetupDlg : public CDialog {
  public:
    // Writes through the real file system.
    CSmtpSetupDlg(ModelFamily family, const AppSettings& settings, platform::Platform& platform,
                  QWidget* parent = nullptr);
    // Writes through `fs`, which must outlive the dialog.
    CSmtpSetupDlg(ModelFamily family, const AppSettings& settings, platform::Platform& platform,
                  FileSystem& fs, QWidget* parent = nullptr);
    ~CSmtpSetupDlg() override;

    ModelFamily Family() const { return family_; }

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
    std::string outputFolder;
    std::string phone;

    // The folder button: the folder browser's choice, or the default folder when it gives none; then
    // the fields are refreshed from the values.
    void ChooseOutputFolder();

    // What a file written now would hold: list selections and the values as last read; in Auto mode the
    // network texts of the selected operator's preset.
    SmtpFileValues CurrentValues() const;

  protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnCancel() override;  // Exit

  private:
    CSmtpSetupDlg(ModelFamily family, const AppSettings& settings, platform::Platform& platform,
                  FileSystem* fs, QWidget* parent);

    void SetTexts();
    void FillModeDependentLists(bool autoMode);
    void FillOperators(int country);
    void SetNetworkFieldsReadOnly(bool readOnly);
    bool AutoMode() const;
    int AddressLimit() const;

    void OnUpdateValues();
    void OnUpdatePictures();
    void OnSelchangeMode();
    void OnSelchangeCountry();
    void OnGenerate();

    const ModelFamily family_;
    const SmtpFamilyIds& ids_;
    const AppSettings& settings_;
    std::unique_ptr<FileSystem> ownFileSystem_;
    FileSystem& fs_;

    CComboBox modeList_;
    CComboBox countryList_;
    CComboBox operatorList_;
    CComboBox remoteControlList_;
    CComboBox statusList_;  // 8620 only
};

}  // namespace corvane
