// The keys of all three boxes that keep a host's single-key shortcuts away.
#include "BVSpinBox.h"
#include "SmartDoubleSpinBox.h"
#include "SmartSpinBox.h"
#include "TestSupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QShortcut>
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
    QTest::addColumn<int>("kind"); // 0 int, 1 double, 2 popup
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<int>("focusTo"); // 0 the edit before, 1 the box, 2 the edit after, -1 nobody
    QTest::addColumn<double>("value");

    for (const int kind : { 0, 1, 2 }) {
        const char* box = QList<const char*> { "int", "double", "popup" }.at(kind);
        // The popup box keeps Tab, and the typed text with it.
        QTest::addRow("%s Tab", box) << kind << QKeySequence(Qt::Key_Tab) << (kind == 2 ? 1 : 2)
                                     << (kind == 2 ? 5.0 : 42.0);
        QTest::addRow("%s Backtab", box) << kind << QKeySequence(Qt::SHIFT | Qt::Key_Backtab) << 0 << 42.0;
        // Modifiers are not looked at.
        QTest::addRow("%s Ctrl+Return", box) << kind << QKeySequence(Qt::CTRL | Qt::Key_Return) << -1 << 42.0;
        QTest::addRow("%s keypad Enter", box)
            << kind << QKeySequence(Qt::KeypadModifier | Qt::Key_Enter) << -1 << 42.0;
        QTest::addRow("%s Escape", box) << kind << QKeySequence(Qt::Key_Escape) << -1 << 42.0;
        // Other keys reach the base class, which takes the typed text first, then steps.
        QTest::addRow("%s Up", box) << kind << QKeySequence(Qt::Key_Up) << 1 << 43.0;
    }
}

void tst_SmartSpinBox::keys()
{
    QFETCH(int, kind);
    QFETCH(QKeySequence, key);
    QFETCH(int, focusTo);
    QFETCH(double, value);

    // A host window: the box between two line edits in the focus chain, and a shortcut on Tab.
    QWidget window;
    const QList<QWidget*> chain { new QLineEdit(&window),
        kind == 0       ? new SmartSpinBox(&window)
            : kind == 1 ? static_cast<QAbstractSpinBox*>(new SmartDoubleSpinBox(&window))
                        : new BVSpinBox(&window),
        new QLineEdit(&window) };
    auto* box = static_cast<QAbstractSpinBox*>(chain[1]);
    QShortcut tab(QKeySequence(Qt::Key_Tab), &window);
    QSignalSpy fired(&tab, &QShortcut::activated);
    box->setProperty("value", 5);
    box->setKeyboardTracking(false); // typed text then stays text until the edit ends
    QSignalSpy finished(box, &QAbstractSpinBox::editingFinished);
    QVERIFY(bvtest::ShowActive(&window));

    // The shortcut is live: from a plain line edit, Tab triggers it.
    chain[0]->setFocus();
    QTest::keyClick(chain[0], Qt::Key_Tab);
    QCOMPARE(fired.count(), 1);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("42"));

    QTest::keySequence(box, key);

    QCOMPARE(fired.count(), 1);
    QTRY_COMPARE(QApplication::focusWidget(), chain.value(focusTo));
    QCOMPARE(box->property("value").toDouble(), value);
    QCOMPARE(finished.count(), focusTo == 1 ? 0 : 1);
}

QTEST_MAIN(tst_SmartSpinBox)
#include "tst_smartspinbox.moc"
