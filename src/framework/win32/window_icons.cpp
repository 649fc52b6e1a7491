#include "framework/window_icons.h"

#include <cstdint>
#include <vector>

#include "platform/window_icon.h"

#include "framework/win32_api.h"

namespace corvane::win32 {

namespace {

// The smallest image at least `size` wide, else the largest.
const platform::IconImage* NearestImage(const platform::WindowIcon& icon, int size) {
    const platform::IconImage* best = nullptr;
    for (const platform::IconImage& image : icon.images) {
        if (image.argb == nullptr || image.size <= 0) {
            continue;
        }
        const bool fits = image.size >= size;
        if (best == nullptr || (fits && (best->size < size || image.size < best->size)) ||
            (!fits && best->size < size && image.size > best->size)) {
            best = &image;
        }
    }
    return best;
}

HICON IconFromImage(const platform::IconImage& image, int size) {
    BITMAPV5HEADER header{};
    header.bV5Size = sizeof(header);
    header.bV5Width = size;
    header.bV5Height = -size;  // top-down rows
    header.bV5Planes = 1;
    header.bV5BitCount = 32;
    header.bV5Compression = BI_BITFIELDS;
    header.bV5RedMask = 0x00FF0000;
    header.bV5GreenMask = 0x0000FF00;
    header.bV5BlueMask = 0x000000FF;
    header.bV5AlphaMask = 0xFF000000;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP colour =
        CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    if (colour == nullptr) {
        return nullptr;
    }
    // Nearest-neighbour scaling; icons keep straight (not premultiplied) alpha.
    auto* out = static_cast<uint32_t*>(bits);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const uint32_t p = image.argb[(y * image.size / size) * image.size + (x * image.size / size)];
            const uint32_t a = p >> 24;
            uint32_t r = (p >> 16) & 0xFF;
            uint32_t g = (p >> 8) & 0xFF;
            uint32_t b = p & 0xFF;
            if (a != 0 && a != 255) {
                r = r * 255 / a;
                g = g * 255 / a;
                b = b * 255 / a;
            }
            out[y * size + x] =
                (a << 24) | ((r > 255 ? 255 : r) << 16) | ((g > 255 ? 255 : g) << 8) | (b > 255 ? 255 : b);
        }
    }
    std::vector<uint8_t> maskBits(static_cast<size_t>((size + 15) / 16 * 2 * size), 0);
    HBITMAP mask = CreateBitmap(size, size, 1, 1, maskBits.data());
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = colour;
    info.hbmMask = mask;
    HICON made = CreateIconIndirect(&info);
    DeleteObject(colour);
    DeleteObject(mask);
    return made;
}

}  // namespace

HICON MakeIcon(const platform::WindowIcon& icon, int size) {
    if (size <= 0) {
        return nullptr;
    }
    if (icon.resourceId != 0) {
        if (auto* loaded =
                static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(icon.resourceId),
                                              IMAGE_ICON, size, size, LR_DEFAULTCOLOR))) {
            return loaded;
        }
    }
    const platform::IconImage* image = NearestImage(icon, size);
    return image != nullptr ? IconFromImage(*image, size) : nullptr;
}

}  // namespace corvane::win32
