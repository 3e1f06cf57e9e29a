#pragma once

#include <cstdint>

namespace rutschbild {

struct LocalDateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Two clocks: the local wall time that the start-time text shows, and a monotonic one for
// measuring play time, which must not jump when somebody sets the system clock.
class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime localNow() const = 0;
    virtual std::int64_t monotonicMilliseconds() const = 0;
};

class SystemClock final : public Clock {
public:
    LocalDateTime localNow() const override;
    std::int64_t monotonicMilliseconds() const override;
};

} // namespace rutschbild
