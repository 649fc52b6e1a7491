// The Win32 backend of the dialog framework, driven as a user drives it: keys and characters go to the
// focused control through the message queue (so the dialog manager and the edit subclass see them), lists
// are opened and chosen from, buttons clicked. Runs under Wine with a display.

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "framework/cdialog.h"
#include "framework/cwinapp.h"
#include "framework/data_exchange.h"
#include "platform/platform.h"
#include "platform/window_icon.h"

#include "framework/win32_api.h"

#include <oleacc.h>

namespace corvane {
namespace {

constexpr int kNameLabel = 1001;
constexpr int kName = 1002;
constexpr int kCountLabel = 1003;
constexpr int kCount = 1004;
constexpr int kUnit = 1005;
constexpr int kApply = 1006;
constexpr int kFolder = 1007;
constexpr int kPick = 1008;
constexpr unsigned kAboutCommand = 0x0010;

// The framework only shows messages through the platform; the rest is not asked by these tests.
class RecordingPlatform : public platform::Platform {
  public:
    std::vector<std::string> messages;
    std::vector<std::string> frameworkMessages;

    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void ShowFrameworkMessage(const std::string& text) override { frameworkMessages.push_back(text); }
    std::string BrowseForFolder(const std::string&) override { return {}; }
    std::string BrowseForSettingsFile(bool, const std::string&) override { return {}; }
    bool OpenUrl(const std::string&) override { return false; }
    platform::LocalTime Now() override { return {}; }
    uint16_t SystemLanguageId() override { return 0x0409; }
    platform::PreferenceStore& Preferences() override { throw std::logic_error("not used"); }
    std::string DefaultOutputFolder() override { return {}; }
    void UseLanguage(int32_t) override {}
    bool AskYesNo(const std::string&) override { return false; }
    platform::TestMailSender& MailSender() override { throw std::logic_error("not used"); }
    std::string HomeFolder() override { return {}; }
    bool FolderExists(const std::string&) override { return false; }
    std::vector<Volume> MountedVolumes() override { return {}; }
    bool IsMediaMountFolder(const std::string&) override { return false; }
};

const DialogTemplate kTemplate{4711,
                               "Test",
                               200,
                               120,
                               DialogStyle::kSysMenu,
                               "SimSun",
                               9,
                               {
                                   {kNameLabel, ControlKind::kLabel, 5, 7, 40, 8, "Name:"},
                                   {kName, ControlKind::kEdit, 50, 5, 80, 12, "", Style::kAutoHScroll},
                                   {kCountLabel, ControlKind::kLabel, 5, 23, 40, 8, "Count:"},
                                   {kCount, ControlKind::kEdit, 50, 21, 40, 12, "", Style::kNumber},
                                   {kUnit, ControlKind::kDropDownList, 95, 21, 40, 60, "", Style::kVScroll},
                                   {kNoId, ControlKind::kLabel, 5, 39, 40, 8, "Folder"},
                                   {kPick, ControlKind::kPushButton, 140, 37, 50, 14, "Browse"},
                                   {kFolder, ControlKind::kEdit, 50, 37, 80, 12},
                                   {kApply, ControlKind::kPushButton, 5, 95, 50, 14, "Apply"},
                                   {IDOK, ControlKind::kDefPushButton, 80, 95, 50, 14, "OK"},
                                   {IDCANCEL, ControlKind::kPushButton, 140, 95, 50, 14, "Cancel"},
                               }};

// A dialog with a name (6 bytes), a count (1..60, checked while typed), a unit list and a folder (4
// characters); it records every notification.
class TestDialog : public CDialog {
  public:
    explicit TestDialog(platform::Platform& platform, const DialogTemplate& dialogTemplate = kTemplate)
        : CDialog(dialogTemplate, platform) {
        for (const int id : {kName, kCount, kUnit, kApply, kFolder, IDOK, IDCANCEL}) {
            for (const Notification code :
                 {Notification::kClicked, Notification::kSelChange, Notification::kSelEndCancel,
                  Notification::kEditChange, Notification::kMaxText}) {
                AddHandler(id, code, [this, id, code] { OnNotification(id, code); });
            }
        }
        SetAccessibleNameSources({{kFolder, {kPick}}});
    }

