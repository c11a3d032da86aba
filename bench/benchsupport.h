#pragma once

// Small helpers the benchmarks share.
#include "platform/database.h"

#include <QFile>
#include <QSqlDriver>

#include <sqlite3.h>

#include <algorithm>
#include <vector>

namespace bench {

// Resident memory from /proc/self/status ("VmRSS:", "VmHWM:" for the peak),
// in KiB.
inline qint64 statusKib(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// The peak starts again from the memory resident now.
inline void resetPeak()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

// The SQLite connection under the program's own (its collation included).
inline sqlite3 *handleOf(platform::Database &db)
{
    const QVariant handle = db.connection().driver()->handle();
    return handle.isValid() ? *static_cast<sqlite3 *const *>(handle.constData()) : nullptr;
}

// Minimum, median and maximum of repeated timings.
struct Spread {
    double min = 0;
    double median = 0;
    double max = 0;
};

inline Spread spreadOf(std::vector<double> times)
{
    if (times.empty())
        return {};
    std::sort(times.begin(), times.end());
    return {times.front(), times.at(times.size() / 2), times.back()};
}

} // namespace bench
