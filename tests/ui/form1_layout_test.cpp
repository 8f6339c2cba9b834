#include "form1_fixture.h"
#include "ui/hatch.h"

#include <QAccessible>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace velomar {

// Every control of the window as laid out in twips, with its initial text and tab index.
class Form1LayoutTest : public QObject, public Form1Fixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controls_data();
    void controls();
    void tabIndexIsTheFocusChainOrder();
    void windowIsFixedWithMenuAndCloseOnly();
    void backgroundIsTheHatchFromTheCorner();
    void labelsAreTransparentAndColoured();
    void textsFitWhereTheyShow_data();
    void textsFitWhereTheyShow();
    void fonts();
    void fieldsShowTheForegroundColour();
    void directionListAndLimits();
    void emblemFillsItsBoxUnscaled();
    void buttonFaceCarriesTheHatch();
    void iconHasBothSizes();
    void accessibleNames_data();
    void accessibleNames();

private:
    QImage rendered() const
    {
        return m_form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
};

void Form1LayoutTest::init()
{
    showForm();
}

void Form1LayoutTest::cleanup()
{
    closeForm();
}

void Form1LayoutTest::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QRect>("twipsGeometry");
    QTest::addColumn<QString>("text");

    const auto row = [](const char* name, const char* kind, QRect twips, const QString& text) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(kind) << twips
                            << text;
    };
    row("Label1", "QLabel", {120, 720, 1695, 255}, QStringLiteral("Szabad tőke: "));
    row("Label2", "QLabel", {120, 1080, 1695, 255}, QStringLiteral("Belépési pont:"));
    row("Label3", "QLabel", {120, 1440, 1695, 255}, QStringLiteral("Cél árfolyam:"));
    row("Label4", "QLabel", {120, 1800, 1695, 255}, QStringLiteral("Stop-Loss:"));
    row("Label5", "QLabel", {120, 2160, 1695, 255}, QStringLiteral("Kereskedés iránya:"));
    row("Command1", "QPushButton", {1680, 2880, 1335, 375}, QStringLiteral("Számol"));
    row("Text1", "QLineEdit", {1800, 720, 1095, 285}, QStringLiteral("5"));
    row("Text2", "QLineEdit", {1800, 1080, 1095, 285}, QStringLiteral("15620"));
    row("Text3", "QLineEdit", {1800, 1440, 1095, 285}, QStringLiteral("15700"));
    row("Text4", "QLineEdit", {1800, 1800, 1095, 285}, QStringLiteral("15580"));
    row("Combo1", "QComboBox", {1800, 2160, 1095, 315}, QStringLiteral("Long"));
    row("Label7", "QLabel", {1080, 120, 3975, 615}, QStringLiteral("Velomar Software"));
    row("Label8", "QLabel", {3600, 720, 2535, 255}, QStringLiteral("A szabad tőke $-ban értendő."));
    row("Label9", "QLabel", {3600, 1680, 2535, 615},
        QStringLiteral("A pozíció mérete a 100 X-os tőkeáttételt figyelembe véve kalkulálódik."));
    row("Label6", "QLabel", {3600, 1080, 2415, 255},
        QStringLiteral("Az értékek tizedes jel nélkül"));
    row("Label10", "QLabel", {3600, 1320, 2295, 255}, QStringLiteral("írandók be."));
    row("Label11", "QLabel", {120, 3840, 2655, 375}, QStringLiteral("© 2026 Velomar Software"));
    row("Image1", "QLabel", {3600, 2400, 2175, 1650}, QString());
}

void Form1LayoutTest::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QRect, twipsGeometry);
    QFETCH(QString, text);

    auto* widget = m_form->findChild<QWidget*>(name);
    QVERIFY2(widget != nullptr, qPrintable(name));
    QCOMPARE(widget->parentWidget(), m_form.get());
    QVERIFY2(widget->inherits(kind.toLatin1().constData()), widget->metaObject()->className());
    QCOMPARE(widget->geometry(), QRect(twipsGeometry.x() / 15, twipsGeometry.y() / 15,
                                       twipsGeometry.width() / 15, twipsGeometry.height() / 15));
    QVERIFY(widget->isVisible());

    if (auto* label = qobject_cast<QLabel*>(widget)) {
        QCOMPARE(label->text(), text);
    } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        QCOMPARE(box->text(), text);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        QCOMPARE(combo->currentText(), text);
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QCOMPARE(button->text(), text);
    }
}

