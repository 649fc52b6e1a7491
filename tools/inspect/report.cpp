#include "inspect/report.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <ostream>

#include "decoder/decoder.h"
#include "languages/languages.h"
#include "platform/regular_file.h"
#include "platform/utf8_path.h"

namespace corvane::inspect {

namespace {

namespace fs = std::filesystem;

// Anything longer is not one of our files; no need to hold it in memory.
constexpr uintmax_t kMaxRead = 64 * 1024;
constexpr size_t kFaultsShown = 3;

const char* const kMenuFileName = "menu.dat";
const char* const kMmsFileName = "setup.dat";
const char* const kSmtpFileName = "smtp.dat";

std::string Two(unsigned v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02u", v % 1000);
    return buf;
}

std::string Hex4(unsigned v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "0x%04X", v & 0xFFFFu);
    return buf;
}

// Index into a fixed list of English words, or "?N" for a value outside it.
template <size_t N>
std::string Pick(const std::array<const char*, N>& words, unsigned index) {
    return index < N ? std::string(words[index]) : "?" + std::to_string(index);
}

std::string LanguageName(unsigned value) {
    return IsLanguage(value) ? std::string(LanguageAt(static_cast<int32_t>(value)).name)
                             : "?" + std::to_string(value);
}

// Length of the well-formed UTF-8 sequence of two to four bytes at text[i], or 0 when there is none.
size_t Utf8SequenceLength(const std::string& text, size_t i) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    size_t length = 0;
    unsigned minimum = 0;
    unsigned code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, minimum = 0x80, code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, minimum = 0x800, code = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, minimum = 0x10000, code = lead & 0x07u;
    } else {
        return 0;
    }
    if (i + length > text.size()) {
        return 0;
    }
    for (size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0u) != 0x80u) {
            return 0;
        }
        code = (code << 6) | (byte(i + k) & 0x3Fu);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return (code >= minimum && code <= 0x10FFFF && !surrogate) ? length : 0;
}

// Texts are shown in double quotes. The tool stores texts as the UTF-8 bytes the user typed, so well-formed
// UTF-8 is shown as it is; any other byte outside printable ASCII (for example a code page 936 text written
// by another program) as \xNN.
std::string Quote(const std::string& text) {
    if (text.empty()) {
        return "(empty)";
    }
    std::string out = "\"";
    for (size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else if (const size_t length = Utf8SequenceLength(text, i); length > 0) {
            out.append(text, i, length);
            i += length;
            continue;
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            out += buf;
        }
        ++i;
    }
    return out + "\"";
}

std::string Secret(const std::string& text, bool show) {
    if (show || text.empty()) {
        return Quote(text);
    }
    return "(hidden)";
}

std::string OnOff(unsigned index, bool onFirst) {
    if (index > 1) {
        return "?" + std::to_string(index);
    }
    return (index == 0) == onFirst ? "on" : "off";
}

// A setting whose words depend on the family: one text when the record fits one family or both read the
// same, otherwise both readings.
std::string ByFamily(bool fits8620, bool fits8520, const std::string& as8620, const std::string& as8520) {
    if (fits8620 && fits8520 && as8620 != as8520) {
        return as8620 + " (8620) / " + as8520 + " (8520)";
    }
    return fits8620 ? as8620 : as8520;
}

std::string FamilyLine(bool fits8620, bool fits8520) {
    if (fits8620 && fits8520) {
        return "8620 or 8520 (cannot tell)";
    }
    return fits8620 ? "8620" : "8520";
}

std::string PicturesPerDay(unsigned tens, unsigned units) {
    unsigned value = tens * 10 + units;
    return value == 0 ? "unlimited" : std::to_string(value);
}

std::string RemoteControl(unsigned index) {
    if (index == 25) {
        return "off";
    }
    return index < 25 ? std::to_string(index) + " h" : "?" + std::to_string(index);
}

std::string Timer(const TimerValues& t) {
    return OnOff(t.enabled, false) + ", " + Two(t.startHour) + ":" + Two(t.startMinute) + " to " +
           Two(t.stopHour) + ":" + Two(t.stopMinute);
}

std::string SerialChars(const std::array<uint8_t, 4>& chars) {
    std::string s;
    for (uint8_t c : chars) {
        s += c < 10 ? static_cast<char>('0' + c) : c < 36 ? static_cast<char>('A' + c - 10) : '?';
    }
    return s;
}

