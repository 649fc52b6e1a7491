#pragma once

// Where the main window's three setup buttons lead: the family of each setup dialog, and the one place where
// the setup dialogs are plugged in.

#include <functional>

#include "core/files/file_system.h"
#include "core/models/app_settings.h"
#include "core/models/models.h"

namespace corvane {

namespace platform {
class Platform;
}

enum class SetupKind { kCamera, kMms, kSmtp };

// The family whose dialog a setup button opens: camera and MMS follow the model's family; the e-mail dialog
// is that of a model with e-mail, and the 8520 one for every other model.
ModelFamily SetupFamily(SetupKind kind, ModelId model);

// Runs the setup dialog of that kind and family modally and returns its result when the user leaves it:
// IDCANCEL (its Exit action: Exit button, Escape, close box) leads back to a fresh main window, any other
// result (the e-mail dialog's Enter path) ends the program. A setup dialog only ends itself; it never opens
// a main window.
// The dialog writes through `fs`. `whenShown`, if given, runs once the dialog's first paint is on the screen.
int RunSetupDialog(SetupKind kind, ModelFamily family, AppSettings& settings, platform::Platform& platform,
                   FileSystem& fs, std::function<void()> whenShown = {});

}  // namespace corvane
