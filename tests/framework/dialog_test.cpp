// The dialog framework on a small test dialog: building from a template, data exchange, notifications,
// typing rules, and the Enter/Escape/close routing.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/controls.h"
#include "framework/cwinapp.h"
#include "support/fake_platform.h"
#include "support/modal_script.h"
#include "test_dialog.h"

namespace corvane::test {
namespace {

using corvane::testing::ModalScript;

class DialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dialog = std::make_unique<TestDialog>(platform);
        ASSERT_TRUE(dialog->Create());
        QApplication::setActiveWindow(dialog.get());
        dialog->events.clear();
    }

    QLineEdit* Edit(int id) const { return dialog->findChild<QLineEdit*>(QString::number(id)); }
    QComboBox* List(int id) const { return dialog->findChild<QComboBox*>(QString::number(id)); }
    QPushButton* Button(int id) const { return dialog->findChild<QPushButton*>(QString::number(id)); }

    // Puts text into an edit without any notification, as if it had been typed before the test.
    void Preset(int id, const QString& text) const {
        const QSignalBlocker quiet(Edit(id));
        Edit(id)->setText(text);
    }

    platform::FakePlatform platform;
    std::unique_ptr<TestDialog> dialog;
};

// Types text key by key, as a keyboard or an input method delivers it (any characters, not only ASCII).
void Type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

// --- building from the template ---------------------------------------------------------------------------

TEST_F(DialogTest, ObjectNamesAreIdsAndKindsFollowTheTemplate) {
    EXPECT_EQ(dialog->objectName(), "900");
    for (const ControlTemplate& control : TestTemplate().controls) {
        if (control.id == kNoId) {
            continue;
        }
        QWidget* widget = dialog->findChild<QWidget*>(QString::number(control.id));
        ASSERT_NE(widget, nullptr) << control.id;
        switch (control.kind) {
            case ControlKind::kEdit:
                EXPECT_NE(qobject_cast<QLineEdit*>(widget), nullptr) << control.id;
                EXPECT_NE(dialog->GetEdit(control.id), nullptr);
                break;
            case ControlKind::kDropDownList:
                EXPECT_NE(qobject_cast<QComboBox*>(widget), nullptr) << control.id;
                EXPECT_FALSE(qobject_cast<QComboBox*>(widget)->isEditable());
                EXPECT_NE(dialog->GetComboBox(control.id), nullptr);
                break;
            case ControlKind::kPushButton:
            case ControlKind::kDefPushButton:
                EXPECT_NE(qobject_cast<QPushButton*>(widget), nullptr) << control.id;
                EXPECT_NE(dialog->GetButton(control.id), nullptr);
                break;
            default:
                break;
        }
    }
    // Controls without an id get no name; asking for a wrong kind gives nothing.
    EXPECT_EQ(dialog->findChild<QGroupBox*>()->objectName(), "");
    EXPECT_EQ(dialog->GetComboBox(1001), nullptr);
    EXPECT_EQ(dialog->GetDlgItem(4242), nullptr);
    EXPECT_EQ(dialog->GetDefID(), 1);
    EXPECT_TRUE(Edit(1005)->isReadOnly());
    EXPECT_FALSE(List(1011)->isEnabled());
    EXPECT_EQ(Edit(1001)->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
}

TEST_F(DialogTest, FramesStayBehindTheControlsTheySurround) {
    QPushButton* ok = Button(1);
    const QPoint centre = ok->geometry().center();
    EXPECT_EQ(dialog->childAt(centre), ok);
    QTest::mouseClick(Button(1020), Qt::LeftButton);
    EXPECT_EQ(dialog->events, (std::vector<std::string>{"clicked 1020"}));
    // Painted first, whatever their place in the template.
    QFrame* frame = nullptr;
    for (QFrame* candidate : dialog->findChildren<QFrame*>(Qt::FindDirectChildrenOnly)) {
        if (candidate->objectName().isEmpty() && candidate->metaObject() == &QFrame::staticMetaObject) {
            frame = candidate;
        }
    }
    ASSERT_NE(frame, nullptr);
    EXPECT_LT(dialog->children().indexOf(frame), dialog->children().indexOf(ok));
    // An icon control without a size takes the icon's.
    EXPECT_EQ(dialog->findChild<QLabel*>("1030")->size(), QSize(32, 32));
}

TEST_F(DialogTest, HandlesAnswerForTheirControlAndNothingWhenUnbound) {
    CWnd* label = dialog->GetDlgItem(1030);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->GetDlgCtrlID(), 1030);
    CButton* other = dialog->GetButton(1020);
    other->SetWindowText("Weiter");
    EXPECT_EQ(Button(1020)->text(), "Weiter");
    EXPECT_EQ(other->GetWindowText(), "Weiter");
    other->ShowWindow(SW_HIDE);
    EXPECT_FALSE(other->IsWindowVisible());
    other->ShowWindow(SW_SHOW);
    EXPECT_TRUE(Button(1020)->isVisible());
    other->EnableWindow(false);
    EXPECT_FALSE(Button(1020)->isEnabled());
    dialog->GetComboBox(1010)->SetCurSel(1);
    EXPECT_EQ(dialog->GetDlgItemText(1010), "one");
    dialog->SetWindowText("Corvane 8620");
    EXPECT_EQ(dialog->windowTitle(), "Corvane 8620");

    CComboBox unbound;
    EXPECT_FALSE(unbound);
    EXPECT_EQ(unbound.AddString("x"), CB_ERR);
    const std::string_view entries[] = {"x", "y"};
    EXPECT_EQ(unbound.AddStrings(entries), CB_ERR);
    EXPECT_EQ(unbound.GetCurSel(), CB_ERR);
    EXPECT_EQ(unbound.GetCount(), 0);
    EXPECT_EQ(unbound.GetWindowText(), "");
    unbound.EnableWindow(false);
    CEdit wrongKind;
    CDataExchange dx(*dialog, false);
    DDX_Control(dx, 1010, wrongKind);  // a list is no edit
    EXPECT_FALSE(wrongKind);
    dialog->SetDlgItemText(4242, "nowhere");
    EXPECT_EQ(dialog->GetDlgItemText(4242), "");
}

