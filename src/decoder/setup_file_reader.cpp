#include "decoder/setup_file_reader.h"

#include <utility>

#include "platform/regular_file.h"

namespace corvane::decoder {
namespace {

const char* KindName(FileKind kind) {
    switch (kind) {
        case FileKind::kMenu:
            return "a camera menu file (menu.dat)";
        case FileKind::kMms:
            return "an MMS settings file (setup.dat)";
        case FileKind::kSmtp:
            return "an e-mail settings file (smtp.dat)";
    }
    return "another file";
}

const char* FamilyName(Family family) {
    return family == Family::k8620 ? "8620" : "8520";
}

Family Other(Family family) {
    return family == Family::k8620 ? Family::k8520 : Family::k8620;
}

Refusal RefusalOf(FaultKind kind) {
    switch (kind) {
        case FaultKind::kSize:
            return Refusal::kSize;
        case FaultKind::kFraming:
        case FaultKind::kLength:
            return Refusal::kFraming;
        case FaultKind::kChecksum:
            return Refusal::kChecksum;
        case FaultKind::kValue:
            return Refusal::kValue;
    }
    return Refusal::kValue;
}

// The refusal of a file the decoder found faults in: another kind when the bytes are recognisably one,
// else the worst fault (the decoder sorts them worst first).
Finding FromFaults(std::span<const uint8_t> bytes, FileKind wanted, const std::vector<Fault>& faults) {
    if (const std::optional<FileKind> kind = KindFromContent(bytes); kind && *kind != wanted) {
        return {Refusal::kKind, std::string("this is ") + KindName(*kind) + ", not " + KindName(wanted)};
    }
    std::string what = faults.front().what;
    if (faults.size() > 1) {
        what += " (and " + std::to_string(faults.size() - 1) + " more)";
    }
    return {RefusalOf(faults.front().kind), what};
}

Finding WrongFamily(Family family, const std::string& reason) {
    return {Refusal::kFamily, std::string("made for the ") + FamilyName(Other(family)) + " family, not the " +
                                  FamilyName(family) + " family: " + reason};
}

// A text the dialog shows must fit its field, or the dialog would cut or refuse it.
struct ShownText {
    const char* name;
    int record;
    const std::string* text;
    size_t limit;
};

std::optional<Finding> TooLong(std::initializer_list<ShownText> texts) {
    for (const ShownText& t : texts) {
        if (t.text->size() > t.limit) {
            return Finding{Refusal::kValue, std::string(t.name) + " (record " + std::to_string(t.record) +
                                                ") is " + std::to_string(t.text->size()) +
                                                " bytes, the field holds at most " + std::to_string(t.limit)};
        }
    }
    return std::nullopt;
}

TimerSetting TimerOf(const TimerValues& t) {
    return {t.enabled, t.startHour, t.startMinute, t.stopHour, t.stopMinute};
}

template <typename Settings>
Reading<Settings> Refused(Finding finding) {
    Reading<Settings> r;
    r.refusal = std::move(finding);
    return r;
}

template <typename Settings>
Reading<Settings> Taken(Settings settings) {
    Reading<Settings> r;
    r.settings = std::move(settings);
    return r;
}

int PicturesPerDay(uint8_t tens, uint8_t units) {
    return tens * 10 + units;
}

// Longest phone number the MMS dialog takes: any international number, fewer digits at home.
size_t MaxMmsPhone(Family family, bool international) {
    if (international) {
        return 32;
    }
    return family == Family::k8620 ? 12 : 11;
}

template <typename Settings>
Reading<Settings> FromLoaded(const LoadedFile& file, Family family,
                             Reading<Settings> (*read)(std::span<const uint8_t>, Family)) {
    if (file.refusal) {
        return Refused<Settings>(*file.refusal);
    }
    return read(file.bytes, family);
}

}  // namespace

Reading<MenuSettings> ReadMenuSettings(std::span<const uint8_t> bytes, Family family) {
    const MenuFile m = DecodeMenuFile(bytes);
    if (!m.faults.empty()) {
        return Refused<MenuSettings>(FromFaults(bytes, FileKind::kMenu, m.faults));
    }
    if (m.factory) {
        return Refused<MenuSettings>(
            {Refusal::kKind, "this is the factory-settings record, which holds no settings to read"});
    }
    const bool is8620 = family == Family::k8620;
    if (!(is8620 ? m.fits8620 : m.fits8520)) {
        return Refused<MenuSettings>(WrongFamily(family, is8620 ? m.misfit8620 : m.misfit8520));
    }
    const MenuValues& v = is8620 ? m.as8620 : m.as8520;
    MenuSettings s;
    s.cameraMode = v.cameraMode;
    s.imageSize = v.imageSize;
    s.videoSize = v.videoSize;
    s.pictureCount = v.pictureCount;
    s.videoLength = v.videoLengthSeconds;
    s.timeStamp = v.timeStamp;
    s.intervalUnit = v.intervalInSeconds ? 0 : 1;
    s.interval = v.intervalValue;
    s.senseLevel = v.senseLevel;
    s.sidePir = v.sidePir;
    s.timer1 = TimerOf(v.timer1);
    s.timer2 = TimerOf(v.timer2);
    s.timeLapse = v.timeLapse;
    s.timeLapseHour = v.timeLapseHour;
    s.timeLapseMinute = v.timeLapseMinute;
    s.timeLapseSecond = v.timeLapseSecond;
    s.serialEnabled = v.serialEnabled;
    for (size_t i = 0; i < s.serialChars.size(); ++i) {
        s.serialChars[i] = v.serialChars[i];
    }
    s.beep = is8620 ? v.beep : 0;
    s.sdCycle = is8620 ? v.sdCycle : 0;
    s.fileLanguage = v.fileLanguage;
    s.tvMode = v.tvMode;
    return Taken(s);
}

Reading<MmsSettings> ReadMmsSettings(std::span<const uint8_t> bytes, Family family) {
    const MmsFile f = DecodeMmsFile(bytes);
    if (!f.faults.empty()) {
        return Refused<MmsSettings>(FromFaults(bytes, FileKind::kMms, f.faults));
    }
    const MmsHeader& h = f.header;
    if (family == Family::k8620 && !f.fits8620) {
        return Refused<MmsSettings>(
            WrongFamily(family, "send mode (byte 0) is " + std::to_string(h.sendMode) + ", expected 0 to 2"));
    }
    if (family == Family::k8520 && !f.fits8520) {
        return Refused<MmsSettings>(
            WrongFamily(family, "send mode (byte 0) is " + std::to_string(h.sendMode) + ", expected 0 to 3"));
    }
    MmsSettings s;
    s.manual = h.autoFlag == 0;
    s.country = s.manual ? 0 : h.countryCode;
    s.operatorIndex = s.manual ? 0 : h.operatorCode;
    s.sendMode = h.sendMode;
    s.apnType = h.apnType;
    s.picturesPerDay = PicturesPerDay(h.picturesTens, h.picturesUnits);
    s.phoneIsInternational = h.phoneIsInternational == 1;
    s.remoteControlHours = h.remoteControlHours;
    s.url = f.texts[kUrl].text;
    s.apn = f.texts[kApn].text;
    s.gateway = f.texts[kGateway].text;
    s.port = f.texts[kPort].text;
    s.phone = f.texts[kPhone].text;
    s.email = f.texts[kEmail].text;
    s.account = f.texts[kAccount].text;
    s.password = f.texts[kPassword].text;
    s.phone2 = f.texts[kPhone2].text;
    s.phone3 = f.texts[kPhone3].text;
    s.fileLanguage = h.fileLanguage;
    s.tvMode = h.tvMode;

    if (!s.manual && s.apnType != 0) {
        return Refused<MmsSettings>(
            {Refusal::kValue, "APN type (byte 2) is CSD in Auto mode, which offers APN only"});
    }
    // In Auto mode the network texts are the preset's and not shown.
    std::optional<Finding> tooLong =
        TooLong({{"phone", 6, &s.phone, MaxMmsPhone(family, s.phoneIsInternational)},
                 {"email", 7, &s.email, 40},
                 {"phone 2", 10, &s.phone2, 32},
                 {"phone 3", 11, &s.phone3, 32}});
    if (!tooLong && s.manual) {
        tooLong = TooLong({{"URL", 2, &s.url, 50},
                           {"APN", 3, &s.apn, 30},
                           {"gateway", 4, &s.gateway, 20},
                           {"port", 5, &s.port, 10},
                           {"account", 8, &s.account, 30},
                           {"password", 9, &s.password, 30}});
    }
    if (tooLong) {
        return Refused<MmsSettings>(*tooLong);
    }
    return Taken(s);
}

Reading<SmtpSettings> ReadSmtpSettings(std::span<const uint8_t> bytes, Family family) {
    const SmtpFile f = DecodeSmtpFile(bytes);
    if (!f.faults.empty()) {
        return Refused<SmtpSettings>(FromFaults(bytes, FileKind::kSmtp, f.faults));
    }
    const SmtpHeader& h = f.header;
    const bool is8620 = family == Family::k8620;
    if (!(is8620 ? f.fits8620 : f.fits8520)) {
        const auto& b = h.familyBytes;
        return Refused<SmtpSettings>(
            WrongFamily(family, "header bytes 6-8 are " + std::to_string(b[0]) + ", " + std::to_string(b[1]) +
                                    ", " + std::to_string(b[2]) +
                                    (is8620 ? ", expected status 0 to 2, remote control, 0"
                                            : ", expected 1, 0, remote control")));
    }
    SmtpSettings s;
    s.manual = h.autoFlag == 0;
    s.country = s.manual ? 0 : h.countryIndex;
    s.operatorIndex = s.manual ? 0 : h.operatorIndex;
    s.picturesPerDay = PicturesPerDay(h.picturesTens, h.picturesUnits);
    s.remoteControlHours = is8620 ? f.remoteControl8620 : f.remoteControl8520;
    s.smtpStatus = is8620 ? f.smtpStatus8620 : 1;
    s.gprsApn = f.texts[kGprsApn].text;
    s.gprsAccount = f.texts[kGprsAccount].text;
    s.gprsPassword = f.texts[kGprsPassword].text;
    s.smtpServer = f.texts[kSmtpServer].text;
    s.smtpPort = f.texts[kSmtpPort].text;
    s.senderEmail = f.texts[kSenderEmail].text;
    s.senderPassword = f.texts[kSenderPassword].text;
    s.smsPhone = f.texts[kSmsPhone].text;
    s.recipientEmail = f.texts[kRecipientEmail].text;
    s.fileLanguage = h.fileLanguage;

    const size_t addressLimit = is8620 ? 40 : 32;
    std::optional<Finding> tooLong =
        TooLong({{"SMTP server", 5, &s.smtpServer, 40},
                 {"SMTP port", 6, &s.smtpPort, 10},
                 {"sender e-mail address", 7, &s.senderEmail, addressLimit},
                 {"sender password", 8, &s.senderPassword, 32},
                 {"SMS phone", 9, &s.smsPhone, 30},
                 {"recipient e-mail address", 11, &s.recipientEmail, addressLimit}});
    // In Auto mode the GPRS texts are the preset's and not shown.
    if (!tooLong && s.manual) {
        tooLong = TooLong({{"GPRS APN", 2, &s.gprsApn, 32},
                           {"GPRS account", 3, &s.gprsAccount, 32},
                           {"GPRS password", 4, &s.gprsPassword, 32}});
    }
    if (tooLong) {
        return Refused<SmtpSettings>(*tooLong);
    }
    return Taken(s);
}

LoadedFile LoadSetupFile(const std::string& path) {
    return LoadedSetupFile(platform::ReadRegularFile(path, kMaxSetupFileLoad));
}

LoadedFile LoadedSetupFile(platform::RegularFile read) {
    LoadedFile file;
    switch (read.outcome) {
        case platform::RegularFile::Outcome::kRead:
            file.bytes = std::move(read.bytes);
            break;
        case platform::RegularFile::Outcome::kMissing:
            file.refusal = Finding{Refusal::kMissing, "there is no such file"};
            break;
        case platform::RegularFile::Outcome::kNotRegular:
            file.refusal = Finding{Refusal::kUnreadable, "cannot read it: not a regular file"};
            break;
        case platform::RegularFile::Outcome::kTooLong:
            file.refusal = Finding{Refusal::kSize, "wrong size: " + std::to_string(read.size) +
                                                       " bytes, far more than any setup file"};
            break;
        case platform::RegularFile::Outcome::kFailed:
            file.refusal = Finding{Refusal::kUnreadable, "cannot read it: " + read.reason};
            break;
    }
    return file;
}

Reading<MenuSettings> ReadMenuSettingsFile(const LoadedFile& file, Family family) {
    return FromLoaded<MenuSettings>(file, family, &ReadMenuSettings);
}

Reading<MenuSettings> ReadMenuSettingsFile(const std::string& path, Family family) {
    return ReadMenuSettingsFile(LoadSetupFile(path), family);
}

Reading<MmsSettings> ReadMmsSettingsFile(const LoadedFile& file, Family family) {
    return FromLoaded<MmsSettings>(file, family, &ReadMmsSettings);
}

Reading<MmsSettings> ReadMmsSettingsFile(const std::string& path, Family family) {
    return ReadMmsSettingsFile(LoadSetupFile(path), family);
}

Reading<SmtpSettings> ReadSmtpSettingsFile(const LoadedFile& file, Family family) {
    return FromLoaded<SmtpSettings>(file, family, &ReadSmtpSettings);
}

Reading<SmtpSettings> ReadSmtpSettingsFile(const std::string& path, Family family) {
    return ReadSmtpSettingsFile(LoadSetupFile(path), family);
}

}  // namespace corvane::decoder
