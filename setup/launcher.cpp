#include "setup/launcher.h"

#include "platform/files.h"
#include "platform/paths.h"
#include "setup/install_places.h"

#include <cmath>
#include <cstdio>
#include <unistd.h>

namespace {

// An Exec argument: quoted when it holds a reserved character, with the characters that
// stay special inside quotes escaped; then every backslash doubled for the string value.
std::string exec_argument(const std::string& path) {
    const std::string reserved = " \t\n\"'\\><~|&;$*?#()`";
    std::string argument = path;
    if (path.find_first_of(reserved) != std::string::npos) {
        argument = "\"";
        for (char c : path) {
            if (c == '"' || c == '`' || c == '$' || c == '\\') argument += '\\';
            argument += c;
        }
        argument += '"';
    }
    std::string value;
    for (char c : argument) {
        if (c == '\\') value += '\\';
        value += c;
    }
    // A percent sign would be taken for a field code.
    std::string escaped;
    for (char c : value) {
        if (c == '%') escaped += '%';
        escaped += c;
    }
    return escaped;
}

} // namespace

std::string launcher_text(const std::string& program, const std::string& icon) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Version=1.0\n"
           "Name=Solvantrix\n"
           "GenericName=Starfield Screen Saver\n"
           "Comment=Fly through a 3-D starfield and edit its modules\n"
           "Exec=" +
           exec_argument(program) +
           "\n"
           "Icon=" +
           icon +
           "\n"
           "Terminal=false\n"
           "Categories=Graphics;3DGraphics;\n"
           "Keywords=screensaver;stars;space;starfield;\n";
}

std::string launcher_icon_svg() {
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" "
                      "viewBox=\"0 0 64 64\">\n"
                      "  <defs><radialGradient id=\"sky\"><stop offset=\"0\" "
                      "stop-color=\"#24306a\"/><stop offset=\"1\" stop-color=\"#070912\"/>"
                      "</radialGradient>\n"
                      "  <radialGradient id=\"glow\"><stop offset=\"0\" stop-color=\"#ffffff\"/>"
                      "<stop offset=\"0.4\" stop-color=\"#9ec2ff\"/><stop offset=\"1\" "
                      "stop-color=\"#9ec2ff\" stop-opacity=\"0\"/></radialGradient></defs>\n"
                      "  <circle cx=\"32\" cy=\"32\" r=\"30\" fill=\"url(#sky)\"/>\n";
    // Streaks flying out of the centre, as the stars do when the flight speeds up.
    for (int i = 0; i < 12; ++i) {
        const double angle = i * 3.14159265358979 / 6 + 0.2;
        const double inner = 7 + (i % 3) * 3, outer = 17 + (i % 4) * 3;
        char line[200];
        std::snprintf(line, sizeof line,
                      "  <line x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\" stroke=\"#cfe0ff\" "
                      "stroke-width=\"%.1f\" stroke-linecap=\"round\" opacity=\"%.2f\"/>\n",
                      32 + inner * std::cos(angle), 32 + inner * std::sin(angle),
                      32 + outer * std::cos(angle), 32 + outer * std::sin(angle),
                      1.2 + (i % 2) * 0.8, 0.55 + (i % 3) * 0.15);
        svg += line;
    }
    svg += "  <circle cx=\"32\" cy=\"32\" r=\"9\" fill=\"url(#glow)\"/>\n"
           "  <circle cx=\"32\" cy=\"32\" r=\"30\" fill=\"none\" stroke=\"#6094ec\" "
           "stroke-width=\"2\"/>\n"
           "</svg>\n";
    return svg;
}

bool create_launcher(const std::string& install_dir) {
    if (!make_directories(launcher_directory())) return false;
    const std::string icon = install_dir + "/" + ICON_NAME;
    return write_file_atomically(icon, launcher_icon_svg()) &&
           write_file_atomically(launcher_path(), launcher_text(installed_program_path(), icon));
}

void delete_launcher(const std::string& install_dir) {
    unlink(launcher_path().c_str());
    unlink((install_dir + "/" + ICON_NAME).c_str());
}
