#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/mounted_volumes.h"
#include "platform/platform.h"
#include "platform/preference_store.h"
#include "platform/qt_translations.h"
#include "platform/test_mail.h"
#include "platform/window_icon.h"

namespace corvane::platform {

// The real seam: Qt message boxes and folder browser, the system browser, the local clock, the system
// language and the preference store of this operating system.
class DesktopPlatform : public Platform {
  public:
    // `programIcon` is shown in the result messages. `testMailCaFile`: a certificate authority file the
    // test e-mail trusts instead of the system's store (for a local test server); "" for the store.
    explicit DesktopPlatform(WindowIcon programIcon, std::string testMailCaFile = {});
    ~DesktopPlatform() override;

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
    bool IsMediaMountFolder(const std::string& folder) override;

  private:
    // The user whose media folders hold the desktop's mounts.
    std::string MediaUser();

    WindowIcon programIcon_;
    std::string testMailCaFile_;
    QtTranslations qtTranslations_;
    std::unique_ptr<PreferenceKey> key_;
    std::unique_ptr<PreferenceStore> store_;
    std::unique_ptr<TestMailSender> mailSender_;
    std::optional<std::string> mediaUser_;
    MountedVolumesReader volumes_;
};

// The preference key of this operating system, its system language identifier, and the folder a setup
// dialog starts on when there is neither a card nor a remembered folder.
std::unique_ptr<PreferenceKey> MakeSystemPreferenceKey();
uint16_t SystemDefaultLanguageId();
std::string SystemDefaultOutputFolder();

// Why no graphical display can be used, as one sentence for the user; empty when one is named (or when Qt
// is asked for a platform that needs none). From the environment only: checked before Qt starts, which
// would abort without one.
std::string DisplayProblem();
// The sentence for a display that Qt could not open, naming it.
std::string DisplayOpenFailure();

}  // namespace corvane::platform
