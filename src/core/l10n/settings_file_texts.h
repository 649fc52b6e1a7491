#pragma once

#include <cstdint>

namespace corvane {

// The setup dialogs' settings-file commands and messages. UTF-8; a tab in a command's caption comes before
// its shortcut.
struct SettingsFileTexts {
    const char* save;
    const char* open;
    const char* askSecrets;
    const char* saved;        // followed by the file's path
    const char* notSaved;     // followed by the file's path and the reason
    const char* cannotSave;   // followed by the reason
    const char* notOpened;    // followed by the file's path and the reason
    const char* otherFamily;  // %s the settings' model, %s the dialog's family
};

// Chinese for language 1, English for every other value, as all messages of the program.
const SettingsFileTexts& SettingsFileTextsFor(int32_t language);

}  // namespace corvane
