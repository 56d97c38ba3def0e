#ifndef MEASURING_H
#define MEASURING_H

// Timing, and what the machine was doing meanwhile, for the benchmarks.

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>

#include <algorithm>
#include <utility>
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

/// The median of \a times, in nanoseconds, in milliseconds; sorts them.
double medianMs(std::vector<qint64>& times);

/// The median in milliseconds of \a repeats runs after a warm-up; \a run
/// returns the nanoseconds of the part it times.
template <typename Run> double medianMs(int repeats, Run run)
{
    run();
    std::vector<qint64> times;
    for (int i = 0; i < repeats; ++i)
        times.push_back(run());
    return medianMs(times);
}

/// The processor time of this process so far, user and system.
qint64 processorNanoseconds();

/// The medians in milliseconds of \a repeats runs of \a work after a
/// warm-up: of the time each took, and of this process's processor time
/// meanwhile.
template <typename Work> std::pair<double, double> medianMsAndProcessor(int repeats, Work work)
{
    work();
    std::vector<qint64> times;
    std::vector<qint64> processorTimes;
    for (int i = 0; i < repeats; ++i) {
        const qint64 processorBefore = processorNanoseconds();
        times.push_back(nanoseconds(work));
        processorTimes.push_back(processorNanoseconds() - processorBefore);
    }
    return { medianMs(times), medianMs(processorTimes) };
}

/// The medians in milliseconds of \a repeats runs of \a program and of
/// \a floor taken in turns, so that both meet the machine in the same state
/// (a password check's time swings with the machine's memory traffic).
template <typename Program, typename Floor>
std::pair<double, double> medianMsInTurns(int repeats, Program program, Floor floor)
{
    program();
    floor();
    std::vector<qint64> programTimes;
    std::vector<qint64> floorTimes;
    for (int i = 0; i < repeats; ++i) {
        programTimes.push_back(program());
        floorTimes.push_back(floor());
    }
    return { medianMs(programTimes), medianMs(floorTimes) };
}

long residentKb();
long peakResidentKb();
/// The processor time of the child processes that have ended, user and system.
double childrenCpuSeconds();
QByteArray loadAverage();

#endif
