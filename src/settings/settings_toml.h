#pragma once

// The text form of a settings file: TOML, its keys and values in the words corvane-inspect uses for the
// settings, with a format version. Read through toml++; written here, key by key in the inspector's order.

#include <string>
#include <string_view>
#include <variant>

#include "settings/settings_file.h"

namespace corvane::settings {

// Reads a settings file. Refuses, naming the line, a file that is not TOML, a key that is not known, a
// value of the wrong type or out of its range, a setting the model does not have, a missing one, and the
// settings a dialog would not generate (its checks before writing); the first refusal is given. A password
// that is absent reads as empty and is noted in `leftOut`: a writer of the camera's files refuses it. Where a
// section fails the dialog's checks and left out a password, the refusal names the password instead.
std::variant<SettingsFile, SettingsError> ParseSettings(std::string_view text);

// What a file that left out `password` lacks and how to give it, in English (without the line).
std::string LeftOutText(const LeftOutPassword& password);

// Reads the settings file at `path` (a regular file, at most a megabyte) and parses it; a file that cannot
// be read is refused with line 0.
std::variant<SettingsFile, SettingsError> LoadSettingsFile(const std::string& path);

// The text of a settings file. Passwords go in only with `withSecrets`; without, each is a comment saying
// so, as is a password the file left out (`leftOut`) with or without. A text that is not UTF-8 cannot go into
// a TOML file: then the error names it.
std::variant<std::string, SettingsError> SettingsText(const SettingsFile& file, bool withSecrets);

// "Vyn 8620MG" and the other names of the main window's model list; nothing for another name.
std::optional<ModelId> ModelNamed(std::string_view name);

}  // namespace corvane::settings
