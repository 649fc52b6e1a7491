#include "core/l10n/smtp_texts.h"

#include <array>

#include "core/l10n/message_dialog_texts.h"
#include "core/l10n/text_row.h"
#include "core/models/models.h"

namespace corvane {
namespace {

using namespace message_dialog_texts;

constexpr TextRow kModeLabel = {"Smtp 模式", "Smtp Mode", "Smtp Mode", "Smtp Mode", "Smtp Mode",
                                "Smtp Mode", "Smtp Mode", "Smtp Mode", "Smtp Mode", "Smtpモード"};
constexpr TextRow kServerLabel = {"Smtp 服务器", "Smtp Server", "Smtp Server", "Smtp Server", "Smtp Server",
                                  "Smtp Server", "Smtp Server", "Smtp Server", "Smtp Server", "Smtp Server"};
constexpr TextRow kPortLabel = {"Smtp端口", "Port", "Port", "Port", "Port",
                                "Port",     "Port", "Port", "Port", "ポート"};
constexpr TextRow kSenderLabel = {"发送人Email",  "Sender Email", "Sender Email", "Sender Email",
                                  "Sender Email", "Sender Email", "Sender Email", "Sender Email",
                                  "Sender Email", "Sender Email"};
constexpr TextRow kSenderPasswordLabel = {"发送人密码", "Password", "Password", "Password", "Password",
                                          "Password",   "Password", "Password", "Heslo",    "パスワード"};
constexpr TextRow kRecipientLabel = {"Email 01", "Email 01", "Email 01", "Sahkoposti 01", "Email 01",
                                     "Email 01", "Email 01", "Email 01", "Email 01",      "Eメール01"};
constexpr TextRow kFolderButton = {"选择目录", "Select",    "Auswahl", "valitse", "Seleziona",
                                   "Choix",    "Kivalaszt", "Izberi",  "Vybrat",  "フォルダ選択"};

// In the order of SmtpCaption.
constexpr std::array<const TextRow*, kSmtpCaptionCount> kCaptions = {
    &kModeLabel,     &kPicturesLabel,      &kPicturesNote,        &kCountryLabel,
    &kOperatorLabel, &kAccountLabel,       &kPasswordLabel,       &kServerLabel,
    &kPortLabel,     &kSenderLabel,        &kSenderPasswordLabel, &kRecipientLabel,
    &kPhoneLabel,    &kRemoteControlLabel, &kFolderButton,        &kGenerate,
    &kExit,
};

constexpr std::array<TextRow, 2> kModeEntries = {{
    {"自动", "Auto", "Auto", "Autom", "Auto", "Auto", "Auto", "Samodejno", "Automaticky", "オート"},
    {"手动", "Manual", "Manuell", "Manuaali", "Manuale", "Manuale", "Kezi", "Rocno", "Rucne", "マニュアル"},
}};

constexpr std::array<TextRow, 3> kStatusEntries = {{
    kOff,
    {"VGA", "VGA", "VGA", "VGA", "VGA", "VGA", "VGA", "VGA", "VGA", "VGA"},
    {"SMS", "SMS", "SMS", "SMS", "SMS", "SMS", "SMS", "SMS", "SMS", "SMS"},
}};

constexpr MessagePair kMessages[] = {
    {"GPRS APN", "请输入GPRS APN"},
    {"Smtp Server", "请输入Smtp Server地址"},
    {"Port", "请设置端口"},
    {"Please Input Email", "请输入Email"},
    {"Email Error(@)", "Email 错误(@)"},
    {"Email Error(.)", "Email 错误(.)"},
    {"Sender Email Password", "请输入发送者邮箱密码"},
    {"Phone No. Error", "手机号码错误"},
};

constexpr MessagePair kGenerated8520 = {"Vyn 8520 SMTP configuration file has been generated",
                                        "Vyn 8520 SMTP配置文件已生成"};
constexpr MessagePair kGenerated8620 = {"Vyn 8620 SMTP configuration file has been generated",
                                        "Vyn 8620 SMTP配置文件已生成"};

}  // namespace

std::string_view SmtpCaptionText(SmtpCaption caption, int32_t language) {
    return TextIn(*kCaptions.at(static_cast<std::size_t>(caption)), language);
}

std::array<std::string_view, 2> SmtpModeEntries(int32_t language) {
    return EntriesIn(kModeEntries, language);
}

std::array<std::string_view, 3> SmtpStatusEntries(int32_t language) {
    return EntriesIn(kStatusEntries, language);
}

std::string_view SmtpRemoteControlOffEntry(int32_t language) {
    return TextIn(kOff, language);
}

std::string_view SmtpMessageText(SmtpMessage message, ModelFamily family, int32_t language) {
    const MessagePair& pair = message == SmtpMessage::kGenerated
                                  ? (family == ModelFamily::k8620 ? kGenerated8620 : kGenerated8520)
                                  : kMessages[static_cast<std::size_t>(message)];
    return MessageIn(pair, language);
}

}  // namespace corvane
