#include "decoder/decoder.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "languages/languages.h"

namespace corvane::decoder {

namespace {

constexpr size_t kCrOffset = 58;
constexpr size_t kLfOffset = 59;
constexpr size_t kLengthOffset = 57;
constexpr size_t kAutoFlagOffset = 55;
constexpr size_t kMenuCrcLow = 56;
constexpr size_t kMenuCrcHigh = 57;
constexpr size_t kMenuCrcCovered = 50;
constexpr size_t kChecksumRecordOffset = kMessageRecordCount * kRecordSize;  // 660
constexpr size_t kChecksumLow = kChecksumRecordOffset + 56;
constexpr size_t kChecksumHigh = kChecksumRecordOffset + 57;

std::string Hex2(unsigned v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "0x%02X", v & 0xFFu);
    return buf;
}

std::string Hex4(unsigned v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "0x%04X", v & 0xFFFFu);
    return buf;
}

void Add(std::vector<Fault>& faults, FaultKind kind, std::string what) {
    faults.push_back(Fault{kind, std::move(what)});
}

// Stable, so faults of one kind keep the order in which they were found.
void SortFaults(std::vector<Fault>& faults) {
    std::stable_sort(faults.begin(), faults.end(),
                     [](const Fault& a, const Fault& b) { return a.kind < b.kind; });
}

std::string RecordPrefix(int record) {
    return record > 0 ? "record " + std::to_string(record) + ": " : std::string();
}

void CheckLineEnd(std::span<const uint8_t> rec, int record, std::vector<Fault>& faults) {
    if (rec[kCrOffset] != 0x0D || rec[kLfOffset] != 0x0A) {
        std::string where = record > 0 ? " at record " + std::to_string(record) : std::string();
        Add(faults, FaultKind::kFraming,
            "bad framing" + where + ": bytes 58-59 are " + Hex2(rec[kCrOffset]) + " " + Hex2(rec[kLfOffset]) +
                ", expected 0x0D 0x0A");
    }
}

// Reports the first non-zero byte in [from, to) of a record.
void CheckZero(std::span<const uint8_t> rec, size_t from, size_t to, FaultKind kind, int record,
               const char* role, std::vector<Fault>& faults) {
    for (size_t i = from; i < to; ++i) {
        if (rec[i] != 0) {
            std::string head =
                kind == FaultKind::kFraming
                    ? "bad framing" + (record > 0 ? " at record " + std::to_string(record) : std::string()) +
                          ": "
                    : RecordPrefix(record);
            Add(faults, kind,
                head + role + " byte " + std::to_string(i) + " is " + Hex2(rec[i]) + ", expected 0x00");
            return;
        }
    }
}

void Expect(std::vector<Fault>& faults, const char* name, size_t offset, unsigned value, unsigned lo,
            unsigned hi) {
    if (value < lo || value > hi) {
        Add(faults, FaultKind::kValue,
            std::string(name) + " (byte " + std::to_string(offset) + ") is " + std::to_string(value) +
                ", expected " + std::to_string(lo) + " to " + std::to_string(hi));
    }
}

// ---------------------------------------------------------------- menu.dat

// Byte offsets of the camera menu record.
enum MenuOffset : size_t {
    kCameraMode = 0,
    kImageSize = 1,
    kVideoSize = 2,
    kPictureCount = 3,
    kVideoLength = 4,
    kTimeStamp = 5,
    kInterval = 6,
    kSenseLevel = 7,
    kTimer1Enabled = 8,
    kSidePir = 9,
    kTimeLapse = 10,
    kTimeLapseHour = 11,
    kTimeLapseMinute = 12,
    kTimeLapseSecond = 13,
    kClockYear = 14,
    kClockMonth = 15,
    kClockDay = 16,
    kClockHour = 17,
    kClockMinute = 18,
    kClockSecond = 19,
    kTimer1StartHour = 20,
    kTimer1StartMinute = 21,
    kTimer1StopHour = 22,
    kTimer1StopMinute = 23,
    kSerialEnabled = 24,
    kSerialChar1 = 25,
    kFileLanguage = 29,
    kTvMode = 30,
    kFamilyBytes = 31,  // 31..37 differ by family
    kUnusedFrom = 38,
};

constexpr uint8_t kIntervalSecondsBit = 0x80;

