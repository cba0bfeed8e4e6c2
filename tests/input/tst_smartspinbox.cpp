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
    QTest::addColumn<QString>("focusTo"); // empty for nobody
    QTest::addColumn<double>("value");

    for (const char* kind : { "int", "double", "popup" }) {
        const bool popup = qstrcmp(kind, "popup") == 0;
        auto row = [&](const char* name, Qt::Key key, Qt::KeyboardModifiers modifiers, const char* focusTo,
                       double value) {
            QTest::addRow("%s %s", kind, name) << QString::fromLatin1(kind) << int(key) << int(modifiers)
                                               << QString::fromLatin1(focusTo) << value;
        };
        // The popup box keeps Tab, and the typed text with it.
        row("Tab", Qt::Key_Tab, Qt::NoModifier, popup ? "box" : "after", popup ? 5 : 42);
        row("Backtab", Qt::Key_Backtab, Qt::ShiftModifier, "before", 42);
        row("Return", Qt::Key_Return, Qt::NoModifier, "", 42);
        row("keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, "", 42);
        row("Escape", Qt::Key_Escape, Qt::NoModifier, "", 42);
        row("Ctrl+Return", Qt::Key_Return, Qt::ControlModifier, "", 42);
        // The base class takes the typed text first, then steps.
        row("Up", Qt::Key_Up, Qt::NoModifier, "box", 43);
        row("Down", Qt::Key_Down, Qt::NoModifier, "box", 41);
        if (popup)
            row("Ctrl+Tab", Qt::Key_Tab, Qt::ControlModifier, "box", 5);
    }
}

void tst_SmartSpinBox::keys()
{
    QFETCH(QString, kind);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, focusTo);
    QFETCH(double, value);

    // A host window: the box between two line edits, and a shortcut on Tab.
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto add = [layout](QWidget* w, const char* name) {
        w->setObjectName(QLatin1String(name));
        layout->addWidget(w);
        return w;
    };
    QWidget* before = add(new QLineEdit, "before");
    QAbstractSpinBox* box = nullptr;
    if (kind == QLatin1String("int"))
        box = new SmartSpinBox;
    else if (kind == QLatin1String("double"))
        box = new SmartDoubleSpinBox;
    else
        box = new BVSpinBox;
    add(box, "box");
    add(new QLineEdit, "after");
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
    before->setFocus();
    QTRY_VERIFY(before->hasFocus());
    QTest::keyClick(before, Qt::Key_Tab);
    QCOMPARE(fired.count(), 1);
    box->setFocus();
    QTRY_VERIFY(box->hasFocus());
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("42"));
    QCOMPARE(box->property("value").toDouble(), 5.0);

    QTest::keyClick(box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    QCOMPARE(fired.count(), 1);
    QTRY_COMPARE(
        QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(), focusTo);
    QCOMPARE(box->property("value").toDouble(), value);
    QCOMPARE(finished.count(), focusTo == QLatin1String("box") ? 0 : 1);
}

QTEST_MAIN(tst_SmartSpinBox)
#include "tst_smartspinbox.moc"
