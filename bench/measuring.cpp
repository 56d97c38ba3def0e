#include "measuring.h"

#include <QFile>

#include <cmath>
#include <sys/resource.h>

qint64 percentile(std::vector<qint64>& times, double fraction)
{
    if (times.empty())
        return 0;
    std::sort(times.begin(), times.end());
    const auto rank = size_t(std::ceil(fraction * double(times.size())));
    return times[std::clamp<size_t>(rank, 1, times.size()) - 1];
}

double medianMs(std::vector<qint64>& times)
{
    std::sort(times.begin(), times.end());
    const size_t middle = times.size() / 2;
    const qint64 median = times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
    return double(median) / 1e6;
}

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

long peakResidentKb()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

qint64 processorNanoseconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return qint64(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1'000'000'000
        + qint64(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1'000;
}

double childrenCpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

QByteArray loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray("?");
}