TEST_F(DialogTest, ListIndexExchange) {
    int32_t index = 2;
    CDataExchange load(*dialog, false);
    DDX_CBIndex(load, 1010, index);
    EXPECT_EQ(List(1010)->currentIndex(), 2);
    EXPECT_TRUE(dialog->events.empty());
    List(1010)->setCurrentIndex(1);
    CDataExchange save(*dialog, true);
    DDX_CBIndex(save, 1010, index);
    EXPECT_EQ(index, 1);
    dialog->GetComboBox(1010)->SetCurSel(-1);
    DDX_CBIndex(save, 1010, index);
    EXPECT_EQ(index, CB_ERR);
}

TEST(DialogUnits, MulDivRoundsHalfAwayFromZero) {
    struct Case {
        int number, numerator, denominator, expected;
    };
    const Case cases[] = {
        {5, 7, 4, 9},                    // 8.75
        {6, 6, 4, 9},                    // exact
        {1, 6, 4, 2},                    // 1.5 up
        {-1, 6, 4, -2},                  // -1.5 away from zero
        {3, 5, 8, 2},                    // 1.875
        {1, 4, 8, 1},                    // 0.5 up
        {1, 3, 8, 0},                    // 0.375 down
        {7, 1, 0, -1},                   // no denominator
        {2147483647, 2, 1, -1},          // does not fit
        {2147483647, 2, 2, 2147483647},  // the product may exceed 32 bits
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.expected)
            << c.number << "*" << c.numerator << "/" << c.denominator;
    }
}

TEST(DialogUnits, BaseUnitsConvertEachEdgeOnItsOwn) {
    const DialogBaseUnits units{7, 15};
    // x 3*7/4 = 5.25, y 5*15/8 = 9.375, w 10*7/4 = 17.5, h 14*15/8 = 26.25
    EXPECT_EQ(units.ToPixels(3, 5, 10, 14), QRect(5, 9, 18, 26));
}

TEST_F(DialogTest, ControlsSitAtTheDialogFontsBaseUnits) {
    // The font: SimSun when installed, otherwise a font that can show Chinese.
    const QString family = QFontInfo(dialog->font()).family();
    if (!QFontDatabase::families().contains("SimSun")) {
        EXPECT_TRUE(QFontDatabase::writingSystems(family).contains(QFontDatabase::SimplifiedChinese))
            << family.toStdString();
    }
    EXPECT_EQ(dialog->font().pointSize(), 9);

    // Base units from the font's own metrics: average of the 52 letters, rounded; the line height.
    const QFontMetrics metrics(dialog->font());
    int sum = 0;
    for (char c = 'A'; c <= 'Z'; ++c) {
        sum += metrics.horizontalAdvance(QChar(c)) + metrics.horizontalAdvance(QChar(c + ('a' - 'A')));
    }
    const int cx = static_cast<int>(sum / 52.0 + 0.5);
    const int cy = metrics.height();
    EXPECT_EQ(dialog->BaseUnits().cx, cx);
    EXPECT_EQ(dialog->BaseUnits().cy, cy);

    const auto px = [&](int dlu, int base, int div) {
        return static_cast<int>(dlu * base / static_cast<double>(div) + 0.5);
    };
    // Edit 1002 at 50, 26, 80 x 12.
    EXPECT_EQ(Edit(1002)->geometry(), QRect(px(50, cx, 4), px(26, cy, 8), px(80, cx, 4), px(12, cy, 8)));
    // Button 2 at 130, 102, 50 x 14.
    EXPECT_EQ(Button(2)->geometry(), QRect(px(130, cx, 4), px(102, cy, 8), px(50, cx, 4), px(14, cy, 8)));
    // The client area is 200 x 124 dialog units.
    EXPECT_EQ(dialog->size(), QSize(px(200, cx, 4), px(124, cy, 8)));
    // A list's template height is its opened height; the closed box is one line.
    EXPECT_EQ(List(1010)->x(), px(140, cx, 4));
    EXPECT_LT(List(1010)->height(), px(60, cy, 8));
}

