// Widget-level figures: a hue drag through the real wheel and panel, the
// wheel's paint, PickColor, the panel's saved state and render coalescing.
#include "BenchSupport.h"

#include "BVColorWheelRender.h"
#include "BVColorWheelSeam.h"
#include "BVQtCompat.h"

#include <BVColorWheel.h>
#include <BVColorWidget.h>

#include <QAbstractSlider>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPainter>
#include <QThreadPool>
#include <QTimer>
#include <QtMath>

#include <memory>

namespace {

const QMargins kPanelMargins(16, 0, 0, 0);

// The point in the middle of the ring at a hue, in the wheel's coordinates.
QPoint RingPoint(const QWidget* wheel, const QMargins& margins, int hue)
{
    const QRect square = WheelRect(wheel->size(), 1, margins);
    const double radius = square.width() / 2.0 - 11.0;
    const double angle = qDegreesToRadians(double(hue));
    return QPointF(
        square.center().x() + radius * std::cos(angle), square.center().y() + radius * std::sin(angle))
        .toPoint();
}

void SendMouse(QWidget* target, QEvent::Type type, const QPoint& pos)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, pos, target->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void Settle()
{
    for (int i = 0; i < 3; ++i) {
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
    }
}

// A shown panel with a hue drag in progress, shared by the move benchmarks.
struct DragPanel {
    DragPanel()
    {
        panel.show();
        wheel = panel.findChild<BVColorWheel*>(QStringLiteral("m_pColorWheel"));
        space = panel.findChild<QComboBox*>(QStringLiteral("m_pColorSpace"));
        panel.SetForeground(QColor::fromHsl(0, 200, 120));
        Settle();
        SendMouse(wheel, QEvent::MouseButtonPress, RingPoint(wheel, kPanelMargins, 5));
        Settle();
    }
    BVColorWidget panel;
    BVColorWheel* wheel = nullptr;
    QComboBox* space = nullptr;
    int hue = 5;
};

DragPanel& Panel()
{
    // Deleted by a post routine, which QApplication's destructor runs while
    // widgets can still go; a static panel would die after the application.
    static DragPanel* panel = [] {
        qAddPostRoutine([] { delete panel; });
        return new DragPanel;
    }();
    return *panel;
}

// One mouse move of a hue drag, everything synchronous included: wheel,
// panel, control, editor grooves and, in Web, the hex entry. Renders that
// complete between moves are handled outside the timed region.
void PanelHueMove(benchmark::State& state)
{
    DragPanel& drag = Panel();
    drag.space->setCurrentIndex(int(state.range(0)));
    Settle();
    for (auto _ : state) {
        drag.hue = drag.hue % 350 + 3;
        SendMouse(drag.wheel, QEvent::MouseMove, RingPoint(drag.wheel, kPanelMargins, drag.hue));
    }
    bvbench::SetBaseline(state, "QColorDialogSetColor");
}

void PanelSetForeground(benchmark::State& state)
{
    DragPanel& drag = Panel();
    drag.space->setCurrentIndex(0);
    Settle();
    static int hue = 0; // each repetition is one call: keep the colors changing
    for (auto _ : state) {
        hue = (hue + 3) % 360;
        drag.panel.SetForeground(QColor::fromHsl(hue, 180, 120));
    }
    bvbench::SetBaseline(state, "QColorDialogSetColor");
}

void QColorDialogSetColor(benchmark::State& state)
{
    static QColorDialog* dialog = [] {
        auto* d = new QColorDialog;
        d->setOptions(QColorDialog::NoButtons);
        d->show();
        return d;
    }();
    QCoreApplication::processEvents();
    static int hue = 0;
    for (auto _ : state) {
        hue = (hue + 3) % 360;
        dialog->setCurrentColor(QColor::fromHsl(hue, 180, 120));
    }
}

void Moves(benchmark::internal::Benchmark* bench)
{
    // One move per repetition, so median and p95 are those of single moves.
    bench->Iterations(1)->Repetitions(400)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
    bvbench::AddStatistics(bench);
}

// Triangle images that reach the wheel while the hue is dragged at 120 Hz.
// With wait 0 the GUI thread polls for events without pause and keeps one
// core busy; with wait 1 it sleeps until the next move or event, as a real
// event loop does, leaving that core to the pool.
void WheelDragImagesPerSecond(benchmark::State& state)
{
    const int side = int(state.range(0));
    const bool wait = state.range(1) != 0;
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    BVColorWheel wheel;
    wheel.resize(side, side);
    wheel.show();
    Settle();
    int hue = 0;
    SendMouse(&wheel, QEvent::MouseButtonPress, RingPoint(&wheel, QMargins(), 1));
    Settle();
    double images = 0;
    double seconds = 0;
    double moves = 0;
    for (auto _ : state) {
        qint64 last = BVColorWheelTest::Inspect(wheel).triangle.cacheKey();
        QElapsedTimer clock;
        clock.start();
        const qint64 tick = 8333333; // 120 Hz in nanoseconds
        qint64 next = 0;
        while (clock.nsecsElapsed() < 2000000000LL) {
            if (clock.nsecsElapsed() >= next) {
                hue = (hue + 2) % 360;
                SendMouse(&wheel, QEvent::MouseMove, RingPoint(&wheel, QMargins(), hue));
                next += tick;
                ++moves;
            }
            if (wait) {
                wake.start(int(qMax(qint64(0), next - clock.nsecsElapsed() + 999999) / 1000000));
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            } else {
                QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            }
            const qint64 key = BVColorWheelTest::Inspect(wheel).triangle.cacheKey();
            if (key != last) {
                ++images;
                last = key;
            }
        }
        seconds += clock.nsecsElapsed() / 1e9;
    }
    SendMouse(&wheel, QEvent::MouseButtonRelease, RingPoint(&wheel, QMargins(), hue));
    Settle();
    state.counters["images_per_s"] = images / seconds;
    state.counters["moves_per_s"] = moves / seconds;
    state.counters["ratio"] = BVQtCompat::IntegerDevicePixelRatio(wheel);
}

// The GUI thread's share of one triangle image: taking the finished render
// in (OnTriangleRendered), timed alone while the pool is idle.
void TriangleDelivery(benchmark::State& state)
{
    const int side = int(state.range(0));
    BVColorWheel wheel;
    wheel.resize(side, side);
    wheel.show();
    Settle();
    int hue = 0;
    for (auto _ : state) {
        hue = (hue + 7) % 360;
        wheel.SetColor(QColor::fromHsl(hue, 200, 120));
        QThreadPool::globalInstance()->waitForDone();
        QElapsedTimer clock;
        clock.start();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::FutureCallOut);
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        QCoreApplication::processEvents();
    }
    state.counters["ratio"] = BVQtCompat::IntegerDevicePixelRatio(wheel);
}

