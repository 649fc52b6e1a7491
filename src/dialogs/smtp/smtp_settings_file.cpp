// The e-mail dialog's section of a settings file.

#include "dialogs/shell/read_back.h"
#include "dialogs/smtp/smtp_setup_dlg.h"

namespace corvane {

bool CSmtpSetupDlg::PutSettings(settings::SettingsFile& file) {
    if (!UpdateData(true)) {
        return false;
    }
    decoder::SmtpSettings e;
    e.manual = Manual();
    if (!e.manual) {
        e.country = countryList_.GetCurSel();
        e.operatorIndex = operatorList_.GetCurSel();
    }
    e.picturesPerDay = picturesPerDay;
    e.remoteControlHours = remoteControlList_.GetCurSel();
    e.smtpStatus = family_ == ModelFamily::k8620 ? statusList_.GetCurSel() : 1;
    // In Auto mode the GPRS settings are the operator's preset, taken when writing.
    if (e.manual) {
        e.gprsApn = apn;
        e.gprsAccount = account;
        e.gprsPassword = gprsPassword;
    }
    e.smtpServer = smtpServer;
    e.smtpPort = smtpPort;
    e.senderEmail = senderAddress;
    e.senderPassword = senderPassword;
    e.smsPhone = phone;
    e.recipientEmail = recipient;
    e.fileLanguage = 0;
    file.email = e;
    return true;
}

// As the read button takes smtp.dat; the program's language stays.
std::optional<std::string> CSmtpSetupDlg::TakeSettings(const settings::SettingsFile& file) {
    if (!file.email) {
        return "it holds no [email] section";
    }
    if (const std::optional<decoder::Finding> refusal = TakeSmtpSettings(*file.email)) {
        return refusal->what;
    }
    return std::nullopt;
}

}  // namespace corvane
