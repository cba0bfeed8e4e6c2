// Route QTest's mouse events through the window system, so moves carry the
// held buttons and the pressed widget keeps the grab, as with a real mouse.
#define QTEST_QPA_MOUSE_HANDLING

#include "BVColorWheel.h"
#include "BVColorWheelRender.h"
#include "BVQtCompat.h"
#include "TestSupport.h"

#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(QMargins)
Q_DECLARE_METATYPE(Qt::MouseButton)

using BVColorWheelTest::Inspect;

namespace {

const QMargins kNoMargins;

int HueDistance(int a, int b)
{
    const int d = qAbs(a - b) % 360;
    return qMin(d, 360 - d);
}

bool Settled(const BVColorWheel& wheel)
{
    const BVColorWheelTest::State state = Inspect(wheel);
    return !state.ringBusy && !state.triangleBusy;
}

// A point on the ring at `degrees` clockwise from 3 o'clock, `offset` pixels
// outward from its middle, in the wheel's coordinates. Multiples of 45
// survive rounding exactly.
QPoint OnRing(const BVColorWheel& wheel, int degrees, double offset = 0)
{
    const QRect square = WheelRect(wheel.size(), 1, kNoMargins);
    const double radius = square.width() / 2.0 - 11 + offset;
    const double theta = degrees * M_PI / 180;
    return (QPointF(square.center()) + QPointF(std::cos(theta), std::sin(theta)) * radius).toPoint();
}

QPoint MarkerCentre(const BVColorWheel& wheel, const char* name)
{
    return wheel.findChild<QToolButton*>(QString::fromLatin1(name))->geometry().center() + QPoint(1, 1);
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
        if (!QTest::qWaitForWindowExposed(&host))
            return false;
        return QTest::qWaitFor([this] { return Settled(*wheel); });
    }
    QWidget host;
    BVColorWheel* wheel = nullptr;
};

// One mouse action of a scripted drag; `where` is degrees on the ring or one
// of the two special places.
constexpr int kCentre = -1;
constexpr int kMarker = -2;
struct MouseStep {
    QTest::MouseAction action;
    Qt::MouseButton button;
    int where;
    double offset;
    int signals;
    int hue;
};

} // namespace

Q_DECLARE_METATYPE(QVector<MouseStep>)

class tst_BVColorWheel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { bvtest::InstallTheme(); }

    void wheelRect_data();
    void wheelRect();
    void ringColors_data();
    void ringColors();
    void triangleCorners_data();
    void triangleCorners();
    void imageSizes_data();
    void imageSizes();
    void reusedBuffers_data();
    void reusedBuffers();
    void markerIcon_data();
    void markerIcon();
    void wheelImagesFollowSize_data();
    void wheelImagesFollowSize();

    void pickColorOutside_data();
    void pickColorOutside();
    void pickColorInvertsMarker_data();
    void pickColorInvertsMarker();

    void hueMouse_data();
    void hueMouse();
    void triangleDrag();
    void colorMarkerPressStartsDrag();

    void setColor_data();
    void setColor();
    void coalescesRenders();
    void rendersPrintNoWarnings();
    void destroyWhileRendering();
};

void tst_BVColorWheel::wheelRect_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QMargins>("margins");
    QTest::addColumn<QRect>("expected");

    // Even spans put the integer centre left of (above) the middle; the
    // shift brings the square back onto the margin.
    QTest::newRow("even square shifted") << QSize(100, 100) << 1 << kNoMargins << QRect(0, 0, 100, 100);
    QTest::newRow("odd square") << QSize(101, 101) << 1 << kNoMargins << QRect(0, 0, 101, 101);
    QTest::newRow("even tall shifted left") << QSize(100, 200) << 1 << kNoMargins << QRect(0, 49, 100, 100);
    QTest::newRow("wide centred") << QSize(200, 100) << 1 << kNoMargins << QRect(49, 0, 100, 100);
    QTest::newRow("margins, top shifted")
        << QSize(200, 200) << 1 << QMargins(10, 20, 30, 40) << QRect(19, 20, 140, 140);
    QTest::newRow("scale 2") << QSize(100, 100) << 2 << QMargins(1, 2, 3, 4) << QRect(3, 4, 188, 188);
    QTest::newRow("zero size") << QSize(0, 0) << 1 << kNoMargins << QRect(0, 0, 0, 0);
    QTest::newRow("margins bigger than widget")
        << QSize(50, 50) << 1 << QMargins(40, 40, 40, 40) << QRect(40, 40, -30, -30);
}

