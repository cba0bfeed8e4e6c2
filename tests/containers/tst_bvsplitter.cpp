// Mouse events go through the window system layer, so that grabs and hit
// testing work as they do for a user; QTest's default moves only warp the cursor.
#define QTEST_QPA_MOUSE_HANDLING

#include "BVSplitter.h"
#include "TestSupport.h"

#include <QtTest>

#include <climits>
#include <cmath>

namespace {

const QColor kBackground(10, 100, 200);
const QColor kInverted(255 - 10, 255 - 100, 255 - 200);

// The divided widget, 200 wide, in a window of its own. It counts what reaches
// it: the splitter must neither swallow its resizes nor pass mouse presses on.
struct View : QWidget {
    explicit View(int height = 200)
    {
        resize(200, height);
        setPalette(QPalette(kBackground));
        setAutoFillBackground(true);
    }
    void resizeEvent(QResizeEvent*) override { ++resizes; }
    void mousePressEvent(QMouseEvent*) override { ++presses; }
    int resizes = 0, presses = 0;
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
    void moves_data();
    void moves();
    void followsParent();
    void paint_data();
    void paint();
};

void tst_BVSplitter::moves_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<double>("start");
    // A double is set; a QPointF (delta, steps) moves; keys go to another window; a path of view
    // coordinates along the strip's axis is a left drag released at its end; a QPoint is a
    // release there whose press the strip never saw, handed over as a host forwarding it would.
    QTest::addColumn<QVariant>("action");
    QTest::addColumn<QList<double>>("emitted");
    QTest::addColumn<int>("at"); // the strip's place along its axis in the view

    using L = QList<double>;
    const auto V = Qt::Vertical, H = Qt::Horizontal;
    const auto move = [](double delta, double steps) { return QVariant(QPointF(delta, steps)); };
    const auto path = [](QList<int> points) { return QVariant::fromValue(points); };
    QTest::newRow("set above range") << V << 0.5 << QVariant(7.0) << L { 1.0 } << 184;
    QTest::newRow("set NaN") << V << 0.5 << QVariant(qQNaN()) << L { 0.0 } << -16;
    QTest::newRow("set -0.0") << V << 0.5 << QVariant(-0.0) << L { 0.0 } << -16;
    QTest::newRow("placed truncated: -5.9") << V << 0.5 << QVariant(0.0505) << L { 0.0505 } << -5;

    // A step down from off the grid lands on it via (g - delta) + delta, a bit above 0.3.
    const double gridDown = std::nextafter(0.3, 1.0);
    QTest::newRow("free, clamped") << V << 0.9 << move(0.25, 0) << L { 1.0 } << 184;
    QTest::newRow("down on the grid") << V << 0.3 << move(-0.1, 10) << L { 0.19999999999999998 } << 24;
    // Within the snap below a grid line counts as on it.
    QTest::newRow("snaps up onto the line") << V << 0.29996 << move(-0.1, 10) << L { gridDown } << 44;
    QTest::newRow("beyond the snap") << V << 0.2999 << move(-0.1, 10) << L { 0.20000000000000004 } << 24;
    // n * p beyond the int range: the grid index is pinned to INT_MAX.
    QTest::newRow("UINT_MAX steps") << V << 1.0 << move(-0.25, UINT_MAX)
                                    << L { (double(INT_MAX) / UINT_MAX + 0.25) - 0.25 } << 83;

    for (int i = 0; i < 5; ++i) {
        QTest::addRow("Alt+%d", i + 1)
            << (i % 2 ? H : V) << 0.9 << QVariant(QKeySequence(int(Qt::ALT) | (Qt::Key_1 + i)))
            << L { i * 0.25 } << -16 + 50 * i;
    }
    // Ten steps: a step down lands on the grid, one up goes from the line below.
    const QVariant left = QKeySequence(Qt::Key_Left), right = QKeySequence(Qt::Key_Right);
    QTest::newRow("Left") << V << 0.35 << left << L { gridDown } << 44;
    QTest::newRow("Right") << V << 0.35 << right << L { 0.4 } << 64;
    QTest::newRow("Left horizontal") << H << 0.35 << left << L {} << 54;

    QTest::newRow("past the far edge") << H << 0.5 << path({ 100, 230 }) << L { 1.0 } << 184;
    QTest::newRow("out and back") << H << 0.5 << path({ 100, 150, 100 }) << L { 0.75, 0.5 } << 84;
    // The line follows the pointer, not the point where the strip was grabbed.
    QTest::newRow("grabbed off centre") << V << 0.5 << path({ 90, 110 }) << L { 0.55 } << 94;
    QTest::newRow("release, no press seen") << V << 0.5 << QVariant(QPoint(90, 60)) << L { 0.45 } << 74;
}

