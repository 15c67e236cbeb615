#include "core/platform/clock.h"

#include <ctime>

namespace tallow {

DateTime SystemClock::Now() const {
    std::time_t seconds = std::time(nullptr);
    std::tm local{};
    localtime_r(&seconds, &local);
    DateTime now;
    now.date = Date::FromDmy(local.tm_mday, local.tm_mon + 1, local.tm_year + 1900);
    now.hour = local.tm_hour;
    now.minute = local.tm_min;
    now.second = local.tm_sec;
    return now;
}

}  // namespace tallow
