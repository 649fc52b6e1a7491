#include "app/program_icon.h"

#include <QCoreApplication>
#include <QImage>
#include <QPixmap>

#include "dialogs/res/icon_pixels.h"

namespace corvane {

namespace {

// Every window shares one icon (QIcon is implicitly shared). It goes with the application object, while
// Qt's image support is still there.
QIcon* sharedIcon = nullptr;

void DropSharedIcon() {
    delete sharedIcon;
    sharedIcon = nullptr;
}

}  // namespace

QIcon ProgramIcon() {
    if (sharedIcon == nullptr) {
        sharedIcon = new QIcon;
        // Pixels decoded at build time: decoding the PNGs here, with Qt's image-format plugins that the
        // image reader loads, cost about a tenth of the time to the main window. They are in the format Qt
        // paints pixmaps from, so the pixmaps read them in place instead of copying them.
        for (const IconPixels& pixels : ProgramIconPixels()) {
            const QImage image(reinterpret_cast<const uchar*>(pixels.argb), pixels.size, pixels.size,
                               QImage::Format_ARGB32_Premultiplied);
            sharedIcon->addPixmap(QPixmap::fromImage(image));
        }
        qAddPostRoutine(DropSharedIcon);
    }
    return *sharedIcon;
}

platform::WindowIcon ProgramWindowIcon() {
    return {ProgramIcon(), ProgramIconX11Property()};
}

}  // namespace corvane
