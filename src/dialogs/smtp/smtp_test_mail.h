#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/l10n/mail_test_texts.h"
#include "platform/test_mail.h"

namespace corvane {

class CSmtpSetupDlg;
namespace platform {
class TestMailJob;
}

// The e-mail dialog's server suggestions and its test e-mail, kept apart from the dialog's own handlers.
// Suggestions: a sender address of a known provider fills the SMTP server and port fields while they are
// empty or still hold the previous suggestion; a provider that takes only OAuth2 logins is named on the
// status line instead, without taking the keyboard. Test e-mail: the dialog's Generate checks first, with
// their messages; then one message is sent with the server fields and the camera's own login (the user
// name smtp.dat gives it), off the window's thread, its stages shown in the status line and its result in
// a message. The test changes no field and writes no file.
class SmtpTestMail {
  public:
    SmtpTestMail(CSmtpSetupDlg& dialog, int32_t language);
    ~SmtpTestMail();
    SmtpTestMail(const SmtpTestMail&) = delete;
    SmtpTestMail& operator=(const SmtpTestMail&) = delete;

    // Captions of the test button and the status line.
    void SetTexts();
    // After the sender address field changed.
    void OnSenderChanged();
    // The test button: starts a test, or cancels the running one.
    void OnTestClicked();
    bool Running() const;

  private:
    void Start(const platform::TestMailRequest& request);
    void OnStage(platform::TestMailStage stage);
    void OnFinished(const platform::TestMailResult& result);
    void ShowOAuth2Notice(bool show);
    std::string Text(MailTestText text) const;

    CSmtpSetupDlg& dialog_;
    const int32_t language_;
    std::unique_ptr<platform::TestMailJob> job_;
    std::string recipient_;  // of the running test, for its result
    std::string loginName_;
    std::string filledServer_;  // what the last suggestion put into the server field
    std::string filledPort_;
    bool showsOAuth2Notice_ = false;  // the status line names an OAuth2-only provider
};

}  // namespace corvane
