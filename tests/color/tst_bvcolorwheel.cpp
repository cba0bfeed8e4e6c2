// Route QTest's mouse events through the window system, so moves carry the
// held buttons and the pressed widget keeps the grab, as with a real mouse.
#define QTEST_QPA_MOUSE_HANDLING

#include "BVColorWheel.h"
#include "BVColorWheelRender.h"
#include "BVColorWheelSeam.h"
#include "BVQtCompat.h"
#include "TestSupport.h"

#include <QPainter>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

#include <cmath>
#include <memory>

Q_DECLARE_METATYPE(QMargins)

using BVColorWheelTest::Inspect;

namespace {

const QMargins kNoMargins;

int HueDistance(int a, int b)
{
    const int d = qAbs(a - b) % 360;
    return qMin(d, 360 - d);
}

// The point `radius` from `centre` at `degrees` clockwise from 3 o'clock.
QPoint Around(const QPointF& centre, double degrees, double radius)
{
    const double theta = degrees * M_PI / 180;
    return (centre + QPointF(std::cos(theta), std::sin(theta)) * radius).toPoint();
}

// Whether the wheel shows no image, or one with a fresh render's pixels and ratio.
QString Freshness(const QPixmap& shown, const QImage& fresh)
{
    if (shown.isNull())
        return QStringLiteral("none");
    const bool same = shown.toImage() == fresh && shown.devicePixelRatio() == fresh.devicePixelRatio();
    return QLatin1String(same ? "fresh" : "stale");
}

bool Settled(const BVColorWheel& wheel)
{
    const BVColorWheelTest::State state = Inspect(wheel);
    return !state.ringBusy && !state.triangleBusy;
}

// A shown wheel inside a larger window, so the pointer can leave the wheel
// without leaving the window.
struct ShownWheel {
    explicit ShownWheel(const QSize& size = QSize(300, 300))
    {
        host.resize(size.width() + 200, size.height() + 100);
        wheel = new BVColorWheel(&host);
        wheel->setGeometry(100, 50, size.width(), size.height());
        host.show();
    }
    bool Ready()
    {
        return QTest::qWaitForWindowExposed(&host) && QTest::qWaitFor([this] { return Settled(*wheel); });
    }
    QToolButton* Marker(const char* name) const
    {
        return wheel->findChild<QToolButton*>(QLatin1String(name));
    }
    QPoint MarkerCentre(const char* name) const { return Marker(name)->geometry().center() + QPoint(1, 1); }
    QWidget host;
    BVColorWheel* wheel = nullptr;
};

// One mouse action of a scripted drag; `where` is degrees on the ring, with
// `offset` pixels outward from its middle, or one of the special places (past
// the white corner: `offset` pixels beyond it, away from the centroid; the
// hue marker's edge: inside its round hit area, 8 right and 3 up of its centre).
enum Place { kCentre = -1, kAngleMarkerEdge = -2, kColorMarker = -3, kCentroid = -4, kPastWhite = -5 };
struct MouseStep {
    QTest::MouseAction action;
    Qt::MouseButton button;
    int where;
    double offset;
    int signals;
    int hue;
};

} // namespace

using Steps = QVector<MouseStep>;
Q_DECLARE_METATYPE(Steps)

