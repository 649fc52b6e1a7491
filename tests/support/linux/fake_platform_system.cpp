// What the platform fake does as Linux does.
#include "platform/mail/curl_test_mail_sender.h"
#include "platform/mounted_volumes.h"
#include "support/fake_platform.h"

namespace corvane::platform {

std::unique_ptr<TestMailSender> MakeSystemTestMailSender(const std::string& caFile) {
    return std::make_unique<CurlTestMailSender>(caFile);
}

bool FakePlatform::IsMediaMountFolder(const std::string& folder) {
    return platform::IsMediaMountFolder(folder, mediaUser);
}

}  // namespace corvane::platform
