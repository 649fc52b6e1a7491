// What the platform fake does as Windows does.
#include "platform/windows/drive_facts.h"
#include "platform/windows/unavailable_test_mail_sender.h"
#include "support/fake_platform.h"

namespace corvane::platform {

// The Windows build sends no test e-mail yet.
std::unique_ptr<TestMailSender> MakeSystemTestMailSender(const std::string& /*caFile*/) {
    return std::make_unique<UnavailableTestMailSender>();
}

// A drive root whose drive is gone or removable, as the Windows platform decides it.
bool FakePlatform::IsMediaMountFolder(const std::string& folder) {
    return IsMediaDriveRoot(folder);
}

}  // namespace corvane::platform
