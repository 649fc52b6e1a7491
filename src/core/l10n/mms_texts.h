#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/l10n/language.h"
#include "core/l10n/preset_texts.h"

namespace corvane {

// Captions of the MMS setup dialog for one language, by the role of the control. Both families show the
// same texts; only the id of the remote control label differs.
struct MmsCaptions {
    std::string_view modeLabel;           // 1039
    std::string_view sendLabel;           // 1040
    std::string_view picturesLabel;       // 1059
    std::string_view picturesNote;        // 1075
    std::string_view countryLabel;        // 1043
    std::string_view operatorLabel;       // 1044
    std::string_view remoteControlLabel;  // 1084 (8520: 1129)
    std::string_view urlLabel;            // 1047
    std::string_view gatewayLabel;        // 1048
    std::string_view portLabel;           // 1049
    std::string_view phoneLabel;          // 1050
    std::string_view emailLabel;          // 1051
    std::string_view accountLabel;        // 1052
    std::string_view passwordLabel;       // 1053
    std::string_view recipientLabel;      // 1054 and 1055
    std::string_view folderButton;        // 1057
    std::string_view generate;            // 1
    std::string_view exit;                // 2
    std::string_view frame;               // 1058
    std::string_view hoursOff;            // last entry of the hours list
};

// The language-dependent entries of the mode, send and phone type lists.
struct MmsListTexts {
    std::string_view modeAuto;
    std::string_view modeManual;
    std::string_view sendOff;  // send list, position 0
    std::string_view domestic;
    std::string_view international;
};

struct MmsTexts {
    MmsCaptions captions;
    MmsListTexts lists;
};

// Takes any language value; returns the dialog's texts (UTF-8). Values outside 1..10 give the English
// texts. Never fails.
MmsTexts MmsDialogTexts(int32_t language);

// Entries that are the same in every language.
inline constexpr std::string_view kMmsSendVga = "VGA";
inline constexpr std::string_view kMmsSendQvga = "QVGA";  // 8520 family only
inline constexpr std::string_view kMmsSendSms = "SMS";
inline constexpr std::string_view kMmsApnTypeApn = "APN";
inline constexpr std::string_view kMmsApnTypeCsd = "CSD";  // Manual mode only
inline constexpr std::string_view kMmsManualChoice = kManualPresetEntry;
inline constexpr std::string_view kMmsHoursUnit = "H";

// Messages of the MMS dialog. Each exists in Chinese and English.
enum class MmsMessage {
    kPhoneAndEmailEmpty,       // M1
    kPhoneTooShort,            // M2
    kPhone2TooShort,           // M3
    kPhone3TooShort,           // M4
    kPhoneNotDigits,           // M5
    kSmsRecipientNotDialable,  // M6
    kRecipientNotDialable,     // M7
    kEmailWithoutAt,           // M8
    kEmailWithoutDot,          // M9
    kUrlEmpty,                 // M10
    kApnEmpty,                 // M11
    kGatewayEmpty,             // M12
    kPortEmpty,                // M13
    kGatewayWithoutDot,        // M14
    kRemoteControlNeedsPhone,  // M15
    kGenerated8620,            // S1
    kGenerated8520,            // S2
    kInternationalNotShown,    // warning when International numbers are chosen
};

// Takes a message and any language value; returns its Chinese text for language 1 and its English text
// otherwise.
std::string_view MmsMessageText(MmsMessage message, int32_t language);

}  // namespace corvane
