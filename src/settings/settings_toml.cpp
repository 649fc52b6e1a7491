#include "settings/settings_toml.h"

#include <toml++/toml.h>
#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <vector>

#include "core/presets/presets.h"
#include "platform/utf8_path.h"

namespace corvane::settings {
namespace {

// A refusal found while reading; caught once at the top.
struct Refused {
    int line;
    std::string what;
};

using Words = std::vector<std::string_view>;

const Words kLanguages = {"Chinese", "English",   "German",    "Finnish", "Italian",
                          "French",  "Hungarian", "Slovenian", "Czech",   "Japanese"};
const Words kCameraModes = {"Camera", "Video", "Camera+Video"};
const Words kPictureCounts = {"01 Photo", "02 Photo", "03 Photo"};
const Words kSenseLevels = {"normal", "high", "low", "off"};
const Words kApnTypes = {"APN", "CSD"};
const Words kPhoneTypes = {"Domestic", "International"};
const Words kModes = {"Auto", "Manual"};

Words ImageSizes(ModelFamily family) {
    return family == ModelFamily::k8620 ? Words{"12MP", "5MP", "2MP"} : Words{"5MP", "12MP", "1.3MP"};
}
Words VideoSizes(ModelFamily family) {
    return family == ModelFamily::k8620 ? Words{"1440x1080", "1280x720", "640x480"}
                                        : Words{"640x480", "320x240"};
}
Words SendModes(ModelFamily family) {
    return family == ModelFamily::k8620 ? Words{"Off", "VGA", "SMS"} : Words{"Off", "VGA", "QVGA", "SMS"};
}
const Words kSmtpStatus = {"Off", "VGA", "SMS"};

std::string Two(int v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", v % 100);
    return buf;
}

std::string OnOff(bool on) {
    return on ? "on" : "off";
}

std::string Timer(const decoder::TimerSetting& t) {
    return OnOff(t.enabled == 1) + ", " + Two(t.startHour) + ":" + Two(t.startMinute) + " to " +
           Two(t.stopHour) + ":" + Two(t.stopMinute);
}

std::string RemoteControl(int hours) {
    return hours >= kRemoteControlOff ? "off" : std::to_string(hours) + " h";
}

std::string ListOf(const Words& words) {
    std::string list;
    for (size_t i = 0; i < words.size(); ++i) {
        list += (i ? ", \"" : "\"") + std::string(words[i]) + "\"";
    }
    return list;
}

std::vector<std::string_view> Countries(PresetSet set) {
    const auto names = CountryNames(set, kEnglish);
    return {names.begin(), names.end()};
}

// ---------------------------------------------------------------- reading

// One table of the file: hands out its keys with their checks and remembers which were taken, so that
// whatever is left is an unknown key.
class Section {
  public:
    Section(const toml::table& table, std::string name, int line)
        : table_(table), name_(std::move(name)), line_(line) {}

    bool Has(std::string_view key) const { return table_.contains(key); }

    // The line of `key`, or of the section when it has none.
    int LineOf(std::string_view key) const {
        const toml::node* node = table_.get(key);
        return node ? static_cast<int>(node->source().begin.line) : line_;
    }

    [[noreturn]] void Refuse(std::string_view key, const std::string& what) const {
        throw Refused{LineOf(key), Name(key) + ": " + what};
    }

    std::string Name(std::string_view key) const {
        return name_.empty() ? std::string(key) : name_ + "." + std::string(key);
    }

    const toml::node& Node(std::string_view key) {
        const toml::node* node = table_.get(key);
        if (!node) {
            throw Refused{line_, (name_.empty() ? std::string("the file") : "[" + name_ + "]") + " lacks " +
                                     std::string(key)};
        }
        taken_.insert(std::string(key));
        return *node;
    }

    std::string Text(std::string_view key) {
        const toml::node& node = Node(key);
        if (!node.is_string()) {
            Refuse(key, "wrong type: expected a text in quotes, found " + TypeName(node));
        }
        return node.as_string()->get();
    }

    int64_t Integer(std::string_view key, int64_t min, int64_t max) {
        const toml::node& node = Node(key);
        if (!node.is_integer()) {
            Refuse(key, "wrong type: expected a whole number, found " + TypeName(node));
        }
        const int64_t value = node.as_integer()->get();
        if (value < min || value > max) {
            Refuse(key, std::to_string(value) + " is out of range (" + std::to_string(min) + " to " +
                            std::to_string(max) + ")");
        }
        return value;
    }

