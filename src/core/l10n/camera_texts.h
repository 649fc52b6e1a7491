#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "core/l10n/language.h"
#include "core/models/models.h"

namespace corvane {

// Captions of the camera setup dialog for one language, by the role of the control (the control ids
// differ between the two family variants; the dialog maps roles to ids).
struct CameraCaptions {
    std::string_view cameraMode;
    std::string_view imageSize;
    std::string_view videoSize;
    std::string_view pictureCount;
    std::string_view timeStamp;
    std::string_view senseLevel;
    std::string_view sidePir;
    std::string_view videoLength;
    std::string_view interval;
    std::string_view dateFormat;
    std::string_view setClock;
    std::string_view getTime;
    std::string_view timer1;
    std::string_view timer2;
    std::string_view timer1Start;
    std::string_view timer1Stop;
    std::string_view serialNumber;
    std::string_view timeLapse;
    std::string_view folderButton;
    std::string_view generate;
    std::string_view factoryDefaults;
    std::string_view exit;
    // Set only in Japanese; empty means the template's own text ("Start:", "Stop:", "Hour", "Min",
    // "Sec") stays.
    std::string_view timer2Start = {};
    std::string_view timer2Stop = {};
    std::string_view hourLabel = {};
    std::string_view minuteLabel = {};
    std::string_view secondLabel = {};
};

// Entries of the language-dependent lists, in index order (the index is what the camera stores).
struct CameraListTexts {
    std::array<std::string_view, 3> cameraMode;    // photo, video, photo and video
    std::array<std::string_view, 3> pictureCount;  // 1, 2, 3 pictures
    std::array<std::string_view, 2> timeStamp;     // on, off
    std::array<std::string_view, 2> timeLapse;     // on, off
    std::array<std::string_view, 4> senseLevel;    // normal, high, low, off
    // side PIR, timers 1 and 2, serial number, beep, memory card cycle
    std::array<std::string_view, 2> offOn;         // off, on
    std::array<std::string_view, 2> intervalUnit;  // seconds, minutes
    std::array<std::string_view, 3> dateFormat;    // year-month-day, month-day-year, day-month-year
};

struct CameraTexts {
    CameraCaptions captions;
    CameraListTexts lists;
};

// Takes any language value and a family; returns the dialog's texts (UTF-8). Values outside 1..10
// give the English texts. Never fails.
CameraTexts CameraDialogTexts(int32_t language, ModelFamily family);

// The image size and video size entries of a family, in index order; the same in every language.
std::span<const std::string_view> ImageSizeEntries(ModelFamily family);
std::span<const std::string_view> VideoSizeEntries(ModelFamily family);

// The 36 serial character entries "0".."9", "A".."Z".
std::span<const std::string_view, 36> SerialCharacterEntries();

}  // namespace corvane
