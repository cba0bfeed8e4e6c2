#include "EasySlider.h"
#include "TestSupport.h"

#include <QApplication>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QScopeGuard>
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
    void pointer_data();
    void pointer();
    void rightToLeft_data();
    void rightToLeft();
};

void tst_EasySlider::pointer_data()
{
    QTest::addColumn<bool>("popup");
    QTest::addColumn<int>("width"); // of the slider; the groove is 20 pixels shorter
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("x"); // pressed
    QTest::addColumn<int>("expected");

    // The groove spans 10 to 265, 256 pixels; a popup's, 22 to 253.
    const int low = std::numeric_limits<int>::min(), high = std::numeric_limits<int>::max();
    QTest::newRow("exact half rounds up") << false << 276 << 0 << 255 << 138 << 128;
    QTest::newRow("last interior pixel rounds down") << false << 276 << 0 << 255 << 264 << 253;
    QTest::newRow("on the right edge") << false << 276 << 0 << 255 << 265 << 255;
    QTest::newRow("full int range") << false << 276 << low << high << 138 << 0;
    QTest::newRow("popup: quarter") << true << 276 << 0 << 255 << 80 << 64;
    QTest::newRow("popup: on narrowed right edge") << true << 276 << 0 << 255 << 253 << 255;
    // Narrowed past empty, the left edge lies right of the right one: left is checked first.
    QTest::newRow("popup: narrower than the insets") << true << 40 << 0 << 255 << 22 << 0;
}

void tst_EasySlider::pointer()
{
    QFETCH(bool, popup);
    QFETCH(int, width);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, x);
    QFETCH(int, expected);

    QWidget parent;
    EasySlider slider(&parent);
    slider.setStyle(&m_host);
    slider.resize(width, 30);
    slider.setObjectName(popup ? QStringLiteral("PopupSlider") : QString());
    slider.setTickPosition(QSlider::TicksBothSides);
    slider.setRange(minimum, maximum);
    // Start away from the expected value so a press that does nothing fails.
    slider.setValue(expected == minimum ? maximum : minimum);
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
    QApplication::sendEvent(&slider, bvtest::NewHoverEvent(QEvent::HoverLeave, {}).get());
    send(QEvent::MouseMove, x, false);
    send(QEvent::MouseButtonRelease, x, false);
    slider.grab();
    QCOMPARE(m_host.drawn, int(Plain));
    QApplication::sendEvent(&slider, bvtest::NewHoverEvent(QEvent::HoverEnter, {}).get());
    slider.grab();
    QCOMPARE(m_host.drawn, int(Active));

    send(QEvent::MouseButtonPress, x, true);
    QCOMPARE(slider.value(), expected);
    QCOMPARE(changed.count(), 1);
    QVERIFY(!slider.isSliderDown());
    // Leaving the control while dragging pins the value and keeps the handle pressed.
    QApplication::sendEvent(&slider, bvtest::NewHoverEvent(QEvent::HoverLeave, {}).get());
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

void tst_EasySlider::rightToLeft_data()
{
    QTest::addColumn<int>("host"); // right to left: 0 before the slider is made, 1 after, 2 on the slider
    QTest::addColumn<int>("x"); // pressed; the groove spans 10 to 269
    QTest::addColumn<QString>("expected"); // value, how the handle is drawn, value after Right
    QTest::newRow("pointer") << 0 << 66 << "22 LTR 23";
    QTest::newRow("left edge, host switched later") << 1 << 10 << "0 LTR 1";
    QTest::newRow("right edge") << 0 << 269 << "100 LTR 100";
    QTest::newRow("set on the slider itself") << 2 << 66 << "22 RTL 21";
}

void tst_EasySlider::rightToLeft()
{
    QFETCH(int, host);
    QFETCH(int, x);
    const auto restore = qScopeGuard([] { QApplication::setLayoutDirection(Qt::LeftToRight); });
    QApplication::setLayoutDirection(host == 0 ? Qt::RightToLeft : Qt::LeftToRight);
    EasySlider slider;
    slider.setStyle(&m_host);
    slider.resize(280, 30);
    slider.setRange(0, 100);
    if (host > 0)
        host == 1 ? QApplication::setLayoutDirection(Qt::RightToLeft)
                  : slider.setLayoutDirection(Qt::RightToLeft);
    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(x, 15));
    const int value = slider.value();
    QTest::keyClick(&slider, Qt::Key_Right);
    QFETCH(QString, expected);
    QCOMPARE(QString::asprintf("%d %s %d", value, slider.isRightToLeft() ? "RTL" : "LTR", slider.value()),
        expected);
}

QTEST_MAIN(tst_EasySlider)
#include "tst_easyslider.moc"
