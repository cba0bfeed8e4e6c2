#include "EasySlider.h"
#include "TestSupport.h"

#include <tuple>

namespace {

// The host's style: Fusion, with a slider groove 10 pixels in from each end.
struct Host : QProxyStyle {
    using QProxyStyle::QProxyStyle;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
        const QWidget* w) const override
    {
        if (control == CC_Slider && sub == SC_SliderGroove)
            return option->rect.adjusted(10, 0, -10, 0);
        return QProxyStyle::subControlRect(control, option, sub, w);
    }
};

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

    // "when x": the application turned right to left before the slider is made or after it, or
    // the slider itself; pressed at x (the groove spans 10 to 269) → value, drawn, value after Right.
    void rightToLeft_data()
    {
        bvtest::Rows({ { "before 66", "22 LTR 23" }, { "after 10", "0 LTR 1" },
            { "before 269", "100 LTR 100" }, { "itself 66", "22 RTL 21" } });
    }

    void rightToLeft()
    {
        QFETCH(QString, input);
        const auto restore = qScopeGuard([] { QApplication::setLayoutDirection(Qt::LeftToRight); });
        QApplication::setLayoutDirection(
            input.startsWith(QLatin1String("before")) ? Qt::RightToLeft : Qt::LeftToRight);
        EasySlider slider;
        slider.setStyle(&m_host);
        slider.resize(280, 30);
        slider.setRange(0, 100);
        if (input.startsWith(QLatin1String("after")))
            QApplication::setLayoutDirection(Qt::RightToLeft);
        if (input.startsWith(QLatin1String("itself")))
            slider.setLayoutDirection(Qt::RightToLeft);
        QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(bvtest::Numbers(input)[0], 15));
        const int value = slider.value();
        QImage blank(slider.size(), QImage::Format_RGB32); // what a slider that draws nothing shows
        blank.fill(slider.palette().color(QPalette::Window));
        QVERIFY(slider.grab().toImage().convertToFormat(blank.format()) != blank);
        QTest::keyClick(&slider, Qt::Key_Right);
        QTEST(QString::asprintf("%d %s %d", value, slider.isRightToLeft() ? "RTL" : "LTR", slider.value()),
            "expected");
    }
};

// A right-button press (any button drags), a move off the control, a release, each event starting
// with the opposite of the acceptance it must end with (one ignored goes on to the parent). Without a
// press, moves and releases are the parent's; leaving the control pins the value; a release moves nothing.
void tst_EasySlider::pointer()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    const QVector<int> n = bvtest::Numbers(input);
    QWidget parent;
    EasySlider slider(&parent);
    slider.setStyle(&m_host);
    slider.resize(n[0], 30);
    slider.setObjectName(
        input.startsWith(QLatin1String("popup")) ? QStringLiteral("PopupSlider") : QString());
    slider.setRange(n[1], n[2]);
    slider.setValue(expected.toInt() == n[1] ? n[2] : n[1]); // so a press that does nothing fails
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QSignalSpy changed(&slider, &QAbstractSlider::valueChanged);
    QString trace;
    for (const auto& [type, at, accepted] : { std::make_tuple(QEvent::MouseMove, n[3], false),
             std::make_tuple(QEvent::MouseButtonRelease, n[3], false),
             std::make_tuple(QEvent::MouseButtonPress, n[3], true),
             std::make_tuple(QEvent::MouseMove, n[0], true),
             std::make_tuple(QEvent::MouseButtonRelease, 0, true) }) {
        QMouseEvent event(type, QPointF(at, 15), slider.mapToGlobal(QPoint(at, 15)),
            type == QEvent::MouseMove ? Qt::NoButton : Qt::RightButton,
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::RightButton, {});
        event.setAccepted(!accepted);
        QApplication::sendEvent(&slider, &event);
        trace += QStringLiteral("%1%2 ")
                     .arg(QLatin1String(event.isAccepted() == accepted ? "" : "wrong "))
                     .arg(slider.value());
    }
    QCOMPARE(trace,
        QStringLiteral("%1 %1 %2 %3 %3 ")
            .arg(slider.minimum() == expected.toInt() ? n[2] : n[1])
            .arg(expected)
            .arg(n[2]));
    QCOMPARE(changed.count(), expected.toInt() == n[2] ? 1 : 2);
}

QTEST_MAIN(tst_EasySlider)
#include "tst_easyslider.moc"