    struct Event {
        int id;
        Notification code;
        bool holding;
    };
    std::vector<Event> events;
    std::string name = "ab";
    int32_t count = 5;
    int32_t unit = 1;
    std::string folder;
    std::vector<unsigned> sysCommands;
    bool okRuns = false;
    bool refreshWhileTyping = false;  // the name's notification reads the fields and writes them back

    int Count(int id, Notification code) const {
        int n = 0;
        for (const Event& e : events) {
            n += (e.id == id && e.code == code) ? 1 : 0;
        }
        return n;
    }

  protected:
    bool OnInitDialog() override {
        CComboBox* list = GetComboBox(kUnit);
        for (const char* entry : {"s", "min", "h"}) {
            list->AddString(entry);
        }
        AppendSystemMenuItem(kAboutCommand, "About...");
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange& dx) override {
        DDX_Text(dx, kName, name);
        DDV_MaxChars(dx, name, 6);
        DDX_Text(dx, kCount, count);
        DDV_MinMaxInt(dx, count, 1, 60);
        DDX_CBIndex(dx, kUnit, unit);
        DDX_Text(dx, kFolder, folder);
        DDV_MaxCharacters(dx, folder, 4);
    }
    void OnSysCommand(unsigned id) override { sysCommands.push_back(id); }

  private:
    void OnNotification(int id, Notification code) {
        events.push_back({id, code, HoldingChecks()});
        if (code == Notification::kEditChange && id == kCount) {
            UpdateData(true);  // the check while typing: held back
        }
        if (code == Notification::kEditChange && id == kName && refreshWhileTyping) {
            UpdateData(true);
            UpdateData(false);
        }
        if (code == Notification::kClicked && id == IDOK) {
            okRuns = true;
            OnOK();
        }
        if (code == Notification::kClicked && id == IDCANCEL) {
            OnCancel();
        }
    }
};

HWND Window(CDialog& dialog, int id) {
    CWnd* control = dialog.GetDlgItem(id);
    return control != nullptr ? control->GetSafeHwnd() : nullptr;
}

// Lets the dialog handle what is queued (posted input, posted checks, paint) until `done`.
bool Until(const std::function<bool()>& done) {
    return PumpDialogMessages(done, 5000);
}

void Settle() {
    // Every message queued now is handled once a message posted after them arrives.
    std::atomic<bool> reached{false};
    HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    PostMessageW(window, WM_NULL, 0, 0);
    MSG message;
    const DWORD start = GetTickCount();
    while (!reached && GetTickCount() - start < 5000) {
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.hwnd == window && message.message == WM_NULL) {
                reached = true;
                break;
            }
            HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
            if (root == nullptr || !IsDialogMessageW(root, &message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
    }
    DestroyWindow(window);
}

void Focus(CDialog& dialog, int id) {
    dialog.GetDlgItem(id)->SetFocus();
    Settle();
}

// Characters as a keyboard sends them to the focused control.
void Type(const std::wstring& text) {
    HWND focus = GetFocus();
    ASSERT_NE(focus, nullptr);
    for (const wchar_t c : text) {
        PostMessageW(focus, WM_CHAR, c, 1);
    }
    Settle();
}

void PressKey(WPARAM key) {
    HWND focus = GetFocus();
    ASSERT_NE(focus, nullptr);
    PostMessageW(focus, WM_KEYDOWN, key, 1);
    PostMessageW(focus, WM_KEYUP, key, 0xC0000001);
    Settle();
}

std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

class Win32DialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dialog.Create());
        Settle();
    }
    RecordingPlatform platform;
    TestDialog dialog{platform};
};

