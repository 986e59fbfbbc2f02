#include "platform/real/drawn_boxes.h"
#include "platform/picture.h"

#include <FL/Fl.H>
#include <FL/Fl_Group.H>
#include <FL/fl_draw.H>

#include <algorithm>

const Fl_Color ACCENT = fl_rgb_color(96, 148, 236);

namespace {
const Fl_Color FRAME_LINE = fl_rgb_color(78, 86, 108);
}

TextSize dialog_text_size(const char* text) {
    fl_font(FL_HELVETICA, TEXT_SIZE);
    return {static_cast<int>(fl_width(text) + 0.5), fl_height()};
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

void draw_icon(const IconImage& icon, int x, int y, int w, int h) {
    if (icon.width <= 0 || icon.height <= 0) return;
    const int scale = std::max(1, std::min(w / icon.width, h / icon.height));
    const int left = x + (w - icon.width * scale) / 2;
    const int top = y + (h - icon.height * scale) / 2;
    for (int row = 0; row < icon.height; ++row)
        for (int column = 0; column < icon.width; ++column) {
            const char key = icon.rows[row][column];
            if (key == ' ') continue;
            for (int i = 0; i < icon.colour_count; ++i)
                if (icon.colours[i].key == key) {
                    const IconColour& c = icon.colours[i];
                    fl_color(fl_rgb_color(c.red, c.green, c.blue));
                    fl_rectf(left + column * scale, top + row * scale, scale, scale);
                    break;
                }
        }
}

void PictureButton::draw() {
    Fl_Button::draw();
    if (!icon) return;
    const int inset = 3 + (value() ? 1 : 0); // a pressed button shows its picture sunk in
    draw_icon(*icon, x() + inset, y() + inset, w() - 6, h() - 6);
}

int RightAlignedInput::text_offset() {
    fl_font(textfont(), textsize());
    const int room = w() - Fl::box_dw(box()) - 6;
    return std::max(0, room - static_cast<int>(fl_width(value())));
}

void RightAlignedInput::draw() {
    const Fl_Boxtype b = box();
    draw_box(b, color()); // the text moves as it grows, so the whole field is drawn afresh
    const int offset = text_offset();
    drawtext(x() + Fl::box_dx(b) + offset, y() + Fl::box_dy(b), w() - Fl::box_dw(b) - offset,
             h() - Fl::box_dh(b));
}

int RightAlignedInput::handle(int event) {
    if (event != FL_PUSH && event != FL_DRAG && event != FL_RELEASE) {
        const int used = Fl_Input::handle(event);
        if (event == FL_KEYBOARD || event == FL_PASTE) redraw();
        return used;
    }
    // The pointer is read against the text where it is drawn.
    const int offset = text_offset();
    Fl::e_x -= offset;
    const int used = Fl_Input::handle(event);
    Fl::e_x += offset;
    return used;
}

void IconBox::draw() {
    if (icon) {
        draw_icon(*icon, x(), y(), w(), h());
        return;
    }
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

int TickSlider::handle(int event) {
    if (event != FL_KEYBOARD) return Fl_Slider::handle(event);
    double to;
    switch (Fl::event_key()) {
    case FL_Page_Up:
        to = value() - 1;
        break;
    case FL_Page_Down:
        to = value() + 1;
        break;
    case FL_Home:
        to = minimum();
        break;
    case FL_End:
        to = maximum();
        break;
    default:
        return Fl_Slider::handle(event);
    }
    const double low = std::min(minimum(), maximum()), high = std::max(minimum(), maximum());
    to = std::max(low, std::min(high, to));
    if (to != value()) {
        value(to);
        do_callback();
    }
    return 1;
}