void tst_BVColorWheel::wheelRect()
{
    QFETCH(QSize, size);
    QFETCH(int, scale);
    QFETCH(QMargins, margins);
    QFETCH(QRect, expected);
    QCOMPARE(WheelRect(size, scale, margins), expected);
}

void tst_BVColorWheel::ringColors_data()
{
    QTest::addColumn<int>("ratio");
    QTest::addColumn<QMargins>("margins");
    QTest::addColumn<int>("degrees"); // clockwise from 3 o'clock

    for (int ratio : { 1, 2 }) {
        for (int degrees : { 0, 1, 359, 90, 180, 270 }) {
            QTest::addRow("ratio %d at %d", ratio, degrees) << ratio << kNoMargins << degrees;
        }
    }
    QTest::newRow("margins at 90") << 1 << QMargins(30, 5, 0, 20) << 90;
}

void tst_BVColorWheel::ringColors()
{
    QFETCH(int, ratio);
    QFETCH(QMargins, margins);
    QFETCH(int, degrees);

    const QSize size(240, 200);
    const QImage ring = RenderRingImage(size, 22, ratio, margins);
    QCOMPARE(ring.size(), size * ratio);

    const QRect square = WheelRect(size, ratio, margins);
    const QPointF centre = QRectF(square).center();
    const double radius = square.width() / 2.0 - 11 * ratio;
    const double theta = degrees * M_PI / 180;
    const QColor sample
        = ring.pixelColor((centre + QPointF(std::cos(theta), std::sin(theta)) * radius).toPoint());
    QCOMPARE(sample.alpha(), 255);
    QVERIFY2(HueDistance(sample.hslHue(), degrees) <= 2, qPrintable(sample.name()));
    QVERIFY(sample.hslSaturation() >= 250);

    // Nothing inside the ring nor in the corner outside it.
    QCOMPARE(ring.pixelColor(centre.toPoint()).alpha(), 0);
    QCOMPARE(ring.pixelColor(square.topLeft()).alpha(), 0);
}

void tst_BVColorWheel::triangleCorners_data()
{
    QTest::addColumn<int>("hue");
    QTest::addColumn<int>("ratio");
    for (int ratio : { 1, 2 }) {
        for (int hue : { 0, 90, 200, 359 })
            QTest::addRow("hue %d ratio %d", hue, ratio) << hue << ratio;
    }
}

void tst_BVColorWheel::triangleCorners()
{
    QFETCH(int, hue);
    QFETCH(int, ratio);

    const QSize size(200, 200);
    const QImage triangle = RenderTriangleImage(size, 22, hue, ratio, kNoMargins);
    QCOMPARE(triangle.size(), size * ratio);

    // The corners, worked out independently in device pixels.
    const QRect square = WheelRect(size, ratio, kNoMargins);
    const double a = (square.width() - 44.0 * ratio) / 2;
    const QPointF centre = QPointF(square.topLeft()) + QPointF(22.0 * ratio + a, 22.0 * ratio + a);
    auto nearCorner = [&](int j) {
        const double theta = hue * M_PI / 180 + j * 2 * M_PI / 3;
        const QPointF vertex = centre + QPointF(std::cos(theta), std::sin(theta)) * a;
        return triangle.pixelColor((vertex + (centre - vertex) * 0.08).toPoint());
    };

    const QColor pure = nearCorner(0);
    QVERIFY2(HueDistance(pure.hslHue(), hue) <= 3, qPrintable(pure.name()));
    QVERIFY2(pure.hslSaturation() >= 240, qPrintable(pure.name()));
    QVERIFY(pure.alpha() >= 220);
    const QColor white = nearCorner(1);
    QVERIFY2(white.lightness() >= 240, qPrintable(white.name()));
    QVERIFY(white.alpha() >= 220);
    const QColor black = nearCorner(2);
    QVERIFY2(black.lightness() <= 15, qPrintable(black.name()));
    QVERIFY(black.alpha() >= 220);

    // Outside the triangle, inside the ring's hole: transparent.
    const double opposite = hue * M_PI / 180 + M_PI;
    const QPointF beyondEdge = centre + QPointF(std::cos(opposite), std::sin(opposite)) * (a * 0.8);
    QCOMPARE(triangle.pixelColor(beyondEdge.toPoint()).alpha(), 0);
}

