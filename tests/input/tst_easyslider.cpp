#include "EasySlider.h"

#include <QApplication>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace {

// Exposes the style option the slider paints with, to ask its style for the
// groove exactly as the slider does.
class ProbeSlider : public EasySlider {
public:
    using EasySlider::EasySlider;

    QRect Groove()
    {
        QStyleOptionSlider option;
        initStyleOption(&option);
        return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    }
};

// Remembers how it was last asked to draw the handle.
class RecordingStyle : public QProxyStyle {
public:
    RecordingStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    { }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
        const QWidget* widget) const override
    {
        if (control == CC_Slider) {
            ++paints;
            handleActive = option->activeSubControls & SC_SliderHandle;
            sunken = option->state & State_Sunken;
        }
        QProxyStyle::drawComplexControl(control, option, painter, widget);
    }

    mutable int paints = 0;
    mutable bool handleActive = false;
    mutable bool sunken = false;
};

class RecordingParent : public QWidget {
public:
    QList<QEvent::Type> received;

protected:
    void mouseMoveEvent(QMouseEvent* event) override { received.append(event->type()); }
    void mouseReleaseEvent(QMouseEvent* event) override { received.append(event->type()); }
};

constexpr int kGrooveWidth = 256;

void Press(QWidget* w, int x, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mousePress(w, button, {}, QPoint(x, w->height() / 2));
}

// Sends through QApplication so an ignored event propagates to the parent.
bool SendMouse(QWidget* w, QEvent::Type type, int x, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    const QPoint pos(x, w->height() / 2);
    QMouseEvent event(type, pos, w->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
    return event.isAccepted();
}

void SendHover(QWidget* w, QEvent::Type type)
{
    const QPoint inside(w->width() / 2, w->height() / 2);
    QHoverEvent event(type, type == QEvent::HoverLeave ? QPoint(-1, -1) : inside,
        type == QEvent::HoverEnter ? QPoint(-1, -1) : inside);
    QApplication::sendEvent(w, &event);
}

} // namespace

class tst_EasySlider : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QStyle> m_fusion { QStyleFactory::create(QStringLiteral("Fusion")) };

    // A slider under Fusion whose groove is exactly kGrooveWidth pixels wide.
    std::unique_ptr<ProbeSlider> MakeSlider()
    {
        auto slider = std::make_unique<ProbeSlider>();
        slider->setStyle(m_fusion.get());
        slider->resize(300, 30);
        slider->resize(300 + kGrooveWidth - slider->Groove().width(), 30);
        return slider;
    }

private Q_SLOTS:
    void pressMapsOntoGroove_data();
    void pressMapsOntoGroove();
    void anyButtonMoves_data();
    void anyButtonMoves();
    void dragFollowsUntilRelease();
    void strayMoveAndReleaseReachParent_data();
    void strayMoveAndReleaseReachParent();
    void handleStateFollowsHoverAndDrag();
    void ticksAreNotDrawn();
};

void tst_EasySlider::pressMapsOntoGroove_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("offset"); // from the unnarrowed groove's left edge
    QTest::addColumn<int>("expected");

    const QString plain;
    const QString popup = QStringLiteral("PopupSlider");
    QTest::newRow("middle") << plain << 0 << 255 << 128 << 128;
    QTest::newRow("first interior pixel") << plain << 0 << 255 << 1 << 1;
    QTest::newRow("last interior pixel") << plain << 0 << 255 << 254 << 253;
    QTest::newRow("rounds down") << plain << 0 << 100 << 3 << 1;
    QTest::newRow("exact half rounds up") << plain << 0 << 100 << 32 << 13;
    QTest::newRow("negative range") << plain << -50 << 50 << 128 << 0;
    QTest::newRow("shifted range") << plain << 10 << 20 << 200 << 18;
    QTest::newRow("left of groove") << plain << 0 << 255 << -5 << 0;
    QTest::newRow("right of groove") << plain << 0 << 255 << kGrooveWidth + 20 << 255;
    QTest::newRow("popup: inside the inset") << popup << 0 << 255 << 10 << 0;
    QTest::newRow("popup: on narrowed left edge") << popup << 0 << 255 << 12 << 0;
    QTest::newRow("popup: quarter") << popup << 0 << 255 << 70 << 64;
    QTest::newRow("popup: on narrowed right edge") << popup << 0 << 255 << 243 << 255;
}

void tst_EasySlider::pressMapsOntoGroove()
{
    QFETCH(QString, name);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, offset);
    QFETCH(int, expected);

    auto slider = MakeSlider();
    const QRect groove = slider->Groove();
    QCOMPARE(groove.width(), kGrooveWidth);
    slider->setObjectName(name);
    slider->setRange(minimum, maximum);
    // Start away from the expected value so a press that does nothing fails.
    slider->setValue(expected == minimum ? maximum : minimum);
    QSignalSpy changed(slider.get(), &QAbstractSlider::valueChanged);

    Press(slider.get(), groove.left() + offset);

    QCOMPARE(slider->value(), expected);
    QCOMPARE(changed.count(), 1);
    QVERIFY(!slider->isSliderDown());
}