MenuValues ReadMenuCommon(std::span<const uint8_t> b) {
    MenuValues v;
    v.cameraMode = b[kCameraMode];
    v.imageSize = b[kImageSize];
    v.videoSize = b[kVideoSize];
    v.pictureCount = b[kPictureCount];
    v.videoLengthSeconds = b[kVideoLength] + 1;
    v.timeStamp = b[kTimeStamp];
    v.intervalValue = b[kInterval] & 0x7F;
    v.intervalInSeconds = (b[kInterval] & kIntervalSecondsBit) != 0;
    v.senseLevel = b[kSenseLevel];
    v.timer1 = {b[kTimer1Enabled], b[kTimer1StartHour], b[kTimer1StartMinute], b[kTimer1StopHour],
                b[kTimer1StopMinute]};
    v.sidePir = b[kSidePir];
    v.timeLapse = b[kTimeLapse];
    v.timeLapseHour = b[kTimeLapseHour];
    v.timeLapseMinute = b[kTimeLapseMinute];
    v.timeLapseSecond = b[kTimeLapseSecond];
    v.clockYear = 2010 + b[kClockYear];
    v.clockMonth = b[kClockMonth];
    v.clockDay = b[kClockDay];
    v.clockHour = b[kClockHour];
    v.clockMinute = b[kClockMinute];
    v.clockSecond = b[kClockSecond];
    v.serialEnabled = b[kSerialEnabled];
    for (size_t i = 0; i < v.serialChars.size(); ++i) {
        v.serialChars[i] = b[kSerialChar1 + i];
    }
    v.fileLanguage = b[kFileLanguage];
    v.tvMode = b[kTvMode];
    return v;
}

void CheckMenuCommon(std::span<const uint8_t> b, std::vector<Fault>& faults) {
    Expect(faults, "camera mode", kCameraMode, b[kCameraMode], 0, 2);
    Expect(faults, "image size", kImageSize, b[kImageSize], 0, 2);
    Expect(faults, "video size", kVideoSize, b[kVideoSize], 0, 2);
    Expect(faults, "picture count", kPictureCount, b[kPictureCount], 0, 2);
    Expect(faults, "video length", kVideoLength, b[kVideoLength], 0, 59);
    Expect(faults, "time stamp", kTimeStamp, b[kTimeStamp], 0, 1);
    Expect(faults, "interval value", kInterval, b[kInterval] & 0x7Fu, 0, 60);
    Expect(faults, "sense level", kSenseLevel, b[kSenseLevel], 0, 3);
    Expect(faults, "timer 1", kTimer1Enabled, b[kTimer1Enabled], 0, 1);
    Expect(faults, "side PIR", kSidePir, b[kSidePir], 0, 1);
    Expect(faults, "time lapse", kTimeLapse, b[kTimeLapse], 0, 1);
    Expect(faults, "time lapse hour", kTimeLapseHour, b[kTimeLapseHour], 0, 23);
    Expect(faults, "time lapse minute", kTimeLapseMinute, b[kTimeLapseMinute], 0, 59);
    Expect(faults, "time lapse second", kTimeLapseSecond, b[kTimeLapseSecond], 0, 59);
    Expect(faults, "clock year", kClockYear, b[kClockYear], 0, 21);
    Expect(faults, "clock month", kClockMonth, b[kClockMonth], 1, 12);
    Expect(faults, "clock day", kClockDay, b[kClockDay], 1, 31);
    Expect(faults, "clock hour", kClockHour, b[kClockHour], 0, 23);
    Expect(faults, "clock minute", kClockMinute, b[kClockMinute], 0, 59);
    Expect(faults, "clock second", kClockSecond, b[kClockSecond], 0, 59);
    Expect(faults, "timer 1 start hour", kTimer1StartHour, b[kTimer1StartHour], 0, 23);
    Expect(faults, "timer 1 start minute", kTimer1StartMinute, b[kTimer1StartMinute], 0, 59);
    Expect(faults, "timer 1 stop hour", kTimer1StopHour, b[kTimer1StopHour], 0, 23);
    Expect(faults, "timer 1 stop minute", kTimer1StopMinute, b[kTimer1StopMinute], 0, 59);
    Expect(faults, "serial number", kSerialEnabled, b[kSerialEnabled], 0, 1);
    for (size_t i = 0; i < 4; ++i) {
        Expect(faults, "serial character", kSerialChar1 + i, b[kSerialChar1 + i], 0, 35);
    }
    Expect(faults, "language", kFileLanguage, b[kFileLanguage], 1, kLanguageCount);
}

