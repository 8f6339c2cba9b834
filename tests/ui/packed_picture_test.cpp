#include "ui/packed_picture.h"

#include <QTest>
#include <QtEndian>

namespace velomar {

// The pictures the program carries are its asset files, decoded; anything that is not a
// well-formed packed picture gives a null image rather than garbage.
class PackedPictureTest : public QObject
{
    Q_OBJECT

private slots:
    void carriedPicturesAreTheAssets_data();
    void carriedPicturesAreTheAssets();
    void malformedDataGivesNoPicture_data();
    void malformedDataGivesNoPicture();
};

void PackedPictureTest::carriedPicturesAreTheAssets_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QString>("asset");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("alpha");
    QTest::newRow("emblem") << ":/velomar/emblem.picture"
                            << "emblem.jpg" << QSize(145, 110) << false;
    QTest::newRow("icon 16") << ":/velomar/icon-16.picture"
                             << "icon-16.png" << QSize(16, 16) << true;
    QTest::newRow("icon 32") << ":/velomar/icon-32.picture"
                             << "icon-32.png" << QSize(32, 32) << true;
}

void PackedPictureTest::carriedPicturesAreTheAssets()
{
    QFETCH(QString, resource);
    QFETCH(QString, asset);
    QFETCH(QSize, size);
    QFETCH(bool, alpha);
    const QImage carried = packedPicture(resource);
    QCOMPARE(carried.size(), size);
    QCOMPARE(carried.hasAlphaChannel(), alpha);
    const QImage source =
        QImage(QStringLiteral(VELOMAR_ASSETS_DIR "/") + asset).convertToFormat(carried.format());
    QCOMPARE(carried, source);
}

void PackedPictureTest::malformedDataGivesNoPicture_data()
{
    const auto header = [](const char* magic, quint32 width, quint32 height, quint32 format) {
        QByteArray data(magic, 4);
        for (const quint32 value : {width, height, format}) {
            const quint32 little = qToLittleEndian(value);
            data.append(reinterpret_cast<const char*>(&little), 4);
        }
        return data;
    };
    const auto rgb32 = static_cast<quint32>(QImage::Format_RGB32);
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("short header") << QByteArray("VLMP\x02\x00", 6);
    QTest::newRow("wrong magic") << header("PNG!", 1, 1, rgb32) + QByteArray(4, '\xff');
    QTest::newRow("pixels missing") << header("VLMP", 2, 2, rgb32) + QByteArray(12, '\xff');
    QTest::newRow("pixels left over") << header("VLMP", 1, 1, rgb32) + QByteArray(8, '\xff');
    QTest::newRow("zero width") << header("VLMP", 0, 1, rgb32);
    QTest::newRow("huge size") << header("VLMP", 0x40000000, 0x40000000, rgb32);
    QTest::newRow("other format") << header("VLMP", 1, 1,
                                            static_cast<quint32>(QImage::Format_RGB888)) +
                                         QByteArray(4, '\xff');
}

void PackedPictureTest::malformedDataGivesNoPicture()
{
    QFETCH(QByteArray, data);
    QVERIFY(unpackPicture(data).isNull());
    QVERIFY(packedPicture(QStringLiteral(":/velomar/no-such.picture")).isNull());
}

} // namespace velomar

QTEST_APPLESS_MAIN(velomar::PackedPictureTest)
#include "packed_picture_test.moc"
