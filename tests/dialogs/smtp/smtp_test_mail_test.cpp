// The e-mail dialog's server suggestions and test e-mail, driven as a user drives them: typing the
// sender address, clicking the test button (and clicking it again to cancel); the test e-mail goes to a
// real SMTP server on 127.0.0.1.
#include "dialogs/smtp/smtp_test_mail.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/l10n/mail_test_texts.h"
#include "dialogs/res/smtp_templates.h"
#include "dialogs/smtp/smtp_setup_dlg.h"
#include "support/dialog_test_support.h"
#include "support/smtp_test_server.h"

namespace corvane {
namespace {

using namespace corvane::testing;

class SmtpTestMailTest : public SetupDialogTest<CSmtpSetupDlg> {
  protected:
    void Open(ModelFamily family, int32_t language = kEnglish) {
        platform.defaultOutputFolder = folder.path();
        if (const auto* certificates = test::TestCertificateFiles())
            platform.testMailCaFile = certificates->caFile;
        settings.language = language;
        settings.model = family == ModelFamily::k8620 ? 4 : 3;
        dialog = std::make_unique<CSmtpSetupDlg>(family, settings, platform, fs);
        Show();
    }

    // A form that passes Generate's checks, sending through the test server.
    void FillForServer(int port, const char* password = "secret-1",
                       const char* recipient = "owner@example.test",
                       const char* sender = "sender@example.test") {
        Retype(IDC_SMTP_SERVER, "127.0.0.1");
        Retype(IDC_SMTP_PORT, QString::number(port));
        Retype(IDC_SMTP_SENDER, sender);
        Retype(IDC_SMTP_SENDER_PASSWORD, password);
        Retype(IDC_SMTP_RECIPIENT, recipient);
    }

    // Clicks the test button and lets the window run until the result message shows.
    bool RunTest(int limitMilliseconds = 20000) {
        Click(IDC_SMTP_TEST_MAIL);
        return WaitFor([&] { return !platform.messages.empty(); }, limitMilliseconds);
    }

    static bool WaitFor(const std::function<bool()>& done, int limitMilliseconds) {
        QElapsedTimer timer;
        timer.start();
        while (!done() && timer.elapsed() < limitMilliseconds) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return done();
    }

    // Every edit's text, to show that the test changes no field.
    std::vector<std::string> Fields() const {
        std::vector<std::string> texts;
        for (int id : {IDC_SMTP_PICTURES, IDC_SMTP_APN, IDC_SMTP_ACCOUNT, IDC_SMTP_GPRS_PASSWORD,
                       IDC_SMTP_SERVER, IDC_SMTP_PORT, IDC_SMTP_SENDER_PASSWORD, IDC_SMTP_SENDER,
                       IDC_SMTP_RECIPIENT, IDC_SMTP_FOLDER}) {
            texts.push_back(Text(id));
        }
        return texts;
    }
    const SmtpFamilyIds& Ids() const { return SmtpIdsOf(dialog->Family()); }
    bool FolderEmpty() const { return std::filesystem::is_empty(folder.path()); }
    std::string Says(MailTestText text) const { return std::string(MailTestTextOf(text, settings.language)); }
    // The text with its "%1" filled in.
    std::string Says(MailTestText text, const std::string& argument) const {
        std::string said = Says(text);
        if (const auto at = said.find("%1"); at != std::string::npos)
            said.replace(at, 2, argument);
        return said;
    }
    bool StartsWith(const std::string& text, const std::string& start) const {
        return text.rfind(start, 0) == 0;
    }
};

// --- server suggestions -----------------------------------------------------------------------------------

TEST_F(SmtpTestMailTest, SenderAddressFillsEmptyServerAndPortFields) {
    struct Case {
        const char* what;
        const char* typedServer;  // typed before the address; "" leaves the field empty
        const char* address;
        const char* server;
        const char* port;
    };
    const Case cases[] = {
        {"known domain", "", "anna@163.com", "smtp.163.com", "465"},
        {"sub-domain", "", "anna@mx.163.com", "smtp.163.com", "465"},
        {"upper case", "", "Anna@A1.NET", "securemail.a1.net", "587"},
        {"unknown domain", "", "anna@example.org", "", ""},
        {"server already typed", "mail.example.org", "anna@163.com", "mail.example.org", "465"},
    };
    for (const ModelFamily family : {ModelFamily::k8620, ModelFamily::k8520}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.what);
            Open(family);
            if (*c.typedServer)
                Retype(IDC_SMTP_SERVER, c.typedServer);
            Retype(IDC_SMTP_SENDER, c.address);
            EXPECT_EQ(Text(IDC_SMTP_SERVER), c.server);
            EXPECT_EQ(Text(IDC_SMTP_PORT), c.port);
            // The dialog's values follow the fields, so Generate writes what is shown.
            EXPECT_EQ(dialog->smtpServer, c.server);
            EXPECT_EQ(dialog->smtpPort, c.port);
            EXPECT_TRUE(platform.messages.empty());
        }
    }
}

