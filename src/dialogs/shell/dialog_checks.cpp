#include "dialogs/shell/dialog_checks.h"

#include <cstddef>

#include "core/l10n/language.h"

namespace corvane {

void DDV_IntRange(CDataExchange& dx, int32_t value, int32_t min, int32_t max, int32_t language) {
    DDV_Check(dx, value >= min && value <= max, [&] { return IntRangeMessage(min, max, language); });
}

void DDV_PhoneLength(CDataExchange& dx, const std::string& phone, int maxDigits, int32_t language) {
    DDV_Check(dx, phone.size() <= static_cast<std::size_t>(maxDigits < 0 ? 0 : maxDigits),
              [&] { return PhoneLengthMessage(maxDigits, language); });
}

std::string IntRangeMessage(int32_t min, int32_t max, int32_t language) {
    const std::string low = std::to_string(min);
    const std::string high = std::to_string(max);
    if (MessagesInChinese(language)) {
        return "请输入一个介于" + low + "和" + high + "之间的值!";
    }
    return "Please enter an integer between " + low + " and " + high + "!";
}

std::string PhoneLengthMessage(int maxDigits, int32_t language) {
    if (MessagesInChinese(language)) {
        return "最大允许手机号码位数 " + std::to_string(maxDigits) + "!";
    }
    return "The max allowable number of digits phone " + std::to_string(maxDigits) + "!";
}

}  // namespace corvane
