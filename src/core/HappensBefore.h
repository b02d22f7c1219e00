// Hand-over points between threads that ThreadSanitizer cannot see.
//
// Debian's Qt is not built with ThreadSanitizer: the locks inside
// QCoreApplication::postEvent and QSemaphore are plain atomics to it, so
// data handed to another thread through a posted event, or back through a
// semaphore, looks unsynchronised and is reported as a race. The posting
// side calls release() on the event (or semaphore) and the receiving side
// acquire() on the same address once it holds it, which tells the sanitizer
// what Qt's queue already guarantees. In any other build both are empty.
//
// The few reports that lie wholly inside Qt's own code are suppressed in
// scripts/tsan.supp, which says why for each.
#pragma once

#if defined(__SANITIZE_THREAD__)
#define RYX_HAPPENS_BEFORE_ACTIVE 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define RYX_HAPPENS_BEFORE_ACTIVE 1
#endif
#endif

#ifdef RYX_HAPPENS_BEFORE_ACTIVE
extern "C" void __tsan_acquire(void *addr);
extern "C" void __tsan_release(void *addr);
#endif

class HappensBefore
{
public:
    /// Everything this thread did so far happens before the acquire() of
    /// \a handle by another thread.
    static void release(const void *handle)
    {
#ifdef RYX_HAPPENS_BEFORE_ACTIVE
        __tsan_release(const_cast<void *>(handle));
#else
        (void)handle;
#endif
    }

    /// Pairs with the release() of \a handle by the thread that handed it over.
    static void acquire(const void *handle)
    {
#ifdef RYX_HAPPENS_BEFORE_ACTIVE
        __tsan_acquire(const_cast<void *>(handle));
#else
        (void)handle;
#endif
    }
};