TEST_F(SmtpTestMailTest, SuggestionFollowsTheAddressButNeverReplacesTypedText) {
    Open(ModelFamily::k8620);
    Retype(IDC_SMTP_SENDER, "anna@163.com");
    EXPECT_EQ(Text(IDC_SMTP_SERVER), "smtp.163.com");
    // Another provider replaces the suggestion; an unknown domain takes it away again.
    Retype(IDC_SMTP_SENDER, "anna@a1.net");
    EXPECT_EQ(Text(IDC_SMTP_SERVER), "securemail.a1.net");
    EXPECT_EQ(Text(IDC_SMTP_PORT), "587");
    Retype(IDC_SMTP_SENDER, "anna@example.org");
    EXPECT_EQ(Text(IDC_SMTP_SERVER), "");
    EXPECT_EQ(Text(IDC_SMTP_PORT), "");
    // Typed text stays, whatever address follows.
    Retype(IDC_SMTP_SENDER, "anna@163.com");
    Retype(IDC_SMTP_PORT, "2525");
    Retype(IDC_SMTP_SENDER, "anna@a1.net");
    EXPECT_EQ(Text(IDC_SMTP_SERVER), "securemail.a1.net");
    EXPECT_EQ(Text(IDC_SMTP_PORT), "2525");
}

// Typing goes on while the address passes through an OAuth2-only provider's domain ("...@hotmail.com" on
// the way to "...@hotmail.com.au"): the notice goes on the status line, no window takes the keys.
TEST_F(SmtpTestMailTest, OAuth2OnlyProviderIsNamedOnTheStatusLineWithoutTakingTheKeyboard) {
    for (const int32_t language : {kEnglish, kGerman, kJapanese}) {
        SCOPED_TRACE(language);
        Open(ModelFamily::k8520, language);
        QLineEdit* sender = Edit(IDC_SMTP_SENDER);
        sender->setFocus();
        QTest::keyClicks(sender, "someone@hotmail.com");
        EXPECT_EQ(Text(IDC_SMTP_TEST_STATUS), Says(MailTestText::kOAuth2OnlyNotice));
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_EQ(dialog->focusWidget(), sender);
        QTest::keyClicks(sender, ".au");
        EXPECT_EQ(Text(IDC_SMTP_SENDER), "someone@hotmail.com.au");
        EXPECT_EQ(dialog->senderAddress, "someone@hotmail.com.au");
        EXPECT_TRUE(platform.messages.empty());
        // The same provider; nothing was suggested on the way.
        EXPECT_EQ(Text(IDC_SMTP_TEST_STATUS), Says(MailTestText::kOAuth2OnlyNotice));
        EXPECT_EQ(Text(IDC_SMTP_SERVER), "");
        EXPECT_EQ(Text(IDC_SMTP_PORT), "");
        // Another address takes the notice away.
        Retype(IDC_SMTP_SENDER, "someone@example.org");
        EXPECT_EQ(Text(IDC_SMTP_TEST_STATUS), "");

        // The test button, pressed on purpose, says it in full and sends nothing.
        FillForServer(test::UnusedPort(), "secret-1", "owner@example.test", "joe@outlook.com");
        EXPECT_EQ(Text(IDC_SMTP_TEST_STATUS), Says(MailTestText::kOAuth2OnlyNotice));
        EXPECT_TRUE(platform.messages.empty());
        Click(IDC_SMTP_TEST_MAIL);
        EXPECT_EQ(platform.messages, std::vector<std::string>{Says(MailTestText::kOAuth2Only)});
        EXPECT_EQ(Button(IDC_SMTP_TEST_MAIL)->text().toStdString(), Says(MailTestText::kTestButton));
    }
}

// --- the test button --------------------------------------------------------------------------------------

TEST_F(SmtpTestMailTest, ButtonCaptionInEveryLanguage) {
    for (int32_t language = 1; language <= kLanguageCount; ++language) {
        Open(ModelFamily::k8620, language);
        EXPECT_EQ(Button(IDC_SMTP_TEST_MAIL)->text().toStdString(),
                  MailTestTextOf(MailTestText::kTestButton, language));
        EXPECT_EQ(Text(IDC_SMTP_TEST_STATUS), "");
    }
}

