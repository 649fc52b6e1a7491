#include "write/each_card.h"

#include <fstream>
#include <ostream>
#include <set>

#include "core/camera/menu_file.h"
#include "core/camera/menu_record.h"
#include "core/files/write_sequence.h"
#include "write/write_files.h"

namespace corvane::write {
namespace {

// Bytes of menu.dat that change with the camera clock: the clock itself and the CRC.
bool ClockOrCrcByte(size_t index) {
    return (index >= menu_offset::kClockYear && index <= menu_offset::kClockSecond) ||
           index == record_offset::kCrcLow || index == record_offset::kCrcHigh;
}

// Whether `existing` holds the same settings as `expected`: the same bytes, for menu.dat apart from the
// clock and its CRC.
bool SameSettings(const std::string& name, const std::vector<uint8_t>& existing,
                  const std::vector<uint8_t>& expected) {
    if (existing.size() != expected.size()) {
        return false;
    }
    const bool menu = name == kMenuFileName;
    for (size_t i = 0; i < expected.size(); ++i) {
        if (existing[i] != expected[i] && !(menu && ClockOrCrcByte(i))) {
            return false;
        }
    }
    return true;
}

std::string Csv(const std::string& field) {
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
        return field;
    }
    std::string quoted = "\"";
    for (char c : field) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

std::string Key(const Volume& volume) {
    return volume.device + "\n" + volume.rootPath;
}

std::string Joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : " ") + name;
    }
    return text;
}

struct CardResult {
    bool ok = false;
    std::vector<std::string> files;
    std::string what;  // the failure, or what happened on success
};

CardResult PrepareCard(WriteEnvironment& env, const settings::SettingsFile& file, const Volume& card,
                       bool overwrite) {
    CardResult result;
    const CameraClock clock = CaptureCameraClock(env.Now());
    const auto expected = ExpectedFiles(file, clock);
    for (const auto& [name, bytes] : expected) {
        const decoder::LoadedFile existing = decoder::LoadSetupFile(PathInFolder(card.rootPath, name));
        if (existing.refusal && existing.refusal->refusal == decoder::Refusal::kMissing) {
            continue;
        }
        if (!overwrite && (existing.refusal || !SameSettings(name, existing.bytes, bytes))) {
            result.what =
                name + " on the card holds other settings; it is left as it is (--overwrite writes over it)";
            return result;
        }
    }
    if (card.readOnly) {
        result.what = "the card is read-only (write-protected)";
        return result;
    }
    const FolderWrite written = WriteSettingsInto(env, file, card.rootPath, clock);
    result.files = written.written;
    if (!written.ok) {
        result.what = written.lines.empty() ? "the files were not written" : written.lines.back();
        return result;
    }
    // Read back what is on the card now: the same bytes, and the decoder takes them for this family.
    const decoder::Family family =
        FamilyOfModel(file.model) == ModelFamily::k8620 ? decoder::Family::k8620 : decoder::Family::k8520;
    for (const auto& [name, bytes] : expected) {
        const decoder::LoadedFile back = decoder::LoadSetupFile(PathInFolder(card.rootPath, name));
        std::optional<decoder::Finding> refusal = back.refusal;
        if (!refusal && back.bytes != bytes) {
            refusal =
                decoder::Finding{decoder::Refusal::kValue, "the bytes read back differ from those written"};
        }
        if (!refusal) {
            refusal = name == kMenuFileName ? decoder::ReadMenuSettings(back.bytes, family).refusal
                      : name == "setup.dat" ? decoder::ReadMmsSettings(back.bytes, family).refusal
                                            : decoder::ReadSmtpSettings(back.bytes, family).refusal;
        }
        if (refusal) {
            result.what = name + " did not read back: " + refusal->what;
            return result;
        }
    }
    result.ok = true;
    return result;
}

}  // namespace

std::string LogLine(const std::string& time, const std::string& label, const std::string& volumeSerial,
                    const std::string& serial, const std::string& files, const std::string& result) {
    return Csv(time) + "," + Csv(label) + "," + Csv(volumeSerial) + "," + Csv(serial) + "," + Csv(files) +
           "," + Csv(result);
}

int RunEachCard(WriteEnvironment& env, const settings::SettingsFile& original, const EachCardOptions& options,
                std::ostream& out) {
    settings::SettingsFile file = original;
    std::optional<std::string> serial = options.serial;
    std::ofstream log;
    if (options.logPath) {
        log.open(*options.logPath, std::ios::app | std::ios::binary);
        if (!log) {
            out << "corvane-write: the log " << *options.logPath << " cannot be opened for appending\n";
            return 1;
        }
    }
    std::set<std::string> handled;  // cards tried, until they are taken out
    bool anyFailed = false;
    bool waiting = false;
    int prepared = 0;
    while (!env.StopAsked() && (options.count == 0 || prepared < options.count)) {
        const std::vector<Volume> cards = CameraCards(env.Volumes());
        std::set<std::string> present;
        const Volume* next = nullptr;
        for (const Volume& card : cards) {
            present.insert(Key(card));
            if (!next && !handled.contains(Key(card))) {
                next = &card;
            }
        }
        std::erase_if(handled, [&](const std::string& key) { return !present.contains(key); });
        if (!next) {
            if (!waiting) {
                out << "Waiting for a camera card" << (serial ? " (serial " + *serial + ")" : std::string())
                    << "; Ctrl-C ends." << std::endl;
                waiting = true;
            }
            env.Pause();
            continue;
        }
        waiting = false;
        const Volume card = *next;
        handled.insert(Key(card));
        const std::string label = card.label.empty() ? "(no label)" : card.label;
        const std::string volumeSerial = env.VolumeSerial(card);
        const std::string name =
            label + (volumeSerial.empty() ? "" : " " + volumeSerial) + " at " + card.rootPath;
        out << "Card " << name << ": writing ..." << std::endl;
        if (serial) {
            settings::SetSerial(*file.camera, *serial);
        }
        const CardResult result = PrepareCard(env, file, card, options.overwrite);
        std::string outcome;
        if (result.ok) {
            const UnmountResult unmounted = env.Unmount(card);
            outcome =
                "written and checked; " +
                (unmounted.done ? std::string("unmounted, the card can be pulled")
                                : "not unmounted (" + unmounted.reason + "): unmount it before pulling it");
            out << (serial ? *serial + " -> " : std::string()) << name << ": " << Joined(result.files) << " "
                << outcome << std::endl;
        } else {
            anyFailed = true;
            outcome = "failed: " + result.what;
            out << "FAILED " << name << ": " << result.what
                << (serial ? " (serial " + *serial + " goes onto the next card)" : std::string())
                << std::endl;
        }
        if (log.is_open()) {
            log << LogLine(env.Timestamp(), card.label, volumeSerial, serial.value_or(""),
                           Joined(result.files), result.ok ? "ok" : outcome)
                << "\n"
                << std::flush;
            if (!log) {
                out << "corvane-write: the log " << *options.logPath << " cannot be written; stopping"
                    << std::endl;
                return 1;
            }
        }
        if (result.ok) {
            ++prepared;
            if (serial) {
                serial = settings::SerialAfter(*serial);
                if (!serial) {
                    out << "The last serial text is used up; stopping." << std::endl;
                    break;
                }
            }
        }
    }
    out << prepared << (prepared == 1 ? " card" : " cards") << " prepared." << std::endl;
    return anyFailed ? 1 : 0;
}

}  // namespace corvane::write
