#include "SmartDoubleSpinBox.h"
#include "SmartSpinBox.h"

#include <QLineEdit>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace {

// A host window: a line edit before the box, the box, a line edit after it,
// and a window-wide shortcut on Tab.
struct Host {
    QWidget window;
    QLineEdit* before = nullptr;
    QAbstractSpinBox* box = nullptr;
    QLineEdit* after = nullptr;
    QShortcut* tab = nullptr;

    explicit Host(const QString& kind)
    {
        auto* layout = new QVBoxLayout(&window);
        before = new QLineEdit(&window);
        if (kind == QLatin1String("SmartSpinBox")) {
            auto* spin = new SmartSpinBox(&window);
            spin->setRange(0, 100);
            spin->setValue(5);
            box = spin;
        } else {
            auto* spin = new SmartDoubleSpinBox(&window);
            spin->setRange(0, 100);
            spin->setDecimals(1);
            spin->setValue(5);
            box = spin;
        }
        after = new QLineEdit(&window);
        layout->addWidget(before);
        layout->addWidget(box);
        layout->addWidget(after);
        // Typed text then stays text until the edit ends.
        box->setKeyboardTracking(false);
        tab = new QShortcut(QKeySequence(Qt::Key_Tab), &window);
    }

    double Value() const
    {
        if (auto* spin = qobject_cast<QSpinBox*>(box))
            return spin->value();
        return static_cast<QDoubleSpinBox*>(box)->value();
    }

    bool ShowAndFocus(QWidget* w)
    {
        window.show();
        // Without a window manager nothing activates a new window for us.
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            return false;
        w->setFocus(Qt::OtherFocusReason);
        return QTest::qWaitFor([w] { return w->hasFocus(); });
    }
};

void AddKinds()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("int") << QStringLiteral("SmartSpinBox");
    QTest::newRow("double") << QStringLiteral("SmartDoubleSpinBox");
}

} // namespace

class tst_SmartSpinBox : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tabAndBacktabMoveFocusPastHostShortcut_data() { AddKinds(); }
    void tabAndBacktabMoveFocusPastHostShortcut();
    void finishingKeysDropFocusKeepTypedValue_data();
    void finishingKeysDropFocusKeepTypedValue();
    void otherKeysBehaveAsBase_data();
    void otherKeysBehaveAsBase();
};

void tst_SmartSpinBox::tabAndBacktabMoveFocusPastHostShortcut()
{
    QFETCH(QString, kind);
    Host host(kind);
    QSignalSpy fired(host.tab, &QShortcut::activated);

    // The shortcut is live: from a plain line edit, Tab triggers it.
    QVERIFY(host.ShowAndFocus(host.before));
    QTest::keyClick(host.before, Qt::Key_Tab);
    QCOMPARE(fired.count(), 1);

    QVERIFY(host.ShowAndFocus(host.box));
    QTest::keyClick(host.box, Qt::Key_Tab);
    QCOMPARE(fired.count(), 1);
    QTRY_VERIFY(host.after->hasFocus());

    QVERIFY(host.ShowAndFocus(host.box));
    QTest::keyClick(host.box, Qt::Key_Backtab, Qt::ShiftModifier);
    QTRY_VERIFY(host.before->hasFocus());
}

void tst_SmartSpinBox::finishingKeysDropFocusKeepTypedValue_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");

    for (const QString& kind : { QStringLiteral("SmartSpinBox"), QStringLiteral("SmartDoubleSpinBox") }) {
        auto row = [&](const char* name, Qt::Key key, Qt::KeyboardModifiers modifiers) {
            QTest::addRow("%s %s", qPrintable(kind), name) << kind << int(key) << int(modifiers);
        };
        row("Return", Qt::Key_Return, Qt::NoModifier);
        row("keypad Enter", Qt::Key_Enter, Qt::KeypadModifier);
        row("Escape", Qt::Key_Escape, Qt::NoModifier);
        row("Ctrl+Return", Qt::Key_Return, Qt::ControlModifier);
    }
}

void tst_SmartSpinBox::finishingKeysDropFocusKeepTypedValue()
{
    QFETCH(QString, kind);
    QFETCH(int, key);
    QFETCH(int, modifiers);

    Host host(kind);
    QSignalSpy finished(host.box, &QAbstractSpinBox::editingFinished);
    QVERIFY(host.ShowAndFocus(host.box));
    host.box->selectAll();
    QTest::keyClicks(host.box, QStringLiteral("42"));
    QCOMPARE(host.Value(), 5.0); // typed, not yet taken

    QTest::keyClick(host.box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    QVERIFY(!host.box->hasFocus());
    QCOMPARE(host.Value(), 42.0);
    QCOMPARE(finished.count(), 1);
}

void tst_SmartSpinBox::otherKeysBehaveAsBase_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("key");
    QTest::addColumn<double>("expected");
    for (const QString& kind : { QStringLiteral("SmartSpinBox"), QStringLiteral("SmartDoubleSpinBox") }) {
        QTest::addRow("%s Up", qPrintable(kind)) << kind << int(Qt::Key_Up) << 6.0;
        QTest::addRow("%s Down", qPrintable(kind)) << kind << int(Qt::Key_Down) << 4.0;
    }
}

void tst_SmartSpinBox::otherKeysBehaveAsBase()
{
    QFETCH(QString, kind);
    QFETCH(int, key);
    QFETCH(double, expected);

    Host host(kind);
    QVERIFY(host.ShowAndFocus(host.box));
    QTest::keyClick(host.box, Qt::Key(key));
    QCOMPARE(host.Value(), expected);
    QVERIFY(host.box->hasFocus());
}

QTEST_MAIN(tst_SmartSpinBox)
#include "tst_smartspinbox.moc"