// The same checks as Generate, in the same order and words, and nothing sent or written after a failure.
TEST_F(SmtpTestMailTest, RunsGeneratesChecksFirst) {
    constexpr int kPhone = 0;  // the family's phone field
    struct Case {
        const char* what;
        int field;
        const char* typed;
        std::string message;
        bool generateRefusesToo = true;  // Generate takes any port text
    };
    const std::string portNumber(MailTestTextOf(MailTestText::kPortNotNumber, kEnglish));
    const Case cases[] = {
        {"server", IDC_SMTP_SERVER, "s", "Smtp Server"},
        {"port", IDC_SMTP_PORT, "", "Port"},
        {"sender", IDC_SMTP_SENDER, "xy", "Email Error(@)"},
        {"password", IDC_SMTP_SENDER_PASSWORD, "p", "Sender Email Password"},
        {"recipient", IDC_SMTP_RECIPIENT, "a@b", "Email Error(.)"},
        {"phone (8620)", kPhone, "1234", "Phone No. Error"},
        {"port not a number", IDC_SMTP_PORT, "ab", portNumber, false},
        {"port out of range", IDC_SMTP_PORT, "70000", portNumber, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Open(ModelFamily::k8620);
        FillForServer(25);  // nothing is sent: a check fails first
        Retype(c.field == kPhone ? Ids().phone : c.field, c.typed);
        ClearMessages();
        Click(IDC_SMTP_TEST_MAIL);
        EXPECT_EQ(platform.messages, std::vector<std::string>{c.message});
        EXPECT_EQ(Button(IDC_SMTP_TEST_MAIL)->text().toStdString(), Says(MailTestText::kTestButton));
        EXPECT_TRUE(FolderEmpty());
        if (c.generateRefusesToo) {
            // Generate stops at the same place with the same words.
            ClearMessages();
            Click(IDC_SMTP_GENERATE);
            EXPECT_EQ(platform.messages, std::vector<std::string>{c.message});
            EXPECT_TRUE(FolderEmpty());
        }
    }
}

TEST_F(SmtpTestMailTest, SendsThroughTheServerFieldsWithoutChangingOrWritingAnything) {
    test::SmtpTestServer server;
    if (const auto why = server.Start({.mode = "starttls"}); !why.empty())
        GTEST_SKIP() << why;
    for (const ModelFamily family : {ModelFamily::k8620, ModelFamily::k8520}) {
        Open(family, kGerman);
        FillForServer(server.Port());
        // Auto mode: the operator preset plays no part in the test.
        Choose(IDC_SMTP_COUNTRY, 2);
        const auto before = Fields();
        ASSERT_TRUE(RunTest());
        EXPECT_EQ(platform.messages.front(),
                  "Test-Mail an owner@example.test gesendet. Pruefen Sie, ob sie "
                  "angekommen ist.");
        EXPECT_EQ(Fields(), before);
        EXPECT_TRUE(FolderEmpty());
        EXPECT_EQ(Button(IDC_SMTP_TEST_MAIL)->text().toStdString(), "Test-Mail");
        EXPECT_EQ(Text(IDC_SMTP_TEST_STATUS), "");
        EXPECT_TRUE(platform.questions.empty());
    }
    const auto messages = server.EventsOf("message");
    ASSERT_EQ(messages.size(), 2u);
    for (const auto& m : messages) {
        EXPECT_EQ(m["from"].toString(), "sender@example.test");
        EXPECT_EQ(m["to"].toArray(), QJsonArray{"owner@example.test"});
        EXPECT_TRUE(m["content"].toString().contains("Subject: Corvane test e-mail"));
    }
}

TEST_F(SmtpTestMailTest, ReportsRefusalsInTheDialogsLanguage) {
    using test::ServerCertificate;
    struct Case {
        const char* what;
        test::SmtpTestServer::Options server;
        const char* password;
        const char* recipient;
        MailTestText says;
    };
    const Case cases[] = {
        {"wrong password",
         {.mode = "starttls"},
         "wrong-1",
         "owner@example.test",
         MailTestText::kLoginRefused},
        {"refused recipient",
         {.mode = "starttls", .refusedRecipients = {"nobody@example.test"}},
         "secret-1",
         "nobody@example.test",
         MailTestText::kRecipientRefused},
        {"certificate for another name",
         {.mode = "starttls", .certificate = ServerCertificate::kOtherName},
         "secret-1",
         "owner@example.test",
         MailTestText::kCertificateWrongName},
        {"self-signed certificate",
         {.mode = "starttls", .certificate = ServerCertificate::kSelfSigned},
         "secret-1",
         "owner@example.test",
         MailTestText::kCertificateUntrusted},
        {"expired certificate",
         {.mode = "starttls", .certificate = ServerCertificate::kExpired},
         "secret-1",
         "owner@example.test",
         MailTestText::kCertificateExpired},
    };
    for (const int32_t language : {kJapanese, kCzech}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.what);
            test::SmtpTestServer server;
            if (const auto why = server.Start(c.server); !why.empty())
                GTEST_SKIP() << why;
            Open(ModelFamily::k8620, language);
            FillForServer(server.Port(), c.password, c.recipient);
            ASSERT_TRUE(RunTest());
            ASSERT_EQ(platform.messages.size(), 1u);
            // A refused login names the user name the camera logs in with.
            EXPECT_TRUE(StartsWith(platform.messages.front(), Says(c.says, "sender")))
                << platform.messages.front();
            EXPECT_TRUE(server.EventsOf("message").empty());
        }
    }
}

