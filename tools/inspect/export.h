#pragma once

// corvane-inspect --export: the settings of the files in a folder (a card), as a settings file.

#include <iosfwd>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "settings/settings_file.h"

namespace corvane::inspect {

// The settings that the menu.dat, setup.dat and smtp.dat in `folder` (any case, whichever exist) hold, as
// the dialogs would read them back. The model is `model` when given; otherwise the family the files fit,
// with e-mail when there is an smtp.dat. Refused with the reason: no file, a file that is not sound or
// does not fit the family, files of different families, or files that fit both families and no model.
// A file that keeps another language or TV mode than the first gets its own in its section.
std::variant<settings::SettingsFile, std::string> SettingsFromFolder(const std::string& folder,
                                                                     std::optional<ModelId> model);

// The command line of --export: args without the program name, the option itself included. Exit codes as
// the inspector's: 0 printed, 1 the files do not give settings, 2 usage error.
int RunExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Whether the command line asks for --export (before any "--").
bool AsksForExport(const std::vector<std::string>& args);

}  // namespace corvane::inspect
