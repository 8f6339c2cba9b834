#include "ui/packed_picture.h"

#include <QResource>
#include <QtEndian>

#include <cstring>

namespace velomar {

namespace {

quint32 word(QByteArrayView packed, qsizetype index)
{
    return qFromLittleEndian<quint32>(packed.data() + 4 + 4 * index);
}

} // namespace

QImage unpackPicture(QByteArrayView packed)
{
    if (packed.size() < kPackedPictureHeaderSize ||
        std::memcmp(packed.data(), kPackedPictureMagic, sizeof kPackedPictureMagic) != 0) {
        return {};
    }
    const quint32 width = word(packed, 0);
    const quint32 height = word(packed, 1);
    const auto format = static_cast<QImage::Format>(word(packed, 2));
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied) {
        return {};
    }
    if (width == 0 || height == 0 || width > 4096 || height > 4096 ||
        packed.size() - kPackedPictureHeaderSize != qsizetype{4} * width * height) {
        return {};
    }

    QImage image(static_cast<int>(width), static_cast<int>(height), format);
    const qsizetype rowBytes = qsizetype{4} * width;
    const char* pixels = packed.data() + kPackedPictureHeaderSize;
    for (int y = 0; y < image.height(); ++y) {
        std::memcpy(image.scanLine(y), pixels + y * rowBytes, static_cast<std::size_t>(rowBytes));
    }
    return image;
}

QImage packedPicture(const QString& path)
{
    const QResource resource(path);
    if (!resource.isValid()) {
        return {};
    }
    if (resource.compressionAlgorithm() != QResource::NoCompression) {
        return unpackPicture(resource.uncompressedData());
    }
    return unpackPicture(QByteArrayView(resource.data(), resource.size()));
}

} // namespace velomar