// The test logs in as the camera will: with the part of the sender address before "@" that smtp.dat
// gives it, whatever form of user name the provider is known to use.
TEST_F(SmtpTestMailTest, LogsInWithTheUserNameTheCameraUses) {
    struct Case {
        const char* what;
        const char* sender;
        const char* serverLogin;  // the only user name the server takes
        bool sent;
    };
    const Case cases[] = {
        {"unknown provider", "sender@example.test", "sender", true},
        {"provider whose users log in with the whole address", "anna@163.com", "anna", true},
        {"server that takes only the whole address", "sender@example.test", "sender@example.test", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::SmtpTestServer server;
        if (const auto why = server.Start({.mode = "starttls", .login = c.serverLogin}); !why.empty())
            GTEST_SKIP() << why;
        Open(ModelFamily::k8620, kEnglish);
        FillForServer(server.Port(), "secret-1", "owner@example.test", c.sender);
        ASSERT_TRUE(RunTest());
        const std::string cameraLogin = std::string(c.sender).substr(0, std::string(c.sender).find('@'));
        const auto logins = server.EventsOf("login");
        ASSERT_EQ(logins.size(), 1u);
        EXPECT_EQ(logins.front()["login"].toString().toStdString(), cameraLogin);
        ASSERT_EQ(platform.messages.size(), 1u);
        if (c.sent) {
            EXPECT_EQ(platform.messages.front(), Says(MailTestText::kSent, "owner@example.test"));
            EXPECT_EQ(server.EventsOf("message").size(), 1u);
        } else {
            EXPECT_TRUE(StartsWith(platform.messages.front(), Says(MailTestText::kLoginRefused, cameraLogin)))
                << platform.messages.front();
            EXPECT_NE(platform.messages.front().find("\"sender\""), std::string::npos);
            EXPECT_TRUE(server.EventsOf("message").empty());
        }
    }
}

// A server that asks for no login takes the mail without the password: the result and the message say so.
TEST_F(SmtpTestMailTest, SaysWhenTheServerAskedForNoLogin) {
    for (const char* mode : {"starttls", "plain"}) {
        SCOPED_TRACE(mode);
        test::SmtpTestServer server;
        if (const auto why = server.Start({.mode = mode, .noAuth = true}); !why.empty())
            GTEST_SKIP() << why;
        Open(ModelFamily::k8620, kFinnish);
        FillForServer(server.Port());
        ASSERT_TRUE(RunTest());
        EXPECT_EQ(platform.messages,
                  std::vector<std::string>{Says(MailTestText::kSentWithoutLogin, "owner@example.test")});
        EXPECT_TRUE(platform.questions.empty()) << "no password to protect";
        EXPECT_TRUE(server.EventsOf("auth-command").empty());
        const auto messages = server.EventsOf("message");
        ASSERT_EQ(messages.size(), 1u);
        const QString content = messages.front()["content"].toString();
        EXPECT_TRUE(content.contains("password was not checked")) << content.toStdString();
        EXPECT_FALSE(content.contains("password work")) << content.toStdString();
    }
}

// A server that speaks TLS from the first byte on a port other than 465 never greets the plain connection.
TEST_F(SmtpTestMailTest, NoGreetingSuggestsTlsFromTheFirstByte) {
    test::SmtpTestServer server;
    if (const auto why = server.Start({.mode = "implicit"}); !why.empty())
        GTEST_SKIP() << why;
    Open(ModelFamily::k8520, kSlovenian);
    FillForServer(server.Port());
    ASSERT_TRUE(RunTest(30000));  // the dialog's own limit of 15 s without an answer
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(StartsWith(platform.messages.front(), Says(MailTestText::kNoGreeting)))
        << platform.messages.front();
    EXPECT_TRUE(server.EventsOf("auth-command").empty());
}

TEST_F(SmtpTestMailTest, AsksBeforeAPasswordInClearAndNoSendsNone) {
    test::SmtpTestServer server;
    if (const auto why = server.Start({.mode = "plain"}); !why.empty())
        GTEST_SKIP() << why;
    Open(ModelFamily::k8520, kFrench);
    FillForServer(server.Port());
    platform.answers = {false};
    ASSERT_TRUE(RunTest());
    EXPECT_EQ(platform.questions, std::vector<std::string>{Says(MailTestText::kPasswordInClearQuestion)});
    EXPECT_EQ(platform.messages, std::vector<std::string>{Says(MailTestText::kNoTlsOffered)});
    EXPECT_TRUE(server.EventsOf("auth-command").empty());
    EXPECT_TRUE(server.EventsOf("message").empty());

    ClearMessages();
    platform.answers = {true};
    ASSERT_TRUE(RunTest());
    EXPECT_EQ(platform.questions.size(), 2u);
    EXPECT_EQ(server.EventsOf("message").size(), 1u);
    EXPECT_EQ(server.EventsOf("login").size(), 1u);
}

TEST_F(SmtpTestMailTest, ShowsStagesAndCancelsFromTheSameButton) {
    test::SmtpTestServer server;
    if (const auto why = server.Start({.mode = "silent"}); !why.empty())
        GTEST_SKIP() << why;
    Open(ModelFamily::k8620, kHungarian);
    FillForServer(server.Port());
    Click(IDC_SMTP_TEST_MAIL);
    EXPECT_EQ(Button(IDC_SMTP_TEST_MAIL)->text().toStdString(), Says(MailTestText::kCancelButton));
    ASSERT_TRUE(WaitFor([&] { return Text(IDC_SMTP_TEST_STATUS) == Says(MailTestText::kConnecting); }, 5000));
    Click(IDC_SMTP_TEST_MAIL);
    ASSERT_TRUE(WaitFor([&] { return !platform.messages.empty(); }, 5000));
    EXPECT_EQ(platform.messages, std::vector<std::string>{Says(MailTestText::kCancelled)});
    EXPECT_EQ(Button(IDC_SMTP_TEST_MAIL)->text().toStdString(), Says(MailTestText::kTestButton));
    EXPECT_TRUE(FolderEmpty());
}

// An address typed while a test runs leaves the status line to the test's stages; its notice follows.
TEST_F(SmtpTestMailTest, OAuth2NoticeWaitsForTheRunningTest) {
    test::SmtpTestServer server;
    if (const auto why = server.Start({.mode = "silent"}); !why.empty())
        GTEST_SKIP() << why;
    Open(ModelFamily::k8620, kCzech);
    FillForServer(server.Port());
    Click(IDC_SMTP_TEST_MAIL);
    ASSERT_TRUE(WaitFor([&] { return Text(IDC_SMTP_TEST_STATUS) == Says(MailTestText::kConnecting); }, 5000));
    Retype(IDC_SMTP_SENDER, "joe@outlook.com");
    EXPECT_EQ(Text(IDC_SMTP_TEST_STATUS), Says(MailTestText::kConnecting));
    Click(IDC_SMTP_TEST_MAIL);
    ASSERT_TRUE(WaitFor([&] { return !platform.messages.empty(); }, 5000));
    EXPECT_EQ(platform.messages, std::vector<std::string>{Says(MailTestText::kCancelled)});
    EXPECT_EQ(Text(IDC_SMTP_TEST_STATUS), Says(MailTestText::kOAuth2OnlyNotice));
}

TEST_F(SmtpTestMailTest, NothingListeningOnThePort) {
    Open(ModelFamily::k8620, kItalian);
    FillForServer(test::UnusedPort());
    ASSERT_TRUE(RunTest());
    EXPECT_EQ(platform.messages.front().rfind(Says(MailTestText::kConnectionRefused), 0), 0u)
        << platform.messages.front();
}

}  // namespace
}  // namespace corvane
