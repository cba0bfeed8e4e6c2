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
    // "box key" → who has the focus after it (0 the edit before, 1 the box, 2 the edit after, -1
    // nobody) and the value. The popup box keeps Tab, and the typed text with it; modifiers are not
    // looked at; other keys reach the base class, which takes the typed text first, then steps.
    void keys_data()
    {
        bvtest::Rows({ { "int Tab", "2 42" }, { "double Tab", "2 42" }, { "popup Tab", "1 5" },
            { "int Shift+Backtab", "0 42" }, { "popup Shift+Backtab", "0 42" },
            { "popup Ctrl+Return", "-1 42" }, { "int Num+Enter", "-1 42" }, { "double Num+Enter", "-1 42" },
            { "popup Escape", "-1 42" }, { "popup Up", "1 43" } });
    }

    void keys()
    {
        QFETCH(QString, input);
        const QString kind = input.section(QLatin1Char(' '), 0, 0);
        // A host window: the box between two line edits in the focus chain, and a shortcut on Tab.
        QWidget window;
        const QList<QWidget*> chain { new QLineEdit(&window),
            kind == QLatin1String("int") ? new SmartSpinBox(&window)
                : kind == QLatin1String("double")
                ? static_cast<QAbstractSpinBox*>(new SmartDoubleSpinBox(&window))
                : new BVSpinBox(&window),
            new QLineEdit(&window) };
        auto* box = static_cast<QAbstractSpinBox*>(chain[1]);
        QShortcut tab(QKeySequence(Qt::Key_Tab), &window);
        QSignalSpy fired(&tab, &QShortcut::activated);
        box->setProperty("value", 5);
        box->setKeyboardTracking(false); // typed text then stays text until the edit ends
        QSignalSpy finished(box, &QAbstractSpinBox::editingFinished);
        QVERIFY(bvtest::ShowActive(&window));

        // The shortcut is live: from a plain edit, Tab triggers it.
        chain[0]->setFocus();
        QTest::keyClick(chain[0], Qt::Key_Tab);
        QCOMPARE(fired.count(), 1);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, QStringLiteral("42"));
        QTest::keySequence(box, QKeySequence(input.section(QLatin1Char(' '), 1)));
        QCOMPARE(fired.count(), 1);
        const auto seen = [&] {
            return QStringLiteral("%1 %2")
                .arg(chain.indexOf(QApplication::focusWidget()))
                .arg(box->property("value").toDouble());
        };
        QFETCH(QString, expected);
        QTRY_COMPARE(seen(), expected);
        QCOMPARE(finished.count(), expected.startsWith(QLatin1Char('1')) ? 0 : 1);
    }
};

QTEST_MAIN(tst_SmartSpinBox)
#include "tst_smartspinbox.moc"
