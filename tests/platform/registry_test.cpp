// The key store that stands in for the system registry: setup's uninstall entry, the
// screen-saver password option and the folders it looks up.
#include "platform/paths.h"
#include "platform/registry.h"
#include "tests/support/test_env.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char* const UNINSTALL =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\RegistryTestProduct";

class RegistryTest : public ::testing::Test {
  protected:
    void TearDown() override {
        reg_delete_key(HKEY_LOCAL_MACHINE, UNINSTALL);
        reg_delete_key(HKEY_CURRENT_USER, "Control Panel\\Desktop");
    }
};

std::string query(const char* root, const char* subkey, const char* name) {
    std::string value = "<absent>";
    reg_query_value(root, subkey, name, &value);
    return value;
}

TEST_F(RegistryTest, ValuesRoundTripWithoutCaseInKeysAndNames) {
    EXPECT_FALSE(reg_key_exists(HKEY_LOCAL_MACHINE, UNINSTALL));
    ASSERT_TRUE(reg_set_value(HKEY_LOCAL_MACHINE, UNINSTALL, "DisplayName", "Solvantrix"));
    ASSERT_TRUE(reg_set_value(HKEY_LOCAL_MACHINE, UNINSTALL, "UninstallString", "/x/uninstal"));
    EXPECT_TRUE(reg_key_exists(HKEY_LOCAL_MACHINE, UNINSTALL));
    EXPECT_EQ(query(HKEY_LOCAL_MACHINE, UNINSTALL, "displayname"), "Solvantrix");

    std::string upper_key = UNINSTALL;
    for (char& c : upper_key) c = static_cast<char>(toupper(c));
    EXPECT_TRUE(reg_key_exists("hkey_local_machine", upper_key.c_str()));
    EXPECT_EQ(query(HKEY_LOCAL_MACHINE, upper_key.c_str(), "UNINSTALLSTRING"), "/x/uninstal");

    ASSERT_TRUE(reg_set_value(HKEY_LOCAL_MACHINE, UNINSTALL, "displayNAME", "Renamed"));
    EXPECT_EQ(query(HKEY_LOCAL_MACHINE, UNINSTALL, "DisplayName"), "Renamed");

    const std::string file = read_file(windows_directory() + "/registry.ini");
    EXPECT_NE(file.find(std::string("[HKEY_LOCAL_MACHINE\\") + UNINSTALL + "]"), std::string::npos);
}

TEST_F(RegistryTest, AbsentAndEmptyValuesAreTold) {
    const char* desktop = "Control Panel\\Desktop";
    std::string value = "unchanged";
    EXPECT_FALSE(reg_query_value(HKEY_CURRENT_USER, desktop, "ScreenSaveUsePassword", &value));
    EXPECT_EQ(value, "unchanged");
    ASSERT_TRUE(reg_set_value(HKEY_CURRENT_USER, desktop, "Wallpaper", ""));
    EXPECT_TRUE(reg_query_value(HKEY_CURRENT_USER, desktop, "Wallpaper", &value));
    EXPECT_EQ(value, "");
    EXPECT_FALSE(reg_query_value(HKEY_CURRENT_USER, desktop, "ScreenSaveUsePassword", &value));
    // The same subkey under the other root is another key.
    EXPECT_FALSE(reg_key_exists(HKEY_LOCAL_MACHINE, desktop));
    EXPECT_EQ(query(HKEY_LOCAL_MACHINE, desktop, "Wallpaper"), "<absent>");
}

TEST_F(RegistryTest, LongValuesAreReadWhole) {
    const std::string path = "/" + std::string(3000, 'd') + "/Solvantrix Screen Saver";
    ASSERT_TRUE(reg_set_value(HKEY_LOCAL_MACHINE, UNINSTALL, "InstallLocation", path.c_str()));
    EXPECT_EQ(query(HKEY_LOCAL_MACHINE, UNINSTALL, "InstallLocation"), path);
}

TEST_F(RegistryTest, DeletingValuesAndKeys) {
    const std::string child = std::string(UNINSTALL) + "\\Child";
    ASSERT_TRUE(reg_set_value(HKEY_LOCAL_MACHINE, UNINSTALL, "DisplayName", "Solvantrix"));
    ASSERT_TRUE(reg_set_value(HKEY_LOCAL_MACHINE, child.c_str(), "v", "1"));

    EXPECT_TRUE(reg_delete_value(HKEY_LOCAL_MACHINE, UNINSTALL, "displayname"));
    EXPECT_FALSE(reg_delete_value(HKEY_LOCAL_MACHINE, UNINSTALL, "displayname"));
    EXPECT_EQ(query(HKEY_LOCAL_MACHINE, UNINSTALL, "DisplayName"), "<absent>");
    EXPECT_TRUE(reg_key_exists(HKEY_LOCAL_MACHINE, UNINSTALL)) << "a key outlives its values";

    EXPECT_TRUE(reg_delete_key(HKEY_LOCAL_MACHINE, UNINSTALL));
    EXPECT_FALSE(reg_key_exists(HKEY_LOCAL_MACHINE, UNINSTALL));
    EXPECT_FALSE(reg_delete_key(HKEY_LOCAL_MACHINE, UNINSTALL));
    EXPECT_EQ(query(HKEY_LOCAL_MACHINE, child.c_str(), "v"), "1") << "other keys untouched";
    EXPECT_TRUE(reg_delete_key(HKEY_LOCAL_MACHINE, child.c_str()));
}

TEST_F(RegistryTest, ValuesThatCannotBeStoredAreRefused) {
    EXPECT_FALSE(reg_set_value(HKEY_LOCAL_MACHINE, UNINSTALL, "Name", "two\nlines"));
    EXPECT_FALSE(reg_set_value(HKEY_LOCAL_MACHINE, UNINSTALL, "a=b", "1"));
    EXPECT_FALSE(reg_set_value(HKEY_LOCAL_MACHINE, UNINSTALL, nullptr, "1"));
    EXPECT_FALSE(reg_key_exists(HKEY_LOCAL_MACHINE, UNINSTALL));
}

} // namespace
