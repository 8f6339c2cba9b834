#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QString>

namespace velomar {

// The form in which the program carries its pictures, decoded at build time so that start-up
// needs no image decoder and loads no image plugin: the magic "VLMP", then the width, the
// height and the QImage format as little-endian 32-bit words, then the rows of 32-bit pixels.
inline constexpr char kPackedPictureMagic[4] = {'V', 'L', 'M', 'P'};
inline constexpr qsizetype kPackedPictureHeaderSize = 16;

// The picture in `packed`, or a null image when it is not a well-formed packed picture.
QImage unpackPicture(QByteArrayView packed);

// The packed picture stored as the Qt resource `path`.
QImage packedPicture(const QString& path);

} // namespace velomar
