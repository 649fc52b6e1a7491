#include "platform/mail/curl_test_mail_sender.h"

#include <curl/curl.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <memory>
#include <mutex>
#include <string_view>
#include <utility>

#include "platform/mail/certificate_verdict.h"

namespace corvane::platform {

namespace {

// How often a test that waits on the network looks at the cancel request and its time limits.
constexpr int kPollMilliseconds = 100;

using Clock = std::chrono::steady_clock;

void InitCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct EasyDeleter {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
struct MultiDeleter {
    void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
};
struct UrlDeleter {
    void operator()(CURLU* url) const { curl_url_cleanup(url); }
};
struct ListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

// What one connection saw, filled by libcurl's callbacks.
struct Connection {
    TestMailListener* listener = nullptr;
    const TestMailRequest* request = nullptr;
    std::string payload;  // made when the server first asks for it: by then the login is over
    bool payloadMade = false;
    size_t payloadRead = 0;
    std::string lastCommand;  // the verb of the last command sent: "EHLO", "STARTTLS", "AUTH", "MAIL" ...
    bool tlsStarted = false;
    bool authSent = false;     // the client logged in (or tried to)
    bool authOffered = false;  // the server's EHLO answer listed AUTH
    bool heardServer = false;  // any byte came from the server
    bool cancelled = false;
    Clock::time_point lastTraffic;
    char error[CURL_ERROR_SIZE] = {};

    void Stage(TestMailStage stage) { listener->OnStage(stage); }
    void StartTls() {
        if (!tlsStarted) {
            tlsStarted = true;
            Stage(TestMailStage::kSecuring);
        }
    }
};

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        const auto lower = [](char ch) {
            return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
        };
        if (lower(text[i]) != lower(prefix[i]))
            return false;
    }
    return true;
}

// The commands whose refusal is told apart. QUIT is left out: libcurl sends it while closing after a
// failure, which must not hide the command that failed.
constexpr std::array<std::string_view, 7> kVerbs = {"EHLO", "HELO", "STARTTLS", "AUTH",
                                                    "MAIL", "RCPT", "DATA"};

int OnDebug(CURL*, curl_infotype type, char* data, size_t size, void* user) {
    auto& c = *static_cast<Connection*>(user);
    if (type == CURLINFO_HEADER_IN || type == CURLINFO_DATA_IN || type == CURLINFO_SSL_DATA_IN) {
        c.heardServer = true;
        c.lastTraffic = Clock::now();
    } else if (type == CURLINFO_HEADER_OUT || type == CURLINFO_DATA_OUT || type == CURLINFO_SSL_DATA_OUT) {
        c.lastTraffic = Clock::now();
    }
    if (type == CURLINFO_HEADER_IN) {
        const std::string_view line(data, size);
        if (StartsWithNoCase(line, "250-AUTH") || StartsWithNoCase(line, "250 AUTH"))
            c.authOffered = true;
        // The server agreed to STARTTLS: the handshake follows. Not every TLS library libcurl is built with
        // reports its handshake bytes (Schannel does not), the server's answer comes with each.
        if (c.lastCommand == "STARTTLS" && StartsWithNoCase(line, "220"))
            c.StartTls();
    } else if (type == CURLINFO_SSL_DATA_OUT) {
        c.StartTls();
    } else if (type == CURLINFO_HEADER_OUT) {
        // Only the verb is kept: AUTH lines and their continuations carry the credentials.
        const std::string_view line(data, size);
        const std::string_view verb = line.substr(0, line.find_first_of(" \r\n"));
        if (std::find(kVerbs.begin(), kVerbs.end(), verb) == kVerbs.end())
            return 0;
        if (verb == "AUTH") {
            c.authSent = true;
            c.Stage(TestMailStage::kLoggingIn);
        }
        if (verb == "MAIL")
            c.Stage(TestMailStage::kSending);
        c.lastCommand = verb;
    }
    return 0;
}

int OnProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    auto& c = *static_cast<Connection*>(user);
    c.cancelled = c.cancelled || c.listener->CancelRequested();
    return c.cancelled ? 1 : 0;
}

std::string MessageText(const TestMailRequest& r, bool loggedIn);

