// What a screen reader hears for every edit field and list of every window, through Qt's accessibility
// interface, in more than one language.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/setup_dialogs.h"
#include "app/setup_main_dlg.h"
#include "core/models/app_settings.h"
#include "dialogs/res/camera_templates.h"
#include "dialogs/res/main_templates.h"
#include "dialogs/res/mms_templates.h"
#include "dialogs/res/smtp_templates.h"
#include "platform/linux/posix_file_system.h"
#include "support/dialog_test_support.h"
#include "support/fake_platform.h"
#include "support/modal_script.h"

namespace corvane {
namespace {

using testing::ChooseListEntry;
using testing::ModalScript;

struct Control {
    std::string kind;        // "edit" or "list"
    std::string name;        // what a screen reader announces as the name
    std::string labelledBy;  // lists: the text of the label in the Label relation, if any
};

// Every edit field and list of the window, by control id, as Qt's accessibility interface reports them.
// A list's name on Linux is its entry; its label reaches the screen reader through the Label relation,
// and on other systems through its accessible name, which is checked here.
std::map<int, Control> Controls(const QWidget* window) {
    std::map<int, Control> controls;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        bool ok = false;
        const int id = w->objectName().toInt(&ok);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w);
        if (!ok || accessible == nullptr) {
            continue;
        }
        if (qobject_cast<QLineEdit*>(w) != nullptr) {
            controls[id] = {"edit", accessible->text(QAccessible::Name).toStdString(), ""};
        } else if (qobject_cast<QComboBox*>(w) != nullptr) {
            std::string labelledBy;
            for (const auto& [label, relation] : accessible->relations(QAccessible::Label)) {
                labelledBy = label->text(QAccessible::Name).toStdString();
            }
            controls[id] = {"list", w->accessibleName().toStdString(), labelledBy};
        }
    }
    return controls;
}

// The text a control shows, as a name part: a label's or button's caption, a list's entry, without a
// closing colon.
std::string Shown(const QWidget* window, int id) {
    const QWidget* w = window->findChild<QWidget*>(QString::number(id));
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        text = label->text();
    } else if (const auto* button = qobject_cast<const QPushButton*>(w)) {
        text = button->text();
    } else if (const auto* list = qobject_cast<const QComboBox*>(w)) {
        text = list->currentText();
    }
    text = text.simplified();
    while (text.endsWith(QLatin1Char(':'))) {
        text.chop(1);
    }
    return text.trimmed().toStdString();
}

struct SetupWindow {
    std::map<int, Control> controls;
    std::map<int, std::string> shown;  // the texts of the controls the checks name
};

SetupWindow OpenSetupDialog(SetupKind kind, ModelFamily family, int32_t language,
                            const std::vector<int>& ids) {
    platform::FakePlatform platform;
    PosixFileSystem fs;
    AppSettings settings;
    settings.language = language;
    settings.model = family == ModelFamily::k8620 ? 4 : 3;
    SetupWindow window;
    ModalScript script({[&](QWidget* dialog) {
        window.controls = Controls(dialog);
        for (const int id : ids) {
            window.shown[id] = Shown(dialog, id);
        }
        QTest::keyClick(dialog, Qt::Key_Escape);
    }});
    RunSetupDialog(kind, family, settings, platform, fs);
    return window;
}

bool HasLetter(const std::string& text) {
    for (const QChar c : QString::fromStdString(text)) {
        if (c.isLetter()) {
            return true;
        }
    }
    return false;
}

// Which controls name a field: labels beside or above it, a list choosing what it holds, a button.
struct Naming {
    SetupKind kind;
    int field;
    std::vector<int> from;
};

const Naming kNamings[] = {
    {SetupKind::kCamera, IDC_VIDEO_LENGTH, {IDC_VIDEO_LENGTH_LABEL}},
    {SetupKind::kCamera, IDC_INTERVAL, {IDC_INTERVAL_LABEL}},
    {SetupKind::kCamera, IDC_CAMERA_MODE, {IDC_CAMERA_MODE_LABEL}},
    {SetupKind::kCamera, IDC_CLOCK_TEXT, {IDC_SET_CLOCK_LABEL}},
    {SetupKind::kCamera, IDC_TIMER1_START_HOUR, {IDC_TIMER1_LABEL, IDC_TIMER1_START_LABEL, 1118}},
    {SetupKind::kCamera, IDC_TIMER1_STOP_MINUTE, {IDC_TIMER1_LABEL, IDC_TIMER1_STOP_LABEL, 1123}},
    {SetupKind::kCamera, IDC_TIME_LAPSE_SECOND, {IDC_TIME_LAPSE_LABEL, IDC_TIME_LAPSE_SECOND_LABEL}},
    {SetupKind::kCamera, IDC_OUTPUT_FOLDER, {IDC_FOLDER_BUTTON}},
    {SetupKind::kMms, IDC_MMS_APN, {IDC_MMS_APN_TYPE}},
    {SetupKind::kMms, IDC_MMS_APN_TYPE, {IDC_MMS_APN_TYPE}},
    {SetupKind::kMms, IDC_MMS_PASSWORD, {IDC_MMS_PASSWORD_LABEL}},
    {SetupKind::kMms, IDC_MMS_COUNTRY, {IDC_MMS_COUNTRY_LABEL}},
    {SetupKind::kMms, IDC_MMS_FOLDER, {IDC_MMS_FOLDER_BUTTON}},
    {SetupKind::kSmtp, IDC_SMTP_SENDER, {IDC_SMTP_SENDER_LABEL}},
    {SetupKind::kSmtp, IDC_SMTP_OPERATOR, {IDC_SMTP_OPERATOR_LABEL}},
    {SetupKind::kSmtp, IDC_SMTP_FOLDER, {IDC_SMTP_FOLDER_BUTTON}},
};

