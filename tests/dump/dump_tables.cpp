// Prints every dialog template (each control's id, kind, place, text and style) and every text table in
// every language, one line per item. A restructure that must not change what the user sees is checked by
// running this before and after and comparing the two outputs.
#include <cstdint>
#include <iostream>
#include <string>
#include <string_view>

#include "core/l10n/camera_texts.h"
#include "core/l10n/language.h"
#include "core/l10n/main_texts.h"
#include "core/l10n/mms_texts.h"
#include "core/l10n/smtp_texts.h"
#include "core/models/models.h"
#include "dialogs/res/camera_templates.h"
#include "dialogs/res/main_templates.h"
#include "dialogs/res/mms_templates.h"
#include "dialogs/res/smtp_templates.h"
#include "dialogs/shell/dialog_checks.h"
#include "framework/data_exchange.h"
#include "framework/dialog_template.h"

namespace corvane {
namespace {

// Languages shown: every real one and one value on each side of the range.
constexpr int32_t kFirstLanguage = 0;
constexpr int32_t kLastLanguage = kLanguageCount + 1;

const char* KindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::kLabel:
            return "label";
        case ControlKind::kGroupBox:
            return "groupbox";
        case ControlKind::kSunkenFrame:
            return "sunkenframe";
        case ControlKind::kPushButton:
            return "pushbutton";
        case ControlKind::kDefPushButton:
            return "defpushbutton";
        case ControlKind::kDropDownList:
            return "dropdownlist";
        case ControlKind::kEdit:
            return "edit";
        case ControlKind::kIcon:
            return "icon";
    }
    return "?";
}

void PrintTemplate(const DialogTemplate& t) {
    std::cout << "template " << t.id << " caption=\"" << t.caption << "\" size=" << t.width << "x" << t.height
              << " style=" << t.style << " font=\"" << t.fontName << "\" " << t.fontPoints
              << "pt controls=" << t.controls.size() << "\n";
    for (const ControlTemplate& c : t.controls) {
        std::cout << "  control id=" << c.id << " kind=" << KindName(c.kind) << " rect=" << c.x << "," << c.y
                  << "," << c.width << "," << c.height << " text=\"" << c.text << "\" style=" << c.style
                  << "\n";
    }
}

void Line(std::string_view table, int32_t language, std::string_view key, std::string_view text) {
    std::cout << table << " lang=" << language << " " << key << "=\"" << text << "\"\n";
}

template <class Entries>
void Lines(std::string_view table, int32_t language, std::string_view key, const Entries& entries) {
    int index = 0;
    for (std::string_view entry : entries) {
        Line(table, language, std::string(key) + "[" + std::to_string(index++) + "]", entry);
    }
}

const char* FamilyName(ModelFamily family) {
    return family == ModelFamily::k8620 ? "8620" : "8520";
}

void PrintMainTexts() {
    for (int32_t language = kFirstLanguage; language <= kLastLanguage; ++language) {
        const MainTexts t = MainTextsFor(language);
        Line("main", language, "cameraSetup", t.cameraSetup);
        Line("main", language, "mmsSetup", t.mmsSetup);
        Line("main", language, "smtpSetup", t.smtpSetup);
        Line("main", language, "updateLink", t.updateLink);
        Line("main", language, "version", t.version);
        Line("main", language, "languageLabel", t.languageLabel);
        Line("main", language, "modelLabel", t.modelLabel);
    }
    for (int position = -1; position <= kLanguageListSize; ++position) {
        for (bool chinese : {false, true}) {
            const char* entry = LanguageListEntry(position, chinese);
            std::cout << "main languageList[" << position << "] chinese=" << chinese << " \""
                      << (entry != nullptr ? entry : "(null)") << "\"\n";
        }
    }
    for (int position = -1; position <= kModelListSize; ++position) {
        const char* entry = ModelListEntry(position);
        std::cout << "main modelList[" << position << "] \"" << (entry != nullptr ? entry : "(null)")
                  << "\"\n";
    }
    std::cout << "main about notice=\"" << kAboutNotice << "\" web=\"" << kAboutWebAddress << "\" menu=\""
              << kAboutMenuText << "\"\n";
}

void PrintCameraTexts() {
    for (ModelFamily family : {ModelFamily::k8620, ModelFamily::k8520}) {
        const std::string table = std::string("camera") + FamilyName(family);
        for (int32_t language = kFirstLanguage; language <= kLastLanguage; ++language) {
            const CameraTexts t = CameraDialogTexts(language, family);
            const CameraCaptions& c = t.captions;
            const std::pair<const char*, std::string_view> captions[] = {
                {"cameraMode", c.cameraMode},
                {"imageSize", c.imageSize},
                {"videoSize", c.videoSize},
                {"pictureCount", c.pictureCount},
                {"timeStamp", c.timeStamp},
                {"senseLevel", c.senseLevel},
                {"sidePir", c.sidePir},
                {"videoLength", c.videoLength},
                {"interval", c.interval},
                {"dateFormat", c.dateFormat},
                {"setClock", c.setClock},
                {"getTime", c.getTime},
                {"timer1", c.timer1},
                {"timer2", c.timer2},
                {"timer1Start", c.timer1Start},
                {"timer1Stop", c.timer1Stop},
                {"serialNumber", c.serialNumber},
                {"timeLapse", c.timeLapse},
                {"folderButton", c.folderButton},
                {"generate", c.generate},
                {"factoryDefaults", c.factoryDefaults},
                {"exit", c.exit},
                {"timer2Start", c.timer2Start},
                {"timer2Stop", c.timer2Stop},
                {"hourLabel", c.hourLabel},
                {"minuteLabel", c.minuteLabel},
                {"secondLabel", c.secondLabel},
            };
            for (const auto& [key, text] : captions) {
                Line(table, language, key, text);
            }
            const CameraListTexts& l = t.lists;
            Lines(table, language, "cameraModeList", l.cameraMode);
            Lines(table, language, "pictureCountList", l.pictureCount);
            Lines(table, language, "timeStampList", l.timeStamp);
            Lines(table, language, "timeLapseList", l.timeLapse);
            Lines(table, language, "senseLevelList", l.senseLevel);
            Lines(table, language, "offOnList", l.offOn);
            Lines(table, language, "intervalUnitList", l.intervalUnit);
            Lines(table, language, "dateFormatList", l.dateFormat);
        }
        Lines(table, 0, "imageSizeList", ImageSizeEntries(family));
        Lines(table, 0, "videoSizeList", VideoSizeEntries(family));
    }
    Lines("camera", 0, "serialCharacterList", SerialCharacterEntries());
}

