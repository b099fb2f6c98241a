// The pacing of the events during a sweep: due once the interval has passed, late by no more
// than a millisecond or one step, with few clock reads for short steps.
#include "graphics/event_pacer.h"

#include <gtest/gtest.h>

namespace volmira {
namespace {

using namespace std::chrono_literals;

EventPacer::Clock::time_point fakeTime;
int clockReads = 0;

EventPacer::Clock::time_point fakeNow() {
    ++clockReads;
    return fakeTime;
}

// Steps of `step` each until the pacer is due: the time that took, and the clock reads.
std::pair<std::chrono::microseconds, int> untilDue(EventPacer& pacer,
                                                   std::chrono::microseconds step) {
    const auto begin = fakeTime;
    clockReads = 0;
    do fakeTime += step;
    while (!pacer.due());
    return {std::chrono::duration_cast<std::chrono::microseconds>(fakeTime - begin), clockReads};
}

TEST(EventPacer, ShortStepsReadTheClockRarelyAndAreDueAboutOnTime) {
    EventPacer pacer(30ms, fakeNow);
    pacer.start();
    for (int run = 0; run < 3; ++run) {
        const auto [waited, reads] = untilDue(pacer, 1us);
        EXPECT_GE(waited, 30ms);
        EXPECT_LE(waited, 32ms);
        EXPECT_LT(reads, 100);  // of 30000 steps
        pacer.start();
    }
}

// Short steps before (a small network's sweep) leave no long stride behind.
TEST(EventPacer, LongStepsAreDueAtTheFirstStepPastTheInterval) {
    EventPacer pacer(30ms, fakeNow);
    pacer.start();
    (void)untilDue(pacer, 1us);
    pacer.start();
    EXPECT_EQ(untilDue(pacer, 20ms), std::make_pair(std::chrono::microseconds(40ms), 2));
}

}  // namespace
}  // namespace volmira
