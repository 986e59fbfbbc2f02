#include "platform/message_box.h"
#include "platform/real/frames_go_on.h"

#include <FL/fl_ask.H>

int message_box(Hwnd, const char* text, const char* caption, unsigned type) {
    // The text always goes through "%s": a percent sign in it is text, not a format.
    const char* shown = text ? text : "";
    FramesGoOn frames;
    fl_message_title(caption ? caption : "");
    switch (type & 0xF) {
    case MB_OKCANCEL:
        return fl_choice("%s", "Cancel", "OK", nullptr, shown) == 1 ? IDOK : IDCANCEL;
    case MB_YESNO:
        return fl_choice("%s", "No", "Yes", nullptr, shown) == 1 ? IDYES : IDNO;
    default:
        if ((type & 0xF0) == MB_ICONERROR || (type & 0xF0) == MB_ICONWARNING)
            fl_alert("%s", shown);
        else
            fl_message("%s", shown);
        return IDOK;
    }
}