    int Choice(std::string_view key, const Words& words) {
        const std::string text = Text(key);
        for (size_t i = 0; i < words.size(); ++i) {
            if (words[i] == text) {
                return static_cast<int>(i);
            }
        }
        Refuse(key, "\"" + text + "\" is not one of " + ListOf(words));
    }

    bool Switch(std::string_view key) { return Choice(key, {"off", "on"}) == 1; }

    // "N <unit>" with N in min..max.
    int Amount(std::string_view key, std::string_view unit, int min, int max) {
        const std::string text = Text(key);
        const std::string suffix = " " + std::string(unit);
        int value = -1;
        if (!ParseNumber(text, suffix, value)) {
            Refuse(key, "\"" + text + "\" is not a number of " + std::string(unit) + " such as \"" +
                            std::to_string(max) + suffix + "\"");
        }
        if (value < min || value > max) {
            Refuse(key, text + " is out of range (" + std::to_string(min) + " to " + std::to_string(max) +
                            suffix + ")");
        }
        return value;
    }

    // A password the section writes; an absent one is empty and noted as left out.
    std::string Password(std::string_view key, std::vector<LeftOutPassword>& leftOut) {
        if (!Has(key)) {
            leftOut.push_back({name_, std::string(key), line_});
            return std::string();
        }
        return Text(key);
    }

    // Refuses a key that the model or the mode does not have.
    void Absent(std::string_view key, const std::string& why) const {
        if (Has(key)) {
            Refuse(key, why);
        }
    }

    // Refuses the first key not taken.
    void NoOthers() const {
        for (auto&& [key, node] : table_) {
            if (!taken_.contains(std::string(key.str()))) {
                throw Refused{static_cast<int>(key.source().begin.line),
                              "unknown key " + std::string(key.str()) +
                                  (name_.empty() ? std::string() : " in [" + name_ + "]")};
            }
        }
    }

    static std::string TypeName(const toml::node& node) {
        std::ostringstream out;
        out << node.type();
        return out.str();
    }

    static bool ParseNumber(const std::string& text, const std::string& suffix, int& value) {
        if (text.size() <= suffix.size() ||
            text.compare(text.size() - suffix.size(), suffix.size(), suffix) != 0) {
            return false;
        }
        const std::string digits = text.substr(0, text.size() - suffix.size());
        if (digits.empty() || digits.size() > 4) {
            return false;
        }
        value = 0;
        for (char c : digits) {
            if (c < '0' || c > '9') {
                return false;
            }
            value = value * 10 + (c - '0');
        }
        return true;
    }