void tst_BVColorWheel::imageSizes_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QMargins>("margins");
    QTest::addColumn<int>("ratio");
    QTest::addColumn<bool>("ringNull");
    QTest::addColumn<bool>("triangleNull");

    QTest::newRow("zero size") << QSize(0, 0) << kNoMargins << 1 << true << true;
    QTest::newRow("margins bigger") << QSize(50, 50) << QMargins(40, 40, 40, 40) << 1 << true << true;
    QTest::newRow("side 1") << QSize(1, 1) << kNoMargins << 1 << false << true;
    QTest::newRow("side 44") << QSize(44, 44) << kNoMargins << 1 << false << true;
    QTest::newRow("side 45") << QSize(45, 45) << kNoMargins << 1 << false << false;
    QTest::newRow("flat 300x44") << QSize(300, 44) << kNoMargins << 1 << false << true;
    QTest::newRow("side 44 at ratio 2") << QSize(44, 44) << kNoMargins << 2 << false << true;
    QTest::newRow("side 45 at ratio 2") << QSize(45, 45) << kNoMargins << 2 << false << false;
    QTest::newRow("ratio 2 with margins") << QSize(150, 120) << QMargins(3, 4, 5, 6) << 2 << false << false;
}

void tst_BVColorWheel::imageSizes()
{
    QFETCH(QSize, size);
    QFETCH(QMargins, margins);
    QFETCH(int, ratio);
    QFETCH(bool, ringNull);
    QFETCH(bool, triangleNull);

    const QImage ring = RenderRingImage(size, 22, ratio, margins);
    const QImage triangle = RenderTriangleImage(size, 22, 40, ratio, margins);
    QCOMPARE(ring.isNull(), ringNull);
    QCOMPARE(triangle.isNull(), triangleNull);
    for (const QImage& image : { ring, triangle }) {
        if (image.isNull())
            continue;
        QCOMPARE(image.size(), size * ratio);
        QCOMPARE(image.devicePixelRatio(), qreal(ratio));
    }

    // The GUI-thread wrappers must hand out the very same pixels.
    const QPixmap ringPixmap = RenderRing(size, 22, ratio, margins);
    const QPixmap trianglePixmap = RenderTriangle(size, 22, 40, ratio, margins);
    QCOMPARE(ringPixmap.isNull(), ringNull);
    QCOMPARE(trianglePixmap.isNull(), triangleNull);
    if (!ringNull) {
        QCOMPARE(ringPixmap.devicePixelRatio(), qreal(ratio));
        QCOMPARE(ringPixmap.toImage(), ring);
    }
    if (!triangleNull)
        QCOMPARE(trianglePixmap.toImage(), triangle);
}

void tst_BVColorWheel::reusedBuffers_data()
{
    QTest::addColumn<QSize>("before");
    QTest::addColumn<int>("beforeRatio");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("ratio");
    QTest::newRow("same size at ratio 2") << QSize(200, 200) << 2 << QSize(200, 200) << 2;
    QTest::newRow("ratio 1 to 2") << QSize(200, 200) << 1 << QSize(200, 200) << 2;
    QTest::newRow("larger to smaller") << QSize(300, 260) << 2 << QSize(200, 210) << 2;
    QTest::newRow("empty to full") << QSize(40, 40) << 1 << QSize(200, 200) << 1;
}

