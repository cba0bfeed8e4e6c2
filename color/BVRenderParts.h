#pragma once

// How one render's parts (its pictures) are shared out over the
// global pool, so that a render uses the cores an idle pool leaves.
// Internal: for the wheel's image makers.

#include "BVHandOver.h"
#include "BVQtCompat.h"

#include <QFuture>
#include <QThreadPool>

#include <atomic>
#include <memory>
#include <vector>

namespace BVRenderParts {

// How many threads may paint one image's parts at once: the global pool's.
inline int Threads()
{
    const QThreadPool* pool = QThreadPool::globalInstance();
    if (!pool || !BVQtCompat::MayShareParts(*pool))
        return 1;
    return qMax(1, pool->maxThreadCount());
}

// Calls paint(i) once for every part i below `count` and returns when all
// are painted. This thread takes parts one after another, and so do helpers
// started in the global pool; a helper that gets no thread before the parts
// run out finds none left, is not waited for, and never touches `paint`. So
// a job waits on nothing the pool may never run, even with the pool full.
template <typename Paint> void Share(int count, const Paint& paint)
{
    const int helpers = count > 1 ? qMin(count, Threads()) - 1 : 0;
    if (helpers <= 0) {
        for (int i = 0; i < count; ++i)
            paint(i);
        return;
    }
    // Outlives this call: a helper that starts late still reads it.
    struct Shared {
        explicit Shared(int helpers)
            : entered(new std::atomic<bool>[size_t(helpers)])
        {
            for (int i = 0; i < helpers; ++i)
                entered[i].store(false);
        }
        std::atomic<int> next { 0 };
        std::unique_ptr<std::atomic<bool>[]> entered;
    };
    const auto shared = std::make_shared<Shared>(helpers);
    const auto takeParts = [&shared = *shared, count, &paint] {
        for (int i = shared.next.fetch_add(1); i < count; i = shared.next.fetch_add(1))
            paint(i);
    };
    std::vector<QFuture<BVHandOver<bool>>> futures;
    futures.reserve(size_t(helpers));
    for (int h = 0; h < helpers; ++h) {
        futures.push_back(BVRunHandedOver(QThreadPool::globalInstance(), [shared, h, takeParts] {
            // Announced before taking a part: a helper that takes one is waited for.
            shared->entered[h].store(true);
            takeParts();
            return true;
        }));
    }
    takeParts();
    // Every part is taken; a helper not yet in will take none.
    for (int h = 0; h < helpers; ++h) {
        if (shared->entered[h].load())
            futures[size_t(h)].result().Value();
    }
}

} // namespace BVRenderParts
