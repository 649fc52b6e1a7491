#pragma once

// A real SMTP server (aiosmtpd, run by the system's Python) on 127.0.0.1 for the tests of the test
// e-mail, with a certificate authority and server certificates made at test time with openssl.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "platform/test_mail.h"

namespace corvane::test {

inline const char* kSystemPython = "/usr/bin/python3";

// Files of a test authority and of two server certificates it signed: one for 127.0.0.1 and localhost,
// one only for another name.
struct TestCertificates {
    std::string caFile;
    std::string certFile;
    std::string keyFile;
    std::string otherNameCertFile;
    std::string otherNameKeyFile;
};

inline bool RunTool(const QString& program, const QStringList& arguments, const QString& folder) {
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// Made once per test program; nullptr when openssl is missing or failed.
inline const TestCertificates* TestCertificateFiles() {
    static QTemporaryDir folder;
    static const std::unique_ptr<TestCertificates> made = []() -> std::unique_ptr<TestCertificates> {
        if (!folder.isValid())
            return nullptr;
        const QString dir = folder.path();
        const QStringList ecKey = {"-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes"};
        if (!RunTool(
                "openssl",
                QStringList{"req", "-x509"} + ecKey +
                    QStringList{"-keyout", "ca.key", "-out", "ca.pem", "-days", "2", "-subj",
                                "/CN=Corvane Test Authority", "-addext", "basicConstraints=critical,CA:TRUE",
                                "-addext", "keyUsage=critical,keyCertSign,cRLSign"},
                dir)) {
            return nullptr;
        }
        auto sign = [&](const QString& name, const QString& altNames) {
            QFile ext(dir + "/" + name + ".ext");
            if (!ext.open(QIODevice::WriteOnly))
                return false;
            ext.write(("subjectAltName=" + altNames + "\nextendedKeyUsage=serverAuth\n").toUtf8());
            ext.close();
            return RunTool("openssl",
                           QStringList{"req"} + ecKey +
                               QStringList{"-keyout", name + ".key", "-out", name + ".csr", "-subj",
                                           "/CN=" + name},
                           dir) &&
                   RunTool(
                       "openssl",
                       {"x509", "-req", "-in", name + ".csr", "-CA", "ca.pem", "-CAkey", "ca.key",
                        "-CAcreateserial", "-out", name + ".pem", "-days", "2", "-extfile", name + ".ext"},
                       dir);
        };
        if (!sign("server", "IP:127.0.0.1,DNS:localhost") || !sign("other", "DNS:mail.other.invalid")) {
            return nullptr;
        }
        auto path = [&](const QString& file) { return (dir + "/" + file).toStdString(); };
        return std::make_unique<TestCertificates>(TestCertificates{
            path("ca.pem"), path("server.pem"), path("server.key"), path("other.pem"), path("other.key")});
    }();
    return made.get();
}

// A port on 127.0.0.1 that the system just handed out and on which nothing listens any more.
// A test e-mail to the local server on `port`, with the login the server is started with by default, and
// time limits short enough for tests.
inline platform::TestMailRequest LocalTestMailRequest(int port) {
    using namespace std::chrono_literals;
    platform::TestMailRequest r;
    r.host = "127.0.0.1";
    r.port = port;
    r.loginName = "sender@example.test";
    r.password = "secret-1";
    r.sender = "sender@example.test";
    r.recipient = "owner@example.test";
    r.subject = "Corvane test e-mail";
    r.body = "First line.\nSecond line.";
    r.connectTimeout = 5s;
    r.responseTimeout = 5s;
    r.totalTimeout = 20s;
    return r;
}

inline int UnusedPort() {
    const int probe = socket(AF_INET, SOCK_STREAM, 0);
    if (probe < 0)
        return 0;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    const bool bound = bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                       getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length) == 0;
    close(probe);
    return bound ? ntohs(address.sin_port) : 0;
}

class SmtpTestServer {
  public:
    struct Options {
        QString mode = "starttls";  // starttls, implicit, plain or silent
        QString login = "sender@example.test";
        QString password = "secret-1";
        QStringList refusedRecipients = {};
        bool otherNameCertificate = false;
    };

    SmtpTestServer() = default;
    SmtpTestServer(const SmtpTestServer&) = delete;
    SmtpTestServer& operator=(const SmtpTestServer&) = delete;
    ~SmtpTestServer() {
        process_.kill();
        process_.waitForFinished(5000);
    }

    // Returns "" once the server listens, or why it could not be started (the test then skips).
    std::string Start(const Options& options) {
        if (!RunTool(kSystemPython, {"-c", "import aiosmtpd"}, ".")) {
            return "Debian's python3-aiosmtpd is not installed (scripts/install-deps.sh)";
        }
        const TestCertificates* certificates = TestCertificateFiles();
        if (!certificates)
            return "openssl could not make the test certificates";
        if (!folder_.isValid())
            return "no temporary folder";
        log_ = folder_.path() + "/events.jsonl";
        QStringList arguments = {CORVANE_SMTP_TEST_SERVER,
                                 "--mode",
                                 options.mode,
                                 "--log",
                                 log_,
                                 "--login",
                                 options.login,
                                 "--password",
                                 options.password};
        const auto& cert =
            options.otherNameCertificate ? certificates->otherNameCertFile : certificates->certFile;
        const auto& key =
            options.otherNameCertificate ? certificates->otherNameKeyFile : certificates->keyFile;
        arguments += {"--cert", QString::fromStdString(cert), "--key", QString::fromStdString(key)};
        for (const auto& address : options.refusedRecipients)
            arguments += {"--refuse", address};
        process_.start(kSystemPython, arguments);
        if (!process_.waitForStarted(10000))
            return "the test server did not start";
        while (!process_.canReadLine()) {
            if (!process_.waitForReadyRead(10000)) {
                return "the test server did not listen: " + process_.readAllStandardError().toStdString();
            }
        }
        const QByteArray line = process_.readLine().trimmed();
        if (!line.startsWith("PORT "))
            return "unexpected output of the test server: " + line.toStdString();
        port_ = line.mid(5).toInt();
        return {};
    }

    int Port() const { return port_; }

    // What the server saw so far: auth-command, login and message events in order.
    std::vector<QJsonObject> Events() const {
        std::vector<QJsonObject> events;
        QFile file(log_);
        if (!file.open(QIODevice::ReadOnly))
            return events;
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (!line.isEmpty())
                events.push_back(QJsonDocument::fromJson(line).object());
        }
        return events;
    }

    std::vector<QJsonObject> EventsOf(const QString& kind) const {
        std::vector<QJsonObject> events;
        for (const auto& event : Events()) {
            if (event["event"].toString() == kind)
                events.push_back(event);
        }
        return events;
    }

  private:
    QProcess process_;
    QTemporaryDir folder_;
    QString log_;
    int port_ = 0;
};

}  // namespace corvane::test
