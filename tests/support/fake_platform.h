#pragma once

// Test doubles of the platform seam: everything is recorded and answered without any modal window.

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/preference_store.h"
#include "platform/test_mail.h"

namespace corvane::platform {

// An in-memory preference key that can be made missing, unopenable, unwritable, or hold unreadable values.
class MemoryPreferenceKey : public PreferenceKey {
  public:
    bool exists = true;    // false: as on a first run; Create() makes it
    bool openable = true;  // false: neither opening nor creating succeeds (no access at all)
    bool writable = true;  // false: values can be read but not stored
    std::map<std::string, uint32_t> numbers;
    std::map<std::string, std::string> texts;
    std::set<std::string> unreadable;  // names of values that are present but cannot be read
    int createCalls = 0;
    int writeCalls = 0;
    bool holding = false;    // between HoldWrites and ReleaseWrites (values are stored at once all the same)
    int heldWriteCalls = 0;  // writes made while holding
    int releaseCalls = 0;

    bool Open() override;
    bool Create() override;
    std::optional<uint32_t> ReadNumber(const std::string& name) override;
    std::optional<std::string> ReadText(const std::string& name) override;
    bool WriteNumber(const std::string& name, uint32_t value) override;
    bool WriteText(const std::string& name, const std::string& value) override;
    void HoldWrites() override { holding = true; }
    bool ReleaseWrites() override;

  private:
    bool CanWrite() const { return exists && openable && writable; }
};

// The test e-mail's sender of this system for the fakes (linux/ or windows/ beside this file), checking
// certificates only against `caFile` when it is set.
std::unique_ptr<TestMailSender> MakeSystemTestMailSender(const std::string& caFile);

class FakePlatform : public Platform {
  public:
    std::vector<std::string> messages;           // ShowMessage texts, in order
    std::vector<std::string> frameworkMessages;  // ShowFrameworkMessage texts, in order
    std::deque<std::string> folderAnswers;       // BrowseForFolder answers; "" (cancel) once used up
    std::vector<std::string> folderStarts;       // the folder each BrowseForFolder opened at
    int folderRequests = 0;
    std::vector<std::string> openedUrls;
    bool openUrlSucceeds = true;
    LocalTime now{2024, 5, 17, 13, 45, 30};
    uint16_t systemLanguageId = 0x0409;
    std::string defaultOutputFolder = "C:\\";
    std::string homeFolder = "/home/alice";
    std::vector<int32_t> languagesUsed;  // UseLanguage calls, in order
    std::vector<Volume> volumes;         // MountedVolumes answer
    std::string mediaUser = "alice";
    MemoryPreferenceKey preferenceKey;
    PreferenceStore preferences{preferenceKey};

    void ShowMessage(const std::string& text) override;
    void ShowFrameworkMessage(const std::string& text) override;
    std::string BrowseForFolder(const std::string& startFolder) override;
    // BrowseForSettingsFile answers; "" (cancel) once used up. Each request is noted as "save START" or
    // "open START".
    std::deque<std::string> settingsFileAnswers;
    std::vector<std::string> settingsFileRequests;
    std::string BrowseForSettingsFile(bool save, const std::string& startFolder) override;
    bool OpenUrl(const std::string& url) override;
    LocalTime Now() override { return now; }
    uint16_t SystemLanguageId() override { return systemLanguageId; }
    PreferenceStore& Preferences() override { return preferences; }
    std::string DefaultOutputFolder() override { return defaultOutputFolder; }
    void UseLanguage(int32_t language) override { languagesUsed.push_back(language); }

    std::vector<std::string> questions;  // AskYesNo texts, in order
    std::deque<bool> answers;            // AskYesNo answers; No once used up
    bool AskYesNo(const std::string& text) override;
    // The real sender, checking certificates only against `testMailCaFile` when it is set.
    std::string testMailCaFile;
    TestMailSender& MailSender() override;

    // Real folders: the dialog tests write into real temporary folders.
    bool FolderExists(const std::string& path) override;
    std::string HomeFolder() override { return homeFolder; }
    std::vector<Volume> MountedVolumes() override { return volumes; }
    // The system's rule (linux/ or windows/ beside this file): on Linux a media folder of `mediaUser`.
    bool IsMediaMountFolder(const std::string& folder) override;

  private:
    std::unique_ptr<TestMailSender> mailSender_;
};

}  // namespace corvane::platform