size_t OnRead(char* buffer, size_t size, size_t count, void* user) {
    auto& c = *static_cast<Connection*>(user);
    if (!c.payloadMade) {
        c.payload = MessageText(*c.request, c.authSent);
        c.payloadMade = true;
    }
    const size_t n = std::min(size * count, c.payload.size() - c.payloadRead);
    c.payload.copy(buffer, n, c.payloadRead);
    c.payloadRead += n;
    return n;
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// RFC 5322's date in UTC, from the calendar alone: the same on every system and in every locale.
std::string MessageDate(std::chrono::system_clock::time_point when) {
    using namespace std::chrono;
    static constexpr std::array<const char*, 7> kDays = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static constexpr std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const auto seconds = floor<std::chrono::seconds>(when);
    const auto day = floor<days>(seconds);
    const year_month_day date{day};
    const hh_mm_ss time{seconds - day};
    char text[64] = {};
    std::snprintf(text, sizeof text, "%s, %02u %s %d %02d:%02d:%02d +0000", kDays[weekday{day}.c_encoding()],
                  static_cast<unsigned>(date.day()), kMonths[static_cast<unsigned>(date.month()) - 1],
                  static_cast<int>(date.year()), static_cast<int>(time.hours().count()),
                  static_cast<int>(time.minutes().count()), static_cast<int>(time.seconds().count()));
    return text;
}

std::string MessageText(const TestMailRequest& r, bool loggedIn) {
    std::string text = "Date: " + MessageDate(std::chrono::system_clock::now()) + "\r\nFrom: <" + r.sender +
                       ">\r\nTo: <" + r.recipient + ">\r\nSubject: " + r.subject +
                       "\r\nMIME-Version: 1.0\r\nContent-Type: text/plain; charset=us-ascii\r\n\r\n";
    const std::string& body = loggedIn || r.bodyWithoutLogin.empty() ? r.body : r.bodyWithoutLogin;
    for (char ch : body) {
        if (ch == '\n') {
            text += "\r\n";
        } else if (ch != '\r') {
            text += ch;
        }
    }
    return text + "\r\n";
}

enum class Tls { kFromFirstByte, kRequireStartTls, kStartTlsIfOffered };

// `implicitTls`: the connection spoke TLS from the first byte; `verifyResult`: the TLS library's verdict on
// the server's certificate.
TestMailResult Classify(CURLcode code, const Connection& c, bool implicitTls, long verifyResult) {
    std::string detail = c.error[0] ? std::string(c.error) : std::string(curl_easy_strerror(code));
    auto result = [&](TestMailOutcome outcome) { return TestMailResult{outcome, detail}; };
    if (c.cancelled || code == CURLE_ABORTED_BY_CALLBACK)
        return {TestMailOutcome::kCancelled, {}};
    if (const auto verdict = CertificateVerdict(code, verifyResult, detail))
        return result(*verdict);
    switch (code) {
        case CURLE_OK:
            return {TestMailOutcome::kSent, {}};
        case CURLE_COULDNT_RESOLVE_HOST:
        case CURLE_URL_MALFORMAT:
            return result(TestMailOutcome::kServerNotFound);
        case CURLE_COULDNT_CONNECT:
            return result(TestMailOutcome::kConnectionRefused);
        case CURLE_OPERATION_TIMEDOUT:
            // Not even a greeting on a plain connection: a server waiting for a TLS handshake looks so.
            return result(!implicitTls && !c.heardServer ? TestMailOutcome::kNoGreeting
                                                         : TestMailOutcome::kTimedOut);
        case CURLE_PEER_FAILED_VERIFICATION:
            return result(TestMailOutcome::kCertificateInvalid);
        case CURLE_USE_SSL_FAILED:
            return result(TestMailOutcome::kNoTlsOffered);
        case CURLE_SSL_CONNECT_ERROR:
        case CURLE_SSL_CERTPROBLEM:
        case CURLE_SSL_CIPHER:
        case CURLE_SSL_ENGINE_INITFAILED:
        case CURLE_SSL_CACERT_BADFILE:
        case CURLE_SSL_SHUTDOWN_FAILED:
        case CURLE_SSL_CRL_BADFILE:
        case CURLE_SSL_ISSUER_ERROR:
        case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
        case CURLE_SSL_INVALIDCERTSTATUS:
        case CURLE_SSL_CLIENTCERT:
            return result(TestMailOutcome::kTlsFailed);
        case CURLE_LOGIN_DENIED:
            return result(TestMailOutcome::kLoginRefused);
        default:
            break;
    }
    // libcurl reports a refused recipient as a failed send; the last command tells it apart.
    if (c.lastCommand == "RCPT")
        return result(TestMailOutcome::kRecipientRefused);
    if (c.lastCommand == "AUTH")
        return result(TestMailOutcome::kLoginRefused);
    return result(TestMailOutcome::kOther);
}

class Transfer {
  public:
    Transfer(const TestMailRequest& request, const std::string& caFile, TestMailListener& listener)
        : request_(request), caFile_(caFile) {
        connection_.listener = &listener;
    }

    struct Outcome {
        TestMailResult result;
        bool overTls = false;      // the connection ran over TLS
        bool authOffered = false;  // the server listed AUTH (after STARTTLS where it ran)
    };

    // Runs one connection. `connectOnly` stops after the greeting, EHLO and any STARTTLS, before login;
    // `login` sends the user name and password when the server asks for a login.
    Outcome Run(Tls tls, bool connectOnly, bool login) {
        std::unique_ptr<CURL, EasyDeleter> easy(curl_easy_init());
        std::unique_ptr<CURLM, MultiDeleter> multi(curl_multi_init());
        std::unique_ptr<CURLU, UrlDeleter> url(curl_url());
        if (!easy || !multi || !url)
            return {{TestMailOutcome::kOther, "out of memory"}};
        CURL* e = easy.get();

        const std::string port = std::to_string(request_.port);
        if (curl_url_set(url.get(), CURLUPART_SCHEME, tls == Tls::kFromFirstByte ? "smtps" : "smtp", 0) ||
            curl_url_set(url.get(), CURLUPART_HOST, request_.host.c_str(), 0) ||
            curl_url_set(url.get(), CURLUPART_PORT, port.c_str(), 0)) {
            return {{TestMailOutcome::kServerNotFound, "invalid server name or port"}};
        }
        curl_easy_setopt(e, CURLOPT_CURLU, url.get());
        curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
        curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(e, CURLOPT_ERRORBUFFER, connection_.error);
        // libcurl's connect time limit covers the greeting, EHLO, STARTTLS and the login as well; Perform
        // keeps the connection's and the answers' own limits instead.
        curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT, static_cast<long>(request_.totalTimeout.count()));
        curl_easy_setopt(e, CURLOPT_SERVER_RESPONSE_TIMEOUT,
                         static_cast<long>(request_.responseTimeout.count()));
        curl_easy_setopt(e, CURLOPT_TIMEOUT, static_cast<long>(request_.totalTimeout.count()));
        curl_easy_setopt(e, CURLOPT_SSL_VERIFYPEER, 1L);
        curl_easy_setopt(e, CURLOPT_SSL_VERIFYHOST, 2L);
        if (!caFile_.empty())
            curl_easy_setopt(e, CURLOPT_CAINFO, caFile_.c_str());
        curl_easy_setopt(e, CURLOPT_USE_SSL,
                         tls == Tls::kStartTlsIfOffered ? CURLUSESSL_TRY : CURLUSESSL_ALL);
        curl_easy_setopt(e, CURLOPT_VERBOSE, 1L);
        curl_easy_setopt(e, CURLOPT_DEBUGFUNCTION, OnDebug);
        curl_easy_setopt(e, CURLOPT_DEBUGDATA, &connection_);
        curl_easy_setopt(e, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(e, CURLOPT_XFERINFOFUNCTION, OnProgress);
        curl_easy_setopt(e, CURLOPT_XFERINFODATA, &connection_);

        std::unique_ptr<curl_slist, ListDeleter> recipients;
        const std::string from = "<" + request_.sender + ">";
        if (connectOnly) {
            curl_easy_setopt(e, CURLOPT_CONNECT_ONLY, 1L);
        } else {
            if (login && !request_.loginName.empty()) {
                curl_easy_setopt(e, CURLOPT_USERNAME, request_.loginName.c_str());
                curl_easy_setopt(e, CURLOPT_PASSWORD, request_.password.c_str());
            }
            recipients.reset(curl_slist_append(nullptr, ("<" + request_.recipient + ">").c_str()));
            curl_easy_setopt(e, CURLOPT_MAIL_FROM, from.c_str());
            curl_easy_setopt(e, CURLOPT_MAIL_RCPT, recipients.get());
            connection_.request = &request_;
            connection_.payload.clear();
            connection_.payloadMade = false;
            connection_.payloadRead = 0;
            curl_easy_setopt(e, CURLOPT_UPLOAD, 1L);
            curl_easy_setopt(e, CURLOPT_READFUNCTION, OnRead);
            curl_easy_setopt(e, CURLOPT_READDATA, &connection_);
        }

        connection_.Stage(TestMailStage::kConnecting);
        connection_.tlsStarted = false;
        connection_.authSent = false;
        connection_.authOffered = false;
        connection_.heardServer = false;
        connection_.lastTraffic = {};
        connection_.lastCommand.clear();
        const CURLcode code = Perform(multi.get(), e, tls == Tls::kFromFirstByte);
        // A handshake that began and a connection that then succeeded ran over TLS (libcurl's TLS
        // session info stays empty after STARTTLS).
        const bool overTls = code == CURLE_OK && connection_.tlsStarted;
        long verifyResult = 0;
        curl_easy_getinfo(e, CURLINFO_SSL_VERIFYRESULT, &verifyResult);
        curl_multi_remove_handle(multi.get(), e);
        TestMailResult result = Classify(code, connection_, tls == Tls::kFromFirstByte, verifyResult);
        if (result.outcome == TestMailOutcome::kSent && !connectOnly && !connection_.authSent)
            result.outcome = TestMailOutcome::kSentWithoutLogin;
        return {result, overTls, connection_.authOffered};
    }

  private:
    // The multi interface with a short poll, so a cancel is seen within kPollMilliseconds in every phase
    // (name lookup, connect, waiting for an answer). The connection gets connectTimeout; from then on
    // each wait for the server gets responseTimeout from the last byte either side sent.
    CURLcode Perform(CURLM* multi, CURL* easy, bool implicitTls) {
        curl_multi_add_handle(multi, easy);
        const Clock::time_point started = Clock::now();
        bool connected = false;
        for (;;) {
            int running = 0;
            if (curl_multi_perform(multi, &running) != CURLM_OK)
                return CURLE_OUT_OF_MEMORY;
            int left = 0;
            while (CURLMsg* msg = curl_multi_info_read(multi, &left)) {
                if (msg->msg == CURLMSG_DONE)
                    return msg->data.result;
            }
            if (connection_.listener->CancelRequested()) {
                connection_.cancelled = true;
                return CURLE_ABORTED_BY_CALLBACK;
            }
            const Clock::time_point now = Clock::now();
            if (!connected) {
                curl_off_t connectTime = 0;
                connected = curl_easy_getinfo(easy, CURLINFO_CONNECT_TIME_T, &connectTime) == CURLE_OK &&
                            connectTime > 0;
                if (connected)
                    connection_.lastTraffic = std::max(connection_.lastTraffic, now);
                // TLS from the first byte: the handshake begins with the connection.
                if (connected && implicitTls)
                    connection_.StartTls();
            }
            const bool late = connected ? now - connection_.lastTraffic > request_.responseTimeout
                                        : now - started > request_.connectTimeout;
            if (late) {
                const std::string_view why =
                    connected ? "No answer from the server in time" : "Connection timed out";
                connection_.error[why.copy(connection_.error, sizeof connection_.error - 1)] = '\0';
                return CURLE_OPERATION_TIMEDOUT;
            }
            curl_multi_poll(multi, nullptr, 0, kPollMilliseconds, nullptr);
        }
    }

    const TestMailRequest& request_;
    const std::string& caFile_;
    Connection connection_;
};

}  // namespace