TEST(DialogColorsTest, ProgramWideColoursReachDialogsBuiltWhileTheApplicationLives) {
    platform::FakePlatform platform;
    auto app = std::make_unique<CWinApp>();
    app->SetDialogBkColor({111, 153, 224}, {255, 255, 255});
    TestDialog coloured(platform);
    app.reset();
    TestDialog plain(platform);

    EXPECT_EQ(coloured.palette().color(QPalette::Window), QColor(111, 153, 224));
    const QLabel* label = coloured.findChild<QLabel*>();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    // Edits keep their own text colour.
    const auto* edit = coloured.findChild<QLineEdit*>("1002");
    EXPECT_NE(edit->palette().color(QPalette::Text), QColor(255, 255, 255));
    EXPECT_NE(plain.palette().color(QPalette::Window), QColor(111, 153, 224));
}

// --- data exchange ----------------------------------------------------------------------------------------

TEST_F(DialogTest, RefreshWritesMembersAndSetsTypingLimits) {
    dialog->length = -5;
    dialog->name = "héllo";
    dialog->hour = 23;
    dialog->note = "fixed";
    ASSERT_TRUE(dialog->UpdateData(false));
    EXPECT_EQ(Edit(1001)->text(), "-5");
    EXPECT_EQ(Edit(1002)->text(), "héllo");
    EXPECT_EQ(Edit(1003)->text(), "23");
    EXPECT_EQ(Edit(1005)->text(), "fixed");
    EXPECT_EQ(dialog->GetEdit(1002)->GetLimitText(), 6);
    EXPECT_EQ(dialog->GetEdit(1001)->GetLimitText(), 0);
    EXPECT_TRUE(dialog->list);  // bound by the exchange
}

TEST_F(DialogTest, PassReadsEveryFieldWhenAllChecksPass) {
    struct Case {
        QString length, name, hour, phone;
        int32_t lengthValue, hourValue;
    };
    // Bounds pass; lengths are bytes (中文 is 6).
    const Case cases[] = {
        {"60", "abcdef", " 7 ", "12345", 60, 7},
        {"1", "中文", "0", "", 1, 0},
        {"+30", "", "23", "1", 30, 23},
    };
    for (const Case& c : cases) {
        Preset(1001, c.length);
        Preset(1002, c.name);
        Preset(1003, c.hour);
        Preset(1004, c.phone);
        ASSERT_TRUE(dialog->UpdateData(true)) << c.length.toStdString();
        EXPECT_EQ(dialog->length, c.lengthValue);
        EXPECT_EQ(dialog->name, c.name.toStdString());
        EXPECT_EQ(dialog->hour, c.hourValue);
        EXPECT_EQ(dialog->phone, c.phone.toStdString());
    }
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.frameworkMessages.empty());
}

TEST_F(DialogTest, PassStopsAtTheFirstFailedCheck) {
    struct Case {
        const char* what;
        int field;
        QString text;
        int32_t language;
        std::string message;           // shown through ShowMessage
        std::string frameworkMessage;  // shown through ShowFrameworkMessage
        int32_t length;                // members after the pass
        std::string name;
        int32_t hour;
        std::string phone;
    };
    const Case cases[] = {
        {"below the program's range", 1001, "0", 2, "Please enter an integer between 1 and 60!", "", 0, "abc",
         0, ""},
        {"above the range, Chinese", 1001, "61", 1, "请输入一个介于1和60之间的值!", "", 61, "abc", 0, ""},
        {"empty integer", 1001, "", 2, "", "Please enter an integer.", 10, "abc", 0, ""},
        {"empty integer, Chinese", 1001, "", 1, "", "请键入一个整数。", 10, "abc", 0, ""},
        {"not an integer", 1001, "12a", 5, "", "Please enter an integer.", 10, "abc", 0, ""},
        {"wider than 32 bits", 1001, "99999999999", 2, "", "Please enter an integer.", 10, "abc", 0, ""},
        {"too many bytes", 1002, "abcdefg", 2, "", "Please enter no more than 6 characters.", 20, "abcdefg",
         0, ""},
        {"too many bytes, Chinese", 1002, "abcdefg", 1, "", "“请填入不多于6个的字符。”", 20, "abcdefg", 0,
         ""},
        {"three characters, nine bytes", 1002, "中文字", 10, "", "Please enter no more than 6 characters.",
         20, "中文字", 0, ""},
        {"framework range", 1003, "24", 1, "", "“请填入一个在0和23之间的整数。”", 20, "ok", 24, ""},
        {"framework range, English", 1003, "24", 3, "", "Please enter an integer between 0 and 23.", 20, "ok",
         24, ""},
        {"phone too long", 1004, "123456", 2, "The max allowable number of digits phone 5!", "", 20, "ok", 5,
         "123456"},
        {"phone too long, Chinese", 1004, "123456", 1, "最大允许手机号码位数 5!", "", 20, "ok", 5, "123456"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dialog->length = 10;
        dialog->name = "abc";
        dialog->hour = 0;
        dialog->phone = "";
        dialog->language = c.language;
        dialog->SetMessageLanguage(c.language);
        platform.messages.clear();
        platform.frameworkMessages.clear();
        // Valid text before the failing field, text that would change the members after it.
        Preset(1001, "20");
        Preset(1002, "ok");
        Preset(1003, "5");
        Preset(1004, "98765");
        Preset(c.field, c.text);
        Edit(1005)->setFocus();

        EXPECT_FALSE(dialog->UpdateData(true));

        EXPECT_EQ(platform.messages, c.message.empty() ? std::vector<std::string>{} : std::vector{c.message});
        EXPECT_EQ(platform.frameworkMessages,
                  c.frameworkMessage.empty() ? std::vector<std::string>{} : std::vector{c.frameworkMessage});
        EXPECT_EQ(dialog->length, c.length);
        EXPECT_EQ(dialog->name, c.name);
        EXPECT_EQ(dialog->hour, c.hour);
        EXPECT_EQ(dialog->phone, c.phone);
        EXPECT_EQ(dialog->focusWidget(), Edit(c.field));
        EXPECT_EQ(Edit(c.field)->selectedText(), c.text);
    }
}

// Until a dialog sets its message language, the framework speaks Chinese, as it always did.
TEST_F(DialogTest, FrameworkMessagesAreChineseUntilALanguageIsSet) {
    Preset(1003, "x");
    EXPECT_FALSE(dialog->UpdateData(true));
    EXPECT_EQ(platform.frameworkMessages, std::vector<std::string>{"请键入一个整数。"});
}

// A field whose typed text fails its check, in the middle of typing, shows nothing, takes no focus and
// selects nothing, so that every typed key lands; the member keeps its last valid value and a refresh
// leaves the typed text alone. Leaving the field (Tab, or a click on another control once the click is
// done) shows the message once, in the dialog's language, and puts the focus back with the text
// selected.
class TypingTest : public DialogTest {
  protected:
    void SetUp() override {
        DialogTest::SetUp();
        dialog->language = 2;
        dialog->SetMessageLanguage(2);
        // A pass and a refresh on every change, as the setup dialogs do.
        for (int id : {1001, 1003, 1004}) {
            dialog->AddHandler(id, Notification::kEditChange, [this, id] {
                dialog->UpdateData(true);
                dialog->UpdateData(false);
                dialog->events.push_back("change " + std::to_string(id));
            });
        }
        ASSERT_TRUE(dialog->UpdateData(false));
    }
    // Runs what the dialog queued for once the event loop is back.
    static void RunQueued() { QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall); }
    std::vector<std::string> AllMessages() const {
        std::vector<std::string> all = platform.messages;
        all.insert(all.end(), platform.frameworkMessages.begin(), platform.frameworkMessages.end());
        return all;
    }
};

