#include "ui/application_identity.h"

#include <QApplication>
#include <QFontInfo>
#include <QTest>

namespace velomar {

// What the program sets up before its window: its identity and its standard font. That the
// captions stay exact with it is checked on a real X server by x11_window_test.
class ApplicationIdentityTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void identity();
    void standardFontIsTheApplicationsFont();
};

void ApplicationIdentityTest::initTestCase()
{
    applyApplicationIdentity();
}

void ApplicationIdentityTest::identity()
{
    QCOMPARE(ApplicationTitle.toString(), QStringLiteral("Velomar"));
    QCOMPARE(kProductName.toString(), QStringLiteral("Velomar Software"));
    QCOMPARE(kFullVersion.toString(), QStringLiteral("1.0.0.0"));
    QCOMPARE(kVersionText.toString(), QStringLiteral("1.00"));
    QCOMPARE(QApplication::applicationName(), QStringLiteral("Velomar"));
    QCOMPARE(QApplication::applicationVersion(), QStringLiteral("1.00"));
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("hu.velomar.Velomar"));
}

void ApplicationIdentityTest::standardFontIsTheApplicationsFont()
{
    const QFontInfo info(QApplication::font());
    QCOMPARE(info.family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(info.pointSize(), 8);
}

} // namespace velomar

QTEST_MAIN(velomar::ApplicationIdentityTest)
#include "application_identity_test.moc"
