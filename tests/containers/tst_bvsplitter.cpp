// Mouse events go through the window system layer, so that grabs and hit
// testing work as they do for a user; QTest's default moves only warp the cursor.
#define QTEST_QPA_MOUSE_HANDLING

#include "BVSplitter.h"
#include "TestSupport.h"

#include <QSignalSpy>
#include <QtTest>

#include <climits>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

const QColor kBackground(10, 100, 200);
const QColor kInverted(255 - 10, 255 - 100, 255 - 200);
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// QCOMPARE on doubles is fuzzy; positions are checked to the last bit.
quint64 Bits(double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// Counts what reaches the divided widget: the splitter must neither swallow
// its resizes nor pass mouse presses on to it.
class View : public QWidget {
public:
    using QWidget::QWidget;
    int resizes = 0;
    int presses = 0;

protected:
    void resizeEvent(QResizeEvent*) override { ++resizes; }
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

// A 200 x 200 view at (50, 50) in a 300 x 300 window: room for the pointer
// to leave the view on every side.
struct Scene {
    QWidget window;
    View* view = new View(&window);

    Scene()
    {
        window.resize(300, 300);
        view->setGeometry(50, 50, 200, 200);
        QPalette palette = view->palette();
        palette.setColor(QPalette::Window, kBackground);
        view->setPalette(palette);
        view->setAutoFillBackground(true);
    }
    bool Show()
    {
        window.show();
        // Xvfb runs no window manager; the shortcut map asks the application.
        QApplication::setActiveWindow(&window);
        return QTest::qWaitForWindowExposed(&window) && QApplication::activeWindow() == &window;
    }
};

void Send(QWidget* target, QEvent::Type type, const QPoint& local, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, local, target->mapToGlobal(local), Qt::LeftButton, buttons, {});
    QApplication::sendEvent(target, &event);
}

} // namespace

class tst_BVSplitter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { bvtest::InstallTheme(); }
    void setPosition_data();
    void setPosition();
    void moveSlider_data();
    void moveSlider();
    void placement_data();
    void placement();
    void followsParent_data();
    void followsParent();
    void shortcuts_data();
    void shortcuts();
    void drag_data();
    void drag();
    void releaseWithoutPress();
    void emptyParent_data();
    void emptyParent();
    void paint_data();
    void paint();
};

void tst_BVSplitter::setPosition_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("stored");

    QTest::newRow("below range") << -3.0 << 0.0;
    QTest::newRow("above range") << 7.0 << 1.0;
    QTest::newRow("NaN") << kNaN << 0.0;
    QTest::newRow("+inf") << kInf << 1.0;
    QTest::newRow("-inf") << -kInf << 0.0;
    QTest::newRow("inside") << 0.25 << 0.25;
    QTest::newRow("current value") << 0.5 << 0.5;
}

void tst_BVSplitter::setPosition()
{
    QFETCH(double, value);
    QFETCH(double, stored);

    Scene scene;
    BVSplitter splitter(Qt::Vertical, scene.view);
    QList<int> stripX;
    connect(&splitter, &BVSplitter::PositionChanged, this, [&](double) { stripX.append(splitter.x()); });

    splitter.SetPosition(value);
    splitter.SetPosition(value);
    QCOMPARE(Bits(splitter.GetPosition()), Bits(stored));
    // Emitted once, on a change only, with the strip already in its new place.
    QCOMPARE(stripX, stored == 0.5 ? QList<int>() : QList<int> { int(200 * stored) - 16 });
}

