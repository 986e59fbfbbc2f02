#include "tests/shell/control_window_fixture.h"

#include "platform/message_box.h"
#include "platform/profile.h"
#include "saver/engine/commands.h"
#include "saver/model/module_library.h"
#include "saver/resources/control_ids.h"
#include "saver/ui/save_dialog.h"

#include <algorithm>
#include <sys/stat.h>

namespace {

class ModuleSelector : public ControlWindowTest {
  protected:
    void SetUp() override {
        ControlWindowTest::SetUp();
        headless_clear_message_boxes();
        save_dialog = nullptr;
        install = make_temp_dir("install");
        mkdir((install + "/library").c_str(), 0755);
        for (const char* name : {"Anti-Light-4.sv", "demo.sv", "E=mc2.sv", "[x].sv", "Orb.sv"})
            write_file(install + "/library/" + name, "[items]\n");
        write_private_profile_string("data", "path", (install + "/").c_str(), SETTINGS_FILE);
        for (const char* key : {"module", "modsel"})
            write_private_profile_string("data", key, nullptr, SETTINGS_FILE);
        write_private_profile_string("cycle", nullptr, nullptr, SETTINGS_FILE);
    }
    void TearDown() override {
        write_private_profile_string("data", "path", nullptr, SETTINGS_FILE);
        ControlWindowTest::TearDown();
    }
    int index_of(const std::string& file) const {
        const auto at = std::find(module_files.begin(), module_files.end(), file);
        return at == module_files.end() ? -1 : static_cast<int>(at - module_files.begin());
    }
    std::string shown() const {
        return list_get_text(dialog, ID_MODULE_SELECTOR,
                             list_get_cur_sel(dialog, ID_MODULE_SELECTOR));
    }
    std::string install;
};

TEST_F(ModuleSelector, OnAFirstStartTheSelectorNamesTheModuleThatPlays) {
    // Nothing chosen yet: the program plays the library's demo.
    open();
    EXPECT_EQ(shown(), "demo");
    EXPECT_EQ(selected_module, index_of("demo.sv"));
    EXPECT_EQ(is_dlg_button_checked(dialog, ID_CYCLE_INCLUDE), 0);
    destroy_window(dialog);
    control_window = nullptr;

    // A module named in the settings is the one shown, whatever index is stored beside it.
    write_private_profile_string("data", "module", (install + "/library/Orb.sv").c_str(),
                                 SETTINGS_FILE);
    write_private_profile_string("data", "modsel", "0", SETTINGS_FILE);
    open();
    EXPECT_EQ(shown(), "Orb");
}

TEST_F(ModuleSelector, TheIncludeBoxShowsWhatTheSettingsHold) {
    open();
    for (const char* file : {"Orb.sv", "E=mc2.sv", "[x].sv"}) {
        list_set_cur_sel(dialog, ID_MODULE_FILES, index_of(file));
        check_dlg_button(dialog, ID_CYCLE_INCLUDE, 0);
        click(ID_CYCLE_INCLUDE);
        EXPECT_EQ(is_dlg_button_checked(dialog, ID_CYCLE_INCLUDE) == 1, module_included(file))
            << file;
    }
    EXPECT_TRUE(module_included("Orb.sv"));

    // Including every module at once from the global settings: the same.
    headless_select(dialog, ID_MODULE_SELECTOR, index_of("E=mc2.sv"));
    headless_set_modal_driver([](Hwnd global) {
        headless_click(global, ID_GLOBAL_INCLUDE_ALL);
        headless_click(global, IDOK);
    });
    click(ID_GLOBAL_SETTINGS);
    headless_set_modal_driver(nullptr);
    EXPECT_TRUE(module_included("Orb.sv"));
    EXPECT_EQ(is_dlg_button_checked(dialog, ID_CYCLE_INCLUDE), 0);
}

TEST_F(ModuleSelector, TheSaveDialogRefusesNamesTheSettingsCannotHold) {
    open();
    struct Case {
        const char* name;
        bool refused;
    } cases[] = {{"F=ma", true},  {"[y]", true},    {";note", true},
                 {" lead", true}, {"E-mc2", false}, {"x]", false}};
    for (const Case& c : cases) {
        for (Msg msg{}; peek_message(&msg);) continue; // drop what earlier cases posted
        headless_clear_message_boxes();
        open_save_dialog(owner);
        ASSERT_TRUE(save_dialog);
        headless_type(save_dialog, ID_SAVE_NAME, c.name);
        headless_click(save_dialog, ID_SAVE);
        const std::vector<int> commands = posted_commands();
        const bool saved =
            std::find(commands.begin(), commands.end(), CMD_SAVE_MODULE) != commands.end();
        EXPECT_EQ(saved, !c.refused) << c.name;
        EXPECT_EQ(save_dialog != nullptr, c.refused) << c.name << ": open after a refusal";
        EXPECT_EQ(headless_message_boxes().size(), c.refused ? 1u : 0u) << c.name;
        if (save_dialog) destroy_window(save_dialog);
        save_dialog = nullptr;
    }
}

} // namespace
