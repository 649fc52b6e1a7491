#pragma once

// Handles on a dialog's controls, over the system's own control windows. A handle does not own its
// window; the dialog manager does. Handles are cheap to copy; an unbound handle (default-constructed, bound
// to a missing control, or whose window is gone) does nothing and answers empty values, so a wrong id never
// crashes. Texts are UTF-8; they become UTF-16 at the window.
//
// <windows.h> stays out of this header: it defines SW_HIDE, CB_ERR and other names below as macros.

#include <span>
#include <string>
#include <string_view>

struct HWND__;

namespace corvane {

namespace platform {
struct WindowIcon;
}

class CDialog;

inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOW = 5;
inline constexpr int CB_ERR = -1;

class CWnd {
  public:
    CWnd() = default;
    CWnd(HWND__* window, CDialog* owner) : window_(window), owner_(owner) {}
    virtual ~CWnd() = default;
    CWnd(const CWnd&) = default;
    CWnd& operator=(const CWnd&) = default;

    // The control's window, or nullptr when unbound or gone.
    HWND__* GetSafeHwnd() const;
    explicit operator bool() const { return GetSafeHwnd() != nullptr; }
    // The control id, or kNoId.
    int GetDlgCtrlID() const;

    void EnableWindow(bool enable = true);
    bool IsWindowEnabled() const;
    // SW_HIDE hides, any other command shows.
    void ShowWindow(int command);
    // Not hidden itself, whether or not the dialog is on screen yet.
    bool IsWindowVisible() const;
    // Edit fields: the text (raises the text-changed notification unless a data exchange runs).
    // Labels, buttons, group boxes: the caption. Drop-down lists: ignored.
    void SetWindowText(const std::string& text);
    // Edit fields, labels, buttons, group boxes: their text; drop-down lists: the selected entry.
    std::string GetWindowText() const;
    void SetFocus();

  protected:
    HWND__* window_ = nullptr;
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
    // Typing limit in characters (Unicode code points), replacing any byte limit; 0 removes it.
    void LimitCharacters(int maxCharacters);
    int GetCharacterLimit() const;
    // Selects characters start..end-1; end -1 selects to the end; start -1 removes the selection.
    void SetSel(int start, int end);
};

class CComboBox : public CWnd {
  public:
    using CWnd::CWnd;
    // Appends an entry and returns its index (CB_ERR when unbound). Adding selects nothing.
    int AddString(const std::string& text);
    // Appends the entries (drawn once) and returns the last one's index (CB_ERR when unbound or with no
    // entries). Adding selects nothing.
    int AddStrings(std::span<const std::string_view> texts);
    int AddStrings(std::span<const std::string> texts);
    // Removes every entry; afterwards nothing is selected.
    void ResetContent();
    // Selects an entry without any notification; -1 clears the selection. Returns the index, or CB_ERR
    // for an index out of range (the selection is then cleared).
    int SetCurSel(int index);
    // The selected index, or CB_ERR when nothing is selected.
    int GetCurSel() const;
    int GetCount() const;
    // The entry's text; empty for an index out of range.
    std::string GetLBText(int index) const;
};

class CButton : public CWnd {
  public:
    using CWnd::CWnd;
};

class CStatic : public CWnd {
  public:
    using CWnd::CWnd;
    // Shows the icon (its Windows resource) in an icon control, at the control's size.
    void SetIcon(const platform::WindowIcon& icon);
};

}  // namespace corvane
