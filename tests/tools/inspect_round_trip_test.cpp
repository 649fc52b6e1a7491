// Files written by the program's own writers, read back by the inspector's separate decoder.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>

#include "core/camera/menu_file.h"
#include "core/camera/menu_record.h"
#include "core/mms/mms_file.h"
#include "core/models/models.h"
#include "core/smtp/smtp_file.h"
#include "decoder/decoder.h"
#include "inspect/preset_names.h"
#include "inspect/report.h"
#include "support/real_file_system.h"
#include "tools/inspect_files.h"

namespace corvane::inspect {
namespace {

namespace fs = std::filesystem;
using corvane::testing::RealFileSystem;
using testfiles::Bytes;

class Folder {
  public:
    Folder() {
        std::random_device rd;
        path_ =
            fs::temp_directory_path() / ("corvane-roundtrip-" + std::to_string(rd()) + std::to_string(rd()));
        fs::create_directories(path_);
    }
    ~Folder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    std::string str() const { return path_.string(); }
    Bytes Read(const char* name) const { return testfiles::ReadFile(path_ / name); }

  private:
    fs::path path_;
};

bool Sound(FileKind kind, const Bytes& bytes) {
    BuiltInPresetNames names;
    ReportOptions options;
    options.names = &names;
    std::ostringstream out;
    bool sound = ReportFile("f", kind, bytes, options, out);
    EXPECT_TRUE(sound) << out.str();
    return sound;
}

// ------------------------------------------------------------------------------------------------ menu.dat

struct MenuCase {
    const char* name;
    ModelFamily family;
    int32_t fileLanguage;
    uint32_t tvMode;
    CameraMenuSettings settings;
};

CameraMenuSettings Settings(std::initializer_list<std::pair<uint32_t CameraMenuSettings::*, uint32_t>> values,
                            CameraClock clock) {
    CameraMenuSettings s;
    for (auto [member, value] : values) {
        s.*member = value;
    }
    s.cameraClock = clock;
    return s;
}

using S = CameraMenuSettings;

std::vector<MenuCase> MenuCases() {
    return {
        {"8620 dialog defaults", ModelFamily::k8620, kEnglish, 0,
         Settings({{&S::imageSize, 0},
                   {&S::videoSize, 1},
                   {&S::videoLength, 10},
                   {&S::interval, 1},
                   {&S::intervalUnit, kIntervalUnitMinutes},
                   {&S::sidePir, 1},
                   {&S::timeLapse, 1},
                   {&S::beep, 1}},
                  {2013, 6, 15, 8, 30, 0})},
        {"8520 everything at its top", ModelFamily::k8520, kJapanese, 0x1234,
         Settings({{&S::cameraMode, 2},        {&S::imageSize, 2},          {&S::videoSize, 1},
                   {&S::pictureCount, 2},      {&S::videoLength, 60},       {&S::timeStamp, 1},
                   {&S::interval, 60},         {&S::senseLevel, 3},         {&S::timer1Enabled, 1},
                   {&S::timeLapseHour, 23},    {&S::timeLapseMinute, 59},   {&S::timeLapseSecond, 59},
                   {&S::timer1StartHour, 23},  {&S::timer1StartMinute, 59}, {&S::timer1StopHour, 23},
                   {&S::timer1StopMinute, 59}, {&S::serialEnabled, 1},      {&S::serialChar1, 35},
                   {&S::serialChar2, 35},      {&S::serialChar3, 9},        {&S::serialChar4, 10},
                   {&S::timer2Enabled, 1},     {&S::timer2StartHour, 23},   {&S::timer2StartMinute, 59},
                   {&S::timer2StopHour, 22},   {&S::timer2StopMinute, 58}},
                  {2035, 12, 31, 23, 59, 59})},
        {"8620 minutes unit at zero, second timer and SD cycle", ModelFamily::k8620, kChinese, 7,
         Settings({{&S::cameraMode, 1},
                   {&S::imageSize, 2},
                   {&S::videoSize, 2},
                   {&S::interval, 0},
                   {&S::intervalUnit, kIntervalUnitMinutes},
                   {&S::sdCycle, 1},
                   {&S::timer2Enabled, 1},
                   {&S::timer2StartHour, 23},
                   {&S::timer2StartMinute, 59},
                   {&S::timer2StopHour, 5},
                   {&S::timer2StopMinute, 1}},
                  {2005, 1, 1, 0, 0, 0})},
        {"8520 seconds interval and serial number", ModelFamily::k8520, kCzech, 1,
         Settings({{&S::interval, 30},
                   {&S::serialEnabled, 1},
                   {&S::serialChar1, 1},
                   {&S::serialChar2, 2},
                   {&S::timer2Enabled, 1},
                   {&S::timer2StartHour, 6},
                   {&S::timer2StopHour, 18}},
                  {2026, 12, 10, 8, 30, 0})},
    };
}

void ExpectTimer(const TimerValues& t, uint32_t enabled, uint32_t sh, uint32_t sm, uint32_t eh, uint32_t em) {
    EXPECT_EQ(t.enabled, enabled);
    EXPECT_EQ(t.startHour, sh);
    EXPECT_EQ(t.startMinute, sm);
    EXPECT_EQ(t.stopHour, eh);
    EXPECT_EQ(t.stopMinute, em);
}

TEST(InspectRoundTrip, MenuFilesReadBackToTheirSettings) {
    for (const MenuCase& c : MenuCases()) {
        SCOPED_TRACE(c.name);
        Folder folder;
        RealFileSystem fsys;
        const Record record = BuildMenuRecord(c.settings, c.family, c.fileLanguage, c.tvMode);
        const ModelId model = c.family == ModelFamily::k8620 ? 2 : 1;
        ASSERT_TRUE(
            WriteMenuFile(fsys, folder.str(), record, MenuRecordKind::kNormal, c.family, model, kEnglish)
                .written);
        Bytes bytes = folder.Read("menu.dat");
        ASSERT_TRUE(Sound(FileKind::kMenu, bytes));
        MenuFile m = DecodeMenuFile(bytes);
        ASSERT_TRUE(m.faults.empty());
        EXPECT_FALSE(m.factory);
        bool is8620 = c.family == ModelFamily::k8620;
        EXPECT_TRUE(is8620 ? m.fits8620 : m.fits8520);
        const MenuValues& v = is8620 ? m.as8620 : m.as8520;
        const CameraMenuSettings& s = c.settings;
        EXPECT_EQ(v.cameraMode, s.cameraMode);
        EXPECT_EQ(v.imageSize, s.imageSize);
        EXPECT_EQ(v.videoSize, s.videoSize);
        EXPECT_EQ(v.pictureCount, s.pictureCount);
        EXPECT_EQ(v.videoLengthSeconds, static_cast<int>(s.videoLength));
        EXPECT_EQ(v.timeStamp, s.timeStamp);
        EXPECT_EQ(v.intervalValue, s.interval);
        EXPECT_EQ(v.intervalInSeconds, s.intervalUnit == kIntervalUnitSeconds);
        EXPECT_EQ(v.senseLevel, s.senseLevel);
        EXPECT_EQ(v.sidePir, s.sidePir);
        EXPECT_EQ(v.timeLapse, s.timeLapse);
        EXPECT_EQ(v.timeLapseHour, s.timeLapseHour);
        EXPECT_EQ(v.timeLapseMinute, s.timeLapseMinute);
        EXPECT_EQ(v.timeLapseSecond, s.timeLapseSecond);
        ExpectTimer(v.timer1, s.timer1Enabled, s.timer1StartHour, s.timer1StartMinute, s.timer1StopHour,
                    s.timer1StopMinute);
        ExpectTimer(v.timer2, s.timer2Enabled, s.timer2StartHour, s.timer2StartMinute, s.timer2StopHour,
                    s.timer2StopMinute);
        EXPECT_EQ(v.clockYear, std::clamp(s.cameraClock.year, 2010, 2031));
        EXPECT_EQ(v.clockMonth, s.cameraClock.month);
        EXPECT_EQ(v.clockDay, s.cameraClock.day);
        EXPECT_EQ(v.clockHour, s.cameraClock.hour);
        EXPECT_EQ(v.clockMinute, s.cameraClock.minute);
        EXPECT_EQ(v.clockSecond, s.cameraClock.second);
        EXPECT_EQ(v.serialEnabled, s.serialEnabled);
        EXPECT_EQ(v.serialChars,
                  (std::array<uint8_t, 4>{
                      static_cast<uint8_t>(s.serialChar1), static_cast<uint8_t>(s.serialChar2),
                      static_cast<uint8_t>(s.serialChar3), static_cast<uint8_t>(s.serialChar4)}));
        EXPECT_EQ(v.fileLanguage, c.fileLanguage);
        EXPECT_EQ(v.tvMode, c.tvMode & 0xFF);
        if (is8620) {
            EXPECT_EQ(v.beep, s.beep);
            EXPECT_EQ(v.sdCycle, s.sdCycle);
        }
    }
}

TEST(InspectRoundTrip, FactoryRecordReadsAsFactorySettings) {
    Folder folder;
    RealFileSystem fsys;
    ASSERT_TRUE(WriteMenuFile(fsys, folder.str(), BuildFactoryRecord(), MenuRecordKind::kFactory,
                              ModelFamily::k8520, 1, kEnglish)
                    .written);
    Bytes bytes = folder.Read("menu.dat");
    MenuFile m = DecodeMenuFile(bytes);
    EXPECT_TRUE(m.faults.empty());
    EXPECT_TRUE(m.factory);
    EXPECT_EQ(m.storedCrc, 0x8890);
}

// ------------------------------------------------------------------------------------------------ setup.dat

struct MmsCase {
    const char* name;
    MmsFileValues values;
};

MmsFileValues Mms(uint8_t sendMode, bool manual, uint8_t country, uint8_t op, bool international,
                  int32_t pictures, int32_t language, uint8_t hours, uint8_t apnType,
                  std::array<std::string, 10> t) {
    MmsFileValues v;
    v.sendMode = sendMode;
    v.apnType = apnType;
    v.picturesPerDay = pictures;
    v.fileLanguage = language;
    v.tvMode = 0x0102;
    v.phoneIsInternational = international;
    v.mmsMode = manual ? 1 : 0;
    v.mmsCountryCode = manual ? kManualCountryCode : country;
    v.mmsOperatorCode = manual ? 0 : op;
    v.remoteControlHours = hours;
    v.url = t[0];
    v.apn = t[1];
    v.gateway = t[2];
    v.port = t[3];
    v.phone = t[4];
    v.email = t[5];
    v.account = t[6];
    v.password = t[7];
    v.phone2 = t[8];
    v.phone3 = t[9];
    return v;
}

std::array<std::string, 10> Full(const std::array<size_t, 10>& lengths) {
    std::array<std::string, 10> t;
    for (size_t i = 0; i < t.size(); ++i) {
        t[i] = std::string(lengths[i], static_cast<char>('a' + i));
    }
    return t;
}

std::vector<MmsCase> MmsCases() {
    const std::array<std::string, 10> preset = {"http://mms.example/servlets/mms",
                                                "event.example",
                                                "139.7.29.17",
                                                "80",
                                                "01701234567",
                                                "",
                                                "",
                                                "",
                                                "",
                                                ""};
    return {
        {"8620 Auto domestic, VGA, 12 a day", Mms(1, false, 2, 0, false, 12, kEnglish, 25, 0, preset)},
        {"8520 Manual international, SMS, full-length texts",
         Mms(3, true, 0, 0, true, 99, kChinese, 24, 1, Full({50, 30, 20, 10, 32, 40, 30, 30, 32, 32}))},
        {"Auto last country, empty texts, unlimited", Mms(0, false, 41, 0, false, 0, kJapanese, 0, 0, {})},
        {"8520 QVGA Auto international, last operator",
         Mms(2, false, 3, 8, true, 10, kHungarian, 12, 0, preset)},
    };
}

TEST(InspectRoundTrip, MmsFilesReadBackToTheirValues) {
    for (const MmsCase& c : MmsCases()) {
        SCOPED_TRACE(c.name);
        Folder folder;
        RealFileSystem fsys;
        ASSERT_TRUE(WriteMmsSettingsFile(fsys, folder.str(), c.values).completed);
        Bytes bytes = folder.Read("setup.dat");
        ASSERT_TRUE(Sound(FileKind::kMms, bytes));
        MmsFile f = DecodeMmsFile(bytes);
        ASSERT_TRUE(f.faults.empty());
        const MmsFileValues& v = c.values;
        const MmsHeader& h = f.header;
        EXPECT_EQ(h.sendMode, v.sendMode);
        EXPECT_EQ(h.apnType, v.apnType);
        EXPECT_EQ(h.picturesTens * 10 + h.picturesUnits, v.picturesPerDay);
        EXPECT_EQ(h.fileLanguage, v.fileLanguage);
        EXPECT_EQ(h.tvMode, v.tvMode & 0xFF);
        EXPECT_EQ(h.phoneIsInternational, v.phoneIsInternational ? 1 : 0);
        EXPECT_EQ(f.checksumSaysInternational, std::optional<bool>(v.phoneIsInternational));
        EXPECT_EQ(h.countryCode, v.mmsCountryCode);
        EXPECT_EQ(h.operatorCode, v.mmsOperatorCode);
        EXPECT_EQ(h.remoteControlHours, v.remoteControlHours);
        EXPECT_EQ(h.autoFlag, v.mmsMode == 0 ? 1 : 0);
        const std::array<const std::string*, 10> texts = {&v.url,    &v.apn,   &v.gateway, &v.port,
                                                          &v.phone,  &v.email, &v.account, &v.password,
                                                          &v.phone2, &v.phone3};
        for (size_t i = 0; i < texts.size(); ++i) {
            EXPECT_EQ(f.texts[i].text, *texts[i]) << "record " << i + 2;
        }
        EXPECT_EQ(f.fits8520, true);
        EXPECT_EQ(f.fits8620, v.sendMode <= 2);
    }
}

// ------------------------------------------------------------------------------------------------ smtp.dat

struct SmtpCase {
    const char* name;
    SmtpFileValues values;
};

SmtpFileValues Smtp(ModelFamily family, bool autoMode, uint8_t country, uint8_t op, int32_t pictures,
                    int32_t language, uint8_t remote, uint8_t status, std::array<std::string, 9> t) {
    SmtpFileValues v;
    v.family = family;
    v.autoMode = autoMode;
    v.countryIndex = country;
    v.operatorIndex = op;
    v.picturesPerDay = pictures;
    v.fileLanguage = language;
    v.remoteControl = remote;
    v.smtpStatus = status;
    v.apn = t[0];
    v.account = t[1];
    v.password = t[2];
    v.smtpServer = t[3];
    v.smtpPort = t[4];
    v.senderAddress = t[5];
    v.senderPassword = t[6];
    v.phone = t[7];
    v.recipient = t[8];
    return v;
}

std::vector<SmtpCase> SmtpCases() {
    const std::array<std::string, 9> typical = {
        "internet", "web",         "web",           "smtp.example.com", "25", "cam.one@example.com",
        "pw",       "01701234567", "me@example.org"};
    std::array<std::string, 9> full;
    for (size_t i = 0; i < full.size(); ++i) {
        full[i] = std::string(40, static_cast<char>('a' + i));
    }
    full[5] = std::string(39, 'x') + "@";
    return {
        {"8520 Auto, remote control off", Smtp(ModelFamily::k8520, true, 10, 2, 7, kEnglish, 25, 1, typical)},
        {"8620 Manual, SMS status, full-length texts",
         Smtp(ModelFamily::k8620, false, 5, 3, 99, kJapanese, 0, 2, full)},
        {"8620 Auto, status off, empty texts", Smtp(ModelFamily::k8620, true, 40, 0, 0, kGerman, 25, 0, {})},
        {"8520 Manual, sender without @",
         Smtp(ModelFamily::k8520, false, 0, 0, 10, kChinese, 24, 1,
              {"apn", "", "", "mail.example", "587", "nobody", "x", "123456", "a@b.c"})},
    };
}

TEST(InspectRoundTrip, SmtpFilesReadBackToTheirValues) {
    for (const SmtpCase& c : SmtpCases()) {
        SCOPED_TRACE(c.name);
        Folder folder;
        RealFileSystem fsys;
        ASSERT_TRUE(WriteSmtpSettingsFile(fsys, folder.str(), c.values).completed);
        Bytes bytes = folder.Read("smtp.dat");
        ASSERT_TRUE(Sound(FileKind::kSmtp, bytes));
        SmtpFile f = DecodeSmtpFile(bytes);
        ASSERT_TRUE(f.faults.empty());
        const SmtpFileValues& v = c.values;
        const SmtpHeader& h = f.header;
        EXPECT_EQ(h.autoFlag, v.autoMode ? 1 : 0);
        EXPECT_EQ(h.countryIndex, v.autoMode ? v.countryIndex : kManualCountry);
        EXPECT_EQ(h.operatorIndex, v.autoMode ? v.operatorIndex : 0);
        EXPECT_EQ(h.picturesTens * 10 + h.picturesUnits, v.picturesPerDay);
        EXPECT_EQ(h.fileLanguage, v.fileLanguage);
        if (v.family == ModelFamily::k8620) {
            EXPECT_TRUE(f.fits8620);
            EXPECT_EQ(f.smtpStatus8620, v.smtpStatus);
            EXPECT_EQ(f.remoteControl8620, v.remoteControl);
        } else {
            EXPECT_TRUE(f.fits8520);
            EXPECT_EQ(f.remoteControl8520, v.remoteControl);
        }
        const std::string user = v.senderAddress.substr(0, v.senderAddress.find('@'));
        const std::array<const std::string*, 10> texts = {
            &v.apn,           &v.account,        &v.password, &v.smtpServer, &v.smtpPort,
            &v.senderAddress, &v.senderPassword, &v.phone,    &user,         &v.recipient};
        for (size_t i = 0; i < texts.size(); ++i) {
            EXPECT_EQ(f.texts[i].text, *texts[i]) << "record " << i + 2;
        }
    }
}

// The two files name their operators from different preset sets.
TEST(InspectRoundTrip, FolderReportNamesOperatorsFromEachFilesOwnSet) {
    Folder folder;
    RealFileSystem fsys;
    MmsFileValues mms = Mms(1, false, 10, 0, false, 5, kEnglish, 25, 0, {"u", "a", "g", "80", "0123456"});
    ASSERT_TRUE(WriteMmsSettingsFile(fsys, folder.str(), mms).completed);
    SmtpFileValues smtp = Smtp(ModelFamily::k8520, true, 10, 0, 5, kEnglish, 25, 1,
                               {"apn", "", "", "s", "25", "a@b.c", "p", "0123456", "c@d.e"});
    ASSERT_TRUE(WriteSmtpSettingsFile(fsys, folder.str(), smtp).completed);
    BuiltInPresetNames names;
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunInspect({folder.str()}, out, err, &names, "0"), 0) << out.str();
    EXPECT_NE(out.str().find("  country: Spain / operator: Orange (Auto)\n"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("  country: Spain / operator: Amena (Auto)\n"), std::string::npos) << out.str();
}

}  // namespace
}  // namespace corvane::inspect
