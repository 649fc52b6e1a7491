#pragma once

// Where the main window's three setup buttons lead: the family of each setup dialog, and the one place where
// the setup dialogs are plugged in.

#include "l10n/language.h"

namespace corvane {

namespace platform {
class Platform;
}

enum class SetupKind { kCamera, kMms, kSmtp };

// The family whose dialog a setup button opens: camera and MMS follow the model's family; the SMTP dialog is
// the 8620 one for model 4 only and the 8520 one for every other model.
ModelFamily SetupFamily(SetupKind kind, ModelId model);

// Runs the setup dialog of that kind and family modally and returns its result when the user leaves it:
// IDCANCEL (its Exit action: Exit button, Escape, close box) leads back to a fresh main window, any other
// result (the e-mail dialog's Enter path) ends the program. A setup dialog only ends itself; it never opens
// a main window.
int RunSetupDialog(SetupKind kind, ModelFamily family, AppSettings& settings, platform::Platform& platform);

}  // namespace corvane
