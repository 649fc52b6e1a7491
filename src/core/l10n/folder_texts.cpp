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

}  // namespace corvane
