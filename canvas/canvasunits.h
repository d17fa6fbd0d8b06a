#pragma once

#include <QRect>

// The window and the canvas are laid out in twips, as designed: 15 twips to a
// logical pixel.
inline constexpr int kTwipsPerPixel = 15;

// A rectangle in twips, as the layout gives it.
struct Twips
{
    int left, top, width, height;
    constexpr QRect toPixels() const
    {
        return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
            height / kTwipsPerPixel);
    }
};

// Narrowing of a coordinate for the canvas, to the nearest single; values
// beyond the single range become infinities.
float ToCanvas(double value);
