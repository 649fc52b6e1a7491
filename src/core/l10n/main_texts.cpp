#include "core/l10n/main_texts.h"

#include "core/l10n/text_row.h"
#include "core/models/models.h"
#include "corvane_version.h"

namespace corvane {

namespace {

constexpr TextRow kCameraSetup = {"相机设置",     "Camera Setup",   "Kamera Installation", "kamera-asetukset",
                                  "Setup camera", "Reglage camera", "Kamera beallita",     "Nast. kamere",
                                  "Nastaveni",    "本体設定"};
constexpr TextRow kMmsSetup = {"彩信设置",    "MMS Setup", "MMS Installation", "MMS valikot",   "impost. MMS",
                               "Reglage MMS", "MMS beol.", "Nastavi MMS",      "Nastaveni MMS", "MMS設定"};
constexpr TextRow kSmtpSetup = {"SMTP设置",   "Smtp Setup", "Smtp Setup", "Smtp Setup",     "Smtp Setup",
                                "Smtp Setup", "Smtp Setup", "Smtp Setup", "Nastaveni Smtp", "SMTP設定"};
constexpr TextRow kUpdateLink = {"获取最新版本程序更新",
                                 "Click here to get the latest updates",
                                 "Click here to get the latest updates",
                                 "paina tasta saadaksesi uusimmat paivitykset",
                                 "Click here to get the latest updates",
                                 "Click here to get the latest updates",
                                 "Click here to get the latest updates",
                                 "Click here to get the latest updates",
                                 "Stisknete pro update",
                                 "Click here to get the latest updates"};
#define VERSION_TEXT "Version:" CORVANE_SHOWN_VERSION
constexpr TextRow kVersion = {"程序版本:" CORVANE_SHOWN_VERSION,
                              VERSION_TEXT,
                              VERSION_TEXT,
                              VERSION_TEXT,
                              VERSION_TEXT,
                              VERSION_TEXT,
                              VERSION_TEXT,
                              VERSION_TEXT,
                              VERSION_TEXT,
                              VERSION_TEXT};
#undef VERSION_TEXT
constexpr TextRow kLanguageLabel = {
    "选择语言",        "Select Language", "Select Language", "Select Language", "Select Language",
    "Select Language", "Select Language", "Select Language", "Zvolit Jazyk",    "Select Language"};
constexpr TextRow kModelLabel = {"机器型号",       "Camera Model", "Camera Model", "Camera Model",
                                 "Camera Model",   "Camera Model", "Camera Model", "Camera Model",
                                 "Fotopast Model", "Camera Model"};

constexpr MessagePair kNoBrowser = {"No web browser could be started. The latest version is on this page:\n",
                                    "无法启动网页浏览器。最新版本在此网页：\n"};

}  // namespace

MainTexts MainTextsFor(int32_t language) {
    // The rows hold string literals: each text's data() ends in a terminator.
    return MainTexts{
        .cameraSetup = TextIn(kCameraSetup, language).data(),
        .mmsSetup = TextIn(kMmsSetup, language).data(),
        .smtpSetup = TextIn(kSmtpSetup, language).data(),
        .updateLink = TextIn(kUpdateLink, language).data(),
        .version = TextIn(kVersion, language).data(),
        .languageLabel = TextIn(kLanguageLabel, language).data(),
        .modelLabel = TextIn(kModelLabel, language).data(),
    };
}

const char* LanguageListEntry(int position, bool textsChinese) {
    if (position < 0 || position >= kLanguageListSize) {
        return nullptr;
    }
    const LanguageInfo& entry = LanguageAt(position + 1);
    return entry.value == kChinese && textsChinese ? "中文" : entry.listEntry.data();
}

const char* ModelListEntry(int position) {
    return position >= 0 && position < kModelListSize ? kModels[position].listName.data() : nullptr;
}

std::string NoBrowserMessage(int32_t language, const std::string& url) {
    return std::string(MessageIn(kNoBrowser, language)) + url;
}

}  // namespace corvane
