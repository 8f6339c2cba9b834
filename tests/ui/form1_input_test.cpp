#include "form1_fixture.h"
#include "message_box_watcher.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace velomar {

// The window driven with real key events: focus, the button's keys, the text limits and the
// direction field.
class Form1InputTest : public QObject, public Form1Fixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void focusStartsOnTheButton();
    void tabCyclesThroughTheFields();
    void buttonAnswersItsKeys_data();
    void buttonAnswersItsKeys();
    void textBoxesRefuseTheTwelfthCharacter_data();
    void textBoxesRefuseTheTwelfthCharacter();
    void pasteIsCutAtElevenCharacters();
    void directionKeepsWhatIsTyped_data();
    void directionKeepsWhatIsTyped();
    void directionCanBePicked();

private:
    // Sends a key to the focused control. After a message box the window takes the focus back
    // once it is reactivated, so wait for that first.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTRY_VERIFY(QApplication::focusWidget() != nullptr);
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
};

void Form1InputTest::init()
{
    showForm();
}

void Form1InputTest::cleanup()
{
    closeForm();
}

void Form1InputTest::focusStartsOnTheButton()
{
    QCOMPARE(focusedControl(), QStringLiteral("Command1"));
}

void Form1InputTest::tabCyclesThroughTheFields()
{
    const QStringList forward{"Text1", "Text2", "Text3", "Text4", "Combo1", "Command1"};
    for (const QString& name : forward) {
        press(Qt::Key_Tab);
        QCOMPARE(focusedControl(), name);
    }
    const QStringList backward{"Combo1", "Text4", "Text3", "Text2", "Text1", "Command1"};
    for (const QString& name : backward) {
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focusedControl(), name);
    }
}

void Form1InputTest::buttonAnswersItsKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void Form1InputTest::buttonAnswersItsKeys()
{
    QFETCH(int, key);
    auto* button = control<QPushButton>("Command1");
    QSignalSpy clicks(button, &QPushButton::clicked);
    const MessageBoxWatcher watcher;
    press(static_cast<Qt::Key>(key));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(watcher.boxes().size(), 1);

    // A key that is not the button's does nothing.
    press(Qt::Key_A);
    QTest::qWait(30);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(watcher.boxes().size(), 1);
}

void Form1InputTest::textBoxesRefuseTheTwelfthCharacter_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : {"Text1", "Text2", "Text3", "Text4"}) {
        QTest::newRow(name) << QString::fromLatin1(name);
    }
}

void Form1InputTest::textBoxesRefuseTheTwelfthCharacter()
{
    QFETCH(QString, name);
    auto* box = m_form->findChild<QLineEdit*>(name);
    QVERIFY(box != nullptr);
    box->setFocus();
    box->selectAll();
    press(Qt::Key_Delete);
    QCOMPARE(box->text(), QString());

    QTest::keyClicks(box, QStringLiteral("12345678901"));
    QCOMPARE(box->text(), QStringLiteral("12345678901"));
    QTest::keyClicks(box, QStringLiteral("2"));
    QCOMPARE(box->text(), QStringLiteral("12345678901"));
    // Nor can it be squeezed in elsewhere.
    press(Qt::Key_Home);
    QTest::keyClicks(box, QStringLiteral("0"));
    QCOMPARE(box->text(), QStringLiteral("12345678901"));
}

void Form1InputTest::pasteIsCutAtElevenCharacters()
{
    auto* box = control<QLineEdit>("Text2");
    box->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("123456789012345"));
    press(Qt::Key_A, Qt::ControlModifier);
    press(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box->text(), QStringLiteral("12345678901"));
}

void Form1InputTest::directionKeepsWhatIsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("finish");
    for (const char* typed : {"long", "Lo", "SHORT", "Long ", "short", "L"}) {
        QTest::newRow(qPrintable(QStringLiteral("%1 + Tab").arg(typed)))
            << QString::fromLatin1(typed) << int(Qt::Key_Tab);
        QTest::newRow(qPrintable(QStringLiteral("%1 + Enter").arg(typed)))
            << QString::fromLatin1(typed) << int(Qt::Key_Return);
    }
    QTest::newRow("Short + Enter") << QStringLiteral("Short") << int(Qt::Key_Return);
}

void Form1InputTest::directionKeepsWhatIsTyped()
{
    QFETCH(QString, typed);
    QFETCH(int, finish);
    auto* combo = control<QComboBox>("Combo1");
    combo->setFocus();
    press(Qt::Key_A, Qt::ControlModifier);
    press(Qt::Key_Delete);
    QTest::keyClicks(QApplication::focusWidget(), typed);
    QCOMPARE(combo->currentText(), typed);

    press(static_cast<Qt::Key>(finish));
    QCOMPARE(combo->currentText(), typed);
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->itemText(0), QStringLiteral("Long"));
    QCOMPARE(combo->itemText(1), QStringLiteral("Short"));

    // Leaving by a click on the button keeps it too.
    combo->setFocus();
    const MessageBoxWatcher watcher;
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    QCOMPARE(watcher.boxes().size(), 1);
    QCOMPARE(combo->currentText(), typed);
}

void Form1InputTest::directionCanBePicked()
{
    auto* combo = control<QComboBox>("Combo1");
    combo->setFocus();
    press(Qt::Key_Down);
    QCOMPARE(combo->currentText(), QStringLiteral("Short"));
    press(Qt::Key_Up);
    QCOMPARE(combo->currentText(), QStringLiteral("Long"));
}

} // namespace velomar

QTEST_MAIN(velomar::Form1InputTest)
#include "form1_input_test.moc"
