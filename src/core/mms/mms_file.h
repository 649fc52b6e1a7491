#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/files/file_system.h"
#include "core/files/message_records.h"
#include "core/files/record.h"
#include "core/l10n/language.h"
#include "core/models/app_settings.h"

// setup.dat: the MMS sending settings, written from the MMS dialog's values.
namespace corvane {

inline constexpr char kMmsFileName[] = "setup.dat";

// Country code stored in Manual mode, where no preset country applies.
inline constexpr uint8_t kManualCountryCode = 0x80;

// Checksum addend of setup.dat when the phone numbers are international; 0 otherwise.
inline constexpr uint16_t kInternationalChecksumOffset = 18;

// Offsets in the header record.
namespace mms_header {
inline constexpr std::size_t kSendMode = 0;
inline constexpr std::size_t kSendModePlusOne = 1;
inline constexpr std::size_t kApnType = 2;
inline constexpr std::size_t kPicturesTens = 3;
inline constexpr std::size_t kPicturesUnits = 4;
inline constexpr std::size_t kFileLanguage = 5;
inline constexpr std::size_t kTvMode = 6;
inline constexpr std::size_t kPhoneInternational = 7;
inline constexpr std::size_t kCountryCode = 8;
inline constexpr std::size_t kOperatorCode = 9;
inline constexpr std::size_t kRemoteControlHours = 10;
inline constexpr std::size_t kModeFlag = kMessageHeaderModeFlag;
}  // namespace mms_header

// What the MMS dialog hands to the writer when generating. Positions are list selections. Texts are
// the bytes as typed (or as taken from the preset), without terminator.
struct MmsFileValues {
    uint8_t sendMode = 1;               // 8620: 0 Off, 1 VGA, 2 SMS; 8520: 0 Off, 1 VGA, 2 QVGA, 3 SMS
    uint8_t apnType = 0;                // 0 "APN", 1 "CSD"
    int32_t picturesPerDay = 0;         // 0-99, 0 = unlimited
    int32_t fileLanguage = kEnglish;    // FileLanguage, 1-10
    uint32_t tvMode = 0;                // only the low byte is stored
    bool phoneIsInternational = false;  // also selects the checksum addend
    uint8_t mmsCountryCode = 0;         // preset country 0-41, or kManualCountryCode
    uint8_t mmsOperatorCode = 0;        // preset operator 0-8, 0 in Manual mode
    uint8_t remoteControlHours = 25;    // 0-24 hours, 25 = Off
    uint8_t mmsMode = 0;                // 0 Auto, 1 Manual
    std::string url;
    std::string apn;
    std::string gateway;
    std::string port;
    std::string phone;
    std::string email;
    std::string account;
    std::string password;
    std::string phone2;
    std::string phone3;
};

// Takes the values; returns the header record. Stores picturesPerDay as its tens and units digits,
// which the caller keeps within 0-99 (BuildMmsRecords refuses other values). Refuses nothing.
Record MmsFileHeader(const MmsFileValues& values);

// Takes the values; returns the header and the ten text records in file order (url, apn, gateway,
// port, phone, email, account, password, phone2, phone3). Refuses, with nothing built, a
// picturesPerDay outside 0-99 or a text longer than kMaxRecordTextBytes; `target` names the file in
// the refusal.
MessageRecords BuildMmsRecords(const MmsFileValues& values, const std::string& target);

// The addend of setup.dat's checksum record: 18 for international phone numbers, else 0.
uint16_t MmsChecksumOffset(bool phoneIsInternational);

// Takes the file system, the output folder as held by the dialog and the values; writes setup.dat
// with WriteMessageFile (prepared in memory; a stale mms.dat is removed). Does not validate the values
// beyond refusing what does not fit a record. Returns completed only when setup.dat is complete and no
// mms.dat is left; on a refusal nothing is written, on a write failure the previous setup.dat is kept
// and no temporary file of this write is left.
MessageFileResult WriteMmsSettingsFile(FileSystem& fs, const std::string& outputFolder,
                                       const MmsFileValues& values);

// Auto mode: the network texts of the MMS preset of `country` and `operatorIndex` (empty where the preset
// has none, as for an operator without one), and those indexes as the file's country and operator codes.
void UseMmsPreset(MmsFileValues& values, int country, int operatorIndex);

}  // namespace corvane
