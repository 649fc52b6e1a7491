#include "dialogs/smtp/smtp_test_mail.h"

#include <charconv>
#include <optional>
#include <string_view>

#include "core/l10n/mail_test_texts.h"
#include "core/l10n/smtp_texts.h"
#include "core/mailservers/mail_servers.h"
#include "core/smtp/smtp_file.h"
#include "core/smtp/smtp_form.h"
#include "dialogs/res/smtp_templates.h"
#include "dialogs/smtp/smtp_setup_dlg.h"
#include "platform/platform.h"
#include "platform/test_mail_job.h"

namespace corvane {
namespace {

constexpr int kImplicitTlsPort = 465;
constexpr std::string_view kSubject = "Corvane test e-mail";
constexpr std::string_view kBody =
    "This test e-mail was sent by the Corvane setup tool with the e-mail settings for your camera.\n"
    "It arrived, so the server, port, sender address and password work.";
constexpr std::string_view kBodyWithoutLogin =
    "This test e-mail was sent by the Corvane setup tool with the e-mail settings for your camera.\n"
    "It arrived, so the server, port and sender address work. The server asked for no login, so the "
    "password was not checked.";

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

std::optional<int> PortNumber(std::string_view text) {
    const std::string port = Trimmed(text);
    int value = 0;
    const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), value);
    if (port.empty() || error != std::errc() || end != port.data() + port.size() || value < 1 ||
        value > 65535) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

SmtpTestMail::SmtpTestMail(CSmtpSetupDlg& dialog, int32_t language) : dialog_(dialog), language_(language) {}

SmtpTestMail::~SmtpTestMail() = default;

std::string SmtpTestMail::Text(MailTestText text) const {
    return std::string(MailTestTextOf(text, language_));
}

void SmtpTestMail::SetTexts() {
    dialog_.SetDlgItemText(IDC_SMTP_TEST_MAIL, Text(MailTestText::kTestButton));
    dialog_.SetDlgItemText(IDC_SMTP_TEST_STATUS, "");
}

bool SmtpTestMail::Running() const {
    return job_ && job_->Running();
}

// On the status line: a message box would take the keys still being typed ("...@hotmail.com" on the way
// to "...@hotmail.com.au"). A running test keeps the line for its stages.
void SmtpTestMail::ShowOAuth2Notice(bool show) {
    if (!Running() && show != showsOAuth2Notice_) {
        dialog_.SetDlgItemText(IDC_SMTP_TEST_STATUS, show ? Text(MailTestText::kOAuth2OnlyNotice) : "");
        showsOAuth2Notice_ = show;
    }
}

void SmtpTestMail::OnSenderChanged() {
    // The field itself, not the value: a failed check earlier in the exchange leaves the value behind.
    const std::string sender = dialog_.GetDlgItemText(IDC_SMTP_SENDER);
    const std::optional<MailServerSuggestion> suggestion = SuggestMailServer(sender);
    ShowOAuth2Notice(suggestion && suggestion->oauth2Only);
    const bool usable = suggestion && !suggestion->oauth2Only;
    const std::string server = usable ? suggestion->host : std::string();
    const std::string port = usable ? std::to_string(suggestion->port) : std::string();
    // Only fields that are empty or still hold the last suggestion change: typed text stays.
    const std::string shownServer = dialog_.GetDlgItemText(IDC_SMTP_SERVER);
    if ((shownServer.empty() || shownServer == filledServer_) && shownServer != server) {
        dialog_.SetDlgItemText(IDC_SMTP_SERVER, server);
    }
    if (shownServer.empty() || shownServer == filledServer_)
        filledServer_ = server;
    const std::string shownPort = dialog_.GetDlgItemText(IDC_SMTP_PORT);
    if ((shownPort.empty() || shownPort == filledPort_) && shownPort != port) {
        dialog_.SetDlgItemText(IDC_SMTP_PORT, port);
    }
    if (shownPort.empty() || shownPort == filledPort_)
        filledPort_ = port;
}

void SmtpTestMail::OnTestClicked() {
    if (Running()) {
        job_->Cancel();
        return;
    }
    // The same reading and checks as Generate, with the same messages.
    if (!dialog_.UpdateData(true))
        return;
    platform::Platform& platform = dialog_.GetPlatform();
    const SmtpFileValues values = dialog_.CurrentValues();
    if (const std::optional<SmtpMessage> fault = CheckSmtpForm(values)) {
        platform.ShowMessage(std::string(SmtpMessageText(*fault, dialog_.Family(), language_)));
        return;
    }
    const std::optional<int> port = PortNumber(values.smtpPort);
    if (!port) {
        platform.ShowMessage(Text(MailTestText::kPortNotNumber));
        return;
    }
    const std::string sender = Trimmed(values.senderAddress);
    const std::optional<MailServerSuggestion> provider = SuggestMailServer(sender);
    if (provider && provider->oauth2Only) {
        platform.ShowMessage(Text(MailTestText::kOAuth2Only));
        return;
    }

    platform::TestMailRequest request;
    request.host = Trimmed(values.smtpServer);
    request.port = *port;
    // Port 465 speaks TLS from the first byte; so does a provider's listed port that says so.
    request.implicitTls =
        *port == kImplicitTlsPort ||
        (provider && provider->security == MailSecurity::kImplicitTls && provider->port == *port);
    // The camera logs in with the user name smtp.dat gives it, whatever the provider's usual form: only
    // that login passing means the camera's will.
    request.loginName = std::string(SenderUserName(values.senderAddress));
    request.password = values.senderPassword;
    request.sender = sender;
    request.recipient = Trimmed(values.recipient);
    request.subject = kSubject;
    request.body = kBody;
    request.bodyWithoutLogin = kBodyWithoutLogin;
    Start(request);
}

void SmtpTestMail::Start(const platform::TestMailRequest& request) {
    if (!job_) {
        platform::Platform& platform = dialog_.GetPlatform();
        job_ = std::make_unique<platform::TestMailJob>(
            platform.MailSender(), [this](std::function<void()> task) { dialog_.PostTask(std::move(task)); },
            platform::TestMailJob::Callbacks{
                [this](platform::TestMailStage stage) { OnStage(stage); },
                [this, &platform] { return platform.AskYesNo(Text(MailTestText::kPasswordInClearQuestion)); },
                [this](const platform::TestMailResult& result) { OnFinished(result); }});
    }
    recipient_ = request.recipient;
    loginName_ = request.loginName;
    if (!job_->Start(request))
        return;
    showsOAuth2Notice_ = false;
    dialog_.SetDlgItemText(IDC_SMTP_TEST_MAIL, Text(MailTestText::kCancelButton));
}

void SmtpTestMail::OnStage(platform::TestMailStage stage) {
    using platform::TestMailStage;
    MailTestText text = MailTestText::kConnecting;
    switch (stage) {
        case TestMailStage::kConnecting:
            text = MailTestText::kConnecting;
            break;
        case TestMailStage::kSecuring:
            text = MailTestText::kSecuring;
            break;
        case TestMailStage::kLoggingIn:
            text = MailTestText::kLoggingIn;
            break;
        case TestMailStage::kSending:
            text = MailTestText::kSending;
            break;
    }
    dialog_.SetDlgItemText(IDC_SMTP_TEST_STATUS, Text(text));
}

void SmtpTestMail::OnFinished(const platform::TestMailResult& result) {
    using platform::TestMailOutcome;
    dialog_.SetDlgItemText(IDC_SMTP_TEST_MAIL, Text(MailTestText::kTestButton));
    dialog_.SetDlgItemText(IDC_SMTP_TEST_STATUS, "");
    // The address may have changed while the test ran.
    const std::optional<MailServerSuggestion> provider =
        SuggestMailServer(dialog_.GetDlgItemText(IDC_SMTP_SENDER));
    ShowOAuth2Notice(provider && provider->oauth2Only);
    MailTestText text = MailTestText::kOther;
    switch (result.outcome) {
        case TestMailOutcome::kSent:
            text = MailTestText::kSent;
            break;
        case TestMailOutcome::kSentWithoutLogin:
            text = MailTestText::kSentWithoutLogin;
            break;
        case TestMailOutcome::kNoGreeting:
            text = MailTestText::kNoGreeting;
            break;
        case TestMailOutcome::kCertificateWrongName:
            text = MailTestText::kCertificateWrongName;
            break;
        case TestMailOutcome::kCertificateUntrusted:
            text = MailTestText::kCertificateUntrusted;
            break;
        case TestMailOutcome::kCertificateExpired:
            text = MailTestText::kCertificateExpired;
            break;
        case TestMailOutcome::kServerNotFound:
            text = MailTestText::kServerNotFound;
            break;
        case TestMailOutcome::kConnectionRefused:
            text = MailTestText::kConnectionRefused;
            break;
        case TestMailOutcome::kTimedOut:
            text = MailTestText::kTimedOut;
            break;
        case TestMailOutcome::kCertificateInvalid:
            text = MailTestText::kCertificateInvalid;
            break;
        case TestMailOutcome::kNoTlsOffered:
            text = MailTestText::kNoTlsOffered;
            break;
        case TestMailOutcome::kTlsFailed:
            text = MailTestText::kTlsFailed;
            break;
        case TestMailOutcome::kLoginRefused:
            text = MailTestText::kLoginRefused;
            break;
        case TestMailOutcome::kRecipientRefused:
            text = MailTestText::kRecipientRefused;
            break;
        case TestMailOutcome::kCancelled:
            text = MailTestText::kCancelled;
            break;
        case TestMailOutcome::kOther:
            text = MailTestText::kOther;
            break;
    }
    std::string message = Text(text);
    if (const auto at = message.find("%1"); at != std::string::npos)
        message.replace(at, 2, text == MailTestText::kLoginRefused ? loginName_ : recipient_);
    // The server's or library's own words help where ours can only say what kind of failure it was.
    if (!result.detail.empty())
        message += (text == MailTestText::kOther ? " " : "\n\n") + result.detail;
    dialog_.GetPlatform().ShowMessage(message);
}

}  // namespace corvane
