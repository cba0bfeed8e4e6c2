#include "BVSpinBox.h"
#include "EasySlider.h"
#include "TestSupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

namespace {

struct Host : bvtest::TabHost {
    BVSpinBox* spin;
    QPushButton* button;
    EasySlider* slider;
    QWidget* popup;

    Host()
        : TabHost(new BVSpinBox)
        , spin(static_cast<BVSpinBox*>(box))
        , button(spin->findChild<QPushButton*>())
        , slider(spin->findChild<EasySlider*>(QStringLiteral("PopupSlider")))
        , popup(slider ? slider->window() : nullptr)
    {
        spin->setRange(0, 100);
        spin->setValue(40);
    }

    QRect BoxOnScreen() const { return QRect(box->mapToGlobal(QPoint(0, 0)), box->size()); }

    bool Open()
    {
        QTest::mouseClick(button, Qt::LeftButton);
        return button->isChecked() && QTest::qWaitForWindowExposed(popup);
    }
};

QPoint CenterOnScreen(const QWidget* w)
{
    return w->mapToGlobal(w->rect().center());
}

} // namespace

class tst_BVSpinBox : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void tiedOnlyWhileOpen();
    void placement_data();
    void placement();
    void closes_data();
    void closes();
    void keys_data();
    void keys();
    void destroyedWhileOpen();
};

void tst_BVSpinBox::init()
{
    // The pointer parks far from where the tests put their windows.
    QCursor::setPos(QGuiApplication::primaryScreen()->availableGeometry().topLeft() + QPoint(1, 1));
}

void tst_BVSpinBox::tiedOnlyWhileOpen()
{
    Host host;
    // Both ends differ from the slider's own range; the value sits at the top.
    host.spin->setRange(-50, 500);
    host.spin->setValue(500);
    QSignalSpy boxChanged(host.spin, QOverload<int>::of(&QSpinBox::valueChanged));
    QVERIFY(host.Show());
    QVERIFY(host.Open());
    QCOMPARE(host.slider->minimum(), -50);
    QCOMPARE(host.slider->maximum(), 500);
    QCOMPARE(host.slider->value(), 500);
    QCOMPARE(boxChanged.count(), 0);
    QTRY_VERIFY(host.slider->hasFocus());

    host.slider->setValue(70);
    QCOMPARE(host.spin->value(), 70);
    host.spin->setValue(10);
    QCOMPARE(host.slider->value(), 10);
    // A range set while open waits for the next opening.
    host.spin->setRange(0, 50);
    QCOMPARE(host.slider->maximum(), 500);

    host.button->setChecked(false);
    QVERIFY(!host.popup->isVisible());
    host.spin->setValue(20);
    QCOMPARE(host.slider->value(), 10);
    host.slider->setValue(90);
    QCOMPARE(host.spin->value(), 20);

    QVERIFY(host.Open());
    QCOMPARE(host.slider->maximum(), 50);
    QCOMPARE(host.slider->value(), 20);
}

void tst_BVSpinBox::placement_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QSize>("popupSize"); // invalid: the layout's size
    QTest::newRow("mid-screen") << QStringLiteral("mid") << QSize();
    QTest::newRow("near the bottom") << QStringLiteral("bottom") << QSize();
    QTest::newRow("near the left edge") << QStringLiteral("left") << QSize(400, 30);
    QTest::newRow("wider than the screen") << QStringLiteral("wide") << QSize(10000, 30);
}

void tst_BVSpinBox::placement()
{
    QFETCH(QString, where);
    QFETCH(QSize, popupSize);

    Host host;
    QVERIFY(host.Show());
    QVERIFY(host.box->screen());
    const QRect area = host.box->screen()->availableGeometry();
    if (popupSize.isValid())
        host.popup->resize(popupSize);
    QPoint boxAt = area.center();
    if (where == QLatin1String("bottom"))
        boxAt.setY(area.bottom() - host.box->height() - 3);
    else if (where == QLatin1String("left"))
        boxAt.setX(area.left() + 5);
    host.window.move(host.window.pos() + boxAt - host.BoxOnScreen().topLeft());
    QTRY_COMPARE(host.BoxOnScreen().topLeft(), boxAt);
    QVERIFY(host.Open());

    // Two pixels below the box and flush right, unless that leaves the screen.
    const QRect box = host.BoxOnScreen();
    const QRect popup = host.popup->geometry();
    if (where == QLatin1String("bottom"))
        QCOMPARE(popup.bottom(), area.bottom());
    else
        QCOMPARE(popup.top(), box.bottom() + 2);
    if (where == QLatin1String("left"))
        QCOMPARE(popup.left(), area.left());
    else if (where == QLatin1String("wide")) // the right edge wins
        QCOMPARE(popup.right(), area.right());
    else
        QCOMPARE(popup.right(), box.right() - 1);
}

