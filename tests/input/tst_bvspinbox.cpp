#include "BVSpinBox.h"
#include "EasySlider.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A host window: a line edit above the box, which may then sit right at the
// window's edge.
struct Host {
    QWidget window;
    QLineEdit* before = new QLineEdit(&window);
    BVSpinBox* box = new BVSpinBox(&window);
    QPushButton* button = box->findChild<QPushButton*>();
    EasySlider* slider = box->findChild<EasySlider*>(QStringLiteral("PopupSlider"));
    QWidget* popup = slider ? slider->window() : nullptr;

    Host()
    {
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(before);
        layout->addWidget(box);
        box->setRange(0, 100);
        box->setValue(40);
        window.resize(240, 80);
    }

    bool Show()
    {
        window.move(QGuiApplication::primaryScreen()->availableGeometry().center() - QPoint(120, 40));
        window.show();
        // Without a window manager nothing activates a new window for us.
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }

    QRect BoxOnScreen() const { return QRect(box->mapToGlobal(QPoint(0, 0)), box->size()); }
    QList<int> Slider() const { return { slider->minimum(), slider->maximum(), slider->value() }; }

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
    void tiedOnlyWhileOpenAndDestroyed();
    void opensAndCloses_data();
    void opensAndCloses();
};

void tst_BVSpinBox::init()
{
    // The pointer parks far from where the tests put their windows.
    QCursor::setPos(QGuiApplication::primaryScreen()->availableGeometry().topLeft() + QPoint(1, 1));
}

void tst_BVSpinBox::tiedOnlyWhileOpenAndDestroyed()
{
    Host host;
    // Both ends differ from the slider's own range; the value sits at the top.
    host.box->setRange(-50, 500);
    host.box->setValue(500);
    QVERIFY(host.Show());
    QVERIFY(host.Open());
    QCOMPARE(host.Slider(), QList<int>({ -50, 500, 500 }));
    QTRY_VERIFY(host.slider->hasFocus());

    host.slider->setValue(70);
    QCOMPARE(host.box->value(), 70);
    host.box->setValue(10);
    QCOMPARE(host.slider->value(), 10);
    // The range is taken at each opening.
    host.box->setRange(10, 50);

    host.button->setChecked(false);
    QVERIFY(!host.popup->isVisible());
    host.box->setValue(20);
    QCOMPARE(host.slider->value(), 10);
    host.slider->setValue(90);
    QCOMPARE(host.box->value(), 20);

    QVERIFY(host.Open());
    QCOMPARE(host.Slider(), QList<int>({ 10, 50, 20 }));

    // Destroyed while open: the popup goes with the box.
    QPointer<QWidget> popup = host.popup;
    delete host.box;
    QVERIFY(popup.isNull());
}

// Where the popup opens, then how it closes: every close also happens with
// the popup fitted to an edge of the screen.
void tst_BVSpinBox::opensAndCloses_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QSize>("popupSize"); // invalid: the layout's size
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("staysOpen");
    QTest::newRow("near the bottom, Escape in the slider") << "bottom" << QSize() << "escape" << false;
    QTest::newRow("near the left edge, click outside") << "left" << QSize(400, 30) << "click" << false;
    QTest::newRow("mid-screen, left press on the button") << "mid" << QSize() << "press on button" << false;
    QTest::newRow("wider than the screen, deactivated")
        << "wide" << QSize(10000, 30) << "deactivate" << false;
    QTest::newRow("mid-screen, deactivated, cursor on the button")
        << "mid" << QSize() << "deactivate on button" << true;
}

void tst_BVSpinBox::opensAndCloses()
{
    QFETCH(QString, where);
    QFETCH(QSize, popupSize);
    QFETCH(QString, how);
    QFETCH(bool, staysOpen);

    Host host;
    QVERIFY(host.Show());
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

    // Two pixels below the box and flush right, unless that leaves the screen;
    // when the popup is wider than the screen, the right edge wins.
    const QRect box = host.BoxOnScreen(), popup = host.popup->geometry();
    const bool bottom = where == QLatin1String("bottom"), left = where == QLatin1String("left");
    QCOMPARE(bottom ? popup.bottom() : popup.top(), bottom ? area.bottom() : box.bottom() + 2);
    const int right = where == QLatin1String("wide") ? area.right() : box.right() - 1;
    QCOMPARE(left ? popup.left() : popup.right(), left ? area.left() : right);

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
}

QTEST_MAIN(tst_BVSpinBox)
#include "tst_bvspinbox.moc"
