#include "tests/shell/control_window_fixture.h"

#include "platform/common/control_model.h"
#include "saver/resources/control_ids.h"
#include "saver/resources/icons.h"
#include "saver/ui/save_dialog.h"

#include <cstring>

namespace {

// A short row would be read past its end when drawn; an unknown key draws nothing.
TEST(Icons, EveryRowIsFullAndUsesThePalette) {
    for (const IconImage* icon :
         {&ICON_NARROW_COLUMNS, &ICON_WIDE_COLUMNS, &ICON_SETUP, &ICON_HELP, &ICON_ABOUT}) {
        ASSERT_GT(icon->height, 0);
        for (int row = 0; row < icon->height; ++row) {
            const char* text = icon->rows[row];
            ASSERT_EQ(std::strlen(text), static_cast<size_t>(icon->width)) << "row " << row;
            for (int column = 0; column < icon->width; ++column) {
                bool known = text[column] == ' ';
                for (int i = 0; i < icon->colour_count; ++i)
                    known = known || icon->colours[i].key == text[column];
                EXPECT_TRUE(known) << "row " << row << " column " << column;
            }
        }
    }
}

using IconButtons = ControlWindowTest;

TEST_F(IconButtons, HelpSetupAndTheSaveListButtonsShowTheirPictures) {
    open();
    EXPECT_EQ(headless_control(dialog, ID_HELP)->icon, &ICON_HELP);
    EXPECT_EQ(headless_control(dialog, ID_SETUP)->icon, &ICON_SETUP);
    save_dialog = nullptr;
    open_save_dialog(owner);
    ASSERT_NE(save_dialog, nullptr);
    EXPECT_EQ(headless_control(save_dialog, ID_SAVE_NARROW)->icon, &ICON_NARROW_COLUMNS);
    EXPECT_EQ(headless_control(save_dialog, ID_SAVE_WIDE)->icon, &ICON_WIDE_COLUMNS);
    save_dialog = nullptr;
}

} // namespace