// The first reason why bytes 31..37 (and the video size) do not fit a family, or empty when they fit.
std::vector<Fault> MenuFamilyProblems(std::span<const uint8_t> b, bool family8620) {
    std::vector<Fault> problems;
    if (family8620) {
        Expect(problems, "video size", kVideoSize, b[kVideoSize], 0, 2);
        Expect(problems, "beep", 31, b[31], 0, 1);
        Expect(problems, "SD cycle", 32, b[32], 0, 1);
        Expect(problems, "timer 2", 33, b[33], 0, 1);
        Expect(problems, "timer 2 start hour", 34, b[34], 0, 23);
        Expect(problems, "timer 2 start minute", 35, b[35], 0, 59);
        Expect(problems, "timer 2 stop hour", 36, b[36], 0, 23);
        Expect(problems, "timer 2 stop minute", 37, b[37], 0, 59);
    } else {
        Expect(problems, "video size", kVideoSize, b[kVideoSize], 0, 1);
        Expect(problems, "timer 2", 31, b[31], 0, 1);
        Expect(problems, "timer 2 start hour", 32, b[32], 0, 23);
        Expect(problems, "timer 2 start minute", 33, b[33], 0, 59);
        Expect(problems, "timer 2 stop hour", 34, b[34], 0, 23);
        Expect(problems, "timer 2 stop minute", 35, b[35], 0, 59);
        Expect(problems, "unused", 36, b[36], 0, 0);
        Expect(problems, "unused", 37, b[37], 0, 0);
    }
    return problems;
}

// ---------------------------------------------------------------- message files

// Record r (0-based) with bytes 0..49 unscrambled and 50..59 as stored.
std::array<uint8_t, kRecordSize> PlainRecord(std::span<const uint8_t> file, size_t r) {
    std::array<uint8_t, kRecordSize> rec{};
    std::span<const uint8_t> stored = file.subspan(r * kRecordSize, kRecordSize);
    for (size_t i = 0; i < kRecordSize; ++i) {
        rec[i] = i < kTextCapacity ? Unscramble(stored[i]) : stored[i];
    }
    return rec;
}

// Frame of records 1..12 of a message file: CR LF everywhere, the reserved bytes of each record and the
// zero part of the checksum record. Header byte 55 (the mode flag) is left to the value checks.
void CheckMessageFraming(std::span<const uint8_t> file, std::vector<Fault>& faults) {
    for (size_t r = 0; r <= kMessageRecordCount; ++r) {
        std::span<const uint8_t> rec = file.subspan(r * kRecordSize, kRecordSize);
        int number = static_cast<int>(r) + 1;
        CheckLineEnd(rec, number, faults);
        if (r == 0) {
            CheckZero(rec, kTextCapacity, kAutoFlagOffset, FaultKind::kFraming, number, "reserved", faults);
            CheckZero(rec, kAutoFlagOffset + 1, kCrOffset, FaultKind::kFraming, number, "reserved", faults);
        } else if (r < kMessageRecordCount) {
            CheckZero(rec, kTextCapacity, kLengthOffset, FaultKind::kFraming, number, "reserved", faults);
        } else {
            CheckZero(rec, 0, 56, FaultKind::kFraming, number, "checksum record", faults);
        }
    }
}

TextRecord ReadText(const std::array<uint8_t, kRecordSize>& rec, int number, std::vector<Fault>& faults) {
    TextRecord t;
    t.lengthByte = rec[kLengthOffset];
    size_t extent = 0;  // one past the last non-zero text byte
    for (size_t i = 0; i < kTextCapacity; ++i) {
        if (rec[i] != 0) {
            extent = i + 1;
        }
    }
    std::string head = "record " + std::to_string(number) + ": ";
    if (t.lengthByte > kTextCapacity) {
        Add(faults, FaultKind::kLength,
            head + "length byte 57 is " + std::to_string(t.lengthByte) + ", more than the 50 text bytes");
    } else if (t.lengthByte != extent) {
        Add(faults, FaultKind::kLength,
            head + "length byte 57 is " + std::to_string(t.lengthByte) + " but the text has " +
                std::to_string(extent) + " bytes");
    } else {
        for (size_t i = 0; i < extent; ++i) {
            if (rec[i] == 0) {
                Add(faults, FaultKind::kLength,
                    head + "zero byte inside the text at offset " + std::to_string(i));
                break;
            }
        }
    }
    size_t take = std::min<size_t>(t.lengthByte <= kTextCapacity ? t.lengthByte : extent, kTextCapacity);
    t.text.assign(rec.begin(), rec.begin() + static_cast<std::ptrdiff_t>(take));
    return t;
}

