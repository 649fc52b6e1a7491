// What the platform fake does as Windows does.
#include "platform/mail/curl_test_mail_sender.h"
#include "platform/windows/drive_facts.h"
#include "support/fake_platform.h"

namespace corvane::platform {

std::unique_ptr<TestMailSender> MakeSystemTestMailSender(const std::string& caFile) {
    return std::make_unique<CurlTestMailSender>(caFile);
}

// A drive root whose drive is gone or removable, as the Windows platform decides it.
bool FakePlatform::IsMediaMountFolder(const std::string& folder) {
    return IsMediaDriveRoot(folder);
}

}  // namespace corvane::platform
