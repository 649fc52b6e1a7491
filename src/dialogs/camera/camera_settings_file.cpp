// The camera dialog's section of a settings file.

#include "dialogs/camera/camera_setup_dlg.h"

namespace corvane {

bool CCameraSetupDlg::PutSettings(settings::SettingsFile& file) {
    if (!UpdateData(true)) {
        return false;
    }
    file.camera = settings::MenuSection(CurrentSettings());
    return true;
}

// As the read button takes menu.dat: every list and field, the read-only states that follow, the clock of
// now; the program's language and TV mode stay.
std::optional<std::string> CCameraSetupDlg::TakeSettings(const settings::SettingsFile& file) {
    if (!file.camera) {
        return "it holds no [camera] section";
    }
    ApplyMenuSettings(*file.camera);
    return std::nullopt;
}

}  // namespace corvane