  private:
    const toml::table& table_;
    std::string name_;
    int line_;
    std::set<std::string> taken_;
};

// "HH:MM" (or "HH:MM:SS" with `seconds`) into its numbers, each within its range; nothing otherwise.
std::optional<std::array<int, 3>> ParseClock(std::string_view text, bool seconds) {
    const size_t length = seconds ? 8 : 5;
    if (text.size() != length) {
        return std::nullopt;
    }
    std::array<int, 3> parts{};
    for (size_t part = 0; part < (seconds ? 3u : 2u); ++part) {
        const size_t at = part * 3;
        if (part > 0 && text[at - 1] != ':') {
            return std::nullopt;
        }
        const char a = text[at];
        const char b = text[at + 1];
        if (a < '0' || a > '9' || b < '0' || b > '9') {
            return std::nullopt;
        }
        parts[part] = (a - '0') * 10 + (b - '0');
        if (parts[part] > (part == 0 ? 23 : 59)) {
            return std::nullopt;
        }
    }
    return parts;
}

// "on, HH:MM to HH:MM"
decoder::TimerSetting ReadTimer(Section& s, std::string_view key) {
    const std::string text = s.Text(key);
    const auto refuse = [&] {
        s.Refuse(key, "\"" + text +
                          "\" is not a timer such as \"on, 06:00 to 18:30\" (hours 00-23, minutes 00-59)");
    };
    decoder::TimerSetting t;
    std::string rest;
    if (text.starts_with("on, ")) {
        t.enabled = 1;
        rest = text.substr(4);
    } else if (text.starts_with("off, ")) {
        rest = text.substr(5);
    } else {
        refuse();
    }
    if (rest.size() != 14 || rest.substr(5, 4) != " to ") {
        refuse();
    }
    const auto start = ParseClock(rest.substr(0, 5), false);
    const auto stop = ParseClock(rest.substr(9), false);
    if (!start || !stop) {
        refuse();
    }
    t.startHour = (*start)[0];
    t.startMinute = (*start)[1];
    t.stopHour = (*stop)[0];
    t.stopMinute = (*stop)[1];
    return t;
}

// A section's own language and TV mode, where its file keeps another than the top of the file.
SectionOwn ReadOwn(Section& s, bool hasTvMode) {
    SectionOwn own;
    if (s.Has("language")) {
        own.language = s.Choice("language", kLanguages) + 1;
    }
    if (hasTvMode && s.Has("tv_mode")) {
        own.tvMode = static_cast<uint32_t>(s.Integer("tv_mode", 0, 65535));
    }
    return own;
}

decoder::MenuSettings ReadCamera(Section& s, ModelFamily family, std::string_view modelName) {
    decoder::MenuSettings m;
    m.cameraMode = s.Choice("camera_mode", kCameraModes);
    m.imageSize = s.Choice("image_size", ImageSizes(family));
    m.videoSize = s.Choice("video_size", VideoSizes(family));
    m.pictureCount = s.Choice("picture_count", kPictureCounts);
    m.videoLength = s.Amount("video_length", "s", 1, 60);
    m.timeStamp = s.Switch("time_stamp") ? 0 : 1;
    {
        const std::string text = s.Text("interval");
        int value = 0;
        if (Section::ParseNumber(text, " s", value)) {
            m.intervalUnit = static_cast<int>(kIntervalUnitSeconds);
        } else if (Section::ParseNumber(text, " min", value)) {
            m.intervalUnit = static_cast<int>(kIntervalUnitMinutes);
        } else {
            s.Refuse("interval", "\"" + text + "\" is not an interval such as \"30 s\" or \"5 min\"");
        }
        // 0 min is what the camera dialog writes after its factory button switched 0 s to minutes.
        if (value > 60) {
            s.Refuse("interval", text + " is out of range (0 to 60)");
        }
        m.interval = value;
    }
    m.senseLevel = s.Choice("sense_level", kSenseLevels);
    m.sidePir = s.Switch("side_pir") ? 1 : 0;
    m.timer1 = ReadTimer(s, "timer_1");
    m.timer2 = ReadTimer(s, "timer_2");
    {
        const std::string text = s.Text("time_lapse");
        const bool on = text.starts_with("on, ");
        const std::string rest = on                          ? text.substr(4)
                                 : text.starts_with("off, ") ? text.substr(5)
                                                             : std::string();
        const auto clock = ParseClock(rest, true);
        if (!clock) {
            s.Refuse("time_lapse", "\"" + text + "\" is not a time lapse such as \"on, 00:30:00\"");
        }
        m.timeLapse = on ? 0 : 1;
        m.timeLapseHour = (*clock)[0];
        m.timeLapseMinute = (*clock)[1];
        m.timeLapseSecond = (*clock)[2];
    }
    {
        const std::string text = s.Text("serial_number");
        const bool on = text.starts_with("on, ");
        const std::string rest = on                          ? text.substr(4)
                                 : text.starts_with("off, ") ? text.substr(5)
                                                             : std::string();
        if (!IsSerialText(rest)) {
            s.Refuse("serial_number",
                     "\"" + text +
                         "\" is not a serial number such as \"on, A001\" (four digits or capital letters)");
        }
        SetSerial(m, rest);
        m.serialEnabled = on ? 1 : 0;
    }
    if (family == ModelFamily::k8620) {
        m.beep = s.Switch("beep") ? 1 : 0;
        m.sdCycle = s.Switch("sd_cycle") ? 1 : 0;
    } else {
        const std::string lacks = "the " + std::string(modelName) + " has no such setting";
        s.Absent("beep", lacks);
        s.Absent("sd_cycle", lacks);
        m.beep = 0;
        m.sdCycle = 0;
    }
    return m;
}

int RemoteControlHours(Section& s) {
    const std::string text = s.Text("sms_remote_control");
    if (text == "off") {
        return kRemoteControlOff;
    }
    int hours = -1;
    if (!Section::ParseNumber(text, " h", hours) || hours > 24) {
        s.Refuse("sms_remote_control",
                 "\"" + text + "\" is not \"off\" or a number of hours from \"0 h\" to \"24 h\"");
    }
    return hours;
}

// Auto mode: the country and operator by their English names; Manual mode has neither.
void ReadPreset(Section& s, PresetSet set, bool manual, int& country, int& operatorIndex) {
    country = 0;
    operatorIndex = 0;
    if (manual) {
        s.Absent("country", "Manual mode has no country");
        s.Absent("operator", "Manual mode has no operator");
        return;
    }
    const std::vector<std::string_view> countries = Countries(set);
    const std::string name = s.Text("country");
    const auto found = std::find(countries.begin(), countries.end(), name);
    if (found == countries.end()) {
        s.Refuse("country",
                 "\"" + name + "\" is not a country of the list (corvane-inspect --export names them)");
    }
    country = static_cast<int>(found - countries.begin());
    const std::vector<std::string_view> operators = OperatorNames(set, country, kEnglish);
    const std::string op = s.Text("operator");
    const auto match = std::find(operators.begin(), operators.end(), op);
    if (match == operators.end()) {
        s.Refuse("operator", "\"" + op + "\" is not an operator of " + name + ": " +
                                 ListOf(Words(operators.begin(), operators.end())));
    }
    operatorIndex = static_cast<int>(match - operators.begin());
}

decoder::MmsSettings ReadMms(Section& s, ModelFamily family, std::vector<LeftOutPassword>& leftOut) {
    decoder::MmsSettings m;
    m.manual = s.Choice("mode", kModes) == 1;
    ReadPreset(s, PresetSet::kMms, m.manual, m.country, m.operatorIndex);
    m.sendMode = s.Choice("mms_status", SendModes(family));
    m.apnType = s.Choice("apn_type", kApnTypes);
    m.picturesPerDay = static_cast<int>(s.Integer("pictures_per_day", 0, 99));
    m.phoneIsInternational = s.Choice("phone_type", kPhoneTypes) == 1;
    m.remoteControlHours = RemoteControlHours(s);
    if (m.manual) {
        m.url = s.Text("url");
        m.apn = s.Text("apn");
        m.gateway = s.Text("gateway");
        m.port = s.Text("port");
        m.account = s.Text("account");
        m.password = s.Password("password", leftOut);
    } else {
        for (const char* key : {"url", "apn", "gateway", "port", "account", "password"}) {
            s.Absent(key, "in Auto mode the operator's preset gives it");
        }
    }
    m.phone = s.Text("phone");
    m.email = s.Text("email");
    m.phone2 = s.Text("phone_2");
    m.phone3 = s.Text("phone_3");
    return m;
}

decoder::SmtpSettings ReadEmail(Section& s, ModelFamily family, std::string_view modelName,
                                std::vector<LeftOutPassword>& leftOut) {
    decoder::SmtpSettings e;
    e.manual = s.Choice("mode", kModes) == 1;
    ReadPreset(s, PresetSet::kGprs, e.manual, e.country, e.operatorIndex);
    e.picturesPerDay = static_cast<int>(s.Integer("pictures_per_day", 0, 99));
    if (family == ModelFamily::k8620) {
        e.smtpStatus = s.Choice("smtp_status", kSmtpStatus);
    } else {
        s.Absent("smtp_status", "the " + std::string(modelName) + " has no such setting");
        e.smtpStatus = 1;
    }
    e.remoteControlHours = RemoteControlHours(s);
    if (e.manual) {
        e.gprsApn = s.Text("gprs_apn");
        e.gprsAccount = s.Text("gprs_account");
        e.gprsPassword = s.Password("gprs_password", leftOut);
    } else {
        for (const char* key : {"gprs_apn", "gprs_account", "gprs_password"}) {
            s.Absent(key, "in Auto mode the operator's preset gives it");
        }
    }
    e.smtpServer = s.Text("smtp_server");
    e.smtpPort = s.Text("smtp_port");
    e.senderEmail = s.Text("sender_email");
    e.senderPassword = s.Password("sender_password", leftOut);
    e.smsPhone = s.Text("sms_phone");
    e.recipientEmail = s.Text("recipient_email");
    return e;
}

const toml::table& SectionTable(Section& top, const toml::table& root, std::string_view key) {
    const toml::node& node = top.Node(key);
    if (!node.is_table()) {
        top.Refuse(key, "wrong type: expected a section [" + std::string(key) + "], found " +
                            Section::TypeName(node));
    }
    (void)root;
    return *node.as_table();
}

// ---------------------------------------------------------------- writing

bool IsUtf8(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        size_t length = c < 0x80                   ? 1
                        : (c >= 0xC2 && c <= 0xDF) ? 2
                        : (c >= 0xE0 && c <= 0xEF) ? 3
                        : (c >= 0xF0 && c <= 0xF4) ? 4
                                                   : 0;
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        for (size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0u) != 0x80u) {
                return false;
            }
        }
        i += length;
    }
    // toml++ refuses what is left (overlong forms, surrogates) when the file is read back.
    return true;
}