TEST_F(Win32DialogTest, TypingRaisesTypedChangesAndTextFromCodeRaisesOthersOutsideExchanges) {
    EXPECT_EQ(dialog.Count(kName, Notification::kEditChange), 0) << "UpdateData(false) notifies nothing";
    EXPECT_EQ(dialog.GetDlgItemText(kName), "ab");
    Focus(dialog, kName);
    SendMessageW(Window(dialog, kName), EM_SETSEL, 2, 2);
    Type(L"c");
    ASSERT_EQ(dialog.Count(kName, Notification::kEditChange), 1);
    EXPECT_EQ(dialog.GetDlgItemText(kName), "abc");

    dialog.SetDlgItemText(kName, "abc");  // unchanged: still notified
    ASSERT_EQ(dialog.Count(kName, Notification::kEditChange), 2);
    EXPECT_FALSE(dialog.events.back().holding) << "text set by code is not the user's typing";
    dialog.UpdateData(false);
    EXPECT_EQ(dialog.Count(kName, Notification::kEditChange), 2);
}

TEST_F(Win32DialogTest, FieldRefreshedWhileTypedTakesTheNextKeysAtItsEnd) {
    dialog.refreshWhileTyping = true;
    Focus(dialog, kName);
    SendMessageW(Window(dialog, kName), EM_SETSEL, 2, 2);
    Type(L"xyz");
    EXPECT_EQ(dialog.GetDlgItemText(kName), "abxyz");
    EXPECT_EQ(dialog.name, "abxyz");
}

TEST_F(Win32DialogTest, ByteLimitRefusesTypingPastItsUtf8Bytes) {
    Focus(dialog, kName);
    SendMessageW(Window(dialog, kName), EM_SETSEL, 2, 2);
    Type(L"\u4e2d");  // 3 bytes: "ab中" is 5
    EXPECT_EQ(dialog.GetDlgItemText(kName), "ab\xe4\xb8\xad");
    Type(L"\u6587");  // 3 more bytes: 8 > 6, refused though 4 characters would fit 6 units
    EXPECT_EQ(dialog.GetDlgItemText(kName), "ab\xe4\xb8\xad");
    EXPECT_EQ(dialog.Count(kName, Notification::kMaxText), 1);
    Type(L"x");  // one byte still fits
    EXPECT_EQ(dialog.GetDlgItemText(kName), "ab\xe4\xb8\xadx");
    EXPECT_EQ(dialog.Count(kName, Notification::kEditChange), 2);
}

TEST_F(Win32DialogTest, PasteThatPassesTheLimitIsRefusedWhole) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const std::wstring pasted = L"\u00e9\u00e9\u00e9";  // 6 bytes
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (pasted.size() + 1) * sizeof(wchar_t));
    std::copy(pasted.c_str(), pasted.c_str() + pasted.size() + 1, static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    Focus(dialog, kName);
    SendMessageW(Window(dialog, kName), EM_SETSEL, 2, 2);
    PostMessageW(Window(dialog, kName), WM_PASTE, 0, 0);
    Settle();
    EXPECT_EQ(dialog.GetDlgItemText(kName), "ab");
    EXPECT_EQ(dialog.Count(kName, Notification::kMaxText), 1);
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(Window(dialog, kName), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 2u) << "the caret stays where it was";
}

TEST_F(Win32DialogTest, CharacterLimitCountsCodePoints) {
    Focus(dialog, kFolder);
    Type(L"\u4e2d\U0001F600x");  // 3 characters, 4 UTF-16 units
    EXPECT_EQ(dialog.GetDlgItemText(kFolder), "\xe4\xb8\xad\xf0\x9f\x98\x80x");
    Type(L"y");
    EXPECT_EQ(CharacterCount(dialog.GetDlgItemText(kFolder)), 4u);
    Type(L"z");
    EXPECT_EQ(dialog.GetDlgItemText(kFolder), "\xe4\xb8\xad\xf0\x9f\x98\x80xy");
    EXPECT_EQ(dialog.Count(kFolder, Notification::kMaxText), 1);
}