void tst_BVColorWheel::reusedBuffers()
{
    QFETCH(QSize, before);
    QFETCH(int, beforeRatio);
    QFETCH(QSize, size);
    QFETCH(int, ratio);

    TriangleBuffers buffers;
    RenderTriangleInto(buffers, before, 22, 200, beforeRatio, kNoMargins);
    const uchar* const bits[] = { buffers.image.constBits(), buffers.black.constBits() };
    RenderTriangleInto(buffers, size, 22, 40, ratio, kNoMargins);
    QCOMPARE(buffers.image, RenderTriangleImage(size, 22, 40, ratio, kNoMargins));
    QCOMPARE(buffers.image.devicePixelRatio(), qreal(ratio));
    // Buffers that fit must really have been painted over.
    if (before * beforeRatio == size * ratio) {
        QCOMPARE(buffers.image.constBits(), bits[0]);
        QCOMPARE(buffers.black.constBits(), bits[1]);
    }
}

void tst_BVColorWheel::markerIcon_data()
{
    QTest::addColumn<int>("ratio");
    QTest::newRow("ratio 1") << 1;
    QTest::newRow("ratio 2") << 2;
}

void tst_BVColorWheel::markerIcon()
{
    QFETCH(int, ratio);
    const QImage icon = MakeMarkerIconImage(QSize(22, 22), ratio);
    QCOMPARE(icon.size(), QSize(22, 22) * ratio);
    QCOMPARE(icon.devicePixelRatio(), 1.0);
    QCOMPARE(MakeMarkerIcon(QSize(22, 22), ratio).toImage(), icon);

    // Insets and pens are device pixels at any ratio: black ring at 2,
    // white ring at 4, hollow inside.
    const int middle = 11 * ratio;
    QCOMPARE(icon.pixelColor(middle, 2), QColor(Qt::black));
    QCOMPARE(icon.pixelColor(middle, 4), QColor(Qt::white));
    QCOMPARE(icon.pixelColor(middle, 7).alpha(), 0);
    QCOMPARE(icon.pixelColor(middle, middle).alpha(), 0);
}

void tst_BVColorWheel::wheelImagesFollowSize_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QMargins>("margins");
    QTest::addColumn<bool>("ringShown");
    QTest::addColumn<bool>("triangleShown");

    QTest::newRow("roomy") << QSize(200, 160) << QMargins(5, 6, 7, 8) << true << true;
    QTest::newRow("too small for the triangle") << QSize(30, 30) << kNoMargins << true << false;
    QTest::newRow("margins bigger") << QSize(100, 100) << QMargins(60, 60, 60, 60) << false << false;
}

void tst_BVColorWheel::wheelImagesFollowSize()
{
    QFETCH(QSize, size);
    QFETCH(QMargins, margins);
    QFETCH(bool, ringShown);
    QFETCH(bool, triangleShown);

    ShownWheel shown(size);
    shown.wheel->SetMargins(margins);
    QVERIFY(shown.Ready());

    const BVColorWheelTest::State state = Inspect(*shown.wheel);
    const QToolButton* angle = shown.wheel->findChild<QToolButton*>(QStringLiteral("ANGLECONTROL"));
    const QToolButton* color = shown.wheel->findChild<QToolButton*>(QStringLiteral("COLORCONTROL"));
    QCOMPARE(angle->isVisible(), ringShown);
    QCOMPARE(color->isVisible(), triangleShown);
    QCOMPARE(state.ring.isNull(), !ringShown);
    QCOMPARE(state.triangle.isNull(), !triangleShown);

    // Images at device resolution, tagged with the widget's integer ratio:
    // a fractional scale rounds up, so the images are only ever scaled down.
    const int ratio = BVQtCompat::IntegerDevicePixelRatio(shown.wheel);
    if (qgetenv("QT_SCALE_FACTOR") == "1.5")
        QCOMPARE(ratio, 2);
    for (const QPixmap& image : { state.ring, state.triangle }) {
        if (image.isNull())
            continue;
        QCOMPARE(image.size(), size * ratio);
        QCOMPARE(image.devicePixelRatio(), qreal(ratio));
    }
    const QSize iconPixels = QSize(22, 22) * BVQtCompat::IntegerDevicePixelRatio(angle);
    QCOMPARE(angle->icon().availableSizes(), QList<QSize>({ iconPixels }));
    QCOMPARE(color->size(), QSize(22, 22));
}

