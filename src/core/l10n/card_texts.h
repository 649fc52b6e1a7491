#pragma once

#include <cstdint>
#include <string>

// Texts about the output folder and the memory card, shared by the three setup dialogs. Unlike the older
// messages, which exist in Chinese and English only, these exist in all ten languages.
namespace corvane {

// The line added to a success message: where the file went. Takes any language value (outside 1..10:
// English) and the full path of the written file, shown as given. UTF-8.
std::string WrittenToText(int32_t language, const std::string& filePath);

// The message when the folder was a memory card's root and no card is mounted there any more, so nothing
// is written: names the folder, asks to put the card back or choose another folder.
std::string CardGoneText(int32_t language, const std::string& folder);

}  // namespace corvane
