// The file browser for settings files, beside the folder browser of desktop_platform.cpp.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "platform/desktop_platform.h"
#include "platform/linux/qt_window_icon.h"

namespace corvane::platform {

std::string DesktopPlatform::BrowseForSettingsFile(bool save, const std::string& startFolder) {
    QString start = QDir::fromNativeSeparators(QString::fromStdString(startFolder));
    if (start.isEmpty() || !QFileInfo(start).isDir()) {
        start = QDir::homePath();
    }
    QWidget* owner = QApplication::activeModalWidget() != nullptr ? QApplication::activeModalWidget()
                                                                  : QApplication::activeWindow();
    QFileDialog browser(owner);
    // Qt's own browser, as for folders: it speaks the program's language.
    browser.setOption(QFileDialog::DontUseNativeDialog);
    browser.setNameFilters({QStringLiteral("Corvane settings (*.toml)"), QStringLiteral("All files (*)")});
    browser.setDirectory(start);
    if (save) {
        browser.setAcceptMode(QFileDialog::AcceptSave);
        browser.setFileMode(QFileDialog::AnyFile);
        browser.setDefaultSuffix(QStringLiteral("toml"));
    } else {
        browser.setAcceptMode(QFileDialog::AcceptOpen);
        browser.setFileMode(QFileDialog::ExistingFile);
    }
    ShowWindowIcon(browser, programIcon_);
    if (browser.exec() != QDialog::Accepted || browser.selectedFiles().isEmpty()) {
        return {};
    }
    return QDir::toNativeSeparators(browser.selectedFiles().constFirst()).toStdString();
}

}  // namespace corvane::platform
