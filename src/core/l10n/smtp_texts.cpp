#include "core/l10n/smtp_texts.h"
#include "core/models/models.h"

#include <array>

namespace corvane {
namespace {

using Column = std::array<std::string_view, kLanguageCount>;  // languages 1..10 in order

// One row per caption, in the order of SmtpCaption; columns: Chinese, English, German, Finnish, Italian,
// French, Hungarian, Slovenian, Czech, Japanese. A language without its own word repeats the English one.
constexpr std::array<Column, kSmtpCaptionCount> kCaptions = {{
    // mode label
    {"Smtp 模式", "Smtp Mode", "Smtp Mode", "Smtp Mode", "Smtp Mode", "Smtp Mode", "Smtp Mode", "Smtp Mode",
     "Smtp Mode", "Smtpモード"},
    // pictures per day label
    {"拍摄张数/每天", "Picture No./ day", "Bilderanzahl/Tag", "kuvien maara / paiva", "N. immagine/data",
     "Image No/jour", "Kepsz./ nap", "Slika stev./dan", "Snimku za den", "撮影数/1日"},
    // note: 0 = no limit
    {"注： 0 = 无限制", "Note: 0 = Unlimited", "Hinweis: 0 = Unlimited", "huom! 0 = rajaton",
     "Nota: -00- = illimitato", "Remarque -00- = illimite", "Megj. -00- = korlutlan",
     "Navodilo -00-=neomejeno", "Pozor:0=neomezene", "注意：0=制限なし"},
    // country label
    {"国家", "Country", "Land", "maa", "Nazione", "Pays", "Orszag", "Drzava", " Zeme", "国名"},
    // operator label
    {"运营商", "Operator", "Operateur", "operaattorit", "Operatori", "Operateurs", "Kezelok", "Operater",
     "Operater", "通信会社"},
    // GPRS account label
    {"帐号", "Account", "Konto", "tili", "Account", "Compte", "Fiok", "Racun", "Ucet", "アカウント"},
    // GPRS password label
    {"密码", "Password", "Passwort", "salasana", "Password", "Mot de passe", "Jelszo", "Geslo", "Heslo",
     "パスワード"},
    // SMTP server label
    {"Smtp 服务器", "Smtp Server", "Smtp Server", "Smtp Server", "Smtp Server", "Smtp Server", "Smtp Server",
     "Smtp Server", "Smtp Server", "Smtp Server"},
    // port label
    {"Smtp端口", "Port", "Port", "Port", "Port", "Port", "Port", "Port", "Port", "ポート"},
    // sender e-mail label
    {"发送人Email", "Sender Email", "Sender Email", "Sender Email", "Sender Email", "Sender Email",
     "Sender Email", "Sender Email", "Sender Email", "Sender Email"},
    // sender password label
    {"发送人密码", "Password", "Password", "Password", "Password", "Password", "Password", "Password",
     "Heslo", "パスワード"},
    // recipient label
    {"Email 01", "Email 01", "Email 01", "Sahkoposti 01", "Email 01", "Email 01", "Email 01", "Email 01",
     "Email 01", "Eメール01"},
    // phone label
    {"手机号码", "Phone No", "Telefonnummer", "puhelinnumero", "No. Telefono", "No telephone", "Telefonsz.",
     "Telefonska stev.", "Tel. Cislo", "電話"},
    // SMS remote-control label
    {"短信远程控制", "SMS Remote Control", "SMS Remote Control", "SMS Remote Control", "SMS Remote Control",
     "SMS Remote Control", "SMS Remote Control", "SMS Remote Control", "SMS Remote Control",
     "SMS Remote Control"},
    // folder button
    {"选择目录", "Select", "Auswahl", "valitse", "Seleziona", "Choix", "Kivalaszt", "Izberi", "Vybrat",
     "フォルダ選択"},
    // generate button
    {"生成配置文件", "Generate", "Generieren", "luo", "Genera", "Creer", "Letrehoz", "Generiraj", "Generovat",
     "ファイル作成"},
    // exit button
    {"退出", "Exit", "Back", "poistu", "Indiet", "Retour", "Vissz.", "Nazaj", "Vystup", "終了"},
}};

// Lists: ten groups of n entries, the group of language v starting at (v - 1) * n.
constexpr std::array<std::string_view, 2 * kLanguageCount> kModeEntries = {
    "自动",        "手动",        // Chinese
    "Auto",        "Manual",      // English
    "Auto",        "Manuell",     // German
    "Autom",       "Manuaali",    // Finnish
    "Auto",        "Manuale",     // Italian
    "Auto",        "Manuale",     // French
    "Auto",        "Kezi",        // Hungarian
    "Samodejno",   "Rocno",       // Slovenian
    "Automaticky", "Rucne",       // Czech
    "オート",      "マニュアル",  // Japanese
};

constexpr std::array<std::string_view, 3 * kLanguageCount> kStatusEntries = {
    "关闭",    "VGA", "SMS",  // Chinese
    "Off",     "VGA", "SMS",  // English
    "Aus",     "VGA", "SMS",  // German
    "pois",    "VGA", "SMS",  // Finnish
    "OFF",     "VGA", "SMS",  // Italian
    "Arret",   "VGA", "SMS",  // French
    "Off",     "VGA", "SMS",  // Hungarian
    "Izklop",  "VGA", "SMS",  // Slovenian
    "Vypnuto", "VGA", "SMS",  // Czech
    "オフ",    "VGA", "SMS",  // Japanese
};

constexpr Column kRemoteControlOff = {"关闭",  "Off", "Aus",    "pois",    "OFF",
                                      "Arret", "Off", "Izklop", "Vypnuto", "オフ"};

struct MessagePair {
    std::string_view english;
    std::string_view chinese;
};

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

std::size_t Slot(int32_t language) {
    return static_cast<std::size_t>(DisplayLanguage(language) - 1);
}

}  // namespace

std::string_view SmtpCaptionText(SmtpCaption caption, int32_t language) {
    return kCaptions.at(static_cast<std::size_t>(caption))[Slot(language)];
}

std::span<const std::string_view, 2> SmtpModeEntries(int32_t language) {
    return std::span<const std::string_view, 2>(kModeEntries.data() + Slot(language) * 2, 2);
}

std::span<const std::string_view, 3> SmtpStatusEntries(int32_t language) {
    return std::span<const std::string_view, 3>(kStatusEntries.data() + Slot(language) * 3, 3);
}

std::string_view SmtpRemoteControlOffEntry(int32_t language) {
    return kRemoteControlOff[Slot(language)];
}

std::string_view SmtpMessageText(SmtpMessage message, ModelFamily family, int32_t language) {
    const MessagePair& pair = message == SmtpMessage::kGenerated
                                  ? (family == ModelFamily::k8620 ? kGenerated8620 : kGenerated8520)
                                  : kMessages[static_cast<std::size_t>(message)];
    return MessagesInChinese(language) ? pair.chinese : pair.english;
}

}  // namespace corvane
