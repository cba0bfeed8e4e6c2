// Mouse events go through the window system layer, so that grabs and hit
// testing work as they do for a user; QTest's default moves only warp the cursor.
#define QTEST_QPA_MOUSE_HANDLING

#include "BVSplitter.h"
#include "TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QImage>
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

// QCOMPARE on doubles is fuzzy; these positions are checked to the last bit.
quint64 Bits(double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// The widget the splitter divides; counts what reaches it so that tests can
// see the splitter neither swallows its resizes nor passes mouse presses on.
class View : public QWidget {
public:
    using QWidget::QWidget;
    int resizes = 0;
    int presses = 0;

protected:
    void resizeEvent(QResizeEvent*) override { ++resizes; }
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

// A top-level window with a 200 x 200 view at (50, 50), leaving room for the
// pointer to leave the view on every side.
struct Scene {
    QWidget window;
    View* view;

    explicit Scene(QSize viewSize = QSize(200, 200))
    {
        window.resize(300, 300);
        view = new View(&window);
        view->setGeometry(QRect(QPoint(50, 50), viewSize));
        QPalette palette = view->palette();
        palette.setColor(QPalette::Window, kBackground);
        view->setPalette(palette);
        view->setAutoFillBackground(true);
    }

    bool Show()
    {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return false;
        // Xvfb runs no window manager; the shortcut map asks the application.
        QApplication::setActiveWindow(&window);
        return QApplication::activeWindow() == &window;
    }
};

QPoint ViewPoint(Qt::Orientation orientation, int along)
{
    return orientation == Qt::Vertical ? QPoint(along, 60) : QPoint(60, along);
}

} // namespace

class tst_BVSplitter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void construction_data();
    void construction();
    void setPosition_data();
    void setPosition();
    void moveSlider_data();
    void moveSlider();
    void moveSliderKeepsLastBit();
    void placement_data();
    void placement();
    void followsParentResize_data();
    void followsParentResize();
    void followsOnlyItsFirstParent_data();
    void followsOnlyItsFirstParent();
    void shortcuts_data();
    void shortcuts();
    void drag_data();
    void drag();
    void rightButtonDoesNotDrag();
    void releaseWithoutPress();
    void emptyParent_data();
    void emptyParent();
    void paintInverts_data();
    void paintInverts();
    void paintWithoutHandleImage();
};

void tst_BVSplitter::initTestCase()
{
    bvtest::InstallTheme();
}

void tst_BVSplitter::construction_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<Qt::CursorShape>("cursor");
    QTest::addColumn<int>("actions");

    QTest::newRow("vertical") << Qt::Vertical << QRect(84, 0, 32, 100) << Qt::SplitHCursor << 7;
    QTest::newRow("horizontal") << Qt::Horizontal << QRect(0, 34, 200, 32) << Qt::SplitVCursor << 5;
    QTest::newRow("unknown value is horizontal")
        << Qt::Orientation(0) << QRect(0, 34, 200, 32) << Qt::SplitVCursor << 5;
}

void tst_BVSplitter::construction()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(QRect, geometry);
    QFETCH(Qt::CursorShape, cursor);
    QFETCH(int, actions);

    Scene scene(QSize(200, 100));
    BVSplitter splitter(orientation, scene.view);
    QCOMPARE(splitter.GetOrientation(), orientation);
    QCOMPARE(Bits(splitter.GetPosition()), Bits(0.5));
    QCOMPARE(splitter.geometry(), geometry);
    QCOMPARE(splitter.cursor().shape(), cursor);
    QCOMPARE(splitter.actions().size(), actions);
    QVERIFY(!splitter.isHidden());
}

void tst_BVSplitter::setPosition_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("stored");

    QTest::newRow("below range") << -3.0 << 0.0;
    QTest::newRow("above range") << 7.0 << 1.0;
    QTest::newRow("NaN") << kNaN << 0.0;
    QTest::newRow("+inf") << kInf << 1.0;
    QTest::newRow("-inf") << -kInf << 0.0;
    QTest::newRow("negative zero is plain zero") << -0.0 << 0.0;
    QTest::newRow("inside") << 0.25 << 0.25;
    QTest::newRow("current value") << 0.5 << 0.5;
}

