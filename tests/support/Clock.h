#pragma once

#include <chrono>

namespace testing_support {

// Seconds on a monotonic clock, for measuring waits.
inline double secondsNow() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace testing_support
