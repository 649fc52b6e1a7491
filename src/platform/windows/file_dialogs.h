#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace corvane::platform {

// The system's folder picker over `owner`, opened at `startFolder` or its nearest existing parent, with
// `places` (folders such as the cards' roots) added to its list of places. The chosen file-system folder,
// or "" when the user cancelled.
std::string PickFolder(HWND owner, const std::string& startFolder, const std::vector<std::string>& places);

// The system's file dialog for a settings file (*.toml): with `save`, a name to save as (".toml" added to a
// name without it, an existing file replaced only after the user agreed); otherwise an existing file.
// Opens at `startFolder`. "" when the user cancelled.
std::string PickSettingsFile(HWND owner, bool save, const std::string& startFolder);

// `folder` when it exists, else its nearest existing parent; "" when none does.
std::string NearestExistingFolder(const std::string& folder);

}  // namespace corvane::platform
