#include "BVQtCompat.h"
#include "EasySlider.h"
#include "TestSupport.h"

#include <QApplication>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <QTest>

namespace {

constexpr int kGrooveWidth = 256;
// How the slider was drawn: a tick bit set spoils each of these.
enum Drawn { Plain = 8, Active = 9, Pressed = 11 };

// Fusion, collecting how it was asked to draw the slider.
struct RecordingStyle : QProxyStyle {
    RecordingStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    { }
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* p,
        const QWidget* w) const override
    {
        if (control == CC_Slider)
            drawn |= 8 | (option->activeSubControls & SC_SliderHandle ? 1 : 0)
                | (option->state & State_Sunken ? 2 : 0) | (option->subControls & SC_SliderTickmarks ? 4 : 0);
        QProxyStyle::drawComplexControl(control, option, p, w);
    }
    mutable int drawn = 0;
};

// A slider whose groove, as its style reports it, is kGrooveWidth pixels wide.
struct ProbeSlider : EasySlider {
    ProbeSlider(QStyle* style, QWidget* parent)
        : EasySlider(parent)
    {
        setStyle(style);
        resize(300, 30);
        resize(300 + kGrooveWidth - Groove().width(), 30);
    }
    QRect Groove()
    {
        QStyleOptionSlider option;
        initStyleOption(&option);
        return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    }
};

struct RecordingParent : QWidget {
    QList<QEvent::Type> received;
    void mouseMoveEvent(QMouseEvent* event) override { received.append(event->type()); }
    void mouseReleaseEvent(QMouseEvent* event) override { received.append(event->type()); }
};

} // namespace

class tst_EasySlider : public QObject {
    Q_OBJECT

    RecordingStyle m_style;
    RecordingParent m_parent;

private Q_SLOTS:
    void pressMapsOntoGroove_data();
    void pressMapsOntoGroove();
    void dragHoverAndPaint();
};

void tst_EasySlider::pressMapsOntoGroove_data()
{
    QTest::addColumn<bool>("popup");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("offset"); // from the unnarrowed groove's left edge
    QTest::addColumn<int>("expected");

    // Pressed with the middle button; the right one is the drag's.
    QTest::newRow("middle") << false << 0 << 255 << 128 << 128;
    QTest::newRow("left of groove") << false << 0 << 255 << -5 << 0;
    QTest::newRow("first interior pixel rounds up") << false << 0 << 255 << 1 << 1;
    QTest::newRow("last interior pixel rounds down") << false << 0 << 255 << 254 << 253;
    QTest::newRow("on the right edge") << false << 0 << 255 << 255 << 255;
    QTest::newRow("exact half rounds up") << false << 0 << 100 << 32 << 13;
    QTest::newRow("minimum equals maximum") << false << 7 << 7 << 100 << 7;
    QTest::newRow("full int range") << false << std::numeric_limits<int>::min()
                                    << std::numeric_limits<int>::max() << 128 << 0;
    QTest::newRow("popup: quarter") << true << 0 << 255 << 70 << 64;
    QTest::newRow("popup: on narrowed right edge") << true << 0 << 255 << 243 << 255;
}

void tst_EasySlider::pressMapsOntoGroove()
{
    QFETCH(bool, popup);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, offset);
    QFETCH(int, expected);

    ProbeSlider slider(&m_style, nullptr);
    const QRect groove = slider.Groove();
    QCOMPARE(groove.width(), kGrooveWidth);
    slider.setObjectName(popup ? QStringLiteral("PopupSlider") : QString());
    slider.setRange(minimum, maximum);
    // Start away from the expected value so a press that does nothing fails.
    const int start = expected == minimum ? maximum : minimum;
    slider.setValue(start);
    QSignalSpy changed(&slider, &QAbstractSlider::valueChanged);

    QTest::mousePress(&slider, Qt::MiddleButton, {}, QPoint(groove.left() + offset, 15));

    QCOMPARE(slider.value(), expected);
    QCOMPARE(changed.count(), start == expected ? 0 : 1);
    QVERIFY(!slider.isSliderDown());
}

void tst_EasySlider::dragHoverAndPaint()
{
    ProbeSlider slider(&m_style, &m_parent);
    slider.setTickPosition(QSlider::TicksBothSides);
    slider.setRange(0, 255);
    slider.setValue(7);
    const int left = slider.Groove().left();
    auto send = [&](QEvent::Type type, int x, Qt::MouseButton button = Qt::LeftButton) {
        bvtest::SendMouse(&slider, type, QPoint(x, 15), button);
    };
    auto hover = [&](QEvent::Type type) {
        QApplication::sendEvent(&slider, BVQtCompat::NewHoverEvent(type, QPointF(5, 5)).get());
    };
    auto drawn = [&]() {
        m_style.drawn = 0;
        slider.grab();
        return m_style.drawn;
    };

    // Without a press, moves and releases are the parent's.
    send(QEvent::MouseMove, left + 64);
    send(QEvent::MouseButtonRelease, left + 64);
    QCOMPARE(slider.value(), 7);
    QCOMPARE(drawn(), Plain);
    hover(QEvent::HoverEnter);
    QCOMPARE(drawn(), Active);

    send(QEvent::MouseButtonPress, left + 64, Qt::RightButton);
    QCOMPARE(slider.value(), 64); // any button jumps
    send(QEvent::MouseMove, left + 128, Qt::RightButton);
    QCOMPARE(slider.value(), 128);
    QCOMPARE(drawn(), Pressed);
    // Leaving the control while dragging pins the value and keeps the handle pressed.
    hover(QEvent::HoverLeave);
    send(QEvent::MouseMove, slider.width() + 40, Qt::RightButton);
    QCOMPARE(slider.value(), 255);
    QCOMPARE(drawn(), Pressed);
    send(QEvent::MouseButtonRelease, left + 10, Qt::RightButton);
    QCOMPARE(slider.value(), 255);
    QCOMPARE(drawn(), Plain);

    // The drag is over.
    send(QEvent::MouseMove, left + 64);
    QCOMPARE(slider.value(), 255);
    const QList<QEvent::Type> stray { QEvent::MouseMove, QEvent::MouseButtonRelease, QEvent::MouseMove };
    QCOMPARE(m_parent.received, stray);

    // A left press jumps too; released over the control: highlighted, no longer pressed.
    hover(QEvent::HoverEnter);
    send(QEvent::MouseButtonPress, left + 128);
    QCOMPARE(slider.value(), 128);
    send(QEvent::MouseButtonRelease, left + 128);
    QCOMPARE(drawn(), Active);
}

QTEST_MAIN(tst_EasySlider)
#include "tst_easyslider.moc"
