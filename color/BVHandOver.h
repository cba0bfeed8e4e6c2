#pragma once

// A value that crosses between the GUI thread and a pool thread through
// QtConcurrent::run: a render's inputs going in, its images coming back.
//
// Qt orders those crossings with its own mutexes and atomics (the pool's
// queue, the future's result store and reference count). When Qt itself is
// not built with ThreadSanitizer those are invisible to it, and every
// crossing reads as a race. Each access to a BVHandOver tells the sanitizer
// about the ordering Qt already provides: whoever touches the value first
// acquires what the previous holder released, and releases when done. Outside
// sanitizer builds it is the bare value.

#include <QFuture>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <type_traits>
#include <utility>

#if defined(__SANITIZE_THREAD__)
#define BV_HAND_OVER_TSAN 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define BV_HAND_OVER_TSAN 1
#endif
#endif

#ifdef BV_HAND_OVER_TSAN
#include <sanitizer/tsan_interface.h>
extern "C" void AnnotateIgnoreWritesBegin(const char* file, int line);
extern "C" void AnnotateIgnoreWritesEnd(const char* file, int line);
#endif

namespace BVHandOverDetail {

inline void Acquire(const void* address)
{
#ifdef BV_HAND_OVER_TSAN
    __tsan_acquire(const_cast<void*>(address));
#else
    Q_UNUSED(address)
#endif
}

inline void Release(const void* address)
{
#ifdef BV_HAND_OVER_TSAN
    __tsan_release(const_cast<void*>(address));
#else
    Q_UNUSED(address)
#endif
}

// While it lives, none of this thread's memory accesses are recorded (the
// sanitizer ignores reads and writes alike).
class IgnoreAccesses {
public:
    IgnoreAccesses()
    {
#ifdef BV_HAND_OVER_TSAN
        AnnotateIgnoreWritesBegin(__FILE__, __LINE__);
#endif
    }
    ~IgnoreAccesses()
    {
#ifdef BV_HAND_OVER_TSAN
        AnnotateIgnoreWritesEnd(__FILE__, __LINE__);
#endif
    }
    Q_DISABLE_COPY(IgnoreAccesses)
};

} // namespace BVHandOverDetail

template <typename T> class BVHandOver {
public:
    // Qt default-constructs a task's result slot on the launching thread.
    BVHandOver() { BVHandOverDetail::Release(this); }
    explicit BVHandOver(T value)
        : m_value(std::move(value))
    {
        BVHandOverDetail::Release(this);
    }
    BVHandOver(const BVHandOver& other)
        : m_value(Read(other))
    {
        Close(other);
    }
    BVHandOver(BVHandOver&& other) noexcept(std::is_nothrow_move_constructible_v<T>)
        : m_value(std::move(Take(other)))
    {
        Close(other);
    }
    BVHandOver& operator=(const BVHandOver& other)
    {
        if (this != &other) {
            BVHandOverDetail::Acquire(this);
            m_value = Read(other);
            Close(other);
        }
        return *this;
    }
    BVHandOver& operator=(BVHandOver&& other) noexcept(std::is_nothrow_move_assignable_v<T>)
    {
        if (this != &other) {
            BVHandOverDetail::Acquire(this);
            m_value = std::move(Take(other));
            Close(other);
        }
        return *this;
    }
    ~BVHandOver() { BVHandOverDetail::Acquire(this); }

    // For the thread that holds the value now; it stays with that thread
    // until the value is copied or moved on.
    T& Value()
    {
        BVHandOverDetail::Acquire(this);
        return m_value;
    }

private:
    static const T& Read(const BVHandOver& other)
    {
        BVHandOverDetail::Acquire(&other);
        return other.m_value;
    }
    static T& Take(BVHandOver& other)
    {
        BVHandOverDetail::Acquire(&other);
        return other.m_value;
    }
    void Close(const BVHandOver& other)
    {
        // The source may be destroyed next by the other thread.
        BVHandOverDetail::Release(&other);
        BVHandOverDetail::Release(this);
    }

    T m_value {};
};

/// The value a job hands back: what it returns, by value.
template <typename Job> using BVHandOverResult = BVHandOver<std::decay_t<std::invoke_result_t<Job&>>>;

/// Runs `job` (a callable without arguments) in `pool` with QtConcurrent::run.
/// The job is copied now; it and its result cross threads as BVHandOver values.
template <typename Job> QFuture<BVHandOverResult<Job>> BVRunHandedOver(QThreadPool* pool, Job job)
{
    auto task = [held = BVHandOver<Job>(std::move(job))]() mutable {
        return BVHandOverResult<Job>(held.Value()());
    };
    // The pool thread reads Qt's task object (its vtable pointer first) before
    // the job inside can announce anything; Qt orders that read with the
    // pool's lock. So the task is built unseen: Qt's business, not ours.
    const BVHandOverDetail::IgnoreAccesses qtTask;
    return QtConcurrent::run(pool, std::move(task));
}
