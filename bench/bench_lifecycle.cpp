// What closing a panel costs the UI thread: deleting a wheel right after a
// hue change, its renders still running and others queued behind them,
// against deleting the same wheel once it is idle.
#include "BenchSupport.h"

#include <BVColorWheel.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThreadPool>

#include <memory>
#include <vector>

namespace {

void Settle()
{
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
}

// busy 0: an idle wheel. busy 1: other wheels' renders hold every pool
// thread, this wheel's first renders wait in the queue and a hue change is
// pending.
void WheelDelete(benchmark::State& state)
{
    const int side = int(state.range(0));
    const bool busy = state.range(1) != 0;
    for (auto _ : state) {
        // Other wheels first, so their renders hold the pool and this wheel's wait in its queue.
        std::vector<std::unique_ptr<BVColorWheel>> others;
        for (int i = 0; busy && i < QThreadPool::globalInstance()->maxThreadCount(); ++i) {
            others.push_back(std::make_unique<BVColorWheel>());
            others.back()->resize(side, side);
        }
        auto wheel = std::make_unique<BVColorWheel>();
        wheel->resize(side, side);
        if (busy)
            wheel->SetColor(QColor::fromHsl(120, 200, 100));
        else
            Settle();
        QElapsedTimer clock;
        clock.start();
        wheel.reset();
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        others.clear();
        Settle();
    }
    if (busy)
        bvbench::SetBaseline(state, "WheelDelete/px:" + std::to_string(side) + "/busy:0");
}

} // namespace

BENCHMARK(WheelDelete)
    ->ArgsProduct({ { 1024, 3000 }, { 0, 1 } })
    ->ArgNames({ "px", "busy" })
    ->UseManualTime()
    ->Iterations(5)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond)
    ->Apply(bvbench::AddStatistics);
