#pragma once

// Handles on a dialog's controls. A handle does not own its widget; the dialog does. Handles are cheap to
// copy; an unbound handle (default-constructed, or bound to a missing control) does nothing and answers
// empty values, so a wrong id never crashes. Texts are UTF-8.

#include <QPointer>
#include <QWidget>
#include <span>
#include <string>
#include <string_view>

#include "platform/window_icon.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace corvane {

class CDialog;
class EditField;
class DropDownList;

inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOW = 5;
inline constexpr int CB_ERR = -1;

class CWnd {
  public:
    CWnd() = default;
    CWnd(QWidget* widget, CDialog* owner) : widget_(widget), owner_(owner) {}
    virtual ~CWnd() = default;
    CWnd(const CWnd&) = default;
    CWnd& operator=(const CWnd&) = default;

    QWidget* Widget() const { return widget_.data(); }
    explicit operator bool() const { return !widget_.isNull(); }
    // The control id (from the widget's objectName), or kNoId.
    int GetDlgCtrlID() const;

    void EnableWindow(bool enable = true);
    bool IsWindowEnabled() const;
    // SW_HIDE hides, any other command shows.
    void ShowWindow(int command);
    bool IsWindowVisible() const;
    // Edit fields: the text (raises the text-changed notification unless a data exchange runs).
    // Labels, buttons, group boxes: the caption. Drop-down lists: ignored.
    void SetWindowText(const std::string& text);
    // Edit fields, labels, buttons, group boxes: their text; drop-down lists: the selected entry.
    std::string GetWindowText() const;
    void SetFocus();

  protected:
    QPointer<QWidget> widget_;
    CDialog* owner_ = nullptr;
};

class CEdit : public CWnd {
  public:
    using CWnd::CWnd;
    void SetReadOnly(bool readOnly = true);
    bool IsReadOnly() const;
    // Typing limit in UTF-8 bytes (a record field holds bytes); 0 removes it. Does not cut the text.
    void LimitText(int maxBytes);
    int GetLimitText() const;
    // Typing limit in characters (for texts a user reads, such as a folder); 0 removes it.
    void LimitCharacters(int maxCharacters);
    int GetCharacterLimit() const;
    // Selects characters start..end-1; end -1 selects to the end; start -1 removes the selection.
    void SetSel(int start, int end);
    QLineEdit* LineEdit() const;
};

class CComboBox : public CWnd {
  public:
    using CWnd::CWnd;
    // Appends an entry and returns its index (CB_ERR when unbound). Adding selects nothing.
    int AddString(const std::string& text);
    // Appends the entries in one step (Qt then lays out and notifies once, not per entry) and returns
    // the last one's index (CB_ERR when unbound or with no entries). Adding selects nothing.
    int AddStrings(std::span<const std::string_view> texts);
    int AddStrings(std::span<const std::string> texts);
    // Removes every entry; afterwards nothing is selected.
    void ResetContent();
    // Selects an entry without any notification; -1 clears the selection. Returns the index, or CB_ERR
    // for an index out of range (the selection is then cleared, as on Windows).
    int SetCurSel(int index);
    // The selected index, or CB_ERR when nothing is selected.
    int GetCurSel() const;
    int GetCount() const;
    // The entry's text; empty for an index out of range.
    std::string GetLBText(int index) const;
    QComboBox* ComboBox() const;

  private:
    int AddEntries(const QStringList& values);
};

class CButton : public CWnd {
  public:
    using CWnd::CWnd;
    QPushButton* PushButton() const;
};

class CStatic : public CWnd {
  public:
    using CWnd::CWnd;
    // Shows the icon in an icon control (or a label).
    void SetIcon(const platform::WindowIcon& icon);
};

}  // namespace corvane