MessageChecksum ReadChecksum(std::span<const uint8_t> file) {
    MessageChecksum c;
    c.crc = Crc16(file.first(kChecksumRecordOffset));
    c.stored = static_cast<uint16_t>(file[kChecksumLow] | (file[kChecksumHigh] << 8));
    return c;
}

const char* PhoneTypeName(bool international) {
    return international ? "International" : "Domestic";
}

// What setup.dat and smtp.dat share: the size, the framing, the ten text records and the stored checksum.
// Returns the plain header record, or nothing when the size is wrong and nothing else can be read.
template <typename MessageFile>
std::optional<std::array<uint8_t, kRecordSize>> ReadMessageFile(std::span<const uint8_t> bytes,
                                                                MessageFile& f) {
    if (bytes.size() != kMessageFileSize) {
        Add(f.faults, FaultKind::kSize,
            "wrong size: " + std::to_string(bytes.size()) + " bytes, expected " +
                std::to_string(kMessageFileSize));
        return std::nullopt;
    }
    f.sizeRight = true;
    CheckMessageFraming(bytes, f.faults);
    for (size_t i = 0; i < f.texts.size(); ++i) {
        f.texts[i] = ReadText(PlainRecord(bytes, i + 1), static_cast<int>(i) + 2, f.faults);
    }
    f.checksum = ReadChecksum(bytes);
    return PlainRecord(bytes, 0);
}

// The mode flag at byte 55 and the country code must agree (Manual stores the manual country code), and
// Manual mode stores operator 0.
void CheckModeAgainstCountry(std::vector<Fault>& faults, uint8_t autoFlag, uint8_t country, int countryByte,
                             uint8_t op, int operatorByte) {
    const bool manualCountry = country == kManualCountry;
    if (autoFlag <= 1 && manualCountry != (autoFlag == 0)) {
        Add(faults, FaultKind::kValue,
            std::string("mode flag (byte 55) says ") + (autoFlag ? "Auto" : "Manual") +
                " but the country (byte " + std::to_string(countryByte) + ") is " + Hex2(country));
    }
    if (manualCountry && op != 0) {
        Add(faults, FaultKind::kValue,
            "operator (byte " + std::to_string(operatorByte) + ") is " + std::to_string(op) +
                " in Manual mode, expected 0");
    }
}

}  // namespace

uint16_t Crc16(std::span<const uint8_t> bytes, uint16_t start) {
    uint16_t crc = start;
    for (uint8_t b : bytes) {
        crc = static_cast<uint16_t>(crc ^ (b << 8));
        for (int bit = 0; bit < 8; ++bit) {
            crc =
                (crc & 0x8000) ? static_cast<uint16_t>((crc << 1) ^ 0x1021) : static_cast<uint16_t>(crc << 1);
        }
    }
    return crc;
}

uint8_t Unscramble(uint8_t stored) {
    uint8_t swapped = static_cast<uint8_t>((stored << 4) | (stored >> 4));
    return static_cast<uint8_t>(~swapped);
}