// A TOML basic string: quotes, backslashes and control characters escaped, the rest (UTF-8) as it is.
std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04X", byte);
            out += buf;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

class Writer {
  public:
    void Comment(std::string_view text) { out_ << "# " << text << "\n"; }
    void Blank() { out_ << "\n"; }
    void Section(std::string_view name) { out_ << "[" << name << "]\n"; }
    void Integer(std::string_view key, int64_t value) { out_ << key << " = " << value << "\n"; }
    void Text(std::string_view key, const std::string& value, const std::string& where) {
        if (!IsUtf8(value)) {
            throw Refused{0, where + "." + std::string(key) +
                                 " holds bytes that are not UTF-8 text; a settings file cannot hold them"};
        }
        out_ << key << " = " << Quoted(value) << "\n";
    }
    // A left-out password stays left out: written as "" it would read as a password that is empty.
    void Secret(std::string_view key, const std::string& value, const std::string& where, bool show,
                bool leftOut) {
        if ((show || value.empty()) && !(leftOut && value.empty())) {
            Text(key, value, where);
        } else {
            out_ << "# " << key
                 << " = \"...\"  (left out; corvane-inspect --export --show-secrets writes it)\n";
        }
    }
    std::string Done() const { return out_.str(); }

  private:
    std::ostringstream out_;
};

