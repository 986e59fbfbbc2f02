#include "saver/engine/random.h"

#include "saver/engine/engine_state.h"

void seed_random(uint32_t seed) {
    random_state = seed;
}

int next_random() {
    random_state = random_state * 214013u + 2531011u;
    return static_cast<int>((random_state >> 16) & 0x7FFF);
}
