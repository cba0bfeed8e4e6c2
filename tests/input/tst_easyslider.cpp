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

// Sends through QApplication so an ignored event propagates to the parent.
void Send(QWidget* w, QEvent::Type type, int x, Qt::MouseButton button = Qt::LeftButton)
{
    const QPoint pos(x, w->height() / 2);
    const Qt::MouseButtons held
        = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(
        type, pos, w->mapToGlobal(pos), type == QEvent::MouseMove ? Qt::NoButton : button, held, {});
    QApplication::sendEvent(w, &event);
}

void SendHover(QWidget* w, QEvent::Type type)
{
    const auto event = BVQtCompat::NewHoverEvent(type, QPointF(5, 5));
    QApplication::sendEvent(w, event.get());
}

} // namespace

class tst_EasySlider : public QObject {
    Q_OBJECT

    RecordingStyle m_style;
    RecordingParent m_parent;

    int Drawn(QWidget* slider)
    {
        m_style.drawn = 0;
        slider->grab();
        return m_style.drawn;
    }

private Q_SLOTS:
    void pressMapsOntoGroove_data();
    void pressMapsOntoGroove();
    void dragHoverAndPaint();
};

void tst_EasySlider::pressMapsOntoGroove_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("offset"); // from the unnarrowed groove's left edge
    QTest::addColumn<int>("expected");

    const QString plain;
    const QString popup = QStringLiteral("PopupSlider");
    const int left = Qt::LeftButton;
    QTest::newRow("middle") << plain << left << 0 << 255 << 128 << 128;
    QTest::newRow("right button") << plain << int(Qt::RightButton) << 0 << 255 << 128 << 128;
    QTest::newRow("middle button") << plain << int(Qt::MiddleButton) << 0 << 255 << 128 << 128;
    QTest::newRow("left of groove") << plain << left << 0 << 255 << -5 << 0;
    QTest::newRow("first interior pixel") << plain << left << 0 << 255 << 1 << 1;
    QTest::newRow("last interior pixel") << plain << left << 0 << 255 << 254 << 253;
    QTest::newRow("on the right edge") << plain << left << 0 << 255 << 255 << 255;
    QTest::newRow("rounds down") << plain << left << 0 << 100 << 3 << 1;
    QTest::newRow("exact half rounds up") << plain << left << 0 << 100 << 32 << 13;
    QTest::newRow("shifted range") << plain << left << 10 << 20 << 200 << 18;
    QTest::newRow("minimum equals maximum") << plain << left << 7 << 7 << 100 << 7;
    QTest::newRow("full int range") << plain << left << std::numeric_limits<int>::min()
                                    << std::numeric_limits<int>::max() << 128 << 0;
    QTest::newRow("popup: on narrowed left edge") << popup << left << 0 << 255 << 12 << 0;
    QTest::newRow("popup: quarter") << popup << left << 0 << 255 << 70 << 64;
    QTest::newRow("popup: on narrowed right edge") << popup << left << 0 << 255 << 243 << 255;
}

void tst_EasySlider::pressMapsOntoGroove()
{
    QFETCH(QString, name);
    QFETCH(int, button);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, offset);
    QFETCH(int, expected);

    ProbeSlider slider(&m_style, nullptr);
    const QRect groove = slider.Groove();
    QCOMPARE(groove.width(), kGrooveWidth);
    slider.setObjectName(name);
    slider.setRange(minimum, maximum);
    // Start away from the expected value so a press that does nothing fails.
    const int start = expected == minimum ? maximum : minimum;
    slider.setValue(start);
    QSignalSpy changed(&slider, &QAbstractSlider::valueChanged);

    QTest::mousePress(&slider, Qt::MouseButton(button), {}, QPoint(groove.left() + offset, 15));

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

    // Without a press, moves and releases are the parent's.
    Send(&slider, QEvent::MouseMove, left + 64);
    Send(&slider, QEvent::MouseButtonRelease, left + 64);
    QCOMPARE(slider.value(), 7);
    QCOMPARE(Drawn(&slider), Plain);
    SendHover(&slider, QEvent::HoverEnter);
    QCOMPARE(Drawn(&slider), Active);

    Send(&slider, QEvent::MouseButtonPress, left + 64, Qt::RightButton);
    Send(&slider, QEvent::MouseMove, left + 128, Qt::RightButton);
    QCOMPARE(slider.value(), 128);
    QCOMPARE(Drawn(&slider), Pressed);
    // Leaving the control while dragging pins the value and keeps the handle pressed.
    SendHover(&slider, QEvent::HoverLeave);
    Send(&slider, QEvent::MouseMove, slider.width() + 40, Qt::RightButton);
    QCOMPARE(slider.value(), 255);
    QCOMPARE(Drawn(&slider), Pressed);
    Send(&slider, QEvent::MouseButtonRelease, left + 10, Qt::RightButton);
    QCOMPARE(slider.value(), 255);
    QCOMPARE(Drawn(&slider), Plain);

    // The drag is over.
    Send(&slider, QEvent::MouseMove, left + 64);
    QCOMPARE(slider.value(), 255);
    const QList<QEvent::Type> stray { QEvent::MouseMove, QEvent::MouseButtonRelease, QEvent::MouseMove };
    QCOMPARE(m_parent.received, stray);

    // Released over the control: highlighted, no longer pressed.
    SendHover(&slider, QEvent::HoverEnter);
    Send(&slider, QEvent::MouseButtonPress, 100);
    Send(&slider, QEvent::MouseButtonRelease, 100);
    QCOMPARE(Drawn(&slider), Active);
}

QTEST_MAIN(tst_EasySlider)
#include "tst_easyslider.moc"