void tst_BVSplitter::moveSlider_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("delta");
    QTest::addColumn<uint>("steps");
    QTest::addColumn<double>("expected");

    // Off the grid, a step down lands on the grid point via (g - delta) + delta,
    // one unit in the last place above 0.3.
    const double offGridDown = (0.3 - -0.1) + -0.1;
    QCOMPARE(Bits(offGridDown), Bits(std::nextafter(0.3, 1.0)));

    QTest::newRow("free, clamped") << 0.9 << 0.25 << 0u << 1.0;
    QTest::newRow("free, NaN") << 0.5 << kNaN << 0u << 0.0;
    QTest::newRow("down off the grid") << 0.35 << -0.1 << 10u << offGridDown;
    QTest::newRow("up off the grid") << 0.35 << 0.1 << 10u << 0.4;
    QTest::newRow("down on the grid") << 0.3 << -0.1 << 10u << 0.19999999999999998;
    QTest::newRow("down at zero") << 0.0 << -0.1 << 10u << 0.0;
    QTest::newRow("snaps up onto the line") << 0.29996 << -0.1 << 10u << offGridDown;
    QTest::newRow("beyond the snap") << 0.2999 << -0.1 << 10u << 0.20000000000000004;
    QTest::newRow("grid, NaN") << 0.5 << kNaN << 10u << 0.0;
    QTest::newRow("grid, +inf") << 0.35 << kInf << 10u << 1.0;
    QTest::newRow("grid, -inf off the grid") << 0.35 << -kInf << 10u << 0.0;
    // n * p beyond the int range: the grid index is pinned to INT_MAX.
    QTest::newRow("UINT_MAX steps") << 1.0 << -0.25 << uint(UINT_MAX)
                                    << (double(INT_MAX) / UINT_MAX + 0.25) - 0.25;
}

void tst_BVSplitter::moveSlider()
{
    QFETCH(double, start);
    QFETCH(double, delta);
    QFETCH(uint, steps);
    QFETCH(double, expected);

    BVSplitter splitter(Qt::Vertical);
    splitter.SetPosition(start);
    QSignalSpy spy(&splitter, &BVSplitter::PositionChanged);
    splitter.MoveSlider(delta, steps);
    QCOMPARE(Bits(splitter.GetPosition()), Bits(expected));
    QCOMPARE(spy.count(), Bits(expected) == Bits(start) ? 0 : 1);
}

void tst_BVSplitter::placement_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<int>("extent");
    QTest::addColumn<double>("position");
    QTest::addColumn<int>("offset");

    QTest::newRow("at 0") << Qt::Vertical << 200 << 0.0 << -16;
    QTest::newRow("at 1") << Qt::Vertical << 200 << 1.0 << 184;
    // 14.3, -0.5 and -5.9 truncate toward zero.
    QTest::newRow("14.3") << Qt::Vertical << 101 << 0.3 << 14;
    QTest::newRow("-0.5") << Qt::Vertical << 100 << 0.155 << 0;
    QTest::newRow("-5.9") << Qt::Vertical << 100 << 0.101 << -5;
    QTest::newRow("horizontal -5.9") << Qt::Horizontal << 100 << 0.101 << -5;
    QTest::newRow("horizontal at 1") << Qt::Horizontal << 200 << 1.0 << 184;
}

void tst_BVSplitter::placement()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(int, extent);
    QFETCH(double, position);
    QFETCH(int, offset);

    QWidget parent;
    const bool vertical = orientation == Qt::Vertical;
    parent.resize(vertical ? QSize(extent, 80) : QSize(80, extent));
    BVSplitter splitter(orientation, &parent);
    splitter.SetPosition(position);
    QCOMPARE(splitter.pos(), vertical ? QPoint(offset, 0) : QPoint(0, offset));
}

void tst_BVSplitter::followsParent_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<bool>("constructedWithParent");
    QTest::addColumn<QRect>("before");
    QTest::addColumn<QRect>("after");

    QTest::newRow("vertical") << Qt::Vertical << true << QRect(84, 0, 32, 200) << QRect(184, 0, 32, 60);
    QTest::newRow("horizontal") << Qt::Horizontal << true << QRect(0, 84, 200, 32) << QRect(0, 14, 400, 32);
    QTest::newRow("parent given later")
        << Qt::Vertical << false << QRect(0, 0, 32, 200) << QRect(0, 0, 32, 200);
}