MenuFile DecodeMenuFile(std::span<const uint8_t> bytes) {
    MenuFile m;
    if (bytes.size() != kMenuFileSize) {
        Add(m.faults, FaultKind::kSize,
            "wrong size: " + std::to_string(bytes.size()) + " bytes, expected " +
                std::to_string(kMenuFileSize));
        return m;
    }
    m.sizeRight = true;
    CheckLineEnd(bytes, 0, m.faults);
    CheckZero(bytes, kMenuCrcCovered, kMenuCrcLow, FaultKind::kFraming, 0, "reserved", m.faults);

    m.storedCrc = static_cast<uint16_t>(bytes[kMenuCrcLow] | (bytes[kMenuCrcHigh] << 8));
    m.computedCrc = Crc16(bytes.first(kMenuCrcCovered));
    if (m.storedCrc != m.computedCrc) {
        Add(m.faults, FaultKind::kChecksum,
            "checksum stored " + Hex4(m.storedCrc) + " computed " + Hex4(m.computedCrc));
    }

    m.factory = bytes[0] == 0xFF && bytes[1] == 0xFF && bytes[2] == 0xFF && bytes[3] == 0xFF;
    if (m.factory) {
        CheckZero(bytes, 4, kMenuCrcCovered, FaultKind::kValue, 0, "factory record", m.faults);
        m.fits8620 = m.fits8520 = true;
        SortFaults(m.faults);
        return m;
    }

    CheckMenuCommon(bytes, m.faults);
    CheckZero(bytes, kUnusedFrom, kMenuCrcCovered, FaultKind::kValue, 0, "unused", m.faults);

    m.as8620 = ReadMenuCommon(bytes);
    m.as8620.beep = bytes[31];
    m.as8620.sdCycle = bytes[32];
    m.as8620.timer2 = {bytes[33], bytes[34], bytes[35], bytes[36], bytes[37]};
    m.as8520 = ReadMenuCommon(bytes);
    m.as8520.timer2 = {bytes[31], bytes[32], bytes[33], bytes[34], bytes[35]};

    std::vector<Fault> not8620 = MenuFamilyProblems(bytes, true);
    std::vector<Fault> not8520 = MenuFamilyProblems(bytes, false);
    m.fits8620 = not8620.empty();
    m.fits8520 = not8520.empty();
    m.misfit8620 = m.fits8620 ? std::string() : not8620.front().what;
    m.misfit8520 = m.fits8520 ? std::string() : not8520.front().what;
    if (!m.fits8620 && !m.fits8520) {
        Add(m.faults, FaultKind::kValue,
            "fits neither model family: as 8620 " + not8620.front().what + "; as 8520 " +
                not8520.front().what);
    }
    SortFaults(m.faults);
    return m;
}

MmsFile DecodeMmsFile(std::span<const uint8_t> bytes) {
    MmsFile f;
    const auto header = ReadMessageFile(bytes, f);
    if (!header) {
        return f;
    }
    const std::array<uint8_t, kRecordSize>& h = *header;
    MmsHeader& v = f.header;
    v.sendMode = h[0];
    v.sendModePlusOne = h[1];
    v.apnType = h[2];
    v.picturesTens = h[3];
    v.picturesUnits = h[4];
    v.fileLanguage = h[5];
    v.tvMode = h[6];
    v.phoneIsInternational = h[7];
    v.countryCode = h[8];
    v.operatorCode = h[9];
    v.remoteControlHours = h[10];
    v.autoFlag = h[kAutoFlagOffset];

    if (f.checksum.stored == f.checksum.crc) {
        f.checksumSaysInternational = false;
    } else if (f.checksum.stored == WithOffset(f.checksum.crc, kInternationalChecksumOffset)) {
        f.checksumSaysInternational = true;
    } else {
        Add(f.faults, FaultKind::kChecksum,
            "checksum stored " + Hex4(f.checksum.stored) + " computed " + Hex4(f.checksum.crc) +
                " (Domestic) or " + Hex4(WithOffset(f.checksum.crc, kInternationalChecksumOffset)) +
                " (International)");
    }

    Expect(f.faults, "send mode", 0, v.sendMode, 0, 3);
    if (v.sendModePlusOne != static_cast<uint8_t>(v.sendMode + 1)) {
        Add(f.faults, FaultKind::kValue,
            "send mode bytes 0-1 are " + std::to_string(v.sendMode) + " and " +
                std::to_string(v.sendModePlusOne) + ", expected byte 1 = byte 0 + 1");
    }
    Expect(f.faults, "APN type", 2, v.apnType, 0, 1);
    Expect(f.faults, "pictures per day, tens", 3, v.picturesTens, 0, 9);
    Expect(f.faults, "pictures per day, units", 4, v.picturesUnits, 0, 9);
    Expect(f.faults, "language", 5, v.fileLanguage, 1, kLanguageCount);
    Expect(f.faults, "phone type", 7, v.phoneIsInternational, 0, 1);
    if (v.countryCode != kManualCountry) {
        Expect(f.faults, "country", 8, v.countryCode, 0, 41);
    }
    Expect(f.faults, "operator", 9, v.operatorCode, 0, 8);
    Expect(f.faults, "SMS remote control", 10, v.remoteControlHours, 0, 25);
    CheckZero(h, 11, kTextCapacity, FaultKind::kValue, 1, "unused", f.faults);
    Expect(f.faults, "mode flag", kAutoFlagOffset, v.autoFlag, 0, 1);
    CheckModeAgainstCountry(f.faults, v.autoFlag, v.countryCode, 8, v.operatorCode, 9);
    if (f.checksumSaysInternational && v.phoneIsInternational <= 1 &&
        *f.checksumSaysInternational != (v.phoneIsInternational == 1)) {
        Add(f.faults, FaultKind::kValue,
            std::string("phone type (byte 7) says ") + PhoneTypeName(v.phoneIsInternational == 1) +
                " but the checksum fits the " + PhoneTypeName(*f.checksumSaysInternational) + " offset");
    }
    f.fits8620 = v.sendMode <= 2;
    f.fits8520 = v.sendMode <= 3;
    SortFaults(f.faults);
    return f;
}

