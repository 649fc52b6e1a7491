// The MMS dialog's section of a settings file.

#include "dialogs/mms/mms_setup_dlg.h"
#include "dialogs/shell/read_back.h"

namespace corvane {

bool CMmsSetupDlg::PutSettings(settings::SettingsFile& file) {
    if (!UpdateData(true)) {
        return false;
    }
    decoder::MmsSettings m;
    m.manual = Manual();
    if (!m.manual) {
        m.country = countryList_.GetCurSel();
        m.operatorIndex = operatorList_.GetCurSel();
    }
    m.sendMode = sendList_.GetCurSel();
    m.apnType = apnTypeList_.GetCurSel();
    m.picturesPerDay = picturesPerDay;
    m.phoneIsInternational = phoneIsInternational;
    m.remoteControlHours = hoursList_.GetCurSel();
    // In Auto mode the network settings are the operator's preset, taken when writing.
    if (m.manual) {
        m.url = url;
        m.apn = apn;
        m.gateway = gateway;
        m.port = port;
        m.account = account;
        m.password = password;
    }
    m.phone = phone;
    m.email = email;
    m.phone2 = phone2;
    m.phone3 = phone3;
    m.fileLanguage = 0;
    m.tvMode = 0;
    file.mms = m;
    return true;
}

// As the read button takes setup.dat; the program's language and TV mode stay.
std::optional<std::string> CMmsSetupDlg::TakeSettings(const settings::SettingsFile& file) {
    if (!file.mms) {
        return "it holds no [mms] section";
    }
    if (const std::optional<decoder::Finding> refusal = TakeMmsSettings(*file.mms)) {
        return refusal->what;
    }
    return std::nullopt;
}

}  // namespace corvane
