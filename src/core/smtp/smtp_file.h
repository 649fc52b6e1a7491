#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/files/file_system.h"
#include "core/files/message_records.h"
#include "core/files/record.h"
#include "core/l10n/language.h"
#include "core/models/app_settings.h"

// smtp.dat: the e-mail sending settings, written from the SMTP dialog's values.
namespace corvane {

inline constexpr char kSmtpFileName[] = "smtp.dat";

// Addend of smtp.dat's checksum record.
inline constexpr uint16_t kSmtpChecksumOffset = 15;

// Country index stored in Manual mode, where the lists hold only "Other".
inline constexpr uint8_t kSmtpManualCountryIndex = 0x80;

// Offsets in the header record. Bytes 6-8 depend on the model family.
namespace smtp_header {
inline constexpr std::size_t kOperatorIndex = 1;
inline constexpr std::size_t kCountryIndex = 2;
inline constexpr std::size_t kPicturesTens = 3;
inline constexpr std::size_t kPicturesUnits = 4;
inline constexpr std::size_t kFileLanguage = 5;
inline constexpr std::size_t kFamilyByte6 = 6;  // 8520: the constant 1; 8620: SMTP status
inline constexpr std::size_t kFamilyByte7 = 7;  // 8520: 0; 8620: SMS remote control
inline constexpr std::size_t kFamilyByte8 = 8;  // 8520: SMS remote control; 8620: 0
inline constexpr std::size_t kModeFlag = kMessageHeaderModeFlag;
}  // namespace smtp_header

// What the SMTP dialog hands to the writer when generating. Texts are the bytes as typed (records 2-4
// from the data-access preset in Auto mode), without terminator.
struct SmtpFileValues {
    ModelFamily family = ModelFamily::k8520;  // selects the layout of header bytes 6-8 only
    bool autoMode = true;
    uint8_t countryIndex = 0;         // country list selection; stored only in Auto mode
    uint8_t operatorIndex = 0;        // operator list selection; stored only in Auto mode
    int32_t picturesPerDay = 0;       // 0-99, 0 = no limit
    int32_t fileLanguage = kEnglish;  // FileLanguage, 1-10
    uint8_t remoteControl = 25;       // SMS remote control: 0-24 hours, 25 = Off
    uint8_t smtpStatus = 1;           // 8620 only: 0 Off, 1 VGA, 2 SMS
    std::string apn;
    std::string account;
    std::string password;
    std::string smtpServer;
    std::string smtpPort;
    std::string senderAddress;
    std::string senderPassword;
    std::string phone;
    std::string recipient;
};

// Takes the values; returns the header record. In Manual mode it stores operator 0 and country 0x80
// whatever indices are given. Stores picturesPerDay as its tens and units digits, which the caller
// keeps within 0-99 (BuildSmtpRecords refuses other values). Refuses nothing.
Record SmtpFileHeader(const SmtpFileValues& values);

// Takes a sender e-mail address; returns its bytes before the first "@", or the whole address when
// it has none.
std::string_view SenderUserName(std::string_view senderAddress);

// Takes the values; returns the header and the ten text records in file order (apn, account,
// password, SMTP server, port, sender address, sender password, phone, sender user name, recipient).
// Refuses, with nothing built, a picturesPerDay outside 0-99 or a text longer than
// kMaxRecordTextBytes; `target` names the file in the refusal.
MessageRecords BuildSmtpRecords(const SmtpFileValues& values, const std::string& target);

// Takes the file system, the output folder as held by the dialog and the values; writes smtp.dat
// with WriteMessageFile (prepared in memory; a stale mms.dat is removed). Does not validate the values
// beyond refusing what does not fit a record. Returns completed only when smtp.dat is complete and no
// mms.dat is left; on a refusal nothing is written, on a write failure the previous smtp.dat is kept
// and no temporary file of this write is left.
MessageFileResult WriteSmtpSettingsFile(FileSystem& fs, const std::string& outputFolder,
                                        const SmtpFileValues& values);

// Auto mode: the data-access texts of the preset of the values' country and operator (empty where there is
// none).
void UseGprsPreset(SmtpFileValues& values);

}  // namespace corvane
