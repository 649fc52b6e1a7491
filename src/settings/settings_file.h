#pragma once

// A settings file: the camera model and any of the camera, MMS and e-mail settings, kept apart from any
// card so that people can keep, share and version them, and write many cards from one. The settings are
// held as the dialogs hold them (list positions and field values, the read-back form of the decoder), so
// that a dialog opens a file as it reads a card. Plain C++, no Qt.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/camera/menu_record.h"
#include "core/mms/mms_file.h"
#include "core/models/models.h"
#include "core/smtp/smtp_file.h"
#include "decoder/setup_file_reader.h"

namespace corvane::settings {

inline constexpr int kFormatVersion = 1;

// A section's own language or TV mode, where its file holds another than the rest (a card whose files were
// written at different times).
struct SectionOwn {
    std::optional<int32_t> language;
    std::optional<uint32_t> tvMode;

    bool operator==(const SectionOwn&) const = default;
};

// A password that a section writes but its settings file does not hold: left out when the file was saved
// or exported without passwords. The section reads it as empty, as a dialog shows it; a file written with
// `password = ""` holds an empty one instead.
struct LeftOutPassword {
    std::string section;  // "mms" or "email"
    std::string key;      // "password", "gprs_password" or "sender_password"
    int line = 0;         // the section's line

    bool operator==(const LeftOutPassword&) const = default;
};

struct SettingsFile {
    ModelId model = 2;
    int32_t language = kEnglish;  // the language byte every file gets, 1..10
    uint32_t tvMode = 0;          // the program's TV mode value, 0..65535 (the files store its low byte)
    // The sections; their fileLanguage and tvMode fields are not used (see language, tvMode and the *Own).
    std::optional<decoder::MenuSettings> camera;
    std::optional<decoder::MmsSettings> mms;
    std::optional<decoder::SmtpSettings> email;
    SectionOwn cameraOwn;
    SectionOwn mmsOwn;
    SectionOwn emailOwn;
    // Only the passwords the sections write (Manual mode's network password, the sender's password).
    std::vector<LeftOutPassword> leftOut;

    int32_t LanguageOf(const SectionOwn& own) const { return own.language.value_or(language); }
    uint32_t TvModeOf(const SectionOwn& own) const { return own.tvMode.value_or(tvMode); }

    bool operator==(const SettingsFile&) const = default;
};

// A refused settings file: the line it is about (1-based; 0 when it is about the whole file) and what is
// wrong, in English.
struct SettingsError {
    int line = 0;
    std::string what;
};

// The writers' values for the settings, as the dialogs hand them over when generating: in Auto mode the
// network texts are the chosen operator's preset; the camera clock is `clock`.
CameraMenuSettings MenuValues(const decoder::MenuSettings& menu, const CameraClock& clock);
MmsFileValues MmsValues(const SettingsFile& file);
SmtpFileValues SmtpValues(const SettingsFile& file);

// The camera section of what the camera dialog holds (the clock is not part of it).
decoder::MenuSettings MenuSection(const CameraMenuSettings& values);

// The bytes a file of the settings gets, as the writers make them: menu.dat with `clock`, setup.dat and
// smtp.dat; nothing for a section the settings do not hold or a value a writer refuses.
std::optional<std::vector<uint8_t>> MenuBytes(const SettingsFile& file, const CameraClock& clock);
std::optional<std::vector<uint8_t>> MmsBytes(const SettingsFile& file);
std::optional<std::vector<uint8_t>> SmtpBytes(const SettingsFile& file);

// The checks a dialog makes before it generates, and the read-back checks of the files the settings give
// (every value in range, every text fits its field, the preset exists). The first failure, naming the
// section ("camera", "mms", "email") and what is wrong; nothing when every section passes.
struct SectionFault {
    std::string section;
    std::string what;
};
std::optional<SectionFault> CheckSettings(const SettingsFile& file);

// The serial text a camera takes: four characters, each a digit or a capital letter.
bool IsSerialText(std::string_view text);
// The next serial text, counted as an odometer whose digits stay digits and letters stay letters:
// "A001" -> "A002", "A009" -> "A010", "A999" -> "B000", "AZ99" -> "BA00". Nothing after the last one
// ("Z999", "9999", "ZZZZ") or for a text that is not a serial.
std::optional<std::string> SerialAfter(std::string_view serial);
// Sets the serial text of the camera section and turns the serial on.
void SetSerial(decoder::MenuSettings& menu, std::string_view serial);
// The serial text the camera section holds ("0000".."ZZZZ").
std::string SerialText(const decoder::MenuSettings& menu);

}  // namespace corvane::settings
