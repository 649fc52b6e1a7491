#pragma once

// CDialog: a dialog built from a DialogTemplate, with message maps, data exchange and the Enter/Escape
// rules of the classic Windows dialog manager.
//
// Writing a dialog:
//
//   class CMyDlg : public CDialog {
//     public:
//       CMyDlg(platform::Platform& platform) : CDialog(MyTemplate(), platform) {
//           SetMessageMap<CMyDlg>({
//               {1031, Notification::kClicked, &CMyDlg::OnGetTime},
//               {1002, Notification::kEditChange, &CMyDlg::OnUpdateVideoLength},
//               {1029, Notification::kSelChange, &CMyDlg::OnSelchangeUnit},
//           });
//       }
//     protected:
//       void DoDataExchange(CDataExchange& dx) override {
//           DDX_Control(dx, 1029, unitList);
//           DDX_Text(dx, 1002, videoLength);
//           DDV_MinMaxInt(dx, videoLength, 1, 60);
//       }
//       bool OnInitDialog() override {
//           CDialog::OnInitDialog();  // refreshes the controls from the members (UpdateData(false))
//           ...fill lists, set captions...
//           return true;
//       }
//   };
//
// Rules kept from the Windows dialog framework:
// - Controls: child widgets at absolute positions; objectName = control id in decimal, the dialog's
//   objectName = template number. Font: the template's (SimSun 9 pt) or an installed CJK fallback.
// - Notifications go through the message map: kClicked (button clicked), kSelChange (the user changed a
//   list's selection; never for a selection set by code), kSelEndCancel (a list's drop-down closed
//   without a choice), kEditChange (an edit's text changed: typing, pasting, or set by code). A click on
//   button IDOK (1) or IDCANCEL (2) without a map entry runs OnOK or OnCancel.
// - While UpdateData runs, no notification is delivered; text set by code outside it is.
// - While the notification of the user's typing in a field is handled, the checks of every pass are held
//   back (data_exchange.h): a field that is empty or unfinished while the user types shows no message and
//   takes no focus, so no typed key goes to a message box. When the user leaves a field whose typed text
//   failed a held-back check (another control takes the focus; the click that took it is done first), the
//   field's kEditChange is delivered again with the checks in force: its message and the handler's
//   corrections come then. A pass with the checks in force (Generate, say) checks it too.
// - Enter: clicks the focused push button, else the default push button (kDefPushButton or SetDefID),
//   else acts as a click on IDOK (map entry or OnOK). Escape and the close box act as a click on IDCANCEL
//   (map entry or OnCancel). The window closes only through EndDialog.
//
// Driving a dialog from a test: Create() initialises it and shows it without a modal loop (EndDialog
// then hides it; IsEnded()/EndResult() tell the outcome).

#include <QDialog>
#include <QPointer>
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
#include "framework/dialog_units.h"

namespace corvane {

namespace platform {
class Platform;
}

class CDataExchange;
class FocusFrame;

class CDialog : public QDialog {
    Q_OBJECT
  public:
    // Builds the window and its controls from the template (hidden). The platform must outlive the dialog.
    CDialog(const DialogTemplate& dialogTemplate, platform::Platform& platform, QWidget* parent = nullptr);
    ~CDialog() override;

    // Initialises (OnInitDialog, once) and runs the dialog modally; returns the EndDialog result.
    int DoModal();
    // Initialises (OnInitDialog, once) and shows the dialog without a modal loop. Returns false when
    // the dialog was ended during its initialisation.
    bool Create();
    // Ends the dialog with the result: leaves DoModal's loop, or hides a dialog shown by Create.
    void EndDialog(int result);
    bool IsEnded() const { return ended_; }
    int EndResult() const { return endResult_; }

    // true: reads the controls into the members with their checks (the first failing check shows its
    // message, gets the focus with its text selected, and stops the exchange; returns false).
    // false: writes the members into the controls. Notifications are held back meanwhile.
    bool UpdateData(bool saveAndValidate = true);
    // True while UpdateData runs.
    bool InDataExchange() const { return notifications_.InExchange(); }

    // The control handle for an id, or nullptr. Typed getters answer nullptr for a control of another kind.
    CWnd* GetDlgItem(int id);
    CEdit* GetEdit(int id);
    CComboBox* GetComboBox(int id);
    CButton* GetButton(int id);
    CStatic* GetStatic(int id);

    void SetDlgItemText(int id, const std::string& text);
    std::string GetDlgItemText(int id) const;
    // The window title.
    void SetWindowText(const std::string& title);
    std::string GetWindowText() const;

    // The default push button (Enter clicks it); 0 or an id without a push button removes it.
    void SetDefID(int id);
    int GetDefID() const { return defaultButtonId_; }

    platform::Platform& GetPlatform() const { return platform_; }
    const DialogTemplate& Template() const { return template_; }
    const DialogBaseUnits& BaseUnits() const { return baseUnits_; }
    // The frame that marks the control with the keyboard focus.
    const FocusFrame* GetFocusFrame() const { return focusFrame_; }

