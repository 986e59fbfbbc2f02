#include "saver/model/view_io.h"

#include <cstring>

float read_view_real(const char* text) {
    // Reals are read through a 10-character buffer, so only the first 9 characters count;
    // holding to that also keeps the place value within an int.
    const int length = static_cast<int>(strnlen(text, VIEW_REAL_TEXT_LENGTH));
    float value = 0.0f;
    int place = 1;
    int divisor = 1;
    for (int i = length - 1; i >= 0; --i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            value += static_cast<float>((c - '0') * place);
            place *= 10;
        } else if (c == '.') {
            divisor = place;
        } else if (c == '-') {
            return value / static_cast<float>(-divisor);
        } else {
            return 0.0f;
        }
    }
    return value / static_cast<float>(divisor);
}