TEST(Accessibility, EveryFieldAndListOfEverySetupDialogIsNamedByItsLabelsInTheCurrentLanguage) {
    int fieldsSeen = 0;
    for (const SetupKind kind : {SetupKind::kCamera, SetupKind::kMms, SetupKind::kSmtp}) {
        for (const ModelFamily family : {ModelFamily::k8620, ModelFamily::k8520}) {
            std::vector<int> ids;
            for (const Naming& n : kNamings) {
                if (n.kind == kind) {
                    ids.insert(ids.end(), n.from.begin(), n.from.end());
                }
            }
            std::map<int32_t, std::map<int, Control>> byLanguage;
            for (const int32_t language : {kEnglish, kGerman, kJapanese}) {
                SCOPED_TRACE(::testing::Message() << "dialog " << static_cast<int>(kind) << " family "
                                                  << testing::Name(family) << " language " << language);
                const SetupWindow window = OpenSetupDialog(kind, family, language, ids);
                ASSERT_FALSE(window.controls.empty());
                for (const auto& [id, control] : window.controls) {
                    EXPECT_TRUE(HasLetter(control.name))
                        << control.kind << " " << id << ": '" << control.name << "'";
                    fieldsSeen += control.kind == "edit" && language == kEnglish ? 1 : 0;
                }
                for (const Naming& n : kNamings) {
                    if (n.kind != kind) {
                        continue;
                    }
                    std::string expected;
                    for (const int from : n.from) {
                        expected += (expected.empty() ? "" : ", ") + window.shown.at(from);
                    }
                    ASSERT_EQ(window.controls.count(n.field), 1u) << n.field;
                    EXPECT_EQ(window.controls.at(n.field).name, expected) << "control " << n.field;
                }
                byLanguage[language] = window.controls;
            }
            // The names follow the language: the video length, the MMS password, the e-mail account.
            const int translated = kind == SetupKind::kCamera ? IDC_VIDEO_LENGTH
                                   : kind == SetupKind::kMms  ? IDC_MMS_PASSWORD
                                                              : IDC_SMTP_ACCOUNT;
            EXPECT_NE(byLanguage[kEnglish].at(translated).name, byLanguage[kGerman].at(translated).name);
        }
    }
    EXPECT_GE(fieldsSeen, 38);
}

TEST(Accessibility, ListsCarryTheirLabelAsRelationForLinuxScreenReaders) {
    const SetupWindow camera = OpenSetupDialog(SetupKind::kCamera, ModelFamily::k8620, kGerman,
                                               {IDC_CAMERA_MODE_LABEL, IDC_SERIAL_LABEL});
    EXPECT_EQ(camera.controls.at(IDC_CAMERA_MODE).labelledBy, camera.shown.at(IDC_CAMERA_MODE_LABEL));
    EXPECT_EQ(camera.controls.at(IDC_SERIAL).labelledBy, camera.shown.at(IDC_SERIAL_LABEL));
}

TEST(Accessibility, MainWindowListsAreRenamedWhenTheLanguageChanges) {
    platform::FakePlatform platform;
    AppSettings settings;
    settings.language = kEnglish;
    CSetupMainDlg window(settings, platform);
    ASSERT_TRUE(window.Create());
    auto* languages = testing::ControlById<QComboBox>(&window, IDC_LANGUAGE_LIST);
    const std::string englishLabel = Shown(&window, IDC_LANGUAGE_LABEL);
    EXPECT_EQ(languages->accessibleName().toStdString(), englishLabel);
    EXPECT_EQ(testing::ControlById<QComboBox>(&window, IDC_MODEL_LIST)->accessibleName().toStdString(),
              Shown(&window, IDC_MODEL_LABEL));

    ChooseListEntry(languages, kCzech - 1);
    const std::string czechLabel = Shown(&window, IDC_LANGUAGE_LABEL);
    EXPECT_NE(czechLabel, englishLabel);
    EXPECT_EQ(languages->accessibleName().toStdString(), czechLabel);
    EXPECT_EQ(Controls(&window).at(IDC_LANGUAGE_LIST).labelledBy, czechLabel);
}

}  // namespace
}  // namespace corvane