TEST_F(Win32DialogTest, TextSetByCodePastTheLimitIsKeptAndMayBeShortened) {
    dialog.SetDlgItemText(kName, "abcdefgh");
    EXPECT_EQ(dialog.GetDlgItemText(kName), "abcdefgh");
    Focus(dialog, kName);
    SendMessageW(Window(dialog, kName), EM_SETSEL, 8, 8);
    Type(L"\b");
    EXPECT_EQ(dialog.GetDlgItemText(kName), "abcdefg");
    Type(L"x");
    EXPECT_EQ(dialog.GetDlgItemText(kName), "abcdefg");
    EXPECT_EQ(dialog.Count(kName, Notification::kMaxText), 1);
}

TEST_F(Win32DialogTest, ChecksAreHeldWhileTypingAndRunWhenTheFieldIsLeft) {
    Focus(dialog, kCount);
    SendMessageW(Window(dialog, kCount), EM_SETSEL, 0, -1);
    Type(L"0");
    ASSERT_GE(dialog.Count(kCount, Notification::kEditChange), 1);
    EXPECT_TRUE(dialog.events.back().holding);
    EXPECT_TRUE(platform.frameworkMessages.empty()) << "no message while the user types";
    EXPECT_EQ(dialog.count, 5) << "the member keeps its last valid value";
    EXPECT_EQ(dialog.GetDlgItemText(kCount), "0") << "the field keeps what was typed";
    Type(L"7");
    EXPECT_EQ(dialog.count, 7);
    SendMessageW(Window(dialog, kCount), EM_SETSEL, 0, -1);
    Type(L"9");
    Type(L"9");
    EXPECT_EQ(dialog.count, 9);
    EXPECT_TRUE(platform.frameworkMessages.empty());

    Focus(dialog, kName);  // leaving the field checks it, with its message
    ASSERT_TRUE(Until([&] { return !platform.frameworkMessages.empty(); }));
    EXPECT_EQ(platform.frameworkMessages.front(), MinMaxIntMessage(1, 60, dialog.MessageLanguage()));
    EXPECT_FALSE(dialog.events.back().holding);
    EXPECT_EQ(GetFocus(), Window(dialog, kCount)) << "the failed field has the focus again";
    Focus(dialog, kName);
    Settle();
    EXPECT_EQ(platform.frameworkMessages.size(), 1u) << "checked once";
}

TEST_F(Win32DialogTest, ClickThatTakesTheFocusIsHandledBeforeTheLeftFieldsCheck) {
    Focus(dialog, kCount);
    SendMessageW(Window(dialog, kCount), EM_SETSEL, 0, -1);
    Type(L"0");
    // A real click on Apply: the button takes the focus on the press, clicks on the release.
    HWND apply = Window(dialog, kApply);
    RECT rect{};
    GetWindowRect(apply, &rect);
    SetForegroundWindow(dialog.GetSafeHwnd());
    SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    INPUT clicks[2] = {};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ASSERT_EQ(SendInput(2, clicks, sizeof(INPUT)), 2u);
    ASSERT_TRUE(Until([&] { return !platform.frameworkMessages.empty(); }));
    ASSERT_EQ(dialog.Count(kApply, Notification::kClicked), 1);
    size_t clicked = 0;
    size_t checked = 0;
    for (size_t i = 0; i < dialog.events.size(); ++i) {
        const auto& e = dialog.events[i];
        if (e.id == kApply && e.code == Notification::kClicked) {
            clicked = i;
        }
        if (e.id == kCount && e.code == Notification::kEditChange && !e.holding) {
            checked = i;
        }
    }
    EXPECT_LT(clicked, checked) << "the click first, then the check of the field it left";
}

