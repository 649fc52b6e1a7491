#include "app/setup_dialogs.h"

#include "camera/camera_setup_dlg.h"
#include "framework/cdialog.h"
#include "mms/mms_setup_dlg.h"
#include "smtp/smtp_setup_dlg.h"

namespace corvane {

ModelFamily SetupFamily(SetupKind kind, ModelId model) {
    if (kind == SetupKind::kSmtp) {
        return model == 4 ? ModelFamily::k8620 : ModelFamily::k8520;
    }
    return FamilyOfModel(model);
}

int RunSetupDialog(SetupKind kind, ModelFamily family, AppSettings& settings, platform::Platform& platform) {
    switch (kind) {
        case SetupKind::kCamera: {
            CCameraSetupDlg dialog(family, settings, platform);
            return dialog.DoModal();
        }
        case SetupKind::kMms: {
            CMmsSetupDlg dialog(family, settings, platform);
            return dialog.DoModal();
        }
        case SetupKind::kSmtp: {
            CSmtpSetupDlg dialog(family, settings, platform);
            return dialog.DoModal();
        }
    }
    return IDCANCEL;
}

}  // namespace corvane
