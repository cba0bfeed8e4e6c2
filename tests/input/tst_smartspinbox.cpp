// The keys of all three boxes that keep a host's single-key shortcuts away.
#include "BVSpinBox.h"
#include "SmartDoubleSpinBox.h"
#include "SmartSpinBox.h"

#include <QApplication>
#include <QLineEdit>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

class tst_SmartSpinBox : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keys_data();
    void keys();
};

void tst_SmartSpinBox::keys_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("focusTo"); // 0 the edit before, 1 the box, 2 the edit after, -1 nobody
    QTest::addColumn<double>("value");

    for (const char* kind : { "int", "double", "popup" }) {
        const bool popup = qstrcmp(kind, "popup") == 0;
        auto row
            = [&](const char* name, Qt::Key key, Qt::KeyboardModifiers modifiers, int focusTo, double value) {
                  QTest::addRow("%s %s", kind, name)
                      << QString::fromLatin1(kind) << int(key) << int(modifiers) << focusTo << value;
              };
        // The popup box keeps Tab, and the typed text with it.
        row("Tab", Qt::Key_Tab, Qt::NoModifier, popup ? 1 : 2, popup ? 5 : 42);
        row("Backtab", Qt::Key_Backtab, Qt::ShiftModifier, 0, 42);
        row("Return", Qt::Key_Return, Qt::NoModifier, -1, 42);
        row("keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, -1, 42);
        row("Escape", Qt::Key_Escape, Qt::NoModifier, -1, 42);
        // Other keys reach the base class, which takes the typed text first, then steps.
        row("Up", Qt::Key_Up, Qt::NoModifier, 1, 43);
    }
}

void tst_SmartSpinBox::keys()
{
    QFETCH(QString, kind);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, focusTo);
    QFETCH(double, value);

    // A host window: the box between two line edits, and a shortcut on Tab.
    QWidget window;
    QAbstractSpinBox* box = kind == QLatin1String("int") ? new SmartSpinBox
        : kind == QLatin1String("double")                ? new SmartDoubleSpinBox
                                                         : static_cast<QAbstractSpinBox*>(new BVSpinBox);
    const QList<QWidget*> chain { new QLineEdit, box, new QLineEdit };
    auto* layout = new QVBoxLayout(&window);
    for (QWidget* w : chain)
        layout->addWidget(w);
    QShortcut tab(QKeySequence(Qt::Key_Tab), &window);
    QSignalSpy fired(&tab, &QShortcut::activated);
    box->setProperty("value", 5);
    // Typed text then stays text until the edit ends.
    box->setKeyboardTracking(false);
    QSignalSpy finished(box, &QAbstractSpinBox::editingFinished);
    window.show();
    // Without a window manager nothing activates a new window for us.
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    // The shortcut is live: from a plain line edit, Tab triggers it.
    chain[0]->setFocus();
    QTRY_VERIFY(chain[0]->hasFocus());
    QTest::keyClick(chain[0], Qt::Key_Tab);
    QCOMPARE(fired.count(), 1);
    box->setFocus();
    QTRY_VERIFY(box->hasFocus());
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("42"));

    QTest::keyClick(box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    QCOMPARE(fired.count(), 1);
    QTRY_COMPARE(QApplication::focusWidget(), chain.value(focusTo));
    QCOMPARE(box->property("value").toDouble(), value);
    QCOMPARE(finished.count(), focusTo == 1 ? 0 : 1);
}

QTEST_MAIN(tst_SmartSpinBox)
#include "tst_smartspinbox.moc"