void tst_BVSplitter::setPosition()
{
    QFETCH(double, value);
    QFETCH(double, stored);

    Scene scene;
    BVSplitter splitter(Qt::Vertical, scene.view);
    QList<int> stripXAtSignal;
    connect(
        &splitter, &BVSplitter::PositionChanged, this, [&](double) { stripXAtSignal.append(splitter.x()); });
    QSignalSpy spy(&splitter, &BVSplitter::PositionChanged);

    splitter.SetPosition(value);
    QCOMPARE(Bits(splitter.GetPosition()), Bits(stored));
    const int expectedSignals = stored == 0.5 ? 0 : 1;
    QCOMPARE(spy.count(), expectedSignals);
    if (expectedSignals) {
        QCOMPARE(Bits(spy.at(0).at(0).toDouble()), Bits(stored));
        // The strip is already in its new place when the host hears of it.
        QCOMPARE(stripXAtSignal.value(0), int(200 * stored - 16.0));
    }

    splitter.SetPosition(value);
    QCOMPARE(spy.count(), expectedSignals);
}

void tst_BVSplitter::moveSlider_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("delta");
    QTest::addColumn<uint>("steps");
    QTest::addColumn<double>("expected");

    QTest::newRow("free move clamps at the top") << 0.9 << 0.25 << 0u << 1.0;
    QTest::newRow("free move down") << 0.5 << -0.2 << 0u << 0.5 + -0.2;
    QTest::newRow("free move NaN") << 0.5 << kNaN << 0u << 0.0;
    QTest::newRow("down from off the grid") << 0.35 << -0.1 << 10u << (0.3 - -0.1) + -0.1;
    QTest::newRow("up from off the grid") << 0.35 << 0.1 << 10u << 0.4;
    QTest::newRow("down from the grid") << 0.3 << -0.1 << 10u << 0.19999999999999998;
    QTest::newRow("up to the top") << 0.95 << 0.1 << 10u << 1.0;
    QTest::newRow("down at zero") << 0.0 << -0.1 << 10u << 0.0;
    QTest::newRow("just below a line snaps up onto it") << 0.29996 << -0.1 << 10u << (0.3 - -0.1) + -0.1;
    QTest::newRow("just below a line, up") << 0.29996 << 0.1 << 10u << 0.4;
    QTest::newRow("beyond the snap tolerance") << 0.2999 << -0.1 << 10u << 0.20000000000000004;
    QTest::newRow("quarter grid up") << 0.3 << 0.25 << 4u << 0.5;
    QTest::newRow("grid NaN") << 0.5 << kNaN << 10u << 0.0;
    QTest::newRow("grid +inf") << 0.35 << kInf << 10u << 1.0;
    QTest::newRow("grid -inf off the grid") << 0.35 << -kInf << 10u << 0.0;
    QTest::newRow("grid -inf on the grid") << 0.5 << -kInf << 4u << 0.0;
    // n * p no longer fits an int: the grid index is pinned to INT_MAX.
    QTest::newRow("UINT_MAX steps from the top")
        << 1.0 << -0.25 << uint(UINT_MAX) << (double(INT_MAX) / double(UINT_MAX) + 0.25) - 0.25;
    QTest::newRow("UINT_MAX steps inside the int range")
        << 0.25 << 0.25 << uint(UINT_MAX) << 1073741823.0 / double(UINT_MAX) + 0.25;
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

void tst_BVSplitter::moveSliderKeepsLastBit()
{
    BVSplitter splitter(Qt::Vertical);
    splitter.SetPosition(0.35);
    splitter.MoveSlider(-0.1, 10);
    // Lands one unit in the last place above 0.3, not on 0.3 itself.
    QVERIFY(splitter.GetPosition() != 0.3);
    QCOMPARE(Bits(splitter.GetPosition()), Bits(std::nextafter(0.3, 1.0)));
}

