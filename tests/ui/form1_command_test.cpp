#include "calc/result_message.h"
#include "form1_fixture.h"
#include "message_box_watcher.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace velomar {

// Presses "Számol" with real events and reads the box the program really shows. The test runs
// once in a Hungarian and once in an English locale, set by its environment.
class Form1CommandTest : public QObject, public Form1Fixture
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void enterRightAfterStartShowsTheDefaults();
    void anEmptyFieldIsReported();
    void shortWithTargetAndStopSwapped();
    void unrecognisedDirectionLeavesTheFiguresEmpty();
    void decimalsFollowTheLocale();
    void hugeFiguresAreWrittenWithAPowerOfTen();
    void twoPressesShowTwoIdenticalBoxes();
    void failuresAreReportedAndFocusTheField_data();
    void failuresAreReportedAndFocusTheField();

private:
    // Replaces a field's text by typing, as a user would: select all, then type.
    void retype(const char* name, const QString& text)
    {
        QWidget* field = control<QWidget>(name);
        field->setFocus();
        QWidget* editor = QApplication::focusWidget();
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_Delete);
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(editor, c.toLatin1());
            } else {
                // Beyond ASCII there is no key code to derive; the event carries the text.
                QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
            }
        }
    }
    QStringList fieldTexts() const
    {
        return {control<QLineEdit>("Text1")->text(), control<QLineEdit>("Text2")->text(),
                control<QLineEdit>("Text3")->text(), control<QLineEdit>("Text4")->text(),
                control<QComboBox>("Combo1")->currentText()};
    }
    bool anyTextSelected() const
    {
        for (const char* name : {"Text1", "Text2", "Text3", "Text4"}) {
            if (control<QLineEdit>(name)->hasSelectedText()) {
                return true;
            }
        }
        return control<QComboBox>("Combo1")->lineEdit()->hasSelectedText();
    }
    // Presses the button with the keyboard from wherever the focus is, the way a user does:
    // back to the button with Shift+Tab presses, then Enter. Returns the box it showed.
    void pressWithEnter()
    {
        for (int i = 0; i < 6 && focusedControl() != QLatin1String("Command1"); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        }
        QCOMPARE(focusedControl(), QStringLiteral("Command1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(QApplication::focusWidget() != nullptr);
    }
    void checkOneBox(const MessageBoxWatcher& watcher, const QString& expected)
    {
        QCOMPARE(watcher.boxes().size(), 1);
        const auto& box = watcher.boxes().first();
        QCOMPARE(box.caption, QStringLiteral("Velomar"));
        QCOMPARE(box.shownText, expected);
        QCOMPARE(box.text, expected);
        QCOMPARE(box.textFormat, Qt::PlainText);
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QVERIFY(!box.hasIconPixmap);
        QCOMPARE(box.buttons.size(), 1);
        QCOMPARE(box.owner, m_form.get());
        QVERIFY(box.modal);
    }
    QString result(const QString& multiple, const QString& size) const
    {
        return QString::fromUtf8(kRiskRewardPrefix) + multiple + QLatin1Char('\n') +
               QString::fromUtf8(kPositionSizePrefix) + size;
    }

    QString m_separator;
    QString m_otherSeparator;
};

void Form1CommandTest::initTestCase()
{
    m_separator = QLocale().decimalPoint();
    QVERIFY2(m_separator == QLatin1String(",") || m_separator == QLatin1String("."),
             qPrintable(m_separator));
    m_otherSeparator =
        m_separator == QLatin1String(",") ? QStringLiteral(".") : QStringLiteral(",");
    qInfo("locale %s, decimal separator '%s'", qPrintable(QLocale().name()),
          qPrintable(m_separator));
}

void Form1CommandTest::init()
{
    showForm();
}

void Form1CommandTest::cleanup()
{
    closeForm();
}

void Form1CommandTest::enterRightAfterStartShowsTheDefaults()
{
    const QStringList before = fieldTexts();
    const MessageBoxWatcher watcher;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    checkOneBox(watcher, result(QStringLiteral("2"), QStringLiteral("12")));
    QCOMPARE(watcher.boxes().first().buttons, QStringList{QStringLiteral("OK")});

    QCOMPARE(fieldTexts(), before);
    QVERIFY(!anyTextSelected());
    QCOMPARE(focusedControl(), QStringLiteral("Command1"));
}

void Form1CommandTest::anEmptyFieldIsReported()
{
    retype("Text3", QString());
    const QStringList before = fieldTexts();
    const MessageBoxWatcher watcher;
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    checkOneBox(watcher, QStringLiteral("Az összes mező kitöltése kötelező"));

    QCOMPARE(fieldTexts(), before);
    QCOMPARE(control<QLineEdit>("Text3")->text(), QString());
    QCOMPARE(focusedControl(), QStringLiteral("Command1"));
}

void Form1CommandTest::shortWithTargetAndStopSwapped()
{
    retype("Combo1", QStringLiteral("Short"));
    retype("Text3", QStringLiteral("15580"));
    retype("Text4", QStringLiteral("15700"));
    // The focus stays in the stop-loss field; the click moves it to the button.
    const MessageBoxWatcher watcher;
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    checkOneBox(watcher, result(QStringLiteral("0"), QStringLiteral("6")));
    QCOMPARE(fieldTexts(), (QStringList{"5", "15620", "15580", "15700", "Short"}));
}

void Form1CommandTest::unrecognisedDirectionLeavesTheFiguresEmpty()
{
    retype("Combo1", QStringLiteral("long"));
    const MessageBoxWatcher watcher;
    pressWithEnter();
    checkOneBox(watcher, result(QString(), QString()));
    QCOMPARE(control<QComboBox>("Combo1")->currentText(), QStringLiteral("long"));
}

void Form1CommandTest::decimalsFollowTheLocale()
{
    // 2.5 x 100 / 40 = 6.25 gives 6.
    retype("Text1", QStringLiteral("2") + m_separator + QStringLiteral("5"));
    const MessageBoxWatcher watcher;
    pressWithEnter();
    checkOneBox(watcher, result(QStringLiteral("2"), QStringLiteral("6")));
}

void Form1CommandTest::hugeFiguresAreWrittenWithAPowerOfTen()
{
    // Near the largest figures eleven characters allow: 99999999999 / 0.000000001 and
    // 9999999999900 / 0.000000001.
    retype("Text1", QStringLiteral("99999999999"));
    retype("Text2", QStringLiteral("0") + m_separator + QStringLiteral("000000001"));
    retype("Text3", QStringLiteral("99999999999"));
    retype("Text4", QStringLiteral("0"));
    const MessageBoxWatcher watcher;
    pressWithEnter();
    checkOneBox(watcher,
                result(QStringLiteral("99999999999E+9"), QStringLiteral("99999999999E+11")));
}

void Form1CommandTest::twoPressesShowTwoIdenticalBoxes()
{
    const MessageBoxWatcher watcher;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(focusedControl(), QStringLiteral("Command1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(watcher.boxes().size(), 2);
    QCOMPARE(watcher.boxes().at(0).text, watcher.boxes().at(1).text);
    QCOMPARE(watcher.boxes().at(0).caption, watcher.boxes().at(1).caption);
    QCOMPARE(watcher.boxes().at(0).text, result(QStringLiteral("2"), QStringLiteral("12")));
}

void Form1CommandTest::failuresAreReportedAndFocusTheField_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focusAfter");

    QTest::newRow("capital is letters") << "Text1"
                                        << "öt"
                                        << "A „Szabad tőke” mező értéke nem szám"
                                        << "Text1";
    QTest::newRow("capital is blanks") << "Text1"
                                       << "   "
                                       << "A „Szabad tőke” mező értéke nem szám"
                                       << "Text1";
    QTest::newRow("entry with the other separator") << "Text2"
                                                    << "OTHER"
                                                    << "A „Belépési pont” mező értéke nem szám"
                                                    << "Text2";
    QTest::newRow("target with an exponent") << "Text3"
                                             << "1e4"
                                             << "A „Cél árfolyam” mező értéke nem szám"
                                             << "Text3";
    QTest::newRow("stop is letters") << "Text4"
                                     << "stop"
                                     << "A „Stop-Loss” mező értéke nem szám"
                                     << "Text4";
    QTest::newRow("stop equals entry") << "Text4"
                                       << "15620"
                                       << "A belépési pont és a stop-loss nem lehet azonos"
                                       << "Command1";
}

void Form1CommandTest::failuresAreReportedAndFocusTheField()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, focusAfter);
    if (typed == QLatin1String("OTHER")) {
        typed = QStringLiteral("15620") + m_otherSeparator + QStringLiteral("5");
    }
    retype(field.toLatin1().constData(), typed);
    const QStringList before = fieldTexts();

    const MessageBoxWatcher watcher;
    pressWithEnter();
    checkOneBox(watcher, message);
    QCOMPARE(fieldTexts(), before);
    QCOMPARE(focusedControl(), focusAfter);
    QVERIFY(!anyTextSelected());
    // The program goes on: the next press answers again.
    pressWithEnter();
    QCOMPARE(watcher.boxes().size(), 2);
}

} // namespace velomar

QTEST_MAIN(velomar::Form1CommandTest)
#include "form1_command_test.moc"
