#include "inspect/export.h"

#include <array>
#include <filesystem>
#include <ostream>

#include "inspect/report.h"
#include "platform/utf8_path.h"
#include "settings/settings_toml.h"

namespace corvane::inspect {
namespace {

namespace fs = std::filesystem;

const char* const kExportUsage =
    "Usage: corvane-inspect --export FOLDER [--show-secrets] [--model NAME]  (see --help)\n";

// The model of a family, with or without e-mail.
ModelId ModelOf(ModelFamily family, bool email) {
    for (const Model& model : kModels) {
        if (model.family == family && model.hasEmail == email) {
            return model.id;
        }
    }
    return 1;
}

decoder::Family DecoderFamily(ModelFamily family) {
    return family == ModelFamily::k8620 ? decoder::Family::k8620 : decoder::Family::k8520;
}

}  // namespace

std::variant<settings::SettingsFile, std::string> SettingsFromFolder(const std::string& folder,
                                                                     std::optional<ModelId> model) {
    std::array<std::optional<fs::path>, 3> found;
    std::error_code ec;
    for (fs::directory_iterator it(platform::PathFromUtf8(folder), ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::optional<FileKind> kind = KindFromName(it->path().filename().string());
        if (kind && !found[static_cast<size_t>(*kind)]) {
            found[static_cast<size_t>(*kind)] = it->path();
        }
    }
    if (ec) {
        return folder + ": cannot read the folder: " + ec.message();
    }
    std::array<std::vector<uint8_t>, 3> bytes;
    bool fits8620 = true;
    bool fits8520 = true;
    bool any = false;
    for (size_t k = 0; k < found.size(); ++k) {
        if (!found[k]) {
            continue;
        }
        any = true;
        decoder::LoadedFile loaded = decoder::LoadSetupFile(found[k]->string());
        if (loaded.refusal) {
            return found[k]->string() + ": " + loaded.refusal->what;
        }
        bytes[k] = std::move(loaded.bytes);
        bool f86 = false;
        bool f85 = false;
        if (k == static_cast<size_t>(FileKind::kMenu)) {
            const decoder::MenuFile m = decoder::DecodeMenuFile(bytes[k]);
            if (!m.faults.empty()) {
                return found[k]->string() + ": " + m.faults.front().what;
            }
            f86 = m.fits8620 && !m.factory;
            f85 = m.fits8520 && !m.factory;
        } else if (k == static_cast<size_t>(FileKind::kMms)) {
            const decoder::MmsFile m = decoder::DecodeMmsFile(bytes[k]);
            if (!m.faults.empty()) {
                return found[k]->string() + ": " + m.faults.front().what;
            }
            f86 = m.fits8620;
            f85 = m.fits8520;
        } else {
            const decoder::SmtpFile s = decoder::DecodeSmtpFile(bytes[k]);
            if (!s.faults.empty()) {
                return found[k]->string() + ": " + s.faults.front().what;
            }
            f86 = s.fits8620;
            f85 = s.fits8520;
        }
        fits8620 = fits8620 && f86;
        fits8520 = fits8520 && f85;
    }
    if (!any) {
        return folder + ": no menu.dat, setup.dat or smtp.dat in this folder";
    }
    const bool hasEmailFile = found[static_cast<size_t>(FileKind::kSmtp)].has_value();
    settings::SettingsFile file;
    if (model) {
        file.model = *model;
    } else if (fits8620 != fits8520) {
        file.model = ModelOf(fits8620 ? ModelFamily::k8620 : ModelFamily::k8520, hasEmailFile);
    } else if (fits8620) {
        return folder + ": the files fit both model families; name the model with --model";
    }
    // Files of no one family (or damaged) are refused below with the reader's reason.
    const ModelFamily family =
        model ? FamilyOfModel(*model) : (fits8620 ? ModelFamily::k8620 : ModelFamily::k8520);
    if (!model && !fits8620 && !fits8520) {
        file.model = ModelOf(family, hasEmailFile);
    }
    const decoder::Family readAs = DecoderFamily(family);

    // The top of the settings file takes the first file's language and TV mode; a file that keeps others
    // gets its own in its section.
    std::optional<int> language;
    std::optional<int> tvMode;
    const auto take = [&](settings::SectionOwn& own, int fileLanguage, std::optional<int> fileTvMode) {
        if (!language) {
            language = fileLanguage;
        } else if (*language != fileLanguage) {
            own.language = fileLanguage;
        }
        if (fileTvMode && !tvMode) {
            tvMode = fileTvMode;
        } else if (fileTvMode && *tvMode != *fileTvMode) {
            own.tvMode = static_cast<uint32_t>(*fileTvMode);
        }
    };
    const auto refused = [&](FileKind kind, const decoder::Finding& finding) {
        return found[static_cast<size_t>(kind)]->string() + ": " + finding.what;
    };
    if (found[static_cast<size_t>(FileKind::kMenu)]) {
        const auto reading = decoder::ReadMenuSettings(bytes[static_cast<size_t>(FileKind::kMenu)], readAs);
        if (reading.refusal) {
            return refused(FileKind::kMenu, *reading.refusal);
        }
        file.camera = *reading.settings;
        take(file.cameraOwn, reading.settings->fileLanguage, reading.settings->tvMode);
    }
    if (found[static_cast<size_t>(FileKind::kMms)]) {
        const auto reading = decoder::ReadMmsSettings(bytes[static_cast<size_t>(FileKind::kMms)], readAs);
        if (reading.refusal) {
            return refused(FileKind::kMms, *reading.refusal);
        }
        decoder::MmsSettings m = *reading.settings;
        if (!m.manual) {
            // Auto mode takes the network settings from the operator's preset when writing.
            m.url = m.apn = m.gateway = m.port = m.account = m.password = std::string();
        }
        file.mms = m;
        take(file.mmsOwn, m.fileLanguage, m.tvMode);
    }
    if (found[static_cast<size_t>(FileKind::kSmtp)]) {
        if (!ModelHasEmail(file.model)) {
            return found[static_cast<size_t>(FileKind::kSmtp)]->string() +
                   ": an e-mail settings file, but the model sends no e-mail";
        }
        const auto reading = decoder::ReadSmtpSettings(bytes[static_cast<size_t>(FileKind::kSmtp)], readAs);
        if (reading.refusal) {
            return refused(FileKind::kSmtp, *reading.refusal);
        }
        decoder::SmtpSettings e = *reading.settings;
        if (!e.manual) {
            e.gprsApn = e.gprsAccount = e.gprsPassword = std::string();
        }
        file.email = e;
        take(file.emailOwn, e.fileLanguage, std::nullopt);
    }
    file.language = language.value_or(kEnglish);
    file.tvMode = static_cast<uint32_t>(tvMode.value_or(0));
    // The settings file holds the decoder's view; the camera clock and the values each file stores apart
    // from the settings (language, TV mode) are not part of a section.
    if (file.camera) {
        file.camera->fileLanguage = 0;
        file.camera->tvMode = 0;
    }
    if (file.mms) {
        file.mms->fileLanguage = 0;
        file.mms->tvMode = 0;
    }
    if (file.email) {
        file.email->fileLanguage = 0;
    }
    return file;
}

bool AsksForExport(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--") {
            return false;
        }
        if (arg == "--export") {
            return true;
        }
    }
    return false;
}

int RunExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::optional<std::string> folder;
    std::optional<ModelId> model;
    bool secrets = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--export" && hasValue && !folder) {
            folder = args[++i];
        } else if (arg == "--show-secrets") {
            secrets = true;
        } else if (arg == "--model" && hasValue && !model) {
            model = settings::ModelNamed(args[++i]);
            if (!model) {
                err << "corvane-inspect: unknown model '" << args[i] << "'\n" << kExportUsage;
                return 2;
            }
        } else {
            err << "corvane-inspect: '" << arg << "' does not go with --export here\n" << kExportUsage;
            return 2;
        }
    }
    if (!folder || folder->empty()) {
        err << "corvane-inspect: --export needs a FOLDER\n" << kExportUsage;
        return 2;
    }
    std::error_code ec;
    if (!fs::is_directory(platform::PathFromUtf8(*folder), ec)) {
        err << "corvane-inspect: " << *folder << ": not a folder\n";
        return 1;
    }
    const auto result = SettingsFromFolder(*folder, model);
    if (const std::string* why = std::get_if<std::string>(&result)) {
        err << "corvane-inspect: " << *why << "\n";
        return 1;
    }
    const settings::SettingsFile& file = std::get<settings::SettingsFile>(result);
    const auto text = settings::SettingsText(file, secrets);
    if (const settings::SettingsError* error = std::get_if<settings::SettingsError>(&text)) {
        err << "corvane-inspect: " << error->what << "\n";
        return 1;
    }
    if (const std::optional<settings::SectionFault> fault = settings::CheckSettings(file)) {
        err << "corvane-inspect: note: corvane-write refuses these settings as they are: [" << fault->section
            << "]: " << fault->what << "\n";
    }
    out << std::get<std::string>(text);
    return 0;
}

}  // namespace corvane::inspect
