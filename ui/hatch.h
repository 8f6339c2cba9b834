#pragma once

#include <QImage>
#include <QSize>

namespace velomar {

// The fine hatch behind the window and on the button's face: diagonal light-grey lines rising
// to the right, three pixels apart, on white.
QRgb hatchPixel(int x, int y);
QImage hatchPicture(QSize size);

} // namespace velomar
