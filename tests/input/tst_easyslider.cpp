#include "BVQtCompat.h"
#include "EasySlider.h"
#include "TestSupport.h"

#include <QApplication>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QSignalSpy>
#include <QStyleOption>
#include <QTest>

namespace {

// The host's style: Fusion, with a slider groove 10 pixels in from each end. It records how the
// slider last asked to be drawn: 8 with the slider's own option, 1 handle active, 2 sunken, 4 tick
// marks, which are never wanted.
struct Host : QProxyStyle {
    using QProxyStyle::QProxyStyle;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
        const QWidget* w) const override
    {
        if (control == CC_Slider && sub == SC_SliderGroove)
            return option->rect.adjusted(10, 0, -10, 0);
        return QProxyStyle::subControlRect(control, option, sub, w);
    }
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* p,
        const QWidget* w) const override
    {
        if (control == CC_Slider)
            drawn = (option->rect == w->rect() ? 8 : 0)
                | (option->activeSubControls & SC_SliderHandle ? 1 : 0)
                | (option->state & State_Sunken ? 2 : 0) | (option->subControls & SC_SliderTickmarks ? 4 : 0);
        QProxyStyle::drawComplexControl(control, option, p, w);
    }
    mutable int drawn = 0;
};
enum Drawn { Plain = 8, Active = 9, Pressed = 11 };

} // namespace

class tst_EasySlider : public QObject {
    Q_OBJECT

    Host m_host { QStringLiteral("Fusion") };

private Q_SLOTS:
    // "slider|popup width minimum maximum x-pressed" → the value taken. The groove is 20 pixels
    // shorter than the slider: 10 to 265, 256 pixels, a popup's 22 to 253.
    void pointer_data()
    {
        bvtest::Rows({ { "slider 276 0 255 138", "128" }, // exact half rounds up
            { "slider 276 0 255 264", "253" }, { "slider 276 0 255 265", "255" },
            { "slider 276 -2147483648 2147483647 138", "0" }, { "popup 276 0 255 80", "64" },
            { "popup 276 0 255 253", "255" },
            { "popup 40 0 255 22", "0" } }); // narrowed past empty, the left edge is checked first
    }

    void pointer();
};

void tst_EasySlider::pointer()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    const QVector<int> n = bvtest::Numbers(input);
    const int width = n[0], minimum = n[1], maximum = n[2], x = n[3], value = expected.toInt();
    QWidget parent;
    EasySlider slider(&parent);
    slider.setStyle(&m_host);
    slider.resize(width, 30);
    slider.setObjectName(
        input.startsWith(QLatin1String("popup")) ? QStringLiteral("PopupSlider") : QString());
    slider.setTickPosition(QSlider::TicksBothSides);
    slider.setRange(minimum, maximum);
    // Start away from the expected value so a press that does nothing fails.
    slider.setValue(value == minimum ? maximum : minimum);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QSignalSpy changed(&slider, &QAbstractSlider::valueChanged);
    // With the right button (any button drags). Each event starts out with the opposite of the
    // acceptance the slider must give it; one it ignores goes on to the parent, which ignores it too.
    auto send = [&](QEvent::Type type, int at, bool accepted) {
        QMouseEvent event(type, QPointF(at, 15), slider.mapToGlobal(QPoint(at, 15)),
            type == QEvent::MouseMove ? Qt::NoButton : Qt::RightButton,
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::RightButton, {});
        event.setAccepted(!accepted);
        QApplication::sendEvent(&slider, &event);
        QCOMPARE(event.isAccepted(), accepted);
    };

    // Without a press, moves and releases are the parent's. (Qt 6 may start the slider hovered by
    // wherever the window system's cursor is: the pointer leaves first.)
    QApplication::sendEvent(&slider, BVQtCompat::NewHoverEvent(QEvent::HoverLeave, {}).get());
    send(QEvent::MouseMove, x, false);
    send(QEvent::MouseButtonRelease, x, false);
    slider.grab();
    QCOMPARE(m_host.drawn, int(Plain));
    QApplication::sendEvent(&slider, BVQtCompat::NewHoverEvent(QEvent::HoverEnter, {}).get());
    slider.grab();
    QCOMPARE(m_host.drawn, int(Active));

    send(QEvent::MouseButtonPress, x, true);
    QCOMPARE(slider.value(), value);
    QCOMPARE(changed.count(), 1);
    QVERIFY(!slider.isSliderDown());
    // Leaving the control while dragging pins the value and keeps the handle pressed.
    QApplication::sendEvent(&slider, BVQtCompat::NewHoverEvent(QEvent::HoverLeave, {}).get());
    send(QEvent::MouseMove, width, true);
    QCOMPARE(slider.value(), maximum);
    slider.grab();
    QCOMPARE(m_host.drawn, int(Pressed));
    // The release moves nothing, yet the window repaints the handle unpressed.
    QCoreApplication::processEvents();
    m_host.drawn = 0;
    send(QEvent::MouseButtonRelease, 0, true);
    QCoreApplication::processEvents();
    QCOMPARE(m_host.drawn, int(Plain));
    QCOMPARE(slider.value(), maximum);
}

QTEST_MAIN(tst_EasySlider)
#include "tst_easyslider.moc"
