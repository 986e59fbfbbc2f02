#include "setup/resources/setup_templates.h"

#include "setup/resources/setup_ids.h"

namespace {

constexpr int NO_ID = -1;

// 232 x 170 dialog units: the banner, the title, the message, the directory line (two rows,
// for the long paths of home directories) with its Browse button, the prompt, the progress
// bar, and the two buttons at the bottom right.
const ControlTemplate CONTROLS[] = {
    {NO_ID, CTL_ICON, BANNER_BITMAP, 0, 0, BANNER_WIDTH_UNITS, BANNER_HEIGHT_UNITS, 0},
    {ID_TITLE, CTL_LABEL, "Setup", 10, 38, 212, 12, 0},
    // The longest message (the end of an install) runs over the place of the directory
    // line, which is hidden by then.
    {ID_MESSAGE, CTL_LABEL, "", 10, 52, 212, 73, 0},
    {ID_DIRECTORY, CTL_LABEL, "", 10, 100, 166, 22, CS_SUNKEN},
    {ID_BROWSE, CTL_BUTTON, "Browse", 180, 100, 42, 14, 0},
    {ID_PROMPT, CTL_LABEL, "To proceed, select Continue.", 10, 127, 212, 12, 0},
    {ID_PROGRESS, CTL_PROGRESS, "", 10, 141, 212, 7, 0},
    {ID_CANCEL, CTL_BUTTON, "Cancel", 118, 152, 50, 14, 0},
    {ID_CONTINUE, CTL_DEFBUTTON, "Continue", 172, 152, 50, 14, 0},
};

constexpr int CONTROL_COUNT = sizeof CONTROLS / sizeof CONTROLS[0];

} // namespace

const DialogTemplate SETUP_TEMPLATE_103 = {
    "103", "Solvantrix Setup", 232, 170, CONTROLS, CONTROL_COUNT, true, false, 14};
const DialogTemplate SETUP_TEMPLATE_104 = {
    "104", "Solvantrix Setup", 232, 170, CONTROLS, CONTROL_COUNT, true, false, 12};

const DialogTemplate& setup_template_for_dpi(int dots_per_inch) {
    return dots_per_inch > 107 ? SETUP_TEMPLATE_104 : SETUP_TEMPLATE_103;
}
