#include "settings/settings_file.h"

#include "core/files/write_sequence.h"
#include "core/l10n/mms_texts.h"
#include "core/l10n/preset_texts.h"
#include "core/l10n/smtp_texts.h"
#include "core/mms/mms_rules.h"
#include "core/presets/presets.h"
#include "core/smtp/smtp_form.h"

namespace corvane::settings {
namespace {

ModelFamily FamilyOf(const SettingsFile& file) {
    return FamilyOfModel(file.model);
}

decoder::Family DecoderFamilyOf(const SettingsFile& file) {
    return FamilyOf(file) == ModelFamily::k8620 ? decoder::Family::k8620 : decoder::Family::k8520;
}

std::vector<uint8_t> MessageBytes(const MessageRecords& records, uint16_t k) {
    const auto bytes = MessageFileBytes(records.plain, k);
    return {bytes.begin(), bytes.end()};
}

uint32_t U(int value) {
    return static_cast<uint32_t>(value);
}

}  // namespace

CameraMenuSettings MenuValues(const decoder::MenuSettings& m, const CameraClock& clock) {
    CameraMenuSettings s;
    s.cameraMode = U(m.cameraMode);
    s.imageSize = U(m.imageSize);
    s.videoSize = U(m.videoSize);
    s.pictureCount = U(m.pictureCount);
    s.videoLength = U(m.videoLength);
    s.timeStamp = U(m.timeStamp);
    s.interval = U(m.interval);
    s.intervalUnit = U(m.intervalUnit);
    s.senseLevel = U(m.senseLevel);
    s.timer1Enabled = U(m.timer1.enabled);
    s.timer1StartHour = U(m.timer1.startHour);
    s.timer1StartMinute = U(m.timer1.startMinute);
    s.timer1StopHour = U(m.timer1.stopHour);
    s.timer1StopMinute = U(m.timer1.stopMinute);
    s.sidePir = U(m.sidePir);
    s.timeLapse = U(m.timeLapse);
    s.timeLapseHour = U(m.timeLapseHour);
    s.timeLapseMinute = U(m.timeLapseMinute);
    s.timeLapseSecond = U(m.timeLapseSecond);
    s.serialEnabled = U(m.serialEnabled);
    s.serialChar1 = U(m.serialChars[0]);
    s.serialChar2 = U(m.serialChars[1]);
    s.serialChar3 = U(m.serialChars[2]);
    s.serialChar4 = U(m.serialChars[3]);
    s.beep = U(m.beep);
    s.sdCycle = U(m.sdCycle);
    s.timer2Enabled = U(m.timer2.enabled);
    s.timer2StartHour = U(m.timer2.startHour);
    s.timer2StartMinute = U(m.timer2.startMinute);
    s.timer2StopHour = U(m.timer2.stopHour);
    s.timer2StopMinute = U(m.timer2.stopMinute);
    s.cameraClock = clock;
    return s;
}

decoder::MenuSettings MenuSection(const CameraMenuSettings& s) {
    const auto I = [](uint32_t value) { return static_cast<int>(value); };
    decoder::MenuSettings m;
    m.cameraMode = I(s.cameraMode);
    m.imageSize = I(s.imageSize);
    m.videoSize = I(s.videoSize);
    m.pictureCount = I(s.pictureCount);
    m.videoLength = I(s.videoLength);
    m.timeStamp = I(s.timeStamp);
    m.intervalUnit = I(s.intervalUnit);
    m.interval = I(s.interval);
    m.senseLevel = I(s.senseLevel);
    m.sidePir = I(s.sidePir);
    m.timer1 = {I(s.timer1Enabled), I(s.timer1StartHour), I(s.timer1StartMinute), I(s.timer1StopHour),
                I(s.timer1StopMinute)};
    m.timer2 = {I(s.timer2Enabled), I(s.timer2StartHour), I(s.timer2StartMinute), I(s.timer2StopHour),
                I(s.timer2StopMinute)};
    m.timeLapse = I(s.timeLapse);
    m.timeLapseHour = I(s.timeLapseHour);
    m.timeLapseMinute = I(s.timeLapseMinute);
    m.timeLapseSecond = I(s.timeLapseSecond);
    m.serialEnabled = I(s.serialEnabled);
    m.serialChars = {I(s.serialChar1), I(s.serialChar2), I(s.serialChar3), I(s.serialChar4)};
    m.beep = I(s.beep);
    m.sdCycle = I(s.sdCycle);
    m.fileLanguage = 0;
    m.tvMode = 0;
    return m;
}

MmsFileValues MmsValues(const SettingsFile& file) {
    const decoder::MmsSettings& m = *file.mms;
    MmsFileValues v;
    v.sendMode = static_cast<uint8_t>(m.sendMode);
    v.apnType = static_cast<uint8_t>(m.apnType);
    v.picturesPerDay = m.picturesPerDay;
    v.fileLanguage = file.LanguageOf(file.mmsOwn);
    v.tvMode = file.TvModeOf(file.mmsOwn);
    v.phoneIsInternational = m.phoneIsInternational;
    v.remoteControlHours = static_cast<uint8_t>(m.remoteControlHours);
    v.mmsMode = static_cast<uint8_t>(m.manual ? kMmsModeManual : kMmsModeAuto);
    v.phone = m.phone;
    v.email = m.email;
    v.phone2 = m.phone2;
    v.phone3 = m.phone3;
    if (m.manual) {
        v.mmsCountryCode = kManualCountryCode;
        v.mmsOperatorCode = 0;
        v.url = m.url;
        v.apn = m.apn;
        v.gateway = m.gateway;
        v.port = m.port;
        v.account = m.account;
        v.password = m.password;
    } else {
        UseMmsPreset(v, m.country, m.operatorIndex);
    }
    return v;
}

SmtpFileValues SmtpValues(const SettingsFile& file) {
    const decoder::SmtpSettings& e = *file.email;
    SmtpFileValues v;
    v.family = FamilyOf(file);
    v.autoMode = !e.manual;
    v.countryIndex = static_cast<uint8_t>(e.manual ? 0 : e.country);
    v.operatorIndex = static_cast<uint8_t>(e.manual ? 0 : e.operatorIndex);
    v.picturesPerDay = e.picturesPerDay;
    v.fileLanguage = file.LanguageOf(file.emailOwn);
    v.remoteControl = static_cast<uint8_t>(e.remoteControlHours);
    if (v.family == ModelFamily::k8620) {
        v.smtpStatus = static_cast<uint8_t>(e.smtpStatus);
    }
    if (v.autoMode) {
        UseGprsPreset(v);
    } else {
        v.apn = e.gprsApn;
        v.account = e.gprsAccount;
        v.password = e.gprsPassword;
    }
    v.smtpServer = e.smtpServer;
    v.smtpPort = e.smtpPort;
    v.senderAddress = e.senderEmail;
    v.senderPassword = e.senderPassword;
    v.phone = e.smsPhone;
    v.recipient = e.recipientEmail;
    return v;
}

std::optional<std::vector<uint8_t>> MenuBytes(const SettingsFile& file, const CameraClock& clock) {
    if (!file.camera) {
        return std::nullopt;
    }
    const Record record = BuildMenuRecord(MenuValues(*file.camera, clock), FamilyOf(file),
                                          file.LanguageOf(file.cameraOwn), file.TvModeOf(file.cameraOwn));
    return std::vector<uint8_t>(record.begin(), record.end());
}

std::optional<std::vector<uint8_t>> MmsBytes(const SettingsFile& file) {
    if (!file.mms) {
        return std::nullopt;
    }
    const MmsFileValues values = MmsValues(file);
    const MessageRecords records = BuildMmsRecords(values, kMmsFileName);
    if (records.refused) {
        return std::nullopt;
    }
    return MessageBytes(records, MmsChecksumOffset(values.phoneIsInternational));
}

std::optional<std::vector<uint8_t>> SmtpBytes(const SettingsFile& file) {
    if (!file.email) {
        return std::nullopt;
    }
    const MessageRecords records = BuildSmtpRecords(SmtpValues(file), kSmtpFileName);
    if (records.refused) {
        return std::nullopt;
    }
    return MessageBytes(records, kSmtpChecksumOffset);
}

std::optional<SectionFault> CheckSettings(const SettingsFile& file) {
    const ModelFamily family = FamilyOf(file);
    constexpr int32_t kMessages = kEnglish;  // the command line speaks English
    if (file.camera) {
        // Any clock will do: the checks are about the settings.
        const std::vector<uint8_t> bytes = *MenuBytes(file, CaptureCameraClock({}));
        const auto reading = decoder::ReadMenuSettings(bytes, DecoderFamilyOf(file));
        if (reading.refusal) {
            return SectionFault{"camera", reading.refusal->what};
        }
    }
    if (file.mms) {
        const decoder::MmsSettings& m = *file.mms;
        if (!m.manual && !PresetHasAutoSettings(PresetSet::kMms, m.country, m.operatorIndex)) {
            return SectionFault{"mms", NoPresetSettingsMessage(kMessages, "Manual")};
        }
        const MmsFileValues values = MmsValues(file);
        if (const std::optional<MmsFault> fault = CheckMmsFile(family, values)) {
            return SectionFault{"mms", std::string(MmsMessageText(fault->message, kMessages))};
        }
        const MessageRecords records = BuildMmsRecords(values, kMmsFileName);
        if (records.refused) {
            return SectionFault{"mms", DescribeRefusedValue(*records.refused, kMessages)};
        }
        const auto reading = decoder::ReadMmsSettings(*MmsBytes(file), DecoderFamilyOf(file));
        if (reading.refusal) {
            return SectionFault{"mms", reading.refusal->what};
        }
    }
    if (file.email) {
        const decoder::SmtpSettings& e = *file.email;
        if (!ModelHasEmail(file.model)) {
            return SectionFault{"email", "this model does not send e-mail"};
        }
        if (!e.manual && !PresetHasAutoSettings(PresetSet::kGprs, e.country, e.operatorIndex)) {
            return SectionFault{"email", NoPresetSettingsMessage(kMessages, "Manual")};
        }
        const SmtpFileValues values = SmtpValues(file);
        if (const std::optional<SmtpMessage> fault = CheckSmtpForm(values)) {
            return SectionFault{"email", std::string(SmtpMessageText(*fault, family, kMessages))};
        }
        const MessageRecords records = BuildSmtpRecords(values, kSmtpFileName);
        if (records.refused) {
            return SectionFault{"email", DescribeRefusedValue(*records.refused, kMessages)};
        }
        const auto reading = decoder::ReadSmtpSettings(*SmtpBytes(file), DecoderFamilyOf(file));
        if (reading.refusal) {
            return SectionFault{"email", reading.refusal->what};
        }
    }
    return std::nullopt;
}

bool IsSerialText(std::string_view text) {
    if (text.size() != 4) {
        return false;
    }
    for (char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'))) {
            return false;
        }
    }
    return true;
}

std::optional<std::string> SerialAfter(std::string_view serial) {
    if (!IsSerialText(serial)) {
        return std::nullopt;
    }
    std::string next(serial);
    for (size_t i = next.size(); i-- > 0;) {
        char& c = next[i];
        if (c == '9') {
            c = '0';
        } else if (c == 'Z') {
            c = 'A';
        } else {
            ++c;
            return next;
        }
    }
    return std::nullopt;  // every position wrapped: the last serial
}

void SetSerial(decoder::MenuSettings& menu, std::string_view serial) {
    menu.serialEnabled = 1;
    for (size_t i = 0; i < menu.serialChars.size() && i < serial.size(); ++i) {
        const char c = serial[i];
        menu.serialChars[i] = c <= '9' ? c - '0' : c - 'A' + 10;
    }
}

std::string SerialText(const decoder::MenuSettings& menu) {
    std::string text;
    for (int c : menu.serialChars) {
        text += static_cast<char>(c < 10 ? '0' + c : 'A' + c - 10);
    }
    return text;
}

}  // namespace corvane::settings
