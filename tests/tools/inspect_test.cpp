#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <random>
#include <sstream>
#include <string>

#include "decoder/decoder.h"
#include "inspect/report.h"
#include "tools/inspect_files.h"

namespace corvane::inspect {
namespace {

namespace fs = std::filesystem;
using testfiles::Bytes;

std::string Hex4(unsigned v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "0x%04X", v & 0xFFFFu);
    return buf;
}

Bytes FromString(const std::string& s) {
    return Bytes(s.begin(), s.end());
}

class FakeNames : public PresetNames {
  public:
    std::vector<std::string> Countries(PresetSet) const override {
        return {"China", "United States", "Deutschland"};
    }
    std::vector<std::string> Operators(PresetSet, int country) const override {
        if (country == 2) {
            return {"Vodafone", "T-Mobile", "E-Plus", "O2"};
        }
        return {"First", "Second"};
    }
};

class TempFolder {
  public:
    TempFolder() {
        std::random_device rd;
        path_ =
            fs::temp_directory_path() / ("corvane-inspect-" + std::to_string(rd()) + std::to_string(rd()));
        fs::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }
    fs::path Put(const std::string& name, const Bytes& bytes) const {
        fs::path p = path_ / name;
        testfiles::WriteFile(p, bytes);
        return p;
    }

