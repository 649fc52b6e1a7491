#include "core/l10n/main_texts.h"

#include "core/models/models.h"

namespace corvane {

namespace {

constexpr MainTexts kEnglish = {
    "Camera Setup",    "MMS Setup",       "Smtp Setup",   "Click here to get the latest updates",
    "Version:1.2.027", "Select Language", "Camera Model",
};

constexpr MainTexts WithButtons(const char* camera, const char* mms, const char* smtp) {
    MainTexts t = kEnglish;
    t.cameraSetup = camera;
    t.mmsSetup = mms;
    t.smtpSetup = smtp;
    return t;
}

constexpr MainTexts kChinese = {
    "相机设置", "彩信设置", "SMTP设置", "获取最新版本程序更新", "程序版本:1.2.027", "选择语言", "机器型号",
};

constexpr MainTexts kGerman = WithButtons("Kamera Installation", "MMS Installation", "Smtp Setup");

constexpr MainTexts Finnish() {
    MainTexts t = WithButtons("kamera-asetukset", "MMS valikot", "Smtp Setup");
    t.updateLink = "paina tasta saadaksesi uusimmat paivitykset";
    return t;
}

constexpr MainTexts Czech() {
    MainTexts t = WithButtons("Nastaveni", "Nastaveni MMS", "Nastaveni Smtp");
    t.updateLink = "Stisknete pro update";
    t.languageLabel = "Zvolit Jazyk";
    t.modelLabel = "Fotopast Model";
    return t;
}

constexpr const char* kLanguageEntries[kLanguageListSize] = {
    "Chinese",  "English", "Deutsch",   "Suomi", "Italiano",
    "Francais", "Magyar",  "Slovensko", "Cesky", "Japanese",
};

}  // namespace

MainTexts MainTextsFor(int32_t language) {
    switch (language) {
        case 1:
            return kChinese;
        case 2:
            return kEnglish;
        case 3:
            return kGerman;
        case 4:
            return Finnish();
        case 5:
            return WithButtons("Setup camera", "impost. MMS", "Smtp Setup");
        case 6:
            return WithButtons("Reglage camera", "Reglage MMS", "Smtp Setup");
        case 7:
            return WithButtons("Kamera beallita", "MMS beol.", "Smtp Setup");
        case 8:
            return WithButtons("Nast. kamere", "Nastavi MMS", "Smtp Setup");
        case 9:
            return Czech();
        case 10:
            return WithButtons("本体設定", "MMS設定", "SMTP設定");
        default:
            return kEnglish;
    }
}

const char* LanguageListEntry(int position, bool textsChinese) {
    if (position < 0 || position >= kLanguageListSize) {
        return nullptr;
    }
    return position == 0 && textsChinese ? "中文" : kLanguageEntries[position];
}

const char* ModelListEntry(int position) {
    return position >= 0 && position < kModelListSize ? kModels[position].listName.data() : nullptr;
}

}  // namespace corvane
