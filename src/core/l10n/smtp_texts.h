#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/l10n/language.h"
#include "core/models/models.h"

// Texts of the e-mail (SMTP) setup dialog: a row of ten languages per caption and per list entry (the rows it
// shares with the MMS dialog written once), and the dialog's messages in Chinese and English.
// The captions are the same in both model families; the dialog maps them to the family's control ids.
namespace corvane {

// The captions set at initialisation, by the role of the control.
enum class SmtpCaption {
    kModeLabel,            // 1086
    kPicturesLabel,        // 1089
    kNoLimitNote,          // 1090
    kCountryLabel,         // 1091
    kOperatorLabel,        // 1092
    kAccountLabel,         // 1098
    kGprsPasswordLabel,    // 1099
    kServerLabel,          // 1100
    kPortLabel,            // 1101
    kSenderLabel,          // 1103
    kSenderPasswordLabel,  // 1102
    kRecipientLabel,       // 1106
    kPhoneLabel,           // 1114 (8520) / 1116 (8620)
    kRemoteControlLabel,   // 1132 (8520) / 1107 (8620)
    kFolderButton,         // 1111
    kGenerateButton,       // 1112
    kExitButton,           // 2
};
inline constexpr int kSmtpCaptionCount = 17;

// Takes a caption and any language value; returns its text (UTF-8). Values outside 1..10 give English.
std::string_view SmtpCaptionText(SmtpCaption caption, int32_t language);

// Takes any language value; returns the mode list's entries: "Auto" (index 0), "Manual" (index 1).
std::array<std::string_view, 2> SmtpModeEntries(int32_t language);
// Takes any language value; returns the SMTP status list's entries (8620 only): "Off", "VGA", "SMS".
std::array<std::string_view, 3> SmtpStatusEntries(int32_t language);
// Takes any language value; returns the last entry of the SMS remote-control list ("Off").
std::string_view SmtpRemoteControlOffEntry(int32_t language);

// What the dialog reports.
enum class SmtpMessage {
    kApnMissing,
    kServerMissing,
    kPortMissing,
    kEmailMissing,
    kEmailWithoutAt,
    kEmailWithoutDot,
    kSenderPasswordMissing,
    kPhoneError,
    kGenerated,  // the family's success message
};

// Takes a message, a family (only the success message depends on it) and any language value; returns
// the Chinese text for language 1 and the English text otherwise.
std::string_view SmtpMessageText(SmtpMessage message, ModelFamily family, int32_t language);

}  // namespace corvane