void tst_BVSplitter::placement_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<QSize>("parentSize");
    QTest::addColumn<double>("position");
    QTest::addColumn<QPoint>("topLeft");

    QTest::newRow("vertical at 0") << Qt::Vertical << QSize(200, 80) << 0.0 << QPoint(-16, 0);
    QTest::newRow("vertical at 1") << Qt::Vertical << QSize(200, 80) << 1.0 << QPoint(184, 0);
    QTest::newRow("vertical 30.3 - 16") << Qt::Vertical << QSize(101, 80) << 0.3 << QPoint(14, 0);
    // -0.5 and -5.9 truncate toward zero, not down.
    QTest::newRow("vertical -0.5") << Qt::Vertical << QSize(100, 80) << 0.155 << QPoint(0, 0);
    QTest::newRow("vertical -5.9") << Qt::Vertical << QSize(100, 80) << 0.101 << QPoint(-5, 0);
    QTest::newRow("vertical, empty parent") << Qt::Vertical << QSize(0, 80) << 1.0 << QPoint(-16, 0);
    QTest::newRow("horizontal at 0") << Qt::Horizontal << QSize(80, 200) << 0.0 << QPoint(0, -16);
    QTest::newRow("horizontal at 1") << Qt::Horizontal << QSize(80, 200) << 1.0 << QPoint(0, 184);
    QTest::newRow("horizontal -5.9") << Qt::Horizontal << QSize(80, 100) << 0.101 << QPoint(0, -5);
}

void tst_BVSplitter::placement()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(QSize, parentSize);
    QFETCH(double, position);
    QFETCH(QPoint, topLeft);

    QWidget parent;
    parent.resize(parentSize);
    BVSplitter splitter(orientation, &parent);
    splitter.SetPosition(position);
    QCOMPARE(splitter.pos(), topLeft);
}

void tst_BVSplitter::followsParentResize_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("vertical") << Qt::Vertical << QRect(84, 0, 32, 60);
    QTest::newRow("horizontal") << Qt::Horizontal << QRect(0, -1, 400, 32);
}

void tst_BVSplitter::followsParentResize()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(QRect, geometry);

    Scene scene;
    BVSplitter splitter(orientation, scene.view);
    splitter.SetPosition(0.25);
    QVERIFY(scene.Show());
    QSignalSpy spy(&splitter, &BVSplitter::PositionChanged);
    const int resizes = scene.view->resizes;

    scene.view->resize(400, 60);
    QCOMPARE(splitter.geometry(), geometry);
    QCOMPARE(Bits(splitter.GetPosition()), Bits(0.25));
    QCOMPARE(spy.count(), 0);
    QCOMPARE(scene.view->resizes, resizes + 1);
}

void tst_BVSplitter::followsOnlyItsFirstParent_data()
{
    QTest::addColumn<bool>("constructedWithParent");

    QTest::newRow("constructed without a parent") << false;
    QTest::newRow("moved away from its first parent") << true;
}

void tst_BVSplitter::followsOnlyItsFirstParent()
{
    QFETCH(bool, constructedWithParent);

    Scene scene;
    auto* first = new QWidget(&scene.window);
    first->setGeometry(0, 0, 40, 40);
    BVSplitter splitter(Qt::Vertical, constructedWithParent ? first : nullptr);
    splitter.setParent(scene.view);
    splitter.setGeometry(10, 0, 32, 50);
    QVERIFY(scene.Show());

    scene.view->resize(120, 90);
    first->resize(80, 80);
    QCOMPARE(splitter.geometry(), QRect(10, 0, 32, 50));
}

