#pragma once
// When a long loop on the window's thread lets the window run its events: once an interval has
// passed. The clock is read only every few steps, as many as about a millisecond holds, so
// that steps of a microsecond do not each pay for a clock read, and steps of seconds are not
// kept waiting for one.
#include <chrono>

namespace volmira {

class EventPacer {
  public:
    using Clock = std::chrono::steady_clock;
    using Now = Clock::time_point (*)();
    explicit EventPacer(Clock::duration interval, Now now = Clock::now);

    // The interval runs from here (a loop starts, or its events have just run).
    void start();
    // Once per step: whether the interval has passed since start().
    bool due();

  private:
    Clock::duration interval_;
    Now now_;
    Clock::time_point started_{};
    Clock::time_point lastRead_{};
    int stride_ = 1;
    int countdown_ = 1;
};

}  // namespace volmira
