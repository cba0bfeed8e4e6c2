#include "BVQtCompat.h"
#include "EasySlider.h"

#include <QApplication>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <QTest>

namespace {

// Fusion, collecting how it was asked to draw a slider: 8 from the slider's own option, 1 handle
// active, 2 sunken; 4 tick marks, which are never drawn.
struct RecordingStyle : QProxyStyle {
    RecordingStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    { }
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* p,
        const QWidget* w) const override
    {
        if (control == CC_Slider)
            drawn |= (option->rect == w->rect() ? 8 : 0)
                | (option->activeSubControls & SC_SliderHandle ? 1 : 0)
                | (option->state & State_Sunken ? 2 : 0) | (option->subControls & SC_SliderTickmarks ? 4 : 0);
        QProxyStyle::drawComplexControl(control, option, p, w);
    }
    mutable int drawn = 0;
};
enum Drawn { Plain = 8, Active = 9, Pressed = 11 };

// A slider whose groove, as its style reports it, is `width` pixels wide; it counts the mouse
// events that reach its parent.
struct ProbeSlider : EasySlider {
    ProbeSlider(QStyle* style, int width, QWidget* parent)
        : EasySlider(parent)
    {
        setStyle(style);
        resize(300, 30);
        resize(300 + width - Groove().width(), 30);
        parent->resize(size());
        parent->installEventFilter(this);
    }
    QRect Groove()
    {
        QStyleOptionSlider option;
        initStyleOption(&option);
        return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        parentMouse += event->type() >= QEvent::MouseButtonPress && event->type() <= QEvent::MouseMove;
        return false;
    }
    int parentMouse = 0;
};

} // namespace

class tst_EasySlider : public QObject {
    Q_OBJECT

    RecordingStyle m_style;

private Q_SLOTS:
    void pointer_data();
    void pointer();
};

void tst_EasySlider::pointer_data()
{
    QTest::addColumn<bool>("popup");
    QTest::addColumn<int>("width"); // of the unnarrowed groove
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("offset"); // of the press from the unnarrowed groove's left edge
    QTest::addColumn<int>("expected");

    const int low = std::numeric_limits<int>::min(), high = std::numeric_limits<int>::max();
    QTest::newRow("exact half rounds up") << false << 256 << 0 << 255 << 128 << 128;
    QTest::newRow("first interior pixel rounds up") << false << 256 << 0 << 255 << 1 << 1;
    QTest::newRow("last interior pixel rounds down") << false << 256 << 0 << 255 << 254 << 253;
    QTest::newRow("on the right edge") << false << 256 << 0 << 255 << 255 << 255;
    QTest::newRow("full int range") << false << 256 << low << high << 128 << 0;
    QTest::newRow("popup: quarter") << true << 256 << 0 << 255 << 70 << 64;
    QTest::newRow("popup: on narrowed right edge") << true << 256 << 0 << 255 << 243 << 255;
    // Narrowed past empty, the left edge lies right of the right one: left is checked first.
    QTest::newRow("popup: narrower than the insets") << true << 20 << 0 << 255 << 12 << 0;
}

void tst_EasySlider::pointer()
{
    QFETCH(bool, popup);
    QFETCH(int, width);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, offset);
    QFETCH(int, expected);

    QWidget parent;
    ProbeSlider slider(&m_style, width, &parent);
    const int left = slider.Groove().left();
    QCOMPARE(slider.Groove().width(), width);
    slider.setObjectName(popup ? QStringLiteral("PopupSlider") : QString());
    slider.setTickPosition(QSlider::TicksBothSides);
    slider.setRange(minimum, maximum);
    // Start away from the expected value so a press that does nothing fails.
    slider.setValue(expected == minimum ? maximum : minimum);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QSignalSpy changed(&slider, &QAbstractSlider::valueChanged);
    // With the right button (any button drags). Each event starts out with the opposite of the
    // acceptance the slider must give it; one it ignores goes on to the parent.
    auto send = [&](QEvent::Type type, int x, bool accepted) {
        const QPoint at(left + x, 15);
        QMouseEvent event(type, at, slider.mapToGlobal(at),
            type == QEvent::MouseMove ? Qt::NoButton : Qt::RightButton,
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::RightButton, {});
        event.setAccepted(!accepted);
        QApplication::sendEvent(&slider, &event);
        QVERIFY(event.isAccepted() || !accepted);
    };
    auto drawn = [&]() {
        m_style.drawn = 0;
        slider.grab();
        return m_style.drawn;
    };

    // Without a press, moves and releases are the parent's.
    send(QEvent::MouseMove, offset, false);
    send(QEvent::MouseButtonRelease, offset, false);
    QCOMPARE(slider.parentMouse, 2);
    QCOMPARE(drawn(), Plain);
    QApplication::sendEvent(&slider, BVQtCompat::NewHoverEvent(QEvent::HoverEnter, {}).get());
    QCOMPARE(drawn(), Active);

    send(QEvent::MouseButtonPress, offset, true);
    QCOMPARE(slider.value(), expected);
    QCOMPARE(changed.count(), 1);
    QVERIFY(!slider.isSliderDown());
    // Leaving the control while dragging pins the value and keeps the handle pressed.
    QApplication::sendEvent(&slider, BVQtCompat::NewHoverEvent(QEvent::HoverLeave, {}).get());
    send(QEvent::MouseMove, slider.width(), true);
    QCOMPARE(slider.value(), maximum);
    QCOMPARE(drawn(), Pressed);
    // The release moves nothing, yet the window repaints the handle unpressed.
    QCoreApplication::processEvents();
    m_style.drawn = 0;
    send(QEvent::MouseButtonRelease, 0, true);
    QCoreApplication::processEvents();
    QCOMPARE(m_style.drawn, int(Plain));
    QCOMPARE(slider.value(), maximum);
    QCOMPARE(slider.parentMouse, 2);
}

QTEST_MAIN(tst_EasySlider)
#include "tst_easyslider.moc"
