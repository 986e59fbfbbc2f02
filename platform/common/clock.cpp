#include "platform/clock.h"

#include <ctime>

uint64_t query_performance_frequency() {
    return 1000000000ull;
}

uint64_t query_performance_counter() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<uint64_t>(now.tv_sec) * 1000000000ull + static_cast<uint64_t>(now.tv_nsec);
}

void sleep_ms(unsigned milliseconds) {
    timespec wait{static_cast<time_t>(milliseconds / 1000),
                  static_cast<long>(milliseconds % 1000) * 1000000L};
    while (nanosleep(&wait, &wait) != 0) {
    }
}

uint64_t system_time_as_file_time() {
    // Seconds between 1601-01-01 and 1970-01-01.
    constexpr uint64_t epoch_offset = 11644473600ull;
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return (static_cast<uint64_t>(now.tv_sec) + epoch_offset) * 10000000ull +
           static_cast<uint64_t>(now.tv_nsec) / 100;
}