TEST_F(TypingTest, ChecksWaitUntilTheFieldIsLeft) {
    struct Case {
        const char* what;
        int field;
        std::vector<QString> keys;  // typed after selecting the text; "\b" is Backspace
        std::string shown;
        std::string message;  // when left
    };
    const Case cases[] = {
        {"emptied", 1001, {"\b"}, "", "Please enter an integer."},
        {"range passed half-way", 1001, {"9", "9"}, "99", "Please enter an integer between 1 and 60!"},
        {"framework range", 1003, {"2", "4"}, "24", "Please enter an integer between 0 and 23."},
        {"the program's length check",
         1004,
         {"1", "2", "3", "4", "5", "6"},
         "123456",
         "The max allowable number of digits phone 5!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dialog->length = 10;
        dialog->hour = 0;
        dialog->phone.clear();
        ASSERT_TRUE(dialog->UpdateData(false));
        const int32_t length = dialog->length;
        const int32_t hour = dialog->hour;
        platform.messages.clear();
        platform.frameworkMessages.clear();
        Edit(c.field)->setFocus();
        Edit(c.field)->selectAll();
        for (const QString& key : c.keys) {
            if (key == "\b") {
                QTest::keyClick(Edit(c.field), Qt::Key_Backspace);
            } else {
                Type(Edit(c.field), key);
            }
        }
        RunQueued();
        EXPECT_TRUE(AllMessages().empty()) << "nothing while typing";
        EXPECT_EQ(Edit(c.field)->text().toStdString(), c.shown) << "every key landed";
        EXPECT_EQ(dialog->focusWidget(), Edit(c.field));
        EXPECT_FALSE(Edit(c.field)->hasSelectedText());
        if (c.field == 1001 && c.keys.size() == 2) {
            EXPECT_EQ(dialog->length, 9) << "the last valid value";
        } else if (c.field == 1001) {
            EXPECT_EQ(dialog->length, length);
        }
        if (c.field == 1003) {
            EXPECT_EQ(dialog->hour, 2) << "the last valid value";
        }
        EXPECT_EQ(dialog->hour == hour || c.field == 1003, true);

        QTest::keyClick(Edit(c.field), Qt::Key_Tab);
        EXPECT_TRUE(AllMessages().empty()) << "shown once the event loop is back";
        RunQueued();
        EXPECT_EQ(AllMessages(), std::vector<std::string>{c.message});
        EXPECT_EQ(dialog->focusWidget(), Edit(c.field)) << "back in the field left";
        EXPECT_EQ(Edit(c.field)->selectedText().toStdString(), c.shown);

        // Left again without typing: told once is enough; Generate tells again.
        platform.messages.clear();
        platform.frameworkMessages.clear();
        QTest::keyClick(Edit(c.field), Qt::Key_Tab);
        RunQueued();
        EXPECT_TRUE(AllMessages().empty());
        Edit(c.field)->setFocus();
        Edit(c.field)->selectAll();
        Type(Edit(c.field), "3");
        EXPECT_TRUE(AllMessages().empty());
    }
}

// A field fixed before it is left shows nothing when left.
TEST_F(TypingTest, AFieldMendedBeforeItIsLeftShowsNothing) {
    Edit(1003)->setFocus();
    Edit(1003)->selectAll();
    Type(Edit(1003), "24");
    QTest::keyClick(Edit(1003), Qt::Key_Backspace);
    QTest::keyClick(Edit(1003), Qt::Key_Tab);
    RunQueued();
    EXPECT_TRUE(AllMessages().empty());
    EXPECT_EQ(dialog->hour, 2);
}

// A click on a button leaves the field: the click runs first, and when the button's own pass showed the
// field's message, leaving it shows nothing more.
TEST_F(TypingTest, AClickThatLeavesTheFieldRunsFirstAndTellsOnce) {
    for (const bool buttonReads : {true, false}) {
        SCOPED_TRACE(buttonReads ? "the button reads the form" : "the button reads nothing");
        dialog->events.clear();
        platform.frameworkMessages.clear();
        dialog->AddHandler(1020, Notification::kClicked, [this, buttonReads] {
            dialog->events.push_back("clicked");
            if (buttonReads) {
                dialog->UpdateData(true);
            }
        });
        Edit(1003)->setFocus();
        Edit(1003)->selectAll();
        Type(Edit(1003), "30");
        QTest::mousePress(Button(1020), Qt::LeftButton);
        EXPECT_EQ(dialog->focusWidget(), Button(1020));
        RunQueued();
        EXPECT_TRUE(platform.frameworkMessages.empty()) << "not while the button is down";
        QTest::mouseRelease(Button(1020), Qt::LeftButton);
        RunQueued();
        // A button that reads nothing: the field's change is handled again, with its check in force.
        std::vector<std::string> events = {"change 1003", "change 1003", "clicked"};
        if (!buttonReads) {
            events.push_back("change 1003");
        }
        EXPECT_EQ(dialog->events, events);
        EXPECT_EQ(platform.frameworkMessages,
                  std::vector<std::string>{"Please enter an integer between 0 and 23."});
        EXPECT_EQ(dialog->focusWidget(), Edit(1003));
        Edit(1003)->setText("1");
    }
}

// While the user types in one field, another field that fails its check shows nothing either, keeps
// its text and does not hold up the fields after it.
TEST_F(TypingTest, OtherFailingFieldsNeitherSpeakNorStopThePass) {
    Preset(1001, "");
    Edit(1004)->setFocus();
    Type(Edit(1004), "12");
    RunQueued();
    EXPECT_TRUE(AllMessages().empty());
    EXPECT_EQ(Edit(1001)->text(), "");
    EXPECT_EQ(dialog->phone, "12") << "read past the empty field";
    EXPECT_EQ(dialog->focusWidget(), Edit(1004));
}

TEST(ParseInt32Test, AcceptsOnlyWholeNumbersWithin32Bits) {
    struct Case {
        const char* text;
        bool ok;
        int32_t value;
    };
    const Case cases[] = {
        {"0", true, 0},
        {"42", true, 42},
        {" 7 ", true, 7},
        {"-5", true, -5},
        {"+5", true, 5},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},
        {"2147483648", false, 0},
        {"-2147483649", false, 0},
        {"99999999999999999999", false, 0},
        {"", false, 0},
        {" ", false, 0},
        {"-", false, 0},
        {"12a", false, 0},
        {"1 2", false, 0},
        {"0x10", false, 0},
    };
    for (const Case& c : cases) {
        int32_t value = 1234;
        EXPECT_EQ(ParseInt32(c.text, value), c.ok) << c.text;
        EXPECT_EQ(value, c.ok ? c.value : 1234) << c.text;
    }
}