TEST_F(Win32DialogTest, EnterClicksTheDefaultButtonOrTheFocusedOne) {
    Focus(dialog, kApply);
    PressKey(VK_RETURN);
    EXPECT_EQ(dialog.Count(kApply, Notification::kClicked), 1);
    EXPECT_FALSE(dialog.IsEnded());

    dialog.SetDefID(kApply);
    Focus(dialog, kName);
    PressKey(VK_RETURN);
    EXPECT_EQ(dialog.Count(kApply, Notification::kClicked), 2);
    EXPECT_EQ(dialog.Count(IDOK, Notification::kClicked), 0);

    dialog.SetDefID(IDOK);
    PressKey(VK_RETURN);
    EXPECT_EQ(dialog.Count(IDOK, Notification::kClicked), 1);
    EXPECT_TRUE(dialog.IsEnded());
    EXPECT_EQ(dialog.EndResult(), IDOK);
    EXPECT_FALSE(IsWindowVisible(dialog.GetSafeHwnd())) << "EndDialog hides a dialog made by Create";
}

TEST_F(Win32DialogTest, EnterWithAFailingCheckKeepsTheDialogAndFocusesTheField) {
    dialog.SetDlgItemText(kCount, "61");  // the test dialog checks the count on every change
    const size_t before = platform.frameworkMessages.size();
    Focus(dialog, kName);
    PressKey(VK_RETURN);
    EXPECT_FALSE(dialog.IsEnded());
    ASSERT_EQ(platform.frameworkMessages.size(), before + 1);
    EXPECT_EQ(GetFocus(), Window(dialog, kCount));
    DWORD start = 1;
    DWORD end = 0;
    SendMessageW(Window(dialog, kCount), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 2u) << "its text selected";
}

TEST_F(Win32DialogTest, EscapeAndTheCloseBoxActAsCancel) {
    Focus(dialog, kName);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(dialog.Count(IDCANCEL, Notification::kClicked), 1);
    EXPECT_TRUE(dialog.IsEnded());
    EXPECT_EQ(dialog.EndResult(), IDCANCEL);

    RecordingPlatform otherPlatform;
    TestDialog other(otherPlatform);
    ASSERT_TRUE(other.Create());
    PostMessageW(other.GetSafeHwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    Settle();
    EXPECT_EQ(other.Count(IDCANCEL, Notification::kClicked), 1);
    EXPECT_EQ(other.EndResult(), IDCANCEL);
    EXPECT_TRUE(IsWindow(other.GetSafeHwnd())) << "only EndDialog closes; Create's dialog is hidden";
}

TEST_F(Win32DialogTest, ListNotifiesTheUsersChoiceOnlyAndItsClosingWithoutOne) {
    CComboBox* list = dialog.GetComboBox(kUnit);
    EXPECT_EQ(list->GetCurSel(), 1);
    EXPECT_EQ(list->SetCurSel(2), 2);
    EXPECT_EQ(list->SetCurSel(7), CB_ERR);
    EXPECT_EQ(list->GetCurSel(), CB_ERR);
    EXPECT_EQ(dialog.Count(kUnit, Notification::kSelChange), 0) << "code's selection notifies nothing";
    list->SetCurSel(0);

    Focus(dialog, kUnit);
    SendMessageW(Window(dialog, kUnit), CB_SHOWDROPDOWN, TRUE, 0);
    PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    EXPECT_GE(dialog.Count(kUnit, Notification::kSelChange), 1);
    EXPECT_EQ(dialog.GetDlgItemText(kUnit), "min");
    EXPECT_FALSE(dialog.IsEnded()) << "Enter closed the list, not the dialog";

    SendMessageW(Window(dialog, kUnit), CB_SHOWDROPDOWN, TRUE, 0);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(dialog.Count(kUnit, Notification::kSelEndCancel), 1);
    EXPECT_FALSE(dialog.IsEnded()) << "Escape closed the list, not the dialog";
    EXPECT_EQ(dialog.GetDlgItemText(kUnit), "min");
}

TEST_F(Win32DialogTest, FieldsAreNamedByTheLabelBeforeThemOrAHiddenOne) {
    HWND name = Window(dialog, kName);
    EXPECT_EQ(GetWindow(name, GW_HWNDPREV), Window(dialog, kNameLabel)) << "its own label names it";
    // The folder field is named by the button chosen for it: a hidden label just before it.
    HWND folder = Window(dialog, kFolder);
    HWND label = GetWindow(folder, GW_HWNDPREV);
    EXPECT_EQ(TextOf(label), L"Browse");
    EXPECT_FALSE(IsWindowVisible(label));
    // A list beside a field with no label of its own is named by its entry, and renamed with it.
    HWND unitLabel = GetWindow(Window(dialog, kUnit), GW_HWNDPREV);
    EXPECT_EQ(TextOf(unitLabel), L"Count") << "the row's label, without its colon";
    dialog.SetDlgItemText(kPick, "Choose:");
    EXPECT_EQ(TextOf(label), L"Choose");
}

// What a screen reader reads as the control's name through Active Accessibility.
std::wstring AccessibleName(HWND control) {
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&accessible)))) {
        return L"(no accessible object)";
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::wstring result = SUCCEEDED(accessible->get_accName(self, &name)) && name != nullptr ? name : L"";
    SysFreeString(name);
    accessible->Release();
    return result;
}

