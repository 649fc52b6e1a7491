#pragma once

#include <QIcon>

namespace corvane {

// Icon 152: the program's icon, for its windows and its messages.
QIcon ProgramIcon();

}  // namespace corvane
