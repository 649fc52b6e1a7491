// The setup dialogs' settings-file commands: save the dialog's section into a settings file, open one.

#include <cstring>
#include <filesystem>

#include "core/l10n/settings_file_texts.h"
#include "dialogs/shell/setup_dialog.h"
#include "platform/platform.h"
#include "platform/text_file.h"
#include "settings/settings_toml.h"

namespace corvane {
namespace {

std::string Format(const char* pattern, const std::string& a, const std::string& b) {
    std::string out(pattern);
    const size_t first = out.find("%s");
    out.replace(first, 2, a);
    out.replace(out.find("%s", first + a.size()), 2, b);
    return out;
}

const char* FamilyName(ModelFamily family) {
    return family == ModelFamily::k8620 ? "8620" : "8520";
}

bool HasSecrets(const settings::SettingsFile& file) {
    return (file.mms && !file.mms->password.empty()) ||
           (file.email && (!file.email->gprsPassword.empty() || !file.email->senderPassword.empty()));
}

}  // namespace

void CSetupDialog::AddSettingsFileCommands() {
    const SettingsFileTexts& texts = SettingsFileTextsFor(settings_.language);
    AddCommand(texts.save, CommandKey::kSave, [this] { SaveSettingsFile(); });
    AddCommand(texts.open, CommandKey::kOpen, [this] { OpenSettingsFile(); });
}

void CSetupDialog::SaveSettingsFile() {
    const SettingsFileTexts& texts = SettingsFileTextsFor(settings_.language);
    settings::SettingsFile ours;
    // The model of the main window when it is of this dialog's family (the e-mail dialog's models send
    // e-mail), else the family's model.
    ours.model = settings_.model;
    if (FamilyOfModel(ours.model) != family_ || FindModel(ours.model) == nullptr) {
        ours.model = family_ == ModelFamily::k8620 ? 4 : 3;
    }
    ours.language = FileLanguage(settings_);
    ours.tvMode = settings_.tvMode;
    if (!PutSettings(ours)) {
        return;
    }
    if (ours.email && !ModelHasEmail(ours.model)) {
        ours.model = family_ == ModelFamily::k8620 ? 4 : 3;
    }
    platform::Platform& platform = GetPlatform();
    const std::string path = platform.BrowseForSettingsFile(true, platform.DefaultOutputFolder());
    if (path.empty()) {
        return;
    }
    // A settings file of the same family keeps its other sections, each with the language and TV mode its
    // file is written with.
    settings::SettingsFile file = ours;
    if (std::filesystem::exists(path)) {
        auto loaded = settings::LoadSettingsFile(path);
        if (settings::SettingsFile* old = std::get_if<settings::SettingsFile>(&loaded);
            old != nullptr && FamilyOfModel(old->model) == family_) {
            // A kept section keeps its left-out passwords too: they stay left out, never become empty ones.
            const auto keep = [&](std::string_view name, auto& section, settings::SectionOwn& own,
                                  const auto& oldSection, const settings::SectionOwn& oldOwn) {
                if (!section && oldSection) {
                    section = oldSection;
                    for (const settings::LeftOutPassword& password : old->leftOut) {
                        if (password.section == name) {
                            file.leftOut.push_back(password);
                        }
                    }
                    if (old->LanguageOf(oldOwn) != file.language) {
                        own.language = old->LanguageOf(oldOwn);
                    }
                    if (old->TvModeOf(oldOwn) != file.tvMode) {
                        own.tvMode = old->TvModeOf(oldOwn);
                    }
                }
            };
            keep("camera", file.camera, file.cameraOwn, old->camera, old->cameraOwn);
            keep("mms", file.mms, file.mmsOwn, old->mms, old->mmsOwn);
            keep("email", file.email, file.emailOwn, old->email, old->emailOwn);
            if (ModelHasEmail(old->model) || !file.email) {
                file.model = old->model;
            }
        }
    }
    if (const std::optional<settings::SectionFault> fault = settings::CheckSettings(file)) {
        Tell(std::string(texts.cannotSave) + "[" + fault->section + "] " + fault->what);
        return;
    }
    const bool secrets = HasSecrets(file) && platform.AskYesNo(texts.askSecrets);
    const auto text = settings::SettingsText(file, secrets);
    if (const settings::SettingsError* error = std::get_if<settings::SettingsError>(&text)) {
        Tell(std::string(texts.cannotSave) + error->what);
        return;
    }
    if (const int error = platform::ReplaceTextFile(path, std::get<std::string>(text), secrets); error != 0) {
        Tell(std::string(texts.notSaved) + path + ": " + std::strerror(error));
        return;
    }
    Tell(texts.saved + path);
}

void CSetupDialog::OpenSettingsFile() {
    const SettingsFileTexts& texts = SettingsFileTextsFor(settings_.language);
    platform::Platform& platform = GetPlatform();
    const std::string path = platform.BrowseForSettingsFile(false, platform.DefaultOutputFolder());
    if (path.empty()) {
        return;
    }
    const auto loaded = settings::LoadSettingsFile(path);
    if (const settings::SettingsError* error = std::get_if<settings::SettingsError>(&loaded)) {
        Tell(texts.notOpened + path + (error->line > 0 ? ":" + std::to_string(error->line) : std::string()) +
             ": " + error->what);
        return;
    }
    const settings::SettingsFile& file = std::get<settings::SettingsFile>(loaded);
    if (FamilyOfModel(file.model) != family_) {
        const Model* model = FindModel(file.model);
        Tell(texts.notOpened + path + ": " +
             Format(texts.otherFamily, model ? std::string(model->listName) : "?", FamilyName(family_)));
        return;
    }
    if (const std::optional<std::string> why = TakeSettings(file)) {
        Tell(texts.notOpened + path + ": " + *why);
    }
}

}  // namespace corvane