    // Delivers a notification as a control would (dropped while UpdateData runs).
    void SendNotification(int id, Notification code);
    // Delivers kEditChange of an edit; `typed` when the user's typing, pasting or input method changed it
    // (the checks are then held back while it is handled).
    void SendEditChange(int id, bool typed);

    // The language of the framework's own messages (data_exchange.h); Chinese (1) until set.
    void SetMessageLanguage(int32_t language) { messageLanguage_ = language; }
    int32_t MessageLanguage() const { return messageLanguage_; }
    // True while the notification of the user's typing is handled.
    bool HoldingChecks() const { return notifications_.HoldingChecks(); }
    // A held-back check refused the control's text: its text stays as shown while the notification is
    // handled, and when it is the field being typed in, it is checked when the user leaves it.
    void HoldField(int id) { notifications_.HoldField(id); }
    bool IsFieldHeld(int id) const { return notifications_.IsFieldHeld(id); }

    // Sets an edit field's text from code: raises kEditChange even when the text is unchanged, unless
    // UpdateData runs. Other controls: the caption.
    void SetControlText(QWidget* control, const std::string& text);

    // A command the shortcut key runs, which the dialog's context menu (right mouse button, menu key) also
    // offers. A caption may end in a tab and the key's name, as in a Windows menu; Qt shows its own.
    void AddCommand(const std::string& caption, CommandKey key, std::function<void()> run);
    // An entry at the end of the window's system menu; choosing it calls OnSysCommand(id). The window
    // manager's own menu cannot be extended: here it is the context menu, after a separator.
    void AppendSystemMenuItem(unsigned id, const std::string& text);
    // Runs `task` on the dialog's thread once the event loop is back; may be called from any thread. A task
    // posted to a dialog that is gone is dropped.
    void PostTask(std::function<void()> task);
    // Runs `action` once, from the event loop, after the window's first paint has reached the screen.
    void AfterFirstPaint(std::function<void()> action);

    // Gives every edit field and list the accessible name its labels now read (see AccessibleNameSource).
    // Runs after initialisation and whenever a caption or a naming list changes (held while
    // OnInitDialog sets the dialog's texts and lists: once after it is enough).
    void RefreshAccessibleNames();

  protected:
    // Default: UpdateData(false); returns true (the first control gets the focus).
    virtual bool OnInitDialog();
    virtual void DoDataExchange(CDataExchange& dx);
    // Default: UpdateData(true) and, when it succeeds, EndDialog(IDOK).
    virtual void OnOK();
    // Default: EndDialog(IDCANCEL).
    virtual void OnCancel();
    // A system menu entry of AppendSystemMenuItem was chosen. Default: nothing.
    virtual void OnSysCommand(unsigned id);

    // Adds handlers; call from the constructor. Entries added later win over earlier ones for the same
    // id and notification, so a derived class may override its base's entries.
    template <class D>
    void SetMessageMap(std::initializer_list<MessageEntry<D>> entries) {
        D* self = static_cast<D*>(this);
        for (const MessageEntry<D>& entry : entries) {
            const auto handler = entry.handler;
            AddHandler(entry.id, entry.code, [self, handler] { (self->*handler)(); });
        }
    }
    void AddHandler(int id, Notification code, std::function<void()> handler);

    // Names for the fields whose label is not the framework's own choice (the nearest label left of the
    // field on its row, else the one right above it, else a list or button left of it); call from the
    // constructor.
    void SetAccessibleNameSources(std::initializer_list<AccessibleNameSource> sources) {
        nameSources_.insert(nameSources_.end(), sources);
    }

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  public:
    // Qt's own accept and reject paths run OnOK and OnCancel instead of closing the window.
    void accept() override;
    void reject() override;

  private:
    friend class CDataExchange;
    void BuildControls();
    void Initialise();
    void Command(int id);
    void FocusFailedControl(int id);
    void FindAccessibleNameSources();
    // The program's window icon (CWinApp::SetWindowIcon), once, just before the window is first shown.
    void ShowProgramIcon();
    // The user left the field whose typed text failed a held-back check: checks it once the event loop
    // is back (after the release of a mouse button that is down).
    void QueueLeftFieldCheck();
    void CheckLeftField();

    DialogTemplate template_;
    platform::Platform& platform_;
    DialogBaseUnits baseUnits_;
    FocusFrame* focusFrame_ = nullptr;  // a child widget, owned by the dialog
    std::map<int, std::unique_ptr<CWnd>> controls_;
    DialogNotifications notifications_;
    struct NamedControl {
        QPointer<QWidget> control;
        std::vector<QPointer<QWidget>> sources;
    };
    std::vector<QPointer<QWidget>> built_;  // every control, in template order
    std::vector<AccessibleNameSource> nameSources_;
    std::vector<NamedControl> namedControls_;
    int defaultButtonId_ = 0;
    int32_t messageLanguage_ = kChinese;
    bool leftFieldCheckQueued_ = false;
    bool waitingForRelease_ = false;
    bool initialised_ = false;
    bool shownIcon_ = false;
    bool initialising_ = false;
    bool ended_ = false;
    bool ending_ = false;
    bool modal_ = false;
    int endResult_ = 0;
};

}  // namespace corvane
