#include "platform/real/drawn_boxes.h"
#include "platform/picture.h"

#include <FL/Fl_Group.H>
#include <FL/fl_draw.H>

#include <algorithm>

const Fl_Color ACCENT = fl_rgb_color(96, 148, 236);

namespace {
const Fl_Color FRAME_LINE = fl_rgb_color(78, 86, 108);
}

void GroupFrame::draw() {
    fl_color(FRAME_LINE);
    if (w() <= 3 || h() <= 3) {
        fl_rectf(x(), y(), std::max(w(), 1), std::max(h(), 1));
        return;
    }
    const bool captioned = label() && *label();
    const int top = captioned ? y() + TEXT_SIZE / 2 : y();
    fl_rect(x(), top, w(), h() - (top - y()));
    if (!captioned) return;
    fl_font(labelfont(), labelsize());
    const int text_width = static_cast<int>(fl_width(label())) + 6;
    fl_color(parent()->color());
    fl_rectf(x() + 6, y(), text_width, TEXT_SIZE + 2);
    fl_color(active_r() ? labelcolor() : fl_inactive(labelcolor()));
    fl_draw(label(), x() + 9, y(), text_width, TEXT_SIZE + 2, FL_ALIGN_LEFT, nullptr, 0);
}

void IconBox::draw() {
    if (const Picture* picture = find_picture(name)) {
        // Painted for this box's size; a picture of another size is cut or left short.
        const int w_shown = std::min(w(), picture->width), h_shown = std::min(h(), picture->height);
        if (w_shown > 0 && h_shown > 0 &&
            picture->rgb.size() >= static_cast<size_t>(picture->width) * picture->height * 3)
            fl_draw_image(picture->rgb.data(), x(), y(), w_shown, h_shown, 3, picture->width * 3);
        return;
    }
    const int size = std::min(w(), h()) - 2;
    const int cx = x() + w() / 2, cy = y() + h() / 2;
    fl_color(ACCENT);
    fl_line_style(FL_SOLID, 2);
    if (name == "CLOCK") {
        fl_arc(cx - size / 2, cy - size / 2, size, size, 0, 360);
        fl_line(cx, cy, cx, cy - size / 3);
        fl_line(cx, cy, cx + size / 4, cy);
    } else {
        fl_line(cx - size / 2, cy, cx + size / 2, cy);
        fl_line(cx, cy - size / 2, cx, cy + size / 2);
    }
    fl_line_style(0);
}

void TickSlider::draw() {
    Fl_Slider::draw();
    if (ticks.empty() || maximum() == minimum()) return;
    const bool across = type() == FL_HOR_NICE_SLIDER || type() == FL_HOR_SLIDER;
    const int length = across ? w() : h();
    const int thickness = across ? h() : w();
    // The knob's length as FLTK sizes it: its share of the slider, at least half the thickness.
    int knob = static_cast<int>(slider_size() * length + 0.5);
    knob = std::max(knob, thickness / 2 + 5);
    fl_color(fl_color_average(FL_FOREGROUND_COLOR, FL_BACKGROUND_COLOR, 0.45f));
    for (int value : ticks) {
        const double share = (value - minimum()) / (maximum() - minimum());
        const int along = knob / 2 + static_cast<int>(share * (length - knob) + 0.5);
        if (across)
            fl_yxline(x() + along, y() + h() - 3, y() + h() - 1);
        else
            fl_xyline(x() + w() - 3, y() + along, x() + w() - 1);
    }
}
