#include "ui/hatch.h"

namespace velomar {

QRgb hatchPixel(int x, int y)
{
    if ((x + y) % 3 != 2) {
        return qRgb(255, 255, 255);
    }
    return y % 3 == 0 ? qRgb(230, 230, 230) : qRgb(229, 229, 229);
}

QImage hatchPicture(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        const QRgb grey = hatchPixel(2 - y % 3, y);
        // Walk the row with (x + y) mod 3 kept in a counter instead of dividing per pixel.
        int phase = y % 3;
        for (int x = 0; x < size.width(); ++x) {
            line[x] = phase == 2 ? grey : qRgb(255, 255, 255);
            phase = phase == 2 ? 0 : phase + 1;
        }
    }
    return picture;
}

} // namespace velomar
