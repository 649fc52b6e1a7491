#pragma once

// Which controls name an edit field or list for screen readers, from the template alone: the nearest word
// label left of it on its row and the heading right above it; with neither, the nearest list or button
// left of it on its row.
// Both backends name their fields by it.

#include <string>
#include <vector>

#include "framework/dialog_template.h"

namespace corvane {

// True for the controls that get a name: edit fields and drop-down lists.
bool IsNamed(ControlKind kind);
// Indices of the controls that name controls[field], in reading order (may be empty).
std::vector<size_t> NamingControls(const std::vector<ControlTemplate>& controls, size_t field);
// A control's text as part of a name: on one line, trimmed, without a closing colon.
std::string NamePart(const std::string& text);

}  // namespace corvane