// --- notifications
// ------------------------------------------------------------------------------------------

TEST_F(DialogTest, NoTextNotificationsDuringPassOrRefreshButForTextSetByCode) {
    dialog->length = 33;
    dialog->name = "new";
    ASSERT_TRUE(dialog->UpdateData(false));
    Preset(1001, "");
    EXPECT_FALSE(dialog->UpdateData(true));  // fails at once, shows a message
    EXPECT_TRUE(dialog->events.empty());

    dialog->SetDlgItemText(1002, "by code");
    dialog->GetEdit(1001)->SetWindowText("12");
    dialog->SetDlgItemText(1002, "by code");  // the same text still notifies, as text set by code does
    EXPECT_EQ(dialog->events, (std::vector<std::string>{"change 1002", "change 1001", "change 1002"}));

    Edit(1002)->clear();
    Edit(1002)->setFocus();
    dialog->events.clear();
    Type(Edit(1002), "ab");
    EXPECT_EQ(dialog->events, (std::vector<std::string>{"change 1002", "change 1002"}));
}

TEST_F(DialogTest, AHandlerStartingAPassSeesNoNotificationsOfIt) {
    // A text-change handler that re-reads and refreshes the form, as the setup dialogs do.
    int calls = 0;
    dialog->AddHandler(1003, Notification::kEditChange, [&] {
        ++calls;
        dialog->UpdateData(true);
        dialog->hour = 0;
        dialog->name = "reset";
        dialog->UpdateData(false);
    });
    Edit(1003)->setFocus();
    Type(Edit(1003), "5");
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(Edit(1003)->text(), "0");
    EXPECT_EQ(Edit(1002)->text(), "reset");
    EXPECT_TRUE(dialog->events.empty());  // 1001 and 1002 changed by the refresh: not delivered
}

