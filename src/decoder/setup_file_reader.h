#pragma once

// What a setup dialog takes from a file on the card: the file of its kind read with the layout of its
// model family, as the settings the dialog holds, or the reason it is refused. Built on the decoder, so
// it shares no code with the writers either. Plain C++, no Qt.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "decoder/decoder.h"
#include "platform/regular_file.h"

namespace corvane::decoder {

enum class Family { k8520, k8620 };

// Why a file is not read, in the order the checks are made.
enum class Refusal {
    kMissing,     // there is no such file
    kUnreadable,  // not a regular file, or it does not open or read
    kKind,        // a file of another kind, or the factory-settings record (it holds no settings)
    kSize,        // not the length of its kind
    kFraming,     // line ends, reserved bytes, or a text's length byte
    kChecksum,    // stored and computed checksum differ
    kValue,       // a setting out of its range, or a text longer than its field
    kFamily,      // sound, but made for the other model family
};

struct Finding {
    Refusal refusal = Refusal::kValue;
    std::string what;  // the decoder's finding in English, e.g. "wrong size: 59 bytes, expected 60"
};

struct TimerSetting {
    int enabled = 0;  // 0 off, 1 on
    int startHour = 0;
    int startMinute = 0;
    int stopHour = 0;
    int stopMinute = 0;

    bool operator==(const TimerSetting&) const = default;
};

// menu.dat as the camera dialog holds it: list positions and field values.
struct MenuSettings {
    int cameraMode = 0;
    int imageSize = 0;
    int videoSize = 0;
    int pictureCount = 0;
    int videoLength = 10;  // seconds, 1..60
    int timeStamp = 0;     // 0 on, 1 off
    int intervalUnit = 1;  // 0 seconds, 1 minutes
    int interval = 1;      // 0..60
    int senseLevel = 0;
    int sidePir = 1;
    TimerSetting timer1;
    TimerSetting timer2;
    int timeLapse = 1;  // 0 on, 1 off
    int timeLapseHour = 0;
    int timeLapseMinute = 0;
    int timeLapseSecond = 0;
    int serialEnabled = 0;
    std::array<int, 4> serialChars{};  // 0..35: "0".."9", "A".."Z"
    int beep = 1;                      // 8620 family only
    int sdCycle = 0;                   // 8620 family only
    int fileLanguage = 0;              // as stored; the dialog writes its own
    int tvMode = 0;                    // as stored; the dialog writes its own

    bool operator==(const MenuSettings&) const = default;
};

// setup.dat as the MMS dialog holds it. In Auto mode the network texts are the operator's preset, which
// the dialog looks up itself when generating; they are read all the same.
struct MmsSettings {
    bool manual = false;
    int country = 0;        // Auto mode: preset country index; Manual: 0
    int operatorIndex = 0;  // Auto mode: preset operator index; Manual: 0
    int sendMode = 1;       // position in the family's send list
    int apnType = 0;        // 0 APN, 1 CSD (Manual mode only)
    int picturesPerDay = 0;
    bool phoneIsInternational = false;
    int remoteControlHours = 25;  // 0..24, 25 off
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
    int fileLanguage = 0;
    int tvMode = 0;

    bool operator==(const MmsSettings&) const = default;
};

// smtp.dat as the e-mail dialog holds it. In Auto mode the three GPRS texts are the operator's preset.
struct SmtpSettings {
    bool manual = false;
    int country = 0;        // Auto mode: preset country index; Manual: 0
    int operatorIndex = 0;  // Auto mode: preset operator index; Manual: 0
    int picturesPerDay = 0;
    int remoteControlHours = 25;  // 0..24, 25 off
    int smtpStatus = 1;           // 8620 family: 0 off, 1 VGA, 2 SMS; 8520 family: always 1
    std::string gprsApn;
    std::string gprsAccount;
    std::string gprsPassword;
    std::string smtpServer;
    std::string smtpPort;
    std::string senderEmail;
    std::string senderPassword;
    std::string smsPhone;
    std::string recipientEmail;
    int fileLanguage = 0;

    bool operator==(const SmtpSettings&) const = default;
};

template <typename Settings>
struct Reading {
    std::optional<Settings> settings;  // set exactly when the file is taken
    std::optional<Finding> refusal;    // set exactly when it is not
};

// Each takes any bytes and the dialog's family. A file is taken when it is of the wanted kind, sound
// (size, framing, checksum, every value in range), fits the family's layout and every text shown by the
// dialog fits its field. Otherwise the refusal names the first reason: another kind of file when the
// bytes are recognisably one, else the decoder's worst fault, else the family, else the field.
Reading<MenuSettings> ReadMenuSettings(std::span<const uint8_t> bytes, Family family);
Reading<MmsSettings> ReadMmsSettings(std::span<const uint8_t> bytes, Family family);
Reading<SmtpSettings> ReadSmtpSettings(std::span<const uint8_t> bytes, Family family);

struct LoadedFile {
    std::vector<uint8_t> bytes;
    std::optional<Finding> refusal;  // kMissing, kUnreadable, or kSize for a file far too long to be ours
};

// Far more than any setup file; what is longer is refused by size without being read whole.
inline constexpr std::uintmax_t kMaxSetupFileLoad = 64 * 1024;

// What reading a whole file of at most kMaxSetupFileLoad bytes gave: its bytes, or the refusal, with the
// system's reason in words for a file that does not open or read.
LoadedFile LoadedSetupFile(platform::RegularFile read);

// Reads a whole file from disk (ReadRegularFile: never waits on a fifo or device, never follows a link),
// and never holds more than a little over any setup file's size, as LoadedSetupFile tells it.
LoadedFile LoadSetupFile(const std::string& path);

// The reading above of a loaded file (its refusal, if it has one).
Reading<MenuSettings> ReadMenuSettingsFile(const LoadedFile& file, Family family);
Reading<MmsSettings> ReadMmsSettingsFile(const LoadedFile& file, Family family);
Reading<SmtpSettings> ReadSmtpSettingsFile(const LoadedFile& file, Family family);

// LoadSetupFile, then the reading above.
Reading<MenuSettings> ReadMenuSettingsFile(const std::string& path, Family family);
Reading<MmsSettings> ReadMmsSettingsFile(const std::string& path, Family family);
Reading<SmtpSettings> ReadSmtpSettingsFile(const std::string& path, Family family);

}  // namespace corvane::decoder
