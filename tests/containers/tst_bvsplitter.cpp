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
// In a row of positions(), a step count that stands for SetPosition(delta).
constexpr qint64 kSet = -1;

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
    void placement_data();
    void placement();
    void followsParent_data();
    void followsParent();
    void shortcuts_data();
    void shortcuts();
    void drag_data();
    void drag();
    void releaseAppliesItsPoint_data();
    void releaseAppliesItsPoint();
    void paint_data();
    void paint();
};

void tst_BVSplitter::positions_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("delta");
    QTest::addColumn<qint64>("steps");
    QTest::addColumn<double>("expected");

    QTest::newRow("set below range") << 0.5 << -3.0 << kSet << 0.0;
    QTest::newRow("set above range") << 0.5 << 7.0 << kSet << 1.0;
    QTest::newRow("set NaN") << 0.5 << kNaN << kSet << 0.0;
    QTest::newRow("set +inf") << 0.5 << kInf << kSet << 1.0;
    QTest::newRow("set -inf") << 0.5 << -kInf << kSet << 0.0;
    QTest::newRow("set inside") << 0.5 << 0.25 << kSet << 0.25;
    QTest::newRow("set current value") << 0.5 << 0.5 << kSet << 0.5;

    // Off the grid, a step down lands on the grid point via (g - delta) + delta,
    // one unit in the last place above 0.3.
    const double offGridDown = (0.3 - -0.1) + -0.1;
    QCOMPARE(Bits(offGridDown), Bits(std::nextafter(0.3, 1.0)));
    QTest::newRow("free, clamped") << 0.9 << 0.25 << qint64(0) << 1.0;
    QTest::newRow("free, NaN") << 0.5 << kNaN << qint64(0) << 0.0;
    QTest::newRow("down off the grid") << 0.35 << -0.1 << qint64(10) << offGridDown;
    QTest::newRow("up off the grid") << 0.35 << 0.1 << qint64(10) << 0.4;
    QTest::newRow("down on the grid") << 0.3 << -0.1 << qint64(10) << 0.19999999999999998;
    QTest::newRow("down at zero") << 0.0 << -0.1 << qint64(10) << 0.0;
    QTest::newRow("snaps up onto the line") << 0.29996 << -0.1 << qint64(10) << offGridDown;
    QTest::newRow("beyond the snap") << 0.2999 << -0.1 << qint64(10) << 0.20000000000000004;
    QTest::newRow("grid, NaN") << 0.5 << kNaN << qint64(10) << 0.0;
    QTest::newRow("grid, +inf") << 0.35 << kInf << qint64(10) << 1.0;
    QTest::newRow("grid, -inf off the grid") << 0.35 << -kInf << qint64(10) << 0.0;
    // n * p beyond the int range: the grid index is pinned to INT_MAX.
    QTest::newRow("UINT_MAX steps") << 1.0 << -0.25 << qint64(UINT_MAX)
                                    << (double(INT_MAX) / UINT_MAX + 0.25) - 0.25;
}

void tst_BVSplitter::positions()
{
    QFETCH(double, start);
    QFETCH(double, delta);
    QFETCH(qint64, steps);
    QFETCH(double, expected);

    Scene scene;
    BVSplitter splitter(Qt::Vertical, scene.view);
    splitter.SetPosition(start);
    QList<quint64> emitted;
    QList<int> stripX;
    connect(&splitter, &BVSplitter::PositionChanged, this, [&](double position) {
        emitted.append(Bits(position));
        stripX.append(splitter.x());
    });

    if (steps == kSet)
        splitter.SetPosition(delta);
    else
        splitter.MoveSlider(delta, uint(steps));

    QCOMPARE(Bits(splitter.GetPosition()), Bits(expected));
    // Emitted once, on a change only, with the strip already in its new place.
    const bool changed = Bits(expected) != Bits(start);
    QCOMPARE(emitted, changed ? QList<quint64> { Bits(expected) } : QList<quint64>());
    QCOMPARE(stripX, changed ? QList<int> { int(200 * expected - 16.0) } : QList<int>());
}

void tst_BVSplitter::placement_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<int>("extent");
    QTest::addColumn<double>("position");
    QTest::addColumn<int>("offset");

    // Each truncates toward zero.
    QTest::newRow("14.3") << Qt::Vertical << 101 << 0.3 << 14;
    QTest::newRow("-0.5") << Qt::Vertical << 100 << 0.155 << 0;
    QTest::newRow("-5.9") << Qt::Vertical << 100 << 0.101 << -5;
    QTest::newRow("horizontal -5.9") << Qt::Horizontal << 100 << 0.101 << -5;
}

void tst_BVSplitter::placement()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(int, extent);
    QFETCH(double, position);
    QFETCH(int, offset);

    QWidget parent;
    const QPoint size = Along(orientation, extent, 80);
    parent.resize(size.x(), size.y());
    BVSplitter splitter(orientation, &parent);
    splitter.SetPosition(position);
    QCOMPARE(splitter.pos(), Along(orientation, offset, 0));
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

    for (int i = 0; i < 5; ++i) {
        QTest::addRow("Alt+%d", i + 1) << (i % 2 ? Qt::Horizontal : Qt::Vertical) << 0.9
                                       << QKeySequence(int(Qt::ALT) | (Qt::Key_1 + i)) << i * 0.25;
    }
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

    QTest::mousePress(scene.view, Qt::MouseButton(button), {}, Along(orientation, press, 60));
    QCOMPARE(spy.count(), 0);
    for (const int along : moves)
        QTest::mouseMove(scene.view, Along(orientation, along, 60));
    QTest::mouseRelease(scene.view, Qt::MouseButton(button), {},
        Along(orientation, moves.isEmpty() ? press : moves.last(), 60));

    QCOMPARE(Bits(splitter.GetPosition()), Bits(expected));
    QCOMPARE(spy.count(), signals);
    QCOMPARE(splitter.pos(), Along(orientation, int(200 * expected - 16.0), 0));
    QCOMPARE(scene.view->presses, 0);
}

void tst_BVSplitter::releaseAppliesItsPoint_data()
{
    QTest::addColumn<int>("extent");
    QTest::addColumn<int>("along"); // in the parent
    QTest::addColumn<double>("expected");

    QTest::newRow("no press seen") << 200 << 90 << 0.45;
    // A parent of width 0 clips the strip away from any pointer.
    QTest::newRow("empty parent, right of the origin") << 0 << 5 << 1.0;
    QTest::newRow("empty parent, at the origin") << 0 << 0 << 0.0;
    QTest::newRow("empty parent, left of the origin") << 0 << -5 << 0.0;
}

void tst_BVSplitter::releaseAppliesItsPoint()
{
    QFETCH(int, extent);
    QFETCH(int, along);
    QFETCH(double, expected);

    // The window system layer drops a release whose press it never saw, so
    // it is handed to the strip directly, as a host forwarding it would.
    QWidget parent;
    parent.resize(extent, 100);
    BVSplitter splitter(Qt::Vertical, &parent);
    const QPoint local(along - splitter.x(), 50);
    QMouseEvent release(
        QEvent::MouseButtonRelease, local, splitter.mapToGlobal(local), Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(&splitter, &release);
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
