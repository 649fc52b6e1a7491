#pragma once

// CDialog over the Windows dialog manager: the template becomes an in-memory dialog template run by
// DialogBoxIndirectParamW (DoModal) or CreateDialogIndirectParamW (Create), with the system's own edit,
// combo box, button and static controls. The rules are those of the Qt backend's cdialog.h:
// - Notifications go through the message map (WM_COMMAND): kClicked (BN_CLICKED), kSelChange
//   (CBN_SELCHANGE: only the user's choice), kSelEndCancel, kEditChange (EN_CHANGE: typing, pasting, input
//   method, or text set by code), kMaxText (a typed change refused by the typing limit, in UTF-8 bytes or
//   in characters). A click on IDOK or IDCANCEL without a map entry runs OnOK or OnCancel.
// - While UpdateData runs, no notification is delivered; text set by code outside it is.
// - While the notification of the user's typing is handled, the checks of every pass are held back
//   (data_exchange.h); the field is checked when the user leaves it (after the click that took the focus).
// - Enter: the dialog manager clicks the focused push button, else the default one (DM_SETDEFID), else
//   sends IDOK. Escape and the close box act as a click on IDCANCEL. The window closes only through
//   EndDialog.
//
// Driving a dialog from a test: Create() initialises it and shows it without a modal loop (EndDialog then
// hides it; IsEnded()/EndResult() tell the outcome). The caller pumps messages (PumpDialogMessages).

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/l10n/language.h"
#include "framework/cwnd.h"
#include "framework/dialog_notifications.h"
#include "framework/dialog_template.h"

namespace corvane {

namespace platform {
class Platform;
}

class CDataExchange;

class CDialog {
  public:
    // Keeps the template; the window is made by DoModal or Create. The platform must outlive the dialog;
    // an owner's window (else the active window) owns this one's and is disabled while it runs modally.
    CDialog(const DialogTemplate& dialogTemplate, platform::Platform& platform, CDialog* owner = nullptr);
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Makes the window, initialises it (OnInitDialog) and runs it modally; returns the EndDialog result
    // (-1 when the window could not be made).
    int DoModal();
    // Makes the window, initialises it and shows it without a modal loop. Returns false when the dialog
    // was ended during its initialisation or the window could not be made.
    bool Create();
    // Ends the dialog with the result: leaves DoModal's loop, or hides a dialog shown by Create.
    void EndDialog(int result);
    bool IsEnded() const { return ended_; }
    int EndResult() const { return endResult_; }

    bool UpdateData(bool saveAndValidate = true);
    bool InDataExchange() const { return notifications_.InExchange(); }

    // The control handle for an id (once the window exists), or nullptr. Typed getters answer nullptr for a
    // control of another kind.
    CWnd* GetDlgItem(int id);
    CEdit* GetEdit(int id);
    CComboBox* GetComboBox(int id);
    CButton* GetButton(int id);
    CStatic* GetStatic(int id);

    void SetDlgItemText(int id, const std::string& text);
    std::string GetDlgItemText(int id) const;
    void SetWindowText(const std::string& title);
    std::string GetWindowText() const;

    // The default push button (Enter clicks it); 0 or an id without a push button removes it.
    void SetDefID(int id);
    int GetDefID() const { return defaultButtonId_; }

    platform::Platform& GetPlatform() const { return platform_; }
    const DialogTemplate& Template() const { return template_; }
    // The dialog's window, or nullptr before DoModal/Create and after a modal run.
    HWND__* GetSafeHwnd() const { return window_; }

    void SendNotification(int id, Notification code);
    void SendEditChange(int id, bool typed);

    void SetMessageLanguage(int32_t language) { messageLanguage_ = language; }
    int32_t MessageLanguage() const { return messageLanguage_; }
    bool HoldingChecks() const { return notifications_.HoldingChecks(); }
    void HoldField(int id) { notifications_.HoldField(id); }
    bool IsFieldHeld(int id) const { return notifications_.IsFieldHeld(id); }

    // Sets a control's text from code: an edit raises kEditChange (not typed) even when the text is
    // unchanged, unless UpdateData runs; a list ignores it; others take it as their caption.
    void SetControlText(HWND__* control, const std::string& text);

    void RefreshAccessibleNames();

