#pragma once

// The dialog framework's own check messages, in the languages the program's messages come in.

#include <cstdint>
#include <string_view>

namespace corvane {

struct FrameworkMessages {
    std::string_view integerExpected;  // a number field that holds no whole number
    std::string_view maxChars;         // a text longer than its field takes; %1: the maximum
    std::string_view minMaxInt;        // a number outside its range; %1 and %2: the bounds
};

// Chinese for language 1, English for every other value. UTF-8.
FrameworkMessages FrameworkMessagesIn(int32_t language);

}  // namespace corvane