void tst_EasySlider::anyButtonMoves_data()
{
    QTest::addColumn<int>("button");
    QTest::newRow("left") << int(Qt::LeftButton);
    QTest::newRow("right") << int(Qt::RightButton);
    QTest::newRow("middle") << int(Qt::MiddleButton);
}

void tst_EasySlider::anyButtonMoves()
{
    QFETCH(int, button);
    auto slider = MakeSlider();
    slider->setRange(0, 255);
    Press(slider.get(), slider->Groove().left() + 128, Qt::MouseButton(button));
    QCOMPARE(slider->value(), 128);
}

void tst_EasySlider::dragFollowsUntilRelease()
{
    auto slider = MakeSlider();
    slider->setRange(0, 255);
    const int left = slider->Groove().left();

    Press(slider.get(), left + 64);
    QVERIFY(SendMouse(slider.get(), QEvent::MouseMove, left + 128, Qt::NoButton, Qt::LeftButton));
    QCOMPARE(slider->value(), 128);
    // Leaving the control while dragging pins the value to the end.
    QVERIFY(SendMouse(slider.get(), QEvent::MouseMove, slider->width() + 40, Qt::NoButton, Qt::LeftButton));
    QCOMPARE(slider->value(), 255);
    QVERIFY(SendMouse(slider.get(), QEvent::MouseButtonRelease, left + 10, Qt::LeftButton, Qt::NoButton));
    QCOMPARE(slider->value(), 255);
}

void tst_EasySlider::strayMoveAndReleaseReachParent_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("move") << int(QEvent::MouseMove);
    QTest::newRow("release") << int(QEvent::MouseButtonRelease);
}

void tst_EasySlider::strayMoveAndReleaseReachParent()
{
    QFETCH(int, type);
    const auto eventType = QEvent::Type(type);

    RecordingParent parent;
    auto* slider = new ProbeSlider(&parent);
    slider->setStyle(m_fusion.get());
    slider->setGeometry(0, 0, 300, 30);
    slider->setRange(0, 255);
    slider->setValue(7);

    const Qt::MouseButtons held = eventType == QEvent::MouseMove ? Qt::LeftButton : Qt::NoButton;
    const Qt::MouseButton button = eventType == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    SendMouse(slider, eventType, slider->Groove().center().x(), button, held);

    QCOMPARE(slider->value(), 7);
    QCOMPARE(parent.received, QList<QEvent::Type> { eventType });
}

void tst_EasySlider::handleStateFollowsHoverAndDrag()
{
    RecordingStyle style;
    EasySlider slider;
    slider.setStyle(&style);
    slider.resize(200, 30);

    struct Expect {
        bool active;
        bool sunken;
    };
    auto drawn = [&]() -> Expect {
        const int before = style.paints;
        slider.grab();
        return { before < style.paints && style.handleActive, style.sunken };
    };

    Expect e = drawn();
    QVERIFY(!e.active && !e.sunken);

    SendHover(&slider, QEvent::HoverEnter);
    e = drawn();
    QVERIFY(e.active && !e.sunken);

    Press(&slider, 100);
    e = drawn();
    QVERIFY(e.active && e.sunken);

    // Dragging out of the control keeps the handle pressed.
    SendHover(&slider, QEvent::HoverLeave);
    e = drawn();
    QVERIFY(e.active && e.sunken);

    SendMouse(&slider, QEvent::MouseButtonRelease, 100, Qt::LeftButton, Qt::NoButton);
    e = drawn();
    QVERIFY(!e.active && !e.sunken);

    // Released over the control: highlighted, no longer pressed.
    SendHover(&slider, QEvent::HoverEnter);
    Press(&slider, 100);
    SendMouse(&slider, QEvent::MouseButtonRelease, 100, Qt::LeftButton, Qt::NoButton);
    e = drawn();
    QVERIFY(e.active && !e.sunken);
}

void tst_EasySlider::ticksAreNotDrawn()
{
    // Ticks on both sides leave Fusion's groove and handle where they are,
    // so any difference in the picture would be the tick marks.
    auto shot = [this](QSlider* slider, QSlider::TickPosition ticks) {
        slider->setStyle(m_fusion.get());
        slider->resize(200, 40);
        slider->setRange(0, 100);
        slider->setValue(30);
        slider->setTickInterval(10);
        slider->setTickPosition(ticks);
        return slider->grab().toImage();
    };

    EasySlider plain, ticked;
    QCOMPARE(shot(&ticked, QSlider::TicksBothSides), shot(&plain, QSlider::NoTicks));

    // The same settings on the toolkit's slider do show ticks.
    QSlider basePlain(Qt::Horizontal), baseTicked(Qt::Horizontal);
    QVERIFY(shot(&baseTicked, QSlider::TicksBothSides) != shot(&basePlain, QSlider::NoTicks));
}

QTEST_MAIN(tst_EasySlider)
#include "tst_easyslider.moc"
