#include "core/l10n/folder_texts.h"

#include "core/l10n/language.h"

namespace corvane {

std::string FolderTooLongMessage(int32_t language, int limit, const std::string& keptFolder) {
    const std::string count = std::to_string(limit);
    if (MessagesInChinese(language)) {
        return "文件夹路径不能超过 " + count + " 个字符，这个文件夹未被采用。文件仍将写入 " + keptFolder +
               "。";
    }
    return "A folder can be at most " + count +
           " characters long; the longer one was not taken. Files still go to " + keptFolder + ".";
}

std::string FolderNotAbsoluteMessage(int32_t language, const std::string& typedFolder) {
    if (MessagesInChinese(language)) {
        return "文件夹“" + typedFolder +
               "”不是完整路径。请输入以 / 开头的文件夹（以 ~/ 开头表示主文件夹），或用文件夹按钮选择。";
    }
    return "The folder \"" + typedFolder +
           "\" is not a full path. Type a folder that starts with / (or with ~/ for your home folder), or "
           "choose one with the folder button.";
}

}  // namespace corvane
