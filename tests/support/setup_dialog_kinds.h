#pragma once

// The three setup dialogs as one table, for the tests of what every setup dialog does the same way: how
// to open each, its folder field and buttons, what makes its form pass, the file it writes and its English
// result sentence.

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/files/file_system.h"
#include "core/models/app_settings.h"
#include "core/models/models.h"
#include "dialogs/camera/camera_setup_dlg.h"
#include "dialogs/mms/mms_setup_dlg.h"
#include "dialogs/res/camera_templates.h"
#include "dialogs/res/mms_templates.h"
#include "dialogs/res/smtp_templates.h"
#include "dialogs/shell/setup_dialog.h"
#include "dialogs/smtp/smtp_setup_dlg.h"
#include "platform/platform.h"

namespace corvane::testing {

struct SetupDialogKind {
    const char* name;
    std::function<std::unique_ptr<CSetupDialog>(const AppSettings&, platform::Platform&, FileSystem&)> open;
    int folderField;
    int folderButton;
    int generate;
    std::vector<std::pair<int, const char*>> passingForm;
    const char* fileName;
    std::size_t fileSize;
    std::string sentence;
    int read;                       // the read button
    std::vector<int> writeButtons;  // every button that writes the file
    int escapeField;                // a field to press Escape in
    // A field typed after the passing form, and what it shows then (the values survive a refresh).
    int keptField;
    const char* keptTyped;
    const char* keptShown;
    // A change to the passing form that changes the file.
    int changedField;
    const char* changedText;
};

inline std::vector<SetupDialogKind> SetupDialogKinds(ModelFamily family) {
    const std::string model = family == ModelFamily::k8620 ? "8620" : "8520";
    return {
        {"camera",
         [family](const AppSettings& s, platform::Platform& p, FileSystem& f) {
             return std::make_unique<CCameraSetupDlg>(family, s, p, f);
         },
         IDC_OUTPUT_FOLDER,
         IDC_FOLDER_BUTTON,
         IDOK,
         {},
         "menu.dat",
         60,
         "Vyn " + model + " Configuration file is generated",
         IDC_READ_FILE,
         {IDOK, IDC_FACTORY_SETTINGS},
         IDC_INTERVAL,
         // An emptied field does not stop the refresh, which shows the stored value.
         IDC_VIDEO_LENGTH,
         "",
         "10",
         IDC_VIDEO_LENGTH,
         "33"},
        {"MMS",
         [family](const AppSettings& s, platform::Platform& p, FileSystem& f) {
             return std::make_unique<CMmsSetupDlg>(family, s, p, f);
         },
         IDC_MMS_FOLDER,
         IDC_MMS_FOLDER_BUTTON,
         IDOK,
         {{IDC_MMS_PHONE, "13800138000"}},
         "setup.dat",
         720,
         "Vyn " + model + " MMS configuration file (URL|APN|Gateway|Port ...) has been generated",
         IDC_MMS_READ_FILE,
         {IDOK},
         IDC_MMS_PHONE,
         IDC_MMS_EMAIL,
         "me@example.org",
         "me@example.org",
         IDC_MMS_PICTURES,
         "5"},
        {"e-mail",
         [family](const AppSettings& s, platform::Platform& p, FileSystem& f) {
             return std::make_unique<CSmtpSetupDlg>(family, s, p, f);
         },
         IDC_SMTP_FOLDER,
         IDC_SMTP_FOLDER_BUTTON,
         IDC_SMTP_GENERATE,
         {{IDC_SMTP_SERVER, "smtp.example.com"},
          {IDC_SMTP_PORT, "25"},
          {IDC_SMTP_SENDER, "cam@example.com"},
          {IDC_SMTP_SENDER_PASSWORD, "secret"},
          {IDC_SMTP_RECIPIENT, "me@example.org"}},
         "smtp.dat",
         720,
         "Vyn " + model + " SMTP configuration file has been generated",
         IDC_SMTP_READ_FILE,
         {IDC_SMTP_GENERATE},
         IDC_SMTP_PORT,
         IDC_SMTP_SENDER,
         "x@example.com",
         "x@example.com",
         IDC_SMTP_SERVER,
         "other.example.com"},
    };
}

}  // namespace corvane::testing
