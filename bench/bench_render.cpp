// The wheel's image makers, alone and as the steady state of a drag, against
// the floor of allocating and clearing an image of the same size.
#include "BenchSupport.h"

#include "BVColorWheelRender.h"

#include <QImage>
#include <QSemaphore>
#include <QThreadPool>

#include <utility>

namespace {

const QMargins kMargins(16, 0, 0, 0);
constexpr int kMarker = 22;

std::string Baseline(const benchmark::State& state)
{
    return "ClearImage/px:" + std::to_string(state.range(0)) + "/ratio:" + std::to_string(state.range(1));
}

void ClearImage(benchmark::State& state)
{
    const int side = int(state.range(0) * state.range(1));
    for (auto _ : state) {
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void RenderRingAlone(benchmark::State& state)
{
    const QSize size(int(state.range(0)), int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(RenderRingImage(size, kMarker, int(state.range(1)), kMargins).constBits());
    bvbench::SetBaseline(state, Baseline(state));
}

void RenderTriangleAlone(benchmark::State& state)
{
    const QSize size(int(state.range(0)), int(state.range(0)));
    int hue = 0;
    for (auto _ : state) {
        hue = (hue + 7) % 360;
        benchmark::DoNotOptimize(
            RenderTriangleImage(size, kMarker, hue, int(state.range(1)), kMargins).constBits());
    }
    bvbench::SetBaseline(state, Baseline(state));
}

// Runs `job` on a pool thread and waits for it. Waiting on a QFuture would
// let this thread take the job over when no pool thread has started it yet,
// and the wheel's renders always run in the pool.
template <typename Job> void RunInPool(const Job& job)
{
    QSemaphore done;
    QThreadPool::globalInstance()->start([&job, &done] {
        job();
        done.release();
    });
    done.acquire();
}

// One render after another in a pool thread, as the wheel schedules them
// while the hue is dragged: the pool thread, not this one, does the work,
// painting over the buffers of the previous renders as the wheel does.
void RenderTriangleDrag(benchmark::State& state)
{
    const QSize size(int(state.range(0)), int(state.range(0)));
    const int ratio = int(state.range(1));
    int hue = 0;
    TriangleBuffers buffers;
    QImage shown;
    for (auto _ : state) {
        hue = (hue + 7) % 360;
        RunInPool([&] { RenderTriangleInto(buffers, size, kMarker, hue, ratio, kMargins); });
        benchmark::DoNotOptimize(buffers.image.constBits());
        // The image shown until now becomes the next render's spare.
        std::swap(shown, buffers.image);
    }
    bvbench::SetBaseline(state, Baseline(state));
}

void RenderRingDrag(benchmark::State& state)
{
    const QSize size(int(state.range(0)), int(state.range(0)));
    const int ratio = int(state.range(1));
    for (auto _ : state) {
        QImage image;
        RunInPool([&] { image = RenderRingImage(size, kMarker, ratio, kMargins); });
        benchmark::DoNotOptimize(image.constBits());
    }
    bvbench::SetBaseline(state, Baseline(state));
}

void Sizes(benchmark::internal::Benchmark* bench)
{
    for (int side : { 256, 512, 1024 })
        for (int ratio : { 1, 2 })
            bench->Args({ side, ratio });
    bench->ArgNames({ "px", "ratio" })
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
    bvbench::AddStatistics(bench);
}

} // namespace

BENCHMARK(ClearImage)->Apply(Sizes);
BENCHMARK(RenderRingAlone)->Apply(Sizes);
BENCHMARK(RenderRingDrag)->Apply(Sizes);
BENCHMARK(RenderTriangleAlone)->Apply(Sizes);
BENCHMARK(RenderTriangleDrag)->Apply(Sizes);
