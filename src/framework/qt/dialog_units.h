#pragma once

// Dialog units: x px = dlu_x * cx / 4, y px = dlu_y * cy / 8, each rounded as the Windows MulDiv rounds,
// with cx the rounded average width of the 52 letters A-Z a-z in the dialog font and cy its height.

#include <QFont>
#include <QRect>
#include <string>

namespace corvane {

// number * numerator / denominator computed in 64 bits and rounded half away from zero.
// Returns -1 when denominator is 0 or the result does not fit an int (as the Windows MulDiv does).
int MulDiv(int number, int numerator, int denominator);

struct DialogBaseUnits {
    int cx = 0;  // average character width in pixels
    int cy = 0;  // character height in pixels

    int ToPixelsX(int dluX) const { return MulDiv(dluX, cx, 4); }
    int ToPixelsY(int dluY) const { return MulDiv(dluY, cy, 8); }
    // Each of x, y, width and height converted on its own, as the dialog manager does.
    QRect ToPixels(int x, int y, int width, int height) const {
        return QRect(ToPixelsX(x), ToPixelsY(y), ToPixelsX(width), ToPixelsY(height));
    }
};

// Base units of a font: cx = (advance of "A..Za..z" + 26) / 52, cy = font height, in pixels.
DialogBaseUnits BaseUnitsOf(const QFont& font);

// The dialog font: the named family at the given point size when it is installed, otherwise an installed
// font that can show Chinese and Japanese ("WenQuanYi Micro Hei" and similar), otherwise the application
// font.
QFont ResolveDialogFont(const std::string& family, int points);

}  // namespace corvane