void tst_BVColorWheel::pickColorOutside_data()
{
    QTest::addColumn<QVector<QPointF>>("vertices");
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<QPoint>("expected"); // (lightness, saturation)

    // Hue 0 around (100, 100), radius 80: the gray axis is the vertical
    // x = 60 from black (y 30.7) to white (y 169.3), the hue corner at (180, 100).
    const double h = 80 * std::sin(2 * M_PI / 3);
    const QVector<QPointF> triangle { QPointF(180, 100), QPointF(60, 100 + h), QPointF(60, 100 - h) };
    QTest::newRow("inside") << triangle << QPoint(100, 110) << QPoint(146, 99);
    QTest::newRow("past the white end") << triangle << QPoint(60, 200) << QPoint(255, 0);
    QTest::newRow("past the black end") << triangle << QPoint(60, 0) << QPoint(0, 0);
    QTest::newRow("beyond the dark colored edge") << triangle << QPoint(170, 60) << QPoint(54, 255);
    QTest::newRow("beyond the light colored edge") << triangle << QPoint(170, 140) << QPoint(201, 255);
    QTest::newRow("across the gray axis") << triangle << QPoint(20, 110) << QPoint(146, 0);
    QTest::newRow("next to the white corner") << triangle << QPoint(60, 169) << QPoint(254, 0);

    QTest::newRow("no vertices") << QVector<QPointF>() << QPoint(1, 1) << QPoint(-1, -1);
    QTest::newRow("two vertices") << triangle.mid(0, 2) << QPoint(100, 100) << QPoint(-1, -1);
    QTest::newRow("four vertices") << (triangle + QVector<QPointF> { QPointF(1, 1) }) << QPoint(100, 100)
                                   << QPoint(-1, -1);
    QTest::newRow("degenerate") << QVector<QPointF>(3, QPointF(0, 0)) << QPoint(5, 7) << QPoint(0, 0);
}

void tst_BVColorWheel::pickColorOutside()
{
    QFETCH(QVector<QPointF>, vertices);
    QFETCH(QPoint, pos);
    QFETCH(QPoint, expected);
    QCOMPARE(PickColor(vertices, pos), expected);
}

void tst_BVColorWheel::pickColorInvertsMarker_data()
{
    QTest::addColumn<int>("hue");
    QTest::addColumn<int>("saturation");
    QTest::addColumn<int>("lightness");

    QTest::newRow("middle") << 0 << 128 << 128;
    QTest::newRow("gray axis") << 120 << 0 << 128;
    QTest::newRow("dark saturated") << 45 << 255 << 60;
    QTest::newRow("light saturated") << 200 << 255 << 200;
    QTest::newRow("just below the switch") << 300 << 180 << 127;
    QTest::newRow("at the switch") << 300 << 180 << 128;
    QTest::newRow("dark pale") << 10 << 60 << 40;
    QTest::newRow("light pale") << 270 << 90 << 220;
}

void tst_BVColorWheel::pickColorInvertsMarker()
{
    QFETCH(int, hue);
    QFETCH(int, saturation);
    QFETCH(int, lightness);

    ShownWheel shown(QSize(400, 400));
    QVERIFY(shown.Ready());
    shown.wheel->SetColor(QColor::fromHsl(hue, saturation, lightness));

    // The marker's centre is rounded to whole pixels; a pixel is worth about
    // one lightness step and up to three saturation steps near the corners.
    const QPoint picked
        = PickColor(Inspect(*shown.wheel).vertices, MarkerCentre(*shown.wheel, "COLORCONTROL"));
    QVERIFY2(qAbs(picked.x() - lightness) <= 2, qPrintable(QString::number(picked.x())));
    QVERIFY2(qAbs(picked.y() - saturation) <= 3, qPrintable(QString::number(picked.y())));
}

