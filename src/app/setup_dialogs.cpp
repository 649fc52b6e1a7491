#include "app/setup_dialogs.h"

#include "camera/camera_setup_dlg.h"
#include "framework/cdialog.h"
#include "framework/dialog_template.h"
#include "mms/mms_setup_dlg.h"
#include "smtp/smtp_setup_dlg.h"

namespace corvane {

ModelFamily SetupFamily(SetupKind kind, ModelId model) {
    if (kind == SetupKind::kSmtp) {
        return model == 4 ? ModelFamily::k8620 : ModelFamily::k8520;
    }
    return FamilyOfModel(model);
}

int SetupTemplateId(SetupKind kind, ModelFamily family) {
    const bool is8620 = family == ModelFamily::k8620;
    switch (kind) {
        case SetupKind::kCamera:
            return is8620 ? 140 : 129;
        case SetupKind::kMms:
            return is8620 ? 142 : 130;
        case SetupKind::kSmtp:
            return is8620 ? 143 : 147;
    }
    return 0;
}

const char* SetupTitle(ModelFamily family) {
    return family == ModelFamily::k8620 ? "Corvane 8620" : "Corvane 8520";
}

int RunSetupDialog(SetupKind kind, ModelFamily family, AppSettings& settings, platform::Platform& platform) {
    (void)settings;
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
