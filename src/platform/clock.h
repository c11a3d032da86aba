#pragma once

#include <QDate>
#include <QDateTime>

namespace platform {

// "Today" and "now" of the program; tests fix them.
class Clock
{
public:
    static QDate today();
    static QDateTime now();
    static void setFixed(const QDateTime &now);
    static void reset();
};

} // namespace platform
