#pragma once

// A DialogTemplate as the in-memory extended dialog template (DLGTEMPLATEEX) the dialog manager runs.

#include <cstdint>
#include <string>
#include <vector>

#include "framework/dialog_template.h"

namespace corvane::win32 {

// What each window the dialog manager makes from the built template is, in creation (z) order.
struct BuiltItem {
    size_t control;  // index in the template's controls
    bool nameLabel;  // a hidden label that names that control for screen readers
};

struct BuiltTemplate {
    std::vector<uint32_t> words;  // the template, DWORD-aligned as the dialog manager wants it
    std::vector<BuiltItem> items;
};

// `fontName` is the font the dialog uses (the template's when installed); `shellFont` asks for
// DS_SHELLFONT (the system's dialog font with its CJK font links). `namedByHiddenLabel[i]` puts a hidden
// label just before control i.
BuiltTemplate BuildDialogTemplate(const DialogTemplate& dialog, const std::string& fontName, bool shellFont,
                                  const std::vector<bool>& namedByHiddenLabel);

// The first push button of kind kDefPushButton with an id: the dialog's default button (0 when none).
int TemplateDefaultButton(const DialogTemplate& dialog);

}  // namespace corvane::win32
