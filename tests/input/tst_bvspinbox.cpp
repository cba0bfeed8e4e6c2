#include "BVSpinBox.h"
#include "EasySlider.h"
#include "TestSupport.h"

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

class tst_BVSpinBox : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // "where how" → whether the popup stays open. Where it opens (also fitted to an edge of the
    // screen), then how it closes: only the box closes on a shifted Escape (the toolkit on a plain
    // one), sent without a Shift press; the button is left to the click.
    void opensAndCloses_data()
    {
        bvtest::Rows({ { "bottom shift-escape", "closed" }, { "mid click-outside", "closed" },
            { "mid press-button", "closed" }, { "wide deactivate", "closed" },
            { "mid deactivate-on-button", "open" }, { "mid hide-box", "closed" },
            { "mid hide-window", "closed" }, { "mid disable-box", "closed" },
            { "mid delete-box", "closed" } });
    }

    void opensAndCloses();
};

void tst_BVSpinBox::opensAndCloses()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    const QString where = input.section(QLatin1Char(' '), 0, 0), how = input.section(QLatin1Char(' '), 1);
    const bool staysOpen = expected == QLatin1String("open");
    Host host;
    QVERIFY(QTest::qWaitForWindowActive(&host.window));
    QCOMPARE(host.button->geometry().topRight(), host.box->rect().topRight()); // over the box's right end
    const QRect area = host.box->screen()->availableGeometry();
    const bool bottom = where == QLatin1String("bottom");
    const QPoint boxAt(
        area.center().x(), bottom ? area.bottom() - host.box->height() - 3 : area.center().y());
    host.window.move(host.window.pos() + boxAt - host.box->mapToGlobal(QPoint()));
    QTRY_COMPARE(host.box->mapToGlobal(QPoint()), boxAt);
    QTest::mouseClick(host.button, Qt::LeftButton);

    // Two pixels below the box and flush right, unless that leaves the screen.
    const QRect box(boxAt, host.box->size()), popup = host.popup->geometry();
    QCOMPARE(bottom ? popup.bottom() : popup.top(), bottom ? area.bottom() : box.bottom() + 2);
    QCOMPARE(popup.right(), box.right() - 1);

    // The slider takes the box's range and value; the two follow each other only while open.
    const QList<int> opened = { host.slider->minimum(), host.slider->maximum(), host.slider->value() };
    QCOMPARE(opened, QList<int>({ -50, 500, 500 }));
    QCOMPARE(qMakePair(host.slider->x(), host.slider->width()), qMakePair(0, popup.width())); // no margins
    QTRY_VERIFY(host.slider->hasFocus());
    host.slider->setValue(70);
    host.box->stepDown();
    QCOMPARE(host.slider->value(), 69);

    QWindow* window = host.window.windowHandle();
    if (how == QLatin1String("shift-escape")) {
        QKeyEvent shiftEscape(QEvent::KeyPress, Qt::Key_Escape, Qt::ShiftModifier);
        QApplication::sendEvent(host.slider, &shiftEscape);
        QTRY_VERIFY(host.box->hasFocus()); // the button never took it
    } else if (how == QLatin1String("click-outside"))
        QTest::mouseClick(window, Qt::LeftButton, {}, host.CursorOn(&host.window));
    else if (how == QLatin1String("press-button")) {
        QTest::mousePress(window, Qt::LeftButton, {}, host.CursorOn(host.button));
        QVERIFY(!host.popup->isVisible() && host.button->isChecked());
        QTest::mouseRelease(window, Qt::LeftButton, {}, host.CursorOn(host.button));
        if (host.button->isChecked()) // offscreen, nothing replays the press on the button
            QTest::mouseClick(host.button, Qt::LeftButton);
    } else if (how.startsWith(QLatin1String("deactivate")))
        host.Deactivate(how.endsWith(QLatin1String("button")) ? host.button : &host.window);
    else if (how == QLatin1String("hide-box"))
        host.box->hide();
    else if (how == QLatin1String("hide-window"))
        host.window.hide();
    else if (how == QLatin1String("disable-box"))
        host.box->setEnabled(false);
    else
        delete host.box;
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