TEST(Win32AccessibilityTest, ScreenReadersReadTheFrameworksNames) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    {
        RecordingPlatform platform;
        TestDialog dialog(platform);
        ASSERT_TRUE(dialog.Create());
        Settle();
        EXPECT_EQ(AccessibleName(Window(dialog, kName)), L"Name:") << "its own label before it";
        EXPECT_EQ(AccessibleName(Window(dialog, kFolder)), L"Browse") << "the hidden label before it";
        dialog.SetDlgItemText(kPick, "Choose:");
        EXPECT_EQ(AccessibleName(Window(dialog, kFolder)), L"Choose");
    }
    CoUninitialize();
}

TEST_F(Win32DialogTest, CommandKeysAndTheContextMenuRunCommands) {
    int saves = 0;
    dialog.AddCommand("Save settings...\tCtrl+S", CommandKey::kSave, [&saves] { ++saves; });
    Focus(dialog, kName);
    SetForegroundWindow(dialog.GetSafeHwnd());
    INPUT keys[4] = {};
    for (INPUT& key : keys) {
        key.type = INPUT_KEYBOARD;
    }
    keys[0].ki.wVk = keys[3].ki.wVk = VK_CONTROL;
    keys[1].ki.wVk = keys[2].ki.wVk = 'S';
    keys[2].ki.dwFlags = keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
    ASSERT_EQ(SendInput(4, keys, sizeof(INPUT)), 4u);
    ASSERT_TRUE(Until([&] { return saves == 1; }));
    EXPECT_EQ(dialog.GetDlgItemText(kName), "ab") << "the key typed nothing";
}

TEST_F(Win32DialogTest, SystemMenuEntryCallsOnSysCommand) {
    HMENU menu = GetSystemMenu(dialog.GetSafeHwnd(), FALSE);
    wchar_t text[64] = {};
    ASSERT_GT(GetMenuStringW(menu, kAboutCommand, text, 64, MF_BYCOMMAND), 0);
    EXPECT_EQ(std::wstring(text), L"About...");
    PostMessageW(dialog.GetSafeHwnd(), WM_SYSCOMMAND, kAboutCommand, 0);
    Settle();
    EXPECT_EQ(dialog.sysCommands, std::vector<unsigned>{kAboutCommand});
}

TEST_F(Win32DialogTest, PostedTasksRunOnTheDialogsThreadAndAreDroppedOnceItIsGone) {
    const DWORD dialogThread = GetCurrentThreadId();
    std::atomic<int> ran{0};
    DWORD ranOn = 0;
    std::thread worker([&] {
        dialog.PostTask([&] {
            ranOn = GetCurrentThreadId();
            ++ran;
        });
    });
    worker.join();
    ASSERT_TRUE(Until([&] { return ran == 1; }));
    EXPECT_EQ(ranOn, dialogThread);

    DestroyWindow(dialog.GetSafeHwnd());
    dialog.PostTask([&] { ++ran; });
    Settle();
    EXPECT_EQ(ran, 1);
}

