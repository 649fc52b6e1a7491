#include "platform/desktop_platform.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace corvane::platform {
namespace {

// A dark green square of 32 pixels.
WindowIcon TestIcon() {
    static const std::vector<uint32_t> pixels(32 * 32, 0xff006400u);
    static const IconImage image{32, pixels.data()};
    return {std::span<const IconImage>(&image, 1), {}};
}

struct SeenBox {
    std::string title;
    std::string text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool hasPixmap = false;
    bool hasWindowIcon = false;
    int buttons = 0;
    bool okOnly = false;
};

TEST(DesktopPlatform, MessageBoxesHaveTheirTitleIconAndOneOk) {
    DesktopPlatform platform(TestIcon());
    for (const bool framework : {false, true}) {
        SeenBox seen;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seen.title = box->windowTitle().toStdString();
            seen.text = box->text().toStdString();
            seen.icon = box->icon();
            seen.hasPixmap = !box->iconPixmap().isNull();
            seen.hasWindowIcon = !box->windowIcon().isNull();
            seen.buttons = static_cast<int>(box->buttons().size());
            seen.okOnly = box->standardButtons() == QMessageBox::Ok;
            box->button(QMessageBox::Ok)->click();
        });
        if (framework) {
            platform.ShowFrameworkMessage("请键入一个整数。");
            EXPECT_EQ(seen.title, "corvane");
            EXPECT_EQ(seen.text, "请键入一个整数。");
            EXPECT_EQ(seen.icon, QMessageBox::Warning);
        } else {
            platform.ShowMessage("Vyn 8620 Configuration file is generated");
            EXPECT_EQ(seen.title, "Corvane");
            EXPECT_EQ(seen.text, "Vyn 8620 Configuration file is generated");
            EXPECT_TRUE(seen.hasPixmap) << "the program's icon";
        }
        EXPECT_TRUE(seen.hasWindowIcon) << "the program's icon on the window";
        EXPECT_EQ(seen.buttons, 1);
        EXPECT_TRUE(seen.okOnly);
    }
}

// Messages name folders, which may hold anything: a name that looks like markup is shown as typed.
TEST(DesktopPlatform, MessageTextsAreShownVerbatim) {
    DesktopPlatform platform(TestIcon());
    const QString text =
        QStringLiteral("The file /media/<b>card</b>/menu.dat could not be written: No such file (open).");
    ASSERT_TRUE(Qt::mightBeRichText(text)) << "a text Qt would otherwise render as markup";
    for (const bool framework : {false, true}) {
        SCOPED_TRACE(framework);
        std::optional<Qt::TextFormat> format;
        std::string shown;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            format = box->textFormat();
            shown = box->text().toStdString();
            box->button(QMessageBox::Ok)->click();
        });
        if (framework) {
            platform.ShowFrameworkMessage(text.toStdString());
        } else {
            platform.ShowMessage(text.toStdString());
        }
        EXPECT_EQ(format, Qt::PlainText);
        EXPECT_EQ(shown, text.toStdString());
    }
}

TEST(DesktopPlatform, CancelledFolderBrowserAnswersEmpty) {
    DesktopPlatform platform(TestIcon());
    bool browserSeen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        browserSeen = dialog != nullptr;
        if (dialog != nullptr) {
            dialog->reject();
        }
    });
    EXPECT_EQ(platform.BrowseForFolder(QDir::homePath().toStdString()), "");
    EXPECT_TRUE(browserSeen);
}

// The browser opens at the folder it is given, or at the nearest folder above it that still exists (a
// card taken out leaves a path that leads nowhere), and answers the folder the user takes.
TEST(DesktopPlatform, FolderBrowserOpensAtTheStartFolderOrItsNearestExistingParent) {
    DesktopPlatform platform(TestIcon());
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("cards/CAM01"));
    const QString cards = QDir(dir.path()).filePath("cards");
    const QString card = QDir(cards).filePath("CAM01");
    struct Case {
        QString start;
        QString opened;
    };
    const Case cases[] = {
        {card, card},
        {card + "/", card},
        {cards + "/gone/DCIM", cards},
        {QString(), QDir::homePath()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start.toStdString());
        QString opened;
        QList<QUrl> places;
        QTimer::singleShot(0, [&] {
            auto* browser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(browser, nullptr);
            opened = browser->directory().absolutePath();
            places = browser->sidebarUrls();
            static_cast<QDialog*>(browser)->accept();  // the OK button
        });
        const std::string chosen = platform.BrowseForFolder(c.start.toStdString());
        EXPECT_EQ(opened, c.opened);
        EXPECT_EQ(chosen, QDir::toNativeSeparators(c.opened).toStdString()) << "the folder shown is taken";
        EXPECT_TRUE(places.contains(QUrl::fromLocalFile(QDir::homePath())));
    }
}

TEST(DesktopPlatform, ClockLanguageAndDefaultFolderComeFromTheSystem) {
    DesktopPlatform platform(TestIcon());
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    const LocalTime now = platform.Now();
    const QDateTime after = QDateTime::currentDateTime().addSecs(1);
    const QDateTime seen(QDate(now.year, now.month, now.day), QTime(now.hour, now.minute, now.second));
    EXPECT_TRUE(seen.isValid());
    EXPECT_LE(before.toSecsSinceEpoch(), seen.toSecsSinceEpoch());
    EXPECT_GE(after.toSecsSinceEpoch(), seen.toSecsSinceEpoch());

    const char* saved = std::getenv("LC_ALL");
    const std::optional<std::string> savedAll = saved ? std::optional<std::string>(saved) : std::nullopt;
    setenv("LC_ALL", "de_LI.UTF-8", 1);
    EXPECT_EQ(platform.SystemLanguageId(), 0x1407);
    setenv("LC_ALL", "zh_CN.UTF-8", 1);
    EXPECT_EQ(platform.SystemLanguageId(), 0x0804);
    savedAll ? setenv("LC_ALL", savedAll->c_str(), 1) : unsetenv("LC_ALL");

    EXPECT_EQ(platform.DefaultOutputFolder(), QDir::toNativeSeparators(QDir::homePath()).toStdString());
    EXPECT_TRUE(platform.FolderExists(QDir::homePath().toStdString()));
    EXPECT_FALSE(platform.FolderExists(QDir::homePath().toStdString() + "/no such folder"));
    EXPECT_FALSE(platform.FolderExists(""));
}

TEST(DesktopPlatform, PreferencesLiveInTheConfigFolder) {
    DesktopPlatform platform(TestIcon());
    PreferenceStore& store = platform.Preferences();
    int32_t language = 0;
    store.ReadLanguage(language, 2);  // creates the file when missing
    ASSERT_TRUE(store.WriteModel(3));
    const QString file = QString::fromLocal8Bit(std::getenv("XDG_CONFIG_HOME")) + "/Corvane/Corvane.conf";
    QFile conf(file);
    ASSERT_TRUE(conf.open(QIODevice::ReadOnly)) << file.toStdString();
    EXPECT_TRUE(conf.readAll().contains("model=3\n"));
}

}  // namespace
}  // namespace corvane::platform
