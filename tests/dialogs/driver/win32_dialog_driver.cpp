// The dialog driver over Win32: keys and characters posted to the focused control (so the dialog manager
// and the edit fields' typing limits see them as they see a keyboard's), lists opened and walked with the
// keyboard, buttons clicked with BM_CLICK; each step waits until the dialog has handled what it queued.

#include <gtest/gtest.h>

#include "driver/dialog_driver.h"
#include "framework/cdialog.h"
#include "framework/wide.h"

#include "framework/win32_api.h"

namespace corvane::testing {

namespace {

constexpr UINT kReached = WM_APP + 0x200;
bool reached = false;

LRESULT CALLBACK MarkerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kReached) {
        reached = true;
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Handles every message queued now: they come before a message posted after them.
void Settle() {
    static HWND marker = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = MarkerProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"CorvaneTestMarker";
        RegisterClassW(&windowClass);
        return CreateWindowExW(0, L"CorvaneTestMarker", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    }();
    // Twice: what the first round's messages post (a left field's check) is handled too.
    for (int round = 0; round < 2; ++round) {
        reached = false;
        PostMessageW(marker, kReached, 0, 0);
        EXPECT_TRUE(PumpDialogMessages([] { return reached; }, 10000)) << "the dialog did not answer";
    }
}

class Win32DialogDriver : public DialogDriver {
  public:
    explicit Win32DialogDriver(CDialog& dialog) : dialog_(dialog) {
        SetForegroundWindow(dialog_.GetSafeHwnd());
        Settle();
    }

    void Type(int id, const std::string& text) override {
        HWND edit = Focus(id);
        if (edit == nullptr) {
            return;
        }
        SendMessageW(edit, EM_SETSEL, 0, -1);
        const std::wstring characters = text.empty() ? std::wstring(1, L'\b') : win32::ToWide(text);
        for (const wchar_t c : characters) {
            PostMessageW(edit, WM_CHAR, c, 1);
        }
        Settle();
    }
    void LeaveField() override { PostKey(GetFocus(), VK_TAB); }
    void Choose(int id, int index) override {
        HWND list = Focus(id);
        if (list == nullptr) {
            return;
        }
        const int count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
        if (index >= count) {
            ADD_FAILURE() << "no entry " << index << " in list " << id;
            return;
        }
        SendMessageW(list, CB_SHOWDROPDOWN, TRUE, 0);
        Settle();
        // From the entry shown (none: the first key selects the first entry) to the one wanted.
        int at = static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0));
        if (at < 0) {
            PostKey(list, VK_DOWN);
            at = 0;
        }
        for (; at < index; ++at) {
            PostKey(list, VK_DOWN);
        }
        for (; at > index; --at) {
            PostKey(list, VK_UP);
        }
        PostKey(list, VK_RETURN);
    }
    void Click(int id) override {
        if (HWND button = Find(id)) {
            PostMessageW(button, BM_CLICK, 0, 0);
            Settle();
        }
    }
    void PressEnter(int id) override { PostKey(Focus(id), VK_RETURN); }
    void PressEscape(int id) override { PostKey(Focus(id), VK_ESCAPE); }

    std::string Text(int id) const override { return dialog_.GetDlgItemText(id); }
    bool IsEnabled(int id) const override {
        const CWnd* control = dialog_.GetDlgItem(id);
        return control != nullptr && control->IsWindowEnabled();
    }
    bool HasFocus(int id) const override {
        const CWnd* control = dialog_.GetDlgItem(id);
        return control != nullptr && control->GetSafeHwnd() != nullptr &&
               GetFocus() == control->GetSafeHwnd();
    }

  private:
    HWND Find(int id) const {
        const CWnd* control = dialog_.GetDlgItem(id);
        HWND window = control != nullptr ? control->GetSafeHwnd() : nullptr;
        EXPECT_NE(window, nullptr) << "control " << id;
        return window;
    }
    HWND Focus(int id) {
        CWnd* control = dialog_.GetDlgItem(id);
        if (Find(id) == nullptr) {
            return nullptr;
        }
        control->SetFocus();
        Settle();
        return control->GetSafeHwnd();
    }
    static void PostKey(HWND window, WPARAM key) {
        if (window == nullptr) {
            return;
        }
        PostMessageW(window, WM_KEYDOWN, key, 1);
        PostMessageW(window, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
        Settle();
    }

    CDialog& dialog_;
};

}  // namespace

std::unique_ptr<DialogDriver> MakeDialogDriver(CDialog& dialog) {
    return std::make_unique<Win32DialogDriver>(dialog);
}

}  // namespace corvane::testing
