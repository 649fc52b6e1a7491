#pragma once

// The system's edit control with the framework's typing limits: in UTF-8 bytes (what a record field
// holds) or in characters (Unicode code points). EM_LIMITTEXT counts UTF-16 units, so the edit is
// subclassed instead: every message through which a user changes the text (keys, characters, input
// method results, paste, cut, undo, the edit's own context menu) runs, and a result that passes the limit
// and is longer than before is put back, with the selection, and reported as refused. Text set by code is
// not cut.

struct HWND__;

namespace corvane {
class CDialog;
}

namespace corvane::win32 {

// Subclasses `edit`, a control of `dialog`; the subclass goes with the window.
void AttachEditField(HWND__* edit, CDialog* dialog);
// 0 or less removes the limit. A byte limit replaces a character limit and the other way round.
void SetByteLimit(HWND__* edit, int bytes);
void SetCharacterLimit(HWND__* edit, int characters);
int ByteLimit(HWND__* edit);
int CharacterLimit(HWND__* edit);
// True while a change by the user is being made or put back: the edit's own EN_CHANGE is not yet the
// user's change (the subclass reports it when it stands).
bool IsChangingForUser(HWND__* edit);

}  // namespace corvane::win32
