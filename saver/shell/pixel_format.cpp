#include "saver/shell/pixel_format.h"

#include "platform/gl_context.h"
#include "platform/message_box.h"

int set_pixel_format(Hwnd hwnd) {
    if (!gl_choose_pixel_format(hwnd)) {
        message_box(nullptr, "ChoosePixelFormat failed", "Error", MB_OK);
        return 0;
    }
    return 1;
}
