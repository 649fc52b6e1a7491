#include "core/smtp/smtp_file.h"

#include <array>
#include <utility>

#include "core/files/write_sequence.h"
#include "core/models/models.h"
#include "core/presets/presets.h"

namespace corvane {
namespace {

constexpr int32_t kMaxPicturesPerDay = 99;

}  // namespace

Record SmtpFileHeader(const SmtpFileValues& values) {
    using namespace smtp_header;
    Record record = NewRecord();
    record[kOperatorIndex] = values.autoMode ? values.operatorIndex : 0;
    record[kCountryIndex] = values.autoMode ? values.countryIndex : kSmtpManualCountryIndex;
    record[kPicturesTens] = static_cast<uint8_t>(values.picturesPerDay / 10);
    record[kPicturesUnits] = static_cast<uint8_t>(values.picturesPerDay % 10);
    record[kFileLanguage] = static_cast<uint8_t>(values.fileLanguage);
    if (values.family == ModelFamily::k8620) {
        record[kFamilyByte6] = values.smtpStatus;
        record[kFamilyByte7] = values.remoteControl;
    } else {
        record[kFamilyByte6] = 1;
        record[kFamilyByte8] = values.remoteControl;
    }
    record[kModeFlag] = values.autoMode ? 1 : 0;
    return record;
}

std::string_view SenderUserName(std::string_view senderAddress) {
    return senderAddress.substr(0, senderAddress.find('@'));
}

MessageRecords BuildSmtpRecords(const SmtpFileValues& values, const std::string& target) {
    MessageRecords built;
    if (values.picturesPerDay < 0 || values.picturesPerDay > kMaxPicturesPerDay) {
        built.refused = RefusedValue{RefusedValue::Kind::kOutOfRange, target, "picturesPerDay",
                                     values.picturesPerDay,           0,      kMaxPicturesPerDay};
        return built;
    }
    built.plain[0] = SmtpFileHeader(values);
    const std::array<std::pair<const char*, std::string_view>, 10> texts = {{
        {"apn", values.apn},
        {"account", values.account},
        {"password", values.password},
        {"smtpServer", values.smtpServer},
        {"smtpPort", values.smtpPort},
        {"senderAddress", values.senderAddress},
        {"senderPassword", values.senderPassword},
        {"phone", values.phone},
        {"senderUserName", SenderUserName(values.senderAddress)},
        {"recipient", values.recipient},
    }};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto& [name, text] = texts[i];
        const std::optional<Record> record = MessageTextRecord(text);
        if (!record) {
            built.refused = RefusedValue{
                RefusedValue::Kind::kTextTooLong,  target, name,
                static_cast<int64_t>(text.size()), 0,      static_cast<int64_t>(kMaxRecordTextBytes)};
            return built;
        }
        built.plain[i + 1] = *record;
    }
    return built;
}

MessageFileResult WriteSmtpSettingsFile(FileSystem& fs, const std::string& outputFolder,
                                        const SmtpFileValues& values) {
    const MessageRecords records = BuildSmtpRecords(values, PathInFolder(outputFolder, kSmtpFileName));
    return WriteMessageRecords(fs, outputFolder, kSmtpFileName, records, kSmtpChecksumOffset);
}

void UseGprsPreset(SmtpFileValues& values) {
    const GprsPreset preset = GprsPresetAt(values.countryIndex, values.operatorIndex).value_or(GprsPreset{});
    values.apn = preset.apn;
    values.account = preset.account;
    values.password = preset.password;
}

}  // namespace corvane
