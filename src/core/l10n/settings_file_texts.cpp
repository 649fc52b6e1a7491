#include "core/l10n/settings_file_texts.h"

#include "core/l10n/language.h"

namespace corvane {
namespace {

constexpr SettingsFileTexts kEnglishTexts = {
    "Save settings...\tCtrl+S",
    "Open settings...\tCtrl+O",
    "Save the passwords in the settings file too?\nThe file is then readable by you only.",
    "The settings were saved to ",
    "The settings file was not saved: ",
    "These settings cannot be saved: ",
    "The settings file was not opened: ",
    "The settings are for the %s; this dialog is for the %s family.",
};
constexpr SettingsFileTexts kChineseTexts = {
    "保存设置...\tCtrl+S",
    "打开设置...\tCtrl+O",
    "是否将密码也保存到设置文件中?\n该文件将只有您能读取。",
    "设置已保存到 ",
    "设置文件未保存: ",
    "无法保存这些设置: ",
    "设置文件未打开: ",
    "这些设置适用于 %s; 本对话框适用于 %s 系列。",
};

}  // namespace

const SettingsFileTexts& SettingsFileTextsFor(int32_t language) {
    return MessagesInChinese(language) ? kChineseTexts : kEnglishTexts;
}

}  // namespace corvane