void WheelPaint(benchmark::State& state)
{
    const int side = int(state.range(0));
    BVColorWheel wheel;
    wheel.resize(side, side);
    wheel.show();
    Settle();
    const int ratio = BVQtCompat::IntegerDevicePixelRatio(wheel);
    QImage target(side * ratio, side * ratio, QImage::Format_ARGB32_Premultiplied);
    target.setDevicePixelRatio(ratio);
    for (auto _ : state)
        wheel.render(&target, QPoint(), QRegion(), QWidget::RenderFlags());
    bvbench::SetBaseline(state, "DrawTwoImages/" + std::to_string(side));
}

// The floor for the wheel's paint: a widget whose paintEvent draws the same
// two images (the wheel's ring and triangle), rendered through the same path.
class TwoImages : public QWidget {
public:
    QPixmap first;
    QPixmap second;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawPixmap(QPointF(0, 0), first);
        painter.drawPixmap(QPointF(0, 0), second);
    }
};

void DrawTwoImages(benchmark::State& state)
{
    const int side = int(state.range(0));
    BVColorWheel wheel;
    wheel.resize(side, side);
    wheel.show();
    Settle();
    TwoImages widget;
    widget.resize(side, side);
    widget.show();
    widget.first = BVColorWheelTest::Inspect(wheel).ring;
    widget.second = BVColorWheelTest::Inspect(wheel).triangle;
    const int ratio = BVQtCompat::IntegerDevicePixelRatio(wheel);
    QImage target(side * ratio, side * ratio, QImage::Format_ARGB32_Premultiplied);
    target.setDevicePixelRatio(ratio);
    for (auto _ : state)
        widget.render(&target, QPoint(), QRegion(), QWidget::RenderFlags());
}

void PickColorThroughput(benchmark::State& state)
{
    BVColorWheel wheel;
    wheel.resize(512, 512);
    wheel.show();
    Settle();
    const QVector<QPointF> vertices = BVColorWheelTest::Inspect(wheel).vertices;
    int i = 0;
    for (auto _ : state) {
        i = (i + 37) % (512 * 512);
        benchmark::DoNotOptimize(PickColor(vertices, QPoint(i % 512, i / 512)));
    }
    state.SetItemsProcessed(state.iterations());
}