  private:
    fs::path path_;
};

struct RunResult {
    int status;
    std::string out;
    std::string err;
};

RunResult Inspect(const std::vector<std::string>& args) {
    static FakeNames names;
    std::ostringstream out;
    std::ostringstream err;
    int status = RunInspect(args, out, err, &names, "9.8.7");
    return {status, out.str(), err.str()};
}

// ------------------------------------------------------------------------------------------------ files

// 8620 only (video size 2 does not exist in the 8520 family).
Bytes Menu8620() {
    return testfiles::MenuRecord({{0, 2},   {2, 2},   {3, 1},  {4, 9},   {6, 5},   {8, 1},
                                  {9, 1},   {10, 1},  {12, 5}, {14, 16}, {15, 12}, {16, 10},
                                  {17, 8},  {18, 30}, {20, 8}, {22, 17}, {23, 30}, {24, 1},
                                  {25, 10}, {26, 11}, {27, 1}, {28, 2},  {29, 3},  {31, 1}});
}

// The worked example of the 8620 dialog's defaults, literally: it fits both layouts.
Bytes MenuDefaults8620() {
    Bytes b(60, 0);
    const uint8_t head[] = {0x00, 0x00, 0x01, 0x00, 0x09, 0x00, 0x01, 0x00, 0x00, 0x01,
                            0x01, 0x00, 0x00, 0x00, 0x03, 0x06, 0x0F, 0x08, 0x1E, 0x00};
    std::copy(std::begin(head), std::end(head), b.begin());
    b[29] = 0x02;
    b[31] = 0x01;
    b[56] = 0x01;
    b[57] = 0x9A;
    b[58] = 0x0D;
    b[59] = 0x0A;
    return b;
}

Bytes FactoryMenu() {
    Bytes b(60, 0);
    b[0] = b[1] = b[2] = b[3] = 0xFF;
    b[56] = 0x90;
    b[57] = 0x88;
    b[58] = 0x0D;
    b[59] = 0x0A;
    return b;
}

std::array<uint8_t, 50> MmsHeaderBytes() {
    std::array<uint8_t, 50> h{};
    h[0] = 1;  // VGA
    h[1] = 2;  // send mode + 1
    h[3] = 1;  // 12 pictures per day
    h[4] = 2;
    h[5] = 3;    // German
    h[7] = 1;    // International
    h[8] = 2;    // country
    h[10] = 25;  // remote control off
    return h;
}

const std::array<std::string, 10> kMmsTexts = {"http://mms.example/servlets/mms",
                                               "event.vodafone.de",
                                               "139.7.29.17",
                                               "80",
                                               "+491701234567",
                                               "",
                                               "",
                                               "secret1",
                                               "",
                                               "a@b.de"};

Bytes SetupFile() {
    return testfiles::MessageFile(MmsHeaderBytes(), 1, kMmsTexts, 18);
}

std::array<uint8_t, 50> SmtpHeaderBytes() {
    std::array<uint8_t, 50> h{};
    h[2] = 0x80;  // Manual
    h[5] = 1;     // Chinese
    h[6] = 1;     // VGA
    h[7] = 5;     // remote control 5 h (8620 layout)
    return h;
}

const std::array<std::string, 10> kSmtpTexts = {
    "internet", "\xD6\xD0",    "",        "smtp.example.com", "25", "cam.one@example.com",
    "pw",       "01701234567", "cam.one", "me@example.org"};

Bytes SmtpFile() {
    return testfiles::MessageFile(SmtpHeaderBytes(), 0, kSmtpTexts, 15);
}

uint16_t StoredChecksum(const Bytes& file) {
    return static_cast<uint16_t>(file[716] | (file[717] << 8));
}

// ------------------------------------------------------------------------------------------------ primitives

TEST(InspectPrimitives, CrcMatchesTheCatalogue) {
    EXPECT_EQ(Crc16(FromString("123456789")), 0x31C3);
    EXPECT_EQ(Crc16(FromString("abc")), 0x9DD6);
    EXPECT_EQ(Crc16({}), 0);
    // The factory record's CRC over its first 50 bytes.
    Bytes factory = FactoryMenu();
    EXPECT_EQ(Crc16(std::span<const uint8_t>(factory).first(50)), 0x8890);
    // Chunked equals one-shot.
    Bytes data = FromString("The quick brown fox jumps over the lazy dog");
    std::span<const uint8_t> all(data);
    EXPECT_EQ(Crc16(all.subspan(10), Crc16(all.first(10))), Crc16(all));
}

TEST(InspectPrimitives, UnscrambleUndoesTheFileTransformForEveryByte) {
    EXPECT_EQ(Unscramble(0xEB), 0x41);
    EXPECT_EQ(Unscramble(0xFF), 0x00);
    EXPECT_EQ(Unscramble(0x00), 0xFF);
    // The worked example's scrambled port text "8080".
    EXPECT_EQ(Unscramble(0x7C), '8');
    EXPECT_EQ(Unscramble(0xFC), '0');
    for (int b = 0; b < 256; ++b) {
        EXPECT_EQ(Unscramble(testfiles::Scramble(static_cast<uint8_t>(b))), b);
    }
}

// ------------------------------------------------------------------------------------------------ output

TEST(InspectOutput, MenuOfOneFamilyInWords) {
    TempFolder dir;
    Bytes menu = Menu8620();
    fs::path p = dir.Put("menu.dat", menu);
    RunResult r = Inspect({p.string()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, p.string() + ": camera menu file, sound (60 bytes, CRC " +
                         Hex4(static_cast<unsigned>(menu[56] | (menu[57] << 8))) + ")\n" +
                         "  family: 8620\n"
                         "  camera mode: Camera+Video\n"
                         "  image size: 12MP\n"
                         "  video size: 640x480\n"
                         "  picture count: 02 Photo\n"
                         "  video length: 10 s\n"
                         "  time stamp: on\n"
                         "  interval: 5 min\n"
                         "  sense level: normal\n"
                         "  side PIR: on\n"
                         "  timer 1: on, 08:00 to 17:30\n"
                         "  timer 2: off, 00:00 to 00:00\n"
                         "  time lapse: off, 00:05:00\n"
                         "  clock: 2026-12-10 08:30:00\n"
                         "  serial number: on, AB12\n"
                         "  language: German\n"
                         "  TV mode: 0\n"
                         "  beep: on\n"
                         "  SD cycle: off\n");
    EXPECT_EQ(r.err, "");
}

TEST(InspectOutput, MenuThatFitsBothFamiliesShowsBothReadings) {
    TempFolder dir;
    fs::path p = dir.Put("menu.dat", MenuDefaults8620());
    RunResult r = Inspect({p.string()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, p.string() + ": camera menu file, sound (60 bytes, CRC 0x9A01)\n" +
                         "  family: 8620 or 8520 (cannot tell)\n"
                         "  camera mode: Camera\n"
                         "  image size: 12MP (8620) / 5MP (8520)\n"
                         "  video size: 1280x720 (8620) / 320x240 (8520)\n"
                         "  picture count: 01 Photo\n"
                         "  video length: 10 s\n"
                         "  time stamp: on\n"
                         "  interval: 1 min\n"
                         "  sense level: normal\n"
                         "  side PIR: on\n"
                         "  timer 1: off, 00:00 to 00:00\n"
                         "  timer 2: off, 00:00 to 00:00 (8620) / on, 00:00 to 00:00 (8520)\n"
                         "  time lapse: off, 00:00:00\n"
                         "  clock: 2013-06-15 08:30:00\n"
                         "  serial number: off, 0000\n"
                         "  language: English\n"
                         "  TV mode: 0\n"
                         "  beep: on (8620 only)\n"
                         "  SD cycle: off (8620 only)\n");
}

TEST(InspectOutput, FactoryRecord) {
    TempFolder dir;
    fs::path p = dir.Put("MENU.DAT", FactoryMenu());
    RunResult r = Inspect({p.string()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, p.string() + ": camera menu file, sound (60 bytes, CRC 0x8890)\n" +
                         "  settings: factory defaults (either family)\n");
}

TEST(InspectOutput, MmsFileInWordsWithPasswordMasked) {
    TempFolder dir;
    Bytes setup = SetupFile();
    fs::path p = dir.Put("setup.dat", setup);
    RunResult r = Inspect({p.string()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, p.string() + ": MMS settings file, sound (720 bytes, checksum " +
                         Hex4(StoredChecksum(setup)) + " = CRC + 18)\n" +
                         "  phone type: International\n"
                         "  family: 8620 or 8520 (cannot tell)\n"
                         "  country: Deutschland / operator: Vodafone (Auto)\n"
                         "  MMS status: VGA\n"
                         "  APN type: APN\n"
                         "  pictures per day: 12\n"
                         "  language: German\n"
                         "  TV mode: 0\n"
                         "  SMS remote control: off\n"
                         "  URL: \"http://mms.example/servlets/mms\"\n"
                         "  APN: \"event.vodafone.de\"\n"
                         "  gateway: \"139.7.29.17\"\n"
                         "  port: \"80\"\n"
                         "  phone: \"+491701234567\"\n"
                         "  email: (empty)\n"
                         "  account: (empty)\n"
                         "  password: (hidden)\n"
                         "  phone 2: (empty)\n"
                         "  phone 3: \"a@b.de\"\n");
}

TEST(InspectOutput, SmtpFileInWordsWithSecretsShown) {
    TempFolder dir;
    Bytes smtp = SmtpFile();
    fs::path p = dir.Put("smtp.dat", smtp);
    RunResult r = Inspect({"--show-secrets", p.string()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, p.string() + ": e-mail settings file, sound (720 bytes, checksum " +
                         Hex4(StoredChecksum(smtp)) + " = CRC + 15)\n" +
                         "  family: 8620\n"
                         "  country: Other / operator: Other (Manual)\n"
                         "  pictures per day: unlimited\n"
                         "  language: Chinese\n"
                         "  SMTP status: VGA\n"
                         "  SMS remote control: 5 h\n"
                         "  GPRS APN: \"internet\"\n"
                         "  GPRS account: \"\\xD6\\xD0\"\n"
                         "  GPRS password: (empty)\n"
                         "  SMTP server: \"smtp.example.com\"\n"
                         "  SMTP port: \"25\"\n"
                         "  sender email: \"cam.one@example.com\"\n"
                         "  sender password: \"pw\"\n"
                         "  SMS phone: \"01701234567\"\n"
                         "  sender user name: \"cam.one\"\n"
                         "  recipient email: \"me@example.org\"\n");
}

TEST(InspectOutput, SecretsAreMaskedUnlessAsked) {
    TempFolder dir;
    fs::path p = dir.Put("smtp.dat", SmtpFile());
    RunResult masked = Inspect({p.string()});
    EXPECT_NE(masked.out.find("  sender password: (hidden)\n"), std::string::npos);
    EXPECT_EQ(masked.out.find("\"pw\""), std::string::npos);
    RunResult shown = Inspect({"--show-secrets", p.string()});
    EXPECT_NE(shown.out.find("  sender password: \"pw\"\n"), std::string::npos);
}

TEST(InspectOutput, TextsShowWellFormedUtf8AndEscapeOtherBytes) {
    struct Case {
        const char* what;
        std::string account;
        std::string shown;
    };
    const Case cases[] = {
        {"UTF-8 as typed", "\xE4\xB8\xAD\xE6\x96\x87 caf\xC3\xA9",
         "\"\xE4\xB8\xAD\xE6\x96\x87 caf\xC3\xA9\""},
        {"four-byte sequence", "\xF0\x9F\x93\xB7", "\"\xF0\x9F\x93\xB7\""},
        {"code page 936", "\xD6\xD0", "\"\\xD6\\xD0\""},
        {"sequence cut short", "a\xE4\xB8", "\"a\\xE4\\xB8\""},
        {"overlong form", "\xC0\x80", "\"\\xC0\\x80\""},
        {"surrogate half", "\xED\xA0\x80", "\"\\xED\\xA0\\x80\""},
        {"control byte", "a\x01", "\"a\\x01\""},
    };
    for (const Case& c : cases) {
        std::array<std::string, 10> texts = kSmtpTexts;
        texts[1] = c.account;
        TempFolder dir;
        fs::path p = dir.Put("smtp.dat", testfiles::MessageFile(SmtpHeaderBytes(), 0, texts, 15));
        RunResult r = Inspect({p.string()});
        EXPECT_EQ(r.status, 0) << c.what;
        EXPECT_NE(r.out.find("  GPRS account: " + c.shown + "\n"), std::string::npos) << c.what << "\n"
                                                                                      << r.out;
    }
}

TEST(InspectOutput, FolderMeansItsThreeFilesInOrder) {
    TempFolder dir;
    dir.Put("smtp.dat", SmtpFile());
    dir.Put("Setup.DAT", SetupFile());
    dir.Put("menu.dat", Menu8620());
    dir.Put("notes.txt", FromString("not a setup file"));
    RunResult r = Inspect({dir.path().string()});
    EXPECT_EQ(r.status, 0);
    size_t menu = r.out.find("menu.dat: camera menu file, sound");
    size_t setup = r.out.find("Setup.DAT: MMS settings file, sound");
    size_t smtp = r.out.find("smtp.dat: e-mail settings file, sound");
    ASSERT_NE(menu, std::string::npos);
    ASSERT_NE(setup, std::string::npos);
    ASSERT_NE(smtp, std::string::npos);
    EXPECT_LT(menu, setup);
    EXPECT_LT(setup, smtp);
    EXPECT_EQ(r.out.find("notes.txt"), std::string::npos);
}

TEST(InspectOutput, FilesWithOtherNamesAreRecognisedByContent) {
    TempFolder dir;
    EXPECT_EQ(KindFromContent(Menu8620()), FileKind::kMenu);
    EXPECT_EQ(KindFromContent(SetupFile()), FileKind::kMms);
    EXPECT_EQ(KindFromContent(testfiles::MessageFile(MmsHeaderBytes(), 1, kMmsTexts, 0)), FileKind::kMms);
    EXPECT_EQ(KindFromContent(SmtpFile()), FileKind::kSmtp);
    Bytes broken = SmtpFile();
    broken[716] ^= 0x55;
    EXPECT_EQ(KindFromContent(broken), std::nullopt);
    EXPECT_EQ(KindFromContent(Bytes(100, 0)), std::nullopt);

    RunResult r = Inspect({dir.Put("backup.bin", SmtpFile()).string()});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("backup.bin: e-mail settings file, sound"), std::string::npos);
}

// The fuzzing seeds come from a separate generator (tests/data/inspect/make_seeds.py); each must read as
// sound and as the kind of its folder, or fuzzing would start from damaged files.
TEST(InspectOutput, SeedFilesAreSoundAndRecognised) {
    const fs::path seeds = fs::path(CORVANE_TEST_DATA_DIR) / "inspect" / "seeds";
    const std::vector<std::pair<std::string, FileKind>> folders = {
        {"menu", FileKind::kMenu}, {"setup", FileKind::kMms}, {"smtp", FileKind::kSmtp}};
    for (const auto& [folder, kind] : folders) {
        int files = 0;
        for (const auto& entry : fs::directory_iterator(seeds / folder)) {
            SCOPED_TRACE(entry.path().string());
            ++files;
            EXPECT_EQ(KindFromContent(testfiles::ReadFile(entry.path())), kind);
            RunResult r = Inspect({entry.path().string()});
            EXPECT_EQ(r.status, 0) << r.out;
        }
        EXPECT_GE(files, 3) << folder;
    }
}

// ------------------------------------------------------------------------------------------------ damage

struct DamageCase {
    const char* name;
    const char* fileName;
    std::function<Bytes()> make;
    std::function<void(Bytes&)> damage;
    std::function<std::string(const Bytes& original, const Bytes& damaged)> expected;  // first fault
};

std::string Literal(const char* s, const Bytes&, const Bytes&) {
    return s;
}

std::string MenuChecksum(const Bytes&, const Bytes& d) {
    return "checksum stored " + Hex4(static_cast<unsigned>(d[56] | (d[57] << 8))) + " computed " +
           Hex4(Crc16(std::span<const uint8_t>(d).first(50)));
}

std::string MmsChecksum(const Bytes&, const Bytes& d) {
    uint16_t crc = Crc16(std::span<const uint8_t>(d).first(660));
    return "checksum stored " + Hex4(StoredChecksum(d)) + " computed " + Hex4(crc) + " (Domestic) or " +
           Hex4(static_cast<uint16_t>(crc + 18)) + " (International)";
}

std::string SmtpChecksum(const Bytes&, const Bytes& d) {
    uint16_t crc = Crc16(std::span<const uint8_t>(d).first(660));
    return "checksum stored " + Hex4(StoredChecksum(d)) + " computed " +
           Hex4(static_cast<uint16_t>(crc + 15)) + " (CRC " + Hex4(crc) + " + 15)";
}

using namespace std::placeholders;

std::vector<DamageCase> DamageCases() {
    auto lit = [](const char* s) { return std::bind(Literal, s, _1, _2); };
    return {
        {"menu truncated", "menu.dat", Menu8620, [](Bytes& b) { b.pop_back(); },
         lit("wrong size: 59 bytes, expected 60")},
        {"menu extended", "menu.dat", Menu8620, [](Bytes& b) { b.push_back(0); },
         lit("wrong size: 61 bytes, expected 60")},
        {"menu empty", "menu.dat", Menu8620, [](Bytes& b) { b.clear(); },
         lit("wrong size: 0 bytes, expected 60")},
        {"menu payload", "menu.dat", Menu8620, [](Bytes& b) { b[17] ^= 0x01; }, MenuChecksum},
        {"menu checksum", "menu.dat", Menu8620, [](Bytes& b) { b[57] ^= 0x40; }, MenuChecksum},
        {"menu framing", "menu.dat", Menu8620, [](Bytes& b) { b[59] = 0x0D; },
         lit("bad framing: bytes 58-59 are 0x0D 0x0D, expected 0x0D 0x0A")},
        {"menu reserved", "menu.dat", Menu8620, [](Bytes& b) { b[53] = 0x20; },
         lit("bad framing: reserved byte 53 is 0x20, expected 0x00")},
        {"setup truncated", "setup.dat", SetupFile, [](Bytes& b) { b.resize(660); },
         lit("wrong size: 660 bytes, expected 720")},
        {"setup extended", "setup.dat", SetupFile, [](Bytes& b) { b.insert(b.end(), 60, 0); },
         lit("wrong size: 780 bytes, expected 720")},
        {"setup payload", "setup.dat", SetupFile, [](Bytes& b) { b[60 + 3] ^= 0x01; }, MmsChecksum},
        {"setup header payload", "setup.dat", SetupFile, [](Bytes& b) { b[4] ^= 0x10; }, MmsChecksum},
        {"setup length byte", "setup.dat", SetupFile, [](Bytes& b) { b[4 * 60 + 57] ^= 0x01; },
         lit("record 5: length byte 57 is 3 but the text has 2 bytes")},
        {"setup checksum", "setup.dat", SetupFile, [](Bytes& b) { b[717] ^= 0x01; }, MmsChecksum},
        {"setup framing", "setup.dat", SetupFile, [](Bytes& b) { b[2 * 60 + 58] = 0x00; },
         lit("bad framing at record 3: bytes 58-59 are 0x00 0x0A, expected 0x0D 0x0A")},
        {"setup reserved", "setup.dat", SetupFile, [](Bytes& b) { b[6 * 60 + 52] = 0x01; },
         lit("bad framing at record 7: reserved byte 52 is 0x01, expected 0x00")},
        {"setup checksum record", "setup.dat", SetupFile, [](Bytes& b) { b[660 + 10] = 0x07; },
         lit("bad framing at record 12: checksum record byte 10 is 0x07, expected 0x00")},
        {"smtp truncated", "smtp.dat", SmtpFile, [](Bytes& b) { b.pop_back(); },
         lit("wrong size: 719 bytes, expected 720")},
        {"smtp extended", "smtp.dat", SmtpFile, [](Bytes& b) { b.push_back(0x0A); },
         lit("wrong size: 721 bytes, expected 720")},
        {"smtp payload", "smtp.dat", SmtpFile, [](Bytes& b) { b[4 * 60] ^= 0x80; }, SmtpChecksum},
        {"smtp length byte", "smtp.dat", SmtpFile, [](Bytes& b) { b[60 + 57] = 0x00; },
         lit("record 2: length byte 57 is 0 but the text has 8 bytes")},
        {"smtp length past the text bytes", "smtp.dat", SmtpFile, [](Bytes& b) { b[60 + 57] = 0xC8; },
         lit("record 2: length byte 57 is 200, more than the 50 text bytes")},
        {"smtp checksum", "smtp.dat", SmtpFile, [](Bytes& b) { b[716] ^= 0xFF; }, SmtpChecksum},
        {"smtp framing", "smtp.dat", SmtpFile, [](Bytes& b) { b[719] = 0x00; },
         lit("bad framing at record 12: bytes 58-59 are 0x0D 0x00, expected 0x0D 0x0A")},
    };
}

TEST(InspectDamage, EachDamagedFileGetsOneLineNamingTheFaultAndExitOne) {
    for (const DamageCase& c : DamageCases()) {
        SCOPED_TRACE(c.name);
        TempFolder dir;
        Bytes original = c.make();
        Bytes damaged = original;
        c.damage(damaged);
        fs::path p = dir.Put(c.fileName, damaged);
        RunResult r = Inspect({p.string()});
        EXPECT_EQ(r.status, 1);
        std::string kind = std::string(c.fileName) == "menu.dat"    ? "camera menu file"
                           : std::string(c.fileName) == "setup.dat" ? "MMS settings file"
                                                                    : "e-mail settings file";
        std::string head = p.string() + ": " + kind + ", damaged: " + c.expected(original, damaged);
        EXPECT_EQ(r.out.substr(0, head.size()), head) << r.out;
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << r.out;
    }
}

TEST(InspectDamage, GoesOnWithTheNextFileAfterADamagedOne) {
    TempFolder dir;
    Bytes bad = Menu8620();
    bad[0] ^= 0x04;
    fs::path badPath = dir.Put("menu.dat", bad);
    fs::path missing = dir.path() / "gone" / "setup.dat";
    fs::path goodPath = dir.Put("smtp.dat", SmtpFile());
    RunResult r = Inspect({badPath.string(), missing.string(), goodPath.string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find(badPath.string() + ": camera menu file, damaged: checksum stored"),
              std::string::npos);
    EXPECT_NE(r.out.find(missing.string() + ": cannot read: no such file or folder\n"), std::string::npos);
    EXPECT_NE(r.out.find(goodPath.string() + ": e-mail settings file, sound"), std::string::npos);
}

TEST(InspectDamage, UnknownAndUnreadablePathsExitOne) {
    TempFolder dir;
    struct Case {
        const char* name;
        fs::path path;
        std::string line;
    };
    fs::path unknown = dir.Put("notes.txt", FromString("hello"));
    fs::path sub = dir.path() / "empty";
    fs::create_directories(sub);
    fs::path big = dir.Put("smtp.dat", Bytes(200000, 0));
    const std::vector<Case> cases = {
        {"unknown", unknown, unknown.string() + ": unknown file: 5 bytes, not a camera setup file\n"},
        {"empty folder", sub, sub.string() + ": no menu.dat, setup.dat or smtp.dat in this folder\n"},
        {"device", "/dev/null", "/dev/null: cannot read: not a regular file\n"},
        {"large", big,
         big.string() + ": e-mail settings file, damaged: wrong size: 200000 bytes, expected 720\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RunResult r = Inspect({c.path.string()});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, c.line);
    }
}

// A sound checksum does not make a file sound: values the camera cannot take are named.
TEST(InspectDamage, SealedFilesWithImpossibleValues) {
    struct MenuCase {
        const char* name;
        std::pair<size_t, uint8_t> change;
        std::string fault;
    };
    const std::vector<MenuCase> menuCases = {
        {"camera mode", {0, 3}, "camera mode (byte 0) is 3, expected 0 to 2"},
        {"interval value", {6, 0x80 | 61}, "interval value (byte 6) is 61, expected 0 to 60"},
        {"month", {15, 0}, "clock month (byte 15) is 0, expected 1 to 12"},
        {"language", {29, 11}, "language (byte 29) is 11, expected 1 to 10"},
        {"unused", {40, 1}, "unused byte 40 is 0x01, expected 0x00"},
        {"family bytes",
         {36, 24},
         "fits neither model family: as 8620 timer 2 stop hour (byte 36) is 24, expected 0 to 23; as 8520 "
         "video "
         "size (byte 2) is 2, expected 0 to 1"},
    };
    for (const MenuCase& c : menuCases) {
        SCOPED_TRACE(c.name);
        Bytes b = Menu8620();
        b[c.change.first] = c.change.second;
        testfiles::SealMenu(b);
        MenuFile m = DecodeMenuFile(b);
        ASSERT_FALSE(m.faults.empty());
        EXPECT_EQ(m.faults.front().kind, FaultKind::kValue);
        EXPECT_EQ(m.faults.front().what, c.fault);
    }

    struct MessageCase {
        const char* name;
        bool smtp;
        std::function<void(std::array<uint8_t, 50>&, uint8_t&, std::array<std::string, 10>&, uint16_t&)>
            change;
        std::string fault;
    };
    const std::vector<MessageCase> messageCases = {
        {"mms send byte", false, [](auto& h, auto&, auto&, auto&) { h[1] = 5; },
         "send mode bytes 0-1 are 1 and 5, expected byte 1 = byte 0 + 1"},
        {"mms phone type against checksum", false, [](auto& h, auto&, auto&, auto&) { h[7] = 0; },
         "phone type (byte 7) says Domestic but the checksum fits the International offset"},
        {"mms manual flag with a country", false, [](auto&, auto& flag, auto&, auto&) { flag = 0; },
         "mode flag (byte 55) says Manual but the country (byte 8) is 0x02"},
        {"mms operator outside the table", false, [](auto& h, auto&, auto&, auto&) { h[9] = 6; },
         "operator 6 is not in use for Deutschland (4 operators)"},
        {"mms country outside the table", false, [](auto& h, auto&, auto&, auto&) { h[8] = 30; },
         "country 30 is not in the table (3 countries)"},
        {"smtp user name", true, [](auto&, auto&, auto& t, auto&) { t[kSenderUserName] = "cam"; },
         "sender user name (record 10) is not the part of the sender address before \"@\""},
        {"smtp family bytes", true, [](auto& h, auto&, auto&, auto&) { h[8] = 3; },
         "header bytes 6-8 (1, 5, 3) fit neither model family"},
        {"smtp manual operator", true, [](auto& h, auto&, auto&, auto&) { h[1] = 2; },
         "operator (byte 1) is 2 in Manual mode, expected 0"},
    };
    for (const MessageCase& c : messageCases) {
        SCOPED_TRACE(c.name);
        std::array<uint8_t, 50> h = c.smtp ? SmtpHeaderBytes() : MmsHeaderBytes();
        uint8_t flag = c.smtp ? 0 : 1;
        std::array<std::string, 10> texts = c.smtp ? kSmtpTexts : kMmsTexts;
        uint16_t k = c.smtp ? 15 : 18;
        c.change(h, flag, texts, k);
        TempFolder dir;
        fs::path p = dir.Put(c.smtp ? "smtp.dat" : "setup.dat", testfiles::MessageFile(h, flag, texts, k));
        RunResult r = Inspect({p.string()});
        EXPECT_EQ(r.status, 1);
        std::string head = p.string() + (c.smtp ? ": e-mail settings file" : ": MMS settings file") +
                           ", damaged: " + c.fault;
        EXPECT_EQ(r.out.substr(0, head.size()), head) << r.out;
    }
}

// ------------------------------------------------------------------------------------------------ usage

TEST(InspectUsage, ErrorsExitTwoHelpAndVersionExitZero) {
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* errHas;
    };
    const std::vector<Case> cases = {
        {{}, 2, "no PATH given"},
        {{"--show-secrets"}, 2, "no PATH given"},
        {{"--verbose", "menu.dat"}, 2, "unknown option '--verbose'"},
        {{"-x"}, 2, "unknown option '-x'"},
        {{""}, 2, "empty PATH"},
    };
    for (const Case& c : cases) {
        RunResult r = Inspect(c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_NE(r.err.find(c.errHas), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
    RunResult version = Inspect({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "corvane-inspect 9.8.7\n");
    EXPECT_EQ(version.err, "");
    // After "--" it is a path like any other.
    EXPECT_EQ(Inspect({"--", "--version"}).status, 1);

    RunResult help = Inspect({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out, UsageText());
    for (const char* section : {"NAME\n", "SYNOPSIS\n", "DESCRIPTION\n", "OPTIONS\n", "EXIT STATUS\n"}) {
        EXPECT_NE(help.out.find(section), std::string::npos) << section;
    }
}

TEST(InspectUsage, DoubleDashEndsOptions) {
    TempFolder dir;
    fs::path p = dir.Put("-menu.dat", Menu8620());
    fs::current_path(dir.path());
    RunResult r = Inspect({"--", "-menu.dat"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("-menu.dat: camera menu file, sound"), std::string::npos);
    fs::current_path(fs::temp_directory_path());
}

}  // namespace
}  // namespace corvane::inspect
