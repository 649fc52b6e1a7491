#include "app/program_icon.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

namespace corvane {
namespace {

// The icon built into the program shows exactly the pixels Qt makes of the PNG files it comes from, in every
// size. (Only the colour-space tag that a PNG carries is not kept; Qt paints pixmaps and sends window icons
// without looking at it.)
TEST(ProgramIcon, EverySizeHasThePixelsOfItsPngFile) {
    const QIcon icon = ProgramIcon();
    const QList<QSize> expectedSizes = {QSize(16, 16), QSize(32, 32), QSize(48, 48), QSize(256, 256)};
    EXPECT_EQ(icon.availableSizes(), expectedSizes);
    for (const QSize& size : expectedSizes) {
        SCOPED_TRACE(size.width());
        const QImage png(QStringLiteral(CORVANE_ICON_DIR "/corvane-%1.png").arg(size.width()));
        ASSERT_FALSE(png.isNull());
        const QImage shown = icon.pixmap(size).toImage();
        const QImage expected = QPixmap::fromImage(png).toImage();
        ASSERT_EQ(shown.format(), expected.format());
        ASSERT_EQ(shown.size(), expected.size());
        int differing = 0;
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                if (shown.pixel(x, y) != expected.pixel(x, y) && differing++ == 0) {
                    ADD_FAILURE() << "first difference at " << x << "," << y << ": " << std::hex
                                  << shown.pixel(x, y) << " instead of " << expected.pixel(x, y);
                }
            }
        }
        EXPECT_EQ(differing, 0);
    }
    // One icon for every window: the same pixmaps, not a new decoding.
    EXPECT_EQ(ProgramIcon().cacheKey(), icon.cacheKey());
}

}  // namespace
}  // namespace corvane