TEST_F(Win32DialogTest, AfterFirstPaintRunsOnceThePaintIsDone) {
    RecordingPlatform otherPlatform;
    TestDialog other(otherPlatform);
    int runs = 0;
    bool wasPainted = false;
    other.AfterFirstPaint([&] {
        ++runs;
        wasPainted = GetUpdateRect(other.GetSafeHwnd(), nullptr, FALSE) == FALSE;
    });
    ASSERT_TRUE(other.Create());
    ASSERT_TRUE(Until([&] { return runs == 1; }));
    EXPECT_TRUE(wasPainted);
    Settle();
    EXPECT_EQ(runs, 1);
}

TEST(Win32AppearanceTest, ApplicationColoursAndIconReachEveryDialog) {
    CWinApp app;
    app.SetDialogBkColor({111, 153, 224}, {255, 255, 255});
    // A 16-pixel icon, opaque red.
    static const std::vector<uint32_t> pixels(16 * 16, 0xFFFF0000u);
    static const platform::IconImage images[] = {{16, pixels.data()}};
    CWinApp::SetWindowIcon(platform::WindowIcon{images, {}, 0});
    RecordingPlatform platform;
    TestDialog dialog(platform);
    bool painted = false;
    dialog.AfterFirstPaint([&painted] { painted = true; });
    ASSERT_TRUE(dialog.Create());
    ASSERT_TRUE(Until([&] { return painted; }));
    HWND window = dialog.GetSafeHwnd();
    EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_SMALL, 0), 0);
    EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_BIG, 0), 0);

    // The dialog's background, around the controls and behind a label's text; an edit keeps its own.
    HDC dc = GetDC(window);
    EXPECT_EQ(GetPixel(dc, 1, 1), RGB(111, 153, 224));
    RECT label{};
    GetWindowRect(Window(dialog, kNameLabel), &label);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&label), 2);
    EXPECT_EQ(GetPixel(dc, label.right - 1, label.bottom - 1), RGB(111, 153, 224));
    RECT edit{};
    GetWindowRect(Window(dialog, kName), &edit);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&edit), 2);
    EXPECT_NE(GetPixel(dc, edit.right - 4, (edit.top + edit.bottom) / 2), RGB(111, 153, 224));
    ReleaseDC(window, dc);
    CWinApp::SetWindowIcon(platform::WindowIcon{});
}

// A dialog ended while it initialises never shows; its DoModal returns the result without a loop.
class EndingDialog : public CDialog {
  public:
    using CDialog::CDialog;

  protected:
    bool OnInitDialog() override {
        EndDialog(42);
        return true;
    }
};

TEST(Win32ModalTest, DoModalReturnsTheEndDialogResult) {
    RecordingPlatform platform;
    EndingDialog ending(kTemplate, platform);
    EXPECT_EQ(ending.DoModal(), 42);

    // A modal run ended by a task the dialog's loop runs.
    TestDialog dialog(platform);
    dialog.PostTask([&dialog] {
        dialog.SetDlgItemText(kCount, "12");
        dialog.SendNotification(IDOK, Notification::kClicked);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.count, 12) << "OnOK read the fields";
    EXPECT_EQ(dialog.GetDlgItem(kCount), nullptr) << "the window is gone after the modal run";
}

TEST(Win32ModalTest, UnboundHandlesDoNothing) {
    CEdit edit;
    edit.SetWindowText("x");
    edit.LimitText(3);
    EXPECT_FALSE(edit);
    EXPECT_EQ(edit.GetWindowText(), "");
    EXPECT_EQ(edit.GetDlgCtrlID(), kNoId);
    CComboBox list;
    EXPECT_EQ(list.AddString("a"), CB_ERR);
    EXPECT_EQ(list.GetCurSel(), CB_ERR);
}

}  // namespace
}  // namespace corvane