void tst_BVColorWheel::hueMouse_data()
{
    QTest::addColumn<QVector<MouseStep>>("steps");
    const auto L = Qt::LeftButton;
    const auto R = Qt::RightButton;
    const QTest::MouseAction press = QTest::MousePress;
    const QTest::MouseAction move = QTest::MouseMove;
    const QTest::MouseAction release = QTest::MouseRelease;

    // { action, button, where, offset from the ring's middle, signals so far, hue }
    QTest::newRow("press the ring and drag") << QVector<MouseStep> {
        { press, L, 90, 0, 1, 90 },
        { move, L, 90, 5, 1, 90 }, // same integer hue: silent
        { move, L, 135, 0, 2, 135 },
        { move, L, 180, 40, 3, 180 }, // outside the wheel, still following
        { move, L, kCentre, 0, 4, 0 },
        { move, L, kCentre, 0, 4, 0 },
        { release, L, kCentre, 0, 4, 0 },
    };
    // The hue marker sits on the current hue; press the ring just beside it.
    QTest::newRow("press the ring at the current hue") << QVector<MouseStep> { { press, L, 0, 10.6, 0, 0 },
        { move, L, 90, 0, 0, 0 }, { release, L, 90, 0, 0, 0 } };
    QTest::newRow("right press") << QVector<MouseStep> { { press, R, 90, 0, 0, 0 }, { move, R, 180, 0, 0, 0 },
        { release, R, 180, 0, 0, 0 } };
    QTest::newRow("middle press") << QVector<MouseStep> { { press, Qt::MiddleButton, 270, 0, 0, 0 },
        { release, Qt::MiddleButton, 270, 0, 0, 0 } };
    QTest::newRow("press the hue marker") << QVector<MouseStep> { { press, L, kMarker, 0, 0, 0 },
        { move, L, 45, 0, 1, 45 }, { release, L, 45, 0, 1, 45 } };
    QTest::newRow("release of another button ends the drag") << QVector<MouseStep> {
        { press, L, 90, 0, 1, 90 },
        { press, R, 90, 0, 1, 90 },
        { release, R, 90, 0, 1, 90 },
        { move, L, 180, 0, 1, 90 },
        { release, L, 180, 0, 1, 90 },
    };
}

void tst_BVColorWheel::hueMouse()
{
    QFETCH(QVector<MouseStep>, steps);

    ShownWheel shown;
    QVERIFY(shown.Ready());
    BVColorWheel* wheel = shown.wheel;
    const QToolButton* angle = wheel->findChild<QToolButton*>(QStringLiteral("ANGLECONTROL"));
    QSignalSpy spy(wheel, &BVColorWheel::ColorChanged);
    QPoint markerAtSignal;
    connect(wheel, &BVColorWheel::ColorChanged, this, [&] { markerAtSignal = angle->pos(); });

    for (const MouseStep& step : steps) {
        QPoint pos = OnRing(*wheel, step.where, step.offset);
        if (step.where == kCentre)
            pos = WheelRect(wheel->size(), 1, kNoMargins).center();
        else if (step.where == kMarker)
            pos = MarkerCentre(*wheel, "ANGLECONTROL");
        const int before = spy.count();
        QTest::mouseEvent(step.action, wheel, step.button, {}, pos);
        QCOMPARE(spy.count(), step.signals);
        QCOMPARE(wheel->GetColor().hslHue(), step.hue);
        // A press moves the marker before it signals, a move after.
        if (spy.count() > before)
            QCOMPARE(markerAtSignal == angle->pos(), step.action == QTest::MousePress);
    }

    // The triangle turns with the hue once its render is back.
    QTRY_VERIFY(Settled(*wheel));
    const QVector<QPointF> v = Inspect(*wheel).vertices;
    const double theta = wheel->GetColor().hslHue() * M_PI / 180;
    const QPointF toHue = v[0] - (v[0] + v[1] + v[2]) / 3;
    QVERIFY(qAbs(toHue.x() * std::sin(theta) - toHue.y() * std::cos(theta)) < 1e-6);
    QVERIFY(toHue.x() * std::cos(theta) + toHue.y() * std::sin(theta) > 0);
}

