#pragma once
// Round tick values and their labels for an axis from lo to hi: a step of 2, 5 or 10 times a
// power of ten, labels with just enough digits to tell neighbours apart, and fewer ticks when
// the labels would not fit the axis.
#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace volmira {

inline constexpr int kMaxTicks = 61;
inline constexpr int kMaxTickLabel = 15;  // characters

struct Tick {
    double value = 0;
    std::string label;
};

// Ticks in rising order.
struct TickTable {
    std::array<Tick, kMaxTicks> ticks{};
    int count = 0;

    const Tick* begin() const { return ticks.data(); }
    const Tick* end() const { return ticks.data() + count; }
};

struct TickRequest {
    double lo = 0;
    double hi = 0;
    int intervals = 10;    // n; at most kMaxTicks - 1 are used
    double length = 0;     // pixels available along the axis
    double spacing = 2.0;  // room per label as a multiple of its width
    bool widthCheck = false;
};

// Pixel width of a label on the target canvas.
using TextWidth = std::function<int(std::string_view)>;

// An empty, inverted, infinite or NaN range gives no ticks.
TickTable NiceTicks(const TickRequest& request, const TextWidth& width = {});

// The nice step for a raw step: first digit 1 gives 2, 2..4 give 5, 5..9 give 10, times the
// raw step's power of ten (0.0137 gives 0.02). 0 when the raw step is not above 0.
double niceStep(double rawStep);

}  // namespace volmira
