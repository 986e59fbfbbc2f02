#!/usr/bin/env bash
# package_install_rules.sh BUILD_DIR: `cmake --install` with DESTDIR into a temporary tree
# puts exactly the expected files in place under the configured prefix: the program, its
# product tree, XScreenSaver's config file (well formed, running the program with --root)
# and its hack directory entry, the theme MATE's and Xfce's screen savers read and the menu
# entry (both valid), the icon, the manual page and the Debian documents.
set -euo pipefail
build=$(realpath "$1")
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")
DESTDIR=$stage cmake --install "$build" >/dev/null
root=$stage$prefix
[ -d "$root" ] || fail "nothing installed under $prefix"

# The whole list, the product tree compared with the build's own.
expected=$(
    {
        printf '%s\n' bin/solvantrix libexec/xscreensaver/solvantrix \
            share/xscreensaver/config/solvantrix.xml \
            share/applications/screensavers/solvantrix.desktop \
            share/applications/solvantrix.desktop \
            share/icons/hicolor/scalable/apps/solvantrix.svg \
            share/man/man6/solvantrix.6.gz \
            share/doc/solvantrix/copyright share/doc/solvantrix/changelog.Debian.gz
        (cd "$build/product" && find . -type f | sed 's|^\./|share/solvantrix/|')
    } | sort
)
installed=$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | sort)
diff <(echo "$expected") <(echo "$installed") || fail "the installed files differ (< expected, > installed)"
(cd "$build/product" && find . -type f -exec cmp {} "$root/share/solvantrix/{}" \;) ||
    fail "the product tree was not copied as built"

# The host runs the hack as a link to the program, which finds its tree from its own place.
hack=$root/libexec/xscreensaver/solvantrix
[ -L "$hack" ] || fail "the hack directory entry is not a link"
case $(readlink "$hack") in /*) fail "the hack link is absolute: $(readlink "$hack")" ;; esac
[ "$(realpath "$hack")" = "$(realpath "$root/bin/solvantrix")" ] || fail "the hack link goes elsewhere"
[ -x "$root/bin/solvantrix" ] || fail "the program is not executable"

xml=$root/share/xscreensaver/config/solvantrix.xml
xmllint --noout "$xml" || fail "the XScreenSaver config is not well formed"
[ "$(xmllint --xpath 'string(/screensaver/@name)' "$xml")" = solvantrix ] || fail "screensaver name"
[ "$(xmllint --xpath 'string(/screensaver/@_label)' "$xml")" = Solvantrix ] || fail "screensaver label"
[ "$(xmllint --xpath 'string(/screensaver/command/@arg)' "$xml")" = --root ] || fail "command argument"
[ "$(xmllint --xpath 'string(//boolean[@_label="Show frame rate"]/@arg-set)' "$xml")" = --fps ] ||
    fail "no frame-rate switch"
[ -n "$(xmllint --xpath 'normalize-space(/screensaver/_description)' "$xml")" ] || fail "no description"

theme=$root/share/applications/screensavers/solvantrix.desktop
for file in "$theme" "$root/share/applications/solvantrix.desktop"; do
    desktop-file-validate "$file" || fail "$file does not validate"
done
# MATE's screen saver runs only programs named by full path in its hack directories.
grep -qx "Exec=$prefix/libexec/xscreensaver/solvantrix --root" "$theme" || fail "theme Exec: $(grep Exec= "$theme")"
grep -qx "TryExec=$prefix/libexec/xscreensaver/solvantrix" "$theme" || fail "theme TryExec"
grep -qx 'Categories=Screensaver;' "$theme" || fail "theme category"

gzip -t "$root/share/man/man6/solvantrix.6.gz" || fail "the manual page is not gzip"
man_text=$(MANWIDTH=80 man -l "$root/share/man/man6/solvantrix.6.gz" 2>&1)
for option in --root --window-id --fps --wayland --wayland-background /s /c /a; do
    grep -q -- "$option" <<< "$man_text" || fail "the manual page does not name $option"
done
xmllint --noout "$root/share/icons/hicolor/scalable/apps/solvantrix.svg" || fail "the icon is not SVG"
echo ok
