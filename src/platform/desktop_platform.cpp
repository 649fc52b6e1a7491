#include "platform/desktop_platform.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

#include "platform/curl_test_mail_sender.h"
#include "platform/mounted_volumes.h"

namespace corvane::platform {

namespace {
QWidget* OwnerWindow() {
    return QApplication::activeModalWidget() != nullptr ? QApplication::activeModalWidget()
                                                        : QApplication::activeWindow();
}
}  // namespace

DesktopPlatform::DesktopPlatform(QIcon programIcon)
    : programIcon_(std::move(programIcon)),
      key_(MakeSystemPreferenceKey()),
      store_(std::make_unique<PreferenceStore>(*key_)),
      mailSender_(std::make_unique<CurlTestMailSender>(TestMailCaFileFromEnvironment())) {}

DesktopPlatform::~DesktopPlatform() = default;

void DesktopPlatform::ShowMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Corvane"), QString::fromStdString(text),
                    QMessageBox::Ok, OwnerWindow());
    // Texts carry folder names, which may look like markup; show them exactly as given.
    box.setTextFormat(Qt::PlainText);
    if (!programIcon_.isNull()) {
        box.setIconPixmap(programIcon_.pixmap(32, 32));
        box.setWindowIcon(programIcon_);
    }
    box.exec();
}

void DesktopPlatform::ShowFrameworkMessage(const std::string& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("corvane"), QString::fromStdString(text),
                    QMessageBox::Ok, OwnerWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool DesktopPlatform::AskYesNo(const std::string& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Corvane"), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, OwnerWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

TestMailSender& DesktopPlatform::MailSender() {
    return *mailSender_;
}

std::string DesktopPlatform::BrowseForFolder() {
    // Qt's own folder browser: a desktop's native one would speak the system's language, not the program's.
    const QString folder = QFileDialog::getExistingDirectory(
        OwnerWindow(), QString(), QString(), QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    return folder.isEmpty() ? std::string() : QDir::toNativeSeparators(folder).toStdString();
}

bool DesktopPlatform::OpenUrl(const std::string& url) {
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

LocalTime DesktopPlatform::Now() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

uint16_t DesktopPlatform::SystemLanguageId() {
    return SystemDefaultLanguageId();
}

void DesktopPlatform::UseLanguage(int32_t language) {
    qtTranslations_.Follow(language);
}

PreferenceStore& DesktopPlatform::Preferences() {
    return *store_;
}

std::string DesktopPlatform::DefaultOutputFolder() {
#ifdef Q_OS_WIN
    return "C:\\";
#else
    return QDir::toNativeSeparators(QDir::homePath()).toStdString();
#endif
}

std::vector<Volume> DesktopPlatform::MountedVolumes() {
    return ReadMountedVolumes(MediaUser());
}

std::string DesktopPlatform::MediaUser() {
    return CurrentUserName();
}

}  // namespace corvane::platform
