#pragma once

// The setup dialogs' own field checks, with the program's messages (Chinese for language 1, English
// otherwise), shown through the platform's message box. Call them in DoDataExchange after the DDX_ of the
// field, as the framework's DDV_ checks.

#include <cstdint>
#include <string>

#include "framework/data_exchange.h"

namespace corvane {

// Reading: a value outside min..max shows IntRangeMessage and fails. The bounds pass.
void DDV_IntRange(CDataExchange& dx, int32_t value, int32_t min, int32_t max, int32_t language);
// Reading: a phone number longer than maxDigits bytes shows PhoneLengthMessage and fails.
void DDV_PhoneLength(CDataExchange& dx, const std::string& phone, int maxDigits, int32_t language);

std::string IntRangeMessage(int32_t min, int32_t max, int32_t language);
std::string PhoneLengthMessage(int maxDigits, int32_t language);

}  // namespace corvane