bool LeftOut(const SettingsFile& file, std::string_view section, std::string_view key) {
    return std::any_of(file.leftOut.begin(), file.leftOut.end(),
                       [&](const LeftOutPassword& p) { return p.section == section && p.key == key; });
}

// smtp.dat carries no TV mode, so the e-mail section has none of its own (hasTvMode false), as ReadOwn reads.
void WriteOwn(Writer& w, const SectionOwn& own, const std::string& where, bool hasTvMode) {
    if (own.language) {
        w.Comment("this file keeps its own language");
        w.Text("language", std::string(kLanguages[static_cast<size_t>(*own.language - 1)]), where);
    }
    if (hasTvMode && own.tvMode) {
        w.Integer("tv_mode", *own.tvMode);
    }
}

std::string Pick(const Words& words, int index) {
    return index >= 0 && static_cast<size_t>(index) < words.size()
               ? std::string(words[static_cast<size_t>(index)])
               : std::to_string(index);
}

void WritePreset(Writer& w, PresetSet set, bool manual, int country, int operatorIndex,
                 const std::string& where) {
    if (manual) {
        return;
    }
    const std::vector<std::string_view> countries = Countries(set);
    const std::vector<std::string_view> operators = OperatorNames(set, country, kEnglish);
    if (country < 0 || static_cast<size_t>(country) >= countries.size() || operatorIndex < 0 ||
        static_cast<size_t>(operatorIndex) >= operators.size()) {
        throw Refused{0, where + ": country " + std::to_string(country) + ", operator " +
                             std::to_string(operatorIndex) + " is not in the preset lists"};
    }
    w.Text("country", std::string(countries[static_cast<size_t>(country)]), where);
    w.Text("operator", std::string(operators[static_cast<size_t>(operatorIndex)]), where);
}

}  // namespace

std::optional<ModelId> ModelNamed(std::string_view name) {
    for (const Model& model : kModels) {
        if (model.listName == name) {
            return model.id;
        }
    }
    return std::nullopt;
}

std::string LeftOutText(const LeftOutPassword& password) {
    return "[" + password.section + "] holds no " + password.key +
           " (it was left out when the file was saved or exported): add the line " + password.key +
           " = \"...\" to [" + password.section +
           "], or export the card with corvane-inspect --export --show-secrets";
}

