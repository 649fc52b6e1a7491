// The MMS dialog's read button: setup.dat back into the mode, lists and fields.

#include "core/files/write_sequence.h"
#include "decoder/setup_file_reader.h"
#include "dialogs/mms/mms_setup_dlg.h"
#include "dialogs/shell/read_back.h"

namespace corvane {

std::optional<decoder::Finding> CMmsSetupDlg::ReadFile(const std::string& path) {
    const decoder::Reading<decoder::MmsSettings> reading =
        decoder::ReadMmsSettingsFile(LoadSetupFile(fs_, path), DecoderFamily(family_));
    if (reading.refusal) {
        return reading.refusal;
    }
    return TakeMmsSettings(*reading.settings);
}

// An Auto-mode preset must be one of the lists'.
std::optional<decoder::Finding> CMmsSetupDlg::TakeMmsSettings(const decoder::MmsSettings& s) {
    if (!s.manual) {
        if (std::optional<decoder::Finding> refusal =
                PresetOutOfList(PresetSet::kMms, settings_.language, s.country, s.operatorIndex)) {
            return refusal;
        }
    }
    ApplyMmsSettings(s);
    return std::nullopt;
}

// Selections set here call no handler: the lists are filled as a mode change fills them, and the
// read-only states follow from the mode, the send list and the recipients as the handlers set them. The
// language and TV mode of the file are not taken: the dialog writes the program's.
void CMmsSetupDlg::ApplyMmsSettings(const decoder::MmsSettings& s) {
    modeList_.SetCurSel(s.manual ? kManualMode : kAutoMode);
    FillModeLists(s.manual);
    if (s.manual) {
        mmsCountryCode = kManualCountryCode;
        mmsOperatorCode = 0;
    } else {
        SelectPreset(countryList_, operatorList_, PresetSet::kMms, s.country, s.operatorIndex);
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
