#include "platform/windows/file_dialogs.h"

#include <shobjidl.h>

#include "platform/windows/no_error_boxes.h"
#include "platform/windows/utf16.h"

namespace corvane::platform {

namespace {

// COM for this thread while a dialog is open, unless the thread has it already.
class ComScope {
  public:
    ComScope() : result_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
    ~ComScope() {
        if (SUCCEEDED(result_)) {
            ::CoUninitialize();
        }
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

  private:
    HRESULT result_;
};

template <class T>
class ComPtr {
  public:
    ComPtr() = default;
    ~ComPtr() {
        if (p_ != nullptr) {
            p_->Release();
        }
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    T* operator->() const { return p_; }
    T* get() const { return p_; }
    T** Out() { return &p_; }
    void** OutVoid() { return reinterpret_cast<void**>(&p_); }

  private:
    T* p_ = nullptr;
};

bool ItemOf(const std::string& path, ComPtr<IShellItem>& item) {
    if (path.empty()) {
        return false;
    }
    return SUCCEEDED(
        ::SHCreateItemFromParsingName(ToWide(path).c_str(), nullptr, IID_IShellItem, item.OutVoid()));
}

// Shows `dialog` and returns the chosen item's file-system path; "" when cancelled or not a file-system item.
std::string Run(IFileDialog& dialog, HWND owner) {
    if (FAILED(dialog.Show(owner))) {
        return {};  // cancelled (HRESULT_FROM_WIN32(ERROR_CANCELLED)) or failed
    }
    ComPtr<IShellItem> result;
    if (FAILED(dialog.GetResult(result.Out()))) {
        return {};
    }
    wchar_t* path = nullptr;
    if (FAILED(result->GetDisplayName(SIGDN_FILESYSPATH, &path)) || path == nullptr) {
        return {};
    }
    std::string chosen = FromWide(path);
    ::CoTaskMemFree(path);
    return chosen;
}

void StartAt(IFileDialog& dialog, const std::string& folder) {
    ComPtr<IShellItem> start;
    if (ItemOf(NearestExistingFolder(folder), start)) {
        dialog.SetFolder(start.get());
    }
}

}  // namespace

std::string NearestExistingFolder(const std::string& folder) {
    const NoErrorBoxes noBoxes;
    std::wstring path = ToWide(folder);
    while (!path.empty()) {
        const DWORD attributes = ::GetFileAttributesW(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            return FromWide(path);
        }
        // Up one level: "E:\a\b" -> "E:\a" -> "E:\"; a root without a folder above ends the search.
        while (!path.empty() && (path.back() == L'\\' || path.back() == L'/')) {
            path.pop_back();
        }
        const size_t separator = path.find_last_of(L"\\/");
        if (separator == std::wstring::npos) {
            return {};
        }
        const bool driveRoot = separator == 2 && path[1] == L':';
        path.resize(driveRoot ? separator + 1 : separator);
        if (separator == 0 || (separator == 1 && path[0] == L'\\')) {
            return {};  // "\" or the start of a "\\server" name
        }
    }
    return {};
}

std::string PickFolder(HWND owner, const std::string& startFolder, const std::vector<std::string>& places) {
    const ComScope com;
    ComPtr<IFileOpenDialog> dialog;
    if (FAILED(::CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER, IID_IFileOpenDialog,
                                  dialog.OutVoid()))) {
        return {};
    }
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
    for (const std::string& place : places) {
        ComPtr<IShellItem> item;
        if (ItemOf(place, item)) {
            dialog->AddPlace(item.get(), FDAP_BOTTOM);
        }
    }
    StartAt(*dialog.get(), startFolder);
    return Run(*dialog.get(), owner);
}

std::string PickSettingsFile(HWND owner, bool save, const std::string& startFolder) {
    const ComScope com;
    ComPtr<IFileDialog> dialog;
    if (FAILED(::CoCreateInstance(save ? CLSID_FileSaveDialog : CLSID_FileOpenDialog, nullptr,
                                  CLSCTX_INPROC_SERVER, save ? IID_IFileSaveDialog : IID_IFileOpenDialog,
                                  dialog.OutVoid()))) {
        return {};
    }
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    options |= FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST;
    options |= save ? FOS_OVERWRITEPROMPT | FOS_NOREADONLYRETURN : FOS_FILEMUSTEXIST;
    dialog->SetOptions(options);
    const COMDLG_FILTERSPEC types[] = {{L"Corvane settings (*.toml)", L"*.toml"},
                                       {L"All files (*.*)", L"*.*"}};
    dialog->SetFileTypes(2, types);
    dialog->SetFileTypeIndex(1);
    dialog->SetDefaultExtension(L"toml");
    StartAt(*dialog.get(), startFolder);
    return Run(*dialog.get(), owner);
}

}  // namespace corvane::platform
