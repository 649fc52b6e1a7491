#include "app/setup_dialogs.h"

#include <utility>

#include "core/models/app_settings.h"
#include "dialogs/camera/camera_setup_dlg.h"
#include "dialogs/mms/mms_setup_dlg.h"
#include "dialogs/smtp/smtp_setup_dlg.h"
#include "framework/cdialog.h"

namespace corvane {

ModelFamily SetupFamily(SetupKind kind, ModelId model) {
    if (kind == SetupKind::kSmtp && !ModelHasEmail(model)) {
        return ModelFamily::k8520;
    }
    return FamilyOfModel(model);
}

namespace {

int RunModal(CDialog& dialog, std::function<void()> whenShown) {
    if (whenShown) {
        dialog.AfterFirstPaint(std::move(whenShown));
    }
    return dialog.DoModal();
}

}  // namespace

int RunSetupDialog(SetupKind kind, ModelFamily family, AppSettings& settings, platform::Platform& platform,
                   FileSystem& fs, std::function<void()> whenShown) {
    switch (kind) {
        case SetupKind::kCamera: {
            CCameraSetupDlg dialog(family, settings, platform, fs);
            return RunModal(dialog, std::move(whenShown));
        }
        case SetupKind::kMms: {
            CMmsSetupDlg dialog(family, settings, platform, fs);
            return RunModal(dialog, std::move(whenShown));
        }
        case SetupKind::kSmtp: {
            CSmtpSetupDlg dialog(family, settings, platform, fs);
            return RunModal(dialog, std::move(whenShown));
        }
    }
    return IDCANCEL;
}

}  // namespace corvane
