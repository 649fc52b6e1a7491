#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <memory>
#include <string>

#include "app/program_icon.h"
#include "app/setup_main_dlg.h"
#include "core/models/app_settings.h"
#include "corvane_version.h"
#include "framework/cwinapp.h"
#include "support/dialog_test_support.h"
#include "support/fake_platform.h"
#include "support/modal_script.h"

namespace corvane {
namespace {

using testing::ChooseListEntry;
using testing::Click;

class MainWindowTest : public ::testing::Test {
  protected:
    // As the application does: every window shows the program's icon.
    MainWindowTest() { CWinApp::SetWindowIcon(ProgramWindowIcon()); }
    void Open() {
        dialog_ = std::make_unique<CSetupMainDlg>(settings_, platform_);
        ASSERT_TRUE(dialog_->Create());
    }
    QComboBox* List(int id) const { return dialog_->findChild<QComboBox*>(QString::number(id)); }
    QPushButton* Button(int id) const { return dialog_->findChild<QPushButton*>(QString::number(id)); }
    std::string Text(int id) const { return dialog_->GetDlgItemText(id); }
    std::string Entry(int id, int index) const { return List(id)->itemText(index).toStdString(); }
    int64_t Stored(const char* name) const {
        const auto it = platform_.preferenceKey.numbers.find(name);
        return it == platform_.preferenceKey.numbers.end() ? -1 : static_cast<int64_t>(it->second);
    }

