#include "saver/resources/source_template.h"

#include "platform/message_box.h"
#include "saver/resources/control_ids.h"

#include <iterator>

namespace {

constexpr int NO_ID = -1;
constexpr int MODE_TOP = 63;

const ControlTemplate CONTROLS[] = {
    {NO_ID, CTL_LABEL, "Now selected >", 6, 3, 52, 8, 0},
    {ID_SOURCE_FILE_NAME, CTL_LABEL, "", 60, 3, 166, 8, 0},
    {NO_ID, CTL_LABEL,
     "Targa image files must be uncompressed 24 or 8 bit color.  If the image is too large for "
     "your system, the backdrop image will not be shown.",
     6, 12, 222, 24, 0},
    {ID_SOURCE_RESHAPE_EDIT, CTL_EDIT, "", 6, 38, 26, 13, CS_RIGHT},
    {ID_SOURCE_RESHAPE, CTL_UPDOWN, "", 32, 38, 10, 13, 0},
    {NO_ID, CTL_LABEL, "   Backdrop Resolution \n    ( 60=Default )", 44, 36, 110, 16, 0},

    {NO_ID, CTL_GROUPBOX, "Image Mode", 3, 53, 278, 20, 0},
    {NO_ID, CTL_LABEL, "1", 6, MODE_TOP, 5, 8, 0},
    {SOURCE_MODE_BUTTONS[0].id, CTL_RADIO, "Backdrop", 12, MODE_TOP, 41, 9, CS_GROUP_START},
    {NO_ID, CTL_LABEL, "2", 59, MODE_TOP, 5, 8, 0},
    {SOURCE_MODE_BUTTONS[1].id, CTL_RADIO, "Planet Small", 65, MODE_TOP, 48, 9, 0},
    {NO_ID, CTL_LABEL, "3", 119, MODE_TOP, 5, 8, 0},
    {SOURCE_MODE_BUTTONS[2].id, CTL_RADIO, "Planet Large", 125, MODE_TOP, 48, 9, 0},
    {NO_ID, CTL_LABEL, "4", 179, MODE_TOP, 5, 8, 0},
    {SOURCE_MODE_BUTTONS[3].id, CTL_RADIO, "Fly Large", 185, MODE_TOP, 40, 9, 0},
    {NO_ID, CTL_LABEL, "5", 231, MODE_TOP, 5, 8, 0},
    {SOURCE_MODE_BUTTONS[4].id, CTL_RADIO, "Fly Small", 237, MODE_TOP, 42, 9, 0},

    {ID_SOURCE_BROWSE, CTL_BUTTON, "Browse", 232, 3, 46, 14, 0},
    {IDCANCEL, CTL_DEFBUTTON, "Cancel", 232, 19, 46, 14, 0},
    {IDOK, CTL_BUTTON, "OK", 232, 35, 46, 14, 0},
};

} // namespace

const DialogTemplate SOURCE_TEMPLATE = {"SOURCE", "Select a Targa image file.",          283, 74,
                                        CONTROLS, static_cast<int>(std::size(CONTROLS)), true};