void PanelSave(benchmark::State& state)
{
    BVColorWidget panel;
    for (auto _ : state)
        benchmark::DoNotOptimize(panel.Save().constData());
    state.SetItemsProcessed(state.iterations());
}

void PanelRestore(benchmark::State& state)
{
    BVColorWidget panel;
    panel.SetForeground(QColor(18, 52, 86));
    const QByteArray saved = panel.Save();
    for (auto _ : state)
        benchmark::DoNotOptimize(panel.Restore(saved));
    state.SetItemsProcessed(state.iterations());
}

// A burst of 100 resizes: how many renders actually ran.
void ResizeBurst(benchmark::State& state)
{
    BVColorWheel wheel;
    wheel.resize(400, 400);
    wheel.show();
    Settle();
    double rings = 0;
    double triangles = 0;
    for (auto _ : state) {
        const BVColorWheelTest::State before = BVColorWheelTest::Inspect(wheel);
        for (int i = 0; i < 100; ++i)
            wheel.resize(400 + i, 400 + i);
        Settle();
        const BVColorWheelTest::State after = BVColorWheelTest::Inspect(wheel);
        rings += after.ringRenders - before.ringRenders;
        triangles += after.triangleRenders - before.triangleRenders;
    }
    state.counters["ring_renders"] = rings / double(state.iterations());
    state.counters["triangle_renders"] = triangles / double(state.iterations());
}

// A lightness drag on the editor's slider, events handled between steps as
// in a real drag: how many triangle renders the wheel starts per 100 steps.
void EditorLightnessDrag(benchmark::State& state)
{
    BVColorWidget panel;
    panel.show();
    panel.findChild<QComboBox*>(QStringLiteral("m_pColorSpace"))->setCurrentIndex(1);
    panel.SetForeground(QColor::fromHsl(200, 180, 60));
    Settle();
    auto* slider = panel.findChild<QAbstractSlider*>(QStringLiteral("m_pLightnessSlider"));
    const auto* wheel = panel.findChild<BVColorWheel*>(QStringLiteral("m_pColorWheel"));
    double triangles = 0;
    for (auto _ : state) {
        const int before = BVColorWheelTest::Inspect(*wheel).triangleRenders;
        for (int step = 0; step < 100; ++step) {
            slider->setValue(60 + (step < 50 ? step : 100 - step) * 2);
            QCoreApplication::processEvents();
        }
        Settle();
        triangles += BVColorWheelTest::Inspect(*wheel).triangleRenders - before;
    }
    state.counters["triangle_renders"] = triangles / double(state.iterations());
}

void Fast(benchmark::internal::Benchmark* bench)
{
    bench->Repetitions(5)->ReportAggregatesOnly(true);
    bvbench::AddStatistics(bench);
}

} // namespace

BENCHMARK(QColorDialogSetColor)->Apply(Moves);
BENCHMARK(PanelHueMove)->Arg(0)->Arg(2)->ArgName("space")->Apply(Moves);
BENCHMARK(PanelSetForeground)->Apply(Moves);
BENCHMARK(WheelDragImagesPerSecond)
    ->Args({ 1024, 0 })
    ->Args({ 1024, 1 })
    ->Args({ 354, 0 })
    ->Args({ 354, 1 })
    ->ArgNames({ "px", "wait" })
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(TriangleDelivery)
    ->Arg(1024)
    ->ArgName("px")
    ->Iterations(20)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Apply(Fast);
BENCHMARK(DrawTwoImages)->Arg(1024)->Unit(benchmark::kMicrosecond)->Apply(Fast);
BENCHMARK(WheelPaint)->Arg(1024)->Unit(benchmark::kMicrosecond)->Apply(Fast);
BENCHMARK(PickColorThroughput)->Unit(benchmark::kNanosecond)->Apply(Fast);
BENCHMARK(PanelSave)->Unit(benchmark::kMicrosecond)->Apply(Fast);
BENCHMARK(PanelRestore)->Unit(benchmark::kMicrosecond)->Apply(Fast);
BENCHMARK(ResizeBurst)->Iterations(3)->Unit(benchmark::kMillisecond)->Apply(Fast);
BENCHMARK(EditorLightnessDrag)->Iterations(3)->Unit(benchmark::kMillisecond)->Apply(Fast);