void tst_BVSplitter::followsParent()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(bool, constructedWithParent);
    QFETCH(QRect, before);
    QFETCH(QRect, after);

    Scene scene;
    BVSplitter splitter(orientation, constructedWithParent ? scene.view : nullptr);
    if (!constructedWithParent) {
        splitter.setParent(scene.view);
        splitter.setGeometry(before);
    }
    QCOMPARE(Bits(splitter.GetPosition()), Bits(0.5));
    QCOMPARE(splitter.geometry(), before);
    QCOMPARE(splitter.cursor().shape(), orientation == Qt::Vertical ? Qt::SplitHCursor : Qt::SplitVCursor);
    QVERIFY(scene.Show());
    QSignalSpy spy(&splitter, &BVSplitter::PositionChanged);
    const int resizes = scene.view->resizes;

    scene.view->resize(400, 60);
    QCOMPARE(splitter.geometry(), after);
    QCOMPARE(Bits(splitter.GetPosition()), Bits(0.5));
    QCOMPARE(spy.count(), 0);
    QCOMPARE(scene.view->resizes, resizes + 1);
}

void tst_BVSplitter::shortcuts_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<double>("start");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<double>("expected");

    QTest::newRow("Alt+1") << Qt::Vertical << 0.5 << QKeySequence(Qt::ALT | Qt::Key_1) << 0.0;
    QTest::newRow("Alt+2") << Qt::Vertical << 0.5 << QKeySequence(Qt::ALT | Qt::Key_2) << 0.25;
    QTest::newRow("Alt+3") << Qt::Horizontal << 0.9 << QKeySequence(Qt::ALT | Qt::Key_3) << 0.5;
    QTest::newRow("Alt+4") << Qt::Horizontal << 0.5 << QKeySequence(Qt::ALT | Qt::Key_4) << 0.75;
    QTest::newRow("Alt+5") << Qt::Vertical << 0.5 << QKeySequence(Qt::ALT | Qt::Key_5) << 1.0;
    QTest::newRow("Left") << Qt::Vertical << 0.35 << QKeySequence(Qt::Key_Left) << (0.3 - -0.1) + -0.1;
    QTest::newRow("Right") << Qt::Vertical << 0.95 << QKeySequence(Qt::Key_Right) << 1.0;
    QTest::newRow("Left horizontal") << Qt::Horizontal << 0.35 << QKeySequence(Qt::Key_Left) << 0.35;
    QTest::newRow("Right horizontal") << Qt::Horizontal << 0.35 << QKeySequence(Qt::Key_Right) << 0.35;
}

void tst_BVSplitter::shortcuts()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(double, start);
    QFETCH(QKeySequence, keys);
    QFETCH(double, expected);

    Scene scene;
    BVSplitter splitter(orientation, scene.view);
    splitter.SetPosition(start);
    QVERIFY(scene.Show());
    QTest::keySequence(&scene.window, keys);
    QCOMPARE(Bits(splitter.GetPosition()), Bits(expected));
}

void tst_BVSplitter::drag_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("press");
    QTest::addColumn<QList<int>>("moves");
    QTest::addColumn<double>("expected");
    QTest::addColumn<int>("signals");

    // View coordinates along the splitter's axis; the release is at the last one.
    const int left = Qt::LeftButton;
    QTest::newRow("follows") << Qt::Vertical << left << 100 << QList<int> { 150 } << 0.75 << 1;
    QTest::newRow("past the far edge") << Qt::Horizontal << left << 100 << QList<int> { 230 } << 1.0 << 1;
    QTest::newRow("past the near edge") << Qt::Vertical << left << 100 << QList<int> { -30 } << 0.0 << 1;
    QTest::newRow("out and back") << Qt::Horizontal << left << 100 << QList<int> { 150, 100 } << 0.5 << 2;
    QTest::newRow("grabbed off centre") << Qt::Vertical << left << 90 << QList<int> {} << 0.45 << 1;
    QTest::newRow("right button") << Qt::Vertical << int(Qt::RightButton) << 100 << QList<int> { 150, 30 }
                                  << 0.5 << 0;
}

