#include "SystemClock.h"

namespace cindrel {

QDate SystemClock::today()
{
    return QDate::currentDate();
}

QDateTime SystemClock::now()
{
    return QDateTime::currentDateTime();
}

} // namespace cindrel