void tst_BVColorWheel::triangleDrag()
{
    ShownWheel shown;
    QVERIFY(shown.Ready());
    BVColorWheel* wheel = shown.wheel;
    QSignalSpy spy(wheel, &BVColorWheel::ColorChanged);

    const QVector<QPointF> v = Inspect(*wheel).vertices;
    const QPointF centroid = (v[0] + v[1] + v[2]) / 3;
    QTest::mousePress(wheel, Qt::LeftButton, {}, centroid.toPoint());
    QCOMPARE(spy.count(), 1);
    QVERIFY(qAbs(wheel->GetColor().lightness() - 128) <= 2);
    QVERIFY(qAbs(wheel->GetColor().hslSaturation() - 85) <= 3);

    // Past the white end, then further out along the same line: one signal.
    const QPointF outward = (v[1] - centroid) / QLineF(centroid, v[1]).length();
    QTest::mouseMove(wheel, (v[1] + outward * 10).toPoint());
    QCOMPARE(spy.count(), 2);
    QCOMPARE(wheel->GetColor(), QColor::fromHsl(0, 0, 255));
    QTest::mouseMove(wheel, (v[1] + outward * 30).toPoint());
    QCOMPARE(spy.count(), 2);
    QTest::mouseRelease(wheel, Qt::LeftButton, {}, (v[1] + outward * 30).toPoint());
}

void tst_BVColorWheel::colorMarkerPressStartsDrag()
{
    ShownWheel shown;
    QVERIFY(shown.Ready());
    BVColorWheel* wheel = shown.wheel;
    wheel->SetColor(QColor::fromHsl(0, 128, 128));
    QSignalSpy spy(wheel, &BVColorWheel::ColorChanged);

    const QPoint marker = MarkerCentre(*wheel, "COLORCONTROL");
    QTest::mousePress(wheel, Qt::LeftButton, {}, marker);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(wheel->GetColor(), QColor::fromHsl(0, 128, 128));
    QTest::mouseMove(wheel, marker + QPoint(-3, 0));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(wheel->GetColor().hslHue(), 0);
    QVERIFY(wheel->GetColor().hslSaturation() < 128);
    QTest::mouseRelease(wheel, Qt::LeftButton, {}, marker);
}

void tst_BVColorWheel::setColor_data()
{
    QTest::addColumn<QColor>("before");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QColor>("expected");
    QTest::addColumn<int>("signals");

    const QColor held = QColor::fromHsl(30, 100, 50);
    QTest::newRow("same color") << held << held << held << 0;
    QTest::newRow("same color in RGB")
        << QColor::fromHsl(0, 255, 128) << QColor(255, 0, 0) << QColor::fromHsl(0, 255, 128) << 1;
    QTest::newRow("gray") << QColor::fromHsl(200, 90, 90) << QColor(100, 100, 100)
                          << QColor::fromHsl(0, 0, 100) << 1;
    QTest::newRow("alpha ignored") << held << QColor::fromHsl(30, 100, 50, 10) << held << 1;
    QTest::newRow("new hue") << held << QColor::fromHsl(359, 20, 240) << QColor::fromHsl(359, 20, 240) << 1;
    QTest::newRow("invalid reads as black") << held << QColor() << QColor::fromHsl(0, 0, 0) << 1;
}

