#include "dialogs/shell/setup_dialog.h"

#include <cerrno>

#include "core/files/output_folder.h"
#include "core/files/write_sequence.h"
#include "core/l10n/card_texts.h"
#include "core/l10n/folder_texts.h"
#include "core/l10n/preset_texts.h"
#include "core/l10n/read_back_texts.h"
#include "dialogs/shell/read_back.h"
#include "framework/data_exchange.h"
#include "platform/platform.h"
#include "platform/preference_store.h"

namespace corvane {

CSetupDialog::CSetupDialog(const DialogTemplate& dialogTemplate, ModelFamily family,
                           const AppSettings& settings, platform::Platform& platform, FileSystem& fs,
                           FolderControls folder, const char* fileName)
    : CDialog(dialogTemplate, platform),
      family_(family),
      settings_(settings),
      fs_(fs),
      fileName_(fileName),
      folder_(folder) {
    SetMessageLanguage(settings.language);
    StartFolderFacts facts;
    facts.volumes = platform.MountedVolumes();
    facts.lastFolder = platform.Preferences().ReadLastFolder();
    facts.lastFolderExists = facts.lastFolder && platform.FolderExists(*facts.lastFolder);
    facts.defaultFolder = platform.DefaultOutputFolder();
    startFolder_ = StartOutputFolder(facts);
    outputFolder = startFolder_;
    NoteCardRoot(facts.volumes, outputFolder);
    AddHandler(folder_.button, Notification::kClicked, [this] { ChooseOutputFolder(); });
    // The folder field is named by its folder button, not by the read button between them.
    SetAccessibleNameSources({{folder_.field, {folder_.button}}});
    if (folder_.characterLimit > 0) {
        AddHandler(folder_.field, Notification::kMaxText, [this] { TellFolderTooLong(); });
    }
    AddSettingsFileCommands();
}

bool CSetupDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(family_ == ModelFamily::k8620 ? "Corvane 8620" : "Corvane 8520");
    return true;
}

void CSetupDialog::OnOK() {
    OnGenerate();
}

void CSetupDialog::OnReadFile() {
    const std::optional<std::string> path = PathToRead();
    if (!path) {
        return;
    }
    if (const std::optional<decoder::Finding> refusal = ReadFile(*path)) {
        Tell(ReadBackMessage(settings_.language, *path, *refusal));
        return;
    }
    // A read that changes nothing visible looks the same as no read at all: say which file it was.
    Tell(ReadBackDoneMessage(settings_.language, FilePathForDisplay(outputFolder, fileName_)));
}

void CSetupDialog::ChooseOutputFolder() {
    platform::Platform& platform = GetPlatform();
    std::string start = GetDlgItemText(folder_.field);
    if (start.empty()) {
        const std::optional<Volume> card = SingleCameraCard(platform.MountedVolumes());
        start = card ? card->rootPath : startFolder_;
    } else {
        // "~/..." opens in the home folder; a relative folder means nothing here and opens at the start.
        start = AbsoluteFolder(start, platform.HomeFolder()).value_or(startFolder_);
    }
    std::string folder = platform.BrowseForFolder(start);
    if (folder.empty()) {
        folder = startFolder_;
    }
    if (folder_.characterLimit > 0 &&
        CharacterCount(folder) > static_cast<std::size_t>(folder_.characterLimit)) {
        TellFolderTooLong();
        return;
    }
    outputFolder = folder;
    NoteCardRoot(platform.MountedVolumes(), outputFolder);
    UpdateData(false);
}

void CSetupDialog::TellFolderTooLong() {
    Tell(FolderTooLongMessage(settings_.language, folder_.characterLimit, GetDlgItemText(folder_.field)));
}

void CSetupDialog::NoteCardRoot(const std::vector<Volume>& volumes, const std::string& folder) {
    cardRoot_ = IsCameraCardRoot(volumes, folder) ? folder : std::string();
}

bool CSetupDialog::UseAbsoluteFolder() {
    const std::optional<std::string> folder = AbsoluteFolder(outputFolder, GetPlatform().HomeFolder());
    if (!folder) {
        Tell(FolderNotAbsoluteMessage(settings_.language, outputFolder));
        return false;
    }
    outputFolder = *folder;
    return true;
}

std::optional<std::string> CSetupDialog::PathToRead() {
    TakeFolderFromField();
    if (!UseAbsoluteFolder()) {
        return std::nullopt;
    }
    platform::Platform& platform = GetPlatform();
    const std::string path = PathInFolder(outputFolder, fileName_);
    if (CardGone(platform.MountedVolumes(), outputFolder, cardRoot_,
                 platform.IsMediaMountFolder(outputFolder))) {
        Tell(ReadBackRefusalMessage(settings_.language, path, ReadBackProblem::kCardGone, ""));
        return std::nullopt;
    }
    return path;
}