void tst_BVSpinBox::closes_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("staysOpen");
    QTest::newRow("Escape in the slider") << QStringLiteral("escape") << false;
    QTest::newRow("click outside") << QStringLiteral("click") << false;
    QTest::newRow("left press on the button") << QStringLiteral("press on button") << false;
    QTest::newRow("deactivated") << QStringLiteral("deactivate") << false;
    QTest::newRow("deactivated, cursor on the button") << QStringLiteral("deactivate on button") << true;
}

void tst_BVSpinBox::closes()
{
    QFETCH(QString, how);
    QFETCH(bool, staysOpen);

    Host host;
    QVERIFY(host.Show());
    QVERIFY(host.Open());
    QSignalSpy toggled(host.button, &QPushButton::toggled);
    // Mouse events go to the window, so the toolkit's popup handling applies.
    QWindow* handle = host.window.windowHandle();
    const QPoint onButton = CenterOnScreen(host.button);

    if (how == QLatin1String("escape")) {
        QTest::keyClick(host.slider, Qt::Key_Escape);
    } else if (how == QLatin1String("click")) {
        const QPoint outside = CenterOnScreen(host.before);
        QCursor::setPos(outside);
        QTest::mouseClick(handle, Qt::LeftButton, {}, handle->mapFromGlobal(outside));
    } else if (how == QLatin1String("press on button")) {
        QCursor::setPos(onButton);
        QTest::mousePress(handle, Qt::LeftButton, {}, handle->mapFromGlobal(onButton));
        // The press closes the popup but leaves the button to the click.
        QVERIFY(!host.popup->isVisible());
        QVERIFY(host.button->isChecked());
        QTest::mouseRelease(handle, Qt::LeftButton, {}, handle->mapFromGlobal(onButton));
        // Where the popup could not grab the pointer, the toolkit does not
        // replay the press on the button; a window system would click it.
        if (toggled.isEmpty())
            QTest::mouseClick(host.button, Qt::LeftButton);
    } else {
        QCursor::setPos(how.endsWith(QLatin1String("button")) ? onButton : CenterOnScreen(host.before));
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(host.slider, &deactivate);
    }

    QTRY_COMPARE(host.popup->isVisible(), staysOpen);
    QCOMPARE(host.button->isChecked(), staysOpen);
    QCOMPARE(toggled.count(), staysOpen ? 0 : 1);
    if (!staysOpen) {
        QVERIFY(!QApplication::activePopupWidget());
        host.spin->setValue(3);
        QCOMPARE(host.slider->value(), 40);
    }
}

void tst_BVSpinBox::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("focusTo"); // empty for nobody
    QTest::newRow("Tab") << int(Qt::Key_Tab) << int(Qt::NoModifier) << "box";
    QTest::newRow("Ctrl+Tab") << int(Qt::Key_Tab) << int(Qt::ControlModifier) << "box";
    QTest::newRow("Backtab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << "before";
    QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier) << "";
    QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier) << "";
    QTest::newRow("Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "";
}

void tst_BVSpinBox::keys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, focusTo);

    Host host;
    QVERIFY(host.TypeThenPress(QStringLiteral("77"), Qt::Key(key), Qt::KeyboardModifiers(modifiers)));
    QCOMPARE(host.fired, 1);
    QTRY_COMPARE(host.Focused(), focusTo);
    // Leaving the box takes what was typed; Tab does nothing at all.
    QCOMPARE(host.spin->value(), focusTo == QLatin1String("box") ? 40 : 77);
}

void tst_BVSpinBox::destroyedWhileOpen()
{
    Host host;
    QVERIFY(host.Show());
    QVERIFY(host.Open());
    QPointer<QWidget> popup = host.popup;
    delete host.box;
    QVERIFY(popup.isNull());
    QVERIFY(!QApplication::activePopupWidget());
}

QTEST_MAIN(tst_BVSpinBox)
#include "tst_bvspinbox.moc"
