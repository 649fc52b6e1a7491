// The e-mail dialog's read button: smtp.dat back into the mode, lists and fields.

#include "core/files/write_sequence.h"
#include "decoder/setup_file_reader.h"
#include "dialogs/shell/read_back.h"
#include "dialogs/smtp/smtp_setup_dlg.h"

namespace corvane {

void CSmtpSetupDlg::OnReadFile() {
    const std::optional<std::string> toRead = PathToRead(kSmtpFileName);
    if (!toRead) {
        return;
    }
    const std::string& path = *toRead;
    decoder::Reading<decoder::SmtpSettings> reading =
        decoder::ReadSmtpSettingsFile(LoadSetupFile(fs_, path), DecoderFamily(family_));
    if (reading.settings && !reading.settings->manual) {
        reading.refusal = PresetOutOfList(PresetSet::kGprs, settings_.language, reading.settings->country,
                                          reading.settings->operatorIndex);
    }
    if (reading.refusal) {
        Tell(ReadBackMessage(settings_.language, path, *reading.refusal));
        return;
    }
    ApplySmtpSettings(*reading.settings);
    TellRead(kSmtpFileName);
}

// Selections set here call no handler: the lists are filled as a mode change fills them and the GPRS
// fields are read-only in Auto mode. The file's language is not taken: the dialog writes the program's.
void CSmtpSetupDlg::ApplySmtpSettings(const decoder::SmtpSettings& s) {
    const bool autoMode = !s.manual;
    modeList_.SetCurSel(s.manual ? 1 : 0);
    FillModeDependentLists(autoMode);
    if (autoMode) {
        countryList_.SetCurSel(s.country);
        FillOperators(operatorList_, PresetSet::kGprs, s.country);
        operatorList_.SetCurSel(s.operatorIndex);
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
