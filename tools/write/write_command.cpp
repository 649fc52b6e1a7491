#include "write/write_command.h"

#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

#include "settings/settings_toml.h"
#include "write/each_card.h"
#include "write/write_files.h"

namespace corvane::write {
namespace {

const char* const kShortUsage =
    "Usage: corvane-write SETTINGS FOLDER [--serial XXXX]\n"
    "       corvane-write SETTINGS --each-card [--serial XXXX] [--log FILE] [--overwrite] [--count N]\n"
    "       (see --help)\n";

struct CommandLine {
    std::vector<std::string> positional;
    std::optional<std::string> serial;
    EachCardOptions each;
    bool eachCard = false;
    bool help = false;
    bool version = false;
};

// Returns the error text of a bad command line, or "".
std::string Parse(const std::vector<std::string>& args, CommandLine& line) {
    bool optionsEnded = false;
    bool countGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto value = [&](std::string& into) {
            if (i + 1 >= args.size()) {
                return false;
            }
            into = args[++i];
            return true;
        };
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            if (arg.empty()) {
                return "empty argument";
            }
            line.positional.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            line.help = true;
        } else if (arg == "--version") {
            line.version = true;
        } else if (arg == "--each-card") {
            line.eachCard = true;
        } else if (arg == "--overwrite") {
            line.each.overwrite = true;
        } else if (arg == "--serial") {
            std::string serial;
            if (!value(serial)) {
                return "--serial needs a serial text";
            }
            if (!settings::IsSerialText(serial)) {
                return "serial '" + serial +
                       "' is not four characters, each a digit or a capital letter (A001)";
            }
            line.serial = serial;
        } else if (arg == "--log") {
            std::string path;
            if (!value(path) || path.empty()) {
                return "--log needs a FILE";
            }
            line.each.logPath = path;
        } else if (arg == "--count") {
            std::string text;
            if (!value(text) || text.empty() || text.size() > 6 ||
                text.find_first_not_of("0123456789") != std::string::npos || std::stoi(text) < 1) {
                return "--count needs a number of cards from 1";
            }
            line.each.count = std::stoi(text);
            countGiven = true;
        } else {
            return "unknown option '" + arg + "'";
        }
    }
    if (line.help || line.version) {
        return "";
    }
    if (line.positional.empty()) {
        return "no SETTINGS file given";
    }
    if (line.eachCard && line.positional.size() != 1) {
        return "--each-card takes no FOLDER: it writes onto each card inserted";
    }
    if (!line.eachCard && line.positional.size() != 2) {
        return line.positional.size() < 2 ? "no FOLDER given" : "too many arguments";
    }
    if (!line.eachCard && (line.each.logPath || line.each.overwrite || countGiven)) {
        return "--log, --overwrite and --count go with --each-card";
    }
    return "";
}

// Reads the settings file; on failure writes the refusal to err.
std::optional<settings::SettingsFile> LoadSettings(const std::string& path, std::ostream& err) {
    auto loaded = settings::LoadSettingsFile(path);
    if (const settings::SettingsError* error = std::get_if<settings::SettingsError>(&loaded)) {
        err << "corvane-write: " << path;
        if (error->line > 0) {
            err << ":" << error->line;
        }
        err << ": " << error->what << "\n";
        return std::nullopt;
    }
    settings::SettingsFile file = std::get<settings::SettingsFile>(std::move(loaded));
    if (!file.camera && !file.mms && !file.email) {
        err << "corvane-write: " << path
            << ": holds no [camera], [mms] or [email] section: nothing to write\n";
        return std::nullopt;
    }
    // A password left out of the file would go onto the card as an empty one: the camera could not log in.
    for (const settings::LeftOutPassword& missing : file.leftOut) {
        err << "corvane-write: " << path << ":" << missing.line << ": " << settings::LeftOutText(missing)
            << "\n";
    }
    if (!file.leftOut.empty()) {
        return std::nullopt;
    }
    return file;
}

}  // namespace

std::string UsageText() {
    return R"USAGE(NAME
    corvane-write - write camera setup files from a settings file

SYNOPSIS
    corvane-write SETTINGS FOLDER [--serial XXXX]
    corvane-write SETTINGS --each-card [--serial XXXX] [--log FILE]
                  [--overwrite] [--count N]
    corvane-write --help
    corvane-write --version

DESCRIPTION
    Writes the files that the settings file SETTINGS holds (menu.dat for
    [camera], setup.dat for [mms], smtp.dat for [email]) into FOLDER,
    byte for byte as the setup dialogs write them, with the camera clock
    set to the time of writing. A settings file comes from
    "corvane-inspect --export CARD" or from a setup dialog's save button.
    A settings file that is wrong is refused with its line and nothing is
    written; so is one that lacks a password that a file gets (left out
    when the settings file was saved or exported without passwords).

    With --each-card it waits for a camera card to be inserted, writes the
    files onto it, reads them back and checks them, unmounts the card
    (through udisks2 where it runs; otherwise it says to unmount), says in
    one line which serial went onto which card and waits for the next card.
    A card that already holds other settings is left as it is unless
    --overwrite is given. A card that fails is reported and does not use up
    a serial. Ctrl-C ends after the card in hand.

OPTIONS
    --serial XXXX
        Set the serial text (four characters, digits and capital letters)
        and turn the serial on. With --each-card it counts up after each
        card: A001, A002, ... A009, A010 ...

    --each-card
        Write onto card after card, as above.

    --log FILE
        Append one line per card to FILE (CSV: time, volume label, volume
        serial number, serial text, files, result).

    --overwrite
        Write over files that hold other settings.

    --count N
        Stop after N cards were prepared.

    -h, --help
        Show this text and exit.

    --version
        Show the program's version and exit.

EXIT STATUS
    0   written
    1   a write failed (with --each-card: a card failed)
    2   a bad command line or settings file
)USAGE";
}

int RunWrite(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             WriteEnvironment& env, std::string_view version) {
    CommandLine line;
    if (const std::string problem = Parse(args, line); !problem.empty()) {
        err << "corvane-write: " << problem << "\n" << kShortUsage;
        return kExitBadInput;
    }
    if (line.help) {
        out << UsageText();
        return kExitOk;
    }
    if (line.version) {
        out << "corvane-write " << version << "\n";
        return kExitOk;
    }
    std::optional<settings::SettingsFile> file = LoadSettings(line.positional[0], err);
    if (!file) {
        return kExitBadInput;
    }
    if (line.serial) {
        if (!file->camera) {
            err << "corvane-write: " << line.positional[0]
                << ": --serial needs a [camera] section (the serial is a camera setting)\n";
            return kExitBadInput;
        }
        settings::SetSerial(*file->camera, *line.serial);
    }
    if (line.eachCard) {
        line.each.serial = line.serial;
        return RunEachCard(env, *file, line.each, out);
    }
    const FolderWrite result =
        WriteSettingsInto(env, *file, line.positional[1], CaptureCameraClock(env.Now()));
    for (const std::string& message : result.lines) {
        (result.ok ? out : err) << message << "\n";
    }
    return result.ok ? kExitOk : kExitWriteFailed;
}

}  // namespace corvane::write