void Form1LayoutTest::tabIndexIsTheFocusChainOrder()
{
    const QStringList byTabIndex{"Label1", "Label2", "Label3", "Label4",  "Label5", "Command1",
                                 "Text1",  "Text2",  "Text3",  "Text4",   "Combo1", "Label7",
                                 "Label8", "Label9", "Label6", "Label10", "Label11"};
    QStringList chain;
    for (QWidget* w = m_form->nextInFocusChain(); w != m_form.get(); w = w->nextInFocusChain()) {
        if (w->parentWidget() == m_form.get() && !w->objectName().isEmpty() &&
            w->objectName() != QLatin1String("Image1")) {
            chain << w->objectName();
        }
    }
    QCOMPARE(chain, byTabIndex);

    for (const char* name : {"Label1", "Label5", "Label7", "Label9", "Label11", "Image1"}) {
        QCOMPARE(control<QWidget>(name)->focusPolicy(), Qt::NoFocus);
    }
}

void Form1LayoutTest::windowIsFixedWithMenuAndCloseOnly()
{
    QCOMPARE(m_form->objectName(), QStringLiteral("Form1"));
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Velomar Software"));
    QCOMPARE(m_form->size(), QSize(391, 276));
    QCOMPARE(m_form->minimumSize(), QSize(391, 276));
    QCOMPARE(m_form->maximumSize(), QSize(391, 276));

    const Qt::WindowFlags flags = m_form->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Window);
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
}

void Form1LayoutTest::backgroundIsTheHatchFromTheCorner()
{
    const QImage image = rendered();
    QCOMPARE(image.size(), QSize(391, 276));
    // No control covers the top band above Label7 nor the left band beside the labels.
    for (int y = 0; y < 276; ++y) {
        for (int x = 0; x < 391; ++x) {
            if (y >= 8 && x >= 8) {
                continue;
            }
            if (image.pixel(x, y) != hatchPixel(x, y)) {
                QFAIL(qPrintable(QStringLiteral("background pixel (%1, %2)").arg(x).arg(y)));
            }
        }
    }
}

void Form1LayoutTest::labelsAreTransparentAndColoured()
{
    const QImage image = rendered();
    // The last row of Label8's box holds no text: the hatch shows through it to the edge.
    const QRect hint = control<QLabel>("Label8")->geometry();
    for (int x = hint.left(); x < 391; ++x) {
        QCOMPARE(image.pixel(x, hint.bottom()), hatchPixel(x, hint.bottom()));
    }

    // The text itself is drawn in RGB(128, 128, 255): the darkest pixel of the title is it.
    const QColor foreground(128, 128, 255);
    for (const char* name : {"Label1", "Label7", "Label9", "Label11"}) {
        auto* label = control<QLabel>(name);
        QVERIFY(!label->autoFillBackground());
        QCOMPARE(label->palette().color(QPalette::WindowText), foreground);
        QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        QVERIFY(label->wordWrap());
    }
    const QRect title = control<QLabel>("Label7")->geometry();
    bool foundForeground = false;
    for (int y = title.top(); y <= title.bottom() && !foundForeground; ++y) {
        for (int x = title.left(); x <= title.right(); ++x) {
            if (image.pixel(x, y) == foreground.rgb()) {
                foundForeground = true;
                break;
            }
        }
    }
    QVERIFY(foundForeground);
}

void Form1LayoutTest::textsFitWhereTheyShow_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("lines");
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label7", "Label8",
                             "Label6", "Label10", "Label11"}) {
        QTest::newRow(name) << QString::fromLatin1(name) << 1;
    }
    QTest::newRow("Label9") << QStringLiteral("Label9") << 3;
}

void Form1LayoutTest::textsFitWhereTheyShow()
{
    QFETCH(QString, name);
    QFETCH(int, lines);
    auto* label = m_form->findChild<QLabel*>(name);
    QVERIFY(label != nullptr);

    // What shows of the box: its contents, clipped by the window's client area.
    const QRect box = label->geometry().marginsRemoved(label->contentsMargins());
    const QRect visible = box.intersected(m_form->rect());
    const QFontMetrics metrics(label->font());
    const QRect needed = metrics.boundingRect(QRect(0, 0, visible.width(), 10000),
                                              Qt::AlignLeft | Qt::TextWordWrap, label->text());
    QVERIFY2(needed.width() <= visible.width(),
             qPrintable(QStringLiteral("%1 > %2").arg(needed.width()).arg(visible.width())));
    QVERIFY2(needed.height() <= visible.height(),
             qPrintable(QStringLiteral("%1 > %2").arg(needed.height()).arg(visible.height())));
    QCOMPARE(needed.height() / metrics.lineSpacing(), lines);

    auto* button = control<QPushButton>("Command1");
    QVERIFY(QFontMetrics(button->font()).horizontalAdvance(button->text()) < button->width() - 8);
}

