#include "BVSpinBox.h"
#include "EasySlider.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A host window: a line edit, the box, another line edit, and a window-wide
// shortcut on Tab.
struct Host {
    QWidget window;
    QLineEdit* before = nullptr;
    BVSpinBox* box = nullptr;
    QLineEdit* after = nullptr;
    QShortcut* tab = nullptr;
    QPushButton* button = nullptr;
    EasySlider* slider = nullptr;
    QWidget* popup = nullptr;

    Host()
    {
        auto* layout = new QVBoxLayout(&window);
        // The box may then sit right at the window's edge.
        layout->setContentsMargins(0, 0, 0, 0);
        before = new QLineEdit(&window);
        box = new BVSpinBox(&window);
        box->setRange(0, 100);
        box->setValue(40);
        after = new QLineEdit(&window);
        layout->addWidget(before);
        layout->addWidget(box);
        layout->addWidget(after);
        tab = new QShortcut(QKeySequence(Qt::Key_Tab), &window);
        window.resize(240, 120);
        button = box->findChild<QPushButton*>();
        slider = box->findChild<EasySlider*>(QStringLiteral("PopupSlider"));
        popup = slider ? slider->window() : nullptr;
    }

    bool Show()
    {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        window.move(area.center() - QPoint(120, 60));
        window.show();
        // Without a window manager nothing activates a new window for us.
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }

    bool Focus(QWidget* w)
    {
        w->setFocus(Qt::OtherFocusReason);
        return QTest::qWaitFor([w] { return w->hasFocus(); });
    }

    QRect BoxOnScreen() const { return QRect(box->mapToGlobal(QPoint(0, 0)), box->size()); }

    // Moves the window so that the box's top-left lands on a global point.
    bool MoveBoxTo(const QPoint& global)
    {
        window.move(window.pos() + global - BoxOnScreen().topLeft());
        return QTest::qWaitFor([&] { return BoxOnScreen().topLeft() == global; });
    }

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
    void opensAtValueAndRange_data();
    void opensAtValueAndRange();
    void tiedOnlyWhileOpen();
    void rangeTakenOnOpening();
    void placedBelowFlushRight();
    void keptOnScreen_data();
    void keptOnScreen();
    void closes_data();
    void closes();
    void pressOnButtonTogglesOnce();
    void tabStaysInBoxBacktabLeaves();
    void finishingKeysDropFocus_data();
    void finishingKeysDropFocus();
    void destroyedWhileOpen();
};

void tst_BVSpinBox::init()
{
    // The pointer parks far from where the tests put their windows.
    QCursor::setPos(QGuiApplication::primaryScreen()->availableGeometry().topLeft() + QPoint(1, 1));
}

void tst_BVSpinBox::opensAtValueAndRange_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::newRow("0..100 at 40") << 0 << 100 << 40;
    QTest::newRow("negative range") << -50 << -10 << -30;
    QTest::newRow("at the top") << 5 << 500 << 500;
}

void tst_BVSpinBox::opensAtValueAndRange()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, value);

    Host host;
    host.box->setRange(minimum, maximum);
    host.box->setValue(value);
    QSignalSpy boxChanged(host.box, QOverload<int>::of(&QSpinBox::valueChanged));
    QVERIFY(host.Show());
    QVERIFY(host.Open());

    QCOMPARE(host.slider->minimum(), minimum);
    QCOMPARE(host.slider->maximum(), maximum);
    QCOMPARE(host.slider->value(), value);
    QCOMPARE(boxChanged.count(), 0);
    QTRY_VERIFY(host.slider->hasFocus());
}

void tst_BVSpinBox::tiedOnlyWhileOpen()
{
    Host host;
    QVERIFY(host.Show());
    QVERIFY(host.Open());

    host.slider->setValue(70);
    QCOMPARE(host.box->value(), 70);
    host.box->setValue(10);
    QCOMPARE(host.slider->value(), 10);

    host.button->setChecked(false);
    QVERIFY(!host.popup->isVisible());
    host.box->setValue(20);
    QCOMPARE(host.slider->value(), 10);
    host.slider->setValue(90);
    QCOMPARE(host.box->value(), 20);
}

void tst_BVSpinBox::rangeTakenOnOpening()
{
    Host host;
    QVERIFY(host.Show());
    QVERIFY(host.Open());
    host.box->setRange(0, 50);
    QCOMPARE(host.slider->maximum(), 100);

    host.button->setChecked(false);
    QVERIFY(host.Open());
    QCOMPARE(host.slider->maximum(), 50);
}

void tst_BVSpinBox::placedBelowFlushRight()
{
    Host host;
    QVERIFY(host.Show());
    QVERIFY(host.Open());

    const QRect box = host.BoxOnScreen();
    const QRect popup = host.popup->geometry();
    QCOMPARE(popup.top(), box.bottom() + 2);
    QCOMPARE(popup.right(), box.right() - 1);
}

void tst_BVSpinBox::keptOnScreen_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QSize>("popupSize"); // invalid: the layout's size
    QTest::newRow("near the bottom") << QStringLiteral("bottom") << QSize();
    QTest::newRow("near the left edge") << QStringLiteral("left") << QSize(400, 30);
    QTest::newRow("wider than the screen") << QStringLiteral("wide") << QSize(10000, 30);
}

