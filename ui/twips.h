#pragma once

#include <QRect>

namespace velomar {

// Layout values are given in twips, 1/1440 inch: 15 to a pixel at 96 dots per inch. The result
// is in Qt's device-independent pixels, which Qt scales again on high-density screens.
inline constexpr int kTwipsPerPixel = 15;

consteval int twips(int value)
{
    if (value % kTwipsPerPixel != 0) {
        throw "a layout value must be a whole number of pixels";
    }
    return value / kTwipsPerPixel;
}

consteval QRect twipsRect(int left, int top, int width, int height)
{
    return {twips(left), twips(top), twips(width), twips(height)};
}

} // namespace velomar
