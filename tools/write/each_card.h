#pragma once

// corvane-write --each-card: waits for camera cards and prepares them one after another.

#include <iosfwd>
#include <optional>
#include <string>

#include "settings/settings_file.h"
#include "write/write_environment.h"

namespace corvane::write {

struct EachCardOptions {
    std::optional<std::string> serial;  // the first card's serial text; counted up after each good card
    std::optional<std::string> logPath;
    bool overwrite = false;  // write over files that hold other settings
    int count = 0;           // stop after this many good cards; 0: until Ctrl-C
};

// Returns 0 when every card that was tried was prepared, 1 when any failed or the log cannot be written.
int RunEachCard(WriteEnvironment& env, const settings::SettingsFile& file, const EachCardOptions& options,
                std::ostream& out);

// One line of the log: time, volume label, volume serial number, serial text, files, result, as CSV.
std::string LogLine(const std::string& time, const std::string& label, const std::string& volumeSerial,
                    const std::string& serial, const std::string& files, const std::string& result);

}  // namespace corvane::write
