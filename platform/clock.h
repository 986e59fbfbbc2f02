// Performance counter, sleeping and the wall clock.
#pragma once

#include <cstdint>

uint64_t query_performance_frequency(); // ticks per second
uint64_t query_performance_counter();
void sleep_ms(unsigned milliseconds);
// The wall clock in 100-ns units since 1601-01-01, as a file time.
uint64_t system_time_as_file_time();
