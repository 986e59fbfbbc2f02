#include "saver/resources/helptext_template.h"

#include "saver/resources/control_ids.h"

#include <iterator>

namespace {

const ControlTemplate CONTROLS[] = {
    {ID_HELP_POPUP_TEXT, CTL_LABEL, "", 2, 5, 94, 205, 0},
};

} // namespace

const DialogTemplate HELPTEXT_TEMPLATE = {
    "HELPTEXT1", "", 99, 210, CONTROLS, static_cast<int>(std::size(CONTROLS)), false, true};