std::string FaultLine(std::vector<Fault> faults) {
    std::string line;
    for (size_t i = 0; i < faults.size() && i < kFaultsShown; ++i) {
        line += (i ? "; " : "") + faults[i].what;
    }
    if (faults.size() > kFaultsShown) {
        line += "; and " + std::to_string(faults.size() - kFaultsShown) + " more";
    }
    return line;
}

// "Deutschland / operator: Vodafone", or indexes when the names are not known. Adds a fault when the
// names are known and an index lies outside them.
std::string CountryAndOperator(const ReportOptions& options, PresetSet set, unsigned country, unsigned op,
                               bool manual, std::vector<Fault>& faults) {
    std::string mode = manual ? " (Manual)" : " (Auto)";
    if (manual) {
        return "Other / operator: Other" + mode;
    }
    std::string countryText = "#" + std::to_string(country);
    std::string operatorText = "#" + std::to_string(op);
    if (options.names) {
        std::vector<std::string> countries = options.names->Countries(set);
        if (!countries.empty()) {
            if (country < countries.size()) {
                countryText = countries[country];
                std::vector<std::string> operators = options.names->Operators(set, static_cast<int>(country));
                if (op < operators.size()) {
                    operatorText = operators[op];
                } else if (!operators.empty()) {
                    faults.push_back({FaultKind::kValue,
                                      "operator " + std::to_string(op) + " is not in use for " + countryText +
                                          " (" + std::to_string(operators.size()) + " operators)"});
                }
            } else {
                faults.push_back({FaultKind::kValue, "country " + std::to_string(country) +
                                                         " is not in the table (" +
                                                         std::to_string(countries.size()) + " countries)"});
            }
        }
    }
    return countryText + " / operator: " + operatorText + mode;
}

struct Lines {
    std::vector<std::string> lines;
    void Add(const std::string& name, const std::string& value) {
        lines.push_back("  " + name + ": " + value);
    }
};

bool Emit(std::ostream& out, std::string_view label, const char* kind, std::vector<Fault> faults,
          const std::string& soundDetail, const Lines& lines) {
    out << label << ": " << kind;
    if (!faults.empty()) {
        out << ", damaged: " << FaultLine(std::move(faults)) << "\n";
        return false;
    }
    out << ", sound (" << soundDetail << ")\n";
    for (const std::string& line : lines.lines) {
        out << line << "\n";
    }
    return true;
}

bool ReportMenu(std::string_view label, std::span<const uint8_t> bytes, std::ostream& out) {
    MenuFile m = DecodeMenuFile(bytes);
    Lines l;
    if (m.factory) {
        l.Add("settings", "factory defaults (either family)");
    } else if (m.faults.empty()) {
        const MenuValues& a = m.as8620;
        const MenuValues& b = m.as8520;
        bool f86 = m.fits8620;
        bool f85 = m.fits8520;
        const std::array<const char*, 3> image8620 = {"12MP", "5MP", "2MP"};
        const std::array<const char*, 3> image8520 = {"5MP", "12MP", "1.3MP"};
        const std::array<const char*, 3> video8620 = {"1440x1080", "1280x720", "640x480"};
        const std::array<const char*, 2> video8520 = {"640x480", "320x240"};
        l.Add("family", FamilyLine(f86, f85));
        l.Add("camera mode",
              Pick(std::array<const char*, 3>{"Camera", "Video", "Camera+Video"}, a.cameraMode));
        l.Add("image size", ByFamily(f86, f85, Pick(image8620, a.imageSize), Pick(image8520, b.imageSize)));
        l.Add("video size", ByFamily(f86, f85, Pick(video8620, a.videoSize), Pick(video8520, b.videoSize)));
        l.Add("picture count",
              Pick(std::array<const char*, 3>{"01 Photo", "02 Photo", "03 Photo"}, a.pictureCount));
        l.Add("video length", std::to_string(a.videoLengthSeconds) + " s");
        l.Add("time stamp", OnOff(a.timeStamp, true));
        l.Add("interval", std::to_string(a.intervalValue) + (a.intervalInSeconds ? " s" : " min"));
        l.Add("sense level", Pick(std::array<const char*, 4>{"normal", "high", "low", "off"}, a.senseLevel));
        l.Add("side PIR", OnOff(a.sidePir, false));
        l.Add("timer 1", Timer(a.timer1));
        l.Add("timer 2", ByFamily(f86, f85, Timer(a.timer2), Timer(b.timer2)));
        l.Add("time lapse", OnOff(a.timeLapse, true) + ", " + Two(a.timeLapseHour) + ":" +
                                Two(a.timeLapseMinute) + ":" + Two(a.timeLapseSecond));
        l.Add("clock", std::to_string(a.clockYear) + "-" + Two(a.clockMonth) + "-" + Two(a.clockDay) + " " +
                           Two(a.clockHour) + ":" + Two(a.clockMinute) + ":" + Two(a.clockSecond));
        l.Add("serial number", OnOff(a.serialEnabled, false) + ", " + SerialChars(a.serialChars));
        l.Add("language", LanguageName(a.fileLanguage));
        l.Add("TV mode", std::to_string(a.tvMode));
        if (f86) {
            std::string only = f85 ? " (8620 only)" : "";
            l.Add("beep", OnOff(a.beep, false) + only);
            l.Add("SD cycle", OnOff(a.sdCycle, false) + only);
        }
    }
    return Emit(out, label, "camera menu file", m.faults,
                std::to_string(bytes.size()) + " bytes, CRC " + Hex4(m.storedCrc), l);
}

