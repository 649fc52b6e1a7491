#include "platform/desktop_platform.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include "platform/linux/qt_window_icon.h"
#include "platform/module_test_mail_sender.h"
#include "platform/mounted_volumes.h"

namespace corvane::platform {

namespace {
QWidget* OwnerWindow() {
    return QApplication::activeModalWidget() != nullptr ? QApplication::activeModalWidget()
                                                        : QApplication::activeWindow();
}
}  // namespace

DesktopPlatform::DesktopPlatform(WindowIcon programIcon, std::string testMailCaFile)
    : programIcon_(std::move(programIcon)),
      testMailCaFile_(std::move(testMailCaFile)),
      key_(MakeSystemPreferenceKey()),
      store_(std::make_unique<PreferenceStore>(*key_)) {}

DesktopPlatform::~DesktopPlatform() = default;

void DesktopPlatform::ShowMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Corvane"), QString::fromStdString(text),
                    QMessageBox::Ok, OwnerWindow());
    // Texts carry folder names, which may look like markup; show them exactly as given.
    box.setTextFormat(Qt::PlainText);
    if (const QIcon icon = ToQIcon(programIcon_); !icon.isNull()) {
        box.setIconPixmap(icon.pixmap(32, 32));
    }
    ShowWindowIcon(box, programIcon_);
    box.exec();
}

void DesktopPlatform::ShowFrameworkMessage(const std::string& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("corvane"), QString::fromStdString(text),
                    QMessageBox::Ok, OwnerWindow());
    box.setTextFormat(Qt::PlainText);
    ShowWindowIcon(box, programIcon_);
    box.exec();
}

bool DesktopPlatform::AskYesNo(const std::string& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Corvane"), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, OwnerWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    ShowWindowIcon(box, programIcon_);
    return box.exec() == QMessageBox::Yes;
}

TestMailSender& DesktopPlatform::MailSender() {
    if (!mailSender_) {
        mailSender_ = std::make_unique<ModuleTestMailSender>(
            MailModuleFile(QCoreApplication::applicationDirPath().toStdString()), testMailCaFile_);
    }
    return *mailSender_;
}

std::string DesktopPlatform::BrowseForFolder(const std::string& startFolder) {
    // The places list: home, the file system's root, then every removable volume and camera card.
    QList<QUrl> places = {QUrl::fromLocalFile(QDir::homePath()), QUrl::fromLocalFile(QDir::rootPath())};
    for (const Volume& volume : MountedVolumes()) {
        if (volume.removable || IsCameraCard(volume)) {
            places.append(QUrl::fromLocalFile(QString::fromStdString(volume.rootPath)));
        }
    }
    // A folder that is gone (a card taken out) opens at its nearest existing parent.
    QString start = QDir::cleanPath(QDir::fromNativeSeparators(QString::fromStdString(startFolder)));
    while (!start.isEmpty() && !QFileInfo(start).isDir()) {
        const QString parent = QFileInfo(start).path();
        start = parent != start ? parent : QString();
    }
    QFileDialog browser(OwnerWindow());
    browser.setFileMode(QFileDialog::Directory);
    browser.setOption(QFileDialog::ShowDirsOnly);
    // Qt's own folder browser: a desktop's native one would speak the system's language, not the program's,
    // and would not show the places list.
    browser.setOption(QFileDialog::DontUseNativeDialog);
    browser.setSidebarUrls(places);
    browser.setDirectory(start.isEmpty() ? QDir::homePath() : start);
    ShowWindowIcon(browser, programIcon_);
    if (browser.exec() != QDialog::Accepted || browser.selectedFiles().isEmpty()) {
        return {};
    }
    return QDir::toNativeSeparators(browser.selectedFiles().constFirst()).toStdString();
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
    return SystemDefaultOutputFolder();
}

std::string DesktopPlatform::HomeFolder() {
    return QDir::toNativeSeparators(QDir::homePath()).toStdString();
}

bool DesktopPlatform::FolderExists(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).isDir();
}

std::vector<Volume> DesktopPlatform::MountedVolumes() {
    return volumes_.Read(MediaUser());
}

bool DesktopPlatform::IsMediaMountFolder(const std::string& folder) {
    return platform::IsMediaMountFolder(folder, MediaUser());
}

std::string DesktopPlatform::MediaUser() {
    // The process's user does not change; the user database is read once.
    if (!mediaUser_) {
        mediaUser_ = CurrentUserName();
    }
    return *mediaUser_;
}

}  // namespace corvane::platform
