#pragma once

// Access for the user running the program alone: for files that hold passwords.

#include <windows.h>

#include <memory>

namespace corvane::platform {

// A security descriptor whose access list has one entry, full access for the current user, and takes
// nothing from the folder. `valid()` is false when it could not be made (the caller then makes no file).
class OwnerOnlySecurity {
  public:
    OwnerOnlySecurity();
    ~OwnerOnlySecurity();
    OwnerOnlySecurity(const OwnerOnlySecurity&) = delete;
    OwnerOnlySecurity& operator=(const OwnerOnlySecurity&) = delete;

    bool valid() const { return valid_; }
    // For CreateFileW: the file is private from its first moment.
    SECURITY_ATTRIBUTES* attributes() { return valid_ ? &attributes_ : nullptr; }
    // For SetSecurityInfo on a file that exists already.
    PACL acl() const { return acl_; }

  private:
    std::unique_ptr<unsigned char[]> user_;
    PACL acl_ = nullptr;
    SECURITY_DESCRIPTOR descriptor_{};
    SECURITY_ATTRIBUTES attributes_{};
    bool valid_ = false;
};

}  // namespace corvane::platform
