#pragma once

// The name screen readers give a control, set through Microsoft Active Accessibility's dynamic annotation
// (IAccPropServices::SetHwndPropStr with PROPID_ACC_NAME), which UI Automation's proxies read as well. It
// backs the hidden label the dialog puts before such a control. Needs COM on the thread (RunProgram
// starts it); without it, or where the system has no annotation service, nothing is annotated.

#include <string>

struct HWND__;

namespace corvane::win32 {

// Sets `control`'s accessible name; false when it could not be annotated.
bool AnnotateAccessibleName(HWND__* control, const std::wstring& name);
// Removes the annotation (before the control goes).
void ClearAccessibleName(HWND__* control);

}  // namespace corvane::win32