bool ReportMms(std::string_view label, std::span<const uint8_t> bytes, const ReportOptions& options,
               std::ostream& out) {
    MmsFile f = DecodeMmsFile(bytes);
    Lines l;
    std::string detail;
    if (f.faults.empty()) {
        const MmsHeader& h = f.header;
        bool international = f.checksumSaysInternational.value_or(false);
        detail = std::to_string(bytes.size()) + " bytes, checksum " + Hex4(f.checksum.stored) +
                 (international ? " = CRC + 18" : " = CRC");
        l.Add("phone type", international ? "International" : "Domestic");
        l.Add("family", FamilyLine(f.fits8620, f.fits8520));
        l.Add("country", CountryAndOperator(options, PresetSet::kMms, h.countryCode, h.operatorCode,
                                            h.autoFlag == 0, f.faults));
        l.Add("MMS status",
              ByFamily(f.fits8620, f.fits8520,
                       Pick(std::array<const char*, 3>{"Off", "VGA", "SMS"}, h.sendMode),
                       Pick(std::array<const char*, 4>{"Off", "VGA", "QVGA", "SMS"}, h.sendMode)));
        l.Add("APN type", Pick(std::array<const char*, 2>{"APN", "CSD"}, h.apnType));
        l.Add("pictures per day", PicturesPerDay(h.picturesTens, h.picturesUnits));
        l.Add("language", LanguageName(h.fileLanguage));
        l.Add("TV mode", std::to_string(h.tvMode));
        l.Add("SMS remote control", RemoteControl(h.remoteControlHours));
        l.Add("URL", Quote(f.texts[kUrl].text));
        l.Add("APN", Quote(f.texts[kApn].text));
        l.Add("gateway", Quote(f.texts[kGateway].text));
        l.Add("port", Quote(f.texts[kPort].text));
        l.Add("phone", Quote(f.texts[kPhone].text));
        l.Add("email", Quote(f.texts[kEmail].text));
        l.Add("account", Quote(f.texts[kAccount].text));
        l.Add("password", Secret(f.texts[kPassword].text, options.showSecrets));
        l.Add("phone 2", Quote(f.texts[kPhone2].text));
        l.Add("phone 3", Quote(f.texts[kPhone3].text));
    }
    return Emit(out, label, "MMS settings file", f.faults, detail, l);
}

