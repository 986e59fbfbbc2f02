#include "tools/media_maker/rumble.h"

#include "tools/media_maker/noise.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double TAU = 6.283185307179586;

// One period of a sine over the loop length: component k at frame n reads entry (k n) mod N,
// which is exactly periodic and needs no sine call per sample.
std::vector<double> sine_period() {
    std::vector<double> table(RUMBLE_FRAMES);
    for (int n = 0; n < RUMBLE_FRAMES; ++n)
        table[static_cast<size_t>(n)] = std::sin(TAU * n / RUMBLE_FRAMES);
    return table;
}

struct Partial {
    int cycles; // over the whole loop
    int phase;  // in table entries
    double amplitude;
};

// Noise shaped in the spectrum: many partials with random phases between low and high hertz,
// falling off steeply above the corner like a low-passed roar.
std::vector<Partial> noise_band(double low, double high, double corner, double level,
                                Random& random) {
    constexpr double seconds = static_cast<double>(RUMBLE_FRAMES) / RUMBLE_RATE;
    std::vector<Partial> partials;
    for (auto k = static_cast<int>(low * seconds); k <= static_cast<int>(high * seconds); ++k) {
        double hertz = k / seconds;
        double shape = 1 / std::sqrt(hertz) / (1 + std::pow(hertz / corner, 4.0));
        double jitter = 0.5 + random.uniform();
        partials.push_back(
            {k, static_cast<int>(random.uniform() * RUMBLE_FRAMES), level * shape * jitter});
    }
    return partials;
}

double sample(const std::vector<Partial>& partials, const std::vector<double>& sine, int n) {
    double sum = 0;
    for (const Partial& partial : partials) {
        auto index = (static_cast<long long>(partial.cycles) * n + partial.phase) % RUMBLE_FRAMES;
        sum += partial.amplitude * sine[static_cast<size_t>(index)];
    }
    return sum;
}

} // namespace

std::vector<int16_t> make_rumble() {
    const std::vector<double> sine = sine_period();
    Random random(0x52554D42);
    std::vector<Partial> deep[2], growl[2];
    for (int channel = 0; channel < RUMBLE_CHANNELS; ++channel) {
        deep[channel] = noise_band(22, 110, 55, 1.0, random);
        growl[channel] = noise_band(80, 260, 140, 0.35, random);
    }
    std::vector<double> mixed(static_cast<size_t>(RUMBLE_FRAMES) * RUMBLE_CHANNELS);
    double peak = 0;
    for (int n = 0; n < RUMBLE_FRAMES; ++n) {
        // Slow swells: two and three rises per loop, the growl out of step with the roar.
        double t = static_cast<double>(n) / RUMBLE_FRAMES;
        double swell =
            0.62 + 0.25 * std::sin(TAU * 2 * t + 0.4) + 0.13 * std::sin(TAU * 3 * t + 2.1);
        double growl_swell = 0.5 + 0.5 * std::sin(TAU * 1 * t + 3.5);
        for (int channel = 0; channel < RUMBLE_CHANNELS; ++channel) {
            double value = swell * sample(deep[channel], sine, n) +
                           growl_swell * swell * sample(growl[channel], sine, n);
            mixed[static_cast<size_t>(n) * RUMBLE_CHANNELS + channel] = value;
            peak = std::max(peak, std::fabs(value));
        }
    }
    // Headroom below full scale: loud enough to be felt, never clipped.
    const double gain = 0.7 * 32767 / peak;
    std::vector<int16_t> samples(mixed.size());
    for (size_t i = 0; i < mixed.size(); ++i)
        samples[i] = static_cast<int16_t>(std::lround(mixed[i] * gain));
    return samples;
}
