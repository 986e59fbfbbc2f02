#include "platform/wayland/output_list.h"

#include "platform/common/window_table.h"

#include <cstdint>

namespace {

int64_t pixels(const OutputSize& output) {
    return static_cast<int64_t>(output.pixel_width()) * output.pixel_height();
}

} // namespace

uint32_t choose_lead_output(const std::vector<OutputSize>& outputs, uint32_t current_lead) {
    const OutputSize* best = nullptr;
    for (const OutputSize& output : outputs) {
        if (!output.configured()) continue;
        if (!best || pixels(output) > pixels(*best) ||
            (pixels(output) == pixels(*best) && output.id == current_lead))
            best = &output;
    }
    return best ? best->id : 0;
}

uint32_t follow_lead_output(Window* window, const std::vector<OutputSize>& outputs,
                            uint32_t current_lead) {
    const uint32_t lead = choose_lead_output(outputs, current_lead);
    int width = 0, height = 0;
    for (const OutputSize& output : outputs) {
        if (output.id != lead) continue;
        width = output.pixel_width();
        height = output.pixel_height();
    }
    if (window && (width != rect_width(window->rect) || height != rect_height(window->rect)))
        window_table_move(window, 0, 0, width, height);
    return lead;
}

CoverRegion cover_region(int source_width, int source_height, int target_width, int target_height) {
    CoverRegion region{0.0f, 0.0f, 1.0f, 1.0f};
    if (source_width <= 0 || source_height <= 0 || target_width <= 0 || target_height <= 0)
        return region;
    // Compare the aspect ratios exactly: w_t / h_t against w_s / h_s.
    const int64_t target_shape = static_cast<int64_t>(target_width) * source_height;
    const int64_t source_shape = static_cast<int64_t>(source_width) * target_height;
    if (target_shape < source_shape) {
        // The target is narrower: the sides of the frame are left out.
        const float kept = static_cast<float>(target_shape) / static_cast<float>(source_shape);
        region.left = (1.0f - kept) / 2.0f;
        region.right = 1.0f - region.left;
    } else if (target_shape > source_shape) {
        const float kept = static_cast<float>(source_shape) / static_cast<float>(target_shape);
        region.bottom = (1.0f - kept) / 2.0f;
        region.top = 1.0f - region.bottom;
    }
    return region;
}
