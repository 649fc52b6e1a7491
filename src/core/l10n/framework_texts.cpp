#include "core/l10n/framework_texts.h"

#include "core/l10n/text_row.h"

namespace corvane {
namespace {

constexpr MessagePair kIntegerExpected = {"Please enter an integer.", "请键入一个整数。"};
constexpr MessagePair kMaxChars = {"Please enter no more than %1 characters.", "“请填入不多于%1个的字符。”"};
constexpr MessagePair kMinMaxInt = {"Please enter an integer between %1 and %2.",
                                    "“请填入一个在%1和%2之间的整数。”"};

}  // namespace

FrameworkMessages FrameworkMessagesIn(int32_t language) {
    return {MessageIn(kIntegerExpected, language), MessageIn(kMaxChars, language),
            MessageIn(kMinMaxInt, language)};
}

}  // namespace corvane
