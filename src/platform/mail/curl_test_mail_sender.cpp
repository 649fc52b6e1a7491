#include "platform/mail/curl_test_mail_sender.h"

#include <curl/curl.h>

#include <algorithm>
#include <array>
#include <ctime>
#include <memory>
#include <mutex>
#include <string_view>
#include <utility>

namespace corvane::platform {

namespace {

// How often a test that waits on the network looks at the cancel request.
constexpr int kPollMilliseconds = 100;

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
    std::string payload;
    size_t payloadRead = 0;
    std::string lastCommand;  // the verb of the last command sent: "EHLO", "STARTTLS", "AUTH", "MAIL" ...
    bool tlsStarted = false;
    bool cancelled = false;
    char error[CURL_ERROR_SIZE] = {};

    void Stage(TestMailStage stage) { listener->OnStage(stage); }
};

// The commands whose refusal is told apart. QUIT is left out: libcurl sends it while closing after a
// failure, which must not hide the command that failed.
constexpr std::array<std::string_view, 7> kVerbs = {"EHLO", "HELO", "STARTTLS", "AUTH",
                                                    "MAIL", "RCPT", "DATA"};

int OnDebug(CURL*, curl_infotype type, char* data, size_t size, void* user) {
    auto& c = *static_cast<Connection*>(user);
    if (type == CURLINFO_SSL_DATA_OUT && !c.tlsStarted) {
        c.tlsStarted = true;
        c.Stage(TestMailStage::kSecuring);
    } else if (type == CURLINFO_HEADER_OUT) {
        // Only the verb is kept: AUTH lines and their continuations carry the credentials.
        const std::string_view line(data, size);
        const std::string_view verb = line.substr(0, line.find_first_of(" \r\n"));
        if (std::find(kVerbs.begin(), kVerbs.end(), verb) == kVerbs.end())
            return 0;
        if (verb == "AUTH")
            c.Stage(TestMailStage::kLoggingIn);
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

size_t OnRead(char* buffer, size_t size, size_t count, void* user) {
    auto& c = *static_cast<Connection*>(user);
    const size_t n = std::min(size * count, c.payload.size() - c.payloadRead);
    c.payload.copy(buffer, n, c.payloadRead);
    c.payloadRead += n;
    return n;
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

std::string MessageText(const TestMailRequest& r) {
    char date[64] = {};
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    std::strftime(date, sizeof date, "%a, %d %b %Y %H:%M:%S +0000", &utc);
    std::string text = std::string("Date: ") + date + "\r\nFrom: <" + r.sender + ">\r\nTo: <" + r.recipient +
                       ">\r\nSubject: " + r.subject +
                       "\r\nMIME-Version: 1.0\r\nContent-Type: text/plain; charset=us-ascii\r\n\r\n";
    for (char ch : r.body) {
        if (ch == '\n') {
            text += "\r\n";
        } else if (ch != '\r') {
            text += ch;
        }
    }
    return text + "\r\n";
}

enum class Tls { kFromFirstByte, kRequireStartTls, kStartTlsIfOffered };

TestMailResult Classify(CURLcode code, const Connection& c) {
    std::string detail = c.error[0] ? std::string(c.error) : std::string(curl_easy_strerror(code));
    auto result = [&](TestMailOutcome outcome) { return TestMailResult{outcome, detail}; };
    if (c.cancelled || code == CURLE_ABORTED_BY_CALLBACK)
        return {TestMailOutcome::kCancelled, {}};
    switch (code) {
        case CURLE_OK:
            return {TestMailOutcome::kSent, {}};
        case CURLE_COULDNT_RESOLVE_HOST:
        case CURLE_URL_MALFORMAT:
            return result(TestMailOutcome::kServerNotFound);
        case CURLE_COULDNT_CONNECT:
            return result(TestMailOutcome::kConnectionRefused);
        case CURLE_OPERATION_TIMEDOUT:
            return result(TestMailOutcome::kTimedOut);
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

    // Runs one connection. `connectOnly` stops after the greeting, EHLO and any STARTTLS, before login.
    // Returns the result and whether the connection ran over TLS.
    std::pair<TestMailResult, bool> Run(Tls tls, bool connectOnly) {
        std::unique_ptr<CURL, EasyDeleter> easy(curl_easy_init());
        std::unique_ptr<CURLM, MultiDeleter> multi(curl_multi_init());
        std::unique_ptr<CURLU, UrlDeleter> url(curl_url());
        if (!easy || !multi || !url)
            return {{TestMailOutcome::kOther, "out of memory"}, false};
        CURL* e = easy.get();

        const std::string port = std::to_string(request_.port);
        if (curl_url_set(url.get(), CURLUPART_SCHEME, tls == Tls::kFromFirstByte ? "smtps" : "smtp", 0) ||
            curl_url_set(url.get(), CURLUPART_HOST, request_.host.c_str(), 0) ||
            curl_url_set(url.get(), CURLUPART_PORT, port.c_str(), 0)) {
            return {{TestMailOutcome::kServerNotFound, "invalid server name or port"}, false};
        }
        curl_easy_setopt(e, CURLOPT_CURLU, url.get());
        curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
        curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(e, CURLOPT_ERRORBUFFER, connection_.error);
        curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT, static_cast<long>(request_.connectTimeout.count()));
        curl_easy_setopt(e, CURLOPT_SERVER_RESPONSE_TIMEOUT,
                         static_cast<long>(request_.responseTimeout.count()));
        curl_easy_setopt(e, CURLOPT_TIMEOUT, static_cast<long>(request_.totalTimeout.count()));
        curl_easy_setopt(e, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(e, CURLOPT_LOW_SPEED_TIME, static_cast<long>(request_.responseTimeout.count()));
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
            if (!request_.loginName.empty()) {
                curl_easy_setopt(e, CURLOPT_USERNAME, request_.loginName.c_str());
                curl_easy_setopt(e, CURLOPT_PASSWORD, request_.password.c_str());
            }
            recipients.reset(curl_slist_append(nullptr, ("<" + request_.recipient + ">").c_str()));
            curl_easy_setopt(e, CURLOPT_MAIL_FROM, from.c_str());
            curl_easy_setopt(e, CURLOPT_MAIL_RCPT, recipients.get());
            connection_.payload = MessageText(request_);
            connection_.payloadRead = 0;
            curl_easy_setopt(e, CURLOPT_UPLOAD, 1L);
            curl_easy_setopt(e, CURLOPT_READFUNCTION, OnRead);
            curl_easy_setopt(e, CURLOPT_READDATA, &connection_);
        }

        connection_.Stage(TestMailStage::kConnecting);
        connection_.tlsStarted = false;
        connection_.lastCommand.clear();
        const CURLcode code = Perform(multi.get(), e);
        // A handshake that began and a connection that then succeeded ran over TLS (libcurl's TLS
        // session info stays empty after STARTTLS).
        const bool overTls = code == CURLE_OK && connection_.tlsStarted;
        curl_multi_remove_handle(multi.get(), e);
        return {Classify(code, connection_), overTls};
    }

  private:
    // The multi interface with a short poll, so a cancel is seen within kPollMilliseconds in every phase
    // (name lookup, connect, waiting for an answer).
    CURLcode Perform(CURLM* multi, CURL* easy) {
        curl_multi_add_handle(multi, easy);
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
            curl_multi_poll(multi, nullptr, 0, kPollMilliseconds, nullptr);
        }
    }

    const TestMailRequest& request_;
    const std::string& caFile_;
    Connection connection_;
};

}  // namespace

CurlTestMailSender::CurlTestMailSender(std::string caFile) : caFile_(std::move(caFile)) {
    InitCurlOnce();
}

TestMailResult CurlTestMailSender::Send(const TestMailRequest& request, TestMailListener& listener) {
    for (const auto* text : {&request.host, &request.loginName, &request.password, &request.sender,
                             &request.recipient, &request.subject}) {
        if (HasLineBreak(*text))
            return {TestMailOutcome::kOther, "line break in a field"};
    }
    Transfer transfer(request, caFile_, listener);
    if (request.implicitTls)
        return transfer.Run(Tls::kFromFirstByte, false).first;

    // Find out whether the server offers STARTTLS before any password is sent, then send over a second
    // connection that insists on what the first one found.
    auto [probe, overTls] = transfer.Run(Tls::kStartTlsIfOffered, true);
    if (probe.outcome != TestMailOutcome::kSent)
        return probe;
    if (overTls)
        return transfer.Run(Tls::kRequireStartTls, false).first;
    if (!request.loginName.empty() && !listener.AllowPasswordInClear()) {
        return {TestMailOutcome::kNoTlsOffered, {}};
    }
    return transfer.Run(Tls::kStartTlsIfOffered, false).first;
}

}  // namespace corvane::platform