void tst_BVColorWheel::setColor()
{
    QFETCH(QColor, before);
    QFETCH(QColor, color);
    QFETCH(QColor, expected);
    QFETCH(int, signals);

    BVColorWheel wheel;
    wheel.SetColor(before);
    QSignalSpy spy(&wheel, &BVColorWheel::ColorChanged);
    wheel.SetColor(color);
    QCOMPARE(spy.count(), signals);
    const QColor held = wheel.GetColor();
    QCOMPARE(held, expected);
    QCOMPARE(held.spec(), QColor::Hsl);
    QCOMPARE(held.alpha(), 255);
}

void tst_BVColorWheel::coalescesRenders()
{
    QWidget host;
    host.resize(400, 400);
    auto* wheel = new BVColorWheel(&host);
    wheel->setGeometry(0, 0, 200, 200);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QTRY_VERIFY(Settled(*wheel));

    const int rings = BVColorWheelTest::g_ringRenders;
    const int triangles = BVColorWheelTest::g_triangleRenders;
    // No event loop runs between the resizes, so the first render cannot
    // have been taken in yet.
    wheel->resize(210, 210);
    wheel->resize(220, 220);
    wheel->resize(230, 200);
    QCOMPARE(BVColorWheelTest::g_ringRenders - rings, 1);
    QVERIFY(Inspect(*wheel).ringPending);
    QVERIFY(Inspect(*wheel).trianglePending);

    QTRY_VERIFY(Settled(*wheel));
    QCOMPARE(BVColorWheelTest::g_ringRenders - rings, 2);
    QCOMPARE(BVColorWheelTest::g_triangleRenders - triangles, 2);

    const int ratio = BVQtCompat::IntegerDevicePixelRatio(wheel);
    const BVColorWheelTest::State state = Inspect(*wheel);
    QCOMPARE(state.ring.toImage(), RenderRingImage(QSize(230, 200), 22, ratio, kNoMargins));
    QCOMPARE(state.triangle.toImage(), RenderTriangleImage(QSize(230, 200), 22, 0, ratio, kNoMargins));

    // A hue change renders the triangle only.
    wheel->SetColor(QColor::fromHsl(120, 255, 128));
    QTRY_VERIFY(Settled(*wheel));
    QCOMPARE(BVColorWheelTest::g_ringRenders - rings, 2);
    QCOMPARE(BVColorWheelTest::g_triangleRenders - triangles, 3);
    QCOMPARE(
        Inspect(*wheel).triangle.toImage(), RenderTriangleImage(QSize(230, 200), 22, 120, ratio, kNoMargins));
}

void tst_BVColorWheel::rendersPrintNoWarnings()
{
    bvtest::MessageCatcher catcher;
    {
        ShownWheel shown;
        QVERIFY(shown.Ready());
        for (int i = 0; i < 5; ++i) {
            shown.wheel->resize(250 + 10 * i, 260);
            shown.wheel->SetColor(QColor::fromHsl(70 * i, 200, 100));
        }
        shown.wheel->SetMargins(QMargins(4, 4, 4, 4));
        QTRY_VERIFY(Settled(*shown.wheel));
        QVERIFY(!Inspect(*shown.wheel).ring.isNull());
    }
    QCOMPARE(catcher.Messages(), QStringList());
}

void tst_BVColorWheel::destroyWhileRendering()
{
    bvtest::MessageCatcher catcher;
    for (int i = 0; i < 20; ++i) {
        auto* wheel = new BVColorWheel;
        wheel->resize(500 + i, 480);
        wheel->show();
        wheel->resize(520, 520 + i);
        wheel->SetColor(QColor::fromHsl(17 * i, 255, 128));
        if (i % 2)
            QCoreApplication::processEvents();
        delete wheel;
    }
    for (int i = 0; i < 10; ++i) {
        auto* host = new QWidget;
        auto* wheel = new BVColorWheel(host);
        host->show();
        wheel->resize(400, 400 + i);
        delete host;
    }
    // Whatever the pool still reports must find nobody listening.
    QCoreApplication::processEvents();
    QCOMPARE(catcher.Messages(), QStringList());
}

QTEST_MAIN(tst_BVColorWheel)
#include "tst_bvcolorwheel.moc"
