#pragma once

// Data exchange between a dialog's members and its controls, driven by CDialog::UpdateData.
//
// In DoDataExchange, call the DDX_ and DDV_ functions in exchange order. When reading (saveAndValidate),
// each DDX_ reads its control into the member and each DDV_ checks the member it follows; the first failed
// check shows its message and marks the exchange failed, after which every further DDX_/DDV_ call does
// nothing (fields later in the order are not read). UpdateData then gives the failed control the focus with
// all its text selected and returns false. Code in DoDataExchange beyond DDX_/DDV_ calls should test
// dx.Failed(). When writing, DDX_ functions fill the controls and DDV_MaxChars sets the typing limit.
//
// While the user types (a pass started by the notification of a typed or pasted change, see
// CDialog::SendEditChange), a failing check shows nothing and stops nothing: the member keeps its last
// valid value, the control keeps the text shown (a refresh in that notification leaves it alone), and the
// pass goes on. A typed field left so is checked, with its message, when the user leaves it.
//
// The framework's messages come in the dialog's message language (CDialog::SetMessageLanguage).

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "core/l10n/language.h"
#include "framework/cwnd.h"

namespace corvane {

class CDialog;

class CDataExchange {
  public:
    CDataExchange(CDialog& dialog, bool saveAndValidate)
        : saveAndValidate(saveAndValidate), dialog_(dialog) {}

    const bool saveAndValidate;  // true: controls into members with checks; false: members into controls

    CDialog& Dialog() const { return dialog_; }
    // Makes the control the one that a following DDV_ check refers to. Returns its handle or nullptr.
    CWnd* PrepareCtrl(int id);
    // The same for an edit field (its text is selected when a check fails).
    CWnd* PrepareEditCtrl(int id);
    // Marks the exchange failed at the last prepared control; the caller has shown the message.
    void Fail();
    bool Failed() const { return failed_; }
    // The last prepared control's value failed its check: `show` shows the message and the exchange fails;
    // while the user types, the member goes back to its value before the pass instead and nothing is shown.
    void Refuse(const std::function<void()>& show);
    // True while the checks of this pass are held back (the user is typing).
    bool Holding() const;
    // How to put back the member read from the last prepared control, for Refuse while holding.
    void SetRestore(std::function<void()> restore) { restore_ = std::move(restore); }
    // Writing: false for a control whose text a held-back check refused in this notification.
    bool MayWrite(int id) const;
    // The control prepared last (the failed one after Fail), or kNoId.
    int LastControlId() const { return lastId_; }

  private:
    CDialog& dialog_;
    int lastId_ = -1;
    bool failed_ = false;
    std::function<void()> restore_;
};

// Binds a member handle to control id (both directions). The handle stays unbound when the control is
// missing or of another kind.
void DDX_Control(CDataExchange& dx, int id, CEdit& control);
void DDX_Control(CDataExchange& dx, int id, CComboBox& control);
void DDX_Control(CDataExchange& dx, int id, CButton& control);
void DDX_Control(CDataExchange& dx, int id, CStatic& control);

// Integer member <-> edit text in decimal. Reading a text that is not a whole number within 32 bits
// (empty, letters, too many digits) shows the framework message IntegerExpectedMessage, keeps the member,
// fails.
void DDX_Text(CDataExchange& dx, int id, int32_t& value);
// UTF-8 text member <-> edit text.
void DDX_Text(CDataExchange& dx, int id, std::string& value);
// A list's selected index (CB_ERR when none) <-> the list's selection (set without notification).
void DDX_CBIndex(CDataExchange& dx, int id, int32_t& index);

// Reading: text longer than maxBytes UTF-8 bytes shows MaxCharsMessage and fails.
// Writing: sets maxBytes as the typing limit of the edit prepared last.
void DDV_MaxChars(CDataExchange& dx, const std::string& value, int maxBytes);
// The same check counting characters (Unicode code points) rather than bytes, for texts a user reads such
// as a folder; writing sets the typing limit in characters.
void DDV_MaxCharacters(CDataExchange& dx, const std::string& value, int maxCharacters);
// Reading: value outside min..max shows MinMaxIntMessage and fails.
void DDV_MinMaxInt(CDataExchange& dx, int32_t value, int32_t min, int32_t max);
// Reading: when `passes` is false, shows `message()` through the platform's ShowMessage (the program's own
// message box, not the framework's) and fails. For the checks a program defines with its own messages.
void DDV_Check(CDataExchange& dx, bool passes, const std::function<std::string()>& message);

// The messages, formatted (UTF-8), in Chinese for language 1 (the default) and English otherwise.
std::string IntegerExpectedMessage(int32_t language = kChinese);
std::string MaxCharsMessage(int maxBytes, int32_t language = kChinese);
std::string MinMaxIntMessage(int32_t min, int32_t max, int32_t language = kChinese);

// The number of characters (Unicode code points) of a UTF-8 text.
std::size_t CharacterCount(const std::string& utf8);

// Parses a whole decimal number: optional spaces, optional sign, digits, optional spaces, within int32.
// Returns false (value untouched) for anything else.
bool ParseInt32(const std::string& text, int32_t& value);

}  // namespace corvane