    // A command the shortcut key runs, which the dialog's context menu (right mouse button, menu key) also
    // offers. A caption may end in a tab and the key's name, as in a Windows menu.
    void AddCommand(const std::string& caption, CommandKey key, std::function<void()> run);
    // An entry at the end of the window's system menu; choosing it calls OnSysCommand(id). Windows keeps
    // the low four bits of system menu ids for itself: ids are multiples of 16 below 0xF000.
    void AppendSystemMenuItem(unsigned id, const std::string& text);
    // Runs `task` on the dialog's thread once its message loop is back; may be called from any thread. A
    // task posted to a dialog whose window is gone is dropped.
    void PostTask(std::function<void()> task);
    // Runs `action` once, from the message loop, after the window and its controls were first painted.
    void AfterFirstPaint(std::function<void()> action);

    // The dialog procedure's handling of one message (public for the procedure; not for callers).
    intptr_t HandleMessage(HWND__* window, unsigned message, uintptr_t wParam, intptr_t lParam);
    // Edit fields report typed changes and refusals here (public for the edit subclass; not for callers).
    void OnEditTyped(HWND__* edit);
    void OnEditRefused(HWND__* edit);

  protected:
    virtual bool OnInitDialog();
    virtual void DoDataExchange(CDataExchange& dx);
    virtual void OnOK();
    virtual void OnCancel();
    // A system menu entry of AppendSystemMenuItem was chosen. Default: nothing.
    virtual void OnSysCommand(unsigned id);

    template <class D>
    void SetMessageMap(std::initializer_list<MessageEntry<D>> entries) {
        D* self = static_cast<D*>(this);
        for (const MessageEntry<D>& entry : entries) {
            const auto handler = entry.handler;
            AddHandler(entry.id, entry.code, [self, handler] { (self->*handler)(); });
        }
    }
    void AddHandler(int id, Notification code, std::function<void()> handler);

    void SetAccessibleNameSources(std::initializer_list<AccessibleNameSource> sources) {
        nameSources_.insert(nameSources_.end(), sources);
    }

  private:
    friend class CDataExchange;
    struct Command;
    struct TaskQueue;
    struct NamedControl {
        size_t control;               // template indices
        std::vector<size_t> sources;  // in reading order
        bool hiddenLabel;             // named by a hidden label just before it (else by the label before it)
        HWND__* label = nullptr;      // that hidden label, once the window exists
    };

    bool MakeWindow(bool modal);
    void OnWindowMade(HWND__* window);
    void OnWindowGone();
    bool Initialise();
    void OnCommand(int id, unsigned code, HWND__* control);
    void FocusFailedControl(int id);
    void FindAccessibleNameSources();
    void ShowContextMenu(intptr_t lParam);
    bool RunCommandKey(unsigned virtualKey);
    void QueueLeftFieldCheck();
    void CheckLeftField();
    void RunPostedTasks();
    void RunAfterFirstPaint();
    void AnnotateAccessibleNames();
    void ApplySystemMenu();
    bool IsStaticLike(HWND__* control) const;

    DialogTemplate template_;
    platform::Platform& platform_;
    CDialog* owner_ = nullptr;
    HWND__* window_ = nullptr;
    std::map<int, std::unique_ptr<CWnd>> controls_;
    std::vector<HWND__*> built_;  // the template's controls, in template order
    std::vector<std::pair<size_t, bool>>
        builtItems_;  // the windows the template makes: control, hidden label
    DialogNotifications notifications_;
    std::vector<AccessibleNameSource> nameSources_;
    std::vector<NamedControl> namedControls_;
    std::vector<Command> commands_;
    std::vector<std::pair<unsigned, std::string>> systemMenuItems_;
    std::shared_ptr<TaskQueue> tasks_;
    std::vector<std::function<void()>> afterFirstPaint_;
    void* backgroundBrush_ = nullptr;  // HBRUSH of SetDialogBkColor's colour
    uint32_t backgroundColour_ = 0;    // COLORREFs for labels and group boxes
    uint32_t textColour_ = 0;
    void* bigIcon_ = nullptr;  // HICONs of the window icon
    void* smallIcon_ = nullptr;
    int defaultButtonId_ = 0;
    int32_t messageLanguage_ = kChinese;
    int settingText_ = 0;  // text set by code is going into an edit: its EN_CHANGE is not the user's
    bool leftFieldCheckQueued_ = false;
    bool waitingForRelease_ = false;
    bool initialised_ = false;
    bool initialising_ = false;
    bool painted_ = false;
    bool annotatingNames_ = false;  // the names' annotations are set (after the first paint)
    bool systemMenuSeparated_ = false;
    bool ended_ = false;
    bool modal_ = false;
    int endResult_ = 0;
};

// Fetches and dispatches the thread's messages (through the dialogs' keyboard handling) until `done`
// answers true or the deadline in milliseconds passes; returns `done()`. For tests and modeless dialogs.
bool PumpDialogMessages(const std::function<bool()>& done, unsigned timeoutMs);

}  // namespace corvane
