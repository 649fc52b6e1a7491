#include "platform/windows/owner_only.h"

// After windows.h (owner_only.h), which it builds on.
#include <aclapi.h>

namespace corvane::platform {

OwnerOnlySecurity::OwnerOnlySecurity() {
    HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token)) {
        return;
    }
    DWORD size = 0;
    ::GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    if (size != 0) {
        user_ = std::make_unique<unsigned char[]>(size);
        if (!::GetTokenInformation(token, TokenUser, user_.get(), size, &size)) {
            user_.reset();
        }
    }
    ::CloseHandle(token);
    if (!user_) {
        return;
    }
    EXPLICIT_ACCESSW access{};
    access.grfAccessPermissions = GENERIC_ALL;
    access.grfAccessMode = SET_ACCESS;
    access.grfInheritance = NO_INHERITANCE;
    access.Trustee.TrusteeForm = TRUSTEE_IS_SID;
    access.Trustee.TrusteeType = TRUSTEE_IS_USER;
    access.Trustee.ptstrName = static_cast<LPWSTR>(reinterpret_cast<TOKEN_USER*>(user_.get())->User.Sid);
    if (::SetEntriesInAclW(1, &access, nullptr, &acl_) != ERROR_SUCCESS) {
        acl_ = nullptr;
        return;
    }
    valid_ = ::InitializeSecurityDescriptor(&descriptor_, SECURITY_DESCRIPTOR_REVISION) &&
             ::SetSecurityDescriptorDacl(&descriptor_, TRUE, acl_, FALSE) &&
             ::SetSecurityDescriptorControl(&descriptor_, SE_DACL_PROTECTED, SE_DACL_PROTECTED);
    attributes_.nLength = sizeof attributes_;
    attributes_.lpSecurityDescriptor = &descriptor_;
    attributes_.bInheritHandle = FALSE;
}

OwnerOnlySecurity::~OwnerOnlySecurity() {
    if (acl_ != nullptr) {
        ::LocalFree(acl_);
    }
}

}  // namespace corvane::platform