void tst_BVSplitter::shortcuts_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<double>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<double>("expected");

    const Qt::KeyboardModifiers alt = Qt::AltModifier;
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    QTest::newRow("Alt+1") << Qt::Vertical << 0.5 << int(Qt::Key_1) << alt << 0.0;
    QTest::newRow("Alt+2") << Qt::Vertical << 0.5 << int(Qt::Key_2) << alt << 0.25;
    QTest::newRow("Alt+3") << Qt::Vertical << 0.9 << int(Qt::Key_3) << alt << 0.5;
    QTest::newRow("Alt+4") << Qt::Vertical << 0.5 << int(Qt::Key_4) << alt << 0.75;
    QTest::newRow("Alt+5") << Qt::Vertical << 0.5 << int(Qt::Key_5) << alt << 1.0;
    QTest::newRow("Alt+3 horizontal") << Qt::Horizontal << 0.1 << int(Qt::Key_3) << alt << 0.5;
    QTest::newRow("Alt+5 horizontal") << Qt::Horizontal << 0.1 << int(Qt::Key_5) << alt << 1.0;
    QTest::newRow("3 without Alt") << Qt::Vertical << 0.9 << int(Qt::Key_3) << none << 0.9;
    QTest::newRow("Left") << Qt::Vertical << 0.35 << int(Qt::Key_Left) << none << (0.3 - -0.1) + -0.1;
    QTest::newRow("Left on the grid")
        << Qt::Vertical << 0.3 << int(Qt::Key_Left) << none << 0.19999999999999998;
    QTest::newRow("Left at 0") << Qt::Vertical << 0.0 << int(Qt::Key_Left) << none << 0.0;
    QTest::newRow("Right") << Qt::Vertical << 0.35 << int(Qt::Key_Right) << none << 0.4;
    QTest::newRow("Right near the top") << Qt::Vertical << 0.95 << int(Qt::Key_Right) << none << 1.0;
    QTest::newRow("Left horizontal") << Qt::Horizontal << 0.35 << int(Qt::Key_Left) << none << 0.35;
    QTest::newRow("Right horizontal") << Qt::Horizontal << 0.35 << int(Qt::Key_Right) << none << 0.35;
}

void tst_BVSplitter::shortcuts()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(double, start);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(double, expected);

    Scene scene;
    BVSplitter splitter(orientation, scene.view);
    splitter.SetPosition(start);
    QVERIFY(scene.Show());
    QSignalSpy spy(&splitter, &BVSplitter::PositionChanged);

    QTest::keyClick(&scene.window, Qt::Key(key), modifiers);
    QCOMPARE(Bits(splitter.GetPosition()), Bits(expected));
    QCOMPARE(spy.count(), Bits(expected) == Bits(start) ? 0 : 1);
}

void tst_BVSplitter::drag_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<int>("press");
    QTest::addColumn<QList<int>>("moves");
    QTest::addColumn<double>("expected");
    QTest::addColumn<int>("signals");

    // Points are view coordinates along the splitter's axis; the release
    // happens at the last point. The view is 200 pixels long both ways.
    for (const Qt::Orientation orientation : { Qt::Vertical, Qt::Horizontal }) {
        const char* name = orientation == Qt::Vertical ? "vertical" : "horizontal";
        QTest::addRow("%s follows the pointer", name)
            << orientation << 100 << QList<int> { 150 } << 0.75 << 1;
        QTest::addRow("%s past the far edge", name) << orientation << 100 << QList<int> { 230 } << 1.0 << 1;
        QTest::addRow("%s past the near edge", name) << orientation << 100 << QList<int> { -30 } << 0.0 << 1;
        QTest::addRow("%s out and back", name) << orientation << 100 << QList<int> { 150, 100 } << 0.5 << 2;
        QTest::addRow("%s click in place", name) << orientation << 100 << QList<int> {} << 0.5 << 0;
        // Grabbed off centre: the release point, not the grab offset, counts.
        QTest::addRow("%s grabbed off centre", name) << orientation << 90 << QList<int> {} << 0.45 << 1;
    }
}

void tst_BVSplitter::drag()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(int, press);
    QFETCH(QList<int>, moves);
    QFETCH(double, expected);
    QFETCH(int, signals);

    Scene scene;
    BVSplitter splitter(orientation, scene.view);
    QVERIFY(scene.Show());
    QSignalSpy spy(&splitter, &BVSplitter::PositionChanged);

    QTest::mousePress(scene.view, Qt::LeftButton, {}, ViewPoint(orientation, press));
    QCOMPARE(spy.count(), 0);
    int last = press;
    for (const int along : moves) {
        QTest::mouseMove(scene.view, ViewPoint(orientation, along));
        last = along;
    }
    QTest::mouseRelease(scene.view, Qt::LeftButton, {}, ViewPoint(orientation, last));

    QCOMPARE(Bits(splitter.GetPosition()), Bits(expected));
    QCOMPARE(spy.count(), signals);
    const int offset = int(200 * expected - 16.0);
    QCOMPARE(splitter.pos(), orientation == Qt::Vertical ? QPoint(offset, 0) : QPoint(0, offset));
    QCOMPARE(scene.view->presses, 0);
}