bool ReportSmtp(std::string_view label, std::span<const uint8_t> bytes, const ReportOptions& options,
                std::ostream& out) {
    SmtpFile f = DecodeSmtpFile(bytes);
    Lines l;
    std::string detail;
    if (f.faults.empty()) {
        const SmtpHeader& h = f.header;
        detail = std::to_string(bytes.size()) + " bytes, checksum " + Hex4(f.checksum.stored) + " = CRC + 15";
        l.Add("family", FamilyLine(f.fits8620, f.fits8520));
        l.Add("country", CountryAndOperator(options, PresetSet::kGprs, h.countryIndex, h.operatorIndex,
                                            h.autoFlag == 0, f.faults));
        l.Add("pictures per day", PicturesPerDay(h.picturesTens, h.picturesUnits));
        l.Add("language", LanguageName(h.fileLanguage));
        if (f.fits8620) {
            l.Add("SMTP status", Pick(std::array<const char*, 3>{"Off", "VGA", "SMS"}, f.smtpStatus8620) +
                                     (f.fits8520 ? " (8620 only)" : ""));
        }
        l.Add("SMS remote control", ByFamily(f.fits8620, f.fits8520, RemoteControl(f.remoteControl8620),
                                             RemoteControl(f.remoteControl8520)));
        l.Add("GPRS APN", Quote(f.texts[kGprsApn].text));
        l.Add("GPRS account", Quote(f.texts[kGprsAccount].text));
        l.Add("GPRS password", Secret(f.texts[kGprsPassword].text, options.showSecrets));
        l.Add("SMTP server", Quote(f.texts[kSmtpServer].text));
        l.Add("SMTP port", Quote(f.texts[kSmtpPort].text));
        l.Add("sender email", Quote(f.texts[kSenderEmail].text));
        l.Add("sender password", Secret(f.texts[kSenderPassword].text, options.showSecrets));
        l.Add("SMS phone", Quote(f.texts[kSmsPhone].text));
        l.Add("sender user name", Quote(f.texts[kSenderUserName].text));
        l.Add("recipient email", Quote(f.texts[kRecipientEmail].text));
    }
    return Emit(out, label, "e-mail settings file", f.faults, detail, l);
}

std::string Lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return out;
}

const char* KindWords(FileKind kind) {
    switch (kind) {
        case FileKind::kMenu:
            return "camera menu file";
        case FileKind::kMms:
            return "MMS settings file";
        case FileKind::kSmtp:
            return "e-mail settings file";
    }
    return "file";
}

size_t ExpectedSize(FileKind kind) {
    return kind == FileKind::kMenu ? kMenuFileSize : kMessageFileSize;
}

// One file on disk; returns true when sound. The file is opened before anything is decided about it, so
// nothing put in its place meanwhile (a fifo, a link) can block or redirect the read.
bool InspectPath(const fs::path& path, const ReportOptions& options, std::ostream& out) {
    const std::string label = path.string();
    std::optional<FileKind> kind = KindFromName(path.filename().string());
    platform::RegularFile file = platform::ReadRegularFile(label, kMaxRead);
    switch (file.outcome) {
        case platform::RegularFile::Outcome::kRead:
            break;
        case platform::RegularFile::Outcome::kMissing:
            out << label << ": cannot read: no such file or folder\n";
            return false;
        case platform::RegularFile::Outcome::kNotRegular:
            out << label << ": cannot read: not a regular file\n";
            return false;
        case platform::RegularFile::Outcome::kTooLong:
            if (kind) {
                out << label << ": " << KindWords(*kind) << ", damaged: wrong size: " << file.size
                    << " bytes, expected " << ExpectedSize(*kind) << "\n";
            } else {
                out << label << ": unknown file: " << file.size << " bytes, not a camera setup file\n";
            }
            return false;
        case platform::RegularFile::Outcome::kFailed:
            out << label << ": cannot read: " << file.reason << "\n";
            return false;
    }
    const std::vector<uint8_t>& bytes = file.bytes;
    if (!kind) {
        kind = KindFromContent(bytes);
    }
    if (!kind) {
        out << label << ": unknown file: " << bytes.size() << " bytes, not a camera setup file\n";
        return false;
    }
    return ReportFile(label, *kind, bytes, options, out);
}

// A folder: its menu.dat, setup.dat and smtp.dat (any case), whichever exist.
bool InspectFolder(const fs::path& folder, const ReportOptions& options, std::ostream& out) {
    std::array<std::optional<fs::path>, 3> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::optional<FileKind> kind = KindFromName(it->path().filename().string());
        if (kind && !found[static_cast<size_t>(*kind)]) {
            found[static_cast<size_t>(*kind)] = it->path();
        }
    }
    if (ec) {
        out << folder.string() << ": cannot read the folder: " << ec.message() << "\n";
        return false;
    }
    bool sound = true;
    bool any = false;
    for (const auto& path : found) {
        if (path) {
            any = true;
            sound = InspectPath(*path, options, out) && sound;
        }
    }
    if (!any) {
        out << folder.string() << ": no menu.dat, setup.dat or smtp.dat in this folder\n";
        return false;
    }
    return sound;
}

}  // namespace