bool CSetupDialog::CardReadyFor(std::size_t bytes) {
    if (!UseAbsoluteFolder()) {
        return false;
    }
    platform::Platform& platform = GetPlatform();
    const std::vector<Volume> volumes = platform.MountedVolumes();
    if (CardGone(volumes, outputFolder, cardRoot_, platform.IsMediaMountFolder(outputFolder))) {
        Tell(CardGoneText(settings_.language, outputFolder));
        return false;
    }
    const std::optional<Volume> card = CameraCardHolding(volumes, outputFolder);
    if (card && LacksRoomFor(*card, bytes)) {
        const WriteFailure full{PathInFolder(outputFolder, fileName_), outputFolder, "free space", ENOSPC};
        Tell(DescribeWriteFailure(full, settings_.language));
        return false;
    }
    return true;
}

void CSetupDialog::RememberFolder(const std::string& folder) {
    GetPlatform().Preferences().WriteLastFolder(folder);
}

void CSetupDialog::WriteMessageFile(const std::function<MessageFileResult(const std::string& folder)>& write,
                                    std::string_view sentence) {
    if (!CardReadyFor(kMessageFileSize)) {
        return;
    }
    const MessageFileResult result = write(outputFolder);
    if (!result.completed) {
        TellFailure(result);
        return;
    }
    TellWritten(outputFolder, sentence);
}

void CSetupDialog::TellWritten(const std::string& folder, std::string_view sentence) {
    RememberFolder(folder);
    Tell(std::string(sentence) + "\n" +
         WrittenToText(settings_.language, FilePathForDisplay(folder, fileName_)));
}

void CSetupDialog::TakeFolderFromField() {
    outputFolder = GetDlgItemText(folder_.field);
}

void CSetupDialog::ReadFields() {
    UpdateData(true);
}

void CSetupDialog::FillCountries(CComboBox& list, PresetSet set) {
    list.AddStrings(CountryNames(set, settings_.language));
    list.SetCurSel(0);
}

void CSetupDialog::FillOperators(CComboBox& list, PresetSet set, int country) {
    list.ResetContent();
    list.AddStrings(OperatorNames(set, country, settings_.language));
    list.SetCurSel(0);
}

void CSetupDialog::FillPresetLists(CComboBox& countries, CComboBox& operators, PresetSet set, bool manual) {
    countries.ResetContent();
    operators.ResetContent();
    if (manual) {
        for (CComboBox* list : {&countries, &operators}) {
            list->AddString(std::string(kManualPresetEntry));
            list->SetCurSel(0);
        }
    } else {
        FillCountries(countries, set);
        FillOperators(operators, set, 0);
    }
}

void CSetupDialog::SelectPreset(CComboBox& countries, CComboBox& operators, PresetSet set, int country,
                                int operatorIndex) {
    countries.SetCurSel(country);
    FillOperators(operators, set, country);
    operators.SetCurSel(operatorIndex);
}

bool CSetupDialog::PresetHasSettings(PresetSet set, const CComboBox& modes, const CComboBox& countries,
                                     const CComboBox& operators) {
    if (PresetHasAutoSettings(set, countries.GetCurSel(), operators.GetCurSel())) {
        return true;
    }
    Tell(NoPresetSettingsMessage(settings_.language, modes.GetLBText(kManualMode)));
    return false;
}

void CSetupDialog::FillRemoteControlHours(CComboBox& list, std::string_view offEntry) {
    std::vector<std::string> hours;
    for (int hour = 0; hour < kRemoteControlOff; ++hour) {
        hours.push_back(std::to_string(hour));
    }
    hours.emplace_back(offEntry);
    list.AddStrings(hours);
    list.SetCurSel(kRemoteControlOff);
}

void CSetupDialog::SetReadOnly(std::initializer_list<int> ids, bool readOnly) {
    for (int id : ids) {
        if (CEdit* edit = GetEdit(id)) {
            edit->SetReadOnly(readOnly);
        }
    }
}

void CSetupDialog::KeepPicturesPerDayInRange(int32_t& count) {
    UpdateData(true);
    if (count < 0 || count > kMaxPicturesPerDay) {
        count = 0;
        UpdateData(false);
    }
}

void CSetupDialog::Tell(std::string_view text) {
    GetPlatform().ShowMessage(std::string(text));
}

void CSetupDialog::TellFailure(const MessageFileResult& result) {
    Tell(DescribeMessageFileFailure(result, settings_.language));
}

}  // namespace corvane