std::variant<SettingsFile, SettingsError> ParseSettings(std::string_view text) {
    toml::table root;
    try {
        root = toml::parse(text, std::string_view("settings"));
    } catch (const toml::parse_error& error) {
        return SettingsError{static_cast<int>(error.source().begin.line),
                             "not a TOML file: " + std::string(error.description())};
    }
    try {
        Section top(root, "", 1);
        SettingsFile file;
        {
            const int64_t format = top.Integer("format", 1, 1000000);
            if (format != kFormatVersion) {
                top.Refuse("format", "format " + std::to_string(format) +
                                         " is not known (this program reads format " +
                                         std::to_string(kFormatVersion) + ")");
            }
        }
        const std::string modelName = top.Text("model");
        const std::optional<ModelId> model = ModelNamed(modelName);
        if (!model) {
            Words names;
            for (const Model& m : kModels) {
                names.push_back(m.listName);
            }
            top.Refuse("model", "\"" + modelName + "\" is not one of " + ListOf(names));
        }
        file.model = *model;
        const ModelFamily family = FamilyOfModel(file.model);
        file.language = top.Choice("language", kLanguages) + 1;
        file.tvMode = static_cast<uint32_t>(top.Integer("tv_mode", 0, 65535));
        if (top.Has("camera")) {
            const toml::table& table = SectionTable(top, root, "camera");
            Section s(table, "camera", top.LineOf("camera"));
            file.camera = ReadCamera(s, family, modelName);
            file.cameraOwn = ReadOwn(s, true);
            s.NoOthers();
        }
        if (top.Has("mms")) {
            const toml::table& table = SectionTable(top, root, "mms");
            Section s(table, "mms", top.LineOf("mms"));
            file.mms = ReadMms(s, family, file.leftOut);
            file.mmsOwn = ReadOwn(s, true);
            s.NoOthers();
        }
        if (top.Has("email")) {
            if (!ModelHasEmail(file.model)) {
                top.Refuse("email", "the " + modelName + " does not send e-mail");
            }
            const toml::table& table = SectionTable(top, root, "email");
            Section s(table, "email", top.LineOf("email"));
            file.email = ReadEmail(s, family, modelName, file.leftOut);
            file.emailOwn = ReadOwn(s, false);
            s.NoOthers();
        }
        top.NoOthers();
        if (const std::optional<SectionFault> fault = CheckSettings(file)) {
            // The dialog's check fails on a left-out sender password: say what is really missing.
            for (const LeftOutPassword& missing : file.leftOut) {
                if (missing.section == fault->section) {
                    return SettingsError{missing.line, LeftOutText(missing)};
                }
            }
            return SettingsError{top.LineOf(fault->section), "[" + fault->section + "]: " + fault->what};
        }
        return file;
    } catch (const Refused& refused) {
        return SettingsError{refused.line, refused.what};
    }
}

std::variant<SettingsFile, SettingsError> LoadSettingsFile(const std::string& utf8Path) {
    // Far more than any settings file; a longer one is not read.
    constexpr std::uintmax_t kMaxSettingsFile = 1024 * 1024;
    namespace fs = std::filesystem;
    const fs::path path = platform::PathFromUtf8(utf8Path);
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec || !fs::exists(status)) {
        return SettingsError{0, "no such file"};
    }
    // Never open fifos or devices: reading them could block.
    if (!fs::is_regular_file(status)) {
        return SettingsError{0, "not a regular file"};
    }
    if (fs::file_size(path, ec) > kMaxSettingsFile || ec) {
        return SettingsError{0, "too large for a settings file"};
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in.good() && !in.eof()) {
        return SettingsError{0, "cannot be read"};
    }
    return ParseSettings(text.str());
}