class tst_BVColorWheel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { bvtest::InstallTheme(); }
    // No test may print a Qt warning, least of all from a render off the GUI thread.
    void init() { m_catcher.reset(new bvtest::MessageCatcher); }
    void cleanup()
    {
        const QStringList messages = m_catcher->Messages();
        m_catcher.reset();
        QCOMPARE(messages, QStringList());
    }

    void geometry_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("ratio");
        QTest::addColumn<QMargins>("margins");
        QTest::addColumn<QRect>("square");
        QTest::addColumn<QString>("images"); // R: ring, T: triangle

        // Even spans put the integer centre left of (above) the middle; the
        // shift brings the square back onto the margin.
        QTest::newRow("even square shifted")
            << QSize(100, 100) << 1 << kNoMargins << QRect(0, 0, 100, 100) << "RT";
        QTest::newRow("tall shifted") << QSize(100, 200) << 1 << kNoMargins << QRect(0, 49, 100, 100) << "RT";
        QTest::newRow("wide centred") << QSize(200, 100) << 1 << kNoMargins << QRect(49, 0, 100, 100) << "RT";
        QTest::newRow("top shifted") << QSize(200, 200) << 1 << QMargins(10, 20, 30, 40)
                                     << QRect(19, 20, 140, 140) << "RT";
        QTest::newRow("ratio 2") << QSize(100, 100) << 2 << QMargins(1, 2, 3, 4) << QRect(3, 4, 188, 188)
                                 << "RT";
        // The triangle needs a square wider than the ring's two widths in logical pixels.
        QTest::newRow("flat") << QSize(300, 44) << 1 << kNoMargins << QRect(127, 0, 44, 44) << "R";
        QTest::newRow("side 45") << QSize(45, 45) << 1 << kNoMargins << QRect(0, 0, 45, 45) << "RT";
        QTest::newRow("side 44 at ratio 2") << QSize(44, 44) << 2 << kNoMargins << QRect(0, 0, 88, 88) << "R";
        QTest::newRow("side 1") << QSize(1, 1) << 1 << kNoMargins << QRect(0, 0, 1, 1) << "R";
        QTest::newRow("zero size") << QSize(0, 0) << 1 << kNoMargins << QRect(0, 0, 0, 0) << "";
        QTest::newRow("margins bigger")
            << QSize(50, 50) << 1 << QMargins(40, 40, 40, 40) << QRect(40, 40, -30, -30) << "";
        // Too large to hold in memory, in device pixels.
        QTest::newRow("huge only at ratio 2")
            << QSize(4200, 4200) << 2 << kNoMargins << QRect(0, 0, 8400, 8400) << "";
        // Squares of 200 device pixels and more are large enough to check the colors.
        QTest::newRow("colors") << QSize(240, 200) << 1 << kNoMargins << QRect(19, 0, 200, 200) << "RT";
        QTest::newRow("colors at ratio 2 with margins")
            << QSize(240, 200) << 2 << QMargins(30, 5, 0, 20) << QRect(94, 10, 350, 350) << "RT";
    }

    // The square; images at size × ratio device pixels tagged with the ratio;
    // then the colors. Buffers left by the rows before, of any size, ratio or
    // hue, give the pixels of fresh ones.
    void geometry()
    {
        QFETCH(QSize, size);
        QFETCH(int, ratio);
        QFETCH(QMargins, margins);
        QFETCH(QRect, square);
        QFETCH(QString, images);
        static TriangleBuffers buffers;

        QCOMPARE(WheelRect(size, ratio, margins), square);
        const QImage ring = RenderRingImage(size, 22, ratio, margins);
        const QImage triangle = RenderTriangleImage(size, 22, 40, ratio, margins);
        QCOMPARE(
            QLatin1String(ring.isNull() ? "" : "R") + QLatin1String(triangle.isNull() ? "" : "T"), images);
        for (const QImage& image : { ring, triangle }) {
            if (!image.isNull())
                QCOMPARE(
                    qMakePair(image.size(), image.devicePixelRatio()), qMakePair(size * ratio, qreal(ratio)));
        }
        RenderTriangleInto(buffers, size, 22, 40, ratio, margins);
        QCOMPARE(buffers.image, triangle);
        if (triangle.isNull() || square.width() < 200)
            return;

        // Ring: hues run clockwise from red at 3 o'clock; nothing inside it
        // nor in the corner outside it.
        const QPointF centre = QRectF(square).center();
        for (int degrees : { 0, 1, 359, 90, 180, 270 }) {
            const QColor c = ring.pixelColor(Around(centre, degrees, square.width() / 2.0 - 11 * ratio));
            // Every stop is a full hue at lightness 128: one channel 255, the lowest 1.
            const int low = qMin(c.red(), qMin(c.green(), c.blue())),
                      high = qMax(c.red(), qMax(c.green(), c.blue()));
            QVERIFY2(c.alpha() == 255 && high == 255 && low <= 1 && HueDistance(c.hslHue(), degrees) <= 2,
                qPrintable(QStringLiteral("%1 at %2").arg(c.name()).arg(degrees)));
        }
        QCOMPARE(ring.pixelColor(centre.toPoint()).alpha(), 0);
        QCOMPARE(ring.pixelColor(square.topLeft()).alpha(), 0);

        // Triangle: pure hue, white and black corners, clockwise from the
        // hue; clear beyond the edge opposite the hue.
        const double a = square.width() / 2.0 - 22 * ratio;
        for (int hue : { 0, 90, 200, 359, 360 }) { // 360 is red again
            RenderTriangleInto(buffers, size, 22, hue, ratio, margins);
            const QImage& image = buffers.image;
            QCOMPARE(image, RenderTriangleImage(size, 22, hue, ratio, margins));
            const QColor pure = image.pixelColor(Around(centre, hue, a * 0.92));
            const QColor white = image.pixelColor(Around(centre, hue + 120, a * 0.92));
            const QColor black = image.pixelColor(Around(centre, hue + 240, a * 0.92));
            const QString what = QString::number(hue) + pure.name(QColor::HexArgb)
                + white.name(QColor::HexArgb) + black.name(QColor::HexArgb);
            QVERIFY2(HueDistance(pure.hslHue(), hue) <= 3 && pure.hslSaturation() >= 240, qPrintable(what));
            QVERIFY2(white.lightness() >= 240 && black.lightness() <= 15, qPrintable(what));
            QVERIFY2(qMin(pure.alpha(), qMin(white.alpha(), black.alpha())) >= 220, qPrintable(what));
            QCOMPARE(image.pixelColor(Around(centre, hue + 180, a * 0.8)).alpha(), 0);
            // Near the gray axis the hue all but vanishes, its two ramps multiplying out.
            const QPointF toWhite = Around(centre, hue + 120, a), toBlack = Around(centre, hue + 240, a);
            for (const double along : { 0.15, 0.85 }) {
                const QPointF onAxis = toWhite + (toBlack - toWhite) * along;
                const QColor c = image.pixelColor((onAxis + (centre - onAxis) * (6.0 * ratio / a)).toPoint());
                const int spread
                    = qMax(c.red(), qMax(c.green(), c.blue())) - qMin(c.red(), qMin(c.green(), c.blue()));
                QVERIFY2(
                    spread <= 6, qPrintable(what + QStringLiteral(" gray axis ") + c.name(QColor::HexArgb)));
            }
        }
    }

    // Insets and pens are device pixels at any ratio: at ratio 2 a black ring
    // at 2, a white ring at 4, hollow inside.
    void markerIcon()
    {
        const QImage icon = MakeMarkerIconImage(QSize(22, 22), 2);
        QCOMPARE(qMakePair(icon.size(), icon.devicePixelRatio()), qMakePair(QSize(44, 44), 1.0));
        QCOMPARE(icon.pixelColor(22, 2), QColor(Qt::black));
        QCOMPARE(icon.pixelColor(22, 4), QColor(Qt::white));
        QCOMPARE(icon.pixelColor(22, 7).alpha(), 0);
        QCOMPARE(icon.pixelColor(22, 22).alpha(), 0);
        QVERIFY(icon == icon.mirrored(true, false) && icon == icon.mirrored(false, true)); // centred
    }

    void pickColor_data()
    {
        QTest::addColumn<QVector<QPointF>>("vertices");
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<QPoint>("expected"); // (lightness, saturation)

        // Hue 0 around (100, 100), radius 80: the gray axis is the vertical
        // x = 60 from black (y 30.7) to white (y 169.3), the hue corner at (180, 100).
        const double h = 80 * std::sin(2 * M_PI / 3);
        const QVector<QPointF> t { QPointF(180, 100), QPointF(60, 100 + h), QPointF(60, 100 - h) };
        QTest::newRow("inside") << t << QPoint(100, 110) << QPoint(146, 99);
        QTest::newRow("past the white end") << t << QPoint(60, 200) << QPoint(255, 0);
        QTest::newRow("past the black end") << t << QPoint(60, 0) << QPoint(0, 0);
        QTest::newRow("beyond the dark colored edge") << t << QPoint(170, 60) << QPoint(54, 255);
        QTest::newRow("beyond the light colored edge") << t << QPoint(170, 140) << QPoint(201, 255);
        QTest::newRow("across the gray axis") << t << QPoint(20, 110) << QPoint(146, 0);
        QTest::newRow("next to the white corner") << t << QPoint(60, 169) << QPoint(254, 0);
        QTest::newRow("two vertices") << t.mid(0, 2) << QPoint(100, 100) << QPoint(-1, -1);
        QTest::newRow("four vertices")
            << (t + QVector<QPointF> { QPointF(1, 1) }) << QPoint(100, 100) << QPoint(-1, -1);
        QTest::newRow("degenerate") << QVector<QPointF>(3, QPointF(0, 0)) << QPoint(5, 7) << QPoint(0, 0);
        // The hue corner on the gray axis: the colored edge meets the perpendicular at the axis itself.
        QTest::newRow("flat") << QVector<QPointF> { QPointF(50, 50), QPointF(50, 100), QPointF(50, 0) }
                              << QPoint(50, 75) << QPoint(191, 0);
    }

    void pickColor()
    {
        QFETCH(QVector<QPointF>, vertices);
        QFETCH(QPoint, pos);
        QFETCH(QPoint, expected);
        QCOMPARE(PickColor(vertices, pos), expected);
    }

    void mouse_data()
    {
        QTest::addColumn<Steps>("steps");
        const auto L = Qt::LeftButton, R = Qt::RightButton;
        const auto press = QTest::MousePress, move = QTest::MouseMove, release = QTest::MouseRelease;

        // { action, button, where, offset from the ring's middle, signals so far, hue }, from HSL 0 128 128.
        // Same integer hue: silent; outside the wheel the drag still follows; the centre reads as 0.
        QTest::newRow("press the ring and drag") << Steps { { press, L, 90, 0, 1, 90 },
            { move, L, 90, 5, 1, 90 }, { move, L, 135, 0, 2, 135 }, { move, L, 180, 40, 3, 180 },
            { move, L, kCentre, 0, 4, 0 }, { release, L, kCentre, 0, 4, 0 } };
        // The hue marker sits on the current hue; press the ring just beside it.
        QTest::newRow("press the ring at the current hue")
            << Steps { { press, L, 0, 10.6, 0, 0 }, { move, L, 90, 0, 0, 0 }, { release, L, 90, 0, 0, 0 } };
        QTest::newRow("right press") << Steps { { press, R, 90, 0, 0, 0 }, { move, R, 180, 0, 0, 0 },
            { release, R, 180, 0, 0, 0 } };
        // After a release the next press starts a new drag.
        QTest::newRow("press the hue marker") << Steps { { press, L, kAngleMarkerEdge, 0, 0, 0 },
            { move, L, 45, 0, 1, 45 }, { release, L, 45, 0, 1, 45 }, { press, L, 90, 0, 2, 90 } };
        QTest::newRow("release of another button ends the drag")
            << Steps { { press, L, 90, 0, 1, 90 }, { press, R, 90, 0, 1, 90 }, { release, R, 90, 0, 1, 90 },
                   { move, L, 180, 0, 1, 90 }, { release, L, 180, 0, 1, 90 } };
        // In the triangle a press picks at once; moving on while the pick stays the same is silent.
        QTest::newRow("press the color marker") << Steps { { press, L, kColorMarker, 0, 0, 0 },
            { move, L, kCentroid, 0, 1, 0 }, { release, L, kCentroid, 0, 1, 0 } };
        QTest::newRow("press the triangle and drag")
            << Steps { { press, L, kCentroid, 0, 1, 0 }, { move, L, kPastWhite, 10, 2, 0 },
                   { move, L, kPastWhite, 30, 2, 0 }, { release, L, kPastWhite, 30, 2, 0 } };
    }

    // Each step's signals and hue; a pick takes the color PickColor finds there.
    void mouse()
    {
        QFETCH(Steps, steps);

        ShownWheel shown;
        BVColorWheel* wheel = shown.wheel;
        wheel->SetColor(QColor::fromHsl(0, 128, 128));
        QVERIFY(shown.Ready());
        const QToolButton* angle = shown.Marker("ANGLECONTROL");
        QSignalSpy spy(wheel, &BVColorWheel::ColorChanged);
        QPoint markerAtSignal;
        connect(wheel, &BVColorWheel::ColorChanged, this, [&] { markerAtSignal = angle->pos(); });

        const QRect square = WheelRect(wheel->size(), 1, kNoMargins);
        const QVector<QPointF> v = Inspect(*wheel).vertices;
        const QPointF centroid = (v[0] + v[1] + v[2]) / 3;
        for (const MouseStep& step : steps) {
            // Multiples of 45 degrees survive rounding exactly.
            QPoint pos
                = Around(QPointF(square.center()), step.where, square.width() / 2.0 - 11 + step.offset);
            if (step.where == kCentre)
                pos = square.center();
            else if (step.where == kColorMarker)
                pos = shown.MarkerCentre("COLORCONTROL");
            else if (step.where == kAngleMarkerEdge) // a ring press there would turn the hue to 359
                pos = shown.MarkerCentre("ANGLECONTROL") + QPoint(8, -3);
            else if (step.where == kCentroid)
                pos = centroid.toPoint();
            else if (step.where == kPastWhite)
                pos = (v[1] + (v[1] - centroid) * (step.offset / QLineF(centroid, v[1]).length())).toPoint();
            const int before = spy.count();
            QTest::mouseEvent(step.action, wheel, step.button, {}, pos);
            QCOMPARE(spy.count(), step.signals);
            QCOMPARE(wheel->GetColor().hslHue(), step.hue);
            // A press moves the hue marker before it signals, a move after.
            if (spy.count() > before && step.where >= kCentre)
                QCOMPARE(markerAtSignal == angle->pos(), step.action == QTest::MousePress);
            if (spy.count() > before && step.where < kAngleMarkerEdge)
                QCOMPARE(QPoint(wheel->GetColor().lightness(), wheel->GetColor().hslSaturation()),
                    PickColor(v, pos));
        }

        // The triangle turns with the hue once its render is back.
        QTRY_VERIFY(Settled(*wheel));
        const QVector<QPointF> turned = Inspect(*wheel).vertices;
        const double toHue = QLineF((turned[0] + turned[1] + turned[2]) / 3, turned[0]).angle();
        QCOMPARE(qRound(toHue) % 360, (360 - wheel->GetColor().hslHue()) % 360); // counter-clockwise
    }

    // Each color set in turn on one wheel: the color held (HSL, opaque: QColor's equality compares
    // both), the signals and the triangle renders so far, a render only for a new hue. The color
    // marker sits where a pick finds the color: its centre is rounded to whole pixels, and a pixel
    // is worth about one lightness step and up to three saturation steps near the corners.
    void setColor()
    {
        const QColor held = QColor::fromHsl(300, 180, 127), red = QColor::fromHsl(0, 255, 128);
        const struct {
            QColor color;
            QColor expected;
            int signals;
            int renders;
        } steps[] = { { QColor::fromHsl(200, 255, 200), QColor::fromHsl(200, 255, 200), 1, 2 },
            { QColor(100, 100, 100), QColor::fromHsl(0, 0, 100), 2, 3 }, // gray
            { held, held, 3, 4 }, { held, held, 3, 4 }, // same color
            { QColor::fromHsl(300, 180, 127, 10), held, 4, 4 }, // alpha ignored
            // Lightness only, across the switch of colored edge.
            { QColor::fromHsl(300, 180, 128), QColor::fromHsl(300, 180, 128), 5, 4 },
            { QColor(), QColor::fromHsl(0, 0, 0), 6, 5 }, // invalid reads as black
            { QColor(255, 0, 0), red, 7, 5 }, { QColor(255, 0, 0), red, 8, 5 }, // the same in RGB
            { QColor::fromHsl(1, 255, 128), QColor::fromHsl(1, 255, 128), 9, 6 }, // hue only
            { QColor::fromHsl(45, 255, 60), QColor::fromHsl(45, 255, 60), 10, 7 },
            { QColor::fromHsl(10, 60, 40), QColor::fromHsl(10, 60, 40), 11, 8 },
            { QColor::fromHsl(270, 90, 220), QColor::fromHsl(270, 90, 220), 12, 9 } };

        BVColorWheel wheel;
        QCOMPARE(wheel.GetColor(), QColor::fromHsl(0, 0, 0, 255)); // a new wheel holds black
        QCOMPARE(qMakePair(Inspect(wheel).ringRenders, Inspect(wheel).triangleRenders), qMakePair(1, 1));
        QSignalSpy spy(&wheel, &BVColorWheel::ColorChanged);
        for (const auto& step : steps) {
            QTRY_VERIFY(Settled(wheel));
            wheel.SetColor(step.color);
            QCOMPARE(wheel.GetColor(), step.expected);
            QCOMPARE(qMakePair(int(spy.count()), Inspect(wheel).triangleRenders),
                qMakePair(step.signals, step.renders));
            const QToolButton* marker = wheel.findChild<QToolButton*>(QStringLiteral("COLORCONTROL"));
            const QPoint picked
                = PickColor(Inspect(wheel).vertices, marker->geometry().center() + QPoint(1, 1));
            QVERIFY2(qAbs(picked.x() - step.expected.lightness()) <= 2
                    && qAbs(picked.y() - step.expected.hslSaturation()) <= 3,
                qPrintable(
                    step.expected.name() + QString::asprintf(" picked l %d s %d", picked.x(), picked.y())));
        }
    }

    // Several resizes coalesce into one follow-up render, as do hue changes;
    // the images then match fresh ones at the widget's ratio, and each marker
    // shows while its image exists.
    void wheelRenders()
    {
        ShownWheel shown(QSize(200, 200));
        QVERIFY(shown.Ready());
        BVColorWheel* wheel = shown.wheel;
        QToolButton* angle = shown.Marker("ANGLECONTROL");
        QToolButton* color = shown.Marker("COLORCONTROL");
        // Images at the widget's integer ratio: a fractional scale rounds up,
        // so the images are only ever scaled down.
        const int ratio = BVQtCompat::IntegerDevicePixelRatio(wheel);
        if (qgetenv("QT_SCALE_FACTOR") == "1.5")
            QCOMPARE(ratio, 2);
        QCOMPARE(angle->icon().availableSizes(),
            QList<QSize>({ QSize(22, 22) * BVQtCompat::IntegerDevicePixelRatio(angle) }));

        // Each image (none, fresh or stale), the markers shown, and the renders started since now.
        const BVColorWheelTest::State before = Inspect(*wheel);
        const auto seen = [&](const QMargins& margins = kNoMargins) {
            const BVColorWheelTest::State now = Inspect(*wheel);
            const int hue = wheel->GetColor().hslHue();
            return QStringLiteral("%1 %2 %3%4 %5 %6")
                .arg(Freshness(now.ring, RenderRingImage(wheel->size(), 22, ratio, margins)),
                    Freshness(now.triangle, RenderTriangleImage(wheel->size(), 22, hue, ratio, margins)),
                    QLatin1String(angle->isVisible() ? "A" : "-"),
                    QLatin1String(color->isVisible() ? "C" : "-"))
                .arg(now.ringRenders - before.ringRenders)
                .arg(now.triangleRenders - before.triangleRenders);
        };
        // No event loop runs between the resizes, so the first render cannot
        // have been taken in yet.
        wheel->resize(210, 210);
        wheel->resize(220, 220);
        wheel->resize(230, 200);
        QCOMPARE(seen(), QStringLiteral("stale stale AC 1 1"));
        QTRY_VERIFY(Settled(*wheel));
        QCOMPARE(seen(), QStringLiteral("fresh fresh AC 2 2"));

        // A second hue change while the first renders is taken up by the follow-up, with the latest hue.
        wheel->SetColor(QColor::fromHsl(60, 255, 128));
        wheel->SetColor(QColor::fromHsl(120, 255, 128));
        QTRY_VERIFY(Settled(*wheel));
        QCOMPARE(seen(), QStringLiteral("fresh fresh AC 2 4"));
        const QMargins margins(5, 6, 7, 8);
        wheel->SetMargins(margins);
        QTRY_VERIFY(Settled(*wheel));
        QCOMPARE(seen(margins), QStringLiteral("fresh fresh AC 3 5"));
        // A paint draws the ring, then the triangle, both at the origin, and nothing else.
        if (wheel->devicePixelRatioF() == ratio) {
            QImage expected(wheel->size() * ratio, QImage::Format_ARGB32_Premultiplied);
            expected.setDevicePixelRatio(ratio);
            expected.fill(wheel->palette().color(QPalette::Window)); // the grab's background
            {
                QPainter painter(&expected);
                painter.drawPixmap(0, 0, Inspect(*wheel).ring);
                painter.drawPixmap(0, 0, Inspect(*wheel).triangle);
            }
            angle->hide();
            color->hide(); // each shows again when its next image is in
            QCOMPARE(wheel->grab().toImage().convertToFormat(expected.format()), expected);
        }

        wheel->resize(30, 30); // room for the ring only
        QTRY_VERIFY(Settled(*wheel));
        QCOMPARE(seen(margins), QStringLiteral("fresh none A- 4 6"));
        wheel->SetMargins(QMargins(20, 20, 20, 20)); // room for nothing
        QTRY_VERIFY(Settled(*wheel));
        QCOMPARE(seen(QMargins(20, 20, 20, 20)), QStringLiteral("none none -- 5 7"));
    }

    void keys_data()
    {
        QTest::addColumn<QString>("marker"); // focused
        QTest::addColumn<QColor>("from");
        QTest::addColumn<int>("key"); // with its modifiers
        QTest::addColumn<QString>("expected"); // HSL | signals, triangle renders | override query
        const auto row = [](const char* name, const char* m, int h, int s, int l, int key, const char* e) {
            QTest::newRow(name) << QLatin1String(m) + QLatin1String("CONTROL") << QColor::fromHsl(h, s, l)
                                << key << QString::fromLatin1(e);
        };
        row("hue Right", "ANGLE", 10, 100, 100, Qt::Key_Right, "11 100 100 | 1 1 | taken");
        row("hue Up, Shift", "ANGLE", 359, 100, 100, int(Qt::SHIFT) | Qt::Key_Up, "0 100 100 | 1 1 | taken");
        row("hue Left", "ANGLE", 0, 100, 100, Qt::Key_Left, "359 100 100 | 1 1 | taken");
        row("hue Down", "ANGLE", 10, 0, 100, Qt::Key_Down, "9 0 100 | 1 1 | taken");
        row("hue Page Up", "ANGLE", 350, 100, 100, Qt::Key_PageUp, "5 100 100 | 1 1 | taken");
        row("hue Page Down", "ANGLE", 10, 100, 100, Qt::Key_PageDown, "355 100 100 | 1 1 | taken");
        row("Ctrl+Right", "COLOR", 10, 100, 100, int(Qt::CTRL) | Qt::Key_Right, "10 101 100 | 1 0 | taken");
        row("saturation Left", "COLOR", 10, 1, 100, Qt::Key_Left, "10 0 100 | 1 0 | taken");
        row("saturation, lightness 0", "COLOR", 10, 100, 0, Qt::Key_Right, "10 100 0 | 0 0 | taken");
        row("saturation, lightness 255", "COLOR", 10, 100, 255, Qt::Key_Left, "10 100 255 | 0 0 | taken");
        row("lightness Up", "COLOR", 10, 100, 100, Qt::Key_Up, "10 100 101 | 1 0 | taken");
        row("lightness Up at 255", "COLOR", 10, 100, 255, Qt::Key_Up, "10 100 255 | 0 0 | taken");
        row("lightness Down at 0", "COLOR", 10, 100, 0, Qt::Key_Down, "10 100 0 | 0 0 | taken");
        row("lightness Page Up", "COLOR", 10, 100, 100, Qt::Key_PageUp, "10 100 116 | 1 0 | taken");
        row("lightness Page Down", "COLOR", 10, 100, 100, Qt::Key_PageDown, "10 100 84 | 1 0 | taken");
        row("Home is not ours", "COLOR", 10, 100, 100, Qt::Key_Home, "10 100 100 | 0 0 | passed");
        row("Escape", "ANGLE", 10, 100, 100, Qt::Key_Escape, "10 100 100 | 0 0 | passed unfocused");
    }

    void keys()
    {
        QFETCH(QString, marker);
        QFETCH(QColor, from);
        QFETCH(int, key);
        ShownWheel shown;
        shown.wheel->SetColor(from);
        QVERIFY(bvtest::ShowActive(&shown.host) && shown.Ready());
        QToolButton* focused = shown.Marker(qPrintable(marker));
        focused->setFocus();
        const int renders = Inspect(*shown.wheel).triangleRenders;
        QSignalSpy changed(shown.wheel, &BVColorWheel::ColorChanged);
        const auto modifiers = Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask);
        const int code = key & ~Qt::KeyboardModifierMask;
        QKeyEvent query(QEvent::ShortcutOverride, code, modifiers);
        query.ignore();
        QApplication::sendEvent(focused, &query);
        QTest::keyClick(focused, Qt::Key(code), modifiers);
        const QColor held = shown.wheel->GetColor();
        QFETCH(QString, expected);
        QCOMPARE(QString::asprintf("%d %d %d | %d %d | %s%s", held.hslHue(), held.hslSaturation(),
                     held.lightness(), int(changed.count()), Inspect(*shown.wheel).triangleRenders - renders,
                     query.isAccepted() ? "taken" : "passed", focused->hasFocus() ? "" : " unfocused"),
            expected);
    }

private:
    std::unique_ptr<bvtest::MessageCatcher> m_catcher;
};

QTEST_MAIN(tst_BVColorWheel)
#include "tst_bvcolorwheel.moc"
