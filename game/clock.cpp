#include "clock.h"

#include <chrono>
#include <ctime>

namespace rutschbild {

LocalDateTime SystemClock::localNow() const
{
    // GCC 12's library has no std::chrono time zones, so the C library converts.
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
#ifdef _WIN32
    localtime_s(&parts, &now); // the other way round from localtime_r
#else
    localtime_r(&now, &parts);
#endif
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
            parts.tm_hour,        parts.tm_min,     parts.tm_sec};
}

std::int64_t SystemClock::monotonicMilliseconds() const
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace rutschbild
