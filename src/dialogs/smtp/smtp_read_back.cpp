// The e-mail dialog's read button: smtp.dat back into the mode, lists and fields.

#include "core/files/write_sequence.h"
#include "decoder/setup_file_reader.h"
#include "dialogs/shell/read_back.h"
#include "dialogs/smtp/smtp_setup_dlg.h"

namespace corvane {

std::optional<decoder::Finding> CSmtpSetupDlg::ReadFile(const std::string& path) {
    const decoder::Reading<decoder::SmtpSettings> reading =
        decoder::ReadSmtpSettingsFile(LoadSetupFile(fs_, path), DecoderFamily(family_));
    if (reading.refusal) {
        return reading.refusal;
    }
    return TakeSmtpSettings(*reading.settings);
}

// An Auto-mode preset must be one of the lists'.
std::optional<decoder::Finding> CSmtpSetupDlg::TakeSmtpSettings(const decoder::SmtpSettings& s) {
    if (!s.manual) {
        if (std::optional<decoder::Finding> refusal =
                PresetOutOfList(PresetSet::kGprs, settings_.language, s.country, s.operatorIndex)) {
            return refusal;
        }
    }
    ApplySmtpSettings(s);
    return std::nullopt;
}

// Selections set here call no handler: the lists are filled as a mode change fills them and the GPRS
// fields are read-only in Auto mode. The file's language is not taken: the dialog writes the program's.
void CSmtpSetupDlg::ApplySmtpSettings(const decoder::SmtpSettings& s) {
    const bool autoMode = !s.manual;
    modeList_.SetCurSel(s.manual ? kManualMode : kAutoMode);
    FillPresetLists(countryList_, operatorList_, PresetSet::kGprs, s.manual);
    if (autoMode) {
        SelectPreset(countryList_, operatorList_, PresetSet::kGprs, s.country, s.operatorIndex);
    }
    SetNetworkFieldsReadOnly(autoMode);
    if (family_ == ModelFamily::k8620) {
        statusList_.SetCurSel(s.smtpStatus);
    }
    remoteControlList_.SetCurSel(s.remoteControlHours);

    picturesPerDay = s.picturesPerDay;
    smtpServer = s.smtpServer;
    smtpPort = s.smtpPort;
    senderAddress = s.senderEmail;
    senderPassword = s.senderPassword;
    recipient = s.recipientEmail;
    phone = s.smsPhone;
    // In Auto mode the GPRS fields stay empty on screen: the file's texts are the preset's.
    apn = autoMode ? std::string() : s.gprsApn;
    account = autoMode ? std::string() : s.gprsAccount;
    gprsPassword = autoMode ? std::string() : s.gprsPassword;
    UpdateData(false);
}

}  // namespace corvane