void tst_BVSplitter::moves()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(double, start);
    QFETCH(QVariant, action);
    QFETCH(QList<double>, emitted);
    QFETCH(int, at);

    View view;
    BVSplitter splitter(orientation, &view);
    QCOMPARE(splitter.cursor().shape(), orientation == Qt::Vertical ? Qt::SplitHCursor : Qt::SplitVCursor);
    splitter.SetPosition(start);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    // Emitted on a change only, with the strip already in its new place.
    const QRect strip(
        Along(orientation, at, 0), orientation == Qt::Vertical ? QSize(32, 200) : QSize(200, 32));
    QRect placed = strip;
    QList<double> seen;
    connect(&splitter, &BVSplitter::PositionChanged, this, [&](double position) {
        seen.append(position);
        placed = splitter.geometry();
    });

    QWidget elsewhere;
    const QList<int> points = action.value<QList<int>>();
    if (action.userType() == QMetaType::Double)
        splitter.SetPosition(action.toDouble());
    else if (action.userType() == QMetaType::QPointF)
        splitter.MoveSlider(action.toPointF().x(), uint(action.toPointF().y()));
    else if (action.userType() == QMetaType::QPoint)
        bvtest::SendMouse(&splitter, QEvent::MouseButtonRelease, splitter.mapFromParent(action.toPoint()));
    // The shortcuts are the application's: they work from another window.
    else if (action.userType() == QMetaType::QKeySequence && bvtest::ShowActive(&elsewhere))
        QTest::keySequence(&elsewhere, action.value<QKeySequence>());
    if (!points.isEmpty()) {
        QTest::mousePress(&view, Qt::LeftButton, {}, Along(orientation, points.first(), 60));
        for (const int point : points.mid(1))
            QTest::mouseMove(&view, Along(orientation, point, 60));
        QTest::mouseRelease(&view, Qt::LeftButton, {}, Along(orientation, points.last(), 60));
    }
    // Then a drag with the right button moves nothing.
    bvtest::SendMouse(&splitter, QEvent::MouseButtonPress, {}, Qt::RightButton);
    bvtest::SendMouse(&splitter, QEvent::MouseMove, QPoint(1000, 1000), Qt::RightButton);
    bvtest::SendMouse(&splitter, QEvent::MouseButtonRelease, QPoint(1000, 1000), Qt::RightButton);

    QCOMPARE(seen, emitted);
    // Checked to the last bit (QCOMPARE on doubles is fuzzy), and never -0.0.
    QVERIFY(splitter.GetPosition() == emitted.value(emitted.size() - 1, start));
    QVERIFY(!std::signbit(splitter.GetPosition()));
    QCOMPARE(QList<QRect>({ placed, splitter.geometry() }), QList<QRect>({ strip, strip }));
    QCOMPARE(view.presses, 0);
}

// The strip follows its parent's resizes, which still reach the parent, and
// keeps its position; one moved to another parent follows neither.
void tst_BVSplitter::followsParent()
{
    View view(50);
    auto* first = new QWidget(&view);
    BVSplitter vertical(Qt::Vertical, &view), horizontal(Qt::Horizontal, &view), moved(Qt::Vertical, first);
    moved.setParent(&view);
    moved.setGeometry(1, 2, 3, 4);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const int resizes = view.resizes;
    first->resize(500, 500);
    view.resize(401, 61); // x.5 truncates
    QCOMPARE(QList<QRect>({ vertical.geometry(), horizontal.geometry(), moved.geometry() }),
        QList<QRect>({ QRect(184, 0, 32, 61), QRect(0, 14, 401, 32), QRect(1, 2, 3, 4) }));
    QCOMPARE(view.resizes, resizes + 1);

    // In an empty parent, right of its origin is the far end, the origin the near one.
    QWidget empty;
    empty.resize(0, 10);
    BVSplitter inEmpty(Qt::Vertical, &empty);
    for (const int x : { 1, 0 }) {
        bvtest::SendMouse(&inEmpty, QEvent::MouseButtonRelease, inEmpty.mapFromParent(QPoint(x, 5)));
        QCOMPARE(inEmpty.GetPosition(), double(x));
    }
}

void tst_BVSplitter::paint_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<QSize>("image"); // the handle image the host provides, none when empty
    QTest::addColumn<QRect>("handle"); // where it shows, in the view

    // In a view 201 high the line lies at 100; the strip's centre row is 101.
    QTest::newRow("vertical") << Qt::Vertical << QSize(5, 11) << QRect(97, 95, 5, 11);
    QTest::newRow("vertical, no image") << Qt::Vertical << QSize() << QRect();
    QTest::newRow("horizontal") << Qt::Horizontal << QSize(5, 11) << QRect();
}

void tst_BVSplitter::paint()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(QSize, image);
    QFETCH(QRect, handle);

    // A white handle, at twice the size for a screen of ratio 2.
    QTemporaryDir theme;
    for (const int scale : { 1, 2 }) {
        QImage file(image * scale, QImage::Format_ARGB32);
        file.fill(Qt::white);
        file.save(theme.filePath(scale == 1 ? QStringLiteral("preview-splitter-handler.png")
                                            : QStringLiteral("preview-splitter-handler@2x.png")));
    }
    QDir::setSearchPaths(QStringLiteral("theme"), { theme.path() });
    View view(201);
    BVSplitter splitter(orientation, &view);
    QImage rendered(view.size(), QImage::Format_RGB32);
    view.render(&rendered);

    // Difference with white inverts; where the line meets the handle's top row the two cancel out.
    for (int y = 0; y < rendered.height(); ++y) {
        for (int x = 0; x < rendered.width(); ++x) {
            const QPoint p(x, y);
            const bool line
                = (orientation == Qt::Vertical ? x : y) == 100 && !handle.adjusted(0, 1, 0, 0).contains(p);
            QCOMPARE(rendered.pixelColor(p), line != handle.contains(p) ? kInverted : kBackground);
        }
    }
}

QTEST_MAIN(tst_BVSplitter)
#include "tst_bvsplitter.moc"