TEST_F(DialogTest, ListNotifiesOnlyChoicesOfTheUser) {
    CComboBox* list = dialog->GetComboBox(1010);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->GetCurSel(), 0);
    EXPECT_EQ(list->GetCount(), 3);
    EXPECT_EQ(list->GetLBText(2), "two");
    EXPECT_EQ(list->GetLBText(3), "");

    list->SetCurSel(2);  // by code: no notification
    EXPECT_TRUE(dialog->events.empty());
    EXPECT_EQ(list->SetCurSel(5), CB_ERR);
    EXPECT_EQ(list->GetCurSel(), CB_ERR);
    list->SetCurSel(0);

    List(1010)->setFocus();
    QTest::keyClick(List(1010), Qt::Key_Down);  // by the user
    EXPECT_EQ(dialog->events, (std::vector<std::string>{"selchange 1010 -> 1"}));

    // Emptied and refilled by code: nothing selected, nothing notified.
    dialog->events.clear();
    list->ResetContent();
    EXPECT_EQ(list->AddString("a"), 0);
    EXPECT_EQ(list->AddString("b"), 1);
    EXPECT_EQ(list->GetCurSel(), CB_ERR);
    EXPECT_TRUE(dialog->events.empty());

    // Filled in one step: the entries in order after the others, the last one's index, still nothing
    // selected or notified.
    list->ResetContent();
    const std::string_view entries[] = {"a", "b", "c"};
    EXPECT_EQ(list->AddStrings(entries), 2);
    EXPECT_EQ(list->GetCurSel(), CB_ERR);
    const std::vector<std::string> more = {"d", "e"};
    EXPECT_EQ(list->AddStrings(more), 4);
    EXPECT_EQ(list->AddStrings(std::span<const std::string_view>()), CB_ERR);
    ASSERT_EQ(list->GetCount(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(list->GetLBText(i), std::string(1, static_cast<char>('a' + i)));
    }
    EXPECT_EQ(list->GetCurSel(), CB_ERR);
    EXPECT_TRUE(dialog->events.empty());
}

TEST_F(DialogTest, DropDownClosedWithoutChoiceIsNotified) {
    QComboBox* combo = List(1010);
    combo->showPopup();
    combo->hidePopup();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog->events.empty(); }, 5000));
    EXPECT_EQ(dialog->events, (std::vector<std::string>{"closed 1010"}));

    // Closing it with a choice notifies the choice only.
    dialog->events.clear();
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    view->setCurrentIndex(combo->model()->index(2, 0));
    QTest::keyClick(view, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(dialog->events, (std::vector<std::string>{"selchange 1010 -> 2"}));
}

TEST_F(DialogTest, DisabledListTakesNoChoices) {
    CComboBox* disabled = dialog->GetComboBox(1011);
    disabled->AddString("x");
    disabled->AddString("y");
    disabled->SetCurSel(0);
    QTest::keyClick(List(1011), Qt::Key_Down);
    EXPECT_EQ(disabled->GetCurSel(), 0);
    disabled->EnableWindow(true);
    List(1011)->setFocus();
    QTest::keyClick(List(1011), Qt::Key_Down);
    EXPECT_EQ(disabled->GetCurSel(), 1);
    EXPECT_EQ(dialog->events, (std::vector<std::string>{"selchange 1011"}));
}

// --- typing
// ---------------------------------------------------------------------------------------------------

TEST_F(DialogTest, TypingLimitCountsUtf8Bytes) {
    ASSERT_TRUE(dialog->UpdateData(false));  // limit 6 on 1002
    struct Case {
        QString typed;
        QString kept;
    };
    const Case cases[] = {
        {"abcdefgh", "abcdef"}, {"中文字", "中文"},    // 3 bytes each
        {"a中文字", "a中"},                            // 1 + 3, the next would make 7
        {"a中bcd", "a中bc"},    {"héllo!x", "héllo"},  // é is 2 bytes
    };
    for (const Case& c : cases) {
        Edit(1002)->clear();
        Edit(1002)->setFocus();
        Type(Edit(1002), c.typed);
        EXPECT_EQ(Edit(1002)->text(), c.kept) << c.typed.toStdString();
    }
    // A longer text set by code stays whole and can still be shortened by the user.
    dialog->SetDlgItemText(1002, "abcdefghij");
    EXPECT_EQ(Edit(1002)->text(), "abcdefghij");
    Edit(1002)->end(false);
    QTest::keyClick(Edit(1002), Qt::Key_Backspace);
    EXPECT_EQ(Edit(1002)->text(), "abcdefghi");
    Type(Edit(1002), "z");
    EXPECT_EQ(Edit(1002)->text(), "abcdefghi");
}

