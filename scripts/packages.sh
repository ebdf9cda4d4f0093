# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian packages the program needs to build (debian/control's
# Build-Depends, read from there) and to run, those the Debian package's build
# adds, and those the tests add. The names are the same on Debian 12 and 13;
# LLVM 19 is in both. Sourced by the scripts from the source folder, which
# build with one compiler per core.

# Build-Depends by name: versions dropped, debhelper for debhelper-compat.
build_depends() {
    awk '/^Build-Depends:/ { on = 1; sub(/^Build-Depends:/, "") }
         on && /^[A-Za-z-]+:/ { on = 0 }
         on' debian/control \
        | tr ',' '\n' | sed -E 's/\(.*\)//; s/^[[:space:]]+//; s/[[:space:]]+$//; s/^debhelper-compat$/debhelper/' \
        | grep -v '^$'
}
mapfile -t build_packages < <(build_depends)
build_packages+=(build-essential fonts-liberation2 fonts-dejavu-core qt6-translations-l10n qt6-wayland)
package_packages=(dpkg-dev lintian)
test_packages=(xvfb xauth xdotool xclip imagemagick dbus dbus-x11 at-spi2-core python3 python3-pyatspi
               desktop-file-utils appstream libbenchmark-dev
               clang-19 libclang-rt-19-dev clang-format-19 clang-tidy-19
               openbox x11-utils qt6-gtk-platformtheme weston devscripts man-db
               orca python3-speechd speech-dispatcher speech-dispatcher-espeak-ng espeak-ng libglib2.0-bin dconf-cli
               gsettings-desktop-schemas)

# One compiler per core; CMake's Makefiles build one file at a time otherwise.
export CMAKE_BUILD_PARALLEL_LEVEL="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
