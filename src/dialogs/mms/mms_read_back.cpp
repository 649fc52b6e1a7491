// The MMS dialog's read button: setup.dat back into the mode, lists and fields.

#include "core/files/write_sequence.h"
#include "decoder/setup_file_reader.h"
#include "dialogs/mms/mms_setup_dlg.h"
#include "dialogs/shell/read_back.h"

namespace corvane {

void CMmsSetupDlg::OnReadFile() {
    const std::optional<std::string> toRead = PathToRead(kMmsFileName);
    if (!toRead) {
        return;
    }
    const std::string& path = *toRead;
    decoder::Reading<decoder::MmsSettings> reading =
        decoder::ReadMmsSettingsFile(LoadSetupFile(fs_, path), DecoderFamily(family_));
    if (reading.settings && !reading.settings->manual) {
        reading.refusal = PresetOutOfList(PresetSet::kMms, settings_.language, reading.settings->country,
                                          reading.settings->operatorIndex);
    }
    if (reading.refusal) {
        Tell(ReadBackMessage(settings_.language, path, *reading.refusal));
        return;
    }
    ApplyMmsSettings(*reading.settings);
    TellRead(kMmsFileName);
}

// Selections set here call no handler: the lists are filled as a mode change fills them, and the
// read-only states follow from the mode, the send list and the recipients as the handlers set them. The
// language and TV mode of the file are not taken: the dialog writes the program's.
void CMmsSetupDlg::ApplyMmsSettings(const decoder::MmsSettings& s) {
    const int mode = s.manual ? kMmsModeManual : kMmsModeAuto;
    modeList_.SetCurSel(mode);
    FillModeLists(mode);
    if (s.manual) {
        mmsCountryCode = kManualCountryCode;
        mmsOperatorCode = 0;
    } else {
        countryList_.SetCurSel(s.country);
        FillOperators(operatorList_, PresetSet::kMms, s.country);
        operatorList_.SetCurSel(s.operatorIndex);
        mmsCountryCode = static_cast<uint8_t>(s.country);
        mmsOperatorCode = static_cast<uint8_t>(s.operatorIndex);
    }
    apnTypeList_.SetCurSel(s.apnType);
    sendList_.SetCurSel(s.sendMode);
    phoneTypeList_.SetCurSel(s.phoneIsInternational ? kPhoneInternational : kPhoneDomestic);
    phoneIsInternational = s.phoneIsInternational;
    hoursList_.SetCurSel(s.remoteControlHours);

    picturesPerDay = s.picturesPerDay;
    phone = s.phone;
    email = s.email;
    phone2 = s.phone2;
    phone3 = s.phone3;
    // In Auto mode the network fields stay empty on screen: the file's texts are the preset's.
    url = s.manual ? s.url : std::string();
    apn = s.manual ? s.apn : std::string();
    gateway = s.manual ? s.gateway : std::string();
    port = s.manual ? s.port : std::string();
    account = s.manual ? s.account : std::string();
    password = s.manual ? s.password : std::string();

    ApplyFieldStates();
    UpdateData(false);
}

}  // namespace corvane