// A character limit counts what the user sees: Chinese and characters outside the BMP count one each. A
// typed, pasted or input-method change past it is refused whole and reported once.
TEST_F(DialogTest, CharacterLimitCountsCharactersAndReportsRefusals) {
    dialog->GetEdit(1004)->LimitCharacters(5);
    EXPECT_EQ(dialog->GetEdit(1004)->GetCharacterLimit(), 5);
    EXPECT_EQ(dialog->GetEdit(1004)->GetLimitText(), 0) << "no byte limit besides";
    auto* field = qobject_cast<EditField*>(Edit(1004));
    ASSERT_NE(field, nullptr);
    QSignalSpy refusals(field, &EditField::limitRefused);

    Edit(1004)->clear();
    Edit(1004)->setFocus();
    Type(Edit(1004), QString::fromUtf8("中文字中文"));
    EXPECT_EQ(Edit(1004)->text(), QString::fromUtf8("中文字中文")) << "15 bytes, 5 characters";
    EXPECT_EQ(refusals.count(), 0);
    Type(Edit(1004), "x");
    EXPECT_EQ(Edit(1004)->text(), QString::fromUtf8("中文字中文"));
    EXPECT_EQ(refusals.count(), 1);

    // Five characters, six UTF-16 units.
    QApplication::clipboard()->setText(QString::fromUtf8("ab\U0001F600cd"));
    Edit(1004)->selectAll();
    QTest::keyClick(Edit(1004), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Edit(1004)->text(), QString::fromUtf8("ab\U0001F600cd")) << "one character outside the BMP";
    EXPECT_EQ(refusals.count(), 1);

    QApplication::clipboard()->setText("abcdef");
    Edit(1004)->selectAll();
    QTest::keyClick(Edit(1004), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Edit(1004)->text(), QString::fromUtf8("ab\U0001F600cd"));
    EXPECT_EQ(refusals.count(), 2);
    QApplication::clipboard()->setText("abcde");
    Edit(1004)->selectAll();
    QTest::keyClick(Edit(1004), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Edit(1004)->text(), "abcde");
    EXPECT_EQ(refusals.count(), 2);

    // Text committed by an input method is held to the limit too.
    Edit(1004)->clear();
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("文件夹名称太长"));
    QApplication::sendEvent(Edit(1004), &commit);
    EXPECT_EQ(Edit(1004)->text(), "");
    EXPECT_EQ(refusals.count(), 3);

    // A longer text set by code is no refusal, also when the field loses the focus.
    dialog->SetDlgItemText(1004, "abcdefgh");
    Edit(1004)->setFocus();
    Edit(1002)->setFocus();
    EXPECT_EQ(Edit(1004)->text(), "abcdefgh");
    EXPECT_EQ(refusals.count(), 3);

    // The reading check counts characters as well.
    EXPECT_EQ(CharacterCount("abc"), 3u);
    EXPECT_EQ(CharacterCount("中文字"), 3u);
    EXPECT_EQ(CharacterCount("a\xF0\x9F\x98\x80"), 2u);
    EXPECT_EQ(CharacterCount(""), 0u);
}

TEST_F(DialogTest, DigitsOnlyAndReadOnlyEdits) {
    Edit(1001)->clear();
    Edit(1001)->setFocus();
    Type(Edit(1001), "1a2-3 ４");
    EXPECT_EQ(Edit(1001)->text(), "123");
    Edit(1002)->clear();
    Type(Edit(1002), "1a-");
    EXPECT_EQ(Edit(1002)->text(), "1a-");

    dialog->events.clear();
    Type(Edit(1005), "x");
    EXPECT_EQ(Edit(1005)->text(), "");
    dialog->GetEdit(1005)->SetReadOnly(false);
    Type(Edit(1005), "x");
    EXPECT_EQ(Edit(1005)->text(), "x");
    dialog->GetEdit(1002)->SetReadOnly(true);
    EXPECT_TRUE(dialog->GetEdit(1002)->IsReadOnly());
}

TEST_F(DialogTest, SetSelSelectsCharacterRanges) {
    dialog->SetDlgItemText(1002, "中文abc");
    CEdit* edit = dialog->GetEdit(1002);
    edit->SetSel(1, 3);
    EXPECT_EQ(Edit(1002)->selectedText(), "文a");
    edit->SetSel(0, -1);
    EXPECT_EQ(Edit(1002)->selectedText(), "中文abc");
    edit->SetSel(-1, 0);
    EXPECT_FALSE(Edit(1002)->hasSelectedText());
}

// --- Enter, Escape, close box
// ---------------------------------------------------------------------------------

