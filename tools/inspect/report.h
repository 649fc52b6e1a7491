#pragma once

// The inspector's verdicts and settings in English words, and the command line around them.

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "decoder/decoder.h"

namespace corvane::inspect {

// The inspector is the decoder's words: its names are the decoder's.
using namespace corvane::decoder;

enum class PresetSet { kGprs, kMms };

// English country and operator names of the built-in tables. An empty list means "not known", and the
// report then shows indexes only.
class PresetNames {
  public:
    virtual ~PresetNames() = default;
    virtual std::vector<std::string> Countries(PresetSet set) const = 0;
    virtual std::vector<std::string> Operators(PresetSet set, int country) const = 0;
};

struct ReportOptions {
    bool showSecrets = false;
    const PresetNames* names = nullptr;  // may be null: indexes only
};

// The kind a file name stands for ("menu.dat", "setup.dat", "smtp.dat", any case), or none.
std::optional<FileKind> KindFromName(std::string_view fileName);

// Writes the report of one file to out: a first line "<label>: <kind>, sound (...)" followed by one
// indented line per setting, or a single line "<label>: <kind>, damaged: <faults>". Takes any bytes;
// returns true when the file is sound.
bool ReportFile(std::string_view label, FileKind kind, std::span<const uint8_t> bytes,
                const ReportOptions& options, std::ostream& out);

// The man-style usage text of --help.
std::string UsageText();

// The whole program: args without the program name. Reports go to out, usage errors to err. Returns 0 when
// every file is sound, 1 when any is damaged, unknown or unreadable, 2 for a usage error. --version prints
// the given version.
int RunInspect(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const PresetNames* names, std::string_view version);

}  // namespace corvane::inspect