std::variant<std::string, SettingsError> SettingsText(const SettingsFile& file, bool withSecrets) {
    const Model* model = FindModel(file.model);
    if (!model) {
        return SettingsError{0, "model " + std::to_string(file.model) + " is not known"};
    }
    const ModelFamily family = model->family;
    try {
        Writer w;
        w.Comment("Corvane settings file: corvane-write writes it onto camera cards.");
        w.Integer("format", kFormatVersion);
        w.Text("model", std::string(model->listName), "");
        w.Text("language", Pick(kLanguages, file.language - 1), "");
        w.Integer("tv_mode", file.tvMode);
        if (file.camera) {
            const decoder::MenuSettings& m = *file.camera;
            const std::string where = "camera";
            w.Blank();
            w.Section(where);
            w.Text("camera_mode", Pick(kCameraModes, m.cameraMode), where);
            w.Text("image_size", Pick(ImageSizes(family), m.imageSize), where);
            w.Text("video_size", Pick(VideoSizes(family), m.videoSize), where);
            w.Text("picture_count", Pick(kPictureCounts, m.pictureCount), where);
            w.Text("video_length", std::to_string(m.videoLength) + " s", where);
            w.Text("time_stamp", OnOff(m.timeStamp == 0), where);
            w.Text("interval",
                   std::to_string(m.interval) +
                       (m.intervalUnit == static_cast<int>(kIntervalUnitSeconds) ? " s" : " min"),
                   where);
            w.Text("sense_level", Pick(kSenseLevels, m.senseLevel), where);
            w.Text("side_pir", OnOff(m.sidePir == 1), where);
            w.Text("timer_1", Timer(m.timer1), where);
            w.Text("timer_2", Timer(m.timer2), where);
            w.Text("time_lapse",
                   OnOff(m.timeLapse == 0) + ", " + Two(m.timeLapseHour) + ":" + Two(m.timeLapseMinute) +
                       ":" + Two(m.timeLapseSecond),
                   where);
            w.Text("serial_number", OnOff(m.serialEnabled == 1) + ", " + SerialText(m), where);
            if (family == ModelFamily::k8620) {
                w.Text("beep", OnOff(m.beep == 1), where);
                w.Text("sd_cycle", OnOff(m.sdCycle == 1), where);
            }
            WriteOwn(w, file.cameraOwn, where, true);
        }
        if (file.mms) {
            const decoder::MmsSettings& m = *file.mms;
            const std::string where = "mms";
            w.Blank();
            w.Section(where);
            w.Text("mode", m.manual ? "Manual" : "Auto", where);
            WritePreset(w, PresetSet::kMms, m.manual, m.country, m.operatorIndex, where);
            w.Text("mms_status", Pick(SendModes(family), m.sendMode), where);
            w.Text("apn_type", Pick(kApnTypes, m.apnType), where);
            w.Integer("pictures_per_day", m.picturesPerDay);
            w.Text("phone_type", m.phoneIsInternational ? "International" : "Domestic", where);
            w.Text("sms_remote_control", RemoteControl(m.remoteControlHours), where);
            if (m.manual) {
                w.Text("url", m.url, where);
                w.Text("apn", m.apn, where);
                w.Text("gateway", m.gateway, where);
                w.Text("port", m.port, where);
                w.Text("account", m.account, where);
                w.Secret("password", m.password, where, withSecrets, LeftOut(file, where, "password"));
            }
            w.Text("phone", m.phone, where);
            w.Text("email", m.email, where);
            w.Text("phone_2", m.phone2, where);
            w.Text("phone_3", m.phone3, where);
            WriteOwn(w, file.mmsOwn, where, true);
        }
        if (file.email) {
            const decoder::SmtpSettings& e = *file.email;
            const std::string where = "email";
            w.Blank();
            w.Section(where);
            w.Text("mode", e.manual ? "Manual" : "Auto", where);
            WritePreset(w, PresetSet::kGprs, e.manual, e.country, e.operatorIndex, where);
            w.Integer("pictures_per_day", e.picturesPerDay);
            if (family == ModelFamily::k8620) {
                w.Text("smtp_status", Pick(kSmtpStatus, e.smtpStatus), where);
            }
            w.Text("sms_remote_control", RemoteControl(e.remoteControlHours), where);
            if (e.manual) {
                w.Text("gprs_apn", e.gprsApn, where);
                w.Text("gprs_account", e.gprsAccount, where);
                w.Secret("gprs_password", e.gprsPassword, where, withSecrets,
                         LeftOut(file, where, "gprs_password"));
            }
            w.Text("smtp_server", e.smtpServer, where);
            w.Text("smtp_port", e.smtpPort, where);
            w.Text("sender_email", e.senderEmail, where);
            w.Secret("sender_password", e.senderPassword, where, withSecrets,
                     LeftOut(file, where, "sender_password"));
            w.Text("sms_phone", e.smsPhone, where);
            w.Text("recipient_email", e.recipientEmail, where);
            WriteOwn(w, file.emailOwn, where, false);
        }
        return w.Done();
    } catch (const Refused& refused) {
        return SettingsError{refused.line, refused.what};
    }
}

}  // namespace corvane::settings
