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
// Step counts in a row of positions() that stand for SetPosition(delta), or
// for a release delta pixels into the parent (100 wide, or empty) whose
// press the strip never saw: the window system layer would drop it, so it
// is handed over directly, as a host forwarding it would.
constexpr qint64 kSet = -1, kRelease = -2, kReleaseEmpty = -3;

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
        view->setPalette(QPalette(kBackground)); // as the window color too
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

// A point from its coordinate in the direction the strip moves and the other.
QPoint Along(Qt::Orientation orientation, int at, int across)
{
    return orientation == Qt::Vertical ? QPoint(at, across) : QPoint(across, at);
}

} // namespace

class tst_BVSplitter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { bvtest::InstallTheme(); }
    void positions_data();
    void positions();
    void interaction_data();
    void interaction();
    void paint_data();
    void paint();
};

void tst_BVSplitter::positions_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("delta");
    QTest::addColumn<qint64>("steps");
    QTest::addColumn<double>("expected");
    QTest::addColumn<int>("x"); // of the strip, in a parent 100 wide

    QTest::newRow("set below range") << 0.5 << -3.0 << kSet << 0.0 << -16;
    QTest::newRow("set above range") << 0.5 << 7.0 << kSet << 1.0 << 84;
    QTest::newRow("set NaN") << 0.5 << kNaN << kSet << 0.0 << -16;
    QTest::newRow("set +inf") << 0.5 << kInf << kSet << 1.0 << 84;
    QTest::newRow("set current value") << 0.5 << 0.5 << kSet << 0.5 << 34;
    // The strip's x truncates toward zero: -0.5 and -5.9.
    QTest::newRow("set 0.155") << 0.5 << 0.155 << kSet << 0.155 << 0;
    QTest::newRow("set 0.101") << 0.5 << 0.101 << kSet << 0.101 << -5;

    // Off the grid, a step down lands on the grid point via (g - delta) + delta,
    // one unit in the last place above 0.3.
    const double offGridDown = std::nextafter(0.3, 1.0);
    QTest::newRow("free, clamped") << 0.9 << 0.25 << qint64(0) << 1.0 << 84;
    QTest::newRow("down off the grid") << 0.35 << -0.1 << qint64(10) << offGridDown << 14;
    QTest::newRow("up off the grid") << 0.35 << 0.1 << qint64(10) << 0.4 << 24;
    QTest::newRow("down on the grid") << 0.3 << -0.1 << qint64(10) << 0.19999999999999998 << 4;
    QTest::newRow("snaps up onto the line") << 0.29996 << -0.1 << qint64(10) << offGridDown << 14;
    QTest::newRow("beyond the snap") << 0.2999 << -0.1 << qint64(10) << 0.20000000000000004 << 4;
    // inf - inf on the way down gives NaN.
    QTest::newRow("grid, -inf off the grid") << 0.35 << -kInf << qint64(10) << 0.0 << -16;
    // n * p beyond the int range: the grid index is pinned to INT_MAX.
    QTest::newRow("UINT_MAX steps") << 1.0 << -0.25 << qint64(UINT_MAX)
                                    << (double(INT_MAX) / UINT_MAX + 0.25) - 0.25 << 33;
    QTest::newRow("release, no press seen") << 0.5 << 45.0 << kRelease << 0.45 << 29;
    // An empty parent clips the strip away from any pointer.
    QTest::newRow("release, empty parent, right of the origin") << 0.5 << 5.0 << kReleaseEmpty << 1.0 << -16;
    QTest::newRow("release, empty parent, at the origin") << 0.5 << 0.0 << kReleaseEmpty << 0.0 << -16;
}

void tst_BVSplitter::positions()
{
    QFETCH(double, start);
    QFETCH(double, delta);
    QFETCH(qint64, steps);
    QFETCH(double, expected);
    QFETCH(int, x);

    QWidget parent;
    parent.resize(steps == kReleaseEmpty ? 0 : 100, 50);
    BVSplitter splitter(Qt::Vertical, &parent);
    splitter.SetPosition(start);
    QList<quint64> emitted;
    QList<int> stripX;
    connect(&splitter, &BVSplitter::PositionChanged, this, [&](double position) {
        emitted.append(Bits(position));
        stripX.append(splitter.x());
    });

    if (steps == kSet)
        splitter.SetPosition(delta);
    else if (steps < 0)
        bvtest::SendMouse(&splitter, QEvent::MouseButtonRelease, QPoint(int(delta) - splitter.x(), 25));
    else
        splitter.MoveSlider(delta, uint(steps));

    QCOMPARE(Bits(splitter.GetPosition()), Bits(expected));
    QCOMPARE(splitter.x(), x);
    // Emitted once, on a change only, with the strip already in its new place.
    const bool changed = Bits(expected) != Bits(start);
    QCOMPARE(emitted, changed ? QList<quint64> { Bits(expected) } : QList<quint64>());
    QCOMPARE(stripX, changed ? QList<int> { x } : QList<int>());
}

