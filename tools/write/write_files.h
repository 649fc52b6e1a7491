#pragma once

// Writing the files of a settings file into one folder, as the dialogs' Generate buttons write them.

#include <string>
#include <vector>

#include "settings/settings_file.h"
#include "write/write_environment.h"

namespace corvane::write {

struct FolderWrite {
    bool ok = false;
    std::vector<std::string> written;  // file names, in the order written
    std::vector<std::string> lines;    // the messages, as the dialogs give them (English)
};

// Checks the folder as a dialog does before writing (a card that is gone, no room for the files) and
// writes menu.dat (the camera clock `clock`), setup.dat and smtp.dat, whichever the settings hold, through
// the checked write sequence. Stops at the first failure.
FolderWrite WriteSettingsInto(WriteEnvironment& env, const settings::SettingsFile& file,
                              const std::string& folder, const CameraClock& clock);

// The bytes each file of the settings gets, by file name, with the camera clock `clock`.
std::vector<std::pair<std::string, std::vector<uint8_t>>> ExpectedFiles(const settings::SettingsFile& file,
                                                                        const CameraClock& clock);

}  // namespace corvane::write
