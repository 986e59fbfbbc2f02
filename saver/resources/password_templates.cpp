#include "saver/resources/password_templates.h"

#include "saver/resources/control_ids.h"

namespace {

template <int N> constexpr int count_of(const ControlTemplate (&)[N]) {
    return N;
}

const ControlTemplate check_controls[] = {
    {-1, CTL_LABEL, "A password has already been selected.  Please enter it to continue...", 8, 8,
     180, 18, 0},
    {ID_CHECK_PASSWORD, CTL_EDIT, "", 8, 30, 180, 13, CS_PASSWORD},
    {ID_CHECK_OK, CTL_DEFBUTTON, "OK", 92, 50, 46, 14, 0},
    {ID_CHECK_CANCEL, CTL_BUTTON, "Cancel", 142, 50, 46, 14, 0},
};

const ControlTemplate set_controls[] = {
    {-1, CTL_LABEL, "Enter your new password in both locations.", 8, 8, 180, 10, 0},
    {ID_SET_UPPER, CTL_EDIT, "", 8, 22, 180, 13, CS_PASSWORD},
    {ID_SET_LOWER, CTL_EDIT, "", 8, 40, 180, 13, CS_PASSWORD},
    {ID_SET_OK, CTL_DEFBUTTON, "OK", 92, 60, 46, 14, 0},
    {ID_SET_CANCEL, CTL_BUTTON, "Cancel", 142, 60, 46, 14, 0},
};

const ControlTemplate unlock_controls[] = {
    {-1, CTL_LABEL, "Password:", 6, 6, 38, 10, 0},
    {ID_UNLOCK_PASSWORD, CTL_EDIT, "", 46, 4, 110, 13, CS_PASSWORD},
    {ID_UNLOCK_ENTER, CTL_BUTTON, "ENTER", 160, 4, 40, 13, 0},
};

} // namespace

const DialogTemplate PASSWORDCHECK_TEMPLATE = {"PASSWORDCHECK", "***  Alert  ***",        196, 72,
                                               check_controls,  count_of(check_controls), true};
const DialogTemplate PASSWORDSET_TEMPLATE = {"PASSWORDSET", "NEW PASSWORD",         196, 82,
                                             set_controls,  count_of(set_controls), true};
const DialogTemplate PASSWORD_TEMPLATE = {"PASSWORD",      "Solvantrix Screen Saver", 206,  21,
                                          unlock_controls, count_of(unlock_controls), false};
