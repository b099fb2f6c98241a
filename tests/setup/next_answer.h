#pragma once
// The scripted users' queues of answers.
#include <deque>

namespace setup::test {

// The next answer, or `fallback` once the script has run out.
template <class T>
T nextAnswer(std::deque<T>& queue, T fallback) {
    if (queue.empty()) return fallback;
    T value = queue.front();
    queue.pop_front();
    return value;
}

}  // namespace setup::test
