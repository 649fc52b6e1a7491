#include "framework/accessible_annotation.h"

#include "framework/win32_api.h"

#include <initguid.h>

#include <objbase.h>
#include <oleacc.h>

namespace corvane::win32 {

namespace {

// The thread's annotation service, made once; nullptr when there is none. COM is started for the thread
// here (the window thread's apartment), and stays until the thread ends.
IAccPropServices* Services() {
    thread_local IAccPropServices* services = [] {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        IAccPropServices* made = nullptr;
        if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IAccPropServices, reinterpret_cast<void**>(&made)))) {
            return static_cast<IAccPropServices*>(nullptr);
        }
        return made;
    }();
    return services;
}

}  // namespace

bool AnnotateAccessibleName(HWND control, const std::wstring& name) {
    IAccPropServices* services = control != nullptr ? Services() : nullptr;
    if (services == nullptr) {
        return false;
    }
    return SUCCEEDED(services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                              PROPID_ACC_NAME, name.c_str()));
}

void ClearAccessibleName(HWND control) {
    IAccPropServices* services = control != nullptr ? Services() : nullptr;
    if (services == nullptr) {
        return;
    }
    MSAAPROPID name = PROPID_ACC_NAME;
    services->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &name, 1);
}

}  // namespace corvane::win32