void Form1LayoutTest::fonts()
{
    // The standard font comes from a package the set-up installs, so it is what shows.
    for (const char* name : {"Label1", "Label9", "Text1", "Combo1", "Command1"}) {
        const QFontInfo info(control<QWidget>(name)->font());
        QCOMPARE(info.family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(info.pointSize(), 8);
    }
    // The title is in MS Sans Serif where it is installed, Liberation Sans otherwise.
    const QString expected = QFontDatabase::families().contains(QStringLiteral("MS Sans Serif"))
                                 ? QStringLiteral("MS Sans Serif")
                                 : QStringLiteral("Liberation Sans");
    const QFontInfo titleInfo(control<QLabel>("Label7")->font());
    QCOMPARE(titleInfo.family(), expected);
    QCOMPARE(titleInfo.pointSize(), 12);
    QVERIFY(titleInfo.bold());
}

void Form1LayoutTest::fieldsShowTheForegroundColour()
{
    const QColor foreground(128, 128, 255);
    for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Combo1"}) {
        QCOMPARE(control<QWidget>(name)->palette().color(QPalette::Text), foreground);
    }
    QCOMPARE(control<QComboBox>("Combo1")->lineEdit()->palette().color(QPalette::Text), foreground);
}

void Form1LayoutTest::directionListAndLimits()
{
    auto* combo = control<QComboBox>("Combo1");
    QVERIFY(combo->isEditable());
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->itemText(0), QStringLiteral("Long"));
    QCOMPARE(combo->itemText(1), QStringLiteral("Short"));
    for (const char* name : {"Text1", "Text2", "Text3", "Text4"}) {
        QCOMPARE(control<QLineEdit>(name)->maxLength(), 11);
        QCOMPARE(control<QLineEdit>(name)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    }
}

void Form1LayoutTest::emblemFillsItsBoxUnscaled()
{
    // The picture shown is the JPEG in the assets, pixel for pixel.
    const QImage emblem(QStringLiteral(VELOMAR_ASSETS_DIR "/emblem.jpg"));
    QCOMPARE(emblem.size(), QSize(145, 110));
    auto* image = control<QLabel>("Image1");
    QCOMPARE(image->size(), emblem.size());
    QVERIFY(!image->hasScaledContents());

    const QImage shown = rendered().copy(image->geometry());
    const QImage expected = emblem.convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown, expected);
}

void Form1LayoutTest::buttonFaceCarriesTheHatch()
{
    auto* button = control<QPushButton>("Command1");
    const QImage face = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(face.size(), QSize(89, 25));
    // Inside the bevel the 112 x 34 picture, centred, covers the face colour entirely.
    int white = 0;
    int grey = 0;
    for (int y = 3; y < 22; ++y) {
        for (int x = 3; x < 86; ++x) {
            const QRgb pixel = face.pixel(x, y);
            QVERIFY(pixel != qRgb(128, 128, 255));
            white += pixel == qRgb(255, 255, 255) ? 1 : 0;
            grey += pixel == qRgb(229, 229, 229) || pixel == qRgb(230, 230, 230) ? 1 : 0;
        }
    }
    QVERIFY(white > grey);
    QVERIFY(grey > 0);
}

void Form1LayoutTest::iconHasBothSizes()
{
    const QIcon icon = m_form->windowIcon();
    const QList<QSize> sizes = icon.availableSizes();
    QVERIFY(sizes.contains(QSize(16, 16)));
    QVERIFY(sizes.contains(QSize(32, 32)));
    for (const int size : {16, 32}) {
        const QImage shown = icon.pixmap(QSize(size, size))
                                 .toImage()
                                 .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage source = QImage(QStringLiteral(VELOMAR_ASSETS_DIR "/icon-%1.png").arg(size))
                                  .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(shown, source);
    }
}

void Form1LayoutTest::accessibleNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("label");
    QTest::newRow("Text1") << QStringLiteral("Text1") << QStringLiteral("Label1");
    QTest::newRow("Text2") << QStringLiteral("Text2") << QStringLiteral("Label2");
    QTest::newRow("Text3") << QStringLiteral("Text3") << QStringLiteral("Label3");
    QTest::newRow("Text4") << QStringLiteral("Text4") << QStringLiteral("Label4");
    QTest::newRow("Combo1") << QStringLiteral("Combo1") << QStringLiteral("Label5");
}

void Form1LayoutTest::accessibleNames()
{
    QFETCH(QString, name);
    QFETCH(QString, label);
    auto* field = m_form->findChild<QWidget*>(name);
    auto* beside = m_form->findChild<QLabel*>(label);
    QVERIFY(field != nullptr && beside != nullptr);
    // The label's text without its colon and trailing blank.
    QString expected = beside->text().trimmed();
    expected.chop(1);
    QCOMPARE(field->accessibleName(), expected);
    QCOMPARE(beside->buddy(), field);
    QCOMPARE(control<QPushButton>("Command1")->accessibleName(), QStringLiteral("Számol"));
}

} // namespace velomar

QTEST_MAIN(velomar::Form1LayoutTest)
#include "form1_layout_test.moc"