void tst_BVSpinBox::keptOnScreen()
{
    QFETCH(QString, where);
    QFETCH(QSize, popupSize);

    Host host;
    QVERIFY(host.Show());
    QScreen* screen = host.box->screen();
    QVERIFY(screen);
    const QRect area = screen->availableGeometry();
    if (popupSize.isValid())
        host.popup->resize(popupSize);

    QPoint boxAt = area.center();
    if (where == QLatin1String("bottom"))
        boxAt.setY(area.bottom() - host.box->height() - 3);
    else if (where == QLatin1String("left"))
        boxAt.setX(area.left() + 5);
    QVERIFY(host.MoveBoxTo(boxAt));
    QVERIFY(host.Open());

    const QRect box = host.BoxOnScreen();
    const QRect popup = host.popup->geometry();
    if (where == QLatin1String("bottom")) {
        QCOMPARE(popup.bottom(), area.bottom());
        QCOMPARE(popup.right(), box.right() - 1);
    } else if (where == QLatin1String("left")) {
        QCOMPARE(popup.left(), area.left());
        QCOMPARE(popup.top(), box.bottom() + 2);
    } else {
        // Too wide to fit: ends flush with the right edge.
        QCOMPARE(popup.right(), area.right());
    }
}

void tst_BVSpinBox::closes_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("staysOpen");
    QTest::newRow("Escape in the slider") << QStringLiteral("escape") << false;
    QTest::newRow("click outside") << QStringLiteral("click") << false;
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

    if (how == QLatin1String("escape")) {
        QTest::keyClick(host.slider, Qt::Key_Escape);
    } else if (how == QLatin1String("click")) {
        // Sent to the window, so the toolkit's popup handling applies.
        const QPoint outside = CenterOnScreen(host.before);
        QCursor::setPos(outside);
        QWindow* handle = host.window.windowHandle();
        QTest::mouseClick(handle, Qt::LeftButton, {}, handle->mapFromGlobal(outside));
    } else {
        const bool onButton = how.endsWith(QLatin1String("button"));
        QCursor::setPos(CenterOnScreen(onButton ? static_cast<QWidget*>(host.button) : host.before));
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(host.slider, &deactivate);
    }

    QTRY_COMPARE(host.popup->isVisible(), staysOpen);
    QCOMPARE(host.button->isChecked(), staysOpen);
    QCOMPARE(toggled.count(), staysOpen ? 0 : 1);
    if (!staysOpen) {
        QVERIFY(!QApplication::activePopupWidget());
        host.box->setValue(3);
        QCOMPARE(host.slider->value(), 40);
    }
}

void tst_BVSpinBox::pressOnButtonTogglesOnce()
{
    Host host;
    QVERIFY(host.Show());
    QVERIFY(host.Open());
    QSignalSpy toggled(host.button, &QPushButton::toggled);

    const QPoint onButton = CenterOnScreen(host.button);
    QCursor::setPos(onButton);
    QWindow* handle = host.window.windowHandle();
    QTest::mousePress(handle, Qt::LeftButton, {}, handle->mapFromGlobal(onButton));

    // The press closes the popup but leaves the button to the click.
    QVERIFY(!host.popup->isVisible());
    QVERIFY(host.button->isChecked());
    QVERIFY(toggled.isEmpty());

    QTest::mouseRelease(handle, Qt::LeftButton, {}, handle->mapFromGlobal(onButton));
    // Where the popup could not grab the pointer, the toolkit does not replay
    // the press on the button; the window system would have sent the click
    // there directly.
    if (toggled.isEmpty())
        QTest::mouseClick(host.button, Qt::LeftButton);

    QCOMPARE(toggled.count(), 1);
    QCOMPARE(toggled.first().first().toBool(), false);
    QVERIFY(!host.popup->isVisible());
    QVERIFY(!QApplication::activePopupWidget());
}

void tst_BVSpinBox::tabStaysInBoxBacktabLeaves()
{
    Host host;
    QSignalSpy fired(host.tab, &QShortcut::activated);
    QVERIFY(host.Show());

    // The shortcut is live: from a plain line edit, Tab triggers it.
    QVERIFY(host.Focus(host.before));
    QTest::keyClick(host.before, Qt::Key_Tab);
    QCOMPARE(fired.count(), 1);

    QVERIFY(host.Focus(host.box));
    QTest::keyClick(host.box, Qt::Key_Tab);
    QTest::keyClick(host.box, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(fired.count(), 1);
    QVERIFY(host.box->hasFocus());

    QTest::keyClick(host.box, Qt::Key_Backtab, Qt::ShiftModifier);
    QTRY_VERIFY(host.before->hasFocus());
}

void tst_BVSpinBox::finishingKeysDropFocus_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
}

void tst_BVSpinBox::finishingKeysDropFocus()
{
    QFETCH(int, key);
    Host host;
    host.box->setKeyboardTracking(false);
    QVERIFY(host.Show());
    QVERIFY(host.Focus(host.box));
    host.box->selectAll();
    QTest::keyClicks(host.box, QStringLiteral("77"));

    QTest::keyClick(host.box, Qt::Key(key));

    QVERIFY(!host.box->hasFocus());
    QCOMPARE(host.box->value(), 77);
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