void tst_BVSplitter::interaction_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<double>("start");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<int>("button");
    QTest::addColumn<QList<int>>("path"); // press, moves; released at the last
    QTest::addColumn<double>("expected");
    QTest::addColumn<int>("signals");

    const auto V = Qt::Vertical, H = Qt::Horizontal;
    const QKeySequence none;
    const int left = Qt::LeftButton;
    for (int i = 0; i < 5; ++i) {
        QTest::addRow("Alt+%d", i + 1)
            << (i % 2 ? H : V) << 0.9 << QKeySequence(int(Qt::ALT) | (Qt::Key_1 + i)) << left << QList<int>()
            << i * 0.25 << 1;
    }
    const QKeySequence leftKey(Qt::Key_Left), rightKey(Qt::Key_Right);
    QTest::newRow("Left") << V << 0.35 << leftKey << left << QList<int>() << std::nextafter(0.3, 1.0) << 1;
    QTest::newRow("Right") << V << 0.95 << rightKey << left << QList<int>() << 1.0 << 1;
    QTest::newRow("Left horizontal") << H << 0.35 << leftKey << left << QList<int>() << 0.35 << 0;
    // View coordinates along the axis the strip moves on.
    QTest::newRow("past the far edge") << H << 0.5 << none << left << QList<int> { 100, 230 } << 1.0 << 1;
    QTest::newRow("out and back") << H << 0.5 << none << left << QList<int> { 100, 150, 100 } << 0.5 << 2;
    QTest::newRow("grabbed off centre") << V << 0.5 << none << left << QList<int> { 90 } << 0.45 << 1;
    QTest::newRow("right button") << V << 0.5 << none << int(Qt::RightButton) << QList<int> { 100, 150, 30 }
                                  << 0.5 << 0;
}

void tst_BVSplitter::interaction()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(double, start);
    QFETCH(QKeySequence, keys);
    QFETCH(int, button);
    QFETCH(QList<int>, path);
    QFETCH(double, expected);
    QFETCH(int, signals);

    Scene scene;
    BVSplitter splitter(orientation, scene.view);
    const bool vertical = orientation == Qt::Vertical;
    QCOMPARE(splitter.cursor().shape(), vertical ? Qt::SplitHCursor : Qt::SplitVCursor);
    splitter.SetPosition(start);
    QVERIFY(scene.Show());
    QSignalSpy spy(&splitter, &BVSplitter::PositionChanged);

    if (!keys.isEmpty())
        QTest::keySequence(&scene.window, keys);
    for (int i = 0; i < path.size(); ++i) {
        const QPoint at = Along(orientation, path.at(i), 60);
        if (i == 0) {
            QTest::mousePress(scene.view, Qt::MouseButton(button), {}, at);
            QCOMPARE(spy.count(), 0);
        } else {
            QTest::mouseMove(scene.view, at);
        }
    }
    if (!path.isEmpty())
        QTest::mouseRelease(scene.view, Qt::MouseButton(button), {}, Along(orientation, path.last(), 60));
    QCOMPARE(Bits(splitter.GetPosition()), Bits(expected));
    QCOMPARE(spy.count(), signals);
    QCOMPARE(splitter.geometry(),
        QRect(Along(orientation, int(200 * expected - 16.0), 0), vertical ? QSize(32, 200) : QSize(200, 32)));
    QCOMPARE(scene.view->presses, 0);

    // The strip follows its parent's resizes, which still reach the parent;
    // one given its parent later does not.
    BVSplitter later(orientation);
    later.setParent(scene.view);
    later.setGeometry(1, 2, 3, 4);
    const int resizes = scene.view->resizes;
    scene.view->resize(401, 61); // x.5 truncates
    QCOMPARE(later.geometry(), QRect(1, 2, 3, 4));
    const int offset = int((vertical ? 401 : 61) * expected - 16.0);
    QCOMPARE(
        splitter.geometry(), QRect(Along(orientation, offset, 0), vertical ? QSize(32, 61) : QSize(401, 32)));
    QCOMPARE(Bits(splitter.GetPosition()), Bits(expected));
    QCOMPARE(spy.count(), signals);
    QCOMPARE(scene.view->resizes, resizes + 1);
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

    // The line lies at 100; a vertical strip's 24 x 24 handle covers 88 to
    // 111 along it.
    const bool vertical = orientation == Qt::Vertical;
    auto pixel = [&](int at, int along) { return image.pixelColor(Along(orientation, at, along)); };
    for (int along = 0; along < 200; ++along) {
        if (vertical && handleImage && along >= 88 && along < 112)
            continue;
        QCOMPARE(pixel(100, along), kInverted);
        QCOMPARE(pixel(99, along), kBackground);
        QCOMPARE(pixel(101, along), kBackground);
    }
    // The white-ish handle is drawn in difference mode too.
    QCOMPARE(pixel(95, 100).blue() < kBackground.blue(), vertical && handleImage);
}

QTEST_MAIN(tst_BVSplitter)
#include "tst_bvsplitter.moc"
