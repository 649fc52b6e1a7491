#pragma once

#include <QIcon>

#include "platform/window_icon.h"

class QWidget;

namespace corvane::platform {

// The icon as Qt paints it; made once per icon and shared (QIcon is implicitly shared) until the
// application object goes.
QIcon ToQIcon(const WindowIcon& icon);

// Gives `window`, a top-level window not yet shown, the icon: under X11 as one property request on its
// native window (made now if it does not exist yet), elsewhere through Qt.
void ShowWindowIcon(QWidget& window, const WindowIcon& icon);

}  // namespace corvane::platform
