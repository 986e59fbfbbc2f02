#include "saver/resources/global_template.h"

#include "platform/message_box.h"
#include "saver/resources/control_ids.h"

#include <iterator>

namespace {

constexpr int NO_ID = -1;

const ControlTemplate CONTROLS[] = {
    {NO_ID, CTL_GROUPBOX, "Speed", 7, 5, 210, 80, 0},
    {ID_GLOBAL_DELAY_EDIT, CTL_EDIT, "", 14, 18, 28, 13, CS_RIGHT},
    {ID_GLOBAL_DELAY, CTL_UPDOWN, "", 42, 18, 10, 13, 0},
    {NO_ID, CTL_LABEL, "Frames per second target.  [ Zero for maximum speed.]", 58, 17, 154, 16, 0},
    {NO_ID, CTL_LABEL,
     "This control is used to regulate the frame rate.  It targets a 'frames per second' value "
     "for the annimation speed.  For smoothest operation, this value should be tuned to the "
     "Vertical Refresh Rate of your display adapter using integer multiples.",
     14, 38, 198, 66, 0},

    {NO_ID, CTL_GROUPBOX, "Resolution", 7, 92, 210, 90, 0},
    {ID_GLOBAL_AUXRESOLUTION_EDIT, CTL_EDIT, "", 14, 105, 28, 13, CS_RIGHT},
    {ID_GLOBAL_AUXRESOLUTION, CTL_UPDOWN, "", 42, 105, 10, 13, 0},
    {NO_ID, CTL_LABEL, "Maximum BACKDROP SHAPE resolution ( 120=default )", 58, 104, 154, 16, 0},
    {ID_GLOBAL_BACKRESOLUTION_EDIT, CTL_EDIT, "", 14, 127, 28, 13, CS_RIGHT},
    {ID_GLOBAL_BACKRESOLUTION, CTL_UPDOWN, "", 42, 127, 10, 13, 0},
    {NO_ID, CTL_LABEL, "BACKDROP SIZE  (0 = normal    1 = reduced for low graphics RAM)", 58, 126,
     154, 16, 0},
    {NO_ID, CTL_LABEL,
     "These two controls are only updated after the module is reloaded.  The BACKGROUND shape "
     "resolution will affect the rendering speed.",
     14, 150, 198, 28, 0},

    {NO_ID, CTL_GROUPBOX, "LCD Display ", 224, 5, 212, 50, 0},
    {ID_GLOBAL_BACKRESOLUTION2_EDIT, CTL_EDIT, "", 231, 18, 28, 13, CS_RIGHT},
    {ID_GLOBAL_BACKRESOLUTION2, CTL_UPDOWN, "", 259, 18, 10, 13, 0},
    {NO_ID, CTL_LABEL, "BACKDROP brightness ( 100=default )", 275, 20, 156, 8, 0},
    {ID_GLOBAL_BACKRESOLUTION2X_EDIT, CTL_EDIT, "", 231, 36, 28, 13, CS_RIGHT},
    {ID_GLOBAL_BACKRESOLUTION2X, CTL_UPDOWN, "", 259, 36, 10, 13, 0},
    {NO_ID, CTL_LABEL, "Pixel ( 0=default )", 275, 38, 156, 8, 0},

    {NO_ID, CTL_GROUPBOX, "Screen Size", 224, 60, 212, 28, 0},
    {ID_GLOBAL_MULTIENABLE, CTL_CHECKBOX, "Cover Multiple Monitors", 231, 72, 150, 10, 0},

    {NO_ID, CTL_GROUPBOX, "Module Sequencing", 224, 93, 212, 42, 0},
    {ID_GLOBAL_INCLUDE_ALL, CTL_CHECKBOX, "Check (set) all modules for sequencing", 231, 105, 200,
     10, 0},
    {ID_GLOBAL_EXCLUDE_ALL, CTL_CHECKBOX, "Un-check (clear) all modules for sequencing", 231, 119,
     200, 10, 0},

    {NO_ID, CTL_GROUPBOX, "Sound", 224, 140, 212, 28, 0},
    {ID_GLOBAL_SOUNDENABLE, CTL_CHECKBOX, "Rumble", 231, 152, 100, 10, 0},

    {IDOK, CTL_DEFBUTTON, "OK", 326, 232, 52, 16, 0},
    {IDCANCEL, CTL_BUTTON, "Cancel", 384, 232, 52, 16, 0},
};

} // namespace

const DialogTemplate GLOBAL_TEMPLATE = {
    "GLOBAL", "Global Settings", 443, 255, CONTROLS, static_cast<int>(std::size(CONTROLS)), true};
