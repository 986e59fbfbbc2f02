// The menu entry: a freedesktop launcher that starts the installed program, with an icon we
// draw ourselves.
#pragma once

#include <string>

// The launcher file's text for this program and icon (absolute paths).
std::string launcher_text(const std::string& program, const std::string& icon);
// The icon: a small starburst in a dark disc, as SVG.
std::string launcher_icon_svg();
// Writes the icon into the install directory and the launcher into the applications
// directory; false when the applications directory cannot be made or a file not written.
bool create_launcher(const std::string& install_dir);
// Deletes both; a missing file is no error.
void delete_launcher(const std::string& install_dir);
