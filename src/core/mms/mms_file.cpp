#include "core/mms/mms_file.h"

#include <utility>

#include "core/files/crc16.h"
#include "core/files/scramble.h"
#include "core/files/write_sequence.h"
#include "core/presets/presets.h"

namespace corvane {
namespace {

constexpr int32_t kMaxPicturesPerDay = 99;

}  // namespace

Record MmsFileHeader(const MmsFileValues& values) {
    using namespace mms_header;
    Record record = NewRecord();
    record[kSendMode] = values.sendMode;
    record[kSendModePlusOne] = static_cast<uint8_t>(values.sendMode + 1);
    record[kApnType] = values.apnType;
    record[kPicturesTens] = static_cast<uint8_t>(values.picturesPerDay / 10);
    record[kPicturesUnits] = static_cast<uint8_t>(values.picturesPerDay % 10);
    record[kFileLanguage] = static_cast<uint8_t>(values.fileLanguage);
    record[kTvMode] = static_cast<uint8_t>(values.tvMode & 0xFF);
    record[kPhoneInternational] = values.phoneIsInternational ? 1 : 0;
    record[kCountryCode] = values.mmsCountryCode;
    record[kOperatorCode] = values.mmsOperatorCode;
    record[kRemoteControlHours] = values.remoteControlHours;
    record[kModeFlag] = values.mmsMode != 1 ? 1 : 0;
    return record;
}

MessageRecords BuildMmsRecords(const MmsFileValues& values, const std::string& target) {
    MessageRecords built;
    if (values.picturesPerDay < 0 || values.picturesPerDay > kMaxPicturesPerDay) {
        built.refused = RefusedValue{RefusedValue::Kind::kOutOfRange, target, "picturesPerDay",
                                     values.picturesPerDay,           0,      kMaxPicturesPerDay};
        return built;
    }
    built.plain[0] = MmsFileHeader(values);
    const std::array<std::pair<const char*, const std::string*>, 10> texts = {{
        {"url", &values.url},
        {"apn", &values.apn},
        {"gateway", &values.gateway},
        {"port", &values.port},
        {"phone", &values.phone},
        {"email", &values.email},
        {"account", &values.account},
        {"password", &values.password},
        {"phone2", &values.phone2},
        {"phone3", &values.phone3},
    }};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto& [name, text] = texts[i];
        const std::optional<Record> record = MessageTextRecord(*text);
        if (!record) {
            built.refused = RefusedValue{
                RefusedValue::Kind::kTextTooLong,   target, name,
                static_cast<int64_t>(text->size()), 0,      static_cast<int64_t>(kMaxRecordTextBytes)};
            return built;
        }
        built.plain[i + 1] = *record;
    }
    return built;
}

uint16_t MmsChecksumOffset(bool phoneIsInternational) {
    return phoneIsInternational ? kInternationalChecksumOffset : 0;
}

MessageFileResult WriteMmsSettingsFile(FileSystem& fs, const std::string& outputFolder,
                                       const MmsFileValues& values) {
    const MessageRecords records = BuildMmsRecords(values, PathInFolder(outputFolder, kMmsFileName));
    return WriteMessageRecords(fs, outputFolder, kMmsFileName, records,
                               MmsChecksumOffset(values.phoneIsInternational));
}

void UseMmsPreset(MmsFileValues& values, int country, int operatorIndex) {
    values.mmsCountryCode = static_cast<uint8_t>(country);
    values.mmsOperatorCode = static_cast<uint8_t>(operatorIndex);
    const MmsPreset preset = MmsPresetAt(country, operatorIndex).value_or(MmsPreset{});
    values.url = preset.url;
    values.apn = preset.apn;
    values.gateway = preset.gateway;
    values.port = preset.port;
    values.account = preset.account;
    values.password = preset.password;
}

}  // namespace corvane
