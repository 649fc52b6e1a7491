#include "core/l10n/mms_texts.h"

namespace corvane {
namespace {

// One text per language, 1..10 in order; a language without its own word repeats another's.
using TextTable = std::array<std::string_view, kLanguageCount>;

// clang-format off
constexpr TextTable kModeLabel = {"MMS 模式", "MMS Mode", "MMS Modus", "MMS valikot", "Modo MMS", "MODE MMS",
                                  "MMS Mod", "Nacin MMS", "Rezim MMS", "MMSステータス"};
constexpr TextTable kSendLabel = {"MMS 发送", "MMS Status", "MMS Einstellung", "MMS-tila", "stato MMS",
                                  "Etat MMS", "MMS oll.", "Status MMS", "Staus MMS", "MMS モード"};
constexpr TextTable kPicturesLabel = {"拍摄张数/每天", "Picture No./ day", "Bilderanzahl/Tag",
                                      "kuvien maara / paiva", "N. immagine/data", "Image No/jour", "Kepsz./ nap",
                                      "Slika stev./dan", "Snimku za den", "撮影数/1日"};
constexpr TextTable kPicturesNote = {"注： 0 = 无限制", "Note: 0 = Unlimited", "Hinweis: 0 = Unlimited",
                                     "huom! 0 = rajaton", "Nota: -00- = illimitato", "Remarque -00- = illimite",
                                     "Megj. -00- = korlutlan", "Navodilo -00-=neomejeno", "Pozor:0=neomezene",
                                     "注意：0=制限なし"};
constexpr TextTable kCountryLabel = {"国家", "Country", "Land", "maa", "Nazione", "Pays", "Orszag", "Drzava",
                                     " Zeme", "国名"};
constexpr TextTable kOperatorLabel = {"运营商", "Operator", "Operateur", "operaattorit", "Operatori",
                                      "Operateurs", "Kezelok", "Operater", "Operater", "通信会社"};
constexpr TextTable kRemoteControlLabel = {"短信远程控制", "SMS Remote Control", "SMS Remote Control",
                                           "SMS Remote Control", "SMS Remote Control", "SMS Remote Control",
                                           "SMS Remote Control", "SMS Remote Control", "SMS Remote Control",
                                           "SMS Remote Control"};
constexpr TextTable kUrlLabel = {"彩信网址", "URL", "URL", "URL", "URL", "URL", "URL", "URL", "URL", "URL"};
constexpr TextTable kGatewayLabel = {"彩信网关", "Gateway", "Gateway", "gateway", "GateWay", "GateWay", "Atjaro",
                                     "Prehod", "GateWay", "ゲートウェイ"};
constexpr TextTable kPortLabel = {"彩信端口", "Port", "Port", "port", "PORTA", "Port", "Port", "VRATA", "Port",
                                  "ポート"};
constexpr TextTable kPhoneLabel = {"手机号码", "Phone No", "Telefonnummer", "puhelinnumero", "No. Telefono",
                                   "No telephone", "Telefonsz.", "Telefonska stev.", "Tel. Cislo", "電話"};
constexpr TextTable kEmailLabel = {"Email", "Email", "Email", "Sahkoposti", "Email", "Email", "Email", "Email",
                                   "Email", "Eメール"};
constexpr TextTable kAccountLabel = {"帐号", "Account", "Konto", "tili", "Account", "Compte", "Fiok", "Racun",
                                     "Ucet", "アカウント"};
constexpr TextTable kPasswordLabel = {"密码", "Password", "Passwort", "salasana", "Password", "Mot de passe",
                                      "Jelszo", "Geslo", "Heslo", "パスワード"};
constexpr TextTable kRecipientLabel = {"手机号码或邮件", "Phone or Email", "Tel. oder Email", "gsm / sahkoposti",
                                       "Tel. o mail", "Tel. ou e-mail", "Tel.vagy e-level", "Tel./ e-posta",
                                       "Telefon / Email", "電話orEメール"};
constexpr TextTable kFolderButton = {"选择目录", "Select", "Auswahl", "valitse", "Seleziona", "Choix",
                                     "Kivalaszt", "Izberi", "Select", "フォルダ選択"};
constexpr TextTable kGenerate = {"生成配置文件", "Generate", "Generieren", "luo", "Genera", "Creer", "Letrehoz",
                                 "Generiraj", "Generovat", "ファイル作成"};
constexpr TextTable kExit = {"退出", "Exit", "Back", "poistu", "Indiet", "Retour", "Vissz.", "Nazaj", "Vystup",
                             "終了"};
constexpr TextTable kFrame = {"彩信", "MMS", "MMS", "MMS", "MMS", "MMS", "MMS", "MMS", "MMS", "MMS"};
constexpr TextTable kHoursOff = {"关闭", "Off", "Aus", "pois", "OFF", "Arret", "Off", "Izklop", "Vypnuto",
                                 "オフ"};

constexpr TextTable kModeAuto = {"自动", "Auto", "Auto", "autom", "Auto", "Auto", "Auto", "Samodejno",
                                 "Automaticky", "オート"};
constexpr TextTable kModeManual = {"手动", "Manual", "Manuell", "manuaali", "Manuale", "Manuel", "Kezi", "Rocno",
                                   "Rucne", "マニュアル"};
constexpr TextTable kSendOff = {"关闭", "Off", "Aus", "pois", "OFF", "Arret", "Ki", "Izklop", "Vypnuto", "オフ"};
constexpr TextTable kDomestic = {"国内", "Domestic ", "Domestic ", "Domestic ", "Domestic ", "Domestic ",
                                 "Domestic ", "Domestic ", "Domaci ", "Domestic "};
constexpr TextTable kInternational = {"国际", "International", "International", "International", "International",
                                      "International", "International", "International", "Mezinarodni",
                                      "International"};
// clang-format on

struct MessagePair {
    std::string_view english;
    std::string_view chinese;
};

// In the order of MmsMessage.
constexpr std::array<MessagePair, 18> kMessages = {{
    {"Phone & Email Error(0)", "手机号码和Email错误(0)"},
    {"Phone No. Error(01)", "手机号码错误(01)"},
    {"Phone No. Error(02)", "手机号码错误(02)"},
    {"Phone No. Error(03)", "手机号码错误(03)"},
    {"Only numbers(+) are allowed phone number", "手机号码只允许数字(+)"},
    {"Please re-check the phone number is entered correctly", "请重新检查手机号码是否输入正确"},
    {"Please re-check the phone number or email address is entered correctly",
     "请重新检查手机号码或者email地址是否输入正确"},
    {"Email Error(@)", "Email 错误(@)"},
    {"Email Error(.)", "Email 错误(.)"},
    {"URL Error(0)", "彩信网址错误(0)"},
    {"APN Error(0)", "APN 错误(0)"},
    {"GateWay Error(0)", "彩信网关错误(0)"},
    {"Port Error(0)", "彩信端口错误(0)"},
    // The gateway's own word: a gateway without "." is not a port fault.
    {"GateWay Error(.)", "彩信网关错误(.)"},
    {"Phone No. Error(01)", "请设置手机号码1"},
    {"Vyn 8620 MMS configuration file (URL|APN|Gateway|Port ...) has been generated",
     "Vyn 8620 MMS配置文件已生成"},
    {"Vyn 8520 MMS configuration file (URL|APN|Gateway|Port ...) has been generated",
     "Vyn 8520 MMS配置文件已生成"},
    {"Phone number will not be displayed in the camera setup menu", "手机号码将不能在相机设置菜单显示"},
}};

}  // namespace

MmsTexts MmsDialogTexts(int32_t language) {
    const std::size_t i = static_cast<std::size_t>(DisplayLanguage(language) - 1);
    return MmsTexts{
        MmsCaptions{
            .modeLabel = kModeLabel[i],
            .sendLabel = kSendLabel[i],
            .picturesLabel = kPicturesLabel[i],
            .picturesNote = kPicturesNote[i],
            .countryLabel = kCountryLabel[i],
            .operatorLabel = kOperatorLabel[i],
            .remoteControlLabel = kRemoteControlLabel[i],
            .urlLabel = kUrlLabel[i],
            .gatewayLabel = kGatewayLabel[i],
            .portLabel = kPortLabel[i],
            .phoneLabel = kPhoneLabel[i],
            .emailLabel = kEmailLabel[i],
            .accountLabel = kAccountLabel[i],
            .passwordLabel = kPasswordLabel[i],
            .recipientLabel = kRecipientLabel[i],
            .folderButton = kFolderButton[i],
            .generate = kGenerate[i],
            .exit = kExit[i],
            .frame = kFrame[i],
            .hoursOff = kHoursOff[i],
        },
        MmsListTexts{
            .modeAuto = kModeAuto[i],
            .modeManual = kModeManual[i],
            .sendOff = kSendOff[i],
            .domestic = kDomestic[i],
            .international = kInternational[i],
        },
    };
}

std::string_view MmsMessageText(MmsMessage message, int32_t language) {
    const MessagePair& pair = kMessages[static_cast<std::size_t>(message)];
    return MessagesInChinese(language) ? pair.chinese : pair.english;
}

}  // namespace corvane
