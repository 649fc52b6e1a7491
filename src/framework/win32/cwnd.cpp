#include "framework/cwnd.h"

#include <vector>

#include "framework/cdialog.h"
#include "framework/edit_field.h"
#include "framework/wide.h"
#include "framework/window_icons.h"
#include "platform/window_icon.h"

#include "framework/win32_api.h"

namespace corvane {

namespace {

bool IsClass(HWND window, const wchar_t* name) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    return lstrcmpiW(className, name) == 0;
}

std::wstring WindowTextOf(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

HWND CWnd::GetSafeHwnd() const {
    return window_ != nullptr && IsWindow(window_) ? window_ : nullptr;
}

int CWnd::GetDlgCtrlID() const {
    HWND window = GetSafeHwnd();
    return window != nullptr ? static_cast<int>(GetWindowLongPtrW(window, GWLP_ID)) : kNoId;
}

void CWnd::EnableWindow(bool enable) {
    if (HWND window = GetSafeHwnd()) {
        ::EnableWindow(window, enable ? TRUE : FALSE);
    }
}

bool CWnd::IsWindowEnabled() const {
    HWND window = GetSafeHwnd();
    return window != nullptr && ::IsWindowEnabled(window) != FALSE;
}

void CWnd::ShowWindow(int command) {
    if (HWND window = GetSafeHwnd()) {
        ::ShowWindow(window, command == SW_HIDE ? SW_HIDE : SW_SHOWNA);
    }
}

bool CWnd::IsWindowVisible() const {
    HWND window = GetSafeHwnd();
    return window != nullptr && (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

void CWnd::SetWindowText(const std::string& text) {
    HWND window = GetSafeHwnd();
    if (window == nullptr) {
        return;
    }
    if (owner_ != nullptr) {
        owner_->SetControlText(window, text);
    } else if (!IsClass(window, L"ComboBox")) {
        SetWindowTextW(window, win32::ToWide(text).c_str());
    }
}

std::string CWnd::GetWindowText() const {
    HWND window = GetSafeHwnd();
    if (window == nullptr) {
        return {};
    }
    if (IsClass(window, L"ComboBox")) {
        return CComboBox(window, nullptr).GetLBText(CComboBox(window, nullptr).GetCurSel());
    }
    return win32::FromWide(WindowTextOf(window));
}

void CWnd::SetFocus() {
    HWND window = GetSafeHwnd();
    if (window == nullptr) {
        return;
    }
    // Through the dialog manager, which keeps the default button's frame right.
    if (HWND parent = GetParent(window); parent != nullptr) {
        SendMessageW(parent, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(window), TRUE);
    } else {
        ::SetFocus(window);
    }
}

void CEdit::SetReadOnly(bool readOnly) {
    if (HWND window = GetSafeHwnd()) {
        SendMessageW(window, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
    }
}

bool CEdit::IsReadOnly() const {
    HWND window = GetSafeHwnd();
    return window != nullptr && (GetWindowLongPtrW(window, GWL_STYLE) & ES_READONLY) != 0;
}

void CEdit::LimitText(int maxBytes) {
    win32::SetByteLimit(GetSafeHwnd(), maxBytes);
}

int CEdit::GetLimitText() const {
    return win32::ByteLimit(GetSafeHwnd());
}

void CEdit::LimitCharacters(int maxCharacters) {
    win32::SetCharacterLimit(GetSafeHwnd(), maxCharacters);
}

int CEdit::GetCharacterLimit() const {
    return win32::CharacterLimit(GetSafeHwnd());
}

void CEdit::SetSel(int start, int end) {
    HWND window = GetSafeHwnd();
    if (window == nullptr) {
        return;
    }
    // Positions count characters; the edit counts UTF-16 units.
    const std::wstring text = WindowTextOf(window);
    auto unitOf = [&text](int character) {
        int units = 0;
        for (int c = 0; c < character && units < static_cast<int>(text.size()); ++c) {
            const wchar_t unit = text[static_cast<size_t>(units)];
            units += (unit >= 0xD800 && unit <= 0xDBFF && units + 1 < static_cast<int>(text.size())) ? 2 : 1;
        }
        return units;
    };
    if (start < 0) {
        SendMessageW(window, EM_SETSEL, static_cast<WPARAM>(-1), 0);
        return;
    }
    const int first = unitOf(start);
    const int last = end < 0 ? static_cast<int>(text.size()) : unitOf(end);
    SendMessageW(window, EM_SETSEL, static_cast<WPARAM>(first),
                 static_cast<LPARAM>(last > first ? last : first));
}

int CComboBox::AddString(const std::string& text) {
    const std::string_view entry = text;
    return AddStrings(std::span<const std::string_view>(&entry, 1));
}

int CComboBox::AddStrings(std::span<const std::string_view> texts) {
    HWND window = GetSafeHwnd();
    if (window == nullptr || texts.empty()) {
        return CB_ERR;
    }
    SendMessageW(window, WM_SETREDRAW, FALSE, 0);
    LRESULT last = CB_ERR;
    for (const std::string_view text : texts) {
        const std::wstring entry = win32::ToWide(text);
        last = SendMessageW(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
        if (last < 0) {
            break;
        }
    }
    SendMessageW(window, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(window, nullptr, TRUE);
    return last < 0 ? CB_ERR : static_cast<int>(last);
}

int CComboBox::AddStrings(std::span<const std::string> texts) {
    std::vector<std::string_view> views(texts.begin(), texts.end());
    return AddStrings(std::span<const std::string_view>(views));
}

void CComboBox::ResetContent() {
    if (HWND window = GetSafeHwnd()) {
        SendMessageW(window, CB_RESETCONTENT, 0, 0);
        if (owner_ != nullptr) {
            owner_->RefreshAccessibleNames();
        }
    }
}

int CComboBox::SetCurSel(int index) {
    HWND window = GetSafeHwnd();
    if (window == nullptr) {
        return CB_ERR;
    }
    // CB_SETCURSEL sends no notification. Out of range the selection is cleared, as Windows documents
    // (Wine keeps it).
    const bool inRange = index >= 0 && index < GetCount();
    const LRESULT result = SendMessageW(window, CB_SETCURSEL, static_cast<WPARAM>(inRange ? index : -1), 0);
    if (owner_ != nullptr) {
        owner_->RefreshAccessibleNames();
    }
    return !inRange || result < 0 ? CB_ERR : static_cast<int>(result);
}

int CComboBox::GetCurSel() const {
    HWND window = GetSafeHwnd();
    if (window == nullptr) {
        return CB_ERR;
    }
    const LRESULT index = SendMessageW(window, CB_GETCURSEL, 0, 0);
    return index < 0 ? CB_ERR : static_cast<int>(index);
}

int CComboBox::GetCount() const {
    HWND window = GetSafeHwnd();
    if (window == nullptr) {
        return 0;
    }
    const LRESULT count = SendMessageW(window, CB_GETCOUNT, 0, 0);
    return count < 0 ? 0 : static_cast<int>(count);
}

std::string CComboBox::GetLBText(int index) const {
    HWND window = GetSafeHwnd();
    if (window == nullptr || index < 0 || index >= GetCount()) {
        return {};
    }
    const LRESULT length = SendMessageW(window, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) {
        return {};
    }
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied =
        SendMessageW(window, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied < 0 ? 0 : static_cast<size_t>(copied));
    return win32::FromWide(text);
}

void CStatic::SetIcon(const platform::WindowIcon& icon) {
    HWND window = GetSafeHwnd();
    if (window == nullptr) {
        return;
    }
    RECT rect{};
    GetClientRect(window, &rect);
    const int size = rect.right - rect.left > 0 ? rect.right - rect.left : GetSystemMetrics(SM_CXICON);
    HICON picture = win32::MakeIcon(icon, size);
    if (picture == nullptr) {
        return;
    }
    // The control keeps the icon it is given; the one it showed before is ours to destroy.
    HICON old =
        reinterpret_cast<HICON>(SendMessageW(window, STM_SETICON, reinterpret_cast<WPARAM>(picture), 0));
    if (old != nullptr && old != picture) {
        DestroyIcon(old);
    }
}

}  // namespace corvane
