#include "saver/resources/about_template.h"

#include "platform/message_box.h"
#include "saver/resources/control_ids.h"

#include <iterator>

namespace {

constexpr int NO_ID = -1;
constexpr unsigned FIXED = CS_FIXED_PITCH;
constexpr int KEYS_TOP = 88;
constexpr int LINE = 8;

const ControlTemplate CONTROLS[] = {
    {ID_ABOUT_ICON, CTL_ICON, "", 8, 8, 24, 24, 0},
    {NO_ID, CTL_GROUPBOX, "Flight", 40, 4, 255, 32, 0},
    {NO_ID, CTL_LABEL,
     "Right click to activate or deactivate the mouse.\nMouse controls view direction. Hold left "
     "mouse button to steer.",
     46, 14, 245, 18, 0},
    {NO_ID, CTL_GROUPBOX, "Control Window", 40, 40, 255, 34, 0},
    {NO_ID, CTL_LABEL,
     "RIGHT CLICK over the individual controls on the main control window for a description of "
     "what each control does.",
     46, 50, 245, 20, 0},
    {NO_ID, CTL_GROUPBOX, "Starfield Window", 6, 78, 289, 108, 0},
    {NO_ID, CTL_LABEL, "F1 to F7 -View buttons 1 to 7", 14, KEYS_TOP, 270, LINE, FIXED},
    {NO_ID, CTL_LABEL, "0 to 9   -Thrust ", 14, KEYS_TOP + LINE, 270, LINE, FIXED},
    {NO_ID, CTL_LABEL, "P        -Start Playback", 14, KEYS_TOP + 2 * LINE, 270, LINE, FIXED},
    {NO_ID, CTL_LABEL, "R        -Start Recording", 14, KEYS_TOP + 3 * LINE, 270, LINE, FIXED},
    {NO_ID, CTL_LABEL, "S        -Stop Playback or Recording", 14, KEYS_TOP + 4 * LINE, 270, LINE,
     FIXED},
    {NO_ID, CTL_LABEL, "K        -End with Loop and Follow", 14, KEYS_TOP + 5 * LINE, 270, LINE,
     FIXED},
    {NO_ID, CTL_LABEL, "L        -End Recording with Loop", 14, KEYS_TOP + 6 * LINE, 270, LINE,
     FIXED},
    {NO_ID, CTL_LABEL, "E        -End Recording", 14, KEYS_TOP + 7 * LINE, 270, LINE, FIXED},
    {NO_ID, CTL_LABEL, "I        -Insert Recording during playback", 14, KEYS_TOP + 8 * LINE, 270,
     LINE, FIXED},
    {NO_ID, CTL_LABEL, "U        -Insert Loop", 14, KEYS_TOP + 9 * LINE, 270, LINE, FIXED},
    {NO_ID, CTL_LABEL, "O        -Insert End", 14, KEYS_TOP + 10 * LINE, 270, LINE, FIXED},
    {NO_ID, CTL_LABEL, "D        -Start recording and set to view #7", 14, KEYS_TOP + 11 * LINE,
     270, LINE, FIXED},
    {NO_ID, CTL_LABEL, "While recording, only mouse movement and the View Buttons are recorded.", 6,
     192, 289, 10, 0},
    {ID_ABOUT_READ_ME, CTL_BUTTON, "Read me", 181, 222, 54, 16, 0},
    {IDOK, CTL_DEFBUTTON, "Close", 241, 222, 54, 16, 0},
};

} // namespace

const DialogTemplate ABOUT_TEMPLATE = {"ABOUT",  "SOLVANTRIX  SCREENSAVER   V 9.1   ",  301, 244,
                                       CONTROLS, static_cast<int>(std::size(CONTROLS)), true};