void tst_BVSplitter::drag()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(int, button);
    QFETCH(int, press);
    QFETCH(QList<int>, moves);
    QFETCH(double, expected);
    QFETCH(int, signals);

    Scene scene;
    BVSplitter splitter(orientation, scene.view);
    QVERIFY(scene.Show());
    QSignalSpy spy(&splitter, &BVSplitter::PositionChanged);
    auto point
        = [&](int along) { return orientation == Qt::Vertical ? QPoint(along, 60) : QPoint(60, along); };

    QTest::mousePress(scene.view, Qt::MouseButton(button), {}, point(press));
    QCOMPARE(spy.count(), 0);
    for (const int along : moves)
        QTest::mouseMove(scene.view, point(along));
    QTest::mouseRelease(
        scene.view, Qt::MouseButton(button), {}, point(moves.isEmpty() ? press : moves.last()));

    QCOMPARE(Bits(splitter.GetPosition()), Bits(expected));
    QCOMPARE(spy.count(), signals);
    const int offset = int(200 * expected - 16.0);
    QCOMPARE(splitter.pos(), orientation == Qt::Vertical ? QPoint(offset, 0) : QPoint(0, offset));
    QCOMPARE(scene.view->presses, 0);
}

void tst_BVSplitter::releaseWithoutPress()
{
    // The window system layer drops a release whose press it never saw, so
    // it is handed to the strip directly, as a host forwarding it would.
    Scene scene;
    BVSplitter splitter(Qt::Vertical, scene.view);
    Send(&splitter, QEvent::MouseButtonRelease, QPoint(6, 60), Qt::NoButton);
    QCOMPARE(Bits(splitter.GetPosition()), Bits(0.45));
}

void tst_BVSplitter::emptyParent_data()
{
    QTest::addColumn<int>("along");
    QTest::addColumn<double>("expected");

    QTest::newRow("right of the origin") << 5 << 1.0;
    QTest::newRow("at the origin") << 0 << 0.0;
    QTest::newRow("left of the origin") << -5 << 0.0;
}

void tst_BVSplitter::emptyParent()
{
    QFETCH(int, along);
    QFETCH(double, expected);

    // A parent of width 0 clips the strip away from any pointer, so the
    // events are delivered to it directly.
    QWidget parent;
    parent.resize(0, 100);
    BVSplitter splitter(Qt::Vertical, &parent);
    QCOMPARE(splitter.x(), -16);
    Send(&splitter, QEvent::MouseButtonPress, QPoint(along + 16, 50), Qt::LeftButton);
    Send(&splitter, QEvent::MouseMove, QPoint(along + 16, 50), Qt::LeftButton);
    QCOMPARE(Bits(splitter.GetPosition()), Bits(expected));
}

void tst_BVSplitter::paint_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<bool>("handleImage");

    QTest::newRow("vertical") << Qt::Vertical << true;
    QTest::newRow("vertical, no image") << Qt::Vertical << false;
    QTest::newRow("horizontal") << Qt::Horizontal << true;
}

void tst_BVSplitter::paint()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(bool, handleImage);

    if (!handleImage)
        bvtest::InstallEmptyTheme();
    Scene scene;
    BVSplitter splitter(orientation, scene.view);
    bvtest::InstallTheme();
    QVERIFY(scene.Show());
    QImage image(scene.view->size(), QImage::Format_RGB32);
    scene.view->render(&image);

    // The line lies on pixel 100 across; a vertical strip's 24 x 24 handle
    // covers rows 88 to 111 of it.
    const bool vertical = orientation == Qt::Vertical;
    auto pixel = [&](int along, int across) {
        return vertical ? image.pixelColor(across, along) : image.pixelColor(along, across);
    };
    for (int along = 0; along < 200; ++along) {
        if (vertical && handleImage && along >= 88 && along < 112)
            continue;
        QCOMPARE(pixel(along, 100), kInverted);
        QCOMPARE(pixel(along, 99), kBackground);
        QCOMPARE(pixel(along, 101), kBackground);
    }
    // The white-ish handle is drawn in difference mode too.
    QCOMPARE(pixel(100, 95).blue() < kBackground.blue(), vertical && handleImage);
}

QTEST_MAIN(tst_BVSplitter)
#include "tst_bvsplitter.moc"