void tst_BVSplitter::rightButtonDoesNotDrag()
{
    Scene scene;
    BVSplitter splitter(Qt::Vertical, scene.view);
    QVERIFY(scene.Show());
    QSignalSpy spy(&splitter, &BVSplitter::PositionChanged);

    QTest::mousePress(scene.view, Qt::RightButton, {}, QPoint(100, 60));
    QTest::mouseMove(scene.view, QPoint(150, 60));
    QTest::mouseMove(scene.view, QPoint(30, 60));
    QTest::mouseRelease(scene.view, Qt::RightButton, {}, QPoint(30, 60));
    QCOMPARE(Bits(splitter.GetPosition()), Bits(0.5));
    QCOMPARE(spy.count(), 0);
}

void tst_BVSplitter::releaseWithoutPress()
{
    Scene scene;
    BVSplitter splitter(Qt::Vertical, scene.view);
    QVERIFY(scene.Show());
    QSignalSpy spy(&splitter, &BVSplitter::PositionChanged);

    // The window system layer drops a release whose press it never saw, so
    // this one is handed to the strip directly, as a host forwarding it would.
    const QPoint local = splitter.mapFrom(scene.view, QPoint(90, 60));
    QMouseEvent release(
        QEvent::MouseButtonRelease, local, splitter.mapToGlobal(local), Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(&splitter, &release);
    QCOMPARE(Bits(splitter.GetPosition()), Bits(0.45));
    QCOMPARE(spy.count(), 1);
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

    // A parent of width 0 clips the strip away, so no pointer can reach it
    // through the window; the events are delivered to the strip directly.
    QWidget parent;
    parent.resize(0, 100);
    BVSplitter splitter(Qt::Vertical, &parent);
    QCOMPARE(splitter.x(), -16);

    const QPoint local(along + 16, 50);
    const QPoint global = splitter.mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(&splitter, &press);
    QMouseEvent move(QEvent::MouseMove, local, global, Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(&splitter, &move);
    QCOMPARE(Bits(splitter.GetPosition()), Bits(expected));
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(&splitter, &release);
    QCOMPARE(Bits(splitter.GetPosition()), Bits(expected));
}

void tst_BVSplitter::paintInverts_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");

    QTest::newRow("vertical") << Qt::Vertical;
    QTest::newRow("horizontal") << Qt::Horizontal;
}

void tst_BVSplitter::paintInverts()
{
    QFETCH(Qt::Orientation, orientation);

    Scene scene;
    BVSplitter splitter(orientation, scene.view);
    QVERIFY(scene.Show());
    QImage image(scene.view->size(), QImage::Format_RGB32);
    scene.view->render(&image);

    // The line lies on pixel 100 across it; a vertical strip carries a
    // 24 x 24 handle image over rows 88 to 111.
    const bool vertical = orientation == Qt::Vertical;
    auto pixel = [&](int along, int across) {
        return vertical ? image.pixelColor(across, along) : image.pixelColor(along, across);
    };
    for (int along = 0; along < 200; ++along) {
        if (vertical && along >= 88 && along < 112)
            continue;
        QCOMPARE(pixel(along, 100), kInverted);
        QCOMPARE(pixel(along, 99), kBackground);
        QCOMPARE(pixel(along, 101), kBackground);
    }
    if (vertical) {
        // The handle is drawn, and in difference mode too: over this blue
        // background the white-ish image cannot come out as it is.
        QVERIFY(pixel(100, 95) != kBackground);
        QVERIFY(pixel(100, 95).blue() < kBackground.blue());
    }
}

void tst_BVSplitter::paintWithoutHandleImage()
{
    bvtest::InstallEmptyTheme();
    Scene scene;
    BVSplitter splitter(Qt::Vertical, scene.view);
    bvtest::InstallTheme();
    QVERIFY(scene.Show());
    QImage image(scene.view->size(), QImage::Format_RGB32);
    scene.view->render(&image);

    for (int y = 0; y < 200; ++y)
        QCOMPARE(image.pixelColor(100, y), kInverted);
    QCOMPARE(image.pixelColor(95, 100), kBackground);
}

QTEST_MAIN(tst_BVSplitter)
#include "tst_bvsplitter.moc"
