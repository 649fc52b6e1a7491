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
#include "support/test_mail_fixtures.h"

namespace corvane::test {

inline const char* kSystemPython = "/usr/bin/python3";

// The server certificates a test server can show; all but the self-signed one come from the test
// authority, and all but the one for another name are for 127.0.0.1 and localhost.
enum class ServerCertificate { kValid, kOtherName, kSelfSigned, kExpired };

struct CertificateFiles {
    std::string certFile;
    std::string keyFile;
};

// Files of a test authority and of the server certificates.
struct TestCertificates {
    std::string caFile;
    CertificateFiles valid;
    CertificateFiles otherName;
    CertificateFiles selfSigned;
    CertificateFiles expired;

    const CertificateFiles& Of(ServerCertificate which) const {
        switch (which) {
            case ServerCertificate::kOtherName:
                return otherName;
            case ServerCertificate::kSelfSigned:
                return selfSigned;
            case ServerCertificate::kExpired:
                return expired;
            case ServerCertificate::kValid:
                break;
        }
        return valid;
    }
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
        // Self-signed, for the right name.
        if (!RunTool("openssl",
                     QStringList{"req", "-x509"} + ecKey +
                         QStringList{"-keyout", "self.key", "-out", "self.pem", "-days", "2", "-subj",
                                     "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1,DNS:localhost"},
                     dir)) {
            return nullptr;
        }
        // From the test authority for the right name, valid for one day in 2020 (only "openssl ca" takes
        // dates in the past).
        QFile config(dir + "/ca.cnf");
        if (!config.open(QIODevice::WriteOnly))
            return nullptr;
        config.write(
            "[ca]\ndefault_ca = test_ca\n[test_ca]\ndatabase = index.txt\nnew_certs_dir = .\n"
            "serial = serial\ndefault_md = sha256\npolicy = any_name\n[any_name]\n"
            "commonName = supplied\n");
        config.close();
        QFile index(dir + "/index.txt");
        QFile serial(dir + "/serial");
        if (!index.open(QIODevice::WriteOnly) || !serial.open(QIODevice::WriteOnly) ||
            serial.write("01\n") != 3)
            return nullptr;
        index.close();
        serial.close();
        QFile ext(dir + "/expired.ext");
        if (!ext.open(QIODevice::WriteOnly))
            return nullptr;
        ext.write("subjectAltName=IP:127.0.0.1,DNS:localhost\nextendedKeyUsage=serverAuth\n");
        ext.close();
        if (!RunTool("openssl",
                     QStringList{"req"} + ecKey +
                         QStringList{"-keyout", "expired.key", "-out", "expired.csr", "-subj", "/CN=expired"},
                     dir) ||
            !RunTool("openssl",
                     {"ca", "-batch", "-config", "ca.cnf", "-cert", "ca.pem", "-keyfile", "ca.key", "-in",
                      "expired.csr", "-out", "expired.pem", "-startdate", "20200101000000Z", "-enddate",
                      "20200102000000Z", "-extfile", "expired.ext", "-notext"},
                     dir)) {
            return nullptr;
        }
        auto files = [&](const QString& name) {
            return CertificateFiles{(dir + "/" + name + ".pem").toStdString(),
                                    (dir + "/" + name + ".key").toStdString()};
        };
        return std::make_unique<TestCertificates>(TestCertificates{(dir + "/ca.pem").toStdString(),
                                                                   files("server"), files("other"),
                                                                   files("self"), files("expired")});
    }();
    return made.get();
}

// A port on 127.0.0.1 that the system just handed out and on which nothing listens any more.
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
        QString login = "sender";
        QString password = "secret-1";
        QStringList refusedRecipients = {};
        ServerCertificate certificate = ServerCertificate::kValid;
        bool noAuth = false;  // offers no login and takes mail without one
        // "greeting": answers nothing after it; "auth": no answer to the login; "mail": no answer to MAIL
        // FROM after the login.
        QString stall = {};
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
        const CertificateFiles& files = certificates->Of(options.certificate);
        arguments += {"--cert", QString::fromStdString(files.certFile), "--key",
                      QString::fromStdString(files.keyFile)};
        for (const auto& address : options.refusedRecipients)
            arguments += {"--refuse", address};
        if (options.noAuth)
            arguments += "--no-auth";
        if (!options.stall.isEmpty())
            arguments += {"--stall", options.stall};
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

    // What the server saw so far: auth-command, login, stalled and message events in order.
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