TEST_F(DialogTest, EnterRouting) {
    struct Case {
        const char* what;
        int defaultId;  // SetDefID before the key; -1 keeps the template's
        int focus;      // control holding the focus
        bool disableDefault;
        std::vector<std::string> events;
    };
    const Case cases[] = {
        {"default button OK without a handler runs OnOK", -1, 1002, false, {"OnOK"}},
        {"another default button is clicked", 1020, 1002, false, {"clicked 1020"}},
        {"no default button runs OnOK", 0, 1001, false, {"OnOK"}},
        {"a focused push button is clicked", -1, 1020, false, {"clicked 1020"}},
        {"a disabled default button does nothing", 1020, 1002, true, {}},
        {"Enter in a list", -1, 1010, false, {"OnOK"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dialog->SetDefID(c.defaultId < 0 ? 1 : c.defaultId);
        Button(1020)->setEnabled(!c.disableDefault);
        dialog->events.clear();
        QWidget* focus = dialog->findChild<QWidget*>(QString::number(c.focus));
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_Return);
        EXPECT_EQ(dialog->events, c.events);
        EXPECT_FALSE(dialog->IsEnded());
        EXPECT_TRUE(dialog->isVisible());
    }
}

TEST_F(DialogTest, EnterRunsAMapEntryForOkInsteadOfOnOK) {
    dialog->AddHandler(IDOK, Notification::kClicked, [this] { dialog->events.push_back("generate"); });
    dialog->SetDefID(0);
    Edit(1002)->setFocus();
    QTest::keyClick(Edit(1002), Qt::Key_Enter);
    QTest::mouseClick(Button(1), Qt::LeftButton);
    EXPECT_EQ(dialog->events, (std::vector<std::string>{"generate", "generate"}));
}

TEST_F(DialogTest, DefaultOkValidatesBeforeEnding) {
    dialog->passOkToBase = true;
    Preset(1003, "99");
    Edit(1002)->setFocus();
    QTest::keyClick(Edit(1002), Qt::Key_Return);
    EXPECT_FALSE(dialog->IsEnded());
    EXPECT_EQ(platform.frameworkMessages, (std::vector<std::string>{"“请填入一个在0和23之间的整数。”"}));
    EXPECT_EQ(dialog->focusWidget(), Edit(1003));

    Preset(1003, "9");
    QTest::keyClick(Edit(1003), Qt::Key_Return);
    EXPECT_TRUE(dialog->IsEnded());
    EXPECT_EQ(dialog->EndResult(), IDOK);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->hour, 9);
}

TEST_F(DialogTest, EscapeCloseBoxAndQtPathsRunOnCancelOnly) {
    QTest::keyClick(Edit(1002), Qt::Key_Escape);
    dialog->close();
    dialog->reject();
    dialog->accept();
    EXPECT_EQ(dialog->events, (std::vector<std::string>{"OnCancel", "OnCancel", "OnCancel", "OnOK"}));
    // OnCancel did not end the dialog, so it stays.
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->IsEnded());

    dialog->allowCancel = true;
    dialog->close();
    EXPECT_TRUE(dialog->IsEnded());
    EXPECT_EQ(dialog->EndResult(), IDCANCEL);
    EXPECT_FALSE(dialog->isVisible());
}

// --- modal runs
// -----------------------------------------------------------------------------------------------

TEST(ModalRunTest, DoModalReturnsTheEndDialogResult) {
    platform::FakePlatform platform;
    struct Case {
        const char* what;
        std::function<void(TestDialog&)> act;
        int result;
    };
    const Case cases[] = {
        {"Escape", [](TestDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }, IDCANCEL},
        {"Cancel button", [](TestDialog& d) { d.findChild<QPushButton*>("2")->click(); }, IDCANCEL},
        {"Enter with valid fields",
         [](TestDialog& d) { QTest::keyClick(d.findChild<QLineEdit*>("1002"), Qt::Key_Return); }, IDOK},
        {"left open (the driver presses Escape)", [](TestDialog&) {}, IDCANCEL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestDialog dialog(platform);
        dialog.allowCancel = true;
        dialog.passOkToBase = true;
        bool ranInsideTheLoop = false;
        const ModalScript script({[&](QWidget*) {
            ranInsideTheLoop = dialog.isVisible() && dialog.isModal();
            c.act(dialog);
        }});
        const int result = dialog.DoModal();
        EXPECT_TRUE(ranInsideTheLoop);
        EXPECT_EQ(script.Seen(), (std::vector<std::string>{"900"}));
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(dialog.events.front(), "OnInitDialog");
    }
}

TEST(ModalRunTest, EndingDuringInitialisationSkipsTheModalLoop) {
    platform::FakePlatform platform;
    TestDialog dialog(platform);
    dialog.endDuringInit = true;
    bool scriptRan = false;
    const ModalScript script({[&](QWidget*) { scriptRan = true; }});
    EXPECT_EQ(dialog.DoModal(), 7);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"OnInitDialog"}));
    const int looksBefore = script.Looks();
    ASSERT_TRUE(QTest::qWaitFor([&] { return script.Looks() > looksBefore; }, 5000));
    EXPECT_FALSE(scriptRan);
    EXPECT_TRUE(script.Seen().empty());
}

}  // namespace
}  // namespace corvane::test

namespace corvane::test {
namespace {

using corvane::testing::ModalScript;

class RecordingApp : public CWinApp {
  public:
    bool initResult = false;
    std::vector<std::string> calls;
    bool InitInstance() override {
        calls.push_back("InitInstance");
        if (initResult) {
            QTimer::singleShot(0, [this] {
                calls.push_back("event loop");
                QCoreApplication::quit();
            });
        }
        return initResult;
    }
    int ExitInstance() override {
        calls.push_back("ExitInstance");
        return 3;
    }
};

TEST(WinAppTest, RunEntersTheEventLoopOnlyWhenInitInstanceAsksForIt) {
    for (const bool initResult : {false, true}) {
        RecordingApp app;
        app.initResult = initResult;
        EXPECT_EQ(app.Run(), 3);
        const std::vector<std::string> expected =
            initResult ? std::vector<std::string>{"InitInstance", "event loop", "ExitInstance"}
                       : std::vector<std::string>{"InitInstance", "ExitInstance"};
        EXPECT_EQ(app.calls, expected);
    }
}

}  // namespace
}  // namespace corvane::test
