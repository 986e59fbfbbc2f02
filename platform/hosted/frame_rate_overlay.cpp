#include "platform/hosted/frame_rate_overlay.h"

#include <GL/gl.h>
#include <cstdio>

namespace {

constexpr uint64_t NS_PER_SECOND = 1000000000;

struct Glyph {
    char character;
    const char* rows[7]; // top row first; '#' is lit
};

const Glyph GLYPHS[] = {
    {'0', {" ### ", "#   #", "#  ##", "# # #", "##  #", "#   #", " ### "}},
    {'1', {"  #  ", " ##  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "}},
    {'2', {" ### ", "#   #", "    #", "   # ", "  #  ", " #   ", "#####"}},
    {'3', {"#####", "   # ", "  #  ", "   # ", "    #", "#   #", " ### "}},
    {'4', {"   # ", "  ## ", " # # ", "#  # ", "#####", "   # ", "   # "}},
    {'5', {"#####", "#    ", "#### ", "    #", "    #", "#   #", " ### "}},
    {'6', {"  ## ", " #   ", "#    ", "#### ", "#   #", "#   #", " ### "}},
    {'7', {"#####", "    #", "   # ", "  #  ", " #   ", " #   ", " #   "}},
    {'8', {" ### ", "#   #", "#   #", " ### ", "#   #", "#   #", " ### "}},
    {'9', {" ### ", "#   #", "#   #", " ####", "    #", "   # ", " ##  "}},
    {'.', {"     ", "     ", "     ", "     ", "     ", " ##  ", " ##  "}},
    {':', {"     ", " ##  ", " ##  ", "     ", " ##  ", " ##  ", "     "}},
    {'F', {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#    "}},
    {'P', {"#### ", "#   #", "#   #", "#### ", "#    ", "#    ", "#    "}},
    {'S', {" ####", "#    ", "#    ", " ### ", "    #", "    #", "#### "}},
};

const Glyph* glyph_of(char character) {
    for (const Glyph& glyph : GLYPHS)
        if (glyph.character == character) return &glyph;
    return nullptr; // a space
}

// Lit cells as squares of `cell` pixels, from (x, y) at the text's bottom-left.
void draw_text_cells(const std::string& text, int x, int y, int cell) {
    glBegin(GL_QUADS);
    for (size_t i = 0; i < text.size(); ++i) {
        const Glyph* glyph = glyph_of(text[i]);
        if (!glyph) continue;
        const int left = x + static_cast<int>(i) * 6 * cell;
        for (int row = 0; row < 7; ++row) {
            const int bottom = y + (6 - row) * cell;
            for (int column = 0; column < 5; ++column) {
                if (glyph->rows[row][column] != '#') continue;
                const int cell_left = left + column * cell;
                glVertex2i(cell_left, bottom);
                glVertex2i(cell_left + cell, bottom);
                glVertex2i(cell_left + cell, bottom + cell);
                glVertex2i(cell_left, bottom + cell);
            }
        }
    }
    glEnd();
}

} // namespace

const std::string& FrameRateCounter::frame(uint64_t now_ns) {
    // Frames are counted as the intervals between them, so the first one only starts the clock.
    if (second_start_ == 0) {
        second_start_ = now_ns;
        return text_;
    }
    ++frames_;
    const uint64_t elapsed = now_ns - second_start_;
    if (elapsed >= NS_PER_SECOND) {
        char text[32];
        std::snprintf(text, sizeof text, "FPS: %.1f",
                      static_cast<double>(frames_) * NS_PER_SECOND / static_cast<double>(elapsed));
        text_ = text;
        second_start_ = now_ns;
        frames_ = 0;
    }
    return text_;
}

void draw_frame_rate(const std::string& text) {
    if (text.empty()) return;
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    // Readable on a small preview and on a large monitor alike.
    const int cell = viewport[2] >= 1200 ? 3 : viewport[2] >= 480 ? 2 : 1;
    const int margin = 4 * cell;

    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_TEXTURE_1D);
    glDisable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_FOG);
    glDisable(GL_LIGHTING);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, viewport[2], 0, viewport[3], -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    // A dark shadow keeps the digits readable over bright stars.
    glColor3f(0.0f, 0.0f, 0.0f);
    draw_text_cells(text, margin + cell, margin - cell, cell);
    glColor3f(1.0f, 1.0f, 1.0f);
    draw_text_cells(text, margin, margin, cell);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
}
