#include "platform/module_test_mail_sender.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>
#include <string>
#include <vector>

#include "support/smtp_test_server.h"

namespace corvane::platform {
namespace {

using test::SmtpTestServer;

class StageListener : public TestMailListener {
  public:
    std::vector<TestMailStage> stages;
    void OnStage(TestMailStage stage) override { stages.push_back(stage); }
    bool AllowPasswordInClear() override { return false; }
    bool CancelRequested() override { return false; }
};

// The module where the program looks for it, in this build tree laid out as once installed.
TEST(ModuleTestMailSender, TheProgramsModuleSendsTheTestEMail) {
    const test::TestCertificates* certificates = test::TestCertificateFiles();
    if (certificates == nullptr)
        GTEST_SKIP() << "openssl could not make the test certificates";
    SmtpTestServer server;
    if (const auto why = server.Start({.mode = "starttls"}); !why.empty())
        GTEST_SKIP() << why;
    ModuleTestMailSender sender(MailModuleFile(CORVANE_PROGRAM_FOLDER), certificates->caFile);
    StageListener listener;
    const TestMailResult result = sender.Send(test::LocalTestMailRequest(server.Port()), listener);
    EXPECT_EQ(result.outcome, TestMailOutcome::kSent) << result.detail;
    EXPECT_EQ(server.EventsOf("message").size(), 1u);
    EXPECT_FALSE(listener.stages.empty());
}

// The library file that holds Qt Core: a real shared library without the module's factory.
std::string QtCoreFile() {
    Dl_info info{};
    return dladdr(reinterpret_cast<const void*>(&qVersion), &info) != 0 ? info.dli_fname : "";
}

// A module that is missing, not a library or not the mail module fails the test with the reason, every
// time, and never reaches the network.
TEST(ModuleTestMailSender, AModuleThatCannotBeLoadedFailsTheTest) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string notALibrary = folder.filePath("corvane-mail.so").toStdString();
    QFile text(QString::fromStdString(notALibrary));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a library\n");
    text.close();
    const std::string qtCore = QtCoreFile();
    ASSERT_FALSE(qtCore.empty());

    const struct {
        const char* what;
        std::string file;
        std::string inDetail;
    } cases[] = {
        {"missing", folder.filePath("nowhere/corvane-mail.so").toStdString(), "nowhere/corvane-mail.so"},
        {"not a library", notALibrary, notALibrary},
        {"no factory", qtCore, "corvane_make_test_mail_sender"},
    };
    const int port = test::UnusedPort();
    ASSERT_NE(port, 0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ModuleTestMailSender sender(c.file, {});
        for (int attempt = 0; attempt < 2; ++attempt) {
            StageListener listener;
            const TestMailResult result = sender.Send(test::LocalTestMailRequest(port), listener);
            EXPECT_EQ(result.outcome, TestMailOutcome::kOther);
            EXPECT_NE(result.detail.find(c.inDetail), std::string::npos) << result.detail;
            EXPECT_TRUE(listener.stages.empty());
        }
    }
}

}  // namespace
}  // namespace corvane::platform
