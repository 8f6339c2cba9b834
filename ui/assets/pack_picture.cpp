// Build tool: decodes a picture file (the JPEG emblem, the PNG icons) and writes it in the
// packed form that ui/packed_picture.h describes. Usage: velomar_pack_picture INPUT OUTPUT

#include "ui/packed_picture.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QtEndian>

#include <cstdio>

int main(int argc, char* argv[])
{
    const QCoreApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s INPUT OUTPUT\n", argv[0]);
        return 2;
    }
    QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.isNull()) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return 1;
    }
    image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                          : QImage::Format_RGB32);

    QByteArray packed(velomar::kPackedPictureMagic, sizeof velomar::kPackedPictureMagic);
    for (const auto value :
         {static_cast<quint32>(image.width()), static_cast<quint32>(image.height()),
          static_cast<quint32>(image.format())}) {
        const quint32 little = qToLittleEndian(value);
        packed.append(reinterpret_cast<const char*>(&little), sizeof little);
    }
    for (int y = 0; y < image.height(); ++y) {
        packed.append(reinterpret_cast<const char*>(image.constScanLine(y)),
                      qsizetype{4} * image.width());
    }

    QFile output(QString::fromLocal8Bit(argv[2]));
    if (!output.open(QIODevice::WriteOnly) || output.write(packed) != packed.size()) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