SmtpFile DecodeSmtpFile(std::span<const uint8_t> bytes) {
    SmtpFile f;
    const auto header = ReadMessageFile(bytes, f);
    if (!header) {
        return f;
    }
    const std::array<uint8_t, kRecordSize>& h = *header;
    SmtpHeader& v = f.header;
    v.zero = h[0];
    v.operatorIndex = h[1];
    v.countryIndex = h[2];
    v.picturesTens = h[3];
    v.picturesUnits = h[4];
    v.fileLanguage = h[5];
    v.familyBytes = {h[6], h[7], h[8]};
    v.autoFlag = h[kAutoFlagOffset];

    uint16_t expected = WithOffset(f.checksum.crc, kSmtpChecksumOffset);
    if (f.checksum.stored != expected) {
        Add(f.faults, FaultKind::kChecksum,
            "checksum stored " + Hex4(f.checksum.stored) + " computed " + Hex4(expected) + " (CRC " +
                Hex4(f.checksum.crc) + " + 15)");
    }

    Expect(f.faults, "header", 0, v.zero, 0, 0);
    Expect(f.faults, "operator", 1, v.operatorIndex, 0, 9);
    if (v.countryIndex != kManualCountry) {
        Expect(f.faults, "country", 2, v.countryIndex, 0, 40);
    }
    Expect(f.faults, "pictures per day, tens", 3, v.picturesTens, 0, 9);
    Expect(f.faults, "pictures per day, units", 4, v.picturesUnits, 0, 9);
    Expect(f.faults, "language", 5, v.fileLanguage, 1, kLanguageCount);
    CheckZero(h, 9, kTextCapacity, FaultKind::kValue, 1, "unused", f.faults);
    Expect(f.faults, "mode flag", kAutoFlagOffset, v.autoFlag, 0, 1);
    CheckModeAgainstCountry(f.faults, v.autoFlag, v.countryIndex, 2, v.operatorIndex, 1);

    const auto& fb = v.familyBytes;
    f.fits8620 = fb[0] <= 2 && fb[1] <= 25 && fb[2] == 0;
    f.fits8520 = fb[0] == 1 && fb[1] == 0 && fb[2] <= 25;
    f.smtpStatus8620 = fb[0];
    f.remoteControl8620 = fb[1];
    f.remoteControl8520 = fb[2];
    if (!f.fits8620 && !f.fits8520) {
        Add(f.faults, FaultKind::kValue,
            "header bytes 6-8 (" + std::to_string(fb[0]) + ", " + std::to_string(fb[1]) + ", " +
                std::to_string(fb[2]) + ") fit neither model family");
    }

    const std::string& sender = f.texts[kSenderEmail].text;
    std::string user = sender.substr(0, sender.find('@'));
    if (f.texts[kSenderUserName].text != user) {
        Add(f.faults, FaultKind::kValue,
            "sender user name (record 10) is not the part of the sender address before \"@\"");
    }
    SortFaults(f.faults);
    return f;
}

std::optional<FileKind> KindFromContent(std::span<const uint8_t> bytes) {
    if (bytes.size() == kMenuFileSize) {
        return FileKind::kMenu;
    }
    if (bytes.size() != kMessageFileSize) {
        return std::nullopt;
    }
    const MessageChecksum checksum = ReadChecksum(bytes);
    if (checksum.stored == WithOffset(checksum.crc, kSmtpChecksumOffset)) {
        return FileKind::kSmtp;
    }
    if (checksum.stored == checksum.crc ||
        checksum.stored == WithOffset(checksum.crc, kInternationalChecksumOffset)) {
        return FileKind::kMms;
    }
    return std::nullopt;
}

}  // namespace corvane::decoder
