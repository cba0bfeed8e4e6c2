#include "SmartDoubleSpinBox.h"
#include "SmartSpinBox.h"
#include "TestSupport.h"

#include <QSignalSpy>
#include <QTest>

class tst_SmartSpinBox : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keys_data();
    void keys();
};

void tst_SmartSpinBox::keys_data()
{
    QTest::addColumn<bool>("isDouble");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("focusTo"); // empty for nobody
    QTest::addColumn<double>("value");

    for (const bool isDouble : { false, true }) {
        auto row = [&](const char* name, Qt::Key key, Qt::KeyboardModifiers modifiers, const char* focusTo,
                       double value) {
            QTest::addRow("%s %s", isDouble ? "double" : "int", name)
                << isDouble << int(key) << int(modifiers) << QString::fromLatin1(focusTo) << value;
        };
        row("Tab", Qt::Key_Tab, Qt::NoModifier, "after", 42);
        row("Backtab", Qt::Key_Backtab, Qt::ShiftModifier, "before", 42);
        row("Return", Qt::Key_Return, Qt::NoModifier, "", 42);
        row("keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, "", 42);
        row("Escape", Qt::Key_Escape, Qt::NoModifier, "", 42);
        row("Ctrl+Return", Qt::Key_Return, Qt::ControlModifier, "", 42);
        // The base class takes the typed text first, then steps.
        row("Up", Qt::Key_Up, Qt::NoModifier, "box", 43);
        row("Down", Qt::Key_Down, Qt::NoModifier, "box", 41);
    }
}

void tst_SmartSpinBox::keys()
{
    QFETCH(bool, isDouble);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, focusTo);
    QFETCH(double, value);

    bvtest::TabHost host(
        isDouble ? static_cast<QAbstractSpinBox*>(new SmartDoubleSpinBox) : new SmartSpinBox);
    host.box->setProperty("value", 5);
    QSignalSpy finished(host.box, &QAbstractSpinBox::editingFinished);

    QVERIFY(host.TypeThenPress(QStringLiteral("42"), Qt::Key(key), Qt::KeyboardModifiers(modifiers)));

    QCOMPARE(host.fired, 1);
    QTRY_COMPARE(host.Focused(), focusTo);
    QCOMPARE(host.box->property("value").toDouble(), value);
    QCOMPARE(finished.count(), focusTo == QLatin1String("box") ? 0 : 1);
}

QTEST_MAIN(tst_SmartSpinBox)
#include "tst_smartspinbox.moc"