// libcurl starts its network and TLS libraries with the first test e-mail, not with the program: on
// Windows that is a dozen system libraries the main window does not need.
CurlTestMailSender::CurlTestMailSender(std::string caFile) : caFile_(std::move(caFile)) {}

TestMailResult CurlTestMailSender::Send(const TestMailRequest& request, TestMailListener& listener) {
    for (const auto* text : {&request.host, &request.loginName, &request.password, &request.sender,
                             &request.recipient, &request.subject}) {
        if (HasLineBreak(*text))
            return {TestMailOutcome::kOther, "line break in a field"};
    }
    InitCurlOnce();
    Transfer transfer(request, caFile_, listener);
    if (request.implicitTls)
        return transfer.Run(Tls::kFromFirstByte, false, true).result;

    // Find out whether the server offers STARTTLS before any password is sent, then send over a second
    // connection that insists on what the first one found.
    const auto probe = transfer.Run(Tls::kStartTlsIfOffered, true, false);
    if (probe.result.outcome != TestMailOutcome::kSent)
        return probe.result;
    if (probe.overTls)
        return transfer.Run(Tls::kRequireStartTls, false, true).result;
    // Without TLS the password goes out only when the server asks for a login and the user agrees.
    if (!probe.authOffered)
        return transfer.Run(Tls::kStartTlsIfOffered, false, false).result;
    if (!request.loginName.empty() && !listener.AllowPasswordInClear()) {
        return {TestMailOutcome::kNoTlsOffered, {}};
    }
    return transfer.Run(Tls::kStartTlsIfOffered, false, true).result;
}

}  // namespace corvane::platform