    platform::FakePlatform platform_;
    AppSettings settings_;
    std::unique_ptr<CSetupMainDlg> dialog_;
};

TEST_F(MainWindowTest, CaptionsInEveryLanguage) {
    // camera, MMS, SMTP, update link, version, language label, model label; nullptr: the English text
    const char* const english[7] = {"Camera Setup",
                                    "MMS Setup",
                                    "Smtp Setup",
                                    "Click here to get the latest updates",
                                    "Version:" CORVANE_SHOWN_VERSION,
                                    "Select Language",
                                    "Camera Model"};
    const struct {
        int32_t language;
        const char* own[7];
    } cases[] = {
        {1,
         {"相机设置", "彩信设置", "SMTP设置", "获取最新版本程序更新", "程序版本:" CORVANE_SHOWN_VERSION,
          "选择语言", "机器型号"}},
        {2, {}},
        {3, {"Kamera Installation", "MMS Installation"}},
        {4, {"kamera-asetukset", "MMS valikot", nullptr, "paina tasta saadaksesi uusimmat paivitykset"}},
        {5, {"Setup camera", "impost. MMS"}},
        {6, {"Reglage camera", "Reglage MMS"}},
        {7, {"Kamera beallita", "MMS beol."}},
        {8, {"Nast. kamere", "Nastavi MMS"}},
        {9,
         {"Nastaveni", "Nastaveni MMS", "Nastaveni Smtp", "Stisknete pro update", nullptr, "Zvolit Jazyk",
          "Fotopast Model"}},
        {10, {"本体設定", "MMS設定", "SMTP設定"}},
    };
    const int ids[7] = {1000, 1001, 1002, 1076, 1077, 1078, 1079};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        settings_.language = c.language;
        settings_.systemIsChinese = c.language == 1;
        Open();
        for (int i = 0; i < 7; ++i) {
            EXPECT_EQ(Text(ids[i]), c.own[i] ? c.own[i] : english[i]) << "control " << ids[i];
        }
        EXPECT_EQ(dialog_->windowTitle().toStdString(), "Corvane");
        EXPECT_EQ(Entry(1080, 0), c.language == 1 ? "中文" : "Chinese");
        EXPECT_EQ(List(1080)->currentIndex(), c.language - 1);
        EXPECT_EQ(List(1080)->count(), 10);
        EXPECT_EQ(Entry(1080, 9), "Japanese");
    }
}

TEST_F(MainWindowTest, ChoosingALanguageSetsTextsAndStoresAtOnce) {
    const struct {
        const char* what;
        bool chineseSystem;
        int32_t language;
        bool chineseEntry;
        int initialPosition;
        int choose;
        int32_t language2;
        bool chineseEntry2;
        int64_t stored;
        const char* entry0;
        const char* camera;
    } cases[] = {
        {"Chinese system, to English", true, 1, false, 0, 1, 2, false, 2, "Chinese", "Camera Setup"},
        {"Chinese system, to Chinese", true, 2, false, 1, 0, 1, true, 1, "中文", "相机设置"},
        {"English system, to Chinese", false, 2, false, 1, 0, 2, true, 1, "Chinese", "Camera Setup"},
        {"stored Chinese on an English system, to English", false, 2, true, 0, 1, 2, false, 2, "Chinese",
         "Camera Setup"},
        {"German to Japanese", false, 3, false, 2, 9, 10, false, 10, "Chinese", "本体設定"},
        {"Japanese to German", false, 10, false, 9, 2, 3, false, 3, "Chinese", "Kamera Installation"},
        {"Czech chosen again", false, 9, false, 8, 8, 9, false, 9, "Chinese", "Nastaveni"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        platform_.preferenceKey.numbers.clear();
        settings_ = AppSettings{};
        settings_.systemIsChinese = c.chineseSystem;
        settings_.language = c.language;
        settings_.chineseEntrySelected = c.chineseEntry;
        settings_.model = 3;
        Open();
        EXPECT_EQ(List(1080)->currentIndex(), c.initialPosition);

        platform_.languagesUsed.clear();
        ChooseListEntry(List(1080), c.choose);
        EXPECT_EQ(settings_.language, c.language2);
        // Qt's own texts switch with the program's.
        EXPECT_EQ(platform_.languagesUsed, std::vector<int32_t>{c.language2});
        EXPECT_EQ(settings_.chineseEntrySelected, c.chineseEntry2);
        EXPECT_EQ(Stored("language"), c.stored);
        EXPECT_EQ(List(1080)->currentIndex(), c.choose);
        EXPECT_EQ(List(1080)->count(), 10);
        EXPECT_EQ(Entry(1080, 0), c.entry0);
        EXPECT_EQ(Text(1000), c.camera);
        // the model list and the model are left alone
        EXPECT_EQ(settings_.model, 3);
        EXPECT_EQ(List(1081)->currentIndex(), 2);
        EXPECT_EQ(Stored("model"), -1);
        EXPECT_FALSE(dialog_->IsEnded());
    }
}

TEST_F(MainWindowTest, ChoicesTakeEffectEvenWhenTheStoreCannotKeepThem) {
    platform_.preferenceKey.writable = false;
    platform_.preferenceKey.numbers["language"] = 2;
    Open();
    ChooseListEntry(List(1080), 5);
    ChooseListEntry(List(1081), 3);
    EXPECT_EQ(settings_.language, 6);
    EXPECT_EQ(Text(1000), "Reglage camera");
    EXPECT_EQ(settings_.model, 4);
    EXPECT_TRUE(Button(1002)->isEnabled());
    EXPECT_EQ(Stored("language"), 2);
    EXPECT_EQ(Stored("model"), -1);
}

TEST_F(MainWindowTest, ModelListStoresAtOnceAndOnlyMgModelsOfferEmail) {
    for (ModelId start = 1; start <= 4; ++start) {
        SCOPED_TRACE(start);
        settings_.model = start;
        settings_.language = 7;
        Open();
        EXPECT_EQ(List(1081)->currentIndex(), start - 1);
        EXPECT_EQ(Button(1002)->isEnabled(), start >= 3);
        EXPECT_EQ(Entry(1081, start - 1),
                  std::string(start % 2 ? "Vyn 8520" : "Vyn 8620") + (start >= 3 ? "MG" : "M"));
        for (const int p : {3, 0, 2, 1}) {
            ChooseListEntry(List(1081), p);
            EXPECT_EQ(settings_.model, p + 1);
            EXPECT_EQ(Stored("model"), p + 1);
            EXPECT_EQ(Button(1002)->isEnabled(), p + 1 >= 3) << "model " << p + 1;
            EXPECT_EQ(settings_.language, 7);
            EXPECT_EQ(List(1080)->currentIndex(), 6);
        }
    }
}

TEST_F(MainWindowTest, ModelOutsideTheFourShowsTheFirstEntryWithoutEmail) {
    for (const ModelId model : {0, 5, 0xFFFF}) {
        settings_.model = model;
        Open();
        EXPECT_EQ(List(1081)->currentIndex(), 0) << model;
        EXPECT_FALSE(Button(1002)->isEnabled()) << model;
        EXPECT_EQ(settings_.model, model) << "kept until the user picks a model";
    }
}

TEST_F(MainWindowTest, SetupButtonsEndTheWindowAndNameTheirDialog) {
    const struct {
        ModelId model;
        int button;
        SetupKind kind;
    } cases[] = {{1, 1000, SetupKind::kCamera},
                 {2, 1001, SetupKind::kMms},
                 {3, 1002, SetupKind::kSmtp},
                 {4, 1002, SetupKind::kSmtp},
                 {4, 1000, SetupKind::kCamera}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        settings_.model = c.model;
        Open();
        Click(dialog_.get(), c.button);
        EXPECT_TRUE(dialog_->IsEnded());
        EXPECT_EQ(dialog_->EndResult(), IDOK);
        EXPECT_FALSE(dialog_->isVisible());
        ASSERT_TRUE(dialog_->RequestedSetup().has_value());
        EXPECT_EQ(*dialog_->RequestedSetup(), c.kind);
    }
}

TEST_F(MainWindowTest, DisabledSmtpButtonAndUpdateLinkLeaveTheWindowOpen) {
    settings_.model = 2;
    Open();
    Click(dialog_.get(), 1002);
    EXPECT_FALSE(dialog_->IsEnded());

    Click(dialog_.get(), 1076);
    EXPECT_FALSE(dialog_->IsEnded());
    ASSERT_EQ(platform_.openedUrls.size(), 1u);
    EXPECT_EQ(platform_.openedUrls[0], UpdateUrl());
    EXPECT_EQ(platform_.openedUrls[0].rfind("https://", 0), 0u);
}

// Without a browser to start, the link says so and gives the address to open by hand.
TEST_F(MainWindowTest, UpdateLinkWithoutABrowserGivesTheAddress) {
    platform_.openUrlSucceeds = false;
    const std::string url = UpdateUrl();
    for (const auto& [language, sentence] :
         {std::pair<int32_t, std::string>{kEnglish, "No web browser could be started."},
          {kGerman, "No web browser could be started."},
          {kChinese, "无法启动网页浏览器。"}}) {
        SCOPED_TRACE(language);
        settings_.language = language;
        Open();
        platform_.messages.clear();
        Click(dialog_.get(), 1076);
        EXPECT_FALSE(dialog_->IsEnded());
        ASSERT_EQ(platform_.messages.size(), 1u);
        const std::string& message = platform_.messages[0];
        EXPECT_EQ(message.rfind(sentence, 0), 0u) << message;
        EXPECT_EQ(message.substr(message.size() - url.size()), url) << message;
    }
}

TEST_F(MainWindowTest, EscapeAndEnterCloseTheWindowWithoutASetupDialog) {
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        Open();
        List(1080)->setFocus();
        QTest::keyClick(List(1080), key);
        EXPECT_TRUE(dialog_->IsEnded()) << key;
        EXPECT_EQ(dialog_->EndResult(), key == Qt::Key_Escape ? IDCANCEL : IDOK);
        EXPECT_FALSE(dialog_->RequestedSetup().has_value());
    }
}

TEST_F(MainWindowTest, ContextMenuOffersTheAboutBox) {
    Open();
    QWidget* label = dialog_->findChild<QWidget*>("1077");
    ASSERT_NE(label, nullptr);
    std::string aboutTitle;
    std::string aboutName;
    bool aboutHasIcon = false;
    bool aboutHasWindowIcon = false;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QAction* about = nullptr;
        for (QAction* action : menu->actions()) {
            if (action->text() == "CopyRight") {
                about = action;
            }
        }
        ASSERT_NE(about, nullptr);
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            aboutTitle = box->windowTitle().toStdString();
            aboutName = box->objectName().toStdString();
            aboutHasWindowIcon = !box->windowIcon().isNull();
            for (QLabel* l : box->findChildren<QLabel*>()) {
                aboutHasIcon = aboutHasIcon || !l->pixmap().isNull();
            }
            Click(box, IDOK);
        });
        about->trigger();
        menu->hide();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), label->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(label, &event);

    EXPECT_EQ(aboutTitle, "About Setup");
    EXPECT_EQ(aboutName, "100");
    EXPECT_TRUE(aboutHasIcon);
    EXPECT_TRUE(aboutHasWindowIcon);
    EXPECT_FALSE(dialog_->IsEnded());
    EXPECT_FALSE(dialog_->windowIcon().isNull());

    // Commands whose value with the low four bits cleared is 0x0010 open it; others do not.
    testing::ModalScript closeAll({});
    dialog_->OnSysCommand(0x0013);
    dialog_->OnSysCommand(0xF060);
    dialog_->OnSysCommand(0x0020);
    EXPECT_EQ(closeAll.Seen(), std::vector<std::string>{"100"});
}

}  // namespace
}  // namespace corvane
