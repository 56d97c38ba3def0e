#ifndef MEASURING_H
#define MEASURING_H

// Timing, and what the machine was doing meanwhile, for the benchmarks.

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>

#include <algorithm>
#include <vector>

template <typename T> T* child(const QObject* parent, const char* name = nullptr)
{
    T* found = parent->findChild<T*>(name ? QString::fromLatin1(name) : QString());
    if (!found)
        qFatal("No child %s", name ? name : T::staticMetaObject.className());
    return found;
}

template <typename Work> qint64 nanoseconds(Work work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed();
}

/// The value below which \a fraction of \a times lie (the nearest rank); sorts them.
qint64 percentile(std::vector<qint64>& times, double fraction);

/// The median in milliseconds of \a repeats runs after a warm-up; \a run
/// returns the nanoseconds of the part it times.
template <typename Run> double medianMs(int repeats, Run run)
{
    run();
    std::vector<qint64> times;
    for (int i = 0; i < repeats; ++i)
        times.push_back(run());
    std::sort(times.begin(), times.end());
    const size_t middle = times.size() / 2;
    const qint64 median = times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
    return double(median) / 1e6;
}

long residentKb();
long peakResidentKb();
/// The processor time of the child processes that have ended, user and system.
double childrenCpuSeconds();
QByteArray loadAverage();

#endif
