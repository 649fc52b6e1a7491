#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/preference_store.h"
#include "platform/test_mail.h"
#include "platform/window_icon.h"
#include "platform/windows/drive_facts.h"

namespace corvane::platform {

// The seam on Windows: the system's message boxes and file dialogs, the default browser, the local clock,
// the user's UI language, the preferences in the registry and the drives as volumes.
class WindowsPlatform : public Platform {
  public:
    // `programIcon.resourceId` names the icon resource the result messages show; `testMailCaFile`, when not
    // empty, the certificate authorities the test e-mail trusts instead of the system's; `key` holds the
    // preferences (the registry key of the program when none is given).
    explicit WindowsPlatform(WindowIcon programIcon, std::string testMailCaFile = {},
                             std::unique_ptr<PreferenceKey> key = nullptr);
    ~WindowsPlatform() override;

    void ShowMessage(const std::string& text) override;
    void ShowFrameworkMessage(const std::string& text) override;
    std::string BrowseForFolder(const std::string& startFolder) override;
    std::string BrowseForSettingsFile(bool save, const std::string& startFolder) override;
    bool OpenUrl(const std::string& url) override;
    LocalTime Now() override;
    uint16_t SystemLanguageId() override;
    PreferenceStore& Preferences() override;
    std::string DefaultOutputFolder() override;
    void UseLanguage(int32_t language) override;
    bool AskYesNo(const std::string& text) override;
    TestMailSender& MailSender() override;
    std::string HomeFolder() override;
    bool FolderExists(const std::string& path) override;
    std::vector<Volume> MountedVolumes() override;
    // True for a drive's root ("E:\") whose letter is not in use now, or whose drive is removable: a card
    // pulled out of a reader leaves the letter of the reader's slot, without a volume on it.
    bool IsMediaMountFolder(const std::string& folder) override;

  private:
    WindowIcon programIcon_;
    std::unique_ptr<PreferenceKey> key_;
    std::unique_ptr<PreferenceStore> store_;
    std::unique_ptr<TestMailSender> mailSender_;
    DriveVolumesReader volumes_;
};

// The user's profile folder ("C:\Users\alice"); "" when the system does not tell.
std::string UserProfileFolder();

}  // namespace corvane::platform
