#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/files/message_records.h"
#include "core/l10n/language.h"
#include "core/l10n/mms_texts.h"
#include "core/mms/mms_file.h"
#include "core/models/models.h"

// The rules of the MMS setup dialog that need no window: the family's send list, the phone number
// limits, when the further recipient fields open, and the checks run before setup.dat is written.
namespace corvane {

// Positions of the mode list.
inline constexpr int kMmsModeAuto = 0;
inline constexpr int kMmsModeManual = 1;
// Positions of the phone type list.
inline constexpr int kPhoneDomestic = 0;
inline constexpr int kPhoneInternational = 1;
// The hours list holds "0".."24" and then Off (kRemoteControlOff).
inline constexpr int kRemoteControlEntries = 26;
// A phone number, second recipient or e-mail address counts as given from this many characters on.
inline constexpr std::size_t kMinRecipientLength = 5;

// Takes a family and a send list position; returns whether it is the "SMS" entry (position 2 in the
// 8620 family, 3 in the 8520 family, whose list also has "QVGA").
bool SmsOnlySend(ModelFamily family, int sendPosition);

// Takes a family; returns the number of send list entries (3 for 8620, 4 for 8520).
int SendEntryCount(ModelFamily family);

// Takes a family and the phone type; returns the longest phone number in bytes: 32 for international
// numbers, otherwise 12 (8620) or 11 (8520).
int MaxPhoneDigits(ModelFamily family, bool phoneIsInternational);

// Takes a phone number; returns whether every character is a digit, where an international number may
// also start with "+" (its first character may be "+" or a digit, nothing else).
bool PassesDigitCheck(std::string_view phone, bool phoneIsInternational);

// Takes a text; returns whether every character is a digit or "+".
bool PassesDialCheck(std::string_view text);

// Takes the phone number and the e-mail address; returns whether the second recipient field is open:
// the phone number has kMinRecipientLength characters or more, or the e-mail address has that many and
// an "@". Either recipient opens it, so changing one never closes what the other opened.
bool SecondRecipientOpen(std::string_view phone, std::string_view email);

// Takes whether the second field is open and its text; returns whether the third recipient field is
// open: the second is open and holds kMinRecipientLength characters or more.
bool ThirdRecipientOpen(bool secondOpen, std::string_view phone2);

// The text a failed check is about, so that the dialog can put the focus there.
enum class MmsField { kPhone, kPhone2, kPhone3, kEmail, kUrl, kApn, kGateway, kPort };

struct MmsFault {
    MmsMessage message;
    MmsField field;
    bool operator==(const MmsFault&) const = default;
};

// Takes the family and the values setup.dat would get (in Auto mode the preset's network texts); returns
// the first failing check (its message and the text it is about), in the fixed order of the dialog, or
// nothing when every check passes. The network texts are examined only in Manual mode; a remote control
// time needs a phone number.
std::optional<MmsFault> CheckMmsFile(ModelFamily family, const MmsFileValues& values);

}  // namespace corvane
