#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

// Caption of the setup dialogs' button that reads the dialog's file back from its folder. Takes any
// language value; values outside 1..10 give English. UTF-8.
std::string_view ReadBackButtonCaption(int32_t language);

// Why a file was not read into a dialog.
enum class ReadBackProblem {
    kMissing,
    kUnreadable,
    kOtherKind,
    kWrongSize,
    kBadFraming,
    kBadChecksum,
    kOutOfRange,
    kOtherFamily,
    kCardGone,  // the memory card the folder stood for is no longer mounted there
};

// The message of a file that was not read: names the file at `path`, says in the language what is wrong,
// adds `finding` (the reader's own words, shown as they are) and that no setting changed. Takes any
// language value (outside 1..10: English). UTF-8.
std::string ReadBackRefusalMessage(int32_t language, std::string_view path, ReadBackProblem problem,
                                   std::string_view finding);

// The message after a file was read into a dialog: names the file at `path`. Takes any language value
// (outside 1..10: English). UTF-8.
std::string ReadBackDoneMessage(int32_t language, std::string_view path);

}  // namespace corvane
