#include "dialogs/shell/read_back.h"

#include <system_error>
#include <utility>

#include "core/l10n/read_back_texts.h"

namespace corvane {
namespace {

ReadBackProblem ProblemOf(decoder::Refusal refusal) {
    switch (refusal) {
        case decoder::Refusal::kMissing:
            return ReadBackProblem::kMissing;
        case decoder::Refusal::kUnreadable:
            return ReadBackProblem::kUnreadable;
        case decoder::Refusal::kKind:
            return ReadBackProblem::kOtherKind;
        case decoder::Refusal::kSize:
            return ReadBackProblem::kWrongSize;
        case decoder::Refusal::kFraming:
            return ReadBackProblem::kBadFraming;
        case decoder::Refusal::kChecksum:
            return ReadBackProblem::kBadChecksum;
        case decoder::Refusal::kValue:
            return ReadBackProblem::kOutOfRange;
        case decoder::Refusal::kFamily:
            return ReadBackProblem::kOtherFamily;
    }
    return ReadBackProblem::kUnreadable;
}

}  // namespace

decoder::LoadedFile LoadSetupFile(FileSystem& fs, const std::string& path) {
    FileSystem::WholeFile whole = fs.ReadWholeFile(path, decoder::kMaxSetupFileLoad);
    platform::RegularFile read;
    switch (whole.outcome) {
        case FileSystem::WholeFile::Outcome::kRead:
            read.outcome = platform::RegularFile::Outcome::kRead;
            break;
        case FileSystem::WholeFile::Outcome::kMissing:
            read.outcome = platform::RegularFile::Outcome::kMissing;
            break;
        case FileSystem::WholeFile::Outcome::kNotRegular:
            read.outcome = platform::RegularFile::Outcome::kNotRegular;
            break;
        case FileSystem::WholeFile::Outcome::kTooLong:
            read.outcome = platform::RegularFile::Outcome::kTooLong;
            break;
        case FileSystem::WholeFile::Outcome::kFailed:
            read.outcome = platform::RegularFile::Outcome::kFailed;
            break;
    }
    read.bytes = std::move(whole.bytes);
    read.size = whole.size;
    read.error = whole.error;
    read.reason = std::generic_category().message(whole.error);
    return decoder::LoadedSetupFile(std::move(read));
}

decoder::Family DecoderFamily(ModelFamily family) {
    return family == ModelFamily::k8620 ? decoder::Family::k8620 : decoder::Family::k8520;
}

std::string ReadBackMessage(int32_t language, const std::string& path, const decoder::Finding& finding) {
    // "There is no such file" says all a missing file needs.
    const bool missing = finding.refusal == decoder::Refusal::kMissing;
    return ReadBackRefusalMessage(language, path, ProblemOf(finding.refusal), missing ? "" : finding.what);
}

std::optional<decoder::Finding> PresetOutOfList(PresetSet set, int32_t language, int country,
                                                int operatorIndex) {
    const size_t countries = CountryNames(set, language).size();
    if (country < 0 || static_cast<size_t>(country) >= countries) {
        return decoder::Finding{decoder::Refusal::kValue, "country " + std::to_string(country) +
                                                              " is not in the list of " +
                                                              std::to_string(countries) + " countries"};
    }
    const size_t operators = OperatorNames(set, country, language).size();
    if (operatorIndex < 0 || static_cast<size_t>(operatorIndex) >= operators) {
        return decoder::Finding{decoder::Refusal::kValue,
                                "operator " + std::to_string(operatorIndex) + " is not in the list of " +
                                    std::to_string(operators) + " operators of country " +
                                    std::to_string(country)};
    }
    return std::nullopt;
}

}  // namespace corvane
