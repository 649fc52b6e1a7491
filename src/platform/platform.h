#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/files/camera_card.h"

namespace corvane::platform {

class PreferenceStore;
class TestMailSender;

// Local wall-clock time, milliseconds dropped.
struct LocalTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Everything the dialogs ask of the operating system. Dialogs receive it by reference; the program hands
// in the real implementation, tests hand in fakes that record and answer without any modal window.
// Texts are UTF-8.
class Platform {
  public:
    virtual ~Platform() = default;

    // Result and error messages: title "Corvane", the program's icon, one OK button. Returns when closed.
    virtual void ShowMessage(const std::string& text) = 0;
    // The dialog framework's own validation messages: exclamation icon, title "corvane".
    virtual void ShowFrameworkMessage(const std::string& text) = 0;
    // The system folder browser, opened at `startFolder` (its nearest existing parent when it is gone),
    // with the removable volumes among its places. Returns the chosen folder's path, or an empty string
    // when the user cancelled or chose something that is not a file-system folder.
    virtual std::string BrowseForFolder(const std::string& startFolder) = 0;
    // The file browser for a settings file (*.toml), in the program's own look: with `save`, a file name to
    // save as (an existing file is replaced only when the user agrees; ".toml" is added to a name without
    // it); otherwise an existing file to open. Opens at `startFolder`. Returns the path, or an empty string
    // when the user cancelled.
    virtual std::string BrowseForSettingsFile(bool save, const std::string& startFolder) = 0;
    // Opens a web page in the system browser; false when that could not be started.
    virtual bool OpenUrl(const std::string& url) = 0;
    virtual LocalTime Now() = 0;
    // The system default language as a Windows language identifier (0x0804 Chinese PRC, 0x1407 German
    // Liechtenstein, 0x0409 English US, ...).
    virtual uint16_t SystemLanguageId() = 0;
    virtual PreferenceStore& Preferences() = 0;
    // Output folder of a freshly opened setup dialog when neither a memory card nor a remembered folder
    // gives one.
    virtual std::string DefaultOutputFolder() = 0;
    // The program's language (1..10) from now on, for the platform's own texts: the buttons of message
    // boxes and the folder browser. Where the system has no translation they stay English.
    virtual void UseLanguage(int32_t language) = 0;
    // A question with Yes and No (title "Corvane"); true for Yes. Returns when answered.
    virtual bool AskYesNo(const std::string& text) = 0;
    // Sends the e-mail dialog's test e-mail; lives as long as the platform.
    virtual TestMailSender& MailSender() = 0;
    // The user's home folder, for a folder typed as "~" or "~/...".
    virtual std::string HomeFolder() = 0;
    // Whether `path` is an existing folder.
    virtual bool FolderExists(const std::string& path) = 0;
    // The mounted volumes as the system reports them at this moment.
    virtual std::vector<Volume> MountedVolumes() = 0;
    // Whether `folder` is one where the desktop mounts one of the user's media (a reader unplugged can leave
    // it behind empty).
    virtual bool IsMediaMountFolder(const std::string& folder) = 0;
};

}  // namespace corvane::platform
