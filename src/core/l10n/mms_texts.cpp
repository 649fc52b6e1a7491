#include "core/l10n/mms_texts.h"

#include "core/l10n/message_dialog_texts.h"
#include "core/l10n/text_row.h"

namespace corvane {
namespace {

using namespace message_dialog_texts;

constexpr TextRow kModeLabel = {"MMS 模式", "MMS Mode", "MMS Modus", "MMS valikot", "Modo MMS",
                                "MODE MMS", "MMS Mod",  "Nacin MMS", "Rezim MMS",   "MMS モード"};
constexpr TextRow kSendLabel = {"MMS 发送", "MMS Status", "MMS Einstellung", "MMS-tila",   "stato MMS",
                                "Etat MMS", "MMS oll.",   "Status MMS",      "Status MMS", "MMSステータス"};
constexpr TextRow kUrlLabel = {"彩信网址", "URL", "URL", "URL", "URL", "URL", "URL", "URL", "URL", "URL"};
constexpr TextRow kGatewayLabel = {"彩信网关", "Gateway", "Gateway", "gateway", "GateWay",
                                   "GateWay",  "Atjaro",  "Prehod",  "GateWay", "ゲートウェイ"};
constexpr TextRow kPortLabel = {"彩信端口", "Port", "Port",  "port", "PORTA",
                                "Port",     "Port", "VRATA", "Port", "ポート"};
constexpr TextRow kEmailLabel = {"Email", "Email", "Email", "Sahkoposti", "Email",
                                 "Email", "Email", "Email", "Email",      "Eメール"};
constexpr TextRow kRecipientLabel = {
    "手机号码或邮件", "Phone or Email",   "Tel. oder Email", "gsm / sahkoposti", "Tel. o mail",
    "Tel. ou e-mail", "Tel.vagy e-level", "Tel./ e-posta",   "Telefon / Email",  "電話orEメール"};
constexpr TextRow kFolderButton = {"选择目录", "Select",    "Auswahl", "valitse", "Seleziona",
                                   "Choix",    "Kivalaszt", "Izberi",  "Select",  "フォルダ選択"};
constexpr TextRow kFrame = {"彩信", "MMS", "MMS", "MMS", "MMS", "MMS", "MMS", "MMS", "MMS", "MMS"};

constexpr TextRow kModeAuto = {"自动", "Auto", "Auto",      "autom",       "Auto",
                               "Auto", "Auto", "Samodejno", "Automaticky", "オート"};
constexpr TextRow kModeManual = {"手动",   "Manual", "Manuell", "manuaali", "Manuale",
                                 "Manuel", "Kezi",   "Rocno",   "Rucne",    "マニュアル"};
constexpr TextRow kSendOff = {"关闭",  "Off", "Aus",    "pois",    "OFF",
                              "Arret", "Ki",  "Izklop", "Vypnuto", "オフ"};
constexpr TextRow kDomestic = {"国内",      "Domestic ", "Domestic ", "Domestic ", "Domestic ",
                               "Domestic ", "Domestic ", "Domestic ", "Domaci ",   "Domestic "};
constexpr TextRow kInternational = {"国际",          "International", "International", "International",
                                    "International", "International", "International", "International",
                                    "Mezinarodni",   "International"};

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
    return MmsTexts{
        MmsCaptions{
            .modeLabel = TextIn(kModeLabel, language),
            .sendLabel = TextIn(kSendLabel, language),
            .picturesLabel = TextIn(kPicturesLabel, language),
            .picturesNote = TextIn(kPicturesNote, language),
            .countryLabel = TextIn(kCountryLabel, language),
            .operatorLabel = TextIn(kOperatorLabel, language),
            .remoteControlLabel = TextIn(kRemoteControlLabel, language),
            .urlLabel = TextIn(kUrlLabel, language),
            .gatewayLabel = TextIn(kGatewayLabel, language),
            .portLabel = TextIn(kPortLabel, language),
            .phoneLabel = TextIn(kPhoneLabel, language),
            .emailLabel = TextIn(kEmailLabel, language),
            .accountLabel = TextIn(kAccountLabel, language),
            .passwordLabel = TextIn(kPasswordLabel, language),
            .recipientLabel = TextIn(kRecipientLabel, language),
            .folderButton = TextIn(kFolderButton, language),
            .generate = TextIn(kGenerate, language),
            .exit = TextIn(kExit, language),
            .frame = TextIn(kFrame, language),
            .hoursOff = TextIn(kOff, language),
        },
        MmsListTexts{
            .modeAuto = TextIn(kModeAuto, language),
            .modeManual = TextIn(kModeManual, language),
            .sendOff = TextIn(kSendOff, language),
            .domestic = TextIn(kDomestic, language),
            .international = TextIn(kInternational, language),
        },
    };
}

std::string_view MmsMessageText(MmsMessage message, int32_t language) {
    return MessageIn(kMessages[static_cast<std::size_t>(message)], language);
}

}  // namespace corvane
