#include "graphics/event_pacer.h"

namespace volmira {

namespace {

constexpr std::chrono::microseconds kReadSpacing{1000};
constexpr int kMaxStride = 4096;

}  // namespace

EventPacer::EventPacer(Clock::duration interval, Now now) : interval_(interval), now_(now) {}

// The stride starts again at one step: the next steps may be of another network.
void EventPacer::start() {
    started_ = lastRead_ = now_();
    stride_ = countdown_ = 1;
}

bool EventPacer::due() {
    if (--countdown_ > 0) return false;
    const Clock::time_point now = now_();
    const Clock::duration sinceRead = now - lastRead_;
    lastRead_ = now;
    if (sinceRead < kReadSpacing / 2 && stride_ < kMaxStride) stride_ *= 2;
    if (sinceRead > kReadSpacing * 2 && stride_ > 1) stride_ /= 2;
    countdown_ = stride_;
    return now - started_ >= interval_;
}

}  // namespace volmira
