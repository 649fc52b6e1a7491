#include "platform/windows/windows_platform.h"

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include "platform/mail/curl_test_mail_sender.h"
#include "platform/windows/drive_volumes.h"
#include "platform/windows/file_dialogs.h"
#include "platform/windows/no_error_boxes.h"
#include "platform/windows/registry_preference_key.h"
#include "platform/windows/system_language.h"
#include "platform/windows/utf16.h"

namespace corvane::platform {

namespace {

// The window the message belongs to: the dialog the user works in.
HWND OwnerWindow() {
    return ::GetActiveWindow();
}

int ShowBox(const std::string& text, const wchar_t* title, UINT style, int iconResource = 0) {
    const std::wstring wideText = ToWide(text);
    MSGBOXPARAMSW box{};
    box.cbSize = sizeof(box);
    box.hwndOwner = OwnerWindow();
    box.lpszText = wideText.c_str();
    box.lpszCaption = title;
    // Without an owner the box still keeps the program's other windows from input until it is answered.
    box.dwStyle = style | (box.hwndOwner == nullptr ? MB_TASKMODAL : 0);
    if (iconResource != 0) {
        box.hInstance = ::GetModuleHandleW(nullptr);
        box.lpszIcon = MAKEINTRESOURCEW(iconResource);
        box.dwStyle |= MB_USERICON;
    }
    return ::MessageBoxIndirectW(&box);
}

}  // namespace

std::string UserProfileFolder() {
    wchar_t* path = nullptr;
    if (FAILED(::SHGetKnownFolderPath(FOLDERID_Profile, KF_FLAG_DEFAULT, nullptr, &path)) ||
        path == nullptr) {
        return {};
    }
    std::string folder = FromWide(path);
    ::CoTaskMemFree(path);
    return folder;
}

WindowsPlatform::WindowsPlatform(WindowIcon programIcon, std::string testMailCaFile,
                                 std::unique_ptr<PreferenceKey> key)
    : programIcon_(programIcon),
      key_(key ? std::move(key)
               : std::make_unique<RegistryPreferenceKey>(MachinePreferenceLocation(),
                                                         UserPreferenceLocation())),
      store_(std::make_unique<PreferenceStore>(*key_)),
      mailSender_(std::make_unique<CurlTestMailSender>(std::move(testMailCaFile))) {}

WindowsPlatform::~WindowsPlatform() = default;

void WindowsPlatform::ShowMessage(const std::string& text) {
    ShowBox(text, L"Corvane", MB_OK, programIcon_.resourceId);
}

void WindowsPlatform::ShowFrameworkMessage(const std::string& text) {
    ShowBox(text, L"corvane", MB_OK | MB_ICONEXCLAMATION);
}

bool WindowsPlatform::AskYesNo(const std::string& text) {
    return ShowBox(text, L"Corvane", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

std::string WindowsPlatform::BrowseForFolder(const std::string& startFolder) {
    // The cards and removable drives among the places, as elsewhere.
    std::vector<std::string> places;
    for (const Volume& volume : MountedVolumes()) {
        if (volume.ready && (volume.removable || IsCameraCard(volume))) {
            places.push_back(volume.rootPath);
        }
    }
    std::string start = NearestExistingFolder(startFolder);
    return PickFolder(OwnerWindow(), start.empty() ? HomeFolder() : start, places);
}

std::string WindowsPlatform::BrowseForSettingsFile(bool save, const std::string& startFolder) {
    const std::string start = NearestExistingFolder(startFolder);
    return PickSettingsFile(OwnerWindow(), save, start.empty() ? HomeFolder() : start);
}

bool WindowsPlatform::OpenUrl(const std::string& url) {
    const HINSTANCE result =
        ::ShellExecuteW(OwnerWindow(), L"open", ToWide(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    // Values above 32 mean started; anything else is an error number.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

LocalTime WindowsPlatform::Now() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

uint16_t WindowsPlatform::SystemLanguageId() {
    return LanguageIdOfWindowsLanguage(::GetUserDefaultUILanguage());
}

void WindowsPlatform::UseLanguage(int32_t language) {
    // The system's own texts (message box buttons, file dialogs) follow the thread's UI language where
    // Windows has that language installed, and stay in the system's language otherwise.
    if (const uint16_t windowsLanguage = WindowsLanguageOfProgramLanguage(language)) {
        ::SetThreadUILanguage(windowsLanguage);
    }
}

PreferenceStore& WindowsPlatform::Preferences() {
    return *store_;
}

std::string WindowsPlatform::DefaultOutputFolder() {
    return HomeFolder();
}

TestMailSender& WindowsPlatform::MailSender() {
    return *mailSender_;
}

std::string WindowsPlatform::HomeFolder() {
    return UserProfileFolder();
}

bool WindowsPlatform::FolderExists(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    const NoErrorBoxes noBoxes;
    const DWORD attributes = ::GetFileAttributesW(ToWide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::vector<Volume> WindowsPlatform::MountedVolumes() {
    return volumes_.Read();
}

bool WindowsPlatform::IsMediaMountFolder(const std::string& folder) {
    return IsMediaDriveRoot(folder);
}

}  // namespace corvane::platform
