#include "ui/hatch.h"

#include <QTest>

namespace velomar {

class HatchTest : public QObject
{
    Q_OBJECT

private slots:
    void everyPixelFollowsTheRule_data();
    void everyPixelFollowsTheRule();
};

void HatchTest::everyPixelFollowsTheRule_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("window background") << QSize(399, 289);
    QTest::newRow("button face") << QSize(112, 34);
}

void HatchTest::everyPixelFollowsTheRule()
{
    QFETCH(QSize, size);
    const QImage picture = hatchPicture(size);
    QCOMPARE(picture.size(), size);
    QVERIFY(!picture.hasAlphaChannel());

    const QRgb white = qRgb(255, 255, 255);
    for (int y = 0; y < size.height(); ++y) {
        // On row y the grey pixels stand at x = 2 - y, 5 - y, 8 - y, ... (mod 3): a line
        // rising to the right every third pixel.
        const int firstGrey = ((2 - y) % 3 + 3) % 3;
        const QRgb grey = y % 3 == 0 ? qRgb(230, 230, 230) : qRgb(229, 229, 229);
        for (int x = 0; x < size.width(); ++x) {
            const QRgb expected = (x - firstGrey) % 3 == 0 ? grey : white;
            if (picture.pixel(x, y) != expected) {
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is %3, not %4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(picture.pixel(x, y), 8, 16)
                                     .arg(expected, 8, 16)));
            }
        }
    }
    // The corner pixels spelled out: (0,0) white, (2,0) grey 230, (1,1) grey 229.
    QCOMPARE(picture.pixel(0, 0), white);
    QCOMPARE(picture.pixel(2, 0), qRgb(230, 230, 230));
    QCOMPARE(picture.pixel(1, 1), qRgb(229, 229, 229));
    QCOMPARE(picture.pixel(0, 2), qRgb(229, 229, 229));
    QCOMPARE(picture.pixel(2, 3), qRgb(230, 230, 230));
}

} // namespace velomar

QTEST_APPLESS_MAIN(velomar::HatchTest)
#include "hatch_test.moc"
