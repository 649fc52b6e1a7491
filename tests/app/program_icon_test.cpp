#include "app/program_icon.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/linux/qt_window_icon.h"

namespace corvane {
namespace {

// The icon built into the program shows exactly the pixels Qt makes of the PNG files it comes from, in every
// size. (Only the colour-space tag that a PNG carries is not kept; Qt paints pixmaps and sends window icons
// without looking at it.)
TEST(ProgramIcon, EverySizeHasThePixelsOfItsPngFile) {
    const QIcon icon = platform::ToQIcon(ProgramWindowIcon());
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
    EXPECT_EQ(platform::ToQIcon(ProgramWindowIcon()).cacheKey(), icon.cacheKey());
}

// The window property holds the same sizes, each after its width and height, as straight ARGB words that
// premultiply to exactly the pixels painted from the icon: the window manager shows the same picture.
TEST(ProgramIcon, TheX11PropertyHoldsEverySizeWithThePaintedPixels) {
    const QIcon icon = platform::ToQIcon(ProgramWindowIcon());
    const std::span<const uint32_t> property = ProgramWindowIcon().x11Property;
    size_t at = 0;
    std::vector<int> sizes;
    while (at + 2 <= property.size()) {
        const int width = static_cast<int>(property[at]);
        const int height = static_cast<int>(property[at + 1]);
        at += 2;
        ASSERT_EQ(width, height);
        ASSERT_LE(at + static_cast<size_t>(width) * height, property.size()) << "size " << width;
        sizes.push_back(width);
        const QImage painted =
            icon.pixmap(width, height).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        int differing = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const QRgb premultiplied = qPremultiply(property[at + static_cast<size_t>(y) * width + x]);
                if (premultiplied != painted.pixel(x, y) && differing++ == 0) {
                    ADD_FAILURE() << "size " << width << ": first difference at " << x << "," << y;
                }
            }
        }
        EXPECT_EQ(differing, 0) << "size " << width;
        at += static_cast<size_t>(width) * height;
    }
    EXPECT_EQ(at, property.size()) << "words left over";
    EXPECT_EQ(sizes, (std::vector<int>{16, 32, 48, 256}));
}

}  // namespace
}  // namespace corvane