std::optional<FileKind> KindFromName(std::string_view fileName) {
    std::string name = Lower(fileName);
    if (name == kMenuFileName) {
        return FileKind::kMenu;
    }
    if (name == kMmsFileName) {
        return FileKind::kMms;
    }
    if (name == kSmtpFileName) {
        return FileKind::kSmtp;
    }
    return std::nullopt;
}

bool ReportFile(std::string_view label, FileKind kind, std::span<const uint8_t> bytes,
                const ReportOptions& options, std::ostream& out) {
    switch (kind) {
        case FileKind::kMenu:
            return ReportMenu(label, bytes, out);
        case FileKind::kMms:
            return ReportMms(label, bytes, options, out);
        case FileKind::kSmtp:
            return ReportSmtp(label, bytes, options, out);
    }
    return false;
}

std::string UsageText() {
    return R"USAGE(NAME
    corvane-inspect - read back and check the setup files on a camera card

SYNOPSIS
    corvane-inspect [--show-secrets] PATH...
    corvane-inspect --export FOLDER [--show-secrets] [--model NAME]
    corvane-inspect --help
    corvane-inspect --version

DESCRIPTION
    Reads the files a trail camera takes its settings from and says whether
    the camera will accept them:

        menu.dat    camera menu (one 60-byte record with its CRC-16)
        setup.dat   MMS sending settings (720 bytes, scrambled, checksum record)
        smtp.dat    e-mail sending settings (720 bytes, scrambled, checksum record)

    Each PATH is a file or a folder; a folder stands for the menu.dat,
    setup.dat and smtp.dat in it, whichever exist. A file with another name
    is recognised by its size and checksum.

    For a sound file the first line names its kind and checksum, and every
    setting follows in words, one per line. Where the record fits both model
    families and a setting reads differently in each, both readings are
    shown. For setup.dat both checksum offsets are tried; the one that fits
    gives the phone type (Domestic or International).

    A damaged file gets one line naming what is wrong (wrong size, bad
    framing at record N, a length byte that disagrees with its text,
    checksum stored X computed Y, a setting out of range) and the next file
    follows.

OPTIONS
    --show-secrets
        Show passwords; they are masked as "(hidden)" otherwise.

    --export FOLDER
        Print the settings of the files in FOLDER (a camera card) as a
        settings file, which corvane-write writes onto other cards.
        Passwords go in only with --show-secrets. The model is the family
        the files fit (with e-mail when there is an smtp.dat); --model NAME
        (for example "Vyn 8620MG") names it when the files fit both.

    -h, --help
        Show this text and exit.

    --version
        Show the program's version and exit.

    --
        Take every later argument as a PATH.

EXIT STATUS
    0   every file is sound (with --export: the settings are printed)
    1   a file is damaged, unknown or unreadable
    2   usage error
)USAGE";
}

int RunInspect(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const PresetNames* names, std::string_view version) {
    ReportOptions options;
    options.names = names;
    std::vector<std::string> paths;
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            out << UsageText();
            return 0;
        }
        if (!optionsEnded && arg == "--version") {
            out << "corvane-inspect " << version << "\n";
            return 0;
        }
        if (!optionsEnded && arg == "--show-secrets") {
            options.showSecrets = true;
        } else if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            err << "corvane-inspect: unknown option '" << arg << "'\n"
                << "Usage: corvane-inspect [--show-secrets] PATH...  (see --help)\n";
            return 2;
        } else if (arg.empty()) {
            err << "corvane-inspect: empty PATH\n";
            return 2;
        } else {
            paths.push_back(arg);
        }
    }
    if (paths.empty()) {
        err << "corvane-inspect: no PATH given\n"
            << "Usage: corvane-inspect [--show-secrets] PATH...  (see --help)\n";
        return 2;
    }
    bool sound = true;
    for (const std::string& p : paths) {
        const fs::path path = platform::PathFromUtf8(p);
        std::error_code ec;
        bool ok =
            fs::is_directory(path, ec) ? InspectFolder(path, options, out) : InspectPath(path, options, out);
        sound = ok && sound;
    }
    return sound ? 0 : 1;
}

}  // namespace corvane::inspect
