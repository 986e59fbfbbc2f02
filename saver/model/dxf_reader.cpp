#include "saver/model/dxf_reader.h"

#include "saver/model/star_points.h"
#include "saver/model/view_io.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr size_t BLOCK_SIZE = 1024;
constexpr size_t TOKEN_SIZE = 4096;

// Bytes of the drawing in order, one block in memory at a time.
class DxfTokens {
  public:
    explicit DxfTokens(ByteSource source) : source_(source) {}

    // The next token: a line's printable characters without its blanks, cut to the token
    // buffer. False when the input ends first.
    bool next(char (&token)[TOKEN_SIZE + 1]) {
        int byte;
        do {
            byte = next_byte();
            if (byte < 0) return false;
        } while (byte < 33);
        size_t length = 0;
        for (; byte >= 32; byte = next_byte()) {
            if (byte != ' ' && length < TOKEN_SIZE) token[length++] = static_cast<char>(byte);
        }
        token[length] = '\0';
        // The input ending inside a token ends the reading as well.
        return byte >= 0;
    }

  private:
    int next_byte() {
        if (position_ >= filled_) {
            if (ended_) return -1;
            filled_ = source_.read(source_.context, block_, BLOCK_SIZE);
            position_ = 0;
            if (filled_ == 0 || filled_ > BLOCK_SIZE) {
                ended_ = true;
                filled_ = 0;
                return -1;
            }
        }
        return block_[position_++];
    }

    ByteSource source_;
    uint8_t block_[BLOCK_SIZE];
    size_t filled_ = 0, position_ = 0;
    bool ended_ = false;
};

bool is(const char* token, const char* keyword) {
    return std::strcmp(token, keyword) == 0;
}

// Exponent form, as CAD programs write coordinates ("6.123233995736766E-17", "1.5e+02"): a
// decimal mantissa, "E" or "e", a whole exponent with an optional sign. False for any other
// text. The exponent is bounded before it is applied, so that any number of its digits
// gives 0 or infinity rather than an overflow.
bool read_exponent_form(const char* token, float* value) {
    const char* at = token;
    const bool negative = *at == '-';
    if (*at == '-' || *at == '+') ++at;
    double mantissa = 0.0;
    int digits = 0, significant = 0, shift = 0;
    bool point = false;
    for (;; ++at) {
        if (*at >= '0' && *at <= '9') {
            ++digits;
            // Digits beyond what a double holds only move the point.
            if (significant < 18) {
                mantissa = mantissa * 10.0 + (*at - '0');
                if (mantissa != 0.0) ++significant;
                if (point) --shift;
            } else if (!point) {
                ++shift;
            }
        } else if (*at == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0 || (*at != 'E' && *at != 'e')) return false;
    ++at;
    const bool negative_exponent = *at == '-';
    if (*at == '-' || *at == '+') ++at;
    if (*at < '0' || *at > '9') return false;
    int exponent = 0;
    for (; *at >= '0' && *at <= '9'; ++at) exponent = std::min(exponent * 10 + (*at - '0'), 9999);
    if (*at != '\0') return false;
    exponent = (negative_exponent ? -exponent : exponent) + shift;
    const double magnitude =
        mantissa == 0.0 ? 0.0 : mantissa * std::pow(10.0, std::clamp(exponent, -999, 999));
    *value = static_cast<float>(negative ? -magnitude : magnitude);
    return true;
}

// A value line: exponent form, else what the View real reader makes of it (plain decimals).
float read_value(const char* token) {
    float value;
    return read_exponent_form(token, &value) ? value : read_view_real(token);
}

// A value line in star units, centred on the cube. The sum wraps as the cube does; huge,
// infinite and undefined products saturate or count as 0 first.
uint16_t coordinate(const char* token, float scale) {
    const int value = truncate_view_real(read_value(token) * scale);
    return static_cast<uint16_t>(static_cast<uint32_t>(value) + 32767u);
}

} // namespace

DxfImport dxf_import_from_sliders(int track20e, int track20k, int track20l) {
    const float e = static_cast<float>(track20e);
    return {e * e + 1.0f, track20k, static_cast<long long>(track20l) * 200 + 1};
}

long long read_dxf(ByteSource source, const DxfImport& import,
                   uint8_t (&stars)[PLANE_COUNT][STAR_COUNT]) {
    DxfTokens tokens(source);
    char token[TOKEN_SIZE + 1];
    char values[3][TOKEN_SIZE + 1];
    long long points = 0;
    long long thinning = 0;
    int star = 0;
    while (tokens.next(token)) {
        if (is(token, "EOF")) break;
        if (!is(token, "0")) continue;
        bool found = false;
        while (!found && tokens.next(token)) {
            if (is(token, "EOF")) return points;
            found = is(token, "10");
        }
        // x, its group code, y, its group code, z: a point cut short by the end is dropped.
        if (!found || !tokens.next(values[0]) || !tokens.next(token) || !tokens.next(values[1]) ||
            !tokens.next(token) || !tokens.next(values[2]))
            break;
        const uint16_t x = coordinate(values[0], import.scale);
        const uint16_t depth = coordinate(values[1], import.scale);
        const uint16_t height = coordinate(values[2], import.scale);
        put_star(stars, star, x, height, depth);
        if (++points < import.skip) continue;
        if (++thinning > import.thinning) thinning = 0;
        if (thinning == 0 && ++star >= STAR_COUNT) break;
    }
    return points;
}
