// The thread sanitizer still sees what BVHandOver is not told about. One job reads a shared
// input, as the wheel's triangle job reads its buffers, and hands a result back: "carried"
// through BVRunHandedOver runs clean; "early", the input rewritten while the job may read it,
// and "bare", plain QtConcurrent::run whose ordering is Qt's own and invisible, must be reported.
// "canary done" marks a normal end.

#include "BVHandOver.h"

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <cstdio>
#include <memory>
#include <vector>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray("carried");
    auto input = std::make_shared<std::vector<int>>(4096, 1);
    input->front() = 21;
    const auto job = [input] {
        std::vector<int> doubled(input->size());
        for (std::size_t i = 0; i < input->size(); ++i)
            doubled[i] = (*input)[i] * 2;
        return doubled;
    };

    // As the wheel's renders mostly are, the job is taken by a pool thread that has just finished
    // another, ordered only by Qt's own lock: one thread, busy until the job is queued.
    QThreadPool* pool = QThreadPool::globalInstance();
    pool->setMaxThreadCount(1);
    std::atomic<bool> queued { false };
    pool->start([&queued] {
        while (!queued.load(std::memory_order_relaxed))
            QThread::yieldCurrentThread();
    });

    // Waiting on the future could run the job on this thread; the event loop leaves it to the pool.
    int answer = 0;
    QFutureWatcher<std::vector<int>> bare;
    QFutureWatcher<BVHandOver<std::vector<int>>> carried;
    QObject::connect(&bare, &QFutureWatcherBase::finished, &app, [&] {
        answer = bare.result().front();
        app.quit();
    });
    QObject::connect(&carried, &QFutureWatcherBase::finished, &app, [&] {
        answer = carried.result().Value().front();
        app.quit();
    });
    if (mode == "bare")
        bare.setFuture(QtConcurrent::run(pool, job));
    else
        carried.setFuture(BVRunHandedOver(pool, job));
    queued.store(true, std::memory_order_relaxed);
    if (mode == "early")
        input->back() = 2;
    QTimer::singleShot(10000, &app, [&] { app.exit(2); });
    if (app.exec() != 0)
        return 2;
    std::fprintf(stderr, "canary done\n");
    return answer == 42 ? 0 : 1;
}
