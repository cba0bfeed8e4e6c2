// Proves that the thread sanitizer still sees what BVHandOver is not told
// about. "carried": a job reads its captured input and hands its result back
// through the future, as the wheel's renders do; must run clean. "side": the
// job also writes a variable that the GUI thread reads while the job may
// still be running; must be reported as a race. (Read after the future has
// reported, the same variable would be ordered by the hand-over, rightly.)

#include "BVHandOver.h"

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QTimer>

#include <cstring>
#include <vector>

namespace {
int g_sideChannel = 0;
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const bool side = argc > 1 && std::strcmp(argv[1], "side") == 0;
    std::vector<int> input(4096, 1);
    input[0] = 21;

    QFutureWatcher<BVHandOver<std::vector<int>>> watcher;
    int answer = 0;
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &app, [&] {
        answer = watcher.result().Value()[0];
        app.quit();
    });
    watcher.setFuture(BVRunHandedOver(QThreadPool::globalInstance(), [input, side] {
        std::vector<int> doubled(input.size());
        for (std::size_t i = 0; i < input.size(); ++i)
            doubled[i] = input[i] * 2;
        if (side)
            g_sideChannel = doubled[0];
        return doubled;
    }));
    // The job works on its own copy: writing the input now is safe.
    input.assign(input.size(), 0);
    const int early = side ? g_sideChannel : 0;
    QTimer::singleShot(10000, &app, [&] { app.exit(2); });
    if (app.exec() != 0)
        return 2;
    return answer == 42 && (early == 0 || early == 42) ? 0 : 1;
}
