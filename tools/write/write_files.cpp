#include "write/write_files.h"

#include <cerrno>

#include "core/camera/menu_file.h"
#include "core/files/output_folder.h"
#include "core/files/write_sequence.h"
#include "core/l10n/card_texts.h"
#include "core/l10n/mms_texts.h"
#include "core/l10n/smtp_texts.h"
#include "core/mms/mms_file.h"
#include "core/smtp/smtp_file.h"

namespace corvane::write {
namespace {

constexpr int32_t kMessages = kEnglish;

std::string Written(const std::string& folder, std::string_view sentence, const std::string& name) {
    return std::string(sentence) + " " + WrittenToText(kMessages, FilePathForDisplay(folder, name));
}

}  // namespace

std::vector<std::pair<std::string, std::vector<uint8_t>>> ExpectedFiles(const settings::SettingsFile& file,
                                                                        const CameraClock& clock) {
    std::vector<std::pair<std::string, std::vector<uint8_t>>> files;
    if (auto bytes = settings::MenuBytes(file, clock)) {
        files.emplace_back(kMenuFileName, std::move(*bytes));
    }
    if (auto bytes = settings::MmsBytes(file)) {
        files.emplace_back(kMmsFileName, std::move(*bytes));
    }
    if (auto bytes = settings::SmtpBytes(file)) {
        files.emplace_back(kSmtpFileName, std::move(*bytes));
    }
    return files;
}

FolderWrite WriteSettingsInto(WriteEnvironment& env, const settings::SettingsFile& file,
                              const std::string& folder, const CameraClock& clock) {
    FolderWrite result;
    const std::vector<Volume> volumes = env.Volumes();
    // A folder given as a card's root stands for that card, as in the dialogs' folder field.
    const std::string cardRoot = IsCameraCardRoot(volumes, folder) ? folder : std::string();
    if (CardGone(volumes, folder, cardRoot, env.IsMediaMountFolder(folder))) {
        result.lines.push_back(CardGoneText(kMessages, folder));
        return result;
    }
    std::size_t bytes = 0;
    for (const auto& [name, content] : ExpectedFiles(file, clock)) {
        bytes += content.size();
    }
    const std::optional<Volume> card = CameraCardHolding(volumes, folder);
    if (card && !card->readOnly && card->bytesFree < bytes) {
        const WriteFailure full{PathInFolder(folder, kMenuFileName), folder, "free space", ENOSPC};
        result.lines.push_back(DescribeWriteFailure(full, kMessages));
        return result;
    }
    const ModelFamily family = FamilyOfModel(file.model);
    FileSystem& fs = env.Files();
    if (file.camera) {
        const Record record = BuildMenuRecord(settings::MenuValues(*file.camera, clock), family,
                                              file.LanguageOf(file.cameraOwn), file.TvModeOf(file.cameraOwn));
        const MenuWriteOutcome outcome =
            WriteMenuFile(fs, folder, record, MenuRecordKind::kNormal, family, file.model, kMessages);
        if (!outcome.written) {
            result.lines.push_back(outcome.message.value_or("menu.dat was not written"));
            return result;
        }
        result.written.push_back(kMenuFileName);
        result.lines.push_back(outcome.message
                                   ? Written(folder, *outcome.message, kMenuFileName)
                                   : WrittenToText(kMessages, FilePathForDisplay(folder, kMenuFileName)));
    }
    if (file.mms) {
        const MessageFileResult outcome = WriteMmsSettingsFile(fs, folder, settings::MmsValues(file));
        if (!outcome.completed) {
            result.lines.push_back(DescribeMessageFileFailure(outcome, kMessages));
            return result;
        }
        result.written.push_back(kMmsFileName);
        result.lines.push_back(
            Written(folder,
                    MmsMessageText(family == ModelFamily::k8620 ? MmsMessage::kGenerated8620
                                                                : MmsMessage::kGenerated8520,
                                   kMessages),
                    kMmsFileName));
    }
    if (file.email) {
        const MessageFileResult outcome = WriteSmtpSettingsFile(fs, folder, settings::SmtpValues(file));
        if (!outcome.completed) {
            result.lines.push_back(DescribeMessageFileFailure(outcome, kMessages));
            return result;
        }
        result.written.push_back(kSmtpFileName);
        result.lines.push_back(
            Written(folder, SmtpMessageText(SmtpMessage::kGenerated, family, kMessages), kSmtpFileName));
    }
    result.ok = true;
    return result;
}

}  // namespace corvane::write
