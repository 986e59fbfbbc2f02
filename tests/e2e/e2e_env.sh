# Sourced by the end-to-end scripts: private XDG directories, the fixture library installed in
# them, and helpers that wait for windows and read the screen.
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
export XDG_CONFIG_HOME=$root/config XDG_DATA_HOME=$root/data XDG_RUNTIME_DIR=$root/runtime
export XDG_STATE_HOME=$root/state
mkdir -p "$XDG_CONFIG_HOME/solvantrix" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
settings=$XDG_CONFIG_HOME/solvantrix/Solvantrix!.ini

# install_fixture FIXTURES_DIR: the fixture library as the install directory, playing Hand-Made.
install_fixture() {
    mkdir -p "$root/install"
    cp -r "$1/library" "$root/install/library"
    cp -r "$1/images" "$root/install/images"
    printf '[data]\npath=%s/install/\nmodule=%s/install/library/Hand-Made.sv\n[Items]\nappx=0\nappy=0\nappx1=640\nappy1=400\nxmainx=0\nxmainy=460\n' \
        "$root" "$root" > "$settings"
}

# install_read_only_tree PROGRAM FIXTURES_DIR: a product tree as a system package installs it,
# the program in $prefix/bin, the fixture library in $prefix/share/solvantrix.
install_read_only_tree() {
    prefix=$root/prefix
    mkdir -p "$prefix/bin" "$prefix/share/solvantrix"
    cp "$1" "$prefix/bin/solvantrix"
    cp -r "$2/library" "$2/images" "$prefix/share/solvantrix/"
}
# play_as_ordinary_user: the private directories become those of the user who plays (nobody,
# through $as_user, when run as root), and the tree of install_read_only_tree one that user
# cannot write.
play_as_ordinary_user() {
    as_user=""
    if [ "$(id -u)" -eq 0 ]; then
        chown -R nobody:nogroup "$root"
        chown -R root:root "$prefix"
        chmod 755 "$root"
        as_user="setpriv --reuid=nobody --regid=nogroup --clear-groups"
    else
        chmod -R a-w "$prefix"
        trap 'chmod -R u+w "$prefix"; rm -rf "$root"' EXIT
    fi
}
