// Linked into every executable of a ThreadSanitizer build (RYX_TSAN), and
// only there: Qt's own locking made visible to the sanitizer.
//
// Qt's headers tell the sanitizer when a QMutex is locked and unlocked,
// since those functions are inline and so compiled into our instrumented
// code. What Debian's uninstrumented libQt6Core does inside its exported
// functions it cannot see. The definitions below take the place of those
// functions in the executable, tell the sanitizer what Qt does, and call
// Qt's own:
// - QWaitCondition::wait unlocks the mutex, sleeps and locks it again; unseen,
//   the waiting thread would still hold the mutex and the waker's lock
//   would be reported as a double lock.
// - QThread::wait returns at once for a thread that has already ended,
//   having looked at a flag under Qt's lock; unseen, what the thread did
//   before it ended is reported as racing with what follows the wait. The
//   thread's finished signal, emitted by the thread itself, marks the end.
// - QCoreApplication::postEvent appends to the receiving thread's event
//   list under Qt's lock; unseen, a list grown by one thread and then by
//   another is reported as a race between the two allocations.
// Data handed over inside an event is annotated where the program posts and
// receives it (src/core/HappensBefore.h).
#include <QtCore/QCoreApplication>
#include <QtCore/QDeadlineTimer>
#include <QtCore/QMutex>
#include <QtCore/QThread>
#include <QtCore/QVariant>
#include <QtCore/QWaitCondition>

#include <sanitizer/tsan_interface.h>

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

namespace {

template<typename Function>
Function qtFunction(const char *mangledName)
{
    void *symbol = dlsym(RTLD_NEXT, mangledName);
    if (!symbol) {
        std::fprintf(stderr, "ThreadSanitizer build: %s not found in Qt\n", mangledName);
        std::abort();
    }
    return reinterpret_cast<Function>(symbol);
}

// Runs Qt's wait with the mutex shown as released while it sleeps.
template<typename Wait>
bool annotatedWait(Wait wait, QWaitCondition *condition, QMutex *mutex)
{
    __tsan_mutex_pre_unlock(mutex, 0);
    __tsan_mutex_post_unlock(mutex, 0);
    const bool woken = wait(condition);
    __tsan_mutex_pre_lock(mutex, 0);
    __tsan_mutex_post_lock(mutex, 0, 0);
    return woken;
}

} // namespace

bool QWaitCondition::wait(QMutex *mutex, QDeadlineTimer deadline)
{
    using Real = bool (*)(QWaitCondition *, QMutex *, QDeadlineTimer);
    static const Real real = qtFunction<Real>("_ZN14QWaitCondition4waitEP6QMutex14QDeadlineTimer");
    return annotatedWait([&](QWaitCondition *self) { return real(self, mutex, deadline); }, this, mutex);
}

bool QWaitCondition::wait(QMutex *mutex, unsigned long time)
{
    using Real = bool (*)(QWaitCondition *, QMutex *, unsigned long);
    static const Real real = qtFunction<Real>("_ZN14QWaitCondition4waitEP6QMutexm");
    return annotatedWait([&](QWaitCondition *self) { return real(self, mutex, time); }, this, mutex);
}

void QCoreApplication::postEvent(QObject *receiver, QEvent *event, int priority)
{
    using Real = void (*)(QObject *, QEvent *, int);
    static const Real real = qtFunction<Real>("_ZN16QCoreApplication9postEventEP7QObjectP6QEventi");
    // Stands for the event lists' lock: one post happens before the next.
    static char postedEventLists;
    __tsan_acquire(&postedEventLists);
    real(receiver, event, priority);
    __tsan_release(&postedEventLists);
}

void QThread::start(Priority priority)
{
    using Real = void (*)(QThread *, Priority);
    static const Real real = qtFunction<Real>("_ZN7QThread5startENS_8PriorityE");
    static const char hooked[] = "ryxTsanFinishHook";
    if (!property(hooked).toBool()) {
        setProperty(hooked, true);
        connect(this, &QThread::finished, this, [this] { __tsan_release(this); }, Qt::DirectConnection);
    }
    real(this, priority);
}

bool QThread::wait(QDeadlineTimer deadline)
{
    using Real = bool (*)(QThread *, QDeadlineTimer);
    static const Real real = qtFunction<Real>("_ZN7QThread4waitE14QDeadlineTimer");
    const bool ended = real(this, deadline);
    if (ended)
        __tsan_acquire(this);
    return ended;
}
