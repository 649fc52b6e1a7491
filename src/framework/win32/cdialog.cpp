#include "framework/cdialog.h"

#include <algorithm>
#include <chrono>
#include <deque>
#include <mutex>
#include <utility>

#include "framework/accessible_annotation.h"
#include "framework/accessible_names.h"
#include "framework/cwinapp.h"
#include "framework/data_exchange.h"
#include "framework/dialog_template_builder.h"
#include "framework/edit_field.h"
#include "framework/event_loop.h"
#include "framework/wide.h"
#include "framework/window_icons.h"

#include "framework/win32_api.h"

namespace corvane {

namespace {

constexpr const wchar_t* kDialogProperty = L"Corvane.CDialog";
// Private messages of the dialog window.
constexpr UINT kRunTasks = WM_APP + 0x101;
constexpr UINT kAfterPaint = WM_APP + 0x102;
constexpr UINT kCheckLeftField = WM_APP + 0x103;
constexpr UINT kRunCommandKey = WM_APP + 0x104;
constexpr UINT_PTR kReleaseTimer = 0x4356;

CDialog* DialogOf(HWND window) {
    return window != nullptr ? static_cast<CDialog*>(GetPropW(window, kDialogProperty)) : nullptr;
}

std::wstring WindowTextOf(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool IsClass(HWND window, const wchar_t* name) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    return lstrcmpiW(className, name) == 0;
}

bool MouseButtonDown() {
    return GetKeyState(VK_LBUTTON) < 0 || GetKeyState(VK_RBUTTON) < 0 || GetKeyState(VK_MBUTTON) < 0;
}

UINT KeyOf(CommandKey key) {
    return key == CommandKey::kSave ? 'S' : 'O';
}

// True when the font is installed under that name (or a name the system maps to one, as Wine's
// replacements do).
bool FontInstalled(const std::string& name) {
    LOGFONTW font{};
    font.lfCharSet = DEFAULT_CHARSET;
    const std::wstring wide = win32::ToWide(name);
    if (wide.empty() || wide.size() >= LF_FACESIZE) {
        return false;
    }
    std::copy(wide.begin(), wide.end(), font.lfFaceName);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(
        screen, &font,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM data) -> int {
            *reinterpret_cast<bool*>(data) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

// Ctrl+S and Ctrl+O reach the dialog whose window the key was meant for, whichever control has the focus
// and whichever loop (the dialog manager's modal one or the program's) fetched the key.
thread_local HHOOK keyHook = nullptr;
thread_local int keyHookUsers = 0;

LRESULT CALLBACK KeyHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        MSG* message = reinterpret_cast<MSG*>(lParam);
        if (message->message == WM_KEYDOWN && GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0 &&
            (message->wParam == 'S' || message->wParam == 'O')) {
            HWND root = message->hwnd != nullptr ? GetAncestor(message->hwnd, GA_ROOT) : nullptr;
            if (DialogOf(root) != nullptr &&
                SendMessageW(root, kRunCommandKey, message->wParam, /*probe*/ 1) != 0) {
                // Run from the dialog's own procedure, not inside the hook: a command may open windows.
                PostMessageW(root, kRunCommandKey, message->wParam, 0);
                message->message = WM_NULL;
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void UseKeyHook() {
    if (keyHookUsers++ == 0) {
        keyHook = SetWindowsHookExW(WH_GETMESSAGE, KeyHook, nullptr, GetCurrentThreadId());
    }
}

void DropKeyHook() {
    if (--keyHookUsers == 0 && keyHook != nullptr) {
        UnhookWindowsHookEx(keyHook);
        keyHook = nullptr;
    }
}

INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetPropW(window, kDialogProperty, reinterpret_cast<HANDLE>(lParam));
    }
    CDialog* dialog = DialogOf(window);
    if (dialog == nullptr) {
        return FALSE;
    }
    return dialog->HandleMessage(window, message, wParam, lParam);
}

// Hands a message to the dialog manager of the dialog it is for (Tab, Enter, Escape, mnemonics).
bool DialogMessage(MSG& message) {
    HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    return DialogOf(root) != nullptr && IsDialogMessageW(root, &message) != FALSE;
}

}  // namespace

struct CDialog::Command {
    std::string caption;
    CommandKey key;
    std::function<void()> run;
};

struct CDialog::TaskQueue {
    std::mutex mutex;
    HWND window = nullptr;
    std::deque<std::function<void()>> tasks;
};

CDialog::CDialog(const DialogTemplate& dialogTemplate, platform::Platform& platform, CDialog* owner)
    : template_(dialogTemplate), platform_(platform), owner_(owner), tasks_(std::make_shared<TaskQueue>()) {}

CDialog::~CDialog() {
    if (window_ != nullptr && IsWindow(window_)) {
        // Hidden first, as EndDialog does: the focus leaves it before it goes (Wine otherwise waits for
        // the X server to take the focus from a destroyed window).
        ShowWindow(window_, SW_HIDE);
        DestroyWindow(window_);
    }
    OnWindowGone();
}

bool CDialog::MakeWindow(bool modal) {
    // Which fields a hidden label names (see RefreshAccessibleNames).
    FindAccessibleNameSources();
    std::vector<bool> hiddenLabels(template_.controls.size(), false);
    for (const NamedControl& named : namedControls_) {
        hiddenLabels[named.control] = named.hiddenLabel;
    }
    const bool templateFont = FontInstalled(template_.fontName);
    const win32::BuiltTemplate built = win32::BuildDialogTemplate(
        template_, templateFont ? template_.fontName : std::string("MS Shell Dlg 2"), !templateFont,
        hiddenLabels);
    builtItems_.clear();
    for (const win32::BuiltItem& item : built.items) {
        builtItems_.emplace_back(item.control, item.nameLabel);
    }
    ended_ = false;
    modal_ = modal;
    const auto* dialogTemplate = reinterpret_cast<const DLGTEMPLATE*>(built.words.data());
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HWND owner = owner_ != nullptr && owner_->window_ != nullptr ? owner_->window_ : GetActiveWindow();
    if (modal) {
        // The dialog manager disables the owner meanwhile.
        const INT_PTR result = DialogBoxIndirectParamW(instance, dialogTemplate, owner, DialogProcedure,
                                                       reinterpret_cast<LPARAM>(this));
        modal_ = false;
        if (result == -1 && !ended_) {
            return false;
        }
        return true;
    }
    HWND window = CreateDialogIndirectParamW(instance, dialogTemplate, owner_ != nullptr ? owner : nullptr,
                                             DialogProcedure, reinterpret_cast<LPARAM>(this));
    return window != nullptr;
}

int CDialog::DoModal() {
    if (!MakeWindow(true)) {
        return -1;
    }
    return endResult_;
}

bool CDialog::Create() {
    if (window_ != nullptr) {
        ended_ = false;
        ShowWindow(window_, SW_SHOW);
        return true;
    }
    if (!MakeWindow(false) || ended_) {
        return false;
    }
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
    return true;
}

void CDialog::EndDialog(int result) {
    ended_ = true;
    endResult_ = result;
    if (window_ == nullptr) {
        return;
    }
    if (modal_) {
        ::EndDialog(window_, result);
    } else {
        ShowWindow(window_, SW_HIDE);
    }
}

void CDialog::OnWindowMade(HWND window) {
    window_ = window;
    // The dialog manager made the items in template order, each below the one before.
    built_.assign(template_.controls.size(), nullptr);
    std::vector<HWND> labels(template_.controls.size(), nullptr);
    HWND child = GetWindow(window, GW_CHILD);
    for (const auto& [control, nameLabel] : builtItems_) {
        if (child == nullptr) {
            break;
        }
        (nameLabel ? labels : built_)[control] = child;
        child = GetWindow(child, GW_HWNDNEXT);
    }
    controls_.clear();
    for (size_t i = 0; i < template_.controls.size(); ++i) {
        const ControlTemplate& control = template_.controls[i];
        HWND made = built_[i];
        if (made == nullptr) {
            continue;
        }
        if (control.kind == ControlKind::kEdit) {
            win32::AttachEditField(made, this);
        }
        if (control.id == kNoId || controls_.count(control.id) != 0) {
            continue;
        }
        std::unique_ptr<CWnd> handle;
        switch (control.kind) {
            case ControlKind::kEdit:
                handle = std::make_unique<CEdit>(made, this);
                break;
            case ControlKind::kDropDownList:
                handle = std::make_unique<CComboBox>(made, this);
                break;
            case ControlKind::kPushButton:
            case ControlKind::kDefPushButton:
                handle = std::make_unique<CButton>(made, this);
                break;
            case ControlKind::kLabel:
            case ControlKind::kIcon:
                handle = std::make_unique<CStatic>(made, this);
                break;
            case ControlKind::kGroupBox:
            case ControlKind::kSunkenFrame:
                handle = std::make_unique<CWnd>(made, this);
                break;
        }
        controls_.emplace(control.id, std::move(handle));
    }
    for (NamedControl& named : namedControls_) {
        named.label = named.hiddenLabel ? labels[named.control] : nullptr;
    }
    defaultButtonId_ = win32::TemplateDefaultButton(template_);

    if (const std::optional<DialogColors> colours = CWinApp::GetDialogColors()) {
        const Rgb& b = colours->background;
        const Rgb& t = colours->text;
        backgroundColour_ = RGB(b.r, b.g, b.b);
        backgroundBrush_ = CreateSolidBrush(backgroundColour_);
        textColour_ = RGB(t.r, t.g, t.b);
    }
    if (const std::optional<platform::WindowIcon>& icon = CWinApp::GetWindowIcon()) {
        bigIcon_ = win32::MakeIcon(*icon, GetSystemMetrics(SM_CXICON));
        smallIcon_ = win32::MakeIcon(*icon, GetSystemMetrics(SM_CXSMICON));
        SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
        SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    }
    systemMenuSeparated_ = false;
    ApplySystemMenu();
    painted_ = false;
    annotatingNames_ = false;
    {
        const std::lock_guard<std::mutex> lock(tasks_->mutex);
        tasks_->window = window;
        if (!tasks_->tasks.empty()) {
            PostMessageW(window, kRunTasks, 0, 0);
        }
    }
    UseKeyHook();
}

void CDialog::OnWindowGone() {
    if (window_ == nullptr) {
        return;
    }
    {
        const std::lock_guard<std::mutex> lock(tasks_->mutex);
        tasks_->window = nullptr;
        tasks_->tasks.clear();
    }
    DropKeyHook();
    window_ = nullptr;
    controls_.clear();
    built_.clear();
    namedControls_.clear();
    notifications_.ForgetHeldFields();
    leftFieldCheckQueued_ = false;
    waitingForRelease_ = false;
    for (void** icon : {&bigIcon_, &smallIcon_}) {
        if (*icon != nullptr) {
            DestroyIcon(static_cast<HICON>(*icon));
            *icon = nullptr;
        }
    }
    if (backgroundBrush_ != nullptr) {
        DeleteObject(static_cast<HBRUSH>(backgroundBrush_));
        backgroundBrush_ = nullptr;
    }
}

bool CDialog::Initialise() {
    initialising_ = true;
    const bool defaultFocus = OnInitDialog();
    initialising_ = false;
    RefreshAccessibleNames();
    return defaultFocus && !ended_;
}

intptr_t CDialog::HandleMessage(HWND__* window, unsigned message, uintptr_t wParam, intptr_t lParam) {
    auto result = [window](LRESULT value) {
        SetWindowLongPtrW(window, DWLP_MSGRESULT, value);
        return TRUE;
    };
    switch (message) {
        case WM_INITDIALOG:
            OnWindowMade(window);
            // TRUE: the dialog manager gives the first control that takes the focus the focus.
            return Initialise() ? TRUE : FALSE;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return TRUE;
        case WM_CLOSE:
            // The close box acts as a click on IDCANCEL; only EndDialog closes the window.
            SendNotification(IDCANCEL, Notification::kClicked);
            return TRUE;
        case WM_SYSCOMMAND: {
            const unsigned id = static_cast<unsigned>(wParam & 0xFFF0);
            const bool ours = std::any_of(systemMenuItems_.begin(), systemMenuItems_.end(),
                                          [id](const auto& item) { return item.first == id; });
            if (!ours) {
                return FALSE;
            }
            OnSysCommand(id);
            return result(0);
        }
        case WM_CONTEXTMENU:
            if (commands_.empty()) {
                return FALSE;
            }
            ShowContextMenu(lParam);
            return TRUE;
        case kRunCommandKey:
            if (lParam == 1) {
                return result(std::any_of(commands_.begin(), commands_.end(),
                                          [wParam](const Command& c) { return KeyOf(c.key) == wParam; })
                                  ? 1
                                  : 0);
            }
            RunCommandKey(static_cast<unsigned>(wParam));
            return TRUE;
        case kRunTasks:
            RunPostedTasks();
            return TRUE;
        case kAfterPaint:
            RunAfterFirstPaint();
            return TRUE;
        case kCheckLeftField:
            CheckLeftField();
            return TRUE;
        case WM_TIMER:
            if (wParam != kReleaseTimer) {
                return FALSE;
            }
            if (!MouseButtonDown()) {
                KillTimer(window, kReleaseTimer);
                waitingForRelease_ = false;
                QueueLeftFieldCheck();
            }
            return TRUE;
        case WM_PAINT:
            if (!painted_) {
                painted_ = true;
                // Also for the names' annotations, which wait for the first paint.
                PostMessageW(window, kAfterPaint, 0, 0);
            }
            return FALSE;  // the dialog manager paints
        case WM_CTLCOLORDLG:
            return reinterpret_cast<INT_PTR>(backgroundBrush_);
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            auto* control = reinterpret_cast<HWND>(lParam);
            if (backgroundBrush_ == nullptr || !IsStaticLike(control)) {
                return FALSE;
            }
            auto* dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, textColour_);
            SetBkColor(dc, backgroundColour_);
            return reinterpret_cast<INT_PTR>(backgroundBrush_);
        }
        case WM_DESTROY:
            for (const NamedControl& named : namedControls_) {
                if (named.label != nullptr) {
                    win32::ClearAccessibleName(built_[named.control]);
                }
            }
            // Icon controls do not destroy the icons CStatic::SetIcon made for them.
            for (size_t i = 0; i < built_.size(); ++i) {
                if (template_.controls[i].kind == ControlKind::kIcon && built_[i] != nullptr) {
                    if (auto* icon = reinterpret_cast<HICON>(SendMessageW(built_[i], STM_GETICON, 0, 0))) {
                        DestroyIcon(icon);
                    }
                }
            }
            return FALSE;
        case WM_NCDESTROY:
            RemovePropW(window, kDialogProperty);
            OnWindowGone();
            return FALSE;
        default:
            return FALSE;
    }
}

bool CDialog::IsStaticLike(HWND__* control) const {
    if (control == nullptr || IsClass(control, L"Edit")) {
        return false;  // a read-only edit keeps the system's colours
    }
    if (IsClass(control, L"Static")) {
        return true;
    }
    return IsClass(control, L"Button") &&
           (GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

void CDialog::OnCommand(int id, unsigned code, HWND__* control) {
    if (control == nullptr) {
        // The dialog manager's Enter and Escape (IDOK, IDCANCEL) or a menu.
        if (code == 0 && (id == IDOK || id == IDCANCEL)) {
            SendNotification(id, Notification::kClicked);
        }
        return;
    }
    if (IsClass(control, L"Button")) {
        if (code == BN_CLICKED) {
            SendNotification(id, Notification::kClicked);
        }
    } else if (IsClass(control, L"ComboBox")) {
        if (code == CBN_SELCHANGE) {
            RefreshAccessibleNames();
            SendNotification(id, Notification::kSelChange);
        } else if (code == CBN_SELENDCANCEL) {
            SendNotification(id, Notification::kSelEndCancel);
        }
    } else if (IsClass(control, L"Edit")) {
        switch (code) {
            case EN_CHANGE:
                // The user's changes come from the edit's subclass once they stand; text set by code
                // raises its notification in SetControlText. Anything else (a screen reader setting the
                // value) is the user's.
                if (settingText_ == 0 && !win32::IsChangingForUser(control)) {
                    SendEditChange(id, true);
                }
                break;
            case EN_MAXTEXT:
                SendNotification(id, Notification::kMaxText);
                break;
            case EN_KILLFOCUS:
                if (id == notifications_.UncheckedField()) {
                    QueueLeftFieldCheck();
                }
                break;
            default:
                break;
        }
    }
}

void CDialog::OnEditTyped(HWND__* edit) {
    SendEditChange(static_cast<int>(GetWindowLongPtrW(edit, GWLP_ID)), true);
}

void CDialog::OnEditRefused(HWND__* edit) {
    SendNotification(static_cast<int>(GetWindowLongPtrW(edit, GWLP_ID)), Notification::kMaxText);
}

bool CDialog::UpdateData(bool saveAndValidate) {
    if (saveAndValidate) {
        notifications_.StartCheckedPass();
    }
    CDataExchange dx(*this, saveAndValidate);
    {
        const DialogNotifications::Exchange exchange(notifications_);
        DoDataExchange(dx);
    }
    if (dx.Failed()) {
        FocusFailedControl(dx.LastControlId());
        return false;
    }
    return true;
}

void CDialog::FocusFailedControl(int id) {
    CWnd* control = GetDlgItem(id);
    if (control == nullptr || control->GetSafeHwnd() == nullptr) {
        return;
    }
    control->SetFocus();
    if (IsClass(control->GetSafeHwnd(), L"Edit")) {
        SendMessageW(control->GetSafeHwnd(), EM_SETSEL, 0, -1);
    }
}

CWnd* CDialog::GetDlgItem(int id) {
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second.get();
}

CEdit* CDialog::GetEdit(int id) {
    return dynamic_cast<CEdit*>(GetDlgItem(id));
}

CComboBox* CDialog::GetComboBox(int id) {
    return dynamic_cast<CComboBox*>(GetDlgItem(id));
}

CButton* CDialog::GetButton(int id) {
    return dynamic_cast<CButton*>(GetDlgItem(id));
}

CStatic* CDialog::GetStatic(int id) {
    return dynamic_cast<CStatic*>(GetDlgItem(id));
}

void CDialog::SetDlgItemText(int id, const std::string& text) {
    if (CWnd* control = GetDlgItem(id)) {
        control->SetWindowText(text);
    }
}

std::string CDialog::GetDlgItemText(int id) const {
    const auto it = controls_.find(id);
    return it == controls_.end() ? std::string() : it->second->GetWindowText();
}

void CDialog::SetWindowText(const std::string& title) {
    template_.caption = title;  // a window made later keeps it
    if (window_ != nullptr) {
        SetWindowTextW(window_, win32::ToWide(title).c_str());
    }
}

std::string CDialog::GetWindowText() const {
    return window_ != nullptr ? win32::FromWide(WindowTextOf(window_)) : template_.caption;
}

void CDialog::SetDefID(int id) {
    const CButton* button = GetButton(id);
    const bool pushButton =
        button != nullptr && button->GetSafeHwnd() != nullptr &&
        (GetWindowLongPtrW(button->GetSafeHwnd(), GWL_STYLE) & BS_TYPEMASK) != BS_GROUPBOX;
    defaultButtonId_ = pushButton ? id : 0;
    if (window_ != nullptr) {
        SendMessageW(window_, DM_SETDEFID, static_cast<WPARAM>(defaultButtonId_), 0);
    }
}

void CDialog::SetControlText(HWND__* control, const std::string& text) {
    if (control == nullptr) {
        return;
    }
    if (IsClass(control, L"ComboBox")) {
        return;
    }
    const std::wstring wide = win32::ToWide(text);
    const bool edit = IsClass(control, L"Edit");
    // The same text is not set again: the edit would put its caret at the start, and a field refreshed
    // while the user types in it would take the next key there.
    if (!edit || wide != WindowTextOf(control)) {
        ++settingText_;
        SetWindowTextW(control, wide.c_str());
        --settingText_;
        if (edit) {
            // Typing goes on at the end, as after a correction in the Qt backend.
            SendMessageW(control, EM_SETSEL, wide.size(), static_cast<LPARAM>(wide.size()));
        }
    }
    if (edit) {
        SendNotification(static_cast<int>(GetWindowLongPtrW(control, GWLP_ID)), Notification::kEditChange);
        return;
    }
    RefreshAccessibleNames();
}

void CDialog::FindAccessibleNameSources() {
    namedControls_.clear();
    const std::vector<ControlTemplate>& controls = template_.controls;
    auto indexOf = [&controls](int id) -> int {
        for (size_t i = 0; i < controls.size(); ++i) {
            if (controls[i].id == id) {
                return static_cast<int>(i);
            }
        }
        return -1;
    };
    for (size_t i = 0; i < controls.size(); ++i) {
        if (!IsNamed(controls[i].kind) || controls[i].id == kNoId) {
            continue;
        }
        std::vector<size_t> sources;
        const auto exception = std::find_if(
            nameSources_.begin(), nameSources_.end(),
            [&](const AccessibleNameSource& source) { return source.controlId == controls[i].id; });
        if (exception != nameSources_.end()) {
            for (const int id : exception->fromIds) {
                if (const int index = indexOf(id); index >= 0) {
                    sources.push_back(static_cast<size_t>(index));
                }
            }
        } else {
            sources = NamingControls(controls, i);
        }
        // A list with no label beside or above it heads its row itself: its entry is its name.
        if (sources.empty() && controls[i].kind == ControlKind::kDropDownList) {
            sources.push_back(i);
        }
        // Screen readers name a field by the label just before it; any other name needs a label of its
        // own there, hidden.
        const bool labelBefore =
            sources.size() == 1 && sources[0] + 1 == i && controls[sources[0]].kind == ControlKind::kLabel;
        namedControls_.push_back(NamedControl{i, std::move(sources), !labelBefore});
    }
}

void CDialog::RefreshAccessibleNames() {
    if (initialising_ || window_ == nullptr) {
        return;
    }
    for (const NamedControl& named : namedControls_) {
        if (named.label == nullptr || built_[named.control] == nullptr) {
            continue;
        }
        std::string name;
        for (const size_t source : named.sources) {
            const std::string part = NamePart(CWnd(built_[source], nullptr).GetWindowText());
            if (!part.empty()) {
                name += (name.empty() ? "" : ", ") + part;
            }
        }
        const std::wstring wide = win32::ToWide(name);
        if (wide != WindowTextOf(named.label)) {
            SetWindowTextW(named.label, wide.c_str());
            if (annotatingNames_) {
                win32::AnnotateAccessibleName(built_[named.control], wide);
            }
            NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, built_[named.control], OBJID_CLIENT, CHILDID_SELF);
        }
    }
}

void CDialog::AddHandler(int id, Notification code, std::function<void()> handler) {
    notifications_.Add(id, code, std::move(handler));
}

void CDialog::SendNotification(int id, Notification code) {
    if (notifications_.Deliver(id, code) || code != Notification::kClicked) {
        return;
    }
    if (id == IDOK) {
        OnOK();
    } else if (id == IDCANCEL) {
        OnCancel();
    }
}

void CDialog::SendEditChange(int id, bool typed) {
    notifications_.DeliverEditChange(id, typed);
}

void CDialog::QueueLeftFieldCheck() {
    if (leftFieldCheckQueued_ || window_ == nullptr) {
        return;
    }
    leftFieldCheckQueued_ = true;
    PostMessageW(window_, kCheckLeftField, 0, 0);
}

void CDialog::CheckLeftField() {
    leftFieldCheckQueued_ = false;
    if (notifications_.UncheckedField() == kNoId || ended_ || window_ == nullptr ||
        !::IsWindowVisible(window_)) {
        return;
    }
    // The click that took the focus is delivered first: a button's own pass may check the field.
    if (MouseButtonDown()) {
        if (!waitingForRelease_) {
            waitingForRelease_ = true;
            SetTimer(window_, kReleaseTimer, 20, nullptr);
        }
        return;
    }
    // Another window has the focus (a message, the folder browser, another program): the field was not
    // left for another control; it is checked when it is, or by the next pass.
    HWND focus = GetFocus();
    if (focus == nullptr || (focus != window_ && IsChild(window_, focus) == FALSE)) {
        return;
    }
    const CWnd* field = GetDlgItem(notifications_.UncheckedField());
    if (field == nullptr || field->GetSafeHwnd() == nullptr || field->GetSafeHwnd() == focus) {
        return;  // back in the field: it is checked when left again
    }
    const int id = notifications_.TakeUncheckedField();
    SendNotification(id, Notification::kEditChange);
}

void CDialog::AddCommand(const std::string& caption, CommandKey key, std::function<void()> run) {
    commands_.push_back(Command{caption, key, std::move(run)});
}

void CDialog::AppendSystemMenuItem(unsigned id, const std::string& text) {
    systemMenuItems_.emplace_back(id, text);
    if (window_ != nullptr) {
        ApplySystemMenu();
    }
}

void CDialog::ApplySystemMenu() {
    HMENU menu = GetSystemMenu(window_, FALSE);
    if (menu == nullptr) {
        return;
    }
    for (const auto& [id, text] : systemMenuItems_) {
        if (GetMenuState(menu, id, MF_BYCOMMAND) != static_cast<UINT>(-1)) {
            continue;  // there already
        }
        if (!systemMenuSeparated_) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            systemMenuSeparated_ = true;
        }
        AppendMenuW(menu, MF_STRING, id, win32::ToWide(text).c_str());
    }
}

void CDialog::ShowContextMenu(intptr_t lParam) {
    HMENU menu = CreatePopupMenu();
    for (size_t i = 0; i < commands_.size(); ++i) {
        AppendMenuW(menu, MF_STRING, i + 1, win32::ToWide(commands_[i].caption).c_str());
    }
    POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (lParam == -1) {  // the menu key: at the dialog's top left corner
        at = POINT{0, 0};
        ClientToScreen(window_, &at);
    }
    const auto chosen = static_cast<size_t>(TrackPopupMenu(
        menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, window_, nullptr));
    DestroyMenu(menu);
    if (chosen >= 1 && chosen <= commands_.size()) {
        const std::function<void()> run = commands_[chosen - 1].run;
        run();
    }
}

bool CDialog::RunCommandKey(unsigned virtualKey) {
    for (const Command& command : commands_) {
        if (KeyOf(command.key) == virtualKey) {
            const std::function<void()> run = command.run;
            run();
            return true;
        }
    }
    return false;
}

void CDialog::PostTask(std::function<void()> task) {
    const std::lock_guard<std::mutex> lock(tasks_->mutex);
    tasks_->tasks.push_back(std::move(task));
    if (tasks_->window != nullptr && tasks_->tasks.size() == 1) {
        PostMessageW(tasks_->window, kRunTasks, 0, 0);
    }
}

void CDialog::RunPostedTasks() {
    std::deque<std::function<void()>> due;
    {
        const std::lock_guard<std::mutex> lock(tasks_->mutex);
        due.swap(tasks_->tasks);
    }
    for (const std::function<void()>& task : due) {
        if (window_ == nullptr) {
            return;  // an earlier task ended the dialog's window
        }
        task();
    }
}

// The hidden labels name the fields from the start; the annotation service, a COM object that loads
// Active Accessibility, gives the same names a second way once the window is on the screen, so that its
// start does not delay the window.
void CDialog::AnnotateAccessibleNames() {
    if (annotatingNames_) {
        return;
    }
    annotatingNames_ = true;
    for (const NamedControl& named : namedControls_) {
        if (named.label != nullptr && built_[named.control] != nullptr) {
            win32::AnnotateAccessibleName(built_[named.control], WindowTextOf(named.label));
        }
    }
}

void CDialog::AfterFirstPaint(std::function<void()> action) {
    afterFirstPaint_.push_back(std::move(action));
    if (painted_ && window_ != nullptr) {
        PostMessageW(window_, kAfterPaint, 0, 0);
    }
}

void CDialog::RunAfterFirstPaint() {
    if (window_ == nullptr) {
        return;
    }
    AnnotateAccessibleNames();
    if (afterFirstPaint_.empty()) {
        return;
    }
    // The controls paint after their dialog: what is to follow the first paint waits for theirs too.
    RedrawWindow(window_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    std::vector<std::function<void()>> actions;
    actions.swap(afterFirstPaint_);
    for (const std::function<void()>& action : actions) {
        action();
    }
}

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void CDialog::DoDataExchange(CDataExchange& /*dx*/) {}

void CDialog::OnOK() {
    if (!UpdateData(true)) {
        return;
    }
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::OnSysCommand(unsigned /*id*/) {}

bool PumpDialogMessages(const std::function<bool()>& done, unsigned timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(message.wParam));
                return done();
            }
            if (!DialogMessage(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            if (done()) {
                return true;
            }
        }
        if (done()) {
            return true;
        }
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) {
            return false;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now).count();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left < 10 ? left : 10), QS_ALLINPUT);
    }
}

// The program's message loop, through the dialogs' keyboard handling, until WM_QUIT.
void RunEventLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!DialogMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

}  // namespace corvane
