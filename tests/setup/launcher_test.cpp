#include "setup/launcher.h"

#include "tests/support/test_env.h"

#include <gtest/gtest.h>

namespace {

std::string exec_line(const std::string& program) {
    const std::string text = launcher_text(program, "/icons/solvantrix.svg");
    const size_t at = text.find("\nExec=");
    return text.substr(at + 6, text.find('\n', at + 1) - at - 6);
}

TEST(Launcher, TheCommandSurvivesEveryCharacterAHomeDirectoryMayHold) {
    const struct {
        const char* program;
        const char* exec;
    } cases[] = {
        {"/home/ann/.local/bin/solvantrix", "/home/ann/.local/bin/solvantrix"},
        {"/home/ann lee/.local/bin/solvantrix", "\"/home/ann lee/.local/bin/solvantrix\""},
        {"/home/$ann/bin", "\"/home/\\\\$ann/bin\""},
        {"/home/a\"b/bin", "\"/home/a\\\\\"b/bin\""},
        {"/home/100%/bin", "/home/100%%/bin"},
    };
    for (const auto& c : cases) EXPECT_EQ(exec_line(c.program), c.exec) << c.program;
}

TEST(Launcher, ValidatesAsADesktopEntry) {
    if (std::system("command -v desktop-file-validate >/dev/null") != 0)
        GTEST_SKIP() << "desktop-file-validate is not installed";
    const std::string dir = make_temp_dir("launcher");
    write_file(dir + "/solvantrix.desktop",
               launcher_text("/home/ann lee/.local/bin/solvantrix", dir + "/solvantrix.svg"));
    EXPECT_EQ(std::system(("desktop-file-validate '" + dir + "/solvantrix.desktop'").c_str()), 0);
}

} // namespace
