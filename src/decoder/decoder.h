#pragma once

// Reader of the three setup files a camera takes from its card, used by corvane-inspect, by the setup
// dialogs' read button and by the tests. It is written from the file formats alone and shares no code
// with the writers, so that writing a file and reading it back here is a real check of both. Plain C++,
// no Qt; every function accepts any bytes and never reads outside them.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace corvane::decoder {

inline constexpr size_t kRecordSize = 60;
inline constexpr size_t kMenuFileSize = 60;
inline constexpr size_t kMessageRecordCount = 11;  // header + ten texts, before the checksum record
inline constexpr size_t kMessageFileSize = 720;
inline constexpr size_t kTextCapacity = 50;  // the scrambled part of a record
inline constexpr uint8_t kManualCountry = 0x80;
inline constexpr uint16_t kSmtpChecksumOffset = 15;
inline constexpr uint16_t kInternationalChecksumOffset = 18;

// Worst first: the order in which a damaged file's faults are named.
enum class FaultKind {
    kSize,      // the file is not the length of its kind
    kFraming,   // CR LF, reserved bytes of the frame, the checksum record's zero bytes
    kLength,    // a text record's length byte disagrees with its text
    kChecksum,  // stored and computed checksum differ
    kValue,     // checksum fine but a setting is out of its range or contradicts another
};

struct Fault {
    FaultKind kind;
    std::string what;  // one English phrase, e.g. "bad framing at record 3: byte 58 is 0x00, expected 0x0D"
};

// CRC-16/XMODEM (width 16, poly 0x1021, init 0, not reflected, xorout 0; check 0x31C3 for "123456789"),
// bit by bit. Takes any bytes and a start value; returns the running value.
uint16_t Crc16(std::span<const uint8_t> bytes, uint16_t start = 0);

// Undoes the byte transform of the message files: stored = nibble swap of the complement, so
// plain = complement of the nibble swap. Total on all 256 values.
uint8_t Unscramble(uint8_t stored);

// ---------------------------------------------------------------- menu.dat

struct TimerValues {
    uint8_t enabled = 0;  // 0 off, 1 on
    uint8_t startHour = 0;
    uint8_t startMinute = 0;
    uint8_t stopHour = 0;
    uint8_t stopMinute = 0;
};

// The record read with one family's layout. Indexes are list positions as stored.
struct MenuValues {
    uint8_t cameraMode = 0;
    uint8_t imageSize = 0;
    uint8_t videoSize = 0;
    uint8_t pictureCount = 0;
    int videoLengthSeconds = 1;  // stored byte + 1
    uint8_t timeStamp = 0;       // 0 on, 1 off
    uint8_t intervalValue = 0;   // 0..60 when sound
    bool intervalInSeconds = false;
    uint8_t senseLevel = 0;
    TimerValues timer1;
    uint8_t sidePir = 0;
    uint8_t timeLapse = 0;  // 0 on, 1 off
    uint8_t timeLapseHour = 0;
    uint8_t timeLapseMinute = 0;
    uint8_t timeLapseSecond = 0;
    int clockYear = 2010;  // stored byte + 2010
    uint8_t clockMonth = 0;
    uint8_t clockDay = 0;
    uint8_t clockHour = 0;
    uint8_t clockMinute = 0;
    uint8_t clockSecond = 0;
    uint8_t serialEnabled = 0;
    std::array<uint8_t, 4> serialChars{};  // 0..35: "0".."9", "A".."Z"
    uint8_t fileLanguage = 0;
    uint8_t tvMode = 0;
    uint8_t beep = 0;     // 8620 reading only
    uint8_t sdCycle = 0;  // 8620 reading only
    TimerValues timer2;
};

struct MenuFile {
    std::vector<Fault> faults;  // empty when the camera will take the file
    bool sizeRight = false;     // false: nothing below was read
    bool factory = false;       // the factory-settings record (FF FF FF FF, zeros)
    uint16_t storedCrc = 0;
    uint16_t computedCrc = 0;
    bool fits8620 = false;  // the family-dependent bytes are in range for that family's layout
    bool fits8520 = false;
    std::string misfit8620;  // when a family does not fit: the first reason, e.g. "beep (byte 31) is 2, ..."
    std::string misfit8520;
    MenuValues as8620;
    MenuValues as8520;
};

