#include "support/fake_platform.h"

#include <filesystem>

namespace corvane::platform {

bool MemoryPreferenceKey::Open() {
    return exists && openable;
}

bool MemoryPreferenceKey::Create() {
    ++createCalls;
    if (!openable) {
        return false;
    }
    exists = true;
    return true;
}

std::optional<uint32_t> MemoryPreferenceKey::ReadNumber(const std::string& name) {
    if (!Open() || unreadable.count(name) != 0) {
        return std::nullopt;
    }
    const auto it = numbers.find(name);
    return it == numbers.end() ? std::nullopt : std::optional<uint32_t>(it->second);
}

std::optional<std::string> MemoryPreferenceKey::ReadText(const std::string& name) {
    if (!Open() || unreadable.count(name) != 0) {
        return std::nullopt;
    }
    const auto it = texts.find(name);
    return it == texts.end() ? std::nullopt : std::optional<std::string>(it->second);
}

bool MemoryPreferenceKey::ReleaseWrites() {
    holding = false;
    ++releaseCalls;
    return true;
}

bool MemoryPreferenceKey::WriteNumber(const std::string& name, uint32_t value) {
    ++writeCalls;
    heldWriteCalls += holding ? 1 : 0;
    if (!CanWrite()) {
        return false;
    }
    numbers[name] = value;
    texts.erase(name);
    unreadable.erase(name);
    return true;
}

bool MemoryPreferenceKey::WriteText(const std::string& name, const std::string& value) {
    ++writeCalls;
    heldWriteCalls += holding ? 1 : 0;
    if (!CanWrite()) {
        return false;
    }
    texts[name] = value;
    numbers.erase(name);
    unreadable.erase(name);
    return true;
}

void FakePlatform::ShowMessage(const std::string& text) {
    messages.push_back(text);
}

void FakePlatform::ShowFrameworkMessage(const std::string& text) {
    frameworkMessages.push_back(text);
}

std::string FakePlatform::BrowseForFolder(const std::string& startFolder) {
    ++folderRequests;
    folderStarts.push_back(startFolder);
    if (folderAnswers.empty()) {
        return "";
    }
    std::string answer = folderAnswers.front();
    folderAnswers.pop_front();
    return answer;
}

std::string FakePlatform::BrowseForSettingsFile(bool save, const std::string& startFolder) {
    settingsFileRequests.push_back((save ? "save " : "open ") + startFolder);
    if (settingsFileAnswers.empty()) {
        return "";
    }
    std::string answer = settingsFileAnswers.front();
    settingsFileAnswers.pop_front();
    return answer;
}

bool FakePlatform::FolderExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_directory(path, error);
}

bool FakePlatform::OpenUrl(const std::string& url) {
    openedUrls.push_back(url);
    return openUrlSucceeds;
}

bool FakePlatform::AskYesNo(const std::string& text) {
    questions.push_back(text);
    if (answers.empty()) {
        return false;
    }
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

TestMailSender& FakePlatform::MailSender() {
    if (!mailSender_) {
        mailSender_ = MakeSystemTestMailSender(testMailCaFile);
    }
    return *mailSender_;
}

}  // namespace corvane::platform
