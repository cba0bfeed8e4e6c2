#include "BVSpinBox.h"
#include "EasySlider.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

// A shown host window with the box at its bottom and free room above.
struct Host {
    QWidget window;
    QPointer<BVSpinBox> box = new BVSpinBox(&window);
    QPushButton* button = box->findChild<QPushButton*>();
    EasySlider* slider = box->findChild<EasySlider*>(QStringLiteral("PopupSlider"));
    QPointer<QWidget> popup = slider ? slider->window() : nullptr;
    QSignalSpy toggled { button, &QPushButton::toggled };

    Host()
    {
        box->setGeometry(0, 40, 160, 30);
        box->setRange(-50, 500); // both ends unlike the slider's own range
        box->setValue(500); // at the top, where a slider still on its own range would clamp it
        window.resize(160, 70);
        window.show();
        window.activateWindow(); // without a window manager nothing else does
    }

    // Mouse events go to the window, for the toolkit's popup handling to apply.
    QPoint CursorOn(const QWidget* w)
    {
        QCursor::setPos(w->mapToGlobal(w->rect().center()));
        return window.windowHandle()->mapFromGlobal(QCursor::pos());
    }

    void Deactivate(const QWidget* cursorOn)
    {
        CursorOn(cursorOn);
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(slider, &deactivate);
    }
};

using Action = void (*)(Host&);
Q_DECLARE_METATYPE(Action)

class tst_BVSpinBox : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opensAndCloses_data();
    void opensAndCloses();
};

// Where the popup opens, then how it closes, also when fitted to an edge of the screen.
void tst_BVSpinBox::opensAndCloses_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<Action>("how");
    QTest::addColumn<bool>("staysOpen");
    // Only the box closes on a shifted Escape (the toolkit on a plain one); sent without a Shift press.
    QTest::newRow("near the bottom, Shift+Escape in the slider") << "bottom" << Action([](Host& h) {
        QKeyEvent shiftEscape(QEvent::KeyPress, Qt::Key_Escape, Qt::ShiftModifier);
        QApplication::sendEvent(h.slider, &shiftEscape);
        QTRY_VERIFY(h.box->hasFocus()); // the button never took it
    }) << false;
    QTest::newRow("near the left edge, click outside") << "left" << Action([](Host& h) {
        QTest::mouseClick(h.window.windowHandle(), Qt::LeftButton, {}, h.CursorOn(&h.window));
    }) << false;
    QTest::newRow("left press on the button") << "mid" << Action([](Host& h) {
        QTest::mousePress(h.window.windowHandle(), Qt::LeftButton, {}, h.CursorOn(h.button));
        QVERIFY(!h.popup->isVisible() && h.button->isChecked()); // the button is left to the click
        QTest::mouseRelease(h.window.windowHandle(), Qt::LeftButton, {}, h.CursorOn(h.button));
        if (h.button->isChecked()) // offscreen, nothing replays the press on the button
            QTest::mouseClick(h.button, Qt::LeftButton);
    }) << false;
    QTest::newRow("wide, deactivate") << "wide" << Action([](Host& h) { h.Deactivate(&h.window); }) << false;
    QTest::newRow("deactivate on button") << "mid" << Action([](Host& h) { h.Deactivate(h.button); }) << true;
    QTest::newRow("box hidden") << "mid" << Action([](Host& h) { h.box->hide(); }) << false;
    QTest::newRow("host window hidden") << "mid" << Action([](Host& h) { h.window.hide(); }) << false;
    QTest::newRow("box disabled") << "mid" << Action([](Host& h) { h.box->setEnabled(false); }) << false;
    QTest::newRow("box deleted") << "mid" << Action([](Host& h) { delete h.box; }) << false;
}

void tst_BVSpinBox::opensAndCloses()
{
    QFETCH(QString, where);
    QFETCH(Action, how);
    QFETCH(bool, staysOpen);

    Host host;
    QVERIFY(QTest::qWaitForWindowActive(&host.window));
    QCOMPARE(host.button->geometry().topRight(), host.box->rect().topRight()); // over the box's right end
    const QRect area = host.box->screen()->availableGeometry();
    const bool bottom = where == QLatin1String("bottom"), left = where == QLatin1String("left");
    const bool wide = where == QLatin1String("wide");
    if (left || wide) // flush right with the box, the popup would leave the screen at the left
        host.popup->resize(wide ? 10000 : 400, 30);
    const QPoint boxAt(left ? area.left() + 5 : area.center().x(),
        bottom ? area.bottom() - host.box->height() - 3 : area.center().y());
    host.window.move(host.window.pos() + boxAt - host.box->mapToGlobal(QPoint()));
    QTRY_COMPARE(host.box->mapToGlobal(QPoint()), boxAt);
    QTest::mouseClick(host.button, Qt::LeftButton);

    // Two pixels below the box and flush right, unless that leaves the screen (whose right edge wins).
    const QRect box(boxAt, host.box->size()), popup = host.popup->geometry();
    QCOMPARE(bottom ? popup.bottom() : popup.top(), bottom ? area.bottom() : box.bottom() + 2);
    QCOMPARE(left ? popup.left() : popup.right(), left ? area.left() : wide ? area.right() : box.right() - 1);

    // The slider takes the box's range and value; the two follow each other only while open.
    const QList<int> opened = { host.slider->minimum(), host.slider->maximum(), host.slider->value() };
    QCOMPARE(opened, QList<int>({ -50, 500, 500 }));
    QCOMPARE(qMakePair(host.slider->x(), host.slider->width()), qMakePair(0, popup.width())); // no margins
    QTRY_VERIFY(host.slider->hasFocus());
    host.slider->setValue(70);
    host.box->stepDown();
    QCOMPARE(host.slider->value(), 69);

    how(host);
    QTRY_COMPARE(host.popup && host.popup->isVisible(), staysOpen);
    QCOMPARE(host.toggled.count(), staysOpen ? 1 : 2); // once to open, once more to close
    if (host.box && !staysOpen) {
        host.slider->setValue(90);
        host.box->stepDown();
        QCOMPARE(QList<int>({ host.box->value(), host.slider->value() }), QList<int>({ 68, 90 }));
    }
}

QTEST_MAIN(tst_BVSpinBox)
#include "tst_bvspinbox.moc"