// Reads menu.dat from its bytes. Takes any length; a length other than 60 gives a kSize fault and
// nothing else. Refuses nothing: every problem is a fault in the result.
MenuFile DecodeMenuFile(std::span<const uint8_t> bytes);

// ---------------------------------------------------------------- setup.dat and smtp.dat

struct TextRecord {
    std::string text;        // the plain bytes up to the length byte (or the last non-zero byte)
    uint8_t lengthByte = 0;  // byte 57 as stored
};

struct MessageChecksum {
    uint16_t stored = 0;
    uint16_t crc = 0;  // CRC-16 over the 660 stored bytes of records 1..11
};

struct MmsHeader {
    uint8_t sendMode = 0;
    uint8_t sendModePlusOne = 0;
    uint8_t apnType = 0;
    uint8_t picturesTens = 0;
    uint8_t picturesUnits = 0;
    uint8_t fileLanguage = 0;
    uint8_t tvMode = 0;
    uint8_t phoneIsInternational = 0;
    uint8_t countryCode = 0;  // 0..41, or 0x80 in Manual mode
    uint8_t operatorCode = 0;
    uint8_t remoteControlHours = 0;  // 0..24, 25 off
    uint8_t autoFlag = 0;            // byte 55: 1 Auto, 0 Manual
};

// Texts of setup.dat in record order 2..11.
enum MmsText { kUrl, kApn, kGateway, kPort, kPhone, kEmail, kAccount, kPassword, kPhone2, kPhone3 };

struct MmsFile {
    std::vector<Fault> faults;
    bool sizeRight = false;
    MmsHeader header;
    std::array<TextRecord, 10> texts;
    MessageChecksum checksum;
    // Which checksum offset the stored value fits: 0 (Domestic) or 18 (International); none when neither.
    std::optional<bool> checksumSaysInternational;
    bool fits8620 = false;
    bool fits8520 = false;
};

// Reads setup.dat from its bytes. Takes any length; a length other than 720 gives a kSize fault only.
MmsFile DecodeMmsFile(std::span<const uint8_t> bytes);

struct SmtpHeader {
    uint8_t zero = 0;  // byte 0
    uint8_t operatorIndex = 0;
    uint8_t countryIndex = 0;  // 0..40, or 0x80 in Manual mode
    uint8_t picturesTens = 0;
    uint8_t picturesUnits = 0;
    uint8_t fileLanguage = 0;
    std::array<uint8_t, 3> familyBytes{};  // bytes 6..8, read by family below
    uint8_t autoFlag = 0;
};

// Texts of smtp.dat in record order 2..11.
enum SmtpText {
    kGprsApn,
    kGprsAccount,
    kGprsPassword,
    kSmtpServer,
    kSmtpPort,
    kSenderEmail,
    kSenderPassword,
    kSmsPhone,
    kSenderUserName,
    kRecipientEmail,
};

struct SmtpFile {
    std::vector<Fault> faults;
    bool sizeRight = false;
    SmtpHeader header;
    std::array<TextRecord, 10> texts;
    MessageChecksum checksum;
    bool fits8620 = false;  // byte 6 status 0..2, byte 7 remote control, byte 8 zero
    bool fits8520 = false;  // byte 6 one, byte 7 zero, byte 8 remote control
    uint8_t smtpStatus8620 = 0;
    uint8_t remoteControl8620 = 0;
    uint8_t remoteControl8520 = 0;
};

// Reads smtp.dat from its bytes. Takes any length; a length other than 720 gives a kSize fault only.
SmtpFile DecodeSmtpFile(std::span<const uint8_t> bytes);

enum class FileKind { kMenu, kMms, kSmtp };

// The kind recognised from the bytes alone: 60 bytes is a camera menu; 720 bytes is an e-mail file when
// its checksum fits the e-mail offset, an MMS file when it fits one of the MMS offsets; otherwise none.
std::optional<FileKind> KindFromContent(std::span<const uint8_t> bytes);

// The sound checksum for a stored CRC and offset, modulo 65536.
constexpr uint16_t WithOffset(uint16_t crc, uint16_t offset) {
    return static_cast<uint16_t>(crc + offset);
}

}  // namespace corvane::decoder
