#include "saver/resources/savertype_template.h"

#include "saver/resources/control_ids.h"

namespace {

const ControlTemplate controls[] = {
    {ID_SAVE_LIST, CTL_LISTBOX, "", 6, 6, 228, 92, CS_MULTICOLUMN},
    {ID_SAVE_NARROW, CTL_BUTTON, "Narrow", 238, 6, 36, 13, 0},
    {ID_SAVE_WIDE, CTL_BUTTON, "Wide", 238, 22, 36, 13, 0},
    {-1, CTL_LABEL, "File name:", 6, 104, 40, 10, 0},
    {ID_SAVE_NAME, CTL_EDIT, "", 48, 102, 186, 13, 0},
    {ID_SAVE_NO_STARS, CTL_CHECKBOX, "No Stars", 238, 103, 44, 11, 0},
    {ID_SAVE_STATUS, CTL_LABEL, "", 6, 120, 228, 10, 0},
    {ID_SAVE, CTL_DEFBUTTON, "Save", 150, 134, 40, 14, 0},
    {ID_SAVE_LARGE, CTL_BUTTON, "Save Large", 150, 134, 40, 14, CS_HIDDEN},
    {ID_SAVE_SMALL, CTL_BUTTON, "Save Small ", 150, 134, 40, 14, CS_HIDDEN},
    {ID_SAVE_CANCEL, CTL_BUTTON, "Cancel", 194, 134, 40, 14, 0},
};

} // namespace

const DialogTemplate SAVERTYPE_TEMPLATE = {
    "SAVERTYPE", "Save Solvantrix Module",
    286,         154,
    controls,    static_cast<int>(sizeof controls / sizeof controls[0]),
    false};
