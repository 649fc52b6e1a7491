#pragma once

// <windows.h> for the backend's .cpp files, included after the framework's own headers (which declare
// names such as IDOK and SW_HIDE that windows.h makes macros). The macros that would rename the
// framework's members (SetWindowText -> SetWindowTextW ...) are removed; the backend calls the W
// functions by name.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <commctrl.h>

#undef SetWindowText
#undef GetWindowText
#undef SetDlgItemText
#undef GetDlgItemText
#undef PostMessage
