#include "BVSpinBox.h"
#include "EasySlider.h"
#include "SmartDoubleSpinBox.h"
#include "SmartSpinBox.h"
#include "TestSupport.h"

class tst_BVSpinBox : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // "how" → whether the popup stays open. The slider takes the box's range and value, and the two
    // follow each other only while it is open. Only the box closes on a shifted Escape (the toolkit on a
    // plain one), sent without a Shift press; the button is left to the click.
    void opensAndCloses_data()
    {
        bvtest::Rows({ { "shift-escape", "closed" }, { "click-outside", "closed" },
            { "press-button", "closed" }, { "deactivate", "closed" }, { "deactivate-on-button", "open" },
            { "hide-box", "closed" }, { "disable-box", "closed" }, { "delete-box", "closed" } });
    }

    void opensAndCloses()
    {
        QFETCH(QString, input);
        QWidget window;
        QPointer<BVSpinBox> box = new BVSpinBox(&window);
        auto* button = box->findChild<QPushButton*>();
        auto* slider = box->findChild<EasySlider*>(QStringLiteral("PopupSlider"));
        QPointer<QWidget> popup = slider->window();
        QSignalSpy toggled(button, &QPushButton::toggled);
        box->setGeometry(0, 40, 160, 30);
        box->setRange(-50, 500); // both ends unlike the slider's own range
        box->setValue(500); // at the top, where a slider still on its own range would clamp it
        window.resize(160, 70);
        QVERIFY(bvtest::ShowActive(&window));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(QList<int>(
                     { slider->minimum(), slider->maximum(), slider->value(), slider->x(), slider->width() }),
            QList<int>({ -50, 500, 500, 0, popup->width() }));
        QTRY_VERIFY(slider->hasFocus());
        slider->setValue(70);
        box->stepDown();
        QCOMPARE(slider->value(), 69);

        // Mouse events go to the window, for the toolkit's popup handling to apply.
        const auto cursorOn = [&](const QWidget* w) {
            QCursor::setPos(w->mapToGlobal(w->rect().center()));
            return window.windowHandle()->mapFromGlobal(QCursor::pos());
        };
        if (input == QLatin1String("shift-escape")) {
            QKeyEvent shiftEscape(QEvent::KeyPress, Qt::Key_Escape, Qt::ShiftModifier);
            QApplication::sendEvent(slider, &shiftEscape);
            QTRY_VERIFY(box->hasFocus()); // the button never took it
        } else if (input == QLatin1String("click-outside"))
            QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, cursorOn(&window));
        else if (input == QLatin1String("press-button")) {
            QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, cursorOn(button));
            QVERIFY(!popup->isVisible() && button->isChecked());
            QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, cursorOn(button));
            if (button->isChecked()) // offscreen, nothing replays the press on the button
                QTest::mouseClick(button, Qt::LeftButton);
        } else if (input.startsWith(QLatin1String("deactivate"))) {
            cursorOn(input.endsWith(QLatin1String("button")) ? static_cast<QWidget*>(button) : &window);
            QEvent deactivate(QEvent::WindowDeactivate);
            QApplication::sendEvent(slider, &deactivate);
        } else if (input == QLatin1String("hide-box"))
            box->hide();
        else if (input == QLatin1String("disable-box"))
            box->setEnabled(false);
        else
            delete box;
        QFETCH(QString, expected);
        QTRY_COMPARE(QLatin1String(popup && popup->isVisible() ? "open" : "closed"), expected);
        QCOMPARE(toggled.count(), expected == QLatin1String("open") ? 1 : 2); // once to open, once to close
        if (box && expected == QLatin1String("closed")) {
            slider->setValue(90);
            box->stepDown();
            QCOMPARE(QList<int>({ box->value(), slider->value() }), QList<int>({ 68, 90 }));
        }
    }

    // "BOX KEY" to a focused box, under a host's shortcut on Tab that never fires → the value, from 0,
    // and where the focus is then: still in the box, on the next widget, or nowhere.
    void keys_data()
    {
        bvtest::Rows({ { "int Tab", "0 next" }, { "double Tab", "0 next" }, { "popup Tab", "0 box" },
            { "int Up", "1 box" }, { "int Escape", "0 none" }, { "double Num+Enter", "0 none" },
            { "popup Ctrl+Return", "0 none" } });
    }

    void keys()
    {
        QFETCH(QString, input);
        QWidget window;
        const QList<QWidget*> boxes { new SmartSpinBox(&window), new SmartDoubleSpinBox(&window),
            new BVSpinBox(&window), new QLineEdit(&window) };
        QWidget* box = boxes[QStringLiteral("idp").indexOf(input[0])];
        QShortcut tab(QKeySequence(Qt::Key_Tab), &window);
        QSignalSpy fired(&tab, &QShortcut::activated);
        QVERIFY(bvtest::ShowActive(&window));
        box->setFocus();
        QTest::keySequence(box, QKeySequence(input.section(QLatin1Char(' '), 1)));
        QCOMPARE(fired.count(), 0);
        QTEST(QString(QString::number(box->property("value").toInt())
                  + QLatin1String(box->hasFocus()       ? " box"
                          : QApplication::focusWidget() ? " next"
                                                        : " none")),
            "expected");
    }
};

QTEST_MAIN(tst_BVSpinBox)
#include "tst_bvspinbox.moc"