void PrintMmsTexts() {
    for (int32_t language = kFirstLanguage; language <= kLastLanguage; ++language) {
        const MmsTexts t = MmsDialogTexts(language);
        const MmsCaptions& c = t.captions;
        const std::pair<const char*, std::string_view> captions[] = {
            {"modeLabel", c.modeLabel},
            {"sendLabel", c.sendLabel},
            {"picturesLabel", c.picturesLabel},
            {"picturesNote", c.picturesNote},
            {"countryLabel", c.countryLabel},
            {"operatorLabel", c.operatorLabel},
            {"remoteControlLabel", c.remoteControlLabel},
            {"urlLabel", c.urlLabel},
            {"gatewayLabel", c.gatewayLabel},
            {"portLabel", c.portLabel},
            {"phoneLabel", c.phoneLabel},
            {"emailLabel", c.emailLabel},
            {"accountLabel", c.accountLabel},
            {"passwordLabel", c.passwordLabel},
            {"recipientLabel", c.recipientLabel},
            {"folderButton", c.folderButton},
            {"generate", c.generate},
            {"exit", c.exit},
            {"frame", c.frame},
            {"hoursOff", c.hoursOff},
            {"modeAuto", t.lists.modeAuto},
            {"modeManual", t.lists.modeManual},
            {"sendOff", t.lists.sendOff},
            {"domestic", t.lists.domestic},
            {"international", t.lists.international},
        };
        for (const auto& [key, text] : captions) {
            Line("mms", language, key, text);
        }
        for (int message = 0; message <= static_cast<int>(MmsMessage::kInternationalNotShown); ++message) {
            Line("mms", language, "message" + std::to_string(message),
                 MmsMessageText(static_cast<MmsMessage>(message), language));
        }
    }
    const std::pair<const char*, std::string_view> fixed[] = {
        {"sendVga", kMmsSendVga},       {"sendQvga", kMmsSendQvga},     {"sendSms", kMmsSendSms},
        {"apnTypeApn", kMmsApnTypeApn}, {"apnTypeCsd", kMmsApnTypeCsd}, {"manualChoice", kMmsManualChoice},
        {"hoursUnit", kMmsHoursUnit},
    };
    for (const auto& [key, text] : fixed) {
        Line("mms", 0, key, text);
    }
}

void PrintSmtpTexts() {
    for (int32_t language = kFirstLanguage; language <= kLastLanguage; ++language) {
        for (int caption = 0; caption < kSmtpCaptionCount; ++caption) {
            Line("smtp", language, "caption" + std::to_string(caption),
                 SmtpCaptionText(static_cast<SmtpCaption>(caption), language));
        }
        Lines("smtp", language, "modeList", SmtpModeEntries(language));
        Lines("smtp", language, "statusList", SmtpStatusEntries(language));
        Line("smtp", language, "remoteControlOff", SmtpRemoteControlOffEntry(language));
        for (ModelFamily family : {ModelFamily::k8620, ModelFamily::k8520}) {
            for (int message = 0; message <= static_cast<int>(SmtpMessage::kGenerated); ++message) {
                Line("smtp", language,
                     std::string("message") + FamilyName(family) + "_" + std::to_string(message),
                     SmtpMessageText(static_cast<SmtpMessage>(message), family, language));
            }
        }
    }
}

void PrintCheckMessages() {
    Line("checks", 0, "integerExpected", IntegerExpectedMessage());
    Line("checks", 0, "maxChars", MaxCharsMessage(30));
    Line("checks", 0, "minMaxInt", MinMaxIntMessage(0, 59));
    for (int32_t language = kFirstLanguage; language <= kLastLanguage; ++language) {
        Line("checks", language, "intRange", IntRangeMessage(1, 60, language));
        Line("checks", language, "phoneLength", PhoneLengthMessage(15, language));
    }
}

}  // namespace
}  // namespace corvane

int main() {
    using namespace corvane;
    PrintTemplate(MainDialogTemplate());
    PrintTemplate(AboutDialogTemplate());
    for (ModelFamily family : {ModelFamily::k8620, ModelFamily::k8520}) {
        PrintTemplate(CameraDialogTemplate(family));
        PrintTemplate(MmsDialogTemplate(family));
        PrintTemplate(SmtpDialogTemplate(family));
    }
    PrintMainTexts();
    PrintCameraTexts();
    PrintMmsTexts();
    PrintSmtpTexts();
    PrintCheckMessages();
    return 0;
}
